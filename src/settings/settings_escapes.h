#pragma once
// How keys and values are written in the settings file, as they always have been: keys
// percent-escaped ("PeopleName%201"), values quoted when they must be and with C-style escapes.
#include <string>
#include <string_view>

namespace tw {

std::string escapedKey(std::string_view key);
std::string unescapedKey(std::string_view raw);
std::string escapedValue(std::string_view text);
// The text of a value as it stands after "=", up to a comment.
std::string unescapedValue(std::string_view raw);
// The text of a value with its quotes and escapes undone, a leading "@" left as it stands.
std::string unquoted(std::string_view raw);
// Whether the file marks the key as having no value at all ("@Invalid()").
bool isMarkedInvalid(std::string_view raw);

}  // namespace tw
