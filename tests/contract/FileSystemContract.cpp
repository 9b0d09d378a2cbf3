// The file system's contract: what FindFirstFileW says about missing, empty and
// not-a-folder places, a listing to its end, and what DeleteFileW refuses.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/contract/ContractWorlds.h"

namespace {

// A listing as the transcript shows it: how FindFirstFileW ended or the entries (sorted:
// the order depends on the file system), then how FindNextFileW ended.
void List(FileWorld& w, const std::wstring& pattern, Transcript& seen) {
  FindData data;
  DWORD error = 0;
  std::unique_ptr<IFileSearch> search = w.Files().FindFirstFileW(pattern.c_str(), &data, &error);
  if (!search) {
    seen.push_back("first " + ErrorName(error));
    return;
  }
  std::vector<std::string> entries;
  do {
    const bool folder = (data.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back(Shown(data.fileName) + (folder ? " <dir>" : ""));
  } while (search->FindNextFileW(&data, &error));
  std::sort(entries.begin(), entries.end());
  seen.insert(seen.end(), entries.begin(), entries.end());
  seen.push_back("next " + ErrorName(error));
}

std::string Write(FileWorld& w, const std::wstring& path) {
  DWORD error = 0;
  return w.Files().WriteWholeFile(path.c_str(), "contract", &error) ? "written" : ErrorName(error);
}

std::string Delete(FileWorld& w, const std::wstring& path) {
  DWORD error = 0;
  return w.Files().DeleteFileW(path.c_str(), &error) ? "deleted" : ErrorName(error);
}

std::string Move(FileWorld& w, const std::wstring& from, const std::wstring& to, DWORD flags) {
  DWORD error = 0;
  return w.Files().MoveFileExW(from.c_str(), to.c_str(), flags, &error) ? "moved" : ErrorName(error);
}

std::string Contents(FileWorld& w, const std::wstring& path) {
  std::string bytes;
  DWORD error = 0;
  return w.Files().ReadWholeFile(path.c_str(), 1024, &bytes, &error) ? bytes : ErrorName(error);
}

const std::vector<FileCase> kCases = {
    // A missing folder is ERROR_PATH_NOT_FOUND, a missing name in a folder that is there
    // ERROR_FILE_NOT_FOUND, and a file in the folder's place ERROR_DIRECTORY.
    {"ListingMissingAndNotAFolder",
     [](FileWorld& w, Transcript& seen) {
       (void)Write(w, w.Folder() + L"\\file.txt");
       List(w, w.Folder() + L"\\Missing\\*", seen);
       List(w, w.Folder() + L"\\missing.txt", seen);
       List(w, w.Folder() + L"\\file.txt\\*", seen);
       List(w, w.Folder() + L"\\file.txt", seen);
     },
     {"first ERROR_PATH_NOT_FOUND", "first ERROR_FILE_NOT_FOUND", "first ERROR_DIRECTORY",
      "file.txt", "next ERROR_NO_MORE_FILES"},
     "Wine refuses a file used as a folder as a bad name; Windows opens it as a folder and "
     "is told it is none (ERROR_DIRECTORY).",
     {"first ERROR_PATH_NOT_FOUND", "first ERROR_FILE_NOT_FOUND", "first ERROR_INVALID_NAME",
      "file.txt", "next ERROR_NO_MORE_FILES"}},

    {"ListingToTheEnd",
     [](FileWorld& w, Transcript& seen) {
       w.MakeFolder(w.Folder() + L"\\Empty");
       w.MakeFolder(w.Folder() + L"\\Full");
       (void)Write(w, w.Folder() + L"\\Full\\b.txt");
       (void)Write(w, w.Folder() + L"\\Full\\a.lnk");
       w.MakeFolder(w.Folder() + L"\\Full\\Sub");
       List(w, w.Folder() + L"\\Empty\\*", seen);
       List(w, w.Folder() + L"\\Full\\*", seen);
       List(w, w.Folder() + L"\\Full\\*.lnk", seen);
       List(w, w.Folder() + L"\\Full\\*.exe", seen);
     },
     {". <dir>", ".. <dir>", "next ERROR_NO_MORE_FILES",
      ". <dir>", ".. <dir>", "Sub <dir>", "a.lnk", "b.txt", "next ERROR_NO_MORE_FILES",
      "a.lnk", "next ERROR_NO_MORE_FILES",
      "first ERROR_FILE_NOT_FOUND"}},

    // DeleteFileW removes files only: a folder, like a read-only file, is refused with
    // ERROR_ACCESS_DENIED.
    {"Deletion",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring file = w.Folder() + L"\\file.txt";
       const std::wstring locked = w.Folder() + L"\\readonly.txt";
       (void)Write(w, file);
       (void)Write(w, locked);
       w.MakeReadOnly(locked);
       w.MakeFolder(w.Folder() + L"\\Sub");
       seen.push_back("file " + Delete(w, file));
       seen.push_back("file again " + Delete(w, file));
       seen.push_back("in a missing folder " + Delete(w, w.Folder() + L"\\Missing\\file.txt"));
       seen.push_back("folder " + Delete(w, w.Folder() + L"\\Sub"));
       seen.push_back("read-only " + Delete(w, locked));
       List(w, w.Folder() + L"\\*", seen);
     },
     {"file deleted", "file again ERROR_FILE_NOT_FOUND", "in a missing folder ERROR_PATH_NOT_FOUND",
      "folder ERROR_ACCESS_DENIED", "read-only ERROR_ACCESS_DENIED", ". <dir>", ".. <dir>",
      "Sub <dir>", "readonly.txt", "next ERROR_NO_MORE_FILES"}},

    // MoveFileExW replaces a file only when asked to, and never a folder or a read-only
    // file; what a save writes beside the old file relies on it.
    {"MoveReplacing",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring folder = w.Folder();
       (void)Write(w, folder + L"\\new.txt");
       (void)Write(w, folder + L"\\spare.txt");
       DWORD ignored = 0;
       (void)w.Files().WriteWholeFile((folder + L"\\old.txt").c_str(), "old", &ignored);
       (void)Write(w, folder + L"\\readonly.txt");
       w.MakeReadOnly(folder + L"\\readonly.txt");
       w.MakeFolder(folder + L"\\Sub");
       seen.push_back("onto a file " + Move(w, folder + L"\\new.txt", folder + L"\\old.txt", 0));
       seen.push_back("onto a folder " + Move(w, folder + L"\\new.txt", folder + L"\\Sub",
                                              MOVEFILE_REPLACE_EXISTING));
       seen.push_back("missing " + Move(w, folder + L"\\none.txt", folder + L"\\old.txt",
                                        MOVEFILE_REPLACE_EXISTING));
       seen.push_back("into a missing folder " + Move(w, folder + L"\\new.txt",
                                                      folder + L"\\Missing\\new.txt", 0));
       seen.push_back("replacing " + Move(w, folder + L"\\new.txt", folder + L"\\old.txt",
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
       seen.push_back("old.txt holds " + Contents(w, folder + L"\\old.txt"));
       List(w, folder + L"\\*", seen);
       seen.push_back("onto read-only " + Move(w, folder + L"\\spare.txt", folder + L"\\readonly.txt",
                                               MOVEFILE_REPLACE_EXISTING));
     },
     {"onto a file ERROR_ALREADY_EXISTS", "onto a folder ERROR_ACCESS_DENIED",
      "missing ERROR_FILE_NOT_FOUND", "into a missing folder ERROR_PATH_NOT_FOUND",
      "replacing moved", "old.txt holds contract", ". <dir>", ".. <dir>", "Sub <dir>", "old.txt",
      "readonly.txt", "spare.txt", "next ERROR_NO_MORE_FILES", "onto read-only ERROR_ACCESS_DENIED"},
     "Wine replaces a read-only file; Windows refuses to (ERROR_ACCESS_DENIED), as it refuses "
     "to delete one.",
     {"onto a file ERROR_ALREADY_EXISTS", "onto a folder ERROR_ACCESS_DENIED",
      "missing ERROR_FILE_NOT_FOUND", "into a missing folder ERROR_PATH_NOT_FOUND",
      "replacing moved", "old.txt holds contract", ". <dir>", ".. <dir>", "Sub <dir>", "old.txt",
      "readonly.txt", "spare.txt", "next ERROR_NO_MORE_FILES", "onto read-only moved"}},
};

}  // namespace

const std::vector<FileCase>& FileCases() { return kCases; }

TEST_P(FileSystemContract, Holds) {
  std::unique_ptr<FileWorld> world = MakeFileWorld();
  RunContractCase(*world, GetParam());
}
