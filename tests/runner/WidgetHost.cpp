#include "runner/WidgetHost.h"

#include <QPointer>
#include <QTest>
#include <QTableWidget>
#include <QTimer>

#include "controls/Screen.h"
#include "view/ScreenView.h"

namespace qv::scenario {

void WidgetHost::modalShown(Screen& screen, ScreenView& view) {
  // Answered once the window waits for the user, the way a user answers it:
  // typing into its input box, clicking a button; with no button to press,
  // its close box.
  QPointer<ScreenView> shown(&view);
  Screen* s = &screen;
  QTimer::singleShot(0, &view, [this, shown, s] {
    if (!shown || !s->loaded()) return;
    const ModalAnswer answer = records_.answerModal(*s);
    if (!answer.input.isNull()) {
      Control& box = s->ctl(QStringLiteral("Text1"));
      s->setFocus(box);
      box.select(0, int(box.text().size()));
      if (QWidget* w = shown->widgetFor(box)) {
        QTest::keyClick(w, Qt::Key_Backspace);  // the old text goes, as the user deletes it
        QTest::keyClicks(w, answer.input);
      }
    }
    if (answer.press && shown && s->loaded())
      if (QWidget* w = shown->widgetFor(*answer.press)) QTest::mouseClick(w, Qt::LeftButton);
    if (answer.grid && shown && s->loaded())
      if (auto* table = qobject_cast<QTableWidget*>(shown->widgetFor(*answer.grid))) {
        table->scrollToItem(table->item(answer.row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(answer.row, 0)).center());
      }
    if (!answer.keys.isEmpty() && records_.pressKeys && shown && s->loaded()) records_.pressKeys(answer.keys);
    if (shown && s->loaded()) shown->window()->close();
  });
}

}  // namespace qv::scenario
