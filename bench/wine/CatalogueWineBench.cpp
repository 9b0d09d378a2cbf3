// orvane_wine_bench.exe: what a refresh costs on a real registry, file system, task
// scheduler and service manager, against a baseline that asks Windows for exactly the same
// facts with the fewest calls. scripts/wine-bench.sh runs it in a throw-away prefix, which
// it fills itself at each size (HKCU Run values with a third of them disabled by their
// records, half as many startup files, services of its own), so nothing outside the
// prefix is touched.
//
//   orvane_wine_bench.exe [--sizes 100,1000,10000] [--rounds N]
//   orvane_wine_bench.exe --fill VALUES   fills the prefix at one size and leaves it so,
//                                         for scripts/wine-answer-bench.sh
//
// For each size it prints the medians of CollectAutorun and of the baseline, timed
// alternately in this one process, and their ratio; then the list window's full refresh
// (catalogue, product names and icons, merge with the built-in lists): the first one,
// which reads every file's metadata, and the median of the refreshes after it.
#include <windows.h>
#include <shlobj.h>
#include <taskschd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Lib/Autorun.h"
#include "Lib/Common.h"
#include "Tavin/FileMetadata.h"
#include "Tavin/ImageCollection.h"
#include "Tavin/Path.h"
#include "platform/win32/Win32Platform.h"
#include "Lib/AutorunRows.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRun32Key[] = L"Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApproved[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
constexpr wchar_t kServicePrefix[] = L"OrvaneBench";

struct Size {
  int runValues;
  int files;
  int services;
};

std::wstring Numbered(const wchar_t* stem, int i) {
  wchar_t text[64];
  swprintf(text, 64, L"%ls %05d", stem, i);
  return text;
}

std::wstring Folder(int csidl) {
  wchar_t path[MAX_PATH + 1] = {};
  if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
  return path;
}

void WriteRecord(const std::wstring& approvalKey, const std::wstring& name, BYTE state) {
  BYTE record[12] = {state};
  RegSetKeyValueW(HKEY_CURRENT_USER, approvalKey.c_str(), name.c_str(), REG_BINARY, record,
                  sizeof record);
}

// --- the prefix's machine ----------------------------------------------------------------

// Half as many startup files; 30, 300 and 1,000 services at the three sizes.
Size SizeOf(int values) {
  return Size{values, values / 2, values <= 100 ? 30 : values <= 1000 ? 300 : 1000};
}

void Fill(const Size& size) {
  for (int i = 0; i < size.runValues; ++i) {
    const std::wstring name = Numbered(L"Bench", i);
    const std::wstring command = L"\"C:\\Bench\\" + name + L".exe\" /tray";
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name.c_str(), REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    if (i % 3 == 0) WriteRecord(std::wstring(kApproved) + L"Run", name, 3);
  }
  const std::wstring startup = Folder(CSIDL_STARTUP);
  for (int i = 0; i < size.files; ++i) {
    const std::wstring name = Numbered(L"Bench", i) + L".lnk";
    HANDLE file = CreateFileW((startup + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (i % 3 == 0) WriteRecord(std::wstring(kApproved) + L"StartupFolder", name, 3);
  }
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE);
  for (int i = 0; i < size.services && manager; ++i) {
    const std::wstring name = Numbered(kServicePrefix, i);
    SC_HANDLE service = CreateServiceW(manager, name.c_str(), (name + L" display").c_str(),
                                       SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                       i % 2 ? SERVICE_DEMAND_START : SERVICE_DISABLED,
                                       SERVICE_ERROR_NORMAL, L"C:\\Bench\\svc.exe -k bench",
                                       nullptr, nullptr, nullptr, nullptr, nullptr);
    if (service) CloseServiceHandle(service);
  }
  if (manager) CloseServiceHandle(manager);
}

void Empty(const Size& size) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kRunKey);
  RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(kApproved) + L"Run").c_str());
  RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(kApproved) + L"StartupFolder").c_str());
  const std::wstring startup = Folder(CSIDL_STARTUP);
  for (int i = 0; i < size.files; ++i)
    DeleteFileW((startup + L"\\" + Numbered(L"Bench", i) + L".lnk").c_str());
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  for (int i = 0; i < size.services && manager; ++i) {
    SC_HANDLE service = OpenServiceW(manager, Numbered(kServicePrefix, i).c_str(), DELETE);
    if (service) {
      DeleteService(service);
      CloseServiceHandle(service);
    }
  }
  if (manager) CloseServiceHandle(manager);
}

// --- the baseline: the same facts with the fewest calls ---------------------------------

struct Fact {
  std::wstring name;
  std::wstring data;
  bool enabled = true;
};

bool RecordAllows(HKEY records, const wchar_t* name) {
  BYTE record[12];
  DWORD size = sizeof record;
  DWORD type = 0;
  if (!records || RegQueryValueExW(records, name, nullptr, &type, record, &size) != ERROR_SUCCESS)
    return true;
  return !(type == REG_BINARY && size == 12 && (record[0] & 1));
}

void BaselineFolder(int csidl, HKEY root, std::vector<Fact>& facts) {
  const std::wstring folder = Folder(csidl);
  if (folder.empty()) return;
  HKEY records = nullptr;
  RegOpenKeyExW(root, (std::wstring(kApproved) + L"StartupFolder").c_str(), 0,
                KEY_QUERY_VALUE | KEY_WOW64_64KEY, &records);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const wchar_t* dot = wcsrchr(found.cFileName, L'.');
      if (!dot) continue;
      static const wchar_t* const kStartable[] = {L".url", L".lnk", L".exe",
                                                  L".bat", L".cmd", L".com"};
      if (std::none_of(std::begin(kStartable), std::end(kStartable),
                       [&](const wchar_t* e) { return _wcsicmp(dot, e) == 0; }))
        continue;
      facts.push_back({folder + L"\\" + found.cFileName, {}, RecordAllows(records, found.cFileName)});
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  if (records) RegCloseKey(records);
}

void BaselineRunKey(HKEY root, const wchar_t* path, const wchar_t* approval,
                    std::vector<Fact>& facts) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return;
  DWORD count = 0, maxName = 0, maxData = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &maxName,
                   &maxData, nullptr, nullptr);
  HKEY records = nullptr;
  if (count > 0)
    RegOpenKeyExW(root, (std::wstring(kApproved) + approval).c_str(), 0,
                  KEY_QUERY_VALUE | KEY_WOW64_64KEY, &records);
  std::vector<wchar_t> name(maxName + 1);
  std::vector<BYTE> data(maxData + 2);
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize) !=
        ERROR_SUCCESS)
      break;
    facts.push_back({std::wstring(name.data(), nameLength),
                     std::wstring(reinterpret_cast<const wchar_t*>(data.data()),
                                  dataSize / sizeof(wchar_t)),
                     RecordAllows(records, name.data())});
  }
  if (records) RegCloseKey(records);
  RegCloseKey(key);
}

void BaselineTasks(std::vector<Fact>& facts) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  ITaskService* service = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ITaskService, reinterpret_cast<void**>(&service)))) {
    VARIANT empty;
    VariantInit(&empty);
    ITaskFolder* folder = nullptr;
    IRegisteredTaskCollection* tasks = nullptr;
    BSTR root = SysAllocString(L"\\");
    if (SUCCEEDED(service->Connect(empty, empty, empty, empty)) &&
        SUCCEEDED(service->GetFolder(root, &folder)) && SUCCEEDED(folder->GetTasks(0, &tasks))) {
      LONG count = 0;
      if (SUCCEEDED(tasks->get_Count(&count)))
        for (LONG i = 1; i <= count; ++i) facts.push_back({L"task", {}, true});
    }
    SysFreeString(root);
    if (tasks) tasks->Release();
    if (folder) folder->Release();
    service->Release();
  }
  if (SUCCEEDED(init)) CoUninitialize();
}

void BaselineServices(std::vector<Fact>& facts) {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE);
  if (!manager) return;
  static std::vector<BYTE> list(256 * 1024);
  static std::vector<BYTE> config(8 * 1024);
  DWORD resume = 0;
  for (;;) {
    DWORD needed = 0, returned = 0;
    const BOOL done = EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL,
                                          reinterpret_cast<ENUM_SERVICE_STATUSW*>(list.data()),
                                          static_cast<DWORD>(list.size()), &needed, &returned,
                                          &resume);
    if (!done && GetLastError() != ERROR_MORE_DATA) break;
    const auto* records = reinterpret_cast<const ENUM_SERVICE_STATUSW*>(list.data());
    for (DWORD i = 0; i < returned; ++i) {
      SC_HANDLE service = OpenServiceW(manager, records[i].lpServiceName, SERVICE_QUERY_CONFIG);
      if (!service) continue;
      auto* settings = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(config.data());
      DWORD size = 0;
      if (QueryServiceConfigW(service, settings, static_cast<DWORD>(config.size()), &size))
        facts.push_back({records[i].lpServiceName, settings->lpBinaryPathName,
                         settings->dwStartType == SERVICE_AUTO_START});
      CloseServiceHandle(service);
    }
    if (done) break;
  }
  CloseServiceHandle(manager);
}

size_t Baseline() {
  std::vector<Fact> facts;
  BaselineFolder(CSIDL_COMMON_STARTUP, HKEY_LOCAL_MACHINE, facts);
  BaselineFolder(CSIDL_STARTUP, HKEY_CURRENT_USER, facts);
  BaselineRunKey(HKEY_LOCAL_MACHINE, kRunKey, L"Run", facts);
  BaselineRunKey(HKEY_LOCAL_MACHINE, kRun32Key, L"Run32", facts);
  BaselineRunKey(HKEY_CURRENT_USER, kRunKey, L"Run", facts);
  BaselineTasks(facts);
  BaselineServices(facts);
  return facts.size();
}

// --- timing ------------------------------------------------------------------------------

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<int> ParseSizes(const wchar_t* text) {
  std::vector<int> sizes;
  for (const wchar_t* at = text; *at;) {
    wchar_t* end = nullptr;
    const long value = wcstol(at, &end, 10);
    if (end == at || value <= 0) break;
    sizes.push_back(static_cast<int>(value));
    at = *end == L',' ? end + 1 : end;
  }
  return sizes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<int> sizes = {100, 1000, 10000};
  int rounds = 7;
  int fillOnly = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (wcscmp(argv[i], L"--sizes") == 0) sizes = ParseSizes(argv[i + 1]);
    if (wcscmp(argv[i], L"--rounds") == 0) rounds = std::max(1, _wtoi(argv[i + 1]));
    if (wcscmp(argv[i], L"--fill") == 0) fillOnly = std::max(1, _wtoi(argv[i + 1]));
  }
  if (fillOnly > 0) {
    Fill(SizeOf(fillOnly));
    std::printf("filled %d Run values, %d startup files, %d services\n", fillOnly,
                SizeOf(fillOnly).files, SizeOf(fillOnly).services);
    return 0;
  }
  InstallWin32Platform();
  InitializeFolderVariables();
  FilterList nameWhite;
  FilterList fileWhite;
  LoadTextResource(nameWhite, L"NAME_WHITE");

  std::printf("%-8s %-7s %-9s %12s %12s %7s %14s %14s %7s\n", "values", "files", "services",
              "collect ms", "baseline ms", "ratio", "1st refresh ms", "refresh ms", "/coll");
  for (int values : sizes) {
    const Size size = SizeOf(values);
    Fill(size);
    TAutorunList list;
    CollectAutorun(list);  // warm both paths once
    Baseline();
    std::vector<double> collect, baseline;
    for (int round = 0; round < rounds; ++round) {
      collect.push_back(Seconds([&] { CollectAutorun(list); }));
      baseline.push_back(Seconds([&] { Baseline(); }));
    }

    // The window's refresh: the catalogue, then the rows with names and icons.
    TImageCollection images;
    TIconCache icons;
    TAutorunRows rows;
    const TRowSources sources{&fileWhite, &nameWhite, &images, &icons, false};
    auto refresh = [&] {
      CollectAutorun(list);
      rows.Merge(list, sources);
    };
    const double first = Seconds(refresh);
    std::vector<double> again;
    for (int round = 0; round < rounds; ++round) again.push_back(Seconds(refresh));

    const double c = Median(collect) * 1000, b = Median(baseline) * 1000;
    const double r = Median(again) * 1000;
    std::printf("%-8d %-7d %-9d %12.1f %12.1f %7.2f %14.1f %14.1f %7.2f\n", size.runValues,
                size.files, size.services, c, b, c / b, first * 1000, r, r / c);
    std::fflush(stdout);
    Empty(size);
  }
  return 0;
}
