#pragma once
// The wage and tax statement: leaving box 3 or box 5 computes the Social
// Security or Medicare tax withheld (boxes 4 and 6) from the tax year's
// settings, and box 9 is a verification code box in tax year 2018 only.
#include "screens/TaxFormScreen.h"

namespace qv {

class TF_W2 : public TaxFormScreen {
 public:
  explicit TF_W2(const TaxFormTraits& traits) : TaxFormScreen(traits) {}

  // Box 9 by the tax year the screen shows.
  void Form_Activate();
  void yearChanged() override { Form_Activate(); }

 protected:
  void onActivate() override {
    TaxFormScreen::onActivate();
    Form_Activate();
  }
  // Box 3 or box 5: the tax withheld from them.
  void fieldEdited(int index) override;
};

}  // namespace qv
