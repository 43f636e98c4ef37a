#include "controls/Control.h"

#include <algorithm>

#include "controls/Screen.h"
#include "runtime/Error.h"

namespace qv {

namespace {
struct TypeName {
  ControlType type;
  const char* name;
};
constexpr TypeName kTypeNames[] = {
    {ControlType::TextBox, "TextBox"},       {ControlType::Label, "Label"},
    {ControlType::Shape, "Shape"},           {ControlType::Line, "Line"},
    {ControlType::Image, "Image"},           {ControlType::PictureBox, "PictureBox"},
    {ControlType::Frame, "Frame"},           {ControlType::ComboBox, "ComboBox"},
    {ControlType::OptionButton, "OptionButton"}, {ControlType::CheckBox, "CheckBox"},
    {ControlType::CommandButton, "CommandButton"}, {ControlType::TabControl, "TabControl"},
    {ControlType::Grid, "Grid"},
};
}  // namespace

QString controlTypeName(ControlType t) {
  for (const auto& tn : kTypeNames)
    if (tn.type == t) return QString::fromLatin1(tn.name);
  return {};
}

bool controlTypeFromName(const QString& name, ControlType& out) {
  for (const auto& tn : kTypeNames)
    if (name.compare(QLatin1String(tn.name), Qt::CaseInsensitive) == 0) {
      out = tn.type;
      return true;
    }
  return false;
}

Control::Control(ControlType type, QString name, int index)
    : type_(type), name_(std::move(name)), index_(index) {
  // Each kind starts with the look its desktop counterpart has by default.
  switch (type_) {
    case ControlType::Label:
    case ControlType::Frame:
    case ControlType::CommandButton:
    case ControlType::OptionButton:
    case ControlType::CheckBox:
    case ControlType::PictureBox:
    case ControlType::TabControl:
      backColor_ = colors::ButtonFace;
      foreColor_ = colors::ButtonText;
      break;
    case ControlType::Shape:
    case ControlType::Line:
      backStyle_ = 0;
      borderStyle_ = 1;
      break;
    case ControlType::TextBox:
    case ControlType::ComboBox:
    case ControlType::Grid:
      borderStyle_ = 1;
      break;
    case ControlType::Image:
      break;
  }
  if (type_ == ControlType::PictureBox || type_ == ControlType::Frame) borderStyle_ = 1;
}

QString Control::displayName() const {
  return inArray() ? QStringLiteral("%1(%2)").arg(name_).arg(index_) : name_;
}

bool Control::isGraphical() const {
  switch (type_) {
    case ControlType::Label:
    case ControlType::Shape:
    case ControlType::Line:
    case ControlType::Image:
      return true;
    default:
      return false;
  }
}

bool Control::canHaveFocus() const {
  switch (type_) {
    case ControlType::TextBox:
    case ControlType::ComboBox:
    case ControlType::OptionButton:
    case ControlType::CheckBox:
    case ControlType::CommandButton:
    case ControlType::TabControl:
    case ControlType::Grid:
    case ControlType::PictureBox:
      return true;
    default:
      return false;
  }
}

void Control::changed(Prop p) {
  if (screen_) screen_->notifyChanged(*this, p);
}

void Control::setLeft(int v) { if (v != left_) { left_ = v; changed(Prop::Geometry); } }
void Control::setTop(int v) { if (v != top_) { top_ = v; changed(Prop::Geometry); } }
void Control::setWidth(int v) {
  if (v < 0) raiseError(err::InvalidPropertyValue, {});
  if (v != width_) { width_ = v; changed(Prop::Geometry); }
}
void Control::setHeight(int v) {
  if (v < 0) raiseError(err::InvalidPropertyValue, {});
  if (v != height_) { height_ = v; changed(Prop::Geometry); }
}
void Control::move(int l, int t, int w, int h) {
  left_ = l;
  top_ = t;
  // A line keeps its direction: its extent may run left or up.
  width_ = type_ == ControlType::Line ? w : std::max(0, w);
  height_ = type_ == ControlType::Line ? h : std::max(0, h);
  changed(Prop::Geometry);
}
void Control::setLine(int xa, int ya, int xb, int yb) { move(xa, ya, xb - xa, yb - ya); }

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Prop::Visible);
}
void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Prop::Enabled);
}
bool Control::effectivelyVisible() const {
  for (const Control* c = this; c; c = c->container_) {
    if (!c->visible_) return false;
    // Controls on a tab page show only while that page is up.
    if (c->tabPage_ >= 0 && c->container_ && c->container_->type_ == ControlType::TabControl &&
        c->container_->currentTab_ != c->tabPage_)
      return false;
  }
  return true;
}
bool Control::focusable() const {
  if (!canHaveFocus() || !effectivelyEnabled()) return false;
  for (const Control* c = this; c; c = c->container_)
    if (!c->visible_) return false;
  return true;
}
bool Control::effectivelyEnabled() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->enabled_) return false;
  return true;
}

void Control::setCaption(const QString& c) {
  if (c == caption_) return;
  caption_ = c;
  changed(Prop::Caption);
}

void Control::setText(const QString& t) {
  if (t == text_) {
    selStart_ = 0;
    selLength_ = 0;
    return;
  }
  text_ = t;
  selStart_ = 0;
  selLength_ = 0;
  changed(Prop::Text);
}

void Control::setSelStart(int s) {
  selStart_ = std::clamp(s, 0, int(text_.size()));
  selLength_ = 0;
  changed(Prop::Selection);
}
void Control::setSelLength(int n) {
  selLength_ = std::clamp(n, 0, int(text_.size()) - selStart_);
  changed(Prop::Selection);
}
void Control::select(int start, int length) {
  selStart_ = std::clamp(start, 0, int(text_.size()));
  selLength_ = std::clamp(length, 0, int(text_.size()) - selStart_);
  changed(Prop::Selection);
}

void Control::replaceSelection(const QString& s) {
  QString ins = s;
  if (maxLength_ > 0) {
    // A text longer than the limit (set by code) may still be shortened.
    const int room = maxLength_ - (int(text_.size()) - selLength_);
    if (room <= 0 && !ins.isEmpty()) return;
    ins.truncate(std::max(0, room));
  }
  text_.replace(selStart_, selLength_, ins);
  selStart_ += ins.size();
  selLength_ = 0;
  changed(Prop::Text);
}

void Control::setFont(const Font& f) {
  if (f == font_) return;
  font_ = f;
  changed(Prop::Font);
}
void Control::setFontName(const QString& n) { Font f = font_; f.name = n; setFont(f); }
void Control::setFontSize(double s) { Font f = font_; f.size = s; setFont(f); }
void Control::setFontBold(bool b) { Font f = font_; f.bold = b; setFont(f); }

void Control::setBackColor(Color c) { if (c != backColor_) { backColor_ = c; changed(Prop::Colors); } }
void Control::setForeColor(Color c) { if (c != foreColor_) { foreColor_ = c; changed(Prop::Colors); } }
void Control::setBackStyle(int s) { if (s != backStyle_) { backStyle_ = s; changed(Prop::Appearance); } }
void Control::setBorderStyle(int s) { if (s != borderStyle_) { borderStyle_ = s; changed(Prop::Appearance); } }
void Control::setBorderColor(Color c) { if (c != borderColor_) { borderColor_ = c; changed(Prop::Appearance); } }
void Control::setBorderWidth(int w) { if (w != borderWidth_) { borderWidth_ = w; changed(Prop::Appearance); } }
void Control::setShape(int s) { if (s != shape_) { shape_ = s; changed(Prop::Appearance); } }
void Control::setFillColor(Color c) { if (c != fillColor_) { fillColor_ = c; changed(Prop::Appearance); } }
void Control::setFillStyle(int s) { if (s != fillStyle_) { fillStyle_ = s; changed(Prop::Appearance); } }
void Control::setAlignment(Align a) { if (a != alignment_) { alignment_ = a; changed(Prop::Appearance); } }
void Control::setWordWrap(bool w) { if (w != wordWrap_) { wordWrap_ = w; changed(Prop::Appearance); } }
void Control::setLocked(bool l) { if (l != locked_) { locked_ = l; changed(Prop::Appearance); } }

void Control::setPicture(const QString& p) { if (p != picture_) { picture_ = p; changed(Prop::Picture); } }

void Control::setValue(int v) {
  if (v == value_) return;
  value_ = v;
  // Choosing an option button clears the others of its container, before its
  // Click handler gets to look at the group.
  if (type_ == ControlType::OptionButton && v != 0 && screen_) {
    for (Control* o : screen_->children(container_))
      if (o != this && o->type_ == ControlType::OptionButton && o->value_ != 0) {
        o->value_ = 0;
        o->changed(Prop::Value);
      }
  }
  changed(Prop::Value);
}

void Control::setItems(const QStringList& items) { items_ = items; listIndex_ = -1; changed(Prop::List); }
void Control::addItem(const QString& item) { items_.append(item); changed(Prop::List); }
void Control::clearItems() { items_.clear(); listIndex_ = -1; if (type_ == ControlType::ComboBox) text_.clear(); changed(Prop::List); }
void Control::setListIndex(int i) {
  if (i < -1 || i >= items_.size()) raiseError(err::InvalidPropertyValue, {});
  const bool moved = i != listIndex_;
  listIndex_ = i;
  if (type_ == ControlType::ComboBox) text_ = i >= 0 ? items_[i] : QString();
  if (moved) changed(Prop::ListIndex);
}

void Control::setCurrentTab(int t) {
  if (t < 0 || (items_.size() > 0 && t >= items_.size())) raiseError(err::InvalidPropertyValue, {});
  if (t == currentTab_) return;
  currentTab_ = t;
  changed(Prop::Tabs);
}
void Control::setTabHeight(int h) { if (h != tabHeight_) { tabHeight_ = h; changed(Prop::Tabs); } }

void Control::setGridSize(int rows, int cols) {
  cells_.resize(std::max(0, rows));
  cols_ = std::max(0, cols);
  for (auto& r : cells_) {
    while (r.size() < cols_) r.append(QString());
    while (r.size() > cols_) r.removeLast();
  }
  colWidths_.resize(cols_);
  changed(Prop::Cells);
}
QString Control::cell(int row, int col) const {
  if (row < 0 || row >= cells_.size() || col < 0 || col >= cols_)
    raiseError(err::SubscriptOutOfRange, {});
  return cells_[row][col];
}
void Control::setCell(int row, int col, const QString& t) {
  if (row < 0 || row >= cells_.size() || col < 0 || col >= cols_)
    raiseError(err::SubscriptOutOfRange, {});
  cells_[row][col] = t;
  changed(Prop::Cells);
}

void Control::setColAlignment(int col, int setting) {
  if (col < 0 || col >= cols_) raiseError(err::SubscriptOutOfRange, {});
  if (colAlignments_.size() < cols_) colAlignments_.resize(cols_, 1);
  colAlignments_[col] = setting;
  changed(Prop::Cells);
}

void Control::addGridRow(const QString& tabbedCells) {
  QStringList row = tabbedCells.split(u'\t');
  while (row.size() < cols_) row.append(QString());
  while (row.size() > cols_) row.removeLast();
  cells_.append(row);
  changed(Prop::Cells);
}

void Control::SetFocus() {
  if (!screen_) raiseError(err::ObjectNotSet, {});
  if (!focusable())
    raiseError(err::CantMoveFocus, QStringLiteral("Invalid procedure call or argument"));
  screen_->setFocus(*this);
}

}  // namespace qv
