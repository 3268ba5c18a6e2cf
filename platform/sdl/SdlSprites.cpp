#include "platform/sdl/SdlSprites.h"

#include <algorithm>
#include <utility>

namespace fl {

bool SdlSpriteTable::Put(int id, SdlSprite sprite) {
  if (!IdAllowed(id) || !sprite.texture) return false;
  const auto index = static_cast<std::size_t>(id);
  if (index >= sprites_.size()) sprites_.resize(index + 1);
  sprites_[index] = std::move(sprite);
  return true;
}

bool SdlSpriteTable::Copy(int source, int id) {
  const SdlSprite* original = Find(source);
  if (!original) return false;
  // A copy, not a reference: Put may move the table.
  return Put(id, *original);
}

SdlSprite* SdlSpriteTable::Find(int id) {
  if (id < 0 || static_cast<std::size_t>(id) >= sprites_.size()) return nullptr;
  SdlSprite& sprite = sprites_[static_cast<std::size_t>(id)];
  return sprite.texture ? &sprite : nullptr;
}

const SdlSprite* SdlSpriteTable::Find(int id) const {
  return const_cast<SdlSpriteTable*>(this)->Find(id);
}

void SdlSpriteTable::Free(int id) {
  if (SdlSprite* sprite = Find(id)) *sprite = {};
}

void SdlSpriteTable::Clear() { sprites_.clear(); }

void SdlSpriteTable::SetScaleMode(SDL_ScaleMode mode) {
  for (const SdlSprite& sprite : sprites_) {
    if (sprite.texture) SDL_SetTextureScaleMode(sprite.texture.get(), mode);
  }
}

namespace {

// Textures are shared between sprites, so blending is set for every draw; SDL
// records it with the queued draw.
void Draw(SDL_Renderer* renderer, const SdlSprite& sprite, int x, int y, SDL_BlendMode blend,
          Uint8 alpha) {
  if (sprite.width <= 0 || sprite.height <= 0) return;
  SDL_Texture* texture = sprite.texture.get();
  SDL_SetTextureBlendMode(texture, blend);
  SDL_SetTextureAlphaMod(texture, alpha);
  const SDL_Rect target{x, y, sprite.width, sprite.height};
  if (sprite.angle % 360 == 0) {
    SDL_RenderCopy(renderer, texture, nullptr, &target);
  } else {
    SDL_RenderCopyEx(renderer, texture, nullptr, &target, sprite.angle, nullptr, SDL_FLIP_NONE);
  }
}

}  // namespace

void DrawOpaque(SDL_Renderer* renderer, const SdlSprite& sprite, int x, int y) {
  Draw(renderer, sprite, x, y, SDL_BLENDMODE_NONE, 255);
}

void DrawBlended(SDL_Renderer* renderer, const SdlSprite& sprite, int x, int y, int opacity) {
  // Nothing to see at opacity 0; skipping it saves a draw per invisible flake.
  if (opacity <= 0) return;
  Draw(renderer, sprite, x, y, SDL_BLENDMODE_BLEND, static_cast<Uint8>(std::min(opacity, 255)));
}

}  // namespace fl
