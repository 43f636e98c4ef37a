// Tab walks every tax form screen's fields one after another, each once a
// round, and never lands on a locked computed field that is no tab stop.
#include <gtest/gtest.h>

#include <set>

#include "controls/Screen.h"
#include "frame/ProgramState.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "screens/Catalog.h"
#include "screens/TaxFormTable.h"
#include "support/ScriptedHost.h"

namespace qv {
namespace {

class TabWalk : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    resetState();
    setHost(&host_);
    clock::setPausesEnabled(false);
    state().YearChoices = {QStringLiteral("2024"), QStringLiteral("2025"), QStringLiteral("2026"), QStringLiteral("20XX")};
    state().YearChoiceIndex = 1;
  }
  void TearDown() override {
    if (screen_ && screen_->loaded()) screen_->unload();
    setHost(nullptr);
  }
  ScriptedHost host_;
  Screen* screen_ = nullptr;
};

TEST_P(TabWalk, VisitsEachTabStopFieldOnceARound) {
  screen_ = screenNamed(QLatin1String(GetParam()));
  ASSERT_NE(screen_, nullptr) << GetParam() << " has no layout";
  screen_->load();
  screen_->setVisible(true);
  std::set<Control*> stops;
  for (Control* f : screen_->array(QStringLiteral("Text1")))
    if (f->tabStop() && f->effectivelyVisible() && f->effectivelyEnabled()) stops.insert(f);
  ASSERT_FALSE(stops.empty());
  screen_->focusFirst();
  std::set<Control*> seen;
  const size_t rounds = screen_->controls().size() + 1;
  for (size_t i = 0; i < rounds && seen.size() < stops.size(); ++i) {
    Control* at = screen_->activeControl();
    ASSERT_NE(at, nullptr);
    if (at->name() == u"Text1") {
      EXPECT_TRUE(seen.insert(at).second) << GetParam() << ": " << qPrintable(at->displayName()) << " twice before the round ended";
      EXPECT_FALSE(at->tag() == u"COMPUTED" && at->locked()) << GetParam() << ": Tab landed on " << qPrintable(at->displayName());
    }
    screen_->pressKey(keys::Tab);
  }
  EXPECT_EQ(seen, stops) << GetParam() << ": Tab did not reach every field";
}

std::vector<const char*> allTaxForms() {
  std::vector<const char*> names;
  for (const TaxFormTraits& t : taxForms()) names.push_back(t.name);
  return names;
}

INSTANTIATE_TEST_SUITE_P(TaxForms, TabWalk, ::testing::ValuesIn(allTaxForms()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace qv
