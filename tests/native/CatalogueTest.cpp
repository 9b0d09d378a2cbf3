// A whole refresh: the four sources in their order.
#include "tests/support/CatalogueFixture.h"

namespace {

class WholeCatalogueTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    fake.files.AddFile(kCommonStartup, L"Everyone.lnk");
    fake.files.AddFile(kUserStartup, L"Mine.url");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Same", L"m.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Same", L"u.exe");
    fake.com.AddTask({L"\\", L"Nightly", true});
    FakeService service;
    service.name = L"Svc";
    service.displayName = L"A service";
    service.serviceType = SERVICE_WIN32_OWN_PROCESS;
    service.startType = SERVICE_DEMAND_START;
    service.imagePath = L"C:\\svc.exe";
    fake.services.AddService(service);
  }
};

TEST_F(WholeCatalogueTest, SourcesInTheirOrderAndEveryRefreshFromScratch) {
  TAutorunList list;
  list.push_back(TAutorunInfo{L"stale", L"stale", L"", L"stale", L"FILE", true});
  CollectAutorun(list);
  const std::vector<std::wstring> expected = {
      std::wstring(L"FILE:") + kCommonStartup + L"\\Everyone.lnk",
      std::wstring(L"FILE:") + kUserStartup + L"\\Mine.url",
      L"HKLM:HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Same",
      L"HKCU:HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Same",
      L"SCHE:\\Nightly",
      L"SERV:Svc",
  };
  EXPECT_EQ(Targets(list), expected);
  EXPECT_FALSE(list.back().Enabled);  // a manual service is listed, not enabled

  CollectAutorun(list);
  EXPECT_EQ(Targets(list), expected);
}

TEST_F(WholeCatalogueTest, AnUnreachableTaskSchedulerLeavesTheOtherSources) {
  fake.com.faults.Fail("CoCreateInstance", static_cast<std::uint32_t>(REGDB_E_CLASSNOTREG));
  TAutorunList list;
  CollectAutorun(list);
  EXPECT_EQ(list.size(), 5u);
  EXPECT_EQ(Find(list, L"SCHE", L"\\Nightly"), nullptr);
  EXPECT_NE(Find(list, L"SERV", L"Svc"), nullptr);
}

TEST_F(WholeCatalogueTest, SwitchingDispatchesOnTheTagInAnyLetterCase) {
  SetAutorunEnabled(L"Svc", L"serv", true);
  EXPECT_EQ(fake.services.Service(L"Svc")->startType, SERVICE_AUTO_START);
  SetAutorunEnabled(L"\\Nightly", L"Sche", false);
  SetAutorunEnabled(std::wstring(kUserStartup) + L"\\Mine.url", L"file", false);
  // "hklm" and any other text go to the Run-key setter.
  SetAutorunEnabled(L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Same", L"hklm", false);
  SetAutorunEnabled(L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Same", L"whatever", false);

  TAutorunList list;
  CollectAutorun(list);
  for (const TAutorunInfo& entry : list) {
    const bool expected = entry.From == L"SERV" || entry.Target.ends_with(L"Everyone.lnk");
    EXPECT_EQ(entry.Enabled, expected) << WideToUtf8Debug(entry.Target);
  }
}

}  // namespace
