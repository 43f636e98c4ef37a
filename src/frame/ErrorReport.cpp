#include "frame/ErrorReport.h"

#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"

namespace qv {

namespace {
const char kSupportAddress[] = "support@quorvane.example";
constexpr int kValueLabels = 6;
}  // namespace

F8_ErrLog& errorReportScreen() {
  static F8_ErrLog w;
  return w;
}

QString F8_ErrLog::instructions() {
  return QStringList{
      QStringLiteral("AN ERROR HAS OCCURRED."),
      QStringLiteral("  1) Describe what you were doing just before the error occurred."),
      QStringLiteral("  2) Press the [Copy to Clipboard && Exit] button to copy this form to the clipboard."),
      QStringLiteral("  3) Open your EMail application."),
      QStringLiteral("  4) Address a new EMail to ") + QLatin1String(kSupportAddress),
      QStringLiteral("  5) Paste (press CTRL V) to copy the error information into the email message."),
      QStringLiteral("  6) EMail the Error Report"),
  }.join(QStringLiteral("\r\n"));
}

void F8_ErrLog::onLoad() {
  ctl(QStringLiteral("cmdClearAndCopyForDocument"))
      .setVisible(state().CommandLine.contains(QLatin1String("Error"), Qt::CaseInsensitive));
  setCaption(QStringLiteral("Error in ") + F8_App);
  const QString values[kValueLabels] = {
      F8_App, F8_Module, F8_Form, F8_ErrNo, F8_ErrDesc,
      QLocale(QLocale::English, QLocale::UnitedStates).toString(clock::now(), QStringLiteral("M/d/yyyy h:mm:ss AP"))};
  for (int i = 0; i < kValueLabels; ++i) ctl(QStringLiteral("Label2"), i).setCaption(values[i]);
  ctl(QStringLiteral("Label5")).setCaption(instructions());
}

void F8_ErrLog::onKeyPress(Control& c, int& keyAscii) {
  if (c.name() == u"Text1" && keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 32;
}

void F8_ErrLog::onClick(Control& c) {
  if (c.name() == u"cmdClip") cmdClip_Click();
  else if (c.name() == u"cmdExit") unload();
  else if (c.name() == u"cmdClearAndCopyForDocument") cmdClearAndCopyForDocument_Click();
}

void F8_ErrLog::cmdClip_Click() {
  Control& description = ctl(QStringLiteral("Text1"));
  if (description.text().isEmpty()) {
    host().standardMessage(StandardIcon::Warning, QStringLiteral("Provide Description"),
                           QStringLiteral("Please describe what you were doing just before the error."),
                           {QStringLiteral("OK")});
    setFocus(description);
    return;
  }
  host().setClipboardText(QString());
  host().copyScreenPicture(*this);
  clock::pause(500);
}

void F8_ErrLog::cmdClearAndCopyForDocument_Click() {
  for (Control* label : array(QStringLiteral("Label2"))) label->setCaption(QString());
  ctl(QStringLiteral("cmdClearAndCopyForDocument")).setVisible(false);
  host().processEvents();
  host().copyScreenPicture(*this);
  unload();
}

}  // namespace qv
