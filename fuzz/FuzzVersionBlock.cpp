// A file's version block, any bytes: the product name and the program's own version are
// read from it without reading past it, whatever lengths and offsets it states.
#include <cstdlib>
#include <string>

#include "Tavin/FileMetadata.h"
#include "Tavin/Update.h"
#include "platform/fake/FakePlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring file = L"C:\\Program Files\\Orvane\\orvane.exe";
  // Made once: setting up every fake for each input would cost more than the reading.
  static FakePlatform& fake = [&file]() -> FakePlatform& {
    auto* platform = new FakePlatform;
    platform->files.AddFile(L"C:\\Program Files\\Orvane", L"orvane.exe");
    platform->process.SetExePath(file);
    return *platform;
  }();
  // Windows' own reader trusts the root node's length, which the file states; the
  // system hands over a block of that size, so the stored block says so too. Every other
  // length and offset is the input's.
  // Shorter than a node's head, a block is no block; Windows' reader would not take it.
  if (size < 6 || size > 0xFFFF) return 0;
  std::string block(reinterpret_cast<const char*>(data), size);
  {
    block[0] = static_cast<char>(block.size() & 0xFF);
    block[1] = static_cast<char>((block.size() >> 8) & 0xFF);
  }
  fake.versions.SetVersionBlock(file, block);

  TVersionStrings strings;
  const int count = GetVersionStrings(file, {L"ProductName", L"CompanyName", L"FileVersion"}, strings);
  if (count != static_cast<int>(strings.size()) || count > 3) std::abort();
  for (const auto& [key, value] : strings)
    if (value.size() * sizeof(wchar_t) > block.size()) std::abort();
  const std::wstring version = GetAppVersion(L"%d.%d.%d.%d");
  if (version.empty()) std::abort();
  return 0;
}
