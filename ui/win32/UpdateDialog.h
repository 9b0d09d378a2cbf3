// The update dialog: a modal warning in the look of a message box, offering the new
// version with Yes and No, and below the buttons an optional notice from the server (a
// "hold" check box, or a "note" link).
#pragma once

#include <chrono>
#include <string>

#include "Tavin/UpdateReply.h"
#include "platform/win32/Win32Handles.h"
#include "ui/win32/Button.h"
#include "ui/win32/CheckBox.h"
#include "ui/win32/Form.h"
#include "ui/win32/Label.h"

class TUpdateDialogForm : public TWin32Form {
 public:
  static constexpr wchar_t kName[] = L"UpdateDialog";

  // Builds the dialog for a reply, hidden. A notice field with a bad escape is empty.
  explicit TUpdateDialogForm(const std::wstring& reply);
  ~TUpdateDialogForm() override;

  // Shows the dialog and runs its own message loop until a button, Escape or the close
  // box ends it. The owner is disabled meanwhile and enabled again before the dialog
  // hides, so that it gets the activation back. A WM_QUIT ends the dialog as No and is
  // posted again for the loop outside. Returns IDYES or IDNO.
  int ShowModal();
  // Ends the modal loop with this result, as the buttons do.
  void SetModalResult(int result) { modalResult_ = result; }

  const TUpdateNotice& Notice() const { return notice_; }
  TLabel* Message() const { return message_; }
  TButton* YesButton() const { return yes_; }
  TButton* NoButton() const { return no_; }
  TShape* Separator() const { return separator_; }
  TCheckBox* HoldBox() const { return hold_; }
  TLabel* NoteLabel() const { return note_; }
  // The outer height the message-box part takes, before any notice area.
  int BaseHeight() const { return baseHeight_; }

 protected:
  LRESULT FormMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Places everything for the dialog's current resolution.
  void Arrange();
  void ArrangeNotice();
  void FocusChanged();
  void Paint();
  // The colours of the message, the notice and the rule, for the scheme in use.
  void ApplyColors();
  HBRUSH BackgroundBrush() const;

  TUpdateNotice notice_;
  TLabel* message_ = nullptr;
  TButton* yes_ = nullptr;
  TButton* no_ = nullptr;
  TShape* separator_ = nullptr;
  TCheckBox* hold_ = nullptr;
  TLabel* note_ = nullptr;
  UniqueFont font_;
  UniqueWin32Icon icon_;
  int iconSize_ = 32;
  POINT iconAt_{};
  int baseHeight_ = 0;
  int modalResult_ = 0;
  HWND modalOwner_ = nullptr;
};

// The whole dialog for a reply: true when the user chose Yes. A ticked hold box sends
// the hold request on a thread of its own, whichever button closed the dialog.
bool UpdateDialog(const std::wstring& reply);

// The notice link's click handler, bound without an instance.
struct TFormHelper {
  // Opens the sender's hint, which holds the notice's link.
  static void OpenURL(TComponent* sender);
};
