#include "view/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
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
bool g_tahomaBoldEmboldened = false;

constexpr const char* kTahoma = "/usr/share/wine/fonts/tahoma.ttf";
constexpr const char* kTahomaBold = "/usr/share/wine/fonts/tahomabd.ttf";
// The font engine emboldens outlines of a face that is not bold by itself,
// below this many pixels; a bold stem is thicker by a 24th of the em.
constexpr int kEmboldenedBelowPixels = 64;
constexpr double kEmboldenedStem = 1.0 / 24;

// The TrueType font with its OS/2 table saying "not bold, weight 600": the
// font engine then emboldens the outlines when bold is asked for, and the font
// still answers bold requests with its bold widths. Empty when the file has
// no such table.
QByteArray withoutBoldFlag(QByteArray font) {
  auto* data = reinterpret_cast<uchar*>(font.data());
  const qsizetype size = font.size();
  if (size < 12) return {};
  const int tables = qFromBigEndian<quint16>(data + 4);
  for (int i = 0; i < tables && 12 + 16 * (i + 1) <= size; ++i) {
    const uchar* record = data + 12 + 16 * i;
    if (memcmp(record, "OS/2", 4) != 0) continue;
    const quint32 offset = qFromBigEndian<quint32>(record + 8);
    if (offset + 64 > quint64(size)) return {};
    constexpr int kWeightClass = 4, kSelection = 62;
    constexpr quint16 kBoldBit = 0x20;
    qToBigEndian<quint16>(600, data + offset + kWeightClass);
    qToBigEndian<quint16>(qFromBigEndian<quint16>(data + offset + kSelection) & ~kBoldBit, data + offset + kSelection);
    return font;
  }
  return {};
}

QHash<QString, QString>& familyCache() {
  static QHash<QString, QString> cache;
  return cache;
}

}  // namespace

void installFonts() {
  if (g_fontsInstalled) return;
  g_fontsInstalled = true;
  if (QFile::exists(QString::fromLatin1(kTahoma))) QFontDatabase::addApplicationFont(QString::fromLatin1(kTahoma));
  QFile bold(QString::fromLatin1(kTahomaBold));
  if (bold.open(QIODevice::ReadOnly)) {
    const QByteArray font = withoutBoldFlag(bold.readAll());
    g_tahomaBoldEmboldened = !font.isEmpty() && QFontDatabase::addApplicationFontFromData(font) >= 0;
    if (!g_tahomaBoldEmboldened) QFontDatabase::addApplicationFont(bold.fileName());
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

BoxLines boxLines(const QFont& font) {
  static QHash<QString, BoxLines> known;  // a font's tables are read once
  const QString key = font.key();
  if (auto it = known.constFind(key); it != known.cend()) return *it;
  const QFontMetricsF metrics(font);
  BoxLines lines{metrics.height(), metrics.ascent()};
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  if (os2.size() < 78 || raw.unitsPerEm() <= 0) return known[key] = lines;
  const auto* table = reinterpret_cast<const uchar*>(os2.constData());
  constexpr int kWinAscent = 74, kWinDescent = 76;
  const double unit = raw.pixelSize() / raw.unitsPerEm();
  const double ascent = qFromBigEndian<quint16>(table + kWinAscent) * unit;
  const double descent = qFromBigEndian<quint16>(table + kWinDescent) * unit;
  // Never closer than the font's own lines.
  if (ascent + descent > lines.height) lines = BoxLines{ascent + descent, std::max(ascent, lines.ascent)};
  return known[key] = lines;
}

double boldStroke(const QFont& font) {
  if (!font.bold() || !g_tahomaBoldEmboldened || font.pixelSize() < kEmboldenedBelowPixels) return 0;
  if (font.family() != QLatin1String("Tahoma")) return 0;
  return font.pixelSize() * kEmboldenedStem;
}

}  // namespace qv
