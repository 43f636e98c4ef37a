// The taxpayer record is written whole: a program killed in the middle of
// saving a taxpayer sheet leaves the record it had or the new one, never the
// keys of one with the keys of the other.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "FilesTest.h"
#include "files/FormRecord.h"
#include "frame/Ini.h"
#include "taxpayer/TaxpayerRecord.h"

namespace filestest {
namespace {

const char* const kKeys[] = {"TP1NameAddr", "TP1SSN",     "TP1DOB",     "TP2NameAddr", "TP2SSN",
                             "TP2DOB",      "Dependent1", "Dependent2", "Dependent3",  "Dependent4",
                             "Dependent5",  "Dependent6", "Dependent7"};

class TaxpayerRecordKill : public FilesTest {
 protected:
  // The sheet holding person set `which` (0 or 1): every key of the record
  // differs between the two sets.
  void fill(int which) {
    const QString tag = which ? QStringLiteral("B") : QStringLiteral("A");
    auto text1 = [&](int i) -> qv::Control& { return form().ctl(QStringLiteral("Text1"), i); };
    text1(0).setText(QStringLiteral("JOHN %1").arg(tag));
    text1(1).setText(which ? QStringLiteral("111-11-1111") : QStringLiteral("222-22-2222"));
    text1(2).setText(which ? QStringLiteral("01/01/1980") : QStringLiteral("02/02/1970"));
    text1(3).setText(QStringLiteral("MARY %1").arg(tag));
    text1(4).setText(which ? QStringLiteral("333-33-3333") : QStringLiteral("444-44-4444"));
    text1(5).setText(which ? QStringLiteral("03/03/1981") : QStringLiteral("04/04/1971"));
    for (int n = 0; n < 7; ++n) text1(6 + 4 * n).setText(QStringLiteral("CHILD %1%2").arg(tag).arg(n));
    qv::Build_Record();
  }
  QStringList record() const {
    const qv::ProgramState& s = qv::state();
    QStringList values;
    for (const char* key : kKeys) values << qv::ReadINF(s.UserSection, QLatin1String(key), {}, s.UserInfFile);
    return values;
  }
  // Which set the record in the settings file is: 0, 1, or -1 for a mix.
  int recordSet() const {
    const QStringList now = record();
    for (int set : {0, 1})
      if (now == saved_[set]) return set;
    return -1;
  }
  QStringList saved_[2];
};

TEST_F(TaxpayerRecordKill, AKilledSaveLeavesTheOldRecordOrTheNew) {
  show(QStringLiteral("F5_TPInfo"));
  for (int set : {1, 0}) {
    fill(set);
    qv::TPInfo_Save();
    saved_[set] = record();
  }
  ASSERT_NE(saved_[0], saved_[1]);
  ASSERT_EQ(recordSet(), 0);
  std::mt19937 rng(20261210);
  int mixed = 0;
  for (int round = 0; round < 40; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the two sets in turn until it is killed.
      for (int i = 1;; ++i) {
        fill(i % 2);
        qv::TPInfo_Save();
      }
    }
    usleep(1000 + rng() % 20000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (recordSet() < 0) ++mixed;
  }
  EXPECT_EQ(mixed, 0) << "records left half old, half new";
}

}  // namespace
}  // namespace filestest
