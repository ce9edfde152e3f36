// A signal from logout or kill reaches the program as an event, and nothing else happens in it.
#include "platform/quit_signals.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <csignal>

#include "qt_app.h"

namespace tw::platform {
namespace {

TEST(QuitSignals, EachEndsTheProgramAsExitDoes) {
  test::qtApp();
  for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(s);
    QuitSignals signals_;
    int asked = 0;
    QObject::connect(&signals_, &QuitSignals::quitRequested, [&asked] { ++asked; });
    ASSERT_EQ(std::raise(s), 0);  // still running: the handler only wrote a byte
    for (QDeadlineTimer guard(5000); asked == 0 && !guard.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(asked, 1);
  }
}

}  // namespace
}  // namespace tw::platform
