#pragma once
// One document screen at a time: showing, clearing and printing it, and the
// small services around them.
#include <QString>

namespace qv {

class Screen;

void Form_Position(Screen& screen);
void Form_Clear();
// Prints the screen; what its status line is to say of it afterwards: the
// file the PDF printer wrote or the printer the job went to, empty when
// nothing was printed.
QString Form_Print(Screen& screen);
void Verify_INF_Entry(const QString& mode);
QString GetFolderName(const QString& path);

// Prints go to the desktop's default printer again until one finds the
// chosen printer installed (a new run).
void resetCurrentPrinter();

}  // namespace qv
