// Mutated forms descriptions (Forms.inf), made from the shipped one: every
// screen starts up on them (its entry read into FormInfo, its captions
// filled) without crashing or hanging, and what the entry feeds still works:
// the form-file name and record, Load TP, and opening the record as a file.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "FilesTest.h"
#include "files/FileNames.h"
#include "files/FormRecord.h"
#include "frame/Ini.h"
#include "support/ProfileFuzz.h"
#include "taxpayer/TaxpayerRecord.h"

namespace filestest {
namespace {

using namespace qvtest::fuzz;

constexpr int kCiInputs = 2000;
constexpr int kThroughFileEvery = 20;  // every so many inputs also open their record as a file
const char* const kIdentityScreens[] = {"F2_SS_ITIN", "F3_DL", "F4_CHK", "F5_TPInfo"};

class FormsInfFuzz : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    driveInMemory();
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Inf")));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Forms")));
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    for (const QByteArray& s : sectionsOf(shipped.readAll())) sections_.push_back(s);
    screens_ = builtTaxForms();
    screens_.insert(screens_.end(), std::begin(kIdentityScreens), std::end(kIdentityScreens));
    qv::ProgramState& s = qv::state();
    for (const auto& [file, path] : {std::pair{"SSMC.inf", &qv::ProgramState::SSMCInfFile},
                                     std::pair{"K1Help.inf", &qv::ProgramState::K1HelpInfFile}}) {
      QFile f(QStringLiteral(":/inf/") + QLatin1String(file));
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      put(QStringLiteral("Inf/") + QLatin1String(file), f.readAll());
      s.*path = QStringLiteral("C:\\Inf\\") + QLatin1String(file);
    }
    // A taxpayer record for Load TP to copy.
    for (const auto& [key, value] : {std::pair{"TP1NameAddr", "JOHN DOE\u00BB" "1 MAIN ST\u00BBTOWN, ST 12345"},
                                     std::pair{"TP1SSN", "123-45-6789"}, std::pair{"TP1DOB", "01/02/1960"},
                                     std::pair{"TP2NameAddr", "JANE DOE"}, std::pair{"Dependent1", "KID DOE\u00B7" "987-65-4321"}})
      qv::SaveINF(s.UserSection, QLatin1String(key), QString::fromUtf8(value), s.UserInfFile);
  }

  // The section of the screen, and a few others after it.
  QByteArray file(Mutator& m, const QString& screen) {
    const QByteArray section = '[' + qv::formsInfSection(screen).toLatin1() + ']';
    QByteArray start;
    for (const QByteArray& s : sections_)
      if (s.trimmed().startsWith(section)) start = s;
    for (int more = m.pick(3); more > 0; --more) start += m.among(sections_);
    return m.mutate(start, sections_);
  }

  bool reportedSince(size_t from, const QString& procedure) const {
    for (const qv::ShownModal& r : shownSince(from))
      if (r.title.startsWith(QLatin1String("Error in ")) && shows(r, procedure)) return true;
    return false;
  }

  void checkScreen(Mutator& m, const QString& name, bool throughFile) {
    const size_t from = host_.modals().size();
    qv::Screen& screen = show(name);
    ASSERT_EQ(&form(), &screen);
    ASSERT_TRUE(screen.loaded() && screen.visible());
    // An entry the start-up cannot take (a focus index beyond 16 bits) is
    // reported and ends it before the captions.
    if (!reportedSince(from, QStringLiteral("M3_Quorvane:Form_Init_Captions")) &&
        !reportedSince(from, QStringLiteral("M3_Quorvane:Form_Init"))) {
      for (const qv::Control* c : screen.controls()) {
        if (c->type() != qv::ControlType::Label) continue;
        ASSERT_FALSE(c->caption().contains(u'|')) << qPrintable(c->name()) << " keeps a line-break mark";
        if (c->name().startsWith(QLatin1String("RTL"), Qt::CaseInsensitive) ||
            c->name().startsWith(QLatin1String("RTB"), Qt::CaseInsensitive)) {
          ASSERT_TRUE(c->caption().endsWith(u' ')) << qPrintable(c->name());
        }
      }
    }

    for (qv::Control* f : fieldsOf(screen)) f->setText(typedValue(*f));
    int focus = -1;
    const QString fileName = qv::Build_FileName(focus);
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1F]"));
    ASSERT_FALSE(fileName.contains(unsafe)) << "file name " << qPrintable(fileName);
    const QString prefix = qv::state().FormInfo[12];
    const QString record = qv::Build_Record();
    if (record != u"Error SS_ITIN") {
      ASSERT_TRUE(record.startsWith(prefix + kSep)) << qPrintable(record.left(200));
    }

    qv::TPInfo_Read(m.oneIn(2) ? QStringLiteral("TP 1") : QStringLiteral("TP 2"));
    ASSERT_EQ(&form(), &screen) << "Load TP left the screen";

    if (!throughFile || record == u"Error SS_ITIN") return;
    // The record as its file, opened as the user does: its screen, or the one on display.
    const QString path = QStringLiteral("C:\\Forms\\fuzz") + kExtension;
    putFile(path, qv::encodeWin1252(record) + "\r\n");
    open(path);
    ASSERT_EQ(qv::Screen::loadedScreens().size(), 1u);
    ASSERT_TRUE(form().visible());
    ++opened;
  }

  std::vector<QByteArray> sections_;
  std::vector<const char*> screens_;
  int opened = 0;
  const QChar kSep{0x00B7};
};

TEST_F(FormsInfFuzz, EveryScreenStartsUpOnMutatedEntries) {
  Mutator m(seed());
  auto screenOf = [&](int i) { return QLatin1String(screens_[size_t(i) % screens_.size()]); };
  run(
      "Forms.inf", kCiInputs,
      [&](int i) {
        if (i % 100 == 0) host_ = qv::ScriptedHost();  // what it recorded would only grow
        return file(m, screenOf(i));
      },
      [&](int i, const QByteArray& bytes) {
        SCOPED_TRACE(screenOf(i).data());
        formsInf(bytes);
        checkScreen(m, screenOf(i), i % kThroughFileEvery == 0);
      },
      [&] { return std::to_string(opened) + " records opened as files"; });
}

}  // namespace
}  // namespace filestest
