#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "platform/settings_file.h"

namespace tw::platform {

namespace {
const QString kSection = QStringLiteral("Tidewell");

QString key(const std::string& k) { return kSection + '/' + QString::fromStdString(k); }

// The working copy in a private folder; the file itself when no copy can be made.
QString workingCopy(const QTemporaryDir& dir, const QString& path) {
  if (!dir.isValid()) return path;
  QFile copy(dir.filePath(QStringLiteral("Tidewell.ini")));
  const QByteArray text = readableSettings(path, kSection);
  if (!copy.open(QIODevice::WriteOnly) || copy.write(text) != text.size()) return path;
  return copy.fileName();
}

// The text after "key=" in our section of the file, as it stands there; empty when absent.
QByteArray rawValue(const QString& path, const std::string& k) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray wanted = QByteArray::fromStdString(k);
  QByteArray section, value;
  for (QByteArray line : file.readAll().split('\n')) {
    line = line.trimmed();
    if (line.startsWith('[') && line.endsWith(']')) {
      section = QByteArray::fromPercentEncoding(line.mid(1, line.size() - 2));
      continue;
    }
    const qsizetype eq = line.indexOf('=');
    if (eq > 0 && section == kSection.toUtf8() &&
        QByteArray::fromPercentEncoding(line.left(eq).trimmed()) == wanted)
      value = line.mid(eq + 1).trimmed();  // the last of repeated keys counts, as for QSettings
  }
  return value;
}

// QSettings takes an unquoted comma in a hand-written value for a list separator and drops the
// blanks around it. A name such as "Smith,John" is one text: join the pieces with the very
// separators the file has between them, skipping quoted and escaped characters as QSettings does.
QString joinAsWritten(const QStringList& parts, const QByteArray& raw) {
  QList<QByteArray> separators;
  bool quoted = false;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\') {
      ++i;
    } else if (raw[i] == '"') {
      quoted = !quoted;
    } else if (raw[i] == ',' && !quoted) {
      qsizetype from = i, to = i + 1;
      while (from > 0 && (raw[from - 1] == ' ' || raw[from - 1] == '\t')) --from;
      while (to < raw.size() && (raw[to] == ' ' || raw[to] == '\t')) ++to;
      separators.append(raw.mid(from, to - from));
      i = to - 1;
    }
  }
  if (parts.isEmpty() || separators.size() != parts.size() - 1)
    return parts.join(QStringLiteral(", "));
  QString text = parts.first();
  for (qsizetype i = 1; i < parts.size(); ++i)
    text += QString::fromUtf8(separators[i - 1]) + parts[i];
  return text;
}
}  // namespace

QString QtSettingsStore::defaultFilePath() {
  // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when it is not set.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Kestrelmoor/Tidewell.ini");
}

QtSettingsStore::QtSettingsStore() : QtSettingsStore(defaultFilePath()) {}

namespace {
// Qt's file and colour dialogs keep their last folder and colours in a settings file of their
// own; Tidewell writes no file but its settings, so theirs is sent where nothing can be written.
void keepToolkitSettingsUnwritten() {
  static const bool done = [] {
    const QString nowhere = QStringLiteral("/dev/null/nowhere");
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
      for (auto scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(format, scope, nowhere);
    return true;
  }();
  (void)done;
}
}  // namespace

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : path_(filePath),
      workDir_(runtimeFolder() + QStringLiteral("/tidewell-XXXXXX")),
      settings_(workingCopy(workDir_, filePath), QSettings::IniFormat) {
  keepToolkitSettingsUnwritten();
}

QtSettingsStore::~QtSettingsStore() {
  tell_ = nullptr;
  sync();
}

void QtSettingsStore::makeFolder() { makePrivateFolder(QFileInfo(path_).absolutePath()); }

std::string QtSettingsStore::read(const std::string& k, const std::string& defaultText) const {
  const QVariant v = settings_.value(key(k));
  if (!v.isValid()) return defaultText;
  if (v.typeId() == QMetaType::QStringList)
    return joinAsWritten(v.toStringList(), rawValue(settings_.fileName(), k)).toStdString();
  return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& k, const std::string& text) {
  settings_.setValue(key(k), QString::fromStdString(text));
  unsaved_ = true;
}

bool QtSettingsStore::isNew() const { return !QFileInfo::exists(path_); }

void QtSettingsStore::sync() {
  if (!unsaved_) return;
  const bool direct = settings_.fileName() == path_;  // no working copy could be made
  if (direct) makeFolder();
  settings_.sync();
  QString reason;
  if (settings_.status() != QSettings::NoError) {
    reason = direct ? QStringLiteral("it could not be written")
                    : QStringLiteral("its working copy %1 could not be written").arg(settings_.fileName());
  } else if (!direct) {
    QFile copy(settings_.fileName());
    reason = copy.open(QIODevice::ReadOnly) ? replaceFile(path_, copy.readAll()) : copy.errorString();
  }
  if (reason.isEmpty()) {
    unsaved_ = failing_ = false;
    return;
  }
  if (!failing_ && tell_) tell_(path_, reason);
  failing_ = true;
}

}  // namespace tw::platform
