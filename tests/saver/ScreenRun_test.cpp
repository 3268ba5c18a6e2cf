#include "saver/ScreenRun.h"

#include <algorithm>

#include "app/shell/Vendor.h"
#include "saver/FlakeField.h"
#include "saver/InputTracker.h"
#include "tests/saver/AllocationCounter.h"
#include "tests/saver/SaverFixture.h"

namespace fl::test {
namespace {

constexpr int KeyA = 30;


class ScreenRunTest : public SaverFixture {
 protected:
  // Paths of the BMP files written into the data folder, in name order.
  std::vector<std::string> Screenshots() const {
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files.files) {
      if (path.rfind("/data/scr", 0) == 0) names.push_back(path);
    }
    return names;
  }
  // Width and height stored in a BMP file's information header.
  static std::pair<int, int> BmpSize(const std::string& bytes) {
    auto u32 = [&](std::size_t at) {
      return static_cast<int>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8 |
                              static_cast<unsigned char>(bytes[at + 2]) << 16 |
                              static_cast<unsigned char>(bytes[at + 3]) << 24);
    };
    return {u32(18), u32(22)};
  }
};

TEST_F(ScreenRunTest, SetUpAndEachFrameRunInTheirOrder) {
  Settings.background = 0;
  Settings.backgroundimage = "/pics/moon.jpg";
  Settings.foreground = 1;
  Settings.foregroundimage = "/pics/tree.png";
  Settings.foregroundimagex = -50;
  Settings.foregroundimagey = 20;
  Settings.foregroundtxt = 1;
  Settings.foregroundtext = "Hi";
  Settings.foregroundtextx = 30;
  Settings.foregroundtexty = 40;
  Settings.flakes = 2;
  screen.pictureFiles = {{"/pics/moon.jpg", {640, 480}}, {"/pics/tree.png", {100, 100}}};
  input.Step({KeyF1}).Step({});
  const int angle1 = Random(360);  // nothing before the flakes draws a random number
  const int angle2 = Random(360);
  SeedRandom(1);

  ScreenRun();

  const std::vector<std::string> log = screen.Log();
  const auto firstFrame = std::find(log.begin(), log.end(), "Clear 0");
  EXPECT_EQ(std::vector<std::string>(log.begin(), firstFrame),
            (std::vector<std::string>{"InitSprites", "Open 800x600x32 " + AppTitle(), "Smoothing 1",
                                      "Load 1 /pics/moon.jpg opaque", "Zoom 1 800 600", "Load 6 /pics/tree.png alpha",
                                      "Make 7 20x27", "LoadBytes 5 alpha", "Copy 5 101",
                                      "Rotate 101 " + std::to_string(angle1), "Copy 5 102",
                                      "Rotate 102 " + std::to_string(angle2)}));
  // The last frame draws the flakes where its move left them.
  auto n = [](int value) { return std::to_string(value); };
  const Flake& a = Flakes[0];
  const Flake& b = Flakes[1];
  EXPECT_EQ(screen.Frame(2), (std::vector<std::string>{
                                 "Clear 0",
                                 "Draw 1 0 0",
                                 "Zoom 101 " + n(a.size) + " " + n(a.size),
                                 "Blend 101 " + n(a.x) + " " + n(a.y) + " " + n(a.opacity),
                                 "Zoom 102 " + n(b.size) + " " + n(b.size),
                                 "Blend 102 " + n(b.x) + " " + n(b.y) + " " + n(b.opacity),
                                 "Blend 6 -50 20 255",
                                 "Blend 7 30 40 255",
                                 "Flip",
                             }));
  EXPECT_EQ(log.back(), "Close");
  EXPECT_EQ(screen.flips, 2);
  EXPECT_EQ(clock.sleeps, (std::vector<int>{5, 5}));
  EXPECT_EQ(input.inits, (std::vector<std::string>{"mouse", "keyboard"}));
  EXPECT_EQ(shell.opened, std::vector<std::string>{HomePageUrl()});
}

TEST_F(ScreenRunTest, BlankBackgroundClearsToItsColourAndSkipsSprite1) {
  Settings.background = 3;
  Settings.blankb = 255;
  input.Tap(KeyF1);

  ScreenRun();

  EXPECT_EQ(screen.Frame(1), (std::vector<std::string>{"Clear 16711680", "Flip"}));
}

TEST_F(ScreenRunTest, ExitConditionsFollowTheExitSetting) {
  const MouseMotion still{};
  struct Case {
    const char* name;
    int exiton;
    std::vector<InputStep> script;
    int frames;  // the frame whose input ends the run
    std::size_t screenshots;
    bool homePage;
  } cases[] = {
      {"mouse: a key and 50 units do not end; 51 do", 0,
       {{{KeyA}, still}, {{}, still}, {{}, {50, 0, 0}}, {{}, {1, 0, 0}}}, 4, 0, false},
      {"mouse: 50 units up do not end; 51 do", 0, {{{}, {0, -50, 0}}, {{}, {0, -1, 0}}}, 2, 0, false},
      {"mouse: one wheel notch ends", 0, {{{}, still}, {{}, {0, 0, 1}}}, 2, 0, false},
      {"mouse: one notch back ends", 0, {{{}, {0, 0, -1}}}, 1, 0, false},
      {"any key: ends at the release, not the press", 1, {{{KeyA}, still}, {{KeyA}, still}, {{}, still}}, 3, 0, false},
      {"any key: F12 saves and goes on", 1,
       {{{KeyF12}, still}, {{}, still}, {{}, {200, 0, 0}}, {{KeyEscape}, still}, {{}, still}}, 5, 1, false},
      {"escape: other keys and motion do not end", 2,
       {{{KeyA}, still}, {{}, {300, 300, 2}}, {{KeyEscape}, still}, {{}, still}}, 4, 0, false},
      {"escape: F1 ends as well", 2, {{{KeyF1}, still}, {{}, still}}, 2, 0, true},
      {"other value: only F1 ends", 7,
       {{{KeyEscape, KeyA}, still}, {{}, {400, 400, 3}}, {{KeyF1}, still}, {{}, still}}, 4, 0, true},
      {"F1 and F12 together: only F1 acts", 7, {{{KeyF1, KeyF12}, still}, {{}, still}}, 2, 0, true},
  };
  for (const Case& c : cases) {
    StartOver();
    Settings.exiton = static_cast<std::int8_t>(c.exiton);
    input.steps = c.script;

    ScreenRun();

    EXPECT_EQ(screen.flips, c.frames) << c.name;
    EXPECT_EQ(Screenshots().size(), c.screenshots) << c.name;
    EXPECT_EQ(shell.opened.size(), c.homePage ? 1u : 0u) << c.name;
  }
}

TEST_F(ScreenRunTest, EachF12ReleaseSavesOneScreenshotNamedByRunClock) {
  Settings.exiton = 7;
  // Frames start at RunClock 0 and each sleeps 5 ms before reading the input.
  input.Step({KeyF12}).Step({KeyF12}).Step({KeyF12}).Step({}).Step({KeyF12}).Step({}).Tap(KeyF1);

  ScreenRun();

  EXPECT_EQ(Screenshots(), (std::vector<std::string>{"/data/scr20.bmp", "/data/scr30.bmp"}));
  EXPECT_EQ(BmpSize(files.files["/data/scr20.bmp"]), std::make_pair(800, 600));
}

TEST_F(ScreenRunTest, AModeTheDisplayRefusesFallsBackToTheDesktopOnce) {
  struct Case {
    int width, height;
  } cases[] = {{1024, 768}, {0, 0}};
  for (const Case& c : cases) {
    StartOver();
    Settings.videow = c.width;
    Settings.videoh = c.height;
    Settings.exiton = 7;
    DesktopMode = {640, 480, 24};
    screen.refusedModes = {{1024, 768, 32}};
    input.Tap(KeyF12).Tap(KeyF1);

    ScreenRun();

    EXPECT_EQ(screen.Log({ScreenOp::Open}),
              (std::vector<std::string>{"Open " + std::to_string(c.width) + "x" + std::to_string(c.height) + "x32 " +
                                            AppTitle(),
                                        "Open 640x480x24 " + AppTitle()}));
    EXPECT_EQ(Settings.videow, 640);
    EXPECT_EQ(Settings.videoh, 480);
    EXPECT_EQ(Settings.videod, 24);
    ASSERT_EQ(Screenshots().size(), 1u);
    EXPECT_EQ(BmpSize(files.files[Screenshots()[0]]), std::make_pair(640, 480));
    EXPECT_TRUE(boxes.shown.empty());
  }
}

TEST_F(ScreenRunTest, RunsThatCannotStartSayWhy) {
  struct Case {
    const char* name;
    bool graphics;
    bool modes;
    std::vector<std::string> calls;
    std::string message;
  } cases[] = {
      {"no graphics", false, true, {"InitSprites"}, "Graphics system coudn't be initialized!"},
      {"no display mode", true, false,
       {"InitSprites", "Open 800x600x32 " + AppTitle(), "Open 1920x1080x32 " + AppTitle()},
       "Selected screen resolution coudn't be set properly!"},
  };
  for (const Case& c : cases) {
    StartOver();
    screen.initSpritesResult = c.graphics;
    screen.refuseAllModes = !c.modes;

    ScreenRun();

    EXPECT_EQ(screen.Log(), c.calls) << c.name;
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.message}) << c.name;
    EXPECT_EQ(boxes.shown[0].style, BoxStyle::Error) << c.name;
  }
}

TEST_F(ScreenRunTest, ScreensaverModeUndoesItsStepsWhetherOrNotTheRunStarts) {
  for (bool starts : {true, false}) {
    StartOver();
    Settings.background = 1;
    screen.refuseAllModes = !starts;
    input.Tap(KeyF1);
    std::vector<bool> captureThere;
    screen.onFlip = [&](int) { captureThere.push_back(files.files.count("/data/desktop.bmp") == 1); };

    ScreensaverMode();

    const std::string opened = "Open 800x600x32 " + AppTitle();
    EXPECT_EQ(screen.Log({ScreenOp::ShowPointer, ScreenOp::SetScreensaverRunning, ScreenOp::Open, ScreenOp::Close}),
              starts ? (std::vector<std::string>{"ShowPointer 0", "ScreensaverRunning 1", opened, "Close",
                                                 "ScreensaverRunning 0", "ShowPointer 1"})
                     : (std::vector<std::string>{"ShowPointer 0", "ScreensaverRunning 1", opened,
                                                 "Open 1920x1080x32 " + AppTitle(), "ScreensaverRunning 0",
                                                 "ShowPointer 1"}));
    EXPECT_EQ(grabber.grabs, 1);
    const std::vector<bool> expectedThere = starts ? std::vector<bool>{true, true} : std::vector<bool>{};
    EXPECT_EQ(captureThere, expectedThere);
    EXPECT_EQ(files.files.count("/data/desktop.bmp"), 0u) << "the capture is removed";
  }
}

TEST_F(ScreenRunTest, FramesAllocateNothing) {
  Settings.exiton = 7;
  Settings.flakes = 100;
  Settings.wind = 1;
  Settings.foreground = 1;
  Settings.foregroundimage = "/pics/tree.png";
  Settings.foregroundtxt = 1;
  Settings.foregroundtext = "Hi";
  screen.pictureFiles = {{"/pics/tree.png", {100, 100}}};
  for (int frame = 0; frame < 120; ++frame) input.Step({frame % 7 == 0 ? 30 : 31}, {1, -1, 0});
  input.Tap(KeyF1);
  clock.sleeps.reserve(200);
  long atFrame2 = -1;
  long atFrame110 = -1;
  screen.onFlip = [&](int flips) {
    if (flips == 2) atFrame2 = AllocationCount();
    if (flips == 110) atFrame110 = AllocationCount();
  };

  ScreenRun();

  ASSERT_GT(atFrame2, 0);
  EXPECT_EQ(atFrame110, atFrame2) << "frames 3 to 110 (with several wobbles) allocated";
}

}  // namespace
}  // namespace fl::test
