#include "Tavin/Translate.h"

std::wstring CurrentLanguage;

std::wstring DetectLanguage() { return L"en"; }

std::wstring TranslateText(const std::wstring& text, const std::wstring& /*language*/) {
  return text;
}

void InitializeTranslation() { CurrentLanguage = DetectLanguage().substr(0, 2); }

void FinalizeTranslation() { CurrentLanguage.clear(); }
