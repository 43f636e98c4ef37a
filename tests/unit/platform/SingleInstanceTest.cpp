// One running copy per key; a second copy can only ask the first to come
// forward; the files that do it are out of other users' reach.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <ostream>

#include "platform/SingleInstance.h"
#include "support/CaseNames.h"

namespace {

using qv::SingleInstance;

// A key of its own for each test, so runs side by side do not meet.
QString uniqueKey(const char* test) {
  return QStringLiteral("QvTest_%1-%2").arg(test).arg(QCoreApplication::applicationPid());
}

int modeOf(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QStringList entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// How often `first` was asked to come to the front once `second` asked it.
int raisesAfterRequest(SingleInstance& first, SingleInstance& second) {
  int raised = 0;
  QEventLoop loop;
  QObject::connect(&first, &SingleInstance::raiseRequested, &loop, [&] {
    ++raised;
    loop.quit();
  });
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  second.requestRaise();
  loop.exec();
  return raised;
}

// The session's runtime folder and the shared temporary folder are folders of
// the test's own, put back afterwards.
class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runtime_.isValid() && shared_.isValid());
    saved_ = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR")};
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    qputenv("TMPDIR", QFile::encodeName(shared_.path()));
  }
  void TearDown() override {
    qputenv("XDG_RUNTIME_DIR", saved_.first);
    qputenv("TMPDIR", saved_.second);
  }
  // The lock and request files of `key` sit beside each other; this is their path without the ending.
  QString filesOf(const QString& key) const {
    SingleInstance probe(key);
    EXPECT_TRUE(probe.acquire());
    const QStringList made = QDir(runtime_.path()).entryList({QStringLiteral("*.lock")}, QDir::Files);
    EXPECT_EQ(made.size(), 1);
    return runtime_.filePath(made.value(0).chopped(5));
  }

  QTemporaryDir runtime_, shared_;
  std::pair<QByteArray, QByteArray> saved_;
};

TEST_F(SingleInstanceTest, OnlyTheFirstCopyHoldsTheLock) {
  const QString key = uniqueKey("Lock");
  auto first = std::make_unique<SingleInstance>(key);
  ASSERT_TRUE(first->acquire());
  EXPECT_TRUE(first->acquire()) << "asking again keeps the lock";
  SingleInstance second(key);
  EXPECT_FALSE(second.acquire());
  SingleInstance other(key + "-other");
  EXPECT_TRUE(other.acquire()) << "another key is another program";
  first.reset();
  EXPECT_TRUE(second.acquire()) << "free once the first copy has gone";
}

TEST_F(SingleInstanceTest, SecondCopyRaisesTheFirst) {
  const QString key = uniqueKey("Raise");
  SingleInstance first(key);
  ASSERT_TRUE(first.acquire());
  SingleInstance second(key);
  ASSERT_FALSE(second.acquire());
  EXPECT_GE(raisesAfterRequest(first, second), 1);
}

TEST_F(SingleInstanceTest, LockOfADeadCopyDoesNotBlock) {
  const QString key = uniqueKey("Stale");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The copy dies holding its lock: no destructor runs.
    auto* dying = new SingleInstance(key);
    _exit(dying->acquire() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child could not take the lock";
  const QStringList locks = QDir(runtime_.path()).entryList({QStringLiteral("*.lock")}, QDir::Files);
  ASSERT_EQ(locks.size(), 1) << "the dead copy's lock file is still there";

  SingleInstance next(key);
  EXPECT_TRUE(next.acquire());
}

// What other users can write into is never looked at: nothing planted there
// can make the program say it runs already or write where it points.
TEST_F(SingleInstanceTest, NothingGoesIntoTheSharedTemporaryFolder) {
  const QString key = uniqueKey("Shared");
  SingleInstance first(key);
  ASSERT_TRUE(first.acquire());
  SingleInstance second(key);
  EXPECT_FALSE(second.acquire());
  second.requestRaise();
  EXPECT_EQ(entries(shared_.path()), QStringList()) << "files in the folder every user shares";
  EXPECT_EQ(QDir(runtime_.path()).entryList({QStringLiteral("*.lock")}, QDir::Files).size(), 1)
      << "the lock is in the session's own folder";
}

// Even in the user's own folder the request file is never written through a
// link: it could point at any file of the user.
TEST_F(SingleInstanceTest, ALinkAtTheRequestFileIsNotWrittenThrough) {
  // The old place of the files is this folder too, so that a copy that still
  // used it would meet the links as well.
  qputenv("TMPDIR", QFile::encodeName(runtime_.path()));
  const QString key = uniqueKey("Link");
  const QString base = filesOf(key);
  const QString victim = shared_.filePath(QStringLiteral("thesis.txt"));
  const QByteArray text = "three years of work\n";
  auto plantLink = [&] {
    QFile::remove(base + ".raise");
    ASSERT_TRUE(QFile::link(victim, base + ".raise"));
  };
  auto victimText = [&] {
    QFile f(victim);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  };
  {
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
  }

  // Left there before the program starts: it makes its own file instead.
  plantLink();
  SingleInstance first(key);
  ASSERT_TRUE(first.acquire());
  EXPECT_EQ(victimText(), text) << "starting truncated the file the link points at";
  EXPECT_FALSE(QFileInfo(base + ".raise").isSymLink());
  SingleInstance second(key);
  ASSERT_FALSE(second.acquire());
  EXPECT_GE(raisesAfterRequest(first, second), 1) << "its own request file still raises it";

  // Put there while it runs: the request goes nowhere.
  plantLink();
  SingleInstance third(key);
  ASSERT_FALSE(third.acquire());
  third.requestRaise();
  EXPECT_EQ(victimText(), text) << "a second copy wrote through the link";
}

// Where the files go, by what the session's folder and the fallback are.
enum class Entry { Unset, Missing, Private, OpenToOthers, Link, File, OtherOwner };
enum class Chosen { Session, Fallback, None };

struct FolderCase {
  const char* what;
  Entry session, fallback;
  Chosen chosen;
};
void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.what; }

class RuntimeFolder : public ::testing::TestWithParam<FolderCase> {
 protected:
  // Makes `path` what `e` says; false when this user cannot (another owner needs root).
  bool make(const QString& path, Entry e) {
    switch (e) {
      case Entry::Unset:
      case Entry::Missing:
        return true;
      case Entry::Private:
      case Entry::OpenToOthers:
      case Entry::OtherOwner:
        if (!QDir().mkpath(path) || ::chmod(QFile::encodeName(path).constData(), e == Entry::OpenToOthers ? 0755 : 0700) != 0)
          return false;
        return e != Entry::OtherOwner || (::geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
      case Entry::Link: {
        const QString target = path + QStringLiteral("-target");
        return QDir().mkpath(target) && ::chmod(QFile::encodeName(target).constData(), 0700) == 0 &&
               QDir().mkpath(QFileInfo(path).path()) && QFile::link(target, path);
      }
      case Entry::File: {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly);
      }
    }
    return false;
  }
  QTemporaryDir dir_;
};

TEST_P(RuntimeFolder, OnlyAFolderOfTheUsersOwnIsUsed) {
  const FolderCase& c = GetParam();
  ASSERT_TRUE(dir_.isValid());
  const QString session = dir_.filePath(QStringLiteral("run/user"));
  const QString fallback = dir_.filePath(QStringLiteral("home/.cache/quorvane-host"));
  if (!make(session, c.session) || !make(fallback, c.fallback)) GTEST_SKIP() << "needs root to give a folder away";

  const QString chosen = qv::privateRuntimeFolder(c.session == Entry::Unset ? QString() : session, fallback);
  switch (c.chosen) {
    case Chosen::Session:
      EXPECT_EQ(chosen, session);
      EXPECT_FALSE(QFileInfo::exists(fallback)) << "no fallback is made when the session has a folder";
      break;
    case Chosen::Fallback:
      EXPECT_EQ(chosen, fallback);
      EXPECT_EQ(modeOf(fallback), 0700);
      break;
    case Chosen::None:
      EXPECT_EQ(chosen, QString());
      EXPECT_TRUE(entries(fallback + QStringLiteral("-target")).isEmpty()) << "nothing made where a link points";
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RuntimeFolder,
    ::testing::Values(
        FolderCase{"the session folder", Entry::Private, Entry::Missing, Chosen::Session},
        FolderCase{"no session folder makes the fallback", Entry::Unset, Entry::Missing, Chosen::Fallback},
        FolderCase{"a session folder that is not there", Entry::Missing, Entry::Missing, Chosen::Fallback},
        FolderCase{"a session folder open to others", Entry::OpenToOthers, Entry::Missing, Chosen::Fallback},
        FolderCase{"a session folder that is a link", Entry::Link, Entry::Missing, Chosen::Fallback},
        FolderCase{"a session folder that is a file", Entry::File, Entry::Missing, Chosen::Fallback},
        FolderCase{"a session folder of another user", Entry::OtherOwner, Entry::Missing, Chosen::Fallback},
        FolderCase{"the fallback made before", Entry::Unset, Entry::Private, Chosen::Fallback},
        FolderCase{"a fallback that is a link", Entry::Unset, Entry::Link, Chosen::None},
        FolderCase{"a fallback that is a file", Entry::Unset, Entry::File, Chosen::None},
        FolderCase{"a fallback open to others", Entry::Unset, Entry::OpenToOthers, Chosen::None},
        FolderCase{"a fallback of another user", Entry::Missing, Entry::OtherOwner, Chosen::None}),
    qv::test::ByWhat());

}  // namespace
