// Associated icons from shell32, and their conversion to .ico bytes through GDI.
#pragma once

#include "platform/Icons.h"

class Win32Icons final : public IIcons {
 public:
  HICON ExtractAssociatedIconW(HINSTANCE instance, wchar_t* path, WORD* iconIndex) override;
  BOOL DestroyIcon(HICON icon) override;
  BOOL SaveIconToIco(HICON icon, std::string* ico, DWORD* error) override;
};
