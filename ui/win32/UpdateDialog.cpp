#include "ui/win32/UpdateDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "Tavin/HoldRequests.h"
#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "Tavin/UpdateText.h"
#include "platform/Platform.h"
#include "ui/win32/Application.h"
#include "ui/win32/Fonts.h"

namespace {

// The message box's proportions, in pixels at 96 dpi.
constexpr int kPadding = 16;        // around the icon and text, and beside the buttons
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;        // between the icon and the text
constexpr int kTextWidth = 400;     // the text wraps beyond this
constexpr int kButtonWidth = 80;    // at least; longer captions widen both buttons
constexpr int kButtonHeight = 26;
constexpr int kButtonPadding = 24;  // around a caption inside its button
constexpr int kButtonGap = 8;
constexpr int kTextToButtons = 20;
constexpr int kBottomPadding = 14;
constexpr int kCheckGap = 6;        // between the check box's square and its caption

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// No icon in the title bar, as on a message box.
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kSeparatorColor = RGB(0xCC, 0xCC, 0xCC);
constexpr COLORREF kLinkColor = RGB(0x00, 0x00, 0xFF);

int MetricForDpi(int index, UINT dpi) {
  using ForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = reinterpret_cast<ForDpiFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
  if (forDpi) return forDpi(index, dpi);
  const TWindowDc screen(nullptr);
  const int systemDpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return ::MulDiv(::GetSystemMetrics(index), static_cast<int>(dpi), systemDpi > 0 ? systemDpi : 96);
}

// Enables the window again however the modal loop ends.
class TDisabledOwner {
 public:
  explicit TDisabledOwner(HWND owner) {
    if (owner && ::IsWindowEnabled(owner)) {
      ::EnableWindow(owner, FALSE);
      owner_ = owner;
    }
  }
  ~TDisabledOwner() {
    if (owner_) ::EnableWindow(owner_, TRUE);
  }
  TDisabledOwner(const TDisabledOwner&) = delete;
  TDisabledOwner& operator=(const TDisabledOwner&) = delete;

 private:
  HWND owner_ = nullptr;
};

// The longest beginning of the text that fits the width with an ellipsis after it; the
// whole text when it fits as it is.
std::wstring FitWithEllipsis(HFONT font, const std::wstring& text, int width) {
  constexpr UINT kFormat = DT_SINGLELINE | DT_NOPREFIX;
  if (MeasureText(font, text, kFormat, 0).cx <= width) return text;
  size_t low = 0;
  size_t high = text.size();
  while (low < high) {
    const size_t middle = (low + high + 1) / 2;
    if (MeasureText(font, text.substr(0, middle) + L"\x2026", kFormat, 0).cx <= width)
      low = middle;
    else
      high = middle - 1;
  }
  // Never half of a surrogate pair.
  if (low > 0 && text[low - 1] >= 0xD800 && text[low - 1] <= 0xDBFF) --low;
  return text.substr(0, low) + L"\x2026";
}

// The widest client area the window can have inside its monitor's work area.
int MaxClientWidth(HWND window, UINT dpi) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
    return INT_MAX;
  RECT frame{0, 0, 0, 0};
  AdjustFrameForDpi(frame, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)),
                    static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
  return (monitor.rcWork.right - monitor.rcWork.left) - (frame.right - frame.left);
}

}  // namespace

TUpdateDialogForm::TUpdateDialogForm(const std::wstring& reply)
    : TWin32Form(nullptr, kName, TranslateText(Application().Title()), 320, 160, kStyle) {
  ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE,
                      ::GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | kExStyle);

  // Creation order is the tab order: Yes, No, then the notice's check box.
  message_ = Create<TLabel>(L"Message", Handle(), GetUpdateText(kUpdateMessage));
  yes_ = Create<TButton>(L"Yes", Handle(), IDYES, GetUpdateText(kUpdateYes));
  no_ = Create<TButton>(L"No", Handle(), IDNO, GetUpdateText(kUpdateNo));
  yes_->SetModalResult(IDYES);
  no_->SetModalResult(IDNO);
  yes_->SetDefault(true);
  for (TButton* button : {yes_, no_}) {
    button->SetVisible(true);
    button->OnClick = [this](TComponent* sender) {
      modalResult_ = static_cast<TButton*>(sender)->ModalResult();
    };
    button->OnFocusChange = [this](TComponent*) { FocusChanged(); };
  }
  separator_ = Create<TShape>(L"Separator", Handle(), 0, 0, 0, 0);
  separator_->SetVisible(false);
  hold_ = Create<TCheckBox>(L"HoldBox", Handle(), L"");
  hold_->SetVisible(false);
  note_ = Create<TLabel>(L"NoteLabel", Handle());
  note_->SetHandCursor(true);
  note_->OnClick = &TFormHelper::OpenURL;
  message_->SetVisible(true);
  ApplyColors();

  notice_ = ReadNotice(reply);

  // The window whose input the dialog blocks, as a message box blocks its owner's.
  TWin32Form* main = Application().MainForm();
  modalOwner_ = main ? main->Handle() : ::GetActiveWindow();
  if (modalOwner_) ::SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(modalOwner_));

  if (notice_.StaysOnTop()) {
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!main || !::IsWindowVisible(main->Handle())) {
      // An owned window has no taskbar button of its own; with the main window hidden
      // the dialog would be out of reach behind other programs, so it stands alone, with
      // the program's icon to be known by.
      ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application().Icon()));
      ::SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, 0);
    }
  }

  if (notice_.Style == L"hold") {
    hold_->SetCaption(notice_.Text);
  } else if (notice_.Style == L"note") {
    note_->SetCaption(notice_.Text);
    note_->SetHint(notice_.Url);
  }
  Arrange();
  CenterOnScreen();
}

TUpdateDialogForm::~TUpdateDialogForm() = default;

void TUpdateDialogForm::Arrange() {
  const UINT dpi = Dpi();
  const LOGFONTW description = MessageFontAt(dpi);
  UniqueFont font = CreateFontFrom(description);
  yes_->SetFont(font.get());
  no_->SetFont(font.get());
  ::SendMessageW(hold_->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);
  message_->SetFont(description);
  LOGFONTW link = description;
  link.lfUnderline = TRUE;
  note_->SetFont(link);

  iconSize_ = Scale(kIconSize);
  // The warning sign drawn for this size rather than a 32-pixel one stretched. The call
  // is comctl32's from Vista on and missing from the import library, so it is looked up;
  // without it the shared icon is drawn scaled.
  using ScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  static const auto scaleDown = reinterpret_cast<ScaleDownFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  HICON icon = nullptr;
  if (scaleDown && SUCCEEDED(scaleDown(nullptr, reinterpret_cast<PCWSTR>(IDI_WARNING), iconSize_,
                                       iconSize_, &icon))) {
    icon_.reset(icon);
  } else {
    icon_.reset();
  }

  const int padding = Scale(kPadding);
  const SIZE text = message_->TextExtent(true, Scale(kTextWidth));
  const int contentHeight = std::max<int>(iconSize_, text.cy);
  iconAt_ = POINT{padding, padding + (contentHeight - iconSize_) / 2};
  const int textLeft = padding + iconSize_ + Scale(kIconGap);
  // A short message sits level with the icon's middle.
  message_->SetBounds(textLeft, padding + (contentHeight - text.cy) / 2, text.cx, text.cy);

  const SIZE yesText = MeasureText(font_.get(), yes_->Caption(), DT_SINGLELINE, 0);
  const SIZE noText = MeasureText(font_.get(), no_->Caption(), DT_SINGLELINE, 0);
  const int buttonWidth = std::max<int>(Scale(kButtonWidth),
                                        std::max(yesText.cx, noText.cx) + Scale(kButtonPadding));
  const int buttonHeight = std::max<int>(Scale(kButtonHeight), LineHeightOf(font_.get()) + Scale(10));
  const int buttonGap = Scale(kButtonGap);

  int clientWidth = std::max<int>(textLeft + text.cx + padding, 2 * buttonWidth + buttonGap + 2 * padding);
  // A notice wider than the message widens the dialog rather than being cut off.
  const int noticeLeft = ScaleAt96(10, static_cast<int>(dpi));
  if (notice_.Style == L"hold") {
    const SIZE caption = MeasureText(font_.get(), notice_.Text, DT_SINGLELINE | DT_NOPREFIX, 0);
    clientWidth = std::max<int>(clientWidth, noticeLeft + MetricForDpi(SM_CXMENUCHECK, dpi) +
                                                 Scale(kCheckGap) + caption.cx + padding);
  } else if (notice_.Style == L"note") {
    clientWidth = std::max<int>(clientWidth, noticeLeft + note_->TextExtent(false, 0).cx + padding);
  }
  // But never wider than the monitor's work area: Yes and No sit at the right edge and
  // must stay on the screen however long the server made the notice, which is cut with
  // an ellipsis instead (ArrangeNotice).
  const int leastWidth = std::max<int>(textLeft + text.cx + padding, 2 * buttonWidth + buttonGap + 2 * padding);
  clientWidth = std::min(clientWidth, std::max(leastWidth, MaxClientWidth(Handle(), dpi)));

  const int buttonTop = padding + contentHeight + Scale(kTextToButtons);
  const int noLeft = clientWidth - padding - buttonWidth;
  no_->SetBounds(noLeft, buttonTop, buttonWidth, buttonHeight);
  yes_->SetBounds(noLeft - buttonGap - buttonWidth, buttonTop, buttonWidth, buttonHeight);
  const int clientHeight = buttonTop + buttonHeight + Scale(kBottomPadding);

  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustFrameForDpi(frame, static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE)),
                    static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi);
  baseHeight_ = frame.bottom - frame.top;
  ::SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, baseHeight_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ArrangeNotice();
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TUpdateDialogForm::ArrangeNotice() {
  if (notice_.Style.empty()) return;
  RECT window{};
  ::GetWindowRect(Handle(), &window);
  const TNoticeAreaGeometry area = NoticeAreaGeometry(
      DialogOffset, static_cast<int>(Dpi()), window.right - window.left, window.bottom - window.top);
  ::SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + area.growth, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  separator_->SetBounds(area.separatorLeft, area.separatorTop, area.separatorWidth,
                        area.separatorHeight);
  separator_->SetVisible(true);
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int visibleWidth = client.right - area.controlLeft - Scale(kPadding);
  if (notice_.Style == L"hold") {
    hold_->SetCaption(FitWithEllipsis(
        font_.get(), notice_.Text,
        visibleWidth - MetricForDpi(SM_CXMENUCHECK, Dpi()) - Scale(kCheckGap)));
    const int height = std::max<int>(LineHeightOf(font_.get()), MetricForDpi(SM_CYMENUCHECK, Dpi())) +
                       Scale(2);
    hold_->SetBounds(area.controlLeft, area.controlTop, area.controlWidth, height);
    hold_->SetVisible(true);
  } else if (notice_.Style == L"note") {
    note_->SetCaption(FitWithEllipsis(font_.get(), notice_.Text, visibleWidth));
    note_->AutoSize(area.controlLeft, area.controlTop, false, 0);
    note_->SetVisible(true);
  }
}

void TUpdateDialogForm::FocusChanged() {
  // As in a dialog: the focused button is the one Enter presses and wears the default
  // frame; with the focus elsewhere, Yes is the default again.
  HWND focus = ::GetFocus();
  const bool onButton = focus == yes_->Handle() || focus == no_->Handle();
  yes_->SetDefault(onButton ? focus == yes_->Handle() : true);
  no_->SetDefault(onButton && focus == no_->Handle());
}

int TUpdateDialogForm::ShowModal() {
  modalResult_ = 0;
  bool quit = false;
  WPARAM quitCode = 0;
  {
    TDisabledOwner disabled(modalOwner_);
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
    ::SetFocus(yes_->Handle());
    // Tab, Enter, Escape and the arrow keys work as in any dialog.
    while (modalResult_ == 0 && Handle()) {
      const TPumped pumped = PumpMessage(quitCode);
      if (pumped == TPumped::kQuit) {
        quit = true;
        break;
      }
      if (pumped == TPumped::kFailed) break;
    }
    // The owner is enabled before the dialog hides, or Windows would activate some other
    // program's window in between.
  }
  if (Handle()) ::ShowWindow(Handle(), SW_HIDE);
  if (quit) ::PostQuitMessage(static_cast<int>(quitCode));
  return modalResult_ == IDYES ? IDYES : IDNO;
}

void TUpdateDialogForm::ApplyColors() {
  // The message box's white, its grey rule and a blue link; in high contrast the
  // scheme's window pair and its link colour instead.
  const bool contrast = HighContrastOn();
  const COLORREF back = contrast ? ::GetSysColor(COLOR_WINDOW) : kWhite;
  message_->SetColor(back);
  message_->SetFontColor(::GetSysColor(COLOR_WINDOWTEXT));
  note_->SetColor(back);
  note_->SetFontColor(contrast ? ::GetSysColor(COLOR_HOTLIGHT) : kLinkColor);
  const TShape::TColor rule =
      contrast ? TShape::TColor{RGB(0, 0, 0), COLOR_WINDOWTEXT} : TShape::TColor{kSeparatorColor, std::nullopt};
  separator_->SetPenColor(rule);
  separator_->SetBrushColor(rule);
}

HBRUSH TUpdateDialogForm::BackgroundBrush() const {
  return HighContrastOn() ? ::GetSysColorBrush(COLOR_WINDOW) : static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

void TUpdateDialogForm::Paint() {
  const TPaintDc paint(Handle());
  HICON icon = icon_ ? icon_.get() : ::LoadIconW(nullptr, IDI_WARNING);
  ::DrawIconEx(paint.get(), iconAt_.x, iconAt_.y, icon, iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
}

LRESULT TUpdateDialogForm::FormMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT: {
      // White behind everything; themed buttons ask for it through WM_PRINTCLIENT.
      RECT client{};
      ::GetClientRect(Handle(), &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(BackgroundBrush());
    case WM_SYSCOLORCHANGE:
      ApplyColors();
      break;
    case WM_CLOSE:
      // The close box and Alt+F4 answer No, like Escape.
      modalResult_ = IDNO;
      return 0;
    case WM_COMMAND:
      // Escape arrives from the dialog keyboard rules as IDCANCEL, with no control.
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        modalResult_ = no_->ModalResult();
        return 0;
      }
      break;
    case DM_GETDEFID: {
      HWND focus = ::GetFocus();
      const int id = focus == no_->Handle() ? no_->Id() : yes_->Id();
      return MAKELRESULT(id, DC_HASDEFID);
    }
    case WM_DPICHANGED: {
      const LRESULT result = TWin32Form::FormMessage(message, wParam, lParam);
      Arrange();
      return result;
    }
    default:
      break;
  }
  return TWin32Form::FormMessage(message, wParam, lParam);
}

bool UpdateDialog(const std::wstring& reply) {
  int result = IDNO;
  bool hold = false;
  {
    TUpdateDialogForm dialog(reply);
    result = dialog.ShowModal();
    // Only the "hold" notice shows the box, so only then can it be ticked.
    hold = dialog.HoldBox()->Checked();
  }
  if (hold) StartHoldRequest();
  return result == IDYES;
}

void TFormHelper::OpenURL(TComponent* sender) {
  if (const auto* label = dynamic_cast<const TLabel*>(sender)) (void)OpenLink(label->Hint());
}
