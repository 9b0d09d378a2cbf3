// The application object: the title that message boxes and dialogs carry, the main window
// whose closing ends the message loop, and the loop itself.
#pragma once

#include <windows.h>

#include <string>

class TWin32Form;

class TApplication {
 public:
  const std::wstring& Title() const { return title_; }
  void SetTitle(std::wstring title) { title_ = std::move(title); }

  // The window whose destruction ends Run; none until the program sets one.
  TWin32Form* MainForm() const { return mainForm_; }
  void SetMainForm(TWin32Form* form) { mainForm_ = form; }
  // The main window was destroyed: Run ends after the messages already queued.
  void MainFormDestroyed(TWin32Form* form);

  // The program's own icon ("MAINICON" in its resources), the system's otherwise: at the
  // size of a large icon, and at the small size of title bars and the taskbar.
  HICON Icon() const;
  HICON SmallIcon() const;

  // The message loop, until the main window is gone; the exit code of WM_QUIT.
  int Run();
  // Handles the messages waiting now and returns.
  void ProcessMessages();

 private:
  std::wstring title_;
  TWin32Form* mainForm_ = nullptr;
};

TApplication& Application();

// The one way every loop of the program (the main loop, the update dialog's, the wait
// for the reply step, the pass of waiting messages) handles a message: the dialog keys
// (Tab, Shift+Tab, Enter, Escape, the arrows) for the form it belongs to, then the usual
// translation and dispatch.
void DispatchUiMessage(MSG& message);

enum class TPumped { kMessage, kQuit, kFailed };
// Waits for the next message and handles it as above. WM_QUIT is not handled: its code
// goes to quitCode and the caller decides whether the loop outside should see it again.
TPumped PumpMessage(WPARAM& quitCode);
