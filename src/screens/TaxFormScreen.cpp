#include "screens/TaxFormScreen.h"

#include <algorithm>

#include "engine/Checks.h"
#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "engine/SendKeys.h"
#include "frame/ErrorTrap.h"
#include "runtime/Text.h"

namespace qv {

namespace {

constexpr Color kOutOfScopeGrey = 0x00DCDCDC;

bool contains(const std::vector<int>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

TaxFormScreen::TaxFormScreen(const TaxFormTraits& traits)
    : FormScreen(QLatin1String(traits.name)), traits_(traits) {}

void TaxFormScreen::buildControls() {
  FormScreen::buildControls();
  setCaption(QLatin1String(traits_.caption));
}

void TaxFormScreen::onLoad() { Form_Load(); }

void TaxFormScreen::Form_Load() {
  trap(name() + QStringLiteral(":Form_Load"), [&] {
    Form_Init(*this);
    if (traits_.border) Form_Layout(ctl(QStringLiteral("myBorder")));
    for (int index : traits_.outOfScope) {
      Control& box = field(index);
      box.setAlignment(Align::Center);
      box.setText(QStringLiteral("OUT OF SCOPE"));
      box.setBackColor(kOutOfScopeGrey);
    }
    formLoaded();
  });
}

void TaxFormScreen::onClick(Control& c) {
  if (c.type() == ControlType::Label && c.inArray() && sameText(c.name(), QLatin1String("Check")))
    Check_Click(c.index());
}

void TaxFormScreen::Check_Click(int index) {
  const std::vector<int>& group = traits_.oneOfChecks;
  if (contains(group, index)) {
    const bool wasTicked = check(index).caption() == u"X";
    for (int member : group) check(member).setCaption(QString());
    if (!wasTicked) Check_Toggle(check(index));
    return;
  }
  for (const CheckPair& pair : traits_.checkPairs) {
    if (index == pair.first || index == pair.second) {
      Check_Toggle_Pair(check(index), check(index == pair.first ? pair.second : pair.first));
      return;
    }
  }
  Check_Toggle(check(index));
}

void TaxFormScreen::onKeyPress(Control& c, int& keyAscii) {
  if (traits_.enterAsTab && isField(c) && keyAscii == keys::Return) {
    Send_Keys(QStringLiteral("{TAB}"), false);
    keyAscii = 0;
    return;
  }
  FormScreen::onKeyPress(c, keyAscii);
}

void TaxFormScreen::onValidate(Control& c, bool& cancel) {
  if (isField(c)) cancel = !Text1_Validate(c.index());
}

bool TaxFormScreen::Text1_Validate(int index) {
  if (!EditCtl(field(index))) return false;
  fieldEdited(index);
  return true;
}

void TaxFormScreen::onLostFocus(Control& c) {
  if (isField(c) && c.index() == traits_.taxYearField) taxYearField_LostFocus(c);
  FormScreen::onLostFocus(c);
}

void TaxFormScreen::taxYearField_LostFocus(Control& field) {
  switch (field.text().size()) {
    case 0:
    case 4:
      return;
    case 2:
      field.setText(QStringLiteral("20") + field.text());
      return;
    default:
      field.SetFocus();
  }
}

}  // namespace qv
