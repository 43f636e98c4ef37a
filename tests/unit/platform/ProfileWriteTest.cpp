// Writing values the way the Windows profile functions do, and never losing
// the old file when a write fails.
#include <ostream>
#include "support/CaseNames.h"
#include <sys/resource.h>

#include <csignal>

#include "TempDrive.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

namespace {

using qv::GetPrivateProfileStringA;
using qv::WritePrivateProfileStringA;

struct WriteCase {
  const char* what;
  QByteArray before;  // "<none>": no file yet
  QString section, key, value;
  QByteArray after;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.what; }

class ProfileWrite : public TempDrive, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(ProfileWrite, EditsTheFileLikeWindows) {
  const WriteCase& c = GetParam();
  if (c.before != "<none>") put("User.inf", c.before);
  ASSERT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.value, "C:\\User.inf")) << c.what;
  EXPECT_EQ(bytes("User.inf"), c.after) << c.what;

  QString buffer;
  GetPrivateProfileStringA(c.section, c.key, "<def>", buffer, 1024, "C:\\User.inf");
  EXPECT_EQ(buffer, qv::decodeWin1252(qv::encodeWin1252(c.value.trimmed())))
      << c.what << ": the value must read back";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    ::testing::Values(
        WriteCase{"a new file", "<none>", "UserSection", "Printer", "PDF", "[UserSection]\r\nPrinter=PDF\r\n"},
        WriteCase{"an empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteCase{"replaced in place, spelling kept", "; head\r\n[S]\r\nA=1\r\n  Key = old \r\nB=2\r\n",
                  "s", "KEY", "new", "; head\r\n[S]\r\nA=1\r\nKey=new\r\nB=2\r\n"},
        WriteCase{"first of duplicate keys and sections", "[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n", "S", "k", "9",
                  "[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n"},
        WriteCase{"added after the last key, before blank lines", "[S]\r\na=1\r\n;c\r\n\r\n[T]\r\nt=1\r\n",
                  "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n;c\r\n\r\n[T]\r\nt=1\r\n"},
        WriteCase{"added to a section without keys", "[S]\r\n[T]\r\n", "S", "k", "v", "[S]\r\nk=v\r\n[T]\r\n"},
        WriteCase{"a new section at the end", "x=0\r\n[S]\r\na=1", "N", "k", "v",
                  "x=0\r\n[S]\r\na=1\r\n\r\n[N]\r\nk=v\r\n"},
        WriteCase{"a new section after a blank line", "[S]\r\na=1\r\n\r\n", "N", " k ", "v",
                  "[S]\r\na=1\r\n\r\n[N]\r\nk=v\r\n"},
        WriteCase{"a key of another section is not reused", "[T]\r\nk=1\r\n", "S", "k", "2",
                  "[T]\r\nk=1\r\n\r\n[S]\r\nk=2\r\n"},
        WriteCase{"LF file becomes CR LF", "junk\n[S]\na=1\nb=2\n", "S", "a", "3", "junk\r\n[S]\r\na=3\r\nb=2\r\n"},
        WriteCase{"CR file becomes CR LF", "[S]\ra=1\r\rb=2", "S", "b", "3", "[S]\r\na=1\r\n\r\nb=3\r\n"},
        WriteCase{"Windows-1252 in, other bytes untouched", raw("[S]\r\nz=\x81\x9D\xA0\xFF\r\n"), "S", "k",
                  QString::fromUtf8("·»€"), raw("[S]\r\nz=\x81\x9D\xA0\xFF\r\nk=\xB7\xBB\x80\r\n")},
        WriteCase{"no Windows-1252 byte", "", "S", "k", QString::fromUtf8("a\u4E00b"), "[S]\r\nk=a?b\r\n"},
        WriteCase{"an empty value", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
        WriteCase{"a line that reads so already is not rewritten", "junk\n[S]\nk=v\n", "S", "k", "v",
                  "junk\n[S]\nk=v\n"},
        WriteCase{"the same value spelled otherwise is", "[S]\nk = v\n", "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteCase{"names outside Windows-1252 found as stored", "[?UKASZ]\r\nk?=1\r\n",
                  QString::fromUtf8("Łukasz"), QString::fromUtf8("kŻ"), "2", "[?UKASZ]\r\nk?=2\r\n"},
        WriteCase{"a name outside Windows-1252 written as stored", "", QString::fromUtf8("ŁUKASZ"), "k", "v",
                  "[?UKASZ]\r\nk=v\r\n"},
        WriteCase{"a section name holding a bracket", "[A]\r\nk=1\r\n", "A]B", "k", "2",
                  "[A]\r\nk=1\r\n\r\n[A]B]\r\nk=2\r\n"}),
    qv::test::ByWhat());

TEST_F(TempDrive, KeepsA100kBLineWhenWriting) {
  const QByteArray big = "[S]\r\nbig=" + QByteArray(100000, 'x') + "\r\n";
  put("Big.inf", big);
  ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "v", "C:\\Big.inf"));
  EXPECT_EQ(bytes("Big.inf"), big + "k=v\r\n");
}

struct FailCase {
  const char* what;
  const char* path;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const FailCase& c, std::ostream* os) { *os << c.what; }

class ProfileWriteFails : public TempDrive, public ::testing::WithParamInterface<FailCase> {};

// Root may write anywhere, so failures come from the shape of the path.
TEST_P(ProfileWriteFails, ReturnsFalseAndChangesNothing) {
  const FailCase& c = GetParam();
  ASSERT_TRUE(QDir(dir_.path()).mkpath("Dir.inf/inner"));
  put("Dir.inf/inner/keep.txt", "keep");
  put("File.txt", "plain");

  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", c.path)) << c.what;
  EXPECT_EQ(bytes("File.txt"), "plain") << c.what;
  EXPECT_EQ(bytes("Dir.inf/inner/keep.txt"), "keep") << c.what;
  EXPECT_FALSE(QFileInfo::exists(hostPath("Missing"))) << c.what << ": no folder is created";
  const QStringList left = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  EXPECT_EQ(left, QStringList({"Dir.inf", "File.txt"})) << c.what << ": no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWriteFails,
                         ::testing::Values(FailCase{"the path is a folder", "C:\\Dir.inf"},
                                           FailCase{"the folder is missing", "C:\\Missing\\User.inf"},
                                           FailCase{"the folder is a file", "C:\\File.txt\\User.inf"}),
                         qv::test::ByWhat());

struct RefusedCase {
  const char* what;
  QString section, key, value;
};
inline void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class ProfileWriteRefuses : public TempDrive, public ::testing::WithParamInterface<RefusedCase> {};

// A name or value the file cannot hold would read back as something else, or
// make lines of its own: it is refused, and the file keeps what it had.
TEST_P(ProfileWriteRefuses, WhatWouldNotReadBack) {
  const RefusedCase& c = GetParam();
  const QByteArray before = "[S]\r\nk=1\r\n[T]\r\nt=1\r\n";
  put("User.inf", before);
  EXPECT_FALSE(WritePrivateProfileStringA(c.section, c.key, c.value, "C:\\User.inf")) << c.what;
  EXPECT_EQ(bytes("User.inf"), before) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteRefuses,
    ::testing::Values(RefusedCase{"a value with a line break", "S", "k", "C:\\x\r\n[T]\r\nt=2"},
                      RefusedCase{"a value with a line feed", "S", "k", "a\nb"},
                      RefusedCase{"a value with a NUL", "S", "k", QStringLiteral("a") + QChar(0) + "b"},
                      RefusedCase{"a section name with a line break", "S]\r\nt=2\r\n[S", "k", "v"},
                      RefusedCase{"a key with an equals sign", "S", "a=b", "v"},
                      RefusedCase{"a key that would be a header", "T", "[S]", "v"},
                      RefusedCase{"a key that would be a comment", "S", ";k", "v"}),
    qv::test::ByWhat());

// A file-size limit makes the write itself fail half way, even for root: the
// old file must come through whole.
TEST_F(TempDrive, AFailedWriteLeavesTheOldFileWhole) {
  const QByteArray old = "[S]\r\nk=old\r\nother=1\r\n";
  put("User.inf", old);

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WritePrivateProfileStringA("S", "k", QString(1000, u'n'), "C:\\User.inf");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(bytes("User.inf"), old);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"User.inf"}));
}

// Several keys in one write: each goes where a write of its own would put it.
TEST_F(TempDrive, SeveralKeysInOneWriteLandAsOneByOne) {
  put("User.inf", "[S]\r\nA=1\r\nB=2\r\n[T]\r\nt=1\r\n");
  ASSERT_TRUE(qv::WritePrivateProfileStrings("s", {{"b", "20"}, {"C", "3"}, {"A", "10"}}, "C:\\User.inf"));
  EXPECT_EQ(bytes("User.inf"), "[S]\r\nA=10\r\nB=20\r\nC=3\r\n[T]\r\nt=1\r\n");
  ASSERT_TRUE(qv::WritePrivateProfileStrings("New", {{"x", "1"}, {"y", "2"}}, "C:\\User.inf"));
  EXPECT_EQ(bytes("User.inf"), "[S]\r\nA=10\r\nB=20\r\nC=3\r\n[T]\r\nt=1\r\n\r\n[New]\r\nx=1\r\ny=2\r\n");
}

}  // namespace
