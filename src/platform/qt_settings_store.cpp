#include "platform/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace tw::platform {

namespace {
const QString kSection = QStringLiteral("Tidewell");

QString key(const std::string& k) { return kSection + '/' + QString::fromStdString(k); }

// Birthdays are personal: the file is readable by its owner only, and so is a folder made for it.
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

void keepPrivate(const QString& path) {
  if (QFileInfo::exists(path)) QFile::setPermissions(path, kOwnerOnly);
}

// QSettings writes through a temporary file that takes the old file's mode, so a file that
// exists at 0600 before the first write stays so.
void createPrivate(const QString& path) {
  if (QFileInfo::exists(path)) return;
  const QString folder = QFileInfo(path).absolutePath();
  if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
    QFile::setPermissions(folder, kOwnerOnly | QFileDevice::ExeOwner);
  QFile(path).open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly);
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
      for (auto scope : {QSettings::UserScope, QSettings::SystemScope}) QSettings::setPath(format, scope, nowhere);
    return true;
  }();
  (void)done;
}
}  // namespace

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : settings_(filePath, QSettings::IniFormat) {
  keepToolkitSettingsUnwritten();
  keepPrivate(filePath);  // an older file may have been made with wider permissions
}

std::string QtSettingsStore::read(const std::string& k, const std::string& defaultText) const {
  const QVariant v = settings_.value(key(k));
  if (!v.isValid()) return defaultText;
  // A hand-written value with an unquoted comma comes back as a list; put it together again.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& k, const std::string& text) {
  createPrivate(settings_.fileName());
  settings_.setValue(key(k), QString::fromStdString(text));
}

bool QtSettingsStore::isNew() const { return !QFileInfo::exists(settings_.fileName()); }

void QtSettingsStore::sync() {
  settings_.sync();
  keepPrivate(settings_.fileName());
}

}  // namespace tw::platform
