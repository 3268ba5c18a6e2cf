#include "saver/Capture.h"

#include <optional>

#include "app/shell/Process.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/WallpaperSource.h"
#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureDrawing.h"
#include "saver/BmpWriter.h"
#include "saver/ScreenBitmap.h"
#include "settings/IniFile.h"
#include "settings/Messages.h"
#include "settings/Settings.h"
#include "settings/TextTable.h"

namespace fl {
std::string DesktopCapturePath() { return DataFolder + "desktop.bmp"; }
std::string WallpaperCopyPath() { return DataFolder + "wallpaper.bmp"; }

namespace {

void Remove(const std::string& path) {
  if (Sys().files) Sys().files->RemoveFile(path);
}

void DrawWallpaper(Picture& canvas, const Picture& wallpaper) {
  if (ReadWallpaperStyle() != 0) {
    DrawPictureStretched(canvas, wallpaper, 0, 0, canvas.width, canvas.height);
    return;
  }
  const std::vector<int> columns = TilePositions(wallpaper.width, canvas.width);
  for (int y : TilePositions(wallpaper.height, canvas.height)) {
    for (int x : columns) DrawPicture(canvas, wallpaper, x, y);
  }
}

}  // namespace

void CaptureDesktop() {
  SaveScreenBitmap(DesktopCapturePath(), Settings.videow, Settings.videoh, Settings.videod);
}

std::string ReadWallpaperPath() {
  if (!Sys().wallpaper) return std::string();
  std::string path = Sys().wallpaper->Path();
  return path == "(None)" ? std::string() : path;
}

int ReadWallpaperStyle() {
  return Sys().wallpaper ? LeadingInteger(Sys().wallpaper->StyleText()) : 0;
}

std::vector<int> TilePositions(int tile, int limit) {
  std::vector<int> positions;
  if (limit <= 0) return positions;
  if (tile <= 0) return {0};
  for (int position = 0;; position += tile) {
    positions.push_back(position);
    if (position >= limit - tile) break;  // the next tile would start at or past the limit
  }
  return positions;
}

void PrepareWallpaper() {
  std::optional<Picture> wallpaper = LoadPictureFile(ReadWallpaperPath());
  if (!wallpaper || wallpaper->Empty()) {
    ShowError(GetText("Msg", "Wallpaper not found"));
    EndProcess();
  }
  std::optional<Picture> canvas = CreatePicture(Settings.videow, Settings.videoh);
  if (!canvas) return;
  DrawWallpaper(*canvas, *wallpaper);
  WriteBmpFile(WallpaperCopyPath(), *canvas, BmpBitsForDepth(Settings.videod));
}

void RemoveDesktopCapture() { Remove(DesktopCapturePath()); }
void RemoveWallpaperCopy() { Remove(WallpaperCopyPath()); }

}  // namespace fl
