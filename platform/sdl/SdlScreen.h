#pragma once
#include <SDL2/SDL.h>

#include "platform/SpriteScreen.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlSprites.h"

namespace fl {

// The full-screen display on SDL's renderer, with its sprites.
class SdlScreen : public SpriteScreen {
 public:
  explicit SdlScreen(SdlEvents& events, bool vsync = true) : events_(events), vsync_(vsync) {}
  ~SdlScreen() override;
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  bool InitSprites() override;
  bool Open(int width, int height, int depth, const std::string& title) override;
  void Close() override;
  void Clear(std::uint32_t colour) override;
  void Flip() override;
  void SetSmoothing(bool linear) override;
  void ShowPointer(bool shown) override;
  void SetScreensaverRunning(bool running) override;

  bool LoadSprite(int id, const std::string& path, bool pictureAlpha) override;
  bool LoadSpriteFromBytes(int id, std::span<const std::uint8_t> bytes, bool pictureAlpha) override;
  bool MakeSprite(int id, const Picture& picture) override;
  bool CopySprite(int source, int id) override;
  void RotateSprite(int id, int degrees) override;
  void ZoomSprite(int id, int width, int height) override;
  bool SpriteExists(int id) override;
  void FreeSprite(int id) override;
  void DrawSprite(int id, int x, int y) override;
  void DrawSpriteBlended(int id, int x, int y, int opacity) override;

  // Presentation waits for the retrace unless turned off (benchmarks); takes
  // effect at the next Open.
  void SetVsync(bool on) { vsync_ = on; }
  // Closes the display and lets go of SDL video.
  void Shutdown();

  // For tests and tools: the open window and renderer (null while closed), and
  // how many sprites share the texture of sprite id (0 when it holds nothing).
  SDL_Window* Window() const { return window_; }
  SDL_Renderer* Renderer() const { return renderer_; }
  long SpriteTextureUsers(int id) const;

 private:
  bool ShowFullScreen(int width, int height, int depth, const std::string& title);
  void ApplyPointer();
  void ApplyScreensaverRunning();

  SdlEvents& events_;
  bool vsync_;
  bool videoStarted_ = false;
  bool pointerShown_ = true;
  bool screensaverRunning_ = false;
  SDL_ScaleMode scaleMode_ = SDL_ScaleModeNearest;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SdlSpriteTable sprites_;
};

}  // namespace fl
