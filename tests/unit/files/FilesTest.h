#pragma once
// Form files against the real screens: the shipped forms description, the
// Velmora edition's extension and filter, the pattern LAST_FIRST_FORM_OTHER_SEQ,
// the tax year 2024, today 10 March 2025, and a scripted host that answers the
// file dialogs and records every box. Files go to C:\Forms.
#include <QDir>
#include <QFile>
#include <vector>

#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "engine/Positioning.h"
#include "files/FileExists.h"
#include "files/FormFiles.h"
#include "frame/ErrorReport.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "screens/Catalog.h"
#include "screens/TaxFormTable.h"
#include "unit/engine/EngineTest.h"

namespace filestest {

inline const QString kExtension = QStringLiteral(".velmora");

// The middle dot and the line-break mark as a form file holds them.
inline constexpr char kDot = char(0xB7);
inline constexpr char kBreak = char(0xBB);

// Every tax form screen the catalog builds, so that a new screen is covered
// as soon as it has a layout.
inline std::vector<const char*> builtTaxForms() {
  std::vector<const char*> names;
  for (const qv::TaxFormTraits& t : qv::taxForms())
    if (qv::screenNamed(QLatin1String(t.name))) names.push_back(t.name);
  return names;
}

// What the user types into a field of its kind, different for each field so
// that a value restored into the wrong field shows. The field's own edit turns
// it into the sample.
inline QString typedValue(const qv::Control& field) {
  const QString kind = field.tag().section(QChar(0x00B7), 0, 0).toUpper();
  const int i = field.index();
  const QString two = QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0'));
  QString value;
  if (kind.endsWith(QLatin1String("MONEY")))
    value = QStringLiteral("%1.25").arg(1000 + i);
  else if (kind == u"COMPUTED")
    value = QStringLiteral("-$%1.75").arg(2000 + i);  // a computed box below zero, as the SSA-1099 shows in red
  else if (kind == u"TIN")
    value = QStringLiteral("1234567") + two;
  else if (kind == u"EIN")
    value = QStringLiteral("1234567") + two;
  else if (kind.startsWith(QLatin1String("DATE")))
    value = QStringLiteral("3/%1/2024").arg(1 + i % 28);
  else if (kind == u"YEAR")
    value = QStringLiteral("2024");
  else if (kind == u"TPNAME")
    value = QStringLiteral("john q doe") + QString(QChar(u'A' + i % 26));
  else  // every other kind keeps what it is given, upper-cased
    value = QStringLiteral("Café & sons #%1 = A/B").arg(i);
  if (field.multiLine()) value += QStringLiteral("\r\n%1 main st, suite \"b\"").arg(i);
  return value;
}

// The Text1..Text5 fields of a screen, in control order.
inline std::vector<qv::Control*> fieldsOf(const qv::Screen& screen) {
  std::vector<qv::Control*> fields;
  for (qv::Control* c : screen.controls())
    if (c->type() == qv::ControlType::TextBox && c->inArray() && c->name().size() == 5 &&
        c->name().startsWith(QLatin1String("Text"), Qt::CaseInsensitive) && c->name()[4] >= u'1' && c->name()[4] <= u'5')
      fields.push_back(c);
  return fields;
}

inline std::vector<qv::Control*> checksOf(const qv::Screen& screen) { return screen.array(QStringLiteral("Check")); }

class FilesTest : public qvtest::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    shippedFormsInf();
    qv::ProgramState& s = qv::state();
    s.FileExtension = kExtension;
    s.FileFilter = QStringLiteral("Velmora Form Files (*.velmora)") + QChar(0) + QStringLiteral("*.velmora") + QChar(0);
    s.FileNamePattern = QStringLiteral("<LAST>_<FIRST>_<FORM>_<OTHER>_<SEQ>") + kExtension;
    s.PicturesFolder = QStringLiteral("C:\\Pictures");
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Inf")));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Forms")));
    qv::clock::fix(QDateTime(QDate(2025, 3, 10), QTime(9, 0)));
  }
  void TearDown() override {
    for (qv::Screen* open : std::vector<qv::Screen*>(qv::Screen::loadedScreens())) open->unload();
    qv::clock::fix(QDateTime());
    EngineTest::TearDown();
  }

  // Shows a screen as its menu item does: it becomes the current form.
  qv::Screen& show(const QString& name) {
    qv::Screen* screen = qv::screenNamed(name);
    EXPECT_NE(screen, nullptr) << name.toStdString();
    if (!screen) throw std::runtime_error("no screen");
    qv::Form_Position(*screen);
    return *screen;
  }
  qv::Screen& form() const { return qv::currentForm(); }
  qv::Control& text1(int index) const { return form().ctl(QStringLiteral("Text1"), index); }

  // The Save command with the save dialog answering `path` ("" = cancelled).
  void save(const QString& path) {
    host_.queueFile(path);
    qv::Save_File();
  }
  // The Open command with the open dialog answering `path`.
  void open(const QString& path) {
    host_.queueFile(path);
    qv::Open_File();
  }

  QByteArray fileBytes(const QString& programPath) const {
    QFile file(qv::paths::toHost(programPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void putFile(const QString& programPath, const QByteArray& content) const {
    QFile file(qv::paths::toHost(programPath));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << programPath.toStdString();
    ASSERT_EQ(file.write(content), content.size());
  }

  // The boxes and reports shown since `from` (an earlier modals().size()).
  std::vector<qv::ShownModal> shownSince(size_t from) const {
    return {host_.modals().begin() + std::min(from, host_.modals().size()), host_.modals().end()};
  }
  // A box's text as one line: the box wraps long lines.
  static QString oneLine(const QString& text) { return text.simplified(); }
  static std::string describe(const std::vector<qv::ShownModal>& shown) {
    std::string out;
    for (const qv::ShownModal& m : shown) out += "[" + m.title.toStdString() + ": " + m.text.toStdString() + "] ";
    return out;
  }
};

}  // namespace filestest
