#pragma once
#include <string>

#include "platform/picture/Picture.h"

namespace fl {

struct TextExtent {
  int width = 0;
  int height = 0;
};

// Numbered fonts and text drawn into pictures.
class FontService {
 public:
  virtual ~FontService() = default;
  // A face by name (matched to an installed face) at a size in points; the
  // character height in pixels is points x vertical dpi / 72.
  virtual bool CreateFont(int id, const std::string& face, int points) = 0;
  virtual bool FontExists(int id) = 0;
  virtual void FreeFont(int id) = 0;
  // Extent of the text in pixels; 0 x 0 for an empty text or a missing font.
  virtual TextExtent MeasureText(int id, const std::string& text) = 0;
  // A transparent picture of the text's extent with white glyphs whose alpha is
  // their coverage. False for an empty text or a missing font.
  virtual bool RenderText(int id, const std::string& text, Picture& picture) = 0;
};

}  // namespace fl
