#include "ui/win32/ListView.h"

#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "ui/win32/Fonts.h"
#include "ui/win32/ListAccessible.h"

namespace {

constexpr int kSmallestColumnWidth = 24;
// The highlight of the row under the mouse where no theme draws one (the explorer
// theme's hot row is a light blue of about this shade).
constexpr COLORREF kHotRowColor = RGB(0xE5, 0xF3, 0xFF);
// Posted to the list to fit the columns once the header has taken a dragged width.
constexpr UINT kFitAfterDrag = WM_APP + 40;

// The list's type-ahead compares as Windows compares names: ignoring case across the
// whole of Unicode, not only a-z.
bool StartsTextIgnoringCase(std::wstring_view prefix, std::wstring_view text) {
  if (text.size() < prefix.size()) return false;
  return ::CompareStringOrdinal(prefix.data(), static_cast<int>(prefix.size()), text.data(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

// A whole name, for a find without LVFI_PARTIAL: the same comparison over all of it.
bool SameTextIgnoringCase(std::wstring_view name, std::wstring_view text) {
  return text.size() == name.size() && StartsTextIgnoringCase(name, text);
}

bool CursorOver(HWND window) {
  POINT cursor{};
  return ::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) == window;
}

}  // namespace

TListView::TListView(TComponent* owner, std::wstring name, HWND parent, TListViewRows rows,
                     const std::wstring& firstTitle, const std::wstring& secondTitle,
                     int secondWidth96)
    : TControl(owner, std::move(name)), rows_(std::move(rows)), secondWidth96_(secondWidth96) {
  CreateControl(WC_LISTVIEWW, L"", 0,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                    LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
                0, 0, 0, 0, parent);
  const HWND list = Handle();
  dpi_ = DpiOfWindow(list);
  secondWidth_ = ScaleForDpi(secondWidth96_, dpi_);
  // The explorer look: its selection, and its own light highlight of the row under the
  // mouse. LVS_EX_TRACKSELECT is not wanted for that: it brings the hand cursor, selects
  // on hovering and opens on one click.
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  (void)::SetWindowTheme(list, L"Explorer", nullptr);
  // No focus rectangle on the rows. WM_UPDATEUISTATE reaches the list alone (and its
  // header); WM_CHANGEUISTATE would travel up to the window and hide the button's too.
  ::SendMessageW(list, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  // The list's accessible name: a screen reader says it when the list takes the focus.
  ::SetWindowTextW(list, firstTitle.c_str());
  const std::wstring* titles[2] = {&firstTitle, &secondTitle};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.pszText = const_cast<wchar_t*>(titles[column]->c_str());
    info.cx = column == 0 ? ScaleForDpi(200, dpi_) : secondWidth_;
    ListView_InsertColumn(list, column, &info);
  }
  RebuildFonts();
}

TListView::~TListView() {
  // The window goes before the image list and the fonts it was given.
  if (HWND list = Handle()) ::DestroyWindow(list);
}

void TListView::Destroyed() {
  if (accessible_) {
    accessible_->Disconnect();
    accessible_->Release();
    accessible_ = nullptr;
  }
}

void TListView::SetImages(TImageCollection* images, int iconSize96, int rowHeight96) {
  images_ = images;
  iconSize96_ = iconSize96;
  rowHeight96_ = rowHeight96;
  RebuildImages();
}

void TListView::SetSecondColumnFace(std::wstring face) {
  secondFace_ = std::move(face);
  RebuildFonts();
}

void TListView::RebuildImages() {
  if (!images_ || !Handle()) return;
  // The list view makes a row one pixel higher than its small images (the padding under
  // the text), so the cells are one short of the row height. The new list is in place
  // before the old one goes.
  auto images = std::make_unique<TCollectionImageList>(*images_, ScaleForDpi(iconSize96_, dpi_),
                                                       ScaleForDpi(rowHeight96_, dpi_) - 1);
  ListView_SetImageList(Handle(), images->Handle(), LVSIL_SMALL);
  imageList_ = std::move(images);
}

void TListView::RebuildFonts() {
  // The message font the user chose, at its size: a larger text size in the display
  // settings reaches the list and its header.
  LOGFONTW face = MessageFontAt(dpi_);
  UniqueFont font = CreateFontFrom(face);
  UniqueFont second;
  // Only the face changes for the second column; size and colour stay the list's.
  if (!secondFace_.empty()) {
    wcsncpy_s(face.lfFaceName, secondFace_.c_str(), _TRUNCATE);
    second = CreateFontFrom(face);
  }
  // The list takes the new font before the old one is deleted under it.
  ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);
  secondFont_ = std::move(second);
}

void TListView::DpiChanged(UINT dpi) {
  dpi_ = dpi;
  // The second column keeps its 96-dpi width on the new scale.
  secondWidth_ = ScaleForDpi(secondWidth96_, dpi_);
  ListView_SetColumnWidth(Handle(), 1, secondWidth_);
  RebuildFonts();
  RebuildImages();
  RowsChanged();
  FitColumns(-1);
}

void TListView::RowsChanged() {
  ListView_SetItemCountEx(Handle(), rows_.count(), LVSICF_NOSCROLL);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

int TListView::FocusedRow() const {
  // Without the list (closed meanwhile) the message would answer 0, a row number.
  if (!Handle()) return -1;
  const int row = ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED);
  return ValidRow(row) ? row : -1;
}

int TListView::SelectedRow() const {
  if (!Handle()) return -1;
  const int row = ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
  return ValidRow(row) ? row : -1;
}

void TListView::SetSelection(int selected, int focused) {
  const HWND list = Handle();
  settingSelection_ = true;
  // An owner-data list keeps states by row number: clear them all first.
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
  if (const int was = ListView_GetNextItem(list, -1, LVNI_FOCUSED); was >= 0) {
    ListView_SetItemState(list, was, 0, LVIS_FOCUSED);
  }
  if (focused >= 0) ListView_SetItemState(list, focused, LVIS_FOCUSED, LVIS_FOCUSED);
  if (selected >= 0) ListView_SetItemState(list, selected, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetSelectionMark(list, selected);
  // Rows emptied and filled again scroll the list to its top.
  if (selected >= 0) ListView_EnsureVisible(list, selected, FALSE);
  settingSelection_ = false;
}

void TListView::SelectRow(int row) {
  settingSelection_ = true;
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED);
  ListView_SetItemState(Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetSelectionMark(Handle(), row);
  settingSelection_ = false;
}

void TListView::SetBusy(bool busy, std::wstring text) {
  busy_ = busy;
  busyText_ = std::move(text);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  if (CursorOver(Handle())) {
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_APPSTARTING : IDC_ARROW));
  }
}

void TListView::PaintBusyText() {
  const HWND list = Handle();
  if (!busy_ || busyText_.empty() || rows_.count() > 0) return;
  RECT area{};
  ::GetClientRect(list, &area);
  RECT header{};
  if (HWND head = ListView_GetHeader(list); head && ::GetWindowRect(head, &header)) {
    area.top += header.bottom - header.top;
  }
  area.top += ScaleForDpi(8, dpi_);
  const TWindowDc dc(list);
  if (!dc) return;
  const TSelectedObject font(dc.get(), font_.get());
  ::SetBkMode(dc.get(), TRANSPARENT);
  ::SetTextColor(dc.get(), ::GetSysColor(COLOR_GRAYTEXT));
  ::DrawTextW(dc.get(), busyText_.c_str(), static_cast<int>(busyText_.size()), &area,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void TListView::FitColumns(int dragged) {
  // Column 0 takes what the second column leaves of the list's client area, whose width
  // also changes when the vertical scroll bar comes or goes; the two together are never
  // wider than it, so no horizontal scroll bar appears and no gap is left. After the
  // user drags column 0's divider, the second column takes the rest instead, down to its
  // smallest width. The second column's chosen width is kept apart from its width now,
  // so a list narrower for a moment (not laid out yet, a small window) does not shrink
  // it for good.
  const HWND list = Handle();
  if (fittingColumns_ || !list || (trackingDivider_ && dragged < 0)) return;
  RECT inner{};
  ::GetClientRect(list, &inner);
  const int width = std::max(0, static_cast<int>(inner.right));
  if (width == 0) return;
  fittingColumns_ = true;
  const int smallest = ScaleForDpi(kSmallestColumnWidth, dpi_);
  if (dragged == 0) secondWidth_ = std::max(smallest, width - ListView_GetColumnWidth(list, 0));
  if (dragged == 1) secondWidth_ = std::max(smallest, ListView_GetColumnWidth(list, 1));
  const int second = std::min(secondWidth_, width);
  if (ListView_GetColumnWidth(list, 1) != second) ListView_SetColumnWidth(list, 1, second);
  if (ListView_GetColumnWidth(list, 0) != width - second) ListView_SetColumnWidth(list, 0, width - second);
  fittingColumns_ = false;
}

void TListView::SetHotRow(int row) {
  if (row == hotRow_) return;
  const int previous = std::exchange(hotRow_, row);
  if (ValidRow(previous)) ListView_RedrawItems(Handle(), previous, previous);
  if (row >= 0) ListView_RedrawItems(Handle(), row, row);
}

TListThemeFacts TListView::ThemeFacts() const {
  return factsForTest_ ? *factsForTest_ : ReadListThemeFacts(Handle());
}

bool TListView::DrawsOwnHotRow() const { return ProgramDrawsHotRow(ThemeFacts(), HighContrastOn()); }

LRESULT TListView::CustomDraw(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // No focus rectangle, whatever the keyboard cues say.
      draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_FOCUS);
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto row = static_cast<int>(draw->nmcd.dwItemSpec);
      const bool enabled = !ValidRow(row) || rows_.enabled(row);
      draw->clrText = ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
      // Where the theme draws no hot row (no visual styles, a theme without the list-item
      // part, Wine's list), the row under the mouse gets a light highlight from here, and
      // in high contrast the scheme's highlight pair. A selected row keeps the
      // selection's colours.
      if (row == hotRow_ && ValidRow(row) &&
          !(ListView_GetItemState(Handle(), row, LVIS_SELECTED) & LVIS_SELECTED) &&
          DrawsOwnHotRow()) {
        if (HighContrastOn()) {
          draw->clrTextBk = ::GetSysColor(COLOR_HIGHLIGHT);
          draw->clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else {
          draw->clrTextBk = kHotRowColor;
        }
      }
      // Left selected: the list puts its own font back after the item.
      const HFONT font = draw->iSubItem == 1 && secondFont_ ? secondFont_.get() : font_.get();
      ::SelectObject(draw->nmcd.hdc, font);
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void TListView::GetDisplayInfo(NMLVDISPINFOW& info) const {
  const int row = info.item.iItem;
  if (!ValidRow(row)) return;
  if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
    const std::wstring& text = rows_.text(row, info.item.iSubItem == 0 ? 0 : 1);
    // The list's buffer holds cchTextMax characters, the terminating NUL included.
    const size_t count = std::min(text.size(), static_cast<size_t>(info.item.cchTextMax - 1));
    std::copy_n(text.begin(), count, info.item.pszText);
    info.item.pszText[count] = L'\0';
  }
  if (info.item.mask & LVIF_IMAGE) info.item.iImage = info.item.iSubItem == 0 ? rows_.image(row) : -1;
}

LRESULT TListView::FindItem(const NMLVFINDITEMW& find) const {
  // Only the type-ahead's kind of search is answered: a prefix of the first column.
  if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
  const std::wstring_view text(find.lvfi.psz);
  const bool wrap = (find.lvfi.flags & LVFI_WRAP) != 0;
  // A whole name without LVFI_PARTIAL: the first row that is that name, past longer
  // names that begin with it.
  return rows_.find(text, find.iStart, wrap,
                    (find.lvfi.flags & LVFI_PARTIAL) ? StartsTextIgnoringCase : SameTextIgnoringCase);
}

bool TListView::HandleReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_NOTIFY) return false;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  result = 0;
  switch (header->code) {
    case LVN_GETDISPINFOW:
      GetDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(header));
      return true;
    case NM_CUSTOMDRAW:
      result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
      return true;
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      if (!settingSelection_ && (change->uChanged & LVIF_STATE) &&
          ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) && OnSelectionChanged) {
        OnSelectionChanged();
      }
      return true;
    }
    case LVN_ODFINDITEMW:
      result = FindItem(*reinterpret_cast<NMLVFINDITEMW*>(header));
      return true;
    case NM_CLICK:
      if (OnClick) OnClick();
      return true;
    case NM_DBLCLK:
      if (OnDblClick) OnDblClick();
      return true;
    case LVN_KEYDOWN:
      if (OnKeyDown) OnKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
      return true;
    case NM_RCLICK: {
      // The row under the mouse becomes the selected one, so a menu speaks of the row
      // the user pointed at. Answering 0 lets the list send WM_CONTEXTMENU.
      const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
      if (ValidRow(row)) {
        SelectRow(row);
        if (OnRightClick) OnRightClick(row);
      }
      return true;
    }
    default:
      return false;
  }
}

LRESULT TListView::HeaderNotify(WPARAM wParam, const NMHEADERW& header) {
  switch (header.hdr.code) {
    case HDN_BEGINTRACKW:
      // While a divider is dragged the columns may be wider than the list for a moment;
      // the scroll bar that comes and goes then must not fit them back to the width from
      // before the drag.
      trackingDivider_ = true;
      break;
    case HDN_ENDTRACKW:
      // Fitted once the header has taken the new width; widths set by the program end no
      // track, so they are not taken for a drag.
      ::PostMessageW(Handle(), kFitAfterDrag, static_cast<WPARAM>(header.iItem), 0);
      break;
    case HDN_DIVIDERDBLCLICKW: {
      // The list sizes the column to its texts; the other column then fills the rest.
      const LRESULT result = DefaultMessage(WM_NOTIFY, wParam, reinterpret_cast<LPARAM>(&header));
      FitColumns(header.iItem);
      return result;
    }
    default:
      break;
  }
  return DefaultMessage(WM_NOTIFY, wParam, reinterpret_cast<LPARAM>(&header));
}

POINT TListView::MenuPointFromKeyboard() const {
  // Below the focused row, or at the list's corner when no row has the focus.
  RECT place{};
  const int row = FocusedRow();
  if (row < 0 || !ListView_GetItemRect(Handle(), row, &place, LVIR_LABEL)) {
    ::GetClientRect(Handle(), &place);
    place.bottom = place.top;
  }
  POINT at{place.left, place.bottom};
  ::ClientToScreen(Handle(), &at);
  return at;
}

LRESULT TListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND list = Handle();
  switch (message) {
    case WM_SIZE: {
      // Also when only the scroll bar came or went: the client area changed.
      const LRESULT result = DefaultMessage(message, wParam, lParam);
      FitColumns(-1);
      return result;
    }
    case WM_MOUSEMOVE: {
      // The row under the mouse, for the highlight where no theme draws one.
      if (!trackingMouse_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, list, 0};
        trackingMouse_ = ::TrackMouseEvent(&track) != FALSE;
      }
      LVHITTESTINFO hit{};
      hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int row = ListView_SubItemHitTest(list, &hit);
      SetHotRow(row >= 0 && (hit.flags & LVHT_ONITEM) ? row : -1);
      break;
    }
    case WM_MOUSELEAVE:
      trackingMouse_ = false;
      SetHotRow(-1);
      break;
    case WM_GETDLGCODE: {
      // Enter is the list's own (it opens the row); the dialog keys would otherwise take
      // it for a default button the window does not have.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = DefaultMessage(message, wParam, lParam);
      if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return code | DLGC_WANTALLKEYS;
      return code;
    }
    case WM_NOTIFY: {
      // The header is the list's own child, so its notifications come here first.
      const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
      if (header->hdr.hwndFrom == ListView_GetHeader(list)) return HeaderNotify(wParam, *header);
      break;
    }
    case kFitAfterDrag:
      trackingDivider_ = false;
      FitColumns(static_cast<int>(wParam));
      return 0;
    case WM_CONTEXTMENU:
      if (OnContextMenu) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // (-1, -1) comes from the keyboard: Shift+F10 or the menu key.
        if (at.x == -1 && at.y == -1) at = MenuPointFromKeyboard();
        OnContextMenu(at);
        return 0;
      }
      break;
    case WM_GETOBJECT:
      // The rows for a screen reader: names, selection, and a switched-off entry said in
      // words. Other objects (the window, the scroll bars) are the system's.
      if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        if (!accessible_) {
          TListRowsForAccess access;
          access.count = rows_.count;
          access.name = [this](int row) { return rows_.text(row, 0); };
          access.enabled = rows_.enabled;
          accessible_ = new TListAccessible(list, std::move(access));
        }
        return ::LresultFromObject(__uuidof(IAccessible), wParam, accessible_);
      }
      break;
    case WM_SETCURSOR:
      // Busy: the list answers, and says that it is still at work.
      if (busy_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
        return TRUE;
      }
      break;
    case WM_PAINT: {
      const LRESULT result = DefaultMessage(message, wParam, lParam);
      PaintBusyText();
      return result;
    }
    case WM_SETTINGCHANGE:
      // The window passes it on; a new text size or font reaches the list's rows.
      if (FontSettingsChanged(wParam, lParam)) {
        const LRESULT result = DefaultMessage(message, wParam, lParam);
        RebuildFonts();
        RowsChanged();
        return result;
      }
      break;
    default:
      break;
  }
  return TWindow::HandleMessage(message, wParam, lParam);
}
