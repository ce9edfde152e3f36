#pragma once
// The settings file on disk: looked at before it is opened, read once whole, and replaced whole.
#include <QByteArray>
#include <QString>

#include "settings/merging_store.h"

namespace tw::platform {

// Far more than any settings file the program writes (50 names of 1000 characters take some
// 200 KB): a larger file is not the program's own, and is only read for the program's keys
// (ProgramKeys).
inline constexpr qint64 kLargestSettingsFile = 8 * 1024 * 1024;

// The file at one path, read and written only while nobody else could have put it or anything
// on the way to it there, from `judgedFrom` down (the folder above the file's own when empty:
// the config home). Only a regular file is opened; through a link the new text goes to the file
// it leads to, the link left as it is.
class LocalSettingsFile : public SettingsFile {
 public:
  explicit LocalSettingsFile(QString path, QString judgedFrom = {});
  SettingsFileText read() override;
  std::string replace(const std::string& text) override;

 private:
  QString path_;
  QString judgedFrom_;
};

// Makes the folder and any missing folder above it, each for its owner alone whatever the
// umask. Empty on success, else the reason it failed.
QString makePrivateFolder(const QString& folder);

}  // namespace tw::platform
