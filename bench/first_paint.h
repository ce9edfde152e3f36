#pragma once
// Start-up timing shared by the program and its empty-window yardstick: milliseconds from the
// launch (TIDEWELL_LAUNCH_NS, the wall clock the script read just before starting it) and from
// main() to the first paint, printed once.
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace bench {

inline std::chrono::steady_clock::time_point& mainStart() {
  static auto t = std::chrono::steady_clock::now();
  return t;
}

inline void reportFirstPaint() {
  using namespace std::chrono;
  const double fromMain = duration<double, std::milli>(steady_clock::now() - mainStart()).count();
  double fromLaunch = -1;
  if (const char* launch = std::getenv("TIDEWELL_LAUNCH_NS")) {
    const auto now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
    fromLaunch = static_cast<double>(now - std::atoll(launch)) / 1e6;
  }
  std::printf("first_paint_ms %.2f main_to_paint_ms %.2f\n", fromLaunch, fromMain);
  std::fflush(stdout);
}

}  // namespace bench
