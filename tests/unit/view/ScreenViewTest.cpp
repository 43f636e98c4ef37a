// Input goes into the model first and the widgets show what the model says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTest>
#include <memory>

#include "RecordingScreen.h"
#include "view/KeyMap.h"
#include "view/ScreenView.h"
#include "view/Units.h"

namespace qv {
namespace {

using test::RecordingScreen;

const QByteArray kInput = R"({"screen": {"width": 4000, "height": 2500},
"controls": [
{"type": "TextBox", "name": "Text1", "index": 0, "left": 150, "top": 150, "width": 1500, "height": 330, "tabIndex": 1},
{"type": "TextBox", "name": "Text1", "index": 1, "left": 150, "top": 600, "width": 1500, "height": 330, "tabIndex": 0},
{"type": "TextBox", "name": "Text1", "index": 2, "left": 150, "top": 1050, "width": 1500, "height": 600, "tabIndex": 2, "multiLine": true},
{"type": "Label", "name": "Check", "left": 1800, "top": 150, "width": 240, "height": 240, "borderStyle": 1, "tabIndex": 3},
{"type": "Shape", "name": "CheckBox", "left": 1785, "top": 135, "width": 270, "height": 270},
{"type": "Label", "name": "Under", "left": 1800, "top": 600, "width": 600, "height": 300},
{"type": "Label", "name": "Over", "left": 1800, "top": 600, "width": 300, "height": 300},
{"type": "CheckBox", "name": "chkKeep", "left": 1800, "top": 1050, "width": 1500, "height": 300, "caption": "Keep", "tabIndex": 4},
{"type": "ComboBox", "name": "cbo", "left": 1800, "top": 1500, "width": 1500, "height": 330, "items": ["A", "B", "C"], "tabIndex": 5},
{"type": "CommandButton", "name": "cmdGo", "left": 150, "top": 1950, "width": 1200, "height": 400, "caption": "Go", "tabIndex": 6}
]})";

QPoint pixelCentre(const Control& c) {
  return QPoint(twipsToPixels(c.left() + c.width() / 2), twipsToPixels(c.top() + c.height() / 2));
}

class ViewInput : public ::testing::Test {
 protected:
  void SetUp() override {
    screen.load();
    view = std::make_unique<ScreenView>(screen);
    view->resize(view->sizeHint());
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  }

  Control& ctl(const char* name, int index = -1) {
    return index < 0 ? screen.ctl(QString::fromLatin1(name)) : screen.ctl(QString::fromLatin1(name), index);
  }
  template <class W>
  W* widget(const char* name, int index = -1) {
    auto* w = qobject_cast<W*>(view->widgetFor(ctl(name, index)));
    EXPECT_TRUE(w) << name;
    return w;
  }
  QLineEdit* text(int index) { return widget<QLineEdit>("Text1", index); }

  RecordingScreen screen{QStringLiteral("Input"), kInput};
  std::unique_ptr<ScreenView> view;
};

TEST_F(ViewInput, TypedKeysGoThroughKeyPress) {
  struct Case {
    const char* what;
    std::function<void(int&)> handler;
    QString shown;
  };
  const Case cases[] = {
      {"passed on", [](int&) {}, QStringLiteral("a")},
      {"changed to a capital", [](int& k) { if (k == 'a') k = 'A'; }, QStringLiteral("A")},
      {"cancelled", [](int& k) { k = 0; }, QString()},
  };
  screen.setFocus(ctl("Text1", 0));
  for (const Case& c : cases) {
    ctl("Text1", 0).setText(QString());
    screen.keyPress = [&](Control&, int& key) { c.handler(key); };
    QTest::keyClick(text(0), Qt::Key_A);
    EXPECT_EQ(ctl("Text1", 0).text(), c.shown) << c.what;
    EXPECT_EQ(text(0)->text(), c.shown) << c.what;
    EXPECT_EQ(text(0)->cursorPosition(), c.shown.size()) << c.what;
  }
}

TEST_F(ViewInput, TabFollowsTabIndexAndValidateCanKeepTheFocus) {
  screen.setFocus(ctl("Text1", 1));  // TabIndex 0
  EXPECT_EQ(QApplication::focusWidget(), text(1));

  QTest::keyClick(text(1), Qt::Key_Tab);
  EXPECT_EQ(screen.activeControl(), &ctl("Text1", 0));
  EXPECT_EQ(QApplication::focusWidget(), text(0));

  screen.validate = [](Control& c, bool& cancel) { cancel = c.displayName() == QLatin1String("Text1(0)"); };
  QTest::keyClick(text(0), Qt::Key_Tab);
  QTest::keyClick(text(0), Qt::Key_Tab, Qt::ShiftModifier);
  QTest::mouseClick(text(1), Qt::LeftButton);
  EXPECT_EQ(screen.activeControl(), &ctl("Text1", 0));
  EXPECT_EQ(QApplication::focusWidget(), text(0));

  screen.validate = nullptr;
  QTest::keyClick(text(0), Qt::Key_Tab);
  EXPECT_EQ(screen.activeControl(), &ctl("Text1", 2));
  EXPECT_EQ(QApplication::focusWidget(), widget<QTextEdit>("Text1", 2));
}

TEST_F(ViewInput, ClicksReachTheTopmostLabelAndTheControls) {
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, pixelCentre(ctl("Check")));
  EXPECT_EQ(screen.events.filter("Click:"), QStringList{"Click:Check"}) << "a shape over a label takes no click";

  screen.events.clear();
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, pixelCentre(ctl("Over")));
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(twipsToPixels(2300), twipsToPixels(750)));
  QTest::mouseClick(view.get(), Qt::LeftButton, {}, QPoint(twipsToPixels(3500), twipsToPixels(300)));
  EXPECT_EQ(screen.events.filter("Click:"), (QStringList{"Click:Over", "Click:Under"}));

  screen.events.clear();
  auto* keep = widget<QCheckBox>("chkKeep");
  QTest::mouseClick(keep, Qt::LeftButton);
  EXPECT_EQ(ctl("chkKeep").value(), 1);
  EXPECT_TRUE(keep->isChecked());
  EXPECT_EQ(screen.activeControl(), &ctl("chkKeep"));
  EXPECT_EQ(QApplication::focusWidget(), keep);
  EXPECT_EQ(screen.events.filter("Click:"), QStringList{"Click:chkKeep"});
}

// A double click presses a button once: its second press (which the desktop
// reports as the double click) repeats no command, so a Print prints one page.
TEST_F(ViewInput, ADoubleClickPressesAButtonOnce) {
  QWidget* go = view->widgetFor(ctl("cmdGo"));
  ASSERT_TRUE(go);
  QTest::mouseClick(go, Qt::LeftButton);
  QTest::mouseDClick(go, Qt::LeftButton);
  QTest::mouseRelease(go, Qt::LeftButton);
  EXPECT_EQ(screen.events.filter("Click:"), QStringList{"Click:cmdGo"});
  QTest::mouseClick(go, Qt::LeftButton, {}, {}, 600);  // a press of its own, later
  EXPECT_EQ(screen.events.filter("Click:").size(), 2);
}

TEST_F(ViewInput, ClickAndDragInATextBoxSetTheCaretAndSelection) {
  ctl("Text1", 0).setText(QStringLiteral("hello world"));
  screen.setFocus(ctl("Text1", 1));
  QLineEdit* edit = text(0);
  const QPoint start(2, edit->height() / 2), end(edit->width() - 4, edit->height() / 2);

  QTest::mouseClick(edit, Qt::LeftButton, {}, end);
  EXPECT_EQ(screen.activeControl(), &ctl("Text1", 0));
  EXPECT_EQ(ctl("Text1", 0).selStart(), 11);
  EXPECT_TRUE(screen.events.contains("Click:Text1(0)"));

  QTest::mousePress(edit, Qt::LeftButton, {}, start);
  QMouseEvent drag(QEvent::MouseMove, QPointF(end), edit->mapToGlobal(QPointF(end)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(edit, &drag);
  QTest::mouseRelease(edit, Qt::LeftButton, {}, end);
  EXPECT_EQ(ctl("Text1", 0).selStart(), 0);
  EXPECT_EQ(ctl("Text1", 0).selLength(), 11);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("hello world"));
}

TEST_F(ViewInput, ModelChangesShowInTheWidgets) {
  ctl("Text1", 0).setText(QStringLiteral("abc"));
  EXPECT_EQ(text(0)->text(), QStringLiteral("abc"));
  ctl("Text1", 0).setVisible(false);
  EXPECT_FALSE(text(0)->isVisible());
  ctl("Text1", 0).setVisible(true);
  EXPECT_TRUE(text(0)->isVisible());
  ctl("Text1", 0).setEnabled(false);
  EXPECT_FALSE(text(0)->isEnabled());

  auto* multi = widget<QTextEdit>("Text1", 2);
  ctl("Text1", 2).setText(QStringLiteral("one\r\ntwo"));
  ctl("Text1", 2).select(5, 3);  // "two", after the line break
  EXPECT_EQ(multi->toPlainText(), QStringLiteral("one\ntwo"));
  EXPECT_EQ(multi->textCursor().selectedText(), QStringLiteral("two"));

  ctl("chkKeep").setCaption(QStringLiteral("Keep && send"));
  ctl("chkKeep").setValue(1);
  EXPECT_EQ(widget<QCheckBox>("chkKeep")->text(), QStringLiteral("Keep && send"));  // one ampersand, as Qt writes it
  EXPECT_TRUE(widget<QCheckBox>("chkKeep")->isChecked());

  ctl("cbo").setListIndex(2);
  EXPECT_EQ(widget<QComboBox>("cbo")->currentIndex(), 2);

  ctl("Text1", 1).SetFocus();
  EXPECT_EQ(QApplication::focusWidget(), text(1));
}

TEST_F(ViewInput, ListChoiceGoesThroughTheModel) {
  auto* combo = widget<QComboBox>("cbo");
  screen.setFocus(ctl("Text1", 0));
  screen.validate = [](Control&, bool& cancel) { cancel = true; };
  combo->setCurrentIndex(1);  // what the popup does before it reports the choice
  emit combo->activated(1);
  EXPECT_EQ(ctl("cbo").listIndex(), -1);
  EXPECT_EQ(combo->currentIndex(), -1) << "the widget follows the model, not the popup";

  screen.validate = nullptr;
  emit combo->activated(1);
  EXPECT_EQ(ctl("cbo").listIndex(), 1);
  EXPECT_EQ(combo->currentIndex(), 1);
  EXPECT_TRUE(screen.events.contains("Click:cbo"));
}

// The K-1 code list: the model's current row is the highlighted one, kept in
// sight; the keys reach the model through the list widget.
TEST(ViewGrid, TheCurrentRowShowsHighlightedAndTheKeysMoveIt) {
  RecordingScreen list(QStringLiteral("F6_K1Help"), {});
  list.load();
  Control& grid = list.ctl(QStringLiteral("FG"));
  grid.setGridSize(1, 4);
  for (int i = 0; i < 60; ++i) grid.addGridRow(QStringLiteral("C%1\tPurpose %1").arg(i));
  ScreenView view(list);
  view.resize(view.sizeHint());
  view.show();
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  auto* table = qobject_cast<QTableWidget*>(view.widgetFor(grid));
  ASSERT_TRUE(table);
  EXPECT_EQ(table->rowHeight(5), twipsToPixels(grid.rowHeight())) << "the rows the model pages by";
  EXPECT_TRUE(table->selectedItems().isEmpty());

  auto shownRow = [&] {
    const QList<QTableWidgetItem*> picked = table->selectedItems();
    return picked.isEmpty() ? -1 : picked.first()->row();
  };
  auto highlighted = [&](int row) {
    const QRect cell = table->visualItemRect(table->item(row, 1));
    if (!table->viewport()->rect().contains(cell)) return false;  // out of sight
    const QImage picture = table->viewport()->grab().toImage();
    return picture.pixelColor(cell.right() - 2, cell.center().y()) == table->palette().color(QPalette::Highlight);
  };
  grid.setGridRow(3);
  EXPECT_EQ(shownRow(), 3);
  EXPECT_TRUE(highlighted(3));
  EXPECT_FALSE(highlighted(4));

  list.setFocus(grid);
  QTest::keyClick(table, Qt::Key_End);
  EXPECT_EQ(grid.gridRow(), 60);
  EXPECT_EQ(shownRow(), 60);
  EXPECT_TRUE(highlighted(60)) << "the last row is scrolled into sight";
  QTest::keyClick(table, Qt::Key_Home);
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(grid.gridRow(), 2);
  EXPECT_TRUE(highlighted(2));
  grid.setGridRow(-1);
  EXPECT_EQ(shownRow(), -1);
}

TEST(KeyMap, QtKeysInTheProgramsCodes) {
  struct Case {
    int key;
    Qt::KeyboardModifiers mods;
    const char* text;
    KeyStroke expected;
  };
  const Case cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", {'A', 0, 'a'}},
      {Qt::Key_A, Qt::ShiftModifier, "A", {'A', 1, 'A'}},
      {Qt::Key_C, Qt::ControlModifier, "c", {'C', 2, 3}},  // test tools send the letter
      {Qt::Key_V, Qt::ControlModifier, "\x16", {'V', 2, 22}},
      {Qt::Key_F, Qt::AltModifier, "f", {'F', 4, 0}},
      {Qt::Key_Exclam, Qt::ShiftModifier, "!", {'1', 1, '!'}},
      {Qt::Key_5, Qt::KeypadModifier, "5", {101, 0, '5'}},
      {Qt::Key_F1, Qt::NoModifier, "", {112, 0, 0}},
      {Qt::Key_Backtab, Qt::ShiftModifier, "", {9, 1, 0}},
      {Qt::Key_Return, Qt::NoModifier, "\r", {13, 0, 13}},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", {13, 0, 13}},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", {8, 0, 8}},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", {27, 0, 27}},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", {46, 0, 0}},
      {Qt::Key_Left, Qt::NoModifier, "", {37, 0, 0}},
      {Qt::Key_End, Qt::NoModifier, "", {35, 0, 0}},
      {Qt::Key_Minus, Qt::NoModifier, "-", {189, 0, '-'}},
  };
  for (const Case& c : cases) {
    const KeyStroke k = keyStroke(c.key, c.mods, QString::fromLatin1(c.text));
    EXPECT_EQ(k.keyCode, c.expected.keyCode) << std::hex << c.key;
    EXPECT_EQ(k.shift, c.expected.shift) << std::hex << c.key;
    EXPECT_EQ(k.ch, c.expected.ch) << std::hex << c.key;
  }
}

}  // namespace
}  // namespace qv
