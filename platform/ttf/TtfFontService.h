#pragma once
#include <map>

#include "platform/FontService.h"

struct _TTF_Font;

namespace fl {

// Fonts through SDL_ttf, faces found through fontconfig. The character height
// (em size) in pixels is points x vertical dpi / 72, the dpi measured once on
// the first font made.
class TtfFontService : public FontService {
 public:
  TtfFontService() = default;
  ~TtfFontService() override;
  TtfFontService(const TtfFontService&) = delete;
  TtfFontService& operator=(const TtfFontService&) = delete;

  bool CreateFont(int id, const std::string& face, int points) override;
  bool FontExists(int id) override;
  void FreeFont(int id) override;
  TextExtent MeasureText(int id, const std::string& text) override;
  bool RenderText(int id, const std::string& text, Picture& picture) override;

 private:
  bool Start();
  _TTF_Font* Find(int id) const;

  std::map<int, _TTF_Font*> fonts_;
  bool started_ = false;
  double dpi_ = 0.0;
};

}  // namespace fl
