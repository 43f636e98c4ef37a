// The Social Security and Medicare values on the real configuration screen:
// its load (year choices, printer, file-name pattern), the box checks, the
// filing-status threshold, saving, the change question at quit and a damaged
// settings file.
#include <QDir>
#include <QRegularExpression>

#include "EngineTest.h"
#include "engine/SocialSecurity.h"
#include "engine/TaxYear.h"
#include "frame/Configure.h"
#include "platform/Clock.h"

namespace {

using qv::Control;
using qv::F1_Configure;
using qv::state;

const QString kSsmc = QStringLiteral("C:\\Inf\\SSMC.inf");
const QString kUser = QStringLiteral("C:\\Inf\\User.inf");

// 2025 with a threshold of its own for each filing status, so that a wrong
// section shows; 2026 changes every value.
const QByteArray kSettings =
    "; test settings\r\n"
    "[SSRate]\r\n2025=6.2\r\n2026=6.3\r\n"
    "[SSMax]\r\n2025=176100\r\n2026=184500\r\n"
    "[MCInitRate]\r\n2025=1.45\r\n2026=1.5\r\n"
    "[MCChgRateAfterSingle]\r\n2025=200000\r\n2026=210000\r\n"
    "[MCChgRateAfterMFS]\r\n2025=125000\r\n"
    "[MCChgRateAfterMFJ]\r\n2025=250000\r\n"
    "[MCRateAfter]\r\n2025=2.35\r\n2026=2.4\r\n"
    "[MCPartBPremium]\r\n2025=2220.00\r\n2026=2434.80\r\n";

// What a "Data Error" box said.
struct DataError {
  QString procedure;
  int number = 0;
  QString description;
};

class Settings : public qvtest::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Inf")));
    state().SSMCInfFile = kSsmc;
    state().FileExtension = QStringLiteral(".taxForm");
    host_.installedPrinters = {QStringLiteral("Office LaserJet"), QStringLiteral("Quorvane PDF")};
    today(2025, 3, 10);
  }
  void TearDown() override {
    if (qv::configureScreen().loaded()) qv::configureScreen().unload();
    qv::clock::fix(QDateTime());
    EngineTest::TearDown();
  }

  void today(int y, int m, int d) { qv::clock::fix(QDateTime(QDate(y, m, d), QTime(9, 0))); }
  void settings(const QByteArray& bytes) { put(QStringLiteral("Inf/SSMC.inf"), bytes); }
  void shippedSettings() {
    QFile shipped(QStringLiteral(":/inf/SSMC.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    settings(shipped.readAll());
  }
  void userSetting(const char* key, const char* value) {
    qv::SaveINF(QStringLiteral("TESTER"), QLatin1String(key), QLatin1String(value), kUser);
  }
  QString userKey(const char* key) const {
    return qv::ReadINF(QStringLiteral("TESTER"), QLatin1String(key), QStringLiteral("<none>"), kUser);
  }
  QString stored(const char* section, const char* year) const {
    return qv::ReadINF(QLatin1String(section), QLatin1String(year), QStringLiteral("<none>"), kSsmc);
  }

  F1_Configure& open() {
    F1_Configure& screen = qv::configureScreen();
    if (screen.loaded()) screen.unload();
    screen.load();
    return screen;
  }
  Control& ctl(const char* name) { return qv::configureScreen().ctl(QLatin1String(name)); }
  Control& ctl(const char* name, int index) { return qv::configureScreen().ctl(QLatin1String(name), index); }
  QString caption(const char* name, int index = -1) {
    return (index < 0 ? ctl(name) : ctl(name, index)).caption();
  }

  // The data error boxes shown since `from` boxes had been shown.
  std::vector<DataError> dataErrors(size_t from = 0) const {
    static const QRegularExpression re(
        QStringLiteral("^Procedure Name:\\s+(\\S+)\\s+Error Number:\\s+(\\d+)\\s+Error Description:\\s+(.*)$"),
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<DataError> out;
    for (size_t i = from; i < host_.modals().size(); ++i) {
      const qv::ShownModal& m = host_.modals()[i];
      if (m.title != u"Data Error") continue;
      const auto match = re.match(QString(m.text).replace(u'\r', u' ').simplified());
      out.push_back({match.captured(1), match.captured(2).toInt(), match.captured(3)});
    }
    return out;
  }
  // The boxes the program showed since `from`, data errors included.
  size_t shown() const { return host_.modals().size(); }

  struct BoxCase {
    const char* box;
    const char* typed;
    int error;                  // 0: accepted
    const char* left;           // the box's text afterwards
    const char* message = nullptr;  // the data error's description, when given
  };
  // Each case: the check's result and the box's text; a rejection is one data
  // error of `procedure` with its number, and the focus back in the box.
  template <class Check>
  void expectBoxChecks(F1_Configure& screen, Check check, const char* procedure,
                       std::initializer_list<BoxCase> cases) {
    for (const BoxCase& c : cases) {
      screen.dropFocus();  // no check of the box a failed case left the focus in
      Control& box = ctl(c.box);
      box.setText(QLatin1String(c.typed));
      const size_t before = shown();
      EXPECT_EQ(check(box), c.error == 0) << c.box << " " << c.typed;
      EXPECT_EQ(box.text(), c.left) << c.typed;
      const auto errors = dataErrors(before);
      if (c.error == 0) {
        EXPECT_TRUE(errors.empty()) << c.typed;
        continue;
      }
      ASSERT_EQ(errors.size(), 1u) << c.typed;
      EXPECT_EQ(errors[0].procedure, procedure);
      EXPECT_EQ(errors[0].number, c.error) << c.box << " " << c.typed;
      if (c.message) {
        EXPECT_EQ(errors[0].description, c.message) << c.typed;
      }
      EXPECT_EQ(screen.activeControl(), &box) << "the focus goes back to the box";
    }
  }
};

// ---- The box checks ----

TEST_F(Settings, RateCheckAcceptsTheRateFormsAndNamesTheBoxItRejects) {
  settings(kSettings);
  F1_Configure& screen = open();
  expectBoxChecks(screen, qv::SS_MC_Edit_Rate, "M3_Quorvane:SS_MC_Edit_Rate",
                  {
                      {"txtSSRate", "6.2%", 0, "6.2"},         {"txtMCInitRate", "12.65", 0, "12.65"},
                      {"txtMCRateAfter", "10.3", 0, "10.3"},   {"txtSSRate", "7", 0, "7"},
                      {"txtSSRate", "123", 803, "123"},        {"txtMCInitRate", "123", 802, "123"},
                      {"txtMCRateAfter", "1.234", 802, "1.234"}, {"txtSSRate", ".5", 803, ".5"},
                      {"txtSSRate", "6.2.1", 801, "6.2.1"},    {"txtMCRateAfter", "%", 801, "%"},
                      {"txtSSRate", "", 800, "", "Social Security/Medicare Rate is Mandatory."},
                  });
  EXPECT_TRUE(reports().empty());
}

TEST_F(Settings, MoneyCheckRoundsLimitsAndFormatsByBox) {
  settings(kSettings);
  F1_Configure& screen = open();
  expectBoxChecks(
      screen, qv::SS_MC_Edit_Money, "M3_Quorvane:SS_MC_Edit_Money",
      {
          {"txtSSMax", "168600.5", 0, "168,600.00"},
          {"txtSSMax", "168601.5", 0, "168,602.00"},
          {"txtSSMax", "1000000.4", 0, "1,000,000.00"},
          {"txtMCChgRateAfter", "$200,000", 0, "200,000.00"},
          {"txtMCPartBPremiums", "2220", 0, "2,220.00"},
          {"txtMCPartBPremiums", "174.705", 0, "174.71"},
          {"txtSSMax", "1000001", 803, "1000001", "Amount CANNOT be Greater Than 1,000,000.00"},
          {"txtMCChgRateAfter", "1000000.5", 0, "1,000,000.00"},
          {"txtMCChgRateAfter", "1e400", 803, "1e400", "Amount CANNOT be Greater Than 1,000,000.00"},
          {"txtMCPartBPremiums", "3000.01", 804, "3000.01", "Amount CANNOT be Greater Than 3,000.00"},
          {"txtSSMax", "", 801, "", "Amount is MANDATORY!"},
          {"txtMCPartBPremiums", "12 dollars", 802, "12 dollars", "Amount IS NOT NUMERIC - commas, decimals are OK"},
      });
  EXPECT_TRUE(reports().empty());

  // Any other box is a program fault: the error report, not a data error.
  ctl("txtSSRate").setText(QStringLiteral("100"));
  EXPECT_FALSE(qv::SS_MC_Edit_Money(ctl("txtSSRate")));
  EXPECT_TRUE(reported("M3_Quorvane:SS_MC_Edit_Money"));
}

TEST(SocialSecurityTable, FormatLinePadsAndCutsTheColumns) {
  const struct {
    const char* item;
    const char* original;
    const char* current;
    const char* line;
  } cases[] = {
      {"SS Rate", "6.2", "6.25", "SS Rate                     6.2     6.25\r\n"},
      {"", "Value", "Value", "                          Value    Value\r\n"},
      {"MC Change Rate After", "200000", "1000000", "MC Change Rate After     200000  1000000\r\n"},
      {"An item of twenty-five ch", "1234567890", "", "An item of twenty-five123456789         \r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(qv::SS_MC_Format_Line(c.item, c.original, c.current), c.line) << c.item;
}

TEST(SocialSecurityTable, ThresholdSectionFollowsTheFilingStatus) {
  const struct {
    const char* status;
    const char* section;
  } cases[] = {{"Single", "MCChgRateAfterSingle"}, {"MFS", "MCChgRateAfterMFS"}, {"MFJ", "MCChgRateAfterMFJ"},
               {"", "MCChgRateAfterMFJ"},          {"single", "MCChgRateAfterMFJ"}};
  for (const auto& c : cases) EXPECT_EQ(qv::thresholdSection(c.status), c.section) << c.status;
}

// ---- Loading the screen ----

TEST_F(Settings, LoadBuildsTheYearChoicesFromTodayAndTheRememberedYear) {
  settings(kSettings);
  const struct {
    QDate today;
    const char* last;  // nullptr: no key
    const char* choices;
    int index;
    const char* label;
  } cases[] = {
      {QDate(2025, 2, 15), nullptr, "2023 2024 2025 20XX", 1, "24"},
      {QDate(2025, 3, 1), nullptr, "2024 2025 2026 20XX", 1, "25"},
      {QDate(2025, 1, 1), "2023", "2023 2024 2025 20XX", 0, "23"},
      {QDate(2025, 3, 1), "20XX", "2024 2025 2026 20XX", 3, "XX"},
      {QDate(2025, 3, 1), "2019", "2024 2025 2026 20XX", 1, "25"},
      {QDate(2025, 12, 31), "2026", "2024 2025 2026 20XX", 2, "26"},
  };
  for (const auto& c : cases) {
    qv::clock::fix(QDateTime(c.today, QTime(9, 0)));
    userSetting("LastTaxYear", c.last ? c.last : "");
    open();
    const auto& s = state();
    EXPECT_EQ(QStringList(s.YearChoices.begin(), s.YearChoices.end()).join(u' '), c.choices) << qPrintable(c.today.toString());
    EXPECT_EQ(s.YearChoiceIndex, c.index) << qPrintable(c.today.toString());
    EXPECT_EQ(caption("TaxYear", 1), c.label);
    EXPECT_EQ(userKey("LastTaxYear"), s.YearChoices[c.index]) << "written back";
    EXPECT_EQ(caption("Frame3"), "Social Security Withholding 20" + QString(c.label));
  }
  EXPECT_TRUE(reports().empty());
}

TEST_F(Settings, LoadShowsTheYearsValuesAndCaptions) {
  settings(kSettings);
  F1_Configure& screen = open();
  const auto& s = state();
  EXPECT_EQ(s.FilingStatus, "Single");
  EXPECT_EQ(screen.height(), 7380 + 1695 + 915 + 200);
  const char* boxes[][2] = {{"txtSSRate", "6.2"},          {"txtSSMax", "176,100.00"},
                            {"txtMCInitRate", "1.45"},     {"txtMCChgRateAfter", "200,000.00"},
                            {"txtMCRateAfter", "2.35"},    {"txtMCPartBPremiums", "2220.00"}};
  for (const auto& b : boxes) EXPECT_EQ(ctl(b[0]).text(), b[1]) << b[0];
  // The program keeps the file's texts.
  EXPECT_EQ(QStringList({s.FormInfo[0], s.FormInfo[1], s.FormInfo[2], s.FormInfo[3], s.FormInfo[4], s.PartBPremium}),
            QStringList({"6.2", "176100", "1.45", "200000", "2.35", "2220.00"}));
  EXPECT_EQ(caption("lblMC", 0), "Withholding Rate on Wages up to 200,000.00");
  EXPECT_EQ(caption("lblMC", 2), "Withholding Rate on Wages over 200,000.00:");
  EXPECT_EQ(caption("lblMC", 3),
            "Annual Medicare Part B Premiums for taxpayers with\r\nincome up to $106,000.\r\n"
            "Premium may be more for income over $106,000.");
  EXPECT_EQ(caption("Frame4"), "Medicare Info --- Goto www.medicare.gov --- Filing Status: Single");
  EXPECT_EQ(caption("labelVersion"), "Quorvane - Version 25.1.5");
  EXPECT_EQ(ctl("txtSSMax").alignment(), qv::Align::Right);
  EXPECT_EQ(ctl("txtSSRate").toolTip(), "Entry Formats Allowed: 6.2%, 10.3%, 7.25%. 12.65%");
  EXPECT_TRUE(reports().empty());
}

TEST_F(Settings, LoadChoosesThePrinter) {
  settings(kSettings);
  const struct {
    const char* saved;  // nullptr: no key
    int index;
    const char* selected;
    const char* key;
  } cases[] = {
      {nullptr, 0, "Office LaserJet", "Office LaserJet"},  // the default printer
      {"Quorvane PDF", 1, "Quorvane PDF", "Quorvane PDF"},
      {"Gone Printer", -1, "kept", "Gone Printer"},
  };
  for (const auto& c : cases) {
    if (c.saved) userSetting("Printer", c.saved);
    state().SelectedPrinter = QStringLiteral("kept");
    open();
    EXPECT_EQ(ctl("cbxPrinters").items().join(u'|'), "Office LaserJet|Quorvane PDF");
    EXPECT_EQ(ctl("cbxPrinters").listIndex(), c.index) << c.selected;
    EXPECT_EQ(state().SelectedPrinter, c.selected);
    EXPECT_EQ(userKey("Printer"), c.key);
  }
  // Choosing another printer remembers it.
  F1_Configure& screen = qv::configureScreen();
  screen.chooseListItem(ctl("cbxPrinters"), 1);
  EXPECT_EQ(state().SelectedPrinter, "Quorvane PDF");
  EXPECT_EQ(userKey("Printer"), "Quorvane PDF");
  EXPECT_EQ(ctl("cbxPrinters").selStart(), QString("Quorvane PDF").size());
}

TEST_F(Settings, LoadChoosesTheFileNamePattern) {
  settings(kSettings);
  const struct {
    const char* saved;
    int option;
    const char* pattern;
  } cases[] = {
      {nullptr, 0, "<LAST>_<FIRST>_<FORM>_<OTHER>_<SEQ>.taxForm"},
      {"2", 2, "<FORM>_<LAST>_<FIRST>_<OTHER>_<SEQ>.taxForm"},
      {"3", 3, "<FORM>_<FIRST>_<LAST>_<OTHER>_<SEQ>.taxForm"},
      {"9", 0, "<LAST>_<FIRST>_<FORM>_<OTHER>_<SEQ>.taxForm"},  // names no option
  };
  for (const auto& c : cases) {
    if (c.saved) userSetting("FileNameFmt", c.saved);
    open();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ctl("optFileName", i).value(), i == c.option ? 1 : 0) << c.saved;
    EXPECT_EQ(state().FileNamePattern, c.pattern);
    EXPECT_EQ(userKey("FileNameFmt"), QString::number(c.option));
  }
  EXPECT_EQ(caption("optFileName", 2),
            "FormName_LastName_FirstName_OtherInfo_SEQ.taxForm (e.g. W2_DOE_JOHN_ABC PLUMBING_000.taxForm)");
  qv::configureScreen().click(ctl("optFileName", 1));
  EXPECT_EQ(state().FileNamePattern, "<FIRST>_<LAST>_<FORM>_<OTHER>_<SEQ>.taxForm");
  EXPECT_EQ(userKey("FileNameFmt"), "1");
  EXPECT_TRUE(reports().empty());
}

// ---- The filing status and its threshold ----

TEST_F(Settings, FilingStatusLoadsItsOwnThresholdAndKeepsThePartBIncome) {
  settings(kSettings);
  F1_Configure& screen = open();
  const struct {
    int option;
    const char* status;
    const char* box;
    const char* stored;
    const char* income;
  } cases[] = {{2, "MFJ", "250,000.00", "250000", "212,000"},
               {1, "MFS", "125,000.00", "125000", "106,000"},
               {0, "Single", "200,000.00", "200000", "106,000"}};
  for (const auto& c : cases) {
    screen.click(ctl("optStatus", c.option));
    EXPECT_EQ(state().FilingStatus, c.status);
    EXPECT_EQ(ctl("txtMCChgRateAfter").text(), c.box) << c.status;
    EXPECT_EQ(state().FormInfo[3], c.stored) << c.status;
    EXPECT_EQ(caption("lblMC", 0), QStringLiteral("Withholding Rate on Wages up to ") + c.box);
    EXPECT_EQ(caption("lblMC", 2), QStringLiteral("Withholding Rate on Wages over %1:").arg(c.box));
    EXPECT_TRUE(caption("lblMC", 3).contains(QStringLiteral("income up to $%1.").arg(c.income))) << c.status;
    EXPECT_EQ(caption("Frame4"), QStringLiteral("Medicare Info --- Goto www.medicare.gov --- Filing Status: ") + c.status);
    // The box holds what the file holds, so nothing has changed.
    const size_t before = shown();
    qv::SS_MC_Check_Changes();
    EXPECT_EQ(shown(), before) << c.status;
  }
  EXPECT_TRUE(reports().empty());
}

TEST_F(Settings, ShippedFiguresPassTheChecksAndQuittingAtOnceAsksNothing) {
  shippedSettings();
  const struct {
    QDate today;
    const char* last;
    const char* max;
    const char* premium;
  } cases[] = {{QDate(2024, 3, 1), "2023", "160,200.00", "1978.80"},
               {QDate(2025, 3, 1), "2024", "168,600.00", "2096.40"},
               {QDate(2025, 3, 1), "2025", "176,100.00", "2220.00"},
               {QDate(2025, 3, 1), "2026", "184,500.00", "2434.80"}};
  for (const auto& c : cases) {
    qv::clock::fix(QDateTime(c.today, QTime(9, 0)));
    userSetting("LastTaxYear", c.last);
    F1_Configure& screen = open();
    for (int option = 0; option < 3; ++option) {
      screen.click(ctl("optStatus", option));
      EXPECT_EQ(ctl("txtMCChgRateAfter").text(), "200,000.00") << c.last << " " << option;
    }
    EXPECT_EQ(ctl("txtSSRate").text(), "6.2") << c.last;
    EXPECT_EQ(ctl("txtSSMax").text(), c.max) << c.last;
    EXPECT_EQ(ctl("txtMCInitRate").text(), "1.45") << c.last;
    EXPECT_EQ(ctl("txtMCRateAfter").text(), "2.35") << c.last;
    EXPECT_EQ(ctl("txtMCPartBPremiums").text(), c.premium) << c.last;
    // Through every box and out, as the user tabs: the checks pass and
    // reformat the amounts, which still counts as no change.
    screen.setFocus(ctl("cbxPrinters"));
    for (int i = 0; i < 7; ++i) screen.tabFocus(false);
    EXPECT_EQ(ctl("txtMCPartBPremiums").text(), QString(c.premium).insert(1, u','));
    EXPECT_TRUE(qv::SS_MC_Edit_All()) << c.last;
    const size_t before = shown();
    EXPECT_TRUE(qv::SS_MC_Check_Changes()) << c.last;
    EXPECT_EQ(shown(), before) << c.last;
  }
  EXPECT_TRUE(dataErrors().empty());
  EXPECT_TRUE(reports().empty());
}

// ---- Leaving a box, saving, quitting ----

TEST_F(Settings, LeavingABoxChecksItStoresItsTextAndKeepsTheFocusOnFailure) {
  settings(kSettings);
  F1_Configure& screen = open();
  screen.setFocus(ctl("txtSSRate"));
  EXPECT_EQ(ctl("txtSSRate").selText(), "6.2");
  screen.typeText(QStringLiteral("7.65%"));
  screen.pressKey(qv::keys::Tab);
  EXPECT_EQ(ctl("txtSSRate").text(), "7.65");
  EXPECT_EQ(state().FormInfo[0], "7.65");
  ASSERT_EQ(screen.activeControl(), &ctl("txtSSMax"));
  EXPECT_EQ(ctl("txtSSMax").selText(), "176,100.00");

  screen.typeText(QStringLiteral("1234567890123"));
  screen.pressKey(qv::keys::Tab);
  ASSERT_EQ(dataErrors().size(), 1u);
  EXPECT_EQ(dataErrors()[0].number, 803);
  EXPECT_EQ(screen.activeControl(), &ctl("txtSSMax"));
  EXPECT_EQ(ctl("txtSSMax").selText(), "1234567890");
  EXPECT_EQ(state().FormInfo[1], "1234567890123") << "stored as typed";

  ctl("txtSSMax").setText(QStringLiteral("180000"));
  screen.pressKey(qv::keys::Tab);
  EXPECT_EQ(state().FormInfo[1], "180,000.00");
  screen.pressKey(qv::keys::Tab);  // past the initial rate
  ASSERT_EQ(screen.activeControl(), &ctl("txtMCChgRateAfter"));
  ctl("txtMCChgRateAfter").setText(QStringLiteral("123,456,789,012,345"));
  screen.pressKey(qv::keys::Tab);
  EXPECT_EQ(screen.activeControl(), &ctl("txtMCChgRateAfter"));
  EXPECT_EQ(ctl("txtMCChgRateAfter").selText(), "123,456,789,012,345") << "the threshold selects twenty";
  EXPECT_EQ(dataErrors().size(), 2u);
}

TEST_F(Settings, SaveWritesTheCheckedValuesUnderTheStatusThreshold) {
  settings(kSettings);
  F1_Configure& screen = open();
  screen.click(ctl("optStatus", 2));
  ctl("txtSSRate").setText(QStringLiteral("6.3%"));
  ctl("txtSSMax").setText(QStringLiteral("180,000.40"));
  ctl("txtMCChgRateAfter").setText(QStringLiteral("260000"));
  ctl("txtMCPartBPremiums").setText(QStringLiteral("2300"));
  qv::SS_MC_Save();
  EXPECT_EQ(stored("SSRate", "2025"), "6.3");
  EXPECT_EQ(stored("SSMax", "2025"), "180000");
  EXPECT_EQ(stored("MCChgRateAfterMFJ", "2025"), "260000");
  EXPECT_EQ(stored("MCChgRateAfterSingle", "2025"), "200000");
  EXPECT_EQ(stored("MCPartBPremium", "2025"), "2,300.00");
  EXPECT_EQ(stored("MCInitRate", "2025"), "1.45");
  EXPECT_EQ(state().FormInfo[1], "180000");
  EXPECT_EQ(state().FormInfo[3], "260000");
  EXPECT_EQ(state().PartBPremium, "2,300.00");
  EXPECT_EQ(ctl("txtSSMax").text(), "180,000.00");
  EXPECT_TRUE(bytes(QStringLiteral("Inf/SSMC.inf")).startsWith("; test settings\r\n"));

  // A box that fails its check stops the save before anything is written.
  ctl("txtSSRate").setText(QStringLiteral("7"));
  ctl("txtMCRateAfter").setText(QStringLiteral("two"));
  qv::SS_MC_Save();
  ASSERT_EQ(dataErrors().size(), 1u);
  EXPECT_EQ(dataErrors()[0].number, 801);
  EXPECT_EQ(screen.activeControl(), &ctl("txtMCRateAfter"));
  EXPECT_EQ(stored("SSRate", "2025"), "6.3");
}

// Zero passes the amount checks; saved, it must come back as zero, not as an
// empty box the checks then refuse.
TEST_F(Settings, SavedZeroAmountsLoadAgain) {
  settings(kSettings);
  open();
  ctl("txtSSMax").setText(QStringLiteral("0"));
  ctl("txtMCChgRateAfter").setText(QStringLiteral("0.4"));
  ctl("txtMCPartBPremiums").setText(QStringLiteral("0"));
  ASSERT_TRUE(qv::SS_MC_Save());
  EXPECT_EQ(stored("SSMax", "2025"), "0");
  EXPECT_EQ(stored("MCChgRateAfterSingle", "2025"), "0");
  EXPECT_EQ(stored("MCPartBPremium", "2025"), ".00");
  open();
  EXPECT_EQ(ctl("txtSSMax").text(), ".00");
  EXPECT_EQ(ctl("txtMCChgRateAfter").text(), ".00");
  EXPECT_EQ(ctl("txtMCPartBPremiums").text(), ".00");
  const size_t before = shown();
  EXPECT_TRUE(qv::SS_MC_Edit_All());
  EXPECT_TRUE(qv::SS_MC_Check_Changes());
  EXPECT_EQ(shown(), before) << "nothing changed, nothing asked";
}

TEST_F(Settings, QuittingWithChangesShowsTheTableAndSavesOnYes) {
  settings(kSettings);
  const struct {
    const char* answer;
    const char* savedMax;
  } cases[] = {{"Yes", "180000"}, {"No", "176100"}};
  for (const auto& c : cases) {
    settings(kSettings);
    open();
    ctl("txtSSMax").setText(QStringLiteral("180,000.00"));
    ctl("txtMCRateAfter").setText(QStringLiteral("2.4"));
    host_ = qv::ScriptedHost();
    host_.queueAnswer(QLatin1String(c.answer));
    EXPECT_TRUE(qv::SS_MC_Check_Changes()) << c.answer;
    ASSERT_EQ(host_.modals().size(), 1u);
    EXPECT_EQ(host_.modals()[0].title, "M3_Quorvane:SS_MC_Check_Changes");
    EXPECT_EQ(host_.modals()[0].buttons, QStringList({"No", "Yes"}));
    EXPECT_EQ(state().MbxMessage,
              "One or more values below have changed.\r\n"
              "Item                   Original  Current\r\n"
              "                          Value    Value\r\n"
              "----------------------------------------\r\n"
              "SS Rate                     6.2      6.2\r\n"
              "SS Max                   176100   180000\r\n"
              "MC Rate                    1.45     1.45\r\n"
              "MC Change Rate After     200000   200000\r\n"
              "MC Rate After              2.35      2.4\r\n"
              "MC Max Medicare         2220.00  2220.00\r\n"
              "DO YOU WANT TO SAVE THE CHANGES?");
    EXPECT_EQ(stored("SSMax", "2025"), c.savedMax) << c.answer;
  }
}

TEST_F(Settings, YearChangeReloadsTheNewYearsValues) {
  settings(kSettings);
  F1_Configure& screen = open();  // 2025 of 2024, 2025, 2026
  qv::Year_Change(screen);
  EXPECT_EQ(caption("TaxYear", 1), "26");
  const char* boxes[][2] = {{"txtSSRate", "6.3"},          {"txtSSMax", "184,500.00"},
                            {"txtMCInitRate", "1.5"},      {"txtMCChgRateAfter", "210,000.00"},
                            {"txtMCRateAfter", "2.4"},     {"txtMCPartBPremiums", "2434.80"}};
  for (const auto& b : boxes) EXPECT_EQ(ctl(b[0]).text(), b[1]) << b[0];
  EXPECT_EQ(state().FormInfo[3], "210000");
  EXPECT_EQ(caption("lblMC", 0), "Withholding Rate on Wages up to 210,000.00");
  EXPECT_EQ(caption("Frame3"), "Social Security Withholding 2026");
  EXPECT_EQ(caption("Frame4"), "Medicare Withholding 2026 --- Martial Status is Single");

  // A year the file has no values for shows empty boxes.
  qv::Year_Change(screen);
  EXPECT_EQ(caption("TaxYear", 1), "XX");
  for (const auto& b : boxes) EXPECT_EQ(ctl(b[0]).text(), "") << b[0];
  EXPECT_FALSE(qv::SS_MC_Edit_All());
  ASSERT_EQ(dataErrors().size(), 1u);
  EXPECT_EQ(dataErrors()[0].number, 800);
  EXPECT_TRUE(reports().empty());
}

TEST_F(Settings, ADamagedSettingsFileShowsWhatItCanAndTheChecksAskForTheRest) {
  const QByteArray damaged[] = {
      "[SSRate]\r\n2025=six\r\n[SSMax]\r\n2025=1,7,6\r\n[MCInitRate]\r\n2025=\r\n"
      "[MCChgRateAfterSingle]\r\n2025=lots\r\n[MCRateAfter\r\n2025=2.35\r\n",
      QByteArray("\x00\xff\x80[SSMax]\r\n2025=\x9d\x00\x01 176100\r\n[[]]\r\n==\r\n\xfe\xfe", 40),
      QByteArray(),
  };
  for (const QByteArray& bytes : damaged) {
    settings(bytes);
    F1_Configure& screen = open();
    EXPECT_TRUE(reports().empty());
    EXPECT_EQ(caption("TaxYear", 1), "25");
    EXPECT_EQ(ctl("txtMCPartBPremiums").text(), "");
    EXPECT_FALSE(qv::SS_MC_Edit_All());
    ASSERT_FALSE(dataErrors().empty());
    EXPECT_EQ(screen.activeControl(), &ctl("txtSSRate"));
  }
  // Text where a number belongs is shown as it is; a number with stray
  // separators is still a number.
  settings(damaged[0]);
  open();
  EXPECT_EQ(ctl("txtSSRate").text(), "six");
  EXPECT_EQ(ctl("txtSSMax").text(), "176.00");
  EXPECT_EQ(ctl("txtMCChgRateAfter").text(), "lots");
  EXPECT_TRUE(reports().empty());
}

TEST_F(Settings, ClosingWithoutAFilingStatusAsksForOne) {
  settings(kSettings);
  open();
  state().FilingStatus.clear();
  host_.queueAnswer(QStringLiteral("Married Filing Joint - MFJ"));
  EXPECT_TRUE(qv::configureScreen().unload());
  ASSERT_EQ(host_.modals().size(), 1u);
  EXPECT_EQ(host_.modals()[0].title, "F1_Configure");
  EXPECT_EQ(state().FilingStatus, "MFJ");
}

}  // namespace
