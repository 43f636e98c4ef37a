// Opening what is no form file is refused with the program's error report or
// data-error box, and the screen that was on display stays as it was. Files
// that are form files in an unusual shape open.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>
#include <random>

#include "FilesTest.h"

namespace filestest {
namespace {

const QString kBadFile = QStringLiteral("C:\\Forms\\bad") + kExtension;
const QString kOpenedBefore = QStringLiteral("C:\\Forms\\before") + kExtension;

QByteArray win1252(const QString& text) { return qv::encodeWin1252(text); }

QByteArray garbage() {
  std::mt19937 rng(20250310);
  QByteArray bytes(4096, '\0');
  for (char& b : bytes) b = char(rng() & 0xFF);
  return "\x01\x02" + bytes;  // no prefix a form has
}

enum class Shown { DataError, ErrorReport };

struct BadFile {
  const char* name;
  std::function<QByteArray()> content;  // null: no file; "<folder>": a folder
  Shown shown;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

const BadFile kBadFiles[] = {
    {"Missing", nullptr, Shown::ErrorReport},
    {"Folder", [] { return QByteArray("<folder>"); }, Shown::ErrorReport},
    {"Empty", [] { return QByteArray(); }, Shown::DataError},
    {"OnlyALineBreak", [] { return QByteArray("\r\n"); }, Shown::DataError},
    {"BinaryGarbage", garbage, Shown::DataError},
    {"TenMegabyteLine",
     [] { return win1252(QStringLiteral("1099INT\u00B72024\u00B7TXT0=")) + QByteArray(10 << 20, 'A') + "\r\n"; },
     Shown::DataError},
    {"UnknownPrefix", [] { return win1252(QStringLiteral("NOSUCH\u00B72024\u00B7TXT0=X\r\n")); }, Shown::DataError},
    {"PrefixWithoutSeparator", [] { return QByteArray("W2 2024 TXT0=X\r\n"); }, Shown::DataError},
    {"Utf8Record", [] { return QStringLiteral("W2\u00B72024\u00B7TXT0=X\r\n").toUtf8(); }, Shown::DataError},
};

class OpenBadFile : public FilesTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(OpenBadFile, IsReportedAndTheScreenOnDisplayStays) {
  const BadFile& c = GetParam();
  qv::Screen& before = show(QStringLiteral("TF_1099INT"));
  text1(0).setText(QStringLiteral("KEEP ME"));
  qv::state().CurrentFile = kOpenedBefore;
  QByteArray content;
  if (c.content) {
    content = c.content();
    if (content == "<folder>")
      ASSERT_TRUE(QDir().mkpath(qv::paths::toHost(kBadFile)));
    else
      putFile(kBadFile, content);
  }

  open(kBadFile);

  ASSERT_EQ(host_.modals().size(), 1u) << describe(host_.modals());
  const qv::ShownModal& shown = host_.modals()[0];
  if (c.shown == Shown::DataError) {
    EXPECT_EQ(shown.title, "Data Error");
    EXPECT_TRUE(shown.text.contains(QStringLiteral("M4_FileCode:Read_File"))) << qPrintable(shown.text);
    EXPECT_TRUE(oneLine(shown.text).contains(kBadFile)) << qPrintable(shown.text);
  } else {
    ASSERT_EQ(reports().size(), 1u) << describe(host_.modals());
    EXPECT_TRUE(shows(shown, QStringLiteral("M4_FileCode:Read_File"))) << qPrintable(shown.text);
    EXPECT_TRUE(shown.text.contains(kBadFile)) << qPrintable(shown.text);
  }
  EXPECT_EQ(&form(), &before);
  EXPECT_TRUE(before.loaded() && before.visible());
  EXPECT_EQ(qv::Screen::loadedScreens(), std::vector<qv::Screen*>{&before});
  EXPECT_EQ(text1(0).text(), "KEEP ME");
  EXPECT_EQ(qv::state().CurrentFile, kOpenedBefore);
  if (c.content && content != "<folder>") {
    EXPECT_EQ(fileBytes(kBadFile), content) << "a refused file is left alone";
  }
}

INSTANTIATE_TEST_SUITE_P(Files, OpenBadFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// Cancelling the open dialog loses nothing either.
TEST_F(FilesTest, CancelledOpenKeepsTheScreen) {
  qv::Screen& before = show(QStringLiteral("TF_1099INT"));
  text1(0).setText(QStringLiteral("KEEP ME"));
  open(QString());
  EXPECT_TRUE(host_.modals().empty()) << describe(host_.modals());
  EXPECT_EQ(&form(), &before);
  EXPECT_TRUE(before.loaded());
  EXPECT_EQ(text1(0).text(), "KEEP ME");
}

struct OddFile {
  const char* name;
  QString record;  // written as Windows-1252
  const char* screen;
  std::vector<std::pair<int, QString>> fields;  // Text1 index -> text after opening
};

void PrintTo(const OddFile& c, std::ostream* os) { *os << c.name; }

const OddFile kOddFiles[] = {
    {"ItemsForFieldsTheScreenLacks",
     QStringLiteral("1099INT\u00B72024\u00B7TXT0=BANK\u00B7TXT99=GONE\u00B7TXT-1=NO\u00B7CHK7=X\u00B7TX23=Y\u00B7TXTA=Z"
                    "\u00B7PIC1=3\u00B7BOGUS=1\u00B7\u00B7TXT7=JOHN DOE\r\n"),
     "TF_1099INT",
     {{0, "BANK"}, {7, "JOHN DOE"}}},
    {"MoreThanOneLine",
     QStringLiteral("1099INT\u00B72024\u00B7TXT0=FIRST\r\n1099INT\u00B72024\u00B7TXT0=SECOND\u00B7TXT7=X\r\n"),
     "TF_1099INT",
     {{0, "FIRST"}, {7, ""}}},
    {"LineFeedOnly", QStringLiteral("1099INT\u00B72024\u00B7TXT0=FIRST\nW2\u00B72024\r\n"), "TF_1099INT", {{0, "FIRST"}}},
    {"NoLineEnd", QStringLiteral("1099INT\u00B72024\u00B7TXT0=FIRST"), "TF_1099INT", {{0, "FIRST"}}},
    {"LowerCasePrefix", QStringLiteral("csa\u00B72024\u00B7TXT0=X"), "TF_CSA1099R", {{0, "X"}}},
    {"PrefixOnly", QStringLiteral("W2\u00B7\r\n"), "TF_W2", {{0, ""}}},
    {"OtherYear", QStringLiteral("W2G\u00B72019\u00B7TXT2=05/06/2019\r\n"), "TF_W2G", {{2, "05/06/2024"}}},
};

class OpenOddFile : public FilesTest, public ::testing::WithParamInterface<OddFile> {};

TEST_P(OpenOddFile, OpensWithWhatItHolds) {
  const OddFile& c = GetParam();
  show(QStringLiteral("TF_1099INT"));
  const QByteArray content = win1252(c.record);
  putFile(kBadFile, content);

  open(kBadFile);

  EXPECT_EQ(form().name(), QLatin1String(c.screen));
  EXPECT_EQ(qv::Screen::loadedScreens(), std::vector<qv::Screen*>{&form()});
  for (const auto& [index, text] : c.fields) EXPECT_EQ(text1(index).text(), text) << "Text1(" << index << ")";
  EXPECT_EQ(qv::state().CurrentFile, kBadFile);
  EXPECT_EQ(fileBytes(kBadFile), content);
  for (const qv::ShownModal& m : host_.modals())
    EXPECT_EQ(m.title, "M7_Edits:EditCtl_Date") << "only a date's notice may show: " << describe(host_.modals());
}

INSTANTIATE_TEST_SUITE_P(Files, OpenOddFile, ::testing::ValuesIn(kOddFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// After opening, the status line names the file in red, also on a screen with
// date fields; a date that fails its edit there says so instead.
TEST_F(FilesTest, StatusLineNamesTheOpenedFileUnlessADateComplains) {
  putFile(kBadFile, win1252(QStringLiteral("1099A\u00B72024\u00B7TXT5=03/15/2024\r\n")));
  open(kBadFile);
  ASSERT_EQ(form().name(), "TF_1099A");
  const qv::Control& status = form().ctl(QStringLiteral("labelMisc"));
  EXPECT_EQ(status.caption(), kBadFile);
  EXPECT_EQ(status.foreColor(), qv::colors::Red);

  putFile(kBadFile, win1252(QStringLiteral("1099A\u00B72024\u00B7TXT5=13/45/2024\r\n")));
  open(kBadFile);
  EXPECT_EQ(text1(5).text(), "13/45/2024");
  EXPECT_EQ(text1(5).backColor(), qv::state().ColorTable[6]);
  EXPECT_EQ(form().ctl(QStringLiteral("labelMisc")).caption(), "Value Entered: [13/45/2024] is INVALID");
}

}  // namespace
}  // namespace filestest
