#pragma once
// One running program per settings file, so that a second start raises the first: a lock and a
// local socket in a folder only this user can write. A second start asks the running one to
// come to the front, and ends.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace tw::platform {

// $XDG_RUNTIME_DIR when it is this user's own and closed to others, else a folder of the
// program's own under the user's cache folder, checked alike; empty when neither will do.
QString privateRuntimeFolder();

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // The lock and the socket live in `folder`.
  explicit SingleInstance(const QString& settingsFile,
                          const QString& folder = privateRuntimeFolder());
  ~SingleInstance() override;

  // True when no other program of this user runs on the settings file, or none that answers,
  // or no lock can be had at all: better to run than not to start, and the settings are saved
  // by merging, so two copies keep each other's changes. Otherwise the running one has been
  // asked to come to the front.
  bool claim();

 signals:
  void
  anotherStarted();  // a later start on the same file, by the same user, wants this one in front

 private:
  void listen(const QByteArray& socket);
  void acceptAll();

  QString base_;  // of the lock file and the socket, named after the settings file; empty: none
  std::unique_ptr<QLockFile> lock_;
  // A plain local socket, not Qt's: its network library would load Kerberos and proxy support
  // at every start for this alone.
  int listener_ = -1;
  QByteArray listening_;  // the socket's file, removed again at the end
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tw::platform
