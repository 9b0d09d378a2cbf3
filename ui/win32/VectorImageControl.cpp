#include "ui/win32/VectorImageControl.h"

#include <windowsx.h>

#include <cstdint>
#include <vector>

TVectorImageControl::TVectorImageControl(TComponent* owner, std::wstring name, HWND parent,
                                         TVectorImage image, int x, int y, int width, int height)
    : TControl(owner, std::move(name)), image_(std::move(image)), x_(x), y_(y), width_(width) {
  height96_ = height;
  CreateOwnWindow(L"OrvaneVectorImage", 0, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr);
  dpi_ = DpiOfWindow(Handle());
  Place();
}

void TVectorImageControl::Place() {
  const UINT dpi = dpi_;
  ::SetWindowPos(Handle(), nullptr, ScaleForDpi(x_, dpi), ScaleForDpi(y_, dpi),
                 ScaleForDpi(width_, dpi), ScaleForDpi(height96_, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TVectorImageControl::DpiChanged(UINT dpi) {
  dpi_ = dpi;
  Place();
}

void TVectorImageControl::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return;
  const IcoImage picture = RenderVectorImage(image_, width);
  // The drawing's alpha laid over the window colour here, so one plain bitmap copy shows it.
  const COLORREF back = ::GetSysColor(COLOR_WINDOW);
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = 0;
      if (y < picture.height && x < picture.width) p = picture.pixels[static_cast<size_t>(y) * picture.width + x];
      const std::uint32_t a = p >> 24;
      auto mix = [a](std::uint32_t fore, std::uint32_t behind) {
        return (fore * a + behind * (255 - a) + 127) / 255;
      };
      const std::uint32_t r = mix((p >> 16) & 0xFF, GetRValue(back));
      const std::uint32_t g = mix((p >> 8) & 0xFF, GetGValue(back));
      const std::uint32_t b = mix(p & 0xFF, GetBValue(back));
      pixels[static_cast<size_t>(y) * width + x] = (r << 16) | (g << 8) | b;
    }
  }
  const BITMAPINFO info = TopDownBitmapInfo(width, height);
  ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

LRESULT TVectorImageControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintBuffered(Handle(), [this](HDC dc, const RECT&) { Paint(dc); });
      return 0;
    case WM_SETCURSOR:
      if (OnClick && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      pressing_ = true;
      ::SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP: {
      const bool wasPressing = pressing_;
      pressing_ = false;
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      RECT client{};
      ::GetClientRect(Handle(), &client);
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (wasPressing && ::PtInRect(&client, at) && OnClick) OnClick();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressing_ = false;
      return 0;
    default:
      break;
  }
  return TControl::HandleMessage(message, wParam, lParam);
}
