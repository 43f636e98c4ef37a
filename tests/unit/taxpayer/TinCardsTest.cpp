// Load TP on the cards screen reads the user's settings section in one go,
// 1024 characters at most: the persons whose lines lie within are made into
// cards; a line the limit cuts short, and every line after it, is not seen.
#include <gtest/gtest.h>

#include "taxpayer/CardsScreen.h"
#include "taxpayer/TaxpayerRecord.h"
#include "unit/screens/ProgramScreenTest.h"

namespace {

class TinCardsSection : public qvtest::ProgramScreenTest {
 protected:
  void SetUp() override {
    ProgramScreenTest::SetUp();
    qv::state().PicturesFolder = QStringLiteral("C:\\");
    put(QStringLiteral("SSN.jpg"), "a card picture");
    put(QStringLiteral("ITIN.jpg"), "a card picture");
  }
  // The taxpayer, one other person, a remark of `remark` characters, a
  // second other person and the spouse, in this order.
  void section(int remark) {
    QDir().mkpath(hostPath(QStringLiteral("Inf")));
    put(QStringLiteral("Inf/User.inf"), "[TESTER]\r\n"
                                        "TP1NameAddr=JOHN Q DOE\r\n"
                                        "TP1SSN=123-45-6789\r\n"
                                        "Dependent1=JUNIOR DOE\xB7" "123-45-6781\r\n"
                                        "Remark=" + QByteArray(remark, 'R') + "\r\n"
                                        "Dependent2=GRANDMA DOE\xB7" "912-70-8765\r\n"
                                        "TP2NameAddr=MARY DOE\r\n"
                                        "TP2SSN=987-65-4321\r\n");
  }
};

TEST_F(TinCardsSection, SeesTheLinesWithinTheBufferWhole) {
  // Each line is its text and a NUL: the first three take 76 characters, the
  // remark 8 more than its length, the second other person 35. The buffer
  // gives back 1022 of them when the section is longer.
  const struct {
    int remark;
    bool grandmaSeen;
  } cases[] = {
      {903, true},   // her line ends with the 1022nd character
      {904, false},  // her line lacks its end
      {916, false},  // cut after her name
  };
  auto& cards = open<qv::F2_SS_ITIN>("F2_SS_ITIN");
  for (const auto& c : cases) {
    section(c.remark);
    qv::TPInfo_Process_TIN_Cards(cards, 1);
    EXPECT_TRUE(reports().empty()) << c.remark;
    // No spouse is seen: the other persons follow the taxpayer's card.
    EXPECT_EQ(field(1).text(), "JOHN Q DOE") << c.remark;
    EXPECT_EQ(field(3).text(), "JUNIOR DOE") << c.remark;
    EXPECT_EQ(field(4).text(), c.grandmaSeen ? "912-70-8765" : "") << c.remark;
    EXPECT_EQ(field(5).text(), c.grandmaSeen ? "GRANDMA DOE" : "") << c.remark;
    EXPECT_EQ(cards.ctl(QStringLiteral("Image1"), 2).picture().isEmpty(), !c.grandmaSeen) << c.remark;
  }
}

// The cards read the same values as every other reader of the record.
TEST_F(TinCardsSection, ReadsEachValueAsTheRecordHoldsIt) {
  const struct {
    const char* what;
    QByteArray lines;
    int field;
    const char* shows;
  } cases[] = {
      {"a name holding an equals sign", "Dependent1=SMITH=JONES\xB7" "123-45-6781\r\n", 3, "SMITH=JONES"},
      {"its number after it", "Dependent1=SMITH=JONES\xB7" "123-45-6781\r\n", 2, "123-45-6781"},
      {"the first of two lines of a key", "TP1SSN=111-11-1111\r\n", 0, "123-45-6789"},
  };
  auto& cards = open<qv::F2_SS_ITIN>("F2_SS_ITIN");
  for (const auto& c : cases) {
    QDir().mkpath(hostPath(QStringLiteral("Inf")));
    put(QStringLiteral("Inf/User.inf"), "[TESTER]\r\nTP1NameAddr=JOHN Q DOE\r\nTP1SSN=123-45-6789\r\n" + c.lines);
    qv::TPInfo_Process_TIN_Cards(cards, 1);
    EXPECT_TRUE(reports().empty()) << c.what;
    EXPECT_EQ(field(c.field).text(), c.shows) << c.what;
  }
}

}  // namespace
