// The people list loaded from a store filled from the input: every listed line must lead back
// to its slot, and what is saved must load as the same list.
#include "people/people_store.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw;
  const std::string_view text = fuzz::bytes(data, size);
  test::MemoryStore store = fuzz::storeFrom(text);
  PeopleStore people(store);
  people.load();

  test::FakeListBox list;
  people.fill(list);
  // Each search builds all 50 lines, so a few lines are searched for, not every one: the
  // first, middle and last listed, and the input's first lines, which the user never saw.
  const std::size_t listed = list.lines.size();
  for (const std::size_t i : {std::size_t{0}, listed / 2, listed - 1}) {
    if (i >= listed) continue;
    const std::int16_t slot = people.slotOf(list.lines[i]);
    fuzz::require(slot >= 1 && slot <= PeopleStore::kSlots &&
                  people.listLine(slot) == list.lines[i]);
  }
  const std::vector<std::string> lines = fuzz::split(text, "\n");
  for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 3); ++i) {
    const std::int16_t slot = people.slotOf(lines[i]);
    fuzz::require(slot == 0 || people.listLine(slot) == lines[i]);
  }
  const int free = people.lowestFreeSlot();
  fuzz::require(free == 0 || people.names[static_cast<std::size_t>(free)].empty());

  people.save();
  PeopleStore reloaded(store);
  reloaded.load();
  fuzz::require(reloaded.names == people.names && reloaded.dates == people.dates);
  return 0;
}
