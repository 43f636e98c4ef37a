// The text utilities: the normalised taxpayer name and its file-name form,
// counting a pattern, and membership in a list of field numbers.
#include <ostream>
#include <gtest/gtest.h>

#include "engine/TextUtils.h"
#include "frame/ProgramState.h"
#include "unit/platform/QtPrint.h"

namespace {

using qv::Format_TPName;

struct NameCase {
  const char* name;
  QString text;
  QString pattern;  // the file-name pattern
  QString result;   // line, "·", file-name name
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class TPName : public ::testing::TestWithParam<NameCase> {
 protected:
  void TearDown() override { qv::resetState(); }
};

TEST_P(TPName, NormalisesTheFirstLine) {
  qv::state().FileNamePattern = GetParam().pattern;
  EXPECT_EQ(Format_TPName(GetParam().text), GetParam().result);
}

const QString kLastFirst = "<LAST>,<FIRST>_<FORM>";
const QString kFirstLast = "<first>_<last>_<FORM>";  // found without regard to case

INSTANTIATE_TEST_SUITE_P(
    Cases, TPName,
    ::testing::Values(
        NameCase{"SuffixFirstLast", "JOHN A. SMITH JR.", kFirstLast, "JOHN A. SMITH JR\u00B7JOHN SMITH JR"},
        NameCase{"SuffixLastFirst", "JOHN A. SMITH JR.", kLastFirst, "JOHN A. SMITH JR\u00B7SMITH JR,JOHN"},
        NameCase{"DoubleBlanks", "MARY  JONES", kLastFirst, "MARY JONES\u00B7JONES,MARY"},
        NameCase{"OneWord", "CHER", kLastFirst, "CHER\u00B7CHER"},
        NameCase{"OnlyTheFirstLine", "ANN LEE\r\n12 MAIN ST", kLastFirst, "ANN LEE\u00B7LEE,ANN"},
        NameCase{"SuffixLettersInsideAName", "ANN JRUE DOE JR", kLastFirst, "ANN JRUE DOE JR\u00B7DOE JR,ANN"},
        NameCase{"RomanSuffix", "MARY SRINIVASAN III", kFirstLast, "MARY SRINIVASAN III\u00B7MARY SRINIVASAN III"},
        NameCase{"BlanksAround", "  JOHN SMITH . ", kLastFirst, "JOHN SMITH\u00B7SMITH,JOHN"},
        NameCase{"SuffixIsCaseExact", "JOHN SMITH jr", kLastFirst, "JOHN SMITH jr\u00B7jr,JOHN"},
        NameCase{"Empty", "", kLastFirst, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CountCharacters, CountsEveryPositionOverlapsIncluded) {
  EXPECT_EQ(qv::CountCharacters("a-b--c", "-", false), 3);
  EXPECT_EQ(qv::CountCharacters("a-b--c", "", false), 6);
  EXPECT_EQ(qv::CountCharacters("aaaa", "aa", true), 3);
  EXPECT_EQ(qv::CountCharacters("AbAB", "ab", false), 2);
  EXPECT_EQ(qv::CountCharacters("AbAB", "ab", true), 0);
  EXPECT_EQ(qv::CountCharacters("ab", "abc", false), 0);
  EXPECT_EQ(qv::CountCharacters(QString(100000, u'-'), "-", false), 100000);  // no 16-bit limit
}

TEST(IsInList, ItemsTrimmedValueNot) {
  EXPECT_TRUE(qv::IsInList("4", "1, 4,7"));
  EXPECT_TRUE(qv::IsInList("a", "A,b"));
  EXPECT_FALSE(qv::IsInList(" 4", "1,4"));
  EXPECT_FALSE(qv::IsInList("5", "1,4,7"));
  EXPECT_FALSE(qv::IsInList("", ""));
  EXPECT_FALSE(qv::IsInList("4", ""));
}

}  // namespace
