#pragma once
// Fuzzing the profile (INI) files the program reads: mutated copies of real
// files, a short run in CI and a long one on request, and a watchdog that
// ends the run when a single input takes so long it would look like a hang.
//
// QV_FUZZ_INPUTS sets how many inputs each profile fuzz test runs (its CI
// count otherwise), QV_FUZZ_SEED the seed. Long runs under AddressSanitizer
// want ASAN_OPTIONS=malloc_context_size=2: the Qt libraries keep no frame
// pointers, so nearly every allocation's stack is new to the sanitizer and
// each input runs slower than the one before.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace qvtest::fuzz {

int inputCount(int ciCount);
unsigned seed();

// A file's bytes in a form a failure message can show: printable ASCII as it
// is, everything else escaped, cut to `max` bytes.
std::string shown(const QByteArray& bytes, int max = 300);

// The sections of a profile file, each from its header line to the next one
// (what comes before the first header is a piece of its own).
std::vector<QByteArray> sectionsOf(const QByteArray& file);

// Section and key names as a profile file spells them, found roughly (the
// fuzz only uses them to aim its look-ups at what the file holds).
QStringList sectionNamesIn(const QByteArray& file);
QStringList keyNamesIn(const QByteArray& file);

class Mutator {
 public:
  explicit Mutator(unsigned seed) : rng_(seed) {}

  int pick(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool oneIn(int n) { return pick(n) == 0; }
  template <class T>
  const T& among(const std::vector<T>& items) { return items[size_t(pick(int(items.size())))]; }

  // One of the seeds, changed in one to five places.
  QByteArray mutate(const std::vector<QByteArray>& seeds) { return mutate(among(seeds), seeds); }
  // `start` changed in one to five places, pieces of the seeds among them.
  QByteArray mutate(QByteArray start, const std::vector<QByteArray>& seeds);
  // A name to look up or write: mostly one the file has, now and then changed
  // or made up, with the characters the reader looks at.
  QString name(const QStringList& known);
  // A value to write: short or long, with blanks, quotes, line breaks and the
  // separators the program stores.
  QString value();

 private:
  QByteArray telling(int count);
  void step(QByteArray& file, const std::vector<QByteArray>& seeds);

  std::mt19937 rng_;
};

// Ends the process, naming the input, when one input takes longer than the
// limit: a reader that loops for ever must not look like a slow pass.
class Watchdog {
 public:
  explicit Watchdog(double limitSeconds);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void begin(int index, const QByteArray& input);
  void end();
  double slowest() const { return slowest_; }

 private:
  using Clock = std::chrono::steady_clock;
  void watch();

  const double limit_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false, running_ = false;
  int index_ = -1;
  QByteArray input_;
  Clock::time_point began_;
  double slowest_ = 0;
  std::thread thread_;
};

// The line a fuzz run prints at its end, for the long runs' reports.
void report(const char* what, int inputs, double seconds, double slowest, const std::string& extra = {});

// The run of a fuzz test: input(i) makes input i, check(i, input) drives the
// reader on it, under the watchdog, until every input has run or one failed
// (named then). It prints the report line, with extra() after it, and
// expects every input to have run and none to have taken long.
template <class Input, class Check, class Extra>
void run(const char* what, int ciCount, Input&& input, Check&& check, Extra&& extra) {
  const int inputs = inputCount(ciCount);
  Watchdog watchdog(60.0);
  const auto start = std::chrono::steady_clock::now();
  int done = 0;
  while (done < inputs && !::testing::Test::HasFatalFailure()) {
    const QByteArray bytes = input(done);
    watchdog.begin(done, bytes);
    check(done, bytes);
    watchdog.end();
    if (::testing::Test::HasFatalFailure()) ADD_FAILURE() << "input " << done << ": " << shown(bytes);
    ++done;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  report(what, done, seconds, watchdog.slowest(), extra());
  EXPECT_EQ(done, inputs);
  EXPECT_LT(watchdog.slowest(), 5.0) << "an input took so long it would look like a hang";
}

}  // namespace qvtest::fuzz
