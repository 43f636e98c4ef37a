#pragma once
// The base of every document screen: the engine's contract for its Text1
// fields (focus appearance, key filter, edit on leaving, colours reset) and
// the hook a tax-year change calls.
#include "controls/Screen.h"

namespace qv {

class FormScreen : public Screen {
 public:
  // Document screens are child windows of the main window, with a title bar
  // and borders.
  explicit FormScreen(QString name) : Screen(std::move(name)) {
    setChild(true);
    setFrame(DocumentFrameWidth, DocumentFrameHeight);
  }

  // Redoes what the screen computes from the tax year; a tax-year change
  // calls it on the screens that depend on the year.
  virtual void yearChanged() {}
  // A computation of the screen found an error that must be corrected before
  // the screen is saved, printed or copied (the SSA-1099 and RRB-1099 flags).
  virtual bool computationError() const { return false; }

  // The numbers of the licence photographs (1 and 2) a form file keeps; a
  // screen without photographs keeps none.
  virtual int photoIndex(int which) const { (void)which; return 0; }
  virtual void setPhotoIndex(int which, int index) { (void)which; (void)index; }

  // A form file's items have been put back into the screen's controls.
  virtual void recordRestored() {}

  // Text1(index); a missing index is error 340.
  Control& field(int index) const { return ctl(QStringLiteral("Text1"), index); }
  // A member of the Text1 field array.
  static bool isField(const Control& c);

 protected:
  // The screen the user brings to the front is the current form.
  void onActivate() override;
  // Closing the current form makes the screen left in view the current one.
  void onUnload(bool& cancel) override;
  // Focus: the kind's colour, the text selected, the help text shown.
  void onGotFocus(Control& c) override;
  // Ctrl+V and Ctrl+C pass; every other key goes through the key filter.
  void onKeyPress(Control& c, int& keyAscii) override;
  // White field, black text.
  void onLostFocus(Control& c) override;
  // The kind's edit; a failure keeps the focus in the field.
  void onValidate(Control& c, bool& cancel) override;
};

}  // namespace qv
