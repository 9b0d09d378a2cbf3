#include "platform/win32/Win32FileSystem.h"

#include <algorithm>

#include "platform/win32/Win32Handles.h"

namespace {

// Reads from where the handle stands to the end, without trusting a size asked for first:
// the file may grow or shrink while it is read.
BOOL ReadToEnd(HANDLE file, size_t maxBytes, std::string* bytes, DWORD* error) {
  std::string read;
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      *error = ::GetLastError();
      return FALSE;
    }
    if (got == 0) break;
    if (read.size() + got > maxBytes) {
      *error = ERROR_FILE_TOO_LARGE;
      return FALSE;
    }
    read.append(buffer, got);
  }
  *bytes = std::move(read);
  return TRUE;
}

// One WriteFile call writes at most 4 GiB; write in chunks so a short write is noticed
// rather than assumed away.
BOOL WriteEverything(HANDLE file, const std::string& bytes, DWORD* error) {
  size_t offset = 0;
  while (offset < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - offset, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data() + offset, chunk, &written, nullptr)) {
      *error = ::GetLastError();
      return FALSE;
    }
    if (written == 0) {
      *error = ERROR_WRITE_FAULT;
      return FALSE;
    }
    offset += written;
  }
  return TRUE;
}

void CopyFound(const WIN32_FIND_DATAW& found, FindData* data) {
  data->attributes = found.dwFileAttributes;
  data->fileName = found.cFileName;
  data->size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  data->lastWrite = (static_cast<std::uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                    found.ftLastWriteTime.dwLowDateTime;
}

class Win32FileSearch final : public IFileSearch {
 public:
  explicit Win32FileSearch(UniqueFindHandle handle) : handle_(std::move(handle)) {}

  BOOL FindNextFileW(FindData* data, DWORD* error) override {
    WIN32_FIND_DATAW found;
    if (!::FindNextFileW(handle_.get(), &found)) {
      *error = ::GetLastError();
      return FALSE;
    }
    CopyFound(found, data);
    return TRUE;
  }

 private:
  UniqueFindHandle handle_;
};

class Win32OpenFile final : public IOpenFile {
 public:
  explicit Win32OpenFile(UniqueFileHandle handle) : handle_(std::move(handle)) {}

  BOOL GetAttributes(DWORD* attributes, DWORD* error) override {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle_.get(), &info)) {
      *error = ::GetLastError();
      return FALSE;
    }
    *attributes = info.dwFileAttributes;
    return TRUE;
  }

  BOOL GetFinalPathName(std::wstring* path, DWORD* error) override {
    constexpr DWORD kFlags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    // The size asked for counts the terminator; the filled length does not.
    const DWORD needed = ::GetFinalPathNameByHandleW(handle_.get(), nullptr, 0, kFlags);
    if (needed == 0) {
      *error = ::GetLastError();
      return FALSE;
    }
    std::wstring buffer(needed, L'\0');
    const DWORD length = ::GetFinalPathNameByHandleW(handle_.get(), buffer.data(), needed, kFlags);
    if (length == 0 || length >= needed) {
      *error = length == 0 ? ::GetLastError() : ERROR_INSUFFICIENT_BUFFER;
      return FALSE;
    }
    buffer.resize(length);
    *path = std::move(buffer);
    return TRUE;
  }

  BOOL SetAttributes(DWORD attributes, DWORD* error) override {
    FILE_BASIC_INFO info{};  // times of zero stay as they are
    info.FileAttributes = attributes;
    if (!::SetFileInformationByHandle(handle_.get(), FileBasicInfo, &info, sizeof(info))) {
      *error = ::GetLastError();
      return FALSE;
    }
    return TRUE;
  }

  BOOL MarkForDeletion(DWORD* error) override {
    FILE_DISPOSITION_INFO info{};
    info.DeleteFile = TRUE;
    if (!::SetFileInformationByHandle(handle_.get(), FileDispositionInfo, &info, sizeof(info))) {
      *error = ::GetLastError();
      return FALSE;
    }
    return TRUE;
  }

  BOOL ReadAll(size_t maxBytes, std::string* bytes, DWORD* error) override {
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(handle_.get(), start, nullptr, FILE_BEGIN)) {
      *error = ::GetLastError();
      return FALSE;
    }
    return ReadToEnd(handle_.get(), maxBytes, bytes, error);
  }

  BOOL WriteAll(const std::string& bytes, DWORD* error) override {
    return WriteEverything(handle_.get(), bytes, error);
  }

 private:
  UniqueFileHandle handle_;
};

// The rights a moved file's handles need: read what is there, delete it, and see and
// change its attributes. SYNCHRONIZE lets ReadFile and WriteFile wait on the handle.
constexpr DWORD kMoveRights =
    DELETE | FILE_READ_DATA | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE;

}  // namespace

std::unique_ptr<IOpenFile> Win32FileSystem::OpenForDeletion(const wchar_t* path, DWORD* error) {
  UniqueFileHandle file(::CreateFileW(path, kMoveRights,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) {
    *error = ::GetLastError();
    return nullptr;
  }
  return std::make_unique<Win32OpenFile>(std::move(file));
}

std::unique_ptr<IOpenFile> Win32FileSystem::CreateNewFile(const wchar_t* path, DWORD* error) {
  UniqueFileHandle file(::CreateFileW(path, kMoveRights | FILE_WRITE_DATA, FILE_SHARE_READ,
                                      nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) {
    *error = ::GetLastError();
    return nullptr;
  }
  return std::make_unique<Win32OpenFile>(std::move(file));
}

BOOL Win32FileSystem::CreateDirectoryW(const wchar_t* path, DWORD* error) {
  if (::CreateDirectoryW(path, nullptr)) return TRUE;
  *error = ::GetLastError();
  return FALSE;
}

std::unique_ptr<IFileSearch> Win32FileSystem::FindFirstFileW(const wchar_t* pattern,
                                                             FindData* data, DWORD* error) {
  // The standard information level: the basic one (no 8.3 name) only exists since
  // Windows 7, and Vista refuses it with ERROR_INVALID_PARAMETER.
  WIN32_FIND_DATAW found;
  UniqueFindHandle handle(::FindFirstFileExW(pattern, FindExInfoStandard, &found,
                                             FindExSearchNameMatch, nullptr, 0));
  if (!handle) {
    *error = ::GetLastError();
    return nullptr;
  }
  CopyFound(found, data);
  return std::make_unique<Win32FileSearch>(std::move(handle));
}

BOOL Win32FileSystem::ReadWholeFile(const wchar_t* path, size_t maxBytes, std::string* bytes,
                                    DWORD* error) {
  UniqueFileHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    *error = ::GetLastError();
    return FALSE;
  }
  return ReadToEnd(file.get(), maxBytes, bytes, error);
}

BOOL Win32FileSystem::DeleteFileW(const wchar_t* path, DWORD* error) {
  if (::DeleteFileW(path)) return TRUE;
  *error = ::GetLastError();
  return FALSE;
}

BOOL Win32FileSystem::WriteWholeFile(const wchar_t* path, const std::string& bytes, DWORD* error) {
  UniqueFileHandle file(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    *error = ::GetLastError();
    return FALSE;
  }
  return WriteEverything(file.get(), bytes, error);
}

BOOL Win32FileSystem::MoveFileExW(const wchar_t* from, const wchar_t* to, DWORD flags,
                                  DWORD* error) {
  if (::MoveFileExW(from, to, flags)) return TRUE;
  *error = ::GetLastError();
  return FALSE;
}

UINT Win32FileSystem::GetDriveTypeW(const wchar_t* root) { return ::GetDriveTypeW(root); }

DWORD Win32FileSystem::GetFileAttributesW(const wchar_t* path, DWORD* error) {
  const DWORD attributes = ::GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) *error = ::GetLastError();
  return attributes;
}

std::wstring Win32FileSystem::FormatSystemMessage(DWORD error) {
  wchar_t* buffer = nullptr;
  DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  UniqueLocalMemory owner(buffer);
  if (length == 0) return {};
  // System messages end in CR LF, which would break a message box line or a log line.
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n')) --length;
  return std::wstring(buffer, length);
}
