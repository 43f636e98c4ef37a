#pragma once
// Saving the current screen to a form file and opening one as a screen.
#include <QString>

namespace qv {

// Writes the screen: name proposed from the user's pattern, folder asked (or
// the file it was opened from), the file-exists dialog when it is there.
void Save_File();
// Asks for a form file and brings it back as its screen.
void Open_File();
// Reads CurrentFile into a new screen of its form; returns the form name.
QString Read_File();

// Writes a record as the one line of a form file, replacing the file whole
// or not at all; error 75 naming the path when it cannot be written.
void writeFormFile(const QString& path, const QString& record);

// The longest record a form file may hold: anything longer is no form file.
inline constexpr int kLongestRecord = 1000000;

}  // namespace qv
