#pragma once
// The driver's licence screen: two training licences side by side, each with
// a name and address, a birth date, a licence number made from the clock,
// issue and expiration dates worked out from the birthday, and one of sixteen
// stock photos, put on the left licence by a left click and on the right one
// by any other button.
#include "engine/FormScreen.h"

namespace qv {

// The fields of each licence (Text1 indexes) and its photograph.
struct LicenceFields {
  const char* which;  // SetLicenseDates' licence argument
  int name, birth, number, expiration, issue;
  bool nameRequired;
  const char* photo;
};
inline constexpr LicenceFields kLicenceFields[] = {
    {"1", 0, 1, 2, 3, 8, true, "Picture2"},
    {"2", 4, 5, 6, 7, 9, false, "Picture4"},
};

class F3_DL : public FormScreen {
 public:
  F3_DL() : FormScreen(QStringLiteral("F3_DL")) {}

  // The stock photo (1 to 16) on licence 1 and licence 2; 0 before one is chosen.
  int p_iDL1PicIndex = 0;
  int p_iDL2PicIndex = 0;

  int photoIndex(int which) const override { return which == 1 ? p_iDL1PicIndex : p_iDL2PicIndex; }
  void setPhotoIndex(int which, int index) override { (which == 1 ? p_iDL1PicIndex : p_iDL2PicIndex) = index; }

 protected:
  void onLoad() override;
  void onMouseDown(Control& c, int button) override;
  void onValidate(Control& c, bool& cancel) override;

 private:
  void showStockPhotos();
};

}  // namespace qv
