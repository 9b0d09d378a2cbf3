// The cost of one refresh against the fakes, at growing numbers of entries per source:
// it must grow linearly with the entries.
#include <benchmark/benchmark.h>

#include <string>

#include "Lib/Autorun.h"
#include "Tavin/Path.h"
#include "platform/fake/FakePlatform.h"

namespace {

constexpr wchar_t kUserStartup[] =
    L"C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedRun[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

void Populate(FakePlatform& fake, int perSource) {
  for (int i = 0; i < perSource; ++i) {
    const std::wstring n = std::to_wstring(i);
    fake.files.AddFile(kUserStartup, L"Program " + n + L".lnk");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Value " + n,
                            L"\"%ProgramFiles%\\Vendor " + n + L"\\app.exe\" /background");
    if (i % 2 == 0) {
      std::vector<BYTE> record(12, 0);
      record[0] = 3;
      fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Value " + n, REG_BINARY, record);
    }
    fake.com.AddTask({L"\\", L"Task " + n, i % 3 != 0});
    FakeService service;
    service.name = L"Service" + n;
    service.displayName = L"Service number " + n;
    service.serviceType = SERVICE_WIN32_OWN_PROCESS;
    service.startType = i % 2 ? SERVICE_AUTO_START : SERVICE_DEMAND_START;
    service.imagePath = L"C:\\Windows\\system32\\svchost.exe -k group" + n;
    fake.services.AddService(service);
  }
}

void BM_CollectAutorun(benchmark::State& state) {
  FakePlatform fake;
  Populate(fake, static_cast<int>(state.range(0)));
  InitializeFolderVariables();
  TAutorunList list;
  for (auto _ : state) {
    CollectAutorun(list);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(list.size()));
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_CollectAutorun)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
