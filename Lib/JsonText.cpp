#include "Lib/JsonText.h"

#include <cstdio>

#include "Lib/Common.h"
#include "platform/Utf8.h"

namespace {

// U+FDD0 is a noncharacter, set aside for a program's internal use. In a parsed string it
// introduces a lone surrogate's four hexadecimal digits; a U+FDD0 of the text itself is
// doubled, so nothing the text holds is taken for the mark.
constexpr char kMark[] = "\xEF\xB7\x90";
constexpr wchar_t kWideMark = 0xFDD0;

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The unit of a "\uXXXX" escape starting at text[at]; -1 when there is none.
long EscapedUnit(std::string_view text, size_t at) {
  if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u') return -1;
  long unit = 0;
  for (size_t i = at + 2; i < at + 6; ++i) {
    const int digit = HexValue(text[i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

void AppendEscape(std::string& out, unsigned unit) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, "\\u%04x", unit);
  out += escaped;
}

// The JSON text with every lone surrogate escape inside a string turned into the mark
// and its digits, and every mark of the text doubled; the rest is copied as it is.
std::string MarkLoneSurrogates(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool inString = false;
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (!inString) {
      if (c == '"') inString = true;
      out += c;
      ++i;
      continue;
    }
    if (c == '"') {
      inString = false;
      out += c;
      ++i;
      continue;
    }
    if (text.compare(i, 3, kMark) == 0) {
      out += kMark;
      out += kMark;
      i += 3;
      continue;
    }
    if (c != '\\' || i + 1 >= text.size()) {
      out += c;
      ++i;
      continue;
    }
    const long unit = EscapedUnit(text, i);
    if (unit < 0) {  // any other escape, or a broken one the parser will refuse
      out.append(text.substr(i, 2));
      i += 2;
      continue;
    }
    if (IsHighSurrogate(static_cast<unsigned>(unit))) {
      const long next = EscapedUnit(text, i + 6);
      if (next >= 0 && IsLowSurrogate(static_cast<unsigned>(next))) {
        out.append(text.substr(i, 12));  // a pair: a character like any other
        i += 12;
        continue;
      }
    }
    if (IsHighSurrogate(static_cast<unsigned>(unit)) || IsLowSurrogate(static_cast<unsigned>(unit))) {
      char digits[5];
      std::snprintf(digits, sizeof digits, "%04x", static_cast<unsigned>(unit));
      out += kMark;
      out += digits;
    } else if (unit == kWideMark) {
      out += kMark;
      out += kMark;
    } else {
      out.append(text.substr(i, 6));
    }
    i += 6;
  }
  return out;
}

}  // namespace

std::string JsonQuote(std::wstring_view text) {
  std::string out = "\"";
  std::wstring run;  // characters that go out as UTF-8 unchanged
  auto flush = [&] {
    out += WideToUtf8(run);
    run.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const auto unit = static_cast<unsigned>(text[i]);
    // Where wchar_t is 32 bits a pair was joined on the way in, so two surrogates side by
    // side are two lone ones.
    if (sizeof(wchar_t) == 2 && IsHighSurrogate(unit) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<unsigned>(text[i + 1]))) {
      run += text[i];
      run += text[++i];
      continue;
    }
    if (unit >= 0x20 && unit != '"' && unit != '\\' && !IsHighSurrogate(unit) &&
        !IsLowSurrogate(unit)) {
      run += text[i];
      continue;
    }
    flush();
    switch (unit) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: AppendEscape(out, unit);
    }
  }
  flush();
  return out + '"';
}

std::optional<nlohmann::json> ParseJsonLossless(std::string_view utf8) {
  try {
    return ParseJsonText(MarkLoneSurrogates(utf8));
  } catch (const std::exception&) {
    return std::nullopt;  // out of memory
  }
}

std::wstring JsonWide(const std::string& utf8) {
  const std::wstring decoded = Utf8ToWide(utf8);
  if (decoded.find(kWideMark) == std::wstring::npos) return decoded;
  std::wstring text;
  text.reserve(decoded.size());
  for (size_t i = 0; i < decoded.size(); ++i) {
    if (decoded[i] != kWideMark) {
      text += decoded[i];
      continue;
    }
    if (i + 1 < decoded.size() && decoded[i + 1] == kWideMark) {
      text += kWideMark;
      ++i;
      continue;
    }
    unsigned unit = 0;
    size_t digits = 0;
    for (; digits < 4 && i + 1 + digits < decoded.size(); ++digits) {
      const wchar_t c = decoded[i + 1 + digits];
      const int value = c < 0x80 ? HexValue(static_cast<char>(c)) : -1;
      if (value < 0) break;
      unit = unit * 16 + static_cast<unsigned>(value);
    }
    if (digits < 4) {  // not a mark of ours: keep the character
      text += kWideMark;
      continue;
    }
    AppendUtf16CodeUnit(text, static_cast<char16_t>(unit));
    i += 4;
  }
  return text;
}
