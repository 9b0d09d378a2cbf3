// Version resources of files in memory. GetFileVersionInfoW hands out a block laid out
// as Windows lays out VS_VERSIONINFO (nodes of length, value length, type, key, value
// and children, each aligned to 32 bits; characters are wchar_t, so on Windows it is the
// real format), and VerQueryValueW walks it as Windows does.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/VersionInfo.h"
#include "platform/fake/FaultPlan.h"

struct FakeVersionResource {
  using Strings = std::vector<std::pair<std::wstring, std::wstring>>;
  // \VarFileInfo\Translation: (language, code page) pairs in order.
  std::vector<std::pair<WORD, WORD>> translations;
  // \StringFileInfo: string tables named by eight hexadecimal digits ("040904b0").
  std::vector<std::pair<std::wstring, Strings>> stringTables;

  // One US English, Unicode translation and its string table.
  static FakeVersionResource English(Strings strings);
};

// The block a FakeVersionResource becomes, exactly as GetFileVersionInfoW fills it.
std::string BuildVersionBlock(const FakeVersionResource& resource);

class FakeVersionInfo : public IVersionInfo {
 public:
  [[nodiscard]] DWORD GetFileVersionInfoSizeW(const wchar_t* file, DWORD* handle,
                                              DWORD* error) override;
  [[nodiscard]] BOOL GetFileVersionInfoW(const wchar_t* file, DWORD handle, DWORD size, void* data,
                                         DWORD* error) override;
  [[nodiscard]] BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer,
                                    UINT* length) override;

  // The file gets this version resource (paths compare without regard to case).
  void SetVersionResource(std::wstring_view file, const FakeVersionResource& resource);
  void RemoveVersionResource(std::wstring_view file);
  // The file gets these bytes as its block, as they are (for blocks no resource makes).
  void SetVersionBlock(std::wstring_view file, std::string block);

  // Whether a file exists; FakePlatform asks its file system. Without one, a file
  // exists when it has a version resource.
  std::function<bool(std::wstring_view)> fileExists;
  FaultPlan faults{"FakeVersionInfo",
                   {"GetFileVersionInfoSizeW", "GetFileVersionInfoW", "VerQueryValueW"}};

 private:
  bool Exists(std::wstring_view file);
  const std::string* Block(std::wstring_view file, DWORD* error);

  std::mutex mutex_;
  std::map<std::wstring, std::string> blocks_;  // by folded path
};
