#include "platform/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <map>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/settings_schema.h"
#include "app/text_forms.h"

namespace tw::platform {

namespace {
constexpr qint64 kBlock = 64 * 1024;
// A name of kLongestName characters of four bytes each, and room for quotes and escapes.
constexpr qsizetype kLongestValue = 4 * static_cast<qsizetype>(kLongestName) + 64;
// Of a line only so much is kept: no key of ours is longer than this.
constexpr qsizetype kLongestLine = kLongestValue + 256;
// Nothing past this is read; no settings file is anywhere near it.
constexpr qint64 kMostRead = 256 * 1024 * 1024;


// The first kLongestValue bytes or fewer, never ending inside an escape or a character, and
// with an open quote closed.
QByteArray cutValue(QByteArrayView value) {
  if (value.size() <= kLongestValue) return value.toByteArray();
  qsizetype end = 0;
  bool quoted = false, quotedAtEnd = false;
  for (qsizetype i = 0; i <= kLongestValue;) {
    if ((static_cast<uchar>(value[i]) & 0xC0) != 0x80) end = i, quotedAtEnd = quoted;
    if (value[i] == '\\') {
      i += 2;
    } else {
      quoted ^= value[i] == '"';
      ++i;
    }
  }
  QByteArray cut = value.first(end).toByteArray();
  if (quotedAtEnd) cut += '"';
  return cut;
}

// Keeps the program's own keys of one section, line by line.
class KeyFilter {
 public:
  explicit KeyFilter(const QString& section) : section_(section.toUtf8()) {}

  void line(QByteArrayView raw) {
    const QByteArrayView line = raw.trimmed();
    if (line.startsWith('[')) {
      const qsizetype close = line.indexOf(']');
      inSection_ = close > 0 &&
                   QByteArray::fromPercentEncoding(line.sliced(1, close - 1).trimmed().toByteArray()) == section_;
      return;
    }
    const qsizetype eq = line.indexOf('=');
    if (!inSection_ || eq <= 0) return;
    const QByteArray key = line.first(eq).trimmed().toByteArray();
    if (isSettingKey(QByteArray::fromPercentEncoding(key).toStdString()))
      kept_[key] = key + '=' + cutValue(line.sliced(eq + 1));
  }

  QByteArray text() const {
    QByteArray out = '[' + section_ + "]\n";
    for (const auto& [key, line] : kept_) out += line + '\n';
    return out;
  }

 private:
  QByteArray section_;
  bool inSection_ = false;
  std::map<QByteArray, QByteArray> kept_;
};
}  // namespace

namespace {
std::string systemError(int error) { return qt_error_string(error).toStdString(); }

// What a thing that is no plain file is, in words.
std::string kindOf(mode_t mode) {
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "not a plain file";
}
}  // namespace

SettingsFileText LocalSettingsFile::read() {
  SettingsFileText found;
  const QByteArray name = QFile::encodeName(path_);
  target_ = path_;
  struct stat st {};
  if (::lstat(name.constData(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return found;  // a first run
    found.exists = true;
    found.keepAsItIs = "It could not be looked at: " + systemError(errno);
    return found;
  }
  found.exists = true;
  QByteArray target = name;
  if (S_ISLNK(st.st_mode)) {
    char* real = ::realpath(name.constData(), nullptr);
    const bool there = real && ::stat(real, &st) == 0;
    if (real) target = real;
    std::free(real);
    if (!there) {
      found.keepAsItIs = "It is a link to a file that is not there";
      return found;
    }
    if (!S_ISREG(st.st_mode)) {
      found.keepAsItIs = "It is a link to " + kindOf(st.st_mode) + ", not to a file";
      return found;
    }
    if (st.st_uid != ::geteuid()) {
      found.keepAsItIs = "It is a link to a file of another user";
      return found;
    }
    target_ = QFile::decodeName(target);
  } else if (!S_ISREG(st.st_mode)) {
    found.keepAsItIs = "It is " + kindOf(st.st_mode) + ", not a file";
    return found;
  } else if (st.st_uid != ::geteuid()) {
    found.keepAsItIs = "It belongs to another user";  // read, but never given a new owner
  }

  // Opened without waiting and without following a link put there since the look above.
  const int fd = ::open(target.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  struct stat opened {};
  if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    found.keepAsItIs = "It could not be read: " + systemError(fd < 0 ? errno : EINVAL);
    if (fd >= 0) ::close(fd);
    return found;
  }
  if (opened.st_size > kLargestSettingsFile) {
    found.text = programKeys(fd, QStringLiteral("Tidewell")).toStdString();
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
  return replaceFile(target_.isEmpty() ? path_ : target_, QByteArray::fromStdString(text)).toStdString();
}

QByteArray programKeys(int fd, const QString& section) {
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) return {};
  KeyFilter filter(section);
  QByteArray block = file.read(kBlock);
  if (block.startsWith("\xEF\xBB\xBF")) block.remove(0, 3);
  QByteArray line;  // at most kLongestLine bytes of the line being read
  for (qint64 read = block.size(); !block.isEmpty();) {
    for (QByteArrayView rest = block; !rest.isEmpty();) {
      const qsizetype end = rest.indexOf('\n');
      const QByteArrayView piece = end < 0 ? rest : rest.first(end);
      line += piece.first(std::min(piece.size(), std::max<qsizetype>(0, kLongestLine - line.size())));
      if (end < 0) break;
      filter.line(line);
      line.clear();
      rest = rest.sliced(end + 1);
    }
    if (read >= kMostRead) break;
    block = file.read(kBlock);
    read += block.size();
  }
  filter.line(line);
  return filter.text();
}

QString makePrivateFolder(const QString& folder) {
  QStringList missing;
  for (QString path = QDir::cleanPath(QDir(folder).absolutePath()); !QFileInfo::exists(path);) {
    missing.prepend(path);
    const QString up = QFileInfo(path).path();
    if (up == path) break;
    path = up;
  }
  for (const QString& path : missing) {
    const QByteArray name = QFile::encodeName(path);
    // The umask can take bits away, never add them; chmod puts back any it took.
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return qt_error_string(errno);
    ::chmod(name.constData(), 0700);
  }
  return {};
}

QString replaceFile(const QString& path, const QByteArray& bytes) {
  if (QString error = makePrivateFolder(QFileInfo(path).absolutePath()); !error.isEmpty())
    return error;
  const QFileInfo old(path);
  if (old.exists() && !old.isWritable()) {
    // Said as the system says it, rather than with the file's name again.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return file.errorString();
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  // Never wider than before: group and others lose any write they had.
  struct stat st {};
  const bool existed = ::stat(QFile::encodeName(path).constData(), &st) == 0;
  if (::fchmod(file.handle(), existed ? st.st_mode & 0755 : 0600) != 0) return qt_error_string(errno);
  // commit() misses a write that fails as the buffer is flushed on closing, and would put an
  // empty file in the old one's place: flush and sync first, and look.
  if (file.write(bytes) != bytes.size() || !file.flush()) return file.errorString();
  if (::fsync(file.handle()) != 0) return qt_error_string(errno);
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace tw::platform
