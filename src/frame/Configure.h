#pragma once
// The configuration screen F1_Configure, the first screen at start-up: the
// printer, the filing status that selects the Medicare threshold, the pattern
// of form-file names, the tax year and the year's Social Security and
// Medicare values. Its load builds the four tax-year choices of the run.
#include <QString>
#include <array>

#include "engine/FormScreen.h"

namespace qv {

class F1_Configure : public FormScreen {
 public:
  F1_Configure() : FormScreen(QStringLiteral("F1_Configure")) {}

  // A tax-year change reloads the year's values.
  void yearChanged() override;

 protected:
  void onLoad() override;
  void onQueryUnload(bool& cancel) override;
  void onClick(Control& c) override;
  void onGotFocus(Control& c) override;
  void onValidate(Control& c, bool& cancel) override;

 private:
  void Form_Load();
  void cbxPrinters_Click();
  void optFileName_Click(int index);
  void optStatus_Click(int index);
  void fillYearChoices();
  void fillPrinters();
  void chooseFileNameFormat();

  // The four form-file name patterns (slot 4 unused), each followed by the
  // edition's extension, and the FileNameFmt setting read at load.
  std::array<QString, 5> FileNamePatterns;
  QString FileNameFmt;
};

// The one configuration screen of the program.
F1_Configure& configureScreen();

}  // namespace qv
