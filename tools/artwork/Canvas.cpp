#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fl::art {

Mask::Mask(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale),
      bits_(static_cast<std::size_t>(width) * scale * height * scale, 0) {}

template <class Inside>
void Mask::Cover(Vec2 lo, Vec2 hi, Inside inside) {
  const int x0 = std::max(0, static_cast<int>(std::floor(lo.x * scale_)));
  const int y0 = std::max(0, static_cast<int>(std::floor(lo.y * scale_)));
  const int x1 = std::min(SubWidth() - 1, static_cast<int>(std::ceil(hi.x * scale_)));
  const int y1 = std::min(SubHeight() - 1, static_cast<int>(std::ceil(hi.y * scale_)));
  for (int sy = y0; sy <= y1; ++sy) {
    for (int sx = x0; sx <= x1; ++sx) {
      if (inside(Vec2{(sx + 0.5) / scale_, (sy + 0.5) / scale_})) Set(sx, sy);
    }
  }
}

Mask& Mask::Disc(Vec2 centre, double radius) {
  const Vec2 reach{radius, radius};
  Cover(centre - reach, centre + reach, [&](Vec2 p) { return Length(p - centre) <= radius; });
  return *this;
}

Mask& Mask::Ring(Vec2 centre, double outer, double inner) {
  const Vec2 reach{outer, outer};
  Cover(centre - reach, centre + reach, [&](Vec2 p) {
    const double d = Length(p - centre);
    return d <= outer && d >= inner;
  });
  return *this;
}

Mask& Mask::Line(Vec2 a, Vec2 b, double width) {
  const double half = width / 2;
  const Vec2 lo{std::min(a.x, b.x) - half, std::min(a.y, b.y) - half};
  const Vec2 hi{std::max(a.x, b.x) + half, std::max(a.y, b.y) + half};
  const Vec2 ab = b - a;
  const double length2 = Dot(ab, ab);
  Cover(lo, hi, [&](Vec2 p) {
    const double t = length2 > 0 ? std::clamp(Dot(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    return Length(p - (a + ab * t)) <= half;
  });
  return *this;
}

Mask& Mask::Polyline(std::span<const Vec2> points, double width, bool closed) {
  for (std::size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i], width);
  if (closed && points.size() > 2) Line(points.back(), points.front(), width);
  return *this;
}

Mask& Mask::Polygon(std::span<const Vec2> points) {
  if (points.size() < 3) return *this;
  double top = points[0].y;
  double bottom = points[0].y;
  for (const Vec2& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const int y0 = std::max(0, static_cast<int>(std::floor(top * scale_)));
  const int y1 = std::min(SubHeight() - 1, static_cast<int>(std::ceil(bottom * scale_)));
  struct Crossing {
    double x;
    int winding;
  };
  std::vector<Crossing> crossings;
  for (int sy = y0; sy <= y1; ++sy) {
    const double y = (sy + 0.5) / scale_;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Vec2 p = points[i];
      const Vec2 q = points[(i + 1) % points.size()];
      if ((p.y <= y) == (q.y <= y)) continue;
      const double x = p.x + (y - p.y) / (q.y - p.y) * (q.x - p.x);
      crossings.push_back({x, q.y > p.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].winding;
      if (winding == 0) continue;
      // Subpixels whose centres lie in [x_i, x_i+1).
      const int sx0 = std::max(0, static_cast<int>(std::ceil(crossings[i].x * scale_ - 0.5)));
      const int sx1 = std::min(SubWidth() - 1, static_cast<int>(std::ceil(crossings[i + 1].x * scale_ - 0.5)) - 1);
      for (int sx = sx0; sx <= sx1; ++sx) Set(sx, sy);
    }
  }
  return *this;
}

Mask& Mask::Add(const Mask& other) {
  for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] |= other.bits_[i];
  return *this;
}

Mask& Mask::Cut(const Mask& other) {
  for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] &= static_cast<std::uint8_t>(!other.bits_[i]);
  return *this;
}

Mask& Mask::Intersect(const Mask& other) {
  for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] &= other.bits_[i];
  return *this;
}

Mask& Mask::Grow(double radius) {
  const int reach = static_cast<int>(radius * scale_);
  std::vector<std::pair<int, int>> disc;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (dx * dx + dy * dy <= reach * reach) disc.emplace_back(dx, dy);
    }
  }
  const Mask before = *this;
  for (int sy = 0; sy < SubHeight(); ++sy) {
    for (int sx = 0; sx < SubWidth(); ++sx) {
      if (!before.Covers(sx, sy)) continue;
      for (const auto& [dx, dy] : disc) {
        const int x = sx + dx;
        const int y = sy + dy;
        if (x >= 0 && y >= 0 && x < SubWidth() && y < SubHeight()) Set(x, y);
      }
    }
  }
  return *this;
}

Canvas::Canvas(int width, int height, int scale)
    : width_(width), height_(height), scale_(scale),
      subpixels_(static_cast<std::size_t>(width) * scale * height * scale) {}

void Canvas::Blend(std::size_t index, Rgba c) {
  Premultiplied& d = subpixels_[index];
  const float a = static_cast<float>(Clamp01(c.a));
  const float keep = 1 - a;
  d.r = static_cast<float>(c.r) * a + d.r * keep;
  d.g = static_cast<float>(c.g) * a + d.g * keep;
  d.b = static_cast<float>(c.b) * a + d.b * keep;
  d.a = a + d.a * keep;
}

void Canvas::Paint(const Shader& shader) {
  const int w = width_ * scale_;
  const int h = height_ * scale_;
  for (int sy = 0; sy < h; ++sy) {
    for (int sx = 0; sx < w; ++sx) Blend(static_cast<std::size_t>(sy) * w + sx, shader(SubpixelCentre(sx, sy)));
  }
}

void Canvas::Fill(const Mask& mask, Rgba colour) {
  Fill(mask, [colour](Vec2) { return colour; });
}

void Canvas::Fill(const Mask& mask, const Shader& shader) {
  const int w = mask.SubWidth();
  const int h = mask.SubHeight();
  for (int sy = 0; sy < h; ++sy) {
    for (int sx = 0; sx < w; ++sx) {
      if (mask.Covers(sx, sy)) Blend(static_cast<std::size_t>(sy) * w + sx, shader(SubpixelCentre(sx, sy)));
    }
  }
}

namespace {
std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255)); }
}  // namespace

Image Canvas::Resolve(Rgba matte) const {
  Image out(width_, height_);
  const int w = width_ * scale_;
  const double count = static_cast<double>(scale_) * scale_;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = y * scale_; sy < (y + 1) * scale_; ++sy) {
        for (int sx = x * scale_; sx < (x + 1) * scale_; ++sx) {
          const Premultiplied& s = subpixels_[static_cast<std::size_t>(sy) * w + sx];
          r += s.r;
          g += s.g;
          b += s.b;
          a += s.a;
        }
      }
      Pixel& p = out.At(x, y);
      p.a = ToByte(a / count);
      if (p.a == 0) {
        p = {ToByte(matte.r), ToByte(matte.g), ToByte(matte.b), 0};
      } else {
        p.r = ToByte(r / a);
        p.g = ToByte(g / a);
        p.b = ToByte(b / a);
      }
    }
  }
  return out;
}

double Random::Uniform(double low, double high) {
  // splitmix64: tiny, well mixed and the same on every machine.
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return low + (high - low) * static_cast<double>(z >> 11) / 9007199254740992.0;
}

}  // namespace fl::art
