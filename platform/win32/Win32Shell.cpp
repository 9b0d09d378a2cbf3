#include "platform/win32/Win32Shell.h"

#include <exdisp.h>
#include <sddl.h>
#include <servprov.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <vector>

#include "platform/win32/Win32Handles.h"

// shellapi.h's ShellExecute macro would rename IShellDispatch2's method of that name.
#ifdef ShellExecute
#undef ShellExecute
#endif

namespace {

// The token of the process that owns the desktop shell's window, with the rights
// SHGetFolderPathW needs to act for its user; nothing when there is no shell.
UniqueHandle OpenShellToken(HRESULT* error) {
  HWND shell = ::GetShellWindow();
  DWORD processId = 0;
  if (shell == nullptr || ::GetWindowThreadProcessId(shell, &processId) == 0 || processId == 0) {
    *error = HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    return UniqueHandle();
  }
  UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) {
    *error = HRESULT_FROM_WIN32(::GetLastError());
    return UniqueHandle();
  }
  HANDLE token = nullptr;
  if (!::OpenProcessToken(process.get(), TOKEN_QUERY | TOKEN_IMPERSONATE | TOKEN_DUPLICATE,
                          &token)) {
    *error = HRESULT_FROM_WIN32(::GetLastError());
    return UniqueHandle();
  }
  return UniqueHandle(token);
}

// The TOKEN_USER of a token, in a buffer of the size the first call asks for.
bool ReadTokenUser(HANDLE token, std::vector<BYTE>& buffer) {
  DWORD size = 0;
  ::GetTokenInformation(token, ::TokenUser, nullptr, 0, &size);
  if (size == 0) return false;
  buffer.assign(size, 0);
  return ::GetTokenInformation(token, ::TokenUser, buffer.data(), size, &size) != FALSE;
}

}  // namespace

HRESULT Win32Shell::GetShellUser(std::wstring* sid) {
  HRESULT error = S_OK;
  UniqueHandle shellToken = OpenShellToken(&error);
  if (!shellToken) return error;
  HANDLE ownToken = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &ownToken))
    return HRESULT_FROM_WIN32(::GetLastError());
  UniqueHandle own(ownToken);
  std::vector<BYTE> shellUser;
  std::vector<BYTE> ownUser;
  if (!ReadTokenUser(shellToken.get(), shellUser) || !ReadTokenUser(own.get(), ownUser))
    return HRESULT_FROM_WIN32(::GetLastError());
  PSID shellSid = reinterpret_cast<TOKEN_USER*>(shellUser.data())->User.Sid;
  PSID ownSid = reinterpret_cast<TOKEN_USER*>(ownUser.data())->User.Sid;
  if (::EqualSid(shellSid, ownSid)) return S_FALSE;
  wchar_t* text = nullptr;
  if (!::ConvertSidToStringSidW(shellSid, &text)) return HRESULT_FROM_WIN32(::GetLastError());
  UniqueLocalMemory owned(text);
  *sid = text;
  return S_OK;
}

BOOL Win32Shell::GetProcessElevationType(DWORD* type) {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return FALSE;
  UniqueHandle owned(token);
  TOKEN_ELEVATION_TYPE elevation = TokenElevationTypeDefault;
  DWORD size = 0;
  if (!::GetTokenInformation(token, TokenElevationType, &elevation, sizeof(elevation), &size))
    return FALSE;
  *type = static_cast<DWORD>(elevation);
  return TRUE;
}

HRESULT Win32Shell::ShellExecuteThroughDesktop(const wchar_t* file) {
  // The calls below are COM: the window's thread is in its apartment already; another
  // thread gets one for the time of the call.
  const HRESULT init = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  struct ComScope {
    bool owned;
    ~ComScope() {
      if (owned) ::CoUninitialize();
    }
  } scope{SUCCEEDED(init)};
  if (FAILED(init) && init != RPC_E_CHANGED_MODE) return init;

  ComPtr<IShellWindows> windows;
  HRESULT hr = ::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                  IID_IShellWindows, windows.put_void());
  if (FAILED(hr)) return hr;
  if (!windows) return E_FAIL;
  UniqueVariant location;
  UniqueVariant root;
  long window = 0;
  ComPtr<IDispatch> desktop;
  hr = windows->FindWindowSW(&location.get(), &root.get(), SWC_DESKTOP, &window,
                             SWFO_NEEDDISPATCH, desktop.put());
  if (FAILED(hr)) return hr;
  if (!desktop) return E_FAIL;

  ComPtr<IServiceProvider> services;
  hr = desktop->QueryInterface(IID_IServiceProvider, services.put_void());
  if (FAILED(hr)) return hr;
  ComPtr<IShellBrowser> browser;
  hr = services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.put_void());
  if (FAILED(hr)) return hr;
  if (!browser) return E_FAIL;
  ComPtr<IShellView> view;
  hr = browser->QueryActiveShellView(view.put());
  if (FAILED(hr)) return hr;
  if (!view) return E_FAIL;
  ComPtr<IDispatch> background;
  hr = view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.put_void());
  if (FAILED(hr)) return hr;
  if (!background) return E_FAIL;
  ComPtr<IShellFolderViewDual> folderView;
  hr = background->QueryInterface(IID_IShellFolderViewDual, folderView.put_void());
  if (FAILED(hr)) return hr;
  ComPtr<IDispatch> application;
  hr = folderView->get_Application(application.put());
  if (FAILED(hr)) return hr;
  if (!application) return E_FAIL;
  ComPtr<IShellDispatch2> shell;
  hr = application->QueryInterface(IID_IShellDispatch2, shell.put_void());
  if (FAILED(hr)) return hr;

  UniqueBstr text(::SysAllocString(file));
  if (!text) return E_OUTOFMEMORY;
  UniqueVariant arguments;
  UniqueVariant directory;
  UniqueVariant operation;  // empty: the default verb, "open" for a web address
  UniqueVariant show;
  show.get().vt = VT_I4;
  show.get().lVal = SW_SHOWNORMAL;
  return shell->ShellExecute(text.get(), arguments.get(), directory.get(), operation.get(),
                             show.get());
}

HRESULT Win32Shell::SHGetFolderPathOfShellUser(int csidl, DWORD flags, wchar_t* path) {
  if (path != nullptr) path[0] = L'\0';
  HRESULT error = S_OK;
  UniqueHandle token = OpenShellToken(&error);
  if (!token) return error;
  return ::SHGetFolderPathW(nullptr, csidl, token.get(), flags, path);
}

HRESULT Win32Shell::SHGetFolderPathW(HWND owner, int csidl, HANDLE token, DWORD flags,
                                     wchar_t* path) {
  return ::SHGetFolderPathW(owner, csidl, token, flags, path);
}

INT_PTR Win32Shell::ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file,
                                  const wchar_t* parameters, const wchar_t* directory,
                                  int showCommand) {
  // The HINSTANCE is only a status number kept for 16-bit compatibility.
  return reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(owner, verb, file, parameters, directory, showCommand));
}
