#pragma once
// The language the program speaks: its own message catalogue and Qt's translations of Qt's
// dialogs, both in the language gettext picks from the environment.
#include <QString>

namespace tw::platform {

// Opens the catalogue found for the program in programDir (see help_file.h).
void openCatalogue(const QString& programDir);
// For the window program, once its QApplication is made: the catalogue, Qt's translations for
// the same language, and the windows' direction.
void startLanguages(const QString& programDir);

}  // namespace tw::platform
