#include "generators/arbitrary_points.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvik {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

}  // namespace

void ZmianaTrojkata(Ksztalt& k, ZmianaPola changed) {
  switch (k.rodzaj) {
    case kRownoboczny:
      k.b = 0.866 * k.a;
      k.kat = 60;
      break;
    case kRownoramienny:
      if (changed == ZmianaPola::kKat) {
        if (k.kat > 85) k.kat = 60;
        k.b = k.a / 2 * std::tan(k.kat * kDegree);
      } else if (k.a > 0) {
        k.kat = std::atan(2 * k.b / k.a) / kDegree;
      }
      break;
    default:
      break;
  }
}

void ZmianaKola(Ksztalt& k, ZmianaPola changed) {
  const double r = k.a;
  if (changed == ZmianaPola::kWysokosc) {
    if (r <= 0) return;
    k.h = std::min(k.h, 2 * r);
    k.b = std::acos(1 - k.h / r) * 360 / std::numbers::pi;
    return;
  }
  k.b = std::min(k.b, 360.0);
  k.h = r * (1 - std::cos(k.b / 2 * kDegree));
}

namespace {

double Step(double value, double step, int direction) {
  const double v = value + direction * step;
  return v < 1 ? step : v;
}

}  // namespace

double KrokKsztaltu(double value, int direction) {
  return Step(std::nearbyint(value), 10, direction);
}

double KrokZakresu(double value, int direction) { return Step(value, 100, direction); }

double KrokOczka(double value, int direction) { return Step(value, 5, direction); }

double OczkoSiatki(double range, double step) { return range < step ? range / 20 : step; }

WartosciPunktu WartosciZPozycji(WyborPunktu w, Point clicked, std::optional<Point> previous) {
  Point d = clicked;
  if (w.sposob == kWzgledny) {
    if (!previous) return {};
    d = {clicked.x - previous->x, clicked.y - previous->y};
  }
  if (w.uklad == kKartezjanski) return {d.x, d.y};
  // a click on the previous point itself has no direction: 0°
  const double angle = d.x == 0 && d.y == 0 ? 0 : std::atan2(d.y, d.x) / kDegree;
  return {std::hypot(d.x, d.y), angle};
}

Point PunktZWartosci(WyborPunktu w, WartosciPunktu v, std::optional<Point> previous) {
  Point d{v.v1, v.v2};
  if (w.uklad == kBiegunowy) d = {v.v1 * std::cos(v.v2 * kDegree), v.v1 * std::sin(v.v2 * kDegree)};
  if (w.sposob == kWzgledny && previous) d = {previous->x + d.x, previous->y + d.y};
  return d;
}

}  // namespace tarvik
