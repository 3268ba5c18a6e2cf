#pragma once
#include <SDL2/SDL.h>

#include <memory>
#include <vector>

namespace fl {

// A sprite: a texture, possibly shared with other sprites, drawn at its own
// size and fixed angle.
struct SdlSprite {
  std::shared_ptr<SDL_Texture> texture;
  int width = 0;
  int height = 0;
  int angle = 0;  // whole degrees, clockwise about the centre
};

// Sprites by id. Ids index a vector, so that a frame's thousands of lookups
// cost nothing; the vector grows to the largest id in use.
class SdlSpriteTable {
 public:
  // Ids above this are refused rather than growing the table without bound.
  static constexpr int kMaxId = 1 << 20;
  static bool IdAllowed(int id) { return id >= 0 && id <= kMaxId; }

  // Puts the sprite under id, replacing what was there; false for a refused id.
  bool Put(int id, SdlSprite sprite);
  // The copy shares the texture and takes the source's size and angle.
  bool Copy(int source, int id);
  // Null when id holds nothing.
  SdlSprite* Find(int id);
  const SdlSprite* Find(int id) const;
  void Free(int id);
  void Clear();
  // Every texture in use, once per sprite that holds it.
  void SetScaleMode(SDL_ScaleMode mode);

 private:
  std::vector<SdlSprite> sprites_;
};

// Draws replace what is below (no blending), scaled to the sprite's size,
// rotated about the centre of the drawn rectangle, clipped to the target.
void DrawOpaque(SDL_Renderer* renderer, const SdlSprite& sprite, int x, int y);
// Blends by the texture's alpha times opacity / 255 (opacity 0..255).
void DrawBlended(SDL_Renderer* renderer, const SdlSprite& sprite, int x, int y, int opacity);

}  // namespace fl
