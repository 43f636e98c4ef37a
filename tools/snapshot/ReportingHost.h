#pragma once
// The host of a snapshot run: nobody sits in front of it, so a window the
// program would show modally (the error report, the program's message box)
// is written to stderr instead and closed at once, and every device answers
// "none". A run that had to report something ends with a failure code.
#include "platform/Host.h"

namespace qv {

class ReportingHost : public Host {
 public:
  bool reported() const { return reported_; }

  void showModal(Screen& screen) override;
  void showScreen(Screen& screen) override {}
  int standardMessage(StandardIcon icon, const QString& title, const QString& text,
                      const QStringList& buttons) override;
  QString openFileDialog(const FileDialogRequest&) override { return {}; }
  QString saveFileDialog(const FileDialogRequest&) override { return {}; }
  // The desktop always has the PDF printer.
  QStringList printers() override { return {QStringLiteral("Quorvane PDF")}; }
  bool printScreen(Screen&, const QString&, PrintOutcome& outcome) override;
  bool copyScreenPicture(Screen&) override { return false; }
  QString clipboardText() override { return {}; }
  void setClipboardText(const QString&) override {}
  bool openDocument(const QString&) override { return false; }
  QSize screenSizeTwips() override { return {1920 * 15, 1080 * 15}; }
  void processEvents() override {}
  void quit(int code) override;

 private:
  bool reported_ = false;
};

}  // namespace qv
