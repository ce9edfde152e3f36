#pragma once
// The settings file on disk: looked at before it is opened, read once whole, and replaced whole.
#include <QByteArray>
#include <QString>

#include "app/merging_store.h"

namespace tw::platform {

// Far more than any settings file the program writes (50 names of 1000 characters take some
// 200 KB): a larger file is not the program's own, and is only read for the program's keys.
inline constexpr qint64 kLargestSettingsFile = 8 * 1024 * 1024;

// The file at one path. Only a regular file is opened; a link is followed only to a regular
// file of this user's own, and the new text then goes to that file, the link left as it is.
class LocalSettingsFile : public SettingsFile {
 public:
  explicit LocalSettingsFile(QString path) : path_(std::move(path)) {}
  SettingsFileText read() override;
  std::string replace(const std::string& text) override;

 private:
  QString path_;
  QString target_;  // where the text is, links followed; found by read()
};

// Of a file too large to be read whole, only the program's own keys of `section`, each the
// last of its name and cut to a length no value the program writes reaches.
QByteArray programKeys(int fd, const QString& section);

// Makes the folder and any missing folder above it, each for its owner alone whatever the
// umask. Empty on success, else the reason it failed.
QString makePrivateFolder(const QString& folder);

// Replaces the file whole with `bytes` (the old file stays as it was if that fails). An old
// file keeps its permissions less any group or other write; a new file is its owner's alone.
// Empty on success, else the reason it failed.
QString replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace tw::platform
