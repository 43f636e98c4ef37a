#include "view/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace qv {

namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";
// Above this many device units per point the font is for a painter scaled to
// twips rather than for display pixels.
constexpr double kScaledPainterUnits = 4.0;

// Stand-ins in order of preference: the first one installed is used.
struct FontMapping {
  const char* programName;  // compared ignoring case
  std::initializer_list<const char*> families;
};

const FontMapping kMappings[] = {
    {"Tahoma", {"Tahoma"}},
    {"MS Sans Serif", {"Tahoma"}},
    {"Arial", {"Liberation Sans"}},
    {"ArialNarrow", {"Liberation Sans Narrow"}},
    {"Arial Narrow", {"Liberation Sans Narrow"}},
    {"Courier New", {"Liberation Mono"}},
    // Liberation Mono is a tenth wider than Consolas (0.60 em against 0.55)
    // and makes captions wrap or lose letters; Inconsolata (0.50 em, lines
    // as tall as Consolas') is a little narrower, so they fit.
    {"Consolas", {"Inconsolata", "Liberation Mono"}},
    {"Calibri", {"Carlito"}},
    {"Times New Roman", {"Liberation Serif"}},
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
  // A missing stand-in (no Tahoma files, say) uses the fallback instead of
  // whatever the font matcher would pick.
  QString family = QString::fromLatin1(kFallbackFamily);
  for (const auto& m : kMappings) {
    if (key != QLatin1String(m.programName).toString().toLower()) continue;
    const auto installed = std::find_if(m.families.begin(), m.families.end(), [](const char* f) {
      return QFontDatabase::hasFamily(QString::fromLatin1(f));
    });
    if (installed != m.families.end()) family = QString::fromLatin1(*installed);
    break;
  }
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
