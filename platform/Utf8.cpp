#include "platform/Utf8.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendWide(std::wstring& out, char32_t cp) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(cp));
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::wstring Utf8ToWide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      length = 1;
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      cp = lead & 0x07;
    } else {
      AppendWide(out, kReplacement);
      ++i;
      continue;
    }
    bool valid = i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        length = k;
        break;
      }
      cp = (cp << 6) | (next & 0x3F);
    }
    if (!valid) {
      AppendWide(out, kReplacement);
      i += (i + length <= text.size()) ? length : 1;
      continue;
    }
    const bool overlong = (length == 2 && cp < 0x80) || (length == 3 && cp < 0x800) ||
                          (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    AppendWide(out, cp);
    i += length;
  }
  return out;
}

std::string WideToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
        const char32_t low = static_cast<char32_t>(text[i + 1]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          ++i;
        }
      }
    } else {
      cp &= 0xFFFFFFFF;
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacement;
    AppendUtf8(out, cp);
  }
  return out;
}

std::wstring Utf16LeBytesToWide(const unsigned char* bytes, size_t count) {
  std::wstring out;
  out.reserve(count / 2);
  for (size_t i = 0; i + 1 < count; i += 2) {
    char32_t unit = static_cast<char32_t>(bytes[i] | (bytes[i + 1] << 8));
    if constexpr (sizeof(wchar_t) == 4) {
      // Join surrogate pairs into one code point; a lone surrogate becomes U+FFFD.
      if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < count) {
        const char32_t low = static_cast<char32_t>(bytes[i + 2] | (bytes[i + 3] << 8));
        if (low >= 0xDC00 && low <= 0xDFFF) {
          out.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
          i += 2;
          continue;
        }
      }
      if (unit >= 0xD800 && unit <= 0xDFFF) unit = kReplacement;
    }
    out.push_back(static_cast<wchar_t>(unit));
  }
  return out;
}

std::string WideToUtf16LeBytes(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  auto put = [&out](char32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>((unit >> 8) & 0xFF));
  };
  for (wchar_t c : text) {
    char32_t cp = static_cast<char32_t>(c);
    if (sizeof(wchar_t) == 4 && cp >= 0x10000 && cp <= 0x10FFFF) {
      cp -= 0x10000;
      put(0xD800 + (cp >> 10));
      put(0xDC00 + (cp & 0x3FF));
    } else {
      put(cp > 0x10FFFF ? kReplacement : cp);
    }
  }
  return out;
}

void AppendUtf16CodeUnit(std::wstring& text, char16_t unit) {
  if constexpr (sizeof(wchar_t) == 4) {
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (low && !text.empty()) {
      const auto previous = static_cast<char32_t>(text.back());
      if (previous >= 0xD800 && previous <= 0xDBFF) {
        text.back() = static_cast<wchar_t>(0x10000 + ((previous - 0xD800) << 10) + (unit - 0xDC00));
        return;
      }
    }
  }
  text.push_back(static_cast<wchar_t>(unit));
}
