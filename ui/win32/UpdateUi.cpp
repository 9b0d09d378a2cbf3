#include "ui/win32/UpdateUi.h"

#include "ui/win32/UpdateDialog.h"
#include "ui/win32/UpdateStatus.h"

bool TWin32UpdateUi::UpdateDialog(const std::wstring& reply) { return ::UpdateDialog(reply); }

void TWin32UpdateUi::ShowUpdateStatus(const std::wstring& link) { ::ShowUpdateStatus(link); }
