#pragma once
// The desktop host: modal screens as dialogs, document screens in the main
// window (other screens in windows of their own), the standard message box, file dialogs, the system's printers plus
// a PDF printer, the clipboard and the desktop's document opener.
#include <QHash>
#include <QPointer>
#include <QSize>

#include "platform/Host.h"
#include "view/MainWindowView.h"
#include "view/ScreenPainter.h"

class QFileDialog;

namespace qv {

class ScreenView;

class QtHost : public Host {
 public:
  // The printer that writes a PDF file into the PDF folder.
  static inline const QString PdfPrinterName = QStringLiteral("Quorvane PDF");

  QtHost();
  ~QtHost() override;

  // Document screens shown before this is set get windows of their own.
  void setMainWindow(MainWindowView* window);
  MainWindowView* mainWindow() const { return mainWindow_.data(); }
  // Where the PDF printer writes (a host folder; made when missing). By
  // default the user's documents folder.
  void setPdfFolder(const QString& hostFolder);
  QString pdfFolder() const;

  void showModal(Screen& screen) override;
  void showScreen(Screen& screen) override;
  int standardMessage(StandardIcon icon, const QString& title, const QString& text,
                      const QStringList& buttons) override;
  QString openFileDialog(const FileDialogRequest& request) override;
  QString saveFileDialog(const FileDialogRequest& request) override;
  QStringList printers() override;
  bool printScreen(Screen& screen, const QString& printer, PrintOutcome& outcome) override;
  bool copyScreenPicture(Screen& screen) override;
  QString clipboardText() override;
  void setClipboardText(const QString& text) override;
  bool openDocument(const QString& hostPath) override;
  QSize screenSizeTwips() override;
  void processEvents() override;
  void quit(int code) override;

 protected:
  // A modal screen's window is up and about to wait for the user.
  virtual void modalShown(Screen& screen, ScreenView& view) { (void)screen; (void)view; }

 private:
  QWidget* dialogParent() const;
  // Runs an open or save dialog at the size the last one was left at; the
  // chosen path, or an empty text when cancelled.
  QString runFileDialog(QFileDialog& dialog);

  QPointer<MainWindowView> mainWindow_;
  QString pdfFolder_;
  QHash<const Screen*, QPointer<ScreenView>> windows_;  // screens in windows of their own
  QSize fileDialogSize_;  // as the user left the last file dialog of this run
};

// "Description\0pattern\0..." as the desktop's file dialogs take it, in Qt's
// "Description (pattern)" form joined by ";;".
QString qtNameFilter(const QString& windowsFilter);

}  // namespace qv
