// Reading the server's reply. The reply is JSON, but its string fields are found with a
// small extractor rather than a parser: the server writes them in one fixed spelling, and
// the filter-list arrays are left to the window's own JSON parser.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// A backslash-u escape that is not a hexadecimal number.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The stretch of text after the first occurrence of startKey, up to (not including) the
// first endDelimiter after it; empty when either is missing. Keys match without regard
// to the case of a-z. When the delimiter is a quote, a quote behind an odd number of
// backslashes is part of the value, not a quote, for the key and for the end alike. An
// empty key starts at the beginning, an empty delimiter runs to the end. The result is
// not unescaped.
std::wstring ExtractBetween(std::wstring_view text, std::wstring_view startKey,
                            std::wstring_view endDelimiter);

// Undoes JSON-style escapes. Unknown escapes and a trailing backslash vanish; \u takes
// the next four characters (or those left) as one UTF-16 code unit, and throws
// ConvertError when they are not all hexadecimal digits or there are none.
std::wstring UnescapeText(std::wstring_view text);
// UnescapeText for one value of a reply: a conversion error makes the value empty. A
// reply comes from whoever answers on the network, and one bad value must not stop the
// dialog, the status bar or the filling of the list.
std::wstring UnescapeValue(std::wstring_view text);

// The four notice fields of "info", read the way the update dialog reads them.
struct TUpdateNotice {
  std::wstring Style;
  std::wstring Text;
  std::wstring Flag;
  std::wstring Url;

  // "stayontop" anywhere in the flag, in lower case, keeps the dialog above others.
  bool StaysOnTop() const { return Flag.find(L"stayontop") != std::wstring::npos; }
};

// The "info" object runs to its first closing brace. A field with a bad escape is
// empty (UnescapeValue).
TUpdateNotice ReadNotice(std::wstring_view reply);
