// Serving a test's windows: the messages waiting now, or until painting and posted work
// have settled; and a pixel of a window after it has painted itself again.
#pragma once

#include <windows.h>

// Runs the messages waiting now and returns.
inline void PumpOnce() {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// A few rounds with short pauses, so messages that handling posts (repaints, hover
// tracking, timers) are run as well before a check.
inline void Pump() {
  for (int round = 0; round < 3; ++round) {
    PumpOnce();
    ::Sleep(10);
  }
}

// The colour at (x, y) of the window's client area, painted afresh with its children.
inline COLORREF PixelOf(HWND window, int x, int y) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC dc = ::GetDC(window);
  const COLORREF pixel = ::GetPixel(dc, x, y);
  ::ReleaseDC(window, dc);
  return pixel;
}
