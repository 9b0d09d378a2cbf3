// orvane_e2e_probe.exe: what the system itself holds, read with plain Win32 calls and
// none of the program's own code, so the end-to-end test can compare orvanec.exe's
// output and effects with it. One run answers several requests, because every Wine start
// costs more than a second:
//
//   folders          the shell folders the catalogue and its folder variables use
//   now              the current UTC time as a FILETIME
//   version          the Windows version RtlGetVersion reports ("10.0", "6.3")
//   key ROOT\PATH    every value of a key (64-bit view), in the registry's enumeration
//                    order, with its type and bytes in hex; null when the key is missing
//   dir C:\PATH      every name in a folder, in FindFirstFileW order
//   services         every Win32 service and driver, in EnumServicesStatusW order, with
//                    its configured type and start type (Wine's sc.exe creates services
//                    but has no "qc" to read their configuration back)
//
// The answer is one JSON object on standard output, UTF-8: {"folders": {...}, "now": N,
// "key:ROOT\PATH": [...], "dir:C:\PATH": [...], "services": [...]}.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::string Json(const std::wstring& text) {
  std::string out = "\"";
  for (unsigned char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + '"';
}

std::string Hex(const BYTE* data, DWORD size) {
  std::string out;
  char pair[3];
  for (DWORD i = 0; i < size; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", data[i]);
    out += pair;
  }
  return out;
}

std::string Folder(int csidl) {
  wchar_t path[MAX_PATH + 1] = {};
  if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return "null";
  return Json(path);
}

std::string Folders() {
  return "{\"commonStartup\": " + Folder(CSIDL_COMMON_STARTUP) +
         ", \"startup\": " + Folder(CSIDL_STARTUP) +
         ", \"appData\": " + Folder(CSIDL_APPDATA) +
         ", \"commonAppData\": " + Folder(CSIDL_COMMON_APPDATA) +
         ", \"windows\": " + Folder(CSIDL_WINDOWS) +
         ", \"programFiles\": " + Folder(CSIDL_PROGRAM_FILES) +
         ", \"programFilesX86\": " + Folder(CSIDL_PROGRAM_FILESX86) + "}";
}

std::string Now() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const unsigned long long value =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return std::to_string(value);
}

// RtlGetVersion is not in the import libraries of every mingw-w64 release; ntdll is
// always loaded, so it is looked up there.
std::string Version() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) return "null";
  return "\"" + std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion) +
         "\"";
}

std::string Key(const std::wstring& path) {
  const size_t slash = path.find(L'\\');
  const std::wstring rootName = path.substr(0, slash);
  HKEY root = nullptr;
  if (rootName == L"HKLM") root = HKEY_LOCAL_MACHINE;
  if (rootName == L"HKCU") root = HKEY_CURRENT_USER;
  if (root == nullptr || slash == std::wstring::npos) return "\"bad key " + Utf8(path) + "\"";
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str() + slash + 1, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS)
    return "null";
  std::string out = "[";
  for (DWORD index = 0;; ++index) {
    wchar_t name[16384];
    DWORD nameLength = 16384;
    BYTE data[65536];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    const LSTATUS status = RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data,
                                         &dataSize);
    if (status != ERROR_SUCCESS) break;
    if (index > 0) out += ", ";
    out += "{\"name\": " + Json(std::wstring(name, nameLength)) +
           ", \"type\": " + std::to_string(type) + ", \"hex\": \"" + Hex(data, dataSize) + "\"}";
  }
  RegCloseKey(key);
  return out + "]";
}

std::string Dir(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = folder + L"\\*";
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "null";
  std::string out = "[";
  bool first = true;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!first) out += ", ";
    first = false;
    out += "{\"name\": " + Json(name) + ", \"directory\": " +
           ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "true" : "false") + "}";
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return out + "]";
}

std::string Services() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
  if (manager == nullptr) return "null";
  DWORD needed = 0;
  DWORD returned = 0;
  DWORD resume = 0;
  EnumServicesStatusW(manager, SERVICE_TYPE_ALL, SERVICE_STATE_ALL, nullptr, 0, &needed, &returned,
                      &resume);
  std::vector<BYTE> buffer(needed + 4096);
  resume = 0;
  auto* records = reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data());
  if (!EnumServicesStatusW(manager, SERVICE_TYPE_ALL, SERVICE_STATE_ALL, records,
                           static_cast<DWORD>(buffer.size()), &needed, &returned, &resume)) {
    CloseServiceHandle(manager);
    return "null";
  }
  std::string out = "[";
  for (DWORD i = 0; i < returned; ++i) {
    if (i > 0) out += ", ";
    out += "{\"name\": " + Json(records[i].lpServiceName) +
           ", \"displayName\": " + Json(records[i].lpDisplayName ? records[i].lpDisplayName : L"");
    SC_HANDLE service = OpenServiceW(manager, records[i].lpServiceName, SERVICE_QUERY_CONFIG);
    DWORD size = 0;
    QueryServiceConfigW(service, nullptr, 0, &size);
    std::vector<BYTE> config(size + 16);
    auto* settings = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(config.data());
    if (service != nullptr &&
        QueryServiceConfigW(service, settings, static_cast<DWORD>(config.size()), &size)) {
      out += ", \"type\": " + std::to_string(settings->dwServiceType) +
             ", \"start\": " + std::to_string(settings->dwStartType) + ", \"binaryPath\": " +
             Json(settings->lpBinaryPathName ? settings->lpBinaryPathName : L"");
    }
    if (service != nullptr) CloseServiceHandle(service);
    out += "}";
  }
  CloseServiceHandle(manager);
  return out + "]";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::string out = "{";
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    const std::wstring request = argv[i];
    if (i > 1) out += ",\n";
    if (request == L"folders") {
      out += "\"folders\": " + Folders();
    } else if (request == L"now") {
      out += "\"now\": " + Now();
    } else if (request == L"version") {
      out += "\"version\": " + Version();
    } else if (request == L"services") {
      out += "\"services\": " + Services();
    } else if ((request == L"key" || request == L"dir") && i + 1 < argc) {
      const std::wstring what = argv[++i];
      out += Json(request + L":" + what) + ": " + (request == L"key" ? Key(what) : Dir(what));
    } else {
      out += Json(L"error") + ": " + Json(L"unknown request " + request);
      status = 2;
    }
  }
  out += "}\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
            nullptr);
  return status;
}
