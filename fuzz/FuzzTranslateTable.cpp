// A translation table of any bytes must load, and lookups in it must end, whatever the
// lines, line ends, encodings and "=" signs it holds.
#include <cstdlib>
#include <string>

#include "Tavin/Resources.h"
#include "Tavin/Translate.h"
#include "fuzz/FuzzInput.h"
#include "platform/fake/FakePlatform.h"

// Layout: byte 0 picks the language asked for, the rest is the table.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const wchar_t* const kLanguages[] = {L"", L"en", L"ko", L"ja", L"ar", L"EN", L"x"};
  const std::wstring language = kLanguages[data[0] % 7];
  const std::string table(reinterpret_cast<const char*>(data + 1), size - 1);

  // Made once: setting up every fake (the program's own resources among them) for each
  // input cost more than loading the table. Each input replaces the table.
  static FakePlatform& fake = *new FakePlatform;
  fake.resources.SetResource(RT_RCDATA, L"translate", table);
  InitializeTranslation();
  if (CurrentLanguage != L"en") std::abort();
  if (!TranslateText(L"", language).empty()) std::abort();

  // Every value in the table, and a text that is in no table.
  for (const std::wstring& line : SplitTextLines(table)) {
    const size_t equals = line.find(L'=');
    const std::wstring text = equals == std::wstring::npos ? line : line.substr(equals + 1);
    const std::wstring result = TranslateText(text, language);
    if (text.empty() && !result.empty()) std::abort();
  }
  if (TranslateText(L"\x1\x2 no such text", language) != L"\x1\x2 no such text") std::abort();
  FinalizeTranslation();
  if (!CurrentLanguage.empty()) std::abort();
  return 0;
}
