// The two deliverables, Quorvane_Velmora and Quorvane_Kestrum: the same
// program, whose edition follows from the name it was started under.
#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include "frame/MainWindow.h"
#include "frame/Startup.h"
#include "platform/Environment.h"
#include "platform/SingleInstance.h"
#include "view/Fonts.h"
#include "view/MainWindowView.h"
#include "view/QtHost.h"

namespace {
// The desktop host; its PDF printer writes where the program keeps its form files.
class DesktopHost final : public qv::QtHost {
 public:
  void setDocumentFolder(const QString& hostFolder) override { setPdfFolder(hostFolder); }
};
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qv::installFonts();

  // The name it was started under (a renamed copy or a link counts as its
  // own name), without folder and extension.
  const QString exeName = QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName();
  const QString commandLine = QCoreApplication::arguments().mid(1).join(u' ');

  qv::SingleInstance instance(exeName.toLower() + u'-' + qv::env::userName().toUpper());
  DesktopHost host;
  qv::setHost(&host);

  qv::F0_MDI& mdi = qv::mainWindow();
  qv::MainWindowView window(mdi);
  host.setMainWindow(&window);
  QObject::connect(&instance, &qv::SingleInstance::raiseRequested, &window, [&window] {
    window.showNormal();
    window.raise();
    window.activateWindow();
  });

  qv::startProgram({exeName, QCoreApplication::applicationDirPath(), commandLine, &instance});
  if (!mdi.loaded() || mdi.caption().isEmpty()) return 0;  // start-up ended the program
  host.showScreen(mdi);
  const int code = app.exec();
  qv::setHost(nullptr);
  return code;
}
