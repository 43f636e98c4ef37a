// Mutated profile files, made from the shipped settings files and a user's
// settings: reading a key, reading a section and writing a key never crash or
// hang; a section's listing and the key reads agree; a cut read is the start
// of the whole one; a write of one key or of several either leaves the file
// as it was or puts them where they read back, leaving every other key alone.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>

#include "TempDrive.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "support/ProfileFuzz.h"

namespace {

using namespace qvtest::fuzz;

constexpr int kCiInputs = 10000;
constexpr int kWhole = 1 << 20;  // a buffer no test value fills
const QString kFile = QStringLiteral("C:\\Fuzz.inf");
const QChar kNul(0);

QString roundTrip(const QString& s) { return qv::decodeWin1252(qv::encodeWin1252(s)); }

QString blanksTrimmed(QString s) {
  auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
  while (!s.isEmpty() && blank(s.back())) s.chop(1);
  while (!s.isEmpty() && blank(s.front())) s.remove(0, 1);
  return s;
}

// A value as a key read gives it: blanks round it dropped, then one pair of
// matching quotes.
QString asRead(const QString& stored) {
  const QString v = blanksTrimmed(stored);
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) return v.mid(1, v.size() - 2);
  return v;
}

// Names as the file compares them.
bool sameName(const QString& a, const QString& b) {
  return blanksTrimmed(roundTrip(a)).compare(blanksTrimmed(roundTrip(b)), Qt::CaseInsensitive) == 0;
}

QString readKey(const QString& section, const QString& key, int size = kWhole) {
  QString buffer;
  const int n = qv::GetPrivateProfileStringA(section, key, QStringLiteral("<absent>"), buffer, size, kFile);
  EXPECT_EQ(n, buffer.size());
  return buffer;
}

QStringList sectionLines(const QString& section) {
  QString buffer;
  const int n = qv::GetPrivateProfileSectionA(section, buffer, kWhole, kFile);
  EXPECT_EQ(buffer.size(), n + 1);
  EXPECT_TRUE(buffer.endsWith(kNul));
  QStringList lines = buffer.left(n).split(kNul);
  lines.removeLast();  // after the last terminator
  return lines;
}

std::vector<QByteArray> seedFiles() {
  std::vector<QByteArray> seeds;
  for (const char* name : {":/inf/Forms.inf", ":/inf/K1Help.inf", ":/inf/SSMC.inf"}) {
    QFile f{QString::fromLatin1(name)};
    if (!f.open(QIODevice::ReadOnly)) continue;
    // A few sections at a time, so that each input stays small.
    const std::vector<QByteArray> sections = sectionsOf(f.readAll());
    for (size_t i = 0; i < sections.size(); i += 3) {
      QByteArray part;
      for (size_t j = i; j < std::min(sections.size(), i + 3); ++j) part += sections[j];
      seeds.push_back(part);
    }
  }
  seeds.push_back(
      "[TRAINER]\r\nTaxFormsFolder=C:\\VelmoraForms\r\nLastOpenFolder=C:\\VelmoraForms\r\nLastSaveFolder=\r\n"
      "LastTaxYear=2024\r\nPrinter=Quorvane PDF\r\nFileNameFmt=0\r\nTP1NameAddr=JOHN DOE\xBB" "1 MAIN ST\xBBTOWN\r\n"
      "TP1SSN=123-45-6789\r\nDependent1=JANE DOE\xB7" "987-65-4321\r\n\r\n[TaxForms]\r\nFolder=C:\\x\r\n");
  seeds.push_back("; only a comment\r\n");
  seeds.push_back("k=before any section\r\n[S]\r\n  k = ' quoted '  \r\n[s]\r\nk=again\r\n");
  return seeds;
}

class ProfileFuzz : public TempDrive {
 protected:
  void SetUp() override {
    TempDrive::SetUp();
    driveInMemory();
  }

  // Every key of the file's sections, as the section listings give them: the
  // first of each name in the first section of each name.
  struct Key {
    QString section, key, value;
  };
  std::vector<Key> keysOf(const QStringList& sections) {
    std::vector<Key> keys;
    for (const QString& section : sections) {
      for (const QString& line : sectionLines(section)) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        const QString key = line.left(eq);
        bool seen = false;
        for (const Key& k : keys) seen |= sameName(k.section, section) && sameName(k.key, key);
        if (!seen) keys.push_back({section, key, asRead(line.mid(eq + 1))});
      }
    }
    return keys;
  }

  void checkReads(const QByteArray& file, Mutator& m) {
    const QStringList sections = sectionNamesIn(file);
    const std::vector<Key> keys = keysOf(sections);
    for (size_t i = 0; i < keys.size() && i < 12; ++i) {
      const Key& k = keys[size_t(m.pick(int(keys.size())))];
      ASSERT_EQ(readKey(k.section, k.key), k.value) << "[" << qPrintable(k.section) << "] " << qPrintable(k.key)
                                                    << " reads otherwise than its section lists it";
    }

    // Cut reads are the start of the whole one.
    static const int sizes[] = {0, 1, 2, 3, 7, 100, 1023, 1024, 2048};
    const int size = sizes[m.pick(int(std::size(sizes)))];
    const QString section = m.name(sections);
    QString whole, cut;
    const int all = qv::GetPrivateProfileSectionA(section, whole, kWhole, kFile);
    const int n = qv::GetPrivateProfileSectionA(section, cut, size, kFile);
    if (size >= 2) {
      ASSERT_LE(cut.size(), size);
      ASSERT_TRUE(whole.startsWith(cut.left(n))) << "a cut section is no start of the whole";
      if (all + 1 > size) {
        ASSERT_EQ(cut.size(), size) << "a cut section fills the buffer";
        ASSERT_TRUE(cut.endsWith(QString(2, kNul))) << "a cut section ends in two NULs";
      } else {
        ASSERT_EQ(cut, whole);
      }
    }
    const QString key = m.name(keyNamesIn(file));
    const QString full = readKey(section, key);
    const QString part = readKey(section, key, size);
    ASSERT_LE(part.size(), std::max(0, size - 1));
    ASSERT_TRUE(full.startsWith(part)) << "a cut value is no start of the whole";
  }

  // One key, or now and then several in one replace of the file.
  void checkWrite(const QByteArray& file, Mutator& m) {
    const QStringList sections = sectionNamesIn(file);
    const QString section = m.name(sections);
    QList<std::pair<QString, QString>> keys;
    for (int n = m.oneIn(3) ? 2 + m.pick(2) : 1; n > 0; --n) keys.append({m.name(keyNamesIn(file)), m.value()});
    const std::vector<Key> before = keysOf(sections + QStringList{section});

    const bool written = keys.size() == 1
                             ? qv::WritePrivateProfileStringA(section, keys[0].first, keys[0].second, kFile)
                             : qv::WritePrivateProfileStrings(section, keys, kFile);
    if (!written) {
      ASSERT_EQ(bytes("Fuzz.inf"), file) << "a write that failed changed the file";
      return;
    }
    QString text;
    ASSERT_TRUE(qv::readTextFile(kFile, text));
    auto isWritten = [&](const QString& s, const QString& k) {
      if (!sameName(s, section)) return false;
      for (const auto& [key, value] : keys)
        if (sameName(k, key)) return true;
      return false;
    };
    for (qsizetype i = 0; i < keys.size(); ++i) {
      // Of a key written twice, the later value holds.
      bool later = false;
      for (qsizetype j = i + 1; j < keys.size(); ++j) later |= sameName(keys[j].first, keys[i].first);
      if (later) continue;
      ASSERT_EQ(readKey(section, keys[i].first), asRead(roundTrip(keys[i].second)))
          << "[" << qPrintable(section) << "] " << qPrintable(keys[i].first) << " does not read back what was written";
    }
    for (const Key& k : before) {
      if (isWritten(k.section, k.key)) continue;
      ASSERT_EQ(readKey(k.section, k.key), k.value)
          << "a write to [" << qPrintable(section) << "] changed [" << qPrintable(k.section) << "] " << qPrintable(k.key);
    }
  }

};

TEST_F(ProfileFuzz, ReadsAndWritesOfMutatedFiles) {
  const std::vector<QByteArray> seeds = seedFiles();
  ASSERT_GE(seeds.size(), 10u) << "the shipped settings files are missing";
  Mutator m(seed());
  int writes = 0;
  run(
      "profile files", kCiInputs, [&](int) { return m.mutate(seeds); },
      [&](int, const QByteArray& file) {
        put("Fuzz.inf", file);
        checkReads(file, m);
        if (::testing::Test::HasFatalFailure()) return;
        put("Fuzz.inf", file);
        checkWrite(file, m);
        ++writes;
      },
      [&] { return std::to_string(writes) + " writes"; });
}

}  // namespace
