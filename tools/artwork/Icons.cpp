// The 16 x 16 button icons: a dark outline under a bright fill keeps each one
// readable on any button face.
#include <vector>

#include "Pictures.h"

namespace fl::art {
namespace {

constexpr int kSize = 16;
constexpr int kScale = 16;

std::vector<Vec2> Box(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

void FillShape(Canvas& canvas, const std::vector<Vec2>& shape, Rgba fill, Rgba outline) {
  Mask inside = canvas.NewMask();
  inside.Polygon(shape);
  canvas.Fill(inside, fill);
  Mask edge = canvas.NewMask();
  edge.Polyline(shape, 1.0, true);
  canvas.Fill(edge, outline);
}

std::vector<Vec2> ScaledAbout(const std::vector<Vec2>& shape, double factor) {
  Vec2 middle;
  for (const Vec2& p : shape) middle = middle + p * (1.0 / shape.size());
  std::vector<Vec2> out;
  for (const Vec2& p : shape) out.push_back(middle + (p - middle) * factor);
  return out;
}

}  // namespace

Image HomepageIcon() {
  Canvas canvas(kSize, kSize, kScale);
  FillShape(canvas, Box(11, 2.5, 13, 7), Rgb(196, 66, 48), Rgb(110, 34, 26));        // chimney
  FillShape(canvas, Box(3.5, 7, 12.5, 14.5), Rgb(250, 242, 222), Rgb(112, 88, 64));  // walls
  FillShape(canvas, Box(6.8, 10, 9.2, 14.5), Rgb(152, 96, 48), Rgb(96, 58, 28));     // door
  const std::vector<Vec2> roof = {{1.6, 8.2}, {8, 2.0}, {14.4, 8.2}};
  Mask roofEdge = canvas.NewMask();
  roofEdge.Polyline(roof, 3.6);
  canvas.Fill(roofEdge, Rgb(110, 30, 22));
  Mask roofFill = canvas.NewMask();
  roofFill.Polyline(roof, 1.8);
  canvas.Fill(roofFill, Rgb(218, 72, 52));
  return canvas.Resolve();
}

Image FeedbackIcon() {
  Canvas canvas(kSize, kSize, kScale);
  const Rgba ink = Rgb(70, 88, 132);
  FillShape(canvas, Box(1.5, 3.5, 14.5, 12.5), Rgb(252, 252, 246), ink);
  Mask folds = canvas.NewMask();
  const Vec2 low[] = {{1.8, 12.2}, {6.4, 7.9}};
  const Vec2 lowRight[] = {{14.2, 12.2}, {9.6, 7.9}};
  folds.Polyline(low, 0.8).Polyline(lowRight, 0.8);
  canvas.Fill(folds, Rgb(150, 164, 196));
  Mask flap = canvas.NewMask();
  const Vec2 flapLine[] = {{1.8, 3.9}, {8, 9.0}, {14.2, 3.9}};
  flap.Polyline(flapLine, 1.0);
  canvas.Fill(flap, ink);
  return canvas.Resolve();
}

Image UpdateIcon() {
  Canvas canvas(kSize, kSize, kScale);
  const Vec2 centre{8, 8.3};
  const double radius = 4.9;
  const double start = 60;
  const double end = 330;
  std::vector<Vec2> arc;
  for (double a = start; a <= end; a += 5) arc.push_back(centre + Polar(radius, a));
  // The head sits at the end of the arc and points on around the circle.
  const Vec2 at = centre + Polar(radius, end);
  const Vec2 along = Polar(1, end + 90);
  const Vec2 out = Polar(1, end);
  const std::vector<Vec2> head = {at + along * 2.8, at - along * 0.6 + out * 2.9, at - along * 0.6 - out * 2.9};

  Mask dark = canvas.NewMask();
  dark.Polyline(arc, 3.5).Polygon(ScaledAbout(head, 1.45));
  canvas.Fill(dark, Rgb(26, 104, 44));
  Mask light = canvas.NewMask();
  light.Polyline(arc, 1.7).Polygon(head);
  canvas.Fill(light, Rgb(96, 204, 96));
  return canvas.Resolve();
}

Image BrowseIcon() {
  Canvas canvas(kSize, kSize, kScale);
  const Rgba edge = Rgb(136, 92, 20);
  FillShape(canvas, {{1, 3}, {6, 3}, {7.5, 4.6}, {14.5, 4.6}, {14.5, 13.5}, {1, 13.5}}, Rgb(222, 168, 52), edge);
  FillShape(canvas, {{1, 13.5}, {3.4, 7.2}, {15.5, 7.2}, {14.5, 13.5}}, Rgb(252, 212, 96), edge);
  return canvas.Resolve();
}

}  // namespace fl::art
