// The console companion's commands and output formats.
#include "Lib/Companion.h"

#include "Lib/CatalogueFormat.h"
#include "tests/support/CatalogueFixture.h"

namespace {

class CompanionTest : public CatalogueTest {
 protected:
  int Run(std::vector<std::wstring> args) {
    out.clear();
    err.clear();
    return RunCompanion(args, out, err);
  }
  std::string out, err;
};

TEST(CatalogueFormatTest, JsonCsvAndSavedListOfAwkwardEntries) {
  const TAutorunList list = {
      TAutorunInfo{L"C:\\a \"b\".exe", L"Quote \"q\", comma", L"raw\tdata\n", L"HKCU\\Run\\Quote",
                   L"HKCU", true},
      TAutorunInfo{L"", L"한글|pipe", L"", L"\\Task", L"SCHE", false},
  };
  EXPECT_EQ(FormatCatalogueJson(list),
            "[\n"
            "  {\"from\": \"HKCU\", \"caption\": \"Quote \\\"q\\\", comma\", \"target\": "
            "\"HKCU\\\\Run\\\\Quote\", \"fileName\": \"C:\\\\a \\\"b\\\".exe\", \"rawData\": "
            "\"raw\\tdata\\n\", \"enabled\": true},\n"
            "  {\"from\": \"SCHE\", \"caption\": \"\xED\x95\x9C\xEA\xB8\x80|pipe\", \"target\": "
            "\"\\\\Task\", \"fileName\": \"\", \"rawData\": \"\", \"enabled\": false}\n"
            "]\n");
  EXPECT_EQ(FormatCatalogueJson({}), "[]\n");
  EXPECT_EQ(FormatCatalogueCsv(list),
            "from,caption,target,fileName,rawData,enabled\r\n"
            "HKCU,\"Quote \"\"q\"\", comma\",HKCU\\Run\\Quote,\"C:\\a \"\"b\"\".exe\",\"raw\tdata\n\",true\r\n"
            "SCHE,\xED\x95\x9C\xEA\xB8\x80|pipe,\\Task,,,false\r\n");
  EXPECT_EQ(FormatSavedList(list),
            "\xEF\xBB\xBFHKCU|Quote \"q\", comma|HKCU\\Run\\Quote\r\n"
            "SCHE|\xED\x95\x9C\xEA\xB8\x80|pipe|\\Task\r\n");
  EXPECT_EQ(FormatSavedList({}), "\xEF\xBB\xBF");
  const std::string text = FormatCatalogueText(list);
  EXPECT_NE(text.find("enabled   HKCU  Quote \"q\", comma  HKCU\\Run\\Quote\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("disabled  SCHE"), std::string::npos) << text;
}

TEST_F(CompanionTest, ListPrintsTheWholeCatalogueInTheChosenFormat) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  EXPECT_EQ(Run({L"list", L"--format", L"json"}), 0);
  EXPECT_NE(out.find("\"from\": \"HKCU\", \"caption\": \"Foo\""), std::string::npos) << out;
  EXPECT_EQ(Run({L"list", L"--format", L"csv"}), 0);
  EXPECT_EQ(out.rfind("from,caption,target,fileName,rawData,enabled\r\n", 0), 0u);
  EXPECT_EQ(Run({L"list"}), 0);
  EXPECT_NE(out.find("Foo"), std::string::npos);
  EXPECT_TRUE(err.empty());
}

TEST_F(CompanionTest, UsageErrorsExitWithTwo) {
  for (const std::vector<std::wstring>& args :
       {std::vector<std::wstring>{}, {L"lst"}, {L"list", L"--format"}, {L"list", L"--format", L"xml"},
        {L"enable", L"HKCU"}, {L"save"}, {L"disable", L"a", L"b", L"c"}}) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(err.rfind("usage: orvanec", 0), 0u) << err;
  }
  EXPECT_EQ(Run({L"--help"}), 0);
  EXPECT_NE(out.find("enable FROM TARGET"), std::string::npos);
}

TEST_F(CompanionTest, SwitchingReportsTheStateTheSystemNowHolds) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Foo", L"foo.exe");
  const std::wstring target = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Foo";
  EXPECT_EQ(Run({L"disable", L"hkcu", target}), 0) << err;
  EXPECT_EQ(out, "disabled: hkcu " + WideToUtf8(target) + "\n");
  EXPECT_EQ(Run({L"enable", L"HKCU", target}), 0) << err;
  EXPECT_EQ(Run({L"enable", L"HKCU", target + L"X"}), 1);
  EXPECT_NE(err.find("no such entry"), std::string::npos);
  EXPECT_FALSE(fake.registry.GetValue(HKEY_CURRENT_USER, kApprovedRun, L"FooX").has_value());
}

TEST_F(CompanionTest, ARefusedSwitchIsAFailureNeverASuccess) {
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Agent", L"agent.exe");
  fake.registry.SetMachineReadOnly(true);
  EXPECT_EQ(Run({L"disable", L"HKLM", L"HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Agent"}),
            1);
  EXPECT_NE(err.find("did not make the entry disabled"), std::string::npos) << err;
  EXPECT_TRUE(out.empty());
}

TEST_F(CompanionTest, OnWindows7ADisabledEntryIsGoneAndThatIsSuccess) {
  fake.system.SetVersion(6, 1, 7601);
  fake.files.AddFile(kUserStartup, L"Tray.lnk");
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  EXPECT_EQ(Run({L"disable", L"FILE", file}), 0) << err;
  EXPECT_FALSE(fake.files.Exists(file));
  fake.files.AddFile(kUserStartup, L"Tray.lnk");
  EXPECT_EQ(Run({L"enable", L"FILE", file}), 0) << err;  // enabled already: nothing to do

  fake.files.AddFile(kUserStartup, L"Locked.lnk");
  fake.files.LockFile(std::wstring(kUserStartup) + L"\\Locked.lnk", ERROR_ACCESS_DENIED);
  EXPECT_EQ(Run({L"disable", L"FILE", std::wstring(kUserStartup) + L"\\Locked.lnk"}), 1);
  EXPECT_EQ(err, "orvanec: Access is denied.\n");
}

TEST_F(CompanionTest, SaveWritesTheSavedListFormat) {
  fake.files.AddFile(kUserStartup, L"Notes.lnk");
  EXPECT_EQ(Run({L"save", L"C:\\out\\list.txt"}), 1) << "the folder does not exist";
  EXPECT_FALSE(err.empty());
  fake.files.AddFolder(L"C:\\out");
  EXPECT_EQ(Run({L"save", L"C:\\out\\list.txt"}), 0) << err;
  EXPECT_EQ(fake.files.FileContents(L"C:\\out\\list.txt"),
            "\xEF\xBB\xBF" "FILE|Notes|" + WideToUtf8(kUserStartup) + "\\Notes.lnk\r\n");
}

}  // namespace
