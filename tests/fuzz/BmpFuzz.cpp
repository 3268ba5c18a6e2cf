// Arbitrary bytes through the BMP decoder: no crash, leak or oversized
// allocation; what decodes is a whole picture within the limits.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/picture/PictureDecoder.h"
#include "tests/fuzz/PictureFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<fl::Picture> picture = fl::DecodeBmp(std::span(data, size));
  if (picture) CheckDecodedPicture(*picture);
  return 0;
}
