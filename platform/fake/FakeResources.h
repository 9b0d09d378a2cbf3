// The program's own resources in memory. A FakePlatform starts with the resources the
// program embeds (the same bytes the Windows build links in through its .rc file);
// tests add, replace and remove resources to show how the logic copes.
#pragma once

#include <list>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/Resources.h"
#include "platform/fake/FaultPlan.h"

class FakeResources : public IResources {
 public:
  [[nodiscard]] HRSRC FindResourceW(HMODULE module, const wchar_t* name, const wchar_t* type,
                                    DWORD* error) override;
  [[nodiscard]] HGLOBAL LoadResource(HMODULE module, HRSRC resource, DWORD* error) override;
  [[nodiscard]] const void* LockResource(HGLOBAL data) override;
  [[nodiscard]] DWORD SizeofResource(HMODULE module, HRSRC resource, DWORD* error) override;

  // type and name are a text or MAKEINTRESOURCEW(number), as for FindResourceW.
  void SetResource(const wchar_t* type, const wchar_t* name, std::string bytes);
  void RemoveResource(const wchar_t* type, const wchar_t* name);
  // The RCDATA resources the program embeds.
  void AddProgramResources();
  void Clear();

  FaultPlan faults{"FakeResources", {"FindResourceW", "LoadResource", "SizeofResource"}};

 private:
  struct Entry {
    std::wstring type;  // folded text or "#<number>"
    std::wstring name;
    std::string bytes;
  };

  Entry* Find(HRSRC resource);

  std::mutex mutex_;
  std::list<Entry> entries_;  // a handle is an entry's address, so addresses must stay
};
