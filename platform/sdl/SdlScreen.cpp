#include "platform/sdl/SdlScreen.h"

#include <optional>

#include "platform/sdl/SdlDisplays.h"
#include "platform/sdl/SdlVideo.h"

namespace fl {
namespace {

// The depths a full-screen mode can be asked for: 15 and 16 bits, and 24 or
// 32 for the 4-byte formats.
bool DepthSupported(int depth) { return depth == 15 || depth == 16 || depth == 24 || depth == 32; }

// A mode of display 0 of exactly this size, of the asked depth where the
// display offers it (X11 keeps the desktop's depth, so any depth of that size
// serves); the list comes highest refresh rate first.
std::optional<SDL_DisplayMode> FindMode(int width, int height, int depth) {
  const int wantedBits = depth == 24 ? 32 : depth;
  std::optional<SDL_DisplayMode> found;
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0 || mode.w != width || mode.h != height) continue;
    if (BitsPerPixel(mode.format) == wantedBits) return mode;
    if (!found) found = mode;
  }
  return found;
}

}  // namespace

SdlScreen::~SdlScreen() { Shutdown(); }

void SdlScreen::Shutdown() {
  Close();
  if (videoStarted_) StopSdlVideo();
  videoStarted_ = false;
}

bool SdlScreen::InitSprites() {
  if (!videoStarted_) {
    if (!StartSdlVideo()) return false;
    videoStarted_ = true;
    // SDL starts with its own defaults for both.
    ApplyPointer();
    ApplyScreensaverRunning();
  }
  return SDL_GetNumDisplayModes(0) > 0;
}

bool SdlScreen::Open(int width, int height, int depth, const std::string& title) {
  Close();
  if (width <= 0 || height <= 0 || !DepthSupported(depth) || !InitSprites()) return false;
  if (!ShowFullScreen(width, height, depth, title)) {
    Close();
    return false;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, vsync_ ? SDL_RENDERER_PRESENTVSYNC : 0);
  if (!renderer_) {
    Close();
    return false;
  }
  events_.WindowOpened(window_);
  ApplyPointer();
  return true;
}

bool SdlScreen::ShowFullScreen(int width, int height, int depth, const std::string& title) {
  const std::optional<SDL_DisplayMode> mode = FindMode(width, height, depth);
  if (!mode) return false;
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED_DISPLAY(0),
                             SDL_WINDOWPOS_UNDEFINED_DISPLAY(0), width, height,
                             SDL_WINDOW_FULLSCREEN | SDL_WINDOW_HIDDEN);
  if (!window_ || SDL_SetWindowDisplayMode(window_, &*mode) != 0) return false;
  SDL_ShowWindow(window_);
  // The mode switch can fail without an error from SDL (the X server may refuse
  // it); what counts is the mode the display shows now.
  SDL_DisplayMode current;
  return SDL_GetCurrentDisplayMode(0, &current) == 0 && current.w == width && current.h == height &&
         SDL_GetWindowDisplayIndex(window_) == 0 && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlScreen::Close() {
  // Textures belong to the renderer and go first.
  sprites_.Clear();
  if (window_) events_.WindowClosing();
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  // Destroying the full-screen window gives the display back its desktop mode.
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
}

void SdlScreen::Clear(std::uint32_t colour) {
  if (!renderer_) return;
  SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(colour), static_cast<Uint8>(colour >> 8),
                         static_cast<Uint8>(colour >> 16), 255);
  SDL_RenderClear(renderer_);
}

void SdlScreen::Flip() {
  if (renderer_) SDL_RenderPresent(renderer_);
  events_.Pump();
}

void SdlScreen::SetSmoothing(bool linear) {
  scaleMode_ = linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
  // Queued draws would otherwise be carried out with the new filter.
  if (renderer_) SDL_RenderFlush(renderer_);
  sprites_.SetScaleMode(scaleMode_);
}

void SdlScreen::ShowPointer(bool shown) {
  pointerShown_ = shown;
  ApplyPointer();
}

void SdlScreen::SetScreensaverRunning(bool running) {
  screensaverRunning_ = running;
  ApplyScreensaverRunning();
}

void SdlScreen::ApplyPointer() {
  if (SdlVideoRunning()) SDL_ShowCursor(pointerShown_ ? SDL_ENABLE : SDL_DISABLE);
}

void SdlScreen::ApplyScreensaverRunning() {
  if (!SdlVideoRunning()) return;
  if (screensaverRunning_) {
    SDL_DisableScreenSaver();
  } else {
    SDL_EnableScreenSaver();
  }
}

}  // namespace fl
