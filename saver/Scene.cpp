#include "saver/Scene.h"

#include <algorithm>
#include <string>

#include "saver/Capture.h"
#include "platform/FontService.h"
#include "platform/Platform.h"
#include "platform/SpriteScreen.h"
#include "settings/Settings.h"

namespace fl {

std::uint32_t ClearColour = 0;
bool BackgroundVisible = true;

namespace {

void SetUpBackground(SpriteScreen& screen) {
  switch (Settings.background) {
    case 0:
      screen.LoadSprite(BackgroundSpriteId, Settings.backgroundimage, false);
      screen.ZoomSprite(BackgroundSpriteId, Settings.videow, Settings.videoh);
      break;
    case 1:
      screen.LoadSprite(BackgroundSpriteId, DesktopCapturePath(), false);
      break;
    case 2:
      screen.LoadSprite(BackgroundSpriteId, WallpaperCopyPath(), false);
      break;
    case 3:
      ClearColour = BlankColour(Settings.blankr, Settings.blankg, Settings.blankb);
      BackgroundVisible = false;
      break;
    default:
      break;
  }
}

// The rendered text on a fully transparent picture of exactly the measured size.
Picture FittedTo(const Picture& rendered, int width, int height) {
  if (rendered.width == width && rendered.height == height) return rendered;
  Picture fitted;
  fitted.width = width;
  fitted.height = height;
  fitted.hasTransparency = true;
  fitted.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  const int rows = std::min(height, rendered.height);
  const int columns = std::min(width, rendered.width);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) fitted.At(x, y) = rendered.At(x, y);
  }
  return fitted;
}

void SetUpText(SpriteScreen& screen, FontService& fonts) {
  fonts.CreateFont(TextFontId, "Arial", 20);
  if (!fonts.FontExists(TextFontId)) return;
  TextExtent extent = fonts.MeasureText(TextFontId, Settings.foregroundtext);
  if (extent.width > 0 && extent.height > 0) {
    Picture rendered;
    if (fonts.RenderText(TextFontId, Settings.foregroundtext, rendered) && !rendered.Empty()) {
      screen.MakeSprite(TextSpriteId, FittedTo(rendered, extent.width, extent.height));
    }
  }
  fonts.FreeFont(TextFontId);
}

}  // namespace

std::uint32_t BlankColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
  // Unsigned arithmetic wraps where signed arithmetic could overflow; the low 32
  // bits are the same either way.
  auto wide = [](std::int32_t value) { return static_cast<std::uint64_t>(static_cast<std::int64_t>(value)); };
  return static_cast<std::uint32_t>(wide(red) + 256u * wide(green) + 65536u * wide(blue));
}

void SetUpScene() {
  SpriteScreen* screen = Sys().screen;
  if (!screen) return;
  SetUpBackground(*screen);
  if (Settings.foreground != 0) screen->LoadSprite(ForegroundSpriteId, Settings.foregroundimage, true);
  if (Settings.foregroundtxt != 0 && Sys().fonts) SetUpText(*screen, *Sys().fonts);
}

}  // namespace fl
