#include "Flakes.h"
#include "Pictures.h"

namespace fl::art {

Image BuiltInFlake(int design) { return RenderFlake(design, 16); }

Image StockFlake() { return RenderFlake(kFlakeDesigns, 32); }

Image FlakeThumbnail(int design) {
  constexpr int kSize = 50;
  Canvas canvas(kSize, kSize, 8);
  const Vec2 centre{kSize / 2.0, kSize / 2.0};
  // Night blue, a little lighter behind the flake.
  canvas.Paint([centre](Vec2 p) {
    return Mix(Rgb(34, 58, 112), Rgb(10, 20, 52), SmoothStep(0, 1, Length(p - centre) / (kSize * 0.7)));
  });
  const double radius = 21.5;
  Mask mask = canvas.NewMask();
  DrawFlake(mask, design, centre, radius, 1.6);
  canvas.Fill(mask, IceShader(centre, radius));
  return canvas.Resolve();
}

}  // namespace fl::art
