// Owners for the handles the Win32 adapters (and the Windows tests) hold. Registry keys
// and service handles that the portable code receives are owned by platform/
// PlatformHandles.h instead, through the installed platform.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/UniqueAny.h"
#include "platform/WinTypes.h"

#ifdef _WIN32
#include <commctrl.h>
#endif

// Traits for a handle closed by one Win32 function; kInvalid is the value that means
// "nothing held" (0 for most kinds, -1 for find handles and file handles).
template <typename T, auto CloseFunction, std::intptr_t kInvalid = 0>
struct Win32HandleTraits {
  using Handle = T;
  static Handle Invalid() { return reinterpret_cast<Handle>(kInvalid); }
  static void Close(Handle handle) { CloseFunction(handle); }
};

using UniqueFindHandle = UniqueAny<Win32HandleTraits<HANDLE, ::FindClose, -1>>;
using UniqueBstr = UniqueAny<Win32HandleTraits<BSTR, ::SysFreeString>>;
using UniqueLocalMemory = UniqueAny<Win32HandleTraits<HLOCAL, ::LocalFree>>;
using UniqueHandle = UniqueAny<Win32HandleTraits<HANDLE, ::CloseHandle>>;
using UniqueFileHandle = UniqueAny<Win32HandleTraits<HANDLE, ::CloseHandle, -1>>;
using UniqueWin32ScHandle = UniqueAny<Win32HandleTraits<SC_HANDLE, ::CloseServiceHandle>>;
// A registry key a Windows test opens itself, to read what the code under test wrote.
using UniqueWin32Key = UniqueAny<Win32HandleTraits<HKEY, ::RegCloseKey>>;
// Window objects: fonts and brushes made for a control, a helper window (a tooltip) that a
// control creates beside itself, icons loaded at a size of our choosing, and image lists.
// A font or brush that a control holds is replaced by handing the control the new one
// first and only then letting the old owner go.
using UniqueFont = UniqueAny<Win32HandleTraits<HFONT, ::DeleteObject>>;
using UniqueBrush = UniqueAny<Win32HandleTraits<HBRUSH, ::DeleteObject>>;
using UniquePen = UniqueAny<Win32HandleTraits<HPEN, ::DeleteObject>>;
using UniqueWindow = UniqueAny<Win32HandleTraits<HWND, ::DestroyWindow>>;
using UniqueWin32Icon = UniqueAny<Win32HandleTraits<HICON, ::DestroyIcon>>;
using UniqueMemoryDc = UniqueAny<Win32HandleTraits<HDC, ::DeleteDC>>;
using UniqueGdiBitmap = UniqueAny<Win32HandleTraits<HBITMAP, ::DeleteObject>>;
using UniqueImageList = UniqueAny<Win32HandleTraits<HIMAGELIST, ::ImageList_Destroy>>;

// A device context from GetDC, given back to its window (or the screen's, for none).
class TWindowDc {
 public:
  explicit TWindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~TWindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  TWindowDc(const TWindowDc&) = delete;
  TWindowDc& operator=(const TWindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The device context of a WM_PAINT, from BeginPaint to EndPaint.
class TPaintDc {
 public:
  explicit TPaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~TPaintDc() { ::EndPaint(window_, &paint_); }
  TPaintDc(const TPaintDc&) = delete;
  TPaintDc& operator=(const TPaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context; the one it replaced goes back when the scope
// ends, so the context never leaves holding an object about to be deleted. Nothing is
// selected for a null object.
class TSelectedObject {
 public:
  TSelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
  ~TSelectedObject() {
    if (previous_) ::SelectObject(dc_, previous_);
  }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Painting on a bitmap of the area's size, copied onto the target in one piece when the
// scope ends, so the screen never shows a half-drawn picture. Without the memory for the
// bitmap, get() is the target itself: flicker rather than nothing.
class TBufferedPaint {
 public:
  TBufferedPaint(HDC target, int width, int height)
      : target_(target), width_(width > 0 ? width : 1), height_(height > 0 ? height : 1),
        memory_(::CreateCompatibleDC(target)),
        bitmap_(memory_ ? ::CreateCompatibleBitmap(target, width_, height_) : nullptr),
        selected_(bitmap_ ? memory_.get() : nullptr, bitmap_.get()) {}
  ~TBufferedPaint() {
    if (bitmap_) ::BitBlt(target_, 0, 0, width_, height_, memory_.get(), 0, 0, SRCCOPY);
  }
  TBufferedPaint(const TBufferedPaint&) = delete;
  TBufferedPaint& operator=(const TBufferedPaint&) = delete;
  HDC get() const { return bitmap_ ? memory_.get() : target_; }

 private:
  HDC target_;
  int width_;
  int height_;
  // Declared in the order they are made: the bitmap is deselected before it is deleted,
  // and deleted before its context.
  UniqueMemoryDc memory_;
  UniqueGdiBitmap bitmap_;
  TSelectedObject selected_;
};

// One reference to a COM object, released when the owner goes.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* adopted) : pointer_(adopted) {}
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out-parameters: releases what is held and hands out the slot.
  T** put() {
    reset();
    return &pointer_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (T* old = std::exchange(pointer_, nullptr)) old->Release();
  }

 private:
  T* pointer_ = nullptr;
};

// A VARIANT that clears itself (VariantClear frees a BSTR or releases an object in it).
class UniqueVariant {
 public:
  UniqueVariant() { ::VariantInit(&value_); }
  ~UniqueVariant() { ::VariantClear(&value_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;

  VARIANT& get() { return value_; }

 private:
  VARIANT value_;
};
