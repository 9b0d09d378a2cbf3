// The report list view: the common control in owner-data mode over rows that its user
// keeps, with its own custom draw (grey text for switched-off rows, a face of its own for
// a column, the row under the mouse), a first column that fills what the second leaves,
// the type-ahead's find, a busy state, and the object a screen reader asks for.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Lib/AutorunRows.h"
#include "Tavin/ImageCollection.h"
#include "platform/win32/Win32Handles.h"
#include "ui/win32/CollectionImageList.h"
#include "ui/win32/Form.h"
#include "ui/win32/ListHotRow.h"

class TListAccessible;

// What the list asks of whoever keeps its rows (rows count from 0).
struct TListViewRows {
  std::function<int()> count;
  std::function<const std::wstring&(int row, int column)> text;
  std::function<int(int row)> image;
  // A switched-off row is drawn grey and said so to a screen reader.
  std::function<bool(int row)> enabled;
  // The first row from `start` on (all round when `wrap`) whose first column `match`
  // accepts, or -1.
  std::function<int(std::wstring_view text, int start, bool wrap, TPrefixMatch match)> find;
};

class TListView : public TControl {
 public:
  // Two columns: the first fills what the second leaves; the second keeps the width it
  // was made with (at 96 dpi) or that the user dragged it to.
  TListView(TComponent* owner, std::wstring name, HWND parent, TListViewRows rows,
            const std::wstring& firstTitle, const std::wstring& secondTitle, int secondWidth96);
  ~TListView() override;

  // The images of the first column, from a collection that outlives the list; the image
  // list is made again at each resolution.
  void SetImages(TImageCollection* images, int iconSize96, int rowHeight96);
  int ImageCount() const { return imageList_ ? imageList_->Count() : 0; }
  // The second column's text in a face of its own (the size stays the list's).
  void SetSecondColumnFace(std::wstring face);
  HFONT Font() const { return font_.get(); }

  // The rows changed: the list takes their number and draws them again.
  void RowsChanged();
  int FocusedRow() const;
  int SelectedRow() const;
  // The program's own moves of the selection, which are not the user's choice and so
  // set off no OnSelectionChanged. -1: none. The selected row is scrolled into view.
  void SetSelection(int selected, int focused);
  void SelectRow(int row);

  // Busy: the wait-and-work cursor over the list, and `text` where it has no rows.
  void SetBusy(bool busy, std::wstring text = {});
  bool Busy() const { return busy_; }

  // The row this program lights under the mouse (-1: none), and whether it lights one at
  // all: not where the list's theme draws its own.
  int HotRow() const { return hotRow_; }
  bool DrawsOwnHotRow() const;
  // The theme as the list finds it; a test may say what it is instead.
  TListThemeFacts ThemeFacts() const;
  void SetThemeFactsForTest(std::optional<TListThemeFacts> facts) { factsForTest_ = facts; }

  // Mouse, keyboard and type-ahead moved the selection.
  std::function<void()> OnSelectionChanged;
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void(WORD key)> OnKeyDown;
  // The right button went down on a row, which the list has selected first.
  std::function<void(int row)> OnRightClick;
  // The context menu is wanted at a point on the screen; from the keyboard it is below
  // the focused row.
  std::function<void(POINT at)> OnContextMenu;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void DpiChanged(UINT dpi) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Destroyed() override;

 private:
  LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);
  LRESULT FindItem(const NMLVFINDITEMW& find) const;
  LRESULT HeaderNotify(WPARAM wParam, const NMHEADERW& header);
  void GetDisplayInfo(NMLVDISPINFOW& info) const;
  // Column widths for the client area; `dragged` is the column whose divider the user
  // moved, -1 for none.
  void FitColumns(int dragged);
  void SetHotRow(int row);
  void RebuildFonts();
  void RebuildImages();
  void PaintBusyText();
  POINT MenuPointFromKeyboard() const;
  bool ValidRow(int row) const { return row >= 0 && row < rows_.count(); }

  TListViewRows rows_;
  UINT dpi_ = 96;
  int secondWidth96_;
  // The second column's width as made or as the user dragged it, in pixels.
  int secondWidth_ = 0;
  std::wstring secondFace_;
  UniqueFont font_;
  UniqueFont secondFont_;
  TImageCollection* images_ = nullptr;
  int iconSize96_ = 16;
  int rowHeight96_ = 24;
  std::unique_ptr<TCollectionImageList> imageList_;
  bool busy_ = false;
  std::wstring busyText_;
  // Set while the list itself moves the selection.
  bool settingSelection_ = false;
  bool fittingColumns_ = false;
  bool trackingDivider_ = false;
  bool trackingMouse_ = false;
  int hotRow_ = -1;
  std::optional<TListThemeFacts> factsForTest_;
  // Handed to screen readers through WM_GETOBJECT; cut off when the list goes.
  TListAccessible* accessible_ = nullptr;
};
