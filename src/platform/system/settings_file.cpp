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
#include "platform/system/ui_text.h"

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

// Why a thing that is no plain file is left alone, reached through a link or not.
std::string notAFile(unsigned type, bool link) {
  switch (type) {
    case S_IFIFO:
      // TRANSLATORS: why the settings file is left alone: what is there instead of a file.
      return link ? _("It is a link to a named pipe, not to a file")
                  : _("It is a named pipe, not a file");
    case S_IFDIR:
      return link ? _("It is a link to a folder, not to a file") : _("It is a folder, not a file");
    case S_IFSOCK:
      return link ? _("It is a link to a socket, not to a file") : _("It is a socket, not a file");
    case S_IFCHR:
    case S_IFBLK:
      return link ? _("It is a link to a device, not to a file") : _("It is a device, not a file");
    default:
      return link ? _("It is a link to not a plain file, not to a file")
                  : _("It is not a plain file, not a file");
  }
}
// TRANSLATORS: {1} is the system's reason ("Permission denied").
const char* couldNotLook() { return _("It could not be looked at: {1}"); }
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
    found.keepAsItIs = fillIn(couldNotLook(), systemError(errno));
    return found;
  }
  found.exists = true;
  const files::Walked walked =
      files::walkPath(name.toStdString(), QFile::encodeName(judgedFrom_).toStdString());
  if (!walked.error.empty()) {
    found.keepAsItIs = fillIn(couldNotLook(), walked.error);
    return found;
  }
  // Neither read nor written: what someone else could have put there is not the user's.
  if (std::string why = files::whyNotTrusted(walked, true); !why.empty()) {
    found.keepAsItIs = why;
    return found;
  }
  const bool link = S_ISLNK(st.st_mode);
  if (!walked.exists) {
    found.keepAsItIs = _("It is a link to a file that is not there");
    return found;
  }
  if (walked.type != S_IFREG) {
    found.keepAsItIs = notAFile(walked.type, link);
    return found;
  }

  // Opened without waiting and without following a link put there since the look above.
  const int fd = ::open(walked.target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  struct stat opened {};
  if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    // TRANSLATORS: {1} is the system's reason ("Permission denied").
    found.keepAsItIs = fillIn(_("It could not be read: {1}"), systemError(fd < 0 ? errno : EINVAL));
    if (fd >= 0) ::close(fd);
    return found;
  }
  if (opened.st_size > kLargestSettingsFile) {
    found.text = programKeys(fd);
    // TRANSLATORS: {1} is the file's size in megabytes.
    found.keepAsItIs = fillIn(_("It is larger than any settings file of Tidewell's ({1} MB)"),
                              std::to_string(opened.st_size / (1024 * 1024)));
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
      // TRANSLATORS: {1} is the system's reason ("Input/output error").
      found.keepAsItIs = fillIn(_("It could not be read whole: {1}"), systemError(errno));
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
    if (got > static_cast<std::size_t>(kLargestSettingsFile)) {
      found.keepAsItIs = _("It is larger than any settings file of Tidewell's");
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
