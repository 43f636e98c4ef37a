// One field edit per kind on a typical entry, as a user leaving the field
// runs it: each must stay far below what a key press may cost (50 us).
#include <benchmark/benchmark.h>

#include <memory>

#include "controls/Screen.h"
#include "engine/FieldEdits.h"
#include "frame/ProgramState.h"

namespace {

// A document screen of tax year 2024 with its status line and one field.
class BenchScreen : public qv::Screen {
 public:
  BenchScreen() : Screen(QStringLiteral("TF_Bench")) {}

 protected:
  void buildControls() override {
    using qv::Control;
    using qv::ControlType;
    add(std::make_unique<Control>(ControlType::Label, QStringLiteral("labelMisc")));
    add(std::make_unique<Control>(ControlType::Label, QStringLiteral("TaxYear"), 0)).setCaption("20");
    add(std::make_unique<Control>(ControlType::Label, QStringLiteral("TaxYear"), 1)).setCaption("24");
    add(std::make_unique<Control>(ControlType::TextBox, QStringLiteral("Text1"), 0));
  }
};

void BM_EditCtl(benchmark::State& state, const char* tag, const char* entry) {
  qv::resetState();
  qv::state().YearChoices = {"2023", "2024", "2025", "20XX"};
  qv::state().YearChoiceIndex = 1;
  BenchScreen screen;
  screen.load();
  qv::state().CurrentForm = &screen;
  qv::Control& field = screen.ctl(QStringLiteral("Text1"), 0);
  field.setTag(QString::fromUtf8(tag));
  const QString text = QString::fromUtf8(entry);
  bool ok = true;
  for (auto _ : state) {
    field.setText(text);
    ok = qv::EditCtl(field) && ok;
  }
  if (!ok) state.SkipWithError("the entry was rejected");
  qv::state().CurrentForm = nullptr;
}

BENCHMARK_CAPTURE(BM_EditCtl, Money, "MONEY", "1234.56");
BENCHMARK_CAPTURE(BM_EditCtl, SMoney, "SMONEY", "1234.5");
BENCHMARK_CAPTURE(BM_EditCtl, SignedMoney, "-MONEY", "-1234.5");
BENCHMARK_CAPTURE(BM_EditCtl, AMoney, "AMONEY", "UNK");
BENCHMARK_CAPTURE(BM_EditCtl, Tin, "TIN", "123456789");
BENCHMARK_CAPTURE(BM_EditCtl, Ein, "EIN", "914234567");
BENCHMARK_CAPTURE(BM_EditCtl, Date, "DATE", "1/5/2024");
BENCHMARK_CAPTURE(BM_EditCtl, DateX, "DATEX", "3/15");
BENCHMARK_CAPTURE(BM_EditCtl, Year, "YEAR", "24");
BENCHMARK_CAPTURE(BM_EditCtl, Verification, "VERIFICATION", "abcd1234EFGH5678");
BENCHMARK_CAPTURE(BM_EditCtl, Percent, "%", "12.5");
BENCHMARK_CAPTURE(BM_EditCtl, Whole, "#", "1234");
BENCHMARK_CAPTURE(BM_EditCtl, TPName, "TPNAME", "John A. Smith Jr.\r\n12 Main St\r\nAnytown, NM 87501");
BENCHMARK_CAPTURE(BM_EditCtl, Phone, "PHONE", "5055551234");
BENCHMARK_CAPTURE(BM_EditCtl, Other, "ISSUER", "first national bank");

}  // namespace
