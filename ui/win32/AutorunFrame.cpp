#include "ui/win32/AutorunFrame.h"

#include <commdlg.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
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
#include "ui/win32/WindowWorker.h"

namespace {

constexpr int kBarHeight = 49;
constexpr int kBarPadding = 8;
constexpr int kButtonWidth = 84;
constexpr int kRowHeight = 24;
constexpr int kIconSize = 16;
constexpr int kKindColumnWidth = 50;
// Posted to the frame to run the work its notifications set off.
constexpr UINT kRunDeferred = WM_APP + 20;
// Posted to the frame by the refresh's reader when it is done.
constexpr UINT kRefreshRead = WM_APP + 21;
// Posted to the frame by a save's writer when it is done.
constexpr UINT kSaveWritten = WM_APP + 22;
// How long a closing window waits for the reader before leaving it to end alone: a read
// of an offline share can take the network's whole time-out.
constexpr std::chrono::milliseconds kAbandonWait{300};
// How long a closing window waits for a switch or a save under way: what the user asked
// to be written is given much longer than a read. A switch ended by the program's exit
// halfway (a startup file copied into the store but not yet removed) would leave the
// entry in two places.
constexpr std::chrono::milliseconds kWriteWait{5000};

std::atomic<int> gRefreshesUnderWay{0};
std::atomic<int> gSavesUnderWay{0};

}  // namespace

// What the frame and its reader share. The reader fills `read` (and makes the switch
// first, marking `switched`); the frame reads them only after its message says so.
struct TFrmAutorun::TRefreshJob : TWorkerState {
  using TWorkerState::TWorkerState;
  std::optional<TSwitchAsk> switchAsk;
  std::exception_ptr switchError;
  bool switched = false;
  TRefreshRequest request;
  std::shared_ptr<TProductNames> names;
  std::atomic<bool> stop{false};
  TRefreshRead read;
  std::exception_ptr error;
};

// What the frame and a save's writer share, as with the refresh's job.
struct TFrmAutorun::TSaveJob : TWorkerState {
  using TWorkerState::TWorkerState;
  std::wstring path;
  TAutorunList list;
  std::exception_ptr error;
};

int TFrmAutorun::RefreshesUnderWay() { return gRefreshesUnderWay; }
int TFrmAutorun::SavesUnderWay() { return gSavesUnderWay; }
int TFrmAutorun::AbandonedReaders() { return AbandonedWorkers(); }

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
  AbandonSave();
  // The frame's own components (the list, the bar, its check box and button) go while
  // the frame's members they may reach (the rows, the images, the fonts) are still there.
  DestroyComponents();
}

void TFrmAutorun::Build(HWND parent) {
  CreateOwnWindow(L"OrvaneFrame", WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                  0, 0, 0, parent, nullptr);
  dpi_ = DpiOfWindow(Handle());
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

  list_ = Create<TListView>(L"ListAutorun", Handle(), RowsForList(), TranslateText(L"프로그램 이름"),
                            TranslateText(L"출처"), kKindColumnWidth);
  list_->SetSecondColumnFace(L"Consolas");
  list_->SetImages(&images_, kIconSize, kRowHeight);
  list_->OnSelectionChanged = [this] { UpdateSwitchButton(); };
  list_->OnClick = [this] { ListAutorunClick(); };
  list_->OnDblClick = [this] { Defer([this] { ListAutorunDblClick(); }); };
  list_->OnKeyDown = [this](WORD key) {
    if (key == VK_F5) Defer([this] { ListAutorunKeyDown(VK_F5); });
    // Enter does what a double click does, on the focused row.
    if (key == VK_RETURN) Defer([this] { ListAutorunDblClick(); });
  };
  // The right button selected its row: the button and the menu speak of it.
  list_->OnRightClick = [this](int) { UpdateSwitchButton(); };
  list_->OnContextMenu = [this](POINT at) { Defer([this, at] { ShowMenu(at); }); };
  // First in the tab order, as it stands first on the screen: the list, then the bar's
  // check box and button. Tab follows the order of the windows, and the bar was made first.
  ::SetWindowPos(list_->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetWindowSubclass(button_->Handle(), &TFrmAutorun::BarKeyProc, 0,
                      reinterpret_cast<DWORD_PTR>(this));
  ::SetWindowSubclass(check_->Handle(), &TFrmAutorun::BarKeyProc, 0,
                      reinterpret_cast<DWORD_PTR>(this));
  RebuildFonts();
}

TListViewRows TFrmAutorun::RowsForList() {
  TListViewRows rows;
  rows.count = [this] { return rows_.Count(); };
  rows.text = [this](int row, int column) -> const std::wstring& {
    const TAutorunItem& item = rows_.Row(row);
    return column == 0 ? item.FileName : item.From;
  };
  rows.image = [this](int row) { return rows_.Row(row).Icon; };
  rows.enabled = [this](int row) { return rows_.Row(row).Enabled; };
  rows.find = [this](std::wstring_view text, int start, bool wrap, TPrefixMatch match) {
    return rows_.FindByPrefix(text, start, wrap, match);
  };
  return rows;
}

void TFrmAutorun::RebuildFonts() {
  // The message font the user chose, at its size: a larger text size in the display
  // settings reaches the check box and the button (the list makes its own).
  UniqueFont font = CreateFontFrom(MessageFontAt(dpi_));
  // The controls take the new font before the old one is deleted under them.
  for (HWND window : {check_->Handle(), button_->Handle()}) {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  button_->SetFont(font.get());
  font_ = std::move(font);
  Layout();
}

void TFrmAutorun::DpiChanged(UINT dpi) {
  // The list hears of the new resolution on its own, after its parent.
  dpi_ = dpi;
  RebuildFonts();
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
  ::MoveWindow(list_->Handle(), 0, 0, client.right, listHeight, TRUE);
  ::MoveWindow(panel_->Handle(), 0, listHeight, client.right, bar, TRUE);
  ::MoveWindow(check_->Handle(), ScaleForDpi(2, dpi_), ScaleForDpi(16, dpi_), ScaleForDpi(135, dpi_),
               ScaleForDpi(17, dpi_), TRUE);
  const int buttonWidth = ScaleForDpi(kButtonWidth, dpi_);
  ::MoveWindow(button_->Handle(), client.right - buttonWidth, pad, buttonWidth, bar - 2 * pad, TRUE);
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
  return {rows_.KeyOf(list_->SelectedRow()), rows_.KeyOf(list_->FocusedRow())};
}

void TFrmAutorun::RestoreSelection(const TListSelection& selection) {
  const int selected = selection.selected ? rows_.RowOf(*selection.selected) : -1;
  const int focused = selection.focused ? rows_.RowOf(*selection.focused) : -1;
  list_->SetSelection(selected, focused);
}

void TFrmAutorun::ClearRows() {
  // A second F5 before the first refresh has filled the rows again finds none: the
  // selection kept by the first stays.
  if (rows_.Count() > 0) keptSelection_ = RememberSelection();
  rows_.Clear();
  list_->RowsChanged();
}

void TFrmAutorun::UpdateSwitchButton() {
  const int row = list_->SelectedRow();
  // No selection: a click only refreshes, and the button shows its starting face.
  const bool enabled = row < 0 || rows_.Row(row).Enabled;
  button_->SetDown(!enabled);
  button_->SetCaption(TranslateText(enabled ? L"사용안함" : L"사용함"));
}

void TFrmAutorun::LoadAutorun() {
  // Closed meanwhile: there is nothing left to fill.
  if (!Handle() || !List()) return;
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
  auto job = std::make_shared<TRefreshJob>(Handle(), kRefreshRead);
  if (fileWhite_) job->request.fileWhite = *fileWhite_;
  if (nameWhite_) job->request.nameWhite = *nameWhite_;
  job->request.showAll = check_->Checked();
  job->request.knownRows = rows_.ShownKeys();
  job->request.knownIcons = std::make_shared<const TIconCache>(iconCache_);
  job->names = productNames_;
  job->switchAsk = std::exchange(pendingSwitch_, std::nullopt);
  reader_ = StartWorker(job, [job] {
    if (job->switchAsk) {
      try {
        SetAutorunEnabled(job->switchAsk->target, job->switchAsk->from, job->switchAsk->enable);
      } catch (...) {
        job->switchError = std::current_exception();
      }
      job->Mark(job->switched);
    }
    try {
      ReadRefresh(job->request, *job->names, job->stop, job->read);
    } catch (...) {
      job->error = std::current_exception();
    }
  });
  job_ = std::move(job);
  ++gRefreshesUnderWay;
  // The list says that it reads: its text where it has no rows, the busy cursor.
  list_->SetBusy(true, TranslateText(L"읽는 중..."));
}

void TFrmAutorun::FinishRefresh() {
  if (!job_ || !job_->Marked(job_->done)) return;
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
    // The reader worked the merge out against these rows, which no other refresh has
    // changed meanwhile: what is left here grows only with the lookups.
    const TFileIcons icons = StoreRefreshFacts(job->read, iconCache_, images_);
    rows_.Apply(catalogue_, std::move(job->read.plan), &icons);
    list_->RowsChanged();
    RestoreSelection(selection);
    UpdateSwitchButton();
  }
  list_->SetBusy(false);
  if (std::exchange(pendingRefresh_, false)) {
    if (std::exchange(pendingRebuild_, false)) ClearRows();
    StartRefresh();
  }
  // The rows show what is true either way; then the error goes on to the error box.
  if (job->switchError) std::rethrow_exception(job->switchError);
  if (job->error) std::rethrow_exception(job->error);
}

void TFrmAutorun::AbandonRefresh() {
  pendingRefresh_ = false;
  pendingSwitch_.reset();
  if (!job_) return;
  job_->stop = true;
  if (job_->switchAsk) job_->WaitFor(job_->switched, kWriteWait);
  EndWorker(reader_, *job_, kAbandonWait);
  job_.reset();
  --gRefreshesUnderWay;
}

void TFrmAutorun::ListAutorunClick() { UpdateSwitchButton(); }

void TFrmAutorun::ListAutorunDblClick() {
  const int row = list_->FocusedRow();
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
  // One switch at a time: until the refresh after it has read its entry back, the row
  // shows the state before it, and a second click would act on that.
  if (pendingSwitch_ || (job_ && job_->switchAsk)) return;
  if (const int row = list_->SelectedRow(); row >= 0) {
    const TAutorunItem& item = rows_.Row(row);
    pendingSwitch_ = TSwitchAsk{item.Target, item.From, !item.Enabled};
  }
  // The refresh makes the switch, then reads the entry's state back and the button names
  // it, so a switch that failed shows what is true rather than what was asked for. The
  // button stays enabled meanwhile, so the keyboard's focus stays on it.
  LoadAutorun();
}

void TFrmAutorun::BtnSaveClick() {
  if (save_) return;
  const std::optional<std::wstring> path = AskSavePath();
  // Closed while the dialog was open: the window is gone and nothing is written.
  if (!path || !Handle()) return;
  auto job = std::make_shared<TSaveJob>(Handle(), kSaveWritten);
  job->path = *path;
  // The list as it is now: the next refresh may replace it while the file is written.
  job->list = catalogue_;
  writer_ = StartWorker(job, [job] {
    try {
      SaveCatalogue(job->path, job->list);
    } catch (...) {
      job->error = std::current_exception();
    }
  });
  save_ = std::move(job);
  ++gSavesUnderWay;
}

void TFrmAutorun::FinishSave() {
  if (!save_ || !save_->Marked(save_->done)) return;
  writer_.join();
  const std::shared_ptr<TSaveJob> job = std::move(save_);
  save_.reset();
  --gSavesUnderWay;
  if (!job->error) return;
  try {
    std::rethrow_exception(job->error);
  } catch (...) {
    ReportWarning(::GetAncestor(Handle(), GA_ROOT), TranslateText(L"오류가 발생했습니다.") + L"\r\n" + CurrentErrorText());
  }
}

void TFrmAutorun::AbandonSave() {
  if (!save_) return;
  EndWorker(writer_, *save_, kWriteWait);
  save_.reset();
  --gSavesUnderWay;
}

void TFrmAutorun::ShowMenu(POINT at) {
  HMENU popup = ::CreatePopupMenu();
  if (!popup) return;
  for (int index = 0; index < menu_->Items()->Count(); ++index) {
    TMenuItem* item = menu_->Items()->Items(index);
    // A save under way: the next waits until its file is written.
    const UINT grey = item == saveItem_ && save_ ? MF_GRAYED : 0;
    ::AppendMenuW(popup, MF_STRING | grey, static_cast<UINT_PTR>(index + 1), item->Caption().c_str());
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
    case kRunDeferred:
      RunDeferred();
      return 0;
    case kRefreshRead:
      FinishRefresh();
      return 0;
    case kSaveWritten:
      FinishSave();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETTINGCHANGE:
      // The window passes it on to every control; the bar's take the new fonts here.
      if (FontSettingsChanged(wParam, lParam)) RebuildFonts();
      return 0;
    default:
      break;
  }
  return TWindow::HandleMessage(message, wParam, lParam);
}
