// The list of valid codes of a K-1 box: a K1Help.inf line split into code,
// purpose, information and override flag; the window built from a section
// (caption, labels, rows); a click or Enter returns the code and its flag,
// Cancel, Escape and the close box return nothing; the keys move the row.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "runtime/Error.h"
#include "screens/K1Help.h"
#include "support/CaseNames.h"
#include "unit/engine/EngineTest.h"

namespace {

struct LineCase {
  const char* what;
  QString line;
  QString code, purpose, info, flag;
};
inline void PrintTo(const LineCase& c, std::ostream* os) { *os << c.what; }

class K1HelpLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(K1HelpLine, SplitsIntoCodePurposeInformationAndFlag) {
  const LineCase& c = GetParam();
  const qv::K1Code k = qv::parseK1HelpLine(c.line);
  EXPECT_EQ(k.code, c.code);
  EXPECT_EQ(k.purpose, c.purpose);
  EXPECT_EQ(k.info, c.info);
  EXPECT_EQ(k.flag, c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, K1HelpLine,
    ::testing::Values(LineCase{"information and override", "A|Purpose text {More text}|X", "A", "Purpose text",
                               "More text", "X"},
                      LineCase{"purpose only", "B|Purpose only|", "B", "Purpose only", "", ""},
                      LineCase{"blanks kept until clicked", " C | Plain purpose |", " C ", " Plain purpose ", "", ""},
                      LineCase{"information trimmed", "D|Credit  {  See Form 8995 }  |", "D", "Credit", "See Form 8995", ""},
                      LineCase{"further fields ignored", "E|Purpose|X|extra", "E", "Purpose", "", "X"}),
    qv::test::ByWhat());

TEST(K1HelpLineFields, FewerThanThreeIsAnError) {
  EXPECT_THROW(qv::parseK1HelpLine(QStringLiteral("A|Purpose")), qv::ProgramError);
}

class K1HelpList : public qvtest::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    qv::state().K1HelpInfFile = QStringLiteral("C:\\K1Help.inf");
    QByteArray longSection = "[K1-1065-Box20]\r\n";
    for (int i = 0; i < 60; ++i) longSection += "Z" + QByteArray::number(i) + "|" + QByteArray(40, 'p') + "|\r\n";
    put(QStringLiteral("K1Help.inf"),
        "[K1-1065-Box11]\r\nA|Other income {Schedule E}|\r\n B |Section 1256 contracts|X\r\n" + longSection);
  }
  qv::F6_K1Help& open(const char* section) {
    qv::F6_K1Help& w = qv::k1HelpScreen();
    w.F97_K1Key = QLatin1String(section);
    w.F97_K1Box.clear();
    w.F97_K1OverRide.clear();
    w.load();
    return w;
  }
  void TearDown() override {
    if (qv::k1HelpScreen().loaded()) qv::k1HelpScreen().unload();
    EngineTest::TearDown();
  }
};

TEST_F(K1HelpList, ShowsTheBoxsCodesAndReturnsTheOneClicked) {
  qv::F6_K1Help& w = open("K1-1065-Box11");
  EXPECT_EQ(w.caption(), "Valid Entries for K1 1065 Box 11");
  EXPECT_TRUE(w.ctl("Label0").caption().contains("Instructions for Schedule K-1 (Form 1065)"));
  EXPECT_TRUE(w.ctl("Label1").caption().startsWith("Note: Most K1 codes require a MONETARY response."));
  qv::Control& grid = w.ctl("FG");
  ASSERT_EQ(grid.rows(), 3);
  EXPECT_EQ(grid.cell(0, 0), "Box #");
  EXPECT_EQ(grid.cell(0, 3), "O/R");
  EXPECT_EQ(grid.cell(1, 1), "Other income");
  EXPECT_EQ(grid.cell(1, 2), "Schedule E");
  EXPECT_EQ(grid.colAlignment(0), 7);
  EXPECT_EQ(grid.colWidths()[1], 9500);
  grid.setGridRow(2);
  w.click(grid);
  EXPECT_FALSE(w.loaded()) << "a pick closes the list";
  EXPECT_EQ(w.F97_K1Box, "B") << "blanks round a code are dropped";
  EXPECT_EQ(w.F97_K1OverRide, "X");
}

TEST_F(K1HelpList, CancelTheCloseBoxAndTheHeaderReturnNothing) {
  qv::F6_K1Help& w = open("K1-1065-Box11");
  qv::Control& grid = w.ctl("FG");
  grid.setGridRow(0);
  w.click(grid);
  EXPECT_TRUE(w.loaded()) << "the header row is no code";
  w.click(w.ctl("cmdCancel"));
  EXPECT_FALSE(w.loaded());
  EXPECT_EQ(w.F97_K1Box, "");
  open("K1-1065-Box11").unload();  // the close box
  EXPECT_EQ(w.F97_K1Box, "");
}

TEST_F(K1HelpList, ATabInALineStaysInItsCell) {
  put(QStringLiteral("K1Help.inf"), "[K1-1041-Box14]\r\nT\tU|Purpose\twith a tab {More\tinformation}|X\r\n");
  qv::F6_K1Help& w = open("K1-1041-Box14");
  qv::Control& grid = w.ctl("FG");
  ASSERT_EQ(grid.rows(), 2);
  EXPECT_EQ(grid.cell(1, 0), "T\tU");
  EXPECT_EQ(grid.cell(1, 1), "Purpose\twith a tab");
  EXPECT_EQ(grid.cell(1, 2), "More\tinformation");
  EXPECT_EQ(grid.cell(1, 3), "X");
  grid.setGridRow(1);
  w.click(grid);
  EXPECT_EQ(w.F97_K1Box, "T\tU");
  EXPECT_EQ(w.F97_K1OverRide, "X") << "the flag decides whether the amount takes text";
}

TEST_F(K1HelpList, ListsOnlyTheLinesReadWholeAndNothingForAMissingSection) {
  // 60 lines of 45 characters: 2046 characters hold 45 whole lines.
  EXPECT_EQ(open("K1-1065-Box20").ctl("FG").rows(), 1 + 2046 / 46);
  qv::k1HelpScreen().unload();
  EXPECT_EQ(open("K1-1041-Box99").ctl("FG").rows(), 1);
}

struct RowKeysCase {
  const char* what;
  std::vector<int> keys;
  int row;  // -1: one page below the first code; -2: one page above the last
};
inline void PrintTo(const RowKeysCase& c, std::ostream* os) { *os << c.what; }

class K1HelpRowKeys : public K1HelpList, public ::testing::WithParamInterface<RowKeysCase> {};

// 44 codes; the list opens on the first, Enter takes the row the keys reached.
TEST_P(K1HelpRowKeys, MoveTheCurrentRowThatEnterTakes) {
  const RowKeysCase& c = GetParam();
  qv::F6_K1Help& w = open("K1-1065-Box20");
  qv::Control& grid = w.ctl("FG");
  ASSERT_EQ(grid.rows(), 45);
  w.focusFirst();
  ASSERT_EQ(w.activeControl(), &grid);
  const int page = grid.height() / grid.rowHeight() - 1;
  ASSERT_GT(page, 5) << "a page shows many codes";
  EXPECT_EQ(grid.gridRow(), 1) << "the first code is current as the list opens";
  for (int key : c.keys) w.pressKey(key);
  const int want = c.row == -1 ? 1 + page : c.row == -2 ? 44 - page : c.row;
  EXPECT_EQ(grid.gridRow(), want);
  w.pressKey(qv::keys::Return, 0, qv::keys::Return);
  EXPECT_FALSE(w.loaded()) << "Enter takes the row as a click does";
  EXPECT_EQ(w.F97_K1Box, QStringLiteral("Z%1").arg(want - 1));
}

using qv::keys::Down, qv::keys::End, qv::keys::Home, qv::keys::PageDown, qv::keys::PageUp, qv::keys::Up;
INSTANTIATE_TEST_SUITE_P(Cases, K1HelpRowKeys,
                         ::testing::Values(RowKeysCase{"none", {}, 1}, RowKeysCase{"down twice", {Down, Down}, 3},
                                           RowKeysCase{"up stays on the first code", {Up}, 1},
                                           RowKeysCase{"down and up", {Down, Down, Up}, 2},
                                           RowKeysCase{"end", {End}, 44},
                                           RowKeysCase{"down stays on the last code", {End, Down}, 44},
                                           RowKeysCase{"home", {End, Home}, 1},
                                           RowKeysCase{"page down", {PageDown}, -1},
                                           RowKeysCase{"page down and up", {PageDown, PageUp}, 1},
                                           RowKeysCase{"page up from the end", {End, PageUp}, -2},
                                           RowKeysCase{"page down stops at the end", {End, Up, PageDown}, 44}),
                         qv::test::ByWhat());

TEST_F(K1HelpList, EscapeIsCancel) {
  qv::F6_K1Help& w = open("K1-1065-Box11");
  w.focusFirst();
  w.pressKey(qv::keys::Down);
  w.pressKey(qv::keys::Escape, 0, qv::keys::Escape);
  EXPECT_FALSE(w.loaded());
  EXPECT_EQ(w.F97_K1Box, "");
}

TEST_F(K1HelpList, AnEmptyListHasNoCurrentRowAndEnterTakesNothing) {
  qv::F6_K1Help& w = open("K1-1041-Box99");
  w.focusFirst();
  w.pressKey(qv::keys::Down);
  EXPECT_EQ(w.ctl("FG").gridRow(), -1);
  w.pressKey(qv::keys::Return, 0, qv::keys::Return);
  EXPECT_TRUE(w.loaded());
  EXPECT_EQ(w.F97_K1Box, "");
}

}  // namespace
