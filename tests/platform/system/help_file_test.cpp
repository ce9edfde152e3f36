// Where the program looks for its help file: in the user's language when it is translated,
// beside itself in a build tree, else in the shared data folder of the prefix it is installed
// under.
#include "platform/system/help_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

namespace tw::platform {
namespace {

TEST(HelpFile, TheLanguagesOwnFirstThenEnglishBesideTheProgramThenInstalled) {
  const struct {
    const char* name;
    const char* language;
    std::vector<const char*> files;  // under the prefix
    const char* found;
  } rows[] = {
      {"a build tree", "", {"bin/Tidewell.html"}, "bin/Tidewell.html"},
      {"an installed program",
       "",
       {"share/tidewell/Tidewell.html"},
       "share/tidewell/Tidewell.html"},
      {"both: the build tree's",
       "",
       {"bin/Tidewell.html", "share/tidewell/Tidewell.html"},
       "bin/Tidewell.html"},
      {"neither: the one beside, to name what is missing", "", {}, "bin/Tidewell.html"},
      {"translated, installed",
       "de",
       {"share/tidewell/Tidewell.html", "share/tidewell/de/Tidewell.html"},
       "share/tidewell/de/Tidewell.html"},
      {"the language's help for its country",
       "pt_BR",
       {"bin/Tidewell.html", "bin/pt/Tidewell.html"},
       "bin/pt/Tidewell.html"},
      {"the country's own before the language's",
       "pt_BR",
       {"bin/pt/Tidewell.html", "bin/pt_BR/Tidewell.html"},
       "bin/pt_BR/Tidewell.html"},
      {"not translated: English",
       "ja",
       {"bin/Tidewell.html", "bin/de/Tidewell.html"},
       "bin/Tidewell.html"},
  };
  for (const auto& r : rows) {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    for (const char* path : r.files) {
      const QString file = root.filePath(QString::fromLatin1(path));
      root.mkpath(QFileInfo(file).path());
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
    }
    EXPECT_EQ(findHelpFile(root.filePath(QStringLiteral("bin")), QString::fromLatin1(r.language))
                  .toStdString(),
              root.filePath(QString::fromLatin1(r.found)).toStdString())
        << r.name;
  }
}

}  // namespace
}  // namespace tw::platform
