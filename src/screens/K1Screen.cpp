#include "screens/K1Screen.h"

#include <algorithm>

#include "engine/Checks.h"
#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "engine/K1Handlers.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "screens/K1Help.h"
#include "runtime/Text.h"

namespace qv {

namespace {

const QString kCodeHelp = QStringLiteral("Press any Function Key (F1 - F12) for list of valid entries.");
const QString kFixedHelp = QStringLiteral("This value can't be changed");
const char* const kCellArrays[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};

// The two columns of the Part III grid: box-number or code cells beside their
// amount cells, and the grid default that keeps the code cells' design texts.
struct GridColumn {
  const char* codes;
  const char* amounts;
  K1Defaults designTexts;
};
constexpr GridColumn kGridColumns[] = {{"Text2", "Text3", Text2Texts}, {"Text4", "Text5", Text4Texts}};

}  // namespace

const std::vector<K1Traits>& k1Forms() {
  static const std::vector<K1Traits> forms = {
      {.name = "TF_K11065",
       .sectionPrefix = "K1-1065-",
       .lastPage0 = {6, 13, 12},
       .leftBoxes = {{16, 17, 11}, {19, 23, 13}},
       .rightBoxes = {{0, 1, 14}, {2, 3, 15}, {5, 7, 17}, {8, 10, 18}, {11, 12, 19}, {13, 18, 20}},
       .checks = 17,
       .checkPairs = {{3, 4}, {5, 6}, {9, 10}, {13, 14}},
       .codeCellsLocked = true,
       .anyKeyOpensList = false,
       .xCell = 4},
      {.name = "TF_K11120S",
       .sectionPrefix = "K1-1120S-",
       .lastPage0 = {7, 13, 13},
       .leftBoxes = {{12, 16, 10}, {18, 25, 12}},
       .rightBoxes = {{0, 4, 13}, {6, 10, 15}, {11, 15, 16}, {16, 25, 17}},
       .checks = 4,
       .checkPairs = {},
       .codeCellsLocked = true,
       .anyKeyOpensList = false,
       .xCell = 5},
      {.name = "TF_K11041",
       .sectionPrefix = "K1-1041-",
       .lastPage0 = {5, 13, 13},
       .leftBoxes = {{11, 13, 9}},
       .rightBoxes = {{0, 4, 11}, {5, 9, 12}, {10, 12, 13}, {13, 18, 14}},
       .checks = 6,
       .checkPairs = {{4, 5}},
       .codeCellsLocked = false,
       .anyKeyOpensList = true,
       .xCell = -1},
  };
  return forms;
}

const K1Traits* k1Traits(const QString& screenName) {
  for (const K1Traits& t : k1Forms())
    if (screenName.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0) return &t;
  return nullptr;
}

K1Screen::K1Screen(const K1Traits& traits) : FormScreen(QLatin1String(traits.name)), traits_(traits) {}

bool K1Screen::isCell(const Control& c) {
  if (c.type() != ControlType::TextBox || !c.inArray()) return false;
  for (const char* name : kCellArrays)
    if (c.name() == QLatin1String(name)) return true;
  return false;
}

int K1Screen::lastPage0(const Control& cell) const {
  const QChar n = cell.name().back();
  return n == u'1' ? traits_.lastPage0[0] : (n == u'2' || n == u'3') ? traits_.lastPage0[1] : traits_.lastPage0[2];
}

bool K1Screen::isXCell(const Control& c) const { return c.name() == u"Text5" && c.index() == traits_.xCell; }

void K1Screen::SetTabOrder() {
  std::vector<Control*> order = array(QStringLiteral("Text1"));
  for (const GridColumn& column : kGridColumns) {
    const auto codes = array(QLatin1String(column.codes));
    const auto amounts = array(QLatin1String(column.amounts));
    for (size_t i = 0; i < amounts.size(); ++i) {
      if (i < codes.size()) order.push_back(codes[i]);
      order.push_back(amounts[i]);
    }
  }
  std::vector<Control*> others;
  for (Control* c : controls())
    if (std::find(order.begin(), order.end(), c) == order.end()) others.push_back(c);
  std::stable_sort(others.begin(), others.end(), [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
  int position = 0;
  for (Control* c : order) c->setTabIndex(position++);
  for (Control* c : others) c->setTabIndex(position++);
}

void K1Screen::setUpCodeCells(const QString& arrayName, const std::vector<K1Box>& boxes) {
  const QString prefix = QStringLiteral("K1HELP") + QChar(0x00B7) + QLatin1String(traits_.sectionPrefix);
  for (Control* cell : array(arrayName)) {
    cell->setLocked(true);
    cell->setToolTip(kCodeHelp);
    cell->setTabStop(true);
    const auto box = std::find_if(boxes.begin(), boxes.end(),
                                  [&](const K1Box& b) { return cell->index() >= b.first && cell->index() <= b.last; });
    if (box != boxes.end()) {
      cell->setTag(prefix + QStringLiteral("Box%1").arg(box->box));
      cell->setLocked(traits_.codeCellsLocked);
    } else {
      cell->setTag(QStringLiteral("K1"));
      cell->setTabStop(false);
      cell->setToolTip(kFixedHelp);
    }
  }
}

void K1Screen::onLoad() {
  trap(name() + QStringLiteral(":Form_Load"), [&] {
    SetTabOrder();
    Form_Init(*this);
    K1_SaveInfo(*this);
    setUpCodeCells(QStringLiteral("Text2"), traits_.leftBoxes);
    setUpCodeCells(QStringLiteral("Text4"), traits_.rightBoxes);
    ctl(QStringLiteral("SSTab1")).setCurrentTab(0);
  });
}

void K1Screen::recordRestored() {
  const ProgramState& s = state();
  for (const GridColumn& column : kGridColumns) {
    const QStringList& design = s.K1GridDefaults[column.designTexts];
    for (Control* cell : array(QLatin1String(column.codes))) {
      // Box numbers are the form's own: files that saved them upper-cased
      // ("4A") show them as the paper does again.
      if (cell->tag() == u"K1") {
        if (cell->index() < design.size()) cell->setText(design[cell->index()]);
        continue;
      }
      if (!isCodeCell(*cell) || k1CodeOverride(cell->tag().mid(7), cell->text()) != u"X") continue;
      if (Control* partner = find(QLatin1String(column.amounts), cell->index())) partner->setTag(QString());
    }
  }
}

void K1Screen::onGotFocus(Control& c) {
  if (!isCell(c)) return;
  K1_GotFocus(*this, c, lastPage0(c));
  state().CurrentField = c.name() + u':' + QString::number(c.index());
}

void K1Screen::onLostFocus(Control& c) {
  if (isCell(c)) K1_LostFocus(c, int(array(c.name()).size()));
}

void K1Screen::onValidate(Control& c, bool& cancel) {
  if (isCell(c) && !EditCtl(c)) cancel = true;
}

void K1Screen::onKeyDown(Control& c, int& keyCode, int) {
  swallowKeyPress_ = false;
  if (c.name() != u"Text2" && c.name() != u"Text4") return;
  K1_GotFocus(*this, c, lastPage0(c));
  const bool functionKey = keyCode >= keys::F1 && keyCode <= keys::F12;
  if (!isCodeCell(c)) return;
  if (!functionKey && !traits_.anyKeyOpensList) return;
  K1_Help_KeyDown(*this, c);
  keyCode = 0;
  swallowKeyPress_ = true;
}

void K1Screen::onKeyPress(Control& c, int& keyAscii) {
  if (swallowKeyPress_) {
    swallowKeyPress_ = false;
    keyAscii = 0;
    return;
  }
  if (!isCell(c)) return;
  if (isXCell(c)) {
    toggleXCell(c);
    keyAscii = 0;
    return;
  }
  K1_KeyPress(c, keyAscii);
}

void K1Screen::toggleXCell(Control& cell) { cell.setText(cell.text().isEmpty() ? QStringLiteral("X") : QString()); }

void K1Screen::onClick(Control& c) {
  if (c.type() == ControlType::Label && c.inArray() && sameText(c.name(), QLatin1String("Check"))) {
    Check_Click(c.index());
    return;
  }
  if (c.name() != u"Text5") return;
  if (isXCell(c)) toggleXCell(c);
  else onGotFocus(c);
}

void K1Screen::Check_Click(int index) {
  for (const CheckPair& pair : traits_.checkPairs) {
    if (index != pair.first && index != pair.second) continue;
    const int partner = index == pair.first ? pair.second : pair.first;
    Check_Toggle_Pair(ctl(QStringLiteral("Check"), index), ctl(QStringLiteral("Check"), partner));
    return;
  }
  if (index >= 0 && index < traits_.checks) Check_Toggle(ctl(QStringLiteral("Check"), index));
}

}  // namespace qv
