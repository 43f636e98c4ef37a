// Reading a whole section as NUL-separated "key=value" lines.
#include <ostream>
#include "support/CaseNames.h"
#include "TempDrive.h"
#include "platform/Profile.h"

namespace {

using qv::GetPrivateProfileSectionA;

const QByteArray kFile =
    "[T]\r\nx=0\r\n[S]\r\n a = 1 \r\n;c=3\r\nnokey\r\n\r\nb=\"q\"\r\n[T]\r\nx=9\r\n[S]\r\nz=1\r\n";
// A line without "=" comes as it stands; blank lines and comments do not.
const QString kFull = rawText("a=1\0nokey\0b=\"q\"\0\0");  // 16 characters and the final NUL

struct SectionCase {
  const char* what;
  int bufferSize;
  QString expected;
  int returned;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const SectionCase& c, std::ostream* os) { *os << c.what; }

class ProfileSection : public TempDrive, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(ProfileSection, CutsLikeWindows) {
  const SectionCase& c = GetParam();
  put("K1Help.inf", kFile);
  QString buffer;
  EXPECT_EQ(GetPrivateProfileSectionA("s", buffer, c.bufferSize, "C:\\K1Help.inf"), c.returned) << c.what;
  EXPECT_EQ(buffer, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileSection,
    ::testing::Values(SectionCase{"room to spare", 2048, kFull, 16},
                      SectionCase{"exactly enough", 17, kFull, 16},
                      SectionCase{"one short: cut, two NULs", 16, rawText("a=1\0nokey\0b=\"q\0\0"), 14},
                      SectionCase{"cut inside a line", 8, rawText("a=1\0no\0\0"), 6},
                      SectionCase{"cut after a NUL", 6, rawText("a=1\0\0\0"), 4},
                      SectionCase{"two characters", 2, rawText("\0\0"), 0}),
    qv::test::ByWhat());

// A NUL ends its line, as for a single key: the listing's own NULs stay the
// only line ends in it.
TEST_F(TempDrive, ANulEndsItsLineInTheListing) {
  put("S.inf", raw("[S]\r\nk=ab\0cd=1\r\nn\0o\r\n\0x=2\r\nz=3\r\n"));
  QString buffer;
  EXPECT_EQ(GetPrivateProfileSectionA("S", buffer, 1024, "C:\\S.inf"), 11);
  EXPECT_EQ(buffer, rawText("k=ab\0n\0z=3\0\0"));
}

TEST_F(TempDrive, MissingOrEmptySectionGivesNothing) {
  put("S.inf", "[Empty]\r\n;only a comment\r\n[S]\r\nk=v\r\n");
  QString buffer = "old";
  for (const char* file : {"C:\\S.inf", "C:\\None.inf"}) {
    for (const char* section : {"Empty", "Missing"}) {
      EXPECT_EQ(GetPrivateProfileSectionA(section, buffer, 1024, file), 0) << file << section;
      EXPECT_EQ(buffer, QString(QChar(0))) << file << section;
    }
  }
}

}  // namespace
