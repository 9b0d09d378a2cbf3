// A window hosting the autorun list over a fake catalogue of 40 entries, for screenshots:
// a disabled entry in grey, a selected row and the row under the mouse lit; it stays up
// for the given number of seconds and ends by itself. With --set-dpi N it only
// writes the screen resolution into the prefix's user settings, which Wine reads when a
// process starts, and ends. With --update STYLE LANGUAGE SECONDS it shows the update
// dialog with that notice style (none, hold, note or any other word) in that language,
// centred on the screen; with --status LANGUAGE SECONDS a window with the update status
// bar at (20, 20). SECONDS --contrast shows the list in a high-contrast black scheme, set
// for this session with SetSysColors (Wine keeps no high-contrast setting of its own).
#include <windows.h>

#include <cwchar>
#include <iterator>
#include <memory>
#include <string>

#include "Tavin/Path.h"
#include "Tavin/Translate.h"
#include "platform/fake/FakePlatform.h"
#include "ui/TavikoraButtonStyles.h"
#include "ui/win32/AutorunFrame.h"
#include "ui/win32/Form.h"
#include "ui/win32/Theme.h"
#include "ui/win32/Application.h"
#include "ui/win32/UpdateDialog.h"
#include "ui/win32/UpdateStatus.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

int SetDpi(DWORD dpi) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return 1;
  }
  const LSTATUS status = ::RegSetValueExW(key, L"LogPixels", 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  ::RegCloseKey(key);
  return status == ERROR_SUCCESS ? 0 : 1;
}

// The colours of the black high-contrast scheme, and the program told that it is on.
void UseHighContrastScheme() {
  const int elements[] = {COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_BTNFACE,  COLOR_BTNTEXT,
                          COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT, COLOR_HOTLIGHT,
                          COLOR_3DFACE};
  const COLORREF colors[] = {RGB(0, 0, 0),       RGB(0xFF, 0xFF, 0xFF), RGB(0, 0, 0),
                             RGB(0xFF, 0xFF, 0xFF), RGB(0x1A, 0xEB, 0xFF), RGB(0, 0, 0),
                             RGB(0x3F, 0xF2, 0x3F), RGB(0xFF, 0xFF, 0x00), RGB(0, 0, 0)};
  ::SetSysColors(static_cast<int>(std::size(elements)), elements, colors);
  SetHighContrastForTest(true);
}

void PumpFor(int seconds) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (::GetTickCount64() < end) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(20);
  }
}

// The dialog shown without its modal loop, so that the preview ends by itself.
int ShowUpdateDialog(const std::wstring& style, int seconds) {
  std::wstring info;
  if (style == L"hold") info = LR"x("style":"hold","text":"이 버전을 계속 사용합니다 (Keep this version)")x";
  else if (style == L"note") info = LR"x("style":"note","text":"변경 내역 보기 (What is new)","url":"https://example.com/")x";
  else if (style != L"none") info = LR"("style":")" + style + LR"(")";
  Application().SetTitle(L"Orvane");
  TUpdateDialogForm dialog(LR"({"update":"https://example.com/","info":{)" + info + L"}}");
  ::ShowWindow(dialog.Handle(), SW_SHOW);
  ::SetFocus(dialog.YesButton()->Handle());
  PumpFor(seconds);
  return 0;
}

int ShowStatusBar(int seconds) {
  auto form = std::make_unique<TWin32Form>(nullptr, L"Main", L"Orvane", 420, 200);
  TShape* content = form->Create<TShape>(L"Content", form->Handle(), 0, 0, 0, 0);
  content->SetBrushColor({RGB(0xFF, 0xFF, 0xFF), std::nullopt});
  content->SetPenColor({RGB(0xFF, 0xFF, 0xFF), std::nullopt});
  form->AlignClient(content);
  ::SetWindowPos(form->Handle(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::ShowWindow(form->Handle(), SW_SHOW);
  Application().SetMainForm(form.get());
  ShowUpdateStatus(L"https://example.com/");
  PumpFor(seconds);
  Application().SetMainForm(nullptr);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"--set-dpi") == 0) {
    return SetDpi(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
  }
  const int seconds = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 10;
  if (argc >= 3 && std::wcscmp(argv[2], L"--contrast") == 0) UseHighContrastScheme();
  // Without a manifest of its own the preview says it draws for the screen's dpi itself,
  // or Windows would stretch a 96-dpi bitmap of it.
  ::SetProcessDPIAware();

  FakePlatform fake;
  InitializeFolderVariables();
  InitializeTranslation();
  if (argc >= 5 && std::wcscmp(argv[1], L"--update") == 0) {
    CurrentLanguage = argv[3];
    return ShowUpdateDialog(argv[2], std::max(1, _wtoi(argv[4])));
  }
  if (argc >= 4 && std::wcscmp(argv[1], L"--status") == 0) {
    CurrentLanguage = argv[2];
    return ShowStatusBar(std::max(1, _wtoi(argv[3])));
  }
  RegisterTavikoraButtonStyles();
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"OneDrive", L"C:\\Tools\\OneDrive.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"메모 동기화", L"C:\\Tools\\memo.exe");
  fake.registry.SetString(HKEY_LOCAL_MACHINE, kRunKey, L"SecurityHealth", L"C:\\Tools\\health.exe");
  fake.registry.SetValue(HKEY_CURRENT_USER,
                         L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run",
                         L"OneDrive", REG_BINARY, std::vector<BYTE>{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  FakeService service;
  service.name = L"wuauserv";
  service.displayName = L"Windows Update";
  service.serviceType = SERVICE_WIN32_OWN_PROCESS;
  service.startType = SERVICE_AUTO_START;
  service.imagePath = L"C:\\Windows\\system32\\svchost.exe -k netsvcs";
  fake.services.AddService(service);
  fake.com.AddTask({L"\\", L"Nightly backup", true});
  // Enough more for the list to scroll: 40 rows in all.
  const wchar_t* const kMore[] = {
      L"Audio Control",   L"Backup Agent",   L"Camera Helper",  L"Cloud Drive",    L"Color Profiles",
      L"Disk Monitor",    L"Display Tools",  L"Dock Launcher",  L"Font Manager",   L"Game Overlay",
      L"Hotkey Daemon",   L"Input Switcher", L"Keyboard Suite", L"Mail Notifier",  L"Media Keys",
      L"Meeting Client",  L"Mouse Settings", L"Network Panel",  L"Note Sync",      L"Password Vault",
      L"Pen Service",     L"Photo Import",   L"Power Plan",     L"Printer Status", L"Scanner Button",
      L"Screen Capture",  L"Speech Helper",  L"Sync Center",    L"Tablet Driver",  L"Task Timer",
      L"Touchpad Tools",  L"Update Checker", L"VPN Client",     L"Wallpaper Cycle", L"Webcam Effects"};
  for (const wchar_t* name : kMore) {
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, name, std::wstring(L"C:\\Tools\\") + name + L".exe");
  }

  FilterList fileWhite, nameWhite;
  auto form = std::make_unique<TWin32Form>(nullptr, L"Main", L"Orvane", 420, 320);
  ApplyTheme(form.get());
  RECT client{};
  ::GetClientRect(form->Handle(), &client);
  const int strip = form->Scale(2);
  TFrmAutorun* frame = form->Create<TFrmAutorun>(form->Handle(), &fileWhite, &nameWhite);
  frame->SetBounds(0, strip, client.right, client.bottom - strip);
  ::SetWindowPos(form->Handle(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::SendMessageW(form->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application().SmallIcon()));
  ::ShowWindow(form->Handle(), SW_SHOW);
  // The scheme was set before the window existed; Windows tells a running window with
  // this message, and the common controls take their colours from it.
  ::SendMessageW(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
  // All entries, so the grey of a disabled one shows too; the click's refresh runs in
  // the message pass.
  ::SendMessageW(frame->AllListBox(), BM_CLICK, 0, 0);
  PumpFor(1);
  ::SetFocus(frame->List());
  ListView_SetItemState(frame->List(), 3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  // The mouse over another row, which the list lights up.
  RECT hot{};
  if (ListView_GetItemRect(frame->List(), 6, &hot, LVIR_BOUNDS)) {
    POINT at{(hot.left + hot.right) / 2 + form->Scale(40), (hot.top + hot.bottom) / 2};
    const LPARAM inList = MAKELPARAM(at.x, at.y);
    ::ClientToScreen(frame->List(), &at);
    ::SetCursorPos(at.x, at.y);
    ::PostMessageW(frame->List(), WM_MOUSEMOVE, 0, inList);
  }

  PumpFor(seconds);
  form.reset();
  UnregisterButtonStyleFamilies();
  return 0;
}
