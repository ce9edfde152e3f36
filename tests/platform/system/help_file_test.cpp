// Where the program looks for its help file: beside itself in a build tree, else in the shared
// data folder of the prefix it is installed under.
#include "platform/system/help_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tw::platform {
namespace {

TEST(HelpFile, BesideTheProgramFirstThenTheSharedDataFolder) {
  const struct {
    const char* name;
    bool beside, installed;
    const char* found;  // under the prefix
  } rows[] = {
      {"a build tree", true, false, "bin/Tidewell.html"},
      {"an installed program", false, true, "share/tidewell/Tidewell.html"},
      {"both: the build tree's", true, true, "bin/Tidewell.html"},
      {"neither: the one beside, to name what is missing", false, false, "bin/Tidewell.html"},
  };
  for (const auto& r : rows) {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("share/tidewell"));
    for (const auto& [there, path] : {std::pair{r.beside, "bin/Tidewell.html"},
                                      std::pair{r.installed, "share/tidewell/Tidewell.html"}}) {
      QFile f(root.filePath(QString::fromLatin1(path)));
      if (there) ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
    }
    EXPECT_EQ(findHelpFile(root.filePath(QStringLiteral("bin"))).toStdString(),
              root.filePath(QString::fromLatin1(r.found)).toStdString())
        << r.name;
  }
}

}  // namespace
}  // namespace tw::platform
