// The layout of the 1099-INT screen and its forms description entry: the
// fields other parts of the program address by index, all of it inside the
// window, every field in a paper box, and Forms.inf naming only what exists.
#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "frame/ProgramState.h"
#include "platform/Profile.h"
#include "unit/platform/QtPrint.h"
#include "unit/screens/LayoutChecks.h"

namespace {

using qv::Control;
using qv::ControlType;
using qvtest::placeOf;
using qvtest::where;

const QString kScreen = QStringLiteral("TF_1099INT");

// Field kinds by Text1 index; an empty kind is a plain field.
std::map<int, QString> contractKinds() {
  const std::pair<const char*, std::vector<int>> byKind[] = {
      {"ISSUER", {0}},
      {"", {1, 11, 14, 17, 18, 19, 20, 21}},
      {"MONEY", {2, 3, 6, 8, 9, 10, 12, 13, 15, 16, 24, 25}},
      {"EIN", {4}},
      {"TIN", {5}},
      {"TPNAME", {7}},
      {"SMONEY", {22, 23}},
  };
  std::map<int, QString> kinds;
  for (const auto& [kind, indexes] : byKind)
    for (int i : indexes) kinds[i] = QLatin1String(kind);
  return kinds;
}

class Layout1099Int : public qvtest::LayoutTest {
 protected:
  Layout1099Int() : LayoutTest(kScreen) {}
  std::vector<Control*> fields() const { return screen_.array(QStringLiteral("Text1")); }
};

TEST_F(Layout1099Int, HasExactlyTheContractFieldsAndCheckLabels) {
  std::map<int, QString> kinds;
  for (const Control* f : fields()) {
    EXPECT_EQ(f->type(), ControlType::TextBox) << f->displayName().toStdString();
    kinds[f->index()] = f->tag();
  }
  EXPECT_EQ(kinds, contractKinds());
  for (const Control* c : screen_.controls()) {
    if (c->type() == ControlType::TextBox) {
      EXPECT_EQ(c->name(), QStringLiteral("Text1")) << "stray text box " << c->displayName().toStdString();
    }
  }

  std::set<int> checks;
  for (const Control* c : screen_.array(QStringLiteral("Check"))) {
    EXPECT_EQ(c->type(), ControlType::Label);
    checks.insert(c->index());
  }
  EXPECT_EQ(checks, (std::set<int>{0, 1}));
  // The name-and-address fields take several lines; the tab order visits every field once.
  EXPECT_TRUE(screen_.ctl(QStringLiteral("Text1"), 0).multiLine());
  EXPECT_TRUE(screen_.ctl(QStringLiteral("Text1"), 7).multiLine());
  std::set<int> tabIndexes;
  for (const Control* f : fields()) tabIndexes.insert(f->tabIndex());
  EXPECT_EQ(tabIndexes.size(), fields().size());
}

TEST_F(Layout1099Int, EverythingLiesInsideTheWindowAndItsContainers) {
  // The border as the screen's load stretches it round the document.
  qv::state().CurrentForm = &screen_;
  Control& border = screen_.ctl(QStringLiteral("myBorder"));
  qv::Form_Layout(border);

  qvtest::expectInsideAreaAndContainers(screen_, QRect(0, 0, screen_.scaleWidth() + 1, screen_.scaleHeight() + 1));
  // The status line is no part of the document: it sits below the border.
  EXPECT_GE(screen_.ctl(QStringLiteral("labelMisc")).top(), border.top() + border.height());
}

TEST_F(Layout1099Int, EveryFieldLiesInItsOwnPaperBox) {
  const std::vector<Control*> boxes = screen_.array(QStringLiteral("Shape1"));
  ASSERT_FALSE(boxes.empty());
  for (const Control* f : fields()) {
    const QRect place = placeOf(*f);
    const bool boxed =
        std::any_of(boxes.begin(), boxes.end(), [&](const Control* b) { return placeOf(*b).contains(place); });
    EXPECT_TRUE(boxed) << where(*f).toStdString();
    for (const Control* other : fields()) {
      if (other != f) {
        EXPECT_FALSE(place.intersects(placeOf(*other)))
            << where(*f).toStdString() << " overlaps " << where(*other).toStdString();
      }
    }
  }
}

TEST_F(Layout1099Int, FormsInfEntryNamesOnlyWhatTheScreenHas) {
  std::map<QString, QString> entry = qvtest::formsInfEntry(kScreen);
  ASSERT_FALSE(entry.empty()) << "no [" << qv::formsInfSection(kScreen).toStdString() << "] section";

  EXPECT_EQ(entry["FormName"], kScreen);
  EXPECT_EQ(entry["RecordPrefix"], QStringLiteral("1099INT"));
  // Index keys whose field must be of one kind, and the ones that only need the field to exist.
  const std::map<QString, QString> kindOfKey = {
      {QStringLiteral("SSNIndex"), QStringLiteral("TIN")},
      {QStringLiteral("NameAddrIndex"), QStringLiteral("TPNAME")},
      {QStringLiteral("EINIndex"), QStringLiteral("EIN")}};
  const std::map<int, QString> kinds = contractKinds();
  for (const auto& [key, value] : entry) {
    const bool indexKey = key.endsWith(QLatin1String("Index")) || key.startsWith(QLatin1String("Focus")) ||
                          (key == u"OtherInfo" && !value.isEmpty() && value.at(0).isDigit());
    if (indexKey) {
      for (const QString& item : value.split(u',')) {
        bool number = false;
        const int index = item.trimmed().toInt(&number);
        ASSERT_TRUE(number && kinds.count(index)) << key.toStdString() << "=" << value.toStdString();
        if (auto kind = kindOfKey.find(key); kind != kindOfKey.end()) {
          EXPECT_EQ(kinds.at(index), kind->second) << key.toStdString();
        }
      }
    } else if (key.startsWith(QLatin1String("RTL"), Qt::CaseInsensitive) ||
               key.startsWith(QLatin1String("RTB"), Qt::CaseInsensitive)) {
      const Control* label = screen_.find(key);
      EXPECT_TRUE(label && label->type() == ControlType::Label) << "no label " << key.toStdString();
    }
  }
  for (const auto& [key, kind] : kindOfKey) EXPECT_TRUE(entry.count(key)) << key.toStdString() << " missing";
  // Every label captioned from Forms.inf has its text there.
  for (const Control* c : screen_.controls()) {
    const QString prefix = c->name().left(3).toUpper();
    if (c->type() == ControlType::Label && (prefix == u"RTL" || prefix == u"RTB")) {
      EXPECT_TRUE(entry.count(c->name())) << c->name().toStdString() << " has no caption in Forms.inf";
    }
  }
}

}  // namespace
