#pragma once
#include "runner/Input.h"

namespace qv {
class MainWindowView;
}

namespace qv::scenario {

std::unique_ptr<UserInput> widgetInput(MainWindowView& window);

}  // namespace qv::scenario
