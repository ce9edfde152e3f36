// Any text at the settings file's place, hand-edited or damaged: reading it must not crash,
// a save must put in exactly the program's changes, and the next save must change nothing more.
#include "settings/settings_document.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw;
  const std::string_view text = fuzz::bytes(data, size);
  // The input's own first line as a name, so awkward texts are written as well as read; the
  // window only ever hands over UTF-8, so bytes past ASCII are left out of it.
  std::string name;
  for (const char c : text.substr(0, std::min<std::size_t>(text.find('\n'), 64)))
    if (static_cast<unsigned char>(c) < 0x80) name += c;
  const std::map<std::string, std::string> changes = {{"Birthname1", name},
                                                      {"PeopleName 50", "Zoë, \"Z\""}};
  const std::string saved = withChanges(text, "Tidewell", changes);
  auto values = sectionValues(saved, "Tidewell");
  for (const auto& [key, value] : changes) fuzz::require(values[key] == value);
  fuzz::require(withChanges(saved, "Tidewell", changes) == saved);
  // Read a piece at a time, as a file too large to hold is, the text gives the same keys.
  SectionReader pieces("Tidewell");
  const std::size_t piece = text.size() / 3 + 1;
  for (std::size_t from = 0; from < text.size(); from += piece)
    pieces.read(text.substr(from, piece));
  fuzz::require(pieces.values() == sectionValues(text, "Tidewell"));
  // Lines the program does not own keep their bytes: the old text is all there, in order.
  std::size_t at = 0;
  for (const std::string& line :
       fuzz::split(text, "\r\n")) {                     // each of LF, CR LF and CR ends a line
    if (line.find('=') != std::string::npos) continue;  // a key line may be ours, and changed
    const std::size_t found = saved.find(line, at);
    fuzz::require(found != std::string::npos);
    at = found + line.size();
  }
  return 0;
}
