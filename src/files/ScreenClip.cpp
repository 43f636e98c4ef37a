#include "files/ScreenClip.h"

#include <QStringList>

#include "controls/Screen.h"
#include "engine/FormReset.h"
#include "engine/K1Handlers.h"
#include "frame/Common.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Host.h"
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

constexpr int kOtherPersons = 7;
constexpr int kCards = 9;

Control& field(const Screen& s, int index) { return s.ctl(QStringLiteral("Text1"), index); }

// The two licences, without their entry frame; the second only when it has a
// holder. The window ends 300 twips below the top of the status line, so its
// inside, under the title bar, stops above it.
void cropLicences(Screen& s) {
  s.ctl(QStringLiteral("Frame1")).setVisible(false);
  s.setHeight(s.ctl(QStringLiteral("labelMisc")).top() + 300);
  if (field(s, 4).text().isEmpty()) {
    s.ctl(QStringLiteral("Picture3")).setVisible(false);
    // The picture ends with the first licence instead of a blank where the second was.
    const Control& first = s.ctl(QStringLiteral("Picture1"));
    s.setInsideWidth(2 * first.left() + first.width());
  }
  host().processEvents();
  field(s, 0).SetFocus();
}

// A Schedule K-1 shows the page in front: page 1's two halves stand side by side.
void cropK1(Screen& s) {
  if (s.ctl(QStringLiteral("SSTab1")).currentTab() == 0)
    s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("Pic1L"))));
  else
    s.setInsideHeight(s.ctl(QStringLiteral("Pic2L")).top() + s.ctl(QStringLiteral("Pic2R")).height());
}

// The window height whose inside ends at the bottom of the document.
void cropHeight(Screen& s, const QString& id) {
  if (id == u"TPINFO") {
    Clip_Size_TPInfo();
  } else if (id == u"DL") {
    cropLicences(s);
  } else if (id == u"SS_ITIN") {
    Clip_Size_SS_ITIN();
  } else if (isK1ShortId(id)) {
    cropK1(s);
  } else if (kWhiteHeader.contains(id)) {
    for (const char* name : {"H2", "H2_OMB", "H2_FormLabel", "H2_FormName"})
      s.ctl(QLatin1String(name)).setBackColor(colors::White);
    s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("myBorder"))));
  } else if (id == u"SSA1099") {
    s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("Label1"), 33)));
  } else if (id == u"RRB1099") {
    s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("LabelForm"), 3)));
  } else if (id == u"CONFIGURE") {
    s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("Frame6"))));
  } else {
    // myBorder decides where the screen has one, Shape5 on the others.
    ignoringFailure([&] { s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("Shape5")))); });
    ignoringFailure([&] { s.setInsideHeight(bottomOf(s.ctl(QStringLiteral("myBorder")))); });
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

bool Clip_Size_TPInfo() {
  Screen& s = *state().CurrentForm;
  bool others = false;
  for (int k = 0; k < kOtherPersons; ++k)
    others = others || !field(s, 6 + 4 * k).text().isEmpty() || !field(s, 7 + 4 * k).text().isEmpty();
  s.setInsideHeight(bottomOf(s.ctl(others ? QStringLiteral("Shape2") : QStringLiteral("Shape1"))));
  host().processEvents();
  field(s, 0).SetFocus();
  return true;
}

bool Clip_Size_SS_ITIN() {
  try {
    Screen& s = *state().CurrentForm;
    auto frame = [&](int k) -> Control& { return s.ctl(QStringLiteral("Frame1"), k); };
    const int rowTops[3] = {frame(0).top(), frame(3).top(), frame(6).top()};
    const int columnLefts[3] = {frame(0).left(), frame(1).left(), frame(2).left()};
    const int cardHeight = frame(0).height(), cardWidth = frame(1).width();
    int lowestRow = -1, rightmostColumn = -1;
    for (int k = 0; k < kCards; ++k) {
      if (field(s, 2 * k).text().isEmpty()) {
        frame(k).setVisible(false);
        continue;
      }
      lowestRow = std::max(lowestRow, k / 3);
      rightmostColumn = std::max(rightmostColumn, k % 3);
    }
    if (lowestRow < 0) return false;
    s.setInsideHeight(rowTops[lowestRow] + cardHeight);
    s.setInsideWidth(columnLefts[rightmostColumn] + cardWidth);
    host().processEvents();
    return true;
  } catch (const ProgramError&) {
    return false;
  }
}

void Show_All_Cards(Screen& cards) {
  for (Control* card : cards.array(QStringLiteral("Frame1"))) card->setVisible(true);
  if (Control* status = cards.find(QStringLiteral("labelMisc"))) status->setVisible(true);
}

void CopyEntirePicture(Screen& screen) {
  Hide_Taskbar();
  try {
    host().copyScreenPicture(screen);
  } catch (const ProgramError& e) {
    if (state().DebugMode) {
      Show_Taskbar();
      debugHalt(QStringLiteral("M5_CopyFormToClipboard:CopyEntirePicture"), e);
    }
  }
  Show_Taskbar();
}

bool Screen_Clip() {
  return trap(QStringLiteral("M5_ClipCode:Screen_Clip"), [] {
    Screen* s = state().CurrentForm;
    if (!s) raiseError(err::ObjectNotSet, {});
    rememberWorkingLook(*s);
    s->setMinimized(false);  // the paper is what the window shows
    const QString id = state().FormInfo[11];
    cropHeight(*s, id);
    paperLook(*s, id);
  });
}

}  // namespace qv
