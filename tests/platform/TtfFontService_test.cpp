#include "platform/ttf/TtfFontService.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TestEnvironment.h"
#include "platform/ttf/FontMatch.h"

namespace fl {
namespace {

// Extent of text in the face file opened directly at an em size in pixels.
TextExtent DirectExtent(const FontFile& file, int em_pixels, const char* text) {
  TextExtent extent;
  if (TTF_Init() != 0) return extent;
  if (TTF_Font* font = TTF_OpenFontIndex(file.path.c_str(), em_pixels, file.index)) {
    TTF_SizeUTF8(font, text, &extent.width, &extent.height);
    TTF_CloseFont(font);
  }
  TTF_Quit();
  return extent;
}

// Rows of the picture that hold a pixel at least half covered.
int InkRows(const Picture& picture) {
  int first = -1;
  int last = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if ((picture.At(x, y) >> 24) >= 128) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

TEST(FontMatch, ArialIsServedByLiberationSans) {
  const std::optional<FontFile> file = FindFontFile("Arial");
  ASSERT_TRUE(file);
  EXPECT_NE(file->path.find("LiberationSans-Regular"), std::string::npos) << file->path;
}

// Without a display the dpi is 96, so 20 points are a 27-pixel em. The service
// must measure exactly like the face opened at 27 pixels (26 and 28 measure
// differently), and a capital H must stand about 0.69 em tall (Liberation
// Sans), which would be nearer 17 pixels if the size were the line height.
TEST(TtfFontService, TwentyPointsAreA27PixelEmAt96Dpi) {
  test::ScopedEnv no_display("DISPLAY", std::nullopt);
  const std::optional<FontFile> file = FindFontFile("Arial");
  ASSERT_TRUE(file);
  TtfFontService fonts;
  ASSERT_TRUE(fonts.CreateFont(0, "Arial", 20));

  const TextExtent hello = fonts.MeasureText(0, "Hello");
  EXPECT_GT(hello.width, 0);
  const TextExtent at27 = DirectExtent(*file, 27, "Hello");
  EXPECT_EQ(hello.width, at27.width);
  EXPECT_EQ(hello.height, at27.height);
  const TextExtent at26 = DirectExtent(*file, 26, "Hello");
  const TextExtent at28 = DirectExtent(*file, 28, "Hello");
  EXPECT_TRUE(at26.width != at27.width || at26.height != at27.height);
  EXPECT_TRUE(at28.width != at27.width || at28.height != at27.height);

  Picture capital;
  ASSERT_TRUE(fonts.RenderText(0, "H", capital));
  EXPECT_GE(InkRows(capital), 18);
  EXPECT_LE(InkRows(capital), 20);
}

// An X server of 720 rows on 127 mm is 144 dpi: 20 points become 40 pixels.
TEST(TtfFontService, SizeFollowsTheDisplayDpi) {
  test::XvfbServer server("64x720x24", {"-dpi", "144"});
  ASSERT_TRUE(server.Running());
  test::ScopedEnv display("DISPLAY", server.Display());
  const std::optional<FontFile> file = FindFontFile("Arial");
  ASSERT_TRUE(file);
  TtfFontService fonts;
  ASSERT_TRUE(fonts.CreateFont(0, "Arial", 20));
  const TextExtent hello = fonts.MeasureText(0, "Hello");
  const TextExtent at40 = DirectExtent(*file, 40, "Hello");
  EXPECT_EQ(hello.width, at40.width);
  EXPECT_EQ(hello.height, at40.height);
}

TEST(TtfFontService, RendersWhiteCoverageOnTransparentBlack) {
  test::ScopedEnv no_display("DISPLAY", std::nullopt);
  TtfFontService fonts;
  ASSERT_TRUE(fonts.CreateFont(0, "Arial", 20));
  Picture picture;
  ASSERT_TRUE(fonts.RenderText(0, "Hello", picture));
  const TextExtent extent = fonts.MeasureText(0, "Hello");
  ASSERT_EQ(picture.width, extent.width);
  ASSERT_EQ(picture.height, extent.height);
  ASSERT_EQ(picture.pixels.size(), static_cast<std::size_t>(extent.width) * extent.height);

  for (const auto& [x, y] : {std::pair{0, 0}, {extent.width - 1, 0}, {0, extent.height - 1},
                             {extent.width - 1, extent.height - 1}}) {
    EXPECT_EQ(picture.At(x, y), 0u) << x << ", " << y;
  }
  bool solid = false;
  bool partial = false;
  for (std::uint32_t pixel : picture.pixels) {
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 0) {
      ASSERT_EQ(pixel, 0u) << "uncovered pixels are transparent black";
    } else {
      ASSERT_EQ(pixel & 0x00FFFFFFu, 0x00FFFFFFu) << "covered pixels are white";
    }
    solid = solid || alpha == 255;
    partial = partial || (alpha > 0 && alpha < 255);
  }
  EXPECT_TRUE(solid);
  EXPECT_TRUE(partial) << "edges carry their coverage as alpha";
}

TEST(TtfFontService, NothingToDrawFailsAndLeavesThePicture) {
  test::ScopedEnv no_display("DISPLAY", std::nullopt);
  TtfFontService fonts;
  ASSERT_TRUE(fonts.CreateFont(0, "Arial", 20));
  Picture picture;
  picture.width = 2;
  picture.height = 1;
  picture.pixels = {7u, 9u};

  EXPECT_FALSE(fonts.RenderText(0, "", picture));
  EXPECT_FALSE(fonts.RenderText(1, "Hello", picture));
  EXPECT_EQ(picture.pixels, (std::vector<std::uint32_t>{7u, 9u}));
  EXPECT_EQ(fonts.MeasureText(0, "").width, 0);
  EXPECT_EQ(fonts.MeasureText(0, "").height, 0);
  EXPECT_EQ(fonts.MeasureText(1, "Hello").width, 0);
  EXPECT_EQ(fonts.MeasureText(1, "Hello").height, 0);
}

TEST(TtfFontService, NumberedFontsAreReplacedAndFreed) {
  test::ScopedEnv no_display("DISPLAY", std::nullopt);
  TtfFontService fonts;
  ASSERT_TRUE(fonts.CreateFont(4, "Arial", 20));
  const int small = fonts.MeasureText(4, "Hello").height;
  ASSERT_TRUE(fonts.CreateFont(4, "Arial", 40));
  EXPECT_GT(fonts.MeasureText(4, "Hello").height, small);

  EXPECT_FALSE(fonts.CreateFont(4, "Arial", 0));
  EXPECT_FALSE(fonts.FontExists(4)) << "a failed make leaves the id empty, not the old font";
  ASSERT_TRUE(fonts.CreateFont(4, "Arial", 20));
  fonts.FreeFont(4);
  EXPECT_FALSE(fonts.FontExists(4));
  fonts.FreeFont(4);
}

}  // namespace
}  // namespace fl
