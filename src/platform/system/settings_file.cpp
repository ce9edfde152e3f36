#include "platform/system/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "files/path_walk.h"
#include "files/whole_file.h"

namespace tw::platform {

namespace {
constexpr qint64 kBlock = 64 * 1024;
// Nothing past this is read; no settings file is anywhere near it.
constexpr qint64 kMostRead = 256 * 1024 * 1024;

// Of a file too large to be read whole, the text of only the program's own keys.
std::string programKeys(int fd) {
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) return {};
  ProgramKeys keys;
  for (qint64 read = 0; read < kMostRead;) {
    const QByteArray block = file.read(kBlock);
    if (block.isEmpty()) break;
    keys.read(std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
    read += block.size();
  }
  return keys.text();
}

std::string systemError(int error) { return qt_error_string(error).toStdString(); }

// What a thing that is no plain file is, in words.
std::string kindOf(unsigned type) {
  switch (type) {
    case S_IFIFO: return "a named pipe";
    case S_IFDIR: return "a folder";
    case S_IFSOCK: return "a socket";
    case S_IFCHR:
    case S_IFBLK: return "a device";
    default: return "not a plain file";
  }
}
}  // namespace

LocalSettingsFile::LocalSettingsFile(QString path, QString judgedFrom)
    : path_(std::move(path)), judgedFrom_(std::move(judgedFrom)) {
  // The folder above the file's own: for the settings, the config home.
  if (judgedFrom_.isEmpty())
    judgedFrom_ = QFileInfo(QFileInfo(path_).absolutePath()).absolutePath();
}

SettingsFileText LocalSettingsFile::read() {
  SettingsFileText found;
  const QByteArray name = QFile::encodeName(path_);
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return found;  // a first run
    found.exists = true;
    found.keepAsItIs = "It could not be looked at: " + systemError(errno);
    return found;
  }
  found.exists = true;
  const files::Walked walked =
      files::walkPath(name.toStdString(), QFile::encodeName(judgedFrom_).toStdString());
  if (!walked.error.empty()) {
    found.keepAsItIs = "It could not be looked at: " + walked.error;
    return found;
  }
  // Neither read nor written: what someone else could have put there is not the user's.
  if (std::string why = files::whyNotTrusted(walked, true); !why.empty()) {
    found.keepAsItIs = why;
    return found;
  }
  const bool link = S_ISLNK(st.st_mode);
  if (!walked.exists) {
    found.keepAsItIs = "It is a link to a file that is not there";
    return found;
  }
  if (walked.type != S_IFREG) {
    found.keepAsItIs = link ? "It is a link to " + kindOf(walked.type) + ", not to a file"
                            : "It is " + kindOf(walked.type) + ", not a file";
    return found;
  }

  // Opened without waiting and without following a link put there since the look above.
  const int fd = ::open(walked.target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  struct stat opened {};
  if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    found.keepAsItIs = "It could not be read: " + systemError(fd < 0 ? errno : EINVAL);
    if (fd >= 0) ::close(fd);
    return found;
  }
  if (opened.st_size > kLargestSettingsFile) {
    found.text = programKeys(fd);
    found.keepAsItIs = "It is larger than any settings file of Tidewell's (" +
                       std::to_string(opened.st_size / (1024 * 1024)) + " MB)";
    ::close(fd);
    return found;
  }
  found.text.resize(static_cast<std::size_t>(opened.st_size));
  std::size_t got = 0;
  for (;;) {
    if (got == found.text.size()) found.text.resize(got + 4096);  // it grew meanwhile
    const ssize_t n = ::read(fd, found.text.data() + got, found.text.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      found.keepAsItIs = "It could not be read whole: " + systemError(errno);
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
    if (got > static_cast<std::size_t>(kLargestSettingsFile)) {
      found.keepAsItIs = "It is larger than any settings file of Tidewell's";
      break;
    }
  }
  found.text.resize(got);
  ::close(fd);
  return found;
}

std::string LocalSettingsFile::replace(const std::string& text) {
  const auto failed = files::writeWholeFiles({{QFile::encodeName(path_).toStdString(), text}},
                                             {QFile::encodeName(judgedFrom_).toStdString(), true});
  return failed ? failed->sentence() : std::string();
}

QString makePrivateFolder(const QString& folder) {
  return QString::fromStdString(files::makePrivateFolders(QFile::encodeName(folder).toStdString()));
}

}  // namespace tw::platform
