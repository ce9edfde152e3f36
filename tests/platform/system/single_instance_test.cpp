// One running copy per settings file, its lock where only this user can reach it.
#include "platform/system/single_instance.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utime.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

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

// A socket file that nobody listens on, as a program that was killed leaves behind.
void leaveDeadSocket(const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path);
  std::copy(name.begin(), name.end(), address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0)
      << name.constData();
  ::close(fd);
}

// A later start reaches the running copy, also where an earlier one left its socket behind.
TEST(SingleInstance, TheRunningCopyHearsALaterStart) {
  test::qtApp();
  for (const bool deadSocketLeft : {false, true}) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("Tidewell.ini");
    if (deadSocketLeft) {
      auto earlier = std::make_unique<SingleInstance>(settings, dir.path());
      ASSERT_TRUE(earlier->claim());
      const QStringList sockets = QDir(dir.path()).entryList({"*.socket"}, QDir::System);
      ASSERT_EQ(sockets.size(), 1);
      earlier.reset();
      leaveDeadSocket(dir.filePath(sockets[0]));
    }
    SingleInstance first(settings, dir.path());
    int heard = 0;
    QObject::connect(&first, &SingleInstance::anotherStarted, [&heard] { ++heard; });
    ASSERT_TRUE(first.claim()) << "dead socket left: " << deadSocketLeft;
    SingleInstance second(settings, dir.path());
    EXPECT_FALSE(second.claim()) << "dead socket left: " << deadSocketLeft;
    for (QDeadlineTimer wait(5000); heard == 0 && !wait.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(heard, 1) << "dead socket left: " << deadSocketLeft;
  }
}

}  // namespace
}  // namespace tw::platform
