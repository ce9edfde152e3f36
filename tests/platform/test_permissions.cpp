#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "platform/qt_settings_store.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

std::optional<unsigned> modeOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

// With no umask every file the platform makes would be world-readable: the worst case.
class PermissionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    ASSERT_TRUE(dir.isValid());
    keptMask = ::umask(0);
    path = dir.filePath("Kestrelmoor/Tidewell.ini");
  }
  void TearDown() override { ::umask(keptMask); }

  void writeOld(unsigned mode) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Tidewell]\nBirthday1=31/1/1990\n");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
  }

  QTemporaryDir dir;
  QString path;
  mode_t keptMask = 022;
};

struct PermissionCase {
  const char* what;
  std::optional<unsigned> oldMode;  // none: no file yet
  bool write, sync;
};

TEST_F(PermissionsTest, SettingsFileIsTheOwnersAloneHoweverItCameToBe) {
  const PermissionCase cases[] = {
      {"new file, synced", {}, true, true},
      {"new file, written when the store goes", {}, true, false},
      {"older 0644 file, only opened", 0644, false, false},
      {"older 0666 file, written and synced", 0666, true, true},
  };
  for (const auto& c : cases) {
    // A folder per case: QSettings caches a file it has read by path, size and time.
    path = dir.filePath(QString::fromUtf8(c.what) + "/Kestrelmoor/Tidewell.ini");
    if (c.oldMode) writeOld(*c.oldMode);
    {
      QtSettingsStore store(path);
      if (c.write) store.write("Birthday2", "4/12/2026");
      if (c.sync) store.sync();
    }
    EXPECT_EQ(modeOf(path), 0600u) << c.what;
    QtSettingsStore again(path);
    // Keeping the file private keeps what it held.
    EXPECT_EQ(again.read("Birthday1", ""), c.oldMode ? "31/1/1990" : "") << c.what;
    EXPECT_EQ(again.read("Birthday2", ""), c.write ? "4/12/2026" : "") << c.what;
  }
}

TEST_F(PermissionsTest, FolderMadeForTheFileIsPrivateAndReadingMakesNothing) {
  {
    QtSettingsStore reader(path);
    EXPECT_EQ(reader.read("Chart type", " 0"), " 0");
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("Kestrelmoor")));  // merely reading leaves no trace
  {
    QtSettingsStore store(path);
    store.write("Chart type", " 1");
    store.sync();
  }
  EXPECT_EQ(modeOf(dir.filePath("Kestrelmoor")), 0700u);
}

}  // namespace
}  // namespace tw::platform
