#pragma once
// A sprite screen that keeps its sprites as plain records and logs every call in
// order. The log is reserved up front and its records hold no text for the
// per-frame calls, so that logging allocates nothing while a run draws frames.
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/Displays.h"
#include "platform/SpriteScreen.h"

namespace fl::test {

enum class ScreenOp {
  InitSprites, Open, Close, Clear, Flip, SetSmoothing, ShowPointer, SetScreensaverRunning,
  LoadSprite, LoadSpriteFromBytes, MakeSprite, CopySprite, RotateSprite, ZoomSprite, FreeSprite,
  Draw, DrawBlended,
};

struct ScreenCall {
  ScreenOp op;
  int id = 0;  // sprite id, colour or flag
  int a = 0, b = 0, c = 0;
  std::string text;  // path or title; empty for per-frame calls
};

// "Blend 101 3 4 51", "Zoom 101 5 5", "Clear 16711680", "Load 1 /data/desktop.bmp opaque", ...
std::string Describe(const ScreenCall& call);

struct FakeSprite {
  int width = 0, height = 0;          // of the picture
  int shownWidth = 0, shownHeight = 0;  // display size
  int angle = 0;
  std::string source;  // path, "bytes", "picture" or "copy of <id>"
  bool pictureAlpha = false;
};

class FakeSpriteScreen : public SpriteScreen {
 public:
  FakeSpriteScreen();

  // What the test sets up.
  bool initSpritesResult = true;
  bool refuseAllModes = false;
  std::vector<DisplayMode> refusedModes;
  std::map<std::string, std::pair<int, int>> pictureFiles;  // loadable paths and their sizes
  bool bytesLoad = true;
  // Called after every Flip with the number of flips so far. A run that goes on
  // past maxFlips throws, so that a broken exit test fails instead of hanging.
  std::function<void(int)> onFlip;
  int maxFlips = 100000;

  // What the code did.
  std::vector<ScreenCall> calls;
  std::map<int, FakeSprite> sprites;
  std::map<int, Picture> madePictures;
  std::span<const std::uint8_t> lastBytes;
  bool open = false;
  int flips = 0;

  // The described calls, optionally only those of the given kinds.
  std::vector<std::string> Log(std::initializer_list<ScreenOp> only = {}) const;
  // The described calls after the n-th Flip (1-based) up to and including the next one.
  std::vector<std::string> Frame(int n) const;

  bool InitSprites() override;
  bool Open(int width, int height, int depth, const std::string& title) override;
  void Close() override;
  void Clear(std::uint32_t colour) override;
  void Flip() override;
  void SetSmoothing(bool linear) override;
  void ShowPointer(bool shown) override;
  void SetScreensaverRunning(bool running) override;
  bool LoadSprite(int id, const std::string& path, bool pictureAlpha) override;
  bool LoadSpriteFromBytes(int id, std::span<const std::uint8_t> bytes, bool pictureAlpha) override;
  bool MakeSprite(int id, const Picture& picture) override;
  bool CopySprite(int source, int id) override;
  void RotateSprite(int id, int degrees) override;
  void ZoomSprite(int id, int width, int height) override;
  bool SpriteExists(int id) override;
  void FreeSprite(int id) override;
  void DrawSprite(int id, int x, int y) override;
  void DrawSpriteBlended(int id, int x, int y, int opacity) override;

 private:
  void Record(ScreenOp op, int id = 0, int a = 0, int b = 0, int c = 0, const std::string& text = {});
};

}  // namespace fl::test
