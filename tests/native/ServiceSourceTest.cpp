// Win32 services through the service control manager's buffer protocol and its resume
// handle.
#include "tests/support/CatalogueFixture.h"

namespace {

using ServiceSourceTest = CatalogueTest;

FakeService Service(std::wstring name, DWORD startType, DWORD state = SERVICE_STOPPED,
                    DWORD type = SERVICE_WIN32_OWN_PROCESS) {
  FakeService service;
  service.name = name;
  service.displayName = name + L" display";
  service.serviceType = type;
  service.startType = startType;
  service.imagePath = L"C:\\Windows\\" + name + L".exe";
  service.currentState = state;
  return service;
}

TEST_F(ServiceSourceTest, ListsEveryWin32ServiceAutomaticOnesEnabled) {
  fake.services.AddService(Service(L"Auto", SERVICE_AUTO_START));
  fake.services.AddService(Service(L"ManualRunning", SERVICE_DEMAND_START, SERVICE_RUNNING));
  fake.services.AddService(Service(L"Off", SERVICE_DISABLED));
  fake.services.AddService(Service(L"Driver", SERVICE_BOOT_START, SERVICE_RUNNING, SERVICE_KERNEL_DRIVER));
  FakeService shared = Service(L"Shared", SERVICE_AUTO_START, SERVICE_RUNNING, SERVICE_WIN32_SHARE_PROCESS);
  shared.imagePath = L"C:\\Windows\\system32\\svchost.exe -k netsvcs -p";
  fake.services.AddService(shared);

  TAutorunList list;
  CollectServices(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"SERV:Auto", L"SERV:ManualRunning",
                                                       L"SERV:Off", L"SERV:Shared"}));
  EXPECT_TRUE(list[0].Enabled);
  EXPECT_FALSE(list[1].Enabled);
  EXPECT_FALSE(list[2].Enabled);
  EXPECT_EQ(list[0].Caption, L"Auto display");
  EXPECT_EQ(list[3].FileName, L"C:\\Windows\\system32\\svchost.exe -k netsvcs -p");
  EXPECT_EQ(list[3].RawData, list[3].FileName);
}

// Windows 10 1709 and later make an instance of each per-user service at every sign-in,
// named after the template with a new suffix; the enumeration of Win32 services returns
// templates (SERVICE_USER_SERVICE) and instances (with SERVICE_USERSERVICE_INSTANCE too).
// The template's start type decides, so the template alone is listed and switched.
TEST_F(ServiceSourceTest, APerUserServiceIsListedAndSwitchedAsItsTemplate) {
  constexpr DWORD kUserShare = SERVICE_WIN32_SHARE_PROCESS | SERVICE_USER_SERVICE;
  constexpr DWORD kUserOwn = SERVICE_WIN32_OWN_PROCESS | SERVICE_USER_SERVICE;
  fake.services.AddService(Service(L"CDPUserSvc", SERVICE_AUTO_START, SERVICE_STOPPED, kUserShare));
  fake.services.AddService(Service(L"CDPUserSvc_4f2a1", SERVICE_AUTO_START, SERVICE_RUNNING,
                                   kUserShare | SERVICE_USERSERVICE_INSTANCE));
  fake.services.AddService(Service(L"OneSyncSvc", SERVICE_DEMAND_START, SERVICE_STOPPED, kUserOwn));
  fake.services.AddService(Service(L"OneSyncSvc_4f2a1", SERVICE_DEMAND_START, SERVICE_RUNNING,
                                   kUserOwn | SERVICE_USERSERVICE_INSTANCE));
  TAutorunList before;
  CollectServices(before);
  EXPECT_EQ(Targets(before), (std::vector<std::wstring>{L"SERV:CDPUserSvc", L"SERV:OneSyncSvc"}));
  EXPECT_TRUE(before[0].Enabled);

  // The next sign-in: new instances, the same catalogue.
  ASSERT_TRUE(fake.services.RemoveService(L"CDPUserSvc_4f2a1"));
  fake.services.AddService(Service(L"CDPUserSvc_77c0e", SERVICE_AUTO_START, SERVICE_RUNNING,
                                   kUserShare | SERVICE_USERSERVICE_INSTANCE));
  TAutorunList after;
  CollectServices(after);
  EXPECT_EQ(Targets(after), Targets(before));

  SetAutorunEnabled(L"CDPUserSvc", kFromService, false);
  EXPECT_EQ(fake.services.Service(L"CDPUserSvc")->startType, SERVICE_DISABLED);
  EXPECT_EQ(fake.services.Service(L"CDPUserSvc_77c0e")->startType, SERVICE_AUTO_START);
}

TEST_F(ServiceSourceTest, ServicesThatCannotBeOpenedOrQueriedAreLeftOut) {
  fake.services.AddService(Service(L"A", SERVICE_AUTO_START));
  fake.services.AddService(Service(L"Locked", SERVICE_AUTO_START));
  fake.services.AddService(Service(L"C", SERVICE_AUTO_START));
  fake.services.DenyOpen(L"Locked");
  TAutorunList list;
  CollectServices(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"SERV:A", L"SERV:C"}));

  // The configuration query of the last service fails (one call per service: the buffer
  // is large enough for any configuration).
  fake.services.faults.Fail("QueryServiceConfigW", ERROR_ACCESS_DENIED, 1, 1);
  list.clear();
  CollectServices(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"SERV:A"}));
}

TEST_F(ServiceSourceTest, NoManagerOrAFailedEnumerationMeansNoServices) {
  fake.services.AddService(Service(L"A", SERVICE_AUTO_START));
  struct Case {
    const char* call;
    DWORD error;
    int skip;
  };
  const Case cases[] = {
      {"OpenSCManagerW", ERROR_ACCESS_DENIED, 0},
      {"EnumServicesStatusW", ERROR_ACCESS_DENIED, 0},  // the size probe fails otherwise
      {"EnumServicesStatusW", ERROR_INVALID_HANDLE, 1},  // the second call fails
  };
  for (const Case& c : cases) {
    fake.services.faults.Clear();
    fake.services.faults.Fail(c.call, c.error, c.skip, 1);
    TAutorunList list;
    CollectServices(list);
    EXPECT_TRUE(list.empty()) << c.call;
  }
}

TEST_F(ServiceSourceTest, ServicesAppearingOrVanishingBetweenTheCalls) {
  fake.services.AddService(Service(L"A", SERVICE_AUTO_START));
  fake.services.AddService(Service(L"B", SERVICE_AUTO_START));
  int enumCalls = 0;
  fake.services.afterEnumerate = [&] {
    if (++enumCalls == 1) fake.services.AddService(Service(L"Newcomer", SERVICE_AUTO_START));
  };
  TAutorunList list;
  CollectServices(list);
  // The buffer sized before the newcomer holds A and B; the resume handle brings the rest.
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"SERV:A", L"SERV:B", L"SERV:Newcomer"}));

  // One that vanishes after the enumeration, before it is opened, is skipped.
  enumCalls = 0;
  fake.services.afterEnumerate = [&] {
    if (++enumCalls == 2) fake.services.RemoveService(L"A");
  };
  list.clear();
  CollectServices(list);
  EXPECT_EQ(Targets(list), (std::vector<std::wstring>{L"SERV:B", L"SERV:Newcomer"}));
}

// Windows fills at most 256 KB per call, which a machine with many services (or long
// display names) exceeds; the rest comes through the resume handle, never nothing.
TEST_F(ServiceSourceTest, AListLargerThanOneCallsBufferIsTakenInBatches) {
  std::vector<std::wstring> expected;
  for (int i = 0; i < 300; ++i) {
    const std::wstring name = L"Svc" + std::to_wstring(i);
    fake.services.AddService(Service(name, i % 2 == 0 ? SERVICE_AUTO_START : SERVICE_DEMAND_START));
    expected.push_back(L"SERV:" + name);
  }
  for (size_t limit : {size_t{256 * 1024}, size_t{4096}, size_t{200}}) {
    fake.services.maxEnumBytes = limit;
    TAutorunList list;
    CollectServices(list);
    EXPECT_EQ(Targets(list), expected) << "at most " << limit << " bytes per call";
  }

  // A failure after some batches keeps the services taken so far.
  fake.services.maxEnumBytes = 4096;
  fake.services.faults.Fail("EnumServicesStatusW", ERROR_INVALID_HANDLE, 3, 1);
  TAutorunList list;
  CollectServices(list);
  EXPECT_FALSE(list.empty());
  EXPECT_LT(list.size(), expected.size());
  EXPECT_EQ(list.front().Target, L"Svc0");
}

TEST_F(ServiceSourceTest, NoServicesAtAll) {
  TAutorunList list;
  CollectServices(list);
  EXPECT_TRUE(list.empty());
}

TEST_F(ServiceSourceTest, SwitchingSetsAutomaticOrDisabledAndLeavesTheStateAlone) {
  fake.services.AddService(Service(L"Manual", SERVICE_DEMAND_START, SERVICE_RUNNING));
  SetServiceEnabled(L"Manual", false);
  EXPECT_EQ(fake.services.Service(L"Manual")->startType, SERVICE_DISABLED);
  EXPECT_EQ(fake.services.Service(L"Manual")->currentState, SERVICE_RUNNING);
  SetServiceEnabled(L"Manual", true);
  EXPECT_EQ(fake.services.Service(L"Manual")->startType, SERVICE_AUTO_START);
  EXPECT_EQ(fake.services.Service(L"Manual")->imagePath, L"C:\\Windows\\Manual.exe");

  // Without the right to change it, or without the manager, nothing changes.
  fake.services.SetReadOnly(true);
  SetServiceEnabled(L"Manual", false);
  fake.services.SetReadOnly(false);
  fake.services.DenyManager(true);
  SetServiceEnabled(L"Manual", false);
  fake.services.DenyManager(false);
  SetServiceEnabled(L"Missing", false);
  EXPECT_EQ(fake.services.Service(L"Manual")->startType, SERVICE_AUTO_START);
}

}  // namespace
