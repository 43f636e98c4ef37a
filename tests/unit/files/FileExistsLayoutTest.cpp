// The file-exists dialog's texts stand in their fonts: the name row's
// captions are regular, like the boxes under them; only Exit is bold.
#include <gtest/gtest.h>

#include "controls/Layout.h"
#include "controls/Screen.h"

namespace qv {
namespace {

TEST(FileExistsLayout, TextsInTheirFonts) {
  Screen dialog(QStringLiteral("F7_Save"));
  QString error;
  ASSERT_TRUE(layout::load(dialog, dialog.name(), &error)) << error.toStdString();
  const struct {
    const char* name;
    int index;
    const char* font;
    double size;
    bool bold;
  } cases[] = {
      {"Label1", -1, "Tahoma", 11.25, false},   {"Label2", -1, "Consolas", 11.25, false},
      {"Label3", 0, "Tahoma", 11.25, false},    {"Label4", -1, "Tahoma", 11.25, false},
      {"Text1", -1, "Tahoma", 11.25, false},    {"Text2", -1, "Tahoma", 11.25, false},
      {"cmdSave", -1, "Tahoma", 11.25, false},  {"cmdNewSequence", -1, "Tahoma", 12, false},
      {"cmdExit", -1, "Tahoma", 12, true},
  };
  for (const auto& c : cases) {
    const QString name = QLatin1String(c.name);
    const Control& control = c.index < 0 ? dialog.ctl(name) : dialog.ctl(name, c.index);
    EXPECT_EQ(control.font().name, QLatin1String(c.font)) << c.name;
    EXPECT_EQ(control.font().size, c.size) << c.name;
    EXPECT_EQ(control.font().bold, c.bold) << c.name;
  }
}

}  // namespace
}  // namespace qv
