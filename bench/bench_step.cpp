// One day forward on a 3840 x 2100 main window (206 day columns at 96 dpi) and a 7680 x 4320 one
// (the pixels of a 4K screen at 200 %), with the chart view's repaint into its backing store,
// beside a widget of the chart view's size that only fills itself: the floor of any full
// repaint. The goal is a step of at most 2 fills of the same size.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include "qt_benchmark_main.h"

#include "chart/day_columns.h"
#include "platform/app_root.h"

namespace {

struct Session {
  QTemporaryDir dir;
  tw::platform::AppRoot root{dir.filePath("Tidewell.ini")};
  explicit Session(const benchmark::State& state) {
    root.start();
    root.view().resize(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    QCoreApplication::processEvents();
  }
  QWidget& chart() { return *root.view().chartView(); }
};

class FilledWidget : public QWidget {
 public:
  FilledWidget() { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(236, 233, 216)); }
};

// As the window runs it: the step, then the events it posted, which paint what changed.
void BM_step(benchmark::State& state) {
  Session s(state);
  int paints = 0;
  QObject::connect(s.root.view().chartView(), &tw::platform::ChartView::painted,
                   [&paints] { ++paints; });
  for (auto _ : state) {
    s.root.mainWindow().goNextDay();
    QCoreApplication::processEvents();
  }
  state.counters["paints_per_step"] =
      static_cast<double>(paints) / static_cast<double>(state.iterations());
  state.counters["chart_px_wide"] = s.chart().width();
  state.counters["chart_px_high"] = s.chart().height();
  state.counters["columns"] =
      tw::chart::dayColumns(s.root.mainWindow().state(), s.root.view().surface().width()).count;
}

// The step's own drawing, without the repaint.
void BM_step_drawing_only(benchmark::State& state) {
  Session s(state);
  for (auto _ : state) s.root.mainWindow().goNextDay();
}

void BM_fill(benchmark::State& state) {
  const QSize size = Session(state).chart().size();  // the chart view's, in the same window
  FilledWidget widget;
  widget.resize(size);
  widget.show();
  QCoreApplication::processEvents();
  for (auto _ : state) widget.repaint();
  state.counters["chart_px_wide"] = widget.width();
  state.counters["chart_px_high"] = widget.height();
}

// Run with --benchmark_enable_random_interleaving=true so that step and fill take turns and a
// change in the machine's load reaches both.
void sizes(benchmark::internal::Benchmark* b) {
  b->Args({3840, 2100})->Args({7680, 4320});
  b->Iterations(100)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_step)->Apply(sizes);
BENCHMARK(BM_fill)->Apply(sizes);
// Qt fills a large area on its worker threads too, which the main thread's CPU time leaves out.
BENCHMARK(BM_step)->Apply(sizes)->MeasureProcessCPUTime();
BENCHMARK(BM_fill)->Apply(sizes)->MeasureProcessCPUTime();
BENCHMARK(BM_step_drawing_only)->Apply(sizes);

}  // namespace

TIDEWELL_QT_BENCHMARK_MAIN()
