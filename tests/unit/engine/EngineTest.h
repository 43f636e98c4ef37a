#pragma once
// The engine against a fresh program state: a temporary drive C: for the
// forms description C:\Forms.inf and the user settings C:\Inf\User.inf,
// the legend colours, the year choices 2023, 2024, 2025, 20XX with 2024
// chosen, and screens built from JSON.
#include <QByteArray>
#include <QFile>
#include <QStringList>

#include "controls/Layout.h"
#include "engine/FormScreen.h"
#include "unit/frame/FrameTest.h"

namespace qvtest {

// The main window's legend colours, entry 0 unused.
inline constexpr qv::Color kLegend[10] = {0,        0xFFC0C0, 0xFFC0FF, 0x00FF00, 0xC0FFC0,
                                          0xC0E0FF, 0xC0C0FF, 0xE0E0E0, 0xFFFF00, 0x80FFFF};

// A document screen whose controls come from a JSON layout; it counts the
// tax-year changes it is told about.
class JsonScreen : public qv::FormScreen {
 public:
  JsonScreen(const QString& name, QByteArray json) : FormScreen(name), json_(std::move(json)) {}
  qv::Control& operator()(const char* name) { return ctl(QLatin1String(name)); }
  qv::Control& operator()(const char* name, int index) { return ctl(QLatin1String(name), index); }
  int yearChanges = 0;
  void yearChanged() override { ++yearChanges; }

 protected:
  void buildControls() override {
    QString error;
    ASSERT_TRUE(qv::layout::loadJson(*this, json_, &error)) << error.toStdString();
  }

 private:
  QByteArray json_;
};

// A layout of the given control lines (JSON objects), status line included.
inline QByteArray layoutOf(const QStringList& controls) {
  QStringList all = controls;
  all << QStringLiteral(R"({"type": "Label", "name": "labelMisc"})");
  return "{\"controls\": [\n" + all.join(QStringLiteral(",\n")).toUtf8() + "\n]}";
}

// A Text1 field line.
inline QString fieldLine(int index, const QString& tag, const QString& extra = {}) {
  return QStringLiteral(R"({"type": "TextBox", "name": "Text1", "index": %1, "tag": "%2"%3})")
      .arg(index)
      .arg(tag, extra.isEmpty() ? QString() : QStringLiteral(", ") + extra);
}

class EngineTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    qv::ProgramState& s = qv::state();
    s.FormsInfFile = QStringLiteral("C:\\Forms.inf");
    s.UserInfFile = QStringLiteral("C:\\Inf\\User.inf");
    s.UserSection = QStringLiteral("TESTER");
    s.YearChoices = {QStringLiteral("2023"), QStringLiteral("2024"), QStringLiteral("2025"),
                     QStringLiteral("20XX")};
    s.YearChoiceIndex = 1;
    std::copy(std::begin(kLegend), std::end(kLegend), s.ColorTable.begin());
  }
  void formsInf(const QByteArray& text) { put(QStringLiteral("Forms.inf"), text); }
  // The forms description file the program ships.
  void shippedFormsInf() {
    QFile inf(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(inf.open(QIODevice::ReadOnly));
    formsInf(inf.readAll());
  }
  // Whether an error report names this procedure.
  bool reported(const QString& procedure) const {
    for (const qv::ShownModal& r : reports())
      if (shows(r, procedure)) return true;
    return false;
  }
};

}  // namespace qvtest
