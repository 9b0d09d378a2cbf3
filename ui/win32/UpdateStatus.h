// The update status bar: a red line of text along the bottom of the main window that
// says an update is available and opens its link when clicked.
#pragma once

#include <string>

#include "ui/win32/StatusBar.h"

// Adds the status bar to the main window (growing the window by its height, so the
// content keeps its size), or finds the one added before, and shows the status text
// with the link as its hint. Nothing without a main window.
void ShowUpdateStatus(const std::wstring& link);

// The status bar's handlers, bound without an instance.
struct TUpdateHelper {
  // Paints a panel: the bar's background, its text in the bar's bold red font, centred.
  static void DrawUpdateStatus(TStatusBar& bar, const TStatusPanel& panel, HDC dc, const RECT& rect);
  // Opens the link held in the status bar's hint.
  static void StatusClick(TComponent* sender);
};
