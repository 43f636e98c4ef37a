#pragma once
// The main window F0_MDI: start-up and edition set-up, the button row, the
// colour legend, the menus and the quit command.
#include <QString>

#include "controls/Screen.h"

namespace qv {

class F0_MDI : public Screen {
 public:
  // The menu bar takes the top of the window (about 22 pixels).
  F0_MDI() : Screen(QStringLiteral("F0_MDI")) { setFrame(0, 330); }

  // Start-up, run by the window's Load.
  void MDIForm_Load();
  void MDI_Setup();
  void MDI_Setup_Common();
  void MDI_Setup_Velmora();
  void MDI_Setup_Kestrum();
  void MDI_Setup_TaxFormsFolder();
  void SaveInfFolders(const QString& myFile, const QString& myFolder);
  void MDI_Quit();

  // The document screen the user sees (the active child window), if any.
  Screen* activeChild() const;

  const QString& formsFolder() const { return FormsFolder; }
  const QString& iconFile() const { return IconFile; }
  const QString& versionMajor() const { return VersionMajor; }

 protected:
  void onLoad() override;
  void onClick(Control& c) override;
  void onMenu(Menu& m) override;
  void onQueryUnload(bool& cancel) override;
  void onUnload(bool& cancel) override;

 private:
  void cmdBtn_Click(int index);
  void mnuControlGuide_Click();
  void picLegends_Click();
  void testModeSetup();
  void installSettingsFiles();

  QString FormsFolder;
  QString IconFile;
  QString VersionMajor;
  bool TaskbarHidden = false;
};

F0_MDI& mainWindow();

}  // namespace qv
