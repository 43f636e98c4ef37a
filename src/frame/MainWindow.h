#pragma once
// The main window F0_MDI: start-up and edition set-up, the button row, the
// colour legend, the menus and the quit command.
#include <QString>

#include "controls/Screen.h"

namespace qv {

struct Edition;

class F0_MDI : public Screen {
 public:
  // The inside, where the screens are shown, is the window less the panel
  // docked left (1815 twips) and the menu bar on top (about 22 pixels).
  F0_MDI() : Screen(QStringLiteral("F0_MDI")) { setFrame(1815, 330); }

  // Start-up, run by the window's Load.
  void MDIForm_Load();
  void MDI_Setup();
  void MDI_Setup_Common();
  void MDI_Setup_Velmora();
  void MDI_Setup_Kestrum();
  void MDI_Setup_TaxFormsFolder();
  void SaveInfFolders(const QString& myFile, const QString& myFolder);
  void MDI_Quit();
  // The picture of the active screen on the clipboard.
  void MDI_Clip();

  // The document screen the user sees (the active child window), if any;
  // `closing` is left out, for the screen under it.
  Screen* activeChild(const Screen* closing = nullptr) const;

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
  void mnuControlPrint_Click();
  void mnuControlClear_Click();
  void mnuControlClose_Click();
  void mnuControlGuide_Click();
  // The menu items that open a screen: enabled when the program has it.
  void enableScreenItems();
  void picLegends_Click();
  // False when changed settings the user chose to save could not be saved.
  bool settingsSaved();
  void testModeSetup();
  void setupEdition(const Edition& e);
  void installSettingsFiles();
  // Checks the settings folder and the user's file; installs the shipped
  // files when they can be used, else says why (and marks them unusable).
  QString settingsPlace();

  QString FormsFolder;
  QString IconFile;
  QString VersionMajor;
  bool TaskbarHidden = false;
  bool Printing = false;  // a Print command is under way
};

F0_MDI& mainWindow();

}  // namespace qv
