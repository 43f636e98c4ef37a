#pragma once

#include "drawing.h"

// The pictograms of the main window's command buttons, file name first.
QList<NamedDrawing> commandIcons();
