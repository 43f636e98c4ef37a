// Every record Save writes, Open opens: a record longer than a form file may
// hold is refused before anything is written, one at the limit goes both
// ways. Open reads the record line alone, whatever follows it in the file.
#include <gtest/gtest.h>

#include "FilesTest.h"
#include "files/FormRecord.h"

namespace filestest {
namespace {

const QString kFile = QStringLiteral("C:\\Forms\\long") + kExtension;

class RecordLength : public FilesTest {
 protected:
  // The 1099-INT with a name and number, and box `free` (no length limit)
  // holding as much text as makes the record `length` characters long.
  void fillTo(qsizetype length) {
    show(QStringLiteral("TF_1099INT"));
    text1(5).setText(QStringLiteral("123-45-6789"));
    text1(7).setText(QStringLiteral("JOHN DOE"));
    text1(kFree).setText(QString());
    const qsizetype without = qv::Build_Record().size();
    const qsizetype item = QStringLiteral("\u00B7TXT11=").size();
    text1(kFree).setText(QString(length - without - item, u'A'));
    ASSERT_EQ(qv::Build_Record().size(), length);
  }
  static constexpr int kFree = 11;
};

TEST_F(RecordLength, SaveRefusesARecordOpenWouldRefuse) {
  fillTo(qv::kLongestRecord + 1);
  save(kFile);
  ASSERT_EQ(host_.modals().size(), 1u) << describe(host_.modals());
  EXPECT_EQ(host_.modals()[0].title, "Data Error");
  EXPECT_TRUE(oneLine(host_.modals()[0].text).contains(QStringLiteral("too long"))) << qPrintable(host_.modals()[0].text);
  EXPECT_TRUE(host_.dialogs().empty()) << "the save dialog was shown for a record that cannot be saved";
  EXPECT_EQ(fileBytes(kFile), "<missing>");
  EXPECT_EQ(host_.pendingAnswers(), 0);
}

TEST_F(RecordLength, TheLongestRecordSavesAndOpens) {
  fillTo(qv::kLongestRecord);
  const QString text = text1(kFree).text();
  save(kFile);
  ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals()).substr(0, 300);
  EXPECT_EQ(fileBytes(kFile).size(), qv::kLongestRecord + 2);
  text1(kFree).setText(QString());
  open(kFile);
  ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals()).substr(0, 300);
  EXPECT_EQ(form().name(), "TF_1099INT");
  EXPECT_EQ(text1(kFree).text(), text);
}

// What follows the record line is never read: a file whose first line is a
// record opens, however much comes after it, line break or none.
TEST_F(RecordLength, OpenReadsTheRecordLineAlone) {
  const QByteArray record = qv::encodeWin1252(QStringLiteral("1099INT\u00B72024\u00B7TXT0=BANK"));
  for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r")}) {
    putFile(kFile, record + end + QByteArray(8 << 20, '\xB7'));
    open(kFile);
    ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals()).substr(0, 300);
    EXPECT_EQ(text1(0).text(), "BANK");
  }
}

}  // namespace
}  // namespace filestest
