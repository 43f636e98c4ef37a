#include "screens/Form1095AScreen.h"

#include "frame/ErrorTrap.h"
#include "runtime/Currency.h"
#include "runtime/Format.h"

namespace qv {

namespace {

// The key code of F12 as the key press hands it on; "{" types the same code.
constexpr int kFillDown = '{';

// A monthly column of Part III: January to December and the annual total.
struct Column {
  int first, last, total;
  bool retotalledFromTotal;  // leaving the total recomputes it from the months
};
constexpr Column kColumns[] = {{38, 49, 50, false}, {51, 62, 63, true}, {64, 75, 76, false}};

const Column* columnOfMonth(int index) {
  for (const Column& c : kColumns)
    if (index >= c.first && index <= c.last) return &c;
  return nullptr;
}

// The column whose total leaving this box recomputes.
const Column* columnRetotalledBy(int index) {
  for (const Column& c : kColumns)
    if ((index >= c.first && index <= c.last) || (c.retotalledFromTotal && index == c.total)) return &c;
  return nullptr;
}

}  // namespace

void TF_1095A::AddEmUp(int iBeg, int iEnd, int iTot) {
  trap(QStringLiteral("TF_1095A:AddEmUp"), [&] {
    Currency total;
    for (int i = iBeg; i <= iEnd; ++i)
      if (!field(i).text().isEmpty()) total += Currency::fromText(field(i).text());
    field(iTot).setText(formatNumber(total, QStringLiteral("$###,###.00")));
  });
}

void TF_1095A::onGotFocus(Control& c) {
  TaxFormScreen::onGotFocus(c);
  if (isField(c)) CurrentIndex = c.index();
}

void TF_1095A::onKeyPress(Control& c, int& keyAscii) {
  if (isField(c) && keyAscii == kFillDown) fillDown(c.index());
  TaxFormScreen::onKeyPress(c, keyAscii);
}

void TF_1095A::onKeyUp(Control& c, int& keyCode, int) {
  if (!isField(c) || keyCode != keys::F12 || !columnOfMonth(c.index())) return;
  int code = kFillDown;
  onKeyPress(field(CurrentIndex), code);
}

void TF_1095A::fieldEdited(int index) {
  if (const Column* column = columnRetotalledBy(index)) AddEmUp(column->first, column->last, column->total);
}

void TF_1095A::fillDown(int index) {
  const bool edited = Text1_Validate(CurrentIndex);
  CurrentIndex = index;
  // An amount that fails its edit is not copied: it could not be totalled.
  if (!edited) return;
  const Column* column = columnOfMonth(CurrentIndex);
  if (!column) return;
  const QString amount = field(CurrentIndex).text();
  for (int i = CurrentIndex + 1; i <= column->last; ++i) field(i).setText(amount);
  AddEmUp(column->first, column->last, column->total);
}

}  // namespace qv
