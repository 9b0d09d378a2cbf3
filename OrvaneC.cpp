// orvanec.exe: the console companion. Lists and switches the same catalogue the window
// shows.
#include <string>
#include <vector>

#include "Lib/Companion.h"
#include "Tavin/Path.h"
#include "Tavin/SessionUser.h"
#include "platform/Utf8.h"
#include "platform/win32/Win32Platform.h"

namespace {

// A console gets UTF-16 through WriteConsoleW, so any code page shows the text; a
// redirected handle gets the UTF-8 bytes unchanged.
void Write(DWORD which, const std::string& text) {
  if (text.empty()) return;
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = Utf8ToWide(text);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  InstallWin32Platform();
  InitializeSessionUser();
  InitializeFolderVariables();
  std::vector<std::wstring> args(argv + 1, argv + argc);
  std::string out;
  std::string err;
  const int code = RunCompanion(args, out, err);
  Write(STD_OUTPUT_HANDLE, out);
  Write(STD_ERROR_HANDLE, err);
  return code;
}
