#pragma once
#include <cstdint>
#include <span>

namespace fl {

// The PNG file of built-in snowflake `type` (1 to 8); any other type gives flake 1.
std::span<const std::uint8_t> FlakePicture(int type);

}  // namespace fl
