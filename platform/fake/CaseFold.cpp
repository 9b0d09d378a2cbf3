#include "platform/fake/CaseFold.h"

namespace {

// Latin Extended-A and most of Cyrillic pair each capital with the small letter right
// after it; `upperParity` says whether the capitals sit on even or odd code points.
char32_t FoldPair(char32_t c, char32_t upperParity) { return (c % 2 == upperParity) ? c : c - 1; }

char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
  if (c < 0x100) {
    if (c == 0xB5) return 0x39C;  // micro sign upper-cases to capital mu
    if (c == 0xFF) return 0x178;
    if (c >= 0xE0 && c != 0xF7 && c != 0xDF) return c - 0x20;  // sharp s has no capital
    return c;
  }
  // Dotted and dotless i (0x130, 0x131) and long s stay as they are: their capitals are
  // plain ASCII letters, which would make names equal that Windows keeps apart.
  if (c >= 0x100 && c <= 0x12F) return FoldPair(c, 0);
  if (c >= 0x132 && c <= 0x137) return FoldPair(c, 0);
  if (c >= 0x139 && c <= 0x148) return FoldPair(c, 1);
  if (c >= 0x14A && c <= 0x177) return FoldPair(c, 0);
  if (c >= 0x179 && c <= 0x17E) return FoldPair(c, 1);
  // Greek.
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x3B1 && c <= 0x3CB) return c - 0x20;
  if (c == 0x3CC) return 0x38C;
  if (c >= 0x3CD && c <= 0x3CE) return c - 0x3F;
  // Cyrillic.
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (c >= 0x460 && c <= 0x481) return FoldPair(c, 0);
  if (c >= 0x48A && c <= 0x4BF) return FoldPair(c, 0);
  if (c == 0x4CF) return 0x4C0;
  if (c >= 0x4C1 && c <= 0x4CE) return FoldPair(c, 1);
  if (c >= 0x4D0 && c <= 0x52F) return FoldPair(c, 0);
  // Full-width Latin small letters.
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;
  return c;
}

}  // namespace

wchar_t FoldChar(wchar_t c) {
  // Only code points below 0x10000 change, so a UTF-16 surrogate (Windows) or a code
  // point above the BMP (Linux) passes through either way.
  const auto code = static_cast<char32_t>(c);
  return code > 0xFFFF ? c : static_cast<wchar_t>(Fold(code));
}

std::wstring FoldCase(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) c = FoldChar(c);
  return folded;
}

bool SameFolded(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  return true;
}
