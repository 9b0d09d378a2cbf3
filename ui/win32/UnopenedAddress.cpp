#include "ui/win32/UnopenedAddress.h"

#include <cstring>

#include "Tavin/Translate.h"
#include "ui/win32/Window.h"

namespace {

// Puts the text on the clipboard as Unicode text; the clipboard owns the memory once
// SetClipboardData took it.
void CopyToClipboard(HWND owner, const std::wstring& text) {
  if (!::OpenClipboard(owner)) return;
  struct Closer {
    ~Closer() { ::CloseClipboard(); }
  } closer;
  ::EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return;
  void* target = ::GlobalLock(memory);
  if (target == nullptr) {
    ::GlobalFree(memory);
    return;
  }
  std::memcpy(target, text.c_str(), bytes);
  ::GlobalUnlock(memory);
  if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) ::GlobalFree(memory);
}

}  // namespace

void ShowUnopenedAddress(HWND owner, const std::wstring& address) {
  const std::wstring text =
      TranslateText(L"브라우저에서 이 주소를 열 수 없었습니다. 주소를 클립보드에 복사할까요?") +
      L"\r\n\r\n" + address;
  // A test records its messages instead of showing boxes nobody would close.
  TErrorReporter recorder = SetErrorReporter(nullptr);
  SetErrorReporter(recorder);
  if (recorder) {
    recorder(owner, text);
    return;
  }
  if (::MessageBoxW(owner, text.c_str(), L"Orvane", MB_YESNO | MB_ICONINFORMATION) == IDYES)
    CopyToClipboard(owner, address);
}
