#pragma once
// Tax form screens built from the traits table with a small layout of the
// test's own: TaxYear(0) and (1), the border, Text1 fields with the tags
// given (plain for the others), check labels 0 to `checks` - 1, the status line.
#include <QFile>
#include <map>
#include <memory>

#include "screens/TaxFormScreen.h"
#include "unit/engine/EngineTest.h"

namespace qvtest {

class TestTaxForm : public qv::TaxFormScreen {
 public:
  TestTaxForm(const qv::TaxFormTraits& traits, QString layoutFile)
      : TaxFormScreen(traits), file_(std::move(layoutFile)) {}
  QString layoutName() const override { return file_; }

 private:
  QString file_;
};

class TaxFormTest : public EngineTest {
 protected:
  void TearDown() override {
    if (screen_ && screen_->loaded()) screen_->unload();
    screen_.reset();
    EngineTest::TearDown();
  }
  // Loads and activates the screen of that name with `fields` Text1 fields.
  TestTaxForm& open(const char* name, int fields, const std::map<int, QString>& tags = {}, int checks = 0) {
    QStringList controls = {
        R"({"type": "Label", "name": "TaxYear", "index": 0, "caption": "20"})",
        R"({"type": "Label", "name": "TaxYear", "index": 1, "caption": "??"})",
        R"({"type": "Shape", "name": "myBorder", "left": 60, "top": 60, "width": 300, "height": 300})",
    };
    for (int i = 0; i < fields; ++i) {
      const auto tag = tags.find(i);
      controls << fieldLine(i, tag == tags.end() ? QString() : tag->second,
                            QStringLiteral(R"("left": 100, "top": %1, "width": 2000, "height": 285)").arg(400 + 300 * i));
    }
    for (int i = 0; i < checks; ++i)
      controls << QStringLiteral(R"({"type": "Label", "name": "Check", "index": %1, "left": 3000, "top": %2, "width": 200, "height": 200})")
                      .arg(i)
                      .arg(400 + 300 * i);
    QByteArray json = layoutOf(controls);
    json.replace(R"({"controls")", R"({"screen": {"caption": "design caption"}, "controls")");
    const QString file = hostPath(QLatin1String(name) + QStringLiteral(".json"));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(json);
    out.close();
    const qv::TaxFormTraits* traits = qv::taxFormTraits(QLatin1String(name));
    EXPECT_NE(traits, nullptr) << name;
    screen_ = std::make_unique<TestTaxForm>(*traits, file);
    screen_->load();
    screen_->setVisible(true);
    screen_->activate();
    return *screen_;
  }
  qv::Control& field(int index) const { return screen_->field(index); }
  qv::Control* focused() const { return screen_->activeControl(); }

  std::unique_ptr<TestTaxForm> screen_;
};

}  // namespace qvtest
