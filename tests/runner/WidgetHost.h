#pragma once
// The desktop host for the runner's real-widget mode: screens are real Qt
// windows (the main window, its sub-windows, modal dialogs), and a modal
// window is answered from the scenario's queue by clicking its real button.
// What needs a person or a device (file dialogs, printers, the clipboard, the
// document opener, quitting) goes to the scripted host, which records it.
#include "support/ScriptedHost.h"
#include "view/QtHost.h"

namespace qv::scenario {

class WidgetHost final : public QtHost {
 public:
  explicit WidgetHost(ScriptedHost& records) : records_(records) {}

  int standardMessage(StandardIcon icon, const QString& title, const QString& text,
                      const QStringList& buttons) override {
    return records_.standardMessage(icon, title, text, buttons);
  }
  QString openFileDialog(const FileDialogRequest& r) override { return records_.openFileDialog(r); }
  QString saveFileDialog(const FileDialogRequest& r) override { return records_.saveFileDialog(r); }
  QStringList printers() override { return records_.printers(); }
  bool printScreen(Screen& s, const QString& printer, PrintOutcome& outcome) override {
    return records_.printScreen(s, printer, outcome);
  }
  void setDocumentFolder(const QString& folder) override { records_.setDocumentFolder(folder); }
  bool copyScreenPicture(Screen& s) override { return records_.copyScreenPicture(s); }
  QString clipboardText() override { return records_.clipboardText(); }
  void setClipboardText(const QString& text) override { records_.setClipboardText(text); }
  bool openDocument(const QString& hostPath) override { return records_.openDocument(hostPath); }
  QSize screenSizeTwips() override { return records_.screenSizeTwips(); }
  void quit(int code) override { records_.quit(code); }

 protected:
  void modalShown(Screen& screen, ScreenView& view) override;

 private:
  ScriptedHost& records_;
};

}  // namespace qv::scenario
