// The environment with Windows rules, the clock and pauses.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "QtPrint.h"
#include "platform/Clock.h"
#include "platform/Environment.h"

namespace {

namespace env = qv::env;

class Environment : public ::testing::Test {
 protected:
  void TearDown() override { env::reset(); }
};

TEST_F(Environment, NamesIgnoreCase) {
  env::override({{"Path", "/bin"}, {"EMPTY", ""}});
  EXPECT_EQ(env::get("PATH"), QString("/bin"));
  EXPECT_EQ(env::value("path"), "/bin");
  ASSERT_TRUE(env::get("empty").has_value()) << "set but empty is not missing";
  EXPECT_EQ(*env::get("empty"), "");
  EXPECT_FALSE(env::get("Missing").has_value());
  EXPECT_EQ(env::value("Missing"), "");
}

TEST_F(Environment, RealEnvironmentIgnoresCaseButPrefersExactNames) {
  qputenv("QV_PLATFORM_TEST_UPPER", "upper");
  qputenv("qv_platform_test_lower", "lower");
  qputenv("QV_PLATFORM_TEST_lower", "mixed");
  env::override({});
  EXPECT_FALSE(env::get("qv_platform_test_upper").has_value()) << "the override hides the real one";
  env::reset();
  EXPECT_EQ(env::value("qv_platform_test_upper"), "upper");
  EXPECT_EQ(env::value("qv_platform_test_lower"), "lower");
  EXPECT_EQ(env::value("QV_PLATFORM_TEST_lower"), "mixed");
  for (const char* name : {"QV_PLATFORM_TEST_UPPER", "qv_platform_test_lower", "QV_PLATFORM_TEST_lower"})
    qunsetenv(name);
}

TEST_F(Environment, UserNameFallsBackInWindowsOrder) {
  struct {
    QMap<QString, QString> vars;
    const char* user;
  } const cases[] = {
      {{{"username", "alice"}, {"USER", "bob"}, {"LOGNAME", "carol"}}, "alice"},
      {{{"USERNAME", ""}, {"User", "bob"}, {"LOGNAME", "carol"}}, "bob"},
      {{{"LOGNAME", "carol"}}, "carol"},
      {{}, ""},
  };
  for (const auto& c : cases) {
    env::override(c.vars);
    EXPECT_EQ(env::userName(), c.user);
  }
}

TEST(Clock, FixedTimeAndSwitchedOffPauses) {
  const QDateTime when(QDate(2025, 4, 15), QTime(9, 30));
  qv::clock::fix(when);
  EXPECT_EQ(qv::clock::now(), when);
  EXPECT_EQ(qv::clock::today(), QDate(2025, 4, 15));
  qv::clock::fix(QDateTime());
  EXPECT_LE(qAbs(qv::clock::now().secsTo(QDateTime::currentDateTime())), 2);

  QElapsedTimer timer;
  qv::clock::setPausesEnabled(false);
  timer.start();
  qv::clock::pause(5000);
  EXPECT_LT(timer.elapsed(), 1000);
  qv::clock::setPausesEnabled(true);
  timer.start();
  qv::clock::pause(60);
  EXPECT_GE(timer.elapsed(), 55);
}

}  // namespace
