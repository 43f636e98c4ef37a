#include "runtime/Format.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

#include "runtime/Currency.h"
#include "runtime/Error.h"
#include "runtime/Text.h"

namespace qv {

namespace {

bool isBlank(QChar c) {
  const char16_t u = c.unicode();
  return u == ' ' || (u >= '\t' && u <= '\r');
}

bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// Drops leading and trailing zeros (trailing ones into the exponent).
void normalise(DecimalNumber& n) {
  const auto first = n.digits.find_first_not_of('0');
  if (first == std::string::npos) {
    n = DecimalNumber{};
    return;
  }
  const auto last = n.digits.find_last_not_of('0');
  n.exponent += static_cast<int>(n.digits.size() - 1 - last);
  n.digits = n.digits.substr(first, last - first + 1);
}

enum class Tie { AwayFromZero, ToEven };

// Adds one in the last place of a digit string ("" counts as 0).
std::string incremented(std::string digits) {
  int i = static_cast<int>(digits.size()) - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i < 0) return "1" + digits;
  ++digits[i];
  return digits;
}

DecimalNumber rounded(DecimalNumber n, int places, Tie tie) {
  if (n.isZero() || n.exponent >= -places) return n;
  const int len = static_cast<int>(n.digits.size());
  const int drop = -places - n.exponent;
  std::string kept;
  bool up = false;
  if (drop <= len) {
    kept = n.digits.substr(0, len - drop);
    const char first = n.digits[len - drop];
    const bool restNonZero =
        n.digits.find_first_not_of('0', len - drop + 1) != std::string::npos;
    if (tie == Tie::AwayFromZero) {
      up = first >= '5';
    } else {
      const bool lastOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
      up = first > '5' || (first == '5' && (restNonZero || lastOdd));
    }
  }
  if (up) kept = incremented(kept);
  n.digits = kept;
  n.exponent = -places;
  normalise(n);
  return n;
}

// The double's 15-significant-digit decimal form, as the runtime shows doubles.
DecimalNumber decimalOf(double value) {
  if (!std::isfinite(value)) raiseError(err::Overflow, {});
  DecimalNumber n;
  if (value == 0) return n;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, 14);
  const std::string s(buf, res.ptr);  // d.ddddddddddddddde[+-]xx
  const auto e = s.find('e');
  n.digits = s.substr(0, 1) + s.substr(2, e - 2);
  n.exponent = std::stoi(s.substr(e + 1)) - 14;
  n.negative = value < 0;
  normalise(n);
  return n;
}

DecimalNumber decimalOf(const Currency& value) {
  DecimalNumber n;
  const std::int64_t u = value.units();
  if (u == 0) return n;
  // Through unsigned so that the smallest value has a magnitude too.
  const std::uint64_t mag = u < 0 ? 0 - static_cast<std::uint64_t>(u) : static_cast<std::uint64_t>(u);
  n.digits = std::to_string(mag);
  n.exponent = -4;
  n.negative = u < 0;
  normalise(n);
  return n;
}

double toDouble(const DecimalNumber& n) {
  if (n.isZero()) return 0.0;
  const std::string s = n.digits + "e" + std::to_string(n.exponent);
  double v = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    const bool huge = n.exponent + static_cast<int>(n.digits.size()) > 0;
    if (huge) raiseError(err::Overflow, {});
    v = 0;
  }
  return n.negative ? -v : v;
}

// Integer digits ("" for zero) and exactly `places` decimals of a number
// already rounded to `places`.
void splitDigits(const DecimalNumber& n, int places, std::string& whole, std::string& frac) {
  whole.clear();
  frac.clear();
  if (!n.isZero()) {
    const int len = static_cast<int>(n.digits.size());
    if (n.exponent >= 0) {
      whole = n.digits + std::string(n.exponent, '0');
    } else {
      const int fd = -n.exponent;
      if (fd >= len) {
        frac = std::string(fd - len, '0') + n.digits;
      } else {
        whole = n.digits.substr(0, len - fd);
        frac = n.digits.substr(len - fd);
      }
    }
  }
  frac.resize(places, '0');
}

// ---- patterns ----

QStringList splitSections(const QString& pattern) {
  QStringList out;
  QString cur;
  bool quoted = false;
  for (int i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '\\' && i + 1 < pattern.size()) {
      cur += c;
      cur += pattern[++i];
      continue;
    }
    if (!quoted && c == ';') {
      out << cur;
      cur.clear();
      continue;
    }
    cur += c;
  }
  out << cur;
  return out;
}

struct Token {
  enum Kind { Zero, Hash, Point, Comma, Percent, At, Amp, Bang, Lower, Upper, Literal } kind;
  QString text;
  bool placeholder() const { return kind == Zero || kind == Hash; }
};

std::vector<Token> tokenize(const QString& section) {
  std::vector<Token> out;
  for (int i = 0; i < section.size(); ++i) {
    const QChar c = section[i];
    if (c == '\\') {
      if (i + 1 < section.size()) out.push_back({Token::Literal, QString(section[++i])});
    } else if (c == '"') {
      const int end = section.indexOf('"', i + 1);
      const int stop = end < 0 ? section.size() : end;
      out.push_back({Token::Literal, section.mid(i + 1, stop - i - 1)});
      i = stop;
    } else {
      Token::Kind k = Token::Literal;
      switch (c.unicode()) {
        case '0': k = Token::Zero; break;
        case '#': k = Token::Hash; break;
        case '.': k = Token::Point; break;
        case ',': k = Token::Comma; break;
        case '%': k = Token::Percent; break;
        case '@': k = Token::At; break;
        case '&': k = Token::Amp; break;
        case '!': k = Token::Bang; break;
        case '<': k = Token::Lower; break;
        case '>': k = Token::Upper; break;
        default: break;
      }
      out.push_back({k, QString(c)});
    }
  }
  return out;
}

bool isTextPattern(const QString& pattern) {
  for (const Token& t : tokenize(pattern))
    if (t.kind == Token::At || t.kind == Token::Amp) return true;
  return false;
}

// One number section applied to a magnitude; `shownZero` tells whether every
// digit shown is zero.
QString formatSection(const QString& section, DecimalNumber value, bool& shownZero) {
  const std::vector<Token> tokens = tokenize(section);
  const int count = static_cast<int>(tokens.size());
  int point = -1;
  for (int i = 0; i < count && point < 0; ++i)
    if (tokens[i].kind == Token::Point) point = i;
  const int intEnd = point >= 0 ? point : count;

  int first = -1, last = -1;
  for (int i = 0; i < intEnd; ++i) {
    if (!tokens[i].placeholder()) continue;
    if (first < 0) first = i;
    last = i;
  }
  bool grouping = false;
  int scaleCommas = 0, percents = 0, places = 0;
  for (int i = 0; i < count; ++i) {
    const Token& t = tokens[i];
    if (t.kind == Token::Percent) ++percents;
    if (t.kind == Token::Comma && first >= 0 && i > first && i < intEnd) {
      if (i < last) grouping = true;
      else ++scaleCommas;
    }
    if (point >= 0 && i > point && t.placeholder()) ++places;
  }
  if (!value.isZero()) value.exponent += 2 * percents - 3 * scaleCommas;
  value = rounded(value, places, Tie::AwayFromZero);
  std::string whole, frac;
  splitDigits(value, places, whole, frac);
  shownZero = value.isZero();

  // Integer places, right to left: each placeholder takes one digit, the
  // leftmost takes all that are left; "0" places force zeros.
  QString intText;
  if (first >= 0) {
    int firstZero = -1;
    for (int i = first; i <= last && firstZero < 0; ++i)
      if (tokens[i].kind == Token::Zero) firstZero = i;
    int forced = 0;
    if (firstZero >= 0)
      for (int i = firstZero; i <= last; ++i) forced += tokens[i].placeholder() ? 1 : 0;
    std::string s = whole;
    if (static_cast<int>(s.size()) < forced) s.insert(0, forced - s.size(), '0');
    std::vector<QString> pieces;  // reversed
    int k = static_cast<int>(s.size()), emitted = 0;
    auto emitDigit = [&](char d) {
      if (grouping && emitted > 0 && emitted % 3 == 0) pieces.push_back(QStringLiteral(","));
      pieces.push_back(QString(QChar(d)));
      ++emitted;
    };
    for (int i = last; i >= first; --i) {
      const Token& t = tokens[i];
      if (t.placeholder()) {
        if (i == first) {
          while (k > 0) emitDigit(s[--k]);
        } else if (k > 0) {
          emitDigit(s[--k]);
        }
      } else if (t.kind != Token::Comma) {
        pieces.push_back(t.text);
      }
    }
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) intText += *it;
  }

  const std::size_t lastNonZero = frac.find_last_not_of('0');
  QString out;
  int fracIndex = 0;
  for (int i = 0; i < count; ++i) {
    const Token& t = tokens[i];
    if (i == first) {
      out += intText;
      i = last;
    } else if (i == point) {
      if (first < 0) out += QString::fromStdString(whole);
      out += QLatin1Char('.');
    } else if (point >= 0 && i > point && t.placeholder()) {
      const bool show = t.kind == Token::Zero ||
                        (lastNonZero != std::string::npos && fracIndex <= static_cast<int>(lastNonZero));
      if (show) out += QLatin1Char(frac[fracIndex]);
      ++fracIndex;
    } else if (t.kind == Token::Comma && first >= 0 && i > last && i < intEnd) {
      // a scaling comma shows nothing
    } else {
      out += t.text;
    }
  }
  return out;
}

QString formatDecimal(const DecimalNumber& value, const QString& pattern) {
  const QStringList sections = splitSections(pattern);
  auto usable = [&](int i) { return i < sections.size() && !sections[i].isEmpty(); };
  DecimalNumber magnitude = value;
  magnitude.negative = false;
  bool shownZero = false;
  if (value.negative && usable(1)) return formatSection(sections[1], magnitude, shownZero);
  if (value.isZero() && usable(2)) return formatSection(sections[2], magnitude, shownZero);
  const QString text = formatSection(sections[0], magnitude, shownZero);
  return value.negative && !shownZero ? QLatin1Char('-') + text : text;
}

QString formatTextSection(QString text, const QString& section) {
  const std::vector<Token> tokens = tokenize(section);
  bool leftToRight = false;
  int slotCount = 0;
  for (const Token& t : tokens) {
    if (t.kind == Token::Bang) leftToRight = true;
    if (t.kind == Token::Lower) text = lCase(text);
    if (t.kind == Token::Upper) text = uCase(text);
    if (t.kind == Token::At || t.kind == Token::Amp) ++slotCount;
  }
  const int surplus = std::max(0, static_cast<int>(text.size()) - slotCount);
  // Each slot's character: from the left, or aligned to the right end.
  int next = leftToRight ? 0 : static_cast<int>(text.size()) - slotCount;
  QString out;
  int seen = 0;
  for (const Token& t : tokens) {
    if (t.kind == Token::At || t.kind == Token::Amp) {
      if (!leftToRight && seen == 0) out += text.left(surplus);
      if (next >= 0 && next < text.size()) out += text[next];
      else if (t.kind == Token::At) out += QLatin1Char(' ');
      ++next;
      if (++seen == slotCount && leftToRight) out += text.mid(slotCount);
    } else if (t.kind != Token::Bang && t.kind != Token::Lower && t.kind != Token::Upper) {
      out += t.text;
    }
  }
  return out;
}

QString formatTextPattern(const QString& text, const QString& pattern) {
  const QStringList sections = splitSections(pattern);
  if (text.isEmpty() && sections.size() > 1) return formatTextSection(text, sections[1]);
  return formatTextSection(text, sections[0]);
}

}  // namespace

std::optional<DecimalNumber> readNumber(const QString& text) {
  const int n = static_cast<int>(text.size());
  int i = 0;
  bool sign = false, negative = false, currency = false, paren = false, closed = false;
  auto skipBlanks = [&] {
    while (i < n && isBlank(text[i])) ++i;
  };
  // One sign and one "$" may stand before or after the digits (a sign not
  // together with parentheses).
  auto takeSignOrCurrency = [&](QChar c) {
    if ((c == '+' || c == '-') && !sign && !paren) {
      sign = true;
      negative = c == '-';
      return true;
    }
    if (c == '$' && !currency) return currency = true;
    return false;
  };
  for (;;) {
    skipBlanks();
    if (i >= n) break;
    const QChar c = text[i];
    if (takeSignOrCurrency(c)) {
    } else if (c == '(' && !paren && !sign) {
      paren = true;
    } else {
      break;
    }
    ++i;
  }
  DecimalNumber out;
  bool point = false, anyDigit = false;
  for (; i < n; ++i) {
    const QChar c = text[i];
    if (isAsciiDigit(c)) {
      out.digits += static_cast<char>(c.unicode());
      if (point) --out.exponent;
      anyDigit = true;
    } else if (c == ',' && !point) {
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return std::nullopt;
  if (i < n && QStringLiteral("eEdD").contains(text[i])) {
    int j = i + 1;
    bool expNegative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
    const int start = j;
    int e = 0;
    for (; j < n && isAsciiDigit(text[j]); ++j) e = std::min(e * 10 + (text[j].unicode() - '0'), 100000);
    if (j == start) return std::nullopt;
    out.exponent += expNegative ? -e : e;
    i = j;
  }
  for (;;) {
    skipBlanks();
    if (i >= n) break;
    const QChar c = text[i];
    if (takeSignOrCurrency(c)) {
    } else if (c == ')' && paren && !closed) {
      closed = true;
    } else {
      return std::nullopt;
    }
    ++i;
  }
  if (paren != closed) return std::nullopt;
  out.negative = negative || paren;
  normalise(out);
  return out;
}

DecimalNumber roundedToEven(const DecimalNumber& number, int places) {
  return rounded(number, places, Tie::ToEven);
}

bool isNumeric(const QString& text) { return readNumber(text).has_value(); }

double cDbl(const QString& text) {
  const auto n = readNumber(text);
  if (!n) raiseError(err::TypeMismatch, {});
  return toDouble(*n);
}

namespace {
int roundedInRange(double value, double low, double high) {
  const double r = std::nearbyint(value);  // default rounding: ties to even
  if (!std::isfinite(r) || r < low || r > high) raiseError(err::Overflow, {});
  return static_cast<int>(r);
}
}  // namespace

int cInt(double value) { return roundedInRange(value, -32768.0, 32767.0); }
int cLng(double value) { return roundedInRange(value, double(INT_MIN), double(INT_MAX)); }
double vbRound(double value) { return std::nearbyint(value); }

QString generalText(double value) {
  const DecimalNumber n = decimalOf(value);
  if (n.isZero()) return QStringLiteral("0");
  const std::string& d = n.digits;
  const int len = static_cast<int>(d.size());
  const int sci = n.exponent + len - 1;  // exponent of the first digit
  std::string s;
  if (sci < -4 || sci >= 15) {
    s = d.substr(0, 1);
    if (len > 1) s += "." + d.substr(1);
    const std::string e = std::to_string(std::abs(sci));
    s += std::string("E") + (sci < 0 ? "-" : "+") + (e.size() < 2 ? "0" : "") + e;
  } else if (n.exponent >= 0) {
    s = d + std::string(n.exponent, '0');
  } else {
    const int before = len + n.exponent;
    s = before > 0 ? d.substr(0, before) + "." + d.substr(before)
                   : "0." + std::string(-before, '0') + d;
  }
  return QString::fromStdString(n.negative ? "-" + s : s);
}

QString formatNumber(double value, const QString& pattern) {
  if (pattern.isEmpty()) return generalText(value);
  if (isTextPattern(pattern)) return formatTextPattern(generalText(value), pattern);
  return formatDecimal(decimalOf(value), pattern);
}

QString formatNumber(const Currency& value, const QString& pattern) {
  if (pattern.isEmpty()) return value.toString();
  if (isTextPattern(pattern)) return formatTextPattern(value.toString(), pattern);
  return formatDecimal(decimalOf(value), pattern);
}

QString formatText(const QString& text, const QString& pattern) {
  if (pattern.isEmpty()) return text;
  if (isTextPattern(pattern)) return formatTextPattern(text, pattern);
  const auto n = readNumber(text);
  return n ? formatDecimal(*n, pattern) : text;
}

}  // namespace qv
