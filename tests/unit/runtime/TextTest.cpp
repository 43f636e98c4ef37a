#include "runtime/Text.h"

#include <gtest/gtest.h>

#include "ErrorOf.h"

using namespace qv;

namespace {

TEST(Text, FindsWithOrWithoutCase) {
  const struct {
    int start;
    const char* text;
    const char* find;
    Compare compare;
    int expected;
  } cases[] = {
      {1, "Quorvane_Velmora", "velmora", Compare::Text, 10},
      {1, "Quorvane_Velmora", "velmora", Compare::Binary, 0},
      {1, "Quorvane_Velmora", "Velmora", Compare::Binary, 10},
      {1, "aXbx", "x", Compare::Text, 2},
      {3, "aXbx", "x", Compare::Text, 4},
      {5, "aXbx", "x", Compare::Text, 0},
      {2, "abc", "", Compare::Binary, 2},
      {4, "abc", "", Compare::Binary, 4},
      {5, "abc", "", Compare::Binary, 0},
      {1, "", "", Compare::Binary, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(inStr(c.start, QString::fromLatin1(c.text), QString::fromLatin1(c.find), c.compare), c.expected)
        << c.start << " " << c.text << " " << c.find;
  EXPECT_EQ(errorOf([] { inStr(0, "abc", "a"); }), err::InvalidCall);
  EXPECT_TRUE(sameText("TF_RRB1099", "tf_rrb1099"));
  EXPECT_FALSE(sameText("Date", "DATEX"));
}

TEST(Text, ReplacesEveryOccurrence) {
  const struct {
    const char* text;
    const char* find;
    const char* with;
    Compare compare;
    const char* expected;
  } cases[] = {
      {"K1-1065-Box11 box12", "Box", "Box ", Compare::Text, "K1-1065-Box 11 Box 12"},
      {"K1-1065-Box11 box12", "Box", "Box ", Compare::Binary, "K1-1065-Box 11 box12"},
      {"C:\\Forms\\user.INF", "\\User.inf", "", Compare::Text, "C:\\Forms"},
      {"aaa", "a", "aa", Compare::Binary, "aaaaaa"},  // replacements are not rescanned
      {"abc", "", "x", Compare::Binary, "abc"},
      {"Line <ERROR> end", "<error>", "text", Compare::Text, "Line text end"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(replace(QString::fromLatin1(c.text), QString::fromLatin1(c.find), QString::fromLatin1(c.with),
                      c.compare),
              QString::fromLatin1(c.expected))
        << c.text;
}

TEST(Text, TrimsBlanksOnly) {
  EXPECT_EQ(trim("  a b \t "), "a b \t");
  EXPECT_EQ(lTrim("  a "), "a ");
  EXPECT_EQ(rTrim("  a "), "  a");
  EXPECT_EQ(trim("\r\n x \r\n"), "\r\n x \r\n");
  EXPECT_EQ(trim("   "), "");
}

TEST(Text, ChangesCaseCharacterByCharacter) {
  EXPECT_EQ(uCase(QString::fromUtf8("straße jr. ÿ é")), QString::fromUtf8("STRAßE JR. Ÿ É"));
  EXPECT_EQ(uCase(QString::fromUtf8("µ")), QString::fromUtf8("µ"));
  EXPECT_EQ(lCase(QString::fromUtf8("ÉCOLE Ÿ")), QString::fromUtf8("école ÿ"));
}

TEST(Text, CutsAndBuildsText) {
  EXPECT_EQ(left("07/04/2024", 6), "07/04/");
  EXPECT_EQ(left("ab", 5), "ab");
  EXPECT_EQ(right("07/04/2024", 4), "2024");
  EXPECT_EQ(mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(mid("abcdef", 5), "ef");
  EXPECT_EQ(mid("abc", 9), "");
  EXPECT_EQ(space(3), "   ");
  EXPECT_EQ(repeatChar(4, '-'), "----");
  EXPECT_EQ(errorOf([] { mid("abc", 0); }), err::InvalidCall);
  EXPECT_EQ(errorOf([] { mid("abc", 1, -1); }), err::InvalidCall);
  EXPECT_EQ(errorOf([] { left("abc", -1); }), err::InvalidCall);
  EXPECT_EQ(errorOf([] { space(-1); }), err::InvalidCall);
}

TEST(Text, CodesAreThoseOfWindows1252) {
  const struct {
    const char* ch;
    int code;
  } cases[] = {{"A", 65}, {"\xE2\x82\xAC", 128}, {"\xE2\x80\x9C", 147}, {"\xC2\xB7", 183},
               {"\xC2\xBB", 187}, {"\xC3\xA9", 233}, {"\xC5\xB8", 159}};
  for (const auto& c : cases) {
    const QString ch = QString::fromUtf8(c.ch);
    EXPECT_EQ(asc(ch), c.code) << c.ch;
    EXPECT_EQ(chr(c.code), ch[0]) << c.code;
  }
  EXPECT_EQ(asc(QString::fromUtf8("\xE4\xB8\xAD")), 63);  // not in the code page
  EXPECT_EQ(chr(0x81), QChar(0x81));
  EXPECT_EQ(errorOf([] { asc(""); }), err::InvalidCall);
  EXPECT_EQ(errorOf([] { chr(256); }), err::InvalidCall);
}

}  // namespace
