#include "Proof.h"

#include <algorithm>
#include <cmath>

#include "Flakes.h"
#include "ImageFiles.h"
#include "Pictures.h"

namespace fl::art {
namespace {

double Channel(const Pixel& p, int c) { return c == 0 ? p.r : c == 1 ? p.g : c == 2 ? p.b : p.a; }

// Draws `src` like the screensaver draws a flake: as a square of `size` pixels with
// its top-left corner at (x, y), rotated about its centre, sampled bilinearly with
// straight alpha, and blended by alpha times opacity / 255.
void DrawSprite(Image& dst, const Image& src, double x, double y, double size, double degrees, int opacity) {
  const Vec2 centre{x + size / 2, y + size / 2};
  const int reach = static_cast<int>(std::ceil(size * 0.75)) + 1;
  for (int py = static_cast<int>(centre.y) - reach; py <= static_cast<int>(centre.y) + reach; ++py) {
    for (int px = static_cast<int>(centre.x) - reach; px <= static_cast<int>(centre.x) + reach; ++px) {
      if (px < 0 || py < 0 || px >= dst.width || py >= dst.height) continue;
      const Vec2 q = Rotated(Vec2{px + 0.5, py + 0.5} - centre, -degrees);
      if (std::abs(q.x) > size / 2 || std::abs(q.y) > size / 2) continue;
      const double u = std::clamp((q.x / size + 0.5) * src.width - 0.5, 0.0, src.width - 1.0);
      const double v = std::clamp((q.y / size + 0.5) * src.height - 0.5, 0.0, src.height - 1.0);
      const int u0 = static_cast<int>(u);
      const int v0 = static_cast<int>(v);
      const int u1 = std::min(u0 + 1, src.width - 1);
      const int v1 = std::min(v0 + 1, src.height - 1);
      const double fu = u - u0;
      const double fv = v - v0;
      double s[4];
      for (int c = 0; c < 4; ++c) {
        const double top = Channel(src.At(u0, v0), c) * (1 - fu) + Channel(src.At(u1, v0), c) * fu;
        const double bottom = Channel(src.At(u0, v1), c) * (1 - fu) + Channel(src.At(u1, v1), c) * fu;
        s[c] = top * (1 - fv) + bottom * fv;
      }
      const double a = s[3] / 255 * opacity / 255;
      Pixel& d = dst.At(px, py);
      d.r = static_cast<std::uint8_t>(std::lround(s[0] * a + d.r * (1 - a)));
      d.g = static_cast<std::uint8_t>(std::lround(s[1] * a + d.g * (1 - a)));
      d.b = static_cast<std::uint8_t>(std::lround(s[2] * a + d.b * (1 - a)));
    }
  }
}

void Blit(Image& dst, const Image& src, int x, int y, int zoom = 1) {
  for (int sy = 0; sy < src.height * zoom; ++sy) {
    for (int sx = 0; sx < src.width * zoom; ++sx) {
      if (x + sx < dst.width && y + sy < dst.height) dst.At(x + sx, y + sy) = src.At(sx / zoom, sy / zoom);
    }
  }
}

// Shows a colour-keyed picture as the screensaver does: pure black is not drawn.
void BlitKeyed(Image& dst, const Image& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy) {
    for (int sx = 0; sx < src.width; ++sx) {
      const Pixel& p = src.At(sx, sy);
      if ((p.r | p.g | p.b) != 0 && x + sx < dst.width && y + sy < dst.height) dst.At(x + sx, y + sy) = p;
    }
  }
}

void Rect(Image& dst, int x, int y, int w, int h, Pixel colour) {
  for (int py = y; py < y + h && py < dst.height; ++py) {
    for (int px = x; px < x + w && px < dst.width; ++px) dst.At(px, py) = colour;
  }
}

// As stored in a 16-bit BMP: five bits per colour.
Image FiveBitColour(Image image) {
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      Pixel& p = image.At(x, y);
      for (std::uint8_t* c : {&p.r, &p.g, &p.b}) *c = static_cast<std::uint8_t>(FiveBits(*c, x, y) * 255 / 31);
    }
  }
  return image;
}

Image Zoom(const Image& src, int zoom) {
  Image out(src.width * zoom, src.height * zoom);
  Blit(out, src, 0, 0, zoom);
  return out;
}

// One row per flake: the real pixels enlarged, then the flake as drawn at 17 and
// 50 pixels, upright and turned, on night blue and on snow, then its thumbnail.
Image FlakeSheet() {
  constexpr int kRow = 58;
  const Pixel night{14, 24, 56, 255};
  const Pixel snow{206, 218, 236, 255};
  Image sheet(460, kRow * kFlakeDesigns, night);
  Rect(sheet, 300, 0, 100, sheet.height, snow);
  for (int design = 1; design <= kFlakeDesigns; ++design) {
    const Image flake = design <= 8 ? BuiltInFlake(design) : StockFlake();
    const int y = (design - 1) * kRow + 4;
    Image pixels = Zoom(flake, 48 / flake.width);
    Image backed(pixels.width, pixels.height, night);
    DrawSprite(backed, pixels, 0, 0, pixels.width, 0, 255);
    Blit(sheet, backed, 4, y);
    DrawSprite(sheet, flake, 60, y + 4, 17, 0, 240);
    DrawSprite(sheet, flake, 60, y + 28, 17, 23, 240);
    DrawSprite(sheet, flake, 84, y + 2, 9, 40, 120);
    DrawSprite(sheet, flake, 84, y + 30, 5, 10, 60);
    DrawSprite(sheet, flake, 120, y, 50, 0, 255);
    DrawSprite(sheet, flake, 180, y, 50, 37, 255);
    DrawSprite(sheet, flake, 240, y + 8, 34, 71, 200);
    DrawSprite(sheet, flake, 306, y, 50, 12, 255);
    DrawSprite(sheet, flake, 362, y + 16, 17, 50, 240);
    if (design <= 8) Blit(sheet, FiveBitColour(FlakeThumbnail(design)), 404, y);
  }
  return sheet;
}

// What the snow looks like: flakes of one design falling over the stock background,
// sized and faded as the snow field does it.
Image SnowScene(int design, int flakeSize, int count) {
  Image scene = FullMoon();
  const Image flake = BuiltInFlake(design);
  Random random(static_cast<std::uint64_t>(design * 100 + flakeSize));
  const int step = 255 / flakeSize;
  for (int i = 0; i < count; ++i) {
    const int size = 1 + static_cast<int>(random.Uniform(0, flakeSize));
    DrawSprite(scene, flake, random.Uniform(0, scene.width), random.Uniform(0, scene.height), size,
               std::floor(random.Uniform(0, 361)), (size - 1) * step);
  }
  return scene;
}

}  // namespace

bool WriteProofs(const std::string& folder) {
  bool ok = WritePng(folder + "/flakes.png", Zoom(FlakeSheet(), 2));
  ok = WritePng(folder + "/snow-default.png", SnowScene(7, 17, 500)) && ok;
  ok = WritePng(folder + "/snow-large.png", SnowScene(1, 50, 300)) && ok;

  const Image banner = Banner();
  const Image preview = Preview();
  Image windows(banner.width + preview.width * 2 + 24, banner.height + 8, {60, 60, 60, 255});
  Blit(windows, banner, 4, 4);
  Blit(windows, Zoom(preview, 2), banner.width + 12, 4);
  ok = WritePng(folder + "/banner-preview.png", windows) && ok;

  const Image greeting = HappyNewYear();
  Image foreground = FullMoon();
  BlitKeyed(foreground, greeting, 150, 50);
  BlitKeyed(foreground, greeting, 450, 560);
  ok = WritePng(folder + "/foreground.png", foreground) && ok;

  // Each icon enlarged, and at its own size on a button face.
  Image icons(4 * 40, 60, {212, 208, 200, 255});
  const Image all[] = {HomepageIcon(), FeedbackIcon(), UpdateIcon(), BrowseIcon()};
  for (int i = 0; i < 4; ++i) {
    DrawSprite(icons, Zoom(all[i], 2), i * 40 + 4, 4, 32, 0, 255);
    DrawSprite(icons, all[i], i * 40 + 12, 40, 16, 0, 255);
  }
  ok = WritePng(folder + "/icons.png", Zoom(icons, 3)) && ok;
  return ok;
}

}  // namespace fl::art
