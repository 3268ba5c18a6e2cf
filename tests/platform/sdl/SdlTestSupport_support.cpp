#include "SdlTestSupport.h"

#include <string>

namespace fl::test {

std::unique_ptr<XvfbServer> SdlTestDisplay::server_;
std::unique_ptr<ScopedEnv> SdlTestDisplay::display_;

bool SdlTestDisplay::Start() {
  if (!server_) {
    server_ = std::make_unique<XvfbServer>(std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24");
    if (server_->Running()) display_ = std::make_unique<ScopedEnv>("DISPLAY", server_->Display());
  }
  return server_->Running();
}

Frame::Frame(SDL_Renderer* renderer) {
  int height = 0;
  if (!renderer || SDL_GetRendererOutputSize(renderer, &width_, &height) != 0) return;
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height));
  if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels_.data(), width_ * 4) != 0) {
    pixels_.clear();
  }
}

std::uint32_t Frame::At(int x, int y) const {
  const std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  return index < pixels_.size() ? pixels_[index] & 0xFFFFFFu : 0xDEADBEEFu;
}

Picture SolidPicture(int width, int height, std::uint32_t argb) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), argb);
  return picture;
}

}  // namespace fl::test
