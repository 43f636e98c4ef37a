// Every tax form screen carries exactly the fields and check labels other
// subsystems address by index: the form-file record, Load TP and the
// computations depend on these indexes and kinds.
#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <set>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
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

// The Schedule K-1 screens spread their document over the two pages of a tab
// control, each page made of a left and a right half, and add the Part III
// grid: box-number or code cells (Text2, Text4) beside amount cells (Text3,
// Text5). The page handling of the cells, Clear, the form files and Load TP
// address these by index.
struct K1Contract {
  const char* screen;
  const char* fields;       // Text1 kinds, as above
  const char* untabbed;     // Text1 indexes that are no tab stop
  const char* multiLine;    // Text1 indexes of several lines
  const char* leftCells;    // Text2 design texts in index order, "-" for none
  const char* leftAmounts;  // Text3 kinds
  const char* rightCells;   // Text4 design texts
  const char* rightAmounts; // Text5 kinds
  const char* checks;
  int lastOnFirstPage[3];   // Text1, Text2 and Text3, Text4 and Text5
  const char* checksOnFirstPage;
};

const K1Contract kK1Contracts[] = {
    {"TF_K11065",
     "DATE 0-1; EIN 2; ISSUER 3; plain 4, 8-9; TIN 5, 7; TPNAME 6; % 10-15; MONEY 16-22, 24, 27; "
     "-MONEY 23, 25-26, 28-29",
     "1", "3, 6",
     "1, 2, 3, 4a, 4b, 4c, 5, 6a, 6b, 6c, 7, 8, 9a, 9b, 9c, 10, 11, -, 12, 13, -, -, -, -",
     "-MONEY 0-2, 11-17, 22-23; MONEY 3-10, 18-21",
     "14, -, 15, -, 16, 17, -, -, 18, -, -, 19, -, 20, -, -, -, -, -, 21",
     "MONEY 0-3, 5-19; CheckBox 4",
     "0-16", {6, 13, 12}, "0-2"},
};

void PrintTo(const K1Contract& c, std::ostream* os) { *os << c.screen; }

// The page a control lies on: that of the tab page holding it, -1 for none.
int pageOf(const Control& c) {
  for (const Control* box = &c; box->container(); box = box->container())
    if (box->container()->type() == ControlType::TabControl) return box->tabPage();
  return -1;
}

// Where a control lies inside the tab page half that holds it.
QRect placeIn(const Control& c, const Control& half) {
  QRect r = c.type() == ControlType::Line
                ? QRect(QPoint(std::min(c.x1(), c.x2()), std::min(c.y1(), c.y2())),
                        QPoint(std::max(c.x1(), c.x2()), std::max(c.y1(), c.y2())))
                : QRect(c.left(), c.top(), c.width(), c.height());
  for (const Control* box = c.container(); box && box != &half; box = box->container())
    r.translate(box->left(), box->top());
  return r;
}

bool inside(const Control& c, const Control& half) {
  for (const Control* box = c.container(); box; box = box->container())
    if (box == &half) return true;
  return false;
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
    QString error;
    ASSERT_TRUE(layout::load(screen_, QLatin1String(GetParam().screen), &error)) << error.toStdString();
  }
  void TearDown() override {
    setHost(nullptr);
    paths::setDriveRoot(u'C', QString());
  }
  // Index -> tag of a field array.
  std::map<int, QString> tags(const char* array) const {
    std::map<int, QString> out;
    for (const Control* f : screen_.array(QLatin1String(array))) out[f->index()] = f->tag();
    return out;
  }
  std::map<int, QString> texts(const char* array) const {
    std::map<int, QString> out;
    for (const Control* f : screen_.array(QLatin1String(array))) out[f->index()] = f->text();
    return out;
  }
  std::set<int> indexesWhere(const char* array, bool (*test)(const Control&)) const {
    std::set<int> out;
    for (const Control* f : screen_.array(QLatin1String(array)))
      if (test(*f)) out.insert(f->index());
    return out;
  }
  QString formsValue(const QString& key) const {
    QString v;
    GetPrivateProfileStringA(formsInfSection(screen_.name()), key, {}, v, 1024, state().FormsInfFile);
    return v;
  }

  QTemporaryDir drive_;
  ScriptedHost host_;
  Screen screen_{QLatin1String(GetParam().screen)};
};

// "1, 2, -, 4a" -> index -> design text.
std::map<int, QString> designTexts(const char* list) {
  std::map<int, QString> out;
  int i = 0;
  for (const QString& item : QString::fromLatin1(list).split(u',')) {
    const QString text = item.trimmed();
    out[i++] = text == u"-" ? QString() : text;
  }
  return out;
}

std::map<int, QString> sameTag(const std::map<int, QString>& cells, const QString& tag) {
  std::map<int, QString> out;
  for (const auto& cell : cells) out[cell.first] = tag;
  return out;
}

TEST_P(K1LayoutContract, FieldsCellsAndCheckLabelsAreExactlyTheContracts) {
  const K1Contract& c = GetParam();
  EXPECT_EQ(tags("Text1"), fieldsOf(QLatin1String(c.fields)));
  EXPECT_EQ(indexesWhere("Text1", [](const Control& f) { return !f.tabStop(); }),
            indexesOf(QLatin1String(c.untabbed)));
  EXPECT_EQ(indexesWhere("Text1", [](const Control& f) { return f.multiLine(); }),
            indexesOf(QLatin1String(c.multiLine)));

  // Box-number and code cells show their box at design and carry the K-1
  // prefix; start-up turns the code cells into K1HELP cells.
  EXPECT_EQ(texts("Text2"), designTexts(c.leftCells));
  EXPECT_EQ(tags("Text2"), sameTag(designTexts(c.leftCells), QStringLiteral("K1")));
  EXPECT_EQ(tags("Text3"), fieldsOf(QLatin1String(c.leftAmounts)));
  EXPECT_EQ(texts("Text4"), designTexts(c.rightCells));
  EXPECT_EQ(tags("Text4"), sameTag(designTexts(c.rightCells), QStringLiteral("K1")));
  EXPECT_EQ(tags("Text5"), fieldsOf(QLatin1String(c.rightAmounts)));

  std::set<int> checks;
  for (const Control* k : screen_.array(QStringLiteral("Check"))) {
    EXPECT_EQ(k->type(), ControlType::Label) << c.screen << " Check(" << k->index() << ")";
    checks.insert(k->index());
  }
  EXPECT_EQ(checks, indexesOf(QLatin1String(c.checks)));
}

// The focus handlers show page 1 for an index past the array's last index on
// page 0, so every field must lie on the page its index says.
TEST_P(K1LayoutContract, EveryFieldAndCheckLabelLiesOnThePageItsIndexSays) {
  const K1Contract& c = GetParam();
  const std::pair<const char*, int> arrays[] = {{"Text1", c.lastOnFirstPage[0]}, {"Text2", c.lastOnFirstPage[1]},
                                                {"Text3", c.lastOnFirstPage[1]}, {"Text4", c.lastOnFirstPage[2]},
                                                {"Text5", c.lastOnFirstPage[2]}};
  for (const auto& [array, last] : arrays)
    for (const Control* f : screen_.array(QLatin1String(array)))
      EXPECT_EQ(pageOf(*f), f->index() > last ? 1 : 0) << c.screen << " " << f->displayName().toStdString();
  const std::set<int> first = indexesOf(QLatin1String(c.checksOnFirstPage));
  for (const Control* k : screen_.array(QStringLiteral("Check")))
    EXPECT_EQ(pageOf(*k), first.count(k->index()) ? 0 : 1) << c.screen << " Check(" << k->index() << ")";

  // The tax year and its caption in the header, the status line under the pages.
  const Control* century = screen_.find(QStringLiteral("TaxYear"), 0);
  const Control* year = screen_.find(QStringLiteral("TaxYear"), 1);
  const Control* caption = screen_.find(QStringLiteral("RTL1"));
  ASSERT_TRUE(century && year && caption) << c.screen;
  EXPECT_EQ(century->caption(), "20");
  EXPECT_EQ(year->caption(), "??");
  for (const Control* l : {century, year, caption})
    EXPECT_EQ(pageOf(*l), 0) << c.screen << " " << l->displayName().toStdString();
  const Control* status = screen_.find(QStringLiteral("labelMisc"));
  ASSERT_NE(status, nullptr) << c.screen;
  EXPECT_EQ(pageOf(*status), -1) << c.screen;
}

// A page laid at the top, without its tab strip, is the whole document: the
// two halves side by side as wide as the screen and as high as the screen
// below the strip. Everything in a half lies within what the tab control
// shows of it, on screen and when printed.
TEST_P(K1LayoutContract, PageHalvesMakeTheDocumentAndShowAllTheyHold) {
  const K1Contract& c = GetParam();
  const Control& tabs = screen_.ctl(QStringLiteral("SSTab1"));
  ASSERT_EQ(tabs.type(), ControlType::TabControl);
  EXPECT_EQ(tabs.left(), 0);
  EXPECT_EQ(tabs.top(), 0);
  EXPECT_EQ(tabs.items().size(), 2);
  EXPECT_EQ(tabs.tabHeight(), 295);
  EXPECT_EQ(tabs.currentTab(), 0);
  constexpr int kPageTop = 360;
  for (int page : {0, 1}) {
    const Control& left = screen_.ctl(QStringLiteral("Pic%1L").arg(page + 1));
    const Control& right = screen_.ctl(QStringLiteral("Pic%1R").arg(page + 1));
    for (const Control* half : {&left, &right}) {
      EXPECT_EQ(half->container(), &tabs) << c.screen << " " << half->name().toStdString();
      EXPECT_EQ(half->tabPage(), page) << c.screen << " " << half->name().toStdString();
      EXPECT_EQ(half->top(), kPageTop) << c.screen << " " << half->name().toStdString();
      EXPECT_EQ(half->height(), screen_.height() - kPageTop) << c.screen << " " << half->name().toStdString();
    }
    EXPECT_EQ(left.left(), 0) << c.screen;
    EXPECT_EQ(right.left(), left.left() + left.width()) << c.screen;
    EXPECT_EQ(left.width() + right.width(), screen_.width()) << c.screen;

    for (const Control* half : {&left, &right}) {
      const QRect shown(0, 0, std::min(half->width(), tabs.width() - half->left()), tabs.height() - kPageTop);
      for (const Control* ctl : screen_.controls()) {
        if (!inside(*ctl, *half)) continue;
        EXPECT_TRUE(shown.contains(placeIn(*ctl, *half)))
            << c.screen << " " << ctl->displayName().toStdString() << " reaches past what page " << page << " shows";
      }
    }
  }
  const Control& status = screen_.ctl(QStringLiteral("labelMisc"));
  EXPECT_GE(status.top(), tabs.top() + tabs.height()) << c.screen;
  EXPECT_LE(status.top() + status.height(), screen_.height()) << c.screen;
}

// Load TP, the file names and the form files find the recipient, the issuer
// and the year captions through the forms description.
TEST_P(K1LayoutContract, FormsDescriptionNamesTheFieldsOfTheirKinds) {
  const K1Contract& c = GetParam();
  EXPECT_EQ(formsValue(QStringLiteral("FormName")).toStdString(), std::string(c.screen));
  EXPECT_FALSE(formsValue(QStringLiteral("RecordPrefix")).isEmpty()) << c.screen;
  EXPECT_EQ(formsValue(QStringLiteral("FocusOnStartup")), "0") << c.screen;
  const std::pair<const char*, const char*> kinds[] = {
      {"SSNIndex", "TIN"}, {"NameAddrIndex", "TPNAME"}, {"EINIndex", "EIN"}, {"OtherInfo", "ISSUER"}};
  for (const auto& [key, kind] : kinds) {
    bool numeric = false;
    const int i = formsValue(QLatin1String(key)).toInt(&numeric);
    ASSERT_TRUE(numeric) << c.screen << " " << key;
    const Control* field = screen_.find(QStringLiteral("Text1"), i);
    ASSERT_NE(field, nullptr) << c.screen << " " << key << " names Text1(" << i << ")";
    EXPECT_EQ(field->tag().toStdString(), std::string(kind)) << c.screen << " " << key;
  }
  for (const Control* l : screen_.controls()) {
    if (l->type() != ControlType::Label || !l->name().startsWith(QLatin1String("RTL"), Qt::CaseInsensitive)) continue;
    EXPECT_FALSE(formsValue(l->name()).isEmpty()) << c.screen << " " << l->name().toStdString() << " has no caption";
  }
  EXPECT_EQ(formsValue(QStringLiteral("RTL1")), "For calendar year yyyy, or tax year") << c.screen;
}

INSTANTIATE_TEST_SUITE_P(K1Forms, K1LayoutContract, ::testing::ValuesIn(kK1Contracts),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
}  // namespace qv
