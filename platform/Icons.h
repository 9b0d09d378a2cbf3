// The icons the shell associates with files, and their conversion to the .ico format.
#pragma once

#include <string>

#include "platform/Resources.h"
#include "platform/WinTypes.h"

#ifndef _WIN32
struct HICON__;
using HICON = HICON__*;
#endif

class IIcons {
 public:
  virtual ~IIcons() = default;

  // ExtractAssociatedIconW with no module handle (instance is passed through). path is
  // in and out: it must have room for MAX_PATH characters, and may receive the file
  // whose icon was used; iconIndex is in and out likewise. nullptr when no icon results.
  // The icon is the caller's to DestroyIcon.
  [[nodiscard]] virtual HICON ExtractAssociatedIconW(HINSTANCE instance, wchar_t* path,
                                                     WORD* iconIndex) = 0;
  virtual BOOL DestroyIcon(HICON icon) = 0;
  // The icon as the bytes of an .ico file with one 32-bit image (alpha from the icon, or
  // from its mask when it has none), at the icon's own size. FALSE with the GetLastError
  // code in *error.
  [[nodiscard]] virtual BOOL SaveIconToIco(HICON icon, std::string* ico, DWORD* error) = 0;
};
