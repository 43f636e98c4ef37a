#pragma once
// The field edits run on a small document screen made the current form: a
// status line, the tax-year labels and ten Text1 fields. The colour table
// holds the main window's legend, the clock is fixed at 10 March 2025 and a
// scripted host answers the notices.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "controls/Screen.h"
#include "engine/FieldEdits.h"
#include "frame/ErrorReport.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "support/ScriptedHost.h"
#include "unit/platform/QtPrint.h"

namespace edits {

using qv::Color;
using qv::Control;
using qv::ControlType;

// The colour legend, entries 0 (the heading) to 9.
inline constexpr std::array<Color, 10> kLegend = {0xC0C0C0, 0xFFC0C0, 0xFFC0FF, 0x00FF00, 0xC0FFC0,
                                                 0xC0E0FF, 0xC0C0FF, 0xE0E0E0, 0xFFFF00, 0x80FFFF};
inline constexpr int kFields = 10;

// One edit of a table: the field's kind and text, the text after the edit,
// and for a rejection the legend the field wears and the status line's message
// (by default "Value Entered: [text] is INVALID").
struct EditCase {
  const char* name;
  const char* tag;
  QString in;
  QString out;
  int legend = 0;  // 0: accepted
  QString message = {};
};

inline void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
inline std::string caseName(const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; }

class EditScreen : public qv::Screen {
 public:
  // `year`: the two halves of the year labels; empty: the screen has none.
  EditScreen(const QString& name, QString century, QString year, bool statusLine = true)
      : Screen(name), century_(std::move(century)), year_(std::move(year)), statusLine_(statusLine) {}

  Control& field(int i) const { return ctl(QStringLiteral("Text1"), i); }
  // A focus move away from a field runs its edit, as on every document screen.
  bool validates = true;

 protected:
  void buildControls() override {
    // Spelled as some screens do: the status line is found without regard to case.
    if (statusLine_) add(std::make_unique<Control>(ControlType::Label, QStringLiteral("LabelMisc")));
    if (!year_.isEmpty()) {
      add(std::make_unique<Control>(ControlType::Label, QStringLiteral("TaxYear"), 0)).setCaption(century_);
      add(std::make_unique<Control>(ControlType::Label, QStringLiteral("TaxYear"), 1)).setCaption(year_);
    }
    for (int i = 0; i < kFields; ++i) {
      Control& f = add(std::make_unique<Control>(ControlType::TextBox, QStringLiteral("Text1"), i));
      f.setTabIndex(i);
    }
  }
  void onValidate(Control& c, bool& cancel) override {
    if (validates && c.name() == u"Text1" && !qv::EditCtl(c)) cancel = true;
  }

 private:
  QString century_, year_;
  bool statusLine_;
};

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qv::resetState();
    qv::setHost(&host);
    qv::clock::fix(QDateTime(QDate(2025, 3, 10), QTime(9, 0)));
    auto& s = qv::state();
    std::copy(kLegend.begin(), kLegend.end(), s.ColorTable.begin());
    s.YearChoices = {"2023", "2024", "2025", "20XX"};
    s.YearChoiceIndex = 1;
    useScreen(std::make_unique<EditScreen>(QStringLiteral("TF_EditTest"), "20", "24"));
  }
  void TearDown() override {
    if (qv::messageBoxScreen().loaded()) qv::messageBoxScreen().unload();
    if (qv::errorReportScreen().loaded()) qv::errorReportScreen().unload();
    qv::clock::fix(QDateTime());
    qv::setHost(nullptr);
    qv::resetState();
  }

  void useScreen(std::unique_ptr<EditScreen> s) {
    screen = std::move(s);
    screen->load();
    screen->setVisible(true);
    qv::state().CurrentForm = screen.get();
  }

  // Text1(0) with this kind and text, edited as on leaving it.
  bool edit(const QString& tag, const QString& text) {
    Control& f = field();
    f.setTag(tag);
    f.setText(text);
    f.setBackColor(kLegend[9]);
    f.setForeColor(qv::colors::Black);
    return qv::EditCtl(f);
  }
  // The edit's result, text and display as the table row says.
  void expectEdit(const EditCase& c) {
    const bool ok = edit(QString::fromLatin1(c.tag), c.in);
    const Control& f = field();
    EXPECT_EQ(f.text(), c.out);
    if (c.legend == 0) {
      EXPECT_TRUE(ok);
      EXPECT_EQ(f.backColor(), qv::colors::White);
      EXPECT_EQ(f.foreColor(), qv::colors::Black);
      EXPECT_EQ(statusText(), QString());
      return;
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(f.backColor(), kLegend[c.legend]);
    EXPECT_EQ(f.foreColor(), qv::colors::Red);
    const QString shown = c.message.isEmpty() ? "Value Entered: [" + c.out + "] is INVALID" : c.message;
    EXPECT_EQ(statusText(), shown);
    EXPECT_EQ(status()->foreColor(), qv::colors::Red);
  }

  Control& field(int i = 0) const { return screen->field(i); }
  Control* status() const { return screen->find(QStringLiteral("labelMisc")); }
  QString statusText() const { return status() ? status()->caption() : QString(); }

  qv::ScriptedHost host;
  std::unique_ptr<EditScreen> screen;
};

}  // namespace edits
