#include "ui/win32/ListAccessible.h"

#include <commctrl.h>

#include <utility>

#include "Tavin/Translate.h"

namespace {

HRESULT ToBstr(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT ChildId(long id) {
  VARIANT value;
  ::VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = id;
  return value;
}

}  // namespace

// The interface's identifier is taken with __uuidof, not as IID_IAccessible: mingw-w64
// defines that symbol both in oleacc's import library and in libuuid, and a program that
// needs other identifiers from libuuid as well fails to link with both.
TListAccessible::TListAccessible(HWND list, TListRowsForAccess rows) : list_(list), rows_(std::move(rows)) {
  // Without the standard object the list itself has no name or place; the rows still do.
  (void)::CreateStdAccessibleObject(list, OBJID_CLIENT, __uuidof(IAccessible), standard_.put_void());
}

void TListAccessible::Disconnect() {
  connected_ = false;
  standard_.reset();
}

VARIANT TListAccessible::Self() { return ChildId(CHILDID_SELF); }

bool TListAccessible::RowOf(const VARIANT& child, int& row) const {
  if (child.vt != VT_I4) return false;
  if (child.lVal == CHILDID_SELF) {
    row = -1;
    return true;
  }
  row = child.lVal - 1;
  return row >= 0 && row < rows_.count();
}

HRESULT TListAccessible::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TListAccessible::AddRef() { return ++references_; }

ULONG TListAccessible::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT TListAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT TListAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT TListAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT TListAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT TListAccessible::get_accParent(IDispatch** parent) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!parent) return E_POINTER;
  *parent = nullptr;
  return standard_ ? standard_->get_accParent(parent) : S_FALSE;
}

HRESULT TListAccessible::get_accChildCount(long* count) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!count) return E_POINTER;
  *count = rows_.count();
  return S_OK;
}

HRESULT TListAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!object) return E_POINTER;
  *object = nullptr;
  int row = -1;
  // Rows are simple elements, answered through their ids.
  return RowOf(child, row) && row >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT TListAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!name) return E_POINTER;
  *name = nullptr;
  int row = -1;
  if (!RowOf(child, row)) return E_INVALIDARG;
  if (row >= 0) return ToBstr(rows_.name(row), name);
  // The list's name is its window text, the first column's title.
  return ToBstr(WindowTextOf(), name);
}

std::wstring TListAccessible::WindowTextOf() const {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(list_)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(list_, text.data(), static_cast<int>(text.size()))));
  return text;
}

HRESULT TListAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!value) return E_POINTER;
  *value = nullptr;
  int row = -1;
  return RowOf(child, row) ? S_FALSE : E_INVALIDARG;
}

HRESULT TListAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!description) return E_POINTER;
  *description = nullptr;
  int row = -1;
  if (!RowOf(child, row)) return E_INVALIDARG;
  // A switched-off entry is drawn grey; a screen reader says it in words.
  if (row >= 0 && !rows_.enabled(row)) return ToBstr(TranslateText(L"사용 중지됨"), description);
  return S_FALSE;
}

HRESULT TListAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!role) return E_POINTER;
  ::VariantInit(role);
  int row = -1;
  if (!RowOf(child, row)) return E_INVALIDARG;
  role->vt = VT_I4;
  role->lVal = row >= 0 ? ROLE_SYSTEM_LISTITEM : ROLE_SYSTEM_LIST;
  return S_OK;
}

HRESULT TListAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!state) return E_POINTER;
  ::VariantInit(state);
  int row = -1;
  if (!RowOf(child, row)) return E_INVALIDARG;
  if (row < 0) {
    if (standard_) return standard_->get_accState(Self(), state);
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_FOCUSABLE;
    return S_OK;
  }
  long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  const UINT listState = ListView_GetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED);
  if (listState & LVIS_SELECTED) flags |= STATE_SYSTEM_SELECTED;
  if ((listState & LVIS_FOCUSED) && ::GetFocus() == list_) flags |= STATE_SYSTEM_FOCUSED;
  RECT place{};
  RECT client{};
  RECT shown{};
  ::GetClientRect(list_, &client);
  if (!ListView_GetItemRect(list_, row, &place, LVIR_BOUNDS) || !::IntersectRect(&shown, &place, &client)) {
    flags |= STATE_SYSTEM_OFFSCREEN;
  }
  state->vt = VT_I4;
  state->lVal = flags;
  return S_OK;
}

HRESULT TListAccessible::get_accHelp(VARIANT child, BSTR* help) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!help) return E_POINTER;
  *help = nullptr;
  int row = -1;
  return RowOf(child, row) ? S_FALSE : E_INVALIDARG;
}

HRESULT TListAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = -1;
  return connected_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT TListAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!shortcut) return E_POINTER;
  *shortcut = nullptr;
  int row = -1;
  return RowOf(child, row) ? S_FALSE : E_INVALIDARG;
}

HRESULT TListAccessible::get_accFocus(VARIANT* child) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!child) return E_POINTER;
  ::VariantInit(child);
  if (::GetFocus() != list_) return S_FALSE;
  const int row = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  *child = ChildId(row >= 0 && row < rows_.count() ? row + 1 : CHILDID_SELF);
  return S_OK;
}

HRESULT TListAccessible::get_accSelection(VARIANT* children) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!children) return E_POINTER;
  ::VariantInit(children);
  // One row at most: the list takes a single selection.
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (row < 0 || row >= rows_.count()) return S_FALSE;
  *children = ChildId(row + 1);
  return S_OK;
}

HRESULT TListAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!action) return E_POINTER;
  *action = nullptr;
  int row = -1;
  return RowOf(child, row) ? S_FALSE : E_INVALIDARG;
}

HRESULT TListAccessible::accSelect(long flags, VARIANT child) {
  if (!connected_) return RPC_E_DISCONNECTED;
  int row = -1;
  if (!RowOf(child, row) || row < 0) return E_INVALIDARG;
  if (flags & SELFLAG_TAKEFOCUS) ::SetFocus(list_);
  if (flags & (SELFLAG_TAKESELECTION | SELFLAG_ADDSELECTION)) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  if (flags & SELFLAG_REMOVESELECTION) ListView_SetItemState(list_, row, 0, LVIS_SELECTED);
  return S_OK;
}

HRESULT TListAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!left || !top || !width || !height) return E_POINTER;
  int row = -1;
  if (!RowOf(child, row)) return E_INVALIDARG;
  RECT place{};
  if (row < 0) {
    ::GetClientRect(list_, &place);
  } else if (!ListView_GetItemRect(list_, row, &place, LVIR_BOUNDS)) {
    return S_FALSE;
  }
  ::MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&place), 2);
  *left = place.left;
  *top = place.top;
  *width = place.right - place.left;
  *height = place.bottom - place.top;
  return S_OK;
}

HRESULT TListAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!end) return E_POINTER;
  ::VariantInit(end);
  int row = -1;
  if (!RowOf(start, row)) return E_INVALIDARG;
  const int count = rows_.count();
  int to = -2;
  switch (direction) {
    case NAVDIR_FIRSTCHILD:
      if (row < 0 && count > 0) to = 0;
      break;
    case NAVDIR_LASTCHILD:
      if (row < 0 && count > 0) to = count - 1;
      break;
    case NAVDIR_NEXT:
    case NAVDIR_DOWN:
      if (row >= 0 && row + 1 < count) to = row + 1;
      break;
    case NAVDIR_PREVIOUS:
    case NAVDIR_UP:
      if (row > 0) to = row - 1;
      break;
    default:
      break;
  }
  if (to == -2) {
    // The list among its siblings is the system's to say.
    if (row < 0 && standard_) return standard_->accNavigate(direction, start, end);
    return S_FALSE;
  }
  *end = ChildId(to + 1);
  return S_OK;
}

HRESULT TListAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (!connected_) return RPC_E_DISCONNECTED;
  if (!child) return E_POINTER;
  ::VariantInit(child);
  POINT at{x, y};
  ::ScreenToClient(list_, &at);
  RECT client{};
  ::GetClientRect(list_, &client);
  if (!::PtInRect(&client, at)) return S_FALSE;
  LVHITTESTINFO hit{};
  hit.pt = at;
  const int row = ListView_HitTest(list_, &hit);
  *child = ChildId(row >= 0 && row < rows_.count() ? row + 1 : CHILDID_SELF);
  return S_OK;
}

HRESULT TListAccessible::accDoDefaultAction(VARIANT child) {
  if (!connected_) return RPC_E_DISCONNECTED;
  int row = -1;
  return RowOf(child, row) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
}

HRESULT TListAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT TListAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }
