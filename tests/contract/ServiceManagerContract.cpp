// The service manager's contract: EnumServicesStatusW's two calls and resume handle,
// QueryServiceConfigW's sizes, start types through ChangeServiceConfigW, and a missing
// service. Other services are listed too (Wine's own, the fake world's stand-ins), so
// the enumeration cases speak of this case's services and of the protocol only.
#include <algorithm>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "tests/contract/ContractWorlds.h"

namespace {

// A service manager or service handle, closed through the manager that opened it.
class Sc {
 public:
  Sc(IServiceManager& scm, SC_HANDLE handle) : scm_(scm), handle_(handle) {}
  ~Sc() {
    if (handle_ != nullptr) (void)scm_.CloseServiceHandle(handle_);
  }
  Sc(const Sc&) = delete;
  Sc& operator=(const Sc&) = delete;
  SC_HANDLE Get() const { return handle_; }

 private:
  IServiceManager& scm_;
  SC_HANDLE handle_;
};

std::string YesNo(bool yes) { return yes ? "yes" : "no"; }

constexpr DWORD kEnumRights = SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE;

// The names this case added, each with how often a listing showed it.
std::map<std::wstring, int> Ours(ServiceWorld& w, int count) {
  std::map<std::wstring, int> ours;
  for (int i = 0; i < count; ++i) {
    const std::wstring name = w.UniqueName(L"OrvaneContract" + std::to_wstring(i));
    w.AddService(name, L"Orvane contract " + std::to_wstring(i), L"C:\\contract\\svc.exe");
    ours.emplace(name, 0);
  }
  return ours;
}

void Count(const ENUM_SERVICE_STATUSW* services, DWORD returned, std::map<std::wstring, int>& ours) {
  for (DWORD i = 0; i < returned; ++i) {
    const auto found = ours.find(services[i].lpServiceName);
    if (found != ours.end()) ++found->second;
  }
}

std::string Listed(const std::map<std::wstring, int>& ours) {
  std::string line;
  for (const auto& [name, times] : ours) line += std::to_string(times);
  return line;
}

// The configuration a buffer of `needed` bytes gives, or how the call failed.
std::string Config(IServiceManager& scm, SC_HANDLE service) {
  DWORD needed = 0;
  if (scm.QueryServiceConfigW(service, nullptr, 0, &needed) ||
      scm.GetLastError() != ERROR_INSUFFICIENT_BUFFER)
    return "size call " + ErrorName(scm.GetLastError());
  std::vector<BYTE> buffer(needed);
  auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
  if (!scm.QueryServiceConfigW(service, config, needed, &needed))
    return "fill call " + ErrorName(scm.GetLastError());
  return "start=" + std::to_string(config->dwStartType);
}

const std::vector<ServiceCase> kCases = {
    // EnumServicesStatusW: a buffer too small for the next whole record gives
    // ERROR_MORE_DATA, the bytes the rest needs and a resume handle to go on from; the
    // last call succeeds and sets the resume handle back to 0.
    {"EnumerationTwoCallsAndResume",
     [](ServiceWorld& w, Transcript& seen) {
       IServiceManager& scm = w.Services();
       std::map<std::wstring, int> ours = Ours(w, 3);
       Sc manager(scm, scm.OpenSCManagerW(nullptr, nullptr, kEnumRights));
       if (manager.Get() == nullptr) return seen.push_back("manager " + ErrorName(scm.GetLastError()));

       DWORD needed = 0, returned = 7, resume = 0;
       BOOL ok = scm.EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_STATE_ALL, nullptr,
                                         0, &needed, &returned, &resume);
       seen.push_back("no buffer ok=" + std::to_string(ok) + " " + ErrorName(scm.GetLastError()) +
                      " returned=" + std::to_string(returned) + " needed>0=" + YesNo(needed > 0) +
                      " resume=" + std::to_string(resume));

       // The size the first call gave holds everything.
       std::vector<BYTE> all(needed);
       auto* services = reinterpret_cast<ENUM_SERVICE_STATUSW*>(all.data());
       resume = 0;
       ok = scm.EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_STATE_ALL, services,
                                    needed, &needed, &returned, &resume);
       seen.push_back("sized buffer ok=" + std::to_string(ok) + " resume=" + std::to_string(resume));
       if (ok) Count(services, returned, ours);
       seen.push_back("ours listed " + Listed(ours));

       // A buffer that holds one or two records at a time: every call but the last
       // returns whole records and moves the resume handle on.
       for (auto& entry : ours) entry.second = 0;
       alignas(ENUM_SERVICE_STATUSW) BYTE small[256];
       services = reinterpret_cast<ENUM_SERVICE_STATUSW*>(small);
       resume = 0;
       int calls = 0;
       bool protocolHeld = true;
       for (;;) {
         const DWORD before = resume;
         ok = scm.EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_STATE_ALL, services,
                                      sizeof small, &needed, &returned, &resume);
         ++calls;
         if (ok) {
           Count(services, returned, ours);
           seen.push_back("small buffer ends ok resume=" + std::to_string(resume));
           break;
         }
         const DWORD error = scm.GetLastError();
         if (error != ERROR_MORE_DATA || returned == 0 || needed == 0 || resume <= before ||
             calls > 1000) {
           seen.push_back("small buffer call " + std::to_string(calls) + " " + ErrorName(error) +
                          " records=" + YesNo(returned > 0) + " needed=" + YesNo(needed > 0) +
                          " resume moved on=" + YesNo(resume > before));
           protocolHeld = false;
           break;
         }
         Count(services, returned, ours);
       }
       seen.push_back("small buffer: several calls=" + YesNo(calls > 1) +
                      " each ERROR_MORE_DATA with records, bytes needed and progress=" +
                      YesNo(protocolHeld));
       seen.push_back("ours listed " + (protocolHeld ? Listed(ours) : std::string("-")));

       // A buffer too small for even one record.
       BYTE tiny[8];
       resume = 0;
       ok = scm.EnumServicesStatusW(manager.Get(), SERVICE_WIN32, SERVICE_STATE_ALL,
                                    reinterpret_cast<ENUM_SERVICE_STATUSW*>(tiny), sizeof tiny,
                                    &needed, &returned, &resume);
       seen.push_back("tiny buffer ok=" + std::to_string(ok) + " " + ErrorName(scm.GetLastError()) +
                      " returned=" + std::to_string(returned) + " needed>8=" + YesNo(needed > 8));
     },
     {"no buffer ok=0 ERROR_MORE_DATA returned=0 needed>0=yes resume=0",
      "sized buffer ok=1 resume=0", "ours listed 111", "small buffer ends ok resume=0",
      "small buffer: several calls=yes each ERROR_MORE_DATA with records, bytes needed and progress=yes",
      "ours listed 111", "tiny buffer ok=0 ERROR_MORE_DATA returned=0 needed>8=yes"},
     "Wine fills the buffer and says ERROR_MORE_DATA but leaves the resume handle at 0, so "
     "the next call starts over and a caller that follows the handle never gets past the "
     "first batch. Windows sets it to the next entry to read, as documented. (Wine hands "
     "out everything in one call when the buffer is as large as the first call asked, "
     "so the program's listing is whole there all the same.)",
     {"no buffer ok=0 ERROR_MORE_DATA returned=0 needed>0=yes resume=0",
      "sized buffer ok=1 resume=0", "ours listed 111",
      "small buffer call 1 ERROR_MORE_DATA records=yes needed=yes resume moved on=no",
      "small buffer: several calls=no each ERROR_MORE_DATA with records, bytes needed and progress=no",
      "ours listed -", "tiny buffer ok=0 ERROR_MORE_DATA returned=0 needed>8=yes"}},

    // QueryServiceConfigW reports a short buffer as ERROR_INSUFFICIENT_BUFFER (not
    // ERROR_MORE_DATA) with the size of the whole block, strings included.
    {"QueryConfigSizes",
     [](ServiceWorld& w, Transcript& seen) {
       IServiceManager& scm = w.Services();
       const std::wstring name = w.UniqueName(L"OrvaneContractConfig");
       const std::wstring path = L"\"C:\\Program Files\\Contract\\svc.exe\" -k two";
       w.AddService(name, L"Orvane contract config", path);
       Sc manager(scm, scm.OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
       Sc service(scm, scm.OpenServiceW(manager.Get(), name.c_str(), SERVICE_QUERY_CONFIG));
       if (service.Get() == nullptr) return seen.push_back("open " + ErrorName(scm.GetLastError()));
       DWORD needed = 0;
       BOOL ok = scm.QueryServiceConfigW(service.Get(), nullptr, 0, &needed);
       seen.push_back("no buffer ok=" + std::to_string(ok) + " " + ErrorName(scm.GetLastError()));
       const DWORD first = needed;
       alignas(QUERY_SERVICE_CONFIGW) BYTE fixed[sizeof(QUERY_SERVICE_CONFIGW)];
       ok = scm.QueryServiceConfigW(service.Get(), reinterpret_cast<QUERY_SERVICE_CONFIGW*>(fixed),
                                    sizeof fixed, &needed);
       seen.push_back("structure only ok=" + std::to_string(ok) + " " + ErrorName(scm.GetLastError()) +
                      " same size=" + YesNo(needed == first));
       std::vector<BYTE> buffer(first);
       auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
       ok = scm.QueryServiceConfigW(service.Get(), config, first, &needed);
       seen.push_back("sized ok=" + std::to_string(ok));
       if (!ok) return;
       const size_t strings = (path.size() + 1 + 1 + 2 + std::wcslen(config->lpServiceStartName) + 1 +
                               std::wcslen(config->lpDisplayName) + 1) * sizeof(wchar_t);
       seen.push_back("size covers the strings=" + YesNo(first >= sizeof(QUERY_SERVICE_CONFIGW) + strings - sizeof(wchar_t)));
       seen.push_back("type=" + std::to_string(config->dwServiceType) + " start=" +
                      std::to_string(config->dwStartType) + " error=" +
                      std::to_string(config->dwErrorControl));
       seen.push_back("path " + Shown(config->lpBinaryPathName));
       seen.push_back("group [" + Shown(config->lpLoadOrderGroup) + "] dependencies [" +
                      Shown(config->lpDependencies) + "]");
       seen.push_back("account " + Shown(config->lpServiceStartName) + " display " +
                      Shown(config->lpDisplayName));
     },
     {"no buffer ok=0 ERROR_INSUFFICIENT_BUFFER", "structure only ok=0 ERROR_INSUFFICIENT_BUFFER same size=yes",
      "sized ok=1", "size covers the strings=yes", "type=16 start=3 error=1",
      "path \"C:\\Program Files\\Contract\\svc.exe\" -k two", "group [] dependencies []",
      "account LocalSystem display Orvane contract config"}},

    // A Win32 service takes automatic, demand and disabled starts; boot and system
    // starts are for drivers ("valid only for driver services"), and the call refuses
    // them with ERROR_INVALID_PARAMETER.
    {"StartTypes",
     [](ServiceWorld& w, Transcript& seen) {
       IServiceManager& scm = w.Services();
       const std::wstring name = w.UniqueName(L"OrvaneContractStart");
       w.AddService(name, L"Orvane contract start", L"C:\\contract\\svc.exe");
       Sc manager(scm, scm.OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
       Sc service(scm, scm.OpenServiceW(manager.Get(), name.c_str(),
                                        SERVICE_CHANGE_CONFIG | SERVICE_QUERY_CONFIG));
       if (service.Get() == nullptr) return seen.push_back("open " + ErrorName(scm.GetLastError()));
       const DWORD starts[] = {SERVICE_AUTO_START, SERVICE_DISABLED,     SERVICE_DEMAND_START,
                               SERVICE_BOOT_START, SERVICE_SYSTEM_START, 5,
                               SERVICE_NO_CHANGE};
       for (DWORD start : starts) {
         const BOOL ok = scm.ChangeServiceConfigW(service.Get(), SERVICE_NO_CHANGE, start,
                                                  SERVICE_NO_CHANGE, nullptr, nullptr, nullptr,
                                                  nullptr, nullptr, nullptr, nullptr);
         const std::string result = ok ? std::string("ok") : ErrorName(scm.GetLastError());
         seen.push_back("set " + std::to_string(static_cast<int>(start)) + " " + result +
                        " then " + Config(scm, service.Get()));
       }
       Sc readOnly(scm, scm.OpenServiceW(manager.Get(), name.c_str(), SERVICE_QUERY_CONFIG));
       const BOOL ok = scm.ChangeServiceConfigW(readOnly.Get(), SERVICE_NO_CHANGE, SERVICE_DISABLED,
                                                SERVICE_NO_CHANGE, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr);
       const std::string result = ok ? std::string("ok") : ErrorName(scm.GetLastError());
       seen.push_back("without the right " + result + " then " + Config(scm, readOnly.Get()));
     },
     {"set 2 ok then start=2", "set 4 ok then start=4", "set 3 ok then start=3",
      "set 0 ERROR_INVALID_PARAMETER then start=3", "set 1 ERROR_INVALID_PARAMETER then start=3",
      "set 5 ERROR_INVALID_PARAMETER then start=3", "set -1 ok then start=3",
      "without the right ERROR_ACCESS_DENIED then start=3"}},

    // What a listing says of each service: names, display name, type and state; a Win32
    // listing holds no driver and a driver listing nothing else (every machine has drivers
    // of its own).
    {"ListingNamesTypesAndStates",
     [](ServiceWorld& w, Transcript& seen) {
       IServiceManager& scm = w.Services();
       const std::wstring name = w.UniqueName(L"OrvaneContractListed");
       w.AddService(name, L"Orvane contract listed", L"C:\\contract\\svc.exe");
       Sc manager(scm, scm.OpenSCManagerW(nullptr, nullptr, kEnumRights));
       if (manager.Get() == nullptr) return seen.push_back("manager " + ErrorName(scm.GetLastError()));
       for (const DWORD type : {static_cast<DWORD>(SERVICE_WIN32), static_cast<DWORD>(SERVICE_DRIVER)}) {
         const std::string kind = type == SERVICE_WIN32 ? "win32" : "driver";
         DWORD needed = 0, returned = 0, resume = 0;
         (void)scm.EnumServicesStatusW(manager.Get(), type, SERVICE_STATE_ALL, nullptr, 0, &needed,
                                       &returned, &resume);
         std::vector<BYTE> buffer(needed);
         auto* services = reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data());
         resume = 0;
         if (!scm.EnumServicesStatusW(manager.Get(), type, SERVICE_STATE_ALL, services, needed,
                                      &needed, &returned, &resume)) {
           seen.push_back(kind + " listing " + ErrorName(scm.GetLastError()));
           continue;
         }
         bool allOfTheKind = true;
         for (DWORD i = 0; i < returned; ++i) {
           const SERVICE_STATUS& status = services[i].ServiceStatus;
           if ((status.dwServiceType & type) == 0) allOfTheKind = false;
           if (services[i].lpServiceName == name)
             seen.push_back(kind + " listing: ours, display " + Shown(services[i].lpDisplayName) + " type=" +
                            std::to_string(status.dwServiceType) + " state=" +
                            std::to_string(status.dwCurrentState));
         }
         seen.push_back(kind + " listing: some=" + YesNo(returned > 0) + " all of the kind=" +
                        YesNo(allOfTheKind));
       }
     },
     {"win32 listing: ours, display Orvane contract listed type=16 state=1",
      "win32 listing: some=yes all of the kind=yes", "driver listing: some=yes all of the kind=yes"}},

    {"MissingServiceAndNameCase",
     [](ServiceWorld& w, Transcript& seen) {
       IServiceManager& scm = w.Services();
       const std::wstring name = w.UniqueName(L"OrvaneContractCase");
       w.AddService(name, L"Orvane contract case", L"C:\\contract\\svc.exe");
       Sc manager(scm, scm.OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
       Sc missing(scm, scm.OpenServiceW(manager.Get(), w.UniqueName(L"OrvaneContractNone").c_str(),
                                        SERVICE_QUERY_CONFIG));
       seen.push_back("missing " + (missing.Get() != nullptr ? std::string("opened")
                                                           : ErrorName(scm.GetLastError())));
       std::wstring upper = name;
       for (wchar_t& c : upper)
         if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
       Sc found(scm, scm.OpenServiceW(manager.Get(), upper.c_str(), SERVICE_QUERY_CONFIG));
       seen.push_back("upper case " + (found.Get() != nullptr ? std::string("opened")
                                                             : ErrorName(scm.GetLastError())));
     },
     {"missing ERROR_SERVICE_DOES_NOT_EXIST", "upper case opened"}},
};

}  // namespace

const std::vector<ServiceCase>& ServiceCases() { return kCases; }

TEST_P(ServiceManagerContract, Holds) {
  std::unique_ptr<ServiceWorld> world = MakeServiceWorld();
  RunContractCase(*world, GetParam());
}
