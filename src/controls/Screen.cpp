#include "controls/Screen.h"

#include <QRegularExpression>
#include <algorithm>

#include "controls/Layout.h"
#include "platform/Host.h"
#include "runtime/Error.h"

namespace qv {

namespace {
// Never destroyed: screens that live in statics of their own may outlive them.
std::vector<Screen*>& registry() {
  static auto* r = new std::vector<Screen*>;
  return *r;
}
// Loaded screens in the order they were last activated.
std::vector<Screen*>& activations() {
  static auto* a = new std::vector<Screen*>;
  return *a;
}
Screen* g_focusOwner = nullptr;
void forget(Screen* s) {
  if (g_focusOwner == s) g_focusOwner = nullptr;
  auto& r = registry();
  r.erase(std::remove(r.begin(), r.end(), s), r.end());
  auto& a = activations();
  a.erase(std::remove(a.begin(), a.end(), s), a.end());
}
// Focus moves that handlers chain onto each other stop after this many hops.
constexpr int kMaxFocusHops = 16;
}  // namespace

Screen::Screen(QString name) : name_(std::move(name)) {}

Screen::~Screen() { forget(this); }

const std::vector<Screen*>& Screen::loadedScreens() { return registry(); }
const std::vector<Screen*>& Screen::activationOrder() { return activations(); }
Screen* Screen::lastActivated() { return activations().empty() ? nullptr : activations().back(); }
Screen* Screen::focusOwner() { return g_focusOwner; }

// ---- Appearance ----

void Screen::changed() {
  if (observer_) observer_->screenChanged(*this);
}
void Screen::setCaption(const QString& c) { if (c != caption_) { caption_ = c; changed(); } }
void Screen::setLeft(int v) { if (v != left_) { left_ = v; changed(); } }
void Screen::setTop(int v) { if (v != top_) { top_ = v; changed(); } }
void Screen::setWidth(int v) { if (v != width_) { width_ = std::max(0, v); changed(); } }
void Screen::setHeight(int v) { if (v != height_) { height_ = std::max(0, v); changed(); } }
void Screen::move(int l, int t) { left_ = l; top_ = t; changed(); }
int Screen::scaleWidth() const { return std::max(0, width_ - frameWidth_); }
int Screen::scaleHeight() const { return std::max(0, height_ - frameHeight_); }
void Screen::setBackColor(Color c) { if (c != backColor_) { backColor_ = c; changed(); } }
void Screen::setIcon(const QString& f) { icon_ = f; changed(); }
void Screen::setVisible(bool v) { if (v != visible_) { visible_ = v; changed(); } }
void Screen::setMinimized(bool m) { if (m != minimized_) { minimized_ = m; changed(); } }

// ---- Controls ----

Control& Screen::add(std::unique_ptr<Control> c) {
  Control* raw = c.get();
  raw->screen_ = this;
  byName_[raw->name().toLower()].push_back(raw);
  order_.push_back(raw);
  owned_.push_back(std::move(c));
  return *raw;
}

Control* Screen::find(const QString& name) const {
  auto it = byName_.constFind(name.toLower());
  if (it == byName_.constEnd()) return nullptr;
  for (Control* c : *it)
    if (!c->inArray()) return c;
  return nullptr;
}

Control* Screen::find(const QString& name, int index) const {
  auto it = byName_.constFind(name.toLower());
  if (it == byName_.constEnd()) return nullptr;
  for (Control* c : *it)
    if (c->index() == index) return c;
  return nullptr;
}

bool Screen::has(const QString& name) const { return byName_.contains(name.toLower()); }

Control& Screen::ctl(const QString& name) const {
  if (Control* c = find(name)) return *c;
  if (has(name))
    raiseError(err::NoSuchMember, QStringLiteral("%1 is a control array").arg(name), name_);
  raiseError(err::NoSuchMember, {}, name_);
}

Control& Screen::ctl(const QString& name, int index) const {
  if (Control* c = find(name, index)) return *c;
  if (!has(name)) raiseError(err::NoSuchMember, {}, name_);
  if (find(name)) raiseError(err::NotAnArray, {}, name_);
  raiseError(err::NoSuchArrayElement,
             QStringLiteral("Control array element '%1' doesn't exist").arg(index), name_);
}

std::vector<Control*> Screen::array(const QString& name) const {
  std::vector<Control*> out;
  auto it = byName_.constFind(name.toLower());
  if (it == byName_.constEnd()) return out;
  for (Control* c : *it)
    if (c->inArray()) out.push_back(c);
  std::sort(out.begin(), out.end(), [](Control* a, Control* b) { return a->index() < b->index(); });
  return out;
}

std::vector<Control*> Screen::children(const Control* container) const {
  std::vector<Control*> out;
  for (Control* c : order_)
    if (c->container() == container) out.push_back(c);
  return out;
}

// ---- Menus ----

Menu* Screen::findMenu(const QString& name) const {
  for (auto& m : menus_)
    if (Menu* f = m->find(name)) return f;
  return nullptr;
}

bool Screen::chooseMenu(Menu& item) {
  if (item.separator || !item.available()) return false;
  onMenu(item);
  return true;
}

// ---- Life cycle ----

void Screen::buildControls() {
  QString error;
  if (!layout::load(*this, layoutName(), &error))
    raiseError(err::FileNotFound, QStringLiteral("Screen layout %1: %2").arg(layoutName(), error),
               name_);
}

void Screen::load() {
  if (loaded_) return;
  discarded_.clear();
  menus_.clear();
  buildControls();
  loaded_ = true;
  registry().push_back(this);
  if (observer_) observer_->controlsRebuilt(*this);
  onLoad();
}

bool Screen::unload() {
  if (!loaded_) return true;
  bool cancel = false;
  onQueryUnload(cancel);
  if (cancel || !loaded_) return !loaded_;
  onUnload(cancel);
  if (cancel || !loaded_) return !loaded_;
  discardControls();
  return true;
}

void Screen::discardControls() {
  visible_ = false;
  minimized_ = false;
  active_ = nullptr;
  untyped_ = taken_ = nullptr;
  pendingFocus_ = nullptr;
  // A handler of one of these controls may still be running: keep them alive
  // until the next load.
  for (auto& c : owned_) discarded_.push_back(std::move(c));
  owned_.clear();
  order_.clear();
  byName_.clear();
  loaded_ = false;
  forget(this);
  if (observer_) observer_->screenUnloaded(*this);
}

void Screen::activate() {
  if (!loaded_) return;
  auto& a = activations();
  a.erase(std::remove(a.begin(), a.end(), this), a.end());
  a.push_back(this);
  onActivate();
}

// ---- Focus protocol ----

bool Screen::setFocus(Control& target) {
  if (target.screen() != this || !loaded_) return false;
  if (&target == active_) {
    // Focused already, but the keyboard is on another screen: it comes back.
    if (g_focusOwner != this) {
      g_focusOwner = this;
      notifyChanged(target, Prop::Focus);
    }
    return true;
  }
  if (focusDepth_ > 0) {
    // A handler moved the focus during a move: carry it out afterwards.
    pendingFocus_ = &target;
    return true;
  }
  Control* next = &target;
  for (int hop = 0; next && hop < kMaxFocusHops && loaded_; ++hop) {
    pendingFocus_ = nullptr;
    ++focusDepth_;
    const bool moved = moveFocusNow(*next);
    --focusDepth_;
    if (hop == 0) lastMoveCancelled_ = !moved;
    next = pendingFocus_;
    if (next == active_) next = nullptr;
  }
  pendingFocus_ = nullptr;
  return active_ == &target;
}

bool Screen::moveFocusNow(Control& target) {
  if (!target.focusable()) return false;
  Control* old = active_;
  if (old && target.causesValidation() && !inValidate_ && old != taken_) {
    bool cancel = false;
    inValidate_ = true;
    onValidate(*old, cancel);
    inValidate_ = false;
    if (cancel || !loaded_) return false;
  }
  active_ = &target;
  untyped_ = taken_ = nullptr;
  g_focusOwner = this;
  if (old) {
    notifyChanged(*old, Prop::Focus);
    onLostFocus(*old);
    if (!loaded_) return false;
  }
  if (active_ == &target) {
    notifyChanged(target, Prop::Focus);
    onGotFocus(target);
    // What the handler put there is not typing.
    if (active_ == &target) untyped_ = &target;
  }
  return true;
}

Control* Screen::nextTabStop(const Control* from, bool backwards) const {
  std::vector<Control*> stops;
  for (Control* c : order_)
    if (c->tabStop() && c->focusable()) stops.push_back(c);
  if (stops.empty()) return nullptr;
  std::stable_sort(stops.begin(), stops.end(),
                   [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
  if (!from) return backwards ? stops.back() : stops.front();
  const int n = int(stops.size());
  auto it = std::find(stops.begin(), stops.end(), from);
  if (it != stops.end()) {
    const int i = int(it - stops.begin());
    return stops[(i + (backwards ? n - 1 : 1)) % n];
  }
  // Not a tab stop itself: go by its TabIndex.
  if (!backwards) {
    for (Control* c : stops)
      if (c->tabIndex() > from->tabIndex()) return c;
    return stops.front();
  }
  for (auto r = stops.rbegin(); r != stops.rend(); ++r)
    if ((*r)->tabIndex() < from->tabIndex()) return *r;
  return stops.back();
}

bool Screen::tabFocus(bool backwards) {
  Control* next = nextTabStop(active_, backwards);
  return next ? setFocus(*next) : false;
}

void Screen::focusFirst() {
  if (Control* c = nextTabStop(nullptr, false)) setFocus(*c);
}

bool Screen::validateActive() {
  if (!active_ || !loaded_ || inValidate_ || active_ == untyped_) return true;
  Control* taken = active_;
  bool cancel = false;
  inValidate_ = validatingInPlace_ = true;
  onValidate(*taken, cancel);
  inValidate_ = validatingInPlace_ = false;
  if (!cancel && active_ == taken && loaded_) untyped_ = taken_ = taken;
  return !cancel;
}

void Screen::dropFocus() {
  Control* old = active_;
  if (!old) return;
  active_ = nullptr;
  untyped_ = taken_ = nullptr;
  if (g_focusOwner == this) g_focusOwner = nullptr;
  notifyChanged(*old, Prop::Focus);
  onLostFocus(*old);
}

// ---- Input ----

namespace {
// The character code a non-character key produces, as the desktop reports it.
int charOfKey(int keyCode, int shift) {
  if (keyCode == keys::Back || keyCode == keys::Return || keyCode == keys::Escape) return keyCode;
  if ((shift & keys::CtrlMask) && keyCode >= 'A' && keyCode <= 'Z') return keyCode - 'A' + 1;
  return 0;
}
}  // namespace

Control* Screen::buttonWith(bool (Control::*flag)() const) const {
  for (Control* c : order_)
    if (c->type() == ControlType::CommandButton && (c->*flag)() && c->effectivelyVisible() &&
        c->effectivelyEnabled())
      return c;
  return nullptr;
}

void Screen::pressKey(int keyCode, int shift, int ch) {
  Control* c = active_;
  if (!c || !loaded_) return;
  if (keyCode == keys::Tab && !(shift & (keys::CtrlMask | keys::AltMask))) {
    tabFocus(shift & keys::ShiftMask);
    return;
  }
  int code = keyCode;
  onKeyDown(*c, code, shift);
  if (!loaded_) return;
  if (code != 0) defaultKeyAction(*c, code, shift);
  int a = ch ? ch : charOfKey(keyCode, shift);
  if (a != 0 && loaded_) {
    const bool takesEnter = c->type() == ControlType::CommandButton ||
                            (c->type() == ControlType::TextBox && c->multiLine());
    Control* special = nullptr;
    if (a == keys::Return && !takesEnter) special = buttonWith(&Control::isDefault);
    if (a == keys::Escape) special = buttonWith(&Control::isCancel);
    if (special) {
      click(*special);
      return;
    }
    onKeyPress(*c, a);
    if (a != 0 && loaded_) defaultCharAction(*c, a);
  }
  if (!loaded_) return;
  int up = keyCode;
  onKeyUp(*c, up, shift);
}

namespace {
// The key that types `ch` on a US keyboard, and whether Shift is held. Key
// codes of punctuation differ from its character codes ("." is 46 but so is
// Delete), so they must not be taken from the character. 0: no key of its own.
struct KeyOfChar {
  int code;
  bool shift;
};
KeyOfChar keyOfChar(QChar ch) {
  const char16_t u = ch.unicode();
  if (u >= 'a' && u <= 'z') return {u - 32, false};
  if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) return {u, u >= 'A'};
  if (u == ' ' || u == '\b' || u == '\t' || u == '\r' || u == 27) return {u, false};
  static constexpr char kShiftedDigits[] = ")!@#$%^&*(";
  static constexpr struct {
    int code;
    char plain, shifted;
  } kOem[] = {{186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'},
              {190, '.', '>'}, {191, '/', '?'}, {192, '`', '~'}, {219, '[', '{'},
              {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'}};
  for (int d = 0; d < 10; ++d)
    if (u == char16_t(kShiftedDigits[d])) return {'0' + d, true};
  for (const auto& k : kOem)
    if (u == char16_t(k.plain) || u == char16_t(k.shifted)) return {k.code, u == char16_t(k.shifted)};
  return {0, false};
}
}  // namespace

void Screen::typeText(const QString& text) {
  for (QChar ch : text) {
    const KeyOfChar k = keyOfChar(ch);
    pressKey(k.code, k.shift ? keys::ShiftMask : 0, ch.unicode());
  }
}

namespace {
// The keys that move a grid's current row, over the rows below its fixed
// first row; a page is as many rows as fit below that one (rows that go by
// the font count as the smallest the view draws).
void moveGridRow(Control& grid, int keyCode) {
  constexpr int kFirst = 1, kSmallestRow = 240;
  const int last = grid.rows() - 1;
  if (last < kFirst) return;
  const int page = std::max(1, grid.height() / (grid.rowHeight() > 0 ? grid.rowHeight() : kSmallestRow) - 1);
  const int at = grid.gridRow() < kFirst ? kFirst - 1 : grid.gridRow();
  int row;
  switch (keyCode) {
    case keys::Up: row = at - 1; break;
    case keys::Down: row = at + 1; break;
    case keys::PageUp: row = at - page; break;
    case keys::PageDown: row = at + page; break;
    case keys::Home: row = kFirst; break;
    case keys::End: row = last; break;
    default: return;
  }
  grid.setGridRow(std::clamp(row, kFirst, last));
}
}  // namespace

void Screen::defaultKeyAction(Control& c, int keyCode, int shift) {
  if (c.type() == ControlType::Grid) moveGridRow(c, keyCode);
  if (c.type() != ControlType::TextBox) return;
  const int len = c.text().size();
  switch (keyCode) {
    case keys::Delete:
      if (c.locked()) return;
      if (c.selLength() == 0 && c.selStart() < len) c.select(c.selStart(), 1);
      if (c.selLength() > 0) c.replaceSelection(QString());
      return;
    case keys::Left:
      c.setSelStart(c.selLength() ? c.selStart() : c.selStart() - 1);
      return;
    case keys::Right:
      c.setSelStart(c.selLength() ? c.selStart() + c.selLength() : c.selStart() + 1);
      return;
    case keys::Home:
      c.setSelStart(0);
      return;
    case keys::End:
      c.setSelStart(len);
      return;
    default:
      return;
  }
}

void Screen::defaultCharAction(Control& c, int ch) {
  switch (c.type()) {
    case ControlType::CommandButton:
      if (ch == keys::Return || ch == keys::Space) click(c);
      return;
    case ControlType::CheckBox:
    case ControlType::OptionButton:
      if (ch == keys::Space) click(c);
      return;
    case ControlType::ComboBox: {
      // A list-style combo box jumps to the first entry starting with the letter.
      const QString key = QString(QChar(char16_t(ch)));
      for (int i = 0; i < c.items().size(); ++i)
        if (c.items()[i].startsWith(key, Qt::CaseInsensitive)) {
          chooseListItem(c, i);
          return;
        }
      return;
    }
    case ControlType::TextBox:
      break;
    default:
      return;
  }
  if (ch == keys::CtrlC || ch == keys::CtrlX) {
    if (c.selLength() > 0) host().setClipboardText(c.selText());
    if (ch == keys::CtrlX && !c.locked() && c.selLength() > 0) c.replaceSelection(QString());
    return;
  }
  if (c.locked()) return;
  if (ch == keys::CtrlV) {
    QString clip = host().clipboardText();
    if (!c.multiLine()) {
      const int cut = clip.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
      if (cut >= 0) clip.truncate(cut);
    } else {
      // A box keeps its line breaks as CR LF, whatever the program the text
      // came from used (LF alone, CR alone), as Enter types them.
      clip.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
      clip.replace(u'\n', QStringLiteral("\r\n"));
    }
    if (!clip.isEmpty()) c.replaceSelection(clip);
    return;
  }
  if (ch == keys::Back) {
    if (c.selLength() == 0) {
      if (c.selStart() == 0) return;
      const bool crlf = c.selStart() >= 2 && c.text().mid(c.selStart() - 2, 2) == u"\r\n";
      c.select(c.selStart() - (crlf ? 2 : 1), crlf ? 2 : 1);
    }
    c.replaceSelection(QString());
    return;
  }
  if (ch == keys::Return) {
    if (c.multiLine()) c.replaceSelection(QStringLiteral("\r\n"));
    return;
  }
  if (ch < 32) return;
  c.replaceSelection(QString(QChar(char32_t(ch))));
}

void Screen::click(Control& c, int button) {
  if (!loaded_ || c.screen() != this || !c.effectivelyVisible() || !c.effectivelyEnabled()) return;
  if (c.type() == ControlType::Shape || c.type() == ControlType::Line) return;
  if (c.canHaveFocus()) {
    // Also when it is focused already: the keyboard may be on another
    // screen's field since, and a click brings it back. A move that is
    // refused, or that a handler carries on elsewhere, is no click on it.
    setFocus(c);
    if (!loaded_ || active_ != &c) return;
  }
  onMouseDown(c, button);
  if (!loaded_) return;
  switch (c.type()) {
    case ControlType::CheckBox:
      c.setValue(c.value() ? 0 : 1);  // raises Click
      return;
    case ControlType::OptionButton:
      if (c.value()) onClick(c);
      else c.setValue(1);  // raises Click
      return;
    default:
      onClick(c);
  }
}

void Screen::chooseListItem(Control& combo, int index) {
  if (!loaded_ || index < -1 || index >= combo.items().size()) return;
  if (active_ != &combo) {
    setFocus(combo);
    if (lastMoveCancelled_) return;
  }
  if (combo.listIndex() == index) onClick(combo);
  else combo.setListIndex(index);  // raises Click
}

// ---- Observer ----

void Screen::notifyChanged(Control& c, Prop what) {
  if (observer_) observer_->controlChanged(c, what);
  if (what == Prop::Text && &c == active_ && !inValidate_) untyped_ = taken_ = nullptr;
  if (!loaded_) return;
  // The events a property change raises on its own.
  if (what == Prop::Text && c.type() == ControlType::TextBox) onChange(c);
  else if (what == Prop::Caption && c.type() == ControlType::Label) onChange(c);  // a label's Change
  else if (what == Prop::ListIndex && c.type() == ControlType::ComboBox) onClick(c);
  else if (what == Prop::Value && (c.type() == ControlType::CheckBox ||
                                   (c.type() == ControlType::OptionButton && c.value())))
    onClick(c);
}

}  // namespace qv
