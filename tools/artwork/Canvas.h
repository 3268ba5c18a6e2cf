#pragma once
// A small drawing toolkit for the artwork: shapes are rasterised as coverage
// masks on a supersampled grid, painted onto a supersampled canvas and box-filtered
// down to the output pixels, which gives every edge a soft, even anti-aliasing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "Geometry.h"

namespace fl::art {

// A straight (not premultiplied) colour, every component 0 to 1.
struct Rgba {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 1;
};

// From 8-bit components.
inline Rgba Rgb(int r, int g, int b, double a = 1) { return {r / 255.0, g / 255.0, b / 255.0, a}; }
inline Rgba Mix(Rgba p, Rgba q, double t) {
  return {p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t, p.a + (q.a - p.a) * t};
}
inline Rgba WithAlpha(Rgba c, double a) { return {c.r, c.g, c.b, a}; }

struct Pixel {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
};

// A finished 8-bit picture, rows top-down, straight alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Image() = default;
  Image(int w, int h, Pixel fill = {}) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  Pixel& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Pixel& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Which subpixels a shape covers. Shapes add to the mask; Cut removes another mask.
class Mask {
 public:
  Mask(int width, int height, int scale);
  // An empty mask of the same size and scale.
  Mask Blank() const { return Mask(width_, height_, scale_); }

  Mask& Disc(Vec2 centre, double radius);
  Mask& Ring(Vec2 centre, double outer, double inner);
  // A straight stroke with round caps.
  Mask& Line(Vec2 a, Vec2 b, double width);
  Mask& Polyline(std::span<const Vec2> points, double width, bool closed = false);
  // Filled by the non-zero winding rule, so overlapping outlines stay filled.
  Mask& Polygon(std::span<const Vec2> points);
  Mask& Add(const Mask& other);
  Mask& Cut(const Mask& other);
  Mask& Intersect(const Mask& other);
  // Grows every covered area by `radius` pixels.
  Mask& Grow(double radius);

  int Scale() const { return scale_; }
  int SubWidth() const { return width_ * scale_; }
  int SubHeight() const { return height_ * scale_; }
  bool Covers(int sx, int sy) const { return bits_[static_cast<std::size_t>(sy) * SubWidth() + sx] != 0; }

 private:
  // Marks every subpixel inside [lo, hi] whose centre passes `inside`.
  template <class Inside>
  void Cover(Vec2 lo, Vec2 hi, Inside inside);
  void Set(int sx, int sy) { bits_[static_cast<std::size_t>(sy) * SubWidth() + sx] = 1; }

  int width_;
  int height_;
  int scale_;
  std::vector<std::uint8_t> bits_;
};

// Gives the colour at a point in picture coordinates.
using Shader = std::function<Rgba(Vec2)>;

class Canvas {
 public:
  // Starts fully transparent.
  Canvas(int width, int height, int scale);

  Mask NewMask() const { return Mask(width_, height_, scale_); }
  // Paints `shader` over the whole canvas (backgrounds, glows).
  void Paint(const Shader& shader);
  void Fill(const Mask& mask, Rgba colour);
  void Fill(const Mask& mask, const Shader& shader);
  // The output pixels: each the mean of its subpixels. Fully transparent pixels get
  // the colour of `matte`, so that a filtered, scaled-up picture does not darken at
  // its edges.
  Image Resolve(Rgba matte = {0, 0, 0, 0}) const;

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  struct Premultiplied {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
  };
  void Blend(std::size_t index, Rgba colour);
  Vec2 SubpixelCentre(int sx, int sy) const { return {(sx + 0.5) / scale_, (sy + 0.5) / scale_}; }

  int width_;
  int height_;
  int scale_;
  std::vector<Premultiplied> subpixels_;
};

// A fixed-seed generator, so the committed pictures can be made again bit for bit.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  double Uniform(double low = 0, double high = 1);

 private:
  std::uint64_t state_;
};

}  // namespace fl::art
