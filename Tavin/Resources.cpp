#include "Tavin/Resources.h"

#include "platform/Platform.h"
#include "platform/Utf8.h"

std::optional<std::string> LoadRcData(const std::wstring& name) {
  IResources& resources = PlatformResources();
  DWORD error = NO_ERROR;
  HRSRC resource = resources.FindResourceW(nullptr, name.c_str(), RT_RCDATA, &error);
  if (resource == nullptr) return std::nullopt;
  const DWORD size = resources.SizeofResource(nullptr, resource, &error);
  if (size == 0 && error != NO_ERROR) return std::nullopt;
  HGLOBAL data = resources.LoadResource(nullptr, resource, &error);
  if (data == nullptr) return std::nullopt;
  const void* bytes = resources.LockResource(data);
  if (bytes == nullptr) return size == 0 ? std::optional<std::string>(std::string()) : std::nullopt;
  return std::string(static_cast<const char*>(bytes), size);
}

std::vector<std::wstring> SplitTextLines(std::string_view utf8) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  const std::wstring text = Utf8ToWide(utf8);
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r' && text[i] != L'\n') continue;
    lines.emplace_back(text, start, i - start);
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text, start, std::wstring::npos);
  return lines;
}
