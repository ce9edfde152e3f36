#pragma once
// Where the program's help file and message catalogues are: beside the program in a build tree,
// or in the shared data folder of the prefix the program is installed under.
#include <QString>

namespace tw::platform {

inline const QString kHelpFileName = QStringLiteral("Tidewell.html");

// The first of programDir/Tidewell.html and programDir/../share/tidewell/Tidewell.html that
// exists; the first when neither does, so the viewer names the file it missed.
QString findHelpFile(const QString& programDir);

// The first of programDir/locale and programDir/../share/locale that is a folder; the first
// when neither is, where no catalogue is found and every text stays English.
QString findLocaleDir(const QString& programDir);

}  // namespace tw::platform
