#pragma once
// A screen for the view tests: its controls come from a JSON layout given in
// the test, and it records the events the view makes it raise.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>
#include <functional>

#include "controls/Layout.h"
#include "controls/Screen.h"

namespace qv::test {

class RecordingScreen : public Screen {
 public:
  RecordingScreen(const QString& name, QByteArray json) : Screen(name), json_(std::move(json)) {}

  QStringList events;  // "Click:Check", "Menu:mnuControlPrint", ...
  std::function<void(Control&, int&)> keyPress;
  std::function<void(Control&, bool&)> validate;
  bool refuseUnload = false;

 protected:
  void buildControls() override {
    if (json_.isEmpty()) return Screen::buildControls();  // the layout resource
    QString error;
    if (!layout::loadJson(*this, json_, &error)) ADD_FAILURE() << error.toStdString();
  }
  void onClick(Control& c) override { events << QStringLiteral("Click:") + c.displayName(); }
  void onMenu(Menu& m) override { events << QStringLiteral("Menu:") + m.name; }
  void onGotFocus(Control& c) override { events << QStringLiteral("GotFocus:") + c.displayName(); }
  void onActivate() override { events << QStringLiteral("Activate"); }
  void onKeyPress(Control& c, int& key) override {
    if (keyPress) keyPress(c, key);
  }
  void onValidate(Control& c, bool& cancel) override {
    if (validate) validate(c, cancel);
  }
  void onQueryUnload(bool& cancel) override {
    events << QStringLiteral("QueryUnload");
    cancel = refuseUnload;
  }

 private:
  QByteArray json_;
};

}  // namespace qv::test
