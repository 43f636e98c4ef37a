#pragma once
// Screen start-up: every screen's Load begins with Form_Init, which makes it
// the current form, reads its entry of the forms description file (Forms.inf)
// into FormInfo, resets its appearance and fills its label captions.
#include <QString>

namespace qv {

class Control;
class Screen;

// CurrentForm; error 91 when no screen has been initialised yet.
Screen& currentForm();
// The screen short id: the name without its three-character prefix,
// upper-cased ("TF_1099INT" -> "1099INT", "F2_SS_ITIN" -> "SS_ITIN").
QString screenShortId(const QString& screenName);

void Form_Init(Screen& screen);
// The screen the user works on becomes the current form again (another one
// was initialised since): its entry read anew and its short id set, so that
// the commands and field edits act on it.
void makeCurrentForm(Screen& screen);
// The current form's entry into FormInfo, FocusOnStartup and FocusAfterTPButton.
void Form_Init_Info();
// One value of the entry of `screenName` (by formsInfSection); "" when absent.
QString GetFormInfo(const QString& screenName, const QString& key);
// The Forms.inf section of a screen (or form-file) name: "SS_ITIN" is its own
// section; any other name loses everything up to its first "_" and every "-"
// ("TF_1099INT" -> "1099INT", "F2_SS_ITIN" -> "SS_ITIN", "1099-MISC" -> "1099MISC").
QString formsInfSection(const QString& screenName);
// The RTL/RTB and "20??" label captions of the current form for the chosen tax year.
void Form_Init_Captions();
// An RTL/RTB caption from its Forms.inf text: the yyyy placeholders filled
// for `year` ("20XX" or a four-digit year), "|" as line breaks, a blank added.
QString taxYearCaption(const QString& text, const QString& year);
// Stretches the border round the current form's contents.
void Form_Layout(Control& border);

// The Text1 index to focus after Load TP, from Forms.inf; kept for the
// screens that may want it (after Load TP the focus goes back to CurrentField).
int& FocusAfterTPButton();

}  // namespace qv
