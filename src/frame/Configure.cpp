#include "frame/Configure.h"

#include "engine/FormInit.h"
#include "engine/SocialSecurity.h"
#include "engine/TaxYear.h"
#include "frame/ErrorTrap.h"
#include "frame/Ini.h"
#include "frame/MessageBox.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "runtime/Text.h"

namespace qv {

namespace {

// The filing statuses of optStatus(0..2) and the income up to which the
// standard Part B premium applies.
struct FilingStatusChoice {
  const char* code;
  const char* income;
};
constexpr FilingStatusChoice kStatuses[] = {{"Single", "106,000"}, {"MFS", "106,000"}, {"MFJ", "212,000"}};

// The form-file name patterns of optFileName(0..3), how the option describes
// them and its example.
struct FileNameChoice {
  const char* pattern;
  const char* description;
  const char* example;
};
constexpr FileNameChoice kFileNames[] = {
    {"<LAST>_<FIRST>_<FORM>_<OTHER>_<SEQ>", "LastName_FirstName_FormName_OtherInfo_SEQ",
     " (e.g. DOE_JOHN_W2_ABC PLUMBING_000"},
    {"<FIRST>_<LAST>_<FORM>_<OTHER>_<SEQ>", "FirstName_LastName_FormName_OtherInfo_SEQ",
     " (e.g. JOHN_DOE_W2_ABC PLUMBING_000"},
    {"<FORM>_<LAST>_<FIRST>_<OTHER>_<SEQ>", "FormName_LastName_FirstName_OtherInfo_SEQ",
     " (e.g. W2_DOE_JOHN_ABC PLUMBING_000"},
    {"<FORM>_<FIRST>_<LAST>_<OTHER>_<SEQ>", "FormName_FirstName_LastName_OtherInfo_SEQ",
     " (e.g. W2_JOHN_DOE_ABC PLUMBING_000"},
};
constexpr int kFileNameChoices = int(std::size(kFileNames));

const QString kMedicareSite = QStringLiteral("www.medicare.gov");

// The answers of the filing-status question at closing and their codes.
struct StatusAnswer {
  const char* button;
  const char* code;
};
constexpr StatusAnswer kStatusAnswers[] = {
    {"Married Filing Single - MFS", "MFS"}, {"Single - S", "Single"}, {"Married Filing Joint - MFJ", "MFJ"}};

bool named(const Control& c, const char* name) { return sameText(c.name(), QLatin1String(name)); }

// How many characters a value box selects when it takes the focus (0: it
// keeps its selection) and when its check fails.
int focusSelection(const Control& box) {
  if (named(box, "txtSSMax")) return 20;
  return named(box, "txtSSRate") || named(box, "txtMCInitRate") || named(box, "txtMCRateAfter") ? 10 : 0;
}
int failedSelection(const Control& box) { return named(box, "txtMCChgRateAfter") ? 20 : 10; }

// The FileNameFmt index; a value that names no option means the first.
int fileNameFormatIndex(const QString& fmt) {
  bool ok = false;
  const int index = trim(fmt).toInt(&ok);
  return ok && index >= 0 && index < kFileNameChoices ? index : 0;
}

}  // namespace

F1_Configure& configureScreen() {
  // The screen registries must outlive the screen: made first, destroyed last.
  (void)Screen::loadedScreens();
  (void)Screen::activationOrder();
  static F1_Configure screen;
  return screen;
}

void F1_Configure::onLoad() { Form_Load(); }

void F1_Configure::Form_Load() {
  ProgramState& s = state();
  trap(QStringLiteral("F1_Configure:Form_Load"), [&] {
    for (int i = 0; i < 3; ++i)
      if (ctl(QStringLiteral("optStatus"), i).value()) s.FilingStatus = QLatin1String(kStatuses[i].code);

    const Control& frame6 = ctl(QStringLiteral("Frame6"));
    setHeight(frame6.top() + frame6.height() + ctl(QStringLiteral("lblPrinter")).height() + 200);

    // The three help texts come with the layout.
    for (int i = 0; i < kFileNameChoices; ++i)
      FileNamePatterns[i] = QLatin1String(kFileNames[i].pattern) + s.FileExtension;

    const QString last = ReadINF(s.UserSection, QStringLiteral("LastTaxYear"), QString(), s.UserInfFile);
    fillYearChoices();
    for (int i = 0; i < int(s.YearChoices.size()); ++i)
      if (last == s.YearChoices[i]) s.YearChoiceIndex = i;
    const QString year = chosenTaxYear();
    ctl(QStringLiteral("TaxYear"), 1).setCaption(right(year, 2));
    SaveINF(s.UserSection, QStringLiteral("LastTaxYear"), year, s.UserInfFile);

    Form_Init(*this);
    optStatus_Click(0);
    fillPrinters();

    for (int i = 0; i < kFileNameChoices; ++i)
      ctl(QStringLiteral("optFileName"), i)
          .setCaption(QLatin1String(kFileNames[i].description) + s.FileExtension +
                      QLatin1String(kFileNames[i].example) + s.FileExtension + u')');
    chooseFileNameFormat();
  });
}

void F1_Configure::fillYearChoices() {
  ProgramState& s = state();
  const QDate today = clock::today();
  // Until March the year just ended is the one being filed.
  const int year = today.month() >= 3 ? today.year() : today.year() - 1;
  s.YearChoices = {QString::number(year - 1), QString::number(year), QString::number(year + 1),
                   QStringLiteral("20XX")};
  s.YearChoiceIndex = 1;
}

void F1_Configure::fillPrinters() {
  const ProgramState& s = state();
  Control& list = ctl(QStringLiteral("cbxPrinters"));
  list.setItems(host().printers());  // the default printer first
  const QString saved = ReadINF(s.UserSection, QStringLiteral("Printer"), QString(), s.UserInfFile);
  if (saved.isEmpty()) {
    SaveINF(s.UserSection, QStringLiteral("Printer"), list.items().value(0), s.UserInfFile);
    list.setListIndex(0);
  } else if (const int i = int(list.items().indexOf(saved)); i >= 0) {
    list.setListIndex(i);
  }
  // A saved printer that is gone leaves the list without a choice.
}

void F1_Configure::chooseFileNameFormat() {
  FileNameFmt = ReadINF(state().UserSection, QStringLiteral("FileNameFmt"), QString(), state().UserInfFile);
  const int index = FileNameFmt.isEmpty() ? 0 : fileNameFormatIndex(FileNameFmt);
  Control& option = ctl(QStringLiteral("optFileName"), index);
  if (option.value()) optFileName_Click(index);
  else option.setValue(1);  // raises its Click
}

void F1_Configure::onClick(Control& c) {
  if (named(c, "cbxPrinters")) cbxPrinters_Click();
  else if (named(c, "optFileName")) optFileName_Click(c.index());
  else if (named(c, "optStatus")) optStatus_Click(c.index());
}

void F1_Configure::cbxPrinters_Click() {
  ProgramState& s = state();
  Control& list = ctl(QStringLiteral("cbxPrinters"));
  s.SelectedPrinter = list.text();
  list.setSelStart(int(list.text().size()));
  SaveINF(s.UserSection, QStringLiteral("Printer"), s.SelectedPrinter, s.UserInfFile);
}

void F1_Configure::optFileName_Click(int index) {
  ProgramState& s = state();
  SaveINF(s.UserSection, QStringLiteral("FileNameFmt"), QString::number(index), s.UserInfFile);
  s.FileNamePattern = FileNamePatterns[index];
}

void F1_Configure::optStatus_Click(int) {
  ProgramState& s = state();
  int chosen = -1;
  for (int i = 0; i < 3; ++i)
    if (ctl(QStringLiteral("optStatus"), i).value()) chosen = i;
  if (chosen < 0) return;
  s.FilingStatus = QLatin1String(kStatuses[chosen].code);
  const QString income = QLatin1String(kStatuses[chosen].income);

  QString medicare = QStringLiteral("Medicare Info --- Goto <SITE> --- Filing Status: <STATUS>");
  medicare = replace(medicare, QStringLiteral("<SITE>"), kMedicareSite);
  ctl(QStringLiteral("Frame4")).setCaption(replace(medicare, QStringLiteral("<STATUS>"), s.FilingStatus));

  QString partB = QStringLiteral(
      "Annual Medicare Part B Premiums for taxpayers with|income up to $<INC>.|Premium may be more for income over $<INC>.");
  partB = replace(partB, QStringLiteral("|"), QStringLiteral("\r\n"));
  ctl(QStringLiteral("lblMC"), 3).setCaption(replace(partB, QStringLiteral("<INC>"), income));

  // The threshold box holds the withholding threshold of the status as the
  // file keeps it; the Part B income above only describes the premium.
  SS_MC_Load_Threshold(*this);
}

void F1_Configure::onGotFocus(Control& c) {
  if (const int n = focusSelection(c)) c.select(0, n);
  FormScreen::onGotFocus(c);
}

void F1_Configure::onValidate(Control& c, bool& cancel) {
  const auto& fields = ssMcFields();
  for (int i = 0; i < int(fields.size()); ++i) {
    const SSMCField& f = fields[i];
    if (!named(c, f.box)) continue;
    if (!(f.rate ? SS_MC_Edit_Rate(c) : SS_MC_Edit_Money(c))) {
      c.select(0, failedSelection(c));
      cancel = true;
    }
    ssMcValue(i) = c.text();
    return;
  }
  FormScreen::onValidate(c, cancel);
}

void F1_Configure::onQueryUnload(bool&) {
  ProgramState& s = state();
  if (!s.FilingStatus.isEmpty()) return;
  Show_MBX(QStringLiteral("F1_Configure"), 800, QStringLiteral("Filing Status not chosen - Choose Now"),
           QLatin1String(kStatusAnswers[0].button), false, QLatin1String(kStatusAnswers[1].button),
           QLatin1String(kStatusAnswers[2].button), QString(), 1);
  for (const StatusAnswer& a : kStatusAnswers)
    if (s.MbxAnswer == QLatin1String(a.button)) s.FilingStatus = QLatin1String(a.code);
}

void F1_Configure::yearChanged() {
  SS_MC_Load();
  SS_MC_Threshold_Captions(*this);
}

}  // namespace qv
