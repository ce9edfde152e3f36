#pragma once
// The settings file on disk: what of it is read, and replacing it whole.
#include <QByteArray>
#include <QString>

namespace tw::platform {

// Where the program keeps what lives only while it runs: $XDG_RUNTIME_DIR, the user's own and
// emptied at logout, or else the temporary folder.
QString runtimeFolder();

// What to read settings from. A small file, as every file the program writes is, whole; of a
// larger one only the program's own keys of `section`, each the last of its name and cut to a
// length no value the program writes reaches, so that a file of any size reads quickly.
QByteArray readableSettings(const QString& path, const QString& section);

// Makes the folder and any missing folder above it, each for its owner alone whatever the
// umask. Empty on success, else the reason it failed.
QString makePrivateFolder(const QString& folder);

// Replaces the file whole with `bytes` (the old file stays as it was if that fails), keeping its
// permissions without any group or other ones; a new file is its owner's alone. Empty on
// success, else the reason it failed.
QString replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace tw::platform
