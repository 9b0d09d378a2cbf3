// The program's own embedded resources, in the shape of FindResourceW, LoadResource,
// LockResource and SizeofResource on the program's own module (module handle nullptr).
#pragma once

#include "platform/WinTypes.h"

#ifndef _WIN32
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HRSRC__;
using HRSRC = HRSRC__*;
using HGLOBAL = void*;

// A resource type or name is a text or a 16-bit number smuggled in a pointer.
#define MAKEINTRESOURCEW(i) (reinterpret_cast<wchar_t*>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define IS_INTRESOURCE(r) ((reinterpret_cast<ULONG_PTR>(r) >> 16) == 0)
#define RT_RCDATA MAKEINTRESOURCEW(10)

constexpr DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;
#endif

class IResources {
 public:
  virtual ~IResources() = default;

  // FindResourceW: the resource's handle, or nullptr with the GetLastError code in
  // *error (ERROR_RESOURCE_TYPE_NOT_FOUND, ERROR_RESOURCE_NAME_NOT_FOUND). Text names are
  // matched without regard to case.
  [[nodiscard]] virtual HRSRC FindResourceW(HMODULE module, const wchar_t* name,
                                            const wchar_t* type, DWORD* error) = 0;
  // LoadResource: nullptr with the GetLastError code in *error.
  [[nodiscard]] virtual HGLOBAL LoadResource(HMODULE module, HRSRC resource, DWORD* error) = 0;
  // LockResource: the first byte of the data; the data lives as long as the module.
  [[nodiscard]] virtual const void* LockResource(HGLOBAL data) = 0;
  // SizeofResource: 0 with the GetLastError code in *error for a bad handle (an empty
  // resource is also 0, with NO_ERROR).
  [[nodiscard]] virtual DWORD SizeofResource(HMODULE module, HRSRC resource, DWORD* error) = 0;
};
