// The interface texts are written in Korean; the Korean text is the key into one
// embedded table that holds each text in up to eight languages.
#pragma once

#include <string>

// The interface language: two lower-case letters ("ko", "en", ...), set at start from
// the user's locale and read by the online request.
extern std::wstring CurrentLanguage;

// The ISO 639 name of the user's default locale's language, or "en".
std::wstring DetectLanguage();

// The text in `language` (empty: CurrentLanguage), through the block the text belongs to.
std::wstring TranslateText(const std::wstring& text, const std::wstring& language = L"");

// Module start and end: load the table and set CurrentLanguage; free and clear them.
void InitializeTranslation();
void FinalizeTranslation();
