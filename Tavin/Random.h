// The process's pseudo-random numbers: one generator, seeded once from the
// high-resolution counter on first use, shared by every thread.
#pragma once

#include <cstdint>

// A number from 0 to range - 1 (0 for a range of 0).
std::uint32_t RandomBelow(std::uint32_t range);

// Replaces the seed, for tests that want known numbers; later draws follow from it.
void SetRandomSeed(std::uint32_t seed);
