#pragma once
// tidewell-chart's machine for tests: a fixed day, the settings in memory, drawings recorded.
#include <stdexcept>

#include "cli/program.h"
#include "mock/fakes.h"
#include "mock/recording_surface.h"

namespace tw::test {

class FakeChartHost : public cli::Host {
 public:
  Date today() override { return fromYmd(2024, 3, 5); }
  UtcTime nowUtc() override { return {fromYmd(2024, 3, 5), 13 * 3600 + 4 * 60 + 5}; }
  Locale locale() override { return Locale{}; }
  const ui::SettingsStore& store() override { return settings; }
  const TextMeasure& textMeasure() override { return measure; }
  const TextFace& chartFace() override { throw std::logic_error("no SVG is written here"); }
  // The file holds "drawn"; the calls are kept in `drawn`.
  cli::Rendered render(ChartFileType, int w, int h,
                       const std::function<void(DrawingSurface&)>& draw) override {
    RecordingSurface surface(static_cast<float>(w) * 15, static_cast<float>(h) * 15);
    draw(surface);
    drawn = surface.calls;
    return {"drawn", ""};
  }

  MemoryStore settings;
  FixedWidthMeasure measure;
  std::vector<std::string> drawn;
};

}  // namespace tw::test
