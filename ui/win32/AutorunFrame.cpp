#include "ui/win32/AutorunFrame.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "Lib/CatalogueFormat.h"
#include "ServerAddresses.h"
#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "ui/TranslateComponent.h"

namespace {

constexpr int kBarHeight = 49;
constexpr int kBarPadding = 8;
constexpr int kButtonWidth = 84;
constexpr int kRowHeight = 24;
constexpr int kIconSize = 16;
constexpr int kKindColumnWidth = 50;

}  // namespace

TFrmAutorun::TFrmAutorun(TComponent* owner, HWND parent, const FilterList* fileWhite,
                         const FilterList* nameWhite)
    : TComponent(owner, L"FrmAutorun"), fileWhite_(fileWhite), nameWhite_(nameWhite) {
  AskSavePath = []() -> std::optional<std::wstring> {
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
  imageList_.reset();
  if (font_) ::DeleteObject(font_);
  if (consolas_) ::DeleteObject(consolas_);
}

void TFrmAutorun::Build(HWND parent) {
  CreateOwnWindow(L"OrvaneFrame", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                  0, 0, 0, parent, nullptr);
  dpi_ = DpiOfWindow(Handle());
  panel_ = Create<TPanel>(L"PnlAutorun", Handle());
  check_ = Create<TCheckBox>(L"ChkAllList", panel_->Handle(), L"전체목록");
  check_->OnClick = [this] { ChkAllListClick(); };
  button_ = Create<TStyledButton>(L"BtnAutorun", panel_->Handle(), L"Tavikora", L"Outline");
  button_->SetCaption(L"사용안함");
  button_->OnClick = [this] { BtnAutorunClick(); };
  menu_ = Create<TPopupMenu>(L"Menu");
  saveItem_ = Create<TMenuItem>(L"BtnSave", L"목록 저장");
  menu_->Items()->Add(saveItem_);

  TranslateComponent(this, L"");

  list_ = ::CreateWindowExW(0, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA |
                                LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                            0, 0, 0, 0, Handle(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER |
                                               LVS_EX_TRACKSELECT | LVS_EX_ONECLICKACTIVATE);
  // Hover selection would select under the mouse; only the hot highlight is wanted.
  ListView_SetHoverTime(list_, 0x7FFFFFFF);
  const std::wstring titles[2] = {TranslateText(L"프로그램 이름"), TranslateText(L"출처")};
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
  if (font_) ::DeleteObject(font_);
  if (consolas_) ::DeleteObject(consolas_);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW face = metrics.lfMessageFont;
  face.lfHeight = -ScaleForDpi(12, dpi_);
  font_ = ::CreateFontIndirectW(&face);
  // Only the face changes for the kind column; size and colour stay the list's.
  wcscpy_s(face.lfFaceName, L"Consolas");
  consolas_ = ::CreateFontIndirectW(&face);
  for (HWND window : {list_, check_->Handle(), button_->Handle()}) {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  button_->SetFont(font_);
  // The list view makes a row one pixel higher than its small images (the padding under
  // the text), so the cells are one short of the row height.
  imageList_ = std::make_unique<TCollectionImageList>(images_, ScaleForDpi(kIconSize, dpi_),
                                                      ScaleForDpi(kRowHeight, dpi_) - 1);
  ListView_SetImageList(list_, imageList_->Handle(), LVSIL_SMALL);
  Layout();
}

void TFrmAutorun::DpiChanged(UINT dpi) {
  dpi_ = dpi;
  // The kind column keeps its 96-dpi width on the new scale.
  ListView_SetColumnWidth(list_, 1, ScaleForDpi(kKindColumnWidth, dpi_));
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
  // Column 0 takes what the kind column leaves, inside the list's client area.
  RECT inner{};
  ::GetClientRect(list_, &inner);
  const int kindWidth = ListView_GetColumnWidth(list_, 1);
  ListView_SetColumnWidth(list_, 0, std::max(0, static_cast<int>(inner.right) - kindWidth));
}

void TFrmAutorun::ShowRows() {
  ListView_SetItemCountEx(list_, rows_.Count(), LVSICF_NOSCROLL);
  ::InvalidateRect(list_, nullptr, TRUE);
}

void TFrmAutorun::LoadAutorun() {
  // Repaint before the refresh, which can take a while on a busy service manager.
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  // A close waiting in the queue has just run: the window, and the lists it was lent,
  // are gone, and there is nothing left to fill.
  if (!Handle()) return;
  CollectAutorun(catalogue_);
  TRowSources sources;
  sources.fileWhite = fileWhite_;
  sources.nameWhite = nameWhite_;
  sources.images = &images_;
  sources.iconCache = &iconCache_;
  sources.showAll = check_->Checked();
  rows_.Merge(catalogue_, sources);
  ShowRows();
}

int TFrmAutorun::FocusedRow() const {
  const int row = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  return row >= 0 && row < rows_.Count() ? row : -1;
}

void TFrmAutorun::ListAutorunClick() {
  const int row = FocusedRow();
  if (row < 0) return;
  const bool enabled = rows_.Row(row).Enabled;
  button_->SetDown(!enabled);
  button_->SetCaption(TranslateText(enabled ? L"사용안함" : L"사용함"));
}

void TFrmAutorun::ListAutorunDblClick() {
  const int row = FocusedRow();
  if (row < 0) return;
  const TAutorunItem& item = rows_.Row(row);
  // The name is anyone's to choose and the shell runs elevated here: only an address
  // that is one clean web link is handed on.
  (void)OpenLink(std::wstring(kLookupServer) + EntryLookupPath(item.From, item.Target));
}

void TFrmAutorun::ListAutorunKeyDown(WORD key) {
  if (key != VK_F5) return;
  rows_.Clear();
  ShowRows();
  LoadAutorun();
}

void TFrmAutorun::ChkAllListClick() {
  rows_.Clear();
  ShowRows();
  LoadAutorun();
}

void TFrmAutorun::BtnAutorunClick() {
  button_->SetEnabled(false);
  // The button comes back and the list shows the true state on every path, also when
  // the switch raises; the error then goes on to the error box.
  struct Reenable {
    TFrmAutorun* frame;
    ~Reenable() { frame->button_->SetEnabled(true); }
  } reenable{this};
  std::exception_ptr failure;
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (row >= 0 && row < rows_.Count()) {
    const TAutorunItem item = rows_.Row(row);
    try {
      SetAutorunEnabled(item.Target, item.From, !item.Enabled);
    } catch (...) {
      failure = std::current_exception();
    }
    button_->SetDown(item.Enabled);
    button_->SetCaption(TranslateText(item.Enabled ? L"사용함" : L"사용안함"));
  }
  LoadAutorun();
  if (failure) std::rethrow_exception(failure);
}

void TFrmAutorun::BtnSaveClick() {
  const std::optional<std::wstring> path = AskSavePath();
  if (!path) return;
  try {
    SaveCatalogue(*path, catalogue_);
  } catch (...) {
    ReportWarning(TranslateText(L"오류가 발생했습니다.") + L"\r\n" + CurrentErrorText());
  }
}

LRESULT TFrmAutorun::CustomDraw(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto row = static_cast<int>(draw->nmcd.dwItemSpec);
      if (row >= 0 && row < rows_.Count() && !rows_.Row(row).Enabled) {
        draw->clrText = ::GetSysColor(COLOR_GRAYTEXT);
      } else {
        draw->clrText = ::GetSysColor(COLOR_WINDOWTEXT);
      }
      ::SelectObject(draw->nmcd.hdc, draw->iSubItem == 1 ? consolas_ : font_);
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
    case NM_CLICK:
      ListAutorunClick();
      return 0;
    case NM_DBLCLK:
      ListAutorunDblClick();
      return 0;
    case LVN_KEYDOWN:
      ListAutorunKeyDown(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
      return 0;
    case NM_RCLICK: {
      HMENU popup = ::CreatePopupMenu();
      for (int index = 0; index < menu_->Items()->Count(); ++index) {
        ::AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(index + 1),
                      menu_->Items()->Items(index)->Caption().c_str());
      }
      POINT at{};
      ::GetCursorPos(&at);
      const int chosen = ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                          Handle(), nullptr);
      ::DestroyMenu(popup);
      if (chosen > 0 && menu_->Items()->Items(chosen - 1) == saveItem_) BtnSaveClick();
      return 0;
    }
    default:
      return 0;
  }
}

LRESULT TFrmAutorun::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->hwndFrom == list_) return ListNotify(header);
      break;
    }
    case WM_SIZE:
      Layout();
      return 0;
    default:
      break;
  }
  return TWindow::HandleMessage(message, wParam, lParam);
}
