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

// The K-1 boxes whose code cells open the list, by the section they name, and
// the codes each offers in file order: the letters of the IRS code lists in
// current use (reserved letters left out).
struct Box {
  const char* section;
  const char* codes;
};
const Box kBoxes[] = {
    {"K1-1065-Box11", "A B C D E F H I J K L M N O P Q R S ZZ"},
    {"K1-1065-Box13", "A B C D E F G H I J K L M N O P Q R S V W X Y Z AA AB AC AD AE ZZ"},
    {"K1-1065-Box14", "A B C"},
    {"K1-1065-Box15", "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z AA AB AC AD AE AF AG AH AI AJ AK AL AM "
                      "AO AP AQ AR AS AT AU AV AW AX AY AZ BA BB BC ZZ"},
    {"K1-1065-Box17", "A B C D E F"},
    {"K1-1065-Box18", "A B C"},
    {"K1-1065-Box19", "A B C D F G"},
    {"K1-1065-Box20", "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z AA AB AC AD AE AF AG AH AI AJ AK AL AM "
                      "AN AO AP AQ AR AS AT AU AV AW AX AY AZ ZZ"},
    {"K1-1120S-Box10", "A B C D E F G I J K M N O S ZZ"},
    {"K1-1120S-Box12", "A B C D E F G H I J L M O W X Y Z AA AB AC ZZ"},
    {"K1-1120S-Box13", "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z AA AB AC AD AE AF AG AH AI AJ AK AL AM "
                       "AO AP AQ AR AS AT AU AV AW AX AY AZ BA BB BC ZZ"},
    {"K1-1120S-Box15", "A B C D E F"},
    {"K1-1120S-Box16", "A B C D E F"},
    {"K1-1120S-Box17", "A B C D E F G H I J K L M N O P Q R U V AA AB AC AJ AN AP AS AT AU AV AW ZZ"},
    {"K1-1041-Box9", "A B C"},
    {"K1-1041-Box11", "A B C D E F"},
    {"K1-1041-Box12", "A B C D E F G H I J"},
    {"K1-1041-Box13", "A B C D E F G H I J K L M N O P Q R S T ZZ"},
    {"K1-1041-Box14", "A B C D E F G H I J K L M ZZ"},
};
void PrintTo(const Box& b, std::ostream* os) { *os << b.section; }

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

class K1HelpFile : public ::testing::TestWithParam<Box> {
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

TEST_P(K1HelpFile, SectionIsReadWholeWithItsCodesAndEveryLineIsACode) {
  const QString section = QString::fromLatin1(GetParam().section);
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

  QStringList listed;
  QSet<QString> codes;
  for (const QString& line : read) {
    const QStringList fields = line.split(u'|');
    ASSERT_EQ(fields.size(), 3) << line.toStdString();
    const QString code = fields.at(0).trimmed();
    EXPECT_FALSE(code.isEmpty()) << line.toStdString();
    EXPECT_FALSE(codes.contains(code)) << "code listed twice: " << line.toStdString();
    codes.insert(code);
    listed.append(code);
    EXPECT_FALSE(fields.at(1).trimmed().isEmpty()) << "no purpose: " << line.toStdString();
    EXPECT_TRUE(fields.at(2).isEmpty() || fields.at(2) == QStringLiteral("X"))
        << "the flag is X or empty: " << line.toStdString();
  }
  EXPECT_EQ(listed.join(u' ').toStdString(), std::string(GetParam().codes)) << "the codes the box offers";
}

INSTANTIATE_TEST_SUITE_P(Boxes, K1HelpFile, ::testing::ValuesIn(kBoxes),
                         [](const ::testing::TestParamInfo<Box>& info) {
                           std::string name = info.param.section;
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
  for (const Box& b : kBoxes) boxes.append(QString::fromLatin1(b.section));
  found.sort();
  boxes.sort();
  EXPECT_EQ(found.join(u' ').toStdString(), boxes.join(u' ').toStdString());
}

}  // namespace
}  // namespace qv
