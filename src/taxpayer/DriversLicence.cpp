#include "taxpayer/DriversLicence.h"

#include <QStringList>

#include "engine/FieldEdits.h"
#include "engine/FormInit.h"
#include "frame/ErrorTrap.h"
#include "frame/ProgramState.h"
#include "platform/Paths.h"
#include "runtime/Text.h"
#include "taxpayer/LicenceDates.h"

namespace qv {

namespace {

constexpr int kStockPhotos = 16;

}  // namespace

void F3_DL::onLoad() {
  const QString logName = QStringLiteral("F3_DL:Form_Load");
  trap(logName, [&] {
    Form_Init(*this);
    // The photo boxes start empty, so the numbers of an earlier load must go too.
    p_iDL1PicIndex = 0;
    p_iDL2PicIndex = 0;
    LoadHolidayList();
  });
  trap(logName, [&] { showStockPhotos(); });
}

// Photo n in picDL(n-1). Missing photos leave their boxes empty and are
// reported on the first load of the run only.
void F3_DL::showStockPhotos() {
  ProgramState& s = state();
  QStringList missing;
  for (int n = 1; n <= kStockPhotos; ++n) {
    const QString name = QStringLiteral("P%1GS.jpg").arg(n);
    const QString file = paths::join(s.PicturesFolder, name);
    if (paths::fileExists(file)) ctl(QStringLiteral("picDL"), n - 1).setPicture(paths::toHost(file));
    else missing << name;
  }
  if (missing.isEmpty() || s.LicencePhotosReported) return;
  s.LicencePhotosReported = true;
  raiseError(err::FileNotFound,
             QStringLiteral("File not found: %1 in %2").arg(missing.join(QStringLiteral(", ")), s.PicturesFolder));
}

void F3_DL::onMouseDown(Control& c, int button) {
  if (c.type() != ControlType::PictureBox || !c.inArray() || !sameText(c.name(), QLatin1String("picDL"))) return;
  trap(QStringLiteral("F3_DL:picDL_MouseDown"), [&] {
    const int which = button == 1 ? 1 : 2;
    ctl(QLatin1String(kLicenceFields[which - 1].photo)).setPicture(c.picture());
    setPhotoIndex(which, c.index() + 1);
  });
}

void F3_DL::onValidate(Control& c, bool& cancel) {
  if (!isField(c)) return;
  trap(QStringLiteral("F3_DL:Text1_Validate"), [&] {
    if (!EditCtl(c)) {
      c.select(0, int(c.text().size()));
      cancel = true;
      return;
    }
    for (const LicenceFields& l : kLicenceFields) {
      if (c.index() == l.name) {
        // Licence 1 needs its holder before the keyboard leaves it (licence 2
        // may stay blank); a save taking the box as it stands goes on and
        // names the missing holder itself.
        if (c.text().isEmpty()) cancel = l.nameRequired && !validatingInPlace();
        else field(l.number).setText(NewLicenseNumber());
      } else if (c.index() == l.birth) {
        SetLicenseDates(QLatin1String(l.which), c.text(), field(l.issue), field(l.expiration));
      }
    }
  });
}

}  // namespace qv
