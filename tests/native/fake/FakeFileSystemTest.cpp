// Folder listings in the fake behave like FindFirstFileW on a real folder: the dot
// entries come first, a drive's root has none, and a listing can break off midway.
#include "platform/fake/FakeFileSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Listing {
  std::vector<std::wstring> names;
  DWORD error = NO_ERROR;
};

Listing List(FakeFileSystem& files, const std::wstring& pattern) {
  Listing listing;
  FindData data;
  std::unique_ptr<IFileSearch> search = files.FindFirstFileW(pattern.c_str(), &data, &listing.error);
  if (!search) return listing;
  do listing.names.push_back(data.fileName);
  while (search->FindNextFileW(&data, &listing.error));
  return listing;
}

TEST(FakeFileSystemTest, ListingsLookLikeARealFolder) {
  FakeFileSystem files;
  files.AddFile(L"C:\\Startup", L"b.lnk");
  files.AddFile(L"C:\\Startup", L"a.exe", FILE_ATTRIBUTE_HIDDEN);
  files.AddFolder(L"C:\\Startup\\Sub");
  files.AddFolder(L"C:\\Empty");
  files.DenyListing(L"C:\\Locked");
  files.AddFolder(L"C:\\Locked");

  struct Case {
    const wchar_t* pattern;
    std::vector<std::wstring> names;
    DWORD error;
  };
  const Case cases[] = {
      {L"c:\\startup\\*", {L".", L"..", L"b.lnk", L"a.exe", L"Sub"}, ERROR_NO_MORE_FILES},
      {L"C:\\Startup\\*.lnk", {L"b.lnk"}, ERROR_NO_MORE_FILES},
      {L"C:\\Empty\\*", {L".", L".."}, ERROR_NO_MORE_FILES},
      {L"C:\\Empty\\*.lnk", {}, ERROR_FILE_NOT_FOUND},
      {L"C:\\*", {L"Startup", L"Empty", L"Locked"}, ERROR_NO_MORE_FILES},
      {L"C:\\Missing\\*", {}, ERROR_PATH_NOT_FOUND},
      {L"C:\\Locked\\*", {}, ERROR_ACCESS_DENIED},
  };
  for (const Case& c : cases) {
    const Listing listing = List(files, c.pattern);
    EXPECT_EQ(listing.names, c.names) << c.pattern;
    EXPECT_EQ(listing.error, c.error) << c.pattern;
  }
  EXPECT_EQ(files.OpenSearchCount(), 0);
}

TEST(FakeFileSystemTest, AListingCanFailMidway) {
  FakeFileSystem files;
  files.AddFolder(L"C:\\Startup");
  files.AddFile(L"C:\\Startup", L"one.lnk");
  files.AddFile(L"C:\\Startup", L"two.lnk");
  files.faults.Fail("FindNextFileW", ERROR_NOT_ENOUGH_MEMORY, 2);
  const Listing listing = List(files, L"C:\\Startup\\*");
  EXPECT_EQ(listing.names, (std::vector<std::wstring>{L".", L"..", L"one.lnk"}));
  EXPECT_EQ(listing.error, ERROR_NOT_ENOUGH_MEMORY);
}

TEST(FakeFileSystemTest, DeleteFileReportsWhyItCannot) {
  FakeFileSystem files;
  files.AddFile(L"C:\\Startup", L"open.lnk");
  files.AddFile(L"C:\\Startup", L"locked.lnk");
  files.AddFile(L"C:\\Startup", L"readonly.lnk", FILE_ATTRIBUTE_READONLY);
  files.AddFolder(L"C:\\Startup\\Folder");
  files.LockFile(L"C:\\Startup\\LOCKED.lnk", ERROR_SHARING_VIOLATION);

  struct Case {
    const wchar_t* path;
    DWORD error;
  };
  const Case cases[] = {
      {L"C:\\Startup\\open.lnk", NO_ERROR},
      {L"C:\\Startup\\open.lnk", ERROR_FILE_NOT_FOUND},
      {L"C:\\Nowhere\\open.lnk", ERROR_PATH_NOT_FOUND},
      {L"C:\\Startup\\locked.lnk", ERROR_SHARING_VIOLATION},
      {L"C:\\Startup\\readonly.lnk", ERROR_ACCESS_DENIED},
      {L"C:\\Startup\\Folder", ERROR_ACCESS_DENIED},
  };
  for (const Case& c : cases) {
    DWORD error = NO_ERROR;
    EXPECT_EQ(files.DeleteFileW(c.path, &error), c.error == NO_ERROR ? TRUE : FALSE) << c.path;
    EXPECT_EQ(error, c.error) << c.path;
  }
  EXPECT_FALSE(files.Exists(L"C:\\Startup\\open.lnk"));
  EXPECT_TRUE(files.Exists(L"c:\\startup\\LOCKED.LNK"));
}

}  // namespace
