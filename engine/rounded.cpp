#include "engine/rounded.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/derived.h"

namespace tarvik {
namespace {

Point Sub(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
Point Unit(Point a) {
  const double l = std::hypot(a.x, a.y);
  return l > 0 ? Point{a.x / l, a.y / l} : Point{};
}

// Green's theorem turns each integral into a line integral along the boundary; on a
// straight edge a-b the line integrals are the polygon formulas, exact for any polygon
void AddEdge(AreaIntegrals& s, Point a, Point b) {
  if (a == b) return;
  const double cross = a.x * b.y - b.x * a.y;
  s.a += cross / 2;
  s.sy += (a.x + b.x) * cross / 6;
  s.sx += (a.y + b.y) * cross / 6;
  s.iyy += (a.x * a.x + a.x * b.x + b.x * b.x) * cross / 12;
  s.ixx += (a.y * a.y + a.y * b.y + b.y * b.y) * cross / 12;
  s.ixy += (a.x * b.y + 2 * a.x * a.y + 2 * b.x * b.y + b.x * a.y) * cross / 24;
}

// Along an arc the line integrals are those of the circular sector it sweeps about its
// centre, plus those of the two radii to its ends (start -> centre -> end closes the
// sector). The sector's integrals about its centre follow from the sines and cosines of its
// end angles, which are the ends' offsets from the centre over the radius.
void AddArc(AreaIntegrals& s, const Fillet& f) {
  if (f.radius <= 0 || f.sweep == 0) return;
  const double r = f.radius, cx = f.centre.x, cy = f.centre.y;
  const double c0 = (f.start.x - cx) / r, s0 = (f.start.y - cy) / r;
  const double c1 = (f.end.x - cx) / r, s1 = (f.end.y - cy) / r;
  const double r2 = r * r;
  const double a = r2 * f.sweep / 2;                  // ∫ dA
  const double su = r2 * r / 3 * (s1 - s0);           // ∫ u dA, u = x - cx
  const double sv = r2 * r / 3 * (c0 - c1);           // ∫ v dA, v = y - cy
  const double eighth = r2 * r2 / 8;
  const double iuu = eighth * (f.sweep + (s1 * c1 - s0 * c0));  // ∫ u² dA
  const double ivv = eighth * (f.sweep - (s1 * c1 - s0 * c0));  // ∫ v² dA
  const double iuv = eighth * (s1 * s1 - s0 * s0);              // ∫ uv dA
  s.a += a;
  s.sy += cx * a + su;
  s.sx += cy * a + sv;
  s.iyy += cx * cx * a + 2 * cx * su + iuu;
  s.ixx += cy * cy * a + 2 * cy * sv + ivv;
  s.ixy += cx * cy * a + cx * sv + cy * su + iuv;
  AddEdge(s, f.start, f.centre);
  AddEdge(s, f.centre, f.end);
}

}  // namespace

AreaIntegrals& AreaIntegrals::operator+=(const AreaIntegrals& o) {
  a += o.a;
  sx += o.sx;
  sy += o.sy;
  ixx += o.ixx;
  iyy += o.iyy;
  ixy += o.ixy;
  return *this;
}

Fillet FilletAt(const RoundedOutline& outline, size_t i) {
  const size_t n = outline.size();
  const RoundedCorner& c = outline[i];
  Fillet f{c.p, c.p, c.p, 0, 0};
  if (c.radius <= 0 || n < 3) return f;
  const Point u1 = Unit(Sub(outline[(i + n - 1) % n].p, c.p));
  const Point u2 = Unit(Sub(outline[(i + 1) % n].p, c.p));
  const double cosPhi = std::clamp(Dot(u1, u2), -1.0, 1.0);
  const double phi = std::acos(cosPhi);  // the angle between the two edges at the corner
  if (phi <= 1e-12 || phi >= std::numbers::pi - 1e-12) return f;  // no corner to round
  const double tangent = c.radius / std::tan(phi / 2);
  const Point bisector = Unit({u1.x + u2.x, u1.y + u2.y});
  const double toCentre = c.radius / std::sin(phi / 2);
  f.start = {c.p.x + u1.x * tangent, c.p.y + u1.y * tangent};
  f.end = {c.p.x + u2.x * tangent, c.p.y + u2.y * tangent};
  f.centre = {c.p.x + bisector.x * toCentre, c.p.y + bisector.y * toCentre};
  f.radius = c.radius;
  // the short way round the centre, which is the arc that touches both edges
  const double turn = u1.x * u2.y - u1.y * u2.x;  // > 0: the outline turns right here
  f.sweep = (turn > 0 ? -1 : 1) * (std::numbers::pi - phi);
  return f;
}

std::vector<Fillet> Fillets(const RoundedOutline& outline) {
  std::vector<Fillet> fillets;
  fillets.reserve(outline.size());
  for (size_t i = 0; i < outline.size(); ++i) fillets.push_back(FilletAt(outline, i));
  return fillets;
}

AreaIntegrals Integrate(const RoundedOutline& outline) {
  if (outline.size() < 3) return {};
  return Integrate(Fillets(outline));
}

AreaIntegrals Integrate(const std::vector<Fillet>& fillets) {
  AreaIntegrals s;
  const size_t n = fillets.size();
  if (n < 3) return s;
  for (size_t i = 0; i < n; ++i) {
    AddArc(s, fillets[i]);
    AddEdge(s, fillets[i].end, fillets[(i + 1) % n].start);
  }
  return s;
}

CentralProperties Central(const AreaIntegrals& s) {
  CentralProperties c;
  c.area = s.a;
  if (s.a == 0) return c;
  c.xc = s.sy / s.a;
  c.yc = s.sx / s.a;
  c.ixx = s.ixx - s.sx * s.sx / s.a;
  c.iyy = s.iyy - s.sy * s.sy / s.a;
  c.ixy = s.ixy - s.sx * s.sy / s.a;
  const OsieGlowne g = MomentyGlowne(c.ixx, c.iyy, c.ixy, 0.0);
  c.j1 = g.j1;
  c.j2 = g.j2;
  c.angle = g.angle;
  if (c.angle <= -std::numbers::pi / 2 + 1e-15) c.angle += std::numbers::pi;
  return c;
}

double Perimeter(const RoundedOutline& outline) { return Perimeter(Fillets(outline)); }

double Perimeter(const std::vector<Fillet>& fillets) {
  double length = 0;
  const size_t n = fillets.size();
  for (size_t i = 0; i < n; ++i) {
    const Point a = fillets[i].end, b = fillets[(i + 1) % n].start;
    length += std::fabs(fillets[i].sweep) * fillets[i].radius + std::hypot(b.x - a.x, b.y - a.y);
  }
  return length;
}

std::vector<Point> Densify(const RoundedOutline& outline, int chords) {
  return Densify(Fillets(outline), chords);
}

std::vector<Point> Densify(const std::vector<Fillet>& fillets, int chords) {
  std::vector<Point> out;
  out.reserve(fillets.size() * static_cast<size_t>(std::max(chords, 1) + 1));
  // the turns from an arc's start to its inner chord ends [cos, sin], for each sweep met:
  // a profile's bends come in a few sweeps, turning either way
  struct Turns {
    double sweep;
    std::vector<double> cosines, sines;
  };
  std::vector<Turns> tables;
  for (const Fillet& f : fillets) {
    if (f.radius <= 0 || f.sweep == 0 || chords < 1) {
      out.push_back(f.start);
      if (!(f.end == f.start)) out.push_back(f.end);
      continue;
    }
    auto table = std::find_if(tables.begin(), tables.end(),
                              [&](const Turns& t) { return t.sweep == f.sweep; });
    if (table == tables.end()) {
      Turns t{f.sweep, std::vector<double>(static_cast<size_t>(chords)),
              std::vector<double>(static_cast<size_t>(chords))};
      for (int k = 1; k < chords; ++k) {
        const double turn = f.sweep * k / chords;
        t.cosines[static_cast<size_t>(k)] = std::cos(turn);
        t.sines[static_cast<size_t>(k)] = std::sin(turn);
      }
      tables.push_back(std::move(t));
      table = tables.end() - 1;
    }
    const std::vector<double>& cosines = table->cosines;
    const std::vector<double>& sines = table->sines;
    // the start's direction from the centre, turned
    const double c0 = (f.start.x - f.centre.x) / f.radius, s0 = (f.start.y - f.centre.y) / f.radius;
    out.push_back(f.start);
    for (size_t k = 1; k < static_cast<size_t>(chords); ++k) {
      const double c = c0 * cosines[k] - s0 * sines[k], s = s0 * cosines[k] + c0 * sines[k];
      out.push_back({f.centre.x + f.radius * c, f.centre.y + f.radius * s});
    }
    out.push_back(f.end);
  }
  return out;
}

}  // namespace tarvik
