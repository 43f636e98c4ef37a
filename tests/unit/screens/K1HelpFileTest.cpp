// The shipped K-1 code help file: every box's section is read whole by the
// program's own section read (2048-character buffer) and every line is a code
// the list window can show: code|purpose {information}|flag.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <string>

#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

namespace qv {
namespace {

// The K-1 boxes whose code cells open the list, by the section they name.
const char* const kSections[] = {
    "K1-1065-Box11",  "K1-1065-Box13",  "K1-1065-Box14",  "K1-1065-Box15",  "K1-1065-Box17",
    "K1-1065-Box18",  "K1-1065-Box19",  "K1-1065-Box20",  "K1-1120S-Box10", "K1-1120S-Box12",
    "K1-1120S-Box13", "K1-1120S-Box15", "K1-1120S-Box16", "K1-1120S-Box17", "K1-1041-Box9",
    "K1-1041-Box11",  "K1-1041-Box12",  "K1-1041-Box13",  "K1-1041-Box14"};

constexpr int kBuffer = 2048;   // the list window's buffer
constexpr int kReadable = 2046; // what of it a section may fill and still be whole

QByteArray shippedBytes() {
  QFile file(QStringLiteral(":/inf/K1Help.inf"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The section's lines as the file holds them, found without the profile
// code: from the header to the next header, blank lines and comments left out.
QStringList fileLines(const QString& text, const QString& section) {
  QStringList lines;
  bool inside = false;
  for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
    const QString line = raw.trimmed();
    if (line.startsWith(u'[')) {
      if (inside) break;
      inside = line.compare(u'[' + section + u']', Qt::CaseInsensitive) == 0;
    } else if (inside && !line.isEmpty() && !line.startsWith(u';')) {
      lines.append(line);
    }
  }
  return lines;
}

class K1HelpFile : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() {
    bytes_ = shippedBytes();
    text_ = decodeWin1252(bytes_);
  }
  void SetUp() override {
    ASSERT_FALSE(bytes_.isEmpty()) << "K1Help.inf is not among the program's resources";
    ASSERT_TRUE(drive_.isValid());
    paths::setDriveRoot(u'C', drive_.path());
    QFile copy(drive_.filePath(QStringLiteral("K1Help.inf")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    ASSERT_EQ(copy.write(bytes_), bytes_.size());
  }
  void TearDown() override { paths::setDriveRoot(u'C', QString()); }

  static QByteArray bytes_;
  static QString text_;
  QTemporaryDir drive_;
};
QByteArray K1HelpFile::bytes_;
QString K1HelpFile::text_;

TEST_P(K1HelpFile, SectionIsReadWholeAndEveryLineIsACode) {
  const QString section = QString::fromLatin1(GetParam());
  QString buffer;
  const int n = GetPrivateProfileSectionA(section, buffer, kBuffer, QStringLiteral("C:\\K1Help.inf"));

  const QStringList expected = fileLines(text_, section);
  ASSERT_FALSE(expected.isEmpty()) << "no codes in [" << section.toStdString() << "]";
  EXPECT_LE(n, kReadable) << "the section is longer than the list window reads";
  // Lines as the list window splits them: the characters returned, cut at NULs.
  QStringList read = buffer.left(n).split(QChar(0));
  read.removeLast();  // what follows the last NUL is not a line
  EXPECT_EQ(read.join(u'\n').toStdString(), expected.join(u'\n').toStdString())
      << "the section is not read as the file holds it";

  QSet<QString> codes;
  for (const QString& line : read) {
    const QStringList fields = line.split(u'|');
    ASSERT_EQ(fields.size(), 3) << line.toStdString();
    const QString code = fields.at(0).trimmed();
    EXPECT_FALSE(code.isEmpty()) << line.toStdString();
    EXPECT_FALSE(codes.contains(code)) << "code listed twice: " << line.toStdString();
    codes.insert(code);
    EXPECT_FALSE(fields.at(1).trimmed().isEmpty()) << "no purpose: " << line.toStdString();
    EXPECT_TRUE(fields.at(2).isEmpty() || fields.at(2) == QStringLiteral("X"))
        << "the flag is X or empty: " << line.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, K1HelpFile, ::testing::ValuesIn(kSections),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

// The file names only the boxes above (a misspelt header would leave a box
// without codes) and keeps to plain text: the program's separator "·" never
// appears in it.
TEST(K1HelpFileContents, OnlyTheBoxSectionsAndPlainText) {
  const QByteArray bytes = shippedBytes();
  ASSERT_FALSE(bytes.isEmpty());
  for (const char c : bytes) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "not plain ASCII";

  QSet<QString> headers;
  const QRegularExpression header(QStringLiteral("^\\s*\\[([^\\]]*)\\]"),
                                  QRegularExpression::MultilineOption);
  for (auto it = header.globalMatch(QString::fromLatin1(bytes)); it.hasNext();) {
    const QString name = it.next().captured(1);
    EXPECT_FALSE(headers.contains(name)) << "section twice: " << name.toStdString();
    headers.insert(name);
  }
  QStringList found(headers.begin(), headers.end()), boxes;
  for (const char* s : kSections) boxes.append(QString::fromLatin1(s));
  found.sort();
  boxes.sort();
  EXPECT_EQ(found.join(u' ').toStdString(), boxes.join(u' ').toStdString());
}

}  // namespace
}  // namespace qv
