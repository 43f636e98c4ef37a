#include "engine/FormReset.h"

#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "controls/Screen.h"
#include "engine/FieldKinds.h"
#include "engine/FormInit.h"
#include "frame/ErrorTrap.h"
#include "frame/MainWindow.h"
#include "frame/ProgramState.h"
#include "runtime/Text.h"

namespace qv {

namespace {

constexpr Color kLightGrey = 0x00DCDCDC;  // red, green and blue 220

bool named(const Control& c, const char* name) { return sameText(c.name(), QLatin1String(name)); }
// Short ids of the screens a row applies to; unused places stay null.
using ScreenIds = std::array<const char*, 3>;
bool onScreen(const QString& id, const ScreenIds& ids) {
  for (const char* i : ids)
    if (i && id == QLatin1String(i)) return true;
  return false;
}

// Screens whose size and visible parts are set at every reset.
struct ScreenCase {
  const char* id;
  void (*apply)(Screen&);
};
const ScreenCase kScreenCases[] = {
    {"TPINFO",
     [](Screen& s) {
       // The sheet's window fills the main window's area from top to bottom.
       s.setHeight(mainWindow().scaleHeight());
       s.ctl(QStringLiteral("lblInstr")).setVisible(true);
     }},
    {"DL",
     [](Screen& s) {
       Control& frame = s.ctl(QStringLiteral("Frame1"));
       frame.setVisible(true);
       // 200 twips below the photo frame: the title bar is not taken from them.
       s.setInsideHeight(frame.top() + frame.height() + 200);
       s.ctl(QStringLiteral("Picture1")).setVisible(true);
       s.ctl(QStringLiteral("Picture3")).setVisible(true);
     }},
};

// Appearance by control type. A shape takes its first matching row, a label
// every matching row in order; the container rows follow for every control.
struct TypeRule {
  ControlType type;
  bool (*applies)(const Control&, const QString& id);
  void (*apply)(Control&);
  bool lastOfType;  // a match ends the rows of this type
};
const TypeRule kTypeRules[] = {
    {ControlType::Shape, [](const Control& c, const QString&) { return named(c, "ShapeX"); },
     [](Control& c) {
       c.setBackStyle(1);
       c.setFillColor(kLightGrey);
       c.setFillStyle(0);
     },
     true},
    {ControlType::Shape, [](const Control&, const QString&) { return true; },
     [](Control& c) {
       c.setBackStyle(0);
       c.setFillColor(colors::Black);
       c.setFillStyle(1);
     },
     true},
    {ControlType::Label, [](const Control& c, const QString&) { return named(c, "LabelPart"); },
     [](Control& c) { c.setBackStyle(1); }, false},
    {ControlType::Label,
     [](const Control& c, const QString& id) { return onScreen(id, {"CONFIGURE", "TPINFO"}) && named(c, "lblPrinter"); },
     [](Control& c) { c.setBackStyle(1); }, false},
    // The card screen's labels 3 to 5 keep their own colour.
    {ControlType::Label,
     [](const Control& c, const QString& id) {
       return id == u"SS_ITIN" && !named(c, "label3") && !named(c, "label4") && !named(c, "label5");
     },
     [](Control& c) { c.setBackColor(colors::ButtonFace); }, false},
    {ControlType::Label, [](const Control& c, const QString&) { return named(c, "Check"); },
     [](Control& c) { c.setBackStyle(1); }, false},
};

struct ContainerRule {
  ControlType type;
  bool showOutsideLicence;  // made visible on every screen but the driver's licence
};
const ContainerRule kContainerRules[] = {
    {ControlType::Frame, false},
    {ControlType::PictureBox, true},
    {ControlType::OptionButton, false},
};

// Field fonts by screen and field number; the first matching row wins.
struct FontRule {
  ScreenIds ids;  // all null: any screen
  bool (*fields)(const Control&);
  std::optional<Font> font;  // none: the designed font stays
  bool trimK1Cells;          // K-1 cells: trimmed, code cells centred
};
bool every(const Control&) { return true; }
bool isLine14To17Cell(const Control& c) {
  const int i = c.index();
  return sameText(c.name(), QLatin1String("Text1")) && ((i >= 10 && i <= 48) || (i >= 79 && i <= 91));
}
Font font(const char* name, double size, bool bold = false) { return Font{QLatin1String(name), size, bold}; }
const FontRule kFontRules[] = {
    {{"SS_ITIN"}, [](const Control& c) { return c.index() % 2 == 0; }, font("Tahoma", 14, true), false},
    {{"SS_ITIN"}, every, font("Tahoma", 11, true), false},
    {{"CHK"}, [](const Control& c) { return c.index() == 0; }, font("Tahoma", 9), false},
    {{"CHK"}, every, std::nullopt, false},
    {{"K11041", "K11065", "K11120S"}, every, font("Tahoma", 9), true},
    {{"1095C"}, isLine14To17Cell, font("ArialNarrow", 9), false},
    {{"1095C"}, every, font("Tahoma", 11), false},
    {{}, every, font("Tahoma", 10), false},
};

const FontRule& fontRuleOf(const Control& field, const QString& id) {
  for (const FontRule& r : kFontRules)
    if ((!r.ids[0] || onScreen(id, r.ids)) && r.fields(field)) return r;
  return kFontRules[std::size(kFontRules) - 1];
}

void resetField(Control& field, const QString& id) {
  const FontRule& rule = fontRuleOf(field, id);
  if (rule.font) {
    field.setFontName(rule.font->name);
    field.setFontSize(rule.font->size);
    field.setFontBold(rule.font->bold);
  }
  if (rule.trimK1Cells) {
    field.setText(trim(field.text()));
    if (named(field, "Text2") || named(field, "Text4")) field.setAlignment(Align::Center);
  }
  Control_Setup(field, true);
}

void resetControl(Control& c, const QString& id, bool licence) {
  for (const TypeRule& r : kTypeRules) {
    if (r.type != c.type() || !r.applies(c, id)) continue;
    r.apply(c);
    if (r.lastOfType) break;
  }
  if (c.type() == ControlType::TextBox) resetField(c, id);
  for (const ContainerRule& r : kContainerRules) {
    if (r.type != c.type()) continue;
    c.setBackColor(colors::ButtonFace);
    if (r.showOutsideLicence && !licence) c.setVisible(true);
  }
}

// The look taken before the paper was prepared, by control name and index
// (the controls are looked up again when it is put back).
struct ControlLook {
  QString name;
  int index;
  Color back;
  int backStyle;
  bool visible;
};
struct WorkingLook {
  const Screen* screen = nullptr;
  Color back = 0;
  std::vector<ControlLook> controls;
};
WorkingLook& pendingLook() {
  static WorkingLook look;
  return look;
}

void putBack(Screen& form, const WorkingLook& look) {
  form.setBackColor(look.back);
  for (const ControlLook& l : look.controls) {
    Control* c = l.index >= 0 ? form.find(l.name, l.index) : form.find(l.name);
    if (!c) continue;
    c->setBackColor(l.back);
    c->setBackStyle(l.backStyle);
    c->setVisible(l.visible);
  }
}

}  // namespace

void rememberWorkingLook(const Screen& screen) {
  WorkingLook& look = pendingLook();
  if (look.screen == &screen) return;  // the paper is being prepared already
  look = {&screen, screen.backColor(), {}};
  for (const Control* c : screen.controls())
    look.controls.push_back({c->name(), c->index(), c->backColor(), c->backStyle(), c->visible()});
}

void forgetWorkingLook() { pendingLook() = {}; }

void Form_Init_Reset() {
  trap(QStringLiteral("M3_Quorvane:Form_Init_Reset"), [] {
    Screen& form = currentForm();
    const QString id = screenShortId(form.name());
    state().FormInfo[11] = id;
    form.setBackColor(colors::ButtonFace);
    for (const ScreenCase& sc : kScreenCases)
      if (id == QLatin1String(sc.id)) sc.apply(form);
    const bool licence = sameText(form.name(), QLatin1String("F3_DL"));
    // A copy: a handler may change the screen while its controls are reset.
    const std::vector<Control*> controls = form.controls();
    for (Control* c : controls) resetControl(*c, id, licence);
    // After a print or a picture: exactly the look from before the paper.
    const WorkingLook look = std::exchange(pendingLook(), {});
    if (look.screen == &form) putBack(form, look);
  });
}

}  // namespace qv
