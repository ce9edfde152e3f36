#pragma once
// SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, Ctrl+C) turned into an
// ordinary event, so the program ends as File > Exit ends it, saving everything.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tw::platform {

class QuitSignals : public QObject {
  Q_OBJECT
 public:
  QuitSignals();  // one at a time
  ~QuitSignals() override;

 signals:
  void quitRequested();

 private:
  int fds_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tw::platform
