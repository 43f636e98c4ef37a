#pragma once
// A host for tests: answers modal screens, message boxes and file dialogs from
// a queue of scripted answers, and records what the program showed, printed,
// copied and opened, so a test can drive the headless program as a user would.
#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Host.h"

namespace qv {
class Control;
}

namespace qv {

struct ShownModal {
  QString screen;   // "F9_MBX", ...
  QString title;    // window caption
  QString text;     // the message shown (message box) or the platform box's text
  QStringList buttons;
  QString pressed;  // caption of the button the answer pressed
};

struct PrintJob {
  QString screen;
  QString printer;
  bool whiteFields = false;  // every text box was white when it printed
  int heightTwips = 0;       // the page: the window's inside as it printed
  int widthTwips = 0;
  QStringList shown;         // the controls on the page, as in a picture
};

struct Picture {
  QString screen;
  int widthTwips = 0, heightTwips = 0;
  QStringList shown;  // the controls on it, "Text1(5)" or "labelMisc"
};

// What a modal window is answered with: the button to press (none: its
// close box), after typing `input` into its input box when not null.
struct ModalAnswer {
  Control* press = nullptr;
  QString input;
  Control* grid = nullptr;  // or the row of a list to click (the K-1 code list)
  int row = -1;
  QStringList keys;  // or keys to press in it ("Down", "Enter"), by pressKeys
};

class ScriptedHost : public Host {
 public:
  // The next modal screen or message box is answered by pressing the button
  // with this caption, after typing `input` into its input box when given.
  void queueAnswer(const QString& buttonCaption, const QString& input = QString());
  // The next modal screen is answered with these keys, pressed by pressKeys
  // where the window has put the keyboard.
  void queueKeys(const QStringList& keys);
  std::function<void(const QStringList& keys)> pressKeys;
  // The next file dialog answers this program path ("" = cancelled).
  void queueFile(const QString& path);

  // Records a modal window that is up and takes the next queued answer for it
  // (unanswered: its default button, as a user pressing Enter would).
  ModalAnswer answerModal(Screen& screen);

  const std::vector<ShownModal>& modals() const { return modals_; }
  // The file dialogs shown, oldest first.
  struct ShownDialog {
    bool save;
    FileDialogRequest request;
  };
  const std::vector<ShownDialog>& dialogs() const { return dialogs_; }
  const std::vector<PrintJob>& printJobs() const { return printJobs_; }
  const std::vector<Picture>& pictures() const { return pictures_; }
  const QStringList& openedDocuments() const { return opened_; }
  const QStringList& shownScreens() const { return shown_; }
  int pendingAnswers() const { return int(answers_.size()); }
  bool quitCalled() const { return quit_; }
  int quitCode() const { return quitCode_; }

  QStringList installedPrinters = {QStringLiteral("Quorvane PDF")};
  bool openDocumentResult = true;
  QSize displayTwips{28800, 16200};  // 1920 x 1080 pixels
  QString clipboard;
  QString documentFolder;  // where the program last said file printers write
  // Run once while the next page is being printed (a press of the user's then).
  std::function<void()> whilePrinting;

  void showModal(Screen& screen) override;
  void showScreen(Screen& screen) override;
  int standardMessage(StandardIcon icon, const QString& title, const QString& text,
                      const QStringList& buttons) override;
  QString openFileDialog(const FileDialogRequest& request) override;
  QString saveFileDialog(const FileDialogRequest& request) override;
  QStringList printers() override { return installedPrinters; }
  // "Quorvane PDF" writes files, as <screen>.pdf in the document folder; the
  // other printers are the desktop's.
  bool printScreen(Screen& screen, const QString& printer, PrintOutcome& outcome) override;
  void setDocumentFolder(const QString& hostFolder) override { documentFolder = hostFolder; }
  bool copyScreenPicture(Screen& screen) override;
  QString clipboardText() override { return clipboard; }
  void setClipboardText(const QString& text) override { clipboard = text; }
  bool openDocument(const QString& hostPath) override;
  QSize screenSizeTwips() override { return displayTwips; }
  void processEvents() override {}
  void quit(int code) override;

 private:
  struct Answer {
    QString button, input;
    QStringList keys;
  };
  std::deque<Answer> answers_;
  std::deque<QString> files_;
  std::vector<ShownModal> modals_;
  std::vector<ShownDialog> dialogs_;
  QString nextFile();
  std::vector<PrintJob> printJobs_;
  std::vector<Picture> pictures_;
  QStringList opened_, shown_;
  bool quit_ = false;
  int quitCode_ = 0;
};

}  // namespace qv
