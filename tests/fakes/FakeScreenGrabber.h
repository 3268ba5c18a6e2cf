#pragma once
// A screen of one colour.
#include <cstdint>

#include "platform/ScreenGrabber.h"

namespace fl::test {

class FakeScreenGrabber : public ScreenGrabber {
 public:
  std::uint32_t colour = 0xFF336699;
  bool works = true;
  int grabs = 0;

  bool Grab(Picture& picture) override {
    ++grabs;
    if (!works) return false;
    for (std::uint32_t& pixel : picture.pixels) pixel = colour;
    return true;
  }
};

}  // namespace fl::test
