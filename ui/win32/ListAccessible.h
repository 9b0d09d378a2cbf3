// What a screen reader is told about the autorun list through Active Accessibility: the
// list itself as the system describes it (its name is the first column's title), and one
// child per row with the row's name, its selection and focus, and for a switched-off
// entry the description that says so, which grey text alone does not.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <functional>
#include <string>

#include "platform/win32/Win32Handles.h"

// What the object asks of the list's owner, row by row (rows count from 0).
struct TListRowsForAccess {
  std::function<int()> count;
  std::function<std::wstring(int row)> name;
  std::function<bool(int row)> enabled;
};

class TListAccessible final : public IAccessible {
 public:
  // On the list's thread; the list's own standard object answers for the list itself.
  TListAccessible(HWND list, TListRowsForAccess rows);
  // The list is going: from now on every call answers RPC_E_DISCONNECTED, as the system's
  // objects do for a window that is gone, however long a screen reader holds on.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: not offered (clients of accessibility call the vtable).
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  ~TListAccessible() = default;
  // The row a child id names, or -1 for the list itself; false for an id that is neither.
  bool RowOf(const VARIANT& child, int& row) const;
  static VARIANT Self();
  std::wstring WindowTextOf() const;

  std::atomic<ULONG> references_{1};
  HWND list_;
  TListRowsForAccess rows_;
  ComPtr<IAccessible> standard_;
  std::atomic<bool> connected_{true};
};
