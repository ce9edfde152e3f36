#include "settings/settings_escapes.h"

namespace tw {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void appendUtf8(std::string& out, unsigned code) {
  if (code >= 0xD800 && code <= 0xDFFF) code = 0xFFFD;  // half of a pair, alone
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The length of the UTF-8 character at the start of `s`, or 0 when its bytes are no character.
std::size_t utf8Length(std::string_view s) {
  const auto b = static_cast<unsigned char>(s[0]);
  std::size_t n = b < 0x80                 ? 1
                  : b >= 0xC2 && b <= 0xDF ? 2
                  : b >= 0xE0 && b <= 0xEF ? 3
                  : b >= 0xF0 && b <= 0xF4 ? 4
                                           : 0;
  if (n == 0 || n > s.size()) return 0;
  for (std::size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
  const auto b1 = static_cast<unsigned char>(s[1 % n]);
  if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 > 0x9F) || (b == 0xF0 && b1 < 0x90) ||
      (b == 0xF4 && b1 > 0x8F))
    return 0;  // overlong, a UTF-16 half, or past U+10FFFF
  return n;
}

// The text with every byte that is no part of a UTF-8 character left out.
void appendValidUtf8(std::string& out, std::string_view s) {
  while (!s.empty()) {
    const std::size_t n = utf8Length(s);
    if (n) out.append(s.substr(0, n));
    s.remove_prefix(n ? n : 1);
  }
}

}  // namespace

std::string unescapedKey(std::string_view raw) {
  std::string clean;
  appendValidUtf8(clean, raw);
  std::string key;
  for (std::size_t i = 0; i < clean.size();) {
    const char c = clean[i];
    if (c == '\\') {
      key += '/';
      ++i;
      continue;
    }
    const bool wide = c == '%' && i + 1 < clean.size() && clean[i + 1] == 'U';
    const std::size_t first = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
    unsigned code = 0;
    bool ok = c == '%' && first + digits <= clean.size();
    for (std::size_t d = 0; ok && d < digits; ++d) {
      const int h = hexValue(clean[first + d]);
      ok = h >= 0;
      code = code * 16 + static_cast<unsigned>(h);
    }
    if (!ok) {
      key += c;
      ++i;
      continue;
    }
    appendUtf8(key, code);
    i = first + digits;
  }
  return key;
}

std::string escapedKey(std::string_view key) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < key.size();) {
    const auto c = static_cast<unsigned char>(key[i]);
    if (c == '/') {
      out += '\\';
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '.') {
      out += static_cast<char>(c);
    } else if (c < 0x80) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      // A character past ASCII: "%XX" up to U+00FF, else "%UXXXX".
      const std::size_t n = utf8Length(key.substr(i));
      unsigned code = n ? c & (0x7F >> n) : 0xFFFD;
      for (std::size_t k = 1; k < n; ++k)
        code = code << 6 | (static_cast<unsigned char>(key[i + k]) & 0x3F);
      if (code > 0xFFFF) code = 0xFFFD;
      if (code <= 0xFF) {
        out += '%';
      } else {
        out += "%U";
        out += kHex[code >> 12];
        out += kHex[(code >> 8) & 15];
      }
      out += kHex[(code >> 4) & 15];
      out += kHex[code & 15];
      i += n ? n : 1;
      continue;
    }
    ++i;
  }
  return out;
}

std::string escapedValue(std::string_view text) {
  // The leading "@" marks a typed value in the file; a text that starts with one doubles it.
  std::string plain;
  if (text.find('\0') != std::string_view::npos) {
    plain = "@String(" + std::string(text) + ")";
  } else {
    plain = text.starts_with('@') ? "@" + std::string(text) : std::string(text);
  }
  std::string out;
  bool quotes = false, escapeNextIfHex = false;
  for (const char ch : plain) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == ';' || c == ',' || c == '=') quotes = true;
    if (escapeNextIfHex && hexValue(ch) >= 0) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      if (c >> 4) out += kHex[c >> 4];
      out += kHex[c & 15];
      continue;
    }
    escapeNextIfHex = false;
    switch (c) {
      case '\0': out += "\\0", escapeNextIfHex = true; break;
      case '\a': out += "\\a"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\v': out += "\\v"; break;
      case '"':
      case '\\': out += '\\', out += ch; break;
      default:
        if (c <= 0x1F) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\x";
          if (c >> 4) out += kHex[c >> 4];
          out += kHex[c & 15];
          escapeNextIfHex = true;
        } else {
          out += ch;
        }
    }
  }
  if (quotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
  return out;
}

std::string unquoted(std::string_view raw) {
  std::string out;
  std::size_t i = 0, keepFrom = 0;  // blanks at the end are cut back to keepFrom, no further
  bool quoted = false, anyQuote = false;
  const auto skipBlanks = [&] {
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
  };
  skipBlanks();
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == '\\') {
      if (++i >= raw.size()) break;
      const char e = raw[i++];
      static constexpr std::string_view kFrom = "abfnrtv\"?'\\", kTo = "\a\b\f\n\r\t\v\"?'\\";
      if (const std::size_t k = kFrom.find(e); k != std::string_view::npos) {
        out += kTo[k];
      } else if (e == 'x' || (e >= '0' && e <= '7')) {
        const int base = e == 'x' ? 16 : 8;
        unsigned code = e == 'x' ? 0 : static_cast<unsigned>(e - '0');
        std::size_t digits = e == 'x' ? 0 : 1;
        for (int d; i < raw.size() && (d = hexValue(raw[i])) >= 0 && d < base; ++i, ++digits)
          code = (code * static_cast<unsigned>(base) + static_cast<unsigned>(d)) & 0xFFFF;
        if (digits) appendUtf8(out, code);
      }  // any other escaped character is dropped
      keepFrom = out.size();
    } else if (c == '"') {
      ++i;
      quoted = !quoted;
      anyQuote = true;
      if (!quoted) skipBlanks();
    } else {
      std::size_t j = i + 1;
      while (j < raw.size() && raw[j] != '\\' && raw[j] != '"') ++j;
      appendValidUtf8(out, raw.substr(i, j - i));
      i = j;
    }
  }
  if (!anyQuote)
    while (out.size() > keepFrom && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
  return out;
}

bool isMarkedInvalid(std::string_view raw) { return unquoted(raw) == "@Invalid()"; }

std::string unescapedValue(std::string_view raw) {
  std::string out = unquoted(raw);
  if (out.starts_with('@') && out.ends_with(')')) {
    if (out.starts_with("@String(")) return out.substr(8, out.size() - 9);
    if (out.starts_with("@ByteArray(")) return out.substr(11, out.size() - 12);
  }
  if (out.starts_with("@@")) out.erase(0, 1);
  return out;
}

}  // namespace tw
