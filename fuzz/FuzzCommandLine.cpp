// Any text stored as a Run value's command line must split and resolve without fault.
#include <cstdlib>

#include "Tavin/Path.h"
#include "fuzz/FuzzInput.h"
#include "platform/fake/FakePlatform.h"

namespace {

// Folder variables with real-looking folders, so the expansion path runs too.
struct Setup {
  Setup() {
    static FakePlatform fake;
    InitializeFolderVariables();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Setup setup;
  const std::wstring line = FuzzText(data, size);
  std::wstring file, parameters;
  SplitCommandLine(line, file, parameters);
  // Neither part can be longer than the line itself.
  if (file.size() > line.size() || parameters.size() > line.size()) std::abort();
  const std::wstring result = ExtractCommandFile(line);
  (void)ExpandFolderVariable(line);
  (void)RemoveX86Suffix(line);
  (void)result;
  return 0;
}
