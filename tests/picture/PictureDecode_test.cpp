#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureDrawing.h"
#include "tests/picture/PictureFixtures.h"

namespace fl::test {
namespace {

struct DecodeCase {
  const char* name;
  Bytes file;
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
  bool hasTransparency;
};

void ExpectDecodes(const DecodeCase& c) {
  SCOPED_TRACE(c.name);
  std::optional<Picture> picture = DecodePicture(c.file);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, c.width);
  EXPECT_EQ(picture->height, c.height);
  EXPECT_EQ(picture->pixels, c.pixels);
  EXPECT_EQ(picture->hasTransparency, c.hasTransparency);
}

TEST(PngDecode, ExpandsEveryColourTypeToArgb) {
  const DecodeCase cases[] = {
      {"rgba", EncodePng({2, 1, PNG_COLOR_TYPE_RGBA, 8, {255, 0, 0, 128, 0, 0, 0, 255}}), 2, 1,
       {0x80FF0000, 0xFF000000}, true},
      {"2-bit palette with tRNS shorter than the palette",
       EncodePng({3, 1, PNG_COLOR_TYPE_PALETTE, 2, {0b00011000}, {0x112233, 0x445566, 0x778899}, {0, 200}}), 3, 1,
       {0x00112233, 0xC8445566, 0xFF778899}, true},
      {"grey", EncodePng({3, 1, PNG_COLOR_TYPE_GRAY, 8, {0x00, 0x80, 0xFF}}), 3, 1,
       {0xFF000000, 0xFF808080, 0xFFFFFFFF}, false},
      {"1-bit grey with a transparent grey",
       EncodePng({3, 1, PNG_COLOR_TYPE_GRAY, 1, {0b10100000}, {}, {}, std::uint16_t{0}}), 3, 1,
       {0xFFFFFFFF, 0x00000000, 0xFFFFFFFF}, true},
      {"16-bit rgb", EncodePng({1, 1, PNG_COLOR_TYPE_RGB, 16, {0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00}}), 1, 1,
       {0xFFFF8000}, false},
      {"interlaced",
       EncodePng({3, 2, PNG_COLOR_TYPE_RGB, 8,
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, {}, {}, {}, true}),
       3, 2, {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C, 0xFF0D0E0F, 0xFF101112}, false},
  };
  for (const DecodeCase& c : cases) ExpectDecodes(c);
}

TEST(BmpDecode, ReadsEveryLayoutOpaque) {
  const DecodeCase cases[] = {
      {"24-bit, rows bottom-up and padded",
       BuildBmp({2, 2, 24, 0, 40, {}, {}, {},
                 {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,  // bottom row: blue, white
                  0, 0, 0xFF, 0, 0xFF, 0, 0, 0}}),    // top row: red, green
       2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}, false},
      {"32-bit: the fourth byte is not alpha",
       BuildBmp({2, 1, 32, 0, 40, {}, {}, {}, {0x10, 0x20, 0x30, 0x00, 0x40, 0x50, 0x60, 0x80}}), 2, 1,
       {0xFF302010, 0xFF605040}, false},
      {"top-down (negative height)",
       BuildBmp({1, -2, 24, 0, 40, {}, {}, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}}), 1, 2, {0xFFFF0000, 0xFF0000FF},
       false},
      {"8-bit palette",
       BuildBmp({3, 1, 8, 0, 40, {0x000000, 0xFF8000, 0x0000FF}, {}, {}, {2, 1, 0, 0}}), 3, 1,
       {0xFF0000FF, 0xFFFF8000, 0xFF000000}, false},
      {"4-bit palette", BuildBmp({3, 1, 4, 0, 40, {0x111111, 0x222222, 0x333333}, {}, {}, {0x12, 0x00, 0, 0}}), 3,
       1, {0xFF222222, 0xFF333333, 0xFF111111}, false},
      {"1-bit, old core header", BuildBmp({3, 1, 1, 0, 12, {0x123456, 0xABCDEF}, {}, {}, {0b10100000, 0, 0, 0}}),
       3, 1, {0xFFABCDEF, 0xFF123456, 0xFFABCDEF}, false},
      {"RLE8 with runs, an absolute run and end codes",
       BuildBmp({4, 2, 8, 1, 40, {0x000000, 0xFF0000, 0x00FF00}, {}, {},
                 {4, 1, 0, 0,                 // bottom row: 4 x red, end of line
                  0, 3, 1, 2, 1, 0, 1, 2,     // top row: red, green, red (padded), 1 x green
                  0, 1}}),                    // end of picture
       4, 2, {0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000},
       false},
      {"16-bit 5-6-5 bit fields",
       BuildBmp({2, 1, 16, 3, 40, {}, {}, {0xF800, 0x07E0, 0x001F}, {0x00, 0xF8, 0xE0, 0x07}}), 2, 1,
       {0xFFFF0000, 0xFF00FF00}, false},
      {"16-bit 5-5-5", BuildBmp({2, 1, 16, 0, 40, {}, {}, {}, {0x00, 0x7C, 0x1F, 0x00}}), 2, 1,
       {0xFFFF0000, 0xFF0000FF}, false},
  };
  for (const DecodeCase& c : cases) ExpectDecodes(c);
}

// JPEG is lossy: colours are compared with a tolerance, in the middle of flat
// 8 x 8 areas.
void ExpectNear(std::uint32_t actual, std::uint32_t expected, const char* where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(actual >> 24, 0xFFu);
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    EXPECT_NEAR(a, e, 6) << "channel at bit " << shift;
  }
}

Bytes FourQuadrants(int components, bool progressive) {
  // 16 x 16: red, green / blue, white (CMYK: the same, stored inverted)
  const std::uint8_t rgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  JpegLayout layout{16, 16, components, {}, progressive};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const std::uint8_t* c = rgb[(y / 8) * 2 + x / 8];
      if (components == 4) {
        const std::uint8_t k = std::max({c[0], c[1], c[2]});
        for (int i = 0; i < 3; ++i) layout.samples.push_back(static_cast<std::uint8_t>(k == 0 ? 0 : 255 * c[i] / k));
        layout.samples.push_back(k);
      } else {
        layout.samples.insert(layout.samples.end(), c, c + 3);
      }
    }
  }
  return EncodeJpeg(layout);
}

TEST(JpegDecode, ColourGreyProgressiveAndCmykComeOutOpaque) {
  for (const auto& [name, file] : {std::pair{"colour", FourQuadrants(3, false)},
                                   std::pair{"progressive", FourQuadrants(3, true)},
                                   std::pair{"inverted CMYK", FourQuadrants(4, false)}}) {
    SCOPED_TRACE(name);
    std::optional<Picture> picture = DecodePicture(file);
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->width, 16);
    ASSERT_EQ(picture->height, 16);
    EXPECT_FALSE(picture->hasTransparency);
    ExpectNear(picture->At(3, 3), 0xFF0000, "red");
    ExpectNear(picture->At(12, 3), 0x00FF00, "green");
    ExpectNear(picture->At(3, 12), 0x0000FF, "blue");
    ExpectNear(picture->At(12, 12), 0xFFFFFF, "white");
  }

  std::optional<Picture> grey = DecodePicture(EncodeJpeg({8, 8, 1, Bytes(64, 0x40)}));
  ASSERT_TRUE(grey.has_value());
  for (std::uint32_t pixel : grey->pixels) ExpectNear(pixel, 0x404040, "grey");
}

// The decision made for a sprite: PNG transparency is kept only when asked
// for; every other picture is keyed on pure black.
TEST(PictureAlpha, PngKeepsItsTransparencyOthersGetTheBlackKey) {
  const Bytes rgba = EncodePng({2, 1, PNG_COLOR_TYPE_RGBA, 8, {0, 0, 0, 255, 255, 0, 0, 128}});
  const Bytes paletteWithTrns =
      EncodePng({2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, {0x000000, 0xFF0000}, {255, 128}});
  const Bytes rgb = EncodePng({2, 1, PNG_COLOR_TYPE_RGB, 8, {0, 0, 0, 255, 0, 0}});
  const Bytes bmp32 = BuildBmp({2, 1, 32, 0, 40, {}, {}, {}, {0, 0, 0, 0xFF, 0, 0, 0xFF, 0x00}});
  struct Case {
    const char* name;
    const Bytes& file;
    bool pictureAlpha;
    std::vector<std::uint32_t> expected;
  } cases[] = {
      {"PNG alpha, asked for", rgba, true, {0xFF000000, 0x80FF0000}},
      {"PNG tRNS, asked for", paletteWithTrns, true, {0xFF000000, 0x80FF0000}},
      {"PNG alpha, not asked for", rgba, false, {0x00000000, 0xFFFF0000}},
      {"PNG without transparency", rgb, true, {0x00000000, 0xFFFF0000}},
      {"32-bit BMP", bmp32, true, {0x00000000, 0xFFFF0000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<Picture> picture = DecodePicture(c.file);
    ASSERT_TRUE(picture.has_value());
    ApplyPictureAlpha(*picture, c.pictureAlpha);
    EXPECT_EQ(picture->pixels, c.expected);
  }

  // JPEG: a flat black block and a flat white one.
  Bytes samples(16 * 8, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 8; x < 16; ++x) samples[y * 16 + x] = 255;
  std::optional<Picture> jpeg = DecodePicture(EncodeJpeg({16, 8, 1, samples}));
  ASSERT_TRUE(jpeg.has_value());
  ApplyPictureAlpha(*jpeg, true);
  EXPECT_EQ(jpeg->At(3, 3), 0x00000000u);
  EXPECT_EQ(jpeg->At(12, 3), 0xFFFFFFFFu);
}

// ---- hostile input ------------------------------------------------------

std::uint32_t BigEndian32(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

void PutBigEndian32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

// The PNG with other dimensions in its header (and a matching CRC).
Bytes WithPngSize(Bytes png, std::uint32_t width, std::uint32_t height) {
  PutBigEndian32(png, 16, width);
  PutBigEndian32(png, 20, height);
  PutBigEndian32(png, 29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
  return png;
}

// Offset of the first byte after the chunk type of the first chunk named `type`.
std::size_t PngChunkData(const Bytes& png, const char* type) {
  for (std::size_t at = 8; at + 8 <= png.size(); at += 12 + BigEndian32(png, at)) {
    if (std::equal(type, type + 4, png.begin() + static_cast<std::ptrdiff_t>(at + 4))) return at + 8;
  }
  return 0;
}

// The JPEG with other dimensions in its frame header.
Bytes WithJpegSize(Bytes jpeg, int width, int height) {
  for (std::size_t at = 2; at + 9 < jpeg.size(); ++at) {
    if (jpeg[at] == 0xFF && (jpeg[at + 1] == 0xC0 || jpeg[at + 1] == 0xC2)) {
      jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8);
      jpeg[at + 6] = static_cast<std::uint8_t>(height);
      jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8);
      jpeg[at + 8] = static_cast<std::uint8_t>(width);
      break;
    }
  }
  return jpeg;
}

Bytes Noise(std::size_t count, unsigned seed) {
  Bytes bytes(count);
  for (std::uint8_t& b : bytes) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<std::uint8_t>(seed >> 16);
  }
  return bytes;
}

Bytes Cut(Bytes bytes, std::size_t keep) {
  bytes.resize(keep);
  return bytes;
}

TEST(HostileInput, DamagedOrImplausibleFilesGiveNothing) {
  const Bytes png = EncodePng({32, 32, PNG_COLOR_TYPE_RGB, 8, Noise(32 * 32 * 3, 1)});
  Bytes pngFlipped = png;
  pngFlipped[PngChunkData(png, "IDAT") + 100] ^= 0x55;
  const Bytes jpeg = EncodeJpeg({64, 64, 3, Noise(64 * 64 * 3, 2)});
  Bytes jpegMarkerInData = jpeg;
  jpegMarkerInData[jpeg.size() / 2] = 0xFF;
  jpegMarkerInData[jpeg.size() / 2 + 1] = 0xD9;
  Bytes bmpHuge = BuildBmp({1, 1, 24, 0, 40, {}, {}, {}, {0, 0, 0, 0}});
  for (std::size_t at : {18u, 22u}) {  // width and height 100000 (0x000186A0), little-endian
    bmpHuge[at] = 0xA0;
    bmpHuge[at + 1] = 0x86;
    bmpHuge[at + 2] = 0x01;
  }

  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"unknown signature", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}},
      {"PNG signature only", Cut(png, 8)},
      {"PNG cut in its pixel data", Cut(png, png.size() / 2)},
      {"PNG with a damaged pixel chunk", pngFlipped},
      {"PNG claiming 100000 x 100000", WithPngSize(png, 100000, 100000)},
      {"PNG claiming 16000 x 16000", WithPngSize(png, 16000, 16000)},
      {"PNG claiming 8000 x 4000 from a few bytes", WithPngSize(png, 8000, 4000)},
      {"PNG with a palette index beyond its palette",
       EncodePng({2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 5}, {0xFF0000, 0x00FF00}})},
      {"JPEG cut in its data", Cut(jpeg, jpeg.size() / 2)},
      {"JPEG with a marker in its data", jpegMarkerInData},
      {"JPEG claiming 60000 x 60000", WithJpegSize(jpeg, 60000, 60000)},
      {"JPEG claiming 8000 x 4000 from a few bytes", WithJpegSize(jpeg, 8000, 4000)},
      {"JPEG start marker only", {0xFF, 0xD8, 0xFF}},
      {"BMP claiming 100000 x 100000", bmpHuge},
      {"BMP with less pixel data than its size", BuildBmp({4, 4, 24, 0, 40, {}, {}, {}, Bytes(40, 7)})},
      {"BMP header only", Cut(BuildBmp({1, 1, 24, 0, 40, {}, {}, {}, {0, 0, 0, 0}}), 30)},
      {"BMP palette index beyond the palette", BuildBmp({2, 1, 8, 0, 40, {0, 0xFFFFFF}, {}, {}, {1, 5, 0, 0}})},
      {"BMP RLE8 index beyond the palette", BuildBmp({2, 1, 8, 1, 40, {0, 0xFFFFFF}, {}, {}, {2, 9, 0, 1}})},
      {"BMP RLE8 without its end", BuildBmp({4, 4, 8, 1, 40, {0, 0xFFFFFF}, {}, {}, {4, 1, 0, 0, 4, 1}})},
      {"BMP RLE8 stored top-down", BuildBmp({2, -1, 8, 1, 40, {0, 0xFFFFFF}, {}, {}, {2, 1, 0, 1}})},
      {"BMP RLE8 claiming 8000 x 4000", BuildBmp({8000, 4000, 8, 1, 40, {0, 0xFFFFFF}, {}, {}, {0, 1}})},
      {"BMP with 3 bits per pixel", BuildBmp({8, 1, 3, 0, 40, {}, {}, {}, Bytes(4, 0)})},
      {"BMP with 64 bits per pixel", BuildBmp({1, 1, 64, 0, 40, {}, {}, {}, Bytes(8, 0)})},
      {"BMP with 0 bits per pixel", BuildBmp({1, 1, 0, 0, 40, {}, {}, {}, Bytes(4, 0)})},
      {"BMP RLE8 on 24 bits", BuildBmp({1, 1, 24, 1, 40, {}, {}, {}, {0, 1}})},
      {"BMP holding a JPEG", BuildBmp({1, 1, 24, 4, 40, {}, {}, {}, Bytes(4, 0)})},
      {"BMP with an unknown header size", BuildBmp({1, 1, 24, 0, 20, {}, {}, {}, Bytes(4, 0)})},
      {"BMP of zero width", BuildBmp({0, 1, 24, 0, 40, {}, {}, {}, Bytes(4, 0)})},
  };
  for (const auto& [name, file] : cases) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(DecodePicture(file).has_value());
  }
}

Bytes PngChunk(const char* type, const Bytes& data) {
  Bytes chunk(4);
  PutBigEndian32(chunk, 0, static_cast<std::uint32_t>(data.size()));
  for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<std::uint8_t>(type[i]));
  for (std::uint8_t byte : data) chunk.push_back(byte);
  const auto crc = static_cast<std::uint32_t>(crc32(0, chunk.data() + 4, static_cast<uInt>(data.size() + 4)));
  chunk.resize(chunk.size() + 4);
  PutBigEndian32(chunk, chunk.size() - 4, crc);
  return chunk;
}

// Compressed text chunks inflate about 1000-fold. Read and kept, 100 of them
// (a 1 MB file) would take 700 MB; the decoder must skip them. Measured in a
// child process, whose peak memory is its own.
TEST(HostileInput, CompressedTextChunksAreNotInflated) {
  const Bytes text(7 * 1024 * 1024, 'a');
  Bytes packed(compressBound(text.size()));
  uLongf packedSize = packed.size();
  ASSERT_EQ(compress2(packed.data(), &packedSize, text.data(), text.size(), 9), Z_OK);
  packed.resize(packedSize);
  Bytes zTXt(3 + packed.size(), 0);  // keyword "k", its end, compression method 0
  zTXt[0] = 'k';
  std::copy(packed.begin(), packed.end(), zTXt.begin() + 3);
  Bytes bomb = EncodePng({1, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}});
  const Bytes chunk = PngChunk("zTXt", zTXt);
  for (int i = 0; i < 100; ++i) bomb.insert(bomb.begin() + 33, chunk.begin(), chunk.end());  // after IHDR

  EXPECT_EXIT(
      {
        std::optional<Picture> picture = DecodePicture(bomb);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::exit(picture && picture->pixels[0] == 0xFF010203 && usage.ru_maxrss < 300 * 1024 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST(LoadPictureFile, ReadsAFileAndRefusesWhatIsNoPictureFile) {
  TempFolder folder;
  ASSERT_FALSE(folder.path().empty());
  const std::string good =
      WriteTempFile(folder.path(), "good.bmp", BuildBmp({1, 1, 24, 0, 40, {}, {}, {}, {0x30, 0x20, 0x10, 0}}));
  std::optional<Picture> picture = LoadPictureFile(good);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixels, std::vector<std::uint32_t>{0xFF102030});

  std::filesystem::create_directory(folder.path() + "/folder.png");
  for (const std::string& path : {std::string(), folder.path() + "/missing.png", folder.path() + "/folder.png",
                                  WriteTempFile(folder.path(), "empty.png", {}),
                                  WriteTempFile(folder.path(), "text.jpg", {'h', 'i', '\n'})}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(LoadPictureFile(path).has_value());
  }
}

}  // namespace
}  // namespace fl::test
