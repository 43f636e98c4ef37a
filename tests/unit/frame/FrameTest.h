#pragma once
// The frame's services run against a fresh program state, a temporary drive
// C:, no pauses and a scripted host that records every box shown.
#include <QRegularExpression>

#include "frame/Ini.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "support/ScriptedHost.h"
#include "unit/platform/TempDrive.h"

class FrameTest : public TempDrive {
 protected:
  void SetUp() override {
    TempDrive::SetUp();
    qv::resetState();
    qv::resetSaveIniRetryCount();
    qv::clock::setPausesEnabled(false);
    qv::setHost(&host_);
  }
  void TearDown() override {
    if (qv::messageBoxScreen().loaded()) qv::messageBoxScreen().unload();
    qv::setHost(nullptr);
    qv::resetState();
    qv::resetSaveIniRetryCount();
    TempDrive::TearDown();
  }
  const qv::ShownModal& lastBox() const {
    static const qv::ShownModal none{"<nothing shown>", {}, {}, {}, {}};
    return host_.modals().empty() ? none : host_.modals().back();
  }
  // The error reports shown so far (their window is captioned "Error in " and the version).
  std::vector<qv::ShownModal> reports() const {
    std::vector<qv::ShownModal> out;
    for (const qv::ShownModal& m : host_.modals())
      if (m.title.startsWith(QLatin1String("Error in "))) out.push_back(m);
    return out;
  }
  // Whether a report shows `value` as one of its lines, alone or after its label.
  static bool shows(const qv::ShownModal& report, const QString& value) {
    for (const QString& line : report.text.split(QRegularExpression(QStringLiteral("[\r\n]"))))
      if (line == value || line.endsWith(QStringLiteral(": ") + value)) return true;
    return false;
  }

  qv::ScriptedHost host_;
};
