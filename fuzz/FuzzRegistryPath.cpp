// Registry path strings come from the catalogue and the command line: Parse must split
// any text, and what it gives must join back into the text it came from.
#include <cstdlib>

#include "Tavin/Registry.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::wstring text = FuzzText(data, size);
  HKEY root = nullptr;
  std::wstring key, name;
  if (!TReg::Parse(text, root, key, name)) {
    if (!key.empty() || !name.empty()) std::abort();
    return 0;
  }
  // The name is always the text after the last backslash.
  const size_t last = text.rfind(L'\\');
  if (last == std::wstring::npos || text.substr(last + 1) != name) std::abort();
  if (!key.empty() && key.front() == L'\\') std::abort();
  if (root != nullptr && RootKeyToName(root, false).empty()) std::abort();
  return 0;
}
