#pragma once
// Where the program's help file and message catalogues are: beside the program in a build tree,
// or in the shared data folder of the prefix the program is installed under.
#include <QString>

namespace tw::platform {

inline const QString kHelpFileName = QStringLiteral("Tidewell.html");

// The help in `language` ("pt_BR", else "pt"), in LL/ beside the program or under
// ../share/tidewell/LL/, when it is translated; else the English programDir/Tidewell.html or
// programDir/../share/tidewell/Tidewell.html; the first when none exists, so the viewer names
// the file it missed.
QString findHelpFile(const QString& programDir, const QString& language = {});

// The first of programDir/locale and programDir/../share/locale that is a folder; the first
// when neither is, where no catalogue is found and every text stays English.
QString findLocaleDir(const QString& programDir);

}  // namespace tw::platform
