// Windows program paths on the host's folders.
#include "support/CaseNames.h"
#include "TempDrive.h"
#include "platform/Environment.h"
#include "platform/Paths.h"

namespace {

namespace paths = qv::paths;

struct HostCase {
  const char* program;
  const char* host;  // "<C>" stands for drive C's folder, "<D>" for D's, "<cwd>" for the current folder
};

class PathsToHost : public TempDrive, public ::testing::WithParamInterface<HostCase> {
 protected:
  void SetUp() override {
    TempDrive::SetUp();
    paths::setDriveRoot(u'd', dir_.filePath("dee"));
  }
  void TearDown() override {
    paths::setDriveRoot(u'D', {});
    TempDrive::TearDown();
  }
};

TEST_P(PathsToHost, MapsDrivesAndSeparators) {
  const HostCase& c = GetParam();
  QString expected = QString::fromUtf8(c.host);
  expected.replace("<C>", dir_.path()).replace("<D>", dir_.filePath("dee")).replace("<cwd>", QDir::currentPath());
  EXPECT_EQ(paths::toHost(QString::fromUtf8(c.program)), expected) << c.program;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathsToHost,
    ::testing::Values(HostCase{"C:\\QuorvaneInfFiles\\Forms.inf", "<C>/QuorvaneInfFiles/Forms.inf"},
                      HostCase{"c:/QuorvaneInfFiles/Forms.inf", "<C>/QuorvaneInfFiles/Forms.inf"},
                      HostCase{"C:\\a/b\\\\c\\", "<C>/a/b/c"},
                      HostCase{"C:\\MiXed\\File.INF", "<C>/MiXed/File.INF"},
                      HostCase{"C:\\", "<C>"},
                      HostCase{"C:", "<C>"},
                      HostCase{"C:\\a\\.\\b\\..\\..\\..\\x", "<C>/x"},
                      HostCase{"\\Forms\\W2.qvf", "<C>/Forms/W2.qvf"},
                      HostCase{"d:\\Pictures\\Card.jpg", "<D>/Pictures/Card.jpg"},
                      HostCase{"/tmp/forms\\W2.qvf", "/tmp/forms/W2.qvf"},
                      HostCase{"sub\\f.txt", "<cwd>/sub/f.txt"},
                      HostCase{"", ""}),
    [](const auto& info) {
      return qv::test::wordsName(QString::fromUtf8(info.param.program)) + '_' + std::to_string(info.index);
    });

// Drive folders come from an override, else the environment, else the home folder.
TEST(DriveRoot, OverrideThenEnvironmentThenHome) {
  qv::env::override({{"quorvane_drive_c", "/env/cee"}, {"QUORVANE_DRIVE_E", "/env/ee"}});
  EXPECT_EQ(paths::driveRoot(u'C'), "/env/cee");
  EXPECT_EQ(paths::toHost("c:\\x"), "/env/cee/x");
  EXPECT_EQ(paths::driveRoot(u'e'), "/env/ee");
  EXPECT_EQ(paths::driveRoot(u'F'), QDir::homePath() + "/Quorvane/drive_f");
  paths::setDriveRoot(u'c', "/over/cee");
  EXPECT_EQ(paths::driveRoot(u'C'), "/over/cee");
  paths::setDriveRoot(u'C', {});
  qv::env::override({});
  EXPECT_EQ(paths::driveRoot(u'C'), QDir::homePath() + "/Quorvane");
  qv::env::reset();
}

TEST_F(TempDrive, TellsFilesFromFolders) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("Forms"));
  put("Forms/W2.qvf", "x");
  struct {
    const char* path;
    bool exists, file, folder;
  } const cases[] = {
      {"C:\\Forms", true, false, true},
      {"C:/Forms/W2.qvf", true, true, false},
      {"C:\\forms\\w2.qvf", false, false, false},  // the host's names are case-sensitive
      {"C:\\Missing", false, false, false},
      {"", false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(paths::exists(c.path), c.exists) << c.path;
    EXPECT_EQ(paths::fileExists(c.path), c.file) << c.path;
    EXPECT_EQ(paths::folderExists(c.path), c.folder) << c.path;
  }
}

TEST_F(TempDrive, MakesOneFolderLevel) {
  EXPECT_TRUE(paths::makeFolder("C:\\A"));
  EXPECT_TRUE(QFileInfo(hostPath("A")).isDir());
  EXPECT_TRUE(paths::makeFolder("C:\\A\\B"));
  EXPECT_FALSE(paths::makeFolder("C:\\X\\Y")) << "the parent is missing";
  EXPECT_FALSE(QFileInfo::exists(hostPath("X")));
  EXPECT_FALSE(paths::makeFolder("C:\\A")) << "it exists already";
  put("F", "file");
  EXPECT_FALSE(paths::makeFolder("C:\\F\\G")) << "the parent is a file";
}

TEST(PathsJoin, AddsOneSeparator) {
  EXPECT_EQ(paths::join("C:\\Forms", "W2.qvf"), "C:\\Forms\\W2.qvf");
  EXPECT_EQ(paths::join("C:\\Forms\\", "W2.qvf"), "C:\\Forms\\W2.qvf");
  EXPECT_EQ(paths::join("/tmp/", "W2.qvf"), "/tmp/W2.qvf");
  // A host folder keeps its own separator: one kind in a path shown to the user.
  EXPECT_EQ(paths::join("/opt/quorvane", "Velmora.ICO"), "/opt/quorvane/Velmora.ICO");
  EXPECT_EQ(paths::join("", "W2.qvf"), "W2.qvf");
}

}  // namespace

// What a file dialog answers comes back in the program's form where it can.
TEST_F(TempDrive, HostPathsOnADriveBecomeProgramPaths) {
  EXPECT_EQ(paths::toProgram(dir_.filePath("VelmoraForms/DOE_W2_000.velmora")),
            "C:\\VelmoraForms\\DOE_W2_000.velmora");
  EXPECT_EQ(paths::toProgram(dir_.path()), "C:\\");
  EXPECT_EQ(paths::toProgram(dir_.path() + "x/file"), dir_.path() + "x/file") << "a sibling is not on the drive";
  EXPECT_EQ(paths::toProgram("/elsewhere/file.velmora"), "/elsewhere/file.velmora");
  EXPECT_EQ(paths::toProgram("C:\\Already"), "C:\\Already");
  const QString back = paths::toHost(paths::toProgram(dir_.filePath("a/b.txt")));
  EXPECT_EQ(back, dir_.filePath("a/b.txt"));
}
