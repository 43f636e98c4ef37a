#include "files/FileDialogs.h"

#include "engine/Positioning.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
#include "platform/Paths.h"

namespace qv {

namespace {
// The longest name the desktop's dialog takes (its buffer of 256 characters).
constexpr int kLongestName = 256;
}  // namespace

QString OpenOrSaveFile(int forSave, const QString& proposal) {
  const ProgramState& s = state();
  QString result;
  trap(QStringLiteral("M8_CommonDialogReplacement:OpenOrSaveFile"), [&] {
    const QString key = forSave ? QStringLiteral("LastSaveFolder") : QStringLiteral("LastOpenFolder");
    QString start = ReadFolderINF(s.UserSection, key, s.UserInfFile);
    if (start.isEmpty()) start = ReadFolderINF(QStringLiteral("TaxForms"), QStringLiteral("Folder"), s.UserInfFile);
    if (forSave && proposal.size() > kLongestName)
      raiseError(err::InvalidCall, QStringLiteral("The proposed file name is longer than %1 characters.").arg(kLongestName));
    FileDialogRequest request;
    request.initialFolder = start;
    request.filter = s.FileFilter;
    if (forSave) {
      request.title = QStringLiteral("Save Form File - MAKE SURE YOU SELECT THE PROPER FOLDER TO SAVE THE FILE IN");
      request.fileName = proposal;
    } else {
      request.title = QStringLiteral("Select File, Press OPEN button -OR - Press Delete Key to DELETE the File");
    }
    const QString chosen = (forSave ? host().saveFileDialog(request) : host().openFileDialog(request)).trimmed();
    if (chosen.isEmpty()) {
      result = kDialogCancelled;
      return;
    }
    const QString path = paths::toProgram(chosen);
    const QString folder = GetFolderName(path);
    if (folder != start) SaveFolderINF(s.UserSection, key, folder, s.UserInfFile);
    result = path;
  });
  return result;
}

}  // namespace qv
