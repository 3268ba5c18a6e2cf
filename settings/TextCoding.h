#pragma once
// Conversions between the text encodings that the settings file and the text
// table meet.
#include <string>
#include <string_view>

namespace fl {

// Every byte as the character of the same code (ISO 8859-1), encoded as UTF-8.
std::string Utf8FromLatin1(std::string_view bytes);

// The text with every byte that does not belong to a well-formed UTF-8
// sequence replaced by U+FFFD, so later users only ever see valid UTF-8.
std::string ValidUtf8(std::string_view bytes);

// UTF-16 code units of the text, upper-cased for ASCII and the Latin-1 letters
// (the only letters the built-in texts and their callers use).
std::u16string UpperCaseUtf16(std::string_view utf8);

}  // namespace fl
