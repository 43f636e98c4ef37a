#pragma once
// A screen for the model's tests: its controls come from a layout written as
// a JSON string, every event it receives goes to `log`, and hooks let a test
// act inside a handler the way a screen's behaviour would.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <functional>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "support/ScriptedHost.h"
#include "unit/platform/QtPrint.h"

namespace qvtest {

using qv::Control;

class TestScreen : public qv::Screen {
 public:
  explicit TestScreen(QByteArray layoutJson)
      : Screen(QStringLiteral("TestScreen")), json_(std::move(layoutJson)) {}

  Control& operator()(const char* name) { return ctl(QString::fromLatin1(name)); }
  Control& operator()(const char* name, int index) { return ctl(QString::fromLatin1(name), index); }
  QString focusName() const { return activeControl() ? activeControl()->displayName() : QString(); }

  QStringList log;
  // Hooks run after the event has been logged.
  std::function<void(Control&, bool& cancel)> whenValidate;
  std::function<void(Control&)> whenGotFocus, whenLostFocus, whenClick;
  std::function<void(Control&, int& keyAscii)> whenKeyPress;
  std::function<void(bool& cancel)> whenQueryUnload;

 protected:
  void buildControls() override {
    QString error;
    ASSERT_TRUE(qv::layout::loadJson(*this, json_, &error)) << error.toStdString();
  }
  void onLoad() override { log << QStringLiteral("Load"); }
  void onQueryUnload(bool& cancel) override {
    log << QStringLiteral("QueryUnload");
    if (whenQueryUnload) whenQueryUnload(cancel);
  }
  void onUnload(bool&) override { log << QStringLiteral("Unload"); }
  void onValidate(Control& c, bool& cancel) override {
    log << QStringLiteral("Validate ") + c.displayName();
    if (whenValidate) whenValidate(c, cancel);
  }
  void onGotFocus(Control& c) override {
    log << QStringLiteral("GotFocus ") + c.displayName();
    if (whenGotFocus) whenGotFocus(c);
  }
  void onLostFocus(Control& c) override {
    log << QStringLiteral("LostFocus ") + c.displayName();
    if (whenLostFocus) whenLostFocus(c);
  }
  void onKeyDown(Control& c, int& keyCode, int shift) override {
    log << QStringLiteral("KeyDown %1 %2").arg(keyCode).arg(shift);
  }
  void onKeyPress(Control& c, int& keyAscii) override {
    log << QStringLiteral("KeyPress %1").arg(keyAscii);
    if (whenKeyPress) whenKeyPress(c, keyAscii);
  }
  void onKeyUp(Control& c, int& keyCode, int shift) override {
    log << QStringLiteral("KeyUp %1").arg(keyCode);
  }
  void onMouseDown(Control& c, int) override { log << QStringLiteral("MouseDown ") + c.displayName(); }
  void onClick(Control& c) override {
    log << QStringLiteral("Click ") + c.displayName();
    if (whenClick) whenClick(c);
  }

 private:
  QByteArray json_;
};

// A fixture with a scripted host installed, for the clipboard keys.
class WithHost : public ::testing::Test {
 protected:
  void SetUp() override { qv::setHost(&host_); }
  void TearDown() override { qv::setHost(nullptr); }
  qv::ScriptedHost host_;
};

}  // namespace qvtest
