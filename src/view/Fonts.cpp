#include "view/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";
// Above this many device units per point the font is for a painter scaled to
// twips rather than for display pixels.
constexpr double kScaledPainterUnits = 4.0;

struct FontMapping {
  const char* programName;  // compared ignoring case
  const char* family;
};

constexpr FontMapping kMappings[] = {
    {"Tahoma", "Tahoma"},
    {"MS Sans Serif", "Tahoma"},
    {"Arial", "Liberation Sans"},
    {"ArialNarrow", "Liberation Sans Narrow"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Courier New", "Liberation Mono"},
    {"Consolas", "Liberation Mono"},
    {"Calibri", "Carlito"},
    {"Times New Roman", "Liberation Serif"},
};

bool g_fontsInstalled = false;

QHash<QString, QString>& familyCache() {
  static QHash<QString, QString> cache;
  return cache;
}

}  // namespace

void installFonts() {
  if (g_fontsInstalled) return;
  g_fontsInstalled = true;
  for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
    const QString path = QString::fromLatin1(file);
    if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
  }
  familyCache().clear();
}

QString fontFamilyFor(const QString& programFontName) {
  installFonts();
  const QString key = programFontName.trimmed().toLower();
  auto& cache = familyCache();
  if (auto it = cache.constFind(key); it != cache.cend()) return *it;
  QString family = QString::fromLatin1(kFallbackFamily);
  for (const auto& m : kMappings)
    if (key == QLatin1String(m.programName).toString().toLower()) {
      family = QString::fromLatin1(m.family);
      break;
    }
  // A missing stand-in (no Tahoma files, say) uses the fallback instead of
  // whatever the font matcher would pick.
  if (!QFontDatabase::hasFamily(family)) family = QString::fromLatin1(kFallbackFamily);
  cache.insert(key, family);
  return family;
}

QFont qtFont(const Font& font, double pixelsPerPoint) {
  QFont f(fontFamilyFor(font.name));
  f.setPixelSize(std::max(1, int(std::lround(font.size * pixelsPerPoint))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setKerning(false);
  // Scaled painters (twips) lay text out from unhinted outlines, so a caption
  // takes the same room on the display, on paper and in a picture.
  if (pixelsPerPoint > kScaledPainterUnits) f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

}  // namespace qv
