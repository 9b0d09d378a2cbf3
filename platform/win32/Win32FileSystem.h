// Folder listing, file deletion and system messages, straight through to kernel32.
#pragma once

#include "platform/FileSystem.h"

class Win32FileSystem final : public IFileSystem {
 public:
  std::unique_ptr<IFileSearch> FindFirstFileW(const wchar_t* pattern, FindData* data,
                                              DWORD* error) override;
  BOOL DeleteFileW(const wchar_t* path, DWORD* error) override;
  std::unique_ptr<IOpenFile> OpenForDeletion(const wchar_t* path, DWORD* error) override;
  std::unique_ptr<IOpenFile> CreateNewFile(const wchar_t* path, DWORD* error) override;
  BOOL CreateDirectoryW(const wchar_t* path, DWORD* error) override;
  BOOL WriteWholeFile(const wchar_t* path, const std::string& bytes, DWORD* error) override;
  BOOL MoveFileExW(const wchar_t* from, const wchar_t* to, DWORD flags, DWORD* error) override;
  BOOL ReadWholeFile(const wchar_t* path, size_t maxBytes, std::string* bytes,
                     DWORD* error) override;
  DWORD GetFileAttributesW(const wchar_t* path, DWORD* error) override;
  UINT GetDriveTypeW(const wchar_t* root) override;
  std::wstring FormatSystemMessage(DWORD error) override;
};
