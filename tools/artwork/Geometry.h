#pragma once
// Points and the few vector operations the drawings need. Picture coordinates:
// x to the right, y downwards, one unit per output pixel.
#include <cmath>
#include <numbers>

namespace fl::art {

struct Vec2 {
  double x = 0;
  double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
inline double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline double Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
inline Vec2 Lerp(Vec2 a, Vec2 b, double t) { return a + (b - a) * t; }

inline double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The point at this distance and compass angle: 0 degrees is straight up, angles grow clockwise.
inline Vec2 Polar(double radius, double degrees) {
  const double a = Radians(degrees);
  return {radius * std::sin(a), -radius * std::cos(a)};
}

// Rotates clockwise (on screen) about the origin.
inline Vec2 Rotated(Vec2 v, double degrees) {
  const double a = Radians(degrees);
  const double c = std::cos(a);
  const double s = std::sin(a);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

inline double Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

// 0 below edge0, 1 above edge1, a smooth S-curve between.
inline double SmoothStep(double edge0, double edge1, double v) {
  const double t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

}  // namespace fl::art
