#include "platform/fake/FakeIcons.h"

#include "platform/IcoFormat.h"
#include "platform/fake/CaseFold.h"

namespace {

constexpr DWORD kInvalidIconHandle = 1402;  // ERROR_INVALID_CURSOR_HANDLE
constexpr int kTokenSize = 16;

}  // namespace

HICON FakeIcons::ExtractAssociatedIconW(HINSTANCE instance, wchar_t* path, WORD* iconIndex) {
  (void)instance;
  std::lock_guard lock(mutex_);
  if (faults.Check("ExtractAssociatedIconW")) return nullptr;
  if (path == nullptr || iconIndex == nullptr) return nullptr;
  const std::wstring file(path);
  if (fileExists && !fileExists(file)) return nullptr;
  const auto found = counts_.find(FoldCase(file));
  if (found == counts_.end() || *iconIndex >= found->second) return nullptr;
  auto token = std::make_unique<Token>(Token{file, *iconIndex});
  const auto icon = reinterpret_cast<HICON>(token.get());
  live_.emplace(icon, std::move(token));
  return icon;
}

BOOL FakeIcons::DestroyIcon(HICON icon) {
  std::lock_guard lock(mutex_);
  return live_.erase(icon) != 0 ? TRUE : FALSE;
}

BOOL FakeIcons::SaveIconToIco(HICON icon, std::string* ico, DWORD* error) {
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check("GetIconInfo")) {
    *error = *fault;
    return FALSE;
  }
  const auto found = live_.find(icon);
  if (found == live_.end() || ico == nullptr) {
    *error = found == live_.end() ? kInvalidIconHandle : ERROR_INVALID_PARAMETER;
    return FALSE;
  }
  IcoImage image{kTokenSize, kTokenSize,
                 std::vector<std::uint32_t>(kTokenSize * kTokenSize,
                                            TokenColour(found->second->file, found->second->index))};
  *ico = EncodeIco(image);
  return TRUE;
}

void FakeIcons::SetIcons(std::wstring_view file, int count) {
  std::lock_guard lock(mutex_);
  if (count <= 0)
    counts_.erase(FoldCase(file));
  else
    counts_[FoldCase(file)] = count;
}

std::uint32_t FakeIcons::TokenColour(std::wstring_view file, WORD index) {
  // FNV-1a over the folded path and the number: opaque, and different per icon.
  std::uint32_t hash = 2166136261u;
  for (wchar_t c : FoldCase(file)) hash = (hash ^ static_cast<std::uint32_t>(c)) * 16777619u;
  hash = (hash ^ index) * 16777619u;
  return 0xFF000000u | (hash & 0x00FFFFFFu);
}

int FakeIcons::LiveIconCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(live_.size());
}
