#pragma once

#include "drawing.h"

// The pictures of the program's own message box, file name first.
QList<NamedDrawing> messageIcons();
