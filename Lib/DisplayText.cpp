#include "Lib/DisplayText.h"

#include <cwchar>

namespace {

bool IsSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::wstring VisibleText(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto unit = static_cast<unsigned>(text[i]);
    if (sizeof(wchar_t) == 2 && IsHighSurrogate(unit) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<unsigned>(text[i + 1]))) {
      out += text[i];
      out += text[++i];
      continue;
    }
    wchar_t escaped[8] = {};
    if (unit == L'\r') {
      out += L"\\r";
    } else if (unit == L'\n') {
      out += L"\\n";
    } else if (unit == L'\t') {
      out += L"\\t";
    } else if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
      std::swprintf(escaped, 8, L"\\x%02X", unit);
      out += escaped;
    } else if (IsSurrogate(unit)) {
      std::swprintf(escaped, 8, L"\\u%04X", unit);
      out += escaped;
    } else {
      out += text[i];
    }
  }
  return out;
}
