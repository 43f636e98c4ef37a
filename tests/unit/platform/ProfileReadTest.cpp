// Reading single values the way the Windows profile functions do.
#include <ostream>
#include "support/CaseNames.h"
#include "TempDrive.h"
#include "platform/Profile.h"

namespace {

using qv::GetPrivateProfileStringA;

struct ReadCase {
  const char* what;
  QByteArray file;
  QString section, key;
  QString expected;  // "<def>" when the default must come back
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.what; }

class ProfileRead : public TempDrive, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileRead, FindsTheValueWindowsWould) {
  const ReadCase& c = GetParam();
  put("User.inf", c.file);
  QString buffer;
  const int n = GetPrivateProfileStringA(c.section, c.key, "<def>", buffer, 1024, "C:\\User.inf");
  EXPECT_EQ(buffer, c.expected) << c.what;
  EXPECT_EQ(n, buffer.size()) << c.what;
}

const QByteArray kLong(100000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    ::testing::Values(
        ReadCase{"plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"names without regard to case, no last line end",
                 "[UserSection]\r\nLastTaxYear=2024", "usersection", "LASTTAXYEAR", "2024"},
        ReadCase{"names and value trimmed of blanks and tabs",
                 "  [ S ]  \r\n\t k \t=\t v  v \t\r\n", "S", "k", "v  v"},
        ReadCase{"requested names trimmed too", "[S]\r\nk=v\r\n", " S\t", " k ", "v"},
        ReadCase{"double quotes dropped, inner blanks kept", "[S]\r\nk=\"  q  \"\r\n", "S", "k", "  q  "},
        ReadCase{"single quotes dropped", "[S]\r\nk='q'\r\n", "S", "k", "q"},
        ReadCase{"quotes that do not match stay", "[S]\r\nk=\"q'\r\n", "S", "k", "\"q'"},
        ReadCase{"a lone quote stays", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        ReadCase{"an empty value is not the default", "[S]\r\nk=\r\n", "S", "k", ""},
        ReadCase{"value keeps its equals signs", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        ReadCase{"first of duplicate keys", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        ReadCase{"first of duplicate sections", "[S]\r\nk=1\r\n[T]\r\nk=2\r\n[s]\r\nk=3\r\n", "S", "k", "1"},
        ReadCase{"a duplicate section adds no keys", "[S]\r\nk=1\r\n[S]\r\nj=3\r\n", "S", "j", "<def>"},
        ReadCase{"the key of another section", "[T]\r\nk=1\r\n[S]\r\nj=2\r\n", "S", "k", "<def>"},
        ReadCase{"comments", "[S]\r\n;k=1\r\n  ; k=2\r\nk=3\r\n", "S", "k", "3"},
        ReadCase{"a comment is no key", "[S]\r\n;k=1\r\n", "S", "k", "<def>"},
        ReadCase{"a line without equals sign is no key", "[S]\r\nk\r\nk=2\r\n", "S", "k", "2"},
        ReadCase{"only a line without equals sign", "[S]\r\nk\r\n", "S", "k", "<def>"},
        ReadCase{"lines before any section", "k=0\r\n[S]\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"no sections at all", "k=0\r\nj=1\r\n", "S", "k", "<def>"},
        ReadCase{"a header without its bracket is no header", "[S]\r\n[T\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"text after the header", "[S] ; note\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"a section name holding a bracket", "[A]B]\r\nk=1\r\n[A]\r\nk=2\r\n", "A]B", "k", "1"},
        ReadCase{"a NUL ends its line", raw("[S]\r\nk=ab\0cd\r\n"), "S", "k", "ab"},
        ReadCase{"a key after a NUL is none", raw("[S]\r\nx=1\0k=2\r\n"), "S", "k", "<def>"},
        ReadCase{"missing section", "[T]\r\nk=1\r\n", "S", "k", "<def>"},
        ReadCase{"missing key", "[S]\r\nj=1\r\n", "S", "k", "<def>"},
        ReadCase{"empty file", "", "S", "k", "<def>"},
        ReadCase{"LF line ends", "[S]\nk=1\nj=2\n", "S", "j", "2"},
        ReadCase{"CR line ends", "[S]\rk=1\rj=2", "S", "j", "2"},
        ReadCase{"mixed line ends and blank lines", "[S]\r\n\r\nk=1\n\rj=2\r", "S", "j", "2"},
        ReadCase{"Windows-1252 characters", "[S]\r\nk=a\xB7" "b\xBB" "c\x80\r\n", "S", "k",
                 QString::fromUtf8("a·b»c€")},
        ReadCase{"garbage bytes", raw("\xFF\xFE\x00junk\r\n[S]\r\n\x81\x8D=\x90\r\nk=v\x9D"),
                 "S", "k", QString("v") + QChar(0x9D)},
        ReadCase{"a key of undefined bytes", raw("\xFF\xFE\x00junk\r\n[S]\r\n\x81\x8D=\x90\r\n"),
                 "S", QString(QChar(0x81)) + QChar(0x8D), QString(QChar(0x90))},
        ReadCase{"a 100 kB line before the section", kLong + "\r\n[S]\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"a key after a 100 kB value", "[S]\r\nbig=" + kLong + "\r\nk=1\r\n", "S", "k", "1"}),
    qv::test::ByWhat());

TEST_F(TempDrive, ReadWithoutAFileGivesTheDefault) {
  QString buffer;
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "none", buffer, 1024, "C:\\Missing.inf"), 4);
  EXPECT_EQ(buffer, "none");
  // A folder where the file should be reads like a missing file.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Folder.inf"));
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "none", buffer, 1024, "C:\\Folder.inf"), 4);
  EXPECT_EQ(buffer, "none");
  EXPECT_FALSE(QFile::exists(hostPath("Missing.inf"))) << "reading must not create the file";
}

struct CutCase {
  int length, bufferSize, expected;
};

class ProfileCut : public TempDrive, public ::testing::WithParamInterface<CutCase> {};

// The value and the default are both cut to bufferSize - 1 characters.
TEST_P(ProfileCut, ValueAndDefaultFitTheBuffer) {
  const CutCase& c = GetParam();
  QString value;
  for (int i = 0; i < c.length; ++i) value += QChar(u'a' + i % 26);
  put("Cut.inf", "[S]\r\nk=" + value.toLatin1() + "\r\n");
  const QString expected = value.left(c.expected);

  QString buffer;
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", "", buffer, c.bufferSize, "C:\\Cut.inf"), c.expected);
  EXPECT_EQ(buffer, expected);
  EXPECT_EQ(GetPrivateProfileStringA("S", "nokey", value, buffer, c.bufferSize, "C:\\Cut.inf"),
            c.expected);
  EXPECT_EQ(buffer, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileCut,
                         ::testing::Values(CutCase{2000, 1024, 1023}, CutCase{1023, 1024, 1023},
                                           CutCase{1024, 1024, 1023}, CutCase{5, 6, 5},
                                           CutCase{5, 5, 4}, CutCase{5, 1, 0}, CutCase{5, 0, 0}),
                         [](const auto& info) {
                           return "Length" + std::to_string(info.param.length) + "Buffer" +
                                  std::to_string(info.param.bufferSize);
                         });

TEST_F(TempDrive, DefaultLosesTrailingSpacesOnly) {
  QString buffer;
  EXPECT_EQ(GetPrivateProfileStringA("S", "k", " a b  ", buffer, 1024, "C:\\Missing.inf"), 4);
  EXPECT_EQ(buffer, " a b");
}

}  // namespace
