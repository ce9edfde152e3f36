// drawChart on the Qt surface: the widest chart the geometry allows (118 columns) and the
// designed chart area (22 columns), for both chart types, offscreen; and one printed page.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "qt_benchmark_main.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include "chart/draw_chart.h"
#include "platform/drawing/qt_chart_output.h"
#include "platform/drawing/qt_surface.h"
#include "platform/system/qt_locale.h"
#include "settings/settings_io.h"

namespace {

using tw::platform::QtSurface;

tw::ChartState busyState(int chartType) {
  tw::ChartState s;
  s.options = tw::defaultChartOptions();
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
  const tw::platform::QtTextMeasure measure(tw::platform::programFont(8));
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

// One page to a PDF printer at its 1200 dpi, the job started and finished each time: the chart
// of the designed area, and the largest one printing allows (11150 by 8225 twips).
void BM_printPage(benchmark::State& state) {
  const auto loaded = tw::platform::loadPrinter();
  if (!loaded) return state.SkipWithError("no print module");
  QPrinter& printer = loaded->qtPrinter();
  printer.setOutputFormat(QPrinter::PdfFormat);
  QTemporaryDir dir;
  printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
  const tw::platform::QtTextMeasure measure(tw::platform::programFont(8));
  const tw::Locale locale = tw::platform::userLocale();
  tw::ChartState chart = busyState(static_cast<int>(state.range(2)));
  chart.options.backgroundColour = tw::kWhite;  // as printing draws it
  const tw::ChartDrawing page{
      [&](tw::DrawingSurface& s) { tw::drawChart(chart, s, measure, locale); },
      static_cast<double>(state.range(0)), static_cast<double>(state.range(1))};
  for (auto _ : state) benchmark::DoNotOptimize(tw::platform::printChart(page, *loaded));
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(printer.outputFileName()).size());
}

BENCHMARK(BM_printPage)
    ->ArgNames({"w", "h", "type"})
    ->Args({6735, 2895, 0})
    ->Args({11150, 8225, 0})
    ->Args({11150, 8225, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

TIDEWELL_QT_BENCHMARK_MAIN()
