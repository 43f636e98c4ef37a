#pragma once
// Everything that needs a person or a device. The Qt view implements it for
// the desktop; tests implement it with a scripted fake.
#include <QSize>
#include <QString>
#include <QStringList>

namespace qv {

class Screen;

struct FileDialogRequest {
  QString title;
  QString initialFolder;  // program path
  QString fileName;       // proposed name (save)
  QString filter;         // "Description\0pattern\0" as the Windows dialogs take it
};

enum class StandardIcon { None, Information, Warning, Critical, Question };

// What became of a print: why it failed, or the file that a printer writing
// files (the PDF printer) put the page in, as a host path.
struct PrintOutcome {
  QString error;
  QString file;
};

class Host {
 public:
  virtual ~Host() = default;

  // Shows `screen` as a modal window and returns when it has been unloaded.
  virtual void showModal(Screen& screen) = 0;
  // Shows a screen without blocking (a child of the main window).
  virtual void showScreen(Screen& screen) = 0;
  // The platform's own message box, used where the program does not use its own.
  // Returns the index of the pressed button.
  virtual int standardMessage(StandardIcon icon, const QString& title, const QString& text,
                              const QStringList& buttons) = 0;

  // Dialogs answer a program path, or an empty text when cancelled.
  virtual QString openFileDialog(const FileDialogRequest& request) = 0;
  virtual QString saveFileDialog(const FileDialogRequest& request) = 0;

  // Printer names, the default first.
  virtual QStringList printers() = 0;
  // Paints the screen on the printer; false with the reason when it cannot.
  virtual bool printScreen(Screen& screen, const QString& printer, PrintOutcome& outcome) = 0;
  // Where printers that write files (the PDF printer) put them; a host
  // without such a printer ignores it.
  virtual void setDocumentFolder(const QString& hostFolder) { (void)hostFolder; }

  // Puts a picture of the screen (its client area, at its size in pixels) on the clipboard.
  virtual bool copyScreenPicture(Screen& screen) = 0;
  virtual QString clipboardText() = 0;
  virtual void setClipboardText(const QString& text) = 0;

  // Opens a document with the desktop's default program (the user guide).
  virtual bool openDocument(const QString& hostPath) = 0;

  // Size of the display in twips (the main window is centred on it).
  virtual QSize screenSizeTwips() = 0;
  // Lets pending repaints happen (the program's "Refresh" and "DoEvents").
  virtual void processEvents() = 0;
  // Ends the program at once.
  virtual void quit(int code) = 0;
};

// The one host of this run.
Host& host();
void setHost(Host* h);

}  // namespace qv
