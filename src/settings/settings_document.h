#pragma once
// The settings file's text: INI sections of "key=value" lines, read leniently and changed in
// place. Keys and values are written as the file has always had them (keys percent-escaped, as
// "PeopleName%201"; values quoted when they must be), so files of every earlier version read the
// same and hand edits survive.
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "settings/settings_escapes.h"

namespace tw {

// The keys of `section` with their values; of a key given twice the last counts, and a key
// the file marks as having no value ("@Invalid()") is absent. Comments,
// blank lines, a byte-order mark, lines without "=", broken headers and bytes that are no
// UTF-8 are passed over: whatever can be read is.
std::map<std::string, std::string> sectionValues(std::string_view fileText,
                                                 std::string_view section);

// sectionValues of a file given a piece at a time, for one too large to hold whole: only the
// keys `keep` accepts are kept (every key when it is empty), and of a line only its first
// `longestLine` bytes are read, so what is kept stays small however large the file.
class SectionReader {
 public:
  explicit SectionReader(std::string_view section,
                         std::function<bool(const std::string& key)> keep = {},
                         std::size_t longestLine = std::string::npos);
  void read(std::string_view piece);  // the file's next bytes
  // What was read, the last line taken in too; once the last piece is in.
  std::map<std::string, std::string> values();

 private:
  void take(std::string_view line);

  std::string section_;
  std::function<bool(const std::string&)> keep_;
  std::size_t longestLine_;
  std::string line_;  // the line read so far, up to longestLine_ bytes
  bool firstLine_ = true, inSection_ = false;
  std::map<std::string, std::string> values_;
};

// The file's text with each of `changes` put into `section`: a key already there is changed on
// the line that counts, a new one joins the end of the section (a new section the end of the
// file). Every other line, comments and other programs' sections included, stays byte for byte.
std::string withChanges(std::string_view fileText, std::string_view section,
                        const std::map<std::string, std::string>& changes);

}  // namespace tw
