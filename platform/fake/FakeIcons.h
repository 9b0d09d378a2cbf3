// Icons of files in memory. As under Wine, only files given icons (programs with an
// icon resource) have one; ExtractAssociatedIconW returns nullptr for every other file.
// An icon is a token that SaveIconToIco turns into a small .ico whose colour tells the
// file and the icon number apart.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/Icons.h"
#include "platform/fake/FaultPlan.h"

class FakeIcons : public IIcons {
 public:
  [[nodiscard]] HICON ExtractAssociatedIconW(HINSTANCE instance, wchar_t* path,
                                             WORD* iconIndex) override;
  BOOL DestroyIcon(HICON icon) override;
  // Consults the fault plan as "GetIconInfo", the first call of the real conversion.
  [[nodiscard]] BOOL SaveIconToIco(HICON icon, std::string* ico, DWORD* error) override;

  // The file has `count` icons (0 removes them).
  void SetIcons(std::wstring_view file, int count);
  // The colour SaveIconToIco paints the icon of this file and number with.
  static std::uint32_t TokenColour(std::wstring_view file, WORD index);
  // Icons handed out and not destroyed yet.
  int LiveIconCount() const;

  // Whether a file exists; FakePlatform asks its file system.
  std::function<bool(std::wstring_view)> fileExists;
  FaultPlan faults{"FakeIcons", {"ExtractAssociatedIconW", "GetIconInfo"}};

 private:
  struct Token {
    std::wstring file;
    WORD index;
  };

  mutable std::mutex mutex_;
  std::map<std::wstring, int> counts_;  // by folded path
  std::map<HICON, std::unique_ptr<Token>> live_;
};
