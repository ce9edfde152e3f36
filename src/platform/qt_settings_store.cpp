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
}  // namespace

QString QtSettingsStore::defaultFilePath() {
  // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when it is not set.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Kestrelmoor/Tidewell.ini");
}

QtSettingsStore::QtSettingsStore() : QtSettingsStore(defaultFilePath()) {}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : path_(filePath),
      workDir_(runtimeFolder() + QStringLiteral("/tidewell-XXXXXX")),
      settings_(workingCopy(workDir_, filePath), QSettings::IniFormat) {}

QtSettingsStore::~QtSettingsStore() {
  tell_ = nullptr;
  sync();
}

void QtSettingsStore::makeFolder() { makePrivateFolder(QFileInfo(path_).absolutePath()); }

std::string QtSettingsStore::read(const std::string& k, const std::string& defaultText) const {
  const QVariant v = settings_.value(key(k));
  if (!v.isValid()) return defaultText;
  // A hand-written value with an unquoted comma comes back as a list; put it together again.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& k, const std::string& text) {
  settings_.setValue(key(k), QString::fromStdString(text));
  unsaved_ = true;
}

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
