#pragma once
// One running copy per edition and user. The first copy holds a lock file; a
// second copy finds the lock taken and asks the first, through a request file
// the first one watches, to bring its window to the front. Both files sit in
// a folder only the user can enter, so that nobody else can block the program
// or turn its writes against a file of the user.
#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QFileSystemWatcher;

namespace qv {

// The user's own folder for the lock and request files: `runtimeDir` (the
// session's XDG_RUNTIME_DIR) when it is a real folder of this user that
// nobody else may enter, else `fallback`, made with mode 0700 when missing.
// A fallback that is a link, is not a folder, belongs to someone else or is
// open to others is not used: the answer is then empty.
QString privateRuntimeFolder(const QString& runtimeDir, const QString& fallback);
// The folder for this process: XDG_RUNTIME_DIR, else a folder of this host
// under the user's cache folder.
QString userRuntimeFolder();

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` names the edition and user ("Quorvane_Velmora-ALICE").
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this is the only copy; the lock is then held until destruction.
  // Also true, without a lock, when the user has no private folder for it:
  // a copy that cannot check is better than a program that never starts.
  bool acquire();
  // From a second copy: ask the running one to come to the front.
  void requestRaise();

 signals:
  void raiseRequested();

 private:
  QString lockPath_, raisePath_;  // empty without a private folder
  std::unique_ptr<QLockFile> lock_;
  QFileSystemWatcher* watcher_ = nullptr;
};

}  // namespace qv
