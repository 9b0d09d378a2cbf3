// The refresh's reading half, as the window's reader thread runs it: which entries have
// their files read, the facts the merge then takes without reading anything itself, and
// the product names kept across refreshes for files that did not change.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Lib/AutorunRows.h"
#include "Lib/ProductNames.h"
#include "Lib/RefreshRead.h"
#include "Lib/WorkWithDeadline.h"
#include "Tavin/Text.h"
#include "tests/support/CatalogueFixture.h"

namespace {

// ERROR_BAD_NETPATH and ERROR_BAD_NET_NAME: no such server, no such share.
constexpr DWORD kBadNetPath = 53;
constexpr DWORD kBadNetName = 67;

constexpr wchar_t kTools[] = L"C:\\Tools";
constexpr wchar_t kShare[] = L"\\\\office\\share";
constexpr wchar_t kOfficeTool[] = L"\\\\office\\share\\tool.exe";
constexpr wchar_t kAlpha[] = L"C:\\Tools\\alpha.exe";
constexpr wchar_t kBeta[] = L"C:\\Tools\\beta.exe";

// The files of the fake, except that a path on a share (or on the drive given, a mapped
// network drive) waits at a gate until the test
// opens it: an offline share, which answers only after the network's time-out. Lest a
// read without a deadline hang the run, the gate opens itself after a while; a test then
// sees that it was the gate, not the reader, that ended the wait.
class GatedShareFiles : public IFileSystem {
 public:
  explicit GatedShareFiles(IFileSystem& files, std::wstring drive = L"") : files_(files), drive_(std::move(drive)) {}

  void Open() {
    {
      const std::lock_guard lock(mutex_);
      open_ = true;
    }
    opened_.notify_all();
  }
  bool IsOpen() {
    const std::lock_guard lock(mutex_);
    return open_;
  }
  int NetworkCalls() {
    const std::lock_guard lock(mutex_);
    return networkCalls_;
  }

  std::unique_ptr<IFileSearch> FindFirstFileW(const wchar_t* pattern, FindData* data, DWORD* error) override {
    Pass(pattern);
    return files_.FindFirstFileW(pattern, data, error);
  }
  BOOL DeleteFileW(const wchar_t* path, DWORD* error) override { return files_.DeleteFileW(path, error); }
  std::unique_ptr<IOpenFile> OpenForDeletion(const wchar_t* path, DWORD* error) override {
    return files_.OpenForDeletion(path, error);
  }
  std::unique_ptr<IOpenFile> CreateNewFile(const wchar_t* path, DWORD* error) override {
    return files_.CreateNewFile(path, error);
  }
  BOOL CreateDirectoryW(const wchar_t* path, DWORD* error) override {
    return files_.CreateDirectoryW(path, error);
  }
  BOOL WriteWholeFile(const wchar_t* path, const std::string& bytes, DWORD* error) override {
    return files_.WriteWholeFile(path, bytes, error);
  }
  BOOL MoveFileExW(const wchar_t* from, const wchar_t* to, DWORD flags, DWORD* error) override {
    return files_.MoveFileExW(from, to, flags, error);
  }
  BOOL ReadWholeFile(const wchar_t* path, size_t maxBytes, std::string* bytes, DWORD* error) override {
    Pass(path);
    return files_.ReadWholeFile(path, maxBytes, bytes, error);
  }
  DWORD GetFileAttributesW(const wchar_t* path, DWORD* error) override {
    Pass(path);
    return files_.GetFileAttributesW(path, error);
  }
  UINT GetDriveTypeW(const wchar_t* root) override { return files_.GetDriveTypeW(root); }
  std::wstring FormatSystemMessage(DWORD error) override { return files_.FormatSystemMessage(error); }

 private:
  void Pass(const wchar_t* path) {
    if (!IsNetworkPath(path) && (drive_.empty() || !StartsTextAscii(drive_, path))) return;
    std::unique_lock lock(mutex_);
    ++networkCalls_;
    if (!opened_.wait_for(lock, std::chrono::seconds(20), [this] { return open_; })) open_ = true;
  }

  IFileSystem& files_;
  std::wstring drive_;
  std::mutex mutex_;
  std::condition_variable opened_;
  bool open_ = false;
  int networkCalls_ = 0;
};

class RefreshReadTest : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    fake.files.AddFile(kTools, L"alpha.exe", FILE_ATTRIBUTE_ARCHIVE, "MZ-alpha");
    fake.files.AddFile(kTools, L"beta.exe", FILE_ATTRIBUTE_ARCHIVE, "MZ-beta");
    fake.versions.SetVersionResource(kAlpha, FakeVersionResource::English({{L"ProductName", L"Alpha Suite"}}));
    fake.versions.SetVersionResource(kBeta, FakeVersionResource::English({{L"ProductName", L"Beta Tool"}}));
    fake.icons.SetIcons(kAlpha, 1);
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Alpha", kAlpha);
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Beta", kBeta);
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Off", L"C:\\Tools\\off.exe");
    fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Off", REG_BINARY, ApprovalRecord(3));
  }

  int VersionReads() { return fake.versions.faults.Calls("GetFileVersionInfoSizeW"); }

  TProductNames names;
  std::atomic<bool> stop{false};
};

TEST_F(RefreshReadTest, TheReaderDescribesTheNewRowsAndApplyingThemReadsNothing) {
  const std::wstring beta = L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Beta";
  // Beta is a row already, made without reading its file; Off is disabled and not shown.
  FilterList fileWhite, nameWhite;
  TAutorunRows rows;
  TAutorunInfo betaEntry;
  betaEntry.From = L"HKCU";
  betaEntry.Target = beta;
  betaEntry.Caption = L"Beta";
  betaEntry.FileName = kBeta;
  betaEntry.Enabled = true;
  rows.Merge({betaEntry}, TRowSources{&fileWhite, &nameWhite, nullptr, nullptr, false, false});
  ASSERT_EQ(rows.Count(), 1);
  EXPECT_EQ(VersionReads(), 0) << "a merge told not to read files reads none";

  TRefreshRequest request;
  request.knownRows.insert(TAutorunRows::FoldedKey(L"HKCU", beta));
  TRefreshRead read;
  ReadRefresh(request, names, stop, read);
  ASSERT_NE(Find(read.catalogue, L"HKCU", L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Off"), nullptr);
  ASSERT_EQ(read.plan.size(), read.catalogue.size()) << "one step for each entry";
  std::vector<std::wstring> described;
  for (const TMergeStep& step : read.plan)
    if (step.row) described.push_back(step.row->FileName);
  EXPECT_EQ(described, std::vector<std::wstring>{L"Alpha Suite"}) << "only the new, shown row, with its product name";
  EXPECT_EQ(VersionReads(), 1);
  ASSERT_EQ(read.icons.size(), 1u);
  EXPECT_EQ(read.icons[0].first, kAlpha);

  // What the window's thread does: no file, version or icon call of its own.
  TImageCollection images;
  TIconCache cache;
  const TFileIcons icons = StoreRefreshFacts(read, cache, images);
  EXPECT_EQ(images.Count(), 5) << "the four drawings and Alpha's icon";
  fake.files.faults.ResetCalls();
  fake.versions.faults.ResetCalls();
  fake.icons.faults.ResetCalls();
  rows.Apply(read.catalogue, std::move(read.plan), &icons);
  ASSERT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.Row(0).FileName, L"Beta") << "kept as it was: its caption and the cubes";
  EXPECT_EQ(rows.Row(0).Icon, kImageCubes);
  EXPECT_EQ(rows.Row(1).FileName, L"Alpha Suite");
  EXPECT_EQ(rows.Row(1).Icon, 4);
  EXPECT_EQ(fake.files.faults.Calls("GetFileAttributesW") + fake.files.faults.Calls("FindFirstFileW"), 0);
  EXPECT_EQ(VersionReads(), 0);
  EXPECT_EQ(fake.icons.faults.Calls("ExtractAssociatedIconW"), 0);

  // Stopped (the window closed): no file is read after the catalogue.
  stop = true;
  TRefreshRead stopped;
  fake.versions.faults.ResetCalls();
  ReadRefresh(TRefreshRequest{}, names, stop, stopped);
  EXPECT_EQ(stopped.catalogue.size(), read.catalogue.size());
  EXPECT_TRUE(stopped.icons.empty());
  EXPECT_EQ(VersionReads(), 0);
}

TEST_F(RefreshReadTest, AProductNameIsReadAgainOnlyWhenItsFileChanged) {
  EXPECT_EQ(names.Lookup(kAlpha), L"Alpha Suite");
  EXPECT_EQ(VersionReads(), 1);
  EXPECT_EQ(names.Lookup(L"c:\\tools\\ALPHA.exe"), L"Alpha Suite") << "paths ignore case";
  EXPECT_EQ(VersionReads(), 1) << "the same file is not read twice";

  // Rewritten (a new version installed): read again, and kept again.
  fake.versions.SetVersionResource(kAlpha, FakeVersionResource::English({{L"ProductName", L"Alpha 2"}}));
  fake.files.AddFile(kTools, L"alpha.exe", FILE_ATTRIBUTE_ARCHIVE, "MZ-alpha-2");
  EXPECT_EQ(names.Lookup(kAlpha), L"Alpha 2");
  EXPECT_EQ(names.Lookup(kAlpha), L"Alpha 2");
  EXPECT_EQ(VersionReads(), 2);

  // Gone, then back: nothing while it is gone, read afresh when it is there again.
  fake.files.faults.Fail("FindFirstFileW", ERROR_FILE_NOT_FOUND, 0, 1);
  EXPECT_EQ(names.Lookup(kAlpha), L"");
  EXPECT_EQ(names.Lookup(kAlpha), L"Alpha 2");
  EXPECT_EQ(VersionReads(), 3);
}

TEST_F(RefreshReadTest, AnUnreachableShareIsAskedOnceARunAndAMissingFileEveryTime) {
  struct Case {
    const wchar_t* path;
    DWORD error;
    bool network;
    const wchar_t* place;  // the share a miss is remembered for
    int searchesForThree;  // FindFirstFileW calls for three lookups
  } cases[] = {
      {L"\\\\office\\share\\tool.exe", kBadNetPath, true, L"\\\\office\\share", 1},
      {L"\\\\?\\UNC\\Office\\SHARE\\bin\\tool.exe", kBadNetName, true, L"\\\\office\\share", 1},
      {L"\\\\office\\share\\gone.exe", ERROR_FILE_NOT_FOUND, true, L"\\\\office\\share", 3},
      {L"\\\\office", kBadNetPath, true, L"\\\\office", 1},
      {L"\\\\?\\C:\\Tools\\gone.exe", ERROR_PATH_NOT_FOUND, false, L"", 3},
      {L"C:\\Tools\\gone.exe", ERROR_FILE_NOT_FOUND, false, L"", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.path);
    EXPECT_EQ(IsNetworkPath(c.path), c.network);
    EXPECT_EQ(NetworkPlace(c.path), c.place);
    TProductNames fresh;
    fake.files.faults.ResetCalls();
    fake.files.faults.Fail("FindFirstFileW", c.error);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(fresh.Lookup(c.path), L"");
    EXPECT_EQ(fake.files.faults.Calls("FindFirstFileW"), c.searchesForThree);
    fake.files.faults.Clear();
  }
}

TEST_F(RefreshReadTest, AShareThatDoesNotAnswerIsAMissByTheDeadlineAndNotAskedAgain) {
  fake.files.AddFile(kShare, L"tool.exe", FILE_ATTRIBUTE_ARCHIVE, "MZ-tool");
  fake.files.AddFile(kShare, L"other.exe", FILE_ATTRIBUTE_ARCHIVE, "MZ-other");
  fake.versions.SetVersionResource(kOfficeTool, FakeVersionResource::English({{L"ProductName", L"Office Tool"}}));
  fake.icons.SetIcons(kOfficeTool, 1);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Tool", kOfficeTool);
  // The same share, spelt otherwise.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Other", L"\\\\?\\UNC\\OFFICE\\Share\\other.exe");
  GatedShareFiles gated(fake.files);
  Platform platform = CurrentPlatform();
  platform.files = &gated;
  {
    const ScopedPlatform offline(platform);
    // The deadline is the seam: short here, and the gate stays shut for as long as the
    // reader could wait, so the outcome does not hang on the machine's speed.
    TProductNames shortWait(std::chrono::milliseconds(20));
    TRefreshRead read;
    ReadRefresh(TRefreshRequest{}, shortWait, stop, read);
    EXPECT_FALSE(gated.IsOpen()) << "the read ended by its deadline, not by the share's answer";
    EXPECT_EQ(gated.NetworkCalls(), 1) << "the second file on the share is not asked";
    std::map<std::wstring, std::wstring> described;
    for (const TMergeStep& step : read.plan)
      if (step.row) described[step.row->Target.substr(step.row->Target.rfind(L'\\') + 1)] = step.row->FileName;
    EXPECT_EQ(described, (std::map<std::wstring, std::wstring>{
                             {L"Alpha", L"Alpha Suite"},  // a local file is read as ever
                             {L"Beta", L"Beta Tool"},
                             {L"Tool", L"Tool"},  // missed: its caption
                             {L"Other", L"Other"}}));
    EXPECT_EQ(read.icons.size(), 4u) << "each file read once";
    TImageCollection images;
    TIconCache cache;
    const TFileIcons icons = StoreRefreshFacts(read, cache, images);
    EXPECT_EQ(icons.at(kOfficeTool), 0) << "the blank page, as a missing file";
    EXPECT_EQ(icons.at(kAlpha), 4);
    // The next refresh does not ask the share either.
    TRefreshRead again;
    ReadRefresh(TRefreshRequest{}, shortWait, stop, again);
    EXPECT_EQ(gated.NetworkCalls(), 1);

    // The abandoned read ends when the share answers at last, and touches nothing the
    // reader has freed meanwhile; the fakes stay until it is gone.
    gated.Open();
    while (AbandonedWorksRunning() > 0) std::this_thread::yield();

    // A share that answers within the deadline gives its name and icon.
    TProductNames longWait(std::chrono::minutes(1));
    const TFileFacts tool = longWait.Read(kOfficeTool, std::make_shared<const TIconCache>());
    EXPECT_EQ(tool.productName, L"Office Tool");
    EXPECT_FALSE(tool.icon.index.has_value());
    EXPECT_FALSE(tool.icon.ico.empty());
  }
}

TEST_F(RefreshReadTest, AMappedNetworkDriveIsReadWithTheDeadlineAndALocalDriveIsNot) {
  fake.files.SetDriveType(L"Z:\\", DRIVE_REMOTE);
  fake.files.AddFile(L"Z:\\Apps", L"one.exe");
  fake.files.AddFile(L"Z:\\Apps", L"two.exe");
  GatedShareFiles gated(fake.files, L"Z:");
  Platform platform = CurrentPlatform();
  platform.files = &gated;
  {
    const ScopedPlatform offline(platform);
    TProductNames shortWait(std::chrono::milliseconds(20));
    EXPECT_EQ(shortWait.Lookup(L"Z:\\Apps\\one.exe"), L"");
    EXPECT_EQ(shortWait.Lookup(L"z:\\apps\\two.exe"), L"");
    EXPECT_EQ(shortWait.Lookup(L"\\\\?\\Z:\\Apps\\two.exe"), L"");
    EXPECT_FALSE(gated.IsOpen()) << "the reads ended by the deadline";
    EXPECT_EQ(gated.NetworkCalls(), 1) << "the drive is not asked again";
    EXPECT_EQ(shortWait.Lookup(kAlpha), L"Alpha Suite") << "a fixed drive is read as ever";
    gated.Open();
    while (AbandonedWorksRunning() > 0) std::this_thread::yield();
  }
}

}  // namespace
