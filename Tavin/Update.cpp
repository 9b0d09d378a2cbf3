#include "Tavin/Update.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "Tavin/OpenAddress.h"
#include "Tavin/Random.h"
#include "Tavin/Registry.h"
#include "Tavin/Text.h"
#include "Tavin/Translate.h"
#include "platform/PlatformHandles.h"
#include "platform/Utf8.h"

std::wstring UpdateURL;
int DialogOffset = 0;
bool ReportLeaksAtExit = false;

namespace {

std::wstring Hex(std::uint32_t value, int digits) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (int i = digits - 1; i >= 0 && value != 0; --i, value >>= 4)
    text[static_cast<size_t>(i)] = kDigits[value & 0xF];
  return text;
}

std::wstring TwoDigits(int value) {
  value %= 100;
  return {static_cast<wchar_t>(L'0' + value / 10), static_cast<wchar_t>(L'0' + value % 10)};
}

// The path of the running executable, however long.
std::wstring OwnExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (int tries = 0; tries < 8; ++tries) {
    DWORD error = NO_ERROR;
    const DWORD length = PlatformProcess().GetModuleFileNameW(
        buffer.data(), static_cast<DWORD>(buffer.size()), &error);
    if (length == 0) return {};
    if (length < buffer.size() && error != ERROR_INSUFFICIENT_BUFFER)
      return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
  return {};
}

// The pattern with its "%d"s replaced by the numbers in turn; never a printf format
// string, so a pattern can ask for nothing the numbers cannot give.
std::wstring FormatFour(const std::wstring& pattern, const DWORD (&numbers)[4]) {
  std::wstring text;
  size_t next = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == L'%' && i + 1 < pattern.size()) {
      if (pattern[i + 1] == L'd' && next < 4) {
        text += std::to_wstring(numbers[next++]);
        ++i;
        continue;
      }
      if (pattern[i + 1] == L'%') {
        text += L'%';
        ++i;
        continue;
      }
    }
    text += pattern[i];
  }
  return text;
}

// REG_SZ (or REG_EXPAND_SZ, left unexpanded) up to its first NUL; false for any other
// type or a failed read.
bool ReadStringValue(HKEY key, const wchar_t* name, std::wstring& text) {
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (PlatformRegistry().RegQueryValueExW(key, name, &type, nullptr, &size) != ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::vector<BYTE> data(size);
  DWORD read = size;
  if (size > 0 &&
      PlatformRegistry().RegQueryValueExW(key, name, &type, data.data(), &read) != ERROR_SUCCESS)
    return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::wstring value = Utf16LeBytesToWide(data.data(), std::min(read, size));
  if (const size_t nul = value.find(L'\0'); nul != std::wstring::npos) value.resize(nul);
  text = std::move(value);
  return true;
}

bool IsLinkCharacterSafe(wchar_t c) {
  if (c <= 0x20 || c == 0x7F) return false;
  switch (c) {
    case L'"': case L'\\': case L'<': case L'>': case L'^': case L'`': case L'{': case L'|':
    case L'}':
      return false;
    default:
      return true;
  }
}

}  // namespace

std::wstring CreateInstallId() {
  std::wstring id = Hex(RandomBelow(2147483647u), 8);
  SYSTEMTIME now = {};
  PlatformSystem().GetLocalTime(&now);
  id += TwoDigits(now.wYear) + TwoDigits(now.wMonth) + TwoDigits(now.wDay);
  id += Hex(RandomBelow(65535u), 4);
  // The clock is read again for the time, as the layout was first made.
  PlatformSystem().GetLocalTime(&now);
  id += TwoDigits(now.wHour) + TwoDigits(now.wMinute) + TwoDigits(now.wSecond);
  id += Hex(RandomBelow(2147483647u), 8);
  return id;
}

std::wstring GetInstallId() {
  std::wstring result;
  try {
    UniqueRegKey key;
    DWORD disposition = 0;
    // Opened for reading and writing and created when missing; the 64-bit view like
    // every registry access of the program (HKCU\Software is shared by both views).
    if (PlatformRegistry().RegCreateKeyExW(HKEY_CURRENT_USER, kInstallIdKey,
                                           REG_OPTION_NON_VOLATILE, kRegWriteAccess, key.put(),
                                           &disposition) != ERROR_SUCCESS) {
      key.release();
      return result;
    }
    DWORD type = REG_NONE;
    DWORD size = 0;
    // Only a value that is not there at all is made; one of another type stays as it is.
    if (PlatformRegistry().RegQueryValueExW(key.get(), kInstallIdValue, &type, nullptr, &size) ==
        ERROR_FILE_NOT_FOUND) {
      const std::string bytes = WideToUtf16LeBytes(CreateInstallId() + L'\0');
      (void)PlatformRegistry().RegSetValueExW(key.get(), kInstallIdValue, REG_SZ,
                                              reinterpret_cast<const BYTE*>(bytes.data()),
                                              static_cast<DWORD>(bytes.size()));
    }
    std::wstring stored;
    // The identifier becomes a header line: a value that could end the line or break it
    // (anyone who can write HKCU may have put one there) is sent empty, and left alone.
    if (ReadStringValue(key.get(), kInstallIdValue, stored) &&
        std::none_of(stored.begin(), stored.end(), [](wchar_t c) { return c < 0x20 || c == 0x7F; }))
      result = std::move(stored);
  } catch (const std::exception&) {
    // Whatever went wrong, the request still goes out, with an empty identifier.
  }
  return result;
}

std::wstring GetAppVersion(const std::wstring& pattern) {
  static const DWORD kNone[4] = {0, 0, 0, 0};
  const std::wstring none = FormatFour(L"%d.%d.%d.%d", kNone);
  const std::wstring path = OwnExecutablePath();
  if (path.empty()) return none;
  DWORD handle = 0;
  DWORD error = NO_ERROR;
  const DWORD size = PlatformVersions().GetFileVersionInfoSizeW(path.c_str(), &handle, &error);
  if (size == 0) return none;
  std::vector<BYTE> block(size);
  if (!PlatformVersions().GetFileVersionInfoW(path.c_str(), 0, size, block.data(), &error))
    return none;
  void* fixed = nullptr;
  UINT length = 0;
  // VS_FIXEDFILEINFO: signature, structure version, then the file version's most and
  // least significant words; 13 DWORDs in all.
  constexpr UINT kFixedInfoSize = 13 * sizeof(DWORD);
  if (!PlatformVersions().VerQueryValueW(block.data(), L"\\", &fixed, &length) ||
      fixed == nullptr || length < kFixedInfoSize)
    return none;
  DWORD words[4] = {};
  std::memcpy(words, fixed, sizeof(words));
  const DWORD versionMs = words[2];
  const DWORD versionLs = words[3];
  const DWORD parts[4] = {versionMs >> 16, versionMs & 0xFFFF, versionLs >> 16, versionLs & 0xFFFF};
  return FormatFour(pattern, parts);
}

HttpHeaders StartupHeaders() {
  return {
      {L"User-Version", GetAppVersion(L"%d.%d.%d.%d")},
      {L"User-Language", CurrentLanguage},
      {L"User-Debug", ReportLeaksAtExit ? L"true" : L"false"},
      {L"User-Union", GetInstallId()},
  };
}

HttpHeaders HoldHeaders() {
  return {
      {L"User-Version", GetAppVersion(L"%d.%d.%d.%d")},
      {L"User-Command", L"hold"},
  };
}

bool SendRequest(const HttpHeaders& headers, std::wstring& reply, HttpAbort* abort) {
  DWORD status = 0;
  std::string body;
  DWORD error = NO_ERROR;
  // The status is not judged: an error page is a reply like any other.
  if (!PlatformHttp().Get(UpdateURL, headers, abort, &status, &body, &error)) return false;
  reply = Utf8ToWide(body);
  return true;
}

void SendHoldRequest() {
  std::wstring ignored;
  (void)SendRequest(HoldHeaders(), ignored);
}

bool IsWebLink(std::wstring_view link, TWebLinks rule) {
  size_t rest = 0;
  if (rule == TWebLinks::HttpOrHttps && StartsTextAscii(L"http://", link))
    rest = 7;
  else if (StartsTextAscii(L"https://", link))
    rest = 8;
  else
    return false;
  for (wchar_t c : link)
    if (!IsLinkCharacterSafe(c)) return false;
  const size_t hostEnd = link.find_first_of(L"/?#", rest);
  const std::wstring_view authority = link.substr(rest, hostEnd == std::wstring_view::npos
                                                            ? std::wstring_view::npos
                                                            : hostEnd - rest);
  // "http://" alone, or "http://:80/", names no host.
  return !authority.empty() && authority.front() != L':' && authority.front() != L'@';
}

bool OpenLink(const std::wstring& link) {
  if (!IsWebLink(link)) return false;
  // Handed on is handed on: a shell that could not be asked has shown the address.
  (void)OpenAddressAsUser(link, nullptr);
  return true;
}
