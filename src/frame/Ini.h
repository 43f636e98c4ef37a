#pragma once
// Settings-file access, one key at a time; nothing is cached between calls.
#include <QString>

namespace qv {

// The stored value, `def` when the key, section or file is missing; at most
// 1023 characters. Never creates the file.
QString ReadINF(const QString& section, const QString& key, const QString& def, const QString& file);

// Writes the key, creating every missing folder of the path and the file on
// the way. A failing step is retried (six retries at most, counted across
// calls until a write succeeds) and then reported as error 900. Most callers
// go on either way; the result says whether the value is in the file.
bool SaveINF(const QString& section, const QString& key, const QString& value, const QString& file);

// A settings file or folder the user has been told cannot be used (start-up
// says so once): writes to it fail without a report of their own.
void markSettingsUnusable(const QString& path);
void clearUnusableSettings();
// Whether writes to the file are known not to be possible this run.
bool settingsUnusable(const QString& file);

// Retries used by the current failing write (tests).
int saveIniRetryCount();
void resetSaveIniRetryCount();

}  // namespace qv
