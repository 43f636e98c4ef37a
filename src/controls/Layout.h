#pragma once
// Screen layout files: data/screens/<Name>.json, built into the program as
// ":/screens/<Name>.json". One JSON object for the screen, its menus and its
// controls in control order (one control per line), with geometry in twips
// and colours written as "&H00BBGGRR". The screen's width and height are those
// of its inside, where its controls lie; its window adds its frame.
#include <QByteArray>
#include <QString>

#include "controls/Control.h"

namespace qv {
class Screen;

namespace layout {

// Reads the screen's layout resource (or, for tests, a file path ending in
// ".json") and builds its controls and menus. False with a reason on error.
bool load(Screen& screen, const QString& nameOrPath, QString* error);
bool loadJson(Screen& screen, const QByteArray& json, QString* error);

// "&H00C0FFFF", "&HFF&", "255" or a JSON number.
bool parseColor(const QString& text, Color& out);
QString colorText(Color c);

}  // namespace layout
}  // namespace qv
