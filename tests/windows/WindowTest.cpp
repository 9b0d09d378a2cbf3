// The windowing layer under Wine with real windows on the Xvfb screen: the error boundary
// of window procedures, the hand-over from a background thread, and the theme's accent
// strip read back as pixels.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "ui/win32/Form.h"
#include "ui/win32/Theme.h"
#include "ui/win32/Win32Dispatcher.h"
#include "ui/win32/Window.h"
#include "tests/windows/WindowPump.h"

namespace {

// Records the errors that would have opened a message box.
class RecordedErrors {
 public:
  RecordedErrors()
      : previous_(SetErrorReporter([this](HWND, const std::wstring& text) { texts.push_back(text); })) {}
  ~RecordedErrors() { SetErrorReporter(previous_); }
  std::vector<std::wstring> texts;

 private:
  TErrorReporter previous_;
};

class ThrowingForm : public TWin32Form {
 public:
  ThrowingForm() : TWin32Form(nullptr, L"Throwing", L"Throwing", 300, 200) {}

 protected:
  LRESULT FormMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP + 7) throw std::runtime_error("the handler failed");
    return TWin32Form::FormMessage(message, wParam, lParam);
  }
};

TEST(AnyWindow, AnExceptionInAHandlerBecomesAnErrorBoxAndTheWindowLivesOn) {
  RecordedErrors errors;
  ThrowingForm form;
  EXPECT_EQ(::SendMessageW(form.Handle(), WM_APP + 7, 0, 0), 0);
  ASSERT_EQ(errors.texts.size(), 1u);
  EXPECT_EQ(errors.texts[0], L"the handler failed");
  EXPECT_TRUE(::IsWindow(form.Handle()));
  EXPECT_EQ(TWindow::FromHandle(form.Handle()), static_cast<TWindow*>(&form));
}

TEST(AnyWindow, TheCaptionOfTheModelIsTheWindowText) {
  TWin32Form form(nullptr, L"Main", L"첫 제목", 300, 200);
  form.SetCaption(L"시작 프로그램");
  wchar_t text[64]{};
  ::GetWindowTextW(form.Handle(), text, 64);
  EXPECT_STREQ(text, L"시작 프로그램");
}

TEST(AnyDispatcher, WorkFromOtherThreadsRunsOnTheInterfaceThreadAndErrorsGoBack) {
  TWin32Dispatcher dispatcher;
  const DWORD uiThread = ::GetCurrentThreadId();
  std::atomic<int> finishedThreads{0};
  int ranOnUi = 0;  // only the interface thread touches it
  bool rethrown = false;
  std::vector<std::thread> threads;
  for (int t = 0; t < 3; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(dispatcher.Send([&] {
          if (::GetCurrentThreadId() == uiThread) ++ranOnUi;
        }));
      }
      if (t == 0) {
        try {
          dispatcher.Send([] { throw std::runtime_error("refused"); });
        } catch (const std::runtime_error& error) {
          rethrown = std::string(error.what()) == "refused";
        }
      }
      ++finishedThreads;
      dispatcher.Wake();
    });
  }
  dispatcher.ServeUntil([&] { return finishedThreads == 3; });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(ranOnUi, 60);
  EXPECT_TRUE(rethrown);
}

TEST(AnyDispatcher, WorkRunsOutsideAnyInterThreadSentMessageAndACloseReleasesAWaitingSend) {
  // Inside a message sent from another thread, COM refuses outgoing calls
  // (RPC_E_CANTCALLOUT_ININPUTSYNCCALL): the shell opening a page and the save dialog
  // fail there. The work must run from a posted message instead.
  TWin32Dispatcher dispatcher;
  std::atomic<bool> done{false};
  DWORD inSend = ISMEX_SEND;
  std::thread sender([&] {
    EXPECT_TRUE(dispatcher.Send([&] { inSend = ::InSendMessageEx(nullptr); }));
    done = true;
    dispatcher.Wake();
  });
  dispatcher.ServeUntil([&] { return done.load(); });
  sender.join();
  EXPECT_EQ(inSend, static_cast<DWORD>(ISMEX_NOSEND));

  // A send waiting for a window that closes before it serves again returns false, unrun.
  bool ran = false;
  std::atomic<bool> sent{true};
  std::atomic<bool> returned{false};
  std::thread late([&] {
    sent = dispatcher.Send([&] { ran = true; });
    returned = true;
  });
  ::Sleep(50);
  dispatcher.Close();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!returned && std::chrono::steady_clock::now() < deadline) {
    PumpOnce();
    ::Sleep(5);
  }
  ASSERT_TRUE(returned) << "the send still waits";
  late.join();
  EXPECT_FALSE(sent);
  EXPECT_FALSE(ran);
}

TEST(AnyDispatcher, AfterCloseASendReturnsFalseWithoutRunning) {
  TWin32Dispatcher dispatcher;
  dispatcher.Close();
  bool ran = false;
  bool sent = true;
  std::thread([&] { sent = dispatcher.Send([&] { ran = true; }); }).join();
  EXPECT_FALSE(sent);
  EXPECT_FALSE(ran);
}

class AnyTheme : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TWin32Form>(nullptr, L"Themed", L"Themed", 400, 300);
    // Counts what reaches the handler that was in place before the theme.
    form_->SetWindowProc([this, own = form_->WindowProc()](UINT message, WPARAM w, LPARAM l) {
      if (message == WM_APP + 3) ++customSeen_;
      if (message == WM_ACTIVATE) ++activationsSeen_;
      return own(message, w, l);
    });
    ::ShowWindow(form_->Handle(), SW_SHOW);
    Pump();
  }
  std::unique_ptr<TWin32Form> form_;
  int customSeen_ = 0;
  int activationsSeen_ = 0;
};

TEST_F(AnyTheme, AnOwnerThatIsNotAFormIsRefusedWithTheExactText) {
  TComponent plain(nullptr, L"Frame");
  TForm modelOnly(nullptr, L"NoWindow");
  for (TComponent* owner : std::vector<TComponent*>{nullptr, &plain, &modelOnly}) {
    try {
      ApplyTheme(owner);
      ADD_FAILURE() << "no error";
    } catch (const std::exception& error) {
      EXPECT_STREQ(error.what(), "TThemeHelper Owner must be a TForm");
    }
  }
  EXPECT_EQ(plain.ComponentCount(), 0);
}

TEST_F(AnyTheme, TheStripFollowsActivationAndTheOldHandlerSeesEveryMessage) {
  TThemeHelper* theme = ApplyTheme(form_.get());
  Pump();
  RECT client{}, strip{};
  ::GetClientRect(form_->Handle(), &client);
  ::GetWindowRect(theme->Strip()->Handle(), &strip);
  ::MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&strip), 2);
  EXPECT_EQ(strip.top, 0);
  EXPECT_EQ(strip.left, 0);
  EXPECT_EQ(strip.right, client.right);
  EXPECT_EQ(strip.bottom - strip.top, 2);

  const COLORREF accent = RGB(0x3D, 0x84, 0xDD);
  const int middle = client.right / 2;
  EXPECT_EQ(PixelOf(form_->Handle(), middle, 0), accent);
  EXPECT_EQ(PixelOf(form_->Handle(), middle, 1), accent);
  EXPECT_NE(PixelOf(form_->Handle(), middle, 2), accent);

  // Another window taking the activation deactivates the themed one, as a click would.
  TWin32Form other(nullptr, L"Other", L"Other", 200, 100);
  ::ShowWindow(other.Handle(), SW_SHOW);
  ::SetActiveWindow(other.Handle());
  Pump();
  EXPECT_FALSE(theme->IsActive());
  EXPECT_EQ(PixelOf(form_->Handle(), middle, 0), ::GetSysColor(COLOR_GRAYTEXT));

  ::SetActiveWindow(form_->Handle());
  Pump();
  EXPECT_TRUE(theme->IsActive());
  EXPECT_EQ(PixelOf(form_->Handle(), middle, 0), accent);
  EXPECT_GE(activationsSeen_, 2);

  // Resizing keeps the strip across the full width.
  ::SetWindowPos(form_->Handle(), nullptr, 0, 0, 600, 300, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  ::GetClientRect(form_->Handle(), &client);
  ::GetClientRect(theme->Strip()->Handle(), &strip);
  EXPECT_EQ(strip.right, client.right);

  ::SendMessageW(form_->Handle(), WM_APP + 3, 0, 0);
  EXPECT_EQ(customSeen_, 1);
}

TEST_F(AnyTheme, FreeingTheHelperGivesBackTheOldHandlerAndLeavesTheStrip) {
  TThemeHelper* theme = ApplyTheme(form_.get());
  TShape* strip = theme->Strip();
  ASSERT_TRUE(form_->Free(theme));
  const int before = activationsSeen_;
  ::SendMessageW(form_->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(activationsSeen_, before + 1);
  // Nobody recolours the strip any more: it keeps the last colour it had.
  EXPECT_EQ(strip->BrushColor().rgb, TThemeHelper::kActiveColor);
  EXPECT_FALSE(strip->BrushColor().systemIndex.has_value());
  EXPECT_TRUE(::IsWindow(strip->Handle()));
  ::SendMessageW(form_->Handle(), WM_APP + 3, 0, 0);
  EXPECT_EQ(customSeen_, 1);
}

TEST(AnyThemeFrameless, AWindowWithoutABorderHasTheStripHidden) {
  TWin32Form form(nullptr, L"Bare", L"Bare", 300, 200, WS_POPUP);
  TThemeHelper* theme = ApplyTheme(&form);
  EXPECT_FALSE(theme->Strip()->Visible());
  ::SendMessageW(form.Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  ::SendMessageW(form.Handle(), WM_SIZE, 0, MAKELPARAM(300, 200));
  EXPECT_FALSE(theme->Strip()->Visible());
}

// A form's components go in the form's own destructor, while its window and its handler
// are still there: the theme helper puts the window's previous handler back into the
// form, which must not have gone before it.
class WitnessComponent : public TComponent {
 public:
  WitnessComponent(TComponent* owner, TWin32Form* form, bool* windowSeen, bool* handlerSeen)
      : TComponent(owner), form_(form), windowSeen_(windowSeen), handlerSeen_(handlerSeen) {}
  ~WitnessComponent() override {
    *windowSeen_ = form_->Handle() != nullptr && ::IsWindow(form_->Handle());
    *handlerSeen_ = static_cast<bool>(form_->WindowProc());
  }

 private:
  TWin32Form* form_;
  bool* windowSeen_;
  bool* handlerSeen_;
};

TEST(AnyFormComponents, GoWhileTheirFormsWindowAndHandlerStillExist) {
  bool windowSeen = false;
  bool handlerSeen = false;
  {
    auto form = std::make_unique<TWin32Form>(nullptr, L"Owner", L"Owner", 300, 200);
    ApplyTheme(form.get());
    form->Create<WitnessComponent>(form.get(), &windowSeen, &handlerSeen);
  }
  EXPECT_TRUE(windowSeen);
  EXPECT_TRUE(handlerSeen);
}

UINT WINAPI NoWindowDpi(HWND) { return 0; }
HRESULT WINAPI Monitor144(HMONITOR, int type, UINT* x, UINT* y) {
  if (type != 0) return E_INVALIDARG;  // only the effective resolution is asked for
  *x = *y = 144;
  return S_OK;
}
HRESULT WINAPI MonitorFails(HMONITOR, int, UINT*, UINT*) { return E_FAIL; }

TEST(AnyDpi, WithoutThePerWindowCallTheMonitorsOwnResolutionIsTaken) {
  TWin32Form form(nullptr, L"Dpi", L"Dpi", 300, 200);
  const UINT system = DpiOfWindowFrom(nullptr, TDpiSources{});
  // Windows 8.1: no GetDpiForWindow, but the monitor's resolution from shcore.
  EXPECT_EQ(DpiOfWindowFrom(form.Handle(), TDpiSources{nullptr, &Monitor144}), 144u);
  EXPECT_EQ(DpiOfWindowFrom(form.Handle(), TDpiSources{&NoWindowDpi, &Monitor144}), 144u);
  // Windows 7, or a monitor that does not answer: the system's resolution.
  EXPECT_EQ(DpiOfWindowFrom(form.Handle(), TDpiSources{nullptr, &MonitorFails}), system);
  EXPECT_EQ(DpiOfWindowFrom(form.Handle(), TDpiSources{}), system);
  // The system's own shcore is found and answers for Wine's one monitor.
  ASSERT_NE(TDpiSources::System().forMonitor, nullptr);
  EXPECT_EQ(DpiOfWindowFrom(form.Handle(), TDpiSources{nullptr, TDpiSources::System().forMonitor}),
            system);
}

}  // namespace
