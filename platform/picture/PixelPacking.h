#pragma once
#include <cstdint>
#include <vector>

namespace fl {

// Turns a buffer whose 32-bit slots hold the bytes R, G, B, A (as decoders
// write them) into 0xAARRGGBB values, in place.
inline void PackRgbaInPlace(std::vector<std::uint32_t>& pixels) {
  for (std::uint32_t& slot : pixels) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&slot);
    slot = (std::uint32_t{bytes[3]} << 24) | (std::uint32_t{bytes[0]} << 16) |
           (std::uint32_t{bytes[1]} << 8) | bytes[2];
  }
}

}  // namespace fl
