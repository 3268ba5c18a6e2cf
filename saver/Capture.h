#pragma once
// The background files of a screensaver run: the desktop photographed before the
// display opens, or the wallpaper rendered at the configured screen size. Both
// live in DataFolder for the length of one run.
#include <string>
#include <vector>

namespace fl {

// Writes DataFolder + "desktop.bmp": what the screen shows, videow x videoh.
// DataFolder + "desktop.bmp" and DataFolder + "wallpaper.bmp": the background
// files of a run, made just before it and removed after it.
std::string DesktopCapturePath();
std::string WallpaperCopyPath();

void CaptureDesktop();

// The wallpaper file, empty when none is set.
std::string ReadWallpaperPath();
// The wallpaper style as its leading integer: 0 tiles, anything else stretches.
int ReadWallpaperStyle();

// Writes DataFolder + "wallpaper.bmp": the wallpaper stretched over, or tiled
// across, a black videow x videoh picture. When the wallpaper cannot be loaded
// it shows an error and ends the process.
void PrepareWallpaper();

// Where tiles of length `tile` start along a side of length `limit`: 0, tile,
// 2 x tile, ... for every tile that reaches into the side (a tile starting at
// the limit or beyond would lie wholly outside and is left out).
std::vector<int> TilePositions(int tile, int limit);

void RemoveDesktopCapture();
void RemoveWallpaperCopy();

}  // namespace fl
