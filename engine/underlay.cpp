#include "engine/underlay.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvik {
namespace {

// halves to even, as the fit rounds everywhere; clamped so that no extent can overflow int32
// (a drawing whose extent overflows a double gives 0 * inf: no pixel, 0)
int32_t RoundPixel(double v) {
  constexpr double kLimit = std::numeric_limits<int32_t>::max();
  if (std::isnan(v)) return 0;
  return static_cast<int32_t>(std::clamp(std::nearbyint(v), -kLimit, kLimit));
}

// 0.9 of the box over the extent; a direction without extent does not limit
double DirectionScale(int box, double extent) { return extent > 0 ? 0.9 * box / extent : 1e10; }

}  // namespace

void UstawPodklad(Podklad& podklad, std::vector<OdcinekPodkladu> odcinki) {
  podklad = Podklad{};
  for (const OdcinekPodkladu& o : odcinki) {
    podklad.xmin = std::min({podklad.xmin, o.x1, o.x2});
    podklad.xmax = std::max({podklad.xmax, o.x1, o.x2});
    podklad.ymin = std::min({podklad.ymin, o.y1, o.y2});
    podklad.ymax = std::max({podklad.ymax, o.y1, o.y2});
  }
  for (OdcinekPodkladu& o : odcinki) {
    o.x1 -= podklad.xmin;
    o.x2 -= podklad.xmin;
    o.y1 -= podklad.ymin;
    o.y2 -= podklad.ymin;
  }
  podklad.odcinki = std::move(odcinki);
}

namespace {

// every segment's pixels from the underlay's scale and offsets
void Mapuj(Podklad& podklad, int H) {
  const double s = podklad.skala;
  for (OdcinekPodkladu& o : podklad.odcinki) {
    o.px1 = RoundPixel(o.x1 * s) + podklad.ox;
    o.px2 = RoundPixel(o.x2 * s) + podklad.ox;
    o.py1 = H - RoundPixel(o.y1 * s) - podklad.oy;
    o.py2 = H - RoundPixel(o.y2 * s) - podklad.oy;
  }
}

}  // namespace

void DopasujPodklad(Podklad& podklad, int W, int H) {
  if (podklad.empty()) return;
  const double width = podklad.szerokosc(), height = podklad.wysokosc();
  const double s = std::min(DirectionScale(W, width), DirectionScale(H, height));
  // integer division truncates toward zero, as the offsets are defined
  podklad.skala = s;
  podklad.ox = (W - RoundPixel(width * s)) / 2;
  podklad.oy = (H - RoundPixel(height * s)) / 2;
  Mapuj(podklad, H);
}

void PrzyblizPodklad(Podklad& podklad, int mx, int my, double factor, int H) {
  if (podklad.empty() || !(factor > 0)) return;
  const double s = podklad.skala, s2 = s * factor;
  // the model point under the mouse, which stays there
  const double u = (mx - podklad.ox) / s, v = (H - my - podklad.oy) / s;
  podklad.skala = s2;
  podklad.ox = mx - RoundPixel(u * s2);
  podklad.oy = H - my - RoundPixel(v * s2);
  Mapuj(podklad, H);
}

void SkalujPodklad(Podklad& podklad, double factor, int W, int H) {
  if (podklad.empty()) return;
  for (OdcinekPodkladu& o : podklad.odcinki) {
    o.x1 *= factor;
    o.y1 *= factor;
    o.x2 *= factor;
    o.y2 *= factor;
  }
  podklad.xmin *= factor;
  podklad.xmax *= factor;
  podklad.ymin *= factor;
  podklad.ymax *= factor;
  DopasujPodklad(podklad, W, H);
}

}  // namespace tarvik
