#include "platform/ttf/TtfFontService.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

#include "platform/ttf/FontMatch.h"
#include "platform/ttf/VerticalDpi.h"

namespace fl {

TtfFontService::~TtfFontService() {
  for (auto& [id, font] : fonts_) TTF_CloseFont(font);
  fonts_.clear();
  if (started_) TTF_Quit();
}

bool TtfFontService::Start() {
  if (!started_) {
    if (TTF_Init() != 0) return false;
    started_ = true;
    dpi_ = MeasureVerticalDpi();
  }
  return true;
}

TTF_Font* TtfFontService::Find(int id) const {
  const auto found = fonts_.find(id);
  return found != fonts_.end() ? found->second : nullptr;
}

bool TtfFontService::CreateFont(int id, const std::string& face, int points) {
  FreeFont(id);
  if (points <= 0 || !Start()) return false;
  const std::optional<FontFile> file = FindFontFile(face);
  if (!file) return false;
  // SDL_ttf takes the em size in pixels (its point size at 72 dpi).
  const long pixels = std::lround(points * dpi_ / 72.0);
  if (pixels <= 0 || pixels > 10000) return false;
  TTF_Font* font = TTF_OpenFontIndex(file->path.c_str(), static_cast<int>(pixels), file->index);
  if (font == nullptr) return false;
  fonts_[id] = font;
  return true;
}

bool TtfFontService::FontExists(int id) { return Find(id) != nullptr; }

void TtfFontService::FreeFont(int id) {
  const auto found = fonts_.find(id);
  if (found == fonts_.end()) return;
  TTF_CloseFont(found->second);
  fonts_.erase(found);
}

TextExtent TtfFontService::MeasureText(int id, const std::string& text) {
  TTF_Font* font = Find(id);
  int width = 0;
  int height = 0;
  if (font == nullptr || text.empty() || TTF_SizeUTF8(font, text.c_str(), &width, &height) != 0) return {};
  if (width <= 0 || height <= 0) return {};
  return {width, height};
}

bool TtfFontService::RenderText(int id, const std::string& text, Picture& picture) {
  const TextExtent extent = MeasureText(id, text);
  if (extent.width == 0) return false;
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(Find(id), text.c_str(), SDL_Color{255, 255, 255, 255});
  if (rendered == nullptr) return false;
  SDL_Surface* surface = rendered->format->format == SDL_PIXELFORMAT_ARGB8888
                             ? rendered
                             : SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  if (surface != rendered) SDL_FreeSurface(rendered);
  if (surface == nullptr) return false;

  picture.width = extent.width;
  picture.height = extent.height;
  picture.hasTransparency = true;
  picture.pixels.assign(static_cast<std::size_t>(extent.width) * extent.height, 0u);
  // SDL_ttf leaves the colour of uncovered pixels at the text colour; only the
  // coverage is taken, so that the background is transparent black.
  SDL_LockSurface(surface);
  const int rows = std::min(extent.height, surface->h);
  const int columns = std::min(extent.width, surface->w);
  for (int y = 0; y < rows; ++y) {
    const auto* source = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                         static_cast<std::size_t>(y) * surface->pitch);
    std::uint32_t* target = &picture.At(0, y);
    for (int x = 0; x < columns; ++x) {
      const std::uint32_t alpha = source[x] >> 24;
      target[x] = alpha != 0 ? alpha << 24 | 0x00FFFFFFu : 0u;
    }
  }
  SDL_UnlockSurface(surface);
  SDL_FreeSurface(surface);
  return true;
}

}  // namespace fl
