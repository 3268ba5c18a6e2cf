#include "tests/fakes/FakeSpriteScreen.h"

#include <algorithm>
#include <stdexcept>

namespace fl::test {

std::string Describe(const ScreenCall& call) {
  auto n = [](int value) { return std::to_string(value); };
  switch (call.op) {
    case ScreenOp::InitSprites: return "InitSprites";
    case ScreenOp::Open: return "Open " + n(call.a) + "x" + n(call.b) + "x" + n(call.c) + " " + call.text;
    case ScreenOp::Close: return "Close";
    case ScreenOp::Clear: return "Clear " + n(call.id);
    case ScreenOp::Flip: return "Flip";
    case ScreenOp::SetSmoothing: return "Smoothing " + n(call.id);
    case ScreenOp::ShowPointer: return "ShowPointer " + n(call.id);
    case ScreenOp::SetScreensaverRunning: return "ScreensaverRunning " + n(call.id);
    case ScreenOp::LoadSprite:
      return "Load " + n(call.id) + " " + call.text + (call.a ? " alpha" : " opaque");
    case ScreenOp::LoadSpriteFromBytes: return "LoadBytes " + n(call.id) + (call.a ? " alpha" : " opaque");
    case ScreenOp::MakeSprite: return "Make " + n(call.id) + " " + n(call.a) + "x" + n(call.b);
    case ScreenOp::CopySprite: return "Copy " + n(call.a) + " " + n(call.id);
    case ScreenOp::RotateSprite: return "Rotate " + n(call.id) + " " + n(call.a);
    case ScreenOp::ZoomSprite: return "Zoom " + n(call.id) + " " + n(call.a) + " " + n(call.b);
    case ScreenOp::FreeSprite: return "Free " + n(call.id);
    case ScreenOp::Draw: return "Draw " + n(call.id) + " " + n(call.a) + " " + n(call.b);
    case ScreenOp::DrawBlended:
      return "Blend " + n(call.id) + " " + n(call.a) + " " + n(call.b) + " " + n(call.c);
  }
  return "?";
}

FakeSpriteScreen::FakeSpriteScreen() { calls.reserve(1 << 16); }

std::vector<std::string> FakeSpriteScreen::Log(std::initializer_list<ScreenOp> only) const {
  std::vector<std::string> lines;
  for (const ScreenCall& call : calls) {
    if (only.size() == 0 || std::find(only.begin(), only.end(), call.op) != only.end()) {
      lines.push_back(Describe(call));
    }
  }
  return lines;
}

std::vector<std::string> FakeSpriteScreen::Frame(int n) const {
  std::vector<std::string> lines;
  int clears = 0;
  for (const ScreenCall& call : calls) {
    if (call.op == ScreenOp::Clear) ++clears;
    if (clears == n) lines.push_back(Describe(call));
    if (clears == n && call.op == ScreenOp::Flip) break;
  }
  return lines;
}

void FakeSpriteScreen::Record(ScreenOp op, int id, int a, int b, int c, const std::string& text) {
  calls.push_back({op, id, a, b, c, text});
}

bool FakeSpriteScreen::InitSprites() {
  Record(ScreenOp::InitSprites);
  return initSpritesResult;
}

bool FakeSpriteScreen::Open(int width, int height, int depth, const std::string& title) {
  Record(ScreenOp::Open, 0, width, height, depth, title);
  bool refused = refuseAllModes || width <= 0 || height <= 0 ||
                 std::any_of(refusedModes.begin(), refusedModes.end(), [&](const DisplayMode& mode) {
                   return mode.width == width && mode.height == height && mode.depth == depth;
                 });
  open = !refused;
  return open;
}

void FakeSpriteScreen::Close() {
  Record(ScreenOp::Close);
  open = false;
  sprites.clear();
}

void FakeSpriteScreen::Clear(std::uint32_t colour) { Record(ScreenOp::Clear, static_cast<int>(colour)); }

void FakeSpriteScreen::Flip() {
  Record(ScreenOp::Flip);
  ++flips;
  if (onFlip) onFlip(flips);
  if (flips > maxFlips) throw std::runtime_error("the frame loop did not end");
}

void FakeSpriteScreen::SetSmoothing(bool linear) { Record(ScreenOp::SetSmoothing, linear); }
void FakeSpriteScreen::ShowPointer(bool shown) { Record(ScreenOp::ShowPointer, shown); }
void FakeSpriteScreen::SetScreensaverRunning(bool running) { Record(ScreenOp::SetScreensaverRunning, running); }

bool FakeSpriteScreen::LoadSprite(int id, const std::string& path, bool pictureAlpha) {
  Record(ScreenOp::LoadSprite, id, pictureAlpha, 0, 0, path);
  auto file = pictureFiles.find(path);
  if (path.empty() || file == pictureFiles.end()) return false;
  auto [width, height] = file->second;
  sprites[id] = {width, height, width, height, 0, path, pictureAlpha};
  return true;
}

bool FakeSpriteScreen::LoadSpriteFromBytes(int id, std::span<const std::uint8_t> bytes, bool pictureAlpha) {
  Record(ScreenOp::LoadSpriteFromBytes, id, pictureAlpha);
  lastBytes = bytes;
  if (!bytesLoad || bytes.empty()) return false;
  sprites[id] = {16, 16, 16, 16, 0, "bytes", pictureAlpha};
  return true;
}

bool FakeSpriteScreen::MakeSprite(int id, const Picture& picture) {
  Record(ScreenOp::MakeSprite, id, picture.width, picture.height);
  if (picture.Empty()) return false;
  sprites[id] = {picture.width, picture.height, picture.width, picture.height, 0, "picture", true};
  madePictures[id] = picture;
  return true;
}

bool FakeSpriteScreen::CopySprite(int source, int id) {
  Record(ScreenOp::CopySprite, id, source);
  auto from = sprites.find(source);
  if (from == sprites.end()) return false;
  FakeSprite copy = from->second;
  copy.source = "copy of " + std::to_string(source);
  sprites[id] = copy;
  return true;
}

void FakeSpriteScreen::RotateSprite(int id, int degrees) {
  Record(ScreenOp::RotateSprite, id, degrees);
  if (auto it = sprites.find(id); it != sprites.end()) it->second.angle = degrees;
}

void FakeSpriteScreen::ZoomSprite(int id, int width, int height) {
  Record(ScreenOp::ZoomSprite, id, width, height);
  if (auto it = sprites.find(id); it != sprites.end()) {
    it->second.shownWidth = width;
    it->second.shownHeight = height;
  }
}

bool FakeSpriteScreen::SpriteExists(int id) { return sprites.count(id) != 0; }

void FakeSpriteScreen::FreeSprite(int id) {
  Record(ScreenOp::FreeSprite, id);
  sprites.erase(id);
}

void FakeSpriteScreen::DrawSprite(int id, int x, int y) { Record(ScreenOp::Draw, id, x, y); }

void FakeSpriteScreen::DrawSpriteBlended(int id, int x, int y, int opacity) {
  Record(ScreenOp::DrawBlended, id, x, y, opacity);
}

}  // namespace fl::test
