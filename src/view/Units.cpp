#include "view/Units.h"

#include <cmath>
#include <iterator>

namespace qv {

int twipsToPixels(int twips) {
  return int(std::lround(double(twips) / TwipsPerPixel));
}

int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

int snapTwips(int twips) { return twipsToPixels(twips) * TwipsPerPixel; }

QRect pixelRect(int left, int top, int width, int height) {
  // Both edges are rounded, so neighbouring controls meet without gaps.
  const int x = twipsToPixels(left), y = twipsToPixels(top);
  return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

namespace {
// The desktop's classic ("Windows Standard") scheme, as RGB.
constexpr QRgb kSystemColors[] = {
    0xD4D0C8,  //  0 scroll bar
    0x3A6EA5,  //  1 desktop
    0x0A246A,  //  2 active caption
    0x808080,  //  3 inactive caption
    0xD4D0C8,  //  4 menu
    0xFFFFFF,  //  5 window background
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x0A246A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xD4D0C8,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xD4D0C8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x404040,  // 21 3D dark shadow
    0xD4D0C8,  // 22 3D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
    0xB5B5B5,  // 25 (unused slot)
    0x000080,  // 26 hot-tracked item
    0xA6CAF0,  // 27 active caption gradient
    0xC0C0C0,  // 28 inactive caption gradient
    0x316AC5,  // 29 menu highlight
    0xD4D0C8,  // 30 menu bar
};
}  // namespace

QColor systemColor(int index) {
  if (index < 0 || index >= int(std::size(kSystemColors))) return QColor(Qt::black);
  return QColor::fromRgb(kSystemColors[index]);
}

QColor qtColor(Color c) {
  if (colors::isSystem(c)) return systemColor(int(c & 0xFF));
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

}  // namespace qv
