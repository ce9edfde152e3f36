// The readers of stored texts get whatever a hand-edited or damaged settings file holds: they
// must not crash, and what the program writes back must read as the same value.
#include "app/settings_io.h"
#include "app/text_forms.h"
#include "fuzz/fuzz_input.h"

namespace {

bool sameState(const tw::ChartState& a, const tw::ChartState& b) {
  const tw::ChartOptions &x = a.options, &y = b.options;
  return x.chartType == y.chartType && x.showPhysical == y.showPhysical &&
         x.showEmotional == y.showEmotional && x.showIntellectual == y.showIntellectual &&
         x.showAverage == y.showAverage && x.weekSeparators == y.weekSeparators &&
         x.todayMarker == y.todayMarker && x.ageUnit == y.ageUnit &&
         x.backgroundColour == y.backgroundColour && x.physicalColour == y.physicalColour &&
         x.emotionalColour == y.emotionalColour && x.intellectualColour == y.intellectualColour &&
         x.averageColour == y.averageColour && a.birthday == b.birthday && a.name == b.name &&
         a.birthday2 == b.birthday2 && a.name2 == b.name2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw;
  const std::string_view text = fuzz::bytes(data, size);

  (void)readBool(text);
  (void)readGeometry(text);
  (void)leadingNumber(text);
  const std::int16_t small = readSmallInt(text);
  fuzz::require(readSmallInt(numberText(small)) == small);
  if (const auto colour = readColour(text)) fuzz::require(readColour(numberText(*colour)) == colour);
  if (const auto date = readDate(text)) fuzz::require(readDate(dateText(*date)) == date);

  // The whole record, read, written back and read again.
  test::MemoryStore store = fuzz::storeFrom(text);
  const Date today = fromYmd(2024, 3, 5);
  ChartState state;
  state.options = readChartOptions(store);
  readPeople(store, today, state);
  writeChartOptions(store, state.options);
  writePeople(store, state);
  ChartState again;
  again.options = readChartOptions(store);
  readPeople(store, today, again);
  fuzz::require(sameState(state, again));
  return 0;
}
