// A save that cannot write leaves the file it would replace byte for byte as
// it was, leaves nothing half-written beside it, and reports the path.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <optional>

#include "FilesTest.h"
#include "support/FileSizeLimit.h"

namespace filestest {
namespace {

const QString kFolder = QStringLiteral("C:\\Forms");
const QString kFile = QStringLiteral("C:\\Forms\\DOE,JOHN_1099INT_000") + kExtension;

struct FailedSave {
  const char* name;
  QString answer;                        // the file-exists dialog's button
  QString typed;                         // typed into its name box first
  std::function<void(const QString& hostFile)> breakIt;  // after the file was opened
  bool fullDisk;                         // saved under the file-size limit
  const char* reportedBy;
  QString reportedPath;
};

void PrintTo(const FailedSave& c, std::ostream* os) { *os << c.name; }

const FailedSave kFailedSaves[] = {
    {"DiskFullSameName", QStringLiteral("SAVE"), {}, nullptr, true, "M4_FileCode:Save_File", kFile},
    {"DiskFullRenamed", QStringLiteral("SAVE"), QStringLiteral("RENAMED"), nullptr, true, "F7_Save:cmdSave_Click",
     QStringLiteral("C:\\Forms\\RENAMED") + kExtension},
    {"DiskFullNextSequence", QStringLiteral("ASSIGN Next Sequence Number"), {}, nullptr, true,
     "F7_Save:cmdNewSequence_Click", QStringLiteral("C:\\Forms\\DOE,JOHN_1099INT_001") + kExtension},
    {"FolderRemoved", {}, {}, [](const QString& f) { QDir(QFileInfo(f).path()).removeRecursively(); }, false,
     "M4_FileCode:Save_File", kFile},
    {"FileReplacedByAFolder", QStringLiteral("SAVE"), {},
     [](const QString& f) {
       QFile::remove(f);
       QDir().mkpath(f + QStringLiteral("/inside"));
     },
     false, "M4_FileCode:Save_File", kFile},
};

class SaveFails : public FilesTest, public ::testing::WithParamInterface<FailedSave> {
 protected:
  // The 1099-INT saved to kFile and opened from it, then changed.
  void SetUp() override {
    FilesTest::SetUp();
    show(QStringLiteral("TF_1099INT"));
    text1(0).setText(QStringLiteral("FIRST NATIONAL BANK"));
    text1(5).setText(QStringLiteral("123-45-6789"));
    text1(7).setText(QStringLiteral("JOHN DOE\r\n1 MAIN ST"));
    save(kFile);
    open(kFile);
    ASSERT_TRUE(host_.modals().empty()) << describe(host_.modals());
    original_ = fileBytes(kFile);
    ASSERT_TRUE(original_.startsWith("1099INT"));
    text1(2).setText(QStringLiteral("$99.00"));
  }
  QStringList folderContent() const {
    return QDir(qv::paths::toHost(kFolder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }
  QByteArray original_;
};

TEST_P(SaveFails, OldFileStaysWholeAndThePathIsReported) {
  const FailedSave& c = GetParam();
  const QString host = qv::paths::toHost(kFile);
  if (c.breakIt) c.breakIt(host);
  const QStringList before = folderContent();
  if (!c.answer.isNull()) host_.queueAnswer(c.answer, c.typed);
  {
    // A full disk: every write of a record fails part-way.
    std::optional<qv::FileSizeLimit> limit;
    if (c.fullDisk) {
      limit.emplace(16);
      ASSERT_TRUE(limit->ok());
    }
    qv::Save_File();
  }

  if (!c.breakIt) {
    EXPECT_EQ(fileBytes(kFile), original_);
  }
  EXPECT_EQ(folderContent(), before) << "a file was left behind or removed";
  const auto shown = reports();
  ASSERT_EQ(shown.size(), 1u) << describe(host_.modals());
  EXPECT_TRUE(shows(shown[0], QLatin1String(c.reportedBy))) << qPrintable(shown[0].text);
  EXPECT_TRUE(shown[0].text.contains(c.reportedPath)) << qPrintable(shown[0].text);
  EXPECT_NE(form().ctl(QStringLiteral("labelMisc")).caption(), kFile) << "the status line says it was saved";
  EXPECT_EQ(form().activeControl(), &text1(0));
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFails, ::testing::ValuesIn(kFailedSaves),
                         [](const auto& info) { return std::string(info.param.name); });

// The save dialog may name a place no file can be: beneath a file.
TEST_F(FilesTest, SaveBeneathAFileIsReported) {
  show(QStringLiteral("TF_1099INT"));
  text1(5).setText(QStringLiteral("123-45-6789"));
  text1(7).setText(QStringLiteral("JOHN DOE"));
  putFile(QStringLiteral("C:\\Forms\\plain.txt"), "plain");
  const QString path = QStringLiteral("C:\\Forms\\plain.txt\\x") + kExtension;
  save(path);
  ASSERT_EQ(reports().size(), 1u) << describe(host_.modals());
  EXPECT_TRUE(reports()[0].text.contains(path)) << qPrintable(reports()[0].text);
  EXPECT_EQ(fileBytes(QStringLiteral("C:\\Forms\\plain.txt")), "plain");
}

// Where the system honours it (not for root), a read-only folder refuses the save.
TEST_F(FilesTest, SaveInAReadOnlyFolderIsReported) {
  const QString folder = qv::paths::toHost(QStringLiteral("C:\\Forms"));
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  const bool honoured = access(folder.toLocal8Bit().constData(), W_OK) != 0;
  if (!honoured) {
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    GTEST_SKIP() << "this user writes into read-only folders";
  }
  show(QStringLiteral("TF_1099INT"));
  text1(5).setText(QStringLiteral("123-45-6789"));
  text1(7).setText(QStringLiteral("JOHN DOE"));
  save(QStringLiteral("C:\\Forms\\x") + kExtension);
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ASSERT_EQ(reports().size(), 1u) << describe(host_.modals());
  EXPECT_TRUE(QDir(folder).isEmpty());
}

}  // namespace
}  // namespace filestest
