#pragma once
// The program's message catalogue (GNU gettext, text domain "tidewell"). English is the source
// language: a text not in the catalogue, or with no catalogue open, is its English msgid.
// xgettext finds the texts by these names (po/CMakeLists.txt lists them).
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// A text whose translation is looked up later, kept with its context (empty for none).
struct Message {
  const char* context;
  const char* id;
};

// Marks a text for the catalogue where it cannot be translated yet (a table, a constant).
#define N_(text) text
#define NC_(context, text) (::tw::Message{context, text})

const char* _(const char* msgid);
// A text whose English word means more than one thing: "May" the month or the short month.
const char* C_(const char* context, const char* msgid);
const char* _(const Message& message);
// The form for n: English gives singular for 1, plural otherwise; other languages their own.
const char* _n(const char* singular, const char* plural, unsigned long n);
const char* C_n(const char* context, const char* singular, const char* plural, unsigned long n);
// The count a number written as `value` asks plural forms for: its size, rounded; 0 for none.
unsigned long pluralCount(double value);

// The pattern with {1}, {2}... replaced by the arguments in turn, so translators may reorder
// them; any other brace is copied. (Not "fill": with string arguments, lookup would also find
// std::fill.)
std::string fillList(std::string_view pattern, std::initializer_list<std::string_view> args);
template <class... Args>
std::string fillIn(std::string_view pattern, const Args&... args) {
  return fillList(pattern, {std::string_view(args)...});
}

// The items as a sentence lists them: "a, b" up to the last, joined by `last` ("{1} or {2}",
// translated at the caller, which knows whether the list offers a choice or names all).
std::string listInWords(const std::vector<std::string>& items, const char* last);

// The text with each lone LF made CR LF, as the program's messages break their lines; the
// catalogue keeps LF alone, as translators' tools expect.
std::string withCrLf(std::string_view text);

namespace catalogue {

// Reads the program's catalogues from localeDir/LL/LC_MESSAGES/tidewell.mo, in UTF-8, in the
// language gettext picks from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
void open(const std::string& localeDir);
// Whether the language in use is written right to left.
bool rightToLeft();
// The language of the catalogue in use ("de", "pt_BR"), empty for English.
std::string language();

}  // namespace catalogue

}  // namespace tw
