// Folders and files in memory, listed the way FindFirstFileW/FindNextFileW list a real
// folder: "." and ".." first (except at a drive's root), then the entries in the order
// they were added. Folder paths compare without regard to case; a path's spelling is
// kept as first given.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/fake/FaultPlan.h"

class FakeFileSystem : public IFileSystem {
 public:
  FakeFileSystem();
  ~FakeFileSystem() override;
  FakeFileSystem(const FakeFileSystem&) = delete;
  FakeFileSystem& operator=(const FakeFileSystem&) = delete;

  // pattern is "<folder>\<mask>"; the mask may use * and ? ("*" and "*.*" list all).
  [[nodiscard]] std::unique_ptr<IFileSearch> FindFirstFileW(const wchar_t* pattern,
                                                            FindData* data,
                                                            DWORD* error) override;
  [[nodiscard]] BOOL DeleteFileW(const wchar_t* path, DWORD* error) override;
  // Consults the fault plan as "CreateFileW"; the file's calls consult it as
  // "GetFileInformationByHandle", "GetFinalPathNameByHandleW" and
  // "SetFileInformationByHandle". A file marked for deletion goes when it is closed.
  [[nodiscard]] std::unique_ptr<IOpenFile> OpenForDeletion(const wchar_t* path,
                                                           DWORD* error) override;
  // Consults the fault plan as "CreateFileW"; the file's ReadAll and WriteAll consult it
  // as "ReadFile" and "WriteFile". The new file's final path is its folder's, junctions
  // resolved.
  [[nodiscard]] std::unique_ptr<IOpenFile> CreateNewFile(const wchar_t* path,
                                                         DWORD* error) override;
  // Consults the fault plan as "CreateDirectoryW".
  [[nodiscard]] BOOL CreateDirectoryW(const wchar_t* path, DWORD* error) override;
  // Consults the fault plan as "CreateFileW" and then "WriteFile".
  [[nodiscard]] BOOL WriteWholeFile(const wchar_t* path, const std::string& bytes,
                                    DWORD* error) override;
  // Renames within the fake; the target's folder must exist. Without
  // MOVEFILE_REPLACE_EXISTING an existing target is ERROR_ALREADY_EXISTS; a folder or a
  // read-only file as target is ERROR_ACCESS_DENIED, as is a locked one (its lock's error).
  [[nodiscard]] BOOL MoveFileExW(const wchar_t* from, const wchar_t* to, DWORD flags,
                                 DWORD* error) override;
  // Consults the fault plan as "ReadFile"; a folder is ERROR_ACCESS_DENIED.
  [[nodiscard]] BOOL ReadWholeFile(const wchar_t* path, size_t maxBytes, std::string* bytes,
                                   DWORD* error) override;
  // The entry's attributes; a folder is FILE_ATTRIBUTE_DIRECTORY.
  [[nodiscard]] DWORD GetFileAttributesW(const wchar_t* path, DWORD* error) override;
  // DRIVE_FIXED unless SetDriveType said otherwise.
  UINT GetDriveTypeW(const wchar_t* root) override;
  std::wstring FormatSystemMessage(DWORD error) override;

  // Test setup. AddFolder creates the folder and every folder above it, each listed as
  // a FILE_ATTRIBUTE_DIRECTORY entry in its parent; AddFile does the same for its folder
  // and then adds (or replaces) the entry.
  void AddFolder(std::wstring_view folder);
  void AddFile(std::wstring_view folder, std::wstring_view name,
               DWORD attributes = FILE_ATTRIBUTE_ARCHIVE, std::string contents = {});
  // Makes `path` a junction to the folder `target`: its parent lists it with
  // FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, and every path through it
  // reaches the target's entries (whose final paths are the target's).
  void AddJunction(std::wstring_view path, std::wstring_view target);
  // Files opened by OpenForDeletion and not closed yet.
  int OpenFileCount() const;
  // A folder or a file.
  bool Exists(std::wstring_view path) const;
  // Removes the folder, everything in it and its entry in the parent folder.
  void RemoveFolder(std::wstring_view folder);
  // FindFirstFileW on the folder fails with ERROR_ACCESS_DENIED.
  void DenyListing(std::wstring_view folder);
  // DeleteFileW and WriteWholeFile of the path fail with `error` (say
  // ERROR_SHARING_VIOLATION); NO_ERROR lifts the lock.
  void LockFile(std::wstring_view path, DWORD error);
  // The type GetDriveTypeW gives for the drive whose root ("Z:\\") is given, any case.
  void SetDriveType(std::wstring_view root, UINT type);
  // The entries of a folder as FindFirstFileW lists them, without "." and "..".
  std::vector<FindData> Entries(std::wstring_view folder) const;
  std::optional<std::string> FileContents(std::wstring_view path) const;
  // Searches begun by FindFirstFileW and not destroyed yet (FindClose not called).
  int OpenSearchCount() const;

  FaultPlan faults{"FakeFileSystem",
                   {"CreateDirectoryW", "CreateFileW", "DeleteFileW", "FindFirstFileW", "FindNextFileW",
                    "FormatMessageW", "GetFileAttributesW", "GetFileInformationByHandle",
                    "GetFinalPathNameByHandleW", "MoveFileExW", "ReadFile",
                    "SetFileInformationByHandle", "WriteFile"}};

 private:
  class Search;
  class OpenFile;
  struct Entry {
    std::wstring name;
    DWORD attributes = 0;
    std::string contents;
    // Stands for the last write time: a stamp from writes_ taken at each write.
    std::uint64_t written = 0;
  };
  struct Folder {
    std::wstring path;
    std::vector<Entry> entries;
  };

  // The start of every call: points a missing error slot somewhere, asks the fault plan,
  // then refuses a required argument that is null (ERROR_INVALID_PARAMETER); true when
  // the call fails, with *error set. The calls ask before they take the lock, so a test's
  // hook that holds one call does not hold the other threads' calls (WriteFile, which
  // fails after the file is made, excepted).
  bool Refuses(const char* call, std::initializer_list<const void*> required, DWORD*& error);
  Folder* FindFolder(std::wstring_view path);
  const Folder* FindFolder(std::wstring_view path) const;
  Folder& MakeFolder(std::wstring_view path);
  // The normalized path with every junction on the way replaced by its target.
  std::wstring ThroughJunctions(std::wstring_view path) const;
  // The entry a file path names, or nullptr; the caller holds the lock.
  Entry* FindEntry(std::wstring_view path, Folder** folder);
  // An entry that is a file, not a folder; the caller holds the lock.
  bool IsFile(std::wstring_view path) const;
  void SearchClosed();
  void FileClosed(const std::wstring& path, bool deletePending);

  mutable std::mutex mutex_;
  std::map<std::wstring, Folder> folders_;  // by folded path
  std::set<std::wstring> deniedListing_;    // folded paths
  std::map<std::wstring, DWORD> locks_;     // folded paths
  std::map<std::wstring, std::wstring> junctions_;  // folded path -> target as given
  std::map<std::wstring, UINT> driveTypes_;         // folded root
  int openSearches_ = 0;
  std::uint64_t writes_ = 0;
  int openFiles_ = 0;
};
