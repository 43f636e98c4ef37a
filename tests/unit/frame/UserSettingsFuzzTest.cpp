// Mutated user settings files, made from a user's real one: start-up reads
// them (remembered folders, tax year, printer, file-name pattern) and Load TP
// copies the taxpayer record from them into a screen, without crashing or
// hanging; what start-up writes back reads back; the file stays a profile;
// what Load TP copies is what the record holds.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "FrameTest.h"
#include "engine/FormInit.h"
#include "engine/Positioning.h"
#include "engine/TaxYear.h"
#include "frame/Configure.h"
#include "frame/MainWindow.h"
#include "frame/Startup.h"
#include "platform/Environment.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "runtime/Text.h"
#include "screens/Catalog.h"
#include "support/ProfileFuzz.h"
#include "taxpayer/TaxpayerRecord.h"

namespace {

using namespace qvtest::fuzz;

constexpr int kCiInputs = 1000;
const QString kUserFile = QStringLiteral("C:\\QuorvaneInfFiles\\Velmora\\UserVelmora.inf");
const QString kSection = QStringLiteral("TRAINER");
// The screens Load TP fills, each its own way; the generic fill for the W-2.
const char* const kTargets[] = {"TF_W2", "TF_1095B", "TF_1095A", "TF_SSA1099", "F2_SS_ITIN", "F3_DL", "F4_CHK"};

const QByteArray kUserSettings =
    "[TRAINER]\r\nTaxFormsFolder=C:\\VelmoraForms\r\nLastOpenFolder=C:\\VelmoraForms\r\n"
    "LastSaveFolder=C:\\VelmoraForms\\Saved\r\nLastTaxYear=2024\r\nPrinter=Quorvane PDF\r\nFileNameFmt=2\r\n"
    "TP1NameAddr=JOHN Q DOE\xBB" "12 MAIN ST APT 4\xBB" "ANYTOWN, ST 12345\r\nTP1SSN=123-45-6789\r\nTP1DOB=01/02/1960\r\n"
    "TP2NameAddr=JANE DOE\xBB" "12 MAIN ST\r\nTP2SSN=9XX-XX-1234\r\nTP2DOB=12/31/1962\r\n"
    "Dependent1=KID DOE\xB7" "987-65-4321\r\nDependent2=\r\nDependent3=\xB7" "111-22-3333\r\n"
    "Dependent4=NO NUMBER\xB7\r\n\r\n[TaxForms]\r\nFolder=C:\\VelmoraForms\r\n";

class UserSettingsFuzz : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    driveInMemory();
    // Whatever folder a mutated value names stays inside the test's drive:
    // every drive letter, and the working folder for relative paths.
    for (char16_t d = u'A'; d <= u'Z'; ++d)
      if (d != u'C') qv::paths::setDriveRoot(QChar(d), dir_.filePath(QStringLiteral("drive_") + QChar(d)));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("cwd")));
    cwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.filePath(QStringLiteral("cwd")));
    ASSERT_TRUE(program_.isValid());
    QFile icon(program_.filePath(QStringLiteral("Velmora.ICO")));
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    qv::env::override({{QStringLiteral("USERNAME"), QStringLiteral("trainer")}});
    qv::clock::fix(QDateTime(QDate(2025, 3, 10), QTime(9, 0)));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("QuorvaneInfFiles/Velmora")));
    seeds_ = {kUserSettings, kUserSettings.left(120), "[TRAINER]\r\n", ""};
    for (const QByteArray& s : sectionsOf(kUserSettings)) seeds_.push_back(s);
  }
  void TearDown() override {
    closeAll();
    qv::env::reset();
    qv::clock::fix(QDateTime());
    QDir::setCurrent(cwd_);
    for (char16_t d = u'A'; d <= u'Z'; ++d)
      if (d != u'C') qv::paths::setDriveRoot(QChar(d), QString());
    FrameTest::TearDown();
  }
  // The main window last, so that no closing question is asked.
  static void closeAll() {
    const std::vector<qv::Screen*> loaded = qv::Screen::loadedScreens();
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) (*it)->unload();
  }
  QString key(const char* name) const { return qv::ReadINF(kSection, QLatin1String(name), QString(), kUserFile); }

  void checkStartUp() {
    closeAll();
    qv::startProgram({QStringLiteral("Quorvane_Velmora"), program_.path(), QString(), nullptr});
    qv::F0_MDI& mdi = qv::mainWindow();
    ASSERT_TRUE(mdi.loaded());
    ASSERT_FALSE(mdi.caption().isEmpty());
    ASSERT_TRUE(qv::configureScreen().loaded() && qv::configureScreen().visible());
    QString text;
    ASSERT_TRUE(qv::readTextFile(kUserFile, text)) << "start-up left no readable settings file";
    ASSERT_FALSE(key("TaxFormsFolder").isEmpty());
    for (const char* remembered : {"LastOpenFolder", "LastSaveFolder"}) {
      const QString folder = key(remembered);
      ASSERT_TRUE(folder.isEmpty() || qv::paths::exists(folder)) << remembered << " names what is gone: " << qPrintable(folder);
    }
    ASSERT_EQ(key("LastTaxYear"), qv::chosenTaxYear());
    ASSERT_FALSE(key("Printer").isEmpty());
    const QString format = key("FileNameFmt");
    ASSERT_TRUE(format.size() == 1 && format[0] >= u'0' && format[0] <= u'3') << qPrintable(format);
  }

  QString firstLine(const char* name) const { return key(name).section(QChar(0x00BB), 0, 0); }

  void checkLoadTP(Mutator& m, const char* target) {
    qv::Screen* screen = qv::screenNamed(QLatin1String(target));
    ASSERT_NE(screen, nullptr) << target;
    qv::Form_Position(*screen);
    if (&qv::currentForm() != screen) return;  // the configuration screen kept it out (a value failed its check)
    const bool first = m.oneIn(2);
    qv::TPInfo_Read(first ? QStringLiteral("TP 1") : QStringLiteral("TP 2"));
    ASSERT_EQ(&qv::currentForm(), screen);
    ASSERT_TRUE(screen->visible());
    const char* chosen = first ? "TP1" : "TP2";
    auto field = [&](int i) { return screen->ctl(QStringLiteral("Text1"), i).text(); };
    auto stored = [&](const char* what) { return key((QByteArray(chosen) + what).constData()); };
    const QString name = stored("NameAddr").section(QChar(0x00BB), 0, 0);
    if (qv::sameText(QLatin1String(target), QLatin1String("TF_W2"))) {
      const qv::ProgramState& s = qv::state();
      ASSERT_EQ(field(s.FormInfo[7].section(u',', 0, 0).toInt()), QString(stored("NameAddr")).replace(QChar(0x00BB), QStringLiteral("\r\n")));
      ASSERT_EQ(field(s.FormInfo[6].section(u',', 0, 0).toInt()), stored("SSN"));
    } else if (qv::sameText(QLatin1String(target), QLatin1String("TF_1095B"))) {
      ASSERT_EQ(field(0), name);
      ASSERT_EQ(field(1), stored("SSN"));
      ASSERT_EQ(field(2), stored("DOB"));
    } else if (qv::sameText(QLatin1String(target), QLatin1String("F2_SS_ITIN"))) {
      // Every card is a person of the record, with the name and number it holds.
      QStringList names{firstLine("TP1NameAddr"), firstLine("TP2NameAddr")};
      QStringList numbers{key("TP1SSN"), key("TP2SSN"), key("TP1TIN"), key("TP2TIN")};
      for (int n = 1; n <= 7; ++n) {
        const QString entry = key(QStringLiteral("Dependent%1").arg(n).toLatin1().constData());
        names << entry.section(QChar(0x00B7), 0, 0);
        numbers << entry.section(QChar(0x00B7), 1, 1);
      }
      // The cards take the section's lines as they stand, a key read drops
      // the quotes round a value.
      auto unquoted = [](const QString& v) {
        const bool quoted = v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front();
        return quoted ? v.mid(1, v.size() - 2) : v;
      };
      for (int card = 0; card < 9; ++card) {
        const QString number = field(2 * card), holder = field(2 * card + 1);
        if (number.isEmpty() && holder.isEmpty()) continue;
        ASSERT_TRUE(numbers.contains(number) || numbers.contains(unquoted(number)))
            << "card " << card << " number " << qPrintable(number);
        ASSERT_TRUE(names.contains(holder) || names.contains(unquoted(holder)))
            << "card " << card << " name " << qPrintable(holder);
      }
    } else if (qv::sameText(QLatin1String(target), QLatin1String("F4_CHK"))) {
      ASSERT_TRUE(field(0).startsWith(name + QStringLiteral("\r\n"))) << qPrintable(field(0));
    }
  }

  QTemporaryDir program_;
  QString cwd_;
  std::vector<QByteArray> seeds_;
};

TEST_F(UserSettingsFuzz, StartUpAndLoadTPOnMutatedSettings) {
  Mutator m(seed());
  run(
      "user settings file", kCiInputs,
      [&](int i) {
        if (i % 50 == 0) host_ = qv::ScriptedHost();  // what it recorded would only grow
        return m.mutate(seeds_);
      },
      [&](int i, const QByteArray& bytes) {
        put(QStringLiteral("QuorvaneInfFiles/Velmora/UserVelmora.inf"), bytes);
        checkStartUp();
        if (!::testing::Test::HasFatalFailure()) checkLoadTP(m, kTargets[size_t(i) % std::size(kTargets)]);
      },
      [&] {
        const auto made = QDir(dir_.filePath(QStringLiteral("cwd"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
        return std::to_string(made) + " folders made in the working folder for relative paths";
      });
}

}  // namespace
