#include "Lib/FileReplace.h"

#include "platform/Platform.h"

bool ReplaceFileContents(const std::wstring& path, const std::string& bytes, DWORD* error) {
  IFileSystem& files = PlatformFiles();
  // In the same folder, so the move is a rename on one volume and cannot half-happen.
  const std::wstring partial = path + L".partial";
  DWORD ignored = ERROR_SUCCESS;
  if (!files.WriteWholeFile(partial.c_str(), bytes, error)) {
    (void)files.DeleteFileW(partial.c_str(), &ignored);
    return false;
  }
  if (!files.MoveFileExW(partial.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, error)) {
    (void)files.DeleteFileW(partial.c_str(), &ignored);
    return false;
  }
  return true;
}
