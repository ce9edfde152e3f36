// A second start of the program on the same settings file hands over to the first and ends.
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <utime.h>
#include <QProcess>
#include <QTemporaryDir>

#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(SingleInstance, ASecondStartRaisesTheFirst) {
  test::qtApp();
  QTemporaryDir dir;
  // This test is the first program; the built one, started on the same file, is the second.
  SingleInstance first(dir.filePath("config/Kestrelmoor/Tidewell.ini"), dir.path());
  ASSERT_TRUE(first.claim());
  int calls = 0;
  QObject::connect(&first, &SingleInstance::anotherStarted, [&calls] { ++calls; });
  QProcess second;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  env.insert("XDG_RUNTIME_DIR", dir.path());
  second.setProcessEnvironment(env);  // offscreen, as every test here
  second.start(TIDEWELL_EXE);
  const bool ended = second.waitForFinished(10000);  // a guard against a hang, not a timing
  if (!ended) second.kill(), second.waitForFinished();
  EXPECT_TRUE(ended && second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
  for (QDeadlineTimer guard(5000); calls == 0 && !guard.hasExpired();)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  EXPECT_EQ(calls, 1);
}

// A program that has run for a year holds its lock as on its first day.
TEST(SingleInstance, ALockHeldForAYearStillHolds) {
  test::qtApp();
  QTemporaryDir dir;
  const QString settings = dir.filePath("Tidewell.ini");
  SingleInstance first(settings, dir.path());
  ASSERT_TRUE(first.claim());
  const QStringList locks = QDir(dir.path()).entryList({"*.lock"});
  ASSERT_EQ(locks.size(), 1);
  const QByteArray lock = QFile::encodeName(dir.filePath(locks[0]));
  const struct utimbuf yearAgo{::time(nullptr) - 366 * 24 * 3600, ::time(nullptr) - 366 * 24 * 3600};
  ASSERT_EQ(::utime(lock.constData(), &yearAgo), 0);
  SingleInstance second(settings, dir.path());
  EXPECT_FALSE(second.claim());
}

TEST(SingleInstance, WithNowherePrivateForALockTheProgramStillRuns) {
  test::qtApp();
  QTemporaryDir dir;
  EXPECT_TRUE(SingleInstance(dir.filePath("Tidewell.ini"), QString()).claim());
}

TEST(SingleInstance, TheLockGoesOnlyWhereNoOtherUserCanWrite) {
  QTemporaryDir dir;
  const QString shared = dir.filePath("shared");
  QDir().mkdir(shared);
  ::chmod(QFile::encodeName(shared).constData(), 01777);
  qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
  for (const auto& [runtime, want] : {std::pair{shared, dir.filePath("cache/tidewell")},
                                      std::pair{dir.path(), dir.path()}}) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(privateRuntimeFolder(), want);
  }
  EXPECT_EQ(QFileInfo(dir.filePath("cache/tidewell")).permissions() & 0x0077, 0);
  qunsetenv("XDG_CACHE_HOME");
  qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace tw::platform
