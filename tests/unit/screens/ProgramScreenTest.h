#pragma once
// The program's own screens from the catalog, with their layouts and the
// shipped Forms.inf, in the tax year 2024, with a settings file of the test's
// own (C:\SSMC.inf).
#include <QFile>

#include "screens/Catalog.h"
#include "unit/engine/EngineTest.h"

namespace qvtest {

class ProgramScreenTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    QFile shipped(QStringLiteral(":/inf/Forms.inf"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    formsInf(shipped.readAll());
    qv::state().SSMCInfFile = QStringLiteral("C:\\SSMC.inf");
    settings("[MCPartBPremium]\r\n2024=2096.40\r\n");
  }
  void TearDown() override {
    if (screen_ && screen_->loaded()) screen_->unload();
    EngineTest::TearDown();
  }
  void settings(const QByteArray& ssmc) { put(QStringLiteral("SSMC.inf"), ssmc); }

  // Loads and activates the screen as the program shows it.
  template <class S>
  S& open(const char* name) {
    auto* s = dynamic_cast<S*>(qv::screenNamed(QLatin1String(name)));
    EXPECT_NE(s, nullptr) << name;
    screen_ = s;
    s->load();
    s->setVisible(true);
    s->activate();
    return *s;
  }
  qv::Control& field(int index) const { return screen_->ctl(QStringLiteral("Text1"), index); }
  // Fills boxes by index; the others are emptied.
  void fill(const std::map<int, const char*>& texts) const {
    for (qv::Control* f : screen_->array(QStringLiteral("Text1"))) {
      const auto it = texts.find(f->index());
      f->setText(it == texts.end() ? QString() : QString::fromUtf8(it->second));
    }
  }
  // The number of the message box shown last, 0 for none since `from`.
  int messageSince(size_t from) const {
    if (host_.modals().size() <= from) return 0;
    const QString text = qv::state().MbxMessage;
    return text.startsWith(QLatin1String("Message Number: ")) ? text.mid(16, 3).toInt() : 800;
  }

  qv::Screen* screen_ = nullptr;
};

}  // namespace qvtest
