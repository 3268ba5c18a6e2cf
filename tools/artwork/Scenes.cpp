// The night landscapes: the window's side picture, the preview picture and the
// stock background share one painter, at different sizes.
#include <algorithm>
#include <cmath>
#include <vector>

#include "Flakes.h"
#include "Pictures.h"

namespace fl::art {
namespace {

struct Landscape {
  int width;
  int height;
  int scale;           // supersampling
  double horizon;      // foot of the far mountains, fraction of the height
  Vec2 moon;           // centre, in pixels
  double moonRadius;   // pixels
  int stars;
  double treeHeight;   // of the nearest trees, pixels
  std::uint64_t seed;
};

// A rolling crest line: a sum of three waves with random phases.
struct Crest {
  double base;
  double amplitude;
  double wavelength;
  double phase[3];
  bool peaked;  // mountains: sharp tops instead of round hills

  double At(double x) const {
    const double t = x / wavelength;
    double v = 0.55 * std::sin(t + phase[0]) + 0.3 * std::sin(2.3 * t + phase[1]) + 0.15 * std::sin(5.1 * t + phase[2]);
    if (peaked) v = 1 - 2 * std::abs(std::sin(0.5 * (t + phase[0]))) * 0.7 + 0.3 * v;
    return base - amplitude * v;
  }
};

Crest MakeCrest(Random& random, double base, double amplitude, double wavelength, bool peaked) {
  return {base, amplitude, wavelength, {random.Uniform(0, 6.3), random.Uniform(0, 6.3), random.Uniform(0, 6.3)}, peaked};
}

Mask Ground(const Canvas& canvas, const Crest& crest) {
  std::vector<Vec2> outline;
  const double step = std::max(0.5, canvas.Width() / 300.0);
  for (double x = -1; x <= canvas.Width() + 1; x += step) outline.push_back({x, crest.At(x)});
  outline.push_back({canvas.Width() + 1.0, canvas.Height() + 1.0});
  outline.push_back({-1, canvas.Height() + 1.0});
  Mask mask = canvas.NewMask();
  mask.Polygon(outline);
  return mask;
}

// A fir: stacked tiers of branches, each with snow lying on its upper part.
void Tree(Mask& wood, Mask& snow, Vec2 foot, double height) {
  const double halfWidth = height * 0.3;
  wood.Line(foot, foot - Vec2{0, height * 0.2}, std::max(0.6, height * 0.07));
  constexpr int kTiers = 4;
  for (int i = 0; i < kTiers; ++i) {
    const double bottom = foot.y - height * (0.1 + 0.21 * i);
    const double apex = i == kTiers - 1 ? foot.y - height : bottom - height * 0.36;
    const double half = halfWidth * (1 - 0.2 * i);
    const Vec2 top{foot.x, apex};
    const Vec2 left{foot.x - half, bottom};
    const Vec2 right{foot.x + half, bottom};
    const Vec2 tier[] = {top, right, left};
    wood.Polygon(tier);
    const Vec2 cap[] = {top, Lerp(top, right, 0.45), Lerp(top, Lerp(right, left, 0.3), 0.3),
                        Lerp(top, {foot.x, bottom}, 0.38), Lerp(top, Lerp(left, right, 0.3), 0.3),
                        Lerp(top, left, 0.45)};
    snow.Polygon(cap);
  }
}

// Groves of firs standing along a crest, sunk a little into the snow.
void PlantTrees(Canvas& canvas, Random& random, const Crest& crest, double height, int count, double sink) {
  Mask wood = canvas.NewMask();
  Mask snow = canvas.NewMask();
  std::vector<double> groves(static_cast<std::size_t>(std::max(1, count / 4)));
  for (double& x : groves) x = random.Uniform(-0.05, 1.05) * canvas.Width();
  for (int i = 0; i < count; ++i) {
    const double x = groves[i % groves.size()] + random.Uniform(-1.8, 1.8) * height;
    const double h = height * random.Uniform(0.55, 1.0);
    Tree(wood, snow, {x, crest.At(x) + h * sink}, h);
  }
  canvas.Fill(wood, Rgb(14, 30, 44));
  canvas.Fill(snow, Rgb(214, 228, 248));
}

Rgba SkyAt(const Landscape& scene, Vec2 p) {
  const double horizonY = scene.horizon * scene.height;
  const double t = Clamp01(p.y / horizonY);
  Rgba sky = t < 0.55 ? Mix(Rgb(4, 8, 26), Rgb(16, 31, 74), t / 0.55) : Mix(Rgb(16, 31, 74), Rgb(58, 84, 138), (t - 0.55) / 0.45);
  // The moon lights the haze around it.
  const double d = Length(p - scene.moon) / scene.moonRadius;
  const double glow = 0.5 * std::exp(-(d - 1) / 1.6) + 0.18 * std::exp(-(d - 1) / 6);
  return Mix(sky, Rgb(178, 196, 236), Clamp01(glow));
}

Rgba MoonAt(const Landscape& scene, Vec2 p) {
  struct Sea {
    Vec2 at;
    double radius;
    double depth;
  };
  // Broad dark seas over the upper left, smaller ones below.
  static const Sea kSeas[] = {{{-0.36, -0.26}, 0.34, 0.55}, {{0.02, -0.44}, 0.24, 0.5},  {{0.26, -0.12}, 0.28, 0.55},
                              {{-0.46, 0.16}, 0.22, 0.45},  {{-0.12, -0.04}, 0.2, 0.35}, {{0.04, 0.30}, 0.16, 0.35},
                              {{0.44, 0.28}, 0.14, 0.3},    {{-0.22, 0.44}, 0.12, 0.2},  {{0.34, -0.48}, 0.12, 0.25}};
  const Vec2 q = (p - scene.moon) * (1 / scene.moonRadius);
  double dark = 0;
  for (const Sea& sea : kSeas) dark += sea.depth * std::exp(-Dot(q - sea.at, q - sea.at) / (sea.radius * sea.radius));
  const double limb = 0.84 + 0.16 * std::sqrt(Clamp01(1 - Dot(q, q)));
  const Rgba surface = Mix(Rgb(252, 249, 236), Rgb(170, 174, 180), Clamp01(dark) * 0.8);
  return {surface.r * limb, surface.g * limb, surface.b * limb, 1};
}

void Stars(Canvas& canvas, Random& random, const Landscape& scene) {
  constexpr int kLevels = 4;
  std::vector<Mask> levels(kLevels, canvas.NewMask());
  const double size = std::max(0.45, scene.height / 900.0);
  for (int i = 0; i < scene.stars; ++i) {
    const Vec2 p{random.Uniform(0, scene.width), random.Uniform(0, scene.horizon * scene.height * 0.85)};
    const int level = static_cast<int>(random.Uniform(0, kLevels));
    if (Length(p - scene.moon) < scene.moonRadius * 2.5) continue;
    levels[level].Disc(p, size * (0.55 + 0.3 * level));
  }
  for (int level = 0; level < kLevels; ++level) canvas.Fill(levels[level], Rgb(230, 236, 255, 0.35 + 0.2 * level));
}

Canvas PaintLandscape(const Landscape& scene) {
  Canvas canvas(scene.width, scene.height, scene.scale);
  Random random(scene.seed);
  canvas.Paint([&scene](Vec2 p) { return SkyAt(scene, p); });
  Stars(canvas, random, scene);
  Mask moon = canvas.NewMask();
  moon.Disc(scene.moon, scene.moonRadius);
  canvas.Fill(moon, [&scene](Vec2 p) { return MoonAt(scene, p); });

  const double h = scene.height;
  const double w = scene.width;
  const double horizonY = scene.horizon * h;
  const Crest mountains = MakeCrest(random, horizonY - 0.02 * h, 0.09 * h, 0.075 * w, true);
  const Crest hills = MakeCrest(random, horizonY + 0.06 * h, 0.025 * h, 0.12 * w, false);
  const Crest near = MakeCrest(random, horizonY + 0.17 * h, 0.035 * h, 0.2 * w, false);

  // Far mountains, blue in the haze, their tops lit by the moon.
  canvas.Fill(Ground(canvas, mountains), [&](Vec2 p) {
    const double below = (p.y - mountains.At(p.x)) / (0.05 * h);
    return Mix(Rgb(150, 168, 212), Rgb(54, 74, 124), SmoothStep(0, 1, below));
  });
  PlantTrees(canvas, random, hills, scene.treeHeight * 0.45, static_cast<int>(w / scene.treeHeight * 1.6), 0.3);
  canvas.Fill(Ground(canvas, hills), [&](Vec2 p) {
    const double below = (p.y - hills.At(p.x)) / (0.1 * h);
    return Mix(Rgb(176, 194, 232), Rgb(112, 134, 188), SmoothStep(0, 1, below));
  });
  PlantTrees(canvas, random, near, scene.treeHeight, static_cast<int>(w / scene.treeHeight * 0.7), 0.15);
  canvas.Fill(Ground(canvas, near), [&](Vec2 p) {
    const double below = (p.y - near.At(p.x)) / (h - near.base);
    // Moonlit snow: bright along the crest, bluer in the hollows, a little brighter under the moon.
    const double moonSide = 0.08 * std::exp(-std::abs(p.x - scene.moon.x) / (0.3 * w));
    const Rgba snow = Mix(Rgb(226, 236, 252), Rgb(150, 172, 222), SmoothStep(0, 1, below));
    return Mix(snow, Rgb(255, 255, 255), moonSide);
  });
  // Glints in the near snow.
  Mask glints = canvas.NewMask();
  for (int i = 0; i < scene.stars / 3; ++i) {
    const double x = random.Uniform(0, w);
    const double y = random.Uniform(near.At(x) + 2, h);
    glints.Disc({x, y}, std::max(0.4, h / 1400.0));
  }
  canvas.Fill(glints, Rgb(255, 255, 255, 0.8));
  return canvas;
}

// Falling snow in front of a scene: soft dots, and real flakes among the larger ones.
void Snowfall(Canvas& canvas, Random& random, int count, double smallest, double largest) {
  for (int i = 0; i < count; ++i) {
    const Vec2 p{random.Uniform(0, canvas.Width()), random.Uniform(0, canvas.Height())};
    const double radius = smallest + (largest - smallest) * std::pow(random.Uniform(), 2.2);
    const double alpha = 0.55 + 0.45 * radius / largest;
    Mask mask = canvas.NewMask();
    if (radius < 2.2) {
      mask.Disc(p, radius * 0.6);
      canvas.Fill(mask, Rgb(240, 246, 255, alpha));
    } else {
      const int design = 1 + static_cast<int>(random.Uniform(0, 8));
      DrawFlake(mask, design, p, radius, 0.5);
      const Shader ice = IceShader(p, radius);
      canvas.Fill(mask, [&ice, alpha](Vec2 q) { return WithAlpha(ice(q), alpha); });
    }
  }
}

}  // namespace

Image Banner() {
  Landscape scene{120, 310, 4, 0.70, {80, 58}, 15, 70, 26, 11};
  Canvas canvas = PaintLandscape(scene);
  Random random(12);
  Snowfall(canvas, random, 46, 0.8, 7.5);
  return canvas.Resolve();
}

Image Preview() {
  Landscape scene{152, 112, 4, 0.60, {120, 24}, 9, 30, 16, 21};
  Canvas canvas = PaintLandscape(scene);
  Random random(22);
  Snowfall(canvas, random, 40, 0.8, 4.5);
  return canvas.Resolve();
}

Image FullMoon() {
  Landscape scene{1024, 768, 2, 0.66, {700, 190}, 64, 420, 120, 31};
  return PaintLandscape(scene).Resolve();
}

}  // namespace fl::art
