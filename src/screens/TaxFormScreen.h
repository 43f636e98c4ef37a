#pragma once
// The common pattern of the tax form screens: the engine starts the screen
// and lays out its border; check labels toggle alone, in exclusive pairs or
// in a one-of group; fields follow the engine's field contract; and the small
// rules a screen's traits ask for (a statement year, boxes out of scope,
// Enter as Tab).
#include "engine/FormScreen.h"
#include "screens/TaxFormTable.h"

namespace qv {

class TaxFormScreen : public FormScreen {
 public:
  explicit TaxFormScreen(const TaxFormTraits& traits);

  const TaxFormTraits& traits() const { return traits_; }
  // Check(index); a missing index is error 340.
  Control& check(int index) const { return ctl(QStringLiteral("Check"), index); }

 protected:
  // The layout, then the caption of the traits.
  void buildControls() override;
  void onLoad() override;
  void onClick(Control& c) override;
  void onKeyPress(Control& c, int& keyAscii) override;
  void onLostFocus(Control& c) override;
  void onValidate(Control& c, bool& cancel) override;
  // What a screen adds to the common load, inside the load's error trap.
  virtual void formLoaded() {}
  // What a screen does with a field left with a successful edit.
  virtual void fieldEdited(int /*index*/) {}
  // The edit of Text1(index), then fieldEdited; false when the edit failed
  // (the focus stays in the field).
  bool Text1_Validate(int index);

 private:
  void Form_Load();
  void Check_Click(int index);
  // "24" becomes "2024"; a length other than 0, 2 or 4 takes the focus back.
  void taxYearField_LostFocus(Control& field);

  const TaxFormTraits& traits_;
};

}  // namespace qv
