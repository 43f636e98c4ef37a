// The proposed file name: the user's pattern filled from the screen's person,
// its short id and its other value; one extension, "_000", no doubled "_",
// nothing a desktop cannot hold in a name; a missing name or number refused.
#include <gtest/gtest.h>

#include <map>

#include "FilesTest.h"
#include "files/FileNames.h"

namespace filestest {
namespace {

const char* const kPatterns[] = {
    "<LAST>_<FIRST>_<FORM>_<OTHER>_<SEQ>",
    "<FIRST>_<LAST>_<FORM>_<OTHER>_<SEQ>",
    "<FORM>_<LAST>_<FIRST>_<OTHER>_<SEQ>",
    "<FORM>_<FIRST>_<LAST>_<OTHER>_<SEQ>",
};

struct NameCase {
  const char* name;
  const char* screen;
  int pattern;
  std::map<int, QString> fields;  // Text1 index -> text; every other field empty
  const char* expected;           // without the extension; "" for a refusal
  int error = 0;                  // the data error shown for a refusal
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

// On the 1099-INT the payer (Text1(0)) is the other value, the recipient
// (Text1(7)) the name, Text1(5) the number.
const QString kInt = QStringLiteral("TF_1099INT");
const QString kSsn = QStringLiteral("123-45-6789");
const QString kJohn = QStringLiteral("JOHN Q DOE");
const QString kBank = QStringLiteral("FIRST NATIONAL BANK");

const NameCase kCases[] = {
    {"LastFirstFormOther", "TF_1099INT", 0, {{0, kBank}, {5, kSsn}, {7, kJohn}}, "DOE,JOHN_1099INT_FIRST NATIONAL BANK_000"},
    // "<FIRST>_<LAST>" takes the whole normalised first line, middle initial included.
    {"FirstLastFormOther", "TF_1099INT", 1, {{0, kBank}, {5, kSsn}, {7, kJohn}}, "JOHN Q DOE_1099INT_FIRST NATIONAL BANK_000"},
    {"FormLastFirstOther", "TF_1099INT", 2, {{0, kBank}, {5, kSsn}, {7, kJohn}}, "1099INT_DOE,JOHN_FIRST NATIONAL BANK_000"},
    {"FormFirstLastOther", "TF_1099INT", 3, {{0, kBank}, {5, kSsn}, {7, kJohn}}, "1099INT_JOHN Q DOE_FIRST NATIONAL BANK_000"},
    {"OtherEmpty", "TF_1099INT", 0, {{5, kSsn}, {7, kJohn}}, "DOE,JOHN_1099INT_000"},
    {"OtherEmptyFormFirst", "TF_1099INT", 2, {{5, kSsn}, {7, kJohn}}, "1099INT_DOE,JOHN_000"},
    {"OtherEqualToName", "TF_1099INT", 0, {{0, kJohn}, {5, kSsn}, {7, kJohn}}, "DOE,JOHN_1099INT_000"},
    // Only a whole name is left out: a first line that matches is still another value.
    {"OtherEqualToNameFirstLineOnly", "TF_1099INT", 0,
     {{0, "JOHN Q DOE\r\nPO BOX 1"}, {5, kSsn}, {7, "JOHN Q DOE\r\n1 MAIN ST"}}, "DOE,JOHN_1099INT_JOHN Q DOE_000"},
    {"OtherMultiLine", "TF_1099INT", 0, {{0, "FIRST NATIONAL BANK\r\nPO BOX 1"}, {5, kSsn}, {7, "JOHN Q DOE\r\n1 MAIN ST"}},
     "DOE,JOHN_1099INT_FIRST NATIONAL BANK_000"},
    {"OtherAbsentSsaNameFromField0", "TF_SSA1099", 0, {{0, kJohn}, {1, kSsn}, {14, "MARY ROE\r\n2 ELM ST"}},
     "DOE,JOHN_SSA1099_000"},
    {"FirstIndexOfTheLists", "TF_RRB1099", 0, {{1, "MEDICARE 7"}, {2, kSsn}, {3, kJohn}}, "DOE,JOHN_RRB1099_MEDICARE 7_000"},
    {"DoubledUnderscoresCleanedRepeatedly", "TF_1099INT", 0, {{0, "___"}, {5, kSsn}, {7, kJohn}}, "DOE,JOHN_1099INT_000"},
    {"UnderscoresInsideOther", "TF_1099INT", 2, {{0, "A_____B"}, {5, kSsn}, {7, kJohn}}, "1099INT_DOE,JOHN_A_B_000"},
    {"SlashInOther", "TF_1099INT", 0, {{0, "A/B PLUMBING"}, {5, kSsn}, {7, kJohn}}, "DOE,JOHN_1099INT_A-B PLUMBING_000"},
    {"EveryUnportableCharacter", "TF_1099INT", 0,
     {{0, QStringLiteral("1\\2:3*4?5\"6<7>8|9\t0\x01x\x7f")}, {5, kSsn}, {7, "JOHN O/DOE"}},
     "O-DOE,JOHN_1099INT_1-2-3-4-5-6-7-8-9-0-x-_000"},
    {"NameMissing", "TF_1099INT", 0, {{0, kBank}, {5, kSsn}}, "", 800},
    {"NumberMissing", "TF_1099INT", 0, {{0, kBank}, {7, kJohn}}, "", 801},
    {"NameAndNumberMissing", "TF_1099INT", 0, {{0, kBank}}, "", 800},
    {"SsaNameOnlyInTheAddressBox", "TF_SSA1099", 0, {{1, kSsn}, {14, kJohn}}, "", 800},
    {"RrbNameOnlyInTheSecondListedField", "TF_RRB1099", 0, {{2, kSsn}, {16, kJohn}}, "", 800},
};

class FileName : public FilesTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(FileName, IsProposedFromThePattern) {
  const NameCase& c = GetParam();
  qv::state().FileNamePattern = QLatin1String(kPatterns[c.pattern]) + kExtension;
  qv::Screen& screen = show(QLatin1String(c.screen));
  for (qv::Control* f : screen.array(QStringLiteral("Text1"))) f->setText(QString());
  for (const auto& [index, text] : c.fields) text1(index).setText(text);
  qv::state().FileRecord = QStringLiteral("stale");

  int focus = 7;
  const QString name = qv::Build_FileName(focus);

  EXPECT_EQ(focus, 0);
  const QString prefix = qv::state().FormInfo[12];
  EXPECT_TRUE(qv::state().FileRecord.startsWith(prefix + QStringLiteral("\u00B72024")))
      << "the record is built: " << qPrintable(qv::state().FileRecord);
  if (c.error == 0) {
    EXPECT_EQ(name, QLatin1String(c.expected) + kExtension);
    EXPECT_TRUE(host_.modals().empty()) << describe(host_.modals());
    return;
  }
  EXPECT_EQ(name, "");
  ASSERT_EQ(host_.modals().size(), 1u) << describe(host_.modals());
  const qv::ShownModal& box = host_.modals()[0];
  EXPECT_EQ(box.title, "Data Error");
  const char* description = c.error == 800 ? "Name is MANDATORY" : "Social Security/Taxpayer ID Number is MANDATORY";
  EXPECT_EQ(oneLine(box.text), QStringLiteral("Procedure Name: M4_FileCode:Build_FileName Error Number: %1 "
                                              "Error Description: %2")
                                   .arg(c.error)
                                   .arg(QLatin1String(description)));
}

INSTANTIATE_TEST_SUITE_P(Cases, FileName, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A refused name ends the save before any dialog: no file, the first field focused.
TEST_F(FilesTest, SaveWithoutANameAsksForNoFolder) {
  show(QStringLiteral("TF_1099INT"));
  text1(5).setText(kSsn);
  text1(3).SetFocus();
  save(QStringLiteral("C:\\Forms\\never") + kExtension);
  EXPECT_TRUE(host_.dialogs().empty());
  EXPECT_FALSE(qv::paths::exists(QStringLiteral("C:\\Forms\\never") + kExtension));
  ASSERT_EQ(host_.modals().size(), 1u);
  EXPECT_EQ(form().activeControl(), &text1(0));
}

// The extension is there once, whatever case the name already had it in.
TEST_F(FilesTest, SaveProposesTheNameWithOneExtension) {
  show(QStringLiteral("TF_1099INT"));
  text1(0).setText(QStringLiteral("ACME.VELMORA"));
  text1(5).setText(kSsn);
  text1(7).setText(kJohn);
  save(QString());  // cancelled
  ASSERT_EQ(host_.dialogs().size(), 1u);
  EXPECT_EQ(host_.dialogs()[0].request.fileName, QStringLiteral("DOE,JOHN_1099INT_ACME_000.velmora"));
  EXPECT_TRUE(host_.modals().empty()) << describe(host_.modals());
  EXPECT_TRUE(QDir(qv::paths::toHost(QStringLiteral("C:\\Forms"))).isEmpty());
}

}  // namespace
}  // namespace filestest
