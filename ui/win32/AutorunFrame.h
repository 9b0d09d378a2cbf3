// The autorun frame: the list control over the row model, the "전체목록" check box and
// the switch button in a bar below it, and the context menu that saves the catalogue.
// The frame decides which rows there are and what a click, a key or the button does; the
// list control draws, fits, finds and speaks them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "Lib/Autorun.h"
#include "Lib/AutorunRows.h"
#include "Lib/Common.h"
#include "Lib/ProductNames.h"
#include "Tavin/FileMetadata.h"
#include "Tavin/ImageCollection.h"
#include "ui/win32/CheckBox.h"
#include "ui/win32/Form.h"
#include "ui/win32/ListView.h"
#include "ui/win32/Panel.h"
#include "ui/win32/StyledButton.h"

class TFrmAutorun : public TComponent, public TWindow {
 public:
  TFrmAutorun(TComponent* owner, HWND parent, const FilterList* fileWhite,
              const FilterList* nameWhite);
  ~TFrmAutorun() override;

  void LoadAutorun();
  void SetBounds(int x, int y, int width, int height);
  void DpiChanged(UINT dpi) override;

  // What the tests and the main window reach.
  HWND List() const { return list_ ? list_->Handle() : nullptr; }
  TListView* ListControl() const { return list_; }
  HWND AllListBox() const { return check_->Handle(); }
  TStyledButton* SwitchButton() const { return button_; }
  const TAutorunRows& Rows() const { return rows_; }
  const TAutorunList& Catalogue() const { return catalogue_; }
  TImageCollection& Images() { return images_; }
  int ImageCount() const { return list_ ? list_->ImageCount() : 0; }
  TPopupMenu* Menu() const { return menu_; }
  // Whether this frame's catalogue is being read; and how many frames' are, for the
  // tests that wait for a refresh to end.
  bool Refreshing() const { return job_ != nullptr; }
  static int RefreshesUnderWay();
  // Whether a saved list is being written; and how many frames' are.
  bool Saving() const { return save_ != nullptr; }
  static int SavesUnderWay();
  // Readers and writers left running when their window closed: the program ends
  // without waiting.
  static int AbandonedReaders();

  // Asks where to save; nothing when the user cancels. The save dialog unless replaced.
  std::function<std::optional<std::wstring>()> AskSavePath;

  // The handlers, each as the user would set it off.
  // The button follows the selected row (see UpdateSwitchButton).
  void ListAutorunClick();
  void ListAutorunDblClick();
  void ListAutorunKeyDown(WORD key);
  void ChkAllListClick();
  void BtnAutorunClick();
  void BtnSaveClick();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Build(HWND parent);
  void Layout();
  void RebuildFonts();
  TListViewRows RowsForList();

  // The refresh: the catalogue and the files of new rows are read on a thread of its own
  // (the window would stop answering for seconds, and for a network's time-out on an
  // offline share); the rows are merged here when it is done. One at a time: asked for
  // while one runs, it runs after it. A switch is made by the refresh that reads its
  // entry back, on the same thread, before it reads: the service manager or the task
  // service can be slow to answer.
  struct TRefreshJob;
  struct TSwitchAsk {
    std::wstring target;
    std::wstring from;
    bool enable = false;
  };
  void StartRefresh();
  void FinishRefresh();
  // F5 and the check box: every row is made afresh, after the refresh under way if any.
  void Rebuild();
  // Closing: the reader is told to stop and waited for a moment, then left to end alone.
  void AbandonRefresh();

  // The saved list is written on a thread of its own too: the chosen file may lie on a
  // share that does not answer. One at a time; the menu offers no second meanwhile.
  struct TSaveJob;
  void FinishSave();
  // Closing: a save under way is given time to finish (the file is replaced whole, so
  // one cut short leaves the old file as it was).
  void AbandonSave();

  // The selection belongs to entries, not to row numbers: a refresh removes and appends
  // rows, and the list control would otherwise keep the numbers and so point at other
  // entries (a second click on the button would switch one the user never chose).
  struct TListSelection {
    std::optional<TRowKey> selected;
    std::optional<TRowKey> focused;
  };
  TListSelection RememberSelection() const;
  void RestoreSelection(const TListSelection& selection);
  // Removes every row, keeping the selection's entries for the refresh that follows.
  void ClearRows();
  // The button names the action a click performs on the selected entry, from its state
  // as the last refresh read it; without a selection it shows its starting face.
  void UpdateSwitchButton();
  // The context menu at a point on the screen; (-1, -1) comes from the keyboard and
  // places it at the focused row.
  void ShowMenu(POINT at);
  static LRESULT CALLBACK BarKeyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);

  // Work that a notification or a click sets off runs after the message that brought it
  // has returned: it may enter a message loop (a refresh's message pass, the save
  // dialog, a message box, the shell), and a close handled inside that loop would
  // destroy the control whose own code is still running below the notification.
  void Defer(std::function<void()> work);
  void RunDeferred();

  const FilterList* fileWhite_;
  const FilterList* nameWhite_;
  TAutorunList catalogue_;
  TIconCache iconCache_;
  TImageCollection images_;
  TAutorunRows rows_;
  TListView* list_ = nullptr;
  TCheckBox* check_ = nullptr;
  TPanel* panel_ = nullptr;
  TStyledButton* button_ = nullptr;
  TPopupMenu* menu_ = nullptr;
  TMenuItem* saveItem_ = nullptr;
  UniqueFont font_;
  UINT dpi_ = 96;
  TListSelection keptSelection_;
  std::deque<std::function<void()>> deferred_;
  std::shared_ptr<TRefreshJob> job_;
  std::thread reader_;
  std::shared_ptr<TSaveJob> save_;
  std::thread writer_;
  // Read by one reader at a time; shared, since an abandoned one may outlive the frame.
  std::shared_ptr<TProductNames> productNames_;
  bool pendingRefresh_ = false;
  bool pendingRebuild_ = false;
  // A click's switch waiting for the refresh under way to end.
  std::optional<TSwitchAsk> pendingSwitch_;
};
