#include "cli/batch.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>

#include "catalogue/catalogue.h"

namespace tw::cli {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The words of `line`, or why there are none.
BatchLine splitWords(std::string_view line) {
  BatchLine r;
  std::string word;
  bool inWord = false;
  char quote = 0;  // the quote that is open, if any
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    // TRANSLATORS: why a line of a --batch file was refused.
    if (c == '\0') return {{}, _("a NUL character in the line")};
    if (quote == '\'') {
      if (c == '\'')
        quote = 0;
      else
        word += c;
    } else if (quote == '"') {
      if (c == '"')
        quote = 0;
      else if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
        word += line[++i];
      else
        word += c;
    } else if (isBlank(c)) {
      if (inWord) r.words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      inWord = true;
      if (c == '\'' || c == '"')
        quote = c;
      else if (c != '\\')
        word += c;
      else if (i + 1 < line.size())
        word += line[++i];
      else
        return {{}, _("the line ends in a backslash")};
    }
  }
  // TRANSLATORS: {1} is the quote left open: ' or ".
  if (quote != 0) return {{}, fillIn(_("a {1} is not closed"), std::string(1, quote))};
  if (inWord) r.words.push_back(std::move(word));
  return r;
}

}  // namespace

BatchLine splitBatchLine(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] == '#') return {};
  return splitWords(line);
}

int runBatch(std::string_view name, std::istream& lines, Host& host, std::ostream& out,
             std::ostream& err) {
  int status = kExitOk;
  const auto refuse = [&](const std::string& where, const std::string& why) {
    err << "tidewell-chart: " << printable(name) << where << ": " << printable(why) << "\n";
    status = kExitBadInput;
  };
  std::string line;
  long number = 0;
  while (std::getline(lines, line)) {
    ++number;
    const BatchLine split = splitBatchLine(line);
    std::string why = split.error;
    if (why.empty() && !split.words.empty()) {
      const ParseResult parsed = parseArguments(split.words);
      if (!parsed.ok())
        why = parsed.error;
      else if (parsed.options.batch)
        why = _("--batch is not taken inside a batch");
      else
        why = runRequest(parsed.options, host, out);
    }
    if (!why.empty()) refuse(":" + std::to_string(number), why);
  }
  if (lines.bad()) refuse(":" + std::to_string(number + 1), _("the rest cannot be read"));
  return status;
}

int runBatchFile(const std::string& path, Host& host, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  // TRANSLATORS: where a --batch line came from, before its number: "standard input:3".
  if (path == "-") return runBatch(C_("batch", "standard input"), in, host, out, err);
  std::ifstream file;
  std::string why;
  // A folder opens and reads as empty: it would pass for a batch with nothing to do.
  if (std::error_code ec; std::filesystem::is_directory(path, ec))
    why = _("it is a folder");
  else if (file.open(path, std::ios::binary); !file)
    why = std::strerror(errno);
  if (!why.empty()) {
    // TRANSLATORS: {1} is the --batch file's name, {2} why it could not be read.
    err << "tidewell-chart: " << fillIn(_("cannot read {1}: {2}"), printable(path), why) << "\n";
    return kExitBadInput;
  }
  return runBatch(path, file, host, out, err);
}

}  // namespace tw::cli
