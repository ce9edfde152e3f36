// One running copy per settings file, its lock where only this user can reach it.
#include "platform/system/single_instance.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/qt_app.h"

namespace tw::platform {
namespace {

// A program that has run for a year holds its lock as on its first day.
TEST(SingleInstance, ALockHeldForAYearStillHolds) {
  test::qtApp();
  QTemporaryDir dir;
  const QString settings = dir.filePath("Tidewell.ini");
  SingleInstance first(settings, dir.path());
  ASSERT_TRUE(first.claim()) << "the first copy could not claim its lock";
  const QStringList locks = QDir(dir.path()).entryList({"*.lock"});
  ASSERT_EQ(locks.size(), 1);
  const QByteArray lock = QFile::encodeName(dir.filePath(locks[0]));
  const struct utimbuf yearAgo {
    ::time(nullptr) - 366 * 24 * 3600, ::time(nullptr) - 366 * 24 * 3600
  };
  ASSERT_EQ(::utime(lock.constData(), &yearAgo), 0);
  SingleInstance second(settings, dir.path());
  EXPECT_FALSE(second.claim()) << "a second copy claimed the same lock";
}

TEST(SingleInstance, TheLockGoesOnlyWhereNoOtherUserCanWrite) {
  QTemporaryDir dir;
  const QString shared = dir.filePath("shared");
  QDir().mkdir(shared);
  ::chmod(QFile::encodeName(shared).constData(), 01777);
  qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
  for (const auto& [runtime, want] :
       {std::pair{shared, dir.filePath("cache/tidewell")}, std::pair{dir.path(), dir.path()}}) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(privateRuntimeFolder(), want);
  }
  EXPECT_EQ(QFileInfo(dir.filePath("cache/tidewell")).permissions() & 0x0077, 0);
  qunsetenv("XDG_CACHE_HOME");
  qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace tw::platform
