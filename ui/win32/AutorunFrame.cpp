#include "ui/win32/AutorunFrame.h"

#include <commdlg.h>
#include <uxtheme.h>
#include <windowsx.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

#include "Lib/CatalogueFormat.h"
#include "Lib/RefreshRead.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Handles.h"
#include "ServerAddresses.h"
#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "ui/TranslateComponent.h"
#include "ui/win32/Fonts.h"

namespace {

constexpr int kBarHeight = 49;
constexpr int kBarPadding = 8;
constexpr int kButtonWidth = 84;
constexpr int kRowHeight = 24;
constexpr int kIconSize = 16;
constexpr int kKindColumnWidth = 50;
constexpr int kSmallestColumnWidth = 24;
// The highlight of the row under the mouse where no theme draws one (the explorer
// theme's hot row is a light blue of about this shade).
constexpr COLORREF kHotRowColor = RGB(0xE5, 0xF3, 0xFF);
// Posted to the frame to run the work its notifications set off.
constexpr UINT kRunDeferred = WM_APP + 20;
// Posted to the frame by the refresh's reader when it is done.
constexpr UINT kRefreshRead = WM_APP + 21;
// How long a closing window waits for the reader before leaving it to end alone: a read
// of an offline share can take the network's whole time-out.
constexpr std::chrono::milliseconds kAbandonWait{300};

std::atomic<int> gRefreshesUnderWay{0};
std::atomic<int> gAbandonedReaders{0};

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

}  // namespace

// What the frame and its reader share. The reader fills `read` and sets `done`; the frame
// reads them only after its message says so.
struct TFrmAutorun::TRefreshJob {
  HWND window = nullptr;
  TRefreshRequest request;
  std::shared_ptr<TProductNames> names;
  std::atomic<bool> stop{false};
  TRefreshRead read;
  std::exception_ptr error;
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
};

int TFrmAutorun::RefreshesUnderWay() { return gRefreshesUnderWay; }
int TFrmAutorun::AbandonedReaders() { return gAbandonedReaders; }

TFrmAutorun::TFrmAutorun(TComponent* owner, HWND parent, const FilterList* fileWhite,
                         const FilterList* nameWhite)
    : TComponent(owner, L"FrmAutorun"),
      fileWhite_(fileWhite),
      nameWhite_(nameWhite),
      productNames_(std::make_shared<TProductNames>()) {
  AskSavePath = [this]() -> std::optional<std::wstring> {
    std::wstring title = TranslateText(L"파일 저장");
    // The filter pairs are separated by NULs and the list ends with two.
    std::wstring filter = TranslateText(L"텍스트 파일") + L" (*.txt)";
    filter.push_back(L'\0');
    filter += L"*.txt";
    filter.push_back(L'\0');
    filter += TranslateText(L"모든 파일") + L" (*.*)";
    filter.push_back(L'\0');
    filter += L"*.*";
    filter.push_back(L'\0');
    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    // Owned by the window: it is disabled meanwhile, and destroying it ends the dialog.
    dialog.hwndOwner = ::GetAncestor(Handle(), GA_ROOT);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&dialog)) return std::nullopt;
    return std::wstring(file.data());
  };
  Build(parent);
}

TFrmAutorun::~TFrmAutorun() {
  AbandonRefresh();
  // The frame's own components (the bar, its check box and button) go while the frame's
  // members they may reach are still there; then the list window, before the image list
  // and the fonts it was given.
  DestroyComponents();
  if (list_) ::DestroyWindow(list_);
}

void TFrmAutorun::Build(HWND parent) {
  CreateOwnWindow(L"OrvaneFrame", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                  0, 0, 0, parent, nullptr);
  dpi_ = DpiOfWindow(Handle());
  kindWidth_ = ScaleForDpi(kKindColumnWidth, dpi_);
  panel_ = Create<TPanel>(L"PnlAutorun", Handle());
  check_ = Create<TCheckBox>(L"ChkAllList", panel_->Handle(), L"전체목록");
  check_->OnClick = [this] { Defer([this] { ChkAllListClick(); }); };
  button_ = Create<TStyledButton>(L"BtnAutorun", panel_->Handle(), L"Tavikora", L"Outline");
  button_->SetCaption(L"사용안함");
  button_->OnClick = [this] { Defer([this] { BtnAutorunClick(); }); };
  menu_ = Create<TPopupMenu>(L"Menu");
  saveItem_ = Create<TMenuItem>(L"BtnSave", L"목록 저장");
  menu_->Items()->Add(saveItem_);

  TranslateComponent(this, L"");

  list_ = ::CreateWindowExW(0, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                                LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER |
                                LVS_SHAREIMAGELISTS,
                            0, 0, 0, 0, Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  // The explorer look: its selection, and its own light highlight of the row under the
  // mouse. LVS_EX_TRACKSELECT is not wanted for that: it brings the hand cursor, selects
  // on hovering and opens on one click.
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  (void)::SetWindowTheme(list_, L"Explorer", nullptr);
  // No focus rectangle on the rows. WM_UPDATEUISTATE reaches the list alone (and its
  // header); WM_CHANGEUISTATE would travel up to the window and hide the button's too.
  ::SendMessageW(list_, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  // First in the tab order, as it stands first on the screen: the list, then the bar's
  // check box and button. Tab follows the order of the windows, and the bar was made first.
  ::SetWindowPos(list_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowSubclass(list_, &TFrmAutorun::ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  ::SetWindowSubclass(button_->Handle(), &TFrmAutorun::BarKeyProc, 0,
                      reinterpret_cast<DWORD_PTR>(this));
  ::SetWindowSubclass(check_->Handle(), &TFrmAutorun::BarKeyProc, 0,
                      reinterpret_cast<DWORD_PTR>(this));
  const std::wstring titles[2] = {TranslateText(L"프로그램 이름"), TranslateText(L"출처")};
  // The list's accessible name: a screen reader says it when the list takes the focus.
  ::SetWindowTextW(list_, titles[0].c_str());
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.pszText = const_cast<wchar_t*>(titles[column].c_str());
    info.cx = ScaleForDpi(column == 0 ? 200 : kKindColumnWidth, dpi_);
    ListView_InsertColumn(list_, column, &info);
  }
  RebuildFonts();
}

void TFrmAutorun::RebuildFonts() {
  // The message font the user chose, at its size: a larger text size in the display
  // settings reaches the list, its header, the check box and the button.
  LOGFONTW face = MessageFontAt(dpi_);
  UniqueFont font = CreateFontFrom(face);
  // Only the face changes for the kind column; size and colour stay the list's.
  wcscpy_s(face.lfFaceName, L"Consolas");
  UniqueFont consolas = CreateFontFrom(face);
  // The controls take the new fonts before the old ones are deleted under them.
  for (HWND window : {list_, check_->Handle(), button_->Handle()}) {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  button_->SetFont(font.get());
  font_ = std::move(font);
  consolas_ = std::move(consolas);
  // The list view makes a row one pixel higher than its small images (the padding under
  // the text), so the cells are one short of the row height. The new list is in place
  // before the old one goes.
  auto images = std::make_unique<TCollectionImageList>(images_, ScaleForDpi(kIconSize, dpi_),
                                                       ScaleForDpi(kRowHeight, dpi_) - 1);
  ListView_SetImageList(list_, images->Handle(), LVSIL_SMALL);
  imageList_ = std::move(images);
  Layout();
}

void TFrmAutorun::DpiChanged(UINT dpi) {
  dpi_ = dpi;
  // The kind column keeps its 96-dpi width on the new scale.
  kindWidth_ = ScaleForDpi(kKindColumnWidth, dpi_);
  ListView_SetColumnWidth(list_, 1, kindWidth_);
  RebuildFonts();
  ShowRows();
}

void TFrmAutorun::SetBounds(int x, int y, int width, int height) {
  ::SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
}

void TFrmAutorun::Layout() {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const int bar = ScaleForDpi(kBarHeight, dpi_);
  const int pad = ScaleForDpi(kBarPadding, dpi_);
  const int listHeight = std::max(0, static_cast<int>(client.bottom) - bar);
  ::MoveWindow(list_, 0, 0, client.right, listHeight, TRUE);
  ::MoveWindow(panel_->Handle(), 0, listHeight, client.right, bar, TRUE);
  ::MoveWindow(check_->Handle(), ScaleForDpi(2, dpi_), ScaleForDpi(16, dpi_), ScaleForDpi(135, dpi_),
               ScaleForDpi(17, dpi_), TRUE);
  const int buttonWidth = ScaleForDpi(kButtonWidth, dpi_);
  ::MoveWindow(button_->Handle(), client.right - buttonWidth, pad, buttonWidth, bar - 2 * pad, TRUE);
  FitColumns(-1);
}

void TFrmAutorun::FitColumns(int dragged) {
  // Column 0 takes what the kind column leaves of the list's client area, whose width
  // also changes when the vertical scroll bar comes or goes; the two together are never
  // wider than it, so no horizontal scroll bar appears and no gap is left. After the
  // user drags column 0's divider, the kind column takes the rest instead, down to its
  // smallest width. The kind column's chosen width is kept apart from its width now, so
  // a list narrower for a moment (not laid out yet, a small window) does not shrink it
  // for good.
  if (fittingColumns_ || !list_ || (trackingDivider_ && dragged < 0)) return;
  RECT inner{};
  ::GetClientRect(list_, &inner);
  const int width = std::max(0, static_cast<int>(inner.right));
  if (width == 0) return;
  fittingColumns_ = true;
  const int smallest = ScaleForDpi(kSmallestColumnWidth, dpi_);
  if (dragged == 0) kindWidth_ = std::max(smallest, width - ListView_GetColumnWidth(list_, 0));
  if (dragged == 1) kindWidth_ = std::max(smallest, ListView_GetColumnWidth(list_, 1));
  const int kind = std::min(kindWidth_, width);
  if (ListView_GetColumnWidth(list_, 1) != kind) ListView_SetColumnWidth(list_, 1, kind);
  if (ListView_GetColumnWidth(list_, 0) != width - kind) ListView_SetColumnWidth(list_, 0, width - kind);
  fittingColumns_ = false;
}

void TFrmAutorun::SetHotRow(int row) {
  if (row == hotRow_) return;
  const int previous = std::exchange(hotRow_, row);
  if (previous >= 0 && previous < rows_.Count()) ListView_RedrawItems(list_, previous, previous);
  if (row >= 0) ListView_RedrawItems(list_, row, row);
}

LRESULT CALLBACK TFrmAutorun::ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TFrmAutorun*>(data);
  switch (message) {
    case WM_SIZE: {
      // Also when only the scroll bar came or went: the client area changed.
      const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
      self->FitColumns(-1);
      return result;
    }
    case WM_MOUSEMOVE: {
      // The row under the mouse, for the highlight where no theme draws one.
      if (!self->trackingMouse_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        self->trackingMouse_ = ::TrackMouseEvent(&track) != FALSE;
      }
      LVHITTESTINFO hit{};
      hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int row = ListView_SubItemHitTest(window, &hit);
      self->SetHotRow(row >= 0 && (hit.flags & LVHT_ONITEM) ? row : -1);
      break;
    }
    case WM_GETDLGCODE: {
      // Enter is the list's own (it opens the row); the dialog keys would otherwise take
      // it for a default button the window does not have.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = ::DefSubclassProc(window, message, wParam, lParam);
      if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return code | DLGC_WANTALLKEYS;
      return code;
    }
    case WM_NOTIFY: {
      // The header is the list's own child, so its notifications come here first.
      const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
      if (header->hdr.hwndFrom != ListView_GetHeader(window)) break;
      switch (header->hdr.code) {
        case HDN_BEGINTRACKW:
          // While a divider is dragged the columns may be wider than the list for a
          // moment; the scroll bar that comes and goes then must not fit them back to
          // the width from before the drag.
          self->trackingDivider_ = true;
          break;
        case HDN_ENDTRACKW: {
          // Fitted once the header has taken the new width; widths set by the program
          // end no track, so they are not taken for a drag.
          const int dragged = header->iItem;
          self->Defer([self, dragged] {
            self->trackingDivider_ = false;
            self->FitColumns(dragged);
          });
          break;
        }
        case HDN_DIVIDERDBLCLICKW: {
          // The list sizes the column to its texts; the other column then fills the rest.
          const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
          self->FitColumns(header->iItem);
          return result;
        }
        default:
          break;
      }
      break;
    }
    case WM_GETOBJECT:
      // The rows for a screen reader: names, selection, and a switched-off entry said in
      // words. Other objects (the window, the scroll bars) are the system's.
      if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
        if (!self->accessible_) {
          TListRowsForAccess rows;
          rows.count = [self] { return self->rows_.Count(); };
          rows.name = [self](int row) { return self->rows_.Row(row).FileName; };
          rows.enabled = [self](int row) { return self->rows_.Row(row).Enabled; };
          self->accessible_ = new TListAccessible(window, std::move(rows));
        }
        return ::LresultFromObject(__uuidof(IAccessible), wParam, self->accessible_);
      }
      break;
    case WM_SETCURSOR:
      // Reading: the list answers, and says that it is still at work.
      if (self->job_ && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
        return TRUE;
      }
      break;
    case WM_PAINT: {
      const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
      self->PaintReading(window);
      return result;
    }
    case WM_MOUSELEAVE:
      self->trackingMouse_ = false;
      self->SetHotRow(-1);
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, &TFrmAutorun::ListProc, 0);
      self->list_ = nullptr;
      if (self->accessible_) {
        self->accessible_->Disconnect();
        self->accessible_->Release();
        self->accessible_ = nullptr;
      }
      break;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK TFrmAutorun::BarKeyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR data) {
  // F5 refreshes wherever the keyboard is in the frame: after Space on the button the
  // focus is on the button, not on the list.
  if (message == WM_KEYDOWN && wParam == VK_F5) {
    auto* self = reinterpret_cast<TFrmAutorun*>(data);
    self->Defer([self] { self->ListAutorunKeyDown(VK_F5); });
    return 0;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(window, &TFrmAutorun::BarKeyProc, 0);
  return ::DefSubclassProc(window, message, wParam, lParam);
}

void TFrmAutorun::ShowRows() {
  ListView_SetItemCountEx(list_, rows_.Count(), LVSICF_NOSCROLL);
  ::InvalidateRect(list_, nullptr, TRUE);
}

void TFrmAutorun::Defer(std::function<void()> work) {
  deferred_.push_back(std::move(work));
  ::PostMessageW(Handle(), kRunDeferred, 0, 0);
}

void TFrmAutorun::RunDeferred() {
  // One piece per posted message; what is left when the window goes dies with the frame.
  if (deferred_.empty()) return;
  std::function<void()> work = std::move(deferred_.front());
  deferred_.pop_front();
  work();
}

TFrmAutorun::TListSelection TFrmAutorun::RememberSelection() const {
  return {rows_.KeyOf(SelectedRow()), rows_.KeyOf(FocusedRow())};
}

void TFrmAutorun::RestoreSelection(const TListSelection& selection) {
  restoringSelection_ = true;
  // An owner-data list keeps states by row number: clear them all first.
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
  if (const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED); focused >= 0) {
    ListView_SetItemState(list_, focused, 0, LVIS_FOCUSED);
  }
  const int selected = selection.selected ? rows_.RowOf(*selection.selected) : -1;
  const int focused = selection.focused ? rows_.RowOf(*selection.focused) : -1;
  if (focused >= 0) ListView_SetItemState(list_, focused, LVIS_FOCUSED, LVIS_FOCUSED);
  if (selected >= 0) ListView_SetItemState(list_, selected, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetSelectionMark(list_, selected);
  // The rows were emptied and filled again, which scrolled the list to its top.
  if (selected >= 0) ListView_EnsureVisible(list_, selected, FALSE);
  restoringSelection_ = false;
}

void TFrmAutorun::SelectRow(int row) {
  restoringSelection_ = true;
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetSelectionMark(list_, row);
  restoringSelection_ = false;
}

void TFrmAutorun::ClearRows() {
  // A second F5 before the first refresh has filled the rows again finds none: the
  // selection kept by the first stays.
  if (rows_.Count() > 0) keptSelection_ = RememberSelection();
  rows_.Clear();
  ShowRows();
}

void TFrmAutorun::UpdateSwitchButton() {
  const int row = SelectedRow();
  // No selection: a click only refreshes, and the button shows its starting face.
  const bool enabled = row < 0 || rows_.Row(row).Enabled;
  button_->SetDown(!enabled);
  button_->SetCaption(TranslateText(enabled ? L"사용안함" : L"사용함"));
}

void TFrmAutorun::LoadAutorun() {
  // Closed meanwhile: there is nothing left to fill.
  if (!Handle() || !list_) return;
  if (job_) {
    pendingRefresh_ = true;
    return;
  }
  StartRefresh();
}

void TFrmAutorun::Rebuild() {
  if (job_) {
    // The rows stay until the refresh under way has merged: its reader skipped them.
    pendingRefresh_ = true;
    pendingRebuild_ = true;
    return;
  }
  ClearRows();
  LoadAutorun();
}

void TFrmAutorun::StartRefresh() {
  auto job = std::make_shared<TRefreshJob>();
  job->window = Handle();
  if (fileWhite_) job->request.fileWhite = *fileWhite_;
  if (nameWhite_) job->request.nameWhite = *nameWhite_;
  job->request.showAll = check_->Checked();
  for (const TAutorunItem& row : rows_.Rows()) {
    job->request.knownRows.insert(TAutorunRows::FoldedKey(row.From, row.Target));
  }
  job->request.knownIcons = iconCache_;
  job->names = productNames_;
  reader_ = std::thread([job] {
    {
      // The platform stays installed while the reader calls it.
      const PlatformLease lease;
      try {
        ReadRefresh(job->request, *job->names, job->stop, job->read);
      } catch (...) {
        job->error = std::current_exception();
      }
    }
    {
      const std::lock_guard lock(job->mutex);
      job->done = true;
    }
    job->finished.notify_all();
    // Fails harmlessly when the window is gone; the job goes with its last owner.
    ::PostMessageW(job->window, kRefreshRead, 0, 0);
  });
  job_ = std::move(job);
  ++gRefreshesUnderWay;
  // The list says that it reads: its text where it has no rows, the busy cursor.
  ::InvalidateRect(list_, nullptr, TRUE);
  POINT cursor{};
  if (::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) == list_) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_APPSTARTING));
  }
}

void TFrmAutorun::FinishRefresh() {
  if (!job_) return;
  {
    const std::lock_guard lock(job_->mutex);
    if (!job_->done) return;
  }
  // It has posted its message, its last act: the join returns at once.
  reader_.join();
  const std::shared_ptr<TRefreshJob> job = std::move(job_);
  job_.reset();
  --gRefreshesUnderWay;
  if (!job->error) {
    // The selection as the user left it meanwhile; after F5 or the check box the rows
    // are gone and their selection was kept for here.
    const TListSelection selection =
        rows_.Count() > 0 ? RememberSelection() : std::exchange(keptSelection_, TListSelection{});
    catalogue_ = std::move(job->read.catalogue);
    const TRowFacts facts = StoreRefreshFacts(job->read, iconCache_, images_);
    TRowSources sources;
    sources.fileWhite = fileWhite_;
    sources.nameWhite = nameWhite_;
    sources.images = &images_;
    sources.iconCache = &iconCache_;
    // As the reader decided which entries to read.
    sources.showAll = job->request.showAll;
    sources.facts = &facts;
    rows_.Merge(catalogue_, sources);
    ShowRows();
    RestoreSelection(selection);
    UpdateSwitchButton();
  }
  ::InvalidateRect(list_, nullptr, TRUE);
  POINT cursor{};
  if (::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) == list_) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  }
  if (std::exchange(pendingRefresh_, false)) {
    if (std::exchange(pendingRebuild_, false)) ClearRows();
    StartRefresh();
  }
  if (job->error) std::rethrow_exception(job->error);
}

void TFrmAutorun::AbandonRefresh() {
  pendingRefresh_ = false;
  if (!job_) return;
  job_->stop = true;
  bool done = false;
  {
    std::unique_lock lock(job_->mutex);
    done = job_->finished.wait_for(lock, kAbandonWait, [this] { return job_->done; });
  }
  if (done) {
    reader_.join();
  } else {
    reader_.detach();
    ++gAbandonedReaders;
  }
  job_.reset();
  --gRefreshesUnderWay;
}

void TFrmAutorun::PaintReading(HWND list) {
  if (!job_ || rows_.Count() > 0) return;
  RECT area{};
  ::GetClientRect(list, &area);
  RECT header{};
  if (HWND head = ListView_GetHeader(list); head && ::GetWindowRect(head, &header)) {
    area.top += header.bottom - header.top;
  }
  area.top += ScaleForDpi(8, dpi_);
  const std::wstring text = TranslateText(L"읽는 중...");
  const TWindowDc dc(list);
  if (!dc) return;
  const TSelectedObject font(dc.get(), font_.get());
  ::SetBkMode(dc.get(), TRANSPARENT);
  ::SetTextColor(dc.get(), ::GetSysColor(COLOR_GRAYTEXT));
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

int TFrmAutorun::FocusedRow() const {
  // Without the list (closed meanwhile) the message would answer 0, a row number.
  if (!list_) return -1;
  const int row = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  return row >= 0 && row < rows_.Count() ? row : -1;
}

int TFrmAutorun::SelectedRow() const {
  // Without the list (closed meanwhile) the message would answer 0, a row number.
  if (!list_) return -1;
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  return row >= 0 && row < rows_.Count() ? row : -1;
}

void TFrmAutorun::ListAutorunClick() { UpdateSwitchButton(); }

void TFrmAutorun::ListAutorunDblClick() {
  const int row = FocusedRow();
  if (row < 0) return;
  const TAutorunItem& item = rows_.Row(row);
  // The name is anyone's to choose and the shell runs elevated here: only an address
  // that is one clean web link is handed on.
  const std::wstring link = std::wstring(kLookupServer) + EntryLookupPath(item.From, item.Target);
  if (IsWebLink(link)) ShellOpen(link, ::GetAncestor(Handle(), GA_ROOT));
}

void TFrmAutorun::ListAutorunKeyDown(WORD key) {
  if (key != VK_F5) return;
  Rebuild();
}

void TFrmAutorun::ChkAllListClick() { Rebuild(); }

void TFrmAutorun::BtnAutorunClick() {
  // A disabled window loses the keyboard focus; it comes back to the button afterwards,
  // so Space and F5 go on working where the user left them.
  const bool hadFocus = ::GetFocus() == button_->Handle();
  button_->SetEnabled(false);
  // The button comes back and the list shows the true state on every path, also when
  // the switch raises; the error then goes on to the error box.
  struct Reenable {
    TFrmAutorun* frame;
    bool focus;
    ~Reenable() {
      HWND button = frame->button_->Handle();
      if (!button) return;
      frame->button_->SetEnabled(true);
      if (focus) ::SetFocus(button);
    }
  } reenable{this, hadFocus};
  std::exception_ptr failure;
  if (const int row = SelectedRow(); row >= 0) {
    const TAutorunItem item = rows_.Row(row);
    try {
      SetAutorunEnabled(item.Target, item.From, !item.Enabled);
    } catch (...) {
      failure = std::current_exception();
    }
  }
  // The refresh reads the entry's state back and the button then names it, so a switch
  // that failed shows what is true rather than what was asked for.
  LoadAutorun();
  if (failure) std::rethrow_exception(failure);
}

void TFrmAutorun::BtnSaveClick() {
  const std::optional<std::wstring> path = AskSavePath();
  // Closed while the dialog was open: the window is gone and nothing is written.
  if (!path || !Handle()) return;
  try {
    SaveCatalogue(*path, catalogue_);
  } catch (...) {
    ReportWarning(::GetAncestor(Handle(), GA_ROOT), TranslateText(L"오류가 발생했습니다.") + L"\r\n" + CurrentErrorText());
  }
}

LRESULT TFrmAutorun::CustomDraw(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // No focus rectangle, whatever the keyboard cues say.
      draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_FOCUS);
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto row = static_cast<int>(draw->nmcd.dwItemSpec);
      if (row >= 0 && row < rows_.Count() && !rows_.Row(row).Enabled) {
        draw->clrText = ::GetSysColor(COLOR_GRAYTEXT);
      } else {
        draw->clrText = ::GetSysColor(COLOR_WINDOWTEXT);
      }
      // With the explorer theme the list tracks and draws its own hot row; where it does
      // not (no theme, or Wine's list), the row under the mouse gets the same light
      // highlight from here, or in high contrast the scheme's highlight pair. A selected
      // row keeps the selection's colours.
      if (row == hotRow_ && ListView_GetHotItem(list_) != row &&
          !(ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED)) {
        if (HighContrastOn()) {
          draw->clrTextBk = ::GetSysColor(COLOR_HIGHLIGHT);
          draw->clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else {
          draw->clrTextBk = kHotRowColor;
        }
      }
      // Left selected: the list puts its own font back after the item.
      ::SelectObject(draw->nmcd.hdc, draw->iSubItem == 1 ? consolas_.get() : font_.get());
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

LRESULT TFrmAutorun::ListNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
      const int row = info->item.iItem;
      if (row < 0 || row >= rows_.Count()) return 0;
      const TAutorunItem& item = rows_.Row(row);
      if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0) {
        const std::wstring& text = info->item.iSubItem == 0 ? item.FileName : item.From;
        // The list's buffer holds cchTextMax characters, the terminating NUL included.
        const size_t count = std::min(text.size(), static_cast<size_t>(info->item.cchTextMax - 1));
        std::copy_n(text.begin(), count, info->item.pszText);
        info->item.pszText[count] = L'\0';
      }
      if (info->item.mask & LVIF_IMAGE) info->item.iImage = info->item.iSubItem == 0 ? item.Icon : -1;
      return 0;
    }
    case NM_CUSTOMDRAW:
      return CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    case LVN_ITEMCHANGED: {
      // Mouse, keyboard and type-ahead all move the selection; the button follows it.
      const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      if (!restoringSelection_ && (change->uChanged & LVIF_STATE) &&
          ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)) {
        UpdateSwitchButton();
      }
      return 0;
    }
    case LVN_ODFINDITEMW:
      return FindItem(*reinterpret_cast<NMLVFINDITEMW*>(header));
    case NM_CLICK:
      ListAutorunClick();
      return 0;
    case NM_DBLCLK:
      Defer([this] { ListAutorunDblClick(); });
      return 0;
    case LVN_KEYDOWN: {
      const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
      if (key == VK_F5) Defer([this] { ListAutorunKeyDown(VK_F5); });
      // Enter does what a double click does, on the focused row.
      if (key == VK_RETURN) Defer([this] { ListAutorunDblClick(); });
      return 0;
    }
    case NM_RCLICK: {
      // The row under the mouse becomes the selected one, so the menu and the button
      // speak of the row the user pointed at. Answering 0 lets the list send
      // WM_CONTEXTMENU, where the menu opens.
      const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
      if (row >= 0 && row < rows_.Count()) {
        SelectRow(row);
        UpdateSwitchButton();
      }
      return 0;
    }
    default:
      return 0;
  }
}

LRESULT TFrmAutorun::FindItem(const NMLVFINDITEMW& find) const {
  // Only the type-ahead's kind of search is answered: a prefix of the display name.
  if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
  const std::wstring_view text(find.lvfi.psz);
  if (find.lvfi.flags & LVFI_PARTIAL) {
    return rows_.FindByPrefix(text, find.iStart, (find.lvfi.flags & LVFI_WRAP) != 0,
                              StartsTextIgnoringCase);
  }
  // A whole name: the first row that is that name, past longer names that begin with it.
  return rows_.FindByPrefix(text, find.iStart, (find.lvfi.flags & LVFI_WRAP) != 0,
                            SameTextIgnoringCase);
}

void TFrmAutorun::ShowMenu(POINT at) {
  if (at.x == -1 && at.y == -1) {
    // From the keyboard (Shift+F10, the menu key): below the focused row, or at the
    // list's corner when no row has the focus.
    RECT place{};
    const int row = FocusedRow();
    if (row < 0 || !ListView_GetItemRect(list_, row, &place, LVIR_LABEL)) {
      ::GetClientRect(list_, &place);
      place.bottom = place.top;
    }
    at = {place.left, place.bottom};
    ::ClientToScreen(list_, &at);
  }
  HMENU popup = ::CreatePopupMenu();
  if (!popup) return;
  for (int index = 0; index < menu_->Items()->Count(); ++index) {
    ::AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(index + 1),
                  menu_->Items()->Items(index)->Caption().c_str());
  }
  const int chosen = ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                      Handle(), nullptr);
  ::DestroyMenu(popup);
  // Closed while the menu was open: nothing more to do.
  if (!Handle()) return;
  if (chosen > 0 && menu_->Items()->Items(chosen - 1) == saveItem_) BtnSaveClick();
}

LRESULT TFrmAutorun::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == list_) return ListNotify(header);
      break;
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == list_) {
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        Defer([this, at] { ShowMenu(at); });
        return 0;
      }
      break;
    case kRunDeferred:
      RunDeferred();
      return 0;
    case kRefreshRead:
      FinishRefresh();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETTINGCHANGE:
      // The window passes it on; a new text size or font reaches the list and the bar.
      if (FontSettingsChanged(wParam, lParam)) {
        RebuildFonts();
        ShowRows();
      }
      return 0;
    default:
      break;
  }
  return TWindow::HandleMessage(message, wParam, lParam);
}
