#pragma once
// One function per picture of the program's artwork.
#include "Canvas.h"

namespace fl::art {

// Built-in snowflake 1 to 8: 16 x 16, transparent around the flake.
Image BuiltInFlake(int design);
// The stock custom flake: 32 x 32, transparent around the flake.
Image StockFlake();
// 50 x 50 thumbnail of built-in flake 1 to 8 on dark blue.
Image FlakeThumbnail(int design);

// 16 x 16 button icons on transparent.
Image HomepageIcon();
Image FeedbackIcon();
Image UpdateIcon();
Image BrowseIcon();

// Side picture of the settings window, 120 x 310.
Image Banner();
// The display control panel's preview picture, 152 x 112.
Image Preview();
// Stock background: a full moon over snowy hills, 1024 x 768.
Image FullMoon();
// Stock foreground: a greeting on pure black, which the screensaver shows see-through.
Image HappyNewYear();

}  // namespace fl::art
