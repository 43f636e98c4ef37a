#pragma once
// The dialog shown when the form file about to be written exists: keep the
// name (the caller overwrites), type another (written there, the old file
// deleted), take the next free sequence number (a new file beside it), or
// leave without saving. The answer is SaveResult: 2 write, 4 done here.
#include <QString>

#include "controls/Screen.h"

namespace qv {

class F7_Save : public Screen {
 public:
  F7_Save() : Screen(QStringLiteral("F7_Save")) {}

  // The existing file's path, set before the dialog is shown.
  QString F7_FullPath;

 protected:
  void onLoad() override;
  void onChange(Control& c) override;
  void onClick(Control& c) override;
  void onQueryUnload(bool& cancel) override;

 private:
  void cmdSave_Click();
  void cmdNewSequence_Click();
  void answer(int result);
  QString typed(const QString& box) const;
  QString renamedPath() const;

  QString folder_, name_, extension_;
  bool answered_ = false;
};

F7_Save& fileExistsDialog();

// The current-file text of the dialog for a file's folder, name and extension.
QString currentFileText(const QString& folder, const QString& name, const QString& extension);

// The next free file for a path without its extension (`stem`) and an
// extension: a stem ending in "_###" counts up from its number ("_999" gives
// "_1000"); any other stem gets "_000", or the next free number.
QString nextSequenceName(const QString& stem, const QString& extension);

}  // namespace qv
