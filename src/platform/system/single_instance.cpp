#include "platform/system/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <cstring>
#include <optional>

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
bool isSameUser(int peer) {
  struct ucred cred {};
  socklen_t size = sizeof cred;
  return ::getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &cred, &size) == 0 && cred.uid == ::geteuid();
}

// The socket's address; none when the path is too long for one.
std::optional<sockaddr_un> socketAddress(const QByteArray& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
    return std::nullopt;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return address;
}

// A connection to the socket at `path`, or -1 when nobody listens there. A full queue of
// waiting connections means a busy program, not a gone one: waits up to `waitMs` for room.
int connectTo(const QByteArray& path, int waitMs) {
  const auto address = socketAddress(path);
  if (!address) return -1;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  const timeval wait{waitMs / 1000, (waitMs % 1000) * 1000};
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) return fd;
  ::close(fd);
  return -1;
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

SingleInstance::~SingleInstance() {
  notifier_.reset();
  if (listener_ >= 0) {
    ::close(listener_);
    ::unlink(listening_.constData());
  }
  lock_.reset();  // the socket goes first, so a later start never finds it without the lock
}

bool SingleInstance::claim() {
  if (base_.isEmpty()) return true;
  const QByteArray socket = QFile::encodeName(base_ + QStringLiteral(".socket"));
  lock_ = std::make_unique<QLockFile>(base_ + QStringLiteral(".lock"));
  // Held for as long as the program runs, however long: stale only once its process is gone.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) {
    listen(socket);  // if it fails this program still runs; later starts run too
    return true;
  }
  if (lock_->error() != QLockFile::LockFailedError) return true;

  // The running program listens right after it takes the lock; allow for a busy machine.
  for (const QDeadlineTimer deadline(800); !deadline.hasExpired(); QThread::msleep(50)) {
    const int peer = connectTo(socket, 200);
    if (peer < 0) continue;
    const bool same = isSameUser(peer);
    // Whether or not the running one has read it before it hangs up: no signal if it has not.
    if (same) ::send(peer, "front\n", 6, MSG_NOSIGNAL);
    ::close(peer);
    return !same;
  }
  // Locked, yet nobody answers: not a program of ours. Better to run than not to start at all.
  return true;
}

void SingleInstance::listen(const QByteArray& socket) {
  const auto address = socketAddress(socket);
  if (!address) return;
  ::unlink(socket.constData());  // left by a program that did not end cleanly
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
    ::close(fd);
    return;
  }
  // Only this user may connect, though the folder already keeps everybody else out.
  if (::chmod(socket.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 16) != 0) {
    ::close(fd);
    ::unlink(socket.constData());
    return;
  }
  listener_ = fd;
  listening_ = socket;
  notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptAll);
}

void SingleInstance::acceptAll() {
  for (int peer; (peer = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
    const bool same = isSameUser(peer);
    ::close(peer);
    if (same) emit anotherStarted();
  }
}

}  // namespace tw::platform
