#include "support/ProfileFuzz.h"

#include "platform/TextFile.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace qvtest::fuzz {

namespace {

int fromEnvironment(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : fallback;
}

constexpr unsigned kDefaultSeed = 20250310;

// Bytes the profile reader and its callers decide on: brackets, equals signs,
// comments, quotes, blanks, line ends, NUL, the K-1 list's separators, the
// program's "·" and "»", a no-break space, undefined and high bytes, and
// what numbers are made of.
const QByteArray kTelling = QByteArray("[]=;\"' \t\r\n|{}\xB7\xBB\xA0\x81\xFF" "0123456789.,-+$%eEX", 37) +
                            QByteArray(1, '\0');

QList<QByteArray> splitLines(const QByteArray& file) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < file.size(); ++i) {
    if (file[i] != '\r' && file[i] != '\n') continue;
    if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n') ++i;
    lines.append(file.mid(start, i + 1 - start));
    start = i + 1;
  }
  if (start < file.size()) lines.append(file.mid(start));
  return lines;
}

QByteArray trimmed(QByteArray line) {
  while (!line.isEmpty() && (line.back() == '\r' || line.back() == '\n')) line.chop(1);
  return line.trimmed();
}

}  // namespace

int inputCount(int ciCount) { return fromEnvironment("QV_FUZZ_INPUTS", ciCount); }

unsigned seed() { return unsigned(fromEnvironment("QV_FUZZ_SEED", int(kDefaultSeed))); }

std::string shown(const QByteArray& bytes, int max) {
  std::string out;
  for (qsizetype i = 0; i < bytes.size() && i < max; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\\') out += "\\\\";
    else if (c >= 0x20 && c < 0x7F) out += char(c);
    else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  if (bytes.size() > max) out += "... (" + std::to_string(bytes.size()) + " bytes)";
  return out;
}

std::vector<QByteArray> sectionsOf(const QByteArray& file) {
  std::vector<QByteArray> sections(1);
  for (const QByteArray& line : splitLines(file)) {
    if (trimmed(line).startsWith('[') && !sections.back().isEmpty()) sections.emplace_back();
    sections.back() += line;
  }
  return sections;
}

namespace {
// The names the lines of a file give, each line's name picked by `nameOf`.
template <class NameOf>
QStringList namesIn(const QByteArray& file, NameOf nameOf) {
  QStringList names;
  for (const QByteArray& line : splitLines(file))
    if (const std::optional<QByteArray> name = nameOf(trimmed(line))) names << qv::decodeWin1252(*name);
  return names;
}
}  // namespace

QStringList sectionNamesIn(const QByteArray& file) {
  return namesIn(file, [](const QByteArray& t) -> std::optional<QByteArray> {
    const qsizetype close = t.indexOf(']');
    if (t.startsWith('[') && close > 0) return t.mid(1, close - 1);
    return std::nullopt;
  });
}

QStringList keyNamesIn(const QByteArray& file) {
  return namesIn(file, [](const QByteArray& t) -> std::optional<QByteArray> {
    const qsizetype eq = t.indexOf('=');
    if (eq >= 0 && !t.startsWith(';')) return t.left(eq);
    return std::nullopt;
  });
}

QByteArray Mutator::telling(int count) {
  QByteArray out;
  for (int i = 0; i < count; ++i) out += kTelling[pick(int(kTelling.size()))];
  return out;
}

QByteArray Mutator::mutate(QByteArray file, const std::vector<QByteArray>& seeds) {
  for (int steps = 1 + pick(5); steps > 0; --steps) step(file, seeds);
  return file;
}

void Mutator::step(QByteArray& file, const std::vector<QByteArray>& seeds) {
  const int at = pick(int(file.size()) + 1);
  const int span = 1 + pick(16);
  switch (pick(12)) {
    case 0:  // a byte changed
      if (!file.isEmpty()) file[std::min<qsizetype>(at, file.size() - 1)] = oneIn(3) ? char(pick(256)) : telling(1)[0];
      break;
    case 1:  // bytes put in
      file.insert(at, telling(1 + pick(4)));
      break;
    case 2:  // a stretch taken out
      file.remove(at, span);
      break;
    case 3:  // a stretch doubled
      file.insert(at, file.mid(at, span * 4));
      break;
    case 4: {  // the head of one file, the tail of another
      const QByteArray& other = among(seeds);
      file = file.left(at) + other.mid(pick(int(other.size()) + 1));
      break;
    }
    case 5: {  // a line dropped, doubled or moved
      QList<QByteArray> lines = splitLines(file);
      if (lines.isEmpty()) break;
      const int i = pick(int(lines.size()));
      const QByteArray line = lines.takeAt(i);
      if (pick(3) != 0) lines.insert(pick(int(lines.size()) + 1), line);
      if (oneIn(2)) lines.insert(pick(int(lines.size()) + 1), line);
      file = lines.join();
      break;
    }
    case 6: {  // other line ends, or none at the end
      static const char* const ends[] = {"\r\n", "\n", "\r", "\n\r", ""};
      const QByteArray to(ends[pick(int(std::size(ends)))]);
      QList<QByteArray> lines = splitLines(file);
      for (QByteArray& l : lines) {
        if (!oneIn(3)) continue;
        while (!l.isEmpty() && (l.back() == '\r' || l.back() == '\n')) l.chop(1);
        l += to.isEmpty() ? QByteArray("\r\n") : to;
      }
      file = lines.join();
      if (oneIn(4)) file = file.trimmed();
      break;
    }
    case 7: {  // a value at the lengths the readers cut at
      static const int lengths[] = {1022, 1023, 1024, 1025, 2045, 2046, 2047, 2048, 5000};
      const int n = oneIn(200) ? 200000 : lengths[pick(int(std::size(lengths)))];
      file.insert(at, "\r\nk" + QByteArray::number(pick(10)) + "=" + QByteArray(n, char("x|9. "[pick(5)])) + "\r\n");
      break;
    }
    case 8: {  // a header, whole or broken
      static const char* const headers[] = {"[", "[]", "[ S ", "[S]]", "[[S]", "[S] ; note", "]S[", "[S=1]"};
      QByteArray h(headers[pick(int(std::size(headers)))]);
      const QStringList names = sectionNamesIn(file);
      if (!names.isEmpty() && pick(2)) h.replace('S', among(std::vector<QString>(names.begin(), names.end())).toLatin1());
      file.insert(at, "\r\n" + h + "\r\n");
      break;
    }
    case 9:  // cut short
      file.truncate(at);
      break;
    case 10:  // a key line copied into another section
      if (const QStringList keys = keyNamesIn(file); !keys.isEmpty())
        file.insert(at, "\r\n" + keys[pick(int(keys.size()))].toLatin1() + "=" + telling(pick(8)) + "\r\n");
      break;
    case 11:  // now and then, noise alone
      if (oneIn(20)) {
        file.clear();
        for (int i = pick(400); i > 0; --i) file += oneIn(2) ? char(pick(256)) : telling(1)[0];
      }
      break;
  }
}

QString Mutator::name(const QStringList& known) {
  QString n = known.isEmpty() || oneIn(5) ? QString() : known[pick(int(known.size()))];
  if (n.isEmpty() || oneIn(4)) {
    static const char* const made[] = {"", " ", "S", "UserSection", "TRAINER", "2024", "k0", "[S]", "a=b", ";c", "x]y", "\t k \t"};
    n += QLatin1String(made[pick(int(std::size(made)))]);
  }
  if (oneIn(6)) n.insert(pick(int(n.size()) + 1), QString::fromLatin1(telling(1 + pick(2))));
  if (oneIn(30)) n += QChar(0x0100 + pick(0x2000));  // no Windows-1252 byte for it
  return n;
}

QString Mutator::value() {
  QString v;
  switch (pick(6)) {
    case 0: v = QString::fromLatin1(telling(pick(12))); break;
    case 1: v = QStringLiteral("C:\\VelmoraForms"); break;
    case 2: v = QString(1000 + pick(30), u'v'); break;
    case 3: v = QStringLiteral("JOHN DOE\u00BB1 MAIN ST\u00BBTOWN"); break;
    case 4: v = QStringLiteral("\"%1\"").arg(QString::fromLatin1(telling(pick(6)))); break;
    case 5: v = QString::number(pick(100000)); break;
  }
  if (oneIn(8)) v.insert(pick(int(v.size()) + 1), QStringLiteral("\r\n"));
  if (oneIn(20)) v += QChar(0x0100 + pick(0x2000));
  return v;
}

Watchdog::Watchdog(double limitSeconds) : limit_(limitSeconds), thread_([this] { watch(); }) {}

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_all();
  thread_.join();
}

void Watchdog::begin(int index, const QByteArray& input) {
  std::lock_guard lock(mutex_);
  index_ = index;
  input_ = input;
  began_ = Clock::now();
  running_ = true;
}

void Watchdog::end() {
  std::lock_guard lock(mutex_);
  slowest_ = std::max(slowest_, std::chrono::duration<double>(Clock::now() - began_).count());
  running_ = false;
}

void Watchdog::watch() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    stop_.wait_for(lock, std::chrono::milliseconds(100));
    if (!running_ || std::chrono::duration<double>(Clock::now() - began_).count() < limit_) continue;
    std::fprintf(stderr, "[ fuzz     ] input %d still runs after %.0f s, as if it hung: %s\n", index_, limit_,
                 shown(input_, 2000).c_str());
    std::fflush(stderr);
    std::abort();
  }
}

void report(const char* what, int inputs, double seconds, double slowest, const std::string& extra) {
  std::printf("[ fuzz     ] %s: %d inputs, seed %u, %.1f s, slowest input %.3f s%s%s\n", what, inputs, seed(),
              seconds, slowest, extra.empty() ? "" : ", ", extra.c_str());
  std::fflush(stdout);
}

}  // namespace qvtest::fuzz
