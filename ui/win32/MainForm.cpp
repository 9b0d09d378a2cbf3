#include "ui/win32/MainForm.h"

#include <string>

#include "ServerAddresses.h"
#include "Tavin/Translate.h"
#include "platform/Utf8.h"
#include "ui/Artwork.h"
#include "ui/TranslateComponent.h"
#include "ui/win32/Application.h"
#include "ui/win32/Fonts.h"
#include "ui/win32/Theme.h"

namespace {

// Sizes at 96 dpi.
constexpr int kClientWidth = 412;
constexpr int kClientHeight = 432;
constexpr int kHeadHeight = 50;
constexpr int kLogoPanelWidth = 120;
constexpr int kLogoLeft = 3;
constexpr int kLogoWidth = 112;
constexpr int kLogoHeight = 50;
constexpr int kToolBarMargin = 10;
constexpr int kToolButtonWidth = 70;
constexpr int kToolButtonHeight = 30;
constexpr int kToolButtonRadius = 4;
constexpr int kPagePadding = 8;
// The window can be made larger freely; smaller than this the list and the bar under it
// would overlap.
constexpr int kMinClientWidth = 300;
constexpr int kMinClientHeight = 220;
// How long a closing window waits for the request task to let go of it.
constexpr std::chrono::seconds kStopWait{5};

}  // namespace

TFrmOrvane::TFrmOrvane(std::shared_ptr<IUpdateUi> updateUi)
    // Children clipped: the window's background is never painted under the list and the
    // bars, which paint themselves, so resizing does not flicker.
    : TWin32Form(nullptr, L"FrmOrvane", L"Orvane", kClientWidth, kClientHeight,
                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN),
      updateUi_(std::move(updateUi)) {
  ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application().Icon()));
  ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application().SmallIcon()));
  BuildLayout();
  SetClientSize(kClientWidth, kClientHeight);
  CenterOnScreen();
  FormCreate();
}

TFrmOrvane::~TFrmOrvane() {
  // A window destroyed without WM_DESTROY reaching it (a failure half-way through being
  // built) still lets the request go.
  if (!destroyed_) FormDestroy();
  // Waited for here, outside every hand-over: a close handled inside the reply step (its
  // dialog's loop, the refresh's message pass) runs while the task waits for that very
  // step, so waiting there could only time out.
  if (check_) (void)check_->WaitFor(kStopWait);
  // The list and the header go while the window's members are still there; the lists
  // the list reads go after it.
  DestroyComponents();
  NameBlack.reset();
  NameWhite.reset();
  FileWhite.reset();
}

void TFrmOrvane::BuildLayout() {
  PnlMain = Create<TCardPanel>(L"PnlMain", Handle(), kPagePadding);
  PnlAutorun = PnlMain->AddCard(L"PnlAutorun");
  PnlHead = Create<TPanel>(L"PnlHead", Handle());
  BtnHead = Create<TStyledToolBar>(L"BtnHead", PnlHead->Handle(), L"Tavikora", L"Header",
                                   kToolButtonWidth, kToolButtonHeight, kToolButtonRadius);
  BtnHome = BtnHead->AddButton(L"BtnHome", L"처음화면");
  BtnHome->SetDown(true);
  PnlLogo = Create<TPanel>(L"PnlLogo", PnlHead->Handle());
  ImgLogo = Create<TVectorImageControl>(L"ImgLogo", PnlLogo->Handle(), MakerLogo(), kLogoLeft, 0,
                                        kLogoWidth, kLogoHeight);
  ImgLogo->OnClick = [this] { ImgLogoClick(); };

  PnlHead->SetBounds(0, 0, 0, kHeadHeight);
  PnlHead->OnResize = [this](int width, int height) { LayoutHead(width, height); };
  AlignTop(PnlHead, false);
  AlignClient(PnlMain);
  PnlAutorun->OnResize = [this](int width, int height) {
    if (FrmAutorun) FrmAutorun->SetBounds(0, 0, width, height);
  };
}

void TFrmOrvane::LayoutHead(int width, int height) {
  const int logoWidth = Scale(kLogoPanelWidth);
  ::SetWindowPos(PnlLogo->Handle(), nullptr, std::max(0, width - logoWidth), 0, logoWidth, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ImgLogo->Place();
  const int margin = Scale(kToolBarMargin);
  ::SetWindowPos(BtnHead->Handle(), nullptr, margin, margin,
                 std::max(0, width - logoWidth - 2 * margin), std::max(0, height - 2 * margin),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFrmOrvane::RebuildFont() {
  font_ = CreateFontFrom(IconTitleFontAt(Dpi()));
  BtnHead->SetFont(font_.get());
}

void TFrmOrvane::FormCreate() {
  // 1. The request's callback refers to this window; it is only ever called while the
  //    window lives, because closing the window stops the request first.
  TUpdateProc callback = [this](bool flag, const std::wstring& text) { UpdateFinished(flag, text); };
  // 2-4. Look, language, caption and the application's title.
  ApplyTheme(this);
  TranslateComponent(this, L"");
  SetCaption(TranslateText(Caption(), L""));
  Application().SetTitle(Caption());
  // 5. The desktop font.
  RebuildFont();
  // 6. The only page.
  PnlMain->SetActiveCardIndex(0);
  // 7-8. The filter lists: the built-in name lists now, the file list only from the reply.
  FileWhite = std::make_unique<FilterList>();
  NameWhite = std::make_unique<FilterList>();
  NameBlack = std::make_unique<FilterList>();
  LoadTextResource(*NameWhite, L"name_white");
  LoadTextResource(*NameBlack, L"name_black");
  // 9. The list, on its page, reading the same lists the reply extends.
  FrmAutorun = Create<TFrmAutorun>(PnlAutorun->Handle(), FileWhite.get(), NameWhite.get());
  RECT page{};
  ::GetClientRect(PnlAutorun->Handle(), &page);
  FrmAutorun->SetBounds(0, 0, page.right, page.bottom);
  // 10. The request; it answers on this thread through the window's message loop.
  dispatcher_ = std::make_shared<TWin32Dispatcher>();
  check_ = CheckUpdate(kInitUrl, std::move(callback), 10, TUpdateHost{dispatcher_, updateUi_});
}

void TFrmOrvane::UpdateFinished(bool flag, const std::wstring& text) {
  // Closed while the reply step showed its dialog: no window, no list to fill.
  if (destroyed_) return;
  if (flag) {
    // The update's page is open; the program makes way for the new version. Posted, so
    // the window goes after the hand-over that runs this has returned.
    ::PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return;
  }
  if (const auto value = ParseJsonText(WideToUtf8(text)); value && value->is_object()) {
    AddJsonArray(*FileWhite, *value, L"file_white");
    AddJsonArray(*NameWhite, *value, L"name_white");
    AddJsonArray(*NameBlack, *value, L"name_black");
  }
  FrmAutorun->LoadAutorun();
}

void TFrmOrvane::ImgLogoClick() { ShellOpen(std::wstring(kLinkServer) + kLinkPath, Handle()); }

void TFrmOrvane::FormDestroy() {
  // The request first: after this no hand-over reaches the window or its lists. The
  // lists themselves stay until the frame that reads them is gone (the destructor).
  destroyed_ = true;
  if (dispatcher_) dispatcher_->Close();
  if (check_) check_->Stop();
}

LRESULT TFrmOrvane::FormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      FormDestroy();
      break;
    case WM_GETMINMAXINFO: {
      // The status bar, once there, comes on top of the minimum.
      RECT frame{0, 0, Scale(kMinClientWidth), Scale(kMinClientHeight) + BottomAlignedHeight()};
      AdjustFrameForDpi(frame, static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE)),
                        static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), Dpi());
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
      return 0;
    }
    case WM_DPICHANGED: {
      const LRESULT result = TWin32Form::FormMessage(message, wParam, lParam);
      RebuildFont();
      return result;
    }
    case WM_SETTINGCHANGE: {
      const LRESULT result = TWin32Form::FormMessage(message, wParam, lParam);
      if (FontSettingsChanged(wParam, lParam)) RebuildFont();
      return result;
    }
    default:
      break;
  }
  return TWin32Form::FormMessage(message, wParam, lParam);
}
