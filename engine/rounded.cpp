#include "engine/rounded.h"

#include <algorithm>
#include <array>
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

// 16-point Gauss–Legendre nodes and weights on [-1, 1] (symmetric halves)
constexpr std::array<double, 8> kNodes = {
    0.0950125098376374, 0.2816035507792589, 0.4580167776572274, 0.6178762444026438,
    0.7554044083550030, 0.8656312023878318, 0.9445750230732326, 0.9894009349916499};
constexpr std::array<double, 8> kWeights = {
    0.1894506104550685, 0.1826034150449236, 0.1691565193950025, 0.1495959888165767,
    0.1246289712555339, 0.0951585116824928, 0.0622535239386479, 0.0271524594117541};

// Green's theorem: each integral is a line integral of the boundary, here of one piece given
// by its point and derivative at a parameter value
template <typename Piece>
void AddPiece(AreaIntegrals& s, Piece piece) {
  auto add = [&](double t, double w) {
    const auto [p, d] = piece(t);
    const double x = p.x, y = p.y;
    s.a += w * x * d.y;
    s.sy += w * x * x * d.y / 2;
    s.sx -= w * y * y * d.x / 2;
    s.iyy += w * x * x * x * d.y / 3;
    s.ixx -= w * y * y * y * d.x / 3;
    s.ixy += w * x * x * y * d.y / 2;
  };
  for (size_t k = 0; k < kNodes.size(); ++k) {
    add(0.5 + 0.5 * kNodes[k], 0.5 * kWeights[k]);
    add(0.5 - 0.5 * kNodes[k], 0.5 * kWeights[k]);
  }
}

struct PointAndSlope {
  Point p, d;
};

void AddEdge(AreaIntegrals& s, Point a, Point b) {
  if (a == b) return;
  const Point d = Sub(b, a);
  AddPiece(s, [&](double t) { return PointAndSlope{{a.x + d.x * t, a.y + d.y * t}, d}; });
}

void AddArc(AreaIntegrals& s, const Fillet& f) {
  if (f.radius <= 0 || f.sweep == 0) return;
  const double a0 = std::atan2(f.start.y - f.centre.y, f.start.x - f.centre.x);
  // an arc of more than a quarter turn is split so that the quadrature stays exact to rounding
  const int parts = 1 + static_cast<int>(std::fabs(f.sweep) / (std::numbers::pi / 2));
  for (int k = 0; k < parts; ++k) {
    const double from = a0 + f.sweep * k / parts, span = f.sweep / parts;
    AddPiece(s, [&](double t) {
      const double ang = from + span * t, c = std::cos(ang), sn = std::sin(ang);
      return PointAndSlope{{f.centre.x + f.radius * c, f.centre.y + f.radius * sn},
                           {-f.radius * sn * span, f.radius * c * span}};
    });
  }
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
  for (const Fillet& f : fillets) {
    if (f.radius <= 0 || f.sweep == 0 || chords < 1) {
      out.push_back(f.start);
      if (!(f.end == f.start)) out.push_back(f.end);
      continue;
    }
    const double a0 = std::atan2(f.start.y - f.centre.y, f.start.x - f.centre.x);
    out.push_back(f.start);
    for (int k = 1; k < chords; ++k) {
      const double ang = a0 + f.sweep * k / chords;
      out.push_back({f.centre.x + f.radius * std::cos(ang), f.centre.y + f.radius * std::sin(ang)});
    }
    out.push_back(f.end);
  }
  return out;
}

}  // namespace tarvik
