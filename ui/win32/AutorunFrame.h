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
#include "ui/StyledButtonAttributes.h"
#include "ui/win32/Form.h"

// An image list that holds the collection's images one to one, rendered at the list's
// pixel size, and follows the images the collection takes later.
class TCollectionImageList {
 public:
  TCollectionImageList(TImageCollection& collection, int iconSize, int rowHeight);
  ~TCollectionImageList();
  HIMAGELIST Handle() const { return list_; }
  int Count() const { return ImageList_GetImageCount(list_); }

 private:
  void Append(int index);
  TImageCollection& collection_;
  HIMAGELIST list_ = nullptr;
  int iconSize_;
  int cellWidth_ = 0;
  int rowHeight_;
};

// A push button drawn from the attribute sets of a style family, with hover, press and
// a "down" look that stays while the button stands for the opposite action.
class TStyledButton : public TControl {
 public:
  TStyledButton(TComponent* owner, std::wstring name, HWND parent, const std::wstring& family,
                const std::wstring& appearance);
  void SetDown(bool down);
  bool Down() const { return down_; }
  void SetEnabled(bool enabled) { ::EnableWindow(Handle(), enabled); }
  bool Enabled() const { return ::IsWindowEnabled(Handle()) != FALSE; }
  bool HasCaption() const override { return true; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void SetFont(HFONT font) { font_ = font; }
  std::function<void()> OnClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Draw(const DRAWITEMSTRUCT& item);
  TStyledButtonAttributes normal_, pressed_, selected_, hot_, disabled_;
  bool down_ = false;
  bool hot_tracking_ = false;
  HFONT font_ = nullptr;
};

// A check box whose caption is the window's text.
class TCheckBox : public TControl {
 public:
  TCheckBox(TComponent* owner, std::wstring name, HWND parent, const std::wstring& caption);
  bool HasCaption() const override { return true; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;
  bool Checked() const;
  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  std::function<void()> OnClick;
};

// A plain child window that only hosts other controls and hands their messages to them.
class TPanel : public TControl {
 public:
  TPanel(TComponent* owner, std::wstring name, HWND parent);
};

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
