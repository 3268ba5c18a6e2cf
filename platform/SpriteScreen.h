#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "platform/picture/Picture.h"

namespace fl {

// The full-screen display and its numbered sprites. Making a sprite under an id
// in use replaces it; using an id that holds nothing does nothing.
class SpriteScreen {
 public:
  virtual ~SpriteScreen() = default;
  // Readies the sprite system; false when no usable display exists.
  virtual bool InitSprites() = 0;
  // Exclusive full-screen display at exactly this mode; false when it cannot be set.
  virtual bool Open(int width, int height, int depth, const std::string& title) = 0;
  // Restores the desktop and frees every sprite.
  virtual void Close() = 0;
  // colour: red in bits 0-7, green 8-15, blue 16-23.
  virtual void Clear(std::uint32_t colour) = 0;
  virtual void Flip() = 0;
  virtual void SetSmoothing(bool linear) = 0;
  // The system pointer over the display, and the system's own idle blanking,
  // which must stay off while the screensaver runs.
  virtual void ShowPointer(bool shown) = 0;
  virtual void SetScreensaverRunning(bool running) = 0;

  // With pictureAlpha, PNG transparency is kept and every other picture gets pure
  // black as its transparent colour. A file or block that cannot be read leaves
  // the sprite unmade.
  virtual bool LoadSprite(int id, const std::string& path, bool pictureAlpha) = 0;
  virtual bool LoadSpriteFromBytes(int id, std::span<const std::uint8_t> bytes, bool pictureAlpha) = 0;
  // A sprite with the picture's own colour and alpha.
  virtual bool MakeSprite(int id, const Picture& picture) = 0;
  // The copy shares the source's pixels and keeps its own angle and size.
  virtual bool CopySprite(int source, int id) = 0;
  virtual void RotateSprite(int id, int degrees) = 0;
  virtual void ZoomSprite(int id, int width, int height) = 0;
  virtual bool SpriteExists(int id) = 0;
  virtual void FreeSprite(int id) = 0;

  virtual void DrawSprite(int id, int x, int y) = 0;
  // Blended by the sprite's alpha times opacity / 255.
  virtual void DrawSpriteBlended(int id, int x, int y, int opacity) = 0;
};

}  // namespace fl
