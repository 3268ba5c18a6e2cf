#include "saver/Random.h"

#include <chrono>
#include <random>

namespace fl {
namespace {

std::mt19937& Generator() {
  static std::mt19937 generator(static_cast<std::uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return generator;
}

}  // namespace

int Random(int n) {
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n)(Generator());
}

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

}  // namespace fl
