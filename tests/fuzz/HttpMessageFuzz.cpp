// Arbitrary bytes as a server's response and as a URL: the parse must neither
// crash nor hang, and its results must keep their shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "update/HttpMessage.h"

namespace {

// At most three characters, each one byte or a two-byte Latin-1 sequence.
bool IsShortUtf8(const std::string& text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i, ++characters) {
    auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0x80) {
      if ((lead & 0xE0) != 0xC0 || i + 1 >= text.size() || (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80)
        return false;
      ++i;
    }
  }
  return characters <= 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::string text = fl::ResponseVersionText(bytes);
  if (!IsShortUtf8(text) || (!text.empty() && text.front() == ' ')) std::abort();

  fl::UrlParts url = fl::SplitUrl(bytes);
  if (url.path.empty() || url.path[0] != '/' || url.path.find('?') != std::string::npos) std::abort();
  if (url.host.find_first_of(":/") != std::string::npos || url.port < 0) std::abort();
  std::string request = fl::BuildRequest(url, "Frostlight Screensaver 2.0");
  if (request.compare(request.size() - 4, 4, "\r\n\r\n") != 0) std::abort();
  return 0;
}
