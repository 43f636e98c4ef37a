#pragma once
// Runs a scenario against the headless program: a temporary drive C:, a copy
// of the program folder, a fixed clock and user, the scripted host.
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "runner/Failure.h"
#include "runner/Input.h"
#include "runner/Scenario.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedHost.h"

namespace qv {
class Control;
class MainWindowView;
class Screen;
class SingleInstance;
}  // namespace qv

namespace qv::scenario {

class WidgetHost;

class Runner {
 public:
  // Model: the user's steps go into the model as the view would hand them
  // on. Widgets: they go to the real Qt windows on the offscreen platform.
  enum class Mode { Model, Widgets };

  Runner(QString programDir, Mode mode);
  ~Runner();

  // Runs every step; false at the first failure, with `report` saying where and what was seen.
  bool run(const std::vector<Step>& steps, const QString& scenarioName, QString& report);

 private:
  using Handler = void (Runner::*)(const QStringList& args);
  static const std::map<QString, Handler>& commands();

  // Set-up before and around start.
  void cmdStart(const QStringList& a);
  void cmdFile(const QStringList& a);
  void cmdBytes(const QStringList& a);
  void cmdFolder(const QStringList& a);
  void cmdDriveRoot(const QStringList& a);
  void cmdRemove(const QStringList& a);
  void cmdProgramFile(const QStringList& a);
  void cmdRemoveProgramFile(const QStringList& a);
  void cmdProgramPicture(const QStringList& a);
  void cmdAnotherCopy(const QStringList& a);
  void cmdPrinters(const QStringList& a);
  // What the user does.
  void cmdAnswer(const QStringList& a);
  void cmdAnswerFile(const QStringList& a);
  void cmdAnswerKeys(const QStringList& a);
  void cmdMenu(const QStringList& a);
  void cmdButton(const QStringList& a);
  void cmdClick(const QStringList& a);
  void cmdClickWhilePrinting(const QStringList& a);
  void cmdFocus(const QStringList& a);
  void cmdType(const QStringList& a);
  void cmdKey(const QStringList& a);
  void cmdChoose(const QStringList& a);
  void cmdClose(const QStringList& a);
  void cmdMinimize(const QStringList& a);
  void cmdClipboard(const QStringList& a);
  void cmdDiskFull(const QStringList& a);
  void cmdLook(const QStringList& a);
  // What the user should see.
  void cmdExpect(const QStringList& a);

  void expectControl(const QStringList& a);
  void expectFocus(const QStringList& a);
  void expectScreen(const QStringList& a);
  void expectMbx(const QStringList& a);
  void expectNoMbx(const QStringList& a);
  void expectPause(const QStringList& a);
  void checkSheet(const QStringList& a, const QString& what, int width, int height, const QStringList& shown);
  void expectFile(const QStringList& a);
  void expectFolder(const QStringList& a);
  void expectIni(const QStringList& a);
  void expectState(const QStringList& a);
  void expectMenu(const QStringList& a);
  void expectQuit(const QStringList& a);
  void expectRunning(const QStringList& a);
  void expectOpened(const QStringList& a);
  void expectPicture(const QStringList& a);
  void expectPrinted(const QStringList& a);
  void expectDocumentFolder(const QStringList& a);
  void expectDialog(const QStringList& a);
  void expectLook(const QStringList& a);

  void requireStarted() const;
  Screen& activeScreen() const;
  Screen& screenNamed(const QString& name) const;
  // "Text1(3)", "F0_MDI!cmdBtn(1)".
  Control& target(const QString& ref) const;
  QString controlProperty(Control& c, const QString& prop) const;
  QString stateVariable(const QString& name) const;
  QString hostFolder() const;

  QString programDir_;
  Mode mode_;
  std::unique_ptr<QTemporaryDir> drive_;
  std::unique_ptr<QTemporaryDir> programCopy_;
  std::unique_ptr<QTemporaryDir> lockDir_;
  std::unique_ptr<FileSizeLimit> diskFull_;  // while set, writes fail past its size
  std::unique_ptr<SingleInstance> otherCopy_;
  std::unique_ptr<SingleInstance> instance_;
  ScriptedHost host_;
  std::unique_ptr<WidgetHost> widgetHost_;
  std::unique_ptr<MainWindowView> window_;
  std::unique_ptr<UserInput> input_;
  bool started_ = false;
  size_t checkedModals_ = 0;
  long long checkedPause_ = 0;
  size_t checkedPrintJobs_ = 0;
  size_t checkedDialogs_ = 0;
  // A step the user takes inside the program's own handling (keys in a modal
  // window, a press while printing) that could not be taken.
  QString innerFailure_;
  // What the "look" step saw: the screen and its appearance by control.
  QString lookedAt_;
  std::map<QString, QString> look_;
};

}  // namespace qv::scenario
