#include "platform/win32/Win32Icons.h"

#include <shellapi.h>

#include <vector>

#include "platform/IcoFormat.h"
#include "platform/win32/Win32Handles.h"

namespace {

using UniqueBitmap = UniqueAny<Win32HandleTraits<HBITMAP, ::DeleteObject>>;
using UniqueMemoryDc = UniqueAny<Win32HandleTraits<HDC, ::DeleteDC>>;

// The bitmap's pixels as 32-bit top-down BGRA rows; false when GDI refuses.
bool ReadPixels(HDC dc, HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  pixels.assign(static_cast<size_t>(width) * height, 0);
  return ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                     DIB_RGB_COLORS) == height;
}

}  // namespace

HICON Win32Icons::ExtractAssociatedIconW(HINSTANCE instance, wchar_t* path, WORD* iconIndex) {
  return ::ExtractAssociatedIconW(instance, path, iconIndex);
}

BOOL Win32Icons::DestroyIcon(HICON icon) { return ::DestroyIcon(icon); }

BOOL Win32Icons::SaveIconToIco(HICON icon, std::string* ico, DWORD* error) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) {
    *error = ::GetLastError();
    return FALSE;
  }
  // GetIconInfo hands over copies of both bitmaps; they are ours to delete.
  UniqueBitmap color(info.hbmColor);
  UniqueBitmap mask(info.hbmMask);

  BITMAP shape{};
  if (!::GetObjectW(color ? color.get() : mask.get(), sizeof shape, &shape)) {
    *error = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  const int width = shape.bmWidth;
  // A monochrome icon keeps its image below its mask in one bitmap of double height.
  const int height = color ? shape.bmHeight : shape.bmHeight / 2;

  UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint32_t> maskPixels;
  if (!dc || !ReadPixels(dc.get(), color ? color.get() : mask.get(), width, color ? height : height * 2, pixels) ||
      !ReadPixels(dc.get(), mask.get(), width, color ? height : height * 2, maskPixels)) {
    *error = ERROR_INVALID_HANDLE;
    return FALSE;
  }
  if (!color) {
    // The lower half holds the image (XOR); the upper half the mask.
    pixels.erase(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(width) * height);
    maskPixels.resize(static_cast<size_t>(width) * height);
  }
  pixels.resize(static_cast<size_t>(width) * height);

  // Icons before Windows XP carry no alpha: there the mask says what is transparent.
  bool hasAlpha = false;
  for (std::uint32_t p : pixels) hasAlpha = hasAlpha || (p >> 24) != 0;
  if (!hasAlpha)
    for (size_t i = 0; i < pixels.size(); ++i)
      pixels[i] = (pixels[i] & 0x00FFFFFFu) | ((maskPixels[i] & 0x00FFFFFFu) != 0 ? 0u : 0xFF000000u);

  *ico = EncodeIco(IcoImage{width, height, std::move(pixels)});
  if (ico->empty()) {
    *error = ERROR_INVALID_DATA;
    return FALSE;
  }
  return TRUE;
}
