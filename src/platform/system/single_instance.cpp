#include "platform/system/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "platform/system/settings_file.h"

namespace tw::platform {

namespace {
// A folder of this user's own that nobody else can write into or swap: not a link, and
// without any group or other permission.
bool isPrivateFolder(const QString& folder) {
  struct stat st {};
  return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &st) == 0 &&
         S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// Whether the other end of a local connection runs as this user.
bool isSameUser(const QLocalSocket& peer) {
  struct ucred cred {};
  socklen_t size = sizeof cred;
  return ::getsockopt(static_cast<int>(peer.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred,
                      &size) == 0 &&
         cred.uid == ::geteuid();
}

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

QString privateRuntimeFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (isPrivateFolder(runtime)) return runtime;
  // $XDG_CACHE_HOME, or ~/.cache.
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (cache.isEmpty()) return {};
  const QString own = cache + QStringLiteral("/tidewell");
  makePrivateFolder(own);
  return isPrivateFolder(own) ? own : QString();
}

SingleInstance::SingleInstance(const QString& settingsFile, const QString& folder) {
  if (folder.isEmpty()) return;
  const QByteArray hash =
      QCryptographicHash::hash(sameFileName(settingsFile).toUtf8(), QCryptographicHash::Sha1);
  base_ = folder + QStringLiteral("/tidewell-%1").arg(QString::fromLatin1(hash.toHex().left(16)));
}

bool SingleInstance::claim() {
  if (base_.isEmpty()) return true;
  const QString socket = base_ + QStringLiteral(".socket");
  lock_ = std::make_unique<QLockFile>(base_ + QStringLiteral(".lock"));
  // Held for as long as the program runs, however long: stale only once its process is gone.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    QLocalServer::removeServer(socket);  // left by a program that did not end cleanly
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* peer = server_.nextPendingConnection()) {
        const bool same = isSameUser(*peer);
        peer->deleteLater();
        if (same) emit anotherStarted();
      }
    });
    server_.listen(socket);  // if it fails this program still runs; later starts run too
    return true;
  }
  if (lock_->error() != QLockFile::LockFailedError) return true;

  // The running program listens right after it takes the lock; allow for a busy machine.
  for (const QDeadlineTimer deadline(800); !deadline.hasExpired(); QThread::msleep(50)) {
    QLocalSocket peer;
    peer.connectToServer(socket);
    if (!peer.waitForConnected(200)) continue;
    if (!isSameUser(peer)) return true;
    peer.write("front\n");
    peer.waitForBytesWritten(200);
    peer.disconnectFromServer();
    return false;
  }
  // Locked, yet nobody answers: not a program of ours. Better to run than not to start at all.
  return true;
}

}  // namespace tw::platform
