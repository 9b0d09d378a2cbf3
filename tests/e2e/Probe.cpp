// orvane_e2e_probe.exe: what the system itself holds, read with plain Win32 calls and
// none of the program's own code, so the end-to-end tests can compare orvanec.exe's
// output and effects, and orvane.exe's windows, with it. One run answers several
// requests, because every Wine start costs more than a second:
//
//   folders          the shell folders the catalogue and its folder variables use
//   now              the current UTC time as a FILETIME
//   version          the Windows version RtlGetVersion reports ("10.0", "6.3")
//   key ROOT\PATH    every value of a key (64-bit view), in the registry's enumeration
//                    order, with its type and bytes in hex; null when the key is missing
//   keytree ROOT\PATH  the key and every key below it (64-bit view, links not followed),
//                    each as "path": [values as for key]; null when the key is missing
//   dir C:\PATH      every name in a folder, in FindFirstFileW order
//   services         every Win32 service and driver, in EnumServicesStatusW order, with
//                    its configured type and start type (Wine's sc.exe creates services
//                    but has no "qc" to read their configuration back)
//   set ROOT\PATH NAME TEXT   writes a REG_SZ value (64-bit view), creating the key
//   delete ROOT\PATH NAME     deletes a value (64-bit view); false when it was not there
//
// Window requests, for orvane.exe running in the same prefix (HWND in decimal):
//
//   windows          every visible top-level window: handle, class, caption, process,
//                    rectangles, enabled, owner
//   tree HWND        a window and all its descendants, in EnumChildWindows order: class,
//                    text, control id, style, screen rectangle, visible, check state
//   wait WHAT MS     waits up to MS milliseconds for WHAT and answers with it, or null:
//                      main    the main window: a visible top-level window of class
//                              OrvaneForm that holds a list view (answered as a tree)
//                      dialog  a visible top-level window of the main window's process
//                              other than the main window, a popup menu too
//                              (answered as a tree)
//                      rows    the main list with at least one row (answered as rows)
//                      nodialog  the main window without such a dialog (true)
//                      gone    no window of class OrvaneForm left (answered as true)
//   wait-rows TEST N NAME1 FROM1 ... NAMEn FROMn MS
//                    waits up to MS milliseconds until the main list's rows pass TEST
//                    against the N rows given (each as its two columns) and answers with
//                    the rows, or null:
//                      has     every given row is in the list
//                      lacks   the list has rows and none of the given ones
//                      differ  the list has rows and they are not the given ones, in order
//                    A list that is being filled again is empty for a moment: "lacks" and
//                    "differ" wait for the rows that come after.
//   wait-selected ROW MS   until the main list's selected and focused rows are both ROW
//                    (-1 for none); answered as selected, or null
//   wait-value ROOT\PATH NAME OLD MS   until the key (64-bit view) has a value NAME whose
//                    bytes are not OLD (hex; "-" for a value that was not there); answered
//                    as key, or null
//   wait-text HWND TEXT MS   until the window's text is TEXT; answered as true, or null
//   wait-focus HWND MS   until HWND has the keyboard focus; answered as true, or null
//
// Every wait ends on a deadline of the monotonic tick count, and looks again every 50 ms.
//   focus            the window with the keyboard focus on the main window's thread
//                    (HWND), or null
//   rows             the main list's rows, each [column 0, column 1], read across the
//                    process boundary with LVM_GETITEMTEXTW (the list is owner-data, so
//                    its owner supplies the text on request); null without a main window
//   click HWND       a button gets BM_CLICK; any other control a left click in its middle
//   click-at HWND X Y   a left click at client point X,Y of HWND, sent to the deepest
//                    visible child window under it
//   click-row N      a left click on row N of the main list, as the mouse gives it
//   dblclick-row N   a double click on row N of the main list, as the mouse gives it
//   rclick-row N     a right click on row N of the main list, as the mouse gives it
//   selected         the main list's selected and focused rows (LVM_GETNEXTITEM with
//                    LVNI_SELECTED and LVNI_FOCUSED), -1 for none; null without a list
//   keypress HWND VK a key press (down and up) of virtual key VK
//   char HWND CODE   WM_CHAR with character CODE, as a typed letter reaches a window
//   close HWND       posts WM_CLOSE
//   sleep MS         waits
//   answers MS       for MS milliseconds, WM_NULL to the main window every 10 ms with
//                    SendMessageTimeoutW(SMTO_ABORTIFHUNG): how many were sent, how many
//                    went unanswered, the longest answer in milliseconds, and the main
//                    list's row count at the end with the time it last changed (0: it
//                    did not change)
//   accessible HWND  the window's client object through Active Accessibility
//                    (AccessibleObjectFromWindow): its name, role and state, and for each
//                    child (up to 500) its name, description and state; null without one
//   colors HWND      the colours of the window's pixels on the screen, each as RRGGBB with
//                    its count, most frequent first
//   syscolors        the system's colour pairs (GetSysColor) and whether
//                    SPI_GETHIGHCONTRAST reports HCF_HIGHCONTRASTON
//
// The answer is one JSON object on standard output, UTF-8: {"folders": {...}, "now": N,
// "key:ROOT\PATH": [...], "dir:C:\PATH": [...], "services": [...], "rows": [...], ...};
// requests that take an argument are keyed "request:argument".
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::string Json(const std::wstring& text) {
  std::string out = "\"";
  for (unsigned char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + '"';
}

std::string Hex(const BYTE* data, DWORD size) {
  std::string out;
  char pair[3];
  for (DWORD i = 0; i < size; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", data[i]);
    out += pair;
  }
  return out;
}

std::string Folder(int csidl) {
  wchar_t path[MAX_PATH + 1] = {};
  if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return "null";
  return Json(path);
}

std::string Folders() {
  return "{\"commonStartup\": " + Folder(CSIDL_COMMON_STARTUP) +
         ", \"startup\": " + Folder(CSIDL_STARTUP) +
         ", \"appData\": " + Folder(CSIDL_APPDATA) +
         ", \"commonAppData\": " + Folder(CSIDL_COMMON_APPDATA) +
         ", \"windows\": " + Folder(CSIDL_WINDOWS) +
         ", \"programFiles\": " + Folder(CSIDL_PROGRAM_FILES) +
         ", \"programFilesX86\": " + Folder(CSIDL_PROGRAM_FILESX86) + "}";
}

std::string Now() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const unsigned long long value =
      (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return std::to_string(value);
}

// RtlGetVersion is not in the import libraries of every mingw-w64 release; ntdll is
// always loaded, so it is looked up there.
std::string Version() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) return "null";
  return "\"" + std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion) +
         "\"";
}

// Every value of an open key as a JSON array, as Key() gives it.
std::string Values(HKEY key) {
  std::string out = "[";
  for (DWORD index = 0;; ++index) {
    static wchar_t name[16384];
    DWORD nameLength = 16384;
    static BYTE data[65536];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data, &dataSize) !=
        ERROR_SUCCESS)
      break;
    if (index > 0) out += ", ";
    out += "{\"name\": " + Json(std::wstring(name, nameLength)) +
           ", \"type\": " + std::to_string(type) + ", \"hex\": \"" + Hex(data, dataSize) + "\"}";
  }
  return out + "]";
}

void Tree(HKEY key, const std::wstring& path, std::string& out) {
  if (out.size() > 1) out += ", ";
  out += Json(path) + ": " + Values(key);
  std::vector<std::wstring> names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    names.emplace_back(name, nameLength);
  }
  for (const std::wstring& name : names) {
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, name.c_str(), REG_OPTION_OPEN_LINK, KEY_READ | KEY_WOW64_64KEY,
                      &child) != ERROR_SUCCESS) {
      out += ", " + Json(path + L"\\" + name) + ": \"unreadable\"";
      continue;
    }
    Tree(child, path + L"\\" + name, out);
    RegCloseKey(child);
  }
}

// The root of "HKLM\PATH" or "HKCU\PATH" and the path below it; nullptr for any other
// text.
HKEY RootOf(const std::wstring& path, const wchar_t** below) {
  const size_t slash = path.find(L'\\');
  if (slash == std::wstring::npos) return nullptr;
  *below = path.c_str() + slash + 1;
  const std::wstring rootName = path.substr(0, slash);
  if (rootName == L"HKLM") return HKEY_LOCAL_MACHINE;
  if (rootName == L"HKCU") return HKEY_CURRENT_USER;
  return nullptr;
}

// Opens a key for reading in the 64-bit view; "bad" for a path RootOf does not take.
LSTATUS OpenKey(const std::wstring& path, HKEY* key, bool* bad) {
  const wchar_t* below = nullptr;
  const HKEY root = RootOf(path, &below);
  *bad = root == nullptr;
  if (*bad) return ERROR_INVALID_PARAMETER;
  return RegOpenKeyExW(root, below, 0, KEY_READ | KEY_WOW64_64KEY, key);
}

std::string Key(const std::wstring& path) {
  HKEY key = nullptr;
  bool bad = false;
  if (OpenKey(path, &key, &bad) != ERROR_SUCCESS)
    return bad ? "\"bad key " + Utf8(path) + "\"" : "null";
  std::string out = Values(key);
  RegCloseKey(key);
  return out;
}

std::string KeyTree(const std::wstring& path) {
  HKEY key = nullptr;
  bool bad = false;
  if (OpenKey(path, &key, &bad) != ERROR_SUCCESS)
    return bad ? "\"bad key " + Utf8(path) + "\"" : "null";
  std::string out = "{";
  Tree(key, path, out);
  RegCloseKey(key);
  return out + "}";
}

std::string Dir(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const std::wstring pattern = folder + L"\\*";
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "null";
  std::string out = "[";
  bool first = true;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!first) out += ", ";
    first = false;
    out += "{\"name\": " + Json(name) + ", \"directory\": " +
           ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "true" : "false") + "}";
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return out + "]";
}

std::string Services() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
  if (manager == nullptr) return "null";
  DWORD needed = 0;
  DWORD returned = 0;
  DWORD resume = 0;
  EnumServicesStatusW(manager, SERVICE_TYPE_ALL, SERVICE_STATE_ALL, nullptr, 0, &needed, &returned,
                      &resume);
  std::vector<BYTE> buffer(needed + 4096);
  resume = 0;
  auto* records = reinterpret_cast<ENUM_SERVICE_STATUSW*>(buffer.data());
  if (!EnumServicesStatusW(manager, SERVICE_TYPE_ALL, SERVICE_STATE_ALL, records,
                           static_cast<DWORD>(buffer.size()), &needed, &returned, &resume)) {
    CloseServiceHandle(manager);
    return "null";
  }
  std::string out = "[";
  for (DWORD i = 0; i < returned; ++i) {
    if (i > 0) out += ", ";
    out += "{\"name\": " + Json(records[i].lpServiceName) +
           ", \"displayName\": " + Json(records[i].lpDisplayName ? records[i].lpDisplayName : L"");
    SC_HANDLE service = OpenServiceW(manager, records[i].lpServiceName, SERVICE_QUERY_CONFIG);
    DWORD size = 0;
    QueryServiceConfigW(service, nullptr, 0, &size);
    std::vector<BYTE> config(size + 16);
    auto* settings = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(config.data());
    if (service != nullptr &&
        QueryServiceConfigW(service, settings, static_cast<DWORD>(config.size()), &size)) {
      out += ", \"type\": " + std::to_string(settings->dwServiceType) +
             ", \"start\": " + std::to_string(settings->dwStartType) + ", \"binaryPath\": " +
             Json(settings->lpBinaryPathName ? settings->lpBinaryPathName : L"");
    }
    if (service != nullptr) CloseServiceHandle(service);
    out += "}";
  }
  CloseServiceHandle(manager);
  return out + "]";
}

std::string SetValue(const std::wstring& path, const std::wstring& name, const std::wstring& text) {
  const wchar_t* below = nullptr;
  const HKEY root = RootOf(path, &below);
  if (root == nullptr) return "false";
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, below, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return "false";
  const LSTATUS status =
      RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? "true" : "false";
}

std::string DeleteValue(const std::wstring& path, const std::wstring& name) {
  const wchar_t* below = nullptr;
  const HKEY root = RootOf(path, &below);
  if (root == nullptr) return "false";
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, below, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS)
    return "false";
  const LSTATUS status = RegDeleteValueW(key, name.c_str());
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? "true" : "false";
}

// --- windows ------------------------------------------------------------------------

constexpr DWORD kAnswerTimeoutMs = 5000;  // a window that does not answer within this is hung
constexpr DWORD kWaitStepMs = 50;         // how often a wait looks again

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// The caption through WM_GETTEXT with a timeout, so a hung program cannot hang the probe.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &length))
    return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied))
    return L"";
  text.resize(copied);
  return text;
}

std::string Rect(const RECT& rect) {
  return "[" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " +
         std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + "]";
}

std::string Handle(HWND window) {
  return std::to_string(reinterpret_cast<unsigned long long>(window));
}

HWND HandleFrom(const std::wstring& text) {
  return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::wcstoull(text.c_str(), nullptr, 10)));
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(
      [](HWND window, LPARAM out) -> BOOL {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM out) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND ListOf(HWND window) {
  for (HWND child : Descendants(window))
    if (ClassOf(child) == L"SysListView32") return child;
  return nullptr;
}

HWND MainWindow() {
  for (HWND window : TopLevelWindows())
    if (ClassOf(window) == L"OrvaneForm" && ListOf(window) != nullptr) return window;
  return nullptr;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

HWND DialogWindow() {
  HWND main = MainWindow();
  if (main == nullptr) return nullptr;
  for (HWND window : TopLevelWindows())
    if (window != main && ProcessOf(window) == ProcessOf(main)) return window;
  return nullptr;
}

bool AnyForm() {
  return FindWindowExW(nullptr, nullptr, L"OrvaneForm", nullptr) != nullptr;
}

std::string Describe(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  RECT client{};
  GetClientRect(window, &client);
  return "{\"hwnd\": " + Handle(window) + ", \"class\": " + Json(ClassOf(window)) +
         ", \"text\": " + Json(TextOf(window)) + ", \"pid\": " + std::to_string(ProcessOf(window)) +
         ", \"rect\": " + Rect(rect) + ", \"client\": " + Rect(client) +
         ", \"enabled\": " + (IsWindowEnabled(window) ? "true" : "false") +
         ", \"owner\": " + Handle(GetWindow(window, GW_OWNER)) + "}";
}

std::string Windows() {
  std::string out = "[";
  for (HWND window : TopLevelWindows()) {
    if (out.size() > 1) out += ", ";
    out += Describe(window);
  }
  return out + "]";
}

std::string Control(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  std::string out = "{\"hwnd\": " + Handle(window) + ", \"parent\": " + Handle(GetParent(window)) +
                    ", \"class\": " + Json(ClassOf(window)) + ", \"text\": " + Json(TextOf(window)) +
                    ", \"id\": " + std::to_string(GetDlgCtrlID(window)) +
                    ", \"style\": " + std::to_string(style) + ", \"rect\": " + Rect(rect) +
                    ", \"visible\": " + (IsWindowVisible(window) ? "true" : "false");
  if (ClassOf(window) == L"Button") {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(window, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &state);
    out += ", \"checked\": " + std::to_string(state);
  }
  return out + "}";
}

std::string Tree(HWND window) {
  if (window == nullptr || !IsWindow(window)) return "null";
  std::string out = "{\"window\": " + Describe(window) + ", \"children\": [";
  bool first = true;
  for (HWND child : Descendants(window)) {
    if (!first) out += ", ";
    first = false;
    out += Control(child);
  }
  return out + "]}";
}

// Memory in another process for the list view's messages, which carry pointers that the
// list uses in its own process.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) : size_(size) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (process_ != nullptr)
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Ok() const { return address_ != nullptr; }
  char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
  bool Write(size_t offset, const void* data, size_t size) const {
    return offset + size <= size_ && WriteProcessMemory(process_, At(offset), data, size, nullptr);
  }
  bool Read(size_t offset, void* data, size_t size) const {
    return offset + size <= size_ && ReadProcessMemory(process_, At(offset), data, size, nullptr);
  }

 private:
  size_t size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

constexpr int kCellChars = 1024;

std::wstring CellText(HWND list, const RemoteBuffer& remote, int row, int column) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(remote.At(sizeof item));
  item.cchTextMax = kCellChars;
  const wchar_t nothing = L'\0';
  if (!remote.Write(0, &item, sizeof item) || !remote.Write(sizeof item, &nothing, sizeof nothing))
    return L"";
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                           reinterpret_cast<LPARAM>(remote.At(0)), SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &length))
    return L"";
  std::wstring text(kCellChars, L'\0');
  if (!remote.Read(sizeof item, text.data(), kCellChars * sizeof(wchar_t))) return L"";
  text.resize(wcsnlen(text.c_str(), kCellChars));
  return text;
}

int RowCount(HWND list) {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &count))
    return -1;
  return static_cast<int>(count);
}

using ListRows = std::vector<std::pair<std::wstring, std::wstring>>;

// The main list's rows, or nothing without a main window or access to its process.
std::optional<ListRows> ReadRows(std::string* problem = nullptr) {
  HWND main = MainWindow();
  HWND list = main ? ListOf(main) : nullptr;
  if (list == nullptr) return std::nullopt;
  RemoteBuffer remote(list, sizeof(LVITEMW) + kCellChars * sizeof(wchar_t));
  if (!remote.Ok()) {
    if (problem != nullptr) *problem = "\"no access to the list's process\"";
    return std::nullopt;
  }
  ListRows rows;
  const int count = RowCount(list);
  for (int row = 0; row < count; ++row)
    rows.emplace_back(CellText(list, remote, row, 0), CellText(list, remote, row, 1));
  return rows;
}

std::string RowsJson(const ListRows& rows) {
  std::string out = "[";
  for (const auto& [first, second] : rows) {
    if (out.size() > 1) out += ", ";
    out += '[';
    out += Json(first);
    out += ", ";
    out += Json(second);
    out += ']';
  }
  return out + "]";
}

std::string Rows() {
  std::string problem = "null";
  const std::optional<ListRows> rows = ReadRows(&problem);
  return rows ? RowsJson(*rows) : problem;
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

void PostClick(HWND window, int x, int y, bool twice) {
  PostMessageW(window, WM_MOUSEMOVE, 0, Point(x, y));
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, Point(x, y));
  if (twice) {
    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, Point(x, y));
  }
}

std::string Click(HWND window) {
  if (!IsWindow(window)) return "false";
  if (ClassOf(window) == L"Button") {
    PostMessageW(window, BM_CLICK, 0, 0);
    return "true";
  }
  RECT client{};
  GetClientRect(window, &client);
  PostClick(window, client.right / 2, client.bottom / 2, false);
  return "true";
}

std::string ClickAt(HWND window, int x, int y) {
  if (!IsWindow(window)) return "false";
  POINT point{x, y};
  for (;;) {
    HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == window) break;
    MapWindowPoints(window, child, &point, 1);
    window = child;
  }
  PostClick(window, point.x, point.y, false);
  return Json(ClassOf(window));
}

HWND MainList() {
  HWND main = MainWindow();
  return main ? ListOf(main) : nullptr;
}

// The middle of row N's label in the list's client coordinates, asked of the list itself.
bool RowPoint(HWND list, int row, POINT& point) {
  RemoteBuffer remote(list, sizeof(RECT));
  RECT rect{};
  rect.left = LVIR_LABEL;
  DWORD_PTR found = 0;
  if (!remote.Ok() || !remote.Write(0, &rect, sizeof rect) ||
      !SendMessageTimeoutW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                           reinterpret_cast<LPARAM>(remote.At(0)), SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &found) ||
      !found || !remote.Read(0, &rect, sizeof rect))
    return false;
  point = {rect.left + 4, (rect.top + rect.bottom) / 2};
  return true;
}

enum class RowClick { kLeft, kDouble, kRight };

std::string ClickRow(int row, RowClick how) {
  HWND list = MainList();
  POINT point{};
  if (list == nullptr || !RowPoint(list, row, point)) return "false";
  if (how == RowClick::kRight) {
    PostMessageW(list, WM_MOUSEMOVE, 0, Point(point.x, point.y));
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, Point(point.x, point.y));
    PostMessageW(list, WM_RBUTTONUP, 0, Point(point.x, point.y));
  } else {
    PostClick(list, point.x, point.y, how == RowClick::kDouble);
  }
  return "true";
}

struct Selection {
  int selected;
  int focused;
};

// The main list's first selected and focused rows (-1 for none); nothing without a list
// or when it does not answer.
std::optional<Selection> SelectionOf() {
  HWND list = MainList();
  if (list == nullptr) return std::nullopt;
  DWORD_PTR selected = 0;
  DWORD_PTR focused = 0;
  if (!SendMessageTimeoutW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED,
                           SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &selected) ||
      !SendMessageTimeoutW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED,
                           SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &focused))
    return std::nullopt;
  return Selection{static_cast<int>(selected), static_cast<int>(focused)};
}

std::string SelectionJson(const Selection& selection) {
  return "{\"selected\": " + std::to_string(selection.selected) +
         ", \"focused\": " + std::to_string(selection.focused) + "}";
}

std::string Focus() {
  const HWND main = MainWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!main || !GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) || !info.hwndFocus)
    return "null";
  return Handle(info.hwndFocus);
}

std::string Selected() {
  const std::optional<Selection> selection = SelectionOf();
  return selection ? SelectionJson(*selection) : "null";
}

std::string PressKey(HWND window, int key) {
  if (!IsWindow(window)) return "false";
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  PostMessageW(window, WM_KEYDOWN, static_cast<WPARAM>(key), 1 | (scan << 16));
  PostMessageW(window, WM_KEYUP, static_cast<WPARAM>(key), 1 | (scan << 16) | 0xC0000000u);
  return "true";
}

std::string PostChar(HWND window, int code) {
  if (!IsWindow(window)) return "false";
  PostMessageW(window, WM_CHAR, static_cast<WPARAM>(code), 1);
  return "true";
}

// Looks at `answer` until it gives something or the deadline on the monotonic tick count
// has passed; null then.
template <typename Answer>
std::string WaitFor(DWORD timeoutMs, Answer answer) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (std::optional<std::string> found = answer()) return *found;
    if (GetTickCount64() >= deadline) return "null";
    Sleep(kWaitStepMs);
  }
}

std::string Wait(const std::wstring& what, DWORD timeoutMs) {
  if (what != L"main" && what != L"dialog" && what != L"rows" && what != L"nodialog" &&
      what != L"gone")
    return "\"unknown wait " + Utf8(what) + "\"";
  return WaitFor(timeoutMs, [&]() -> std::optional<std::string> {
    if (what == L"main") {
      if (HWND main = MainWindow()) return Tree(main);
    } else if (what == L"dialog") {
      if (HWND dialog = DialogWindow()) return Tree(dialog);
    } else if (what == L"rows") {
      HWND main = MainWindow();
      HWND list = main ? ListOf(main) : nullptr;
      if (list != nullptr && RowCount(list) > 0) return Rows();
    } else if (what == L"nodialog") {
      if (MainWindow() != nullptr && DialogWindow() == nullptr) return std::string("true");
    } else if (!AnyForm()) {  // gone
      return std::string("true");
    }
    return std::nullopt;
  });
}

bool RowsPass(const std::wstring& test, const ListRows& rows, const ListRows& given) {
  const auto listed = [&rows](const auto& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  if (test == L"has") return std::all_of(given.begin(), given.end(), listed);
  if (rows.empty()) return false;
  if (test == L"lacks") return std::none_of(given.begin(), given.end(), listed);
  return rows != given;  // differ
}

std::string WaitRows(const std::wstring& test, const ListRows& given, DWORD timeoutMs) {
  if (test != L"has" && test != L"lacks" && test != L"differ")
    return "\"unknown test " + Utf8(test) + "\"";
  return WaitFor(timeoutMs, [&]() -> std::optional<std::string> {
    const std::optional<ListRows> rows = ReadRows();
    if (rows && RowsPass(test, *rows, given)) return RowsJson(*rows);
    return std::nullopt;
  });
}

std::string WaitSelected(int row, DWORD timeoutMs) {
  return WaitFor(timeoutMs, [&]() -> std::optional<std::string> {
    const std::optional<Selection> selection = SelectionOf();
    if (!selection || selection->selected != row || selection->focused != row) return std::nullopt;
    return SelectionJson(*selection);
  });
}

// The bytes of a value in hex, or nothing when the key or the value is missing.
std::optional<std::string> ValueHex(const std::wstring& path, const std::wstring& name) {
  HKEY key = nullptr;
  bool bad = false;
  if (OpenKey(path, &key, &bad) != ERROR_SUCCESS) return std::nullopt;
  static BYTE data[65536];
  DWORD size = sizeof data;
  const LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, nullptr, data, &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return Hex(data, size);
}

std::string WaitValue(const std::wstring& path, const std::wstring& name, const std::wstring& old,
                      DWORD timeoutMs) {
  return WaitFor(timeoutMs, [&]() -> std::optional<std::string> {
    const std::optional<std::string> hex = ValueHex(path, name);
    if (!hex || (old != L"-" && *hex == Utf8(old))) return std::nullopt;
    return Key(path);
  });
}

std::string WaitText(HWND window, const std::wstring& text, DWORD timeoutMs) {
  return WaitFor(timeoutMs, [&]() -> std::optional<std::string> {
    if (IsWindow(window) && TextOf(window) == text) return std::string("true");
    return std::nullopt;
  });
}

std::string WaitFocus(HWND window, DWORD timeoutMs) {
  return WaitFor(timeoutMs, [&]() -> std::optional<std::string> {
    if (Focus() == Handle(window)) return std::string("true");
    return std::nullopt;
  });
}


std::string Milliseconds(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", ms);
  return text;
}

std::string Answers(DWORD durationMs) {
  const HWND main = MainWindow();
  if (main == nullptr) return "null";
  const HWND list = ListOf(main);
  LARGE_INTEGER frequency{}, started{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&started);
  const auto since = [&](const LARGE_INTEGER& from) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
  };
  int sent = 0, unanswered = 0, rows = -2;
  double longest = 0, lastChange = 0;
  while (since(started) < durationMs) {
    LARGE_INTEGER before{};
    QueryPerformanceCounter(&before);
    DWORD_PTR result = 0;
    // A window that has not taken a message for five seconds counts as hung: the call
    // then returns at once, and that is counted as unanswered rather than fast.
    if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, 30000, &result)) ++unanswered;
    longest = std::max(longest, since(before));
    ++sent;
    const int count = list ? RowCount(list) : -1;
    if (sent == 1) rows = count;
    if (count != rows) {
      rows = count;
      lastChange = since(started);
    }
    Sleep(10);
  }
  return "{\"sent\": " + std::to_string(sent) + ", \"unanswered\": " + std::to_string(unanswered) +
         ", \"longest\": " + Milliseconds(longest) + ", \"rows\": " + std::to_string(rows) +
         ", \"rowsChangedAt\": " + Milliseconds(lastChange) + "}";
}

std::string AccessibleText(IAccessible* object, LONG child, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  BSTR text = nullptr;
  if (FAILED((object->*get)(id, &text)) || text == nullptr) return "null";
  const std::string json = Json(std::wstring(text, SysStringLen(text)));
  SysFreeString(text);
  return json;
}

std::string AccessibleNumber(IAccessible* object, LONG child, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  VARIANT value;
  VariantInit(&value);
  if (FAILED((object->*get)(id, &value))) return "null";
  const std::string text = value.vt == VT_I4 ? std::to_string(value.lVal) : "null";
  VariantClear(&value);
  return text;
}

std::string Accessible(HWND window) {
  IAccessible* object = nullptr;
  if (!IsWindow(window) ||
      FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr)
    return "null";
  std::string out = "{\"name\": " + AccessibleText(object, CHILDID_SELF, &IAccessible::get_accName) +
                    ", \"role\": " + AccessibleNumber(object, CHILDID_SELF, &IAccessible::get_accRole) +
                    ", \"state\": " + AccessibleNumber(object, CHILDID_SELF, &IAccessible::get_accState) +
                    ", \"children\": [";
  LONG count = 0;
  if (FAILED(object->get_accChildCount(&count))) count = 0;
  for (LONG child = 1; child <= std::min<LONG>(count, 500); ++child) {
    if (child > 1) out += ", ";
    out += "{\"name\": " + AccessibleText(object, child, &IAccessible::get_accName) +
           ", \"description\": " + AccessibleText(object, child, &IAccessible::get_accDescription) +
           ", \"state\": " + AccessibleNumber(object, child, &IAccessible::get_accState) + "}";
  }
  object->Release();
  return out + "]}";
}

std::string Colors(HWND window) {
  RECT rect{};
  if (!IsWindow(window) || !GetClientRect(window, &rect)) return "null";
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = rect.right, height = rect.bottom;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::map<DWORD, int> counts;
  if (bitmap && bits && width > 0 && height > 0) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) ++counts[pixel[i] & 0xFFFFFF];
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::vector<std::pair<int, DWORD>> sorted;
  for (const auto& [color, count] : counts) sorted.emplace_back(count, color);
  std::sort(sorted.rbegin(), sorted.rend());
  std::string out = "[";
  for (const auto& [count, color] : sorted) {
    char text[48];
    std::snprintf(text, sizeof text, "%s[\"%06lx\", %d]", out.size() > 1 ? ", " : "",
                  static_cast<unsigned long>(color), count);
    out += text;
  }
  return out + "]";
}

std::string SysColors() {
  const std::pair<const char*, int> pairs[] = {
      {"buttonFace", COLOR_BTNFACE}, {"buttonText", COLOR_BTNTEXT}, {"window", COLOR_WINDOW},
      {"windowText", COLOR_WINDOWTEXT}, {"highlight", COLOR_HIGHLIGHT},
      {"highlightText", COLOR_HIGHLIGHTTEXT}, {"grayText", COLOR_GRAYTEXT}};
  std::string out = "{";
  for (const auto& [name, index] : pairs) {
    const COLORREF color = GetSysColor(index);
    char text[64];
    std::snprintf(text, sizeof text, "\"%s\": \"%02x%02x%02x\", ", name, GetRValue(color), GetGValue(color),
                  GetBValue(color));
    out += text;
  }
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  const bool asked = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE;
  out += std::string("\"highContrast\": ") + (!asked ? "null" : (contrast.dwFlags & HCF_HIGHCONTRASTON) ? "true" : "false");
  return out + "}";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Active Accessibility hands over objects through COM.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::string out = "{";
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    const std::wstring request = argv[i];
    if (i > 1) out += ",\n";
    if (request == L"folders") {
      out += "\"folders\": " + Folders();
    } else if (request == L"now") {
      out += "\"now\": " + Now();
    } else if (request == L"version") {
      out += "\"version\": " + Version();
    } else if (request == L"services") {
      out += "\"services\": " + Services();
    } else if (request == L"keytree" && i + 1 < argc) {
      const std::wstring what = argv[++i];
      out += Json(request + L":" + what) + ": " + KeyTree(what);
    } else if ((request == L"key" || request == L"dir") && i + 1 < argc) {
      const std::wstring what = argv[++i];
      out += Json(request + L":" + what) + ": " + (request == L"key" ? Key(what) : Dir(what));
    } else if (request == L"set" && i + 3 < argc) {
      const std::wstring path = argv[++i];
      const std::wstring name = argv[++i];
      out += Json(L"set:" + path + L"\\" + name) + ": " + SetValue(path, name, argv[++i]);
    } else if (request == L"delete" && i + 2 < argc) {
      const std::wstring path = argv[++i];
      const std::wstring name = argv[++i];
      out += Json(L"delete:" + path + L"\\" + name) + ": " + DeleteValue(path, name);
    } else if (request == L"windows") {
      out += "\"windows\": " + Windows();
    } else if (request == L"rows") {
      out += "\"rows\": " + Rows();
    } else if (request == L"selected") {
      out += "\"selected\": " + Selected();
    } else if (request == L"syscolors") {
      out += "\"syscolors\": " + SysColors();
    } else if ((request == L"answers" || request == L"accessible" || request == L"colors") && i + 1 < argc) {
      const std::wstring what = argv[++i];
      const std::string answer = request == L"answers"      ? Answers(static_cast<DWORD>(_wtoi(what.c_str())))
                                 : request == L"accessible" ? Accessible(HandleFrom(what))
                                                            : Colors(HandleFrom(what));
      out += Json(request + L":" + what) + ": " + answer;
    } else if (request == L"focus") {
      out += "\"focus\": " + Focus();
    } else if ((request == L"wait" || request == L"keypress" || request == L"char") &&
               i + 2 < argc) {
      const std::wstring first = argv[++i];
      const std::wstring second = argv[++i];
      const int number = _wtoi(second.c_str());
      out += Json(request + L":" + first) + ": " +
             (request == L"wait"       ? Wait(first, static_cast<DWORD>(number))
              : request == L"keypress" ? PressKey(HandleFrom(first), number)
                                       : PostChar(HandleFrom(first), number));
    } else if ((request == L"tree" || request == L"click" || request == L"close" ||
                request == L"click-row" || request == L"dblclick-row" ||
                request == L"rclick-row" || request == L"sleep") &&
               i + 1 < argc) {
      const std::wstring what = argv[++i];
      std::string answer = "true";
      if (request == L"tree") answer = Tree(HandleFrom(what));
      if (request == L"click") answer = Click(HandleFrom(what));
      if (request == L"close") answer = PostMessageW(HandleFrom(what), WM_CLOSE, 0, 0) ? "true" : "false";
      if (request == L"click-row") answer = ClickRow(_wtoi(what.c_str()), RowClick::kLeft);
      if (request == L"dblclick-row") answer = ClickRow(_wtoi(what.c_str()), RowClick::kDouble);
      if (request == L"rclick-row") answer = ClickRow(_wtoi(what.c_str()), RowClick::kRight);
      if (request == L"sleep") Sleep(static_cast<DWORD>(_wtoi(what.c_str())));
      out += Json(request + L":" + what) + ": " + answer;
    } else if (request == L"wait-rows" && i + 2 < argc) {
      const std::wstring test = argv[++i];
      const int count = _wtoi(argv[++i]);
      if (count < 0 || i + 2 * count + 1 >= argc) {
        out += Json(L"error") + ": " + Json(L"wait-rows needs its rows and a time");
        status = 2;
        break;
      }
      ListRows given;
      for (int row = 0; row < count; ++row, i += 2) given.emplace_back(argv[i + 1], argv[i + 2]);
      const DWORD timeoutMs = static_cast<DWORD>(_wtoi(argv[++i]));
      out += Json(request + L":" + test) + ": " + WaitRows(test, given, timeoutMs);
    } else if (request == L"wait-selected" && i + 2 < argc) {
      const int row = _wtoi(argv[++i]);
      const DWORD timeoutMs = static_cast<DWORD>(_wtoi(argv[++i]));
      out += "\"wait-selected\": " + WaitSelected(row, timeoutMs);
    } else if (request == L"wait-value" && i + 4 < argc) {
      const std::wstring path = argv[++i];
      const std::wstring name = argv[++i];
      const std::wstring old = argv[++i];
      const DWORD timeoutMs = static_cast<DWORD>(_wtoi(argv[++i]));
      out += Json(L"wait-value:" + path + L"\\" + name) + ": " + WaitValue(path, name, old, timeoutMs);
    } else if (request == L"wait-focus" && i + 2 < argc) {
      const HWND window = HandleFrom(argv[++i]);
      const DWORD timeoutMs = static_cast<DWORD>(_wtoi(argv[++i]));
      out += "\"wait-focus\": " + WaitFocus(window, timeoutMs);
    } else if (request == L"wait-text" && i + 3 < argc) {
      const HWND window = HandleFrom(argv[++i]);
      const std::wstring text = argv[++i];
      const DWORD timeoutMs = static_cast<DWORD>(_wtoi(argv[++i]));
      out += "\"wait-text\": " + WaitText(window, text, timeoutMs);
    } else if (request == L"click-at" && i + 3 < argc) {
      const std::wstring what = argv[++i];
      const int x = _wtoi(argv[++i]);
      const int y = _wtoi(argv[++i]);
      out += Json(request + L":" + what) + ": " + ClickAt(HandleFrom(what), x, y);
    } else {
      out += Json(L"error") + ": " + Json(L"unknown request " + request);
      status = 2;
    }
  }
  out += "}\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
            nullptr);
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}
