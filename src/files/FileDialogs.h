#pragma once
// Asking the user for a form file: the desktop's open or save dialog, started
// in the folder used last for that purpose, which it then remembers.
#include <QString>

namespace qv {

// The marker a cancelled dialog answers with (it can be no path).
inline const QString kDialogCancelled = QStringLiteral("\u00B7");

// forSave 0: open; any other value: save, proposing `proposal`. The chosen
// path (a program path "C:\..." where it lies on a drive), kDialogCancelled,
// or "" after a failure (reported).
QString OpenOrSaveFile(int forSave, const QString& proposal);

}  // namespace qv
