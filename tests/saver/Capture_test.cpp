#include "saver/Capture.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/picture/PictureDecoder.h"
#include "saver/BmpWriter.h"
#include "saver/InputTracker.h"
#include "saver/ScreenRun.h"
#include "tests/saver/SaverFixture.h"

namespace fl::test {
namespace {

struct ProcessEnded {};
[[noreturn]] void ThrowProcessEnded(int) { throw ProcessEnded{}; }

constexpr std::uint32_t Red = 0xFFFF0000;
constexpr std::uint32_t Green = 0xFF00FF00;
constexpr std::uint32_t Blue = 0xFF0000FF;
constexpr std::uint32_t White = 0xFFFFFFFF;

class CaptureTest : public SaverFixture {
 protected:
  void TearDown() override {
    SetExitFunction(nullptr);
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
    SaverFixture::TearDown();
  }

  // Writes a BMP wallpaper into a private temporary folder and names it as the
  // desktop's wallpaper.
  void SetWallpaper(int width, int height, std::vector<std::uint32_t> pixels, const std::string& style) {
    Picture picture{width, height, std::move(pixels), false};
    WriteRealFile("wallpaper-source.bmp", EncodeBmp(picture, 24));
    wallpaper.style = style;
  }
  void WriteRealFile(const std::string& name, const std::string& bytes) {
    if (folder_.empty()) {
      folder_ = std::filesystem::path(::testing::TempDir()) /
                ("frostlight-capture-" + std::to_string(std::random_device{}()));
      std::filesystem::create_directories(folder_);
    }
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    wallpaper.path = path.string();
  }
  // The wallpaper copy as the program wrote it.
  Picture WrittenWallpaper() {
    const std::string& bytes = files.files.at("/data/wallpaper.bmp");
    std::optional<Picture> picture =
        DecodeBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return picture ? *picture : Picture{};
  }
  static int BmpBits(const std::string& bytes) { return static_cast<unsigned char>(bytes.at(28)); }

 private:
  std::filesystem::path folder_;
};

TEST(TilePositionsTest, TilesStartEveryTileLengthWhileTheyReachIntoTheSide) {
  struct Case {
    int tile, limit;
    std::vector<int> positions;
  } cases[] = {
      {800, 1920, {0, 800, 1600}},
      {600, 1080, {0, 600}},
      {1920, 1920, {0}},
      {1080, 1080, {0}},
      {4000, 1920, {0}},
      {1, 3, {0, 1, 2}},
      {1000000000, INT_MAX, {0, 1000000000, 2000000000}},
      {0, 10, {0}},
      {5, 0, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TilePositions(c.tile, c.limit), c.positions) << c.tile << " on " << c.limit;
  }
}

TEST_F(CaptureTest, StyleIsTheLeadingIntegerOfTheStyleText) {
  struct Case {
    const char* text;
    int style;
  } cases[] = {{"0", 0}, {"10", 10}, {"6", 6}, {"22", 22}, {" 2", 2}, {"\t-3x", -3}, {"abc", 0}, {"", 0}};
  for (const Case& c : cases) {
    wallpaper.style = c.text;
    EXPECT_EQ(ReadWallpaperStyle(), c.style) << '"' << c.text << '"';
  }
  Sys().wallpaper = nullptr;
  EXPECT_EQ(ReadWallpaperStyle(), 0);
}

TEST_F(CaptureTest, WallpaperPathNoneMeansNoWallpaper) {
  wallpaper.path = "(None)";
  EXPECT_EQ(ReadWallpaperPath(), "");
  wallpaper.path = "/home/user/Pictures/hills.png";
  EXPECT_EQ(ReadWallpaperPath(), "/home/user/Pictures/hills.png");
  Sys().wallpaper = nullptr;
  EXPECT_EQ(ReadWallpaperPath(), "");
}

TEST_F(CaptureTest, StyleZeroTilesFromTheTopLeftCorner) {
  Settings.videow = 5;
  Settings.videoh = 3;
  Settings.videod = 16;
  SetWallpaper(2, 2, {Red, Green, Blue, White}, "0");

  PrepareWallpaper();

  EXPECT_EQ(BmpBits(files.files.at("/data/wallpaper.bmp")), 24);
  const Picture copy = WrittenWallpaper();
  ASSERT_EQ(copy.width, 5);
  ASSERT_EQ(copy.height, 3);
  const std::uint32_t tile[2][2] = {{Red, Green}, {Blue, White}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(copy.At(x, y), tile[y % 2][x % 2]) << x << "," << y;
  }
}

TEST_F(CaptureTest, AnyOtherStyleStretchesOverTheWholePicture) {
  for (const char* style : {"10", "6", "22", " 2"}) {
    Settings.videow = 4;
    Settings.videoh = 1;
    Settings.videod = 32;
    SetWallpaper(2, 1, {Red, Blue}, style);

    PrepareWallpaper();

    EXPECT_EQ(BmpBits(files.files.at("/data/wallpaper.bmp")), 32);
    const Picture copy = WrittenWallpaper();
    ASSERT_EQ(copy.width, 4) << style;
    auto red = [&](int x) { return (copy.At(x, 0) >> 16) & 0xFF; };
    auto blue = [&](int x) { return copy.At(x, 0) & 0xFF; };
    EXPECT_GT(red(1), blue(1)) << style << ": tiling would put blue here";
    EXPECT_GT(blue(2), red(2)) << style << ": tiling would put red here";
  }
}

TEST_F(CaptureTest, AnUnreadableWallpaperEndsTheProcessBeforeTheRun) {
  SetExitFunction(ThrowProcessEnded);
  WriteRealFile("notes.txt", "not a picture");
  const std::string textFile = wallpaper.path;
  for (const std::string& path : {std::string(), std::string("(None)"), std::string("/nonexistent/w.png"), textFile}) {
    StartOver();
    Settings.background = 2;
    wallpaper.path = path;

    EXPECT_THROW(ScreensaverMode(), ProcessEnded) << path;

    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"Wallpaper not found! Please set a bitmap image as desktop background."})
        << path;
    EXPECT_TRUE(screen.calls.empty()) << path << ": the pointer and the system flag were touched";
    EXPECT_TRUE(files.files.empty()) << path;
  }
}

TEST_F(CaptureTest, BackgroundFilesLiveForTheRunOnly) {
  struct Case {
    int background;
    const char* file;
  } cases[] = {{1, "/data/desktop.bmp"}, {2, "/data/wallpaper.bmp"}};
  for (const Case& c : cases) {
    StartOver();
    Settings.background = static_cast<std::int8_t>(c.background);
    Settings.videow = 64;
    Settings.videoh = 48;
    Settings.videod = 24;
    SetWallpaper(2, 2, {Red, Green, Blue, White}, "0");
    input.Tap(KeyF1);
    std::string duringRun;
    screen.onFlip = [&](int) { duringRun = files.files.count(c.file) ? files.files[c.file] : ""; };

    ScreensaverMode();

    ASSERT_FALSE(duringRun.empty()) << c.file;
    EXPECT_EQ(BmpBits(duringRun), 24) << c.file;
    EXPECT_EQ(screen.Log({ScreenOp::LoadSprite}), std::vector<std::string>{std::string("Load 1 ") + c.file + " opaque"});
    EXPECT_EQ(files.files.count(c.file), 0u) << c.file;
  }
}

}  // namespace
}  // namespace fl::test
