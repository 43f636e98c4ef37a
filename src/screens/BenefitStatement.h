#pragma once
// What the two benefit statements, SSA-1099 and RRB-1099, share: the note at
// their foot, the tax year's Medicare Part B premium, their amounts read from
// and written to the boxes, the computed boxes the focus passes over, and the
// message for a computation that comes out below zero.
#include <QString>

#include "runtime/Currency.h"

namespace qv {

class Control;

// The note at the foot of the statement of `form` ("SSA-1099").
QString computationNote(const QString& form);
// The Part B premium of the chosen tax year as the settings file holds it;
// empty when the file has none for the year.
QString partBPremiumOfTaxYear();

// A box's amount: zero when it is empty; error 13 when it is no number.
Currency amountOf(const Control& box);
// "$##,###.00"; an amount of zero empties the box.
void showAmount(Control& box, Currency amount);

// A box the screen fills itself (tag "COMPUTED", any case).
bool isComputed(const Control& box);
// Entering a computed box moves on to the box of the next index; after the
// last one, to the first box in tab order.
void moveOnFrom(Control& computedBox);
// Leaving a box: white unless it is computed, black text.
void restoreColours(Control& box);

// Paints `box` red and shows the three-line computation error with `message`
// in its middle, titled `title`.
void reportNegative(Control& box, const QString& title, int number, const QString& message);

}  // namespace qv
