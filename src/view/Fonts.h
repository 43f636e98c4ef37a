#pragma once
// The fonts the screens name, mapped to installed fonts with the same metrics
// (or, for Consolas, a little narrower) so that captions fit as laid out.
#include <QFont>
#include <QString>

#include "controls/Control.h"

namespace qv {

// Loads the Tahoma faces shipped with the desktop compatibility fonts; when
// they are missing the mapping falls back quietly. Safe to call more than once.
// That Tahoma Bold has bold widths over regular-weight outlines: it is loaded
// so that the font engine emboldens its outlines at display sizes.
void installFonts();

// The installed family that stands in for a font name of the screens.
QString fontFamilyFor(const QString& programFontName);

// The font at `pixelsPerPoint` device units per point (PixelsPerPoint for the
// display, TwipsPerPoint for a painter that works in twips). Sizes are set in
// pixels so that text metrics do not depend on the platform's DPI.
QFont qtFont(const Font& font, double pixelsPerPoint);

// The width of the pen that strokes a text's outline over the text to make a
// bold font bold at painter sizes, where the font engine does not embolden;
// 0 when the font's bold face is bold by itself.
double boldStroke(const QFont& font);

// How the desktop spaces the lines of a multi-line box (in the font's pixel
// units): its line is the font's Windows ascent and descent, which hold the
// marks over capitals ("Ë", "Ž"), where the font's typographic ascent may not.
struct BoxLines {
  double height;  // from one line's top to the next
  double ascent;  // from a line's top to its baseline
};
BoxLines boxLines(const QFont& font);

}  // namespace qv
