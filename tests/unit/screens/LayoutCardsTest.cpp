// The layout of the Social Security/ITIN card screen and its forms
// description entry: nine cards in three rows of three, each holding its
// picture, its number Text1(2k) and its holder's name Text1(2k+1), which the
// card rules, Load TP, the form files and the picture crop address by index;
// the keyboard goes card by card.
#include <map>

#include "LayoutChecks.h"
#include "frame/MainWindow.h"

namespace {

using qv::Control;
using qv::ControlType;

const QString kScreen = QStringLiteral("F2_SS_ITIN");

using qvtest::placeOf;

class LayoutCards : public qvtest::LayoutTest {
 protected:
  LayoutCards() : LayoutTest(kScreen) {}
  const Control& member(const char* name, int index) const { return screen_.ctl(QLatin1String(name), index); }
};

TEST_F(LayoutCards, NineCardsRowByRowEachWithItsPictureNumberAndName) {
  EXPECT_EQ(screen_.caption(), QStringLiteral("Social Security/ITIN Card(s)"));
  const int lefts[3] = {120, 4560, 9000}, tops[3] = {60, 3000, 5940};
  EXPECT_EQ(screen_.array(QStringLiteral("Frame1")).size(), 9u);
  EXPECT_EQ(screen_.array(QStringLiteral("Image1")).size(), 9u);
  EXPECT_EQ(screen_.array(QStringLiteral("Text1")).size(), 18u);
  for (int k = 0; k < 9; ++k) {
    const Control& card = member("Frame1", k);
    EXPECT_EQ(placeOf(card), QRect(lefts[k % 3], tops[k / 3], 4275, 2835)) << "card " << k;
    const Control& picture = member("Image1", k);
    const Control& number = member("Text1", 2 * k);
    const Control& name = member("Text1", 2 * k + 1);
    for (const Control* part : {&picture, &number, &name}) {
      EXPECT_EQ(part->container(), &card) << part->displayName().toStdString();
      EXPECT_TRUE(placeOf(card).contains(placeOf(*part))) << part->displayName().toStdString();
    }
    // Top to bottom: the picture across the card, the number, the name.
    EXPECT_EQ(picture.width(), 4230);
    EXPECT_EQ(picture.height(), 795);
    EXPECT_TRUE(picture.stretch());
    EXPECT_LT(placeOf(picture).bottom(), placeOf(number).top()) << "card " << k;
    EXPECT_LT(placeOf(number).bottom(), placeOf(name).top()) << "card " << k;
    EXPECT_EQ(number.tag(), QStringLiteral("TIN"));
    EXPECT_EQ(number.maxLength(), 11);
    EXPECT_EQ(name.tag(), QStringLiteral("TPNAME"));
    EXPECT_TRUE(name.multiLine());
    EXPECT_EQ(name.maxLength(), 50);
    EXPECT_EQ(member("Label3", k).caption(), QStringLiteral("THIS NUMBER HAS BEEN ESTABLISHED FOR"));
    EXPECT_EQ(member("Label4", k).caption(), QStringLiteral("For Tax Training Purposes Only"));
    for (const char* label : {"Label3", "Label4"}) {
      const QRect place = placeOf(member(label, k));
      EXPECT_TRUE(placeOf(card).contains(place)) << label << "(" << k << ")";
    }
    EXPECT_LT(placeOf(number).bottom(), placeOf(member("Label3", k)).top());
    EXPECT_LT(placeOf(member("Label3", k)).bottom(), placeOf(name).top());
    EXPECT_LT(placeOf(name).bottom(), placeOf(member("Label4", k)).top());
  }
  // The status line lies under the cards, on the screen.
  const QRect status = placeOf(screen_.ctl(QStringLiteral("labelMisc")));
  EXPECT_GT(status.top(), placeOf(member("Frame1", 8)).bottom());
  EXPECT_LE(status.bottom(), screen_.scaleHeight());
  EXPECT_LE(placeOf(member("Frame1", 8)).right(), screen_.scaleWidth());
}

TEST_F(LayoutCards, TabGoesNumberThenNameCardByCard) {
  std::vector<QString> expected;
  for (int i = 0; i < 18; ++i) expected.push_back(QStringLiteral("Text1(%1)").arg(i));
  EXPECT_EQ(qvtest::tabWalk(screen_), expected);
}

TEST_F(LayoutCards, FitsTheMainWindowsScreenArea) {
  qv::F0_MDI mdi;
  QString error;
  ASSERT_TRUE(qv::layout::load(mdi, QStringLiteral("F0_MDI"), &error)) << error.toStdString();
  EXPECT_LE(screen_.width(), mdi.scaleWidth());
  EXPECT_LE(screen_.height(), mdi.scaleHeight());
}

TEST_F(LayoutCards, FormsInfEntryGivesTheRecordPrefixAndTheFirstField) {
  std::map<QString, QString> entry = qvtest::formsInfEntry(kScreen);
  EXPECT_EQ(entry["FormName"], kScreen);
  EXPECT_EQ(entry["RecordPrefix"], QStringLiteral("SS_ITIN"));
  EXPECT_EQ(entry["FocusOnStartup"], QStringLiteral("0"));
}

}  // namespace
