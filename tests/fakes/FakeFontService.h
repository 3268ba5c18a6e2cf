#pragma once
// A font service whose faces exist when the test says so; text measures
// `glyphWidth` pixels per byte and `lineHeight` pixels high.
#include <set>
#include <string>
#include <vector>

#include "platform/FontService.h"

namespace fl::test {

class FakeFontService : public FontService {
 public:
  bool facesAvailable = true;
  int glyphWidth = 10;
  int lineHeight = 27;
  // When set, RenderText gives a picture of this size instead of the measured one.
  int renderedWidth = 0, renderedHeight = 0;

  std::vector<std::string> calls;  // "Create 0 Arial 20", "Measure 0 Hi", "Render 0 Hi", "Free 0"
  std::set<int> fonts;

  bool CreateFont(int id, const std::string& face, int points) override {
    calls.push_back("Create " + std::to_string(id) + " " + face + " " + std::to_string(points));
    if (facesAvailable) fonts.insert(id);
    return facesAvailable;
  }
  bool FontExists(int id) override { return fonts.count(id) != 0; }
  void FreeFont(int id) override {
    calls.push_back("Free " + std::to_string(id));
    fonts.erase(id);
  }
  TextExtent MeasureText(int id, const std::string& text) override {
    calls.push_back("Measure " + std::to_string(id) + " " + text);
    if (!FontExists(id) || text.empty()) return {};
    return {glyphWidth * static_cast<int>(text.size()), lineHeight};
  }
  // Transparent, with the left column white and opaque as the "glyphs".
  bool RenderText(int id, const std::string& text, Picture& picture) override {
    calls.push_back("Render " + std::to_string(id) + " " + text);
    if (!FontExists(id) || text.empty()) return false;
    picture.width = renderedWidth ? renderedWidth : glyphWidth * static_cast<int>(text.size());
    picture.height = renderedHeight ? renderedHeight : lineHeight;
    picture.hasTransparency = true;
    picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
    for (int y = 0; y < picture.height; ++y) picture.At(0, y) = 0xFFFFFFFF;
    return true;
  }
};

}  // namespace fl::test
