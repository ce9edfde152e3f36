#include "platform/system/quit_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

namespace tw::platform {

namespace {
int writeEnd = -1;
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// All a signal handler may safely do: one write, telling the event loop.
void tellEventLoop(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(writeEnd, &byte, 1);
  errno = saved;
}
}  // namespace

QuitSignals::QuitSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) return;
  writeEnd = fds_[1];
  notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(fds_[0], bytes, sizeof bytes) > 0) {
    }
    emit quitRequested();
  });
  struct sigaction action {};
  action.sa_handler = tellEventLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int s : kSignals) ::sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
  // Gone only as the program ends: one more request changes nothing, and the default action
  // would end it with a signal's status halfway through.
  struct sigaction action {};
  action.sa_handler = SIG_IGN;
  for (const int s : kSignals) ::sigaction(s, &action, nullptr);
  writeEnd = -1;
  notifier_.reset();
  for (const int fd : fds_)
    if (fd >= 0) ::close(fd);
}

}  // namespace tw::platform
