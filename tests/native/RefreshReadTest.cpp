// The refresh's reading half, as the window's reader thread runs it: which entries have
// their files read, the facts the merge then takes without reading anything itself, and
// the product names kept across refreshes for files that did not change.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "Lib/AutorunRows.h"
#include "Lib/ProductNames.h"
#include "Lib/RefreshRead.h"
#include "tests/support/CatalogueFixture.h"

namespace {

// ERROR_BAD_NETPATH and ERROR_BAD_NET_NAME: no such server, no such share.
constexpr DWORD kBadNetPath = 53;
constexpr DWORD kBadNetName = 67;

constexpr wchar_t kTools[] = L"C:\\Tools";
constexpr wchar_t kAlpha[] = L"C:\\Tools\\alpha.exe";
constexpr wchar_t kBeta[] = L"C:\\Tools\\beta.exe";

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

TEST_F(RefreshReadTest, OnlyNewShownFilesAreReadAndTheMergeThenReadsNothing) {
  TRefreshRequest request;
  // Beta is a row already; Off is disabled and not shown.
  request.knownRows.insert(TAutorunRows::FoldedKey(L"HKCU", L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Beta"));
  TRefreshRead read;
  ReadRefresh(request, names, stop, read);
  ASSERT_NE(Find(read.catalogue, L"HKCU", L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Off"), nullptr);
  EXPECT_EQ(read.productNames.size(), 1u);
  EXPECT_EQ(read.productNames[kAlpha], L"Alpha Suite");
  ASSERT_EQ(read.icons.size(), 1u);
  EXPECT_EQ(read.icons[0].first, kAlpha);

  // The merge on the window's thread: no file, version or icon call of its own.
  TImageCollection images;
  TIconCache cache;
  const TRowFacts facts = StoreRefreshFacts(read, cache, images);
  EXPECT_EQ(images.Count(), 5) << "the four drawings and Alpha's icon";
  fake.files.faults.ResetCalls();
  fake.versions.faults.ResetCalls();
  fake.icons.faults.ResetCalls();
  FilterList fileWhite, nameWhite;
  TRowSources sources{&fileWhite, &nameWhite, &images, &cache, false, &facts};
  TAutorunRows rows;
  rows.Merge(read.catalogue, sources);
  ASSERT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.Row(0).FileName, L"Alpha Suite");
  EXPECT_EQ(rows.Row(0).Icon, 4);
  EXPECT_EQ(rows.Row(1).FileName, L"Beta") << "not read: its caption and the cubes";
  EXPECT_EQ(rows.Row(1).Icon, kImageCubes);
  EXPECT_EQ(fake.files.faults.Calls("GetFileAttributesW") + fake.files.faults.Calls("FindFirstFileW"), 0);
  EXPECT_EQ(VersionReads(), 0);
  EXPECT_EQ(fake.icons.faults.Calls("ExtractAssociatedIconW"), 0);

  // Stopped (the window closed): no file is read after the catalogue.
  stop = true;
  TRefreshRead stopped;
  fake.versions.faults.ResetCalls();
  ReadRefresh(TRefreshRequest{}, names, stop, stopped);
  EXPECT_EQ(stopped.catalogue.size(), read.catalogue.size());
  EXPECT_TRUE(stopped.productNames.empty());
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
    int searchesForThree;  // FindFirstFileW calls for three lookups
  } cases[] = {
      {L"\\\\office\\share\\tool.exe", kBadNetPath, true, 1},
      {L"\\\\?\\UNC\\office\\share\\tool.exe", kBadNetName, true, 1},
      {L"\\\\office\\share\\gone.exe", ERROR_FILE_NOT_FOUND, true, 3},
      {L"\\\\?\\C:\\Tools\\gone.exe", ERROR_PATH_NOT_FOUND, false, 3},
      {L"C:\\Tools\\gone.exe", ERROR_FILE_NOT_FOUND, false, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.path);
    EXPECT_EQ(IsNetworkPath(c.path), c.network);
    TProductNames fresh;
    fake.files.faults.ResetCalls();
    fake.files.faults.Fail("FindFirstFileW", c.error);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(fresh.Lookup(c.path), L"");
    EXPECT_EQ(fake.files.faults.Calls("FindFirstFileW"), c.searchesForThree);
    fake.files.faults.Clear();
  }
}

}  // namespace
