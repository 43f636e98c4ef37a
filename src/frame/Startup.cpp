#include "frame/Startup.h"

#include "frame/Ini.h"
#include "frame/MainWindow.h"
#include "frame/ProgramState.h"

namespace qv {

void startProgram(const ProgramStart& start) {
  resetState();
  clearUnusableSettings();
  ProgramState& s = state();
  s.ExeName = start.exeName;
  s.ProgramFolder = start.programFolder;
  s.CommandLine = start.commandLine;
  s.Instance = start.instance;
  F0_MDI& mdi = mainWindow();
  if (mdi.loaded()) mdi.unload();
  mdi.load();
}

}  // namespace qv
