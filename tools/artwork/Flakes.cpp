#include "Flakes.h"

#include <algorithm>
#include <vector>

namespace fl::art {
namespace {

// Draws in the frame of one arm and repeats every stroke in all six arms and in
// their mirror images. Positions are (u, v): u along the arm from the centre, v
// across it; both, like stroke widths, in units of the flake's radius.
class Pen {
 public:
  Pen(Mask& mask, Vec2 centre, double radius, double minStroke)
      : mask_(mask), centre_(centre), radius_(radius), minStroke_(minStroke) {}

  Pen On(Mask& other) const { return Pen(other, centre_, radius_, minStroke_); }
  // The same pen allowed finer strokes, for detail that may fade at small sizes.
  Pen Finer(double factor) const { return Pen(mask_, centre_, radius_, minStroke_ * factor); }

  void Stroke(Vec2 a, Vec2 b, double width) {
    const double w = std::max(width * radius_, minStroke_);
    ForEachArm([&](double arm, double side) { mask_.Line(At(arm, side, a), At(arm, side, b), w); });
  }

  void Disc(Vec2 c, double r) {
    ForEachArm([&](double arm, double side) { mask_.Disc(At(arm, side, c), std::max(r * radius_, minStroke_ / 2)); });
  }

  void Polygon(const std::vector<Vec2>& points) {
    ForEachArm([&](double arm, double side) {
      std::vector<Vec2> placed;
      for (const Vec2& p : points) placed.push_back(At(arm, side, p));
      mask_.Polygon(placed);
    });
  }

  // A pair of side branches leaving the arm at u, `angle` degrees off the arm's
  // outward direction.
  void Branches(double u, double length, double angle, double width) {
    const Vec2 dir = Rotated({1, 0}, angle);
    Stroke({u, 0}, Vec2{u, 0} + dir * length, width);
  }

  // A regular hexagon about the centre with its corners on the arms.
  void Hexagon(double r) {
    std::vector<Vec2> corners;
    for (int k = 0; k < 6; ++k) corners.push_back(centre_ + Polar(r * radius_, 60.0 * k));
    mask_.Polygon(corners);
  }

  // A hexagon about a point on the arm, corners pointing along and across it.
  void HexagonAt(double u, double r) {
    std::vector<Vec2> corners;
    for (int k = 0; k < 6; ++k) corners.push_back(Vec2{u, 0} + Rotated({r, 0}, 60.0 * k));
    Polygon(corners);
  }

  void HexagonOutline(double r, double width) {
    Stroke(Rotated({r, 0}, 0), Rotated({r, 0}, 60), width);
  }

 private:
  template <class Draw>
  void ForEachArm(Draw draw) {
    for (int k = 0; k < 6; ++k) {
      draw(60.0 * k, 1.0);
      draw(60.0 * k, -1.0);
    }
  }

  Vec2 At(double arm, double side, Vec2 p) const {
    return centre_ + Polar(p.x * radius_, arm) + Polar(side * p.y * radius_, arm + 90);
  }

  Mask& mask_;
  Vec2 centre_;
  double radius_;
  double minStroke_;
};

// Stellar dendrite: a broad hexagonal heart and arms with three pairs of branches.
void Dendrite(Pen& pen, Mask& mask) {
  pen.Stroke({0, 0}, {0.92, 0}, 0.15);
  pen.Branches(0.40, 0.34, 60, 0.12);
  pen.Branches(0.64, 0.24, 60, 0.11);
  pen.Branches(0.84, 0.11, 60, 0.10);
  pen.Hexagon(0.30);
  Mask hole = mask.Blank();
  pen.On(hole).Hexagon(0.12);
  mask.Cut(hole);
}

// Hexagonal plate with a groove along its rim and short spikes at its corners.
void Plate(Pen& pen, Mask& mask) {
  pen.Hexagon(0.82);
  pen.Stroke({0.7, 0}, {0.96, 0}, 0.14);
  Mask groove = mask.Blank();
  Pen cut = pen.On(groove);
  cut.HexagonOutline(0.56, 0.10);
  cut.Stroke({0.18, 0}, {0.44, 0}, 0.07);
  mask.Cut(groove);
}

// Fern-like arms: a strong spine feathered with fine branches all along it.
void Fern(Pen& pen, Mask&) {
  pen.Stroke({0, 0}, {0.95, 0}, 0.13);
  Pen fine = pen.Finer(0.6);
  fine.Branches(0.22, 0.16, 55, 0.07);
  fine.Branches(0.36, 0.28, 55, 0.07);
  fine.Branches(0.50, 0.30, 55, 0.07);
  fine.Branches(0.64, 0.24, 55, 0.07);
  fine.Branches(0.78, 0.15, 55, 0.07);
  pen.Disc({0, 0}, 0.16);
}

// A solid six-pointed star with a small window in its middle.
void Star(Pen& pen, Mask& mask) {
  pen.Polygon({{0, 0}, {0.98, 0}, Rotated({0.40, 0}, 30), Rotated({0.40, 0}, -30)});
  Mask hole = mask.Blank();
  pen.On(hole).Hexagon(0.14);
  mask.Cut(hole);
}

// Stellar plate: broad arms that end in little hexagonal plates.
void TippedArms(Pen& pen, Mask& mask) {
  pen.Stroke({0, 0}, {0.62, 0}, 0.17);
  pen.HexagonAt(0.76, 0.22);
  pen.Hexagon(0.34);
  Mask hole = mask.Blank();
  pen.On(hole).Hexagon(0.15);
  mask.Cut(hole);
}

// Arms through a ring, each arm ending in a fork.
void RingFork(Pen& pen, Mask&) {
  pen.Stroke({0, 0}, {0.72, 0}, 0.13);
  pen.HexagonOutline(0.48, 0.12);
  pen.Branches(0.72, 0.24, 30, 0.11);
  pen.Disc({0, 0}, 0.17);
}

// The classic crystal: straight arms with two V-shaped chevrons each.
void Chevrons(Pen& pen, Mask& mask) {
  pen.Stroke({0, 0}, {0.94, 0}, 0.14);
  pen.Branches(0.46, 0.32, 50, 0.13);
  pen.Branches(0.74, 0.20, 50, 0.12);
  pen.HexagonOutline(0.20, 0.11);
  Mask hole = mask.Blank();
  pen.On(hole).Disc({0, 0}, 0.05);
  mask.Cut(hole);
}

// Sectored plate: a star-shaped plate split into six sectors by fine ridges.
void Sectored(Pen& pen, Mask& mask) {
  pen.Polygon({{0, 0}, {0.96, 0}, Rotated({0.60, 0}, 30), Rotated({0.60, 0}, -30)});
  Mask ridges = mask.Blank();
  Pen cut = pen.On(ridges);
  cut.Stroke({0.16, 0}, {0.62, 0}, 0.06);
  cut.Stroke(Rotated({0.22, 0}, 30), Rotated({0.52, 0}, 30), 0.05);
  mask.Cut(ridges);
}

// The stock custom flake, drawn for 32 pixels: a rich dendrite with branched branches.
void Rich(Pen& pen, Mask& mask) {
  pen.Stroke({0, 0}, {0.90, 0}, 0.10);
  pen.HexagonAt(0.90, 0.08);
  pen.Branches(0.34, 0.30, 60, 0.08);
  pen.Branches(0.58, 0.28, 60, 0.08);
  pen.Branches(0.78, 0.14, 60, 0.07);
  // Small twigs on the longer branches, pointing out along the arm again.
  for (double u : {0.34, 0.58}) {
    const Vec2 mid = Vec2{u, 0} + Rotated({1, 0}, 60) * 0.16;
    pen.Stroke(mid, mid + Vec2{0.12, 0}, 0.06);
  }
  pen.Hexagon(0.24);
  Mask hole = mask.Blank();
  pen.On(hole).HexagonOutline(0.13, 0.05);
  mask.Cut(hole);
}

}  // namespace

void DrawFlake(Mask& mask, int design, Vec2 centre, double radius, double minStroke) {
  // Drawn on its own mask first, so that the cuts of a design do not bite into
  // shapes already on `mask`.
  Mask flake = mask.Blank();
  Pen pen(flake, centre, radius, minStroke);
  switch (design) {
    case 1: Dendrite(pen, flake); break;
    case 2: Plate(pen, flake); break;
    case 3: Fern(pen, flake); break;
    case 4: Star(pen, flake); break;
    case 5: TippedArms(pen, flake); break;
    case 6: RingFork(pen, flake); break;
    case 7: Chevrons(pen, flake); break;
    case 8: Sectored(pen, flake); break;
    default: Rich(pen, flake); break;
  }
  mask.Add(flake);
}

Shader IceShader(Vec2 centre, double radius) {
  return [centre, radius](Vec2 p) {
    const double d = Length(p - centre) / radius;
    return Mix(Rgb(196, 226, 255), Rgb(255, 255, 255), SmoothStep(0.05, 0.85, d));
  };
}

Image RenderFlake(int design, int size) {
  constexpr int kScale = 16;
  Canvas canvas(size, size, kScale);
  const Vec2 centre{size / 2.0, size / 2.0};
  const double radius = size / 2.0 - 0.3;
  Mask mask = canvas.NewMask();
  DrawFlake(mask, design, centre, radius, 0.9);
  // A faint blue rim keeps the white flake visible over snow and bright pictures.
  Mask rim = mask;
  rim.Grow(0.45);
  canvas.Fill(rim, Rgb(104, 146, 214, 0.5));
  canvas.Fill(mask, IceShader(centre, radius));
  Image image = canvas.Resolve(Rgb(236, 246, 255));
  // A slightly firmer alpha: pixels all but covered become solid, which keeps the
  // smallest flakes crisp instead of misty.
  for (Pixel& p : image.pixels) p.a = static_cast<std::uint8_t>(std::min(255, (p.a * 11 + 5) / 10));
  return image;
}

}  // namespace fl::art
