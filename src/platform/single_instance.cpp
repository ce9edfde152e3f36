#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace tw::platform {

namespace {
// The same text for the same file however it is reached, whether or not its folder exists yet:
// the deepest folder that exists, with its links resolved, and the rest as written.
QString sameFileName(const QString& path) {
  QString rest;
  QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  while (!QFileInfo::exists(existing)) {
    const QString up = QFileInfo(existing).path();
    if (up == existing) break;
    rest = QFileInfo(existing).fileName() + (rest.isEmpty() ? QString() : u'/' + rest);
    existing = up;
  }
  const QString canonical = QFileInfo(existing).canonicalFilePath();
  return (canonical.isEmpty() ? existing : canonical) + (rest.isEmpty() ? QString() : u'/' + rest);
}
}  // namespace

SingleInstance::SingleInstance(const QString& settingsFile, const QString& folder) {
  const QByteArray hash = QCryptographicHash::hash(sameFileName(settingsFile).toUtf8(),
                                                   QCryptographicHash::Sha1);
  // The user's number too: the temporary folder is shared by every user.
  base_ = folder + QStringLiteral("/tidewell-%1-%2").arg(::getuid()).arg(
                       QString::fromLatin1(hash.toHex().left(16)));
}

bool SingleInstance::claim() {
  const QString socket = base_ + QStringLiteral(".socket");
  lock_ = std::make_unique<QLockFile>(base_ + QStringLiteral(".lock"));
  lock_->setStaleLockTime(0);  // held for as long as the program runs; stale only once it ended
  if (lock_->tryLock(0)) {
    QLocalServer::removeServer(socket);  // left by a program that did not end cleanly
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* peer = server_.nextPendingConnection()) {
        peer->deleteLater();
        emit anotherStarted();
      }
    });
    server_.listen(socket);  // if it fails this program still runs; later starts just end
    return true;
  }
  if (lock_->error() != QLockFile::LockFailedError) return true;

  // The running program listens right after it takes the lock; allow for a busy machine.
  for (const QDeadlineTimer deadline(800); !deadline.hasExpired(); QThread::msleep(50)) {
    QLocalSocket peer;
    peer.connectToServer(socket);
    if (peer.waitForConnected(200)) {
      peer.write("front\n");
      peer.waitForBytesWritten(200);
      peer.disconnectFromServer();
      return false;
    }
  }
  // Locked, yet nobody answers: not a program of ours. Better to run than not to start at all.
  return true;
}

}  // namespace tw::platform
