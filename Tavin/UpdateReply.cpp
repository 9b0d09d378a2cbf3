#include "Tavin/UpdateReply.h"

#include <vector>

#include "Tavin/Text.h"
#include "platform/Utf8.h"

namespace {

bool IsQuote(wchar_t c) { return c == L'"' || c == L'\''; }

// Marks the quotes that sit behind an odd run of backslashes. Such a quote is escaped;
// behind an even run (none, or escaped backslashes) it is a plain quote.
std::vector<bool> EscapedQuotes(std::wstring_view text) {
  std::vector<bool> escaped(text.size(), false);
  size_t backslashes = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsQuote(text[i]) && backslashes % 2 == 1) escaped[i] = true;
    backslashes = text[i] == L'\\' ? backslashes + 1 : 0;
  }
  return escaped;
}

// First position at or after `from` where `needle` matches the upper-cased text, a quote
// of the needle never matching an escaped quote.
size_t Find(const std::wstring& upper, const std::vector<bool>* escaped, const std::wstring& needle,
            size_t from) {
  if (needle.size() > upper.size()) return std::wstring::npos;
  for (size_t start = from; start + needle.size() <= upper.size(); ++start) {
    bool match = true;
    for (size_t k = 0; k < needle.size() && match; ++k) {
      const size_t at = start + k;
      match = upper[at] == needle[k] && !(escaped != nullptr && IsQuote(needle[k]) && (*escaped)[at]);
    }
    if (match) return start;
  }
  return std::wstring::npos;
}

bool HexDigitValue(wchar_t c, unsigned& value) {
  if (c >= L'0' && c <= L'9') value = static_cast<unsigned>(c - L'0');
  else if (c >= L'a' && c <= L'f') value = static_cast<unsigned>(c - L'a' + 10);
  else if (c >= L'A' && c <= L'F') value = static_cast<unsigned>(c - L'A' + 10);
  else return false;
  return true;
}

}  // namespace

std::wstring ExtractBetween(std::wstring_view text, std::wstring_view startKey,
                            std::wstring_view endDelimiter) {
  // Upper-casing a-z keeps every length, so a position in the copy is the same position
  // in the text.
  const std::wstring upper = UpperCaseAscii(text);
  const std::wstring key = UpperCaseAscii(startKey);
  const std::wstring end = UpperCaseAscii(endDelimiter);
  std::vector<bool> escaped;
  const bool quoted = end.size() == 1 && IsQuote(end[0]);
  if (quoted) escaped = EscapedQuotes(text);
  const std::vector<bool>* rule = quoted ? &escaped : nullptr;

  size_t start = 0;
  if (!key.empty()) {
    const size_t found = Find(upper, rule, key, 0);
    if (found == std::wstring::npos) return {};
    start = found + key.size();
  }
  size_t stop = text.size();
  if (!end.empty()) {
    stop = Find(upper, rule, end, start);
    if (stop == std::wstring::npos) return {};
  }
  return std::wstring(text.substr(start, stop - start));
}

std::wstring UnescapeText(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const wchar_t c = text[i];
    if (c != L'\\') {
      out.push_back(c);
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone backslash at the end says nothing
    const wchar_t code = text[i + 1];
    i += 2;
    switch (code) {
      case L'"': out.push_back(L'"'); break;
      case L'\'': out.push_back(L'\''); break;
      case L'/': out.push_back(L'/'); break;
      case L'\\': out.push_back(L'\\'); break;
      case L'b': out.push_back(L'\b'); break;
      case L'f': out.push_back(L'\f'); break;
      case L'n': out.push_back(L'\n'); break;
      case L'r': out.push_back(L'\r'); break;
      case L't': out.push_back(L'\t'); break;
      case L'u': {
        const std::wstring_view digits = text.substr(i, 4);
        unsigned value = 0;
        bool valid = !digits.empty();
        for (wchar_t digit : digits) {
          unsigned nibble = 0;
          valid = valid && HexDigitValue(digit, nibble);
          value = value * 16 + nibble;
        }
        if (!valid)
          throw ConvertError("'" + WideToUtf8(digits) + "' is not a valid hexadecimal escape");
        AppendUtf16CodeUnit(out, static_cast<char16_t>(value));
        i += digits.size();
        break;
      }
      default:
        break;  // an escape nobody defined: both characters are dropped
    }
  }
  return out;
}

std::wstring UnescapeValue(std::wstring_view text) {
  try {
    return UnescapeText(text);
  } catch (const ConvertError&) {
    return {};
  }
}

TUpdateNotice ReadNotice(std::wstring_view reply) {
  const std::wstring info = ExtractBetween(reply, L"\"info\":{", L"}");
  TUpdateNotice notice;
  notice.Style = UnescapeValue(ExtractBetween(info, L"\"style\":\"", L"\""));
  notice.Text = UnescapeValue(ExtractBetween(info, L"\"text\":\"", L"\""));
  notice.Flag = UnescapeValue(ExtractBetween(info, L"\"flag\":\"", L"\""));
  notice.Url = UnescapeValue(ExtractBetween(info, L"\"url\":\"", L"\""));
  return notice;
}
