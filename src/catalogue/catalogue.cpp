#include "catalogue/catalogue.h"

#include <libintl.h>

#include <clocale>
#include <cmath>

namespace tw {

namespace {

constexpr const char* kDomain = "tidewell";

// gettext keeps a context and its text as one key, joined by EOT.
std::string contextKey(const char* context, const char* msgid) {
  return std::string(context) + '\004' + msgid;
}

}  // namespace

const char* _(const char* msgid) { return dgettext(kDomain, msgid); }

const char* C_(const char* context, const char* msgid) {
  const std::string key = contextKey(context, msgid);
  const char* found = dgettext(kDomain, key.c_str());
  return found == key.c_str() ? msgid : found;
}

const char* _(const Message& message) {
  return message.context && *message.context ? C_(message.context, message.id) : _(message.id);
}

const char* _n(const char* singular, const char* plural, unsigned long n) {
  return dngettext(kDomain, singular, plural, n);
}

const char* C_n(const char* context, const char* singular, const char* plural, unsigned long n) {
  const std::string key = contextKey(context, singular);
  const char* found = dngettext(kDomain, key.c_str(), plural, n);
  if (found == key.c_str()) return singular;
  return found;
}

unsigned long pluralCount(double value) {
  const double size = std::round(std::fabs(value));
  if (!(size < 1e15)) return 0;  // also NaN
  return static_cast<unsigned long>(size);
}

std::string fillList(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] == '{') {
      std::size_t end = i + 1;
      std::size_t number = 0;
      while (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9' && end < i + 4)
        number = number * 10 + static_cast<std::size_t>(pattern[end++] - '0');
      if (end > i + 1 && end < pattern.size() && pattern[end] == '}' && number >= 1 &&
          number <= args.size()) {
        out += *(args.begin() + (number - 1));
        i = end + 1;
        continue;
      }
    }
    out += pattern[i++];
  }
  return out;
}

std::string listInWords(const std::vector<std::string>& items, const char* last) {
  std::string words;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i == 0)
      words = items[i];
    else if (i + 1 < items.size())
      // TRANSLATORS: a list, {1} the items so far and {2} the next: ".png, .bmp" or "P, E".
      words = fillIn(C_("list", "{1}, {2}"), words, items[i]);
    else
      words = fillIn(last, words, items[i]);
  }
  return words;
}

std::string withCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

namespace catalogue {

void open(const std::string& localeDir) {
  // Only the messages' language: numbers and dates keep their own settings.
  std::setlocale(LC_MESSAGES, "");
  bindtextdomain(kDomain, localeDir.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
}

bool rightToLeft() {
  // TRANSLATORS: "RTL" for a language written right to left, otherwise "LTR".
  return std::string_view(C_("layout direction", "LTR")) == "RTL";
}

std::string language() {
  // The header of the catalogue in use, the translation of the empty text.
  const char* header = dgettext(kDomain, "");
  if (header == nullptr || *header == '\0') return {};
  const std::string_view text(header);
  constexpr std::string_view kField = "Language: ";
  std::size_t at = text.find(kField);
  if (at == std::string_view::npos || (at > 0 && text[at - 1] != '\n')) return {};
  at += kField.size();
  return std::string(text.substr(at, text.find('\n', at) - at));
}

}  // namespace catalogue

}  // namespace tw
