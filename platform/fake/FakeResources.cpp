#include "platform/fake/FakeResources.h"

#include <algorithm>

#include "platform/fake/CaseFold.h"
#include "platform/fake/EmbeddedResources.h"

namespace {

// Windows compares resource names by upper-casing them; "#10" names the number 10.
std::wstring Key(const wchar_t* id) {
  if (IS_INTRESOURCE(id)) return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(id));
  std::wstring text(id);
  if (text.size() > 1 && text[0] == L'#' &&
      std::all_of(text.begin() + 1, text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
    return L"#" + std::to_wstring(std::stoul(text.substr(1)) & 0xFFFF);
  return FoldCase(text);
}

}  // namespace

FakeResources::Entry* FakeResources::Find(HRSRC resource) {
  for (Entry& entry : entries_)
    if (reinterpret_cast<HRSRC>(&entry) == resource) return &entry;
  return nullptr;
}

HRSRC FakeResources::FindResourceW(HMODULE module, const wchar_t* name, const wchar_t* type,
                                   DWORD* error) {
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check("FindResourceW")) {
    *error = *fault;
    return nullptr;
  }
  // Only the program's own module is modelled.
  if (module != nullptr) {
    *error = ERROR_INVALID_HANDLE;
    return nullptr;
  }
  if (name == nullptr || type == nullptr) {
    *error = ERROR_RESOURCE_NAME_NOT_FOUND;
    return nullptr;
  }
  const std::wstring typeKey = Key(type);
  const std::wstring nameKey = Key(name);
  bool typeSeen = false;
  for (Entry& entry : entries_) {
    if (entry.type != typeKey) continue;
    typeSeen = true;
    if (entry.name == nameKey) return reinterpret_cast<HRSRC>(&entry);
  }
  *error = typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
  return nullptr;
}

HGLOBAL FakeResources::LoadResource(HMODULE module, HRSRC resource, DWORD* error) {
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check("LoadResource")) {
    *error = *fault;
    return nullptr;
  }
  Entry* entry = module == nullptr ? Find(resource) : nullptr;
  if (entry == nullptr) {
    *error = ERROR_INVALID_HANDLE;
    return nullptr;
  }
  return entry;
}

const void* FakeResources::LockResource(HGLOBAL data) {
  std::lock_guard lock(mutex_);
  Entry* entry = Find(static_cast<HRSRC>(data));
  return entry == nullptr ? nullptr : entry->bytes.data();
}

DWORD FakeResources::SizeofResource(HMODULE module, HRSRC resource, DWORD* error) {
  std::lock_guard lock(mutex_);
  DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  if (auto fault = faults.Check("SizeofResource")) {
    *error = *fault;
    return 0;
  }
  Entry* entry = module == nullptr ? Find(resource) : nullptr;
  if (entry == nullptr) {
    *error = ERROR_INVALID_HANDLE;
    return 0;
  }
  *error = NO_ERROR;
  return static_cast<DWORD>(entry->bytes.size());
}

void FakeResources::SetResource(const wchar_t* type, const wchar_t* name, std::string bytes) {
  std::lock_guard lock(mutex_);
  const std::wstring typeKey = Key(type);
  const std::wstring nameKey = Key(name);
  for (Entry& entry : entries_) {
    if (entry.type == typeKey && entry.name == nameKey) {
      entry.bytes = std::move(bytes);
      return;
    }
  }
  entries_.push_back({typeKey, nameKey, std::move(bytes)});
}

void FakeResources::RemoveResource(const wchar_t* type, const wchar_t* name) {
  std::lock_guard lock(mutex_);
  const std::wstring typeKey = Key(type);
  const std::wstring nameKey = Key(name);
  entries_.remove_if([&](const Entry& e) { return e.type == typeKey && e.name == nameKey; });
}

void FakeResources::AddProgramResources() {
  for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
    const EmbeddedResource& resource = kEmbeddedResources[i];
    SetResource(RT_RCDATA, resource.name,
                std::string(reinterpret_cast<const char*>(resource.bytes), resource.size));
  }
}

void FakeResources::Clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}
