#include "platform/system/qt_settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tw::platform {

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
    : path_(filePath), file_(filePath), store_(file_) {
  keepToolkitSettingsUnwritten();
}

QtSettingsStore::~QtSettingsStore() {
  store_.onSaveFailed(nullptr);
  store_.sync();
}

void QtSettingsStore::onWriteFailed(WriteFailed tell) {
  store_.onSaveFailed([this, tell = std::move(tell)](const std::string& reason) {
    if (tell) tell(path_, QString::fromStdString(reason));
  });
}

QString QtSettingsStore::leftUntouchedBecause() const {
  return QString::fromStdString(store_.leftUntouchedBecause());
}

void QtSettingsStore::makeFolder() {
  // Nothing is made where the file is left alone: the folders on the way are not the user's.
  if (leftUntouchedBecause().isEmpty()) makePrivateFolder(QFileInfo(path_).absolutePath());
}

std::string QtSettingsStore::read(const std::string& key, const std::string& defaultText) const {
  return store_.read(key, defaultText);
}

void QtSettingsStore::write(const std::string& key, const std::string& text) {
  store_.write(key, text);
}

void QtSettingsStore::sync() { store_.sync(); }

bool QtSettingsStore::isNew() const { return store_.isNew(); }

void QtSettingsStore::refresh() { store_.refresh(); }

}  // namespace tw::platform
