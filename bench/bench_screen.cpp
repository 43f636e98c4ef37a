// A large form screen (400 controls: 250 labels, 100 text boxes, 40 shapes
// and lines, 10 frames): building the model with its view, and painting it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "controls/Screen.h"
#include "view/Fonts.h"
#include "view/ScreenPainter.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace {

using namespace qv;

class LargeForm : public Screen {
 public:
  LargeForm() : Screen(QStringLiteral("TF_Large")) {
    setWidth(16000);
    setHeight(12000);
    setBackColor(colors::White);
  }

 protected:
  void buildControls() override {
    auto make = [this](ControlType type, const QString& name, int index) -> Control& {
      return add(std::make_unique<Control>(type, name, index));
    };
    std::vector<Control*> frames;
    for (int i = 0; i < 10; ++i) {
      Control& f = make(ControlType::Frame, QStringLiteral("Frame1"), i);
      f.move(120 + (i % 5) * 3100, 120 + (i / 5) * 5800, 3000, 5600);
      f.setCaption(QStringLiteral("Part %1").arg(i + 1));
      frames.push_back(&f);
    }
    for (int i = 0; i < 40; ++i) {
      Control* box = frames[i % 10];
      if (i % 2 == 0) {
        Control& s = make(ControlType::Shape, QStringLiteral("Shape1"), i);
        s.setContainer(box);
        s.move(60, 300 + (i / 10) * 1300, 2880, 1200);
      } else {
        Control& l = make(ControlType::Line, QStringLiteral("Line1"), i);
        l.setContainer(box);
        l.setLine(60, 900 + (i / 10) * 1300, 2940, 900 + (i / 10) * 1300);
      }
    }
    for (int i = 0; i < 250; ++i) {
      Control& l = make(ControlType::Label, QStringLiteral("Label1"), i);
      l.setContainer(frames[i % 10]);
      const int slot = i / 10;
      l.move(90 + (slot % 2) * 1450, 330 + (slot / 2) * 420, 1400, 200);
      l.setBackStyle(0);
      l.setCaption(QStringLiteral("%1 Box caption in small type").arg(i));
      l.setFont(Font{QStringLiteral("Arial"), 6.75});
    }
    for (int i = 0; i < 100; ++i) {
      Control& t = make(ControlType::TextBox, QStringLiteral("Text1"), i);
      t.setContainer(frames[i % 10]);
      const int slot = i / 10;
      t.move(90 + (slot % 2) * 1450, 540 + (slot / 2) * 1050, 1400, 300);
      t.setText(QStringLiteral("%1.00").arg(i * 1000));
      t.setBackColor(0x00C0FFC0);
      t.setTabIndex(i);
    }
  }
};

void BM_BuildScreenAndView(benchmark::State& state) {
  installFonts();
  for (auto _ : state) {
    LargeForm form;
    form.load();
    ScreenView view(form);
    view.resize(view.sizeHint());
    benchmark::DoNotOptimize(view.widgetFor(form.ctl(QStringLiteral("Text1"), 99)));
  }
}
BENCHMARK(BM_BuildScreenAndView)->Unit(benchmark::kMillisecond);

void BM_PaintScreen(benchmark::State& state) {
  installFonts();
  LargeForm form;
  form.load();
  const QSize size(twipsToPixels(form.scaleWidth()), twipsToPixels(form.scaleHeight()));
  QImage image(size, QImage::Format_RGB32);
  const ScreenPainter painter(form);
  for (auto _ : state) {
    QPainter p(&image);
    p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    painter.paintScreen(p);
    p.end();
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_PaintScreen)->Unit(benchmark::kMillisecond);

}  // namespace
