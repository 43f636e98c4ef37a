// Every tax form screen carries exactly the fields and check labels other
// subsystems address by index: the form-file record, Load TP and the
// computations depend on these indexes and kinds.
#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <set>

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "runtime/Text.h"
#include "screens/Catalog.h"
#include "screens/TaxFormTable.h"
#include "support/ScriptedHost.h"

namespace qv {
namespace {

struct Contract {
  const char* screen;
  const char* fields;  // "KIND a-b, c; KIND ..." ("plain" is an empty tag)
  const char* checks;  // "0-2, 5" or "" for none
};

// The layout contract of the tax form screens.
const Contract kContracts[] = {
    {"TF_W2", "TIN 0; EIN 1; MONEY 2-3, 5-10, 12, 16, 18, 20, 22, 33, 35, 40, 42; ISSUER 4; plain 11, 14-15, 17, 19, 21, 23, 25, 27, 29, 31-32, 37-39, 44-45; TPNAME 13; SMONEY 24, 26, 28, 30, 34, 36, 41, 43", "0-2"},
    {"TF_W2G", "ISSUER 0; MONEY 1, 4, 7, 17-20; DATEX 2; plain 3, 5-6, 8, 10, 12, 14-16, 21; EIN 9; TIN 11; TPNAME 13", "1"},
    {"TF_1099R", "ISSUER 0; MONEY 1-2, 5-6, 8-9, 13-14, 16, 18-19, 21, 23, 25-26, 28; EIN 3; TIN 4; TPNAME 7; plain 10, 12, 17, 20, 22, 24, 27; SMONEY 11; YEAR 15; DATE 29", "0-4"},
    {"TF_1099K", "ISSUER 0; TPNAME 1; plain 2-3, 7-9, 24-25, 27-28; EIN 4; TIN 5; MONEY 6, 10-23, 26", "0, 3-6"},
    {"TF_1099MISC", "ISSUER 0; MONEY 1-4, 7-8, 10-14, 16-17, 20, 22-23, 25; EIN 5; TIN 6; TPNAME 9; plain 15, 21, 24", "0-2"},
    {"TF_1099NEC", "ISSUER 0; EIN 1; TIN 2; TPNAME 3; plain 4, 8, 11; MONEY 5-7, 9-10, 12", "0, 2"},
    {"TF_1099INT", "ISSUER 0; plain 1, 11, 14, 17-21; MONEY 2-3, 6, 8-10, 12-13, 15-16, 24-25; EIN 4; TIN 5; TPNAME 7; SMONEY 22-23", "0-1"},
    {"TF_1099DIV", "ISSUER 0; MONEY 1-4, 7-8, 10-13, 15-16, 18-19, 21-23; EIN 5; TIN 6; TPNAME 9; plain 14, 17, 26-29; SMONEY 20, 25", "0-1"},
    {"TF_1099G", "ISSUER 0; MONEY 1-2, 6, 8-11; EIN 3; TIN 4; TaxYear1099G 5; TPNAME 7; plain 12-14, 17-18; SMONEY 15-16", "0-1"},
    {"TF_1099LTC", "ISSUER 0; MONEY 1-2; EIN 3; TIN 4-5; TPNAME 6; plain 7-8; DATE 9", "0-5"},
    {"TF_1099A", "ISSUER 0; EIN 1; TIN 2; TPNAME 3; plain 4, 8; DATE 5; MONEY 6-7", "0-1"},
    {"TF_1099C", "ISSUER 0; EIN 1; TIN 2; TPNAME 3; plain 4, 8-9; DATE 5; MONEY 6-7, 10", "0-1"},
    {"TF_1099Q", "ISSUER 0; EIN 1; TIN 2; TPNAME 3; plain 4; MONEY 5-8", "0-5"},
    {"TF_1099B", "ISSUER 0; EIN 1; TIN 2; TPNAME 3; plain 4-7, 9-10, 12-13; MONEY 8, 11, 16-20, 25; DATE 14; DATEX 15; OUT OF SCOPE 21-24", "0-9, 11-12"},
    {"TF_1099SA", "ISSUER 0; EIN 1; TIN 2; TPNAME 3; plain 4, 7; MONEY 5-6, 8", "1-4"},
    {"TF_1098", "ISSUER 0; EIN 1; TIN 2; MONEY 3, 5-6, 10, 12; TPNAME 4; plain 7-8, 13-14; DATE 9, 11", "0-1"},
    {"TF_1098E", "plain 0, 5; EIN 1; TIN 2; MONEY 3; TPNAME 4", "0-1"},
    {"TF_1098T", "ISSUER 0; MONEY 1-2, 6-8, 10; EIN 3; TIN 4; TPNAME 5; plain 9", "0, 2-4"},
    {"TF_SSA1099", "TPNAME 0; TIN 1; MONEY 2-3, 6-7, 9-11, 13; COMPUTED 4-5, 8, 15-16; plain 12, 14", ""},
    {"TF_RRB1099", "EIN 0; plain 1, 24-25; TIN 2; TPNAME 3; MONEY 4-5, 7-12, 17-20, 22-23, 26; COMPUTED 6, 13-16, 21", ""},
    {"TF_CSA1099R", "EIN 0; TIN 1; plain 2, 4, 12-13; MONEY 3, 5-10; TPNAME 11", ""},
    {"TF_CSF1099R", "EIN 0; TIN 1; plain 2, 4, 12-13; MONEY 3, 5-10; TPNAME 11", ""},
    {"TF_1095A", "EIN 0; plain 1, 6, 11-13, 18, 23, 28, 33; ISSUER 2; TPNAME 3; TIN 4, 7, 14, 19, 24, 29, 34; DATE 5, 8-10, 15-17, 20-22, 25-27, 30-32, 35-37; MONEY 38-76", "0-1"},
    {"TF_1095B", "TPNAME 0; TIN 1, 17, 20, 23, 26, 29, 32; DATE 2, 18, 21, 24, 27, 30, 33; plain 3-6, 9-11, 13-16, 19, 22, 25, 28, 31; ISSUER 7; EIN 8, 12", "0-79"},
    {"TF_1095C", "TPNAME 0; TIN 1, 50, 53, 56, 59, 62, 65; ISSUER 2; EIN 3; plain 4-9, 49, 52, 55, 58, 61, 64; 1095C-14 10-22; SMONEY 23-35; 1095C-16 36-48; DATE 51, 54, 57, 60, 63, 66; 1095C-17 79-91", "0-63, 65-80, 647"},
};

void PrintTo(const Contract& c, std::ostream* os) { *os << c.screen; }

std::set<int> indexesOf(const QString& list) {
  std::set<int> out;
  for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
    const QStringList ends = part.trimmed().split(u'-');
    const int from = ends[0].toInt(), to = ends.value(1, ends[0]).toInt();
    for (int i = from; i <= to; ++i) out.insert(i);
  }
  return out;
}

// index -> tag the contract gives it.
std::map<int, QString> fieldsOf(const QString& groups) {
  std::map<int, QString> out;
  static const QRegularExpression entry(QStringLiteral("^\\s*(.*?)\\s+(\\d[\\d,\\s-]*)$"));
  for (const QString& group : groups.split(u';')) {
    const auto m = entry.match(group);
    EXPECT_TRUE(m.hasMatch()) << qPrintable(group);
    const QString kind = m.captured(1) == u"plain" ? QString() : m.captured(1);
    for (int i : indexesOf(m.captured(2))) out[i] = kind;
  }
  return out;
}

class LayoutContract : public ::testing::TestWithParam<Contract> {
 protected:
  void SetUp() override {
    resetState();
    setHost(&host_);
    clock::setPausesEnabled(false);
    paths::setDriveRoot(u'C', drive_.path());
    // The shipped forms description, as start-up installs it.
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    ASSERT_TRUE(writeTextFile(QStringLiteral("C:\\Forms.inf"), decodeWin1252(shipped.readAll())));
    state().FormsInfFile = QStringLiteral("C:\\Forms.inf");
    state().YearChoices = {QStringLiteral("2023"), QStringLiteral("2024"), QStringLiteral("2025"), QStringLiteral("20XX")};
    state().YearChoiceIndex = 1;
  }
  void TearDown() override {
    if (screen_ && screen_->loaded()) screen_->unload();
    setHost(nullptr);
    paths::setDriveRoot(u'C', QString());
  }
  Screen& open(const char* name) {
    screen_ = screenNamed(QLatin1String(name));
    if (!screen_) throw std::runtime_error(std::string("no screen ") + name);
    screen_->load();
    return *screen_;
  }
  QString formsValue(const QString& section, const char* key) {
    QString v;
    GetPrivateProfileStringA(section, QLatin1String(key), {}, v, 1024, state().FormsInfFile);
    return v;
  }

  QTemporaryDir drive_;
  ScriptedHost host_;
  Screen* screen_ = nullptr;
};

TEST_P(LayoutContract, FieldsAndCheckLabelsAreExactlyTheContracts) {
  const Contract& c = GetParam();
  Screen& s = open(c.screen);
  const auto want = fieldsOf(QLatin1String(c.fields));
  std::map<int, QString> have;
  for (Control* f : s.array(QStringLiteral("Text1"))) have[f->index()] = f->tag();
  for (const auto& [i, tag] : want) {
    ASSERT_TRUE(have.count(i)) << c.screen << " lacks Text1(" << i << ")";
    EXPECT_EQ(have[i].toStdString(), tag.toStdString()) << c.screen << " Text1(" << i << ")";
  }
  for (const auto& [i, tag] : have) EXPECT_TRUE(want.count(i)) << c.screen << " has an extra Text1(" << i << ")";

  std::set<int> checks;
  for (Control* k : s.array(QStringLiteral("Check"))) checks.insert(k->index());
  EXPECT_EQ(checks, indexesOf(QLatin1String(c.checks))) << c.screen;
}

TEST_P(LayoutContract, CaptionBorderAndShortIdFollowTheTable) {
  const Contract& c = GetParam();
  const TaxFormTraits* traits = taxFormTraits(QLatin1String(c.screen));
  ASSERT_NE(traits, nullptr);
  Screen& s = open(c.screen);
  EXPECT_EQ(s.caption().toStdString(), std::string(traits->caption));
  EXPECT_EQ(state().FormInfo[11].toStdString(), QString::fromLatin1(c.screen).mid(3).toUpper().toStdString());
  // The border is stretched round the document exactly on the screens marked so.
  Control* border = s.find(QStringLiteral("myBorder"));
  if (traits->border) {
    ASSERT_NE(border, nullptr) << c.screen;
    EXPECT_TRUE(border->width() != 300 || border->height() != 300) << c.screen << ": border not laid out";
  } else if (border) {
    EXPECT_EQ(border->width(), 300) << c.screen;
    EXPECT_EQ(border->height(), 300) << c.screen;
  }
}

TEST_P(LayoutContract, FormsDescriptionNamesOnlyExistingFields) {
  const Contract& c = GetParam();
  Screen& s = open(c.screen);
  const QString section = formsInfSection(QLatin1String(c.screen));
  EXPECT_EQ(formsValue(section, "FormName").toStdString(), std::string(c.screen));
  EXPECT_FALSE(formsValue(section, "RecordPrefix").isEmpty()) << c.screen;
  for (const char* key : {"SSNIndex", "NameAddrIndex", "NameOnlyIndex", "DOBIndex", "MedicareClaimNoIndex",
                          "MedicareNoIndex", "EINIndex", "FocusOnStartup", "FocusAfterTPButton"}) {
    for (const QString& item : formsValue(section, key).split(u',', Qt::SkipEmptyParts)) {
      bool numeric = false;
      const int i = item.trimmed().toInt(&numeric);
      ASSERT_TRUE(numeric) << c.screen << " " << key << "=" << qPrintable(item);
      EXPECT_NE(s.find(QStringLiteral("Text1"), i), nullptr) << c.screen << " " << key << " names Text1(" << i << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(TaxForms, LayoutContract, ::testing::ValuesIn(kContracts),
                         [](const auto& info) { return std::string(info.param.screen); });

// The Schedule K-1 screens: a tab control of two pages, each page two picture
// halves side by side, and a Part III grid of box-number or code cells
// (Text2, Text4) beside amount cells of the same index (Text3, Text5). The
// picture command, the page switch on focus and Clear rely on these.
struct K1Contract {
  const char* screen;
  int width, height;          // the window
  int tabWidth, tabHeight;    // SSTab1
  const char* fields;         // Text1 kinds, as in kContracts
  const char* noTabStop;      // Text1 fields that Tab passes over
  const char* leftCells;      // design texts of Text2 in index order, "-" empty
  const char* leftAmounts;    // Text3 kinds
  const char* rightCells;     // Text4
  const char* rightAmounts;   // Text5
  const char* checks;
  int lastOnPage0[4];         // Text1, Text2/Text3, Text4/Text5, Check
};

const K1Contract kK1Contracts[] = {
    {"TF_K11041", 12510, 9855, 12480, 9420, "Date 0-1, 5; EIN 2; ISSUER 3; plain 4; TIN 6; TPNAME 7", "0",
     "1, 2a, 2b, 3, 4a, 4b, 4c, 5, 6, 7, 8, 9, -, -, 10", "MONEY 0-14",
     "11, -, -, -, -, 12, -, -, -, -, 13, -, -, 14, -, -, -, -, -", "MONEY 0-18", "0-5", {5, 13, 13, 3}},
};

void PrintTo(const K1Contract& c, std::ostream* os) { *os << c.screen; }

// The page of a control inside SSTab1's pages; -1 outside them.
int pageOf(const Control& c) {
  for (const Control* p = &c; p; p = p->container())
    if (p->container() && sameText(p->container()->name(), QLatin1String("SSTab1"))) return p->tabPage();
  return -1;
}

class K1LayoutContract : public ::testing::TestWithParam<K1Contract> {
 protected:
  void SetUp() override {
    resetState();
    setHost(&host_);
    paths::setDriveRoot(u'C', drive_.path());
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    ASSERT_TRUE(writeTextFile(QStringLiteral("C:\\Forms.inf"), decodeWin1252(shipped.readAll())));
    state().FormsInfFile = QStringLiteral("C:\\Forms.inf");
    state().YearChoices = {QStringLiteral("2024"), QStringLiteral("20XX")};
    screen_ = std::make_unique<Screen>(QLatin1String(GetParam().screen));
    screen_->load();
  }
  void TearDown() override {
    state().CurrentForm = nullptr;
    setHost(nullptr);
    paths::setDriveRoot(u'C', QString());
  }
  // index -> control of one array.
  std::map<int, Control*> arrayOf(const char* name) {
    std::map<int, Control*> out;
    for (Control* c : screen_->array(QLatin1String(name))) out[c->index()] = c;
    return out;
  }
  // The array's indexes and tags (or, with texts, design texts) against the contract's.
  void expectArray(const char* name, const std::map<int, QString>& want, bool texts = false) {
    const auto have = arrayOf(name);
    for (const auto& [i, value] : want) {
      ASSERT_TRUE(have.count(i)) << GetParam().screen << " lacks " << name << "(" << i << ")";
      const Control& c = *have.at(i);
      EXPECT_EQ((texts ? c.text() : c.tag()).toStdString(), value.toStdString()) << name << "(" << i << ")";
    }
    for (const auto& [i, c] : have) EXPECT_TRUE(want.count(i)) << GetParam().screen << " has an extra " << name << "(" << i << ")";
  }
  static std::map<int, QString> cellTexts(const char* list) {
    std::map<int, QString> out;
    int i = 0;
    for (const QString& item : QString::fromUtf8(list).split(u','))
      out[i++] = item.trimmed() == u"-" ? QString() : item.trimmed();
    return out;
  }

  QTemporaryDir drive_;
  ScriptedHost host_;
  std::unique_ptr<Screen> screen_;
};

TEST_P(K1LayoutContract, FieldsCellsAndCheckLabelsAreExactlyTheContracts) {
  const K1Contract& c = GetParam();
  expectArray("Text1", fieldsOf(QLatin1String(c.fields)));
  expectArray("Text2", cellTexts(c.leftCells), true);
  expectArray("Text3", fieldsOf(QLatin1String(c.leftAmounts)));
  expectArray("Text4", cellTexts(c.rightCells), true);
  expectArray("Text5", fieldsOf(QLatin1String(c.rightAmounts)));
  // The start-up gives the code cells their K1Help.inf tags; by design every cell is a box-number cell.
  for (const char* cells : {"Text2", "Text4"})
    for (const auto& [i, cell] : arrayOf(cells)) EXPECT_EQ(cell->tag().toStdString(), "K1") << cells << "(" << i << ")";
  const std::set<int> passedOver = indexesOf(QLatin1String(c.noTabStop));
  for (const auto& [i, field] : arrayOf("Text1"))
    EXPECT_EQ(field->tabStop(), !passedOver.count(i)) << "Text1(" << i << ")";

  std::set<int> checks;
  for (const auto& [i, label] : arrayOf("Check")) {
    EXPECT_EQ(label->type(), ControlType::Label);
    checks.insert(i);
  }
  EXPECT_EQ(checks, indexesOf(QLatin1String(c.checks)));
}

TEST_P(K1LayoutContract, EachFieldAndCheckLabelLiesOnItsPage) {
  const K1Contract& c = GetParam();
  const char* arrays[][2] = {{"Text1", nullptr}, {"Text2", "Text3"}, {"Text4", "Text5"}, {"Check", nullptr}};
  for (int a = 0; a < 4; ++a) {
    for (const char* name : arrays[a]) {
      if (!name) continue;
      for (const auto& [i, control] : arrayOf(name))
        EXPECT_EQ(pageOf(*control), i > c.lastOnPage0[a] ? 1 : 0) << name << "(" << i << ")";
    }
  }
  for (const Control* label : screen_->controls()) {
    if (sameText(label->name(), QLatin1String("RTL1")) || sameText(label->name(), QLatin1String("TaxYear"))) {
      EXPECT_EQ(pageOf(*label), 0) << qPrintable(label->displayName());
    }
  }
  EXPECT_EQ(pageOf(screen_->ctl(QStringLiteral("labelMisc"))), -1) << "the status line lies under the tab control";
}

// Laid at the top of the window without the tab strip, a page's two halves
// are the document, exactly the window's width and its height less the strip.
TEST_P(K1LayoutContract, PageHalvesStandSideBySideAndShowWhatTheyHold) {
  const K1Contract& c = GetParam();
  Screen& s = *screen_;
  EXPECT_EQ(s.width(), c.width);
  EXPECT_EQ(s.height(), c.height);
  const Control& tabs = s.ctl(QStringLiteral("SSTab1"));
  EXPECT_EQ(tabs.type(), ControlType::TabControl);
  EXPECT_EQ(QRect(tabs.left(), tabs.top(), tabs.width(), tabs.height()), QRect(0, 0, c.tabWidth, c.tabHeight));
  EXPECT_EQ(tabs.items().size(), 2);
  EXPECT_EQ(tabs.tabHeight(), 295);
  EXPECT_EQ(tabs.currentTab(), 0);
  EXPECT_GE(s.ctl(QStringLiteral("labelMisc")).top(), tabs.height());

  const char* halves[][2] = {{"Pic1L", "Pic1R"}, {"Pic2L", "Pic2R"}};
  for (int page = 0; page < 2; ++page) {
    const Control& left = s.ctl(QLatin1String(halves[page][0]));
    const Control& right = s.ctl(QLatin1String(halves[page][1]));
    for (const Control* half : {&left, &right}) {
      EXPECT_EQ(half->type(), ControlType::PictureBox);
      EXPECT_EQ(half->container(), &tabs);
      EXPECT_EQ(half->tabPage(), page);
      EXPECT_EQ(half->top(), 360);
      EXPECT_EQ(half->height(), s.height() - 360);
    }
    EXPECT_EQ(right.left(), left.left() + left.width());
    EXPECT_EQ(left.width() + right.width(), s.width());
  }

  // Everything inside a half shows on the screen's page, inside the tab
  // control's frame (two pixels).
  for (const Control* control : s.controls()) {
    const Control* half = control->container();
    if (!half || half->type() != ControlType::PictureBox) continue;
    const int right = control->type() == ControlType::Line ? std::max(control->x1(), control->x2())
                                                           : control->left() + control->width();
    const int bottom = control->type() == ControlType::Line ? std::max(control->y1(), control->y2())
                                                            : control->top() + control->height();
    EXPECT_LE(half->left() + right, c.tabWidth - 30) << qPrintable(control->displayName());
    EXPECT_LE(half->top() + bottom, c.tabHeight - 30) << qPrintable(control->displayName());
    EXPECT_GE(std::min(control->left(), control->x2()), 0) << qPrintable(control->displayName());
    EXPECT_GE(std::min(control->top(), control->y2()), 0) << qPrintable(control->displayName());
  }
}

TEST_P(K1LayoutContract, FormsDescriptionNamesTheRecipientAndTheYearCaption) {
  const K1Contract& c = GetParam();
  Screen& s = *screen_;
  Form_Init(s);
  const auto& info = state().FormInfo;
  EXPECT_EQ(info[10].toStdString(), std::string(c.screen));
  // A saved record's prefix leads back to this entry.
  EXPECT_EQ(formsInfSection(info[12]).toStdString(), formsInfSection(QLatin1String(c.screen)).toStdString());
  const std::pair<int, const char*> named[] = {{6, "TIN"}, {7, "TPNAME"}, {15, "EIN"}, {5, "ISSUER"}};
  for (const auto& [slot, kind] : named) {
    bool numeric = false;
    const int index = info[slot].toInt(&numeric);
    ASSERT_TRUE(numeric) << "FormInfo(" << slot << ") = " << qPrintable(info[slot]);
    const Control* field = s.find(QStringLiteral("Text1"), index);
    ASSERT_NE(field, nullptr) << "FormInfo(" << slot << ") names Text1(" << index << ")";
    EXPECT_EQ(field->tag().toStdString(), kind) << "FormInfo(" << slot << ") names Text1(" << index << ")";
  }
  EXPECT_EQ(s.ctl(QStringLiteral("RTL1")).caption().trimmed().toStdString(), "For calendar year 2024, or tax year");
}

INSTANTIATE_TEST_SUITE_P(ScheduleK1, K1LayoutContract, ::testing::ValuesIn(kK1Contracts),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
}  // namespace qv
