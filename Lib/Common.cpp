#include "Lib/Common.h"

#include "platform/Platform.h"

void ShellOpen(const std::wstring& url) {
  (void)PlatformShell().ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr,
                                      SW_SHOWNORMAL);
}
