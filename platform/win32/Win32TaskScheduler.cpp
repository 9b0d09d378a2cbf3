#include "platform/win32/Win32TaskScheduler.h"

#include <utility>

namespace {

// A TaskVariant as the VARIANT the Task Scheduler expects; only the shapes the
// portable type can hold are accepted.
HRESULT ToVariant(const TaskVariant& in, UniqueVariant* out) {
  switch (in.vt) {
    case VT_EMPTY:
      return S_OK;
    case VT_I4:
      out->get().vt = VT_I4;
      out->get().lVal = in.lVal;
      return S_OK;
    default:
      return E_INVALIDARG;
  }
}

// A BSTR copy of a string; the Task Scheduler reads the length prefix, so a plain
// wchar_t pointer must never stand in for one.
HRESULT ToBstr(const std::wstring& text, UniqueBstr* out) {
  out->reset(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// Hands a received interface out as an owning wrapper; a success without an object
// would be a broken server, reported as E_POINTER rather than a null wrapper.
template <typename Wrapper, typename Raw, typename Out>
HRESULT HandOut(HRESULT hr, ComPtr<Raw> raw, std::unique_ptr<Out>* out) {
  if (FAILED(hr)) return hr;
  if (!raw) return E_POINTER;
  *out = std::make_unique<Wrapper>(std::move(raw));
  return hr;
}

class Win32RegisteredTask final : public IRegisteredTaskP {
 public:
  explicit Win32RegisteredTask(ComPtr<IRegisteredTask> task) : task_(std::move(task)) {}

  HRESULT get_Name(std::wstring* name) override {
    UniqueBstr text;
    HRESULT hr = task_->get_Name(text.put());
    if (SUCCEEDED(hr)) name->assign(text.get() ? text.get() : L"", ::SysStringLen(text.get()));
    return hr;
  }
  HRESULT get_Enabled(VARIANT_BOOL* enabled) override { return task_->get_Enabled(enabled); }
  HRESULT put_Enabled(VARIANT_BOOL enabled) override { return task_->put_Enabled(enabled); }

 private:
  ComPtr<IRegisteredTask> task_;
};

class Win32RegisteredTaskCollection final : public IRegisteredTaskCollectionP {
 public:
  explicit Win32RegisteredTaskCollection(ComPtr<IRegisteredTaskCollection> tasks)
      : tasks_(std::move(tasks)) {}

  HRESULT get_Count(LONG* count) override { return tasks_->get_Count(count); }
  HRESULT get_Item(TaskVariant index, std::unique_ptr<IRegisteredTaskP>* task) override {
    UniqueVariant variant;
    if (HRESULT hr = ToVariant(index, &variant); FAILED(hr)) return hr;
    ComPtr<IRegisteredTask> raw;
    HRESULT hr = tasks_->get_Item(variant.get(), raw.put());
    return HandOut<Win32RegisteredTask>(hr, std::move(raw), task);
  }

 private:
  ComPtr<IRegisteredTaskCollection> tasks_;
};

class Win32TaskFolder final : public ITaskFolderP {
 public:
  explicit Win32TaskFolder(ComPtr<ITaskFolder> folder) : folder_(std::move(folder)) {}

  HRESULT GetTasks(LONG flags, std::unique_ptr<IRegisteredTaskCollectionP>* tasks) override {
    ComPtr<IRegisteredTaskCollection> raw;
    HRESULT hr = folder_->GetTasks(flags, raw.put());
    return HandOut<Win32RegisteredTaskCollection>(hr, std::move(raw), tasks);
  }
  HRESULT GetTask(const std::wstring& path, std::unique_ptr<IRegisteredTaskP>* task) override {
    UniqueBstr bstrPath;
    if (HRESULT hr = ToBstr(path, &bstrPath); FAILED(hr)) return hr;
    ComPtr<IRegisteredTask> raw;
    HRESULT hr = folder_->GetTask(bstrPath.get(), raw.put());
    return HandOut<Win32RegisteredTask>(hr, std::move(raw), task);
  }

 private:
  ComPtr<ITaskFolder> folder_;
};

class Win32TaskService final : public ITaskServiceP {
 public:
  explicit Win32TaskService(ComPtr<ITaskService> service) : service_(std::move(service)) {}

  HRESULT Connect(TaskVariant serverName, TaskVariant user, TaskVariant domain,
                  TaskVariant password) override {
    UniqueVariant server, account, accountDomain, secret;
    for (auto [in, out] : {std::pair{&serverName, &server}, std::pair{&user, &account},
                           std::pair{&domain, &accountDomain}, std::pair{&password, &secret}}) {
      if (HRESULT hr = ToVariant(*in, out); FAILED(hr)) return hr;
    }
    return service_->Connect(server.get(), account.get(), accountDomain.get(), secret.get());
  }
  HRESULT GetFolder(const std::wstring& path, std::unique_ptr<ITaskFolderP>* folder) override {
    UniqueBstr bstrPath;
    if (HRESULT hr = ToBstr(path, &bstrPath); FAILED(hr)) return hr;
    ComPtr<ITaskFolder> raw;
    HRESULT hr = service_->GetFolder(bstrPath.get(), raw.put());
    return HandOut<Win32TaskFolder>(hr, std::move(raw), folder);
  }

 private:
  ComPtr<ITaskService> service_;
};

}  // namespace

HRESULT Win32ComRuntime::CoInitializeEx(void* reserved, DWORD coInit) {
  return ::CoInitializeEx(reserved, coInit);
}

void Win32ComRuntime::CoUninitialize() { ::CoUninitialize(); }

HRESULT Win32ComRuntime::CoInitializeSecurity(void* securityDescriptor, LONG authServices,
                                              void* authServiceList, void* reserved1,
                                              DWORD authnLevel, DWORD impLevel, void* authList,
                                              DWORD capabilities, void* reserved3) {
  return ::CoInitializeSecurity(static_cast<PSECURITY_DESCRIPTOR>(securityDescriptor),
                                authServices,
                                static_cast<SOLE_AUTHENTICATION_SERVICE*>(authServiceList),
                                reserved1, authnLevel, impLevel, authList, capabilities,
                                reserved3);
}

HRESULT Win32ComRuntime::CoCreateInstance(const GUID& clsid, void* outer, DWORD context,
                                          const GUID& iid,
                                          std::unique_ptr<ITaskServiceP>* service) {
  // The wrapper can only speak ITaskService, so no other interface is asked for.
  if (!IsEqualGUID(iid, __uuidof(ITaskService))) return E_NOINTERFACE;
  ComPtr<ITaskService> raw;
  HRESULT hr = ::CoCreateInstance(clsid, static_cast<IUnknown*>(outer), context, iid,
                                  raw.put_void());
  return HandOut<Win32TaskService>(hr, std::move(raw), service);
}

std::unique_ptr<ITaskFolderP> WrapTaskFolder(ComPtr<ITaskFolder> folder) {
  return std::make_unique<Win32TaskFolder>(std::move(folder));
}
