// The texts of the update dialog and the status bar, in eight languages of their own,
// and where the dialog's notice area goes. The texts do not come from the translation
// table: the update notice must read right even when the table cannot be loaded, and it
// covers German, which the table lacks.
#pragma once

#include <string>

// What GetUpdateText supplies.
enum TUpdateTextKind : int {
  kUpdateMessage = 0,  // three sentences, an empty line between two
  kUpdateStatus = 1,   // the status bar's text
  kUpdateYes = 2,      // the Yes button's caption
  kUpdateNo = 3,       // the No button's caption
};

// The text of a kind in CurrentLanguage: ko, ja, zh, de, ru, it and fr have their own,
// every other code English. An unknown kind gives an empty text.
std::wstring GetUpdateText(int kind);

// Where the notice area sits in the update dialog, in device pixels. The dialog first
// grows by `growth`; the tops are then measured from the grown outer height, frame and
// title bar included, which is how the area comes to sit below the buttons whatever
// the message's length.
struct TNoticeAreaGeometry {
  int growth = 0;
  int separatorLeft = 0;
  int separatorTop = 0;
  int separatorWidth = 0;
  int separatorHeight = 0;  // one pixel at every resolution: a hairline
  int controlLeft = 0;
  int controlTop = 0;
  int controlWidth = 0;
};

// offset is DialogOffset (pixels at 96 dpi); outerWidth and outerHeight the dialog's
// outer size before it grows.
TNoticeAreaGeometry NoticeAreaGeometry(int offset, int dpi, int outerWidth, int outerHeight);

// value × dpi / 96, rounded to the nearest pixel, halves away from zero (as MulDiv).
int ScaleAt96(int value, int dpi);
