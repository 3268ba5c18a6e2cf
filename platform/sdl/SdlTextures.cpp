#include "platform/sdl/SdlTextures.h"

namespace fl {

std::shared_ptr<SDL_Texture> UploadPicture(SDL_Renderer* renderer, const Picture& picture,
                                           SDL_ScaleMode scaleMode) {
  if (!renderer || picture.Empty() ||
      picture.pixels.size() < static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    return nullptr;
  }
  // 0xAARRGGBB words are exactly SDL's ARGB8888 in the machine's byte order.
  SDL_Texture* made = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                        picture.width, picture.height);
  if (!made) return nullptr;
  std::shared_ptr<SDL_Texture> texture(made, SDL_DestroyTexture);
  if (SDL_UpdateTexture(texture.get(), nullptr, picture.pixels.data(), picture.width * 4) != 0) {
    return nullptr;
  }
  SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture.get(), scaleMode);
  return texture;
}

}  // namespace fl
