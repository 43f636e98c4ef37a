#include "files/ScreenClip.h"

#include <QStringList>

#include "controls/Screen.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "runtime/Text.h"

namespace qv {

namespace {

int bottomOf(const Control& c) { return c.top() + c.height(); }

// Screens whose H2 header is tinted on screen and white on paper.
const QStringList kWhiteHeader = {QStringLiteral("1098E"), QStringLiteral("1098T"), QStringLiteral("1099B"),
                                  QStringLiteral("1099R")};
// Screens whose labels keep only their part bars opaque on paper.
const QStringList kPartBarScreens = {QStringLiteral("K11041"), QStringLiteral("K11065"), QStringLiteral("K11120S"),
                                     QStringLiteral("1095A"),  QStringLiteral("1095B"),  QStringLiteral("1095C")};
const QStringList kTintedPictures = {QStringLiteral("h1"), QStringLiteral("picture1"), QStringLiteral("picture3"),
                                     QStringLiteral("picdl")};

// Runs a step whose failure is of no consequence (a screen without that member).
template <class Step>
void ignoringFailure(Step&& step) {
  try {
    step();
  } catch (const ProgramError&) {
  }
}

// The window height that ends at the bottom of the document.
void cropHeight(Screen& s, const QString& id) {
  if (kWhiteHeader.contains(id)) {
    for (const char* name : {"H2", "H2_OMB", "H2_FormLabel", "H2_FormName"})
      s.ctl(QLatin1String(name)).setBackColor(colors::White);
    s.setHeight(bottomOf(s.ctl(QStringLiteral("myBorder"))));
  } else if (id == u"SSA1099") {
    s.setHeight(bottomOf(s.ctl(QStringLiteral("Label1"), 33)));
  } else if (id == u"RRB1099") {
    s.setHeight(bottomOf(s.ctl(QStringLiteral("LabelForm"), 3)));
  } else if (id == u"CONFIGURE") {
    s.setHeight(bottomOf(s.ctl(QStringLiteral("Frame6"))));
  } else {
    // myBorder decides where the screen has one, Shape5 on the others.
    ignoringFailure([&] { s.setHeight(bottomOf(s.ctl(QStringLiteral("Shape5")))); });
    ignoringFailure([&] { s.setHeight(bottomOf(s.ctl(QStringLiteral("myBorder")))); });
  }
}

void paperLabel(Control& c, const QString& id) {
  if (state().DebugMode) c.setBackColor(colors::White);
  if (kPartBarScreens.contains(id)) {
    c.setBackStyle(sameText(c.name(), QLatin1String("LabelPart")) ? 1 : 0);
  } else if (id == u"1099A") {
    if (c.name() == u"Label1" && c.index() == 6) {
      c.setBackColor(colors::WindowBackground);
      c.setBackStyle(1);
    } else {
      c.setBackColor(colors::White);
    }
  } else {
    c.setBackStyle(0);
  }
}

void paperLook(Screen& s, const QString& id) {
  s.setBackColor(colors::White);
  for (Control* c : s.controls()) {
    switch (c->type()) {
      case ControlType::TextBox:
        c->setBackColor(colors::White);
        c->select(0, 0);
        break;
      case ControlType::Label:
        paperLabel(*c, id);
        break;
      case ControlType::PictureBox:
        if (kTintedPictures.contains(c->name().toLower())) c->setBackColor(colors::WindowBackground);
        break;
      case ControlType::Frame:
      case ControlType::OptionButton:
        c->setBackColor(colors::White);
        break;
      default:
        break;
    }
  }
}

}  // namespace

bool Screen_Clip() {
  return trap(QStringLiteral("M5_ClipCode:Screen_Clip"), [] {
    Screen* s = state().CurrentForm;
    if (!s) raiseError(err::ObjectNotSet, {});
    const QString id = state().FormInfo[11];
    cropHeight(*s, id);
    paperLook(*s, id);
  });
}

}  // namespace qv
