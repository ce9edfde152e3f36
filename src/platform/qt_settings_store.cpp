#include "platform/qt_settings_store.h"

#include <QStandardPaths>
#include <QStringList>

namespace tw::platform {

namespace {
const QString kSection = QStringLiteral("Tidewell");

QString key(const std::string& k) { return kSection + '/' + QString::fromStdString(k); }
}  // namespace

QString QtSettingsStore::defaultFilePath() {
  // GenericConfigLocation is $XDG_CONFIG_HOME, or ~/.config when it is not set.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Kestrelmoor/Tidewell.ini");
}

QtSettingsStore::QtSettingsStore() : QtSettingsStore(defaultFilePath()) {}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : settings_(filePath, QSettings::IniFormat) {}

std::string QtSettingsStore::read(const std::string& k, const std::string& defaultText) const {
  const QVariant v = settings_.value(key(k));
  if (!v.isValid()) return defaultText;
  // A hand-written value with an unquoted comma comes back as a list; put it together again.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(", ").toStdString();
  return v.toString().toStdString();
}

void QtSettingsStore::write(const std::string& k, const std::string& text) {
  settings_.setValue(key(k), QString::fromStdString(text));
}

void QtSettingsStore::sync() { settings_.sync(); }

}  // namespace tw::platform
