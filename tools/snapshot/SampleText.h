#pragma once
// What a user might have entered in a field, as the field's edit leaves it:
// long enough to show whether the field holds what its paper box holds.
#include <QString>

namespace qv {

class Control;

// By the field's kind (its tag, without the detail after "·"); the first
// line only when the field is not multi-line, cut to its MaxLength.
QString sampleText(const Control& field);

}  // namespace qv
