// The update check's windows under Wine: the update dialog driven from a timer inside its
// own modal loop (texts, answers, the three kinds of notice, staying on top) and the
// status bar on a main window (one bar for two links, the window's growth, the red text
// read back as pixels, the click). Links reach a fake shell and the hold request a fake
// HTTP client, so nothing leaves the machine.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "Tavin/UpdateText.h"
#include "platform/fake/FakeHttp.h"
#include "platform/Utf8.h"
#include "platform/fake/FakeShell.h"
#include "tests/windows/WineTest.h"
#include "ui/win32/Application.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/Form.h"
#include "ui/win32/UpdateDialog.h"
#include "ui/win32/UpdateStatus.h"
#include "ui/win32/UpdateUi.h"
#include "ui/win32/Win32Dispatcher.h"
#include "tests/windows/WindowPump.h"

namespace {

RECT WindowRect(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

int Height(const RECT& rect) { return rect.bottom - rect.top; }
int Width(const RECT& rect) { return rect.right - rect.left; }

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child) {
  RECT rect = WindowRect(child);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool InsideClient(HWND child) {
  RECT client{};
  ::GetClientRect(::GetParent(child), &client);
  const RECT rect = ChildRect(child);
  return rect.left >= 0 && rect.top >= 0 && rect.right <= client.right && rect.bottom <= client.bottom;
}

TUpdateDialogForm* FindDialog() {
  TUpdateDialogForm* found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM context) -> BOOL {
        auto* dialog = dynamic_cast<TUpdateDialogForm*>(TWindow::FromHandle(window));
        if (dialog && ::IsWindowVisible(window)) {
          *reinterpret_cast<TUpdateDialogForm**>(context) = dialog;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Acts on the dialog once it is up, from a thread timer that fires inside the dialog's
// own message loop. Should the action fail to end the dialog, the driver ends it after a
// while and the test fails instead of hanging.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(TUpdateDialogForm&)> act) : act_(std::move(act)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 20, &DialogDriver::Tick);
  }
  ~DialogDriver() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool acted = false;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = current_;
    if (!self) return;
    TUpdateDialogForm* dialog = FindDialog();
    if (!dialog) return;
    if (!self->acted) {
      self->acted = true;
      self->act_(*dialog);
    } else if (++self->ticksAfter_ == 250) {
      ADD_FAILURE() << "the action did not end the dialog";
      dialog->SetModalResult(IDNO);
    }
  }

  static inline DialogDriver* current_ = nullptr;
  std::function<void(TUpdateDialogForm&)> act_;
  UINT_PTR timer_ = 0;
  int ticksAfter_ = 0;
};

// Lives to the end of the process: the hold request's thread is detached and may still
// be on its way out of the client when a test ends.
FakeHttp& HoldHttp() {
  static FakeHttp* http = new FakeHttp;
  return *http;
}

class AnyUpdateUi : public WineTest {
 protected:
  void SetUp() override {
    Application().SetTitle(L"Orvane");
    DialogOffset = 10;
    Platform platform = CurrentPlatform();
    platform.shell = &shell_;
    platform.http = &HoldHttp();
    fakes_ = std::make_unique<ScopedPlatform>(platform);
  }
  void TearDown() override {
    // Before the window goes: the main window's end would otherwise end the message loop.
    Application().SetMainForm(nullptr);
    main_.reset();
    fakes_.reset();
  }

  TWin32Form& Main(bool visible = true) {
    Application().SetMainForm(nullptr);
    main_ = std::make_unique<TWin32Form>(nullptr, L"Main", L"Main", 420, 300);
    ::SetWindowPos(main_->Handle(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (visible) ::ShowWindow(main_->Handle(), SW_SHOW);
    Application().SetMainForm(main_.get());
    Pump();
    return *main_;
  }

  std::vector<std::wstring> Opened() const {
    std::vector<std::wstring> files;
    for (const ShellExecuteCall& call : shell_.executed) files.push_back(call.file);
    return files;
  }

  FakeShell shell_;
  std::unique_ptr<TWin32Form> main_;

 private:
  std::unique_ptr<ScopedPlatform> fakes_;
};

constexpr wchar_t kUpdate[] = LR"({"update":"https://example.com/new.exe")";

std::wstring ReplyWith(const std::wstring& info) {
  return std::wstring(kUpdate) + LR"(,"info":{)" + info + L"}}";
}

TEST_F(AnyUpdateUi, TheDialogSpeaksTheLanguageAndShowsEveryLineOfTheMessage) {
  struct Case {
    const wchar_t* language;
    const wchar_t* yes;
    const wchar_t* no;
    const wchar_t* firstSentence;
  };
  const Case cases[] = {
      {L"ko", L"예", L"아니오", L"업데이트 정보가 있습니다."},
      {L"de", L"Ja", L"Nein", L"Dieses Programm ist aktualisiert worden."},
      {L"ar", L"Yes", L"No", L"This program has been updated."},
      {L"ja", L"はい", L"いいえ", L"このプログラムがアップデートされました。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "language " << c.language);
    CurrentLanguage = c.language;
    TUpdateDialogForm dialog(kUpdate);
    EXPECT_EQ(dialog.YesButton()->Caption(), c.yes);
    EXPECT_EQ(dialog.NoButton()->Caption(), c.no);
    EXPECT_EQ(dialog.Message()->Caption(), GetUpdateText(kUpdateMessage));
    EXPECT_EQ(dialog.Message()->Caption().rfind(c.firstSentence, 0), 0u);
    EXPECT_EQ(WindowText(dialog.Handle()), TranslateText(L"Orvane"));
    // Three sentences and the two empty lines between them: the bare carriage returns
    // break lines, and the label is tall enough for all five.
    const int line = LineHeightOf(CreateFontFrom(MessageFontAt(dialog.Dpi())).get());
    EXPECT_GE(Height(ChildRect(dialog.Message()->Handle())), 5 * line);
    for (HWND child : {dialog.Message()->Handle(), dialog.YesButton()->Handle(),
                       dialog.NoButton()->Handle()}) {
      EXPECT_TRUE(InsideClient(child));
    }
    // Side by side, Yes first, neither covering the message.
    EXPECT_LT(ChildRect(dialog.YesButton()->Handle()).right, ChildRect(dialog.NoButton()->Handle()).left);
    EXPECT_GT(ChildRect(dialog.YesButton()->Handle()).top, ChildRect(dialog.Message()->Handle()).bottom);
    EXPECT_TRUE(dialog.YesButton()->IsDefault());
    EXPECT_FALSE(dialog.NoButton()->IsDefault());
    // No notice: nothing below the buttons.
    EXPECT_EQ(Height(WindowRect(dialog.Handle())), dialog.BaseHeight());
    EXPECT_FALSE(dialog.Separator()->Visible());
  }
}

TEST_F(AnyUpdateUi, EachWayOfClosingGivesItsAnswerAndTheOwnerIsBlockedMeanwhile) {
  struct Case {
    const char* name;
    std::function<void(TUpdateDialogForm&)> act;
    bool yes;
  };
  auto key = [](TUpdateDialogForm& dialog, WPARAM code) {
    HWND focus = ::GetFocus();
    ::PostMessageW(focus ? focus : dialog.Handle(), WM_KEYDOWN, code, 0);
  };
  const Case cases[] = {
      {"Yes clicked", [](TUpdateDialogForm& d) { ::SendMessageW(d.YesButton()->Handle(), BM_CLICK, 0, 0); }, true},
      {"No clicked", [](TUpdateDialogForm& d) { ::SendMessageW(d.NoButton()->Handle(), BM_CLICK, 0, 0); }, false},
      {"Escape", [&](TUpdateDialogForm& d) { key(d, VK_ESCAPE); }, false},
      {"Enter on the default", [&](TUpdateDialogForm& d) { key(d, VK_RETURN); }, true},
      {"Tab to No, Enter",
       [&](TUpdateDialogForm& d) {
         // Both keys go through the loop in order; Enter acts on wherever Tab put the focus.
         key(d, VK_TAB);
         ::PostMessageW(d.Handle(), WM_KEYDOWN, VK_RETURN, 0);
       },
       false},
      {"close box", [](TUpdateDialogForm& d) { ::PostMessageW(d.Handle(), WM_CLOSE, 0, 0); }, false},
  };
  TWin32Form& main = Main();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool ownerBlocked = false;
    HWND owner = nullptr;
    DialogDriver driver([&](TUpdateDialogForm& dialog) {
      ownerBlocked = !::IsWindowEnabled(main.Handle());
      owner = ::GetWindow(dialog.Handle(), GW_OWNER);
      c.act(dialog);
    });
    EXPECT_EQ(UpdateDialog(kUpdate), c.yes);
    EXPECT_TRUE(driver.acted);
    EXPECT_TRUE(ownerBlocked);
    EXPECT_EQ(owner, main.Handle());
    EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
    EXPECT_EQ(FindDialog(), nullptr);
  }
}

TEST_F(AnyUpdateUi, InsideTheHandOverTheDialogKeepsTheProgramsOtherWindowsServed) {
  TWin32Form& main = Main();
  int served = 0;
  main.SetWindowProc([&served, own = main.WindowProc()](UINT message, WPARAM w, LPARAM l) {
    if (message == WM_APP + 5) ++served;
    return own(message, w, l);
  });
  TWin32Dispatcher dispatcher;
  TWin32UpdateUi ui;
  int servedWhileUp = -1;
  DialogDriver driver([&](TUpdateDialogForm& dialog) {
    servedWhileUp = served;
    ::SendMessageW(dialog.YesButton()->Handle(), BM_CLICK, 0, 0);
  });
  std::atomic<bool> done{false};
  bool answer = false;
  bool sent = false;
  // The reply step's way in: the request task hands the dialog to this thread and waits.
  std::thread task([&] {
    sent = dispatcher.Send([&] {
      ::PostMessageW(main.Handle(), WM_APP + 5, 0, 0);
      answer = ui.UpdateDialog(kUpdate);
    });
    done = true;
    dispatcher.Wake();
  });
  dispatcher.ServeUntil([&] { return done.load(); });
  task.join();
  EXPECT_TRUE(sent);
  EXPECT_TRUE(answer);
  EXPECT_EQ(servedWhileUp, 1);
}

TEST_F(AnyUpdateUi, AQuitMessageEndsTheDialogAsNoAndIsLeftForTheOuterLoop) {
  Main();
  DialogDriver driver([](TUpdateDialogForm&) { ::PostQuitMessage(3); });
  EXPECT_FALSE(UpdateDialog(kUpdate));
  MSG message{};
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 3u);
}

TEST_F(AnyUpdateUi, ATickedHoldBoxSendsTheHoldRequestOnceWhicheverButtonClosed) {
  Main();
  UpdateURL = L"http://127.0.0.1:9/api.init.php";
  std::mutex mutex;
  std::condition_variable arrived;
  int requests = 0;
  HoldHttp().onRequest = [&](const HttpCall&) {
    std::lock_guard lock(mutex);
    ++requests;
    arrived.notify_all();
  };
  const size_t before = HoldHttp().Calls().size();
  const std::wstring reply = ReplyWith(LR"("style":"hold","text":"이 버전 유지")");
  bool boxShown = false;
  std::wstring caption;
  DialogDriver driver([&](TUpdateDialogForm& dialog) {
    boxShown = dialog.HoldBox()->Visible();
    caption = dialog.HoldBox()->Caption();
    ::SendMessageW(dialog.HoldBox()->Handle(), BM_CLICK, 0, 0);
    ::SendMessageW(dialog.NoButton()->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_FALSE(UpdateDialog(reply));
  EXPECT_TRUE(boxShown);
  EXPECT_EQ(caption, L"이 버전 유지");
  {
    std::unique_lock lock(mutex);
    EXPECT_TRUE(arrived.wait_for(lock, std::chrono::seconds(30), [&] { return requests == 1; }));
  }
  const std::vector<HttpCall> calls = HoldHttp().Calls();
  ASSERT_EQ(calls.size(), before + 1);
  EXPECT_EQ(calls.back().url, UpdateURL);
  ASSERT_EQ(calls.back().headers.size(), 2u);
  EXPECT_EQ(calls.back().headers[0].name, L"User-Version");
  EXPECT_EQ(calls.back().headers[1].name, L"User-Command");
  EXPECT_EQ(calls.back().headers[1].value, L"hold");
  HoldHttp().onRequest = nullptr;
  UpdateURL.clear();
}

TEST_F(AnyUpdateUi, ANoteOpensItsLinkAndLeavesTheDialogOpenForTheAnswer) {
  Main();
  const std::wstring reply = ReplyWith(LR"("style":"note","text":"변경 내역","url":"https://example.com/notes")");
  bool stillOpen = false;
  bool blue = false, underlined = false, hand = false, inside = false;
  std::vector<std::wstring> openedByClick;
  DialogDriver driver([&](TUpdateDialogForm& dialog) {
    TLabel* note = dialog.NoteLabel();
    blue = note->Visible() && note->FontColor() == RGB(0, 0, 0xFF);
    underlined = note->Underline();
    hand = note->HandCursor();
    inside = InsideClient(note->Handle());
    ::SendMessageW(note->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(note->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    openedByClick = Opened();
    stillOpen = ::IsWindowVisible(dialog.Handle()) != FALSE;
    ::SendMessageW(dialog.YesButton()->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(UpdateDialog(reply));
  EXPECT_TRUE(blue);
  EXPECT_TRUE(underlined);
  EXPECT_TRUE(hand);
  EXPECT_TRUE(inside);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(openedByClick, std::vector<std::wstring>{L"https://example.com/notes"});
  ASSERT_EQ(shell_.executed.size(), 1u);
  EXPECT_EQ(shell_.executed[0].verb, L"open");
}

TEST_F(AnyUpdateUi, AnyNoticeStyleGrowsTheDialogAndPlacesTheSeparatorByTheOffset) {
  struct Case {
    const wchar_t* style;
    int offset;
    int growth, separatorAbove, controlAbove;  // at 96 dpi
    bool box, note;
  };
  const Case cases[] = {
      {L"Hold", 10, 30, 66, 56, false, false},  // case matters: no check box
      {L"banner", 0, 40, 76, 66, false, false},
      {L"hold", 10, 30, 66, 56, true, false},
      {L"hold", 0, 40, 76, 66, true, false},
      {L"note", 10, 30, 66, 56, false, true},
  };
  Main();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "offset " << c.offset << " style index " << (&c - cases));
    DialogOffset = c.offset;
    TUpdateDialogForm dialog(ReplyWith(std::wstring(LR"("style":")") + c.style +
                                       LR"(","text":"Keep this version","url":"https://example.com/")"));
    const UINT dpi = dialog.Dpi();
    const RECT outer = WindowRect(dialog.Handle());
    EXPECT_EQ(Height(outer) - dialog.BaseHeight(), ScaleForDpi(c.growth, dpi));
    ASSERT_TRUE(dialog.Separator()->Visible());
    const RECT separator = ChildRect(dialog.Separator()->Handle());
    EXPECT_EQ(separator.left, 0);
    EXPECT_EQ(separator.top, Height(outer) - ScaleForDpi(c.separatorAbove, dpi));
    EXPECT_EQ(Width(separator), Width(outer));
    EXPECT_EQ(Height(separator), 1);
    EXPECT_EQ(dialog.Separator()->PenColor().rgb, RGB(0xCC, 0xCC, 0xCC));
    EXPECT_EQ(dialog.HoldBox()->Visible(), c.box);
    EXPECT_EQ(dialog.NoteLabel()->Visible(), c.note);
    // Below the buttons, and nothing cut off by the lower edge.
    EXPECT_GT(separator.top, ChildRect(dialog.YesButton()->Handle()).bottom);
    for (TControl* control : {static_cast<TControl*>(dialog.HoldBox()), static_cast<TControl*>(dialog.NoteLabel())}) {
      if (!control->Visible()) continue;
      const RECT placed = ChildRect(control->Handle());
      EXPECT_EQ(placed.left, ScaleForDpi(10, dpi));
      EXPECT_EQ(placed.top, Height(outer) - ScaleForDpi(c.controlAbove, dpi));
      RECT client{};
      ::GetClientRect(dialog.Handle(), &client);
      EXPECT_LE(placed.bottom, client.bottom);
    }
  }
}

// The server writes the notice: however long it is, the dialog stays inside the
// monitor's work area with both buttons on it, and the notice is cut with an ellipsis.
TEST_F(AnyUpdateUi, ALongNoticeIsCutAndTheButtonsStayOnTheScreen) {
  Main();
  const std::wstring longText(3000, L'W');
  for (const wchar_t* style : {L"hold", L"note"}) {
    SCOPED_TRACE(WideToUtf8(style));
    TUpdateDialogForm dialog(ReplyWith(std::wstring(LR"("style":")") + style + LR"(","text":")" +
                                       longText + LR"(","url":"https://example.com/")"));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(dialog.Handle(), MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT outer = WindowRect(dialog.Handle());
    EXPECT_LE(Width(outer), Width(monitor.rcWork));
    EXPECT_GE(outer.left, monitor.rcWork.left);
    EXPECT_LE(outer.right, monitor.rcWork.right);
    for (TControl* button : {static_cast<TControl*>(dialog.YesButton()), static_cast<TControl*>(dialog.NoButton())})
      EXPECT_TRUE(InsideClient(button->Handle()));
    const std::wstring shown = std::wstring(style) == L"hold" ? dialog.HoldBox()->Caption()
                                                              : dialog.NoteLabel()->Caption();
    ASSERT_FALSE(shown.empty());
    EXPECT_LT(shown.size(), longText.size());
    EXPECT_EQ(shown.back(), L'\x2026');
    EXPECT_EQ(dialog.Notice().Text, longText) << "the notice itself is kept whole";
  }
  // A short notice is shown as it is.
  TUpdateDialogForm dialog(ReplyWith(LR"("style":"hold","text":"Keep this version")"));
  EXPECT_EQ(dialog.HoldBox()->Caption(), L"Keep this version");
}

TEST_F(AnyUpdateUi, StayOnTopKeepsTheOwnerUnlessTheMainWindowIsHidden) {
  const std::wstring reply = ReplyWith(LR"("flag":"xstayontopx")");
  {
    TWin32Form& main = Main(true);
    TUpdateDialogForm dialog(reply);
    EXPECT_NE(::GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetWindow(dialog.Handle(), GW_OWNER), main.Handle());
  }
  {
    Main(false);
    TUpdateDialogForm dialog(reply);
    EXPECT_NE(::GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetWindow(dialog.Handle(), GW_OWNER), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dialog.Handle(), WM_GETICON, ICON_SMALL, 0)),
              Application().Icon());
  }
  {
    TWin32Form& main = Main(false);
    TUpdateDialogForm dialog(ReplyWith(LR"("flag":"StayOnTop")"));
    EXPECT_EQ(::GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetWindow(dialog.Handle(), GW_OWNER), main.Handle());
  }
}

// The status bar's text pixels: the bounding box of everything clearly red.
struct RedBox {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  bool Found() const { return right >= 0; }
};

RedBox FindRed(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT client{};
  ::GetClientRect(window, &client);
  RedBox box;
  HDC dc = ::GetDC(window);
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      const COLORREF pixel = ::GetPixel(dc, x, y);
      if (GetRValue(pixel) > 200 && GetGValue(pixel) < 80 && GetBValue(pixel) < 80) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
    }
  }
  ::ReleaseDC(window, dc);
  return box;
}

std::wstring TooltipText(HWND tooltip, HWND bar) {
  wchar_t text[512]{};
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = ::GetParent(bar);
  tool.uId = reinterpret_cast<UINT_PTR>(bar);
  tool.lpszText = text;
  ::SendMessageW(tooltip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST_F(AnyUpdateUi, TwoStatusLinksMakeOneBarThatGrewTheWindowOnceAndShowsTheSecond) {
  CurrentLanguage = L"de";
  TWin32Form& main = Main();
  auto* content = main.Create<TShape>(L"Content", main.Handle(), 0, 0, 10, 10);
  main.AlignClient(content);
  const RECT before = WindowRect(main.Handle());
  const int contentHeight = Height(WindowRect(content->Handle()));

  TWin32UpdateUi ui;
  ui.ShowUpdateStatus(L"https://example.com/first");
  ui.ShowUpdateStatus(L"https://example.com/second");
  Pump();

  int bars = 0;
  for (int index = 0; index < main.ComponentCount(); ++index)
    bars += main.Components(index)->Name() == L"StatusBar" ? 1 : 0;
  ASSERT_EQ(bars, 1);
  auto* bar = dynamic_cast<TStatusBar*>(main.FindComponent(L"StatusBar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Height(WindowRect(main.Handle())) - Height(before), TStatusBar::kHeight);
  EXPECT_EQ(Height(WindowRect(content->Handle())), contentHeight);
  RECT client{};
  ::GetClientRect(main.Handle(), &client);
  const RECT placed = ChildRect(bar->Handle());
  EXPECT_EQ(placed.top, client.bottom - TStatusBar::kHeight);
  EXPECT_EQ(placed.bottom, client.bottom);
  EXPECT_EQ(Width(placed), client.right);
  ASSERT_EQ(bar->PanelCount(), 1);
  EXPECT_EQ(bar->Panel(0).Text, L"Update möglich");
  EXPECT_EQ(bar->Hint(), L"https://example.com/second");
  ASSERT_NE(bar->Tooltip(), nullptr);
  EXPECT_EQ(TooltipText(bar->Tooltip(), bar->Handle()), L"https://example.com/second");

  // Red text in the middle of the bar, on the bar's own face colour.
  const RedBox red = FindRed(bar->Handle());
  ASSERT_TRUE(red.Found());
  const int width = Width(placed);
  EXPECT_LE(std::abs((red.left + red.right) / 2 - width / 2), 3);
  EXPECT_LE(std::abs((red.top + red.bottom) / 2 - TStatusBar::kHeight / 2), 3);
  HDC dc = ::GetDC(bar->Handle());
  EXPECT_EQ(::GetPixel(dc, 4, TStatusBar::kHeight / 2), ::GetSysColor(COLOR_BTNFACE));
  ::ReleaseDC(bar->Handle(), dc);

  ::SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(width / 2, 10));
  ::SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(width / 2, 10));
  EXPECT_EQ(Opened(), std::vector<std::wstring>{L"https://example.com/second"});

  // The keyboard reaches the notice too: it is a tab stop, and Enter opens it through the
  // dialog keys as the program's loop runs them. A screen reader reads its text.
  EXPECT_TRUE(::GetWindowLongPtrW(bar->Handle(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(WindowText(bar->Handle()), L"Update möglich");
  ::SetFocus(bar->Handle());
  MSG enter{bar->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
  if (!::IsDialogMessageW(main.Handle(), &enter)) ::DispatchMessageW(&enter);
  EXPECT_EQ(Opened(), (std::vector<std::wstring>{L"https://example.com/second", L"https://example.com/second"}));
}

TEST_F(AnyUpdateUi, WithoutAMainWindowTheStatusLinkChangesNothing) {
  Application().SetMainForm(nullptr);
  ShowUpdateStatus(L"https://example.com/");
  TWin32Form& main = Main();
  Application().SetMainForm(nullptr);
  ShowUpdateStatus(L"https://example.com/");
  EXPECT_EQ(main.FindComponent(L"StatusBar"), nullptr);
}

}  // namespace
