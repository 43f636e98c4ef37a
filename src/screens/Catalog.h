#pragma once
// The one instance of each screen, by name, created on first use.
#include <QString>

namespace qv {

class Screen;

// The screen of that name (without regard to case); nullptr for a name the
// program has no screen or no layout for.
Screen* screenNamed(const QString& name);

}  // namespace qv
