#pragma once
// Profile (INI) files with the semantics of the Windows profile functions the
// program was written against. Paths may be drive-letter paths ("C:\...") or
// host paths; files are Windows-1252 text.
#include <QList>
#include <QString>
#include <utility>

namespace qv {

// Copies the value of `key` in `section` of `file` into `buffer`, cut to
// `bufferSize - 1` characters; `def` (cut the same way) when the file, the
// section or the key is missing. Returns the number of characters copied.
int GetPrivateProfileStringA(const QString& section, const QString& key, const QString& def,
                             QString& buffer, int bufferSize, const QString& file);

// Copies the section's "key=value" lines (a line without "=" as it stands;
// blank lines and comments left out), each followed by a NUL, and a final
// NUL, into `buffer`, cut to fit `bufferSize` characters as the Windows call
// does (the result always ends in two NULs when it was cut). Returns the
// number of characters copied, not counting the final NUL.
int GetPrivateProfileSectionA(const QString& section, QString& buffer, int bufferSize,
                              const QString& file);

// Writes `key`=`value` into `section`, creating the file and the section when
// missing. Returns false when the file cannot be written, or cannot hold the
// name or the value as given (a line break or a NUL in any of them; a key with
// "=" or beginning with "[" or ";"); the old file is then left as it was.
bool WritePrivateProfileStringA(const QString& section, const QString& key, const QString& value,
                                const QString& file);
// Writes several keys of one section, in order, in one replace of the file:
// afterwards the file holds all of them or, when it cannot be written or
// cannot hold one of them, none.
bool WritePrivateProfileStrings(const QString& section, const QList<std::pair<QString, QString>>& keys,
                                const QString& file);

}  // namespace qv
