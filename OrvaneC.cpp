// orvanec.exe: the console companion. Lists and switches the same catalogue the window
// shows.
#include <string>
#include <string_view>
#include <vector>

#include "Lib/Companion.h"
#include "Lib/FileSignatures.h"
#include "Lib/WriteInPieces.h"
#include "Tavin/Path.h"
#include "Tavin/SessionUser.h"
#include "platform/Utf8.h"
#include "platform/win32/Win32Platform.h"

namespace {

// A console gets UTF-16 through WriteConsoleW, so any code page shows the text; a
// redirected handle gets the UTF-8 bytes unchanged. False when not all of it was
// written: a full disk, a closed pipe, a console that refused.
bool Write(DWORD which, const std::string& text) {
  if (text.empty()) return true;
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = Utf8ToWide(text);
    return WriteInPieces(std::wstring_view(wide), kConsolePieceUnits,
                         [handle](const wchar_t* data, DWORD count, DWORD* written) {
                           return WriteConsoleW(handle, data, count, written, nullptr) != FALSE;
                         });
  }
  return WriteInPieces(std::string_view(text), kFilePieceBytes,
                       [handle](const char* data, DWORD count, DWORD* written) {
                         return WriteFile(handle, data, count, written, nullptr) != FALSE;
                       });
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
  const bool written = Write(STD_OUTPUT_HANDLE, out);
  if (!written) err += "orvanec: the output could not be written in full\n";
  Write(STD_ERROR_HANDLE, err);
  const int exitCode = ExitCodeAfterWrite(args, code, written);
  // A signature check given up on (a file on a share that went offline) may still be
  // inside the trust provider: the process ends here, which stops it, rather than
  // running the static destructors under it or waiting for the network's time-out.
  if (AbandonedSignatureChecks() > 0) ::ExitProcess(static_cast<UINT>(exitCode));
  return exitCode;
}
