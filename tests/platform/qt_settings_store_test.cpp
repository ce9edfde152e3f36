// The settings file on disk: texts come back exactly and it is the owner's alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "people/people_store.h"
#include "platform/qt_settings_store.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(SettingsStore, AwkwardTextsComeBackExactlyAndAreOnDiskWithoutShuttingDown) {
  test::qtApp();
  // Texts an INI file has its own meaning for, and names nobody types but somebody will.
  const std::string names[] = {"Smith, John", "; not a comment", "#hash", "a=b", "[Tidewell]", "back\\slash",
                               "\"Q\" O'Neil", "  padded  ", "Ωμέγα Дарья 李", "🎂 party", "first line\nsecond line",
                               std::string(1000, 'x')};
  const int count = static_cast<int>(std::size(names));
  QTemporaryDir dir;
  const QString path = dir.filePath("Kestrelmoor/Tidewell.ini");
  QtSettingsStore writerStore(path);
  writerStore.write("Chart type", " 1");  // a leading blank in the value
  PeopleStore writer(writerStore);
  for (int n = 1; n <= count; ++n) {
    writer.names[n] = names[n - 1];
    writer.dates[n] = fromYmd(1950, 3, 1) + n;
  }
  writer.dates[40] = 0;  // a deleted slot
  writer.save();

  // The writer is still alive, as a killed program would be: the file must have it all already.
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("[Tidewell]"));
  QtSettingsStore readerStore(path);
  EXPECT_EQ(readerStore.read("Chart type", "absent"), " 1");
  EXPECT_EQ(readerStore.read("Chart Y", "absent"), "absent");
  PeopleStore reader(readerStore);
  reader.load();
  for (int n = 1; n <= count; ++n) {
    EXPECT_EQ(reader.names[n], names[n - 1]);
    EXPECT_EQ(reader.dates[n], fromYmd(1950, 3, 1) + n);
    EXPECT_EQ(reader.slotOf(reader.listLine(n)), n);
  }
  EXPECT_EQ(reader.dates[40], 0);
}

std::optional<unsigned> modeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

// With no umask every file the platform makes would be world-readable: the worst case.
TEST(SettingsPermissions, FileAndFolderAreTheOwnersAloneHoweverTheyCameToBe) {
  test::qtApp();
  QTemporaryDir dir;
  const mode_t keptMask = ::umask(0);
  const struct { const char* what; std::optional<unsigned> oldMode; bool write, sync; } cases[] = {
      {"new file, synced", {}, true, true}, {"new file, written when the store goes", {}, true, false},
      {"older 0644 file, only opened", 0644, false, false}, {"older 0666 file, written and synced", 0666, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // A folder per case: QSettings caches a file it has read by path, size and time.
    const QString path = dir.filePath(QString::fromUtf8(c.what) + "/Kestrelmoor/Tidewell.ini");
    if (c.oldMode) {
      QDir().mkpath(QFileInfo(path).path());
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("[Tidewell]\nBirthday1=31/1/1990\n");
      f.close();
      ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), *c.oldMode), 0);
    }
    {
      QtSettingsStore store(path);
      if (c.write) store.write("Birthday2", "4/12/2026");
      if (c.sync) store.sync();
    }
    EXPECT_EQ(modeOf(path), 0600u);
    QtSettingsStore again(path);  // keeping the file private keeps what it held
    EXPECT_EQ(again.read("Birthday1", ""), c.oldMode ? "31/1/1990" : "");
    EXPECT_EQ(again.read("Birthday2", ""), c.write ? "4/12/2026" : "");
  }
  const QString fresh = dir.filePath("fresh/Kestrelmoor/Tidewell.ini");
  EXPECT_EQ(QtSettingsStore(fresh).read("Chart type", " 0"), " 0");
  EXPECT_FALSE(QFile::exists(dir.filePath("fresh/Kestrelmoor")));  // merely reading leaves no trace
  {
    QtSettingsStore store(fresh);
    store.write("Chart type", " 1");
    store.sync();
  }
  EXPECT_EQ(modeOf(dir.filePath("fresh/Kestrelmoor")), 0700u);
  ::umask(keptMask);
}

}  // namespace
}  // namespace tw::platform
