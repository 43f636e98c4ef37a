// Random texts of every kind, as pasting can put them into a field: no edit
// may crash or hang, leave a "·" or "»" in the field or a character a form
// file cannot hold; and a text an edit accepted passes again unchanged and
// without a word. QV_FUZZ_EDITS sets the number of random texts.
#include "EditFixture.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "platform/TextFile.h"

namespace edits {
namespace {

int inputCount(int byDefault) {
  const QByteArray set = qgetenv("QV_FUZZ_EDITS");
  return set.isEmpty() ? byDefault : set.toInt();
}
const int kInputs = inputCount(200000);
constexpr int kHugeLength = 1 << 20;
constexpr unsigned kSeed = 20250310;

const char* const kTags[] = {"MONEY", "SMONEY", "-MONEY", "AMONEY", "TIN", "EIN", "DATE", "Date",
                             "DATEX", "YEAR", "TAXYEAR", "VERIFICATION", "%", "#.#", "#", "TPNAME",
                             "PHONE", "ISSUER", "COMPUTED", "CheckBox", "K1HELP\u00B7K1-1065-Box11", ""};
constexpr int kKinds = int(std::size(kTags));
// Halfway through, each kind gets one random text of 1 MB.
const int kHugeRound = kInputs / kKinds / 2;

// The characters the edits look at, so that random texts reach their deeper steps.
const QString kTelling = QStringLiteral("0123456789012345678901234567890/-$,.()XxU \u00B7\r\n");

class Texts {
 public:
  explicit Texts(unsigned seed) : rng_(seed) {}

  int length() {
    const int r = pick(100);
    return r < 50 ? pick(21) : r < 85 ? pick(101) : pick(2001);
  }

  // A short text of the characters amounts, dates and numbers are written
  // with, in any order: where an edit's own results lie.
  QString shaped() {
    static const QString kShapes = QStringLiteral("0123456789-$.,() +/Xx");
    const int length = 1 + pick(8);
    QString s;
    for (int i = 0; i < length; ++i) s += kShapes[pick(int(kShapes.size()))];
    return s;
  }

  QString text(int length) {
    QString s;
    s.reserve(length + 1);
    const bool telling = pick(4) != 0;  // most texts mostly of telling characters
    while (s.size() < length) {
      const int r = pick(100);
      if (telling && r < 80) {
        s += kTelling[pick(int(kTelling.size()))];
      } else if (r < 88) {
        s += QChar(char16_t(0x20 + pick(0xE0)));  // ASCII and Latin-1, "·" among them
      } else if (r < 91) {
        s += QChar(char16_t(0xD800 + pick(0x800)));  // a lone surrogate, high or low
      } else if (r < 94) {
        const char32_t cp = 0x10000 + pick(0xFFFFF);
        s += QString::fromUcs4(&cp, 1);  // a pair
      } else if (r < 97) {
        s += QChar(char16_t(pick(0x20)));  // control characters, NUL included
      } else {
        s += QChar(char16_t(0x100 + pick(0xD700)));  // the rest of the basic plane
      }
    }
    return s;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::mt19937 rng_;
};

bool inCodePage(const QString& s) { return qv::decodeWin1252(qv::encodeWin1252(s)) == s; }

class FuzzEdits : public EditTest {
 protected:
  void SetUp() override {
    EditTest::SetUp();
    screen->validates = false;
  }

  // Edits `input` as a field of kind `tag`; what went wrong, or "".
  std::string violation(const char* tag, const QString& input) {
    Control& f = field();
    f.setTag(QString::fromUtf8(tag));
    f.setText(input);
    const bool ok = qv::EditCtl(f);
    const QString once = f.text();
    ++edited;
    if (once.contains(QChar(0x00B7)) || once.contains(QChar(0x00BB)))
      return std::string("a separator or line-break mark is left, kind ") + tag;
    if (!inCodePage(once)) return std::string("not Windows-1252, kind ") + tag;
    if (!ok) return {};
    ++accepted;
    const auto shown = host.modals().size();
    const auto what = [&] { return input.left(100).toStdString() + " -> " + once.left(100).toStdString(); };
    if (!qv::EditCtl(f)) return std::string("an accepted text is refused on the next edit, kind ") + tag + ": " + what();
    if (f.text() != once)
      return std::string("an accepted text changes on the next edit, kind ") + tag + ": " + what() + " -> " +
             f.text().left(100).toStdString();
    if (host.modals().size() != shown || !statusText().isEmpty())
      return std::string("an accepted text gives a message on the next edit, kind ") + tag + ": " + what();
    return {};
  }

  int edited = 0, accepted = 0;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(FuzzEdits, RandomTextsOfEveryKind) {
  Texts texts(kSeed);
  const auto start = std::chrono::steady_clock::now();
  int huge = 0;
  for (int i = 0; i < kInputs; ++i) {
    const bool hugeText = i / kKinds == kHugeRound;
    huge += hugeText;
    const QString input = texts.text(hugeText ? kHugeLength : texts.length());
    const std::string fault = violation(kTags[i % kKinds], input);
    if (!fault.empty()) {
      ADD_FAILURE() << "input " << i << ": " << fault;
      break;
    }
  }
  const double seconds = secondsSince(start);
  std::printf("[ fuzz     ] %d inputs (%d of 1 MB), %d accepted, %.1f s\n", edited, huge, accepted, seconds);
  RecordProperty("inputs", edited);
  EXPECT_EQ(edited, kInputs);
  EXPECT_LT(seconds, 120.0);  // a hang shows here, not as a stuck run
}

// Short texts of the characters the edits look at: every kind accepts what it
// made of them (".2-" is "-$.20" as money, which must pass again).
TEST_F(FuzzEdits, ShortShapedTextsOfEveryKind) {
  Texts texts(kSeed + 1);
  const int inputs = kInputs / 2;
  for (int i = 0; i < inputs; ++i) {
    const QString input = texts.shaped();
    const std::string fault = violation(kTags[i % kKinds], input);
    if (!fault.empty()) {
      ADD_FAILURE() << "input " << i << ": " << fault;
      break;
    }
  }
  std::printf("[ fuzz     ] %d short texts, %d accepted\n", edited, accepted);
  EXPECT_EQ(edited, inputs);
}

// The longest roads through each edit: a megabyte of what it reads furthest.
TEST_F(FuzzEdits, MegabyteTextsOfEveryKind) {
  const QString shapes[] = {
      QString(kHugeLength, u'9'),                                   // a number beyond every range
      QStringLiteral("1.") + QString(kHugeLength, u'5'),            // endless decimals
      QString(kHugeLength / 2, u'1') + QStringLiteral("/5/2024"),   // an endless month
      QStringLiteral("\r\n").repeated(kHugeLength / 2),             // only line breaks
      QString(kHugeLength, u' '),                                   // only blanks
      QString(kHugeLength, QChar(0x00B7)),                          // only separators
      QStringLiteral("JOHN  SMITH JR ").repeated(kHugeLength / 15),  // one endless name line
      QString(kHugeLength, QChar(0xD800)),                          // lone surrogates
  };
  const auto start = std::chrono::steady_clock::now();
  for (const QString& shape : shapes)
    for (const char* tag : kTags) {
      const std::string fault = violation(tag, shape);
      ASSERT_TRUE(fault.empty()) << fault;
    }
  const double seconds = secondsSince(start);
  std::printf("[ fuzz     ] %d texts of 1 MB, %.1f s\n", edited, seconds);
  EXPECT_LT(seconds, 120.0);  // a hang shows here; a busy machine is no hang
}

}  // namespace
}  // namespace edits
