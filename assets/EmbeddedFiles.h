#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace fl {

// The bytes of a file of assets/pictures by its name ("flake1.png"); empty when absent.
std::span<const std::uint8_t> EmbeddedFile(std::string_view name);

}  // namespace fl
