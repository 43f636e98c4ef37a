// The layout of the taxpayer information sheet and its forms description
// entry: the fields the sheet's behaviour, Load TP and the form files
// address by index, the tab order person by person, everything inside the
// main window's screen area, and the two outlines the printed page is cut at.
#include <gtest/gtest.h>

#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <map>
#include <set>
#include <vector>

#include "controls/Layout.h"
#include "controls/Screen.h"
#include "engine/FormInit.h"
#include "frame/MainWindow.h"
#include "frame/ProgramState.h"
#include "platform/Profile.h"
#include "unit/screens/LayoutChecks.h"

namespace {

using qv::Control;
using qv::ControlType;
using qvtest::placeOf;
using qvtest::where;

const QString kScreen = QStringLiteral("F5_TPInfo");

// Text1 kinds by index: the two taxpayers (name and address, number, birth
// date, phone), then seven other persons of four fields (name, number, birth
// date, other information); an empty kind is a plain field.
std::map<int, QString> contractKinds() {
  std::map<int, QString> kinds = {{0, "TPNAME"}, {1, "TIN"},  {2, "DATE"},    {3, "TPNAME"},
                                  {4, "TIN"},    {5, "DATE"}, {34, "PHONE"}, {35, "PHONE"}};
  for (int k = 0; k < 7; ++k) {
    kinds[6 + 4 * k] = QString();
    kinds[7 + 4 * k] = QStringLiteral("TIN");
    kinds[8 + 4 * k] = QStringLiteral("DATE");
    kinds[9 + 4 * k] = QString();
  }
  return kinds;
}

class LayoutTaxpayerSheet : public qvtest::LayoutTest {
 protected:
  LayoutTaxpayerSheet() : LayoutTest(kScreen) {}
  Control& age(int index) { return screen_.ctl(QStringLiteral("Text2"), index); }
};

TEST_F(LayoutTaxpayerSheet, HasExactlyTheSheetsFields) {
  std::map<int, QString> kinds;
  for (const Control* f : screen_.array(QStringLiteral("Text1"))) kinds[f->index()] = f->tag();
  EXPECT_EQ(kinds, contractKinds());

  std::set<int> ages;
  for (const Control* a : screen_.array(QStringLiteral("Text2"))) {
    ages.insert(a->index());
    const std::string name = a->displayName().toStdString();
    EXPECT_EQ(a->tag(), QStringLiteral("COMPUTED")) << name;
    EXPECT_TRUE(a->locked()) << name;
    EXPECT_FALSE(a->tabStop()) << name;
    EXPECT_EQ(a->alignment(), qv::Align::Center) << name;
  }
  EXPECT_EQ(ages, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  for (const Control* c : screen_.controls()) {
    if (c->type() == ControlType::TextBox) {
      EXPECT_TRUE(c->name() == u"Text1" || c->name() == u"Text2") << "stray " << c->displayName().toStdString();
    }
  }

  // The name-and-address boxes alone take several lines; lengths as the sheet limits them.
  for (const auto& [index, kind] : contractKinds()) {
    const Control& f = text1(index);
    EXPECT_EQ(f.multiLine(), kind == u"TPNAME") << index;
    const bool otherInformation = index >= 6 && index <= 33 && (index - 6) % 4 == 3;
    const int limit = kind == u"TIN" || kind == u"DATE" ? 11 : kind == u"PHONE" ? 14 : otherInformation ? 25 : 0;
    EXPECT_EQ(f.maxLength(), limit) << "Text1(" << index << ")";
  }
}

TEST_F(LayoutTaxpayerSheet, TabGoesPersonByPersonAndSkipsTheAges) {
  std::vector<int> expected = {0, 1, 2, 34, 3, 4, 5, 35};
  for (int i = 6; i <= 33; ++i) expected.push_back(i);

  std::map<int, const Control*> byTabIndex;
  for (const Control* c : screen_.controls())
    EXPECT_TRUE(byTabIndex.emplace(c->tabIndex(), c).second) << "tab index " << c->tabIndex() << " twice";
  std::vector<int> walked;
  for (const auto& [tabIndex, c] : byTabIndex)
    if (c->type() == ControlType::TextBox && c->tabStop()) {
      EXPECT_EQ(c->name(), QStringLiteral("Text1")) << c->displayName().toStdString();
      walked.push_back(c->index());
    }
  EXPECT_EQ(walked, expected);
}

TEST_F(LayoutTaxpayerSheet, EverythingLiesInsideTheScreenAreaAndItsContainers) {
  qv::F0_MDI mdi;
  QString error;
  ASSERT_TRUE(qv::layout::load(mdi, QStringLiteral("F0_MDI"), &error)) << error.toStdString();
  // The sheet's window is as high as the area (the appearance reset makes it
  // so) and no wider; its controls lie inside its title bar and borders.
  EXPECT_LE(screen_.width(), mdi.scaleWidth());
  qvtest::expectInsideAreaAndContainers(
      screen_, QRect(0, 0, screen_.scaleWidth() + 1, mdi.scaleHeight() - screen_.frameHeight() + 1));
  qvtest::expectTextBoxesApart(screen_);
}

// A picture or print is cut at the bottom of Shape1 (the two taxpayers) or of
// Shape2 (the other persons below): each outline holds its persons' fields
// and nothing of the other's, and the tax year is on the page either way.
TEST_F(LayoutTaxpayerSheet, OutlinesHoldTheirPersonsAndTheTaxYearIsAboveThem) {
  const QRect shape1 = placeOf(screen_.ctl(QStringLiteral("Shape1")));
  const QRect shape2 = placeOf(screen_.ctl(QStringLiteral("Shape2")));
  EXPECT_LT(shape1.bottom(), shape2.top());

  for (int i : {0, 1, 2, 3, 4, 5, 34, 35}) EXPECT_TRUE(shape1.contains(placeOf(text1(i)))) << where(text1(i)).toStdString();
  for (int i = 6; i <= 33; ++i) EXPECT_TRUE(shape2.contains(placeOf(text1(i)))) << where(text1(i)).toStdString();
  for (int i : {0, 1}) {
    EXPECT_TRUE(shape1.contains(placeOf(age(i)))) << where(age(i)).toStdString();
    const Control& label = screen_.ctl(QStringLiteral("LabelTPAge"), i);
    EXPECT_TRUE(shape1.contains(placeOf(label))) << where(label).toStdString();
  }
  for (int i = 2; i <= 8; ++i) EXPECT_TRUE(shape2.contains(placeOf(age(i)))) << where(age(i)).toStdString();
  const Control& ageHead = screen_.ctl(QStringLiteral("LabelOthers"), 3);
  EXPECT_TRUE(shape2.contains(placeOf(ageHead))) << where(ageHead).toStdString();

  for (int i : {0, 1}) {
    const Control& year = screen_.ctl(QStringLiteral("TaxYear"), i);
    EXPECT_LT(placeOf(year).bottom(), shape1.top()) << where(year).toStdString();
  }
  EXPECT_EQ(screen_.ctl(QStringLiteral("TaxYear"), 0).caption(), QStringLiteral("20"));
  // The instructions and the status line are no part of the page.
  for (const char* name : {"lblInstr", "labelMisc"}) {
    const Control& c = screen_.ctl(QLatin1String(name));
    EXPECT_GT(placeOf(c).top(), shape2.bottom()) << where(c).toStdString();
  }
}

TEST_F(LayoutTaxpayerSheet, CaptionsNameThePersonsAndTheirFields) {
  std::multiset<QString> frames, labels;
  for (const Control* c : screen_.controls()) {
    if (c->type() == ControlType::Frame) frames.insert(c->caption());
    if (c->type() == ControlType::Label) labels.insert(c->caption());
  }
  EXPECT_EQ(frames, (std::multiset<QString>{"Taxpayer 1 Information", "Taxpayer 2 Information",
                                            "Others Persons (Dependents, etc.)"}));
  // Each taxpayer's four captions, and the column heads of the others.
  for (const char* caption : {"Name && Address", "Date Of Birth", "Phone #"})
    EXPECT_EQ(labels.count(QLatin1String(caption)), 2u) << caption;
  EXPECT_EQ(labels.count(QStringLiteral("SS/ITIN No.")), 3u);
  for (const char* caption : {"Name", "DOB", "Other Information", "Tax Year:"})
    EXPECT_EQ(labels.count(QLatin1String(caption)), 1u) << caption;
}

TEST_F(LayoutTaxpayerSheet, FormsInfEntryNamesTheSheetsFields) {
  std::map<QString, QString> entry = qvtest::formsInfEntry(kScreen);
  ASSERT_FALSE(entry.empty()) << "no [" << qv::formsInfSection(kScreen).toStdString() << "] section";

  EXPECT_EQ(entry["FormName"], kScreen);
  EXPECT_EQ(entry["RecordPrefix"], QStringLiteral("TPINFO"));
  EXPECT_EQ(entry["FocusOnStartup"], QStringLiteral("0"));
  // Each index key names fields of one kind: the number and name of taxpayer 1
  // make the file name, the spouse's name its other part.
  const std::map<QString, QString> kindOfKey = {{QStringLiteral("SSNIndex"), QStringLiteral("TIN")},
                                                {QStringLiteral("NameAddrIndex"), QStringLiteral("TPNAME")},
                                                {QStringLiteral("DOBIndex"), QStringLiteral("DATE")},
                                                {QStringLiteral("OtherInfo"), QStringLiteral("TPNAME")}};
  const std::map<int, QString> kinds = contractKinds();
  for (const auto& [key, kind] : kindOfKey) {
    ASSERT_TRUE(entry.count(key)) << key.toStdString() << " missing";
    for (const QString& item : entry[key].split(u',')) {
      bool number = false;
      const int index = item.trimmed().toInt(&number);
      ASSERT_TRUE(number && kinds.count(index)) << key.toStdString() << "=" << entry[key].toStdString();
      EXPECT_EQ(kinds.at(index), kind) << key.toStdString();
    }
  }
  EXPECT_EQ(entry["SSNIndex"], QStringLiteral("1"));
  EXPECT_EQ(entry["NameAddrIndex"], QStringLiteral("0"));
  EXPECT_EQ(entry["OtherInfo"], QStringLiteral("3"));
}

}  // namespace
