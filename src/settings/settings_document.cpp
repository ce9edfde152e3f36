#include "settings/settings_document.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "settings/settings_escapes.h"

namespace tw {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\r'; }

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// One line of the file, without its line break.
struct Line {
  enum Kind { Other, Header, Key } kind = Other;
  std::string name;      // the section of a header, the key of a key line
  std::string_view raw;  // a key line's value as it stands
};

Line parseLine(std::string_view text) {
  Line line;
  text = trimmed(text);
  if (text.empty() || text[0] == ';') return line;
  if (text[0] == '[') {
    // An unclosed header names what follows it, as it always has.
    const std::size_t close = text.find(']');
    line.kind = Line::Header;
    line.name =
        unescapedKey(trimmed(text.substr(1, close == std::string_view::npos ? close : close - 1)));
    return line;
  }
  std::size_t equals = std::string_view::npos, end = text.size();
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == '=' && !quoted && equals == std::string_view::npos) {
      equals = i;
    } else if (c == ';' && !quoted) {
      end = i;  // a comment runs to the end of the line
      break;
    }
  }
  if (equals == std::string_view::npos || equals >= end) return line;
  const std::string_view key = trimmed(text.substr(0, equals));
  if (key.empty()) return line;
  line.kind = Line::Key;
  line.name = unescapedKey(key);
  line.raw = text.substr(equals + 1, end - equals - 1);
  return line;
}

// The file's lines: where each one's text starts and ends, and where the next begins.
struct Span {
  std::size_t begin, end, next;
};

// LF, CR LF and a lone CR (old Mac editors, some sync tools) each end a line.
std::vector<Span> spans(std::string_view text) {
  std::vector<Span> out;
  std::size_t at = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    std::size_t next = end == text.size() ? end : end + 1;
    if (end < text.size() && text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    out.push_back({at, end, next});
    at = next;
  }
  return out;
}

// The file's own line end, that of its first ended line; LF for a file without one.
std::string_view lineEndOf(std::string_view text, const std::vector<Span>& lines) {
  for (const Span& s : lines)
    if (s.next > s.end) return text.substr(s.end, s.next - s.end);
  return "\n";
}

}  // namespace

std::map<std::string, std::string> sectionValues(std::string_view fileText,
                                                 std::string_view section) {
  SectionReader reader(section);
  reader.read(fileText);
  return reader.values();
}

SectionReader::SectionReader(std::string_view section, std::function<bool(const std::string&)> keep,
                             std::size_t longestLine)
    : section_(section), keep_(std::move(keep)), longestLine_(longestLine) {}

void SectionReader::read(std::string_view piece) {
  // LF, CR LF and a lone CR each end a line; CR LF leaves an empty one between, which reads
  // as nothing.
  while (!piece.empty()) {
    const std::size_t end = std::min(piece.find_first_of("\r\n"), piece.size());
    const std::size_t room = longestLine_ - std::min(longestLine_, line_.size());
    line_.append(piece.substr(0, std::min(end, room)));
    if (end == piece.size()) break;
    take(line_);
    line_.clear();
    piece.remove_prefix(end + 1);
  }
}

std::map<std::string, std::string> SectionReader::values() {
  take(line_);
  line_.clear();
  return values_;
}

void SectionReader::take(std::string_view text) {
  if (std::exchange(firstLine_, false) && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const Line line = parseLine(text);
  if (line.kind == Line::Header) inSection_ = line.name == section_;
  if (line.kind != Line::Key || !inSection_ || (keep_ && !keep_(line.name))) return;
  if (isMarkedInvalid(line.raw))
    values_.erase(line.name);
  else
    values_[line.name] = unescapedValue(line.raw);
}

std::string withChanges(std::string_view fileText, std::string_view section,
                        const std::map<std::string, std::string>& changes) {
  const std::vector<Span> lines = spans(fileText);
  const auto textOf = [&](const Span& s) { return fileText.substr(s.begin, s.end - s.begin); };
  std::map<std::string, std::size_t> lineOf;  // the line that counts for each changed key
  std::optional<std::size_t> sectionEnd;      // after the last header or key of the last section
  bool inSection = false;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const Line line = parseLine(textOf(lines[n]));
    if (line.kind == Line::Header) inSection = line.name == section;
    if (!inSection || line.kind == Line::Other) continue;
    sectionEnd = n + 1;
    if (line.kind == Line::Key && changes.count(line.name)) lineOf[line.name] = n;
  }
  std::vector<const std::string*> changedKey(lines.size(), nullptr);
  for (const auto& [key, n] : lineOf) changedKey[n] = &key;

  const std::string eol(lineEndOf(fileText, lines));
  const auto keyLine = [&](const std::string& key) {
    return escapedKey(key) + "=" + escapedValue(changes.at(key));
  };
  std::string added;
  for (const auto& change : changes)
    if (!lineOf.count(change.first)) added += keyLine(change.first) + eol;

  std::string out(fileText.substr(0, lines.empty() ? fileText.size() : lines[0].begin));
  // Ends the last line before more are put after it.
  const auto endLine = [&] {
    if (out.empty() || lines.empty() || out.back() == '\n' || out.back() == '\r') return;
    out += eol;
  };
  const auto addHere = [&] {
    endLine();
    out += added;
  };
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (sectionEnd == n && !added.empty()) addHere();
    const Span& s = lines[n];
    if (!changedKey[n]) {
      out.append(fileText.substr(s.begin, s.next - s.begin));
      continue;
    }
    // Blanks before the key stay, as does the line break after it.
    std::size_t lead = s.begin;
    while (lead < s.end && isBlank(fileText[lead])) ++lead;
    out.append(fileText.substr(s.begin, lead - s.begin));
    out += keyLine(*changedKey[n]);
    out.append(fileText.substr(s.end, s.next - s.end));
  }
  if (sectionEnd == lines.size() && !added.empty()) addHere();
  if (!sectionEnd && !added.empty()) {
    // A new section, after a blank line as between any two.
    if (!lines.empty()) {
      endLine();
      if (!trimmed(textOf(lines.back())).empty()) out += eol;
    }
    out += "[" + escapedKey(section) + "]" + eol + added;
  }
  return out;
}

}  // namespace tw
