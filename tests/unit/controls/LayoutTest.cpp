// Building a screen's controls from its layout.
#include <ostream>
#include "TestScreen.h"

namespace {

using qv::Control;
using qv::Screen;
using qv::layout::loadJson;

TEST(Layout, BuildsTheScreenAndItsControlsInOrder) {
  Screen s("Sample");
  QString error;
  ASSERT_TRUE(loadJson(s, R"j({
"screen": {"caption": "Sample", "width": 9000, "height": 3000, "font": {"name": "Consolas", "size": 14.25}},
"controls": [
{"type": "Frame", "name": "Frame1", "left": 100, "top": 200, "width": 3000, "height": 2000},
{"type": "Frame", "name": "Box", "index": 2},
{"type": "TextBox", "name": "Text1", "index": 0, "container": "Frame1", "backColor": "&H00C0FFFF", "font": {"bold": true}},
{"type": "Label", "name": "lblNote", "container": "box(2)", "foreColor": "&HFF&", "font": {"name": "Tahoma", "size": 8}},
{"type": "Line", "name": "Rule", "x1": 10, "y1": 20, "x2": 310, "y2": 20}
]})j", &error)) << error.toStdString();

  EXPECT_EQ(s.caption(), "Sample");
  EXPECT_EQ(s.width(), 9000);
  QStringList names;
  for (const Control* c : s.controls()) names << c->displayName();
  EXPECT_EQ(names, QStringList({"Frame1", "Box(2)", "Text1(0)", "lblNote", "Rule"}));

  const Control& text = s.ctl("Text1", 0);
  EXPECT_EQ(text.container(), s.find("Frame1"));
  EXPECT_EQ(text.backColor(), 0x00C0FFFFu);
  EXPECT_EQ(text.font(), (qv::Font{"Consolas", 14.25, true}));
  EXPECT_EQ(s.ctl("Frame1").font(), (qv::Font{"Consolas", 14.25}));

  const Control& note = s.ctl("lblNote");
  EXPECT_EQ(note.container(), s.find("Box", 2));
  EXPECT_EQ(note.foreColor(), 0x000000FFu);
  EXPECT_EQ(note.font(), (qv::Font{"Tahoma", 8}));
  EXPECT_EQ(s.ctl("Frame1").left(), 100);

  const Control& rule = s.ctl("Rule");
  EXPECT_EQ(QList<int>({rule.x1(), rule.y1(), rule.x2(), rule.y2()}), QList<int>({10, 20, 310, 20}));
}

struct BadLayout {
  const char* name;
  const char* controls;
  const char* mentions;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const BadLayout& c, std::ostream* os) { *os << c.name; }

class LayoutError : public ::testing::TestWithParam<BadLayout> {};

TEST_P(LayoutError, IsRefusedWithAReason) {
  Screen s("Bad");
  QString error;
  const QByteArray json = QByteArray(R"j({"controls": [)j") + GetParam().controls + "]}";
  EXPECT_FALSE(loadJson(s, json, &error));
  EXPECT_TRUE(error.contains(QLatin1String(GetParam().mentions), Qt::CaseInsensitive)) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutError,
    ::testing::Values(
        BadLayout{"UnknownType", R"j({"type": "Slider", "name": "S1"})j", "Slider"},
        BadLayout{"DuplicateControl", R"j({"type": "Label", "name": "L1"}, {"type": "Label", "name": "l1"})j", "L1"},
        BadLayout{"DuplicateMember", R"j({"type": "Label", "name": "L", "index": 1}, {"type": "Label", "name": "L", "index": 1})j", "L(1)"},
        BadLayout{"NameUsedAlone", R"j({"type": "Label", "name": "L", "index": 1}, {"type": "Label", "name": "L"})j", "L"},
        BadLayout{"ContainerDefinedLater",
                  R"j({"type": "Label", "name": "L1", "container": "Frame1"}, {"type": "Frame", "name": "Frame1"})j",
                  "Frame1"},
        BadLayout{"NotJson", R"j({"type": )j", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
