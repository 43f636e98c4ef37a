// The record format's own examples as files, byte for byte: what saving a
// screen writes, what opening a file gives back, and how an old record is
// brought up to date on disk (its prefix only) and in memory (CBX keys).
#include <gtest/gtest.h>

#include "FilesTest.h"

namespace filestest {
namespace {

QByteArray golden(const char* name) {
  QFile file(QStringLiteral(QV_UNIT_SOURCE_DIR "/golden/") + QLatin1String(name));
  if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "no golden file " << name;
  return file.readAll();
}

class GoldenFile : public FilesTest {
 protected:
  // Opens a copy of a golden file; the path of the copy.
  QString openGolden(const char* name) {
    const QString path = QStringLiteral("C:\\Forms\\") + QLatin1String(name);
    putFile(path, golden(name));
    open(path);
    EXPECT_TRUE(host_.modals().empty()) << describe(host_.modals());
    return path;
  }
  // Saves the current screen through the save dialog; the file's bytes.
  QByteArray saved() {
    const QString path = QStringLiteral("C:\\Forms\\saved") + kExtension;
    save(path);
    EXPECT_TRUE(host_.modals().empty()) << describe(host_.modals());
    return fileBytes(path);
  }
};

TEST_F(GoldenFile, SsaRecordWithItemsOutOfIndexOrderOpens) {
  const QString path = openGolden("ssa_example.velmora");
  EXPECT_EQ(form().name(), "TF_SSA1099");
  EXPECT_EQ(text1(0).text(), "JOHN DOE");
  EXPECT_EQ(text1(1).text(), "123-45-6789");
  EXPECT_EQ(text1(2).text(), "$12,000.00");
  EXPECT_EQ(fileBytes(path), golden("ssa_example.velmora")) << "a current record is not rewritten";
}

TEST_F(GoldenFile, TwoLineNameIsOneValueWithTheBreakMark) {
  show(QStringLiteral("TF_1099INT"));
  text1(5).setText(QStringLiteral("123-45-6789"));
  text1(7).setText(QStringLiteral("JOHN DOE\r\n1 MAIN ST"));
  EXPECT_EQ(saved(), golden("two_line_name.velmora"));

  openGolden("two_line_name.velmora");
  EXPECT_EQ(text1(7).text(), "JOHN DOE\r\n1 MAIN ST");
}

TEST_F(GoldenFile, ValueHoldingAnEqualsSignComesBackWhole) {
  show(QStringLiteral("TF_1099INT"));
  text1(0).setText(QStringLiteral("A=B"));
  text1(5).setText(QStringLiteral("123-45-6789"));
  text1(7).setText(QStringLiteral("JOHN DOE"));
  EXPECT_EQ(saved(), golden("equals_in_value.velmora"));

  openGolden("equals_in_value.velmora");
  EXPECT_EQ(text1(0).text(), "A=B");
}

// The prefix is brought up to date on disk at once; the old check key only
// in memory, and a value that merely holds the letters keeps them.
TEST_F(GoldenFile, Misc20PrefixIsRewrittenOnDiskAndNothingElse) {
  const QString path = openGolden("misc20_old.velmora");
  EXPECT_EQ(fileBytes(path), golden("misc20_upgraded.velmora"));
  EXPECT_EQ(form().name(), "TF_1099MISC");
  EXPECT_EQ(form().ctl(QStringLiteral("Check"), 1).caption(), "X");
  EXPECT_EQ(text1(0).text(), "CBX2=X cbx SUPPLY");
  EXPECT_EQ(form().ctl(QStringLiteral("Check"), 2).caption(), "");
  EXPECT_EQ(text1(9).text(), "JOHN DOE");
  EXPECT_EQ(form().ctl(QStringLiteral("TaxYear"), 1).caption(), "24") << "the chosen tax year stays";

  // Opened again, the upgraded file is current: it stays as it is.
  open(path);
  EXPECT_EQ(fileBytes(path), golden("misc20_upgraded.velmora"));
  EXPECT_EQ(form().ctl(QStringLiteral("Check"), 1).caption(), "X");
}

TEST_F(GoldenFile, OldCheckKeyTicksTheLabelAndLeavesTheFileAlone) {
  const QString path = openGolden("cbx_check.velmora");
  EXPECT_EQ(form().name(), "TF_1099B");
  EXPECT_EQ(form().ctl(QStringLiteral("Check"), 3).caption(), "X");
  EXPECT_EQ(text1(0).text(), "ACME cbx BROKERS");
  EXPECT_EQ(fileBytes(path), golden("cbx_check.velmora"));
}

}  // namespace
}  // namespace filestest
