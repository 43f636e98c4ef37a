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

#include "controls/Layout.h"
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

// The Schedule K-1 screens add the Part III grid: box-number or code cells
// (Text2, Text4, designed "K1" with the box number as text) beside their
// amount cells (Text3, Text5), and the document split over two tab pages.
struct K1Contract {
  const char* screen;
  const char* text1;       // kinds as above
  const char* noTabStop;   // Text1 fields that are no tab stop
  const char* text2Shows;  // design text of each Text2 cell in index order, "-" for empty
  const char* text3;       // amount kinds
  const char* text4Shows;
  const char* text5;
  const char* checks;
  const char* checksOnPage0;
  int lastOnPage0[3];      // last page-0 index of Text1, Text2/Text3, Text4/Text5
};

const K1Contract kK1Contracts[] = {
    {"TF_K11120S", "Date 0-1; EIN 2; ISSUER 3; plain 4; # 5-6, 10-11; TIN 7; TPNAME 8; % 9; MONEY 12-13", "",
     "1, 2, 3, 4, 5a, 5b, 6, 7, 8a, 8b, 8c, 9, 10, -, -, -, -, 11, 12, -, -, -, -, -, -, -",
     "-MONEY 0-2, 7-9, 11-16; MONEY 3-6, 10, 17-25",
     "13, -, -, -, -, 14, 15, -, -, -, -, 16, -, -, -, -, 17, -, -, -, -, -, -, -, -, -",
     "MONEY 0-4, 6-25; CheckBox 5", "0-3", "0-1", {7, 13, 13}},
    {"TF_K11041", "Date 0-1, 5; EIN 2; ISSUER 3; plain 4; TIN 6; TPNAME 7", "0",
     "1, 2a, 2b, 3, 4a, 4b, 4c, 5, 6, 7, 8, 9, -, -, 10", "MONEY 0-14",
     "11, -, -, -, -, 12, -, -, -, -, 13, -, -, 14, -, -, -, -, -", "MONEY 0-18", "0-5", "0-3", {5, 13, 13}},
    {"TF_K11065",
     "Date 0-1; EIN 2; ISSUER 3; plain 4, 8-9; TIN 5, 7; TPNAME 6; % 10-15; MONEY 16-22, 24, 27; -MONEY 23, 25-26, 28-29",
     "1", "1, 2, 3, 4a, 4b, 4c, 5, 6a, 6b, 6c, 7, 8, 9a, 9b, 9c, 10, 11, -, 12, 13, -, -, -, -",
     "-MONEY 0-2, 11-17, 22-23; MONEY 3-10, 18-21",
     "14, -, 15, -, 16, 17, -, -, 18, -, -, 19, -, 20, -, -, -, -, -, 21", "MONEY 0-3, 5-19; CheckBox 4", "0-16", "0-2",
     {6, 13, 12}},
};

void PrintTo(const K1Contract& c, std::ostream* os) { *os << c.screen; }

// The page of the tab control that holds the control, -1 when none does.
int pageOf(const Control& c) {
  for (const Control* at = &c; at; at = at->container())
    if (at->container() && at->container()->type() == ControlType::TabControl) return at->tabPage();
  return -1;
}

class K1LayoutContract : public ::testing::TestWithParam<K1Contract> {
 protected:
  void SetUp() override {
    QString error;
    ASSERT_TRUE(layout::load(screen_, QLatin1String(GetParam().screen), &error)) << qPrintable(error);
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly) && shipped.copy(formsInf_));
  }
  std::map<int, Control*> cells(const char* name) {
    std::map<int, Control*> out;
    for (Control* c : screen_.array(QLatin1String(name))) out[c->index()] = c;
    return out;
  }
  // Each cell of the array carries the tag the groups give its index, and no other cell exists.
  void expectKinds(const char* name, const char* groups) {
    const auto want = fieldsOf(QLatin1String(groups));
    const auto have = cells(name);
    for (const auto& [i, tag] : want) {
      if (!have.count(i)) {
        ADD_FAILURE() << screen_.name().toStdString() << " lacks " << name << "(" << i << ")";
        continue;
      }
      EXPECT_EQ(have.at(i)->tag().toStdString(), tag.toStdString()) << name << "(" << i << ")";
    }
    for (const auto& [i, cell] : have) EXPECT_TRUE(want.count(i)) << "an extra " << name << "(" << i << ")";
  }
  // Box-number and code cells: tag K1, the design texts in index order, nothing more.
  void expectShows(const char* name, const char* shows) {
    const QStringList want = QString::fromLatin1(shows).split(QStringLiteral(", "));
    const auto have = cells(name);
    EXPECT_EQ(int(have.size()), int(want.size())) << name;
    for (int i = 0; i < int(want.size()); ++i) {
      if (!have.count(i)) {
        ADD_FAILURE() << screen_.name().toStdString() << " lacks " << name << "(" << i << ")";
        continue;
      }
      EXPECT_EQ(have.at(i)->text().toStdString(), (want[i] == u"-" ? QString() : want[i]).toStdString())
          << name << "(" << i << ")";
      EXPECT_EQ(have.at(i)->tag().toStdString(), "K1") << name << "(" << i << ")";
    }
  }
  void expectPages(const char* name, int lastOnPage0) {
    for (Control* c : screen_.array(QLatin1String(name)))
      EXPECT_EQ(pageOf(*c), c->index() > lastOnPage0 ? 1 : 0) << name << "(" << c->index() << ")";
  }
  QString formsValue(const char* key) {
    QString v;
    GetPrivateProfileStringA(formsInfSection(QLatin1String(GetParam().screen)), QLatin1String(key), {}, v, 1024,
                             formsInf_);
    return v;
  }

  Screen screen_{QLatin1String(GetParam().screen)};
  QTemporaryDir dir_;
  const QString formsInf_ = dir_.filePath(QStringLiteral("Forms.inf"));
};

TEST_P(K1LayoutContract, FieldsCellsAndCheckLabelsAreExactlyTheContracts) {
  const K1Contract& c = GetParam();
  expectKinds("Text1", c.text1);
  expectShows("Text2", c.text2Shows);
  expectKinds("Text3", c.text3);
  expectShows("Text4", c.text4Shows);
  expectKinds("Text5", c.text5);
  const std::set<int> noStop = indexesOf(QLatin1String(c.noTabStop));
  for (Control* f : screen_.array(QStringLiteral("Text1")))
    EXPECT_EQ(f->tabStop(), !noStop.count(f->index())) << "Text1(" << f->index() << ")";
  std::set<int> checks;
  for (Control* k : screen_.array(QStringLiteral("Check"))) {
    EXPECT_EQ(k->type(), ControlType::Label) << "Check(" << k->index() << ")";
    checks.insert(k->index());
  }
  EXPECT_EQ(checks, indexesOf(QLatin1String(c.checks)));
}

TEST_P(K1LayoutContract, EachFieldCellAndCheckLabelLiesOnItsPage) {
  const K1Contract& c = GetParam();
  expectPages("Text1", c.lastOnPage0[0]);
  expectPages("Text2", c.lastOnPage0[1]);
  expectPages("Text3", c.lastOnPage0[1]);
  expectPages("Text4", c.lastOnPage0[2]);
  expectPages("Text5", c.lastOnPage0[2]);
  const std::set<int> first = indexesOf(QLatin1String(c.checksOnPage0));
  for (Control* k : screen_.array(QStringLiteral("Check")))
    EXPECT_EQ(pageOf(*k), first.count(k->index()) ? 0 : 1) << "Check(" << k->index() << ")";
  for (const char* year : {"TaxYear", "RTL1"})
    for (Control* label : screen_.array(QLatin1String(year))) EXPECT_EQ(pageOf(*label), 0) << year;
}

// The picture command lays a page's two halves side by side at the top of the
// window and makes the window as large as the two: so the halves of a page
// are equally tall, the two are the window's width, and the first page's
// fill the window less the tab strip's place (a shorter second page is as
// tall as its document).
TEST_P(K1LayoutContract, PageHalvesMakeUpTheWindow) {
  const Control& tabs = screen_.ctl(QStringLiteral("SSTab1"));
  EXPECT_EQ(tabs.type(), ControlType::TabControl);
  EXPECT_EQ(tabs.left(), 0);
  EXPECT_EQ(tabs.top(), 0);
  EXPECT_EQ(tabs.items().size(), 2);
  EXPECT_EQ(tabs.tabHeight(), 295);
  EXPECT_EQ(tabs.currentTab(), 0);
  for (int page : {0, 1}) {
    const Control& left = screen_.ctl(QStringLiteral("Pic%1L").arg(page + 1));
    const Control& right = screen_.ctl(QStringLiteral("Pic%1R").arg(page + 1));
    for (const Control* half : {&left, &right}) {
      EXPECT_EQ(half->container(), &tabs) << half->name().toStdString();
      EXPECT_EQ(half->tabPage(), page) << half->name().toStdString();
      EXPECT_EQ(half->top(), 360) << half->name().toStdString();
      if (page == 0) EXPECT_EQ(half->height(), screen_.height() - 360) << half->name().toStdString();
      else EXPECT_LE(half->height(), screen_.height() - 360) << half->name().toStdString();
    }
    EXPECT_EQ(left.height(), right.height()) << page;
    EXPECT_EQ(left.left(), 0) << page;
    EXPECT_EQ(right.left(), left.left() + left.width()) << page;
    EXPECT_EQ(left.width() + right.width(), screen_.width()) << page;
  }
  const Control& status = screen_.ctl(QStringLiteral("labelMisc"));
  EXPECT_EQ(status.container(), nullptr);
  EXPECT_GE(status.top(), tabs.top() + tabs.height());
  EXPECT_LE(status.top() + status.height(), screen_.height());
}

// The halves run below and beside the tab control's frame (a pixel inside it
// at most); nothing may sit where it cannot be seen.
TEST_P(K1LayoutContract, EverythingInAHalfShowsInsideTheTabControl) {
  const Control& tabs = screen_.ctl(QStringLiteral("SSTab1"));
  for (const Control* control : screen_.controls()) {
    const Control* half = control->container();
    if (!half || half->type() != ControlType::PictureBox || half->container() != &tabs) continue;
    const bool line = control->type() == ControlType::Line;
    const int right = line ? std::max(control->x1(), control->x2()) : control->left() + control->width();
    const int bottom = line ? std::max(control->y1(), control->y2()) : control->top() + control->height();
    EXPECT_LE(half->left() + right, tabs.width() - 15) << qPrintable(control->displayName());
    EXPECT_LE(half->top() + bottom, tabs.height() - 15) << qPrintable(control->displayName());
  }
}

// A box's number shows in its first cell alone: a printed label beside it
// would show it twice while the box is empty.
TEST_P(K1LayoutContract, EachBoxNumberStandsOnce) {
  for (const char* column : {"Text2", "Text4"})
    for (const Control* cell : screen_.array(QLatin1String(column))) {
      if (cell->text().isEmpty()) continue;
      for (const Control* c : screen_.controls())
        EXPECT_FALSE(c->type() == ControlType::Label && c->container() == cell->container() &&
                     c->caption() == cell->text())
            << qPrintable(c->displayName()) << " repeats the box number of " << qPrintable(cell->displayName());
    }
}

// Load TP, the file names and the name checks take these fields by index.
TEST_P(K1LayoutContract, FormsDescriptionNamesTheNumberNameAndIssuerFields) {
  const std::pair<const char*, const char*> keys[] = {
      {"SSNIndex", "TIN"}, {"NameAddrIndex", "TPNAME"}, {"EINIndex", "EIN"}, {"OtherInfo", "ISSUER"}};
  EXPECT_EQ(formsValue("FormName").toStdString(), std::string(GetParam().screen));
  EXPECT_FALSE(formsValue("RecordPrefix").isEmpty());
  EXPECT_EQ(formsValue("FocusOnStartup").toStdString(), "0");
  for (const auto& [key, kind] : keys) {
    bool numeric = false;
    const int i = formsValue(key).toInt(&numeric);
    ASSERT_TRUE(numeric) << key << "=" << qPrintable(formsValue(key));
    const Control* field = screen_.find(QStringLiteral("Text1"), i);
    ASSERT_NE(field, nullptr) << key << " names Text1(" << i << ")";
    EXPECT_EQ(field->tag().toStdString(), std::string(kind)) << key;
  }
  EXPECT_EQ(formsValue("RTL1").toStdString(), "For calendar year yyyy, or tax year");
}

INSTANTIATE_TEST_SUITE_P(ScheduleK1, K1LayoutContract, ::testing::ValuesIn(kK1Contracts),
                         [](const auto& info) { return std::string(info.param.screen); });

}  // namespace
}  // namespace qv
