#include "generators/cold_formed_shapes.h"

#include <algorithm>
#include <cmath>

namespace tarvik {
namespace {

Point Sub(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
double Length(Point a) { return std::hypot(a.x, a.y); }
Point Unit(Point a) {
  const double l = Length(a);
  return l > 0 ? Point{a.x / l, a.y / l} : Point{};
}
// c + a·u + b·v
Point Along(Point c, Point u, double a, Point v = {}, double b = 0) {
  return {c.x + a * u.x + b * v.x, c.y + a * u.y + b * v.y};
}

// the drawn points of corner i of the ring, its fillet f
void DrawCorner(const std::vector<FaceCorner>& ring, size_t i, const Fillet& f, BendDrawing drawing,
                std::vector<Point>& out) {
  const FaceCorner& c = ring[i];
  if (!c.bend) {
    out.push_back(c.p);
    return;
  }
  const size_t n = ring.size();
  const Point u1 = Unit(Sub(ring[(i + n - 1) % n].p, c.p));
  const Point u2 = Unit(Sub(ring[(i + 1) % n].p, c.p));
  const double rho = c.radius;
  const bool right = std::fabs(u1.x * u2.x + u1.y * u2.y) < 1e-9;
  if (drawing == BendDrawing::kSigma && !right) {
    // the middle of the arc; on the corner when the bend is sharp
    if (f.radius <= 0) {
      out.push_back(c.p);
      return;
    }
    const Point m = Unit({u1.x + u2.x, u1.y + u2.y});
    const double toCentre = Length(Sub(f.centre, c.p));
    out.push_back(Along(c.p, m, toCentre - f.radius));
    return;
  }
  out.push_back(Along(c.p, u1, rho));
  if (drawing == BendDrawing::kThirty) {
    out.push_back(Along(c.p, u1, 0.5 * rho, u2, 0.134 * rho));
    out.push_back(Along(c.p, u1, 0.134 * rho, u2, 0.5 * rho));
  } else {
    out.push_back(Along(c.p, u1, 0.293 * rho, u2, 0.293 * rho));
  }
  out.push_back(Along(c.p, u2, rho));
}

// the face g/2 to the right (side = 1) or left (side = -1) of the mid-line: the ends moved
// square to their plates, every inner vertex where the two moved lines meet
std::vector<Point> Face(const std::vector<Point>& mid, double g, double side) {
  const size_t n = mid.size();
  std::vector<Point> face(n);
  auto normal = [&](size_t k) {  // of the plate k..k+1, to the right of its direction
    const Point d = Unit(Sub(mid[k + 1], mid[k]));
    return Point{d.y, -d.x};
  };
  const double h = side * g / 2;
  face[0] = Along(mid[0], normal(0), h);
  face[n - 1] = Along(mid[n - 1], normal(n - 2), h);
  for (size_t k = 1; k + 1 < n; ++k) {
    const Point n1 = normal(k - 1), n2 = normal(k);
    const double cosine = n1.x * n2.x + n1.y * n2.y;
    face[k] = Along(mid[k], {n1.x + n2.x, n1.y + n2.y}, h / (1 + cosine));
  }
  return face;
}

}  // namespace

BentOutline Realise(const std::vector<FaceCorner>& ring, BendDrawing drawing) {
  BentOutline out;
  out.exact.reserve(ring.size());
  out.firstDrawn.reserve(ring.size());
  out.drawn.reserve(4 * ring.size());
  for (const FaceCorner& c : ring) out.exact.push_back({c.p, c.bend ? c.radius : 0.0});
  out.fillets = Fillets(out.exact);
  for (size_t i = 0; i < ring.size(); ++i) {
    out.firstDrawn.push_back(out.drawn.size());
    DrawCorner(ring, i, out.fillets[i], drawing, out.drawn);
  }
  return out;
}

BentOutline BentPlate(const std::vector<Point>& mid, double g, double r, BendDrawing drawing,
                      size_t start, size_t skip) {
  const size_t n = mid.size();
  const std::vector<Point> right = Face(mid, g, 1), left = Face(mid, g, -1);
  std::vector<FaceCorner> ring;
  // a bend turning left has the left face inside it (radius r) and the right face outside
  auto turn = [&](size_t k) {
    const Point d1 = Sub(mid[k], mid[k - 1]), d2 = Sub(mid[k + 1], mid[k]);
    return d1.x * d2.y - d1.y * d2.x;
  };
  for (size_t k = 0; k < n; ++k) {
    const bool bend = k > 0 && k + 1 < n;
    ring.push_back({right[k], bend ? (turn(k) > 0 ? r + g : r) : 0.0, bend});
  }
  for (size_t k = n; k-- > 0;) {
    const bool bend = k > 0 && k + 1 < n;
    ring.push_back({left[k], bend ? (turn(k) > 0 ? r : r + g) : 0.0, bend});
  }
  BentOutline out = Realise(ring, drawing);
  const size_t first = out.firstDrawn.at(start) + skip;
  std::rotate(out.drawn.begin(), out.drawn.begin() + static_cast<std::ptrdiff_t>(first),
              out.drawn.end());
  for (size_t& f : out.firstDrawn) f = (f + out.drawn.size() - first) % out.drawn.size();
  return out;
}

std::vector<Plate> MidLinePlates(const std::vector<Point>& mid, double g) {
  std::vector<Plate> plates;
  for (size_t k = 0; k + 1 < mid.size(); ++k) plates.push_back({mid[k], mid[k + 1], g});
  return plates;
}

TubeOutline BoxTube(double H, double B, double g, double r, double R) {
  const double x = B / 2, y = H / 2, xi = x - g, yi = y - g;
  TubeOutline t;
  const std::vector<FaceCorner> outer = {
      {{x, -y}, R, true}, {{x, y}, R, true}, {{-x, y}, R, true}, {{-x, -y}, R, true}};
  t.outer = Realise(outer, BendDrawing::kThirty);
  // a point in the middle of each face before each corner's points, from the bottom face on
  const std::vector<Point> drawn = t.outer.drawn;
  const Point middles[] = {{0, -y}, {x, 0}, {0, y}, {-x, 0}};
  t.outer.drawn.clear();
  for (size_t k = 0; k < 4; ++k) {
    t.outer.firstDrawn[k] = t.outer.drawn.size() + 1;
    t.outer.drawn.push_back(middles[k]);
    t.outer.drawn.insert(t.outer.drawn.end(), drawn.begin() + 4 * k, drawn.begin() + 4 * k + 4);
  }
  const std::vector<FaceCorner> hole = {
      {{xi, yi}, r, true}, {{xi, -yi}, r, true}, {{-xi, -yi}, r, true}, {{-xi, yi}, r, true}};
  t.hole = Realise(hole, BendDrawing::kThirty);
  return t;
}

std::optional<size_t> VanishingFlat(const RoundedOutline& outline) {
  return VanishingFlat(outline, Fillets(outline));
}

std::optional<size_t> VanishingFlat(const RoundedOutline& outline,
                                    const std::vector<Fillet>& fillets) {
  const size_t n = outline.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t j = (i + 1) % n;
    const double edge = Length(Sub(outline[j].p, outline[i].p));
    const double used =
        Length(Sub(fillets[i].end, outline[i].p)) + Length(Sub(fillets[j].start, outline[j].p));
    // a flat of zero length (a bend running straight into the next) is still an outline
    if (used > edge * (1 + 1e-9)) return i;
  }
  return std::nullopt;
}

RoundedOutline Moved(const RoundedOutline& outline, double dx, double dy) {
  RoundedOutline out = outline;
  for (RoundedCorner& c : out) c.p = {c.p.x + dx, c.p.y + dy};
  return out;
}

RoundedOutline MirroredInY(const RoundedOutline& outline) {
  RoundedOutline out(outline.rbegin(), outline.rend());
  for (RoundedCorner& c : out) c.p.x = -c.p.x;
  return out;
}

RoundedOutline HalfTurned(const RoundedOutline& outline) {
  RoundedOutline out = outline;
  for (RoundedCorner& c : out) c.p = {-c.p.x, -c.p.y};
  return out;
}

}  // namespace tarvik
