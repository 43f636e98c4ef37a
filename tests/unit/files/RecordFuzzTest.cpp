// Mutated form-file records, made from the records of every filled screen and
// from old ones: the reader may skip what it cannot use, but it never crashes
// or hangs, an upgrade changes only the prefix and old check keys, whatever
// it restores writes back as a record that restores to itself, and a file
// made of one opens its screen or is refused with the screen on display kept.
// QV_FUZZ_RECORDS sets how many records (QV_FUZZ_SEED the seed) for long runs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <QRegularExpression>
#include <random>

#include "FilesTest.h"
#include "engine/FieldEdits.h"
#include "files/FormRecord.h"

namespace filestest {
namespace {

constexpr int kDefaultRecords = 6000;
constexpr int kThroughFileEvery = 100;  // every so many records also go through a file
constexpr unsigned kDefaultSeed = 20250310;
const QChar kSep(0x00B7);

int fromEnvironment(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : fallback;
}

class Mutator {
 public:
  explicit Mutator(unsigned seed) : rng_(seed) {}

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  QString mutate(const std::vector<QString>& seeds) {
    QString r = seeds[pick(int(seeds.size()))];
    const int steps = 1 + pick(4);
    for (int i = 0; i < steps; ++i) step(r, seeds);
    return r;
  }

 private:
  // Characters the reader looks at, so that mutations reach its decisions.
  QString telling() {
    static const QString chars = QStringLiteral("\u00B7\u00B7\u00B7===\u00BB\r\n0123456789TXCHKBPIS-+ x\0");
    return QString(chars[pick(int(chars.size()))]);
  }
  QString anyChar() {
    const int r = pick(10);
    if (r < 6) return QString(QChar(char16_t(pick(256))));
    if (r < 8) return QString(QChar(char16_t(0xD800 + pick(0x800))));  // lone surrogates
    return QString(QChar(char16_t(0x100 + pick(0xD700))));
  }
  QString key() {
    static const char* const keys[] = {"TXT", "txt", "TX2", "TX5", "TX9", "TX1", "TX0", "TX", "T",  "CHK",
                                       "chk", "CBX", "cbx", "Cbx", "PIC1", "PIC2", "PIC3", "",  "TXTA"};
    static const char* const indexes[] = {"0", "5",   "12",  "99", "647", "-1",          " 3", "+3", "3x",
                                          "",  "00", "1e2", "07", "100", "99999999999", "0x10"};
    const QString k = QLatin1String(keys[pick(int(std::size(keys)))]);
    return k.startsWith(QLatin1String("PIC")) ? k : k + QLatin1String(indexes[pick(int(std::size(indexes)))]);
  }
  QString prefix() {
    static const char* const prefixes[] = {"SS", "SS_ITIN", "1099-MISC20", "1099-MISC", "SSA", "ssa", "CSA", "csa",
                                           "RRB", "W2", "1095C", "", "1099-misc20", "ss", "TF_W2", "DL", "CHK"};
    return QLatin1String(prefixes[pick(int(std::size(prefixes)))]);
  }

  void step(QString& r, const std::vector<QString>& seeds) {
    const int at = r.isEmpty() ? 0 : pick(int(r.size()) + 1);
    const int span = 1 + pick(12);
    switch (pick(10)) {
      case 0:  // a character changed
        if (!r.isEmpty()) r.replace(std::min(at, int(r.size()) - 1), 1, pick(2) ? telling() : anyChar());
        break;
      case 1:  // characters put in
        for (int i = pick(4); i >= 0; --i) r.insert(at, pick(3) ? telling() : anyChar());
        break;
      case 2:  // a stretch taken out
        r.remove(at, span);
        break;
      case 3:  // a stretch doubled
        r.insert(at, r.mid(at, span * 4));
        break;
      case 4: {  // the head of one record, the tail of another
        const QString& other = seeds[pick(int(seeds.size()))];
        r = r.left(at) + other.mid(pick(int(other.size()) + 1));
        break;
      }
      case 5: {  // an item's key replaced
        QStringList parts = r.split(kSep);
        if (parts.size() > 2) {
          QString& item = parts[2 + pick(int(parts.size()) - 2)];
          const qsizetype eq = item.indexOf(u'=');
          item = key() + (eq < 0 ? QStringLiteral("=") + item : item.mid(eq));
          r = parts.join(kSep);
        }
        break;
      }
      case 6:  // another prefix
        r = prefix() + (r.contains(kSep) ? r.mid(r.indexOf(kSep)) : kSep + r);
        break;
      case 7:  // a new item
        r.insert(at, kSep + key() + u'=' + r.mid(at, span));
        break;
      case 8:  // cut short
        r.truncate(at);
        break;
      case 9:  // grown long now and then
        if (pick(50) == 0)
          while (r.size() < 40000) r += r.isEmpty() ? telling() : r;
        break;
    }
  }

  std::mt19937 rng_;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class RecordFuzz : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("Pictures")));
    putFile(QStringLiteral("C:\\Pictures\\P3GS.jpg"), "not a picture");  // PIC1=3 reaches the picture box
  }

  // The record of every screen filled in full, and old and odd records.
  std::vector<QString> seedRecords() {
    std::vector<QString> seeds;
    for (const char* name : builtTaxForms()) {
      qv::Screen& screen = show(QLatin1String(name));
      for (qv::Control* f : fieldsOf(screen)) {
        f->setText(typedValue(*f));
        qv::EditCtl(*f);
      }
      for (qv::Control* c : checksOf(screen)) c->setCaption(QStringLiteral("X"));
      seeds.push_back(qv::Build_Record());
    }
    for (const char* old : {"SSA\xB7" "2024\xB7TXT2=$12,000.00\xB7TXT1=123-45-6789\xB7TXT0=JOHN DOE\xB7TXT4=-$5.00",
                            "1099-MISC20\xB7" "2023\xB7" "CBX1=X\xB7TXT0=CBX2=X cbx\xB7TXT9=JOHN DOE\xBB" "1 MAIN ST",
                            "SS\xB7\xB7TXT0=123-45-6789\xB7TXT1=BOSS JOHN\xB7TXT2=987-65-4321",
                            "DL\xB7\xB7PIC1=3\xB7PIC2=7", "CHK\xB7", "RRB\xB7" "2024\xB7TX23=Y\xB7TX50=Z"})
      seeds.push_back(QString::fromLatin1(old));
    return seeds;
  }

  // What the reader must hold to for one record on the screen on display.
  void checkRecord(qv::Screen& screen, const std::vector<qv::Control*>& fields, const QString& record) {
    bool changed = true;
    const QString upgraded = qv::upgradeItemKeys(qv::upgradePrefix(record, &changed));
    const bool old = record.startsWith(QStringLiteral("SS") + kSep) || record.startsWith(QStringLiteral("1099-MISC20") + kSep);
    ASSERT_EQ(changed, old) << qPrintable(record.left(200));
    const QStringList before = record.split(kSep), after = upgraded.split(kSep);
    ASSERT_EQ(after.size(), before.size()) << qPrintable(record.left(200));
    for (qsizetype i = 1; i < before.size(); ++i) {
      const bool oldKey = i >= 2 && before[i].startsWith(QLatin1String("CBX"), Qt::CaseInsensitive);
      ASSERT_EQ(after[i], oldKey ? QStringLiteral("CHK") + before[i].mid(3) : before[i]) << qPrintable(record.left(200));
    }

    auto clear = [&] {
      for (qv::Control* f : fields) f->setText(QString());
      for (qv::Control* c : checksOf(screen)) c->setCaption(QString());
    };
    clear();
    qv::restoreItems(screen, upgraded);
    QString once = qv::Build_Record();
    clear();
    qv::restoreItems(screen, once);
    // A text of line feeds alone is written as an item without a value, which
    // restores as an empty field: the one item that does not come back.
    static const QRegularExpression emptyItem(QStringLiteral("\u00B7[^\u00B7=]*=(?=\u00B7|$)"));
    once.remove(emptyItem);
    ASSERT_EQ(qv::Build_Record(), once) << "restored from " << qPrintable(record.left(200));
  }

  // The record as a file, opened as the user does.
  void checkFile(const QString& record, Mutator& m) {
    static const char* const endings[] = {"\r\n", "", "\n", "\r", "\r\nW2\xB7" "2024\xB7TXT0=SECOND\r\n", "\r\n\r\n"};
    const QByteArray bytes = qv::encodeWin1252(record) + endings[m.pick(int(std::size(endings)))];
    const QString path = QStringLiteral("C:\\Forms\\fuzz") + kExtension;
    putFile(path, bytes);
    qv::Screen* before = &form();
    const size_t shownBefore = host_.modals().size();
    open(path);

    bool refused = false;
    for (const qv::ShownModal& shown : shownSince(shownBefore))
      refused |= shown.text.contains(QStringLiteral("M4_FileCode:Read_File"));
    ASSERT_EQ(qv::Screen::loadedScreens().size(), 1u) << qPrintable(record.left(200));
    ASSERT_EQ(qv::Screen::loadedScreens()[0], &form());
    ASSERT_TRUE(form().visible());
    if (refused) {
      ASSERT_EQ(&form(), before) << "a refused file changed the screen: " << qPrintable(record.left(200));
    } else {
      ASSERT_EQ(qv::state().CurrentFile, path);
    }
    opened += !refused;

    const QString line = qv::decodeWin1252(bytes).section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0);
    bool upgraded = false;
    const QString current = qv::upgradePrefix(line, &upgraded);
    const QByteArray expected = upgraded ? qv::encodeWin1252(current + QStringLiteral("\r\n")) : bytes;
    ASSERT_EQ(fileBytes(path), expected) << "only an old prefix is rewritten: " << qPrintable(record.left(200));
    ++throughFiles;
  }

  int throughFiles = 0, opened = 0;
};

TEST_F(RecordFuzz, MutatedRecordsOnEveryScreen) {
  const int records = fromEnvironment("QV_FUZZ_RECORDS", kDefaultRecords);
  const unsigned seed = unsigned(fromEnvironment("QV_FUZZ_SEED", int(kDefaultSeed)));
  const std::vector<QString> seeds = seedRecords();
  const std::vector<const char*> screens = builtTaxForms();
  Mutator mutator(seed);
  const auto start = std::chrono::steady_clock::now();
  double slowest = 0;
  int done = 0;
  // Each screen takes its share of the records in turn.
  for (size_t s = 0; s < screens.size() && !HasFatalFailure(); ++s) {
    const int share = records / int(screens.size()) + (int(s) < records % int(screens.size()) ? 1 : 0);
    for (int i = 0; i < share && !HasFatalFailure(); ++i, ++done) {
      if (&form() != qv::screenNamed(QLatin1String(screens[s])) || !form().loaded()) show(QLatin1String(screens[s]));
      const auto began = std::chrono::steady_clock::now();
      const QString record = mutator.mutate(seeds);
      checkRecord(form(), fieldsOf(form()), record);
      if (!HasFatalFailure() && done % kThroughFileEvery == 0) checkFile(record, mutator);
      slowest = std::max(slowest, secondsSince(began));
    }
  }
  const double seconds = secondsSince(start);
  std::printf("[ fuzz     ] %d records (%d through files, %d of them opened), seed %u, %.1f s, slowest record %.3f s\n",
              done, throughFiles, opened, seed, seconds, slowest);
  RecordProperty("records", done);
  EXPECT_EQ(done, records);
  EXPECT_LT(slowest, 5.0) << "a record took so long it would look like a hang";
}

}  // namespace
}  // namespace filestest
