// Folder listing and file deletion, in the shape of FindFirstFileW/FindNextFileW.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/WinTypes.h"

#ifndef _WIN32
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;
constexpr UINT DRIVE_FIXED = 3;
constexpr UINT DRIVE_REMOTE = 4;
#endif

struct FindData {
  DWORD attributes = 0;
  std::wstring fileName;
  // nFileSizeHigh:nFileSizeLow and ftLastWriteTime as one number each.
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;
};

// One folder listing in progress; destroying it closes the search (FindClose).
class IFileSearch {
 public:
  virtual ~IFileSearch() = default;
  // FindNextFileW: FALSE with ERROR_NO_MORE_FILES in *error at the end.
  [[nodiscard]] virtual BOOL FindNextFileW(FindData* data, DWORD* error) = 0;
};

// A file opened to be deleted through its handle, so what is checked is what is deleted:
// no one can swap the name for another file in between. Destroying it closes the handle
// (CloseHandle); a file marked for deletion goes then.
class IOpenFile {
 public:
  virtual ~IOpenFile() = default;
  // GetFileInformationByHandle's dwFileAttributes.
  [[nodiscard]] virtual BOOL GetAttributes(DWORD* attributes, DWORD* error) = 0;
  // GetFinalPathNameByHandleW with FILE_NAME_NORMALIZED | VOLUME_NAME_DOS: the path the
  // handle really reaches, every junction and link on the way resolved ("\\?\C:\...").
  [[nodiscard]] virtual BOOL GetFinalPathName(std::wstring* path, DWORD* error) = 0;
  // SetFileInformationByHandle(FileBasicInfo) with these attributes and the times left
  // as they are. As there, 0 leaves the attributes unchanged; FILE_ATTRIBUTE_NORMAL
  // alone clears them.
  [[nodiscard]] virtual BOOL SetAttributes(DWORD attributes, DWORD* error) = 0;
  // SetFileInformationByHandle(FileDispositionInfo, TRUE). A read-only file is refused
  // with ERROR_ACCESS_DENIED.
  [[nodiscard]] virtual BOOL MarkForDeletion(DWORD* error) = 0;
  // ReadFile from the start to the end through this handle; a file larger than maxBytes
  // fails with ERROR_FILE_TOO_LARGE. FALSE with the GetLastError code in *error, and
  // *bytes untouched.
  [[nodiscard]] virtual BOOL ReadAll(size_t maxBytes, std::string* bytes, DWORD* error) = 0;
  // WriteFile of all these bytes through this handle (a file made by CreateNewFile).
  [[nodiscard]] virtual BOOL WriteAll(const std::string& bytes, DWORD* error) = 0;
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  // FindFirstFileW: on success the first match is in data and a search is returned; on
  // failure nullptr is returned and *error holds the GetLastError code.
  [[nodiscard]] virtual std::unique_ptr<IFileSearch> FindFirstFileW(const wchar_t* pattern,
                                                                    FindData* data,
                                                                    DWORD* error) = 0;
  // DeleteFileW: FALSE with the GetLastError code in *error on failure.
  [[nodiscard]] virtual BOOL DeleteFileW(const wchar_t* path, DWORD* error) = 0;
  // CreateFileW(path, DELETE | FILE_READ_DATA | FILE_READ_ATTRIBUTES |
  // FILE_WRITE_ATTRIBUTES, sharing for all, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT):
  // the file itself, a link as the link, never what it points at; what is read through
  // it is what is then deleted. nullptr with the GetLastError code in *error; a folder is
  // ERROR_ACCESS_DENIED (no backup semantics asked for).
  [[nodiscard]] virtual std::unique_ptr<IOpenFile> OpenForDeletion(const wchar_t* path,
                                                                   DWORD* error) = 0;
  // CreateFileW(path, the same rights as OpenForDeletion and FILE_WRITE_DATA, sharing for
  // readers, CREATE_NEW, FILE_FLAG_OPEN_REPARSE_POINT): a new, empty file, whose final
  // path can be checked before anything is written into it and which can be deleted
  // again through the handle. Anything at that name already, a link included, is
  // ERROR_FILE_EXISTS; nullptr with the GetLastError code in *error.
  [[nodiscard]] virtual std::unique_ptr<IOpenFile> CreateNewFile(const wchar_t* path,
                                                                 DWORD* error) = 0;
  // CreateDirectoryW with the default security (inherited from the parent): a folder
  // there already is ERROR_ALREADY_EXISTS, a missing parent ERROR_PATH_NOT_FOUND.
  [[nodiscard]] virtual BOOL CreateDirectoryW(const wchar_t* path, DWORD* error) = 0;
  // Creates or replaces the file with exactly these bytes (CreateFileW with
  // CREATE_ALWAYS, then WriteFileW); FALSE with the GetLastError code in *error.
  [[nodiscard]] virtual BOOL WriteWholeFile(const wchar_t* path, const std::string& bytes,
                                            DWORD* error) = 0;
  // MoveFileExW: renames `from` to `to`; with MOVEFILE_REPLACE_EXISTING an existing file
  // at `to` is replaced in one step, so a reader sees the old file or the new one, never
  // a part. FALSE with the GetLastError code in *error.
  [[nodiscard]] virtual BOOL MoveFileExW(const wchar_t* from, const wchar_t* to, DWORD flags,
                                         DWORD* error) = 0;
  // Reads the whole file (CreateFileW with OPEN_EXISTING and sharing for readers and
  // writers, then ReadFile to the end); FALSE with the GetLastError code in *error, and
  // *bytes untouched. A file larger than maxBytes fails with ERROR_FILE_TOO_LARGE.
  [[nodiscard]] virtual BOOL ReadWholeFile(const wchar_t* path, size_t maxBytes,
                                           std::string* bytes, DWORD* error) = 0;
  // GetFileAttributesW: INVALID_FILE_ATTRIBUTES with the GetLastError code in *error
  // (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ...) when nothing is there.
  [[nodiscard]] virtual DWORD GetFileAttributesW(const wchar_t* path, DWORD* error) = 0;
  // GetDriveTypeW of a drive's root ("Z:\\"): DRIVE_REMOTE for a mapped network drive.
  // It answers from the drive's mapping, without asking the server.
  virtual UINT GetDriveTypeW(const wchar_t* root) = 0;
  // FormatMessageW of a system error code, without the trailing line break.
  virtual std::wstring FormatSystemMessage(DWORD error) = 0;
};
