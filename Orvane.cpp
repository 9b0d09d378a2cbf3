// orvane.exe: the startup manager's window. One instance per logon session; the main
// window runs until the user closes it.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <chrono>
#include <memory>

#include "Tavin/HoldRequests.h"
#include "Tavin/Path.h"
#include "Tavin/OpenAddress.h"
#include "Tavin/SessionUser.h"
#include "Tavin/Translate.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Platform.h"
#include "ui/TavikoraButtonStyles.h"
#include "ui/win32/Application.h"
#include "ui/win32/MainForm.h"
#include "ui/win32/UnopenedAddress.h"
#include "ui/win32/UpdateDialog.h"
#include "ui/win32/UpdateUi.h"
#include "ui/win32/Window.h"

namespace {

constexpr wchar_t kMutexName[] = L"OrvaneMutex";
// A hold ticked just before the window closed gets this long to reach the server, and
// its thread this long more to let go once aborted: closing never waits on a server
// that does not answer.
constexpr std::chrono::milliseconds kHoldGrace{500};
constexpr std::chrono::milliseconds kHoldSettle{300};

// The program's modules in their fixed order: the button family, the translation table
// and language, the signed-in user, the folder variables (the catalogue's lock is made with the catalogue).
void StartModules() {
  InstallWin32Platform();
  RegisterTavikoraButtonStyles();
  InitializeTranslation();
  // Whose profile the window shows comes first: the folder variables name its folders.
  InitializeSessionUser();
  InitializeFolderVariables();
  // A link the desktop shell cannot open is shown to be copied, never opened elevated.
  SetUnopenedAddressHandler(ShowUnopenedAddress);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  StartModules();

  // Another instance in this logon session: leave at once, silently. The name has no
  // "Global\" prefix, so each session has its own.
  if (HANDLE running = ::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kMutexName)) {
    ::CloseHandle(running);
    return 0;
  }
  // Held until the process ends, which releases it.
  (void)::CreateMutexW(nullptr, TRUE, kMutexName);

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                      ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  ::InitCommonControlsEx(&controls);
  // The shell's save dialog and ShellExecute expect the window's thread in a
  // single-threaded apartment; the task list joins it instead of making its own.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  int code = 1;
  try {
    {
      TFrmOrvane form(std::make_shared<TWin32UpdateUi>());
      Application().SetMainForm(&form);
      ::ShowWindow(form.Handle(), show == SW_SHOWDEFAULT ? SW_SHOWNORMAL : show);
      ::UpdateWindow(form.Handle());
      code = Application().Run();
    }
    (void)FinishHoldRequests(kHoldGrace, kHoldSettle);
    // A refresh's reader still waiting on an offline share when the window closed: the
    // process ends here, which stops it, rather than tearing down under it what it uses.
    if (TFrmAutorun::AbandonedReaders() > 0) ::ExitProcess(static_cast<UINT>(code));
  } catch (...) {
    // The window could not be built; nothing else can show what went wrong.
    ReportError(nullptr, CurrentErrorText());
    code = 1;
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  // A request thread that has not let go yet (its abort fired, WinHTTP or a proxy
  // lookup still finishing) would otherwise run on while the program's own objects are
  // torn down around it. The process ends here instead, taking the thread with it;
  // nothing it does is left half-written by that, and nothing is reported.
  if (PlatformLeases() > 0) ::ExitProcess(static_cast<UINT>(code));
  return code;
}
