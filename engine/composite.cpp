#include "engine/composite.h"

#include <cmath>

#include "engine/derived.h"
#include "engine/section_kind.h"

namespace tarvik {
namespace {

double Weight(const PropertiesRecord& p) { return p[slot::E] == 0 ? 1 : p[slot::E]; }

// the section transformed to the reference material: each figure counts Ei/Eo times
void WeightedSums(const SectionModel& model, int first, int last, PropertiesRecord& r) {
  double area = 0, ax = 0, ay = 0;
  for (int f = first; f <= last; ++f) {
    const PropertiesRecord& p = model.figures[f].props;
    area += p[slot::A] * Weight(p);
    ax += p[slot::A] * (p[slot::xS] / 10) * Weight(p);
    ay += p[slot::A] * (p[slot::yS] / 10) * Weight(p);
  }
  if (area == 0) return;
  const double xc = 10 * ax / area, yc = 10 * ay / area;
  double jx = 0, jy = 0;
  for (int f = first; f <= last; ++f) {
    const PropertiesRecord& p = model.figures[f].props;
    const MomentyOsi own = MomentyCentralne(p);
    jx += ((yc - p[slot::yS]) * (yc - p[slot::yS]) * p[slot::A] / 100 + own.jx) * Weight(p);
    jy += ((xc - p[slot::xS]) * (xc - p[slot::xS]) * p[slot::A] / 100 + own.jy) * Weight(p);
  }
  r[slot::xS] = xc;
  r[slot::yS] = yc;
  r[slot::A] = area;
  r[slot::J1] = jx;
  r[slot::J2] = jy;
  if (r.name().find("Żebro") == std::string::npos)
    r.setName("Zespolony");
  else
    r.setName(r.name() + " Zesp.");
}

}  // namespace

void SumujFigury(SectionModel& model, bool tieBreak, PropertiesRecord& r) {
  if (r.name().empty()) return;
  model.composite = false;
  int first = 0, last = 0;
  if (MultiFigureKind(model.kind)) first = 1, last = model.lastFigure();

  double area = 0, ax = 0, ay = 0, jx = 0, jy = 0, jxy = 0, outer = 0, inner = 0;
  for (int f = first; f <= last; ++f) {
    const PropertiesRecord& p = model.figures[f].props;
    if (p[slot::E] > 0 && p[slot::E] != 1) model.composite = true;
    const double a = p[slot::A], x = p[slot::xS], y = p[slot::yS];
    const MomentyOsi own = MomentyCentralne(p);
    area += a;
    ax += a * x;
    ay += a * y;
    jx += own.jx + (y / 10) * (y / 10) * a;
    jy += own.jy + (x / 10) * (x / 10) * a;
    jxy += own.jxy + a * x * y / 100;
    outer += p[slot::Oz];
    inner += p[slot::Ow];
  }
  if (area == 0) return;

  const double xc = ax / area, yc = ay / area;
  const double jxc = jx - (yc / 10) * (yc / 10) * area;
  const double jyc = jy - (xc / 10) * (xc / 10) * area;
  const double jxyc = jxy - area * (xc / 10) * (yc / 10);
  OsieGlowne g = MomentyGlowne(jxc, jyc, jxyc, 0.000001);
  if (tieBreak) OsieWzdluzX(g);
  const double angle = g.angle;
  r[slot::xS] = xc;
  r[slot::yS] = yc;
  r[slot::al] = angle;
  r[slot::A] = area;
  r[slot::J1] = g.j1;
  r[slot::J2] = g.j2;
  r[slot::Oz] = outer;
  r[slot::Ow] = inner;

  // the weighted sums hold only while the principal axes stay parallel to x and y
  if (std::fabs(angle) > 0.0001) model.composite = false;
  if (model.composite && last - first + 1 > 1) WeightedSums(model, first, last, r);
  model.modularRatioShown = model.figureCount > 1 && std::fabs(angle) < 0.0001;
}

}  // namespace tarvik
