// The stock foreground picture: "HAPPY NEW YEAR" in frosty stroke letters between
// two garlands of snowflakes, on pure black, which the screensaver shows see-through.
#include <cmath>
#include <string_view>
#include <vector>

#include "Flakes.h"
#include "Pictures.h"

namespace fl::art {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 100;
constexpr int kScale = 6;

using Stroke = std::vector<Vec2>;

struct Glyph {
  double width;  // in letter heights
  std::vector<Stroke> strokes;
};

// The stem and bowl of P and R: up the stem, round the half circle on the right,
// back to the stem's middle.
Stroke Bowl(double w) {
  const double r = 0.26;
  Stroke s = {{0, 1}, {0, 0}};
  for (int i = 0; i <= 8; ++i) s.push_back(Vec2{w - r, r} + Polar(r, 180.0 * i / 8));
  s.push_back({0, 2 * r});
  return s;
}

Glyph GlyphFor(char c) {
  const double w = 0.46;
  switch (c) {
    case 'H': return {w, {{{0, 0}, {0, 1}}, {{w, 0}, {w, 1}}, {{0, 0.5}, {w, 0.5}}}};
    case 'A': return {w + 0.06, {{{0, 1}, {(w + 0.06) / 2, 0}, {w + 0.06, 1}}, {{0.11, 0.64}, {w - 0.05, 0.64}}}};
    case 'P': return {w, {Bowl(w)}};
    case 'Y': return {w + 0.04, {{{0, 0}, {(w + 0.04) / 2, 0.5}, {w + 0.04, 0}}, {{(w + 0.04) / 2, 0.5}, {(w + 0.04) / 2, 1}}}};
    case 'N': return {w, {{{0, 1}, {0, 0}, {w, 1}, {w, 0}}}};
    case 'E': return {w - 0.06, {{{w - 0.06, 0}, {0, 0}, {0, 1}, {w - 0.06, 1}}, {{0, 0.5}, {w - 0.14, 0.5}}}};
    case 'W': return {0.7, {{{0, 0}, {0.16, 1}, {0.35, 0.34}, {0.54, 1}, {0.7, 0}}}};
    case 'R': return {w, {Bowl(w), {{0.18, 0.52}, {w, 1}}}};
    default: return {0.12, {}};  // space, between two letter gaps
  }
}

// Four-pointed glint.
void Sparkle(Mask& mask, Vec2 at, double size) {
  const std::vector<Vec2> star = {at + Vec2{0, -size},       at + Vec2{size * 0.2, -size * 0.2}, at + Vec2{size, 0},
                                  at + Vec2{size * 0.2, size * 0.2}, at + Vec2{0, size},       at + Vec2{-size * 0.2, size * 0.2},
                                  at + Vec2{-size, 0},       at + Vec2{-size * 0.2, -size * 0.2}};
  mask.Polygon(star);
}

}  // namespace

Image HappyNewYear() {
  constexpr std::string_view kText = "HAPPY NEW YEAR";
  const double letter = 36;  // letter height, pixels
  const double stroke = 6;
  const double outline = 2.2;
  const double gap = stroke + 2 * outline + 2.5;

  double textWidth = -gap;
  for (char c : kText) textWidth += GlyphFor(c).width * letter + gap;
  const Vec2 origin{(kWidth - textWidth) / 2, (kHeight - letter) / 2};

  Canvas canvas(kWidth, kHeight, kScale);
  Mask body = canvas.NewMask();
  Mask rim = canvas.NewMask();
  double x = origin.x;
  for (char c : kText) {
    const Glyph glyph = GlyphFor(c);
    for (const Stroke& s : glyph.strokes) {
      Stroke placed;
      for (const Vec2& p : s) placed.push_back(Vec2{x, origin.y} + p * letter);
      body.Polyline(placed, stroke);
      rim.Polyline(placed, stroke + 2 * outline);
    }
    x += glyph.width * letter + gap;
  }
  canvas.Fill(rim, Rgb(22, 44, 110));
  const double top = origin.y;
  canvas.Fill(body, [top, letter](Vec2 p) {
    return Mix(Rgb(255, 255, 255), Rgb(140, 200, 255), SmoothStep(0.1, 1.0, (p.y - top) / letter));
  });

  // Garlands above and below: flakes with glints between them.
  Mask flakes = canvas.NewMask();
  Mask glints = canvas.NewMask();
  constexpr int kFlakes = 7;
  for (int i = 0; i < kFlakes; ++i) {
    const double fx = 30 + (kWidth - 60) * i / (kFlakes - 1.0);
    const int design = 1 + (i * 3) % 8;
    DrawFlake(flakes, design, {fx, 13}, 9, 1.2);
    DrawFlake(flakes, 1 + (design + 3) % 8, {kWidth - fx, kHeight - 13.0}, 9, 1.2);
    if (i + 1 < kFlakes) {
      const double mid = fx + (kWidth - 60) / (kFlakes - 1.0) / 2;
      Sparkle(glints, {mid, 11.0 + 4 * (i % 2)}, 4.5);
      Sparkle(glints, {kWidth - mid, kHeight - 11.0 - 4 * (i % 2)}, 4.5);
    }
  }
  canvas.Fill(flakes, Rgb(200, 228, 255));
  canvas.Fill(glints, Rgb(255, 236, 150));

  // Black is the see-through colour: every pixel is either pure black or fully
  // drawn, so no dark half-covered fringe shows around the letters.
  Image image = canvas.Resolve();
  for (Pixel& p : image.pixels) {
    if (p.a < 128) {
      p = {0, 0, 0, 255};
    } else {
      if (p.r == 0 && p.g == 0 && p.b == 0) p.b = 1;
      p.a = 255;
    }
  }
  return image;
}

}  // namespace fl::art
