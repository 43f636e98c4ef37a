#pragma once
// Readable failure output for Qt strings, NULs and control characters shown.
#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"';
  for (QChar c : s) {
    if (c.unicode() == 0)
      *os << "\\0";
    else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
      *os << "\\u" << std::hex << int(c.unicode()) << std::dec;
    else
      *os << QString(c).toStdString();
  }
  *os << '"';
}

inline void PrintTo(const QByteArray& b, std::ostream* os) {
  PrintTo(QString::fromLatin1(b), os);
}
