#include "platform/Profile.h"

#include <QFileInfo>
#include <QList>

#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace qv {
namespace {

// One line of a profile file as the Windows profile functions see it.
struct Line {
  enum Kind { Other, Section, Key };
  Kind kind = Other;
  QStringView name;   // section or key name, trimmed
  QStringView value;  // key value, trimmed
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Only blanks and tabs: a no-break space (byte A0) is part of a value.
QStringView trim(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && isBlank(s.at(b))) ++b;
  while (e > b && isBlank(s.at(e - 1))) --e;
  return s.mid(b, e - b);
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A section or key name as the file can hold it: what has no Windows-1252
// byte is "?" there, so it is looked up and written that way too.
QString storedName(const QString& name) { return asWin1252(trim(name).toString()); }

// A line's text: the Windows profile functions read lines as C strings, so
// whatever follows a NUL on its line is not there for them.
QStringView lineText(QStringView raw) {
  const qsizetype nul = raw.indexOf(QChar(0));
  return trim(nul < 0 ? raw : raw.first(nul));
}

Line parse(QStringView raw) {
  const QStringView s = lineText(raw);
  Line line;
  if (s.startsWith(u';')) return line;
  if (s.startsWith(u'[')) {
    // Without its closing bracket the line is no section header. The last
    // bracket closes it, so that a name may hold one.
    const qsizetype close = s.lastIndexOf(u']');
    if (close > 0) {
      line.kind = Line::Section;
      line.name = trim(s.mid(1, close - 1));
      return line;
    }
  }
  const qsizetype eq = s.indexOf(u'=');
  if (eq < 0) return line;
  line.kind = Line::Key;
  line.name = trim(s.first(eq));
  line.value = trim(s.sliced(eq + 1));
  return line;
}

// Lines end in CR LF, LF or a lone CR; a missing last line end is fine.
QList<QStringView> splitLines(QStringView text) {
  QList<QStringView> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.sliced(start));
  return lines;
}

// Where a section and a key sit in a file's lines; -1 when absent. The first
// of duplicate sections and the first of duplicate keys are the ones used.
struct Place {
  qsizetype section = -1;  // header line of the section
  qsizetype key = -1;      // line of the key
  qsizetype lastKey = -1;  // last key line of the section
  qsizetype end = -1;      // first line after the section
};

Place locate(const QList<QStringView>& lines, QStringView section, QStringView key,
             bool stopAtKey) {
  Place place;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const Line line = parse(lines.at(i));
    if (line.kind == Line::Section) {
      if (place.section >= 0) {
        place.end = i;
        return place;
      }
      if (sameName(line.name, section)) place.section = i;
    } else if (line.kind == Line::Key && place.section >= 0) {
      place.lastKey = i;
      if (place.key < 0 && sameName(line.name, key)) {
        place.key = i;
        if (stopAtKey) return place;
      }
    }
  }
  place.end = lines.size();
  return place;
}

// A value in matching single or double quotes is given without them.
QStringView unquote(QStringView value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front())
    return value.mid(1, value.size() - 2);
  return value;
}

int copyCut(QStringView value, QString& buffer, int bufferSize) {
  const qsizetype room = qMax(0, bufferSize - 1);
  buffer = value.first(qMin(value.size(), room)).toString();
  return int(buffer.size());
}

// A line break or a NUL would end the line early.
bool fitsOnALine(QStringView s) { return !s.contains(u'\r') && !s.contains(u'\n') && !s.contains(QChar(0)); }

// A key name a "key=value" line can hold: one that no "=" cuts short and
// that does not turn the line into a section header or a comment.
bool isKeyName(QStringView name) {
  return fitsOnALine(name) && !name.contains(u'=') && !name.startsWith(u'[') && !name.startsWith(u';');
}

QStringView trimTrailingSpaces(QStringView s) {
  while (s.endsWith(u' ')) s.chop(1);
  return s;
}

}  // namespace

int GetPrivateProfileStringA(const QString& section, const QString& key, const QString& def,
                             QString& buffer, int bufferSize, const QString& file) {
  QString text;
  if (readTextFile(file, text)) {
    const QList<QStringView> lines = splitLines(text);
    const Place place = locate(lines, storedName(section), storedName(key), true);
    if (place.key >= 0) return copyCut(unquote(parse(lines.at(place.key)).value), buffer, bufferSize);
  }
  // Windows drops trailing spaces of the default.
  return copyCut(trimTrailingSpaces(def), buffer, bufferSize);
}

int GetPrivateProfileSectionA(const QString& section, QString& buffer, int bufferSize,
                              const QString& file) {
  buffer.clear();
  if (bufferSize <= 0) return 0;
  QString text, all;
  if (readTextFile(file, text)) {
    const QList<QStringView> lines = splitLines(text);
    const Place place = locate(lines, storedName(section), {}, false);
    for (qsizetype i = place.section + 1; place.section >= 0 && i < place.end; ++i) {
      const Line line = parse(lines.at(i));
      if (line.kind == Line::Key) {
        all += line.name;
        all += u'=';
        all += line.value;
        all += QChar(0);
        continue;
      }
      // A line without "=" is given as it stands, as Windows does; blank
      // lines and comments are left out.
      const QStringView text = lineText(lines.at(i));
      if (text.isEmpty() || text.startsWith(u';')) continue;
      all += text;
      all += QChar(0);
    }
  }
  if (all.size() + 1 <= bufferSize) {
    buffer = all + QChar(0);
    return int(all.size());
  }
  // Too long: what fits, then two NULs, filling the buffer exactly.
  const int kept = qMax(0, bufferSize - 2);
  buffer = all.first(kept) + QString(bufferSize - kept, QChar(0));
  return kept;
}

namespace {

// Sets key=value in section of the file's lines, as the Windows call does:
// in place when the key is there, else after the section's last key, else in
// a new section at the end. False when the key's line reads so already.
bool setKey(QStringList& lines, const QString& sectionName, const QString& keyName, const QString& value) {
  QList<QStringView> views;
  views.reserve(lines.size());
  for (const QString& line : lines) views.append(line);
  const Place place = locate(views, sectionName, keyName, true);
  if (place.key >= 0) {
    // In place, keeping the key as the file spells it.
    const QString line = parse(views.at(place.key)).name.toString() + u'=' + value;
    if (views.at(place.key) == line) return false;
    lines[place.key] = line;
  } else if (place.section >= 0) {
    const qsizetype at = (place.lastKey >= 0 ? place.lastKey : place.section) + 1;
    lines.insert(at, keyName + u'=' + value);
  } else {
    if (!lines.isEmpty() && !trim(lines.last()).isEmpty()) lines.append(QString());
    lines.append(u'[' + sectionName + u']');
    lines.append(keyName + u'=' + value);
  }
  return true;
}

}  // namespace

bool WritePrivateProfileStringA(const QString& section, const QString& key, const QString& value,
                                const QString& file) {
  return WritePrivateProfileStrings(section, {{key, value}}, file);
}

bool WritePrivateProfileStrings(const QString& section, const QList<std::pair<QString, QString>>& keys,
                                const QString& file) {
  const QString sectionName = storedName(section);
  // What would not read back as written is not written at all.
  if (!fitsOnALine(sectionName)) return false;
  for (const auto& [key, value] : keys)
    if (!isKeyName(storedName(key)) || !fitsOnALine(value)) return false;

  const QString host = paths::toHost(file);
  const QFileInfo info(host);
  QString text;
  // An existing file that cannot be read must not be replaced by a new one.
  if (info.exists() && !readTextFile(host, text)) return false;

  QStringList lines;
  for (QStringView v : splitLines(text)) lines.append(v.toString());
  bool changed = false;
  for (const auto& [key, value] : keys) changed = setKey(lines, sectionName, storedName(key), value) || changed;
  // Lines that read so already are left alone: every value reads the same
  // without the write, and a screen that writes back what it read opens
  // without a disk flush.
  if (!changed) return true;
  return writeTextFile(host, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

}  // namespace qv
