#include "view/ScreenPainter.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "view/Mnemonics.h"
#include "view/Fonts.h"
#include "view/Pictures.h"
#include "view/Units.h"

namespace qv {

namespace {

constexpr double Px = TwipsPerPixel;  // one display pixel in twips
// The display's one-line box: its frame, in pixels.
constexpr int kLineEditFrame = 1;

// System colour indexes used for the classic control look.
enum Sys {
  SysWindow = 5, SysWindowFrame = 6, SysButtonFace = 15, SysButtonShadow = 16,
  SysGrayText = 17, SysButtonHighlight = 20, SysDarkShadow = 21, SysLight = 22
};
QColor sys(int index) { return systemColor(index); }

// One-pixel edge lines, top-left in one colour and bottom-right in another.
void edge(QPainter& p, const QRectF& r, const QColor& topLeft, const QColor& bottomRight) {
  if (r.width() < Px || r.height() < Px) return;
  p.fillRect(QRectF(r.left(), r.top(), r.width() - Px, Px), topLeft);
  p.fillRect(QRectF(r.left(), r.top(), Px, r.height() - Px), topLeft);
  p.fillRect(QRectF(r.left(), r.bottom() - Px, r.width(), Px), bottomRight);
  p.fillRect(QRectF(r.right() - Px, r.top(), Px, r.height()), bottomRight);
}

QRectF inset(const QRectF& r, double by) { return r.adjusted(by, by, -by, -by); }

void sunken(QPainter& p, const QRectF& r) {
  edge(p, r, sys(SysButtonShadow), sys(SysButtonHighlight));
  edge(p, inset(r, Px), sys(SysDarkShadow), sys(SysLight));
}

void raised(QPainter& p, const QRectF& r) {
  edge(p, r, sys(SysButtonHighlight), sys(SysDarkShadow));
  edge(p, inset(r, Px), sys(SysLight), sys(SysButtonShadow));
}

// Line breaks as the desktop shows them in multi-line text.
QString shownText(const QString& s) {
  QString t = s;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(u'\r', u'\n');
  return t;
}

// A caption with its access-key marks: draw it with kMnemonic, which hides
// them and underlines the key.
QString captionText(const Control& c) { return shownText(c.caption()); }
constexpr int kMnemonic = Qt::TextShowMnemonic;

int horizontalFlag(Align a) {
  switch (a) {
    case Align::Right: return Qt::AlignRight;
    case Align::Center: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

QFont paintFont(const Control& c) { return qtFont(c.font(), TwipsPerPoint); }

QColor textColor(const Control& c) {
  return c.effectivelyEnabled() ? qtColor(c.foreColor()) : sys(SysGrayText);
}

Qt::PenStyle penStyle(int borderStyle) {
  switch (borderStyle) {
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

Qt::BrushStyle hatch(int fillStyle) {
  switch (fillStyle) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

bool isContainer(const Control& c) {
  return c.type() == ControlType::PictureBox || c.type() == ControlType::Frame ||
         c.type() == ControlType::TabControl;
}

// Draws text in `rect` with Qt's text flags (alignment, Qt::TextSingleLine,
// Qt::TextWordWrap, Qt::TextDontClip, kMnemonic) and returns where it lies;
// Qt::TextDontPrint only measures. The desktop puts lines one font height
// apart where QPainter::drawText adds the font's leading, so the lines are
// laid out here; otherwise this places text as QPainter::drawText does:
// lines on whole units, each aligned by itself, no lines past a full
// rectangle, clipped to it unless the text fits.
// A box's lines (`boxLines`) are spaced as the desktop's boxes space them.
QRectF drawText(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& f,
                const QColor& color = {}, bool boxLines = false) {
  if (text.isEmpty() || rect.width() <= 0 || rect.height() <= 0) return {};
  const bool print = !(flags & Qt::TextDontPrint);
  const bool clip = !(flags & Qt::TextDontClip);
  const bool singleLine = flags & Qt::TextSingleLine;
  AccessKeyCaption shown{text};
  if (flags & kMnemonic) shown = accessKeyCaption(text);
  if (shown.text.isEmpty()) return {};
  for (QChar& ch : shown.text) {
    if (ch == u'\r' || ch == u'\t' || (singleLine && ch == u'\n')) ch = u' ';
    else if (ch == u'\n') ch = QChar::LineSeparator;
  }

  p.setFont(f);
  const QFont font = p.font();  // as the device resolves it
  const BoxLines spacing = boxLines ? qv::boxLines(font) : BoxLines{QFontMetricsF(font).height(), 0};
  const double lineHeight = spacing.height;
  const double shift = boxLines ? spacing.ascent - QFontMetricsF(font).ascent() : 0;  // the first baseline lower
  QTextLayout layout(shown.text, font);
  QTextOption option;
  option.setTextDirection(p.layoutDirection());
  layout.setTextOption(option);
  if (shown.keyIndex >= 0) {
    QTextLayout::FormatRange key{shown.keyIndex, 1, {}};
    key.format.setFontUnderline(true);
    layout.setFormats({key});
  }
  const double lineWidth = (flags & Qt::TextWordWrap) ? rect.width() : double(0x01000000);
  double height = 0, width = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(lineWidth);
    height = std::ceil(height);
    line.setPosition(QPointF(0, height + shift));
    height += lineHeight;
    width = std::max(width, line.naturalTextWidth());
    if (print && clip && height >= rect.height()) break;
  }
  layout.endLayout();

  auto offset = [&](double extent, double room, int far, int centre) {
    return (flags & far) ? room - extent : (flags & centre) ? (room - extent) / 2 : 0.0;
  };
  const double top = rect.top() + offset(height, rect.height(), Qt::AlignBottom, Qt::AlignVCenter);
  const QRectF bounds(rect.left() + offset(width, rect.width(), Qt::AlignRight, Qt::AlignHCenter), top, width,
                      height);
  if (!print) return bounds;
  p.save();
  if (clip && !rect.contains(bounds)) p.setClipRect(rect, Qt::IntersectClip);
  p.setPen(color);
  const double stroke = boldStroke(font);
  QPainterPath outline;  // of a bold the font engine leaves regular at this size
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const double left = offset(line.horizontalAdvance(), rect.width(), Qt::AlignRight, Qt::AlignHCenter);
    const QPointF at(rect.left() + left, top);
    line.draw(&p, at);
    if (stroke <= 0) continue;
    for (const QGlyphRun& run : line.glyphRuns()) {
      const QRawFont raw = run.rawFont();
      const QList<quint32> glyphs = run.glyphIndexes();
      const QList<QPointF> places = run.positions();
      for (qsizetype g = 0; g < glyphs.size(); ++g)
        outline.addPath(raw.pathForGlyph(glyphs[g]).translated(at + places[g]));
    }
  }
  if (!outline.isEmpty()) {
    // The text stays text (on paper too); its outline, stroked over it, thickens the stems.
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(outline, QPen(color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.restore();
  return bounds;
}

// Where drawText would put the text.
QRectF textBounds(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& f) {
  return drawText(p, rect, flags | Qt::TextDontPrint, text, f);
}

void paintTextBox(QPainter& p, const Control& c, const QRectF& r, bool white) {
  p.fillRect(r, white ? QColor(Qt::white) : qtColor(c.backColor()));
  if (c.borderStyle() != 0) sunken(p, r);
  const QRectF text = ScreenPainter::textBoxTextRect(c, r);
  if (c.multiLine()) {
    drawText(p, text, horizontalFlag(c.alignment()) | Qt::AlignTop | Qt::TextWordWrap, shownText(c.text()),
             paintFont(c), textColor(c), true);
    return;
  }
  // The line where the display's box puts it, cut only by the box's inside.
  p.save();
  p.setClipRect(ScreenPainter::lineEditInside(c, r), Qt::IntersectClip);
  drawText(p, ScreenPainter::lineEditLine(c, r), horizontalFlag(c.alignment()) | Qt::AlignTop | Qt::TextSingleLine |
           Qt::TextDontClip, c.text(), paintFont(c), textColor(c));
  p.restore();
}

void paintCheckMark(QPainter& p, const QRectF& box, const QColor& color) {
  // The classic tick: seven columns three pixels tall, down for three, then up.
  constexpr int kDrop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i)
    p.fillRect(QRectF(box.left() + (3 + i) * Px, box.top() + (3 + kDrop[i]) * Px, Px, 3 * Px), color);
}

void paintCheckBox(QPainter& p, const Control& c, const QRectF& r) {
  p.fillRect(r, qtColor(c.backColor()));
  const double side = 13 * Px;
  const QRectF box(r.left(), r.top() + std::floor((r.height() - side) / 2 / Px) * Px, side, side);
  const bool enabled = c.effectivelyEnabled();
  p.fillRect(inset(box, 2 * Px), enabled && c.value() != 2 ? sys(SysWindow) : sys(SysButtonFace));
  sunken(p, box);
  if (c.value() == 1) paintCheckMark(p, box, enabled ? QColor(Qt::black) : sys(SysGrayText));
  if (c.value() == 2) paintCheckMark(p, box, sys(SysGrayText));
  const QRectF text = r.adjusted(side + 4 * Px, 0, 0, 0);
  drawText(p, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | kMnemonic, captionText(c),
           paintFont(c), textColor(c));
}

void paintOptionButton(QPainter& p, const Control& c, const QRectF& r) {
  p.fillRect(r, qtColor(c.backColor()));
  const double side = 12 * Px;
  const QRectF box(r.left(), r.top() + std::floor((r.height() - side) / 2 / Px) * Px, side, side);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(sys(SysButtonShadow), Px));
  p.setBrush(c.effectivelyEnabled() ? sys(SysWindow) : sys(SysButtonFace));
  p.drawEllipse(inset(box, Px / 2));
  p.setPen(QPen(sys(SysDarkShadow), Px));
  p.setBrush(Qt::NoBrush);
  p.drawArc(inset(box, 1.5 * Px), 45 * 16, 180 * 16);
  if (c.value() != 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(c.effectivelyEnabled() ? QColor(Qt::black) : sys(SysGrayText));
    p.drawEllipse(inset(box, 4 * Px));
  }
  p.restore();
  const QRectF text = r.adjusted(side + 4 * Px, 0, 0, 0);
  drawText(p, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | kMnemonic, captionText(c),
           paintFont(c), textColor(c));
}

void paintComboBox(QPainter& p, const Control& c, const QRectF& r) {
  p.fillRect(r, qtColor(c.backColor()));
  sunken(p, r);
  const double button = 16 * Px;
  const QRectF inner = inset(r, 2 * Px);
  const QRectF drop(inner.right() - button, inner.top(), button, inner.height());
  p.fillRect(drop, sys(SysButtonFace));
  raised(p, drop);
  // The arrow: a triangle 7 pixels wide, 4 high.
  const double cx = std::floor((drop.left() + drop.width() / 2) / Px) * Px;
  const double cy = std::floor((drop.top() + drop.height() / 2) / Px) * Px - Px;
  for (int i = 0; i < 4; ++i)
    p.fillRect(QRectF(cx - (3 - i) * Px, cy + i * Px, (7 - 2 * i) * Px, Px),
               c.effectivelyEnabled() ? QColor(Qt::black) : sys(SysGrayText));
  const QString text = c.listIndex() >= 0 && c.listIndex() < c.items().size()
                           ? c.items().at(c.listIndex())
                           : c.text();
  drawText(p, QRectF(inner.left() + Px, inner.top(), drop.left() - inner.left() - 2 * Px, inner.height()),
           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text, paintFont(c), textColor(c));
}

void paintFrame(QPainter& p, const Control& c, const QRectF& r) {
  p.fillRect(r, qtColor(c.backColor()));
  const QFont f = paintFont(c);
  const QFontMetricsF fm(f);
  if (c.borderStyle() != 0) {
    // Etched border: a shadow line with a highlight line inside it, its top
    // through the middle of the caption.
    const double top = r.top() + std::floor(fm.height() / 2 / Px) * Px;
    const QRectF outer(r.left(), top, r.width() - Px, r.bottom() - top - Px);
    const QRectF inner = outer.translated(Px, Px);
    for (const auto& [rect, color] :
         {std::pair{outer, sys(SysButtonShadow)}, std::pair{inner, sys(SysButtonHighlight)}}) {
      p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), Px), color);
      p.fillRect(QRectF(rect.left(), rect.bottom() - Px, rect.width(), Px), color);
      p.fillRect(QRectF(rect.left(), rect.top(), Px, rect.height()), color);
      p.fillRect(QRectF(rect.right() - Px, rect.top(), Px, rect.height()), color);
    }
  }
  const QString caption = captionText(c);
  if (caption.isEmpty()) return;
  // The caption starts at the top left and is cut off inside the right
  // border when it is too long; the border line stops two pixels short of
  // it on either side.
  const double left = r.left() + 8 * Px;
  const double right = r.right() - 2 * Px;
  const double advance =
      textBounds(p, QRectF(0, 0, 1e7, 1e7), Qt::TextSingleLine | kMnemonic, caption, f).width();
  const double width = std::min(std::ceil(advance / Px) * Px, right - left);
  if (width <= 0) return;
  const QRectF text(left, r.top(), width, fm.height());
  p.fillRect(QRectF(left - 2 * Px, r.top(), std::min(width + 4 * Px, right - left + 2 * Px), fm.height()),
             qtColor(c.backColor()));
  drawText(p, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | kMnemonic, caption, f, textColor(c));
}

void paintPictureBox(QPainter& p, const Control& c, const QRectF& r) {
  p.fillRect(r, qtColor(c.backColor()));
  if (c.borderStyle() != 0) sunken(p, r);
  const QImage image = loadPicture(c.picture());
  if (image.isNull()) return;
  const QPoint offset = ScreenPainter::clientOffset(c);
  const QRectF client = r.adjusted(offset.x(), offset.y(), -offset.x(), -offset.y());
  p.save();
  p.setClipRect(client, Qt::IntersectClip);
  if (c.stretch()) {
    const QSizeF cover = QSizeF(image.size()).scaled(client.size(), Qt::KeepAspectRatioByExpanding);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(client.center() - QPointF(cover.width() / 2, cover.height() / 2), cover), image);
  } else {
    p.drawImage(QRectF(client.topLeft(), QSizeF(image.width() * Px, image.height() * Px)), image);
  }
  p.restore();
}

void paintTabControl(QPainter& p, const Control& c, const QRectF& r) {
  const double strip = ScreenPainter::tabStripHeight(c);
  const QRectF page(r.left(), r.top() + strip, r.width(), r.height() - strip);
  p.fillRect(page, qtColor(c.backColor()));
  raised(p, page);
  const int count = int(c.items().size());
  if (count == 0 || strip < 2 * Px) return;
  const double width = std::floor(r.width() / count / Px) * Px;
  const QFont f = paintFont(c);
  auto paintTab = [&](int i) {
    const bool current = i == c.currentTab();
    const double lift = current ? 0 : 2 * Px;
    QRectF tab(r.left() + i * width, r.top() + lift, i == count - 1 ? r.right() - (r.left() + i * width) : width,
               strip - lift + (current ? Px : 0));
    p.fillRect(tab, qtColor(c.backColor()));
    p.fillRect(QRectF(tab.left(), tab.top(), tab.width() - Px, Px), sys(SysButtonHighlight));
    p.fillRect(QRectF(tab.left(), tab.top(), Px, tab.height()), sys(SysButtonHighlight));
    p.fillRect(QRectF(tab.right() - 2 * Px, tab.top() + Px, Px, tab.height() - Px), sys(SysButtonShadow));
    p.fillRect(QRectF(tab.right() - Px, tab.top() + Px, Px, tab.height() - Px), sys(SysDarkShadow));
    drawText(p, inset(tab, 2 * Px), Qt::AlignCenter | Qt::TextSingleLine, shownText(c.items().at(i)), f,
             textColor(c));
  };
  for (int i = 0; i < count; ++i)
    if (i != c.currentTab()) paintTab(i);
  if (c.currentTab() >= 0 && c.currentTab() < count) paintTab(c.currentTab());
}

void paintGrid(QPainter& p, const Control& c, const QRectF& r) {
  p.fillRect(r, qtColor(c.backColor()));
  const bool border = c.borderStyle() != 0;
  const QRectF inner = border ? inset(r, 2 * Px) : r;
  p.save();
  p.setClipRect(inner, Qt::IntersectClip);
  const QFont f = paintFont(c);
  const double rowHeight = ScreenPainter::gridRowHeight(c);
  const QColor line(0xC0, 0xC0, 0xC0);
  double y = inner.top();
  for (int row = 0; row < c.rows() && y < inner.bottom(); ++row, y += rowHeight) {
    double x = inner.left();
    for (int col = 0; col < c.cols() && x < inner.right(); ++col) {
      const QRectF cell(x, y, snapTwips(ScreenPainter::gridColumnWidth(c, col)), rowHeight);
      if (row == 0 || col == 0) p.fillRect(cell, sys(SysButtonFace));
      p.fillRect(QRectF(cell.right() - Px, cell.top(), Px, cell.height()), line);
      p.fillRect(QRectF(cell.left(), cell.bottom() - Px, cell.width(), Px), line);
      drawText(p, cell.adjusted(2 * Px, 0, -2 * Px, -Px),
               int(ScreenPainter::gridColumnAlignment(c, col) | Qt::AlignVCenter) | Qt::TextSingleLine,
               c.cell(row, col), f, textColor(c));
      x += cell.width();
    }
  }
  p.restore();
  if (border) sunken(p, r);
}

}  // namespace

ScreenPainter::ScreenPainter(const Screen& screen, PaintOptions options)
    : screen_(screen), options_(options) {}

QPoint ScreenPainter::clientOffset(const Control& container) {
  if (container.type() == ControlType::PictureBox && container.borderStyle() != 0)
    return QPoint(2 * TwipsPerPixel, 2 * TwipsPerPixel);
  return QPoint(0, 0);
}

QRectF ScreenPainter::lineEditInside(const Control& box, const QRectF& rect) {
  return box.borderStyle() != 0 ? inset(rect, kLineEditFrame * Px) : rect;
}

QRectF ScreenPainter::lineEditLine(const Control& box, const QRectF& rect) {
  // The display's line edit centres a line as high as the font, or as the
  // text's ink where that is higher (marks over capitals), in its inside,
  // rounding down on whole pixels; the baseline lies one ascent below.
  const QRectF inside = lineEditInside(box, rect);
  const QFontMetrics shown(qtFont(box.font(), PixelsPerPoint));
  const int line = std::max(shown.boundingRect(box.text()).height(), shown.height());
  const int room = int(std::lround(inside.height() / Px));
  const double baseline = inside.top() + ((room - line + 1) / 2 + shown.ascent()) * Px;
  // Across, the text rectangle's room: the paper's letters are a little wider.
  const QRectF across = textBoxTextRect(box, rect);
  const QFontMetricsF painted(paintFont(box));
  return QRectF(across.left(), baseline - painted.ascent(), across.width(), painted.height());
}

QRectF ScreenPainter::textBoxTextRect(const Control& box, const QRectF& rect) {
  // Inside the sunken border and a pixel's gap; without a border, a pixel in.
  const double side = (box.borderStyle() != 0 ? 3 : 1) * Px;
  const double bottom = (box.borderStyle() != 0 ? 2 : 0) * Px;
  return rect.adjusted(side, side, -side, -bottom);
}

int ScreenPainter::gridColumnWidth(const Control& grid, int col) {
  // Control offers its column widths for writing only.
  const QVector<int>& widths = const_cast<Control&>(grid).colWidths();
  return col >= 0 && col < widths.size() && widths[col] > 0 ? widths[col] : 960;
}

Qt::Alignment ScreenPainter::gridColumnAlignment(const Control& grid, int col) {
  // The settings run left, centre, right in threes (top, centre, bottom each).
  switch (grid.colAlignment(col) / 3) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
  }
}

int ScreenPainter::gridRowHeight(const Control& grid) {
  if (grid.rowHeight() > 0) return snapTwips(grid.rowHeight());
  const double line = QFontMetricsF(paintFont(grid)).height() + 4 * Px;
  return std::max(240, int(std::ceil(line / Px)) * TwipsPerPixel);
}

int ScreenPainter::tabStripHeight(const Control& tabs) {
  return snapTwips(tabs.tabHeight() > 0 ? tabs.tabHeight() : 300);
}

int ScreenPainter::tabAt(const Control& tabs, QPoint point) {
  const int count = int(tabs.items().size());
  const QRect r = rectOf(tabs);
  if (count == 0 || point.y() < 0 || point.y() >= tabStripHeight(tabs) || point.x() < 0 ||
      point.x() >= r.width())
    return -1;
  const int width = std::max(1, snapTwips(r.width() / count));
  return std::min(count - 1, point.x() / width);
}

bool ScreenPainter::shown(const Control& c) {
  if (!c.visible()) return false;
  const Control* box = c.container();
  return c.tabPage() < 0 || !box || box->type() != ControlType::TabControl ||
         box->currentTab() == c.tabPage();
}

QRect ScreenPainter::rectOf(const Control& c) {
  if (c.type() == ControlType::Line) {
    const int x1 = snapTwips(c.x1()), x2 = snapTwips(c.x2());
    const int y1 = snapTwips(c.y1()), y2 = snapTwips(c.y2());
    const int pen = std::max(1, c.borderWidth()) * TwipsPerPixel;
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) + pen - 1, std::max(y1, y2) + pen - 1));
  }
  const int x = snapTwips(c.left()), y = snapTwips(c.top());
  return QRect(x, y, snapTwips(c.left() + c.width()) - x, snapTwips(c.top() + c.height()) - y);
}

Control* ScreenPainter::graphicalAt(const Control* container, QPoint point) const {
  const std::vector<Control*> kids = screen_.children(container);
  for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
    Control* c = *it;
    if (c->type() != ControlType::Label && c->type() != ControlType::Image) continue;
    if (!shown(*c) || !c->enabled()) continue;
    if (rectOf(*c).contains(point)) return c;
  }
  return nullptr;
}

void ScreenPainter::paintScreen(QPainter& p) const {
  // Only the window's inside: a screen cut to its document for paper or a
  // picture keeps what lies below the cut (the status line, notes) off it.
  // What lies wholly outside is not drawn at all (a PDF would keep clipped
  // text as text); what crosses the edge is clipped there.
  const QRectF inside(0, 0, screen_.scaleWidth(), screen_.scaleHeight());
  p.save();
  p.setClipRect(inside, Qt::IntersectClip);
  p.fillRect(inside, qtColor(screen_.backColor()));
  paintChildren(p, nullptr, inside);
  p.restore();
}

void ScreenPainter::paintChildren(QPainter& p, const Control* container, const QRectF& area) const {
  paintGraphical(p, container, area);
  if (!options_.windowedControls) return;
  for (Control* c : screen_.children(container))
    if (!c->isGraphical() && (area.isNull() || area.intersects(rectOf(*c)))) paintControl(p, *c);
}

void ScreenPainter::paintGraphical(QPainter& p, const Control* container, const QRectF& area) const {
  for (Control* c : screen_.children(container)) {
    if (!c->isGraphical() || !shown(*c)) continue;
    if (!area.isNull() && !area.intersects(rectOf(*c))) continue;
    paintControl(p, *c);
  }
}

void ScreenPainter::paintControl(QPainter& p, const Control& c) const {
  if (!shown(c)) return;
  switch (c.type()) {
    case ControlType::Label: paintLabel(p, c); return;
    case ControlType::Shape: paintShape(p, c); return;
    case ControlType::Line: paintLine(p, c); return;
    case ControlType::Image: paintImage(p, c); return;
    default: break;
  }
  const QRect r = rectOf(c);
  if (r.isEmpty()) return;
  p.save();
  paintFace(p, c, r);
  if (isContainer(c)) {
    // Children show only inside the container's border.
    const QPoint offset = clientOffset(c);
    p.setClipRect(r.adjusted(offset.x(), offset.y(), -offset.x(), -offset.y()), Qt::IntersectClip);
    p.translate(r.topLeft() + offset);
    paintChildren(p, &c);
  }
  p.restore();
}

void ScreenPainter::paintFace(QPainter& p, const Control& c, const QRectF& r) const {
  switch (c.type()) {
    case ControlType::TextBox:
      paintTextBox(p, c, r, options_.whiteEditColors);
      return;
    case ControlType::CommandButton: paintCommandButton(p, c, r); return;
    case ControlType::CheckBox: paintCheckBox(p, c, r); return;
    case ControlType::OptionButton: paintOptionButton(p, c, r); return;
    case ControlType::ComboBox: paintComboBox(p, c, r); return;
    case ControlType::Frame: paintFrame(p, c, r); return;
    case ControlType::PictureBox: paintPictureBox(p, c, r); return;
    case ControlType::TabControl: paintTabControl(p, c, r); return;
    case ControlType::Grid: paintGrid(p, c, r); return;
    default: return;
  }
}

void ScreenPainter::paintCommandButton(QPainter& p, const Control& c, const QRectF& rect,
                                       ButtonState state) const {
  // Too small for its bevel (the message box's focus holder is a pixel wide):
  // there to hold the focus, not to be seen.
  if (rect.width() < 4 * Px || rect.height() < 4 * Px) return;
  p.fillRect(rect, c.graphicalStyle() ? qtColor(c.backColor()) : sys(SysButtonFace));
  QRectF bevel = rect;
  if (state.focused || state.pressed) {
    edge(p, bevel, sys(SysWindowFrame), sys(SysWindowFrame));
    bevel = inset(bevel, Px);
  }
  if (state.pressed) edge(p, bevel, sys(SysButtonShadow), sys(SysButtonShadow));
  else raised(p, bevel);
  const double shift = state.pressed ? Px : 0;
  paintButtonContent(p, c, inset(rect, 2 * Px).translated(shift, shift));
  if (state.focused) {
    // The dotted rectangle: every other pixel, starting at the corner.
    const QRectF f = inset(rect, 4 * Px);
    if (f.width() < 2 * Px || f.height() < 2 * Px) return;
    const QColor color = qtColor(c.foreColor());
    for (double x = f.left(); x < f.right(); x += 2 * Px) {
      p.fillRect(QRectF(x, f.top(), Px, Px), color);
      p.fillRect(QRectF(x, f.bottom() - Px, Px, Px), color);
    }
    for (double y = f.top(); y < f.bottom(); y += 2 * Px) {
      p.fillRect(QRectF(f.left(), y, Px, Px), color);
      p.fillRect(QRectF(f.right() - Px, y, Px, Px), color);
    }
  }
}

void ScreenPainter::paintButtonContent(QPainter& p, const Control& c, const QRectF& rect) const {
  const QFont f = paintFont(c);
  const QColor color = textColor(c);
  const QRectF area = rect.adjusted(Px, Px, -Px, -Px);
  const QString caption = captionText(c);
  const QImage image = c.graphicalStyle() ? loadPicture(c.picture()) : QImage();
  if (image.isNull()) {
    drawText(p, area, Qt::AlignCenter | Qt::TextWordWrap | kMnemonic, caption, f, color);
    return;
  }
  // The picture centred above the caption, which sits at the bottom.
  const double textHeight =
      textBounds(p, area, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap | kMnemonic, caption, f).height();
  const double textTop = area.bottom() - textHeight;
  const QRectF picArea(area.left(), area.top(), area.width(), std::max(0.0, textTop - area.top()));
  QSizeF size(image.width() * Px, image.height() * Px);
  if (size.width() > picArea.width() || size.height() > picArea.height())
    size.scale(picArea.size(), Qt::KeepAspectRatio);
  const QRectF target(picArea.left() + std::round((picArea.width() - size.width()) / 2 / Px) * Px,
                      picArea.top() + std::round((picArea.height() - size.height()) / 2 / Px) * Px,
                      size.width(), size.height());
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!c.effectivelyEnabled()) p.setOpacity(0.4);
  p.drawImage(target, image);
  p.restore();
  drawText(p, QRectF(area.left(), textTop, area.width(), textHeight + Px),
           Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | kMnemonic, caption, f, color);
}

void ScreenPainter::paintLabel(QPainter& p, const Control& c) const {
  const QRectF r = rectOf(c);
  if (r.isEmpty()) return;
  if (c.backStyle() != 0) p.fillRect(r, qtColor(c.backColor()));
  const bool border = c.borderStyle() != 0;
  if (border) edge(p, r, sys(SysWindowFrame), sys(SysWindowFrame));
  // Labels wrap their caption at word boundaries whenever it is wider than
  // they are. A label that sizes itself to its caption is never cut: with
  // other font metrics its caption may need a little more room than laid out.
  const bool grows = c.autoSize();
  const int flags = horizontalFlag(c.alignment()) | Qt::AlignTop |
                    (grows && !c.wordWrap() ? 0 : int(Qt::TextWordWrap)) |
                    (grows ? int(Qt::TextDontClip) : 0) | kMnemonic;
  drawText(p, border ? inset(r, Px) : r, flags, captionText(c), paintFont(c), textColor(c));
}

void ScreenPainter::paintShape(QPainter& p, const Control& c) const {
  QRectF r = rectOf(c);
  if (r.isEmpty()) return;
  const int kind = c.shape();
  if (kind == 1 || kind == 3 || kind == 5) {  // square shapes: the largest square, centred
    const double side = std::min(r.width(), r.height());
    r = QRectF(r.left() + std::floor((r.width() - side) / 2 / Px) * Px,
               r.top() + std::floor((r.height() - side) / 2 / Px) * Px, side, side);
  }
  const bool oval = kind == 2 || kind == 3;
  const bool rounded = kind == 4 || kind == 5;
  const double radius = std::floor(std::min(r.width(), r.height()) / 6 / Px) * Px;
  const double pen = c.borderStyle() == 0 ? 0 : std::max(1, c.borderWidth()) * Px;
  QPainterPath outline;
  const QRectF body = inset(r, pen / 2);
  if (oval) outline.addEllipse(body);
  else if (rounded) outline.addRoundedRect(body, radius, radius);
  else outline.addRect(body);

  p.save();
  p.setRenderHint(QPainter::Antialiasing, oval || rounded);
  if (c.backStyle() != 0) p.fillPath(outline, qtColor(c.backColor()));
  const Qt::BrushStyle fill = hatch(c.fillStyle());
  if (fill != Qt::NoBrush) p.fillPath(outline, QBrush(qtColor(c.fillColor()), fill));
  if (pen > 0) {
    const QColor color = qtColor(c.borderColor());
    const Qt::PenStyle style = penStyle(c.borderStyle());
    if (!oval && !rounded && style == Qt::SolidLine) {
      // Solid rectangles as filled edges: exactly on the pixel grid.
      p.fillRect(QRectF(r.left(), r.top(), r.width(), pen), color);
      p.fillRect(QRectF(r.left(), r.bottom() - pen, r.width(), pen), color);
      p.fillRect(QRectF(r.left(), r.top(), pen, r.height()), color);
      p.fillRect(QRectF(r.right() - pen, r.top(), pen, r.height()), color);
    } else {
      QPen outlinePen(color, pen, style, Qt::FlatCap, Qt::MiterJoin);
      p.strokePath(outline, outlinePen);
    }
  }
  p.restore();
}

void ScreenPainter::paintLine(QPainter& p, const Control& c) const {
  if (c.borderStyle() == 0) return;
  const int x1 = snapTwips(c.x1()), x2 = snapTwips(c.x2());
  const int y1 = snapTwips(c.y1()), y2 = snapTwips(c.y2());
  if (x1 == x2 && y1 == y2) return;
  const int width = std::max(1, c.borderWidth());
  const double pen = width * Px;
  // Wide pens are centred on the line, as the desktop draws them.
  const double shift = ((width - 1) / 2) * Px;
  const QColor color = qtColor(c.borderColor());
  const Qt::PenStyle style = penStyle(c.borderStyle());
  // The end point itself is not drawn.
  if (style == Qt::SolidLine && y1 == y2) {
    p.fillRect(QRectF(std::min(x1, x2), y1 - shift, std::abs(x2 - x1), pen), color);
    return;
  }
  if (style == Qt::SolidLine && x1 == x2) {
    p.fillRect(QRectF(x1 - shift, std::min(y1, y2), pen, std::abs(y2 - y1)), color);
    return;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing, x1 != x2 && y1 != y2);
  p.setPen(QPen(color, pen, style, Qt::FlatCap));
  const QPointF centre(pen / 2 - shift, pen / 2 - shift);
  p.drawLine(QPointF(x1, y1) + centre, QPointF(x2, y2) + centre);
  p.restore();
}

void ScreenPainter::paintImage(QPainter& p, const Control& c) const {
  const QImage image = loadPicture(c.picture());
  if (image.isNull()) return;
  const QRectF r = rectOf(c);
  p.save();
  if (c.stretch()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(r, image);
  } else {
    p.drawImage(QRectF(r.topLeft(), QSizeF(image.width() * Px, image.height() * Px)), image);
  }
  p.restore();
}

QImage renderScreen(const Screen& screen, PaintOptions options) {
  const QSize size(twipsToPixels(screen.scaleWidth()), twipsToPixels(screen.scaleHeight()));
  if (size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  image.fill(qtColor(screen.backColor()));
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
  ScreenPainter(screen, options).paintScreen(p);
  return image;
}

}  // namespace qv
