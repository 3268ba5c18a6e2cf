#pragma once
#include <cstdint>
#include <vector>

namespace fl {

// A decoded picture: rows top-down, each pixel 0xAARRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  // True when the source file carried transparency of its own (PNG alpha or tRNS).
  bool hasTransparency = false;

  bool Empty() const { return width <= 0 || height <= 0; }
  std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace fl
