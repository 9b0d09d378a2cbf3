// The console companion's commands and output formats.
#include "Lib/Companion.h"

#include <nlohmann/json.hpp>

#include <functional>

#include "Lib/CatalogueFormat.h"
#include "Lib/JsonText.h"
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
    EXPECT_NE(err.find("\nusage: orvanec"), std::string::npos) << err;
  }
  EXPECT_EQ(Run({L"--help"}), 0);
  EXPECT_NE(out.find("enable FROM TARGET"), std::string::npos);
  EXPECT_NE(out.find("orvanec list --view --why --format json\n"), std::string::npos);
  EXPECT_NE(out.find("orvanec diff before.json\n"), std::string::npos);
  EXPECT_NE(out.find("orvanec list --format json --output before.json"), std::string::npos);
  EXPECT_NE(out.find("3 incomplete"), std::string::npos) << "the exit codes are documented";
}

TEST_F(CompanionTest, AUsageErrorNamesTheWrongArgument) {
  const std::vector<std::pair<std::vector<std::wstring>, std::string>> cases = {
      {{}, "no command given"},
      {{L"lst"}, "unknown command lst"},
      {{L"list", L"--verbose"}, "unknown option --verbose for list"},
      {{L"list", L"--format", L"xml"}, "unknown format xml"},
      {{L"list", L"--format"}, "--format needs a value"},
      {{L"list", L"--view", L"--view"}, "--view is given twice"},
      {{L"list", L"extra"}, "unexpected argument extra"},
      {{L"diff", L"a.json", L"b.json"}, "unexpected argument b.json"},
      {{L"diff", L"--format", L"json"}, "diff needs the snapshot's file name"},
      {{L"diff", L"a.json", L"--format", L"csv"}, "unknown format csv"},
      {{L"enable", L"HKCU"}, "enable needs FROM and TARGET"},
      {{L"save", L"a", L"b"}, "unexpected argument b"},
      {{L"save", L"--output", L"a"}, "unknown option --output for save"},
      {{L"list", L"--\x1B[2J"}, "unknown option --\\x1B[2J for list"},
  };
  for (const auto& [args, problem] : cases) {
    EXPECT_EQ(Run(args), 2);
    EXPECT_EQ(err.rfind("orvanec: " + problem + "\nusage: orvanec", 0), 0u) << err;
    EXPECT_EQ(out, "");
  }
}

// The companion's view is the list view's: the rows the row model gives for the same
// catalogue and the built-in lists, in the same order. Both are held to the rows this
// machine must give.
TEST_F(CompanionViewTest, TheViewIsTheRowModelsFirstFilling) {
  const std::string chat = "FILE|" + WideToUtf8(kUserStartup) + "\\Chat.lnk";
  const std::string notes = "HKCU|" + WideToUtf8(RunTarget(HKEY_CURRENT_USER, L"Notes"));
  const std::string updater = "HKLM|" + WideToUtf8(RunTarget(HKEY_LOCAL_MACHINE, L"Updater"));
  for (const bool all : {false, true}) {
    SCOPED_TRACE(all ? "all programs" : "enabled only");
    const std::vector<std::string> wanted =
        all ? std::vector<std::string>{chat, updater, notes, "SERV|backupd"}
            : std::vector<std::string>{chat, notes};

    FilterList fileWhite, nameWhite;
    LoadTextResource(nameWhite, L"name_white");
    TAutorunList catalogue;
    CollectAutorun(catalogue);
    TAutorunRows rows;
    rows.Merge(catalogue, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, all});
    std::vector<std::string> modelled;
    for (const TAutorunItem& row : rows.Rows()) modelled.push_back(WideToUtf8(row.From + L"|" + row.Target));
    EXPECT_EQ(modelled, wanted);

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
  fake.files.AddFolder(L"C:\\Windows");
  fake.files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE, "tray");
  const std::wstring file = std::wstring(kUserStartup) + L"\\Tray.lnk";
  EXPECT_EQ(Run({L"disable", L"FILE", file}), 0) << err;
  EXPECT_FALSE(fake.files.Exists(file));
  EXPECT_EQ(Run({L"enable", L"FILE", file}), 0) << err;
  EXPECT_EQ(fake.files.FileContents(file), "tray");
  EXPECT_EQ(Run({L"enable", L"FILE", file}), 0) << err;  // enabled already: nothing to do

  // A file of that name put back by hand is never overwritten by the stored one.
  EXPECT_EQ(Run({L"disable", L"FILE", file}), 0) << err;
  fake.files.AddFile(kUserStartup, L"Tray.lnk", FILE_ATTRIBUTE_ARCHIVE, "new");
  EXPECT_EQ(Run({L"enable", L"FILE", file}), 1);
  EXPECT_EQ(err, "orvanec: The file exists.\n");
  EXPECT_EQ(fake.files.FileContents(file), "new");

  fake.files.AddFile(kUserStartup, L"Locked.lnk");
  fake.files.LockFile(std::wstring(kUserStartup) + L"\\Locked.lnk", ERROR_ACCESS_DENIED);
  EXPECT_EQ(Run({L"disable", L"FILE", std::wstring(kUserStartup) + L"\\Locked.lnk"}), 1);
  EXPECT_EQ(err, "orvanec: Access is denied.\n");
}

TEST_F(CompanionViewTest, OptionsComeInAnyOrder) {
  ASSERT_EQ(Run({L"list", L"--format", L"json", L"--output", L"C:\\in\\snap.json"}), 0) << err;
  const std::wstring snapshot = L"C:\\in\\snap.json";
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Later", L"C:\\Apps\\later.exe");
  Run({L"diff", snapshot, L"--format", L"json"});
  const std::string expected = out;
  ASSERT_NE(expected.find("Later"), std::string::npos) << expected;
  EXPECT_EQ(Run({L"diff", L"--format", L"json", snapshot}), 1) << err;
  EXPECT_EQ(out, expected);

  Run({L"list", L"--view", L"--why", L"--all", L"--format", L"csv"});
  const std::string listing = out;
  for (const std::vector<std::wstring>& args :
       {std::vector<std::wstring>{L"list", L"--format", L"csv", L"--all", L"--why", L"--view"},
        {L"list", L"--why", L"--format", L"csv", L"--view", L"--all"}}) {
    EXPECT_EQ(Run(args), 0) << err;
    EXPECT_EQ(out, listing);
  }
  EXPECT_EQ(Run({L"save", L"C:\\in\\saved.txt"}), 0) << err;
}

// A snapshot is written by the companion itself, so the shell cannot re-encode it; every
// format goes to the file exactly as it would go to standard output.
TEST_F(CompanionViewTest, OutputWritesTheListingToAFileInUtf8) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"\xD55C\xAE00", L"C:\\Apps\\k.exe");
  const std::wstring file = L"C:\\in\\listing";
  for (const wchar_t* format : {L"text", L"csv", L"json"}) {
    ASSERT_EQ(Run({L"list", L"--format", format}), 0) << err;
    const std::string printed = out;
    ASSERT_NE(printed.find("\xED\x95\x9C\xEA\xB8\x80"), std::string::npos);
    fake.files.AddFile(L"C:\\in", L"listing", FILE_ATTRIBUTE_ARCHIVE, "an older listing");
    EXPECT_EQ(Run({L"list", L"--output", file, L"--format", format}), 0) << err;
    EXPECT_EQ(out, "");
    EXPECT_EQ(fake.files.FileContents(file), printed);
  }
  EXPECT_EQ(Run({L"list", L"--output", L"C:\\nowhere\\listing"}), 1);
  EXPECT_EQ(err, "orvanec: cannot write C:\\nowhere\\listing: The system cannot find the path specified.\n");
  EXPECT_FALSE(fake.files.Exists(L"C:\\nowhere\\listing.partial"));
}

// A source that could not be read is named; the rest is still listed, and the exit code
// tells a script the listing is not whole. diff cannot tell "removed" from "not read".
TEST_F(CompanionViewTest, ASourceThatCouldNotBeReadMakesTheListIncomplete) {
  ASSERT_EQ(Run({L"list", L"--format", L"json", L"--output", L"C:\\in\\before.json"}), 0) << err;
  const std::vector<std::pair<std::function<void(FakePlatform&)>, std::string>> cases = {
      {[](FakePlatform& f) { f.services.DenyManager(true); },
       "orvanec: could not read the service manager: Access is denied.\n"},
      {[](FakePlatform& f) { f.services.DenyOpen(L"backupd"); },
       "orvanec: could not read the service backupd: Access is denied.\n"},
      {[](FakePlatform& f) { f.files.DenyListing(kUserStartup); },
       "orvanec: could not read the Startup folder " + WideToUtf8(kUserStartup) +
           ": Access is denied.\n"},
      {[](FakePlatform& f) { f.com.faults.Fail("get_Count", static_cast<std::uint32_t>(E_NOTIMPL)); },
       "orvanec: could not read the task library: error 0x80004001\n"},
      {[](FakePlatform& f) { f.com.faults.Fail("CoCreateInstance", static_cast<std::uint32_t>(REGDB_E_CLASSNOTREG)); },
       "orvanec: could not read the task library: it could not be opened\n"},
      {[](FakePlatform& f) { f.registry.faults.Fail("RegEnumValueW", ERROR_ACCESS_DENIED, 0, 1); },
       "orvanec: could not read the Run key HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run: "
       "its values could not be listed\n"},
  };
  for (const auto& [fault, message] : cases) {
    FakePlatform broken;
    InitializeFolderVariables();
    broken.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Notes", L"C:\\Apps\\notes.exe");
    broken.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"Updater", L"C:\\Apps\\updater.exe");
    broken.files.AddFile(kUserStartup, L"Chat.lnk");
    FakeService service;
    service.name = L"backupd";
    broken.services.AddService(service);
    broken.files.AddFile(L"C:\\in", L"before.json", FILE_ATTRIBUTE_ARCHIVE,
                         *fake.files.FileContents(L"C:\\in\\before.json"));
    // Before each command: some faults strike once.
    fault(broken);
    EXPECT_EQ(Run({L"list", L"--format", L"csv"}), kExitIncomplete) << message;
    EXPECT_EQ(err, message);
    EXPECT_NE(out.find("HKCU,Notes,"), std::string::npos) << "what was read is still listed: " << out;
    fault(broken);
    EXPECT_EQ(Run({L"diff", L"C:\\in\\before.json"}), 2) << message;
    EXPECT_EQ(err.rfind(message, 0), 0u) << err;
    EXPECT_FALSE(out.empty()) << "the comparison is still shown";
    fault(broken);
    EXPECT_EQ(Run({L"save", L"C:\\in\\saved.txt"}), kExitIncomplete) << message;
  }
  InitializeFolderVariables();
  // A Run key or a Startup folder that is not there holds nothing: that is no failure.
  fake.files.RemoveFolder(kUserStartup);
  EXPECT_EQ(Run({L"list"}), 0) << err;
  EXPECT_EQ(err, "");
}

TEST(CompanionExitTest, AFailedWriteOfTheOutputIsNeverSuccess) {
  struct Case {
    std::vector<std::wstring> args;
    int code;
    int expected;
  };
  for (const Case& c : std::vector<Case>{{{L"list"}, 0, 1},
                                          {{L"list"}, 3, 1},
                                          {{L"--help"}, 0, 1},
                                          {{L"diff", L"a.json"}, 0, 2},
                                          {{L"diff", L"a.json"}, 1, 2},
                                          {{L"save", L"a"}, 0, 1}}) {
    EXPECT_EQ(ExitCodeAfterWrite(c.args, c.code, false), c.expected);
    EXPECT_EQ(ExitCodeAfterWrite(c.args, c.code, true), c.code);
  }
}

// A crafted name must not move the cursor or forge a line on a terminal; the machine
// formats keep it exactly.
TEST_F(CompanionTest, ControlCharactersShowAsEscapesInTextOnly) {
  const std::wstring name = L"Evil\x1B[2K\rdisabled  HKLM  Fake\nNext";
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, name, L"C:\\x.exe");
  ASSERT_EQ(Run({L"list", L"--format", L"json", L"--output", L"C:\\Users\\snap.json"}), 0) << err;
  ASSERT_EQ(Run({L"list"}), 0) << err;
  EXPECT_NE(out.find("Evil\\x1B[2K\\rdisabled  HKLM  Fake\\nNext"), std::string::npos) << out;
  for (char c : out) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
  ASSERT_EQ(Run({L"list", L"--format", L"json"}), 0);
  EXPECT_EQ(nlohmann::json::parse(out)[0]["caption"], WideToUtf8(name));
  ASSERT_EQ(Run({L"list", L"--format", L"csv"}), 0);
  EXPECT_NE(out.find("\"" + WideToUtf8(name) + "\""), std::string::npos);

  fake.registry.DeleteTree(HKEY_CURRENT_USER, kRunKey);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Other", L"C:\\x.exe");
  EXPECT_EQ(Run({L"diff", L"C:\\Users\\snap.json"}), 1);
  EXPECT_NE(out.find("removed HKCU  " + WideToUtf8(RunTarget(HKEY_CURRENT_USER, L"Evil")) +
                     "\\x1B[2K\\rdisabled  HKLM  Fake\\nNext\n"),
            std::string::npos)
      << out;
  for (char c : out) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
}

// Any program can give a Run value or a startup file a name with a lone surrogate. Such
// names travel through a snapshot unchanged, so diff sees no change, and two of them
// stay two.
TEST_F(CompanionTest, NamesWithLoneSurrogatesCompareAsTheyAre) {
  std::wstring first = L"Tray", second = L"Tray";
  AppendUtf16CodeUnit(first, 0xDC00);
  AppendUtf16CodeUnit(second, 0xDC01);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, first, L"C:\\a.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, second, L"C:\\b.exe");
  fake.files.AddFile(kUserStartup, second + L".lnk");
  fake.files.AddFolder(L"C:\\out");
  ASSERT_EQ(Run({L"list", L"--format", L"json", L"--output", L"C:\\out\\before.json"}), 0) << err;
  const std::string snapshot = *fake.files.FileContents(L"C:\\out\\before.json");
  EXPECT_NE(snapshot.find("Tray\\udc00"), std::string::npos) << snapshot;
  EXPECT_NE(snapshot.find("Tray\\udc01"), std::string::npos) << snapshot;
  EXPECT_EQ(Run({L"diff", L"C:\\out\\before.json"}), 0) << out;
  EXPECT_EQ(out, "no changes\n");

  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, second, L"C:\\c.exe");
  EXPECT_EQ(Run({L"diff", L"C:\\out\\before.json", L"--format", L"json"}), 1);
  EXPECT_NE(out.find("Tray\\udc01"), std::string::npos) << out;
  const auto diff = ParseJsonLossless(out);
  ASSERT_TRUE(diff) << out;
  ASSERT_EQ((*diff)["changed"].size(), 1u);
  EXPECT_EQ(JsonWide((*diff)["changed"][0]["target"].get<std::string>()), RunTarget(HKEY_CURRENT_USER, second));
  EXPECT_TRUE((*diff)["added"].empty());
  EXPECT_TRUE((*diff)["removed"].empty());
}

TEST_F(CompanionTest, SaveReplacesTheFileOnlyWithACompleteOne) {
  fake.files.AddFile(kUserStartup, L"Notes.lnk");
  fake.files.AddFile(L"C:\\out", L"list.txt", FILE_ATTRIBUTE_ARCHIVE, "the old list");
  fake.files.faults.Fail("WriteFile", ERROR_DISK_FULL, 0, 1);
  EXPECT_EQ(Run({L"save", L"C:\\out\\list.txt"}), 1);
  EXPECT_EQ(err, "orvanec: cannot write C:\\out\\list.txt: There is not enough space on the disk.\n");
  EXPECT_EQ(fake.files.FileContents(L"C:\\out\\list.txt"), "the old list");
  EXPECT_EQ(fake.files.Entries(L"C:\\out").size(), 1u) << "nothing is left beside it";

  fake.files.faults.Fail("MoveFileExW", ERROR_ACCESS_DENIED, 0, 1);
  EXPECT_EQ(Run({L"save", L"C:\\out\\list.txt"}), 1);
  EXPECT_EQ(fake.files.FileContents(L"C:\\out\\list.txt"), "the old list");
  EXPECT_EQ(fake.files.Entries(L"C:\\out").size(), 1u);

  EXPECT_EQ(Run({L"save", L"C:\\out\\list.txt"}), 0) << err;
  EXPECT_EQ(fake.files.FileContents(L"C:\\out\\list.txt"),
            "\xEF\xBB\xBF" "FILE|Notes|" + WideToUtf8(kUserStartup) + "\\Notes.lnk\r\n");
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
