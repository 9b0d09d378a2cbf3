// Owners for the handles the Win32 adapters (and the Windows tests) hold. Registry keys
// and service handles that the portable code receives are owned by platform/
// PlatformHandles.h instead, through the installed platform.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/UniqueAny.h"
#include "platform/WinTypes.h"

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
// Window objects: fonts and brushes made for a control, a helper window (a tooltip) that a
// control creates beside itself, and icons loaded at a size of our choosing.
using UniqueFont = UniqueAny<Win32HandleTraits<HFONT, ::DeleteObject>>;
using UniqueBrush = UniqueAny<Win32HandleTraits<HBRUSH, ::DeleteObject>>;
using UniqueWindow = UniqueAny<Win32HandleTraits<HWND, ::DestroyWindow>>;
using UniqueWin32Icon = UniqueAny<Win32HandleTraits<HICON, ::DestroyIcon>>;
using UniqueMemoryDc = UniqueAny<Win32HandleTraits<HDC, ::DeleteDC>>;
using UniqueGdiBitmap = UniqueAny<Win32HandleTraits<HBITMAP, ::DeleteObject>>;

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
