#pragma once
// The field handlers of the Schedule K-1 screens: the page of the tab control
// follows the focus; leaving the last amount cell wraps to the first field; a
// code cell opens the list of valid codes on a key and takes the code chosen,
// whose override flag decides whether its amount cell takes money or text.
#include <QString>

namespace qv {

class Control;
class Screen;

// Whether a screen's short id ("K11065") is one of the three K-1 screens.
bool isK1ShortId(const QString& shortId);

// A code cell: its tag begins "K1HELP" (any case), the box's code list after it.
bool isCodeCell(const Control& cell);

// The four lists of the K-1 grid defaults, in their order.
enum K1Defaults { Text2Texts, Text3Tags, Text4Texts, Text5Tags };

// The design texts of the code cells and the design kinds of the amount cells,
// for the code list and for Clear.
void K1_SaveInfo(Screen& screen);
void K1_GotFocus(Screen& screen, Control& cell, int lastPage0Index);
void K1_LostFocus(Control& cell, int count);
void K1_KeyPress(Control& cell, int& keyAscii);
void K1_Help_KeyDown(Screen& screen, Control& cell);

}  // namespace qv
