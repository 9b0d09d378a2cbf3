// The main window over the fake platform: its layout at 96 dpi, the first filling only
// after the start-up reply, the reply's rows merged into the white lists (or not, for a
// reply that is no JSON object), the accepted update that closes the window without a
// list, the logo's link, and the bar under the list painted whole after the update status
// bar has grown the window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ServerAddresses.h"
#include "Tavin/Translate.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/UpdateDoubles.h"
#include "tests/windows/WineTest.h"
#include "ui/TavikoraButtonStyles.h"
#include "ui/win32/Application.h"
#include "ui/win32/MainForm.h"
#include "ui/win32/UpdateStatus.h"
#include "tests/windows/WindowPump.h"

namespace {

// Serves the window's messages until `done` says so; false when it has not within a
// generous bound (a hang). The bound is read on the steady clock: a count of Sleep(5)
// rounds would last as long as the timer's resolution makes it, about 16 ms a round on
// Windows at its default rate and 5 ms under Wine.
template <typename Done>
bool PumpUntil(Done done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (;;) {
    PumpOnce();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    ::Sleep(5);
  }
}

int RowCount(HWND list) { return static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::vector<std::wstring> Names(HWND list) {
  std::vector<std::wstring> names;
  for (int row = 0; row < RowCount(list); ++row) {
    wchar_t text[256]{};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    names.push_back(text);
  }
  return names;
}

RECT RectIn(HWND window, HWND parent) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Contains(const std::vector<std::wstring>& names, const std::wstring& name) {
  for (const auto& each : names)
    if (each == name) return true;
  return false;
}

class AnyMainForm : public CatalogueTest {
 protected:
  void SetUp() override {
    CatalogueTest::SetUp();
    RegisterTavikoraButtonStyles();
    InitializeTranslation();
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"Alpha", L"C:\\Tools\\alpha.exe");
    fake.registry.SetString(HKEY_CURRENT_USER, kRunKey, L"FooBar", L"C:\\Tools\\foobar.exe");
    fake.files.AddFile(kUserStartup, L"Discord.exe");
    ui_ = std::make_shared<RecordingUpdateUi>();
  }
  void TearDown() override {
    form_.reset();
    PumpOnce();
    UnregisterButtonStyleFamilies();
    CatalogueTest::TearDown();
  }
  void Open() {
    form_ = std::make_unique<TFrmOrvane>(ui_);
    ::ShowWindow(form_->Handle(), SW_SHOW);
  }
  HWND List() const { return form_->Autorun()->List(); }
  bool Filled() const { return RowCount(List()) > 0; }

  std::shared_ptr<RecordingUpdateUi> ui_;
  std::unique_ptr<TFrmOrvane> form_;
};

TEST_F(AnyMainForm, LayoutAt96DpiCaptionAndTheHeader) {
  fake.http.SetDefault(FakeHttpResponse::Hang());
  Open();
  PumpOnce();
  HWND window = form_->Handle();
  RECT client{};
  ::GetClientRect(window, &client);
  EXPECT_EQ(client.right, 412);
  EXPECT_EQ(client.bottom, 432);
  EXPECT_EQ(form_->Caption(), L"Orvane");
  EXPECT_EQ(Application().Title(), L"Orvane");
  wchar_t title[64]{};
  ::GetWindowTextW(window, title, 64);
  EXPECT_STREQ(title, L"Orvane");

  // Under the 2-pixel accent strip: the 50-pixel header, its toolbar 10 pixels in on every
  // side with one pressed 70 x 30 button, the logo 112 x 50 in the 120 pixels at the right.
  TStyledToolBar* toolBar = form_->HeadToolBar();
  const RECT bar = RectIn(toolBar->Handle(), window);
  EXPECT_EQ(bar.left, 10);
  EXPECT_EQ(bar.top, 2 + 10);
  EXPECT_EQ(bar.right, 412 - 120 - 10);
  EXPECT_EQ(bar.bottom, 2 + 50 - 10);
  ASSERT_EQ(toolBar->ButtonCount(), 1);
  EXPECT_TRUE(toolBar->Button(0)->Down());
  EXPECT_EQ(toolBar->Button(0)->Caption(), TranslateText(L"처음화면", L""));
  const RECT button = toolBar->ButtonRect(0);
  EXPECT_EQ(button.right - button.left, 70);
  EXPECT_EQ(button.bottom - button.top, 30);
  const RECT logo = RectIn(form_->Logo()->Handle(), window);
  EXPECT_EQ(logo.left, 412 - 120 + 3);
  EXPECT_EQ(logo.top, 2);
  EXPECT_EQ(logo.right - logo.left, 112);
  EXPECT_EQ(logo.bottom - logo.top, 50);

  // The page under the header, 8 pixels in at the left and right, filled by the list frame.
  const RECT frame = RectIn(form_->Autorun()->Handle(), window);
  EXPECT_EQ(frame.left, 8);
  EXPECT_EQ(frame.top, 52);
  EXPECT_EQ(frame.right, 404);
  EXPECT_EQ(frame.bottom, 432);

  // No reply yet: no list.
  EXPECT_EQ(RowCount(List()), 0);
  EXPECT_EQ(ui_->dialogs.size(), 0u);

  // The program's icon in the title bar; and the window does not shrink so far that the
  // list and the bar under it overlap.
  EXPECT_NE(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(::SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
  ::SetWindowPos(window, nullptr, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::GetClientRect(window, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 220);
}

TEST_F(AnyMainForm, TheReplysRowsJoinTheWhiteListsBeforeTheFirstFilling) {
  fake.http.SetDefault(FakeHttpResponse::Ok(
      R"({"name_white":["Foo","orvane"],"file_white":["Discord.exe*"],"name_black":["Bad"]})"));
  Open();
  ASSERT_TRUE(PumpUntil([&] { return Filled(); })) << "the list never filled";
  const auto names = Names(List());
  EXPECT_TRUE(Contains(names, L"Alpha"));
  EXPECT_FALSE(Contains(names, L"FooBar")) << "name_white compares prefixes";
  EXPECT_FALSE(Contains(names, L"Discord")) << "file_white hides the startup file";
  EXPECT_TRUE(form_->GetFileWhite().Contains(L"Discord.exe*"));
  EXPECT_TRUE(form_->GetNameBlack().Contains(L"Bad"));
  // The built-in row "Orvane" in other letters adds nothing.
  const size_t before = form_->GetNameWhite().Count();
  EXPECT_TRUE(form_->GetNameWhite().Contains(L"Foo"));
  EXPECT_TRUE(form_->GetNameWhite().Contains(L"Orvane"));
  EXPECT_EQ(before, form_->GetNameWhite().Count());
}

TEST_F(AnyMainForm, ARepliesThatIsNoJsonObjectMergesNothingAndStillFillsTheList) {
  for (const char* body : {R"(["Foo"])", R"("Foo")", "<html><body>Not found</body></html>", ""}) {
    SCOPED_TRACE(body);
    fake.http.SetDefault(FakeHttpResponse::Ok(body));
    Open();
    ASSERT_TRUE(PumpUntil([&] { return Filled(); })) << "the list never filled";
    const auto names = Names(List());
    EXPECT_TRUE(Contains(names, L"FooBar"));
    // A startup file shows by its name without the extension.
    EXPECT_TRUE(Contains(names, L"Discord")) << "with no reply rows no startup file is hidden";
    EXPECT_EQ(form_->GetFileWhite().Count(), 0u);
    form_.reset();
    PumpOnce();
  }
}

TEST_F(AnyMainForm, AnAcceptedUpdateClosesTheWindowWithoutAList) {
  fake.http.SetDefault(FakeHttpResponse::Ok(R"({"update":"https://example.com/new"})"));
  ui_->answerYes = true;
  Open();
  HWND window = form_->Handle();
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(window); })) << "the window stayed open";
  ASSERT_EQ(ui_->dialogs.size(), 1u);
  ASSERT_FALSE(fake.shell.executed.empty());
  EXPECT_EQ(fake.shell.executed.back().file, L"https://example.com/new");
  EXPECT_EQ(RowCount(form_->Autorun()->List()), 0);
}

TEST_F(AnyMainForm, ClosingDuringTheRetriesEndsTheRequestAndTheLogoOpensTheMakersPage) {
  fake.http.SetDefault(FakeHttpResponse::Hang());
  Open();
  PumpOnce();
  form_->ImgLogoClick();
  ASSERT_FALSE(fake.shell.executed.empty());
  EXPECT_EQ(fake.shell.executed.back().file, std::wstring(kLinkServer) + L"/orvane");
  // A request hanging in the client: closing aborts it and no callback follows.
  ASSERT_TRUE(PumpUntil([&] { return fake.http.Hanging() == 1; }));
  ::DestroyWindow(form_->Handle());
  EXPECT_EQ(fake.http.Hanging(), 0);
  EXPECT_EQ(ui_->dialogs.size(), 0u);
}

// Closes the main window from inside the reply step, the way a user's click on the close
// box is handled there: in the update dialog's loop, or in the message pass that opens the
// first refresh.
class ClosingUi : public RecordingUpdateUi {
 public:
  HWND window = nullptr;
  bool destroyInDialog = false;
  bool UpdateDialog(const std::wstring& reply) override {
    if (destroyInDialog) ::DestroyWindow(window);
    return RecordingUpdateUi::UpdateDialog(reply);
  }
  void ShowUpdateStatus(const std::wstring& link) override {
    if (!destroyInDialog) ::PostMessageW(window, WM_CLOSE, 0, 0);
    RecordingUpdateUi::ShowUpdateStatus(link);
  }
};

TEST_F(AnyMainForm, ClosedInsideTheReplyStepTheWindowFillsNothingAndLetsTheRequestGo) {
  for (const bool inDialog : {false, true}) {
    SCOPED_TRACE(inDialog ? "closed while the dialog is up" : "close waiting for the refresh");
    fake.http.SetDefault(FakeHttpResponse::Ok(
        R"({"update":"https://example.com/new","notify":"https://example.com/n","name_white":["Foo"]})"));
    auto ui = std::make_shared<ClosingUi>();
    ui->destroyInDialog = inDialog;
    form_ = std::make_unique<TFrmOrvane>(ui);
    ui->window = form_->Handle();
    HWND window = form_->Handle();
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(window); })) << "the window stayed open";
    ASSERT_EQ(ui->dialogs.size(), 1u);
    // Nothing was filled from lists that went with the window, and the request ended: the
    // window's object goes at once (a hang here would be the request waiting for it).
    EXPECT_EQ(RowCount(form_->Autorun()->List()), 0);
    form_.reset();
    PumpOnce();
  }
}

TEST_F(AnyMainForm, TheListsTheFrameBorrowsLiveUntilTheFrameIsGone) {
  fake.http.SetDefault(FakeHttpResponse::Ok(R"({"name_white":["Foo"]})"));
  Open();
  ASSERT_TRUE(PumpUntil([&] { return Filled(); }));
  // The frame and its list are destroyed after the window's own WM_DESTROY; the white
  // lists it reads go with the window's object, not with that message.
  ::DestroyWindow(form_->Handle());
  PumpOnce();
  EXPECT_TRUE(form_->GetNameWhite().Contains(L"Foo"));
  form_->Autorun()->LoadAutorun();
  EXPECT_EQ(RowCount(form_->Autorun()->List()), 0) << "nothing to fill once the list is gone";
}

// Pixels of `control`'s parent between the parent's top edge and the control, across the
// control's width, that are not the window colour, read from the screen as last painted:
// nothing is invalidated first, so what a move left unpainted shows.
int UnpaintedAbove(HWND control) {
  HWND parent = ::GetParent(control);
  const RECT placed = RectIn(control, parent);
  HDC dc = ::GetDC(parent);
  int wrong = 0;
  for (int y = 0; y < placed.top; ++y) {
    for (int x = placed.left; x < placed.right; ++x) {
      if (::GetPixel(dc, x, y) != ::GetSysColor(COLOR_WINDOW)) ++wrong;
    }
  }
  ::ReleaseDC(parent, dc);
  return wrong;
}

TEST_F(AnyMainForm, TheStatusBarLeavesTheBarAboveTheCheckBoxAndTheButtonPainted) {
  fake.http.SetDefault(FakeHttpResponse::Hang());
  Open();
  Pump();
  HWND check = form_->Autorun()->AllListBox();
  HWND button = form_->Autorun()->SwitchButton()->Handle();
  ASSERT_GT(RectIn(check, ::GetParent(check)).top, 0);
  ASSERT_GT(RectIn(button, ::GetParent(button)).top, 0);
  EXPECT_EQ(UnpaintedAbove(check), 0) << "before the status bar";
  EXPECT_EQ(UnpaintedAbove(button), 0) << "before the status bar";

  // The bar takes its place under the frame and the window grows: the list and the bar
  // of controls under it move and are painted as the window's messages are served.
  Application().SetMainForm(form_.get());
  ShowUpdateStatus(L"https://example.com/notice");
  Application().SetMainForm(nullptr);
  Pump();
  EXPECT_EQ(UnpaintedAbove(check), 0) << "above the check box";
  EXPECT_EQ(UnpaintedAbove(button), 0) << "above the button";
}

TEST_F(AnyMainForm, A150PercentMonitorReachesEveryControlAndTheStatusBarGrowsAMinimizedWindow) {
  fake.http.SetDefault(FakeHttpResponse::Hang());
  Open();
  PumpOnce();
  HWND window = form_->Handle();
  RECT suggested{};
  ::GetWindowRect(window, &suggested);
  suggested.right = suggested.left + 660;
  suggested.bottom = suggested.top + 720;
  ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  PumpOnce();
  // The list sits two panels deep, the logo and the toolbar one.
  EXPECT_EQ(ListView_GetColumnWidth(List(), 1), 75);
  const RECT button = form_->HeadToolBar()->ButtonRect(0);
  EXPECT_EQ(button.right - button.left, 105);
  RECT logo{};
  ::GetClientRect(form_->Logo()->Handle(), &logo);
  EXPECT_EQ(logo.right, 168);
  EXPECT_EQ(logo.bottom, 75);
  ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  form_->SetClientSize(412, 432);
  PumpOnce();

  // Minimized, the bar makes the restored window taller, not the list shorter.
  ::ShowWindow(window, SW_MINIMIZE);
  PumpOnce();
  Application().SetMainForm(form_.get());
  ShowUpdateStatus(L"https://example.com/notice");
  Application().SetMainForm(nullptr);
  ::ShowWindow(window, SW_RESTORE);
  PumpOnce();
  RECT client{};
  ::GetClientRect(window, &client);
  EXPECT_EQ(client.bottom, 432 + 28);
  const RECT frame = RectIn(form_->Autorun()->Handle(), window);
  EXPECT_EQ(frame.bottom - frame.top, 432 - 52);
}

}  // namespace
