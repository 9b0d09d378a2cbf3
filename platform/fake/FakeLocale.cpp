#include "platform/fake/FakeLocale.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <optional>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;

namespace {

// Wine's CharUpperBuffW table for the Basic Multilingual Plane, read off Wine 8 by
// upper-casing every character: characters first..last, every step-th, move by delta.
struct UpperRun {
  char32_t first;
  char32_t last;
  int step;
  int delta;
};

constexpr UpperRun kUpperRuns[] = {
    {0x0061, 0x007A, 1, -32}, {0x00E0, 0x00F6, 1, -32}, {0x00F8, 0x00FE, 1, -32},
    {0x00FF, 0x00FF, 1, 121}, {0x0101, 0x012F, 2, -1}, {0x0133, 0x0137, 2, -1},
    {0x013A, 0x0148, 2, -1}, {0x014B, 0x0177, 2, -1}, {0x017A, 0x017E, 2, -1},
    {0x0180, 0x0180, 1, 195}, {0x0183, 0x0185, 2, -1}, {0x0188, 0x0188, 1, -1},
    {0x018C, 0x018C, 1, -1}, {0x0192, 0x0192, 1, -1}, {0x0195, 0x0195, 1, 97},
    {0x0199, 0x0199, 1, -1}, {0x019A, 0x019A, 1, 163}, {0x019E, 0x019E, 1, 130},
    {0x01A1, 0x01A5, 2, -1}, {0x01A8, 0x01A8, 1, -1}, {0x01AD, 0x01AD, 1, -1},
    {0x01B0, 0x01B0, 1, -1}, {0x01B4, 0x01B6, 2, -1}, {0x01B9, 0x01B9, 1, -1},
    {0x01BD, 0x01BD, 1, -1}, {0x01BF, 0x01BF, 1, 56}, {0x01C6, 0x01C6, 1, -2},
    {0x01C9, 0x01C9, 1, -2}, {0x01CC, 0x01CC, 1, -2}, {0x01CE, 0x01DC, 2, -1},
    {0x01DD, 0x01DD, 1, -79}, {0x01DF, 0x01EF, 2, -1}, {0x01F3, 0x01F3, 1, -2},
    {0x01F5, 0x01F5, 1, -1}, {0x01F9, 0x021F, 2, -1}, {0x0223, 0x0233, 2, -1},
    {0x023C, 0x023C, 1, -1}, {0x023F, 0x0240, 1, 10815}, {0x0242, 0x0242, 1, -1},
    {0x0247, 0x024F, 2, -1}, {0x0250, 0x0250, 1, 10783}, {0x0251, 0x0251, 1, 10780},
    {0x0252, 0x0252, 1, 10782}, {0x0253, 0x0253, 1, -210}, {0x0254, 0x0254, 1, -206},
    {0x0256, 0x0257, 1, -205}, {0x0259, 0x0259, 1, -202}, {0x025B, 0x025B, 1, -203},
    {0x025C, 0x025C, 1, 42319}, {0x0260, 0x0260, 1, -205}, {0x0261, 0x0261, 1, 42315},
    {0x0263, 0x0263, 1, -207}, {0x0265, 0x0265, 1, 42280}, {0x0266, 0x0266, 1, 42308},
    {0x0268, 0x0268, 1, -209}, {0x0269, 0x0269, 1, -211}, {0x026A, 0x026A, 1, 42308},
    {0x026B, 0x026B, 1, 10743}, {0x026C, 0x026C, 1, 42305}, {0x026F, 0x026F, 1, -211},
    {0x0271, 0x0271, 1, 10749}, {0x0272, 0x0272, 1, -213}, {0x0275, 0x0275, 1, -214},
    {0x027D, 0x027D, 1, 10727}, {0x0280, 0x0280, 1, -218}, {0x0282, 0x0282, 1, 42307},
    {0x0283, 0x0283, 1, -218}, {0x0287, 0x0287, 1, 42282}, {0x0288, 0x0288, 1, -218},
    {0x0289, 0x0289, 1, -69}, {0x028A, 0x028B, 1, -217}, {0x028C, 0x028C, 1, -71},
    {0x0292, 0x0292, 1, -219}, {0x029D, 0x029D, 1, 42261}, {0x029E, 0x029E, 1, 42258},
    {0x0371, 0x0373, 2, -1}, {0x0377, 0x0377, 1, -1}, {0x037B, 0x037D, 1, 130},
    {0x03AC, 0x03AC, 1, -38}, {0x03AD, 0x03AF, 1, -37}, {0x03B1, 0x03C1, 1, -32},
    {0x03C3, 0x03CB, 1, -32}, {0x03CC, 0x03CC, 1, -64}, {0x03CD, 0x03CE, 1, -63},
    {0x03D7, 0x03D7, 1, -8}, {0x03D9, 0x03EF, 2, -1}, {0x03F2, 0x03F2, 1, 7},
    {0x03F3, 0x03F3, 1, -116}, {0x03F8, 0x03F8, 1, -1}, {0x03FB, 0x03FB, 1, -1},
    {0x0430, 0x044F, 1, -32}, {0x0450, 0x045F, 1, -80}, {0x0461, 0x0481, 2, -1},
    {0x048B, 0x04BF, 2, -1}, {0x04C2, 0x04CE, 2, -1}, {0x04CF, 0x04CF, 1, -15},
    {0x04D1, 0x052F, 2, -1}, {0x0561, 0x0586, 1, -48}, {0x10D0, 0x10FA, 1, 3008},
    {0x10FD, 0x10FF, 1, 3008}, {0x13F8, 0x13FD, 1, -8}, {0x1D79, 0x1D79, 1, 35332},
    {0x1D7D, 0x1D7D, 1, 3814}, {0x1D8E, 0x1D8E, 1, 35384}, {0x1E01, 0x1E95, 2, -1},
    {0x1EA1, 0x1EFF, 2, -1}, {0x1F00, 0x1F07, 1, 8}, {0x1F10, 0x1F15, 1, 8},
    {0x1F20, 0x1F27, 1, 8}, {0x1F30, 0x1F37, 1, 8}, {0x1F40, 0x1F45, 1, 8},
    {0x1F51, 0x1F57, 2, 8}, {0x1F60, 0x1F67, 1, 8}, {0x1F70, 0x1F71, 1, 74},
    {0x1F72, 0x1F75, 1, 86}, {0x1F76, 0x1F77, 1, 100}, {0x1F78, 0x1F79, 1, 128},
    {0x1F7A, 0x1F7B, 1, 112}, {0x1F7C, 0x1F7D, 1, 126}, {0x1F80, 0x1F87, 1, 8},
    {0x1F90, 0x1F97, 1, 8}, {0x1FA0, 0x1FA7, 1, 8}, {0x1FB0, 0x1FB1, 1, 8},
    {0x1FB3, 0x1FB3, 1, 9}, {0x1FC3, 0x1FC3, 1, 9}, {0x1FD0, 0x1FD1, 1, 8},
    {0x1FE0, 0x1FE1, 1, 8}, {0x1FE5, 0x1FE5, 1, 7}, {0x1FF3, 0x1FF3, 1, 9},
    {0x214E, 0x214E, 1, -28}, {0x2170, 0x217F, 1, -16}, {0x2184, 0x2184, 1, -1},
    {0x24D0, 0x24E9, 1, -26}, {0x2C30, 0x2C5F, 1, -48}, {0x2C61, 0x2C61, 1, -1},
    {0x2C65, 0x2C65, 1, -10795}, {0x2C66, 0x2C66, 1, -10792}, {0x2C68, 0x2C6C, 2, -1},
    {0x2C73, 0x2C73, 1, -1}, {0x2C76, 0x2C76, 1, -1}, {0x2C81, 0x2CE3, 2, -1},
    {0x2CEC, 0x2CEE, 2, -1}, {0x2CF3, 0x2CF3, 1, -1}, {0x2D00, 0x2D25, 1, -7264},
    {0x2D27, 0x2D27, 1, -7264}, {0x2D2D, 0x2D2D, 1, -7264}, {0xA641, 0xA66D, 2, -1},
    {0xA681, 0xA69B, 2, -1}, {0xA723, 0xA72F, 2, -1}, {0xA733, 0xA76F, 2, -1},
    {0xA77A, 0xA77C, 2, -1}, {0xA77F, 0xA787, 2, -1}, {0xA78C, 0xA78C, 1, -1},
    {0xA791, 0xA793, 2, -1}, {0xA794, 0xA794, 1, 48}, {0xA797, 0xA7A9, 2, -1},
    {0xA7B5, 0xA7C3, 2, -1}, {0xA7C8, 0xA7CA, 2, -1}, {0xA7D1, 0xA7D1, 1, -1},
    {0xA7D7, 0xA7D9, 2, -1}, {0xA7F6, 0xA7F6, 1, -1}, {0xAB53, 0xAB53, 1, -928},
    {0xAB70, 0xABBF, 1, -38864}, {0xFF41, 0xFF5A, 1, -32},
};

char32_t Upper(char32_t c) {
  const auto* run = std::upper_bound(std::begin(kUpperRuns), std::end(kUpperRuns), c,
                                     [](char32_t value, const UpperRun& r) { return value < r.first; });
  if (run == std::begin(kUpperRuns)) return c;
  --run;
  if (c > run->last || (c - run->first) % static_cast<char32_t>(run->step) != 0) return c;
  return static_cast<char32_t>(static_cast<std::int64_t>(c) + run->delta);
}

// Latin-1 and Latin Extended-A letters with a diacritic, as base letter and combining
// mark, so "é" equals "e" + U+0301 and sorts right after "e", as in Windows.
struct Decomposition {
  char32_t base;
  char32_t mark;
};

constexpr std::u32string_view kLatin1Bases = U"AAAAAA\0CEEEEIIII\0NOOOOO\0\0UUUUY\0\0aaaaaa\0ceeeeiiii\0nooooo\0\0uuuuy\0y"sv;
constexpr std::u32string_view kLatin1Marks =
    U"\u0300\u0301\u0302\u0303\u0308\u030A\0\u0327\u0300\u0301\u0302\u0308\u0300\u0301\u0302\u0308"
    U"\0\u0303\u0300\u0301\u0302\u0303\u0308\0\0\u0300\u0301\u0302\u0308\u0301\0\0"
    U"\u0300\u0301\u0302\u0303\u0308\u030A\0\u0327\u0300\u0301\u0302\u0308\u0300\u0301\u0302\u0308"
    U"\0\u0303\u0300\u0301\u0302\u0303\u0308\0\0\u0300\u0301\u0302\u0308\u0301\0\u0308"sv;
// U+0100..U+017F, in pairs of capital and small letter.
constexpr std::u32string_view kLatinABases =
    U"AaAaAaCcCcCcCcDd\0\0EeEeEeEeEeGgGgGgGgHh\0\0IiIiIiIiI\0\0\0JjKk\0LlLlLl\0\0\0\0NnNnNn\0\0\0"
    U"OoOoOo\0\0RrRrRrSsSsSsSsTtTt\0\0UuUuUuUuUuUuWwYyYZzZzZz\0"sv;
constexpr std::u32string_view kLatinAMarks =
    U"\u0304\u0304\u0306\u0306\u0328\u0328\u0301\u0301\u0302\u0302\u0307\u0307\u030C\u030C\u030C"
    U"\u030C\0\0\u0304\u0304\u0306\u0306\u0307\u0307\u0328\u0328\u030C\u030C\u0302\u0302\u0306"
    U"\u0306\u0307\u0307\u0327\u0327\u0302\u0302\0\0\u0303\u0303\u0304\u0304\u0306\u0306\u0328"
    U"\u0328\u0307\0\0\0\u0302\u0302\u0327\u0327\0\u0301\u0301\u0327\u0327\u030C\u030C\0\0\0\0"
    U"\u0301\u0301\u0327\u0327\u030C\u030C\0\0\0\u0304\u0304\u0306\u0306\u030B\u030B\0\0\u0301"
    U"\u0301\u0327\u0327\u030C\u030C\u0301\u0301\u0302\u0302\u0327\u0327\u030C\u030C\u0327\u0327"
    U"\u030C\u030C\0\0\u0303\u0303\u0304\u0304\u0306\u0306\u030A\u030A\u030B\u030B\u0328\u0328"
    U"\u0302\u0302\u0302\u0302\u0308\u0301\u0301\u0307\u0307\u030C\u030C\0"sv;

std::optional<Decomposition> Decompose(char32_t c) {
  if (c >= 0xC0 && c <= 0xFF && kLatin1Bases[c - 0xC0] != 0)
    return Decomposition{kLatin1Bases[c - 0xC0], kLatin1Marks[c - 0xC0]};
  if (c >= 0x100 && c <= 0x17F && kLatinABases[c - 0x100] != 0)
    return Decomposition{kLatinABases[c - 0x100], kLatinAMarks[c - 0x100]};
  return std::nullopt;
}

// Punctuation and symbols in the order Wine sorts them (read off with CompareStringW);
// all of them sort before the digits, and the digits before the letters.
constexpr std::u32string_view kSymbolOrder =
    U" \u3000\u00A0!\"#$%&()*,./:;?@[\\]^_`{|}~\u2018\u2019\u201C+<=>\u00D7\u00F7\u00A7\u00B5";

bool IsSymbol(char32_t c) {
  if (c < 0x80) return !((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'));
  if (c < 0xC0) return c != 0xAA && c != 0xBA;
  if (c == 0xD7 || c == 0xF7) return true;
  return (c >= 0x2000 && c <= 0x215F) || (c >= 0x2190 && c <= 0x245F) ||
         (c >= 0x2500 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F) ||
         (c >= 0xD800 && c <= 0xDFFF) || (c >= 0xE000 && c <= 0xF8FF);
}

// Scripts in Wine's order; a script not named here sorts by code point between Arabic
// and Hangul.
int ScriptRank(char32_t c) {
  if (c < 0x370 || (c >= 0x1E00 && c <= 0x1EFF) || (c >= 0x2C60 && c <= 0x2C7F) ||
      (c >= 0xA720 && c <= 0xA7FF))
    return 0;
  if (c < 0x400 || (c >= 0x1F00 && c <= 0x1FFF)) return 1;
  if (c < 0x530 || (c >= 0x2DE0 && c <= 0x2DFF) || (c >= 0xA640 && c <= 0xA69F)) return 2;
  if (c < 0x590) return 3;
  if (c >= 0x3040 && c <= 0x30FF) return 4;
  if (c < 0x600) return 5;
  if (c < 0x700) return 6;
  if ((c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F) || (c >= 0xAC00 && c <= 0xD7AF))
    return 8;
  if ((c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF))
    return 9;
  return 7;
}

// A sort key in levels, as Windows builds one: what the characters are (primary), their
// diacritics, their width and kana type, their case, and last the hyphens and
// apostrophes, which a word sort sets aside so "co-op" sorts beside "coop".
struct SortKey {
  std::vector<std::uint64_t> primary;
  std::vector<std::uint32_t> diacritic;
  std::vector<std::uint8_t> width;
  std::vector<std::uint8_t> letterCase;
  std::vector<std::uint64_t> special;
};

void AddLetter(SortKey& key, char32_t c, std::uint32_t diacritic, std::uint8_t width) {
  const char32_t upper = Upper(c);
  std::uint64_t cls;
  std::uint64_t weight = upper;
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
    cls = 0;
  } else if (IsSymbol(c)) {
    cls = 1;
    const size_t pos = kSymbolOrder.find(c);
    weight = pos == std::u32string_view::npos ? 0x100 + c : pos;
  } else if (c >= U'0' && c <= U'9') {
    cls = 2;
  } else if (c >= 0x2160 && c <= 0x2188) {
    cls = 3;
  } else {
    cls = 4 + static_cast<std::uint64_t>(ScriptRank(upper));
  }
  key.primary.push_back(cls << 40 | weight);
  key.diacritic.push_back(diacritic);
  key.width.push_back(width);
  // Small letters sort before capitals.
  key.letterCase.push_back(upper != c ? 0 : 1);
}

// Fills `key` afresh; the caller keeps the key between calls, so a sort of many rows
// reuses its buffers instead of allocating five vectors per string and comparison.
void MakeSortKey(std::wstring_view text, SortKey& key) {
  key.primary.clear();
  key.diacritic.clear();
  key.width.clear();
  key.letterCase.clear();
  key.special.clear();
  for (wchar_t wc : text) {
    char32_t c = static_cast<char32_t>(wc);
    if (c == U'\'' || c == U'-') {
      key.special.push_back(static_cast<std::uint64_t>(key.primary.size()) << 32 | c);
      continue;
    }
    if (c >= 0x300 && c <= 0x36F && !key.primary.empty()) {
      key.diacritic.back() = key.diacritic.back() * 0x70 + (c - 0x2FF);
      continue;
    }
    // Letters Windows treats as two, and the compatibility signs equal to a letter.
    switch (c) {
      case 0xDF: AddLetter(key, U's', 0, 0); c = U's'; break;
      case 0x1E9E: AddLetter(key, U'S', 0, 0); c = U'S'; break;
      case 0xE6: AddLetter(key, U'a', 0, 0); c = U'e'; break;
      case 0xC6: AddLetter(key, U'A', 0, 0); c = U'E'; break;
      case 0x153: AddLetter(key, U'o', 0, 0); c = U'e'; break;
      case 0x152: AddLetter(key, U'O', 0, 0); c = U'E'; break;
      case 0x212A: c = U'K'; break;
      case 0x212B: c = 0xC5; break;
      case 0x2126: c = 0x3A9; break;
      case 0x3C2: c = 0x3C3; break;  // final sigma is a sigma
      default: break;
    }
    std::uint8_t width = 0;
    if (c >= 0xFF01 && c <= 0xFF5E) {
      c -= 0xFEE0;
      width = 1;
    } else if (c >= 0x30A1 && c <= 0x30F6) {
      c -= 0x60;
      width = 2;
    } else if (c >= 0x3041 && c <= 0x3096) {
      width = 3;
    }
    if (const auto parts = Decompose(c)) {
      AddLetter(key, parts->base, parts->mark - 0x2FF, width);
    } else {
      AddLetter(key, c, 0, width);
    }
  }
}

template <typename T>
int CompareLevel(const std::vector<T>& a, const std::vector<T>& b) {
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  if (ia == a.end() && ib == b.end()) return 0;
  if (ia == a.end()) return -1;
  if (ib == b.end()) return 1;
  return *ia < *ib ? -1 : 1;
}

int CompareKeys(const SortKey& a, const SortKey& b, bool ignoreCase) {
  if (int r = CompareLevel(a.primary, b.primary)) return r;
  if (int r = CompareLevel(a.diacritic, b.diacritic)) return r;
  if (int r = CompareLevel(a.width, b.width)) return r;
  if (!ignoreCase)
    if (int r = CompareLevel(a.letterCase, b.letterCase)) return r;
  return CompareLevel(a.special, b.special);
}

}  // namespace

wchar_t LocaleUpperChar(wchar_t c) {
  const auto code = static_cast<char32_t>(c);
  return code > 0xFFFF ? c : static_cast<wchar_t>(Upper(code));
}

FakeLocale::FakeLocale() {
  // The locales a test is likely to pick; Windows gives every locale of a language the
  // same two letters, and three to languages without a two-letter code.
  languages_ = {
      {0x0401, L"ar"}, {0x0404, L"zh"}, {0x0407, L"de"}, {0x0409, L"en"}, {0x040A, L"es"},
      {0x040C, L"fr"}, {0x0410, L"it"}, {0x0411, L"ja"}, {0x0412, L"ko"}, {0x0416, L"pt"},
      {0x0419, L"ru"}, {0x041F, L"tr"}, {0x0457, L"kok"}, {0x0475, L"haw"}, {0x0804, L"zh"},
      {0x0807, L"de"}, {0x0809, L"en"}, {0x0C04, L"zh"}, {0x0C07, L"de"}, {0x0C0A, L"es"},
      {0x1004, L"zh"}, {0x007F, L"iv"},
  };
}

LCID FakeLocale::GetUserDefaultLCID() {
  std::lock_guard lock(mutex_);
  return user_;
}

int FakeLocale::GetLocaleInfoW(LCID locale, LCTYPE type, wchar_t* data, int size, DWORD* error) {
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check("GetLocaleInfoW")) {
    *error = *fault;
    return 0;
  }
  if (size < 0 || (size > 0 && data == nullptr)) {
    *error = ERROR_INVALID_PARAMETER;
    return 0;
  }
  if (locale == LOCALE_USER_DEFAULT || locale == LOCALE_SYSTEM_DEFAULT) locale = user_;
  const auto found = languages_.find(locale);
  if (found == languages_.end()) {
    *error = ERROR_INVALID_PARAMETER;
    return 0;
  }
  if (type != LOCALE_SISO639LANGNAME) {
    *error = ERROR_INVALID_FLAGS;
    return 0;
  }
  const std::wstring& name = found->second;
  const int needed = static_cast<int>(name.size()) + 1;
  if (size == 0) return needed;
  if (size < needed) {
    *error = ERROR_INSUFFICIENT_BUFFER;
    return 0;
  }
  std::copy(name.begin(), name.end(), data);
  data[name.size()] = L'\0';
  return needed;
}

int FakeLocale::CompareStringW(LCID locale, DWORD flags, const wchar_t* string1, int count1,
                               const wchar_t* string2, int count2, DWORD* error) {
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  {
    std::lock_guard lock(mutex_);
    if (auto fault = faults.Check("CompareStringW")) {
      *error = *fault;
      return 0;
    }
    if (locale == LOCALE_USER_DEFAULT || locale == LOCALE_SYSTEM_DEFAULT) locale = user_;
    if (languages_.count(locale) == 0) {
      *error = ERROR_INVALID_PARAMETER;
      return 0;
    }
  }
  if ((flags & ~NORM_IGNORECASE) != 0) {
    *error = ERROR_INVALID_FLAGS;
    return 0;
  }
  if (string1 == nullptr || string2 == nullptr || count1 < -1 || count2 < -1) {
    *error = ERROR_INVALID_PARAMETER;
    return 0;
  }
  const std::wstring_view a(string1, count1 == -1 ? std::wcslen(string1) : static_cast<size_t>(count1));
  const std::wstring_view b(string2, count2 == -1 ? std::wcslen(string2) : static_cast<size_t>(count2));
  if (a == b) return CSTR_EQUAL;
  // One pair of keys for every comparison, behind a lock of its own. Not thread_local:
  // in the mingw-w64 build, thread_local keys on the list's reader threads were freed a
  // second time as those threads ended, and Wine's heap checking failed the run.
  static std::mutex keysMutex;
  static SortKey keyA;
  static SortKey keyB;
  std::lock_guard keysLock(keysMutex);
  MakeSortKey(a, keyA);
  MakeSortKey(b, keyB);
  const int order = CompareKeys(keyA, keyB, (flags & NORM_IGNORECASE) != 0);
  return order < 0 ? CSTR_LESS_THAN : order > 0 ? CSTR_GREATER_THAN : CSTR_EQUAL;
}

DWORD FakeLocale::CharUpperBuffW(wchar_t* text, DWORD length) {
  // Counted only: the real call has no failure to model.
  (void)faults.Check("CharUpperBuffW");
  if (text == nullptr) return 0;
  for (DWORD i = 0; i < length; ++i) text[i] = LocaleUpperChar(text[i]);
  return length;
}

void FakeLocale::SetUserLocale(LCID locale) {
  std::lock_guard lock(mutex_);
  user_ = locale;
}

void FakeLocale::SetLanguageName(LCID locale, std::wstring name) {
  std::lock_guard lock(mutex_);
  languages_[locale] = std::move(name);
}
