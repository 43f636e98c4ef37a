#pragma once
// The program keeps Windows paths ("C:\QuorvaneInfFiles\Forms.inf"). A drive
// letter maps to a host folder: C: is $QUORVANE_DRIVE_C, by default ~/Quorvane.
// Host paths ("/tmp/x") are accepted as they are. "\" and "/" both separate.
#include <QString>

namespace qv::paths {

// Host path of a program path.
QString toHost(const QString& programPath);

// A host path in the program's form: "C:\\Folder\\File" when it lies on
// drive C's folder (or another mapped drive's), the host path otherwise.
QString toProgram(const QString& hostPath);

// Overrides the host folder of a drive letter (tests use a temporary folder);
// an empty folder removes the override.
void setDriveRoot(QChar drive, const QString& hostFolder);
QString driveRoot(QChar drive);

bool exists(const QString& programPath);       // file or folder
bool fileExists(const QString& programPath);
bool folderExists(const QString& programPath);
// Creates one folder level; false when its parent is missing or it cannot be made.
bool makeFolder(const QString& programPath);

// Joins with the separator `folder` uses ("\" for a program path, "/" for
// a host path), unless it already ends in one.
QString join(const QString& folder, const QString& name);

// Why a folder cannot be used (empty when it can): each missing level is
// made on the way; the answer names the host path and what is wrong there.
QString folderProblem(const QString& programPath);
// Why a file cannot be used in its folder (the folder itself is checked too).
QString fileProblem(const QString& programPath);
// Where a drive letter's folder is and what sets it, for messages.
QString driveDescription(QChar drive);

}  // namespace qv::paths
