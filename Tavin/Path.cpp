#include "Tavin/Path.h"

#include <algorithm>
#include <array>

#include "Tavin/SessionUser.h"
#include "Tavin/Text.h"
#include "platform/Platform.h"

namespace {

TFolderVariables gFolderVariables;

// Every one of them is four characters long, which the split relies on.
constexpr std::array<std::wstring_view, 5> kCommandExtensions = {L".EXE", L".BAT", L".COM",
                                                                  L".CMD", L".MSI"};

// The text between an opening quote at position 0 and the next quote; everything after
// the opening quote when none closes it.
std::wstring_view Unquote(std::wstring_view text, bool& closed) {
  const size_t close = text.find(L'"', 1);
  closed = close != std::wstring_view::npos;
  return closed ? text.substr(1, close - 1) : text.substr(1);
}

// Whether the character after an extension lets it end a path component: the end of the
// text, a blank, a quote or a comma (rundll32's separator).
bool EndsComponent(std::wstring_view text, size_t pos) {
  if (pos >= text.size()) return true;
  const wchar_t next = text[pos];
  return next == L' ' || next == L'\t' || next == L'"' || next == L',';
}

// The position of the earliest command extension that ends a component, or npos.
size_t FindCommandExtension(std::wstring_view upper) {
  size_t first = std::wstring_view::npos;
  for (std::wstring_view extension : kCommandExtensions) {
    for (size_t at = upper.find(extension); at != std::wstring_view::npos && at < first;
         at = upper.find(extension, at + 1)) {
      if (EndsComponent(upper, at + extension.size())) {
        first = at;
        break;
      }
    }
  }
  return first;
}

// Whether the path, its folder variable expanded, is a file (not a folder) that exists.
// Only full paths are looked at: a relative name would be searched along the program
// search path by Windows, not in this process's current folder.
bool IsExistingFile(std::wstring_view path) {
  const std::wstring full = ExpandFolderVariable(path);
  const bool drive = full.size() >= 3 && full[1] == L':' && full[2] == L'\\';
  const bool network = full.size() >= 3 && full[0] == L'\\' && full[1] == L'\\';
  if (!drive && !network) return false;
  DWORD error = NO_ERROR;
  const DWORD attributes = PlatformFiles().GetFileAttributesW(full.c_str(), &error);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The file part CreateProcessW would start for an unquoted line with blanks: the text up
// to each blank in turn, shortest first, then the whole line; the first that names an
// existing file, as it is or with ".exe" added when its name has no extension. Empty when
// none does.
std::wstring ResolveLikeCreateProcess(std::wstring_view line, size_t& end) {
  size_t from = 0;
  while (true) {
    size_t blank = line.find_first_of(L" \t", from);
    if (blank == std::wstring_view::npos) blank = line.size();
    const std::wstring_view candidate = line.substr(0, blank);
    if (!candidate.empty() && candidate.back() != L'\\') {
      if (IsExistingFile(candidate)) {
        end = blank;
        return std::wstring(candidate);
      }
      const size_t nameStart = candidate.find_last_of(L"\\/:");
      const std::wstring_view name =
          nameStart == std::wstring_view::npos ? candidate : candidate.substr(nameStart + 1);
      if (name.find(L'.') == std::wstring_view::npos) {
        std::wstring withExe = std::wstring(candidate) + L".exe";
        if (IsExistingFile(withExe)) {
          end = blank;
          return withExe;
        }
      }
    }
    if (blank >= line.size()) return {};
    from = blank + 1;
  }
}

}  // namespace

std::wstring GetSpecialFolder(int csidl) {
  std::array<wchar_t, MAX_PATH + 1> buffer{};
  // The user's own folders are the signed-in user's, not those of the administrator
  // the elevated program may run as.
  const bool perUser = csidl == CSIDL_STARTUP || csidl == CSIDL_APPDATA;
  const HRESULT result =
      perUser && !OtherSessionUserSid().empty()
          ? PlatformShell().SHGetFolderPathOfShellUser(csidl, SHGFP_TYPE_CURRENT, buffer.data())
          : PlatformShell().SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT,
                                             buffer.data());
  if (result != S_OK) return {};
  buffer.back() = L'\0';
  std::wstring path(buffer.data());
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

TFolderVariables BuildFolderVariables() {
  // A 32-bit process on 64-bit Windows is given the " (x86)" program-files folders for
  // the plain CSIDLs; removing the mark yields the native folders.
  const bool is64Bit = PlatformSystem().NativeProcessorArchitecture() == PROCESSOR_ARCHITECTURE_AMD64;
  TFolderVariables table;
  table.emplace_back(L"%ProgramData%", GetSpecialFolder(CSIDL_COMMON_APPDATA));
  table.emplace_back(L"%SystemRoot%", GetSpecialFolder(CSIDL_WINDOWS));
  table.emplace_back(L"%Public%", GetSpecialFolder(CSIDL_COMMON_DOCUMENTS));
  table.emplace_back(L"%AppData%", GetSpecialFolder(CSIDL_APPDATA));
  table.emplace_back(L"%WinDir%", GetSpecialFolder(CSIDL_WINDOWS));
  if (is64Bit) {
    table.emplace_back(L"%CommonProgramFiles(x86)%", GetSpecialFolder(CSIDL_PROGRAM_FILES_COMMONX86));
    table.emplace_back(L"%CommonProgramFiles%",
                       RemoveX86Suffix(GetSpecialFolder(CSIDL_PROGRAM_FILES_COMMON)));
    table.emplace_back(L"%ProgramFiles(x86)%", GetSpecialFolder(CSIDL_PROGRAM_FILESX86));
    table.emplace_back(L"%ProgramFiles%", RemoveX86Suffix(GetSpecialFolder(CSIDL_PROGRAM_FILES)));
  } else {
    table.emplace_back(L"%CommonProgramFiles(x86)%", GetSpecialFolder(CSIDL_PROGRAM_FILES_COMMON));
    table.emplace_back(L"%CommonProgramFiles%", GetSpecialFolder(CSIDL_PROGRAM_FILES_COMMON));
    table.emplace_back(L"%ProgramFiles(x86)%", GetSpecialFolder(CSIDL_PROGRAM_FILES));
    table.emplace_back(L"%ProgramFiles%", GetSpecialFolder(CSIDL_PROGRAM_FILES));
  }
  return table;
}

const TFolderVariables& FolderVariables() { return gFolderVariables; }

void InitializeFolderVariables() { gFolderVariables = BuildFolderVariables(); }

void SplitCommandLine(std::wstring_view commandLine, std::wstring& file, std::wstring& parameters) {
  file.clear();
  parameters.clear();
  const std::wstring line = Trim(commandLine);
  if (line.empty()) return;

  if (line.front() == L'"') {
    bool closed = false;
    const std::wstring_view inner = Unquote(line, closed);
    if (closed) {
      file = Trim(inner);
      parameters = Trim(std::wstring_view(line).substr(inner.size() + 2));
    } else {
      file = std::wstring(inner);
    }
    return;
  }

  // Unquoted with blanks: the file Windows itself would start, when one exists.
  if (line.find_first_of(L" \t") != std::wstring::npos) {
    size_t end = 0;
    std::wstring resolved = ResolveLikeCreateProcess(line, end);
    if (!resolved.empty()) {
      file = std::move(resolved);
      parameters = Trim(std::wstring_view(line).substr(end));
      return;
    }
  }

  // Otherwise the earliest extension that ends a path component ends the file part: unquoted
  // paths with spaces are common in Run values, and a dotted folder name
  // (C:\My.Executables\) is no extension.
  const size_t first = FindCommandExtension(UpperCaseAscii(line));
  if (first != std::wstring::npos) {
    const size_t end = first + 4;
    file = Trim(std::wstring_view(line).substr(0, end));
    parameters = Trim(std::wstring_view(line).substr(end));
    return;
  }

  const size_t space = line.find(L' ');
  if (space == std::wstring::npos) {
    file = line;
  } else {
    file = Trim(std::wstring_view(line).substr(0, space));
    parameters = Trim(std::wstring_view(line).substr(space + 1));
  }
}

std::wstring ExtractCommandFile(std::wstring_view commandLine) {
  // The native path prefix some drivers and services store.
  if (commandLine.substr(0, 4) == L"\\??\\") commandLine.remove_prefix(4);

  std::wstring file;
  std::wstring parameters;
  SplitCommandLine(commandLine, file, parameters);

  // rundll32 only hosts the library named in its parameters; that library is what starts.
  if (SameTextAscii(ExtractFileName(file), L"rundll32.exe") && !parameters.empty()) {
    std::wstring library = Trim(parameters);
    if (!library.empty() && library.front() == L'"') {
      bool closed = false;
      library = std::wstring(Unquote(library, closed));
    }
    const size_t comma = library.find(L',');
    if (comma != std::wstring::npos) library.resize(comma);
    file = library;
  }

  file = ExpandFolderVariable(file);

  // Doubled backslashes from careless writers collapse into one, except the two that
  // open a network path (\\server\share\a.exe).
  std::wstring result;
  result.reserve(file.size());
  size_t i = 0;
  if (file.size() >= 2 && file[0] == L'\\' && file[1] == L'\\') {
    result = L"\\\\";
    i = 2;
    while (i < file.size() && file[i] == L'\\') ++i;
  }
  for (; i < file.size(); ++i) {
    result.push_back(file[i]);
    if (file[i] == L'\\' && i + 1 < file.size() && file[i + 1] == L'\\') ++i;
  }
  return result;
}

std::wstring ExpandFolderVariable(std::wstring_view text) {
  for (const auto& [key, folder] : FolderVariables()) {
    if (text.size() > key.size() && text[key.size()] == L'\\' && StartsTextAscii(key, text))
      return folder + std::wstring(text.substr(key.size()));
  }
  return std::wstring(text);
}

std::wstring RemoveX86Suffix(std::wstring_view path) {
  constexpr std::wstring_view kSuffix = L" (x86)";
  const size_t pos = FindTextAscii(path, kSuffix);
  if (pos == std::wstring_view::npos) return std::wstring(path);
  std::wstring result(path);
  result.erase(pos, kSuffix.size());
  return result;
}
