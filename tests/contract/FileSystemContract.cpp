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

    // A file opened for deletion with FILE_FLAG_OPEN_REPARSE_POINT: a read-only one
    // refuses the deletion mark until its attribute is cleared through the same handle;
    // the mark takes effect when the handle is closed.
    {"DeletingAReadOnlyFileThroughItsHandle",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring path = w.Folder() + L"\\readonly.lnk";
       (void)Write(w, path);
       w.MakeReadOnly(path);
       DWORD error = 0;
       std::unique_ptr<IOpenFile> file = w.Files().OpenForDeletion(path.c_str(), &error);
       if (!file) return seen.push_back("open " + ErrorName(error));
       DWORD attributes = 0;
       const bool read = file->GetAttributes(&attributes, &error) != FALSE;
       seen.push_back(std::string("attributes ") + (read ? "" : ErrorName(error)) +
                      ((attributes & FILE_ATTRIBUTE_READONLY) != 0 ? "read-only" : "writable"));
       seen.push_back(std::string("mark ") +
                      (file->MarkForDeletion(&error) ? "done" : ErrorName(error)));
       seen.push_back(std::string("clear ") +
                      (file->SetAttributes(FILE_ATTRIBUTE_NORMAL, &error) ? "done" : ErrorName(error)));
       seen.push_back(std::string("mark ") +
                      (file->MarkForDeletion(&error) ? "done" : ErrorName(error)));
       file.reset();
       seen.push_back(std::string("after closing ") +
                      (w.Files().GetFileAttributesW(path.c_str(), &error) != INVALID_FILE_ATTRIBUTES
                           ? "there"
                           : ErrorName(error)));
     },
     {"attributes read-only", "mark ERROR_ACCESS_DENIED", "clear done", "mark done",
      "after closing ERROR_FILE_NOT_FOUND"}},

    // A folder link in a listing is a folder with the reparse-point mark; through it the
    // target's entries are listed, and a file opened through it has the target's final
    // path. The link itself is no file to open.
    {"AFolderListingMeetsAFolderLink",
     [](FileWorld& w, Transcript& seen) {
       w.MakeFolder(w.Folder() + L"\\Real");
       (void)Write(w, w.Folder() + L"\\Real\\app.lnk");
       w.MakeFolderLink(w.Folder() + L"\\Link", w.Folder() + L"\\Real");
       FindData data;
       DWORD error = 0;
       std::unique_ptr<IFileSearch> search =
           w.Files().FindFirstFileW((w.Folder() + L"\\Link").c_str(), &data, &error);
       seen.push_back(search ? "listed with attributes " +
                                   std::to_string(data.attributes &
                                                  (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
                             : "first " + ErrorName(error));
       search.reset();
       List(w, w.Folder() + L"\\Link\\*", seen);
       std::unique_ptr<IOpenFile> file =
           w.Files().OpenForDeletion((w.Folder() + L"\\Link\\app.lnk").c_str(), &error);
       std::wstring finalPath;
       if (!file) {
         seen.push_back("open " + ErrorName(error));
       } else if (!file->GetFinalPathName(&finalPath, &error)) {
         seen.push_back("final path " + ErrorName(error));
       } else {
         const std::wstring expected = w.Folder() + L"\\Real\\app.lnk";
         const bool inTarget = finalPath.size() >= expected.size() &&
                               finalPath.compare(finalPath.size() - expected.size(),
                                                 expected.size(), expected) == 0;
         seen.push_back(std::string("final path ") + (inTarget ? "in the target" : Shown(finalPath)));
       }
       file.reset();
       seen.push_back("open the link " +
                      std::string(w.Files().OpenForDeletion((w.Folder() + L"\\Link").c_str(), &error)
                                      ? "opened"
                                      : ErrorName(error)));
     },
     {"listed with attributes 1040", ". <dir>", ".. <dir>", "app.lnk", "next ERROR_NO_MORE_FILES",
      "final path in the target", "open the link ERROR_ACCESS_DENIED"},
     "Wine 8's CreateSymbolicLinkW reports success for a folder link, yet nothing of that "
     "name can be found or listed afterwards; the junction behaviour is proven against the "
     "fake file system, which follows Windows.",
     {"first ERROR_FILE_NOT_FOUND", "first ERROR_PATH_NOT_FOUND", "open ERROR_PATH_NOT_FOUND",
      "open the link ERROR_FILE_NOT_FOUND"}},
};

}  // namespace

const std::vector<FileCase>& FileCases() { return kCases; }

TEST_P(FileSystemContract, Holds) {
  std::unique_ptr<FileWorld> world = MakeFileWorld();
  RunContractCase(*world, GetParam());
}
