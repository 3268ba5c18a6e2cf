// The display, the sprites and what they draw, read back from the renderer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SdlTestSupport.h"
#include "platform/sdl/SdlBackend.h"

namespace fl {
namespace {

using test::Frame;
using test::kScreenHeight;
using test::kScreenWidth;
using test::SolidPicture;

constexpr std::uint32_t kRed = 0xFFFF0000u;

class SdlDisplayTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::SdlTestDisplay::Start()) << "Xvfb did not start"; }
  SdlBackend sdl;
};

TEST_F(SdlDisplayTest, PrimaryModeCountsFourBytePixelsAs32Bits) {
  const DisplayMode mode = sdl.displays.PrimaryMode();
  EXPECT_EQ(mode.width, kScreenWidth);
  EXPECT_EQ(mode.height, kScreenHeight);
  EXPECT_EQ(mode.depth, 32);
  // The query leaves SDL video as it found it.
  EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

TEST_F(SdlDisplayTest, WithoutDisplayEverythingFailsQuietly) {
  test::ScopedEnv noDisplay("DISPLAY", std::nullopt);
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  const DisplayMode mode = sdl.displays.PrimaryMode();
  const bool initialised = sdl.screen.InitSprites();
  const bool opened = sdl.screen.Open(640, 480, 32, "x");
  const std::string output = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
  EXPECT_EQ(mode.width, 0);
  EXPECT_EQ(mode.height, 0);
  EXPECT_EQ(mode.depth, 0);
  EXPECT_FALSE(initialised);
  EXPECT_FALSE(opened);
  EXPECT_EQ(output, "");
}

TEST_F(SdlDisplayTest, OpensOnlyAtAModeTheDisplayHas) {
  struct Case {
    int width, height, depth;
    bool opens;
  };
  const Case cases[] = {
      {640, 480, 32, true},  {640, 480, 24, true},  {640, 480, 16, true}, {640, 480, 15, true},
      {800, 600, 32, false}, {640, 480, 8, false},  {640, 480, 0, false}, {0, 0, 32, false},
      {-640, 480, 32, false}, {640, 481, 32, false},
  };
  ASSERT_TRUE(sdl.screen.InitSprites());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + "x" + std::to_string(c.depth));
    EXPECT_EQ(sdl.screen.Open(c.width, c.height, c.depth, "Frostlight test"), c.opens);
    if (c.opens) {
      SDL_Window* window = sdl.screen.Window();
      ASSERT_NE(window, nullptr);
      EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN, 0u);
      EXPECT_STREQ(SDL_GetWindowTitle(window), "Frostlight test");
      int width = 0, height = 0;
      SDL_GetRendererOutputSize(sdl.screen.Renderer(), &width, &height);
      EXPECT_EQ(width, c.width);
      EXPECT_EQ(height, c.height);
    } else {
      EXPECT_EQ(sdl.screen.Window(), nullptr);
    }
    sdl.screen.Close();
    EXPECT_EQ(sdl.screen.Window(), nullptr);
  }
}

TEST_F(SdlDisplayTest, PointerAndBlankingWishesOutliveTheVideoStart) {
  // The screen run asks for both before the sprite system starts.
  sdl.screen.ShowPointer(false);
  sdl.screen.SetScreensaverRunning(true);
  ASSERT_TRUE(sdl.screen.Open(640, 480, 32, "x"));
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  EXPECT_FALSE(SDL_IsScreenSaverEnabled());
  sdl.screen.Close();
  sdl.screen.SetScreensaverRunning(false);
  sdl.screen.ShowPointer(true);
  EXPECT_TRUE(SDL_IsScreenSaverEnabled());
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
}

// Sprites on an open 640 x 480 display, cleared to black.
class SdlSpriteTest : public SdlDisplayTest {
 protected:
  void SetUp() override {
    SdlDisplayTest::SetUp();
    ASSERT_TRUE(sdl.screen.Open(kScreenWidth, kScreenHeight, 32, "sprites"));
    sdl.screen.Clear(0);
  }
  Frame Drawn() { return Frame(sdl.screen.Renderer()); }
};

TEST_F(SdlSpriteTest, CopiesShareOneTextureAndKeepTheirOwnShape) {
  ASSERT_TRUE(sdl.screen.MakeSprite(5, SolidPicture(16, 16, kRed)));
  sdl.screen.RotateSprite(5, 30);
  for (int id = 101; id <= 2100; ++id) ASSERT_TRUE(sdl.screen.CopySprite(5, id));
  EXPECT_EQ(sdl.screen.SpriteTextureUsers(5), 2001);
  EXPECT_EQ(sdl.screen.SpriteTextureUsers(2100), 2001);

  // Each copy has its own size: shrinking one leaves the source as it was.
  sdl.screen.ZoomSprite(101, 4, 4);
  sdl.screen.DrawSprite(5, 0, 0);
  sdl.screen.DrawSprite(101, 100, 100);
  const Frame frame = Drawn();
  EXPECT_EQ(frame.At(8, 8), 0xFF0000u);
  EXPECT_EQ(frame.At(101, 101), 0xFF0000u);
  EXPECT_EQ(frame.At(108, 108), 0u);

  // Replacing the source and freeing copies lets go of the shared texture.
  ASSERT_TRUE(sdl.screen.MakeSprite(5, SolidPicture(2, 2, kRed)));
  EXPECT_EQ(sdl.screen.SpriteTextureUsers(5), 1);
  sdl.screen.FreeSprite(101);
  EXPECT_FALSE(sdl.screen.SpriteExists(101));
  EXPECT_EQ(sdl.screen.SpriteTextureUsers(102), 1999);

  EXPECT_FALSE(sdl.screen.CopySprite(7, 8));  // nothing to copy
  EXPECT_FALSE(sdl.screen.SpriteExists(8));
  EXPECT_FALSE(sdl.screen.MakeSprite(-1, SolidPicture(2, 2, kRed)));
  EXPECT_FALSE(sdl.screen.MakeSprite(9, Picture{}));
}

TEST_F(SdlSpriteTest, OpaqueDrawsLandAtTheirPlaceSizeAndAngle) {
  // Half-transparent pixels: an opaque draw ignores their alpha.
  ASSERT_TRUE(sdl.screen.MakeSprite(1, SolidPicture(8, 8, 0x40FF0000u)));
  sdl.screen.ZoomSprite(1, 40, 10);
  sdl.screen.DrawSprite(1, 100, 50);  // covers x 100..139, y 50..59
  sdl.screen.DrawSprite(1, -30, -5);  // clipped to x 0..9, y 0..4
  sdl.screen.RotateSprite(1, 90);
  sdl.screen.DrawSprite(1, 300, 200);  // about (320, 205): x 315..324, y 185..224
  sdl.screen.DrawSprite(42, 0, 0);  // nothing there: no effect
  const Frame frame = Drawn();

  EXPECT_EQ(frame.At(100, 50), 0xFF0000u);
  EXPECT_EQ(frame.At(139, 59), 0xFF0000u);
  EXPECT_EQ(frame.At(140, 55), 0u);
  EXPECT_EQ(frame.At(99, 55), 0u);
  EXPECT_EQ(frame.At(120, 60), 0u);

  EXPECT_EQ(frame.At(320, 187), 0xFF0000u);
  EXPECT_EQ(frame.At(320, 222), 0xFF0000u);
  EXPECT_EQ(frame.At(305, 205), 0u);  // inside the unrotated rectangle only
  EXPECT_EQ(frame.At(335, 205), 0u);

  EXPECT_EQ(frame.At(0, 0), 0xFF0000u);
  EXPECT_EQ(frame.At(9, 4), 0xFF0000u);
  EXPECT_EQ(frame.At(10, 2), 0u);
  EXPECT_EQ(frame.At(5, 5), 0u);
}

TEST_F(SdlSpriteTest, BlendedDrawsMultiplyAlphaByOpacity) {
  ASSERT_TRUE(sdl.screen.MakeSprite(1, SolidPicture(10, 10, kRed)));
  ASSERT_TRUE(sdl.screen.MakeSprite(2, SolidPicture(10, 10, 0x80FF0000u)));
  ASSERT_TRUE(sdl.screen.MakeSprite(3, SolidPicture(10, 10, 0x00FF0000u)));
  sdl.screen.Clear(0x0000FF00u);  // green
  sdl.screen.DrawSpriteBlended(1, 0, 0, 128);
  sdl.screen.DrawSpriteBlended(1, 20, 0, 255);
  sdl.screen.DrawSpriteBlended(1, 40, 0, 0);
  sdl.screen.DrawSpriteBlended(2, 60, 0, 255);
  sdl.screen.DrawSpriteBlended(2, 80, 0, 128);
  sdl.screen.DrawSpriteBlended(3, 100, 0, 255);
  sdl.screen.DrawSpriteBlended(42, 120, 0, 255);
  const Frame frame = Drawn();

  EXPECT_NEAR(frame.Red(5, 5), 128, 3);
  EXPECT_NEAR((frame.At(5, 5) >> 8) & 0xFF, 127, 3);
  EXPECT_EQ(frame.At(25, 5), 0xFF0000u);
  EXPECT_EQ(frame.At(45, 5), 0x00FF00u);
  EXPECT_NEAR(frame.Red(65, 5), 128, 3);
  EXPECT_NEAR(frame.Red(85, 5), 64, 3);
  EXPECT_EQ(frame.At(105, 5), 0x00FF00u);
  EXPECT_EQ(frame.At(125, 5), 0x00FF00u);
}

TEST_F(SdlSpriteTest, SmoothingFiltersSpritesMadeBeforeAndAfter) {
  // Black | white, stretched 50 times: a linear filter leaves greys between.
  Picture edge = SolidPicture(2, 1, 0xFF000000u);
  edge.pixels[1] = 0xFFFFFFFFu;
  ASSERT_TRUE(sdl.screen.MakeSprite(1, edge));
  sdl.screen.SetSmoothing(true);
  ASSERT_TRUE(sdl.screen.MakeSprite(2, edge));
  sdl.screen.ZoomSprite(1, 100, 4);
  sdl.screen.ZoomSprite(2, 100, 4);
  sdl.screen.DrawSprite(1, 0, 0);
  sdl.screen.DrawSprite(2, 0, 10);
  sdl.screen.SetSmoothing(false);
  ASSERT_TRUE(sdl.screen.MakeSprite(3, edge));
  sdl.screen.ZoomSprite(3, 100, 4);
  sdl.screen.DrawSprite(3, 0, 20);
  const Frame frame = Drawn();

  auto greyBetween = [&](int y) { return frame.Red(50, y) > 40 && frame.Red(50, y) < 215; };
  EXPECT_TRUE(greyBetween(1));
  EXPECT_TRUE(greyBetween(11));
  EXPECT_FALSE(greyBetween(21));
}

// A 2 x 1 24-bit BMP: black, then red.
std::vector<std::uint8_t> BlackRedBmp() {
  std::vector<std::uint8_t> bytes = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,   // file header
                                     40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,  // info header
                                     0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 255, 0, 0};  // one row, padded to 8 bytes
  return bytes;
}

TEST_F(SdlSpriteTest, PictureFilesBecomeSpritesWithBlackAsTheirKey) {
  const std::vector<std::uint8_t> bmp = BlackRedBmp();
  ASSERT_TRUE(sdl.screen.LoadSpriteFromBytes(6, bmp, true));
  sdl.screen.ZoomSprite(6, 20, 10);

  // Bytes and files that are no picture leave what the id held.
  const std::vector<std::uint8_t> junk(100, 0x42);
  EXPECT_FALSE(sdl.screen.LoadSpriteFromBytes(6, junk, true));
  EXPECT_FALSE(sdl.screen.LoadSprite(6, "/nonexistent/picture.png", true));
  EXPECT_FALSE(sdl.screen.LoadSprite(7, "", false));
  EXPECT_FALSE(sdl.screen.SpriteExists(7));

  test::TempFolder folder;
  const std::string path = folder.path() + "/pair.bmp";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bmp.data(), 1, bmp.size(), file);
  std::fclose(file);
  ASSERT_TRUE(sdl.screen.LoadSprite(7, path, false));

  sdl.screen.Clear(0x0000FF00u);
  sdl.screen.DrawSpriteBlended(6, 0, 0, 255);
  sdl.screen.DrawSpriteBlended(7, 0, 20, 255);
  const Frame frame = Drawn();
  EXPECT_EQ(frame.At(2, 5), 0x00FF00u);  // black is see-through
  EXPECT_EQ(frame.At(17, 5), 0xFF0000u);
  EXPECT_EQ(frame.At(0, 20), 0x00FF00u);
  EXPECT_EQ(frame.At(1, 20), 0xFF0000u);
}

TEST_F(SdlSpriteTest, ClosingFreesEverySprite) {
  ASSERT_TRUE(sdl.screen.MakeSprite(1, SolidPicture(4, 4, kRed)));
  sdl.screen.Close();
  EXPECT_FALSE(sdl.screen.SpriteExists(1));
  // Without a display nothing can be made or drawn.
  EXPECT_FALSE(sdl.screen.MakeSprite(1, SolidPicture(4, 4, kRed)));
  sdl.screen.DrawSprite(1, 0, 0);
  sdl.screen.Clear(0);
  sdl.screen.Flip();
}

}  // namespace
}  // namespace fl
