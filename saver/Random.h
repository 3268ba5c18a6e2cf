#pragma once
// The process's one random generator.
#include <cstdint>

namespace fl {

// A uniform integer from 0 to n inclusive; 0 for a negative n.
int Random(int n);

// Restarts the generator from a fixed seed, so that a sequence can be replayed.
// Without it the generator is seeded once from the clock at its first use.
void SeedRandom(std::uint32_t seed);

}  // namespace fl
