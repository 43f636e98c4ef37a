#pragma once
// The tax form screens, W-2 to 1095-C, and what each does beyond the common
// pattern of TaxFormScreen. A screen is added by its layout file alone.
#include <QString>
#include <vector>

namespace qv {

// Two check labels of which at most one is ticked.
struct CheckPair {
  int first, second;
};

struct TaxFormTraits {
  const char* name;         // "TF_1099INT"
  const char* caption;      // title bar
  const char* menuCaption;  // the main window's menu item, as shown (no access-key marks)
  bool border = true;       // myBorder is stretched round the document at load
  std::vector<CheckPair> checkPairs = {};
  std::vector<int> oneOfChecks = {};  // ticking one clears the others; ticking the ticked one clears all
  bool enterAsTab = false;       // Enter moves to the next field
  int taxYearField = -1;         // Text1 index of a statement year typed as YY or YYYY
  std::vector<int> outOfScope = {};   // Text1 indexes of boxes the program does not support
};

// Every tax form screen, W-2 first.
const std::vector<TaxFormTraits>& taxForms();
// The traits of a screen name (without regard to case); nullptr for none.
const TaxFormTraits* taxFormTraits(const QString& screenName);

}  // namespace qv
