// drawChart on the Qt surface: the widest chart the geometry allows (118 columns) and the
// designed chart area (22 columns), for both chart types, offscreen.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "qt_benchmark_main.h"

#include "chart/draw_chart.h"
#include "platform/qt_locale.h"
#include "platform/qt_surface.h"

namespace {

using tw::platform::QtSurface;

tw::ChartState busyState(int chartType) {
  tw::ChartState s;
  s.birthday = tw::fromYmd(1990, 1, 1);
  s.birthday2 = tw::fromYmd(1992, 7, 14);
  s.name = "Ann";
  s.name2 = "Bea";
  s.chartDate = tw::fromYmd(2026, 12, 5);
  s.options.chartType = static_cast<tw::ChartType>(chartType);
  s.options.showAverage = true;  // every element on: the most work a chart can be
  s.options.weekSeparators = true;
  s.options.todayMarker = true;
  return s;
}

void peakRss(benchmark::State& state) {
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  state.counters["peak_rss_MB"] = static_cast<double>(use.ru_maxrss) / 1024.0;
}

// Arguments: width and height in twips, chart type.
void BM_drawchart(benchmark::State& state) {
  QtSurface surface;
  surface.setSizeTwips(static_cast<double>(state.range(0)), static_cast<double>(state.range(1)));
  const tw::platform::QtTextMeasure measure(tw::platform::programFont(8),
                                            tw::platform::chartTextScale());
  const tw::Locale locale = tw::platform::userLocale();
  const tw::ChartState chart = busyState(static_cast<int>(state.range(2)));
  for (auto _ : state) {
    tw::drawChart(chart, surface, measure, locale);
    benchmark::DoNotOptimize(surface.image().constBits());  // drawing finished
  }
  state.counters["pixels"] = surface.image().width() * surface.image().height();
  peakRss(state);
}

BENCHMARK(BM_drawchart)
    ->ArgNames({"w", "h", "type"})
    ->Args({33000, 6000, 0})
    ->Args({33000, 6000, 1})
    ->Args({6735, 2895, 0})
    ->Args({6735, 2895, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

TIDEWELL_QT_BENCHMARK_MAIN()
