#include "platform/win32/Win32Resources.h"

HRSRC Win32Resources::FindResourceW(HMODULE module, const wchar_t* name, const wchar_t* type,
                                    DWORD* error) {
  HRSRC resource = ::FindResourceW(module, name, type);
  if (resource == nullptr) *error = ::GetLastError();
  return resource;
}

HGLOBAL Win32Resources::LoadResource(HMODULE module, HRSRC resource, DWORD* error) {
  HGLOBAL data = ::LoadResource(module, resource);
  if (data == nullptr) *error = ::GetLastError();
  return data;
}

const void* Win32Resources::LockResource(HGLOBAL data) { return ::LockResource(data); }

DWORD Win32Resources::SizeofResource(HMODULE module, HRSRC resource, DWORD* error) {
  ::SetLastError(NO_ERROR);
  const DWORD size = ::SizeofResource(module, resource);
  *error = ::GetLastError();
  return size;
}
