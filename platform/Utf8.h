// UTF-8 <-> UTF-16 text. The only code that cares whether wchar_t is 16 or 32 bits.
#pragma once

#include <string>
#include <string_view>

// Invalid sequences become U+FFFD; nothing throws.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// Registry strings are stored as UTF-16LE bytes on every system; these convert between
// such bytes and text. An odd trailing byte is ignored.
std::wstring Utf16LeBytesToWide(const unsigned char* bytes, size_t count);
std::string WideToUtf16LeBytes(std::wstring_view text);

// Appends one UTF-16 code unit. Where wchar_t is 32 bits, a low surrogate right after a
// high one joins it into the character the pair stands for; any other unit, a lone
// surrogate included, is kept as its own value.
void AppendUtf16CodeUnit(std::wstring& text, char16_t unit);
