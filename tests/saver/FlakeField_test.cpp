#include "saver/FlakeField.h"

#include <algorithm>
#include <climits>
#include <ostream>
#include <set>

#include "saver/FlakePicture.h"
#include "saver/RunClock.h"
#include "tests/saver/SaverFixture.h"

namespace fl {

void PrintTo(const Flake& f, std::ostream* out) {
  *out << "{x " << f.x << ", y " << f.y << ", size " << f.size << ", opacity " << f.opacity << ", driftX "
       << f.driftX << ", fallY " << f.fallY << ", sizeStep " << f.sizeStep << "}";
}

namespace test {
namespace {

class FlakeFieldTest : public SaverFixture {
 protected:
  // What the run set-up does before it makes the field.
  void SetUpField() {
    StartRunClock();
    JitterClock = RunClock();
    JitterDue = false;
    SetUpFlakeField();
  }
  // A field of hand-made flakes on an 800 x 600 screen, no wind, no wobble due.
  void UseFlakes(std::vector<Flake> flakes) {
    StartRunClock();
    JitterClock = RunClock();
    JitterDue = false;
    WindDrift = 0;
    Flakes = std::move(flakes);
  }
};

TEST_F(FlakeFieldTest, SetUpDrawsWindThenEveryRotationThenFiveNumbersPerFlake) {
  Settings.flakes = 3;
  Settings.wind = 3;
  Settings.speed = 4;
  Settings.flaketype = 4;

  SeedRandom(77);
  const int wind = Random(2);
  std::vector<std::string> expectedSprites = {"LoadBytes 5 alpha"};
  for (int n = 1; n <= 3; ++n) {
    expectedSprites.push_back("Copy 5 " + std::to_string(100 + n));
    expectedSprites.push_back("Rotate " + std::to_string(100 + n) + " " + std::to_string(Random(360)));
  }
  std::vector<Flake> expectedFlakes;
  for (int n = 1; n <= 3; ++n) {
    Flake flake;
    flake.x = Random(800);
    flake.driftX = 1 - Random(2);
    flake.y = Random(600);
    flake.fallY = Random(2) + 4;
    flake.size = Random(16) + 1;
    flake.opacity = (flake.size - 1) * 15;
    expectedFlakes.push_back(flake);
  }

  SeedRandom(77);
  SetUpField();

  EXPECT_EQ(screen.Log(), expectedSprites);
  EXPECT_EQ(screen.lastBytes.data(), FlakePicture(4).data()) << "built-in flake picture 4";
  EXPECT_EQ(Settings.wind, wind);
  EXPECT_EQ(WindDrift, wind == 1 ? 8 : wind == 2 ? -8 : 0);
  EXPECT_EQ(Flakes, expectedFlakes);
  EXPECT_EQ(OpacityStep, 15);
}

TEST_F(FlakeFieldTest, DrawFlakesSizesThenDrawsEachFlakeInOrder) {
  Settings.flakes = 2;
  SetUpField();
  screen.calls.clear();

  DrawFlakes();

  const Flake& a = Flakes[0];
  const Flake& b = Flakes[1];
  auto n = [](int value) { return std::to_string(value); };
  EXPECT_EQ(screen.Log(), (std::vector<std::string>{
                              "Zoom 101 " + n(a.size) + " " + n(a.size),
                              "Blend 101 " + n(a.x) + " " + n(a.y) + " " + n(a.opacity),
                              "Zoom 102 " + n(b.size) + " " + n(b.size),
                              "Blend 102 " + n(b.x) + " " + n(b.y) + " " + n(b.opacity),
                          }));
}

TEST_F(FlakeFieldTest, FlakePictureComesFromTheCustomFileWhenChosen) {
  Settings.flakes = 2;
  Settings.customflaketype = 1;
  Settings.customflakeimage = "/pics/flake.png";
  screen.pictureFiles["/pics/flake.png"] = {32, 32};

  SetUpField();

  EXPECT_EQ(screen.Log({ScreenOp::LoadSprite, ScreenOp::LoadSpriteFromBytes, ScreenOp::CopySprite}),
            (std::vector<std::string>{"Load 5 /pics/flake.png alpha", "Copy 5 101", "Copy 5 102"}));
}

TEST_F(FlakeFieldTest, WithoutAFlakePictureThereAreNoCopiesAndNothingIsDrawn) {
  Settings.flakes = 50;
  Settings.customflaketype = 1;
  Settings.customflakeimage = "/pics/missing.png";

  SetUpField();
  for (int frame = 0; frame < 3; ++frame) {
    clock.now += 250;
    MoveFlakes();
    DrawFlakes();
  }

  EXPECT_EQ(screen.Log(), std::vector<std::string>{"Load 5 /pics/missing.png alpha"});
  EXPECT_TRUE(Flakes.empty());
}

TEST_F(FlakeFieldTest, WindGivesTwiceTheSpeedInItsDirection) {
  struct Case {
    int wind, speed, drift;
  } cases[] = {{0, 3, 0}, {1, 3, 6}, {2, 3, -6}, {1, -4, -8}, {99, 3, 0}, {1, INT_MAX, INT_MAX}};
  for (const Case& c : cases) {
    Settings.wind = static_cast<std::int8_t>(c.wind);
    Settings.speed = c.speed;
    SetUpField();
    EXPECT_EQ(WindDrift, c.drift) << "wind " << c.wind << " speed " << c.speed;
  }
}

TEST_F(FlakeFieldTest, MoveWrapsOnThePositionBeforeTheMove) {
  // 800 x 600 screen, flakesize 17: the field is a band 817 pixels wide.
  struct Case {
    const char* name;
    Flake before;
    int x, y, size;
  } cases[] = {
      {"below the bottom", {.x = 10, .y = 601, .size = 5, .driftX = 0, .fallY = 3}, 10, -16 + 3, 5},
      {"on the bottom edge", {.x = 10, .y = 600, .size = 5, .fallY = 3}, 10, 603, 5},
      {"past the right edge", {.x = 801, .y = 0, .size = 5, .driftX = 1, .fallY = 1}, -16 + 1, 1, 5},
      {"on the right edge", {.x = 800, .y = 0, .size = 5, .driftX = 1, .fallY = 1}, 801, 1, 5},
      {"far past the left edge", {.x = -18, .y = 0, .size = 5, .driftX = -1, .fallY = 1}, 799 - 1, 1, 5},
      {"just past the left edge", {.x = -17, .y = 0, .size = 5, .driftX = -1, .fallY = 1}, -18, 1, 5},
      {"above the top", {.x = 0, .y = -500, .size = 5, .fallY = 2}, 0, -498, 5},
      {"too large", {.x = 0, .y = 0, .size = 18, .fallY = 0}, 0, 0, 17},
      {"too small", {.x = 0, .y = 0, .size = 0, .fallY = 0}, 0, 0, 1},
  };
  for (const Case& c : cases) {
    UseFlakes({c.before});
    MoveFlakes();
    EXPECT_EQ(Flakes[0].x, c.x) << c.name;
    EXPECT_EQ(Flakes[0].y, c.y) << c.name;
    EXPECT_EQ(Flakes[0].size, c.size) << c.name;
  }
}

TEST_F(FlakeFieldTest, EveryFlakeMovesByItsOwnDriftPlusTheWind) {
  Settings.flakes = 20;
  Settings.wind = 1;
  Settings.speed = 3;
  SetUpField();
  const std::vector<Flake> before = Flakes;

  MoveFlakes();  // no wobble yet

  for (std::size_t i = 0; i < Flakes.size(); ++i) {
    EXPECT_EQ(Flakes[i].x, before[i].x + before[i].driftX + 6);
    EXPECT_EQ(Flakes[i].y, before[i].y + before[i].fallY);
  }
}

TEST_F(FlakeFieldTest, WobbleComesInTheFirstFrameMoreThan200MsAfterTheLastOne) {
  UseFlakes({{.x = 0, .y = 0, .size = 5, .fallY = 1}});
  const std::uint64_t start = clock.now;
  struct Step {
    std::uint64_t at;  // ms since the set-up
    bool wobbles;
  } steps[] = {{100, false}, {200, false}, {201, true}, {350, false}, {401, false}, {402, true}, {800, true}};
  for (const Step& step : steps) {
    clock.now = start + step.at;
    const std::uint64_t before = JitterClock;
    MoveFlakes();
    EXPECT_EQ(JitterClock, step.wobbles ? step.at : before) << "at " << step.at;
    EXPECT_FALSE(JitterDue);
  }
}

TEST_F(FlakeFieldTest, WobbleStepsDriftAndSizeWithTwoDrawsPerFlake) {
  UseFlakes({{.x = 0, .y = 0, .size = 5, .driftX = 1, .fallY = 1}, {.x = 0, .y = 0, .size = 17, .fallY = 1}});
  SeedRandom(5);
  const int drift1 = std::clamp(1 + 1 - Random(2), -2, 2);
  const int step1 = 1 - Random(2);
  const int drift2 = 0 + 1 - Random(2);
  const int step2 = 1 - Random(2);
  SeedRandom(5);
  clock.now += 201;

  MoveFlakes();

  EXPECT_EQ(Flakes[0].driftX, drift1);
  EXPECT_EQ(Flakes[0].sizeStep, step1);
  EXPECT_EQ(Flakes[0].size, 5 + step1);
  EXPECT_EQ(Flakes[0].x, drift1);
  EXPECT_EQ(Flakes[1].driftX, drift2);
  EXPECT_EQ(Flakes[1].size, 17 + step2);  // flakesize + 1 is possible in a wobble frame
}

TEST_F(FlakeFieldTest, ManyWobblesKeepDriftInRangeAndFallUnchanged) {
  Settings.flakes = 30;
  SetUpField();
  std::vector<Flake> start = Flakes;
  for (int frame = 0; frame < 300; ++frame) {
    clock.now += 201;
    MoveFlakes();
    for (std::size_t i = 0; i < Flakes.size(); ++i) {
      ASSERT_GE(Flakes[i].driftX, -2);
      ASSERT_LE(Flakes[i].driftX, 2);
      ASSERT_GE(Flakes[i].size, 0);
      ASSERT_LE(Flakes[i].size, 18);
      ASSERT_EQ(Flakes[i].fallY, start[i].fallY);
      ASSERT_EQ(Flakes[i].opacity, start[i].opacity);
    }
  }
}

TEST_F(FlakeFieldTest, OpacityGrowsByTheStepPerPixelOfSize) {
  Settings.flakes = 200;
  Settings.flakesize = 5;
  SetUpField();

  std::set<int> opacities;
  for (const Flake& flake : Flakes) {
    EXPECT_EQ(flake.opacity, (flake.size - 1) * 51);
    opacities.insert(flake.opacity);
  }
  EXPECT_EQ(opacities, (std::set<int>{0, 51, 102, 153, 204}));
}

TEST_F(FlakeFieldTest, OutOfRangeCountsAndSizesAreSafe) {
  struct Case {
    int flakes, flakesize;
    std::size_t count;
    int usedSize;
  } cases[] = {
      {10, 0, 10, 1}, {10, -40, 10, 1}, {-5, 17, 0, 17}, {0, 17, 0, 17}, {INT_MAX, 17, MaxFlakes, 17},
  };
  for (const Case& c : cases) {
    Settings.flakes = c.flakes;
    Settings.flakesize = c.flakesize;
    screen.calls.clear();
    SetUpField();
    EXPECT_EQ(Flakes.size(), c.count) << c.flakes << " flakes";
    EXPECT_EQ(Settings.flakesize, c.usedSize);
    for (const Flake& flake : Flakes) {
      ASSERT_GE(flake.size, 1);
      ASSERT_LE(flake.size, c.usedSize);
    }
    clock.now += 201;
    MoveFlakes();
  }
}

TEST_F(FlakeFieldTest, ExtremeScreenAndSpeedValuesDoNotOverflow) {
  Settings.flakes = 5;
  Settings.videow = 0;
  Settings.videoh = -10;
  Settings.speed = INT_MAX;
  Settings.wind = 2;
  SetUpField();
  for (int frame = 0; frame < 5; ++frame) MoveFlakes();
  for (const Flake& flake : Flakes) {
    EXPECT_EQ(flake.x, INT_MIN);  // dragged left by the strongest wind, held at the limit
  }
}

}  // namespace
}  // namespace test
}  // namespace fl
