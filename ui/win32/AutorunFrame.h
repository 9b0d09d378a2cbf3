// The autorun list: a report list view in owner-data mode over the row model, the
// "전체목록" check box and the switch button in a bar below it, and the context menu that
// saves the catalogue.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>

#include "Lib/Autorun.h"
#include "Lib/Common.h"
#include "Tavin/FileMetadata.h"
#include "Tavin/ImageCollection.h"
#include "ui/AutorunRows.h"
#include "ui/win32/CheckBox.h"
#include "ui/win32/CollectionImageList.h"
#include "ui/win32/Form.h"
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
  HWND List() const { return list_; }
  HWND AllListBox() const { return check_->Handle(); }
  TStyledButton* SwitchButton() const { return button_; }
  const TAutorunRows& Rows() const { return rows_; }
  const TAutorunList& Catalogue() const { return catalogue_; }
  TImageCollection& Images() { return images_; }
  int ImageCount() const { return imageList_ ? imageList_->Count() : 0; }
  TPopupMenu* Menu() const { return menu_; }

  // Asks where to save; nothing when the user cancels. The save dialog unless replaced.
  std::function<std::optional<std::wstring>()> AskSavePath;

  // The handlers, each as the user would set it off.
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
  LRESULT ListNotify(NMHDR* header);
  LRESULT CustomDraw(NMLVCUSTOMDRAW* draw);
  int FocusedRow() const;
  void ShowRows();

  const FilterList* fileWhite_;
  const FilterList* nameWhite_;
  TAutorunList catalogue_;
  TIconCache iconCache_;
  TImageCollection images_;
  TAutorunRows rows_;
  std::unique_ptr<TCollectionImageList> imageList_;
  HWND list_ = nullptr;
  TCheckBox* check_ = nullptr;
  TPanel* panel_ = nullptr;
  TStyledButton* button_ = nullptr;
  TPopupMenu* menu_ = nullptr;
  TMenuItem* saveItem_ = nullptr;
  HFONT font_ = nullptr;
  HFONT consolas_ = nullptr;
  UINT dpi_ = 96;
};
