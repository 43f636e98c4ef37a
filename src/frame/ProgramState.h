#pragma once
// The program-wide settings and state of one run. Every subsystem reads and
// writes these directly; whatever must outlive the run goes to the settings
// files. Everything starts empty.
#include <QString>
#include <QStringList>
#include <array>

#include "controls/Control.h"

namespace qv {

class Screen;
class SingleInstance;

struct ProgramState {
  // Paths, files and edition values (set once at start-up).
  QString UserSection;
  QString UserInfFile;
  QString FormsInfFile;
  QString SSMCInfFile;
  QString K1HelpInfFile;
  QString PicturesFolder;
  QString UserGuideFile;
  QString FileExtension;
  QString FileFilter;

  // Command line and modes.
  QString CommandArgs;
  bool DebugMode = false;

  // Run-time flags.
  bool StartingUp = false;
  bool Quitting = false;

  // Current screen and file.
  Screen* CurrentForm = nullptr;
  QString CurrentFile;
  QString CurrentField;
  QString FileRecord;
  int SaveResult = 0;
  std::array<QString, 16> FormInfo;
  int FocusOnStartup = 0;
  std::array<QStringList, 4> K1GridDefaults;

  // Configuration choices.
  std::array<QString, 4> YearChoices;
  int YearChoiceIndex = 0;
  QString FilingStatus;
  QString FileNamePattern;
  QString SelectedPrinter;
  QString PartBPremium;

  // Message box exchange; buttons 1 to 4 (slot 0 unused).
  std::array<QString, 5> MbxButtons;
  int MbxDefault = 0;
  QString MbxMessage;
  bool MbxInput = false;
  QString MbxAnswer;
  QString MbxInputText;

  // Person table: name, birth-date index, age index.
  std::array<std::array<QString, 3>, 9> PersonFields;

  // Field colours, entry i from legend entry i; entry 0 stays 0.
  std::array<Color, 10> ColorTable{};

  // Licence dates.
  QString HolidayList;
  QStringList HolidayArray;
  // Missing licence photos were reported in this run (they are reported once).
  bool LicencePhotosReported = false;

  // How this run was started (the desktop gives these to the program).
  QString CommandLine;    // the whole command line after the program name
  QString ExeName;        // executable file name without folder and extension
  QString ProgramFolder;  // program path of the executable's folder
  SingleInstance* Instance = nullptr;
};

ProgramState& state();
// Back to an empty state (tests start every run afresh).
void resetState();

// The program's version, from its build: 25.1.0.5.
struct Version {
  int major, minor, build, revision;
};
Version programVersion();

}  // namespace qv
