// COM initialisation and the Task Scheduler 2.0 interfaces the catalogue uses. The
// methods mirror ITaskService, ITaskFolder, IRegisteredTaskCollection and
// IRegisteredTask: same names, same HRESULTs. Interface pointers are handed out as
// owning std::unique_ptr and texts as std::wstring, so the Win32 adapter is the only
// place that sees BSTRs, VARIANTs and reference counts.
#pragma once

#include <memory>
#include <string>

#include "platform/WinTypes.h"

// The few VARIANT shapes the calls take: VT_EMPTY, or VT_I4 with an integer.
struct TaskVariant {
  VARTYPE vt = VT_EMPTY;
  LONG lVal = 0;

  static TaskVariant Empty() { return {}; }
  static TaskVariant Int(LONG value) { return {VT_I4, value}; }
};

#ifdef _WIN32
// The Windows header declares TASK_ENUM_HIDDEN as an enumerator of TASK_ENUM_FLAGS.
#include <taskschd.h>
#else
constexpr LONG TASK_ENUM_HIDDEN = 0x1;
#endif

// {0F87369F-A4E5-4CFC-BD3E-73E6154572DD}
inline constexpr GUID kClsidTaskScheduler = {
    0x0F87369F, 0xA4E5, 0x4CFC, {0xBD, 0x3E, 0x73, 0xE6, 0x15, 0x45, 0x72, 0xDD}};
// {2FABA4C7-4DA9-4013-9697-20CC3FD40F85}
inline constexpr GUID kIidTaskService = {
    0x2FABA4C7, 0x4DA9, 0x4013, {0x96, 0x97, 0x20, 0xCC, 0x3F, 0xD4, 0x0F, 0x85}};

class IRegisteredTaskP {
 public:
  virtual ~IRegisteredTaskP() = default;
  [[nodiscard]] virtual HRESULT get_Name(std::wstring* name) = 0;
  [[nodiscard]] virtual HRESULT get_Enabled(VARIANT_BOOL* enabled) = 0;
  [[nodiscard]] virtual HRESULT put_Enabled(VARIANT_BOOL enabled) = 0;
};

class IRegisteredTaskCollectionP {
 public:
  virtual ~IRegisteredTaskCollectionP() = default;
  [[nodiscard]] virtual HRESULT get_Count(LONG* count) = 0;
  // The collection counts from 1.
  [[nodiscard]] virtual HRESULT get_Item(TaskVariant index,
                                         std::unique_ptr<IRegisteredTaskP>* task) = 0;
};

class ITaskFolderP {
 public:
  virtual ~ITaskFolderP() = default;
  [[nodiscard]] virtual HRESULT GetTasks(LONG flags,
                                         std::unique_ptr<IRegisteredTaskCollectionP>* tasks) = 0;
  [[nodiscard]] virtual HRESULT GetTask(const std::wstring& path,
                                        std::unique_ptr<IRegisteredTaskP>* task) = 0;
};

class ITaskServiceP {
 public:
  virtual ~ITaskServiceP() = default;
  [[nodiscard]] virtual HRESULT Connect(TaskVariant serverName, TaskVariant user,
                                        TaskVariant domain, TaskVariant password) = 0;
  [[nodiscard]] virtual HRESULT GetFolder(const std::wstring& path,
                                          std::unique_ptr<ITaskFolderP>* folder) = 0;
};

class IComRuntime {
 public:
  virtual ~IComRuntime() = default;
  [[nodiscard]] virtual HRESULT CoInitializeEx(void* reserved, DWORD coInit) = 0;
  virtual void CoUninitialize() = 0;
  [[nodiscard]] virtual HRESULT CoInitializeSecurity(void* securityDescriptor, LONG authServices,
                                                     void* authServiceList, void* reserved1,
                                                     DWORD authnLevel, DWORD impLevel,
                                                     void* authList, DWORD capabilities,
                                                     void* reserved3) = 0;
  // CoCreateInstance narrowed to the one class the program creates.
  [[nodiscard]] virtual HRESULT CoCreateInstance(const GUID& clsid, void* outer, DWORD context,
                                                 const GUID& iid,
                                                 std::unique_ptr<ITaskServiceP>* service) = 0;
};
