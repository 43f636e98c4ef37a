#include "frame/ErrorLogger.h"

#include "controls/Screen.h"
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
  // The error report window comes later; until then the report goes through
  // the platform's message box with the same facts.
  const Screen* where = state().CurrentForm;
  const QString text = QStringLiteral("Program: %1\nModule: %2\nForm: %3\nError: %4\n%5")
                           .arg(versionText(), procedureName, where ? where->caption() : QString())
                           .arg(number)
                           .arg(description);
  host().standardMessage(StandardIcon::Critical, QStringLiteral("Error in ") + versionText(), text,
                         {QStringLiteral("OK")});
}

}  // namespace qv
