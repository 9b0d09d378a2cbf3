// The autorun list inside a real window over a fake catalogue: what the list control
// itself reports (item count, texts and states through its messages), the check box, F5,
// a switch round trip, the switch that raises, the selection that follows its entry
// across refreshes, type-ahead, the right button and the keyboard's context menu, the
// lookup address and the saved file. Clicks and keys set work off that runs once the
// message that brought them has returned, so each is followed by PumpOnce.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>
#include <oleacc.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ServerAddresses.h"
#include "Tavin/Path.h"
#include "Tavin/Translate.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/CatalogueFixture.h"
#include "ui/TavikoraButtonStyles.h"
#include "ui/win32/AutorunFrame.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/Form.h"
#include "tests/windows/WineTest.h"
#include "tests/windows/WindowPump.h"

namespace {

std::wstring ItemText(HWND list, int row, int column) {
  wchar_t text[256]{};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

// Every row as "name|kind" as the list control shows it.
std::vector<std::wstring> Shown(HWND list) {
  std::vector<std::wstring> rows;
  const auto count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) rows.push_back(ItemText(list, row, 0) + L"|" + ItemText(list, row, 1));
  return rows;
}

// The rows the list control holds as selected, and the one with the focus (-1: none).
std::vector<int> SelectedRows(HWND list) {
  std::vector<int> rows;
  for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
    rows.push_back(row);
  }
  return rows;
}
int FocusedRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_FOCUSED); }

// Serves the windows until no refresh or save is under way, then once more for what its
// end posted. Bounded: work that never ends fails the test instead of stalling the run.
void Settle() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (;;) {
    PumpOnce();
    if (TFrmAutorun::RefreshesUnderWay() == 0 && TFrmAutorun::SavesUnderWay() == 0) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      ADD_FAILURE() << "a refresh never ended";
      return;
    }
    ::Sleep(2);
  }
  PumpOnce();
}

// Clicks as the user does, the button going up as well as down; then the refresh it
// may have set off is waited for.
void Click(HWND window) {
  ::SendMessageW(window, BM_CLICK, 0, 0);
  Settle();
}
void Key(HWND window, WPARAM key) {
  ::SendMessageW(window, WM_KEYDOWN, key, 0);
  Settle();
}

// The right button pressed and let go over a row of the list, as the mouse does it.
void RightClickRow(HWND list, int row) {
  RECT place{};
  ASSERT_TRUE(ListView_GetItemRect(list, row, &place, LVIR_LABEL));
  const LPARAM at = MAKELPARAM(place.left + 4, (place.top + place.bottom) / 2);
  // The release waits in the queue: the list may watch for it while the button is down,
  // as Windows' list does to tell a click from a drag.
  ::PostMessageW(list, WM_RBUTTONUP, 0, at);
  ::SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
}

// Whatever popup menu opens while the watch lives is looked at and closed from a timer
// inside the menu's own loop: where it stood on the screen, or nothing when none opened.
struct TMenuWatch {
  static std::optional<RECT>& Seen() {
    static std::optional<RECT> seen;
    return seen;
  }
  static void CALLBACK Close(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (!menu || !::IsWindowVisible(menu)) return;  // not open (yet)
    RECT place{};
    ::GetWindowRect(menu, &place);
    Seen() = place;
    ::EndMenu();
  }
  TMenuWatch() : timer(::SetTimer(nullptr, 0, 50, &Close)) { Seen().reset(); }
  ~TMenuWatch() { ::KillTimer(nullptr, timer); }
  UINT_PTR timer;
};

// The version reads, forwarded to the fake after a gate the test opens; each records the
// thread it ran on.
class TGatedVersions : public IVersionInfo {
 public:
  explicit TGatedVersions(IVersionInfo& inner)
      : inner_(inner), open_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~TGatedVersions() override { ::CloseHandle(open_); }
  void Open() { ::SetEvent(open_); }
  bool ReadOn(DWORD thread) {
    std::lock_guard lock(mutex_);
    return threads_.count(thread) != 0;
  }
  int Reads() {
    std::lock_guard lock(mutex_);
    return reads_;
  }
  DWORD GetFileVersionInfoSizeW(const wchar_t* file, DWORD* handle, DWORD* error) override {
    {
      std::lock_guard lock(mutex_);
      threads_.insert(::GetCurrentThreadId());
      ++reads_;
    }
    // Bounded, so that a read on the test's own thread (the fault) cannot hang the run.
    ::WaitForSingleObject(open_, 3000);
    return inner_.GetFileVersionInfoSizeW(file, handle, error);
  }
  BOOL GetFileVersionInfoW(const wchar_t* file, DWORD handle, DWORD size, void* data,
                           DWORD* error) override {
    return inner_.GetFileVersionInfoW(file, handle, size, data, error);
  }
  BOOL VerQueryValueW(const void* block, const wchar_t* subBlock, void** buffer,
                      UINT* length) override {
    return inner_.VerQueryValueW(block, subBlock, buffer, length);
  }

 private:
  IVersionInfo& inner_;
  HANDLE open_;
  std::mutex mutex_;
  std::set<DWORD> threads_;
  int reads_ = 0;
};

class AnyAutorunFrame : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    RegisterTavikoraButtonStyles();
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Alpha", L"C:\\Tools\\alpha.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Beta", L"C:\\Tools\\beta.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Gamma", L"C:\\Tools\\gamma.exe");
    fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Gamma", REG_BINARY, ApprovalRecord(3));
    form_ = std::make_unique<TWin32Form>(nullptr, L"Host", L"Host", 520, 400);
    RECT client{};
    ::GetClientRect(form_->Handle(), &client);
    frame_ = form_->Create<TFrmAutorun>(form_->Handle(), &fileWhite_, &nameWhite_);
    frame_->SetBounds(0, 0, client.right, client.bottom);
    ::ShowWindow(form_->Handle(), SW_SHOW);
    PumpOnce();
  }
  void TearDown() override {
    form_.reset();
    UnregisterButtonStyleFamilies();
    CatalogueTest::TearDown();
  }
  void Select(int row) {
    ListView_SetItemState(frame_->List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
  }
  // A refresh, waited for: the catalogue is read on a thread of its own.
  void Refresh() {
    frame_->LoadAutorun();
    Settle();
  }
  std::wstring RunTarget(const std::wstring& name) {
    return L"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\" + name;
  }
  void RemoveRunValue(const std::wstring& name) {
    HKEY key = nullptr;
    ASSERT_EQ(fake.registry.RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(fake.registry.RegDeleteValueW(key, name.c_str()), ERROR_SUCCESS);
    fake.registry.RegCloseKey(key);
  }
  std::wstring ButtonFace() const {
    TStyledButton* button = frame_->SwitchButton();
    return button->Caption() + (button->Down() ? L" (down)" : L"");
  }

  FilterList fileWhite_;
  FilterList nameWhite_;
  std::unique_ptr<TWin32Form> form_;
  TFrmAutorun* frame_ = nullptr;
};

TEST_F(AnyAutorunFrame, RowsCheckBoxAndF5AsTheListControlShowsThem) {
  EXPECT_EQ(Shown(frame_->List()).size(), 0u) << "empty until the first refresh";
  Refresh();
  EXPECT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU"}));
  EXPECT_GE(frame_->ImageCount(), 4) << "the image list mirrors the collection";
  EXPECT_EQ(frame_->ImageCount(), frame_->Images().Count());

  Click(frame_->AllListBox());
  EXPECT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Gamma|HKCU"}));
  Click(frame_->AllListBox());
  EXPECT_EQ(Shown(frame_->List()).size(), 2u);

  // A new value appears at the end; F5 rebuilds from scratch.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Delta", L"C:\\Tools\\delta.exe");
  Key(frame_->List(), VK_F6);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u) << "another key does nothing";
  Key(frame_->List(), VK_F5);
  EXPECT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Delta|HKCU"}));
}

TEST_F(AnyAutorunFrame, TheListGetsNoMoreCharactersThanItsBufferHolds) {
  Refresh();
  for (int size : {1, 2, 4, 6}) {
    wchar_t text[8];
    std::fill(std::begin(text), std::end(text), L'#');
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = size;
    ::SendMessageW(frame_->List(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), std::wstring(L"Alpha").substr(0, static_cast<size_t>(size - 1)))
        << size;
    EXPECT_EQ(text[size], L'#') << "written past the buffer of " << size;
  }
}

TEST_F(AnyAutorunFrame, MovingToA150PercentMonitorTakesTheSuggestedRectangleAndScalesTheRows) {
  Refresh();
  RECT row{};
  ListView_GetItemRect(frame_->List(), 0, &row, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, 24);
  RECT suggested{40, 30, 40 + 780, 30 + 600};
  ::SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT now{};
  ::GetWindowRect(form_->Handle(), &now);
  EXPECT_TRUE(::EqualRect(&now, &suggested));
  EXPECT_EQ(form_->Dpi(), 144u);
  ListView_GetItemRect(frame_->List(), 0, &row, LVIR_BOUNDS);
  EXPECT_EQ(row.bottom - row.top, 36);
  EXPECT_EQ(ListView_GetColumnWidth(frame_->List(), 1), 75);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u);
}

TEST_F(AnyAutorunFrame, ANewResolutionThenANewIconThenARefreshThenClosingTouchNothingFreed) {
  // Run with Wine's heap checking (the wine tests' environment): freed blocks are filled,
  // so a call into an image list of an earlier resolution would not pass unseen.
  Refresh();
  const HWND list = frame_->List();
  for (UINT dpi : {144u, 120u}) {
    RECT suggested{40, 30, 40 + ScaleForDpi(520, dpi), 30 + ScaleForDpi(400, dpi)};
    ::SendMessageW(form_->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
  }
  // A new value whose file has an icon: the collection takes the icon, and only the
  // image list of the current resolution hears of it.
  fake.files.AddFile(L"C:\\Tools", L"iconic.exe");
  fake.icons.SetIcons(L"C:\\Tools\\iconic.exe", 1);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Iconic", L"C:\\Tools\\iconic.exe");
  Key(list, VK_F5);
  ASSERT_EQ(Shown(list).back(), L"Iconic|HKCU");
  EXPECT_EQ(frame_->Rows().Row(frame_->Rows().Count() - 1).Icon, 4);
  EXPECT_EQ(frame_->ImageCount(), frame_->Images().Count());
  const HIMAGELIST images = ListView_GetImageList(list, LVSIL_SMALL);
  ASSERT_NE(images, nullptr);

  // Closing destroys the list view; the image list is left to its one owner, the frame.
  ::PostMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  PumpOnce();
  EXPECT_FALSE(::IsWindow(list));
  EXPECT_EQ(ImageList_GetImageCount(images), frame_->Images().Count())
      << "the list view destroyed an image list it did not own";
  form_.reset();
}

TEST_F(AnyAutorunFrame, ASwitchRoundTripKeepsTheRowGreyUntilF5) {
  Refresh();
  TStyledButton* button = frame_->SwitchButton();
  EXPECT_EQ(button->Caption(), TranslateText(L"사용안함"));
  Select(0);
  Click(button->Handle());
  EXPECT_FALSE(frame_->Rows().Row(0).Enabled);
  EXPECT_EQ(Shown(frame_->List()).size(), 2u) << "the disabled row stays, drawn grey";
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->Caption(), TranslateText(L"사용함"));
  EXPECT_TRUE(button->Enabled());

  Click(button->Handle());
  EXPECT_TRUE(frame_->Rows().Row(0).Enabled);
  EXPECT_FALSE(button->Down());

  Click(button->Handle());
  Key(frame_->List(), VK_F5);
  EXPECT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU"}));
}

TEST_F(AnyAutorunFrame, TheSwitchWritesOffTheWindowsThreadAndASecondClickMeanwhileDoesNothing) {
  Refresh();
  Select(0);
  // The switch's write is held until the test lets it go: a service manager or task
  // service that is slow to answer, as at logon.
  const HANDLE open = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::mutex mutex;
  std::set<DWORD> writers;
  fake.registry.faults.ResetCalls();
  fake.registry.faults.OnCall("RegSetValueExW", [&] {
    {
      std::lock_guard lock(mutex);
      writers.insert(::GetCurrentThreadId());
    }
    // Bounded, so that a write on the test's own thread (the fault) cannot hang the run.
    ::WaitForSingleObject(open, 3000);
  });
  const HWND button = frame_->SwitchButton()->Handle();
  ::SetFocus(button);
  ::SendMessageW(button, BM_CLICK, 0, 0);
  PumpOnce();
  // The write is held and the window's thread is back here: it answers.
  EXPECT_TRUE(frame_->Refreshing());
  EXPECT_EQ(::GetFocus(), button) << "the keyboard stays where it was";
  // The row still shows the state before the switch: a click on it now would undo it.
  ::SendMessageW(button, BM_CLICK, 0, 0);
  PumpOnce();
  ::SetEvent(open);
  Settle();
  fake.registry.faults.OnCall("RegSetValueExW", nullptr);
  ::CloseHandle(open);
  EXPECT_EQ(writers.count(::GetCurrentThreadId()), 0u) << "the switch wrote on the window's thread";
  EXPECT_EQ(fake.registry.faults.Calls("RegSetValueExW"), 1) << "one click, one write";
  EXPECT_FALSE(frame_->Rows().Row(0).Enabled);
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용함") + L" (down)");
}

TEST_F(AnyAutorunFrame, ClosingWhileASwitchIsUnderWayLetsTheSwitchFinishFirst) {
  Refresh();
  Select(0);
  std::atomic<bool> written{false};
  // Slow, yet well within what a closing window grants a switch.
  fake.registry.faults.OnCall("RegSetValueExW", [&] {
    ::Sleep(500);
    written = true;
  });
  ::SendMessageW(frame_->SwitchButton()->Handle(), BM_CLICK, 0, 0);
  PumpOnce();
  EXPECT_TRUE(frame_->Refreshing());
  form_.reset();
  EXPECT_TRUE(written) << "the window was gone before the switch had written";
  fake.registry.faults.OnCall("RegSetValueExW", nullptr);
}

TEST_F(AnyAutorunFrame, ASwitchThatRaisesReachesTheErrorBoxAndTheButtonComesBack) {
  // Windows 7 deletes a disabled startup file; one that cannot be deleted raises.
  fake.system.SetVersion(6, 1, 7601);
  InitializeFolderVariables();
  const std::wstring file = std::wstring(kUserStartup) + L"\\Locked.lnk";
  fake.files.AddFile(kUserStartup, L"Locked.lnk");
  fake.files.LockFile(file, ERROR_ACCESS_DENIED);
  std::vector<std::wstring> errors;
  TErrorReporter previous =
      SetErrorReporter([&](HWND, const std::wstring& text) { errors.push_back(text); });
  Refresh();
  const std::vector<std::wstring> shown = Shown(frame_->List());
  ASSERT_FALSE(shown.empty());
  ASSERT_EQ(shown[0], L"Locked|FILE");
  Select(0);
  // Meanwhile another entry appeared: the refresh after the failure must still run.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Late", L"C:\\Tools\\late.exe");
  Click(frame_->SwitchButton()->Handle());
  SetErrorReporter(previous);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], L"Access is denied.");
  EXPECT_TRUE(frame_->SwitchButton()->Enabled());
  EXPECT_TRUE(frame_->Rows().Row(0).Enabled) << "the list shows the true state";
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용안함")) << "and so does the button";
  EXPECT_EQ(Shown(frame_->List()).back(), L"Late|HKCU");
}

TEST_F(AnyAutorunFrame, TheSelectionStaysWithItsEntryAcrossARefreshAndGoesWithIt) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Delta", L"C:\\Tools\\delta.exe");
  Refresh();
  ASSERT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Delta|HKCU"}));
  Select(1);
  // Beta's own state is read back; Delta's approval record says disabled.
  fake.registry.SetValue(HKEY_CURRENT_USER, kApprovedRun, L"Delta", REG_BINARY, ApprovalRecord(3));
  RemoveRunValue(L"Alpha");
  Refresh();
  ASSERT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU", L"Delta|HKCU"}));
  EXPECT_EQ(SelectedRows(frame_->List()), std::vector<int>{0}) << "Beta, not the row now at 1";
  EXPECT_EQ(FocusedRow(frame_->List()), 0);
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용안함"));

  // F5 rebuilds every row; the entry keeps its selection.
  Key(frame_->List(), VK_F5);
  EXPECT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU"}));
  EXPECT_EQ(SelectedRows(frame_->List()), std::vector<int>{0});
  Click(frame_->AllListBox());
  ASSERT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU", L"Gamma|HKCU",
                                                               L"Delta|HKCU"}));
  Select(1);
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용함") + L" (down)") << "the button follows Gamma";

  // The selected entry itself goes: nothing is selected and the button only refreshes.
  RemoveRunValue(L"Gamma");
  Refresh();
  ASSERT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU", L"Delta|HKCU"}));
  EXPECT_TRUE(SelectedRows(frame_->List()).empty());
  EXPECT_EQ(FocusedRow(frame_->List()), -1);
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용안함"));
  Click(frame_->SwitchButton()->Handle());
  EXPECT_FALSE(frame_->Rows().Row(1).Enabled) << "Delta, now at Gamma's number, is untouched";
  EXPECT_TRUE(frame_->Rows().Row(0).Enabled);
}

TEST_F(AnyAutorunFrame, TypingFindsTheRowThatBeginsWithTheTextFromTheFocusedRowOn) {
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Delta", L"C:\\Tools\\delta.exe");
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Bravo", L"C:\\Tools\\bravo.exe");
  // A caption that is the beginning of an earlier, longer one.
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Alp", L"C:\\Tools\\alp.exe");
  Refresh();
  ASSERT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Delta|HKCU", L"Bravo|HKCU",
                                       L"Alp|HKCU"}));
  ::SetFocus(frame_->List());
  // A repeat count of 1, as a key press brings.
  ::SendMessageW(frame_->List(), WM_CHAR, L'd', 1);
  PumpOnce();
  EXPECT_EQ(SelectedRows(frame_->List()), std::vector<int>{2}) << "typing does not select row 0";
  EXPECT_EQ(FocusedRow(frame_->List()), 2);

  // The list's own find request, as the type-ahead asks it. Where the search starts is
  // the list's to say (Wine passes LVM_FINDITEM's start on unchanged, Windows the row
  // after it); these cases give the same answer either way. The order of the search
  // itself is tested natively.
  struct Case {
    const wchar_t* text;
    UINT flags;
    int start;
    int found;
  } cases[] = {
      {L"b", LVFI_PARTIAL | LVFI_WRAP, -1, 1},  {L"B", LVFI_PARTIAL | LVFI_WRAP, 2, 3},
      {L"alph", LVFI_PARTIAL | LVFI_WRAP, 2, 0}, {L"alph", LVFI_PARTIAL, 2, -1},
      {L"br", LVFI_PARTIAL | LVFI_WRAP, -1, 3}, {L"x", LVFI_PARTIAL | LVFI_WRAP, -1, -1},
      {L"beta", LVFI_STRING, -1, 1},            {L"bet", LVFI_STRING, -1, -1},
      {L"ALP", LVFI_STRING, -1, 4},             {L"alp", LVFI_STRING | LVFI_WRAP, 1, 4},
      {L"alph", LVFI_STRING | LVFI_WRAP, -1, -1},
  };
  for (const Case& c : cases) {
    LVFINDINFOW find{};
    find.flags = c.flags;
    find.psz = c.text;
    EXPECT_EQ(ListView_FindItem(frame_->List(), c.start, &find), c.found)
        << "\"" << c.text << "\" from " << c.start;
  }
}

TEST_F(AnyAutorunFrame, TheRightButtonSelectsItsRowAndTheSwitchActsOnThatRow) {
  Click(frame_->AllListBox());
  ASSERT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU",
                                                               L"Gamma|HKCU"}));
  Select(0);
  {
    TMenuWatch watch;
    RightClickRow(frame_->List(), 2);
    PumpOnce();
    EXPECT_TRUE(TMenuWatch::Seen().has_value()) << "the context menu opened";
  }
  EXPECT_EQ(SelectedRows(frame_->List()), std::vector<int>{2});
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용함") + L" (down)") << "Gamma is disabled";
  Click(frame_->SwitchButton()->Handle());
  EXPECT_TRUE(frame_->Rows().Row(2).Enabled) << "the right-clicked Gamma was switched";
  EXPECT_TRUE(frame_->Rows().Row(0).Enabled);
  EXPECT_EQ(ButtonFace(), TranslateText(L"사용안함"));
}

TEST_F(AnyAutorunFrame, TheKeyboardOpensTheContextMenuAtTheFocusedRow) {
  Refresh();
  Select(1);
  RECT row{};
  ASSERT_TRUE(ListView_GetItemRect(frame_->List(), 1, &row, LVIR_BOUNDS));
  ::MapWindowPoints(frame_->List(), nullptr, reinterpret_cast<POINT*>(&row), 2);
  TMenuWatch watch;
  // Shift+F10 and the menu key reach the list's parent as WM_CONTEXTMENU at (-1, -1).
  ::SendMessageW(frame_->List(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame_->List()),
                 MAKELPARAM(-1, -1));
  PumpOnce();
  ASSERT_TRUE(TMenuWatch::Seen().has_value());
  EXPECT_EQ(TMenuWatch::Seen()->top, row.bottom) << "just below the focused row";
  EXPECT_GE(TMenuWatch::Seen()->left, row.left);
  EXPECT_LT(TMenuWatch::Seen()->left, row.right);
}

TEST_F(AnyAutorunFrame, ClosingTheWindowWhileTheSaveDialogRunsWritesNothingAndShowsNothing) {
  Refresh();
  fake.files.AddFolder(L"C:\\out");
  std::vector<std::wstring> warnings;
  TErrorReporter previous =
      SetErrorReporter([&](HWND, const std::wstring& text) { warnings.push_back(text); });
  // The dialog's loop runs the close that was waiting.
  frame_->AskSavePath = [this] {
    ::PostMessageW(form_->Handle(), WM_CLOSE, 0, 0);
    PumpOnce();
    return std::optional<std::wstring>(L"C:\\out\\list.txt");
  };
  frame_->BtnSaveClick();
  SetErrorReporter(previous);
  EXPECT_FALSE(::IsWindow(frame_->List()));
  EXPECT_FALSE(fake.files.FileContents(L"C:\\out\\list.txt").has_value());
  EXPECT_TRUE(warnings.empty());
}

TEST_F(AnyAutorunFrame, AKeyWhoseRefreshWouldRunACloseReturnsThroughTheListFirst) {
  Refresh();
  // The close waits in the queue; F5's refresh would run it from inside the list's own
  // key handling, destroying the list below its running code. The refresh comes after.
  ::PostMessageW(form_->Handle(), WM_CLOSE, 0, 0);
  ::SendMessageW(frame_->List(), WM_KEYDOWN, VK_F5, 0);
  EXPECT_TRUE(::IsWindow(frame_->List())) << "the key returned before anything closed";
  EXPECT_EQ(Shown(frame_->List()).size(), 2u) << "nor was the list refreshed inside it";
  PumpOnce();
  EXPECT_FALSE(::IsWindow(frame_->List()));
}

TEST_F(AnyAutorunFrame, TheSystemsMessageFontReachesTheListTheBoxAndTheButton) {
  LOGFONTW expected = MessageFontAt(96);
  for (HWND window : {frame_->List(), ListView_GetHeader(frame_->List()), frame_->AllListBox(),
                      frame_->SwitchButton()->Handle()}) {
    auto font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW used{};
    ::GetObjectW(font, sizeof used, &used);
    EXPECT_EQ(used.lfHeight, expected.lfHeight);
    EXPECT_STREQ(used.lfFaceName, expected.lfFaceName);
  }
}

TEST_F(AnyAutorunFrame, AfterSpaceOnTheButtonItKeepsTheFocusAndF5StillRefreshes) {
  Refresh();
  Select(0);
  const HWND button = frame_->SwitchButton()->Handle();
  ::SetFocus(button);
  ::SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
  ::SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
  // Whatever the switch sets off is waited for, so that F5 below meets no refresh of
  // its making still under way, however busy the machine is.
  Settle();
  EXPECT_FALSE(frame_->Rows().Row(0).Enabled) << "Space clicked the button";
  EXPECT_EQ(::GetFocus(), button);
  fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Delta", L"C:\\Tools\\delta.exe");
  Key(button, VK_F5);
  EXPECT_EQ(Shown(frame_->List()), (std::vector<std::wstring>{L"Beta|HKCU", L"Delta|HKCU"}));
}

TEST_F(AnyAutorunFrame, TheKeyboardStartsOnTheListTabsInScreenOrderAndGetsItsFocusBack) {
  Refresh();
  const HWND root = form_->Handle();
  const HWND list = frame_->List();
  const HWND check = frame_->AllListBox();
  const HWND button = frame_->SwitchButton()->Handle();
  EXPECT_EQ(::GetFocus(), list) << "the list has the focus when the window opens";
  // Tab goes down the screen: the list, then the bar's check box and button.
  EXPECT_EQ(::GetNextDlgTabItem(root, list, FALSE), check);
  EXPECT_EQ(::GetNextDlgTabItem(root, check, FALSE), button);
  EXPECT_EQ(::GetNextDlgTabItem(root, button, FALSE), list);
  EXPECT_EQ(::GetNextDlgTabItem(root, list, TRUE), button);

  // Another window comes to the front (Alt+Tab) and goes again; then a modal box over the
  // window, which disables it while it runs, as a message box and the save dialog do.
  const HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                       50, nullptr, nullptr, nullptr, nullptr);
  ::SetFocus(button);
  ::SetActiveWindow(other);
  Pump();
  EXPECT_NE(::GetFocus(), button);
  ::SetActiveWindow(root);
  Pump();
  EXPECT_EQ(::GetFocus(), button) << "back after the window was activated again";
  ::DestroyWindow(other);

  ::SetFocus(check);
  const HWND box = ::CreateWindowExW(0, L"STATIC", L"box", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                     root, nullptr, nullptr, nullptr);
  ::EnableWindow(root, FALSE);
  Pump();
  ::EnableWindow(root, TRUE);
  ::DestroyWindow(box);
  Pump();
  EXPECT_EQ(::GetActiveWindow(), root);
  EXPECT_EQ(::GetFocus(), check) << "back after the modal box closed";
}

TEST_F(AnyAutorunFrame, EnterOnARowLooksItUpAndEnterOnTheButtonSwitches) {
  Refresh();
  const HWND root = form_->Handle();
  // Through the dialog keys as the program's message loop runs them: Enter would otherwise
  // go to the window's default button, of which there is none.
  auto press = [root](HWND window, WPARAM key) {
    ::SetFocus(window);
    MSG down{window, WM_KEYDOWN, key, 0x001C0001, 0, {}};
    if (!::IsDialogMessageW(root, &down)) {
      ::TranslateMessage(&down);
      ::DispatchMessageW(&down);
    }
    MSG up{window, WM_KEYUP, key, static_cast<LPARAM>(0xC01C0001), 0, {}};
    if (!::IsDialogMessageW(root, &up)) {
      ::TranslateMessage(&up);
      ::DispatchMessageW(&up);
    }
    Settle();
  };
  Select(1);
  press(frame_->List(), VK_RETURN);
  ASSERT_EQ(fake.shell.executed.size(), 1u) << "Enter on a row does what a double click does";
  EXPECT_EQ(fake.shell.executed[0].file, std::wstring(kLookupServer) + L"/entry/hkcu/beta");
  press(frame_->SwitchButton()->Handle(), VK_RETURN);
  EXPECT_FALSE(frame_->Rows().Row(1).Enabled) << "Enter on the button does what Space does";
  press(frame_->SwitchButton()->Handle(), VK_SPACE);
  EXPECT_TRUE(frame_->Rows().Row(1).Enabled);
  EXPECT_EQ(fake.shell.executed.size(), 1u);
}

TEST_F(AnyAutorunFrame, AfterF5TheSelectionIsInViewAndASecondF5MeanwhileKeepsIt) {
  for (int i = 0; i < 40; ++i) {
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Row" + std::to_wstring(i),
                            L"C:\\Tools\\row.exe");
  }
  Refresh();
  const HWND list = frame_->List();
  ASSERT_EQ(Shown(list).size(), 42u);
  const int last = 41;
  ListView_EnsureVisible(list, last, FALSE);
  Select(last);
  Key(list, VK_F5);
  Pump();
  ASSERT_EQ(SelectedRows(list), std::vector<int>{last});
  RECT row{};
  RECT inner{};
  ASSERT_TRUE(ListView_GetItemRect(list, last, &row, LVIR_BOUNDS));
  ::GetClientRect(list, &inner);
  EXPECT_TRUE(row.top >= inner.top && row.bottom <= inner.bottom) << "scrolled into view";

  // Two refreshes asked for at once, the second while the first is under way.
  Select(3);
  ::PostMessageW(list, WM_KEYDOWN, VK_F5, 0);
  ::PostMessageW(frame_->AllListBox(), BM_CLICK, 0, 0);
  Settle();
  EXPECT_EQ(Shown(list).size(), 43u) << "Gamma shown too";
  ASSERT_EQ(SelectedRows(list).size(), 1u);
  EXPECT_EQ(Shown(list)[static_cast<size_t>(SelectedRows(list)[0])], L"Row1|HKCU");
}

TEST_F(AnyAutorunFrame, TheWindowAnswersWhileARefreshReadsAndTheProductNameArrivesAfter) {
  fake.files.AddFile(L"C:\\Tools", L"alpha.exe");
  fake.versions.SetVersionResource(L"C:\\Tools\\alpha.exe",
                                   FakeVersionResource::English({{L"ProductName", L"Alpha Suite"}}));
  TGatedVersions gated(fake.versions);
  Platform platform = CurrentPlatform();
  platform.versions = &gated;
  {
    ScopedPlatform installed(platform);
    const HWND list = frame_->List();
    frame_->LoadAutorun();
    // The read is held: the window's thread is back here and answers its messages.
    EXPECT_TRUE(frame_->Refreshing());
    EXPECT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    // The list shows that it reads: the busy cursor over it.
    ::SendMessageW(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_APPSTARTING)));
    // F5 and the check box meanwhile ask for one more refresh, not a second at once.
    ::SendMessageW(list, WM_KEYDOWN, VK_F5, 0);
    ::SendMessageW(frame_->AllListBox(), BM_CLICK, 0, 0);
    PumpOnce();
    EXPECT_EQ(TFrmAutorun::RefreshesUnderWay(), 1);
    gated.Open();
    Settle();
    EXPECT_FALSE(gated.ReadOn(::GetCurrentThreadId())) << "a file was read on the window's thread";
    EXPECT_EQ(Shown(list),
              (std::vector<std::wstring>{L"Alpha Suite|HKCU", L"Beta|HKCU", L"Gamma|HKCU"}));
    // The product name is kept for a file that did not change: F5 reads it no more.
    const int reads = gated.Reads();
    Key(list, VK_F5);
    Settle();
    EXPECT_EQ(Shown(list).front(), L"Alpha Suite|HKCU");
    EXPECT_EQ(gated.Reads(), reads) << "read again though the file is the same";
  }
}

TEST_F(AnyAutorunFrame, NewColoursAThemeOrATextSizeReachTheListAndTheFontsAreMadeAgain) {
  Refresh();
  const HWND list = frame_->List();
  // What reaches the list: only top-level windows hear of these from Windows.
  struct TSeen {
    int colours = 0;
    int themes = 0;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR, DWORD_PTR data) {
      auto* seen = reinterpret_cast<TSeen*>(data);
      if (message == WM_SYSCOLORCHANGE) ++seen->colours;
      if (message == WM_THEMECHANGED) ++seen->themes;
      return ::DefSubclassProc(window, message, wParam, lParam);
    }
  } seen;
  ::SetWindowSubclass(list, &TSeen::Proc, 1, reinterpret_cast<DWORD_PTR>(&seen));
  ::SendMessageW(form_->Handle(), WM_SYSCOLORCHANGE, 0, 0);
  ::SendMessageW(form_->Handle(), WM_THEMECHANGED, 0, 0);
  ::RemoveWindowSubclass(list, &TSeen::Proc, 1);
  EXPECT_EQ(seen.colours, 1);
  EXPECT_EQ(seen.themes, 1);

  const auto fontOf = [](HWND window) { return ::SendMessageW(window, WM_GETFONT, 0, 0); };
  const LRESULT listFont = fontOf(list);
  const LRESULT buttonFont = fontOf(frame_->SwitchButton()->Handle());
  ::SendMessageW(form_->Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  EXPECT_NE(fontOf(list), listFont) << "the list kept the font of the old text size";
  EXPECT_NE(fontOf(frame_->SwitchButton()->Handle()), buttonFont);
  EXPECT_EQ(Shown(list).size(), 2u);
  // Another setting (the environment, a policy) leaves the fonts alone.
  const LRESULT kept = fontOf(list);
  ::SendMessageW(form_->Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Environment"));
  EXPECT_EQ(fontOf(list), kept);
}

TEST_F(AnyAutorunFrame, InHighContrastTheButtonAndTheHotRowTakeTheSchemesColourPairs) {
  Refresh();
  const HWND button = frame_->SwitchButton()->Handle();
  RECT face{};
  ::GetClientRect(button, &face);
  // Inside the border, away from the caption.
  const int x = ScaleForDpi(6, 96);
  const int y = (face.bottom - face.top) / 2;
  const COLORREF normal = PixelOf(button, x, y);
  SetHighContrastForTest(true);
  const COLORREF contrast = PixelOf(button, x, y);
  const HWND list = frame_->List();
  RECT row{};
  ASSERT_TRUE(ListView_GetItemRect(list, 1, &row, LVIR_BOUNDS));
  ::SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(row.right - 3, (row.top + row.bottom) / 2));
  const COLORREF hot = PixelOf(list, row.right - 3, (row.top + row.bottom) / 2);
  SetHighContrastForTest(std::nullopt);
  EXPECT_EQ(contrast, ::GetSysColor(COLOR_BTNFACE)) << "the family's colour drawn in high contrast";
  EXPECT_NE(normal, contrast) << "outside high contrast the family's own look";
  // In high contrast the program lights the row itself, theme or not.
  EXPECT_EQ(hot, ::GetSysColor(COLOR_HIGHLIGHT));
}

// What Active Accessibility says of a child (CHILDID_SELF: the object itself).
struct TAccessText {
  std::wstring name;
  std::wstring description;
  long state = 0;
};
TAccessText AccessTextOf(IAccessible* object, long child) {
  VARIANT id;
  ::VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = child;
  TAccessText text;
  BSTR value = nullptr;
  if (object->get_accName(id, &value) == S_OK && value) text.name = value;
  ::SysFreeString(value);
  value = nullptr;
  if (object->get_accDescription(id, &value) == S_OK && value) text.description = value;
  ::SysFreeString(value);
  VARIANT state;
  ::VariantInit(&state);
  if (object->get_accState(id, &state) == S_OK && state.vt == VT_I4) text.state = state.lVal;
  return text;
}

TEST_F(AnyAutorunFrame, AScreenReaderHearsTheListsNameItsRowsAndWhichAreSwitchedOff) {
  Click(frame_->AllListBox());
  ASSERT_EQ(Shown(frame_->List()),
            (std::vector<std::wstring>{L"Alpha|HKCU", L"Beta|HKCU", L"Gamma|HKCU"}));
  Select(2);
  // The object crosses WM_GETOBJECT marshalled, as a screen reader's process takes it.
  struct TCom {
    HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~TCom() {
      if (SUCCEEDED(result)) ::CoUninitialize();
    }
  } com;
  ComPtr<IAccessible> list;
  ASSERT_EQ(::AccessibleObjectFromWindow(frame_->List(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                         list.put_void()),
            S_OK);
  EXPECT_EQ(AccessTextOf(list.get(), CHILDID_SELF).name, TranslateText(L"프로그램 이름"));
  long count = 0;
  ASSERT_EQ(list->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 3);
  const TAccessText alpha = AccessTextOf(list.get(), 1);
  const TAccessText gamma = AccessTextOf(list.get(), 3);
  EXPECT_EQ(alpha.name, L"Alpha");
  EXPECT_EQ(alpha.description, L"") << "an entry that is on says nothing more";
  EXPECT_EQ(gamma.name, L"Gamma");
  EXPECT_EQ(gamma.description, TranslateText(L"사용 중지됨")) << "not only grey text";
  EXPECT_TRUE(gamma.state & STATE_SYSTEM_SELECTED);
  EXPECT_FALSE(alpha.state & STATE_SYSTEM_SELECTED);

  // The owner-drawn button says its caption, which follows the selected row.
  ComPtr<IAccessible> button;
  ASSERT_EQ(::AccessibleObjectFromWindow(frame_->SwitchButton()->Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), button.put_void()),
            S_OK);
  EXPECT_EQ(AccessTextOf(button.get(), CHILDID_SELF).name, TranslateText(L"사용함"));

  // The list goes while the reader still holds its object: answers, no crash.
  form_.reset();
  EXPECT_EQ(list->get_accChildCount(&count), RPC_E_DISCONNECTED);
}

TEST_F(AnyAutorunFrame, DoubleClickOpensTheLookupPageAndSaveWritesTheWholeCatalogue) {
  Refresh();
  Select(1);
  frame_->ListAutorunDblClick();
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].file, std::wstring(kLookupServer) + L"/entry/hkcu/beta");

  frame_->AskSavePath = [] { return std::optional<std::wstring>(L"C:\\out\\list.txt"); };
  fake.files.AddFolder(L"C:\\out");
  // The file is written off the window's thread (it may lie on a share that does not
  // answer); the test holds the write until it has seen the window's thread return.
  const HANDLE open = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::mutex mutex;
  std::set<DWORD> writers;
  fake.files.faults.OnCall("MoveFileExW", [&] {
    {
      std::lock_guard lock(mutex);
      writers.insert(::GetCurrentThreadId());
    }
    ::WaitForSingleObject(open, 3000);
  });
  frame_->BtnSaveClick();
  EXPECT_TRUE(frame_->Saving());
  EXPECT_FALSE(fake.files.FileContents(L"C:\\out\\list.txt").has_value());
  ::SetEvent(open);
  Settle();
  fake.files.faults.OnCall("MoveFileExW", nullptr);
  ::CloseHandle(open);
  EXPECT_EQ(writers.count(::GetCurrentThreadId()), 0u) << "the file was written on the window's thread";
  EXPECT_FALSE(frame_->Saving());
  const auto saved = fake.files.FileContents(L"C:\\out\\list.txt");
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(saved->find("HKCU|Gamma|"), std::string::npos) << "hidden entries are saved too";

  std::vector<std::wstring> warnings;
  TErrorReporter previous =
      SetErrorReporter([&](HWND, const std::wstring& text) { warnings.push_back(text); });
  fake.files.LockFile(L"C:\\out\\list.txt", ERROR_ACCESS_DENIED);
  frame_->BtnSaveClick();
  Settle();
  SetErrorReporter(previous);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], TranslateText(L"오류가 발생했습니다.") + L"\r\nAccess is denied.");
}

// The same frame over Wine's own registry: a Run value of this run's own name.
class Win10AutorunFrameReal : public WineTest {
 protected:
  void SetUp() override {
    name_ = RunUniqueName(L"OrvaneFrameProbe");
    InitializeFolderVariables();
    RegisterTavikoraButtonStyles();
    RemoveValues();
    const std::wstring command = L"C:\\nowhere\\probe.exe";
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str(), REG_SZ, command.c_str(),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    form_ = std::make_unique<TWin32Form>(nullptr, L"Host", L"Host", 520, 400);
    frame_ = form_->Create<TFrmAutorun>(form_->Handle(), &fileWhite_, &nameWhite_);
    frame_->SetBounds(0, 0, 500, 360);
  }
  void TearDown() override {
    form_.reset();
    UnregisterButtonStyleFamilies();
    RemoveValues();
  }
  void RemoveValues() {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, name_.c_str());
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedRun, name_.c_str());
  }
  void Refresh() {
    frame_->LoadAutorun();
    Settle();
  }
  int RowOf(const std::wstring& shown) {
    const std::vector<std::wstring> rows = Shown(frame_->List());
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i] == shown) return static_cast<int>(i);
    return -1;
  }
  std::wstring name_;
  FilterList fileWhite_;
  FilterList nameWhite_;
  std::unique_ptr<TWin32Form> form_;
  TFrmAutorun* frame_ = nullptr;
};

TEST_F(Win10AutorunFrameReal, ARunValueIsShownAndSwitchedThroughTheApprovalRecord) {
  Refresh();
  const int row = RowOf(name_ + L"|HKCU");
  ASSERT_GE(row, 0);
  EXPECT_EQ(frame_->Rows().Row(row).Icon, kImageBlankPage) << "the file is missing";
  ListView_SetItemState(frame_->List(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  Click(frame_->SwitchButton()->Handle());
  EXPECT_FALSE(frame_->Rows().Row(row).Enabled);
  BYTE record[12]{};
  DWORD size = sizeof record;
  EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, kApprovedRun, name_.c_str(), RRF_RT_REG_BINARY, nullptr,
                           record, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(record[0] & 1, 1) << "odd first byte: disabled";
  Click(frame_->SwitchButton()->Handle());
  EXPECT_TRUE(frame_->Rows().Row(row).Enabled);
  Key(frame_->List(), VK_F5);
  EXPECT_GE(RowOf(name_ + L"|HKCU"), 0);
}

}  // namespace
