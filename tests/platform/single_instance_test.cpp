// A second start of the program on the same settings file hands over to the first and ends.
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(SingleInstance, ASecondStartOnTheSameFileBringsTheFirstToTheFrontAndEnds) {
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

}  // namespace
}  // namespace tw::platform
