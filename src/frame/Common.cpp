#include "frame/Common.h"

#include "controls/Screen.h"
#include "frame/ProgramState.h"
#include "runtime/Error.h"

namespace qv {

void Hide_Taskbar() {}
void Show_Taskbar() {}

void Show_Status(Screen& form, const QString& text) {
  // A notice only: a status line whose handlers fail is passed over.
  try {
    if (Control* status = form.find(QStringLiteral("labelMisc"))) {
      status->setForeColor(colors::Red);
      status->setCaption(text);
    }
  } catch (const ProgramError&) {
  }
}

QString Age_At_Year_End(Screen& form, const QDate& birthDate) {
  const ProgramState& s = state();
  const QString year = s.YearChoices[std::clamp(s.YearChoiceIndex, 0, 3)];
  if (year.right(2) == u"XX") return QStringLiteral("N/A");
  // Birthdays all fall on or before 31 December, so the age at year end is
  // the difference of the years.
  const int age = year.toInt() - birthDate.year();
  if (age < 0) {
    Control& status = form.ctl(QStringLiteral("labelMisc"));
    status.setForeColor(colors::Red);
    status.setCaption(QStringLiteral("One or more date(s) are invalid"));
  }
  return QString::number(age);
}

}  // namespace qv
