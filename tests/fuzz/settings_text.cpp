// The readers of stored texts get whatever a hand-edited or damaged settings file holds: they
// must not crash, and what the program writes back must read as the same value.
#include "fuzz/fuzz_input.h"
#include "settings/settings_io.h"
#include "settings/text_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw;
  const std::string_view text = fuzz::bytes(data, size);

  (void)readBool(text);
  (void)readGeometry(text);
  (void)leadingNumber(text);
  const std::int16_t small = readSmallInt(text);
  fuzz::require(readSmallInt(numberText(small)) == small);
  if (const auto colour = readColour(text))
    fuzz::require(readColour(numberText(*colour)) == colour);
  if (const auto date = readDate(text)) fuzz::require(readDate(dateText(*date)) == date);

  // The whole record read and written back: doing it again writes the same texts.
  test::MemoryStore store = fuzz::storeFrom(text);
  const auto readAndWriteBack = [&store] {
    ChartState state;
    state.options = readChartOptions(store);
    readPeople(store, fromYmd(2024, 3, 5), state);
    writeChartOptions(store, state.options);
    writePeople(store, state);
  };
  readAndWriteBack();
  const auto written = store.values;
  readAndWriteBack();
  fuzz::require(store.values == written);
  return 0;
}
