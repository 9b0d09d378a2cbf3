#include "ui/win32/StyledButton.h"

#include <algorithm>

#include "platform/win32/Win32Handles.h"

namespace {
COLORREF ToColorRef(TColorRGB color) { return RGB(color.r, color.g, color.b); }
TColorRGB SystemColor(int index) {
  const COLORREF color = ::GetSysColor(index);
  return {GetRValue(color), GetGValue(color), GetBValue(color)};
}

// The face in a high-contrast scheme: the family's shape, the scheme's colour pairs.
// Pressed and "down" take the highlight pair, as a selected item does; disabled keeps
// the face with the grey text the scheme sets for it.
TStyledButtonAttributes HighContrastLook(TStyledButtonAttributes look, bool pressed, bool disabled) {
  look.ButtonDrawStyle = TButtonDrawStyle::btnSolid;
  look.BorderDrawStyle = TBorderDrawStyle::brdSolid;
  look.ButtonColor = SystemColor(pressed ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
  look.FontColor = SystemColor(disabled ? COLOR_GRAYTEXT : pressed ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  look.BorderColor = SystemColor(pressed ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
  return look;
}
}  // namespace

TStyledButton::TStyledButton(TComponent* owner, std::wstring name, HWND parent,
                             const std::wstring& family, const std::wstring& appearance)
    : TControl(owner, std::move(name)) {
  if (auto styles = FindButtonStyleFamily(family)) {
    styles->FillAttributes(family, L"Primary", appearance, normal_, pressed_, selected_, hot_,
                           disabled_);
  }
  CreateControl(L"BUTTON", L"", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0,
                parent);
}

std::wstring TStyledButton::Caption() const { return WindowText(Handle()); }

void TStyledButton::SetCaption(const std::wstring& caption) {
  ::SetWindowTextW(Handle(), caption.c_str());
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TStyledButton::SetDown(bool down) {
  down_ = down;
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TStyledButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!hot_tracking_) {
        // Windows says when the mouse leaves only when asked, once per entry.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        ::TrackMouseEvent(&track);
        hot_tracking_ = true;
        ::InvalidateRect(Handle(), nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      hot_tracking_ = false;
      ::InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE: {
      // Enter is the button's own, as Space is: the window has no default button that
      // the dialog keys would hand it to.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = TControl::HandleMessage(message, wParam, lParam);
      if (key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN) {
        return code | DLGC_WANTALLKEYS;
      }
      return code;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        // A repeat (bit 30: the key was already down) does not click again.
        if (!(lParam & (1 << 30))) ::SendMessageW(Handle(), BM_CLICK, 0, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r') return 0;
      break;
    default:
      break;
  }
  return TControl::HandleMessage(message, wParam, lParam);
}

bool TStyledButton::HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick();
    result = 0;
    return true;
  }
  return false;
}

void TStyledButton::Draw(const DRAWITEMSTRUCT& item) {
  const TStyledButtonAttributes* look = &normal_;
  if (item.itemState & ODS_DISABLED) {
    look = &disabled_;
  } else if ((item.itemState & ODS_SELECTED) || down_) {
    look = &pressed_;
  } else if (hot_tracking_) {
    look = &hot_;
  }
  const UINT dpi = DpiOfWindow(Handle());
  const bool contrast = HighContrastOn();
  const bool pressed = !(item.itemState & ODS_DISABLED) && ((item.itemState & ODS_SELECTED) || down_);
  const TStyledButtonAttributes shown =
      contrast ? HighContrastLook(*look, pressed, (item.itemState & ODS_DISABLED) != 0) : *look;
  DrawStyledFace(item.hDC, item.rcItem, shown, dpi, font_, Caption(), ::GetSysColor(COLOR_WINDOW));
  // The keyboard's focus stays visible, inside the border; Windows leaves it out
  // (ODS_NOFOCUSRECT) until the keyboard is used, as for every button.
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    const int inset = ScaleForDpi(3, dpi);
    ::InflateRect(&focus, -inset, -inset);
    // DrawFocusRect inverts; these colours only matter where it falls back to them.
    ::SetTextColor(item.hDC, contrast ? ::GetSysColor(COLOR_BTNTEXT) : RGB(0, 0, 0));
    ::SetBkColor(item.hDC, contrast ? ::GetSysColor(COLOR_BTNFACE) : RGB(0xFF, 0xFF, 0xFF));
    ::DrawFocusRect(item.hDC, &focus);
  }
}

void DrawStyledFace(HDC dc, const RECT& bounds, const TStyledButtonAttributes& look, UINT dpi,
                    HFONT font, const std::wstring& caption, COLORREF background) {
  // The parent's colour behind the rounded corners.
  const UniqueBrush back(::CreateSolidBrush(background));
  ::FillRect(dc, &bounds, back.get());
  const int penWidth = std::max(1, ScaleForDpi(look.BorderWidth, dpi));
  const int radius = ScaleForDpi(look.Radius, dpi) * 2;
  // A border width of 0 is the thinnest line, as with a GDI pen.
  const bool border = look.BorderDrawStyle == TBorderDrawStyle::brdSolid;
  const bool fill = look.ButtonDrawStyle == TButtonDrawStyle::btnSolid;
  // Stock objects are not ours to delete; only what is made here has an owner.
  const UniquePen madePen(border ? ::CreatePen(PS_INSIDEFRAME, penWidth, ToColorRef(look.BorderColor))
                                 : nullptr);
  const UniqueBrush madeBrush(fill ? ::CreateSolidBrush(ToColorRef(look.ButtonColor)) : nullptr);
  {
    const TSelectedObject pen(dc, border ? static_cast<HGDIOBJ>(madePen.get()) : ::GetStockObject(NULL_PEN));
    const TSelectedObject brush(dc, fill ? static_cast<HGDIOBJ>(madeBrush.get())
                                         : ::GetStockObject(NULL_BRUSH));
    // Without a pen RoundRect leaves out the right and bottom edge; one more pixel covers it.
    const int extra = border ? 0 : 1;
    if (look.RoundedCorners) {
      ::RoundRect(dc, bounds.left, bounds.top, bounds.right + extra, bounds.bottom + extra, radius,
                  radius);
    } else {
      ::Rectangle(dc, bounds.left, bounds.top, bounds.right + extra, bounds.bottom + extra);
    }
  }

  const TSelectedObject selectedFont(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  // A clear face shows the window colour of the user's scheme, which may be dark even
  // outside high contrast: the caption must still read there.
  const auto rgb = [](COLORREF color) {
    return TColorRGB{GetRValue(color), GetGValue(color), GetBValue(color)};
  };
  const TColorRGB textColor =
      fill ? look.FontColor
           : CaptionColorOn(look.FontColor, rgb(background), rgb(::GetSysColor(COLOR_WINDOWTEXT)));
  ::SetTextColor(dc, ToColorRef(textColor));
  RECT text = bounds;
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
