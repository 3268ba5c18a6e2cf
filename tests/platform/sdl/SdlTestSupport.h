#pragma once
// A private X server for the SDL backend tests, and read-back of what the
// renderer drew.
#include <SDL2/SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "platform/picture/Picture.h"

namespace fl::test {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// One 640 x 480 x 24 Xvfb for the whole test program, named by DISPLAY.
class SdlTestDisplay {
 public:
  static bool Start();

 private:
  static std::unique_ptr<XvfbServer> server_;
  static std::unique_ptr<ScopedEnv> display_;
};

// The renderer's back buffer, 0xRRGGBB per pixel.
class Frame {
 public:
  explicit Frame(SDL_Renderer* renderer);
  std::uint32_t At(int x, int y) const;
  int Red(int x, int y) const { return static_cast<int>((At(x, y) >> 16) & 0xFF); }

 private:
  int width_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// A picture of one colour (0xAARRGGBB).
Picture SolidPicture(int width, int height, std::uint32_t argb);

}  // namespace fl::test
