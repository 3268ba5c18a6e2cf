#pragma once
// The built-in English user-interface texts as an ordered list of (key, text)
// pairs. A pair with the key "_GROUP_" starts a group named by its text; the
// pair with the key "_END_" ends the data. Every other pair is an entry of the
// group started last.
#include <span>
#include <string_view>

namespace fl {

struct TextPair {
  std::string_view key;
  std::string_view text;
};

std::span<const TextPair> BuiltInTexts();

}  // namespace fl
