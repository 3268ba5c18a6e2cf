// The sprite operations of SdlScreen.
#include <optional>

#include "platform/picture/PictureDecoder.h"
#include "platform/picture/PictureDrawing.h"
#include "platform/sdl/SdlScreen.h"
#include "platform/sdl/SdlTextures.h"

namespace fl {
namespace {

bool MakeFrom(SdlScreen& screen, int id, std::optional<Picture> picture, bool pictureAlpha) {
  if (!picture) return false;
  ApplyPictureAlpha(*picture, pictureAlpha);
  return screen.MakeSprite(id, *picture);
}

}  // namespace

bool SdlScreen::LoadSprite(int id, const std::string& path, bool pictureAlpha) {
  if (!renderer_ || !SdlSpriteTable::IdAllowed(id)) return false;
  return MakeFrom(*this, id, LoadPictureFile(path), pictureAlpha);
}

bool SdlScreen::LoadSpriteFromBytes(int id, std::span<const std::uint8_t> bytes, bool pictureAlpha) {
  if (!renderer_ || !SdlSpriteTable::IdAllowed(id)) return false;
  return MakeFrom(*this, id, DecodePicture(bytes), pictureAlpha);
}

bool SdlScreen::MakeSprite(int id, const Picture& picture) {
  if (!SdlSpriteTable::IdAllowed(id)) return false;
  SdlSprite sprite{UploadPicture(renderer_, picture, scaleMode_), picture.width, picture.height, 0};
  return sprites_.Put(id, std::move(sprite));
}

bool SdlScreen::CopySprite(int source, int id) { return sprites_.Copy(source, id); }

void SdlScreen::RotateSprite(int id, int degrees) {
  if (SdlSprite* sprite = sprites_.Find(id)) sprite->angle = degrees;
}

void SdlScreen::ZoomSprite(int id, int width, int height) {
  if (SdlSprite* sprite = sprites_.Find(id)) {
    sprite->width = width;
    sprite->height = height;
  }
}

bool SdlScreen::SpriteExists(int id) { return sprites_.Find(id) != nullptr; }

void SdlScreen::FreeSprite(int id) { sprites_.Free(id); }

void SdlScreen::DrawSprite(int id, int x, int y) {
  if (const SdlSprite* sprite = sprites_.Find(id); sprite && renderer_) {
    DrawOpaque(renderer_, *sprite, x, y);
  }
}

void SdlScreen::DrawSpriteBlended(int id, int x, int y, int opacity) {
  if (const SdlSprite* sprite = sprites_.Find(id); sprite && renderer_) {
    DrawBlended(renderer_, *sprite, x, y, opacity);
  }
}

long SdlScreen::SpriteTextureUsers(int id) const {
  const SdlSprite* sprite = sprites_.Find(id);
  return sprite ? sprite->texture.use_count() : 0;
}

}  // namespace fl
