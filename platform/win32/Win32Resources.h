// The program's own resources, straight through to kernel32.
#pragma once

#include "platform/Resources.h"

class Win32Resources final : public IResources {
 public:
  HRSRC FindResourceW(HMODULE module, const wchar_t* name, const wchar_t* type,
                      DWORD* error) override;
  HGLOBAL LoadResource(HMODULE module, HRSRC resource, DWORD* error) override;
  const void* LockResource(HGLOBAL data) override;
  DWORD SizeofResource(HMODULE module, HRSRC resource, DWORD* error) override;
};
