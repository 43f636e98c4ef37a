#pragma once
// Check boxes drawn as labels: the caption "X" is ticked, empty is clear.

namespace qv {

class Control;

// Ticks an empty label, clears any other.
void Check_Toggle(Control& label);
// Ticks an empty label and clears its partner; clears a ticked label and
// leaves the partner. At most one of the pair is ticked.
void Check_Toggle_Pair(Control& label, Control& partner);

}  // namespace qv
