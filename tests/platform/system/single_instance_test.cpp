// One running copy per settings file; a later start reaching the running one is the window
// checks'.
#include "platform/system/single_instance.h"

#include <gtest/gtest.h>

#include <utime.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>

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

}  // namespace
}  // namespace tw::platform
