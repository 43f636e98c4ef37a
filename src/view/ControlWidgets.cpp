#include "view/ControlWidgets.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

#include "view/Mnemonics.h"
#include "view/Fonts.h"
#include "view/ScreenPainter.h"
#include "view/Units.h"

namespace qv {

namespace {

constexpr int kSysHighlight = 13, kSysHighlightText = 14, kSysButtonFace = 15, kSysGrayText = 17;
// The desktop edit control's gap between its border and its text, in pixels.
constexpr double kTextMargin = 1;

Qt::Alignment alignmentOf(const Control& c) {
  switch (c.alignment()) {
    case Align::Right: return Qt::AlignRight;
    case Align::Center: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

// What a multi-line text edit holds: one character for each line break.
QString widgetText(const QString& modelText) {
  QString s = modelText;
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(u'\r', u'\n');
  return s;
}

void setColors(QPalette& pal, QPalette::ColorRole back, QPalette::ColorRole fore, const QColor& b,
               const QColor& f) {
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, back, b);
    pal.setColor(group, fore, group == QPalette::Disabled ? systemColor(kSysGrayText) : f);
  }
}

void applyColors(QWidget* w, const Control& c) {
  QPalette pal = w->palette();
  const QColor back = qtColor(c.backColor()), fore = qtColor(c.foreColor());
  switch (c.type()) {
    case ControlType::TextBox:
    case ControlType::Grid:
      setColors(pal, QPalette::Base, QPalette::Text, back, fore);
      break;
    case ControlType::ComboBox:
      setColors(pal, QPalette::Base, QPalette::Text, back, fore);
      setColors(pal, QPalette::Button, QPalette::ButtonText, back, fore);
      break;
    case ControlType::CheckBox:
    case ControlType::OptionButton:
      // Buttons fill their background from the Button role.
      setColors(pal, QPalette::Window, QPalette::WindowText, back, fore);
      setColors(pal, QPalette::Button, QPalette::ButtonText, back, fore);
      w->setAutoFillBackground(true);
      break;
    case ControlType::CommandButton:
      setColors(pal, QPalette::Button, QPalette::ButtonText,
                c.graphicalStyle() ? back : systemColor(kSysButtonFace), fore);
      break;
    default:
      break;
  }
  pal.setColor(QPalette::Highlight, systemColor(kSysHighlight));
  pal.setColor(QPalette::HighlightedText, systemColor(kSysHighlightText));
  w->setPalette(pal);
}

// How far down Qt puts a line of `font` within a line of fixed height
// (it sets the baseline four fifths down, less the leading), measured on a
// document of its own: the widget's lays nothing out before it is shown.
double fixedHeightLineOffset(const QFont& font, double lineHeight) {
  QTextDocument scratch;
  scratch.setDefaultFont(font);
  QTextBlockFormat format;
  format.setLineHeight(lineHeight, QTextBlockFormat::FixedHeight);
  QTextCursor(&scratch).setBlockFormat(format);
  scratch.documentLayout()->blockBoundingRect(scratch.firstBlock());  // lays it out
  const QTextLayout* layout = scratch.firstBlock().layout();
  return layout && layout->lineCount() > 0 ? layout->lineAt(0).y() : 0.0;
}

// Lines spaced as the desktop's edit control and the painter space them (no
// leading, room for the marks over capitals), so a box holds as many lines
// on screen as on paper; the top margin takes back Qt's offset within the
// line, so the first baseline lies the desktop's ascent below the margin.
// Needed again whenever the text or font is replaced: new text drops the
// block and frame formats.
void formatLines(QTextEdit* t, const Control& c) {
  QTextDocument* doc = t->document();
  const BoxLines lines = boxLines(t->font());
  QTextBlockFormat format;
  format.setAlignment(alignmentOf(c));
  format.setLineHeight(lines.height, QTextBlockFormat::FixedHeight);
  QTextCursor all(doc);
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(format);
  QTextFrameFormat frame = doc->rootFrame()->frameFormat();
  frame.setTopMargin(kTextMargin + lines.ascent - QFontMetricsF(t->font()).ascent() -
                     fixedHeightLineOffset(t->font(), lines.height));
  doc->rootFrame()->setFrameFormat(frame);
}

void applyAppearance(QWidget* w, const Control& c) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setFrame(c.borderStyle() != 0);
    e->setAlignment(alignmentOf(c) | Qt::AlignVCenter);
  } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
    t->setFrameStyle(c.borderStyle() != 0 ? QFrame::WinPanel | QFrame::Sunken : QFrame::NoFrame);
    formatLines(t, c);
  }
  w->update();
}

void applyText(QWidget* w, const Control& c) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    if (e->text() != c.text()) e->setText(c.text());
  } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
    const QString text = widgetText(c.text());
    if (t->toPlainText() == text) return;
    t->setPlainText(text);
    formatLines(t, c);
  }
}

void applySelection(QWidget* w, const Control& c) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    if (c.selLength() > 0) {
      e->setSelection(c.selStart(), c.selLength());
    } else {
      e->deselect();
      e->setCursorPosition(c.selStart());
    }
  } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
    QTextCursor cursor(t->document());
    cursor.setPosition(widgetTextPosition(c.text(), c.selStart()));
    cursor.setPosition(widgetTextPosition(c.text(), c.selStart() + c.selLength()), QTextCursor::KeepAnchor);
    t->setTextCursor(cursor);
  }
}

void applyValue(QWidget* w, const Control& c) {
  if (auto* box = qobject_cast<QCheckBox*>(w)) {
    box->setTristate(c.value() == 2);
    box->setCheckState(c.value() == 1 ? Qt::Checked : c.value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
    option->setChecked(c.value() != 0);
  }
}

void applyList(QWidget* w, const Control& c) {
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    const QSignalBlocker block(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (shown != c.items()) {
      combo->clear();
      combo->addItems(c.items());
    }
    combo->setCurrentIndex(c.listIndex());
  } else {
    w->update();
  }
}

void applyCells(QWidget* w, const Control& c) {
  auto* table = qobject_cast<QTableWidget*>(w);
  if (!table) return;
  table->setRowCount(c.rows());
  table->setColumnCount(c.cols());
  const QColor fixed = systemColor(kSysButtonFace);
  for (int row = 0; row < c.rows(); ++row)
    for (int col = 0; col < c.cols(); ++col) {
      QTableWidgetItem* item = table->item(row, col);
      if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (row == 0 || col == 0) item->setBackground(fixed);
        table->setItem(row, col, item);
      }
      item->setText(c.cell(row, col));
      item->setTextAlignment(ScreenPainter::gridColumnAlignment(c, col) | Qt::AlignVCenter);
    }
  for (int col = 0; col < c.cols(); ++col) {
    table->setColumnWidth(col, twipsToPixels(ScreenPainter::gridColumnWidth(c, col)));
  }
  table->verticalHeader()->setDefaultSectionSize(twipsToPixels(ScreenPainter::gridRowHeight(c)));
}

// The current row highlighted and in sight; the fixed first row is never one.
void applyCurrentRow(QWidget* w, const Control& c) {
  auto* table = qobject_cast<QTableWidget*>(w);
  if (!table) return;
  const int row = c.gridRow();
  if (row < 1 || row >= table->rowCount()) {
    table->clearSelection();
    return;
  }
  table->selectRow(row);
  table->scrollToItem(table->item(row, 0));
}

void applyGeometry(QWidget* w, const Control& c) {
  QRect r = ScreenPainter::rectOf(c);
  if (c.container()) r.translate(ScreenPainter::clientOffset(*c.container()));
  w->setGeometry(twipsToPixels(r.x()), twipsToPixels(r.y()), twipsToPixels(r.width()),
                 twipsToPixels(r.height()));
}

// A widget never acts on its own: no focus from clicks or Tab, no drops, no menus.
void makePassive(QWidget* w) {
  w->setFocusPolicy(Qt::NoFocus);
  w->setAcceptDrops(false);
  w->setContextMenuPolicy(Qt::NoContextMenu);
}

}  // namespace

// ---- Widgets ----

ButtonWidget::ButtonWidget(Control& c, const ScreenPainter& painter, QWidget* parent)
    : QPushButton(parent), control_(c), painter_(painter) {
  setAutoDefault(false);
  setDefault(false);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
  // The classic bevel, as in pictures and on paper, rather than the style's.
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
  painter_.paintCommandButton(p, control_, QRectF(0, 0, pixelsToTwips(width()), pixelsToTwips(height())),
                              ButtonState{isDown(), hasFocus()});
}

ContainerWidget::ContainerWidget(Control& c, const ScreenPainter& painter, QWidget* parent)
    : QWidget(parent), control_(c), painter_(painter) {}

void ContainerWidget::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
  const QRectF whole(0, 0, pixelsToTwips(width()), pixelsToTwips(height()));
  painter_.paintFace(p, control_, whole);
  const QPoint offset = ScreenPainter::clientOffset(control_);
  p.setClipRect(whole.adjusted(offset.x(), offset.y(), -offset.x(), -offset.y()));
  p.translate(offset);
  const QRect dirty = event->rect();
  const QRectF area(pixelsToTwips(dirty.x()) - offset.x(), pixelsToTwips(dirty.y()) - offset.y(),
                    pixelsToTwips(dirty.width()), pixelsToTwips(dirty.height()));
  painter_.paintGraphical(p, &control_, area);
}

QWidget* createControlWidget(Control& c, const ScreenPainter& painter, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.type()) {
    case ControlType::TextBox:
      if (c.multiLine()) {
        // A QTextEdit rather than a QPlainTextEdit: only its layout keeps
        // a fixed line height.
        auto* t = new QTextEdit(parent);
        t->setAcceptRichText(false);
        t->setLineWrapMode(QTextEdit::WidgetWidth);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setUndoRedoEnabled(false);
        t->document()->setDocumentMargin(kTextMargin);
        t->viewport()->setAcceptDrops(false);
        w = t;
      } else {
        auto* e = new QLineEdit(parent);
        e->setTextMargins(0, 0, 0, 0);
        w = e;
      }
      break;
    case ControlType::CommandButton:
      w = new ButtonWidget(c, painter, parent);
      break;
    case ControlType::CheckBox:
      w = new QCheckBox(parent);
      break;
    case ControlType::OptionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);  // the model clears the other options
      w = option;
      break;
    }
    case ControlType::ComboBox:
      w = new QComboBox(parent);
      break;
    case ControlType::Frame:
    case ControlType::PictureBox:
    case ControlType::TabControl:
      w = new ContainerWidget(c, painter, parent);
      break;
    case ControlType::Grid: {
      auto* table = new QTableWidget(parent);
      table->horizontalHeader()->hide();
      table->verticalHeader()->hide();
      table->verticalHeader()->setMinimumSectionSize(1);
      table->setEditTriggers(QAbstractItemView::NoEditTriggers);
      // The selection is the model's current row; the widget never moves it.
      table->setSelectionMode(QAbstractItemView::SingleSelection);
      table->setSelectionBehavior(QAbstractItemView::SelectRows);
      w = table;
      break;
    }
    default:
      return nullptr;
  }
  makePassive(w);
  for (Prop p : {Prop::Geometry, Prop::Font, Prop::Colors, Prop::Appearance, Prop::Caption, Prop::Text,
                 Prop::Value, Prop::List, Prop::Cells, Prop::CurrentRow, Prop::Enabled, Prop::Visible})
    updateControlWidget(w, c, p);
  return w;
}

void updateControlWidget(QWidget* w, Control& c, Prop what) {
  if (!w) return;
  switch (what) {
    case Prop::Geometry:
      applyGeometry(w, c);
      return;
    case Prop::Visible:
      w->setVisible(ScreenPainter::shown(c));
      return;
    case Prop::Enabled:
      w->setEnabled(c.enabled());
      w->update();
      return;
    case Prop::Caption:
      if (auto* b = qobject_cast<QAbstractButton*>(w); b && !dynamic_cast<ButtonWidget*>(w)) {
        b->setText(qtMnemonicText(c.caption()));
        // The access key underlines only: the model handles the keys, not
        // the button's own shortcut.
        b->setShortcut(QKeySequence());
      }
      w->update();
      return;
    case Prop::Text:
      applyText(w, c);
      applySelection(w, c);
      return;
    case Prop::Selection:
      applySelection(w, c);
      return;
    case Prop::Font:
      w->setFont(qtFont(c.font(), PixelsPerPoint));
      if (auto* t = qobject_cast<QTextEdit*>(w)) formatLines(t, c);
      return;
    case Prop::Colors:
      applyColors(w, c);
      w->update();
      return;
    case Prop::Appearance:
      applyAppearance(w, c);
      return;
    case Prop::Value:
      applyValue(w, c);
      return;
    case Prop::List:
    case Prop::ListIndex:
      applyList(w, c);
      return;
    case Prop::Cells:
      applyCells(w, c);
      applyCurrentRow(w, c);  // rows added or gone
      return;
    case Prop::CurrentRow:
      applyCurrentRow(w, c);
      return;
    case Prop::Picture:
    case Prop::Tabs:
      w->update();
      return;
    case Prop::Focus:
      return;
  }
}

QWidget* inputSurface(QWidget* w) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport();
  return w;
}

int widgetTextPosition(const QString& modelText, int modelPos) {
  int pairs = 0;
  for (int i = 0; i + 1 < modelText.size() && i + 1 <= modelPos; ++i)
    if (modelText[i] == u'\r' && modelText[i + 1] == u'\n') ++pairs;
  return modelPos - pairs;
}

int modelTextPosition(const QString& modelText, int widgetPos) {
  int i = 0;
  for (int w = 0; w < widgetPos && i < modelText.size(); ++w)
    i += (modelText[i] == u'\r' && i + 1 < modelText.size() && modelText[i + 1] == u'\n') ? 2 : 1;
  return i;
}

int textPositionAt(QWidget* w, const Control& c, QPoint pos) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->cursorPositionAt(pos);
  if (auto* t = qobject_cast<QTextEdit*>(w))
    return modelTextPosition(c.text(), t->cursorForPosition(pos).position());
  return 0;
}

}  // namespace qv
