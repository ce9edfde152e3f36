#include "platform/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "app/settings_schema.h"
#include "app/text_forms.h"

namespace tw::platform {

namespace {
constexpr qint64 kWholeUpTo = 64 * 1024;
// A name of kLongestName characters of four bytes each, and room for quotes and escapes.
constexpr qsizetype kLongestValue = 4 * static_cast<qsizetype>(kLongestName) + 64;
// Of a line only so much is kept: no key of ours is longer than this.
constexpr qsizetype kLongestLine = kLongestValue + 256;
// Nothing past this is read; no settings file is anywhere near it.
constexpr qint64 kMostRead = 256 * 1024 * 1024;

constexpr QFileDevice::Permissions kOwnerBits =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

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

QString runtimeFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

QByteArray readableSettings(const QString& path, const QString& section) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray block = file.read(kWholeUpTo + 1);
  if (block.size() <= kWholeUpTo) return block;

  KeyFilter filter(section);
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
    block = file.read(kWholeUpTo);
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
  // The owner's bits only: "user" bits are what this process may do, which for root is all.
  file.setPermissions(old.exists() ? old.permissions() & kOwnerBits
                                   : QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  // commit() misses a write that fails as the buffer is flushed on closing, and would put an
  // empty file in the old one's place: flush and sync first, and look.
  if (file.write(bytes) != bytes.size() || !file.flush()) return file.errorString();
  if (::fsync(file.handle()) != 0) return qt_error_string(errno);
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace tw::platform
