// The file system's contract: what FindFirstFileW says about missing, empty and
// not-a-folder places, a listing to its end, what DeleteFileW refuses, and whole files
// written and read back (the saved list, orvanec's snapshot and rows files).
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

std::string WriteBytes(FileWorld& w, const std::wstring& path, const std::string& bytes) {
  DWORD error = 0;
  return w.Files().WriteWholeFile(path.c_str(), bytes, &error) ? "written" : ErrorName(error);
}

// The file's bytes as hex, or how the read failed and whether it left the caller's
// string alone (a failed read must).
std::string ReadBack(FileWorld& w, const std::wstring& path, size_t maxBytes = 1 << 20) {
  std::string bytes = "untouched";
  DWORD error = 0;
  if (!w.Files().ReadWholeFile(path.c_str(), maxBytes, &bytes, &error))
    return ErrorName(error) + (bytes == "untouched" ? "" : ", the string changed");
  return Hex(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

std::string Attributes(FileWorld& w, const std::wstring& path) {
  DWORD error = 0;
  const DWORD attributes = w.Files().GetFileAttributesW(path.c_str(), &error);
  if (attributes == INVALID_FILE_ATTRIBUTES) return ErrorName(error);
  struct Named {
    DWORD bit;
    const char* name;
  };
  static const Named kNamed[] = {{FILE_ATTRIBUTE_READONLY, "readonly"},
                                 {FILE_ATTRIBUTE_HIDDEN, "hidden"},
                                 {FILE_ATTRIBUTE_DIRECTORY, "directory"},
                                 {FILE_ATTRIBUTE_ARCHIVE, "archive"}};
  std::string names;
  DWORD rest = attributes;
  for (const Named& named : kNamed) {
    if ((attributes & named.bit) == 0) continue;
    names += (names.empty() ? "" : "|") + std::string(named.name);
    rest &= ~named.bit;
  }
  if (rest != 0) names += (names.empty() ? "" : "|") + std::to_string(rest);
  return names.empty() ? "none" : names;
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

    // CreateFileW with CREATE_ALWAYS makes the file or empties the one there, and the
    // bytes written are the file, NULs and line ends as given; the new file is marked for
    // archiving. Names ignore case.
    {"WholeFileWrittenAndReadBack",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring file = w.Folder() + L"\\list.txt";
       seen.push_back("write " + WriteBytes(w, file, std::string("a\0b\r\n\xEF\xBB\xBF", 8)));
       seen.push_back("read " + ReadBack(w, file));
       seen.push_back("attributes " + Attributes(w, file));
       seen.push_back("shorter " + WriteBytes(w, file, "x"));
       seen.push_back("read " + ReadBack(w, file));
       seen.push_back("empty " + WriteBytes(w, file, ""));
       seen.push_back("read " + ReadBack(w, file));
       seen.push_back("other case " + WriteBytes(w, w.Folder() + L"\\LIST.TXT", "yz"));
       seen.push_back("read " + ReadBack(w, file));
       List(w, w.Folder() + L"\\*", seen);
     },
     {"write written", "read 6100620d0aefbbbf", "attributes archive", "shorter written", "read 78",
      "empty written", "read -", "other case written", "read 797a", ". <dir>", ".. <dir>",
      "list.txt", "next ERROR_NO_MORE_FILES"}},

    // Files larger than one read or one write of the adapter's loops come back whole,
    // and the limit a reader sets holds to the byte: the reader's string stays as it was.
    {"LargeFilesAndTheReadLimit",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring file = w.Folder() + L"\\big.bin";
       std::string bytes((5u << 19) + 3, '\0');  // 2.5 MiB and 3 bytes
       for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7) % 251);
       seen.push_back("write " + WriteBytes(w, file, bytes));
       std::string read;
       DWORD error = 0;
       const BOOL ok = w.Files().ReadWholeFile(file.c_str(), bytes.size(), &read, &error);
       seen.push_back("at the limit " + (ok ? std::string("read") : ErrorName(error)) +
                      " same=" + (read == bytes ? "yes" : "no"));
       seen.push_back("one byte over " + ReadBack(w, file, bytes.size() - 1));
       (void)WriteBytes(w, file, "12345678");
       seen.push_back("8 bytes, limit 8 " + ReadBack(w, file, 8));
       seen.push_back("8 bytes, limit 7 " + ReadBack(w, file, 7));
       seen.push_back("8 bytes, limit 0 " + ReadBack(w, file, 0));
       (void)WriteBytes(w, file, "");
       seen.push_back("empty, limit 0 " + ReadBack(w, file, 0));
     },
     {"write written", "at the limit read same=yes", "one byte over ERROR_FILE_TOO_LARGE",
      "8 bytes, limit 8 3132333435363738", "8 bytes, limit 7 ERROR_FILE_TOO_LARGE",
      "8 bytes, limit 0 ERROR_FILE_TOO_LARGE", "empty, limit 0 -"}},

    // What reading and writing a whole file refuse. A read-only file reads, but CREATE_ALWAYS
    // cannot empty it; nor a hidden one when the caller asks for FILE_ATTRIBUTE_NORMAL
    // (CreateFileW's documentation: the attributes must match those of the file there).
    // Neither refused write changes the file.
    {"WholeFileRefusals",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring locked = w.Folder() + L"\\readonly.txt";
       const std::wstring hidden = w.Folder() + L"\\hidden.txt";
       (void)WriteBytes(w, locked, "kept");
       w.MakeReadOnly(locked);
       (void)WriteBytes(w, hidden, "kept");
       w.MakeHidden(hidden);
       w.MakeFolder(w.Folder() + L"\\Sub");
       seen.push_back("attributes " + Attributes(w, locked) + ", " + Attributes(w, hidden));
       seen.push_back("read missing " + ReadBack(w, w.Folder() + L"\\missing.txt"));
       seen.push_back("read in a missing folder " + ReadBack(w, w.Folder() + L"\\Missing\\a.txt"));
       seen.push_back("read a folder " + ReadBack(w, w.Folder() + L"\\Sub"));
       seen.push_back("read read-only " + ReadBack(w, locked));
       seen.push_back("read hidden " + ReadBack(w, hidden));
       seen.push_back("write in a missing folder " + WriteBytes(w, w.Folder() + L"\\Missing\\a.txt", "x"));
       seen.push_back("write over a folder " + WriteBytes(w, w.Folder() + L"\\Sub", "x"));
       seen.push_back("write over read-only " + WriteBytes(w, locked, "x"));
       seen.push_back("read read-only " + ReadBack(w, locked));
       seen.push_back("write over hidden " + WriteBytes(w, hidden, "x"));
       seen.push_back("read hidden " + ReadBack(w, hidden));
     },
     {"attributes readonly, hidden", "read missing ERROR_FILE_NOT_FOUND",
      "read in a missing folder ERROR_PATH_NOT_FOUND", "read a folder ERROR_ACCESS_DENIED",
      "read read-only 6b657074", "read hidden 6b657074",
      "write in a missing folder ERROR_PATH_NOT_FOUND", "write over a folder ERROR_ACCESS_DENIED",
      "write over read-only ERROR_ACCESS_DENIED", "read read-only 6b657074",
      "write over hidden ERROR_ACCESS_DENIED", "read hidden 6b657074"},
     "Wine keeps the read-only attribute as the Unix file mode, which does not bind root (the "
     "tests run as root), so CREATE_ALWAYS empties a read-only file; DeleteFileW checks the "
     "attribute itself and still refuses (see Deletion). Wine does not refuse to replace a "
     "hidden file when FILE_ATTRIBUTE_NORMAL is asked for. It also marks every file for "
     "archiving. Windows refuses both writes, administrators included.",
     {"attributes readonly|archive, hidden|archive", "read missing ERROR_FILE_NOT_FOUND",
      "read in a missing folder ERROR_PATH_NOT_FOUND", "read a folder ERROR_ACCESS_DENIED",
      "read read-only 6b657074", "read hidden 6b657074",
      "write in a missing folder ERROR_PATH_NOT_FOUND", "write over a folder ERROR_ACCESS_DENIED",
      "write over read-only written", "read read-only 78", "write over hidden written",
      "read hidden 78"}},

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

    // Moving a file by hand: a folder made once, a new file made, written and read back
    // through its own handle, never over one that is there; the original read through the
    // handle that then deletes it.
    {"AFileIsMovedThroughItsHandles",
     [](FileWorld& w, Transcript& seen) {
       const std::wstring folder = w.Folder() + L"\\Backup";
       DWORD error = 0;
       for (const std::wstring& path : {folder, folder, w.Folder() + L"\\Missing\\Backup"})
         seen.push_back("folder " + std::string(w.Files().CreateDirectoryW(path.c_str(), &error)
                                                    ? "made"
                                                    : ErrorName(error)));
       const std::string bytes("MZ\0\x01\xff\r\nend", 10);
       const std::wstring original = w.Folder() + L"\\app.lnk";
       seen.push_back("original " + WriteBytes(w, original, bytes));
       std::unique_ptr<IOpenFile> from = w.Files().OpenForDeletion(original.c_str(), &error);
       if (!from) return seen.push_back("open " + ErrorName(error));
       // Each call before its outcome is shown: the operands of + are not ordered.
       std::string read = "untouched";
       const bool small = from->ReadAll(4, &read, &error) != FALSE;
       seen.push_back("small read " + (small ? "done" : ErrorName(error)) +
                      (read == "untouched" ? ", untouched" : ""));
       const bool whole = from->ReadAll(1024, &read, &error) != FALSE;
       seen.push_back("read " + (whole ? "same=" : ErrorName(error)) + (read == bytes ? "yes" : "no"));
       const std::wstring copy = folder + L"\\app.lnk.Startup";
       std::unique_ptr<IOpenFile> to = w.Files().CreateNewFile(copy.c_str(), &error);
       if (!to) return seen.push_back("create " + ErrorName(error));
       seen.push_back("write " + std::string(to->WriteAll(bytes, &error) ? "done" : ErrorName(error)));
       std::string back;
       const bool copied = to->ReadAll(1024, &back, &error) != FALSE;
       seen.push_back("read the copy " + (copied ? "same=" : ErrorName(error)) + (back == bytes ? "yes" : "no"));
       to.reset();
       seen.push_back("mark " + std::string(from->MarkForDeletion(&error) ? "done" : ErrorName(error)));
       from.reset();
       seen.push_back("original after " + Attributes(w, original));
       seen.push_back("copy after " + ReadBack(w, copy));
       seen.push_back("again " + std::string(w.Files().CreateNewFile(copy.c_str(), &error) ? "made" : ErrorName(error)));
       seen.push_back("copy still " + ReadBack(w, copy));
       seen.push_back("in a missing folder " +
                      std::string(w.Files().CreateNewFile((w.Folder() + L"\\Missing\\x").c_str(), &error)
                                      ? "made"
                                      : ErrorName(error)));
     },
     {"folder made", "folder ERROR_ALREADY_EXISTS", "folder ERROR_PATH_NOT_FOUND", "original written",
      "small read ERROR_FILE_TOO_LARGE, untouched", "read same=yes", "write done", "read the copy same=yes",
      "mark done", "original after ERROR_FILE_NOT_FOUND", "copy after 4d5a0001ff0d0a656e64",
      "again ERROR_FILE_EXISTS", "copy still 4d5a0001ff0d0a656e64", "in a missing folder ERROR_PATH_NOT_FOUND"}},

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
