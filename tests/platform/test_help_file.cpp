#include "platform/help_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using tw::platform::findHelpFile;

void touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<html></html>");
}

TEST(HelpFile, FoundBesideTheProgramFirstThenInTheSharedDataFolder) {
  const struct {
    const char* what;
    bool beside, installed;
    const char* expected;  // relative to the prefix
  } cases[] = {
      {"build tree", true, false, "bin/Tidewell.html"},
      {"installed", false, true, "share/tidewell/Tidewell.html"},
      {"both: beside wins", true, true, "bin/Tidewell.html"},
      {"neither: the name beside the program", false, false, "bin/Tidewell.html"},
  };
  for (const auto& c : cases) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QDir().mkpath(prefix.filePath("bin"));
    if (c.beside) touch(prefix.filePath("bin/Tidewell.html"));
    if (c.installed) touch(prefix.filePath("share/tidewell/Tidewell.html"));
    EXPECT_EQ(findHelpFile(prefix.filePath("bin")), prefix.filePath(c.expected)) << c.what;
  }
}

}  // namespace
