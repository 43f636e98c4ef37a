#pragma once
// The Social Security benefit statement: as the user moves through its
// amounts it recomputes the net benefits, the amount paid by check or direct
// deposit, the total additions and the benefits for the tax year; a result
// below zero is reported, painted red and holds back Save, Print and Clip
// until the next validation clears it. It also puts in the tax year's Part B
// premium, the claim number and the start of the address.
#include <array>

#include "runtime/Currency.h"
#include "screens/TaxFormScreen.h"

namespace qv {

class TF_SSA1099 : public TaxFormScreen {
 public:
  explicit TF_SSA1099(const TaxFormTraits& traits) : TaxFormScreen(traits) {}

  // A computation error is pending.
  bool b_SSAError = false;

  // The tax year's Part B premium into its box, then the sums again.
  void Form_Activate();
  // Every sum, the amounts shown again, and the tests that set b_SSAError.
  // myIndex is the box that asked; it does not change the result.
  void ComputeSSA(int myIndex);
  // Every box the user fills back to white.
  void ResetBackColor();

  void yearChanged() override { Form_Activate(); }
  bool computationError() const override { return b_SSAError; }

 protected:
  void formLoaded() override;
  void onActivate() override {
    TaxFormScreen::onActivate();
    Form_Activate();
  }
  void onGotFocus(Control& c) override;
  void onLostFocus(Control& c) override;
  // The claim number from box 2; an amount computes again, or after an error
  // only clears it.
  void fieldEdited(int index) override;

 private:
  void Text1_GotFocus(int index);
  void Text1_LostFocus(int index);
  // The first sum below zero is reported; true when one was.
  bool reportedNegative();

  // By box index; 17 holds the benefits of the three earlier years.
  std::array<Currency, 18> Amounts{};
};

}  // namespace qv
