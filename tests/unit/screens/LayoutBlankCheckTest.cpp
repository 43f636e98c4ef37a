// The layout of the blank check and its forms description entry: the four
// fields Load TP, Clear and the form files address by index, with their
// sample texts; the printed furniture inside the check's border (Shape5),
// which the picture and the printed page are cut at; the status line below.
#include <map>
#include <set>
#include <vector>

#include "LayoutChecks.h"

namespace {

using qv::Control;
using qv::ControlType;
using qvtest::placeOf;
using qvtest::where;

const QString kScreen = QStringLiteral("F4_CHK");

class LayoutBlankCheck : public qvtest::LayoutTest {
 protected:
  LayoutBlankCheck() : LayoutTest(kScreen) {}
};

TEST_F(LayoutBlankCheck, HasTheChecksFourFieldsWithTheirSampleTexts) {
  EXPECT_EQ(screen_.caption(), QStringLiteral("Blank Check"));
  // The check's window holds 9675 by 3930 twips inside its title bar and borders.
  EXPECT_EQ(screen_.scaleWidth(), 9675);
  EXPECT_EQ(screen_.scaleHeight(), 3930);
  std::map<int, QString> kinds;
  for (const Control* f : screen_.array(QStringLiteral("Text1"))) kinds[f->index()] = f->tag();
  EXPECT_EQ(kinds, (std::map<int, QString>{{0, "TPNAME"}, {1, ""}, {2, ""}, {3, "TPNAME"}}));
  for (const Control* c : screen_.controls())
    if (c->type() == ControlType::TextBox) EXPECT_EQ(c->name(), QStringLiteral("Text1")) << where(*c).toStdString();

  EXPECT_EQ(text1(0).text(), QStringLiteral("Name\r\nAddress\r\n"));
  EXPECT_EQ(text1(3).text(), QStringLiteral("Your Bank\r\nAddress\r\nCity, State ZIP\r\n"));
  EXPECT_EQ(text1(1).text(), QStringLiteral("325070760"));
  EXPECT_EQ(text1(2).text(), QStringLiteral("987123654"));
  for (int i : {0, 3}) EXPECT_TRUE(text1(i).multiLine()) << i;
  for (int i : {1, 2}) EXPECT_FALSE(text1(i).multiLine()) << i;
  EXPECT_EQ(text1(1).maxLength(), 9);
  EXPECT_EQ(text1(3).backColor(), qv::colors::ButtonFace);
  // The numbers stand in a monospace face, as a MICR line does.
  for (int i : {1, 2}) EXPECT_EQ(text1(i).font().name, QStringLiteral("Courier New")) << i;
}

TEST_F(LayoutBlankCheck, TabGoesDownTheCheck) {
  EXPECT_EQ(qvtest::tabWalk(screen_), (std::vector<QString>{"Text1(0)", "Text1(3)", "Text1(1)", "Text1(2)"}));
}

TEST_F(LayoutBlankCheck, TheBorderHoldsTheCheckAndTheStatusLineLiesBelowIt) {
  const Control& border = screen_.ctl(QStringLiteral("Shape5"));
  EXPECT_EQ(border.borderWidth(), 2);
  const QRect check = placeOf(border);
  const QRect screenArea(0, 0, screen_.width(), screen_.height());
  EXPECT_TRUE(screenArea.contains(check));
  const Control& status = screen_.ctl(QStringLiteral("labelMisc"));
  EXPECT_GT(placeOf(status).top(), check.bottom());
  EXPECT_TRUE(screenArea.contains(placeOf(status))) << where(status).toStdString();
  for (const Control* c : screen_.controls()) {
    if (c == &border || c == &status) continue;
    EXPECT_TRUE(check.contains(placeOf(*c))) << where(*c).toStdString() << " outside the check";
  }
  qvtest::expectTextBoxesApart(screen_);
}

TEST_F(LayoutBlankCheck, PrintedFurnitureAndTheBottomLine) {
  std::multiset<QString> captions;
  for (const Control* c : screen_.controls())
    if (c->type() == ControlType::Label) captions.insert(c->caption());
  for (const char* caption : {"PAY TO THE ORDER OF", "$", "DOLLARS", "For"})
    EXPECT_EQ(captions.count(QLatin1String(caption)), 1u) << caption;
  EXPECT_EQ(captions.count(QStringLiteral("1234")), 2u) << "the check number, upper right and on the bottom line";

  // The holder upper left, the bank below it; the numbers on the bottom line,
  // the routing number between the two hidden transit labels, then the account
  // number and the check number.
  EXPECT_LT(placeOf(text1(0)).bottom(), placeOf(text1(3)).top());
  const QRect routing = placeOf(text1(1));
  const QRect account = placeOf(text1(2));
  EXPECT_GT(routing.top(), placeOf(text1(3)).bottom());
  EXPECT_EQ(routing.top(), account.top());
  EXPECT_LT(routing.right(), account.left());
  std::map<QString, const Control*> transit;
  for (const Control* c : screen_.array(QStringLiteral("LabelTransit"))) transit[c->caption()] = c;
  ASSERT_EQ(transit.size(), 2u);
  for (const auto& [caption, label] : transit) {
    EXPECT_FALSE(label->visible()) << caption.toStdString();
    EXPECT_EQ(placeOf(*label).top(), routing.top()) << caption.toStdString();
  }
  EXPECT_LE(placeOf(*transit[QStringLiteral("|:")]).right(), routing.left());
  EXPECT_GE(placeOf(*transit[QStringLiteral(":|")]).left(), routing.right());
  const Control& bottomNumber = screen_.ctl(QStringLiteral("LabelCheckNo"), 1);
  EXPECT_GT(placeOf(bottomNumber).left(), account.right());
  EXPECT_GE(placeOf(bottomNumber).top(), routing.top());
  EXPECT_LE(placeOf(bottomNumber).bottom(), routing.bottom());
}

TEST_F(LayoutBlankCheck, FormsInfEntryNamesTheHolder) {
  std::map<QString, QString> entry = qvtest::formsInfEntry(kScreen);
  ASSERT_FALSE(entry.empty()) << "no [" << qv::formsInfSection(kScreen).toStdString() << "] section";

  EXPECT_EQ(entry["FormName"], kScreen);
  EXPECT_EQ(entry["RecordPrefix"], QStringLiteral("CHK"));
  EXPECT_EQ(entry["FocusOnStartup"], QStringLiteral("0"));
  // The holder names the form file; its other part (the bank) is always left
  // out of the name, and the check has no number a file would need.
  EXPECT_EQ(entry["NameAddrIndex"], QStringLiteral("0"));
  EXPECT_EQ(entry["OtherInfo"], QStringLiteral("3"));
  EXPECT_FALSE(entry.count(QStringLiteral("SSNIndex")));
}

}  // namespace
