// The label: a piece of text on a form, in a font colour of its own, optionally
// underlined with the hand cursor so that it reads as a link, with a hint that holds
// whatever the click handler needs (a link's address), and a click event.
#pragma once

#include <string>

#include "platform/win32/Win32Handles.h"
#include "ui/win32/Form.h"
#include "ui/win32/NotifyEvent.h"

class TLabel : public TControl {
 public:
  // Created hidden and empty-sized: the form places it when it knows where.
  TLabel(TComponent* owner, std::wstring name, HWND parent, const std::wstring& caption = L"");

  bool HasCaption() const override { return true; }
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& caption) override;

  // The font, as a description: the label makes (and owns) the font, underlined if asked.
  void SetFont(const LOGFONTW& font);
  HFONT Font() const { return font_.get(); }
  void SetUnderline(bool underline);
  bool Underline() const { return description_.lfUnderline != 0; }
  void SetFontColor(COLORREF color);
  COLORREF FontColor() const { return fontColor_; }
  // The colour behind the text; the window colour until set.
  void SetColor(COLORREF color);
  // The hand-point cursor over the label, as over a link.
  void SetHandCursor(bool hand) { handCursor_ = hand; }
  bool HandCursor() const { return handCursor_; }

  // Held for the click handler; the label shows no tooltip of its own.
  const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint) { hint_ = std::move(hint); }

  // The size the caption takes in the label's font, wrapped at maxWidth when wordWrap.
  SIZE TextExtent(bool wordWrap, int maxWidth) const;
  // Sizes the label to its caption and moves it to (x, y).
  void AutoSize(int x, int y, bool wordWrap, int maxWidth);

  TNotifyEvent OnClick;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LOGFONTW description_{};
  UniqueFont font_;
  COLORREF fontColor_;
  COLORREF color_;
  UniqueBrush brush_;
  bool handCursor_ = false;
  std::wstring hint_;
};
