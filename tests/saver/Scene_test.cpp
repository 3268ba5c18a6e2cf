#include "saver/Scene.h"

#include <climits>

#include "tests/saver/SaverFixture.h"

namespace fl::test {
namespace {

class SceneTest : public SaverFixture {
 protected:
  void SetUpFreshScene() {
    ClearColour = 0;
    BackgroundVisible = true;
    SetUpScene();
  }
};

TEST_F(SceneTest, BackgroundModesChooseTheirSourceSizeAndColour) {
  // The captures were made at a configured 1024 x 768 before the display fell
  // back to 800 x 600: they are shown at their own size all the same.
  struct Case {
    int background;
    std::vector<std::string> calls;
    int shownWidth, shownHeight;  // of sprite 1; 0 when there is none
    std::uint32_t clearColour;
    bool visible;
  } cases[] = {
      {0, {"Load 1 /pics/moon.jpg opaque", "Zoom 1 800 600"}, 800, 600, 0, true},
      {1, {"Load 1 /data/desktop.bmp opaque"}, 1024, 768, 0, true},
      {2, {"Load 1 /data/wallpaper.bmp opaque"}, 1024, 768, 0, true},
      {3, {}, 0, 0, 0xFF0000, false},
      {7, {}, 0, 0, 0, true},
      {-1, {}, 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    Settings.background = static_cast<std::int8_t>(c.background);
    Settings.backgroundimage = "/pics/moon.jpg";
    Settings.blankr = 0;
    Settings.blankg = 0;
    Settings.blankb = 255;
    screen.calls.clear();
    screen.sprites.clear();
    screen.pictureFiles = {{"/pics/moon.jpg", {640, 480}}, {"/data/desktop.bmp", {1024, 768}},
                           {"/data/wallpaper.bmp", {1024, 768}}};

    SetUpFreshScene();

    EXPECT_EQ(screen.Log(), c.calls) << "background " << c.background;
    EXPECT_EQ(screen.sprites[1].shownWidth, c.shownWidth) << "background " << c.background;
    EXPECT_EQ(screen.sprites[1].shownHeight, c.shownHeight) << "background " << c.background;
    EXPECT_EQ(ClearColour, c.clearColour) << "background " << c.background;
    EXPECT_EQ(BackgroundVisible, c.visible) << "background " << c.background;
  }
}

TEST_F(SceneTest, BlankColourCombinesComponentsAsTheyStand) {
  struct Case {
    std::int32_t r, g, b;
    std::uint32_t colour;
  } cases[] = {
      {0, 0, 255, 0xFF0000},
      {255, 255, 255, 0xFFFFFF},
      {1, 2, 3, 0x030201},
      {300, 0, 0, 300},  // spills into green
      {-1, 0, 0, 0xFFFFFFFF},
      {INT_MAX, INT_MAX, INT_MAX,
       static_cast<std::uint32_t>(0x7FFFFFFFull + 256ull * 0x7FFFFFFFull + 65536ull * 0x7FFFFFFFull)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BlankColour(c.r, c.g, c.b), c.colour) << c.r << " " << c.g << " " << c.b;
  }
}

TEST_F(SceneTest, ForegroundPictureKeepsItsAlphaOnlyWhenShown) {
  Settings.foregroundimage = "/pics/tree.png";
  screen.pictureFiles["/pics/tree.png"] = {120, 90};

  Settings.foreground = 0;
  SetUpFreshScene();
  EXPECT_TRUE(screen.Log().empty());

  Settings.foreground = 1;
  SetUpFreshScene();
  EXPECT_EQ(screen.Log(), std::vector<std::string>{"Load 6 /pics/tree.png alpha"});
}

TEST_F(SceneTest, TextBecomesATransparentSpriteOfTheMeasuredSize) {
  Settings.foregroundtxt = 1;
  Settings.foregroundtext = "Snow";

  SetUpFreshScene();

  EXPECT_EQ(fonts.calls, (std::vector<std::string>{"Create 0 Arial 20", "Measure 0 Snow", "Render 0 Snow", "Free 0"}));
  EXPECT_TRUE(fonts.fonts.empty());
  ASSERT_EQ(screen.Log(), std::vector<std::string>{"Make 7 40x27"});
  const Picture& text = screen.madePictures[7];
  EXPECT_EQ(text.At(0, 5), 0xFFFFFFFFu);
  EXPECT_EQ(text.At(20, 5), 0u);
}

TEST_F(SceneTest, RenderedTextIsFittedToTheMeasuredExtent) {
  Settings.foregroundtxt = 1;
  Settings.foregroundtext = "Snow";
  fonts.renderedWidth = 43;
  fonts.renderedHeight = 20;

  SetUpFreshScene();

  ASSERT_EQ(screen.Log(), std::vector<std::string>{"Make 7 40x27"});
  EXPECT_EQ(screen.madePictures[7].At(0, 19), 0xFFFFFFFFu);
  EXPECT_EQ(screen.madePictures[7].At(0, 26), 0u) << "rows below the rendered text stay transparent";
}

TEST_F(SceneTest, NoTextSpriteWithoutTextOrFont) {
  struct Case {
    const char* name;
    std::int8_t shown;
    std::string text;
    bool faces;
    bool service;
  } cases[] = {
      {"switched off", 0, "Snow", true, true},
      {"empty text", 1, "", true, true},
      {"no such face", 1, "Snow", false, true},
      {"no font service", 1, "Snow", true, false},
  };
  for (const Case& c : cases) {
    Settings.foregroundtxt = c.shown;
    Settings.foregroundtext = c.text;
    fonts.facesAvailable = c.faces;
    Sys().fonts = c.service ? &fonts : nullptr;
    screen.calls.clear();

    SetUpFreshScene();

    EXPECT_TRUE(screen.Log().empty()) << c.name;
    EXPECT_TRUE(fonts.fonts.empty()) << c.name << ": font 0 outlived the set-up";
  }
}

}  // namespace
}  // namespace fl::test
