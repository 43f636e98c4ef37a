#pragma once
// The taxpayer information sheet: the taxpayer, the spouse and seven other
// persons typed once, so that Load TP can copy them into any screen; each
// person's age on 31 December of the tax year, kept current.
#include "engine/FormScreen.h"

namespace qv {

class F5_TPInfo : public FormScreen {
 public:
  F5_TPInfo() : FormScreen(QStringLiteral("F5_TPInfo")) {}

  // The age of the person whose birth date is Text1(dobIndex) into Text2(ageIndex).
  void UpdateAge(const QString& dobIndex, const QString& ageIndex);

 protected:
  void onLoad() override;
  void onChange(Control& c) override;
  void onKeyPress(Control& c, int& keyAscii) override;
  void onValidate(Control& c, bool& cancel) override;

 private:
  void TaxYear_Change();
  void showAgeCaptions();

  bool loading_ = false;
};

}  // namespace qv
