// The artwork as the program relies on it: the formats and sizes the windows
// and the snow expect, and snowflakes that really have six-fold symmetry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "assets/EmbeddedFiles.h"
#include "platform/picture/PictureDecoder.h"
#include "saver/FlakePicture.h"

namespace fl {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadStockFile(const std::string& relative) {
  std::ifstream file(std::string(FL_STOCK_DATA_DIR) + "/" + relative, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t BigEndian32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}
std::uint32_t LittleEndian32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at + 3]} << 24 | std::uint32_t{b[at + 2]} << 16 | std::uint32_t{b[at + 1]} << 8 | b[at];
}
std::uint16_t LittleEndian16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at + 1] << 8 | b[at]);
}

// The header of a PNG file: its first chunk is always IHDR.
struct PngHeader {
  std::uint32_t width, height;
  int bitDepth, colourType;
};
std::optional<PngHeader> ReadPngHeader(std::span<const std::uint8_t> png) {
  static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 33 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin())) return std::nullopt;
  if (!std::equal(png.begin() + 12, png.begin() + 16, "IHDR")) return std::nullopt;
  return PngHeader{BigEndian32(png, 16), BigEndian32(png, 20), png[24], png[25]};
}

constexpr int kColourWithAlpha = 6;

int Alpha(const Picture& p, int x, int y) { return static_cast<int>(p.At(x, y) >> 24); }

// Alpha between pixel centres, 0 outside the picture.
double AlphaAt(const Picture& p, double x, double y) {
  const double fx = x - 0.5;
  const double fy = y - 0.5;
  const int x0 = static_cast<int>(std::floor(fx));
  const int y0 = static_cast<int>(std::floor(fy));
  const auto at = [&](int px, int py) {
    return px < 0 || py < 0 || px >= p.width || py >= p.height ? 0.0 : Alpha(p, px, py) / 255.0;
  };
  const double tx = fx - x0;
  const double ty = fy - y0;
  return (at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx) * (1 - ty) + (at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx) * ty;
}

// How far the alpha channel is from matching itself turned by 60, 120, ... 300
// degrees about the picture's centre: the mean difference over a polar grid of
// samples, relative to the mean alpha there. 0 is perfectly six-fold.
double SixFoldMismatch(const Picture& p) {
  const double cx = p.width / 2.0;
  const double cy = p.height / 2.0;
  double difference = 0;
  double total = 0;
  for (double r = 0.5; r < std::min(cx, cy) - 0.5; r += 0.25) {
    for (int degrees = 0; degrees < 360; degrees += 3) {
      const double a = degrees * std::numbers::pi / 180;
      const double here = AlphaAt(p, cx + r * std::cos(a), cy + r * std::sin(a));
      total += here;
      for (int turn = 1; turn < 6; ++turn) {
        const double b = a + turn * std::numbers::pi / 3;
        difference += std::abs(here - AlphaAt(p, cx + r * std::cos(b), cy + r * std::sin(b))) / 5;
      }
    }
  }
  return total > 0 ? difference / total : 1;
}

// Our flakes measure about 0.03 to 0.06 (the pixel grid is not six-fold itself);
// a four-armed cross measures about 0.7.
constexpr double kSixFoldTolerance = 0.12;

TEST(FlakePicture, GivesEachBuiltInFlakeAndTheFirstForAnyOtherType) {
  for (int type = 1; type <= 8; ++type) {
    SCOPED_TRACE(type);
    const auto bytes = FlakePicture(type);
    const auto file = EmbeddedFile("flake" + std::to_string(type) + ".png");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.data(), file.data());
    EXPECT_EQ(bytes.size(), file.size());
    for (int other = 1; other < type; ++other) {
      const auto earlier = FlakePicture(other);
      EXPECT_FALSE(std::equal(bytes.begin(), bytes.end(), earlier.begin(), earlier.end())) << "same as flake " << other;
    }
  }
  for (int type : {0, 9, -1, 44, 127, -128}) {
    SCOPED_TRACE(type);
    EXPECT_EQ(FlakePicture(type).data(), FlakePicture(1).data());
    EXPECT_EQ(FlakePicture(type).size(), FlakePicture(1).size());
  }
}

struct FlakeCase {
  std::string name;
  Bytes bytes;
  std::uint32_t size;
};

std::vector<FlakeCase> AllFlakes() {
  std::vector<FlakeCase> flakes;
  for (int type = 1; type <= 8; ++type) {
    const auto bytes = FlakePicture(type);
    flakes.push_back({"built-in flake " + std::to_string(type), Bytes(bytes.begin(), bytes.end()), 16});
  }
  flakes.push_back({"stock custom flake", ReadStockFile("snowflakes/myflake2.png"), 32});
  return flakes;
}

TEST(FlakePictures, AreSixFoldSnowflakesOnTransparentWithAnAlphaChannel) {
  for (const FlakeCase& flake : AllFlakes()) {
    SCOPED_TRACE(flake.name);
    const auto header = ReadPngHeader(flake.bytes);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->width, flake.size);
    EXPECT_EQ(header->height, flake.size);
    EXPECT_EQ(header->bitDepth, 8);
    EXPECT_EQ(header->colourType, kColourWithAlpha);

    const auto picture = DecodePng(flake.bytes);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->hasTransparency);
    int opaque = 0;
    int clear = 0;
    for (std::uint32_t pixel : picture->pixels) {
      opaque += (pixel >> 24) == 255;
      clear += (pixel >> 24) == 0;
    }
    EXPECT_GT(opaque, 0);
    EXPECT_GT(clear, 0);
    // The corners are outside every flake.
    EXPECT_EQ(Alpha(*picture, 0, 0), 0);
    EXPECT_EQ(Alpha(*picture, picture->width - 1, picture->height - 1), 0);
    EXPECT_LT(SixFoldMismatch(*picture), kSixFoldTolerance);
  }
}

TEST(FlakePictures, SymmetryMeasureRejectsAFourArmedCross) {
  Picture cross;
  cross.width = cross.height = 16;
  cross.pixels.assign(16 * 16, 0);
  for (int i = 1; i < 15; ++i) {
    for (int w : {7, 8}) {
      cross.At(i, w) = 0xFFFFFFFF;
      cross.At(w, i) = 0xFFFFFFFF;
    }
  }
  EXPECT_GT(SixFoldMismatch(cross), 2 * kSixFoldTolerance);
}

struct WindowPicture {
  const char* name;
  bool png;
  std::uint32_t width, height;
  int bitsPerPixel;  // BMP only
};

TEST(WindowPictures, HaveTheFormatAndSizeTheirControlsExpect) {
  const WindowPicture kPictures[] = {
      {"banner.bmp", false, 120, 310, 32},  {"preview.bmp", false, 152, 112, 32}, {"homepage.png", true, 16, 16, 0},
      {"feedback.png", true, 16, 16, 0},    {"update.png", true, 16, 16, 0},      {"browse.png", true, 16, 16, 0},
      {"thumb1.bmp", false, 50, 50, 16},    {"thumb2.bmp", false, 50, 50, 16},    {"thumb3.bmp", false, 50, 50, 16},
      {"thumb4.bmp", false, 50, 50, 16},    {"thumb5.bmp", false, 50, 50, 16},    {"thumb6.bmp", false, 50, 50, 16},
      {"thumb7.bmp", false, 50, 50, 16},    {"thumb8.bmp", false, 50, 50, 16},
  };
  for (const WindowPicture& expected : kPictures) {
    SCOPED_TRACE(expected.name);
    const auto bytes = EmbeddedFile(expected.name);
    ASSERT_FALSE(bytes.empty());
    if (expected.png) {
      const auto header = ReadPngHeader(bytes);
      ASSERT_TRUE(header.has_value());
      EXPECT_EQ(header->bitDepth, 8);
      EXPECT_EQ(header->colourType, kColourWithAlpha);
    } else {
      ASSERT_GE(bytes.size(), 54u);
      EXPECT_EQ(LittleEndian16(bytes, 28), expected.bitsPerPixel);
      EXPECT_EQ(LittleEndian32(bytes, 30), 0u) << "uncompressed";
    }
    const auto picture = DecodePicture(bytes);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(static_cast<std::uint32_t>(picture->width), expected.width);
    EXPECT_EQ(static_cast<std::uint32_t>(picture->height), expected.height);
  }
}

TEST(StockPictures, BackgroundAndSeeThroughGreetingDecode) {
  const auto moon = DecodeJpeg(ReadStockFile("images/fullmoon.jpg"));
  ASSERT_TRUE(moon.has_value());
  EXPECT_EQ(moon->width, 1024);
  EXPECT_EQ(moon->height, 768);

  const Bytes greetingFile = ReadStockFile("foreground/happynewyear.bmp");
  ASSERT_GE(greetingFile.size(), 54u);
  EXPECT_EQ(LittleEndian16(greetingFile, 28), 24);
  const auto greeting = DecodeBmp(greetingFile);
  ASSERT_TRUE(greeting.has_value());
  // Shown with pure black as the see-through colour: a black frame around a drawing.
  const std::uint32_t kBlack = 0xFF000000;
  EXPECT_EQ(greeting->At(0, 0), kBlack);
  EXPECT_EQ(greeting->At(greeting->width - 1, greeting->height - 1), kBlack);
  const auto drawn = std::count_if(greeting->pixels.begin(), greeting->pixels.end(), [&](std::uint32_t p) { return p != kBlack; });
  EXPECT_GT(drawn, greeting->width * greeting->height / 10);
}

}  // namespace
}  // namespace fl
