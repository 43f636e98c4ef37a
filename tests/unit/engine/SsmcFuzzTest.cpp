// Mutated Social Security and Medicare settings (SSMC.inf), made from the
// shipped file: the configuration screen loads them, checks them, saves them
// and compares them at quit without crashing or hanging; values that pass
// their checks and are saved load again as they were and count as unchanged;
// the W-2's withholding and the SSA-1099's premium work on whatever was loaded.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/SocialSecurity.h"
#include "frame/Configure.h"
#include "screens/SSA1099Screen.h"
#include "screens/Withholding.h"
#include "support/ProfileFuzz.h"
#include "unit/screens/ProgramScreenTest.h"

namespace {

using namespace qvtest::fuzz;

constexpr int kCiInputs = 1500;
constexpr int kBenefitsEvery = 10;  // every so many inputs also fill an SSA-1099
const char* const kYears[] = {"2023", "2024", "2025", "2026", "20XX", "", "1999", "abc"};

class SsmcFuzz : public qvtest::ProgramScreenTest {
 protected:
  void SetUp() override {
    ProgramScreenTest::SetUp();
    driveInMemory();
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    formsInf(shipped.readAll());
    QFile ssmc(QStringLiteral(":/inf/SSMC.inf"));
    ASSERT_TRUE(ssmc.open(QIODevice::ReadOnly));
    const QByteArray file = ssmc.readAll();
    seeds_ = {file};
    for (const QByteArray& s : sectionsOf(file)) seeds_.push_back(s);
    qv::state().FileExtension = QStringLiteral(".taxForm");
    // Saving needs a folder under the drive.
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Inf")));
    qv::state().SSMCInfFile = QStringLiteral("C:\\Inf\\SSMC.inf");
    qv::clock::fix(QDateTime(QDate(2025, 3, 10), QTime(9, 0)));
  }
  void TearDown() override {
    if (qv::configureScreen().loaded()) qv::configureScreen().unload();
    qv::clock::fix(QDateTime());
    ProgramScreenTest::TearDown();
  }

  qv::F1_Configure& configure(int status) {
    qv::F1_Configure& screen = qv::configureScreen();
    if (screen.loaded()) screen.unload();
    screen.load();
    screen.ctl(QStringLiteral("optStatus"), status).setValue(1);  // as a click on it
    return screen;
  }
  QStringList boxes(const qv::Screen& screen) const {
    QStringList texts;
    for (const qv::SSMCField& f : qv::ssMcFields()) texts << screen.ctl(QLatin1String(f.box)).text();
    return texts;
  }

  void checkSettings(Mutator& m) {
    qv::SaveINF(QStringLiteral("TESTER"), QStringLiteral("LastTaxYear"), QLatin1String(m.among(std::vector<const char*>(
                std::begin(kYears), std::end(kYears)))), QStringLiteral("C:\\Inf\\User.inf"));
    const int status = m.pick(3);
    qv::F1_Configure& screen = configure(status);
    if (m.oneIn(2)) {  // the user changes a box
      static const char* const typed[] = {"6.2", "7", "12.65", "6.2%", "123", "6.2.1", "%", "", "168600.5",
                                          "1000000.4", "1000001", "2220", "3000.01", "-5", "1e3", "abc"};
      const auto& fields = qv::ssMcFields();
      screen.ctl(QLatin1String(fields[size_t(m.pick(int(fields.size())))].box))
          .setText(QLatin1String(typed[m.pick(int(std::size(typed)))]));
    }
    if (qv::SS_MC_Edit_All()) {
      const QStringList passed = boxes(screen);
      ++saves;
      ASSERT_TRUE(qv::SS_MC_Save()) << "values that passed their checks were not saved";
      const size_t before = host_.modals().size();
      ASSERT_TRUE(qv::SS_MC_Check_Changes());
      ASSERT_EQ(host_.modals().size(), before) << "values just saved count as changed";
      ASSERT_EQ(boxes(configure(status)), passed) << "saved values load otherwise";
    } else {
      const bool yes = m.oneIn(2);
      host_.queueAnswer(yes ? QStringLiteral("Yes") : QStringLiteral("No"));
      const size_t before = host_.modals().size();
      const bool saved = qv::SS_MC_Check_Changes();
      const bool asked = host_.pendingAnswers() == 0;
      questions += asked;
      // A save asked for cannot pass the checks that just failed.
      ASSERT_EQ(saved, !(asked && yes)) << "asked " << asked;
      ASSERT_TRUE(asked || host_.modals().size() == before);
    }
  }

  // What the W-2 withholds from wages with whatever the settings hold.
  void withholding(Mutator& m) {
    const qv::ProgramState& s = qv::state();
    static const char* const wages[] = {"", "0", "1", "50,000.00", "176100", "999999999", "-5", "1e9", "$12"};
    const QString w = QLatin1String(wages[m.pick(int(std::size(wages)))]);
    const auto ss = qv::socialSecurityTax(w, s.FormInfo[0], s.FormInfo[1]);
    const auto mc = qv::medicareTax(w, s.FormInfo[3], s.FormInfo[2], s.FormInfo[4]);
    if (ss) (void)ss->toString();
    if (mc) (void)mc->toString();
  }

  // The SSA-1099 takes the year's premium from the file and sums its boxes.
  void benefits() {
    auto& ssa = open<qv::TF_SSA1099>("TF_SSA1099");
    for (int i : {2, 3, 7, 9, 10, 11, 13}) field(i).setText(QStringLiteral("1,000.00"));
    ssa.Form_Activate();
    ssa.unload();
  }

  std::vector<QByteArray> seeds_;
  int saves = 0, questions = 0;
};

TEST_F(SsmcFuzz, MutatedSettingsOnTheConfigurationScreen) {
  Mutator m(seed());
  run(
      "SSMC.inf", kCiInputs,
      [&](int i) {
        if (i % 200 == 0 || host_.pendingAnswers() > 0) host_ = qv::ScriptedHost();
        return m.mutate(seeds_);
      },
      [&](int i, const QByteArray& bytes) {
        put(QStringLiteral("Inf/SSMC.inf"), bytes);
        checkSettings(m);
        if (!::testing::Test::HasFatalFailure()) withholding(m);
        if (!::testing::Test::HasFatalFailure() && i % kBenefitsEvery == 0) benefits();
      },
      [&] { return std::to_string(saves) + " passed and saved, " + std::to_string(questions) + " change questions"; });
}

}  // namespace
