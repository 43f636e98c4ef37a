#pragma once
// The railroad retirement statements, RRB-1099 above RRB-1099-R: leaving an
// amount of the upper panel recomputes its net benefit (box 5) and tests it
// against zero and against boxes 7 to 11, holding back Save, Print and Clip
// after an error until the next validation clears it; boxes 4 to 6 of the
// lower panel add up to its box 7; and the upper panel's payer and recipient
// boxes are copied to the lower panel by the index pairs of Forms.inf.
#include <array>

#include "runtime/Currency.h"
#include "screens/TaxFormScreen.h"

namespace qv {

class TF_RRB1099 : public TaxFormScreen {
 public:
  explicit TF_RRB1099(const TaxFormTraits& traits) : TaxFormScreen(traits) {}

  // A computation error is pending.
  bool b_RRBError = false;

  // Box 5 and the sum of boxes 7 to 11, the amounts shown again, and the
  // tests that may set b_RRBError. Index is the box that asked.
  void ComputeRRB(int index);

  bool computationError() const override { return b_RRBError; }

 protected:
  void formLoaded() override;
  void onGotFocus(Control& c) override;
  void onLostFocus(Control& c) override;
  // An amount of the upper panel computes again (or after an error only
  // clears it); any other box copies the mirrors, and boxes 4 to 6 of the
  // lower panel total it first.
  void fieldEdited(int index) override;

 private:
  // Box 7 of the lower panel from its boxes 4 to 6.
  void totalGrossPaid();
  // The payer and recipient boxes into their lower-panel mirrors.
  void copyToLowerPanel();

  // By box index 4 to 12; 0 holds boxes 7 to 11 together.
  std::array<Currency, 13> Amounts{};
  Currency TotalGrossPaid;
};

}  // namespace qv
