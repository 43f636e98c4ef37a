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
#include "unit/engine/EngineTest.h"

namespace filestest {

inline const QString kExtension = QStringLiteral(".velmora");

// The middle dot and the line-break mark as a form file holds them.
inline constexpr char kDot = char(0xB7);
inline constexpr char kBreak = char(0xBB);

// Every tax form screen the program has a layout for, by the layout files
// themselves, so that a new screen is covered as soon as it is built.
inline QStringList taxFormScreens() {
  QStringList names;
  for (const QString& file : QDir(QStringLiteral(":/screens")).entryList({QStringLiteral("TF_*.json")}, QDir::Files))
    names << file.chopped(5);
  return names;
}

class FilesTest : public qvtest::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    QFile inf(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(inf.open(QIODevice::ReadOnly));
    formsInf(inf.readAll());
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
