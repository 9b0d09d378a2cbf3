// The console companion's commands and output formats.
#include "Lib/Companion.h"

#include <nlohmann/json.hpp>

#include "Lib/CatalogueFormat.h"
#include "tests/support/CatalogueFixture.h"
#include "Lib/AutorunRows.h"

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

std::wstring RunTarget(HKEY root, const std::wstring& name) {
  return std::wstring(root == HKEY_CURRENT_USER ? L"HKCU\\" : L"HKLM\\") + kRunKey + L"\\" + name;
}

// A small machine: a Run value of each fate, a startup file, two services.
class CompanionViewTest : public CompanionTest {
 protected:
  void SetUp() override {
    CompanionTest::SetUp();
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Notes", L"C:\\Apps\\notes.exe");
    fake.files.AddFile(L"C:\\Apps", L"notes.exe");
    // The built-in name list holds "Orvane": the program's own helpers are hidden.
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"OrvaneTray", L"C:\\Apps\\tray.exe");
    fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Updater", L"C:\\Apps\\updater.exe");
    fake.registry.SetValue(HKEY_LOCAL_MACHINE, kApprovedRun, L"Updater", REG_BINARY, ApprovalRecord(3));
    fake.files.AddFile(kUserStartup, L"Chat.lnk");
    FakeService service;
    service.name = L"Dhcp";  // a built-in row
    service.displayName = L"DHCP Client";
    service.startType = SERVICE_AUTO_START;
    service.imagePath = L"C:\\Windows\\svchost.exe -k net";
    fake.services.AddService(service);
    service.name = L"backupd";
    service.displayName = L"Backup";
    service.startType = SERVICE_DEMAND_START;
    service.imagePath = L"C:\\Apps\\backupd.exe";
    fake.services.AddService(service);
    fake.files.AddFolder(L"C:\\in");
  }

  nlohmann::json Json(std::vector<std::wstring> args) {
    args.insert(args.end(), {L"--format", L"json"});
    EXPECT_EQ(Run(args), 0) << err;
    return nlohmann::json::parse(out);
  }

  static std::vector<std::string> Captions(const nlohmann::json& list) {
    std::vector<std::string> captions;
    for (const auto& entry : list) captions.push_back(entry["caption"]);
    return captions;
  }
};

TEST(CatalogueFormatTest, JsonCsvAndSavedListOfAwkwardEntries) {
  FakePlatform fake;  // no files: the Run value's file is absent
  const TAutorunList list = {
      TAutorunInfo{L"C:\\a \"b\".exe", L"Quote \"q\", comma", L"raw\tdata\n", L"HKCU\\Run\\Quote",
                   L"HKCU", true},
      TAutorunInfo{L"", L"한글|pipe", L"", L"\\Task", L"SCHE", false},
  };
  EXPECT_EQ(FormatCatalogueJson(list),
            "[\n"
            "  {\"from\": \"HKCU\", \"caption\": \"Quote \\\"q\\\", comma\", \"target\": "
            "\"HKCU\\\\Run\\\\Quote\", \"fileName\": \"C:\\\\a \\\"b\\\".exe\", \"rawData\": "
            "\"raw\\tdata\\n\", \"enabled\": true, \"fileExists\": false},\n"
            "  {\"from\": \"SCHE\", \"caption\": \"\xED\x95\x9C\xEA\xB8\x80|pipe\", \"target\": "
            "\"\\\\Task\", \"fileName\": \"\", \"rawData\": \"\", \"enabled\": false, \"fileExists\": null}\n"
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
        {L"enable", L"HKCU"}, {L"save"}, {L"disable", L"a", L"b", L"c"}, {L"list", L"--view", L"--view"},
        {L"list", L"--rows"}, {L"list", L"--why", L"--format", L"csv", L"--format", L"json"},
        {L"list", L"--All"}, {L"diff"}, {L"diff", L"a.json", L"--format", L"csv"},
        {L"diff", L"a.json", L"--format"}, {L"diff", L"a.json", L"b.json"}}) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(err.rfind("usage: orvanec", 0), 0u) << err;
  }
  EXPECT_EQ(Run({L"--help"}), 0);
  EXPECT_NE(out.find("enable FROM TARGET"), std::string::npos);
  EXPECT_NE(out.find("orvanec list --view --why --format json\n"), std::string::npos);
  EXPECT_NE(out.find("orvanec diff before.json\n"), std::string::npos);
}

// The companion's view is the list view's: the same rows, in the same order, as the row
// model gives for the same catalogue and the built-in lists.
TEST_F(CompanionViewTest, TheViewIsTheRowModelsFirstFilling) {
  for (const bool all : {false, true}) {
    FilterList fileWhite, nameWhite;
    LoadTextResource(nameWhite, L"name_white");
    TAutorunList catalogue;
    CollectAutorun(catalogue);
    TAutorunRows rows;
    rows.Merge(catalogue, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, all});
    std::vector<std::string> wanted;
    for (const TAutorunItem& row : rows.Rows()) wanted.push_back(WideToUtf8(row.From + L"|" + row.Target));

    const nlohmann::json view = Json(all ? std::vector<std::wstring>{L"list", L"--all", L"--view"}
                                         : std::vector<std::wstring>{L"list", L"--view"});
    std::vector<std::string> shown;
    for (const auto& entry : view)
      shown.push_back(entry["from"].get<std::string>() + "|" + entry["target"].get<std::string>());
    EXPECT_EQ(shown, wanted);
  }
  EXPECT_EQ(Captions(Json({L"list", L"--view"})), (std::vector<std::string>{"Chat", "Notes"}));
  EXPECT_EQ(Captions(Json({L"list", L"--view", L"--all"})),
            (std::vector<std::string>{"Chat", "Updater", "Notes", "Backup"}));
}

TEST_F(CompanionViewTest, WhySaysWhatHidesEachEntryInEveryFormat) {
  const nlohmann::json list = Json({L"list", L"--why"});
  std::map<std::string, nlohmann::json> why;
  for (const auto& entry : list) why[entry["caption"]] = entry["hiddenBy"];
  EXPECT_EQ(why, (std::map<std::string, nlohmann::json>{
                     {"Chat", nullptr},
                     {"Notes", nullptr},
                     {"OrvaneTray", {{"list", "name_white"}, {"row", "Orvane"}}},
                     {"Updater", {{"list", "disabled"}, {"row", nullptr}}},
                     {"DHCP Client", {{"list", "name_white"}, {"row", "Dhcp"}}},
                     {"Backup", {{"list", "disabled"}, {"row", nullptr}}}}));
  // Shown entries of the view carry null; "All Programs" shows the disabled ones.
  for (const auto& entry : Json({L"list", L"--view", L"--all", L"--why"}))
    EXPECT_TRUE(entry["hiddenBy"].is_null()) << entry;
  EXPECT_FALSE(Json({L"list"})[0].contains("hiddenBy"));

  ASSERT_EQ(Run({L"list", L"--why", L"--format", L"csv"}), 0);
  EXPECT_EQ(out.rfind("from,caption,target,fileName,rawData,enabled,hiddenBy\r\n", 0), 0u) << out;
  EXPECT_NE(out.find(",C:\\Apps\\tray.exe,true,name_white: Orvane\r\n"), std::string::npos) << out;
  EXPECT_NE(out.find(",C:\\Apps\\updater.exe,false,disabled\r\n"), std::string::npos) << out;
  EXPECT_NE(out.find(",C:\\Apps\\notes.exe,true,\r\n"), std::string::npos) << out;

  ASSERT_EQ(Run({L"--why", L"list"}), 2) << "the command comes first";
  ASSERT_EQ(Run({L"list", L"--why"}), 0);
  const std::string tray = "  " + WideToUtf8(RunTarget(HKEY_CURRENT_USER, L"OrvaneTray")) + "\n";
  const size_t at = out.find(tray);
  ASSERT_NE(at, std::string::npos) << out;
  EXPECT_EQ(out.substr(at + tray.size()).rfind("          hidden by name_white: Orvane\n", 0), 0u) << out;
  EXPECT_NE(out.find("\n          hidden by disabled\n"), std::string::npos) << out;
}

TEST_F(CompanionViewTest, RowsOfAReplyFileJoinTheBuiltInLists) {
  fake.files.AddFile(L"C:\\in", L"reply.json", FILE_ATTRIBUTE_ARCHIVE,
                     "\xEF\xBB\xBF{\"update\": \"\", \"file_white\": [\"Chat.lnk*\"],"
                     " \"name_white\": [\"notes\", 5], \"name_black\": \"x\"}");
  const nlohmann::json view = Json({L"list", L"--view", L"--rows", L"C:\\in\\reply.json"});
  EXPECT_TRUE(view.empty()) << view;
  std::map<std::string, nlohmann::json> why;
  for (const auto& entry : Json({L"list", L"--rows", L"C:\\in\\reply.json", L"--why"}))
    why[entry["caption"]] = entry["hiddenBy"];
  EXPECT_EQ(why["Chat"], (nlohmann::json{{"list", "file_white"}, {"row", "Chat.lnk*"}}));
  EXPECT_EQ(why["Notes"], (nlohmann::json{{"list", "name_white"}, {"row", "notes"}}));

  fake.files.AddFile(L"C:\\in", L"array.json", FILE_ATTRIBUTE_ARCHIVE, "[\"file_white\"]");
  for (const auto& [file, message] : std::vector<std::pair<std::wstring, std::string>>{
           {L"C:\\in\\array.json", "orvanec: C:\\in\\array.json is not a reply of the server's format"},
           {L"C:\\in\\none.json",
            "orvanec: cannot read the rows file C:\\in\\none.json: The system cannot find the file specified."}}) {
    EXPECT_EQ(Run({L"list", L"--view", L"--rows", file}), 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err.rfind(message, 0), 0u) << err;
  }
}

TEST_F(CompanionViewTest, FileExistsAsTheListViewTestsIt) {
  std::map<std::string, nlohmann::json> exists;
  for (const auto& entry : Json({L"list"})) exists[entry["caption"]] = entry["fileExists"];
  EXPECT_EQ(exists, (std::map<std::string, nlohmann::json>{{"Chat", true},
                                                           {"Notes", true},
                                                           {"OrvaneTray", false},
                                                           {"Updater", false},
                                                           {"DHCP Client", nullptr},
                                                           {"Backup", nullptr}}));
}

TEST_F(CompanionViewTest, DiffAgainstASnapshotAndItsExitCodes) {
  ASSERT_EQ(Run({L"list", L"--format", L"json"}), 0);
  fake.files.AddFile(L"C:\\in", L"before.json", FILE_ATTRIBUTE_ARCHIVE, out);
  const std::wstring snapshot = L"C:\\in\\before.json";
  EXPECT_EQ(Run({L"diff", snapshot}), 0);
  EXPECT_EQ(out, "no changes\n");
  EXPECT_EQ(Run({L"diff", snapshot, L"--format", L"json"}), 0);
  EXPECT_EQ(nlohmann::json::parse(out)["added"].size(), 0u);

  ASSERT_EQ(Run({L"disable", L"HKCU", RunTarget(HKEY_CURRENT_USER, L"Notes")}), 0) << err;
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Sneaky", L"C:\\Temp\\sneaky.exe");
  EXPECT_EQ(Run({L"diff", snapshot}), 1);
  EXPECT_EQ(out, "added   HKCU  " + WideToUtf8(RunTarget(HKEY_CURRENT_USER, L"Sneaky")) + "\n" +
                     "changed HKCU  " + WideToUtf8(RunTarget(HKEY_CURRENT_USER, L"Notes")) + "\n" +
                     "        enabled: true -> false\n");
  EXPECT_TRUE(err.empty());
  EXPECT_EQ(Run({L"diff", snapshot, L"--format", L"json"}), 1);
  const nlohmann::json diff = nlohmann::json::parse(out);
  EXPECT_EQ(diff["added"][0]["caption"], "Sneaky");
  EXPECT_EQ(diff["changed"][0]["changes"],
            (nlohmann::json{{"enabled", {{"before", true}, {"after", false}}}}));

  // Bad snapshots: a reason, and nothing on standard output.
  fake.files.AddFile(L"C:\\in", L"object.json", FILE_ATTRIBUTE_ARCHIVE, "{\"from\": \"HKCU\"}");
  fake.files.AddFile(L"C:\\in", L"saved.txt", FILE_ATTRIBUTE_ARCHIVE, "\xEF\xBB\xBFHKCU|Notes|HKCU\\Run\r\n");
  for (const auto& [file, message] : std::vector<std::pair<std::wstring, std::string>>{
           {L"C:\\in\\object.json",
            "orvanec: C:\\in\\object.json is not a listing saved with list --format json: it is not a "
            "JSON array of entries\n"},
           {L"C:\\in\\saved.txt",
            "orvanec: C:\\in\\saved.txt is not a listing saved with list --format json: it is not JSON\n"},
           {L"C:\\in", "orvanec: cannot read the snapshot C:\\in: Access is denied.\n"},
           {L"C:\\in\\missing.json",
            "orvanec: cannot read the snapshot C:\\in\\missing.json: The system cannot find the file "
            "specified.\n"}}) {
    for (const wchar_t* format : {L"text", L"json"}) {
      EXPECT_EQ(Run({L"diff", file, L"--format", format}), 2);
      EXPECT_EQ(out, "");
      EXPECT_EQ(err, message);
    }
  }
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
