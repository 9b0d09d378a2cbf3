// The main window: the header with its toolbar and the maker's logo, the autorun list as
// the only page, the three filter lists, and the online request whose reply extends the
// lists and fills the list for the first time. Closing it ends the program.
#pragma once

#include <memory>

#include "Lib/Common.h"
#include "Tavin/UpdateCheck.h"
#include "platform/win32/Win32Handles.h"
#include "ui/win32/AutorunFrame.h"
#include "ui/win32/Form.h"
#include "ui/win32/Panel.h"
#include "ui/win32/StyledToolBar.h"
#include "ui/win32/VectorImageControl.h"
#include "ui/win32/Win32Dispatcher.h"

class TFrmOrvane : public TWin32Form {
 public:
  // What the reply step shows (the update dialog, the status bar); the window starts the
  // request itself once it is built.
  explicit TFrmOrvane(std::shared_ptr<IUpdateUi> updateUi);
  ~TFrmOrvane() override;

  const FilterList& GetFileWhite() const { return *FileWhite; }
  const FilterList& GetNameWhite() const { return *NameWhite; }
  const FilterList& GetNameBlack() const { return *NameBlack; }
  TFrmAutorun* Autorun() const { return FrmAutorun; }
  TStyledToolBar* HeadToolBar() const { return BtnHead; }
  TVectorImageControl* Logo() const { return ImgLogo; }

  // The online request's answer, on the user-interface thread: flag when the user took
  // the offered update, the reply text (empty when every attempt failed).
  void UpdateFinished(bool flag, const std::wstring& text);
  void ImgLogoClick();

 protected:
  LRESULT FormMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildLayout();
  void FormCreate();
  void FormDestroy();
  void LayoutHead(int width, int height);
  void RebuildFont();

  TCardPanel* PnlMain = nullptr;
  TPanel* PnlAutorun = nullptr;
  TPanel* PnlHead = nullptr;
  TStyledToolBar* BtnHead = nullptr;
  TStyledToolButton* BtnHome = nullptr;
  TPanel* PnlLogo = nullptr;
  TVectorImageControl* ImgLogo = nullptr;
  TFrmAutorun* FrmAutorun = nullptr;
  std::unique_ptr<FilterList> FileWhite;
  std::unique_ptr<FilterList> NameWhite;
  std::unique_ptr<FilterList> NameBlack;

  std::shared_ptr<IUpdateUi> updateUi_;
  std::shared_ptr<TWin32Dispatcher> dispatcher_;
  std::shared_ptr<TUpdateCheck> check_;
  UniqueFont font_;
  // WM_DESTROY has come: the request is stopped and nothing more is filled.
  bool destroyed_ = false;
};
