#include "frame/ErrorLogger.h"

#include "controls/Screen.h"
#include "frame/ErrorReport.h"
#include "frame/ErrorTrap.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"

namespace qv {

QString versionText() {
  const Version v = programVersion();
  return QStringLiteral("%1 v.%2.%3.%4").arg(state().ExeName).arg(v.major).arg(v.minor).arg(v.revision);
}

void Error_Logger(const QString& procedureName, int number, const QString& description) {
  if (number >= 800 && number <= 899) {
    const QString msg = QStringLiteral("Procedure Name:        ") + procedureName + u'\r' +
                        QStringLiteral("Error Number:          ") + QString::number(number) + u'\r' +
                        QStringLiteral("Error Description:     ") + description;
    Show_MBX(QStringLiteral("Data Error"), 800, msg, QStringLiteral("OK"), false, {}, {}, {}, 1);
    return;
  }
  F8_ErrLog& report = errorReportScreen();
  const ProgramState& st = state();
  QString app;
  try {
    app = versionText();
    report.F8_App = app;
    report.F8_Module = procedureName;
    report.F8_ErrNo = QString::number(number);
    report.F8_ErrDesc = description;
    report.F8_Form = st.CurrentForm ? st.CurrentForm->caption() : QString();
    report.load();
    host().showModal(report);
  } catch (const ProgramError& e) {
    // The logger's own failure is reported in the same window, by name.
    if (st.DebugMode) debugHalt(QStringLiteral("Error_Logger"), e);
    if (report.loaded()) report.unload();
    report.F8_App = app;
    report.F8_Module = QStringLiteral("Error_Logger");
    report.F8_ErrNo = QString::number(e.number);
    report.F8_ErrDesc = e.description;
    report.F8_Form = st.CurrentForm ? st.CurrentForm->name() : QString();
    try {
      report.load();
      host().showModal(report);
    } catch (const ProgramError&) {
      // Nothing is left to report with.
    }
  }
}

}  // namespace qv
