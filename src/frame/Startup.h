#pragma once
// Starting one run of the program: what the desktop tells it (its own name,
// folder and command line), then the main window's Load.
#include <QString>

namespace qv {

class SingleInstance;

struct ProgramStart {
  QString exeName;        // without folder and extension
  QString programFolder;  // host path of the executable's folder
  QString commandLine;    // everything after the program name
  SingleInstance* instance = nullptr;  // null: no check for another copy
};

// Resets the program-wide state and loads the main window (start-up runs in
// its Load). Start-up may end the program through the host (another copy).
void startProgram(const ProgramStart& start);

}  // namespace qv
