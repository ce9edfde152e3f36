// tidewell-chart --critical over the longest range it accepts, 100 years, in process: reading
// the command line, finding the days, and the listing or the calendar file's text.
#include <benchmark/benchmark.h>

#include <sstream>
#include <stdexcept>

#include "cli/program.h"
#include "interpret/ical.h"

namespace {

// --birthday is given, so nothing but the date is asked of the machine.
class BenchHost : public tw::cli::Host {
 public:
  tw::Date today() override { return tw::fromYmd(2024, 3, 5); }
  tw::UtcTime nowUtc() override { return {tw::fromYmd(2024, 3, 5), 0}; }
  tw::Locale locale() override { return {}; }
  const tw::ui::SettingsStore& store() override { throw std::logic_error("no store"); }
  const tw::TextMeasure& textMeasure() override { throw std::logic_error("no measure"); }
  const tw::TextFace& chartFace() override { throw std::logic_error("no face"); }
  tw::cli::Rendered render(tw::ChartFileType, int, int,
                           const std::function<void(tw::DrawingSurface&)>&) override {
    return {"", "not drawn here"};
  }
};

void BM_CriticalListing100Years(benchmark::State& state) {
  BenchHost host;
  const std::vector<std::string> args = {"--birthday", "1990-01-31", "--critical", "2000-01-01",
                                         "2100-01-01"};
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::istringstream in;
    std::ostringstream out, err;
    if (tw::cli::run(args, host, in, out, err) != 0) state.SkipWithError("run failed");
    bytes = out.str().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CriticalListing100Years)->Unit(benchmark::kMillisecond);

void BM_CriticalCalendar100Years(benchmark::State& state) {
  const tw::Date birth = tw::fromYmd(1990, 1, 31);
  const tw::Date from = tw::fromYmd(2000, 1, 1), to = tw::fromYmd(2100, 1, 1);
  for (auto _ : state) {
    const std::string text =
        tw::iCalendar(tw::entriesOf(tw::criticalDays(birth, from, to), birth, "Ann"), {});
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_CriticalCalendar100Years)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
