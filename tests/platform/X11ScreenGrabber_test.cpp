#include "platform/x11/X11ScreenGrabber.h"

// gtest before Xlib, whose macros (None, Bool) clash with gtest's names.
#include <gtest/gtest.h>
// clang-format off
#include <X11/Xlib.h>
// clang-format on

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "TestEnvironment.h"

namespace fl {
namespace {

constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 240;
constexpr std::uint32_t kUntouched = 0x11223344u;

// A filled rectangle on a plain root window, so that both the colours and the
// place of every pixel can be checked.
struct Scene {
  std::uint32_t background = 0;
  std::uint32_t box = 0;
  int box_x = 10, box_y = 20, box_width = 30, box_height = 40;

  std::uint32_t Expected(int x, int y) const {
    if (x >= kScreenWidth || y >= kScreenHeight) return kUntouched;
    const bool in_box = x >= box_x && x < box_x + box_width && y >= box_y && y < box_y + box_height;
    return in_box ? box : background;
  }
};

int ChannelDifference(std::uint32_t a, std::uint32_t b) {
  int largest = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int difference = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    largest = std::max(largest, difference);
  }
  return largest;
}

class X11ScreenGrabberTest : public testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    server_ = std::make_unique<test::XvfbServer>(std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) +
                                                 "x" + std::to_string(GetParam()));
    ASSERT_TRUE(server_->Running()) << "Xvfb did not start";
    display_env_ = std::make_unique<test::ScopedEnv>("DISPLAY", server_->Display());
    painter_ = XOpenDisplay(server_->Display().c_str());
    ASSERT_NE(painter_, nullptr);
  }
  void TearDown() override {
    if (painter_ != nullptr) XCloseDisplay(painter_);
  }

  // The colour as the server stores it, as 0xAARRGGBB (opaque).
  std::uint32_t Allocate(int red, int green, int blue, unsigned long& pixel) {
    XColor colour{};
    colour.red = static_cast<unsigned short>(red * 257);
    colour.green = static_cast<unsigned short>(green * 257);
    colour.blue = static_cast<unsigned short>(blue * 257);
    EXPECT_NE(XAllocColor(painter_, DefaultColormap(painter_, DefaultScreen(painter_)), &colour), 0);
    pixel = colour.pixel;
    return 0xFF000000u | (colour.red >> 8u) << 16 | (colour.green >> 8u) << 8 | (colour.blue >> 8u);
  }

  Scene Paint(int red, int green, int blue) {
    Scene scene;
    unsigned long background_pixel = 0;
    unsigned long box_pixel = 0;
    scene.background = Allocate(red, green, blue, background_pixel);
    scene.box = Allocate(255 - red, blue, green, box_pixel);
    const Window root = DefaultRootWindow(painter_);
    XSetWindowBackground(painter_, root, background_pixel);
    XClearWindow(painter_, root);
    GC gc = XCreateGC(painter_, root, 0, nullptr);
    XSetForeground(painter_, gc, box_pixel);
    XFillRectangle(painter_, root, gc, scene.box_x, scene.box_y, static_cast<unsigned>(scene.box_width),
                   static_cast<unsigned>(scene.box_height));
    XFreeGC(painter_, gc);
    XSync(painter_, False);
    return scene;
  }

  // Every pixel of the picture against the scene; 16-bit colour may round by one.
  void ExpectPicture(const Picture& picture, const Scene& scene) {
    const int tolerance = GetParam() == 16 ? 1 : 0;
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const std::uint32_t expected = scene.Expected(x, y);
        const std::uint32_t actual = picture.At(x, y);
        const int allowed = expected == kUntouched ? 0 : tolerance;
        if (ChannelDifference(actual, expected) > allowed && ++wrong <= 5) {
          ADD_FAILURE() << "pixel (" << x << ", " << y << ") of " << picture.width << "x" << picture.height << " is "
                        << std::hex << actual << ", expected " << expected;
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  }

  std::unique_ptr<test::XvfbServer> server_;
  std::unique_ptr<test::ScopedEnv> display_env_;
  Display* painter_ = nullptr;
};

Picture Filled(int width, int height) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<std::size_t>(width) * height, kUntouched);
  return picture;
}

TEST_P(X11ScreenGrabberTest, CopiesTheTopLeftOfTheScreenAndLeavesTheRest) {
  const Scene scene = Paint(0x20, 0x80, 0xE0);
  X11ScreenGrabber grabber;
  const struct {
    int width, height;
  } sizes[] = {{kScreenWidth, kScreenHeight}, {400, 300}, {100, 50}, {400, 60}};
  for (const auto& size : sizes) {
    Picture picture = Filled(size.width, size.height);
    ASSERT_TRUE(grabber.Grab(picture)) << size.width << "x" << size.height;
    ExpectPicture(picture, scene);
  }
}

TEST_P(X11ScreenGrabberTest, LaterGrabsSeeTheScreenAsItIsThen) {
  X11ScreenGrabber grabber;
  Picture first = Filled(kScreenWidth, kScreenHeight);
  ASSERT_TRUE(grabber.Grab(first));
  const Scene scene = Paint(0xF0, 0x10, 0x60);
  Picture second = Filled(kScreenWidth, kScreenHeight);
  ASSERT_TRUE(grabber.Grab(second));
  ExpectPicture(second, scene);
}

INSTANTIATE_TEST_SUITE_P(Depths, X11ScreenGrabberTest, testing::Values(24, 16),
                         [](const testing::TestParamInfo<int>& depth) { return "Depth" + std::to_string(depth.param); });

TEST(X11ScreenGrabberNoServer, FailsAndLeavesThePicture) {
  test::ScopedEnv no_display("DISPLAY", std::nullopt);
  X11ScreenGrabber grabber;
  Picture picture = Filled(8, 8);
  EXPECT_FALSE(grabber.Grab(picture));
  EXPECT_EQ(picture.pixels, Filled(8, 8).pixels);
}

}  // namespace
}  // namespace fl
