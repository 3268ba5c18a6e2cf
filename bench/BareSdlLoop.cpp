#include "bench/BareSdlLoop.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace fl::bench {
namespace {

struct Flake {
  int x, y, size, fall, angle;
  Uint8 opacity;
};

SDL_Texture* MakeTexture(SDL_Renderer* renderer, int width, int height, const std::vector<std::uint32_t>& pixels,
                         SDL_BlendMode blend) {
  SDL_Texture* texture =
      SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
  if (!texture) return nullptr;
  SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4);
  SDL_SetTextureBlendMode(texture, blend);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return texture;
}

// A smooth colour ramp, so that the filter has something to do.
std::vector<std::uint32_t> Backdrop(int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto red = static_cast<std::uint32_t>(x * 255 / std::max(1, width - 1));
      const auto blue = static_cast<std::uint32_t>(y * 255 / std::max(1, height - 1));
      pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          0xFF000000u | (red << 16) | (0x40u << 8) | blue;
    }
  }
  return pixels;
}

// A 16 x 16 white disc with a soft edge.
std::vector<std::uint32_t> FlakePixels() {
  std::vector<std::uint32_t> pixels(16 * 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const double dx = x - 7.5, dy = y - 7.5;
      const double edge = std::clamp(8.0 - std::sqrt(dx * dx + dy * dy), 0.0, 1.0);
      pixels[static_cast<std::size_t>(y * 16 + x)] = (static_cast<std::uint32_t>(edge * 255) << 24) | 0xFFFFFFu;
    }
  }
  return pixels;
}

std::vector<Flake> Scatter(const BareSdlLoopSetup& setup) {
  std::mt19937 random(12345);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const int step = 255 / std::max(1, setup.largestFlake);
  std::vector<Flake> flakes(static_cast<std::size_t>(std::max(0, setup.flakes)));
  for (Flake& flake : flakes) {
    flake.x = pick(0, setup.width);
    flake.y = pick(0, setup.height);
    flake.size = pick(setup.smallestFlake, setup.largestFlake);
    flake.fall = pick(3, 5);
    flake.angle = pick(0, 360);
    // Every flake visible, so that each one costs a draw.
    flake.opacity = static_cast<Uint8>(std::clamp(flake.size * step, 1, 255));
  }
  return flakes;
}

void DrawFrame(SDL_Renderer* renderer, SDL_Texture* backdrop, SDL_Texture* flakeTexture,
               std::vector<Flake>& flakes, const BareSdlLoopSetup& setup) {
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderCopy(renderer, backdrop, nullptr, nullptr);
  for (Flake& flake : flakes) {
    flake.y += flake.fall;
    if (flake.y > setup.height) flake.y -= setup.height + setup.largestFlake;
    SDL_SetTextureAlphaMod(flakeTexture, flake.opacity);
    const SDL_Rect target{flake.x, flake.y, flake.size, flake.size};
    SDL_RenderCopyEx(renderer, flakeTexture, nullptr, &target, flake.angle, nullptr, SDL_FLIP_NONE);
  }
  SDL_RenderPresent(renderer);
  SDL_PumpEvents();
}

}  // namespace

double RunBareSdlLoop(const BareSdlLoopSetup& setup) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return -1;
  double result = -1;
  SDL_Window* window = SDL_CreateWindow("bare loop", SDL_WINDOWPOS_UNDEFINED_DISPLAY(0),
                                        SDL_WINDOWPOS_UNDEFINED_DISPLAY(0), setup.width, setup.height,
                                        SDL_WINDOW_FULLSCREEN);
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
  SDL_Texture* backdrop = nullptr;
  SDL_Texture* flakeTexture = nullptr;
  if (renderer) {
    backdrop = MakeTexture(renderer, setup.width, setup.height, Backdrop(setup.width, setup.height),
                           SDL_BLENDMODE_NONE);
    flakeTexture = MakeTexture(renderer, 16, 16, FlakePixels(), SDL_BLENDMODE_BLEND);
  }
  if (backdrop && flakeTexture) {
    std::vector<Flake> flakes = Scatter(setup);
    for (int frame = 0; frame < setup.warmUpFrames; ++frame) DrawFrame(renderer, backdrop, flakeTexture, flakes, setup);
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < setup.frames; ++frame) DrawFrame(renderer, backdrop, flakeTexture, flakes, setup);
    // Reading a pixel waits for the drawing still in flight.
    Uint32 pixel = 0;
    const SDL_Rect one{0, 0, 1, 1};
    SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    result = spent.count() / std::max(1, setup.frames);
  }
  if (flakeTexture) SDL_DestroyTexture(flakeTexture);
  if (backdrop) SDL_DestroyTexture(backdrop);
  if (renderer) SDL_DestroyRenderer(renderer);
  if (window) SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return result;
}

}  // namespace fl::bench
