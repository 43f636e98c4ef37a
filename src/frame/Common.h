#pragma once
// Small common services used across the program.
#include <QDate>
#include <QString>

namespace qv {

class Screen;

// Hide and show the desktop's taskbar around screen pictures. This desktop
// has no taskbar window to hide, so both do nothing.
void Hide_Taskbar();
void Show_Taskbar();

// A notice in the screen's status line, in red as its notices are: where a
// form file was saved or opened from, where a print went. Nothing on a
// screen without a status line.
void Show_Status(Screen& form, const QString& text);

// The person's age at the end of the chosen tax year ("N/A" for 20XX); a
// negative age also puts "One or more date(s) are invalid" in red in the
// screen's status line.
QString Age_At_Year_End(Screen& form, const QDate& birthDate);

}  // namespace qv
