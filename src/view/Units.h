#pragma once
// Screen units as the view sees them: layouts are in twips at 15 twips per
// pixel (a 96 dpi display), colours are &H00BBGGRR values or system colours.
#include <QColor>
#include <QRect>

#include "controls/Control.h"

namespace qv {

constexpr int TwipsPerPixel = 15;
constexpr int TwipsPerPoint = 20;
// Font points to display pixels (96 dpi) and to twips.
constexpr double PixelsPerPoint = 96.0 / 72.0;

// Whole pixels, rounded to the nearest (halves away from zero).
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
// The twips value drawn at: moved onto the pixel grid the way the desktop lays
// controls out, so edges land on whole pixels on the display and in pictures.
int snapTwips(int twips);
// A control's rectangle in pixels (twips in, relative to the same origin).
QRect pixelRect(int left, int top, int width, int height);

// A colour of the desktop's system colour table (index 0..30), classic values.
QColor systemColor(int index);
// &H00BBGGRR, or &H800000nn for system colour nn.
QColor qtColor(Color c);

}  // namespace qv
