// The layout of the driver's licence screen and its forms description entry:
// each licence's fields and photograph inside its card, the tab order over
// the four fields a user types, the stock photos in the frame below, and the
// cut of a picture or print below both cards and above that frame.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "frame/MainWindow.h"
#include "unit/screens/LayoutChecks.h"

namespace {

using qv::Control;
using qv::ControlType;
using qvtest::placeOf;

const QString kScreen = QStringLiteral("F3_DL");

// Each licence: its card, photograph and fields by kind.
struct Card {
  const char* box;
  const char* photo;
  int name, birth;
  std::set<int> computed;  // number, expiration, issue
};
const Card kCards[] = {{"Picture1", "Picture2", 0, 1, {2, 3, 8}}, {"Picture3", "Picture4", 4, 5, {6, 7, 9}}};

class LayoutLicence : public qvtest::LayoutTest {
 protected:
  LayoutLicence() : LayoutTest(kScreen) {}
  Control& named(const char* name) { return screen_.ctl(QLatin1String(name)); }
};

TEST_F(LayoutLicence, EachCardHoldsItsFieldsAndPhotograph) {
  std::set<int> indexes;
  for (const Control* f : screen_.array(QStringLiteral("Text1"))) indexes.insert(f->index());
  EXPECT_EQ(indexes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  for (const Card& card : kCards) {
    const Control* box = &named(card.box);
    EXPECT_EQ(box->type(), ControlType::PictureBox);
    EXPECT_EQ(text1(card.name).tag(), QStringLiteral("TPNAME"));
    EXPECT_TRUE(text1(card.name).multiLine());
    EXPECT_EQ(text1(card.birth).tag(), QStringLiteral("DATE"));
    for (int i : {card.name, card.birth}) {
      EXPECT_EQ(text1(i).container(), box) << i;
      EXPECT_FALSE(text1(i).locked()) << i;
    }
    for (int i : card.computed) {
      EXPECT_EQ(text1(i).container(), box) << i;
      EXPECT_EQ(text1(i).tag(), QStringLiteral("COMPUTED")) << i;
      EXPECT_TRUE(text1(i).locked()) << i;
      EXPECT_FALSE(text1(i).tabStop()) << i;
    }
    const Control& photo = named(card.photo);
    EXPECT_EQ(photo.type(), ControlType::PictureBox);
    EXPECT_EQ(photo.container(), box);
    EXPECT_TRUE(photo.stretch());
  }
}

TEST_F(LayoutLicence, TabGoesThroughTheNamesAndBirthDatesOnly) {
  EXPECT_EQ(qvtest::tabWalk(screen_), (std::vector<QString>{"Text1(0)", "Text1(1)", "Text1(4)", "Text1(5)"}));
}

TEST_F(LayoutLicence, StockPhotosAndNotesAreInTheFrame) {
  const Control* frame = &named("Frame1");
  EXPECT_EQ(frame->caption(), QStringLiteral("Choose a Picture for the Driver's License"));
  std::set<int> photos;
  for (const Control* p : screen_.array(QStringLiteral("picDL"))) {
    photos.insert(p->index());
    EXPECT_EQ(p->type(), ControlType::PictureBox);
    EXPECT_EQ(p->container(), frame);
    EXPECT_TRUE(p->stretch());
  }
  EXPECT_EQ(photos.size(), 16u);
  EXPECT_EQ(*photos.rbegin(), 15);
  for (const char* hidden : {"txtLPic", "txtRPic"}) {
    EXPECT_EQ(named(hidden).type(), ControlType::TextBox);
    EXPECT_EQ(named(hidden).container(), frame);
    EXPECT_FALSE(named(hidden).visible());
  }
  std::multiset<QString> captions;
  for (const Control* c : screen_.controls())
    if (c->type() == ControlType::Label) captions.insert(c->caption());
  for (const char* note :
       {"NOTE: The pictures below WILL NOT SHOW when you PRINT or CLIP the Driver's License form.",
        "To copy a picture to the 1st (LEFT) drivers license, click on the picture with the LEFT MOUSE BUTTON.",
        "To copy a picture to the 2nd (RIGHT) drivers license, click on the picture with the RIGHT MOUSE BUTTON."})
    EXPECT_EQ(captions.count(QLatin1String(note)), 1u) << note;
  for (const char* caption : {"Driver's License (Tax Training Only)", "License No.", "Name and Address", "Birth Date",
                              "Expiration Date", "Issue Date"})
    EXPECT_EQ(captions.count(QLatin1String(caption)), 2u) << caption;
}

// A picture's window ends 300 twips below the top of the status line; its
// inside, under the title bar, holds the cards and stops above the status
// line. The screen's inside ends 200 twips below the photo frame.
TEST_F(LayoutLicence, PictureCutLiesBetweenTheCardsAndTheStatusLine) {
  const int cut = named("labelMisc").top() + 300 - screen_.frameHeight();
  for (const Card& card : kCards) EXPECT_LE(placeOf(named(card.box)).bottom(), cut) << card.box;
  EXPECT_LE(cut, named("labelMisc").top());
  EXPECT_EQ(screen_.scaleHeight(), named("Frame1").top() + named("Frame1").height() + 200);
}

TEST_F(LayoutLicence, EverythingLiesInsideTheScreenAreaAndItsContainers) {
  qv::F0_MDI mdi;
  QString error;
  ASSERT_TRUE(qv::layout::load(mdi, QStringLiteral("F0_MDI"), &error)) << error.toStdString();
  EXPECT_LE(screen_.width(), mdi.scaleWidth());
  EXPECT_LE(screen_.height(), mdi.scaleHeight());
  qvtest::expectInsideAreaAndContainers(screen_, QRect(0, 0, screen_.scaleWidth() + 1, screen_.scaleHeight() + 1));
  qvtest::expectTextBoxesApart(screen_);
}

TEST_F(LayoutLicence, FormsInfEntryNamesTheLicencesFields) {
  std::map<QString, QString> entry = qvtest::formsInfEntry(kScreen);
  ASSERT_FALSE(entry.empty()) << "no [DL] section";
  // Load TP chooses the licence fill by the prefix; the file name is made
  // of licence 1's holder and licence 2's; a licence has no number to demand.
  EXPECT_EQ(entry["FormName"], kScreen);
  EXPECT_EQ(entry["RecordPrefix"], QStringLiteral("DL"));
  EXPECT_EQ(entry["NameAddrIndex"], QStringLiteral("0"));
  EXPECT_EQ(entry["OtherInfo"], QStringLiteral("4"));
  EXPECT_EQ(entry["DOBIndex"], QStringLiteral("1,5"));
  EXPECT_EQ(entry["FocusOnStartup"], QStringLiteral("0"));
  EXPECT_EQ(entry.count(QStringLiteral("SSNIndex")), 0u);
}

}  // namespace
