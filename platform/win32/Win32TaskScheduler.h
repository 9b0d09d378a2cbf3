// COM initialisation and the Task Scheduler 2.0 wrappers. This is the one place that
// sees BSTRs, VARIANTs and reference counts; the portable code gets owning pointers
// of the interfaces in platform/TaskScheduler.h.
#pragma once

#include "platform/TaskScheduler.h"
#include "platform/win32/Win32Handles.h"

class Win32ComRuntime final : public IComRuntime {
 public:
  HRESULT CoInitializeEx(void* reserved, DWORD coInit) override;
  void CoUninitialize() override;
  HRESULT CoInitializeSecurity(void* securityDescriptor, LONG authServices, void* authServiceList,
                               void* reserved1, DWORD authnLevel, DWORD impLevel, void* authList,
                               DWORD capabilities, void* reserved3) override;
  HRESULT CoCreateInstance(const GUID& clsid, void* outer, DWORD context, const GUID& iid,
                           std::unique_ptr<ITaskServiceP>* service) override;
};

// Wraps a task folder the caller already holds (the Windows tests register tasks
// through the raw interface, which the program itself never does).
std::unique_ptr<ITaskFolderP> WrapTaskFolder(ComPtr<ITaskFolder> folder);
