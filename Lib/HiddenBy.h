// Why the list view leaves an entry out of its rows, as the console companion reports it.
#pragma once

#include <optional>
#include <string>

// The rule that hides an entry, named as the server's reply names the lists.
inline constexpr wchar_t kHiddenByNameWhite[] = L"name_white";
inline constexpr wchar_t kHiddenByFileWhite[] = L"file_white";
// Disabled, while "All Programs" is not ticked: ticking it would show the entry.
inline constexpr wchar_t kHiddenByDisabled[] = L"disabled";
// No caption: the view never gives such an entry a row (the Run key's unnamed default
// value is one).
inline constexpr wchar_t kHiddenByUnnamed[] = L"unnamed";

struct THiddenBy {
  std::wstring List;
  // The white list's row that matched, exactly as the list holds it; none for the rules
  // that are no list.
  std::optional<std::wstring> Row;

  bool operator==(const THiddenBy&) const = default;
};
