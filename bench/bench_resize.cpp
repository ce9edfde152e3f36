// The real main window resized through 200 sizes around 1920 x 1080 pixels, as a user drags its
// corner: each size runs the layout pass and a full redraw of the chart; the second variant also
// repaints the whole window on the spot (menus, toolbar, pickers and the chart copied to screen).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QTemporaryDir>
#include <cmath>
#include <vector>
#include "qt_benchmark_main.h"

#include "platform/app_root.h"

namespace {

std::vector<QSize> dragSizes() {
  std::vector<QSize> sizes;
  for (int i = 0; i < 200; ++i)  // a wobbling drag, about 100 pixels either way
    sizes.emplace_back(1920 + static_cast<int>(100 * std::sin(i * 0.11)),
                       1080 + static_cast<int>(60 * std::cos(i * 0.07)));
  return sizes;
}

void resizeStorm(benchmark::State& state, bool repaintWindow) {
  QTemporaryDir dir;
  tw::platform::AppRoot root(dir.filePath("Tidewell.ini"));
  root.start();
  QCoreApplication::processEvents();
  auto& window = root.view();
  const std::vector<QSize> sizes = dragSizes();
  std::size_t next = 0;
  for (auto _ : state) {
    window.resize(sizes[next++ % sizes.size()]);
    if (repaintWindow) window.repaint();
  }
  state.counters["chart_px_wide"] = window.chartView()->width();
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  state.counters["peak_rss_MB"] = static_cast<double>(use.ru_maxrss) / 1024.0;
  window.hide();
}

void BM_resize(benchmark::State& state) { resizeStorm(state, false); }
void BM_resize_and_repaint(benchmark::State& state) { resizeStorm(state, true); }

BENCHMARK(BM_resize)->Iterations(200)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_resize_and_repaint)->Iterations(200)->Repetitions(5)->Unit(benchmark::kMillisecond);

}  // namespace

TIDEWELL_QT_BENCHMARK_MAIN()
