#include "Tavin/Random.h"

#include <mutex>

#include "platform/Platform.h"

namespace {

std::mutex gMutex;
bool gSeeded = false;
std::uint32_t gState = 0;

// The counter differs from run to run in its low bits, which is all the identifier
// asks of it: two installations should not draw the same numbers.
void SeedOnce() {
  if (gSeeded) return;
  std::int64_t count = 0;
  if (!PlatformSystem().QueryPerformanceCounter(&count)) count = 0;
  gState = static_cast<std::uint32_t>(count);
  gSeeded = true;
}

}  // namespace

std::uint32_t RandomBelow(std::uint32_t range) {
  std::lock_guard lock(gMutex);
  SeedOnce();
  // A linear congruential generator; the draw takes the high bits of state × range, so
  // it is uniform enough and never divides.
  gState = gState * 0x08088405u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(gState) * range) >> 32);
}

void SetRandomSeed(std::uint32_t seed) {
  std::lock_guard lock(gMutex);
  gState = seed;
  gSeeded = true;
}
