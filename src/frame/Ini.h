#pragma once
// Settings-file access; nothing is cached between calls.
#include <QList>
#include <QString>
#include <utility>

namespace qv {

// The stored value, `def` when the key, section or file is missing; at most
// 1023 characters. Never creates the file.
QString ReadINF(const QString& section, const QString& key, const QString& def, const QString& file);

// Writes the key, creating every missing folder of the path and the file on
// the way. A failing step is retried (six retries at most, counted across
// calls until a write succeeds) and then reported as error 900. Most callers
// go on either way; the result says whether the value is in the file.
bool SaveINF(const QString& section, const QString& key, const QString& value, const QString& file);
// Writes several keys of one section as SaveINF writes one, in one replace of
// the file: a record of several keys is never left half old, half new.
bool SaveINFKeys(const QString& section, const QList<std::pair<QString, QString>>& keys, const QString& file);

// A folder kept in a settings file. The file is Windows-1252: a folder whose
// name it can hold is kept under `key` alone, as always; any other name is
// kept under `key` as the file can hold it (what older versions read) and
// whole, as UTF-8 in base 64, under `key` & "Unicode", which counts only
// while `key` still holds what was written with it.
QString ReadFolderINF(const QString& section, const QString& key, const QString& file);
bool SaveFolderINF(const QString& section, const QString& key, const QString& folder, const QString& file);

// One command of the user (a button, a menu item, start-up, closing): a
// settings write that fails is reported once within it; later failures of
// the same command fail without a report of their own. Commands may nest.
class SettingsCommand {
 public:
  SettingsCommand();
  ~SettingsCommand();
  SettingsCommand(const SettingsCommand&) = delete;
  SettingsCommand& operator=(const SettingsCommand&) = delete;
};

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
