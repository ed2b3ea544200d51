#include "engine/derived.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace tarvik {

MomentyOsi MomentyCentralne(const PropertiesRecord& r) {
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  return {r[slot::J1] * c * c + r[slot::J2] * s * s, r[slot::J1] * s * s + r[slot::J2] * c * c,
          s * c * (r[slot::J2] - r[slot::J1])};
}

OsieGlowne MomentyGlowne(double jx, double jy, double jxy, double isotropic) {
  const double radius = std::sqrt((jx - jy) * (jx - jy) + 4 * jxy * jxy) / 2;
  OsieGlowne g{(jx + jy) / 2 + radius, (jx + jy) / 2 - radius, 0.0};
  if (!(std::fabs(jxy) < isotropic && std::fabs(jx - jy) < isotropic))
    g.angle = std::atan2(-2 * jxy, jx - jy) / 2;
  return g;
}

void OsieWzdluzX(OsieGlowne& g) {
  if (std::fabs(std::fabs(g.angle) - std::numbers::pi / 2) <= 0.0001) {
    std::swap(g.j1, g.j2);
    g.angle = 0;
  }
}

MomentyUzytkownika MomentyWUkladzie(const PropertiesRecord& r, double x0, double y0,
                                    double angleDeg) {
  const MomentyOsi c0 = MomentyCentralne(r);
  const double a = r[slot::A];
  const double dx = (r[slot::xS] - x0) / 10, dy = (r[slot::yS] - y0) / 10;  // cm
  const double jx = c0.jx + a * dy * dy, jy = c0.jy + a * dx * dx, jxy = c0.jxy + a * dx * dy;
  const double t = angleDeg * std::numbers::pi / 180, c = std::cos(t), s = std::sin(t);
  MomentyUzytkownika u;
  u.j = {jx * c * c + jy * s * s - 2 * jxy * s * c, jx * s * s + jy * c * c + 2 * jxy * s * c,
         (jx - jy) * s * c + jxy * (c * c - s * s)};
  u.sx = a * dy;
  u.sy = a * dx;
  return u;
}

MomentyStatyczne MomentyStatyczneWzgledemPoczatku(const PropertiesRecord& r) {
  return {r[slot::A] * r[slot::yS] / 10, r[slot::A] * r[slot::xS] / 10};
}

void PolowaPrzekroju(PropertiesRecord& r, bool halve) {
  static constexpr int kHalved[] = {slot::A,  slot::Avx, slot::Avy, slot::J1,
                                    slot::J2, slot::Jt,  slot::Js};
  for (int k : kHalved) r[k] = halve ? r[k] / 2 : r[k] * 2;
}

Point PunktPlastyczny(const PropertiesRecord& r) {
  const double al = r[slot::al], xpl = r[slot::xpl], ypl = r[slot::ypl];
  return {r[slot::xS] - (xpl * std::cos(al) - ypl * std::sin(al)),
          r[slot::yS] - (xpl * std::sin(al) + ypl * std::cos(al))};
}

double PromienBezwladnosci(double j, double a) { return a > 0 && j > 0 ? std::sqrt(j / a) : 0.0; }

int MniejszyWskaznik(const PropertiesRecord& r, int first, int second) {
  return r[second] < r[first] ? second : first;
}

}  // namespace tarvik
