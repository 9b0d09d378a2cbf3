// Comparisons and upper-casing as Wine 8's CompareStringW and CharUpperBuffW give them
// with LOCALE_USER_DEFAULT (en-US) and NORM_IGNORECASE. The native tests hold the fake
// locale to these; the Windows tests hold Wine to them, so the fake cannot drift from
// what the real calls do.
#pragma once

#include "platform/WinTypes.h"
#include "platform/Locale.h"

struct CompareCase {
  const wchar_t* a;
  const wchar_t* b;
  int expected;  // CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN
};

inline constexpr CompareCase kCompareCases[] = {
    // Case is ignored in every script the lists and names use.
    {L"abc", L"ABC", CSTR_EQUAL},
    {L"\u0430\u0431\u0432", L"\u0410\u0411\u0412", CSTR_EQUAL},  // Cyrillic
    {L"\u0451", L"\u0401", CSTR_EQUAL},                          // yo
    {L"\u00e9", L"\u00c9", CSTR_EQUAL},                          // e acute
    {L"\u00ff", L"\u0178", CSTR_EQUAL},                          // y diaeresis
    {L"\u0100", L"\u0101", CSTR_EQUAL},                          // A macron
    {L"\u04d0", L"\u04d1", CSTR_EQUAL},                          // A breve (Cyrillic)
    {L"\u0561", L"\u0531", CSTR_EQUAL},                          // Armenian
    {L"\u03a3", L"\u03c2", CSTR_EQUAL},                          // sigma and final sigma
    {L"\u01c4", L"\u01c6", CSTR_EQUAL},                          // DZ caron
    {L"\u2160", L"\u2170", CSTR_EQUAL},                          // Roman numeral one
    {L"\u24b6", L"\u24d0", CSTR_EQUAL},                          // circled A
    // Diacritics are not ignored, but a precomposed letter equals its decomposed form.
    {L"\u00e9", L"e", CSTR_GREATER_THAN},
    {L"\u00e9", L"e\u0301", CSTR_EQUAL},
    {L"\u00e9", L"f", CSTR_LESS_THAN},
    {L"\u0160koda", L"SKODA", CSTR_GREATER_THAN},
    {L"\u0160KODA", L"s\u030Ckoda", CSTR_EQUAL},
    // Letters Windows expands, and signs that are letters in disguise.
    {L"stra\u00dfe", L"STRASSE", CSTR_EQUAL},
    {L"\u00df", L"ss", CSTR_EQUAL},
    {L"\u1e9e", L"\u00df", CSTR_EQUAL},
    {L"\u00e6", L"AE", CSTR_EQUAL},
    {L"\u00c5", L"\u212b", CSTR_EQUAL},
    {L"K", L"\u212a", CSTR_EQUAL},
    // Letters whose capitals are other letters stay apart from them.
    {L"\u00b5", L"\u039c", CSTR_LESS_THAN},   // micro sign and capital mu
    {L"\u0131", L"I", CSTR_GREATER_THAN},     // dotless i
    {L"\u0130", L"i", CSTR_GREATER_THAN},     // dotted capital I
    {L"A", L"\uff21", CSTR_LESS_THAN},        // width counts
    {L"\u3042", L"\u30a2", CSTR_GREATER_THAN},  // so does kana type
    // A word sort sets hyphens and apostrophes aside but still tells the texts apart.
    {L"co-op", L"coop", CSTR_GREATER_THAN},
    {L"it's", L"its", CSTR_GREATER_THAN},
    // Order: symbols, then digits, then letters; scripts in their own order.
    {L"_", L"a", CSTR_LESS_THAN},
    {L"_", L"1", CSTR_LESS_THAN},
    {L"1", L"a", CSTR_LESS_THAN},
    {L"%", L"a", CSTR_LESS_THAN},
    {L"a b", L"ab", CSTR_LESS_THAN},
    {L"cbdhsvc_", L"cbdhsvcA", CSTR_LESS_THAN},
    {L"B", L"a", CSTR_GREATER_THAN},
    {L"Z", L"a", CSTR_GREATER_THAN},
    {L"\uac00", L"a", CSTR_GREATER_THAN},
    {L"\u0410", L"\u03b1", CSTR_GREATER_THAN},
    {L"", L"", CSTR_EQUAL},
    {L"a", L"", CSTR_GREATER_THAN},
    // Wine gives control characters a weight (Windows ignores them).
    {L"a\x01", L"a", CSTR_GREATER_THAN},
};

struct UpperCase {
  wchar_t in;
  wchar_t out;
};

// Samples of the table; the Windows test compares the whole Basic Multilingual Plane.
inline constexpr UpperCase kUpperCases[] = {
    {L'a', L'A'},           {L'z', L'Z'},           {L'\u00e0', L'\u00c0'}, {L'\u00fe', L'\u00de'},
    {L'\u00ff', L'\u0178'}, {L'\u00df', L'\u00df'}, {L'\u00b5', L'\u00b5'}, {L'\u0131', L'\u0131'},
    {L'\u0101', L'\u0100'}, {L'\u017f', L'\u017f'}, {L'\u01c5', L'\u01c5'}, {L'\u01c6', L'\u01c4'},
    {L'\u03c2', L'\u03c2'}, {L'\u03c3', L'\u03a3'}, {L'\u0430', L'\u0410'}, {L'\u044f', L'\u042f'},
    {L'\u0450', L'\u0400'}, {L'\u04cf', L'\u04c0'}, {L'\u0561', L'\u0531'}, {L'\u1e01', L'\u1e00'},
    {L'\u2170', L'\u2160'}, {L'\u24d0', L'\u24b6'}, {L'\uff41', L'\uff21'}, {L'\u0149', L'\u0149'},
};
