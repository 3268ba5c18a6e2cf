#pragma once
#include <SDL2/SDL.h>

#include <memory>

#include "platform/picture/Picture.h"

namespace fl {

// The picture as a static ARGB8888 texture that blends by its alpha; null when
// the picture is empty or the renderer cannot hold it.
std::shared_ptr<SDL_Texture> UploadPicture(SDL_Renderer* renderer, const Picture& picture,
                                           SDL_ScaleMode scaleMode);

}  // namespace fl
