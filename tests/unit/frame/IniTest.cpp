// Reading and writing one settings key: defaults, the length limit, folders
// made on the way, and the retries and single report of a failing write.
#include <ostream>

#include <optional>

#include "FrameTest.h"
#include "support/FileSizeLimit.h"

namespace {

using qv::ReadINF;
using qv::SaveINF;

TEST_F(FrameTest, SaveMakesEveryFolderAndTheFile) {
  const QString file = R"(C:\A\B\C\User.inf)";
  SaveINF("Velmora", "Printer", "Quorvane PDF", file);
  EXPECT_TRUE(QFileInfo(hostPath("A/B/C/User.inf")).isFile());
  EXPECT_EQ(ReadINF("Velmora", "Printer", "none", file), "Quorvane PDF");
  EXPECT_TRUE(host_.modals().empty());
  EXPECT_EQ(qv::saveIniRetryCount(), 0);
}

struct ReadCase {
  const char* name;
  const char* section;
  const char* key;
  const char* def;
  QString expected;
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class Read : public FrameTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(Read, GivesTheValueOrTheDefault) {
  put("User.inf", "[Velmora]\r\nPrinter=Quorvane PDF\r\nLong=" + QByteArray(2000, 'x') + "\r\n");
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadINF(c.section, c.key, c.def, R"(C:\User.inf)"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Read,
    ::testing::Values(ReadCase{"Stored", "Velmora", "printer", "none", "Quorvane PDF"},
                      ReadCase{"MissingKey", "Velmora", "LastTaxYear", "2024", "2024"},
                      ReadCase{"MissingKeyEmptyDefault", "Velmora", "LastTaxYear", "", ""},
                      ReadCase{"MissingSection", "Kestrum", "Printer", "none", "none"},
                      ReadCase{"CutTo1023", "Velmora", "Long", "", QString(1023, u'x')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, ReadingAMissingFileGivesTheDefaultAndMakesNoFile) {
  EXPECT_EQ(ReadINF("Velmora", "Printer", "none", R"(C:\Nowhere\User.inf)"), "none");
  EXPECT_FALSE(QFileInfo::exists(hostPath("Nowhere")));
}

struct FailingSave {
  const char* name;
  const char* file;
  int number;
  QString text;  // in the report
};
// Failures name the case rather than dump its bytes.
inline void PrintTo(const FailingSave& c, std::ostream* os) { *os << c.name; }

class SaveFails : public FrameTest, public ::testing::WithParamInterface<FailingSave> {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    ASSERT_TRUE(QDir(dir_.path()).mkpath("Dir/Folder.inf"));
    put("Dir/Full.inf", "[Velmora]\r\nPrinter=old\r\n");
  }
  // One call whose write fails every time it is tried.
  void failingSave() {
    std::optional<qv::FileSizeLimit> limit;
    if (GetParam().number == 900) limit.emplace(64);
    SaveINF("Velmora", "Printer", QString(200, u'p'), GetParam().file);
  }
};

TEST_P(SaveFails, IsRetriedThenReportedOnceAndTheCallerGoesOn) {
  const FailingSave& c = GetParam();
  failingSave();
  EXPECT_EQ(qv::saveIniRetryCount(), 6) << "six retries after the first try";
  ASSERT_EQ(reports().size(), 1u);
  const qv::ShownModal report = reports().back();
  EXPECT_TRUE(shows(report, QString::number(c.number))) << report.text.toStdString();
  EXPECT_TRUE(shows(report, "M2_VelmoraCommon:SaveINF")) << report.text.toStdString();
  EXPECT_TRUE(report.text.contains(c.text)) << report.text.toStdString();
  EXPECT_FALSE(QFileInfo::exists(hostPath("User.inf"))) << "nothing written to the drive's root";
  EXPECT_EQ(bytes("Dir/Full.inf"), "[Velmora]\r\nPrinter=old\r\n");

  // The count stays up: the next failure is reported at once.
  failingSave();
  EXPECT_EQ(reports().size(), 2u);
  EXPECT_EQ(qv::saveIniRetryCount(), 6);

  // A write that works starts afresh.
  SaveINF("Velmora", "Printer", "ok", R"(C:\Good\User.inf)");
  EXPECT_EQ(qv::saveIniRetryCount(), 0);
  EXPECT_EQ(ReadINF("Velmora", "Printer", "", R"(C:\Good\User.inf)"), "ok");
  EXPECT_EQ(reports().size(), 2u);

  failingSave();
  EXPECT_EQ(qv::saveIniRetryCount(), 6);
  EXPECT_EQ(reports().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFails,
    ::testing::Values(
        FailingSave{"DriveWithoutFolder", R"(C:\User.inf)", 9, "Subscript out of range"},
        FailingSave{"FileIsAFolder", R"(C:\Dir\Folder.inf)", 75, "Path/File access error"},
        FailingSave{"WriteFails", R"(C:\Dir\Full.inf)", 900,
                    "Error Writing Velmora/Printer/" + QString(200, u'p') + "\r\nto C:\\Dir\\Full.inf"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
