#pragma once
// What the layout tests look at: a screen built from its layout file alone,
// a control's place on its screen (twips;
// lines by their end points), its description in a failure, the checks that
// controls lie inside the screen area and their containers and that text
// boxes do not overlap, and a screen's entry of the shipped forms description.
#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <vector>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "frame/ProgramState.h"
#include "platform/Profile.h"

namespace qvtest {

// The screen of a layout file, as laid out (no start-up), in a document
// window's frame.
class LayoutTest : public ::testing::Test {
 protected:
  explicit LayoutTest(const QString& screenName) : screen_(screenName) {
    screen_.setFrame(qv::DocumentFrameWidth, qv::DocumentFrameHeight);
  }
  void SetUp() override {
    QString error;
    ASSERT_TRUE(qv::layout::load(screen_, screen_.name(), &error)) << error.toStdString();
  }
  void TearDown() override { qv::resetState(); }

  qv::Control& text1(int index) { return screen_.ctl(QStringLiteral("Text1"), index); }

  qv::Screen screen_;
};

inline QRect placeOf(const qv::Control& c) {
  QRect r = c.type() == qv::ControlType::Line
                ? QRect(QPoint(std::min(c.x1(), c.x2()), std::min(c.y1(), c.y2())),
                        QPoint(std::max(c.x1(), c.x2()), std::max(c.y1(), c.y2())))
                : QRect(c.left(), c.top(), c.width(), c.height());
  for (const qv::Control* box = c.container(); box; box = box->container()) r.translate(box->left(), box->top());
  return r;
}

inline QString where(const qv::Control& c) {
  const QRect r = placeOf(c);
  return QStringLiteral("%1 at %2,%3 %4x%5")
      .arg(c.displayName())
      .arg(r.left())
      .arg(r.top())
      .arg(r.width())
      .arg(r.height());
}

inline void expectInsideAreaAndContainers(const qv::Screen& screen, const QRect& area) {
  for (const qv::Control* c : screen.controls()) {
    EXPECT_TRUE(area.contains(placeOf(*c))) << where(*c).toStdString();
    if (const qv::Control* box = c->container()) {
      const QRect inBox = placeOf(*c).translated(-placeOf(*box).topLeft());
      EXPECT_TRUE(QRect(0, 0, box->width() + 1, box->height() + 1).contains(inBox))
          << where(*c).toStdString() << " outside " << box->displayName().toStdString();
    }
  }
}

inline void expectTextBoxesApart(const qv::Screen& screen) {
  std::vector<const qv::Control*> boxes;
  for (const qv::Control* c : screen.controls())
    if (c->type() == qv::ControlType::TextBox) boxes.push_back(c);
  for (const qv::Control* f : boxes) {
    for (const qv::Control* g : boxes) {
      if (f != g) {
        EXPECT_FALSE(placeOf(*f).intersects(placeOf(*g))) << where(*f).toStdString() << " overlaps "
                                                          << where(*g).toStdString();
      }
    }
  }
}

// The controls Tab walks through, in order ("Text1(3)"); no two controls may
// share a tab index.
inline std::vector<QString> tabWalk(const qv::Screen& screen) {
  std::map<int, const qv::Control*> byTabIndex;
  for (const qv::Control* c : screen.controls())
    EXPECT_TRUE(byTabIndex.emplace(c->tabIndex(), c).second) << "tab index " << c->tabIndex() << " twice";
  std::vector<QString> walked;
  for (const auto& [tabIndex, c] : byTabIndex)
    if (c->canHaveFocus() && c->tabStop() && c->visible()) walked.push_back(c->displayName());
  return walked;
}

// Key -> value of the screen's section in the shipped Forms.inf; empty when it has none.
inline std::map<QString, QString> formsInfEntry(const QString& screenName) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("Forms.inf"));
  std::map<QString, QString> entry;
  if (!QFile::copy(QStringLiteral(":/inf/Forms.inf"), file)) return entry;
  QString buffer;
  qv::GetPrivateProfileSectionA(qv::formsInfSection(screenName), buffer, 2048, file);
  for (const QString& line : buffer.split(QChar(0), Qt::SkipEmptyParts))
    entry[line.section(u'=', 0, 0).trimmed()] = line.section(u'=', 1);
  return entry;
}

}  // namespace qvtest
