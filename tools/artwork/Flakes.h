#pragma once
// The snowflake designs. Every design is drawn six times around its centre and
// mirrored across each arm, so it has the six-fold symmetry of a real ice crystal.
#include "Canvas.h"

namespace fl::art {

// Designs 1 to 8 are the built-in flakes; design 9 is the stock custom flake.
constexpr int kFlakeDesigns = 9;

// Adds design `design` to the mask, centred at `centre`, its arms reaching `radius`.
// No stroke is drawn thinner than `minStroke` pixels, so that the smallest
// pictures keep every arm and branch visible.
void DrawFlake(Mask& mask, int design, Vec2 centre, double radius, double minStroke);

// Ice colouring: a touch of blue in the heart of the flake, white towards the tips.
Shader IceShader(Vec2 centre, double radius);

// The flake alone on a transparent square of `size` pixels.
Image RenderFlake(int design, int size);

}  // namespace fl::art
