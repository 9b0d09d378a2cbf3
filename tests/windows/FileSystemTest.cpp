// Folder listing, deletion and system messages through the file adapter.
#include <set>

#include "WineTest.h"
#include "platform/win32/Win32Handles.h"

namespace {

class AnyFileSystem : public WineTest {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_GT(::GetTempPathW(MAX_PATH + 1, temp), 0u);
    folder_ = std::wstring(temp) + RunUniqueName(L"OrvaneFiles");
    RemoveFolder();  // one a run cut short left behind under the same name
    ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
  }
  void TearDown() override { RemoveFolder(); }
  void RemoveFolder() {
    // Nothing here is deep; a shell-free removal keeps the fixture independent of the
    // adapter under test.
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::wstring path = folder_ + L"\\" + found.cFileName;
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          ::RemoveDirectoryW(path.c_str());
        else
          ::DeleteFileW(path.c_str());
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(folder_.c_str());
  }
  std::wstring Make(const wchar_t* name) {
    std::wstring path = folder_ + L"\\" + name;
    UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_NE(file.get(), INVALID_HANDLE_VALUE);
    if (file.get() == INVALID_HANDLE_VALUE) file.release();
    return path;
  }
  IFileSystem& files() { return PlatformFiles(); }

  std::wstring folder_;
};

TEST_F(AnyFileSystem, ListingGivesDotAndDotDotFirstThenEveryEntryThenNoMoreFiles) {
  Make(L"App.lnk");
  Make(L"notes.txt");
  ASSERT_TRUE(::CreateDirectoryW((folder_ + L"\\Sub").c_str(), nullptr));

  FindData data;
  DWORD error = 0;
  std::unique_ptr<IFileSearch> search = files().FindFirstFileW((folder_ + L"\\*").c_str(),
                                                               &data, &error);
  ASSERT_TRUE(search) << error;
  std::vector<FindData> entries{data};
  while (search->FindNextFileW(&data, &error)) entries.push_back(data);
  EXPECT_EQ(error, ERROR_NO_MORE_FILES);

  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[0].fileName, L".");
  EXPECT_EQ(entries[1].fileName, L"..");
  std::set<std::pair<std::wstring, bool>> rest;
  for (size_t i = 2; i < entries.size(); ++i)
    rest.emplace(entries[i].fileName, (entries[i].attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  EXPECT_EQ(rest, (std::set<std::pair<std::wstring, bool>>{
                      {L"App.lnk", false}, {L"notes.txt", false}, {L"Sub", true}}));
}

TEST_F(AnyFileSystem, PatternsFilterAndMissingPlacesGiveTheirErrors) {
  Make(L"App.lnk");
  Make(L"notes.txt");
  FindData data;
  DWORD error = 0;
  auto search = files().FindFirstFileW((folder_ + L"\\*.lnk").c_str(), &data, &error);
  ASSERT_TRUE(search);
  EXPECT_EQ(data.fileName, L"App.lnk");
  EXPECT_FALSE(search->FindNextFileW(&data, &error));
  EXPECT_EQ(error, ERROR_NO_MORE_FILES);
  EXPECT_EQ(data.fileName, L"App.lnk") << "a failed step leaves the entry untouched";

  struct Case {
    std::wstring pattern;
    DWORD error;
  } cases[] = {
      {folder_ + L"\\*.exe", ERROR_FILE_NOT_FOUND},
      {folder_ + L"\\Missing\\*", ERROR_PATH_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    FindData untouched{7, L"before"};
    DWORD got = 0;
    EXPECT_FALSE(files().FindFirstFileW(c.pattern.c_str(), &untouched, &got));
    EXPECT_EQ(got, c.error);
    EXPECT_EQ(untouched.fileName, L"before");
  }
}

TEST_F(AnyFileSystem, StartupFoldersExistAndList) {
  for (int csidl : {CSIDL_STARTUP, CSIDL_COMMON_STARTUP}) {
    SCOPED_TRACE(csidl);
    wchar_t path[MAX_PATH + 1];
    ASSERT_EQ(PlatformShell().SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path),
              S_OK);
    FindData data;
    DWORD error = 0;
    auto search = files().FindFirstFileW((std::wstring(path) + L"\\*").c_str(), &data, &error);
    ASSERT_TRUE(search) << error;
    EXPECT_EQ(data.fileName, L".");
  }
}

TEST_F(AnyFileSystem, DeleteFileErrors) {
  const std::wstring plain = Make(L"plain.txt");
  const std::wstring readOnly = Make(L"readonly.txt");
  ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::wstring open = Make(L"open.txt");
  UniqueHandle held(::CreateFileW(open.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
  ASSERT_TRUE(::CreateDirectoryW((folder_ + L"\\Dir").c_str(), nullptr));

  struct Case {
    std::wstring path;
    BOOL result;
    DWORD error;
  } cases[] = {
      {plain, TRUE, 0},
      {plain, FALSE, ERROR_FILE_NOT_FOUND},
      {folder_ + L"\\Missing\\x.txt", FALSE, ERROR_PATH_NOT_FOUND},
      {readOnly, FALSE, ERROR_ACCESS_DENIED},
      {folder_ + L"\\Dir", FALSE, ERROR_ACCESS_DENIED},
      {open, FALSE, ERROR_SHARING_VIOLATION},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    DWORD error = 0;
    EXPECT_EQ(files().DeleteFileW(c.path.c_str(), &error), c.result);
    EXPECT_EQ(error, c.error);
  }
}

TEST_F(AnyFileSystem, WriteWholeFileCreatesOrReplacesWithExactlyTheBytes) {
  const std::wstring path = folder_ + L"\\list.txt";
  auto read = [&path] {
    std::string bytes(64, '\0');
    DWORD got = 0;
    UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(file);
    EXPECT_TRUE(::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr));
    bytes.resize(got);
    return bytes;
  };
  DWORD error = 0;
  ASSERT_TRUE(PlatformFiles().WriteWholeFile(path.c_str(), "\xEF\xBB\xBFlong first text\r\n", &error));
  EXPECT_EQ(read(), "\xEF\xBB\xBFlong first text\r\n");
  ASSERT_TRUE(PlatformFiles().WriteWholeFile(path.c_str(), "short", &error));
  EXPECT_EQ(read(), "short") << "a replaced file keeps nothing of the old one";
  ASSERT_TRUE(PlatformFiles().WriteWholeFile(path.c_str(), "", &error));
  EXPECT_EQ(read(), "");

  EXPECT_FALSE(PlatformFiles().WriteWholeFile((folder_ + L"\\missing\\x.txt").c_str(), "x", &error));
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(AnyFileSystem, ReadWholeFileGivesEveryByteOrLeavesTheBufferAlone) {
  const std::wstring path = folder_ + L"\\snapshot.json";
  // More than one read's worth, with NULs and bytes above 0x7F.
  std::string written;
  for (int i = 0; i < 200000; ++i) written += static_cast<char>(i % 251);
  DWORD error = 0;
  ASSERT_TRUE(PlatformFiles().WriteWholeFile(path.c_str(), written, &error));
  std::string bytes = "old";
  ASSERT_TRUE(PlatformFiles().ReadWholeFile(path.c_str(), written.size(), &bytes, &error));
  EXPECT_TRUE(bytes == written);

  struct Case {
    std::wstring path;
    size_t maxBytes;
    DWORD error;
  };
  for (const Case& c : {Case{path, written.size() - 1, ERROR_FILE_TOO_LARGE},
                        Case{folder_ + L"\\missing.json", 100, ERROR_FILE_NOT_FOUND},
                        Case{folder_ + L"\\missing\\x.json", 100, ERROR_PATH_NOT_FOUND},
                        // CreateFileW opens a folder only with backup semantics.
                        Case{folder_, 100, ERROR_ACCESS_DENIED}}) {
    SCOPED_TRACE(c.path);
    bytes = "old";
    error = 0;
    EXPECT_FALSE(PlatformFiles().ReadWholeFile(c.path.c_str(), c.maxBytes, &bytes, &error));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(bytes, "old");
  }
  ASSERT_TRUE(PlatformFiles().WriteWholeFile(path.c_str(), "", &error));
  ASSERT_TRUE(PlatformFiles().ReadWholeFile(path.c_str(), 0, &bytes, &error));
  EXPECT_EQ(bytes, "");
}

TEST_F(AnyFileSystem, SystemMessagesHaveNoTrailingLineBreak) {
  for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SERVICE_DOES_NOT_EXIST}) {
    SCOPED_TRACE(code);
    std::wstring message = files().FormatSystemMessage(code);
    ASSERT_FALSE(message.empty());
    EXPECT_NE(message.back(), L'\n');
    EXPECT_NE(message.back(), L'\r');
    EXPECT_EQ(message.find(L"%"), std::wstring::npos) << "inserts are not expanded";
  }
  EXPECT_EQ(files().FormatSystemMessage(0x2000FFFF), L"") << "no message for a made-up code";
}

}  // namespace
