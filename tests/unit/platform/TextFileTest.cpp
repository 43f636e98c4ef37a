// Windows-1252 text and whole-file reads and writes.
#include "TempDrive.h"
#include "platform/TextFile.h"

namespace {

using qv::decodeWin1252;
using qv::encodeWin1252;

struct CodeCase {
  char byte;
  char16_t unicode;
};

// Where Windows-1252 differs from Latin-1, and the bytes it leaves undefined.
const CodeCase kCodes[] = {
    {'A', u'A'},          {'\xB7', u'\u00B7'},  {'\xBB', u'\u00BB'}, {'\x80', u'\u20AC'},
    {'\x85', u'\u2026'},  {'\x9F', u'\u0178'},  {'\x8A', u'\u0160'}, {'\x81', u'\u0081'},
    {'\x8D', u'\u008D'},  {'\x90', u'\u0090'},  {'\xA0', u'\u00A0'}, {'\xE9', u'\u00E9'},
    {'\0', u'\0'},
};

TEST(Win1252, MapsEachByteBothWays) {
  for (const CodeCase& c : kCodes) {
    const QByteArray byte(1, c.byte);
    const QString text(QChar(c.unicode));
    EXPECT_EQ(decodeWin1252(byte), text) << "byte " << int(uchar(c.byte));
    EXPECT_EQ(encodeWin1252(text), byte) << "U+" << std::hex << int(c.unicode);
  }
}

TEST(Win1252, EveryByteSurvivesARoundTrip) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(char(b));
  const QString text = decodeWin1252(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(encodeWin1252(text), all);
}

TEST(Win1252, CharactersWithoutAByteBecomeQuestionMarks) {
  const QString text = QString::fromUtf8("a\u4E00b\U0001F600c") + QChar(0x80) + QChar(0xD800) + u'd';
  EXPECT_EQ(encodeWin1252(text), "a?b?c??d");
}

TEST_F(TempDrive, WritesAndReadsWholeFiles) {
  const QString text = QString::fromUtf8("Forms·W-2»line\r\n€ 5");
  ASSERT_TRUE(qv::writeTextFile("C:\\Out.txt", text));
  EXPECT_EQ(bytes("Out.txt"), "Forms\xB7W-2\xBBline\r\n\x80 5");
  QString back;
  ASSERT_TRUE(qv::readTextFile(hostPath("Out.txt"), back));
  EXPECT_EQ(back, text);

  ASSERT_TRUE(qv::writeTextFile(hostPath("Out.txt"), "short"));
  EXPECT_EQ(bytes("Out.txt"), "short");
}

TEST_F(TempDrive, ReportsFilesItCannotUse) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Folder"));
  QString text = "unchanged";
  EXPECT_FALSE(qv::readTextFile("C:\\Missing.txt", text));
  EXPECT_FALSE(qv::readTextFile("C:\\Folder", text));
  EXPECT_EQ(text, "unchanged");
  EXPECT_FALSE(qv::writeTextFile("C:\\Folder", "x"));
  EXPECT_FALSE(qv::writeTextFile("C:\\NoFolder\\x.txt", "x"));
  EXPECT_TRUE(QFileInfo(hostPath("Folder")).isDir());
}

// A settings file not yet named (no edition set up) is no file, quietly.
QStringList g_warnings;
TEST_F(TempDrive, AnEmptyNameIsNoFileAndNoWarning) {
  g_warnings.clear();
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { g_warnings << m; });
  QString text = "unchanged";
  const bool read = qv::readTextFile(QString(), text);
  const bool written = qv::writeTextFile(QString(), "x");
  qInstallMessageHandler(previous);
  EXPECT_FALSE(read);
  EXPECT_FALSE(written);
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(g_warnings, QStringList());
}

}  // namespace
