// The contract between the platform interfaces and Windows: one table of cases per
// service, compiled twice, once against the fakes (native tests) and once against the
// Win32 adapters on Wine's real registry, folders and service manager. Each case runs its
// calls in a sandbox of its own (a "world") and writes what it saw, one line per
// observation, into a transcript; the row holds the transcript Windows gives. Where Wine
// (or, rarely, the fake) is known to differ from Windows the row says how and why, and
// holds what it gives instead, so a change in Wine or a fake drifting from Windows shows
// as a failure.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/WinTypes.h"

using Transcript = std::vector<std::string>;

// Every world says whether it is Wine (or a fake): only a row with a note for it may
// expect it to answer differently from Windows.
class ContractWorld {
 public:
  virtual ~ContractWorld() = default;
  virtual bool IsWine() const = 0;
};

template <typename World>
struct ContractCase {
  using Run = void (*)(World& world, Transcript& seen);

  ContractCase(const char* caseName, Run calls, Transcript onWindows,
               const char* howWineDiffers = nullptr, Transcript onWine = Transcript(),
               const char* howTheFakeDiffers = nullptr, Transcript inTheFake = Transcript())
      : name(caseName),
        run(calls),
        windows(std::move(onWindows)),
        wineNote(howWineDiffers),
        wine(std::move(onWine)),
        fakeNote(howTheFakeDiffers),
        fake(std::move(inTheFake)) {}

  const char* name;
  Run run;
  Transcript windows;    // what Windows gives, and so what the fake must give
  const char* wineNote;  // how and why Wine differs from Windows in this case
  Transcript wine;       // what Wine gives instead (only with a note)
  // Where the fake cannot behave as Windows does, why, and what it gives instead. Kept
  // for what a fake cannot do at all (read past a caller's buffer, say).
  const char* fakeNote;
  Transcript fake;
};

// The error's symbolic name for the codes the tables meet, else its number.
std::string ErrorName(DWORD code);
// Bytes as lower-case hex pairs without separators; "-" for none.
std::string Hex(const BYTE* data, size_t size);
std::string Hex(const std::vector<BYTE>& bytes);
// A name as the transcript shows it: ASCII as it stands, anything else as \uXXXX.
std::string Shown(std::wstring_view text);
// A string's UTF-16LE bytes, as the registry holds them, without a terminator.
std::vector<BYTE> Utf16(std::wstring_view text);

template <typename World>
void RunContractCase(World& world, const ContractCase<World>& row) {
  Transcript seen;
  row.run(world, seen);
  const char* note = world.IsWine() ? row.wineNote : row.fakeNote;
  const Transcript& expected =
      note == nullptr ? row.windows : (world.IsWine() ? row.wine : row.fake);
  EXPECT_EQ(seen, expected) << (note != nullptr ? "Known to differ from Windows here: " : "")
                            << (note != nullptr ? note : "");
}

// gtest shows a case by its name.
template <typename World>
void PrintTo(const ContractCase<World>& row, std::ostream* out) {
  *out << row.name;
}

// gtest names the instantiated cases after their rows.
struct ContractCaseName {
  template <typename Param>
  std::string operator()(const testing::TestParamInfo<Param>& info) const {
    return info.param.name;
  }
};
