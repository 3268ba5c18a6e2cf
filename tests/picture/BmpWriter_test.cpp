#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/picture/PictureDecoder.h"
#include "saver/BmpWriter.h"
#include "saver/ScreenBitmap.h"
#include "tests/fakes/FakeScreenGrabber.h"
#include "tests/fakes/FakeServices.h"

namespace fl::test {
namespace {

Picture ThreeByTwo() {
  Picture picture;
  picture.width = 3;
  picture.height = 2;
  picture.pixels = {0xFF010203, 0xFF040506, 0xFF070809,   // top row
                    0x800A0B0C, 0x000D0E0F, 0xFF101112};  // bottom row
  return picture;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

std::string Headers(int fileSize, int width, int height, int bitsPerPixel, int imageSize) {
  return Bytes({'B', 'M', fileSize, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  //
                40, 0, 0, 0, width, 0, 0, 0, height, 0, 0, 0, 1, 0, bitsPerPixel, 0, 0, 0, 0, 0,
                imageSize, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

TEST(EncodeBmp, TwentyFourBitsAreBgrRowsBottomUpPaddedToFourBytes) {
  const std::string expected = Headers(78, 3, 2, 24, 24) +
                               Bytes({0x0C, 0x0B, 0x0A, 0x0F, 0x0E, 0x0D, 0x12, 0x11, 0x10, 0, 0, 0,  //
                                      0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0, 0, 0});
  EXPECT_EQ(EncodeBmp(ThreeByTwo(), 24), expected);
}

TEST(EncodeBmp, ThirtyTwoBitsCarryTheAlphaByteAsHeld) {
  const std::string expected =
      Headers(78, 3, 2, 32, 24) +
      Bytes({0x0C, 0x0B, 0x0A, 0x80, 0x0F, 0x0E, 0x0D, 0x00, 0x12, 0x11, 0x10, 0xFF,  //
             0x03, 0x02, 0x01, 0xFF, 0x06, 0x05, 0x04, 0xFF, 0x09, 0x08, 0x07, 0xFF});
  EXPECT_EQ(EncodeBmp(ThreeByTwo(), 32), expected);
}

TEST(EncodeBmp, ReadsBackThroughOurDecoderOpaque) {
  std::vector<std::uint32_t> opaque;
  for (std::uint32_t pixel : ThreeByTwo().pixels) opaque.push_back(pixel | 0xFF000000);
  for (int bits : {24, 32}) {
    SCOPED_TRACE(bits);
    const std::string file = EncodeBmp(ThreeByTwo(), bits);
    std::optional<Picture> back = DecodePicture(std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->height, 2);
    EXPECT_EQ(back->pixels, opaque);
  }
}

TEST(EncodeBmp, RefusesOtherDepthsAndEmptyPictures) {
  EXPECT_EQ(EncodeBmp(ThreeByTwo(), 16), "");
  EXPECT_EQ(EncodeBmp(ThreeByTwo(), 8), "");
  EXPECT_EQ(EncodeBmp(Picture{}, 24), "");
}

class ScreenBitmapTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = Sys();
    Sys().files = &files_;
    Sys().grabber = &grabber_;
  }
  void TearDown() override { Sys() = saved_; }

  std::optional<Picture> Written(const std::string& path) {
    auto it = files_.files.find(path);
    if (it == files_.files.end()) return std::nullopt;
    return DecodePicture(std::span(reinterpret_cast<const std::uint8_t*>(it->second.data()), it->second.size()));
  }
  int WrittenBits(const std::string& path) { return static_cast<unsigned char>(files_.files.at(path)[28]); }

  Platform saved_;
  FakeFileSystem files_;
  FakeScreenGrabber grabber_;
};

TEST_F(ScreenBitmapTest, WritesWhatTheScreenShowsAtTheDepthsBmpHas) {
  for (auto [depth, bits] : {std::pair{8, 24}, {16, 24}, {24, 24}, {32, 32}}) {
    SCOPED_TRACE(depth);
    SaveScreenBitmap("/data/shot.bmp", 4, 3, depth);
    std::optional<Picture> shot = Written("/data/shot.bmp");
    ASSERT_TRUE(shot.has_value());
    EXPECT_EQ(shot->width, 4);
    EXPECT_EQ(shot->height, 3);
    EXPECT_EQ(shot->pixels, std::vector<std::uint32_t>(12, 0xFF336699));
    EXPECT_EQ(WrittenBits("/data/shot.bmp"), bits);
  }
}

TEST_F(ScreenBitmapTest, AnUnreadableScreenGivesABlackFile) {
  grabber_.works = false;
  SaveScreenBitmap("/data/failed.bmp", 2, 2, 32);
  Sys().grabber = nullptr;
  SaveScreenBitmap("/data/none.bmp", 2, 2, 32);
  for (const char* path : {"/data/failed.bmp", "/data/none.bmp"}) {
    SCOPED_TRACE(path);
    std::optional<Picture> shot = Written(path);
    ASSERT_TRUE(shot.has_value());
    EXPECT_EQ(shot->pixels, std::vector<std::uint32_t>(4, 0xFF000000));
    // 32 bits: opaque black carries its alpha byte.
    EXPECT_EQ(files_.files.at(path).substr(54, 4), std::string("\0\0\0\xFF", 4));
  }
}

TEST_F(ScreenBitmapTest, NoFileWhenThePictureCannotBeMadeOrWritten) {
  SaveScreenBitmap("/data/zero.bmp", 0, 600, 32);
  SaveScreenBitmap("/data/negative.bmp", 800, -1, 32);
  files_.failWrites = true;
  SaveScreenBitmap("/data/full.bmp", 2, 2, 32);
  EXPECT_TRUE(files_.files.empty());
  EXPECT_FALSE(WriteBmpFile("/data/full.bmp", ThreeByTwo(), 24));
}

}  // namespace
}  // namespace fl::test
