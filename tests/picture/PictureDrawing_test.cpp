#include <gtest/gtest.h>

#include "platform/picture/PictureDrawing.h"

namespace fl::test {
namespace {

Picture Make(int width, int height, std::vector<std::uint32_t> pixels) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels = std::move(pixels);
  return picture;
}

TEST(CreatePicture, IsOpaqueBlackWithinTheLimits) {
  std::optional<Picture> picture = CreatePicture(3, 2);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 3);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(picture->pixels, std::vector<std::uint32_t>(6, 0xFF000000));

  for (auto [width, height] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {16385, 1}, {1, 16385}, {10000, 5000}}) {
    SCOPED_TRACE(testing::Message() << width << " x " << height);
    EXPECT_FALSE(CreatePicture(width, height).has_value());
  }
}

TEST(DrawPicture, CopiesColourOpaqueAndClipsOnEverySide) {
  // Source alpha varies and must not matter.
  const Picture source = Make(2, 2, {0x00000011, 0x80000022, 0xFF000033, 0x12000044});
  const std::uint32_t B = 0xFF000000;
  struct Case {
    int x;
    int y;
    std::vector<std::uint32_t> expected;  // a 3 x 3 destination
  } cases[] = {
      {0, 0, {0xFF000011, 0xFF000022, B, 0xFF000033, 0xFF000044, B, B, B, B}},
      {-1, -1, {0xFF000044, B, B, B, B, B, B, B, B}},
      {2, 2, {B, B, B, B, B, B, B, B, 0xFF000011}},
      {-2, 0, std::vector<std::uint32_t>(9, B)},
      {3, 0, std::vector<std::uint32_t>(9, B)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "at " << c.x << ", " << c.y);
    Picture dest = *CreatePicture(3, 3);
    DrawPicture(dest, source, c.x, c.y);
    EXPECT_EQ(dest.pixels, c.expected);
  }
}

TEST(DrawPicture, TilesAcrossAndCutsTheLastOnes) {
  const Picture tile = Make(2, 2, {1, 2, 3, 4});
  Picture dest = *CreatePicture(5, 3);
  for (int y = 0; y <= 3; y += 2)
    for (int x = 0; x <= 5; x += 2) DrawPicture(dest, tile, x, y);
  const std::uint32_t o = 0xFF000000;
  EXPECT_EQ(dest.pixels, (std::vector<std::uint32_t>{o | 1, o | 2, o | 1, o | 2, o | 1,  //
                                                     o | 3, o | 4, o | 3, o | 4, o | 3,  //
                                                     o | 1, o | 2, o | 1, o | 2, o | 1}));
}

TEST(DrawPictureStretched, KeepsCornersAndBlendsSmoothlyInBetween) {
  const Picture source = Make(2, 2, {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF});
  Picture dest = *CreatePicture(8, 6);
  DrawPictureStretched(dest, source, 0, 0, 8, 6);
  EXPECT_EQ(dest.At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(dest.At(7, 0), 0xFF00FF00u);
  EXPECT_EQ(dest.At(0, 5), 0xFF0000FFu);
  EXPECT_EQ(dest.At(7, 5), 0xFFFFFFFFu);

  // Along the top row red falls and green rises step by step, symmetrically.
  for (int x = 1; x < 8; ++x) {
    const std::uint32_t left = dest.At(x - 1, 0);
    const std::uint32_t here = dest.At(x, 0);
    EXPECT_LE((here >> 16) & 0xFF, (left >> 16) & 0xFF);
    EXPECT_GE((here >> 8) & 0xFF, (left >> 8) & 0xFF);
    EXPECT_NEAR(static_cast<int>((here >> 16) & 0xFF), static_cast<int>((dest.At(7 - x, 0) >> 8) & 0xFF), 1);
  }
  EXPECT_GT((dest.At(3, 0) >> 16) & 0xFF, 0u);
  EXPECT_LT((dest.At(3, 0) >> 16) & 0xFF, 255u);
}

TEST(DrawPictureStretched, SameSizeIsAPlainCopy) {
  const Picture source = Make(3, 2, {0x01020304, 0x05060708, 0x090A0B0C, 0x0D0E0F10, 0x11121314, 0x15161718});
  Picture dest = *CreatePicture(3, 2);
  DrawPictureStretched(dest, source, 0, 0, 3, 2);
  for (std::size_t i = 0; i < dest.pixels.size(); ++i) EXPECT_EQ(dest.pixels[i], source.pixels[i] | 0xFF000000);
}

TEST(DrawPictureStretched, ClippedDrawMatchesTheSameAreaOfAWholeOne) {
  std::vector<std::uint32_t> pixels;
  for (std::uint32_t i = 0; i < 12; ++i) pixels.push_back(i * 0x00151515);
  const Picture source = Make(4, 3, pixels);
  Picture whole = *CreatePicture(20, 20);
  DrawPictureStretched(whole, source, 0, 0, 11, 9);

  for (auto [x, y] : {std::pair{-4, -3}, {5, 6}, {-10, 2}}) {
    SCOPED_TRACE(testing::Message() << "at " << x << ", " << y);
    Picture clipped = *CreatePicture(7, 5);
    DrawPictureStretched(clipped, source, x, y, 11, 9);
    for (int dy = 0; dy < 5; ++dy) {
      for (int dx = 0; dx < 7; ++dx) {
        const int sx = dx - x;
        const int sy = dy - y;
        const bool inside = sx >= 0 && sx < 11 && sy >= 0 && sy < 9;
        ASSERT_EQ(clipped.At(dx, dy), inside ? whole.At(sx, sy) : 0xFF000000u) << dx << ", " << dy;
      }
    }
  }

  // Nothing for an empty size, and no trouble with a huge one.
  Picture dest = *CreatePicture(4, 4);
  DrawPictureStretched(dest, source, 0, 0, 0, 4);
  DrawPictureStretched(dest, source, 0, 0, 4, -1);
  EXPECT_EQ(dest.pixels, std::vector<std::uint32_t>(16, 0xFF000000));
  DrawPictureStretched(dest, source, -1000000000, -1000000000, 2000000000, 2000000000);
  EXPECT_NE(dest.At(0, 0), 0xFF000000u);
}

}  // namespace
}  // namespace fl::test
