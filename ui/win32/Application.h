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
  bool Dispatch(MSG& message);
  std::wstring title_;
  TWin32Form* mainForm_ = nullptr;
};

TApplication& Application();
