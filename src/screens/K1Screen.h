#pragma once
// The three Schedule K-1 screens (Forms 1065, 1120-S and 1041): one family,
// two pages in a tab control and a Part III grid of box-number, code and
// amount cells, differing only in the numbers of their traits.
#include <vector>

#include "engine/FormScreen.h"
#include "screens/TaxFormTable.h"

namespace qv {

// The code cells of one box: indexes first..last of Text2 or Text4.
struct K1Box {
  int first, last, box;
};

struct K1Traits {
  const char* name;           // "TF_K11065"
  const char* sectionPrefix;  // "K1-1065-"
  int lastPage0[3];           // of Text1, Text2/Text3, Text4/Text5
  std::vector<K1Box> leftBoxes, rightBoxes;  // code cells in Text2, in Text4
  int checks;                 // check labels 0..checks-1
  std::vector<CheckPair> checkPairs;
  bool codeCellsLocked;       // typing goes nowhere: only the list fills them
  bool anyKeyOpensList;       // else only F1..F12
  int xCell;                  // the Text5 cell ticked with X; -1 for none
};

const std::vector<K1Traits>& k1Forms();
const K1Traits* k1Traits(const QString& screenName);

class K1Screen : public FormScreen {
 public:
  explicit K1Screen(const K1Traits& traits);
  const K1Traits& traits() const { return traits_; }

  // Text1, then the left grid row by row, then the right grid; everything else after.
  void SetTabOrder();
  // A code read from a form file whose amount is text gives its amount cell
  // the free-text kind again, as choosing it from the list did.
  void recordRestored() override;

 protected:
  void onLoad() override;
  void onGotFocus(Control& c) override;
  void onLostFocus(Control& c) override;
  void onValidate(Control& c, bool& cancel) override;
  void onKeyDown(Control& c, int& keyCode, int shift) override;
  void onKeyPress(Control& c, int& keyAscii) override;
  void onClick(Control& c) override;

 private:
  static bool isCell(const Control& c);
  int lastPage0(const Control& cell) const;
  bool isXCell(const Control& c) const;
  void setUpCodeCells(const QString& array, const std::vector<K1Box>& boxes);
  void Check_Click(int index);
  void toggleXCell(Control& cell);

  const K1Traits& traits_;
  bool swallowKeyPress_ = false;  // the key that opened the code list types nothing
};

}  // namespace qv
