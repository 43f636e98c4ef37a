// One running copy per key; a second copy can only ask the first to come forward.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include "platform/SingleInstance.h"

namespace {

using qv::SingleInstance;

// A key of its own for each test, so runs side by side do not meet.
QString uniqueKey(const char* test) {
  return QStringLiteral("QvTest_%1-%2").arg(test).arg(QCoreApplication::applicationPid());
}

TEST(SingleInstance, OnlyTheFirstCopyHoldsTheLock) {
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

TEST(SingleInstance, SecondCopyRaisesTheFirst) {
  const QString key = uniqueKey("Raise");
  SingleInstance first(key);
  ASSERT_TRUE(first.acquire());
  int raised = 0;
  QEventLoop loop;
  QObject::connect(&first, &SingleInstance::raiseRequested, &loop, [&] {
    ++raised;
    loop.quit();
  });
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);

  SingleInstance second(key);
  ASSERT_FALSE(second.acquire());
  second.requestRaise();
  loop.exec();
  EXPECT_GE(raised, 1);
}

TEST(SingleInstance, LockOfADeadCopyDoesNotBlock) {
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
  const QStringList locks = QDir::temp().entryList({key + "*.lock"}, QDir::Files);
  ASSERT_EQ(locks.size(), 1) << "the dead copy's lock file is still there";

  SingleInstance next(key);
  EXPECT_TRUE(next.acquire());
}

}  // namespace
