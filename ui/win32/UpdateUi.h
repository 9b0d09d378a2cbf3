// The update check's visible side on Windows, as the main window hands it to CheckUpdate.
#pragma once

#include "Tavin/UpdateCheck.h"

class TWin32UpdateUi : public IUpdateUi {
 public:
  bool UpdateDialog(const std::wstring& reply) override;
  void ShowUpdateStatus(const std::wstring& link) override;
};
