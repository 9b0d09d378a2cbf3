// The catalogue on Wine's real registry, shell folders, Startup folders and service
// control manager: what a refresh lists and what a switch writes, on Windows 10 and 8.1
// prefixes (approval records) and on a Windows 7 prefix (deletion on disable).
#include <fstream>

#include "Lib/Autorun.h"
#include "Lib/AutorunSources.h"
#include "Tavin/Path.h"
#include "Tavin/Registry.h"
#include "WineTest.h"
#include "platform/win32/Win32Handles.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedRun[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kApprovedFolder[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

const TAutorunInfo* Find(const TAutorunList& list, const std::wstring& from,
                         const std::wstring& target) {
  for (const TAutorunInfo& entry : list)
    if (entry.From == from && entry.Target == target) return &entry;
  return nullptr;
}

TAutorunList Refresh() {
  TAutorunList list;
  CollectAutorun(list);
  return list;
}

// The raw bytes of a value, read without the code under test.
std::vector<BYTE> RawValue(HKEY root, const wchar_t* key, const std::wstring& name) {
  DWORD size = 0;
  if (::RegGetValueW(root, key, name.c_str(), RRF_RT_ANY | RRF_SUBKEY_WOW6464KEY, nullptr, nullptr,
                     &size) != ERROR_SUCCESS)
    return {};
  std::vector<BYTE> bytes(size);
  if (::RegGetValueW(root, key, name.c_str(), RRF_RT_ANY | RRF_SUBKEY_WOW6464KEY, nullptr,
                     bytes.data(), &size) != ERROR_SUCCESS)
    return {};
  bytes.resize(size);
  return bytes;
}

DWORD StartType(const std::wstring& service) {
  UniqueWin32ScHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  UniqueWin32ScHandle handle(::OpenServiceW(manager.get(), service.c_str(), SERVICE_QUERY_CONFIG));
  DWORD needed = 0;
  ::QueryServiceConfigW(handle.get(), nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
  if (!::QueryServiceConfigW(handle.get(), config, needed, &needed)) return 0xFFFFFFFF;
  return config->dwStartType;
}

// A Run value, a startup file and a service of this run's own, removed again after
// every test (also after a failed one, and before, for what a cut-short run left).
class CatalogueOnWine : public WineTest {
 protected:
  void SetUp() override {
    InitializeFolderVariables();
    name_ = RunUniqueName(L"OrvaneCatalogue");
    startupFolder_ = GetSpecialFolder(CSIDL_STARTUP);
    ASSERT_FALSE(startupFolder_.empty());
    file_ = startupFolder_ + L"\\" + name_ + L".lnk";
    runTarget_ = L"HKCU\\" + std::wstring(kRunKey) + L"\\" + name_;
    CleanUp();

    const std::wstring command = L"\"C:\\Program Files\\Orvane Test\\" + name_ + L".exe\" /tray";
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str(), REG_SZ, command.c_str(),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    UniqueHandle file(::CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(file.get(), INVALID_HANDLE_VALUE) << ::GetLastError();

    UniqueWin32ScHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    UniqueWin32ScHandle service(::CreateServiceW(
        manager.get(), name_.c_str(), L"Orvane catalogue test", SERVICE_ALL_ACCESS,
        SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
        L"C:\\svc\\agent.exe -k group", nullptr, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(service) << ::GetLastError();
  }
  void TearDown() override { CleanUp(); }

  void CleanUp() {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str());
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedRun, name_.c_str());
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedFolder, (name_ + L".lnk").c_str());
    ::DeleteFileW(file_.c_str());
    UniqueWin32ScHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    UniqueWin32ScHandle service(::OpenServiceW(manager.get(), name_.c_str(), DELETE));
    if (service) ::DeleteService(service.get());
  }

  std::wstring name_, startupFolder_, file_, runTarget_;
};

using Win10Catalogue = CatalogueOnWine;
using Win81Catalogue = CatalogueOnWine;
using Win7Catalogue = CatalogueOnWine;

TEST_F(Win10Catalogue, ARefreshListsTheRealEntriesOfEveryReachableSource) {
  const TAutorunList list = Refresh();
  const TAutorunInfo* run = Find(list, L"HKCU", runTarget_);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->Caption, name_);
  EXPECT_EQ(run->FileName, L"C:\\Program Files\\Orvane Test\\" + name_ + L".exe");
  EXPECT_TRUE(run->Enabled);
  const TAutorunInfo* file = Find(list, L"FILE", file_);
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Caption, name_);
  const TAutorunInfo* service = Find(list, L"SERV", name_);
  ASSERT_NE(service, nullptr);
  EXPECT_EQ(service->Caption, L"Orvane catalogue test");
  EXPECT_EQ(service->FileName, L"C:\\svc\\agent.exe -k group");
  EXPECT_FALSE(service->Enabled);

  // Startup files come first and services last; Wine's task collection cannot be
  // counted, so the task source contributes nothing and leaves no connection open.
  EXPECT_EQ(list.front().From, L"FILE");
  EXPECT_EQ(list.back().From, L"SERV");
  for (const TAutorunInfo& entry : list) EXPECT_NE(entry.From, L"SCHE");
  EXPECT_FALSE(TaskServiceConnected());
}

// Windows 8 brought Task Manager's startup page, which writes and honours the records: 8.1
// switches exactly as 10 does.
void SwitchThroughRecords(const std::wstring& name, const std::wstring& file,
                          const std::wstring& runTarget) {
  for (bool enable : {false, true}) {
    SetAutorunEnabled(runTarget, L"HKCU", enable);
    SetAutorunEnabled(file, L"FILE", enable);
    SetAutorunEnabled(name, L"SERV", enable);

    const BYTE state = enable ? 2 : 3;
    for (const std::vector<BYTE>& record :
         {RawValue(HKEY_CURRENT_USER, kApprovedRun, name),
          RawValue(HKEY_CURRENT_USER, kApprovedFolder, name + L".lnk")}) {
      ASSERT_EQ(record.size(), 12u);
      EXPECT_EQ(record[0], state);
      EXPECT_EQ(record[1] | record[2] | record[3], 0);
      // The stamp is a FILETIME of this century: the high part lies between 2000 and 2100.
      const DWORD high = record[8] | (record[9] << 8) | (record[10] << 16) | (record[11] << 24);
      EXPECT_GT(high, 0x01BF53EBu);
      EXPECT_LT(high, 0x0239E8AEu);
    }
    EXPECT_EQ(StartType(name), enable ? SERVICE_AUTO_START : SERVICE_DISABLED);

    const TAutorunList list = Refresh();
    for (const auto& [from, target] : {std::pair{std::wstring(L"HKCU"), runTarget},
                                       std::pair{std::wstring(L"FILE"), file},
                                       std::pair{std::wstring(L"SERV"), name}}) {
      const TAutorunInfo* entry = Find(list, from, target);
      ASSERT_NE(entry, nullptr);
      EXPECT_EQ(entry->Enabled, enable);
    }
  }
  // The Run value and the file themselves stay.
  EXPECT_FALSE(RawValue(HKEY_CURRENT_USER, kRunKey, name).empty());
  EXPECT_NE(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win10Catalogue, SwitchingWritesApprovalRecordsAndStartTypes) {
  ASSERT_TRUE(UsesStartupApprovalRecords());
  SwitchThroughRecords(name_, file_, runTarget_);
}

TEST_F(Win81Catalogue, SwitchingWritesApprovalRecordsAndStartTypes) {
  ASSERT_TRUE(UsesStartupApprovalRecords());
  SwitchThroughRecords(name_, file_, runTarget_);
}

TEST_F(Win7Catalogue, DisablingDeletesRunValuesAndStartupFilesEnablingDoesNothing) {
  ASSERT_FALSE(UsesStartupApprovalRecords());
  SetAutorunEnabled(runTarget_, L"HKCU", true);
  SetAutorunEnabled(file_, L"FILE", true);
  EXPECT_FALSE(RawValue(HKEY_CURRENT_USER, kRunKey, name_).empty());
  EXPECT_NE(::GetFileAttributesW(file_.c_str()), INVALID_FILE_ATTRIBUTES);

  SetAutorunEnabled(runTarget_, L"HKCU", false);
  SetAutorunEnabled(file_, L"FILE", false);
  EXPECT_TRUE(RawValue(HKEY_CURRENT_USER, kRunKey, name_).empty());
  EXPECT_EQ(::GetFileAttributesW(file_.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(RawValue(HKEY_CURRENT_USER, kApprovedRun, name_).empty()) << "no records before 8";

  const TAutorunList list = Refresh();
  EXPECT_EQ(Find(list, L"HKCU", runTarget_), nullptr);
  EXPECT_EQ(Find(list, L"FILE", file_), nullptr);
  // Services switch the same way on every version.
  SetAutorunEnabled(name_, L"SERV", true);
  EXPECT_EQ(StartType(name_), SERVICE_AUTO_START);
}

TEST_F(Win7Catalogue, AStartupFileThatCannotBeDeletedRaisesTheSystemsMessage) {
  // Held open without delete sharing, the file cannot be deleted.
  UniqueHandle held(::CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
  try {
    SetAutorunEnabled(file_, L"FILE", false);
    FAIL() << "the failed deletion was not reported";
  } catch (const std::exception& error) {
    EXPECT_STRNE(error.what(), "");
  }
}

}  // namespace
