#pragma once
// The Health Insurance Marketplace Statement: its three monthly columns of
// Part III keep their annual totals as the months are left, F12 copies a
// month's amount into every later month of its column, and Enter moves on as
// Tab does.
#include "screens/TaxFormScreen.h"

namespace qv {

class TF_1095A : public TaxFormScreen {
 public:
  explicit TF_1095A(const TaxFormTraits& traits) : TaxFormScreen(traits) {}

  // Text1(iTot) = the total of the boxes iBeg to iEnd that are not empty.
  void AddEmUp(int iBeg, int iEnd, int iTot);

 protected:
  void onGotFocus(Control& c) override;
  void onKeyPress(Control& c, int& keyAscii) override;
  void onKeyUp(Control& c, int& keyCode, int shift) override;
  // A month (or column B's total): its column's total again.
  void fieldEdited(int index) override;

 private:
  // The amount of the month at `index` into the later months of its column.
  void fillDown(int index);

  int CurrentIndex = 0;  // the box that last took the focus
};

}  // namespace qv
