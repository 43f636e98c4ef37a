#pragma once
// One running copy per edition and user. The first copy holds a lock file; a
// second copy finds the lock taken and asks the first, through a request file
// the first one watches, to bring its window to the front.
#include <QObject>
#include <QString>
#include <memory>

class QLockFile;
class QFileSystemWatcher;

namespace qv {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // `key` names the edition and user ("Quorvane_Velmora-ALICE").
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this is the only copy; the lock is then held until destruction.
  bool acquire();
  // From a second copy: ask the running one to come to the front.
  void requestRaise();

 signals:
  void raiseRequested();

 private:
  QString lockPath_, raisePath_;
  std::unique_ptr<QLockFile> lock_;
  QFileSystemWatcher* watcher_ = nullptr;
};

}  // namespace qv
