#pragma once
// Whole-file text I/O in the Windows ANSI code page (Windows-1252), as every
// file the program reads and writes is stored. Paths are program paths
// ("C:\...") or host paths, as for qv::paths::toHost.
#include <QByteArray>
#include <QString>

namespace qv {

QString decodeWin1252(const QByteArray& bytes);
// Characters with no Windows-1252 byte become "?".
QByteArray encodeWin1252(const QString& text);
// The text as a Windows-1252 file holds it: "?" for what has no byte there.
QString asWin1252(const QString& text);

// Reads the whole file; false when it cannot be opened.
bool readTextFile(const QString& path, QString& text);
// Reads the file's first line, up to its first CR or LF, and no more than
// `longest` characters of it: nothing after them is read, however large the
// file. `longer` says the line goes on past them. False when the file cannot
// be opened or read.
bool readFirstLine(const QString& path, qsizetype longest, QString& line, bool& longer);
// Replaces the file atomically (write beside, then rename), so a failed write
// never destroys the file it replaces. False on any failure.
bool writeTextFile(const QString& path, const QString& text);

}  // namespace qv
