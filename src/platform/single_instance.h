#pragma once
// One running program per settings file, so there is only ever one writer: a second start
// asks the running one to come to the front, and ends.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

#include "platform/settings_file.h"

namespace tw::platform {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // The lock and the socket live in `folder`.
  explicit SingleInstance(const QString& settingsFile, const QString& folder = runtimeFolder());

  // True when no other program runs on the settings file (or none that answers: better to run
  // than not to start at all); otherwise the running one has been asked to come to the front.
  bool claim();

 signals:
  void anotherStarted();  // a later start on the same file wants this one in front

 private:
  QString base_;  // of the lock file and the socket, named after the settings file
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace tw::platform
