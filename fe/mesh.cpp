// The mesher: the figures' outlines and holes go into one constrained Delaunay triangulation
// (CGAL), the faces inside the material are refined to the size and angle bounds, then every
// triangle becomes a six-node element.
#include "fe/mesh.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace tarvik::fe {
namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using Vb = CGAL::Delaunay_mesh_vertex_base_2<K>;
using Fb = CGAL::Delaunay_mesh_face_base_2<K>;
using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
// overlapping figures cross each other's outlines: the crossings become vertices
using Cdt = CGAL::Constrained_Delaunay_triangulation_2<K, Tds, CGAL::Exact_predicates_tag>;
using CgalPoint = Cdt::Point;
using Ring = std::vector<Node>;

constexpr double kPi = 3.141592653589793;
constexpr size_t kMaxVertices = 250000;  // the most nodes of corners a mesh may grow to
// the largest turn [rad] of a vertex that lies on a smooth curve followed by chords rather
// than at a corner (a fillet's true outline turns by 90° / 8 per vertex)
constexpr double kSmoothTurn = 15 * kPi / 180;

double Cross(const Node& o, const Node& a, const Node& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// twice the signed area: counter-clockwise positive
double DoubleArea(const Ring& r) {
  double s = 0;
  for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
    s += r[j].x * r[i].y - r[i].x * r[j].y;
  return s;
}

// the same point twice in a row (and the first point repeated at the end) says nothing
Ring WithoutRepeats(const Ring& in) {
  Ring r;
  for (const Node& p : in)
    if (r.empty() || p.x != r.back().x || p.y != r.back().y) r.push_back(p);
  while (r.size() > 1 && r.front().x == r.back().x && r.front().y == r.back().y) r.pop_back();
  return r;
}

int Sign(double v) { return (v > 0) - (v < 0); }

bool OnSegment(const Node& a, const Node& b, const Node& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// whether the closed segments ab and cd have a point in common
bool SegmentsMeet(const Node& a, const Node& b, const Node& c, const Node& d) {
  const int d1 = Sign(Cross(c, d, a)), d2 = Sign(Cross(c, d, b));
  const int d3 = Sign(Cross(a, b, c)), d4 = Sign(Cross(a, b, d));
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  return (d1 == 0 && OnSegment(c, d, a)) || (d2 == 0 && OnSegment(c, d, b)) ||
         (d3 == 0 && OnSegment(a, b, c)) || (d4 == 0 && OnSegment(a, b, d));
}

// neighbouring edges p-q and q-s overlap when s turns straight back along q-p
bool FoldsBack(const Node& p, const Node& q, const Node& s) {
  return Cross(p, q, s) == 0 && (q.x - p.x) * (s.x - q.x) + (q.y - p.y) * (s.y - q.y) < 0;
}

// Calls meet(i, j) for the pairs of edges, the first from a and the second from b, whose
// x ranges overlap (i < j once each when a and b are the same ring): a sweep along x, so a
// ring of a few hundred points is not checked pair by pair.
template <typename Meet>
bool AnyPair(const Ring& a, const Ring& b, Meet meet) {
  const bool same = &a == &b;
  struct Edge {
    double x0, x1;
    size_t i;
    bool second;
  };
  std::vector<Edge> edges;
  auto add = [&](const Ring& r, bool second) {
    for (size_t i = 0; i < r.size(); ++i) {
      const double u = r[i].x, v = r[(i + 1) % r.size()].x;
      edges.push_back({std::min(u, v), std::max(u, v), i, second});
    }
  };
  add(a, false);
  if (!same) add(b, true);
  std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.x0 < q.x0; });
  for (size_t k = 0; k < edges.size(); ++k)
    for (size_t m = k + 1; m < edges.size() && edges[m].x0 <= edges[k].x1; ++m) {
      const Edge &p = edges[k], &q = edges[m];
      if (same) {
        if (meet(std::min(p.i, q.i), std::max(p.i, q.i))) return true;
      } else if (p.second != q.second) {
        if (meet(p.second ? q.i : p.i, p.second ? p.i : q.i)) return true;
      }
    }
  return false;
}

// neighbouring edges share their common vertex only; edges further apart share nothing
bool SelfCrossing(const Ring& r) {
  const size_t n = r.size();
  for (size_t i = 0; i < n; ++i)
    if (FoldsBack(r[i], r[(i + 1) % n], r[(i + 2) % n])) return true;
  return AnyPair(r, r, [&](size_t i, size_t j) {
    if (j == i + 1 || (i == 0 && j == n - 1)) return false;  // neighbours
    return SegmentsMeet(r[i], r[i + 1], r[j], r[(j + 1) % n]);
  });
}

bool RingsCross(const Ring& p, const Ring& q) {
  return AnyPair(p, q, [&](size_t i, size_t j) {
    return SegmentsMeet(p[i], p[(i + 1) % p.size()], q[j], q[(j + 1) % q.size()]);
  });
}

double SegmentDistance(const Node& a, const Node& b, const Node& p) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
  return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

bool InsideRing(const Ring& r, double x, double y) {
  bool in = false;
  for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
    if ((r[i].y > y) != (r[j].y > y) &&
        x < (r[j].x - r[i].x) * (y - r[i].y) / (r[j].y - r[i].y) + r[i].x)
      in = !in;
  return in;
}

// a figure cleaned up: its outline counter-clockwise, its holes clockwise, so that the
// material lies to the left of every edge
struct Cleaned {
  Ring outer;
  std::vector<Ring> holes;
  double area = 0;  // net [mm^2]
};

// Points of different outlines closer than a billionth of the section's size are one point:
// figures placed by arithmetic meet at 7e-15 mm rather than at 0 (two channels of a set tip to
// tip), and the mesher would grade towards that gap without end.
void SnapTogether(std::vector<Cleaned>& clean) {
  double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
  auto each = [&](auto&& visit) {
    for (Cleaned& f : clean) {
      for (Node& p : f.outer) visit(p);
      for (Ring& h : f.holes)
        for (Node& p : h) visit(p);
    }
  };
  each([&](Node& p) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  });
  const double eps = 1e-9 * std::hypot(x1 - x0, y1 - y0);
  if (!(eps > 0)) return;
  // cells of size eps: a point's partner lies in its cell or a neighbouring one
  std::unordered_map<long long, std::vector<Node>> cells;
  auto key = [&](long long i, long long j) { return i * 4000000007LL + j; };
  each([&](Node& p) {
    const long long i = static_cast<long long>(std::floor((p.x - x0) / eps));
    const long long j = static_cast<long long>(std::floor((p.y - y0) / eps));
    for (long long di = -1; di <= 1; ++di)
      for (long long dj = -1; dj <= 1; ++dj) {
        auto c = cells.find(key(i + di, j + dj));
        if (c == cells.end()) continue;
        for (const Node& q : c->second)
          if (std::hypot(q.x - p.x, q.y - p.y) <= eps) {
            p = q;
            return;
          }
      }
    cells[key(i, j)].push_back(p);
  });
  // a ring may now hold the same point twice in a row
  auto dedupe = [](Ring& r) {
    Ring out;
    for (const Node& p : r)
      if (out.empty() || p.x != out.back().x || p.y != out.back().y) out.push_back(p);
    while (out.size() > 1 && out.front().x == out.back().x && out.front().y == out.back().y)
      out.pop_back();
    r = std::move(out);
  };
  for (Cleaned& f : clean) {
    dedupe(f.outer);
    for (Ring& h : f.holes) dedupe(h);
  }
}

// ---- true arcs -----------------------------------------------------------------------------
// A generator's fillet or bend reaches the mesher as many short equal chords. Meshed as they
// stand, each chord is an element edge, and a rolled profile's fillets alone ask for hundreds
// of tiny elements. Recognised as an arc instead, it is meshed with a few chords whose element
// edges are bent onto the circle (the nodes along it moved onto it, the mid-side nodes at the
// middle of each bit of arc): quadratic edges follow a circle to a ten-thousandth of the radius
// at the sweeps used here.

// the chord from a to b of the circle about centre; concave where the material lies outside
// the circle (a root fillet, a bend's inner side, a bore)
struct ArcChord {
  Node a, b, centre;
  double r = 0;
  bool concave = false;
};

// the largest sweep of one element edge along an arc: the nodes the mesher adds on a chord are
// moved onto the arc by at most a seventh of the bit of chord they split (a quarter of the
// sweep in radians), which leaves the elements with the smallest angle sound
constexpr double kArcSweep = 20 * kPi / 180;

// the signed turn at q from the direction p->q to q->s [rad]
double Turn(const Node& p, const Node& q, const Node& s) {
  const double ax = q.x - p.x, ay = q.y - p.y, bx = s.x - q.x, by = s.y - q.y;
  return std::atan2(ax * by - ay * bx, ax * bx + ay * by);
}

bool Circumcircle(const Node& a, const Node& b, const Node& c, Node& centre, double& r) {
  const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
  const double d = 2 * (bx * cy - by * cx);
  if (d == 0) return false;
  const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  const double ux = (cy * b2 - by * c2) / d, uy = (bx * c2 - cx * b2) / d;
  centre = {a.x + ux, a.y + uy};
  r = std::hypot(ux, uy);
  return std::isfinite(r) && r > 0;
}

// the area between a chord of sweep theta and its arc, and between the chord and a quadratic
// edge through the chord's ends and the arc's middle
double SegmentArea(double r, double theta) { return r * r * (theta - std::sin(theta)) / 2; }
double ParabolaArea(double r, double theta) {
  return 2.0 / 3 * (2 * r * std::sin(theta / 2)) * (r * (1 - std::cos(theta / 2)));
}

// The ring with every recognised arc replaced by a few of its own points, each chord sweeping
// at most kArcSweep and no longer than maxChord; the chords along arcs go to arcs. area gets
// the ring's signed area with its true arcs, slack adds how far quadratic edges over the
// chords may miss it. An arc is a run of four or more chords of one length, each turning from
// the one before by one small angle, all of their ends on one circle: the shape Densify gives
// a fillet (its first and last points, where the straight edges touch it, turn by half as
// much and end the run). A ring that is all one arc is a whole circle.
Ring WithArcs(const Ring& r, double maxChord, std::vector<ArcChord>& arcs, double& area,
              double& slack) {
  const size_t n = r.size();
  area = DoubleArea(r) / 2;
  if (n < 4) return r;
  std::vector<double> turn(n), length(n);
  for (size_t i = 0; i < n; ++i) {
    turn[i] = Turn(r[(i + n - 1) % n], r[i], r[(i + 1) % n]);
    length[i] = std::hypot(r[(i + 1) % n].x - r[i].x, r[(i + 1) % n].y - r[i].y);
  }
  auto candidate = [&](size_t i) {
    const double t = std::fabs(turn[i]);
    return t > 0 && t <= kSmoothTurn && std::fabs(length[(i + n - 1) % n] - length[i]) <= 1e-6 * length[i];
  };
  // vertex i carries on the arc of the vertex before it
  auto carriesOn = [&](size_t i) {
    const size_t p = (i + n - 1) % n;
    return candidate(i) && candidate(p) && std::fabs(turn[i] - turn[p]) <= 1e-6 * std::fabs(turn[i]) &&
           std::fabs(length[i] - length[p]) <= 1e-6 * length[i];
  };
  struct Run {
    size_t a;  // the arc's first point (a tangent point)
    size_t m;  // its chords
  };
  std::vector<Run> runs;
  const long long count = static_cast<long long>(n);
  // scanning from a point no arc passes through (a corner or tangent point) where there is one
  long long start = -1;
  for (long long i = 0; i < count && start < 0; ++i)
    if (!candidate(static_cast<size_t>(i))) start = i;
  for (long long i = 0; i < count && start < 0; ++i)
    if (!carriesOn(static_cast<size_t>(i))) start = i;
  auto at = [&](long long k) { return static_cast<size_t>(((start + k) % count + count) % count); };
  if (start < 0) {
    runs.push_back({0, n});  // a whole circle
  } else {
    long long previousEnd = -count, firstStart = 0;
    for (long long k = 0; k < count;) {
      if (!candidate(at(k))) {
        ++k;
        continue;
      }
      long long j = k + 1;
      while (j < count && carriesOn(at(j))) ++j;
      // inner points k..j-1: the arc runs from point k-1 to point j, beginning where the arc
      // before it ended at the earliest, and ending before the first one begins
      const long long a = std::max(k - 1, previousEnd), b = j;
      if (b - a >= 4 && (runs.empty() || b <= firstStart + count)) {
        if (runs.empty()) firstStart = a;
        runs.push_back({at(a), static_cast<size_t>(b - a)});
        previousEnd = b;
      }
      k = j;
    }
  }
  std::vector<char> keep(n, 1);
  struct Kept {
    size_t run = 0;
    bool along = false;  // the chord from this kept point to the next one follows the run's arc
  };
  std::vector<Kept> role(n);
  std::vector<Node> centres;
  std::vector<double> radii;
  size_t arcsHere = 0;
  for (const Run& run : runs) {
    Node c;
    double radius = 0;
    const Node &p0 = r[run.a], &p1 = r[(run.a + run.m / 3) % n], &p2 = r[(run.a + 2 * run.m / 3) % n];
    if (!Circumcircle(p0, p1, p2, c, radius)) continue;
    bool onCircle = true;
    for (size_t k = 0; k <= run.m && onCircle; ++k) {
      const Node& p = r[(run.a + k) % n];
      onCircle = std::fabs(std::hypot(p.x - c.x, p.y - c.y) - radius) <= 1e-6 * radius;
    }
    if (!onCircle) continue;
    const double sweep = std::fabs(turn[(run.a + 1) % n]) * static_cast<double>(run.m);
    const double arcLength = length[run.a] * static_cast<double>(run.m);
    size_t chords = static_cast<size_t>(std::max(std::ceil(sweep / kArcSweep - 1e-9),
                                                 std::ceil(arcLength / maxChord - 1e-9)));
    chords = std::clamp<size_t>(chords, run.m == n ? 3 : 1, run.m);
    for (size_t k = 1; k < run.m; ++k) keep[(run.a + k) % n] = 0;
    for (size_t k = 0; k < chords; ++k) {
      const size_t point = (run.a + (k * run.m + chords / 2) / chords) % n;
      keep[point] = 1;
      role[point] = {arcsHere, true};
    }
    centres.push_back(c);
    radii.push_back(radius);
    ++arcsHere;
  }
  if (arcsHere == 0) return r;
  Ring out;
  std::vector<Kept> roles;
  for (size_t i = 0; i < n; ++i)
    if (keep[i]) out.push_back(r[i]), roles.push_back(role[i]);
  // the arcs' chords; a whole circle's last chord closes it
  area = DoubleArea(out) / 2;
  for (size_t i = 0; i < out.size(); ++i) {
    if (!roles[i].along) continue;
    const Node &a = out[i], &b = out[(i + 1) % out.size()];
    const Node& c = centres[roles[i].run];
    const double radius = radii[roles[i].run];
    const double theta = 2 * std::asin(std::min(1.0, std::hypot(b.x - a.x, b.y - a.y) / (2 * radius)));
    // the arc bulges to the right of a chord it turns left along
    const double side = Cross(a, b, c) > 0 ? 1 : -1;
    area += side * SegmentArea(radius, theta);
    slack += std::fabs(SegmentArea(radius, theta) - ParabolaArea(radius, theta));
    arcs.push_back({a, b, c, radius, side < 0});
  }
  return out;
}

// A point of one figure lying on an edge of another short of the edge's ends (a rib's tip on
// the slab's underside, placed by arithmetic 4e-14 mm off it) becomes a point of that edge
// too: the two outlines then meet in one vertex, where the hair between them left slivers no
// element could fill.
void Stitch(std::vector<Cleaned>& clean) {
  std::vector<Ring*> rings;
  std::vector<size_t> owner;
  double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
  for (size_t f = 0; f < clean.size(); ++f) {
    rings.push_back(&clean[f].outer), owner.push_back(f);
    for (Ring& h : clean[f].holes) rings.push_back(&h), owner.push_back(f);
    for (const Node& p : clean[f].outer)
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  const double eps = 1e-9 * std::hypot(x1 - x0, y1 - y0);
  if (!(eps > 0) || clean.size() < 2) return;
  auto box = [](const Ring& r) {
    std::array<double, 4> b{1e300, -1e300, 1e300, -1e300};
    for (const Node& p : r)
      b = {std::min(b[0], p.x), std::max(b[1], p.x), std::min(b[2], p.y), std::max(b[3], p.y)};
    return b;
  };
  std::vector<std::array<double, 4>> boxes;
  for (const Ring* r : rings) boxes.push_back(box(*r));
  for (size_t i = 0; i < rings.size(); ++i) {
    Ring& r = *rings[i];
    // the points to put in: at edge k, a fraction t along it
    struct Put {
      size_t edge;
      double t;
      Node p;
    };
    std::vector<Put> puts;
    for (size_t j = 0; j < rings.size(); ++j) {
      if (owner[j] == owner[i]) continue;
      const auto &a = boxes[i], &b = boxes[j];
      if (b[0] > a[1] + eps || a[0] > b[1] + eps || b[2] > a[3] + eps || a[2] > b[3] + eps) continue;
      for (const Node& p : *rings[j])
        for (size_t k = 0; k < r.size(); ++k) {
          const Node &u = r[k], &v = r[(k + 1) % r.size()];
          if (SegmentDistance(u, v, p) > eps || std::hypot(p.x - u.x, p.y - u.y) <= eps ||
              std::hypot(p.x - v.x, p.y - v.y) <= eps)
            continue;
          const double dx = v.x - u.x, dy = v.y - u.y;
          puts.push_back({k, ((p.x - u.x) * dx + (p.y - u.y) * dy) / (dx * dx + dy * dy), p});
        }
    }
    if (puts.empty()) continue;
    std::sort(puts.begin(), puts.end(), [](const Put& a, const Put& b) {
      return a.edge != b.edge ? a.edge < b.edge : a.t < b.t;
    });
    Ring out;
    size_t next = 0;
    for (size_t k = 0; k < r.size(); ++k) {
      out.push_back(r[k]);
      for (; next < puts.size() && puts[next].edge == k; ++next)
        if (!(out.back().x == puts[next].p.x && out.back().y == puts[next].p.y))
          out.push_back(puts[next].p);
    }
    r = std::move(out);
  }
}

bool InsideFigure(const Cleaned& f, double x, double y) {
  if (!InsideRing(f.outer, x, y)) return false;
  for (const Ring& h : f.holes)
    if (InsideRing(h, x, y)) return false;
  return true;
}

// A generator's true outline may cross itself in a tiny loop where two fillets are wider
// than the edge between them (a rolled tee's stem tip, 0,07 mm across): each such loop is
// cut off at the crossing. False when a crossing closes off more than a thousandth of the
// area, which is no such loop.
bool CutLoops(Ring& r) {
  const double whole = std::fabs(DoubleArea(r));
  for (int round = 0; round < 16; ++round) {
    const size_t n = r.size();
    size_t a = 0, b = 0;
    const bool crossing = AnyPair(r, r, [&](size_t i, size_t j) {
      if (j == i + 1 || (i == 0 && j == n - 1)) return false;
      if (!SegmentsMeet(r[i], r[i + 1], r[j], r[(j + 1) % n])) return false;
      a = i, b = j;
      return true;
    });
    if (!crossing) return true;
    const Node &p = r[a], &q = r[a + 1], &u = r[b], &v = r[(b + 1) % n];
    const double d = (q.x - p.x) * (v.y - u.y) - (q.y - p.y) * (v.x - u.x);
    if (d == 0) return false;  // edges along one another: no loop to cut
    const double t = ((u.x - p.x) * (v.y - u.y) - (u.y - p.y) * (v.x - u.x)) / d;
    const Node x{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
    // the loop is the points a+1..b with the crossing, or the rest of the ring with it
    Ring inner(r.begin() + static_cast<std::ptrdiff_t>(a) + 1, r.begin() + static_cast<std::ptrdiff_t>(b) + 1);
    inner.insert(inner.begin(), x);
    Ring outer(r.begin() + static_cast<std::ptrdiff_t>(b) + 1, r.end());
    outer.insert(outer.end(), r.begin(), r.begin() + static_cast<std::ptrdiff_t>(a) + 1);
    outer.push_back(x);
    const bool innerIsLoop = std::fabs(DoubleArea(inner)) <= std::fabs(DoubleArea(outer));
    Ring& small = innerIsLoop ? inner : outer;
    if (std::fabs(DoubleArea(small)) > 1e-3 * whole) return false;
    r = WithoutRepeats(innerIsLoop ? outer : inner);
  }
  return false;
}

bool CheckRing(const Ring& raw, const std::string& what, bool mendLoops, Ring& out,
               std::string& why) {
  // beyond 1000 km the cross products below could overflow
  for (const Node& p : raw)
    if (!(std::fabs(p.x) <= 1e9 && std::fabs(p.y) <= 1e9)) {
      why = what + " has a coordinate that is not a number or beyond 1e9 mm";
      return false;
    }
  out = WithoutRepeats(raw);
  if (out.size() < 3) {
    why = what + " has fewer than 3 distinct points";
    return false;
  }
  double hi = 0;
  for (const Node& p : out) {
    hi = std::max({hi, std::fabs(p.x - out[0].x), std::fabs(p.y - out[0].y)});
  }
  // all points on one line (every triangle fanned from the first is flat): no area at all
  double fan = 0;
  for (size_t i = 1; i + 1 < out.size(); ++i) fan += std::fabs(Cross(out[0], out[i], out[i + 1]));
  if (fan <= 1e-12 * hi * hi) {
    why = what + " encloses no area";
    return false;
  }
  if (SelfCrossing(out) && !(mendLoops && CutLoops(out) && !SelfCrossing(out))) {
    why = what + " crosses or touches itself";
    return false;
  }
  if (std::fabs(DoubleArea(out)) <= 1e-12 * hi * hi) {
    why = what + " encloses no area";
    return false;
  }
  return true;
}

bool CheckFigure(const Figure& f, size_t index, Cleaned& c, std::string& why) {
  const std::string name = "figure " + std::to_string(index + 1);
  if (!std::isfinite(f.weight)) {
    why = "the weight of " + name + " is not a number";
    return false;
  }
  if (!CheckRing(f.outer, "the outline of " + name, f.trueArcs, c.outer, why)) return false;
  if (DoubleArea(c.outer) < 0) std::reverse(c.outer.begin(), c.outer.end());
  c.area = DoubleArea(c.outer) / 2;
  for (size_t h = 0; h < f.holes.size(); ++h) {
    const std::string hole = "hole " + std::to_string(h + 1) + " of " + name;
    Ring r;
    if (!CheckRing(f.holes[h], hole, f.trueArcs, r, why)) return false;
    if (DoubleArea(r) > 0) std::reverse(r.begin(), r.end());
    if (RingsCross(r, c.outer)) {
      why = hole + " crosses or touches the outline";
      return false;
    }
    if (!InsideRing(c.outer, r[0].x, r[0].y)) {
      why = hole + " lies outside the outline";
      return false;
    }
    for (size_t k = 0; k < c.holes.size(); ++k)
      if (RingsCross(r, c.holes[k]) || InsideRing(c.holes[k], r[0].x, r[0].y) ||
          InsideRing(r, c.holes[k][0].x, c.holes[k][0].y)) {
        why = hole + " overlaps hole " + std::to_string(k + 1);
        return false;
      }
    c.area += DoubleArea(r) / 2;
    c.holes.push_back(std::move(r));
  }
  return true;
}

// The points the elements get small at, found on the triangulation of the outlines: the
// corners of the material as a whole and the points of its concave arcs. A corner is a vertex
// on the border of the domain (some face around it outside) whose faces inside add up to other
// than 180°: at a re-entrant corner the stresses peak, at a convex one a plate's end is a
// boundary layer a plate thickness long; along a root fillet the stress is highest. Graded
// there, an I section reaches 0,1 % in J with a third of the elements, and each refinement
// takes off a steady share of the error, so the change from one mesh to the next tells how
// far off the values are (ungraded fillets moved J by less than 0,05 % while it was still
// 0,07 % off). Asking the union rather than each figure finds the corner where one plate
// stands on another one's edge (a corner of neither outline) and leaves out an inner corner
// of one figure that a touching figure fills.
std::vector<Node> GradingPoints(const Cdt& cdt, const std::vector<ArcChord>& arcs) {
  std::set<std::pair<double, double>> onArcs;
  for (const ArcChord& c : arcs) onArcs.insert({c.a.x, c.a.y}), onArcs.insert({c.b.x, c.b.y});
  std::vector<Node> corners;
  std::set<std::pair<double, double>> concave;
  for (const ArcChord& c : arcs)
    if (c.concave) concave.insert({c.a.x, c.a.y}), concave.insert({c.b.x, c.b.y});
  for (const auto& [x, y] : concave) corners.push_back({x, y});
  for (auto v : cdt.finite_vertex_handles()) {
    if (onArcs.count({v->point().x(), v->point().y()})) continue;
    double angle = 0;
    bool border = false;
    auto f = cdt.incident_faces(v), first = f;
    do {
      if (!f->is_in_domain()) {
        border = true;
        continue;
      }
      const int i = f->index(v);
      const CgalPoint &p = v->point(), &a = f->vertex(Cdt::ccw(i))->point(),
                      &b = f->vertex(Cdt::cw(i))->point();
      const double ax = a.x() - p.x(), ay = a.y() - p.y(), bx = b.x() - p.x(), by = b.y() - p.y();
      angle += std::atan2(ax * by - ay * bx, ax * bx + ay * by);
    } while (++f != first);
    // a point along a straight edge adds up to 180° within rounding, one along a curve drawn
    // by short chords a few degrees more or less: neither is a corner
    if (border && std::fabs(angle - kPi) > kSmoothTurn)
      corners.push_back({v->point().x(), v->point().y()});
  }
  return corners;
}

// Grading by a size field rather than by pre-split edges: a face is too big when its area
// exceeds the bound at its vertex nearest a grading point (GradingPoints). The bound's length
// scale grows linearly with the distance d, from sqrt(Amax / g) at the point to sqrt(Amax):
//   A(d) = min(Amax, (sqrt(Amax / g) + kGrowth d)^2)
// A bound that changes slowly with position (kGrowth < 1) keeps neighbouring elements of
// similar size and the refinement finite, where a bound jumping from Amax / g to Amax at some
// radius would leave badly graded elements along that circle. A grading point is always a
// vertex of the triangulation, so the faces around it see d = 0 and get the smallest bound.
class GradedCriteria {
 public:
  using Face_handle = Cdt::Face_handle;
  using Quality = CGAL::Delaunay_mesh_size_criteria_2<Cdt>::Quality;

  GradedCriteria(double minSine2, double maxArea, double grading, std::vector<Node> corners)
      : minSine2_(minSine2),
        maxArea_(maxArea),
        cornerScale_(std::sqrt(maxArea / grading)),
        corners_(std::move(corners)) {}

  class Is_bad {
   public:
    explicit Is_bad(const GradedCriteria& c) : c_(&c) {}

    CGAL::Mesh_2::Face_badness operator()(const Quality q) const {
      if (q.size() > 1) return CGAL::Mesh_2::IMPERATIVELY_BAD;
      return q.sine() < c_->minSine2_ ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
    }

    CGAL::Mesh_2::Face_badness operator()(const Face_handle& fh, Quality& q) const {
      const CgalPoint &a = fh->vertex(0)->point(), &b = fh->vertex(1)->point(),
                      &c = fh->vertex(2)->point();
      const double area = CGAL::area(a, b, c);
      q.second = area / c_->AreaBound({a, b, c});
      if (q.size() > 1) {
        q.first = 1;
        return CGAL::Mesh_2::IMPERATIVELY_BAD;
      }
      // the squared sine of the smallest angle: (2 area)^2 over the two longer edges squared
      double e[3] = {CGAL::squared_distance(b, c), CGAL::squared_distance(c, a),
                     CGAL::squared_distance(a, b)};
      std::sort(e, e + 3);
      q.first = 4 * area * area / (e[2] * e[1]);
      return q.sine() < c_->minSine2_ ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
    }

   private:
    const GradedCriteria* c_;
  };

  Is_bad is_bad_object() const { return Is_bad(*this); }

 private:
  static constexpr double kGrowth = 0.3;  // length scale gained per mm of distance

  double AreaBound(std::initializer_list<CgalPoint> face) const {
    if (corners_.empty()) return maxArea_;
    double d2 = std::numeric_limits<double>::infinity();
    for (const CgalPoint& p : face)
      for (const Node& c : corners_)
        d2 = std::min(d2, (p.x() - c.x) * (p.x() - c.x) + (p.y() - c.y) * (p.y() - c.y));
    const double h = cornerScale_ + kGrowth * std::sqrt(d2);
    return std::min(maxArea_, h * h);
  }

  double minSine2_;
  double maxArea_;
  double cornerScale_;
  std::vector<Node> corners_;
};

bool CheckOptions(const MeshOptions& o, std::string& why) {
  if (!(o.maxAreaFraction >= 1e-5 && o.maxAreaFraction <= 1)) {
    why = "the largest element must be between 1e-5 and 1 of the section's area";
    return false;
  }
  if (!(o.cornerGrading >= 1 && o.cornerGrading <= 1e4)) {
    why = "the grading at corners must be between 1 and 10000";
    return false;
  }
  // Ruppert's refinement stops for certain below about 20.7° and in practice up to about 33°
  if (!(o.minAngle > 0 && o.minAngle <= 33)) {
    why = "the smallest angle must be over 0° and at most 33°";
    return false;
  }
  return true;
}

// the figure a face lies in (the first where figures overlap), -1 outside all of them
int RegionOf(const std::vector<Cleaned>& figures, const Cdt::Face_handle& fh) {
  const CgalPoint c =
      CGAL::centroid(fh->vertex(0)->point(), fh->vertex(1)->point(), fh->vertex(2)->point());
  for (size_t i = 0; i < figures.size(); ++i)
    if (InsideFigure(figures[i], c.x(), c.y())) return static_cast<int>(i);
  return -1;
}

// the six-node elements of the refined faces marked in the domain; the nodes on arcs' chords
// moved onto the arcs, and an edge along an arc bent through the middle of its bit of arc
bool BuildElements(const Cdt& cdt, const std::vector<Cleaned>& figures,
                   const std::vector<ArcChord>& arcs, double size, Mesh& mesh, std::string& why) {
  std::unordered_map<const void*, int> corner;
  std::unordered_map<long long, int> middle;
  corner.reserve(2 * cdt.number_of_vertices());
  middle.reserve(6 * cdt.number_of_vertices());
  // the chords each node lies on (two at a point where chords meet)
  std::vector<std::array<int, 2>> chordsOf;
  std::unordered_map<const void*, std::array<int, 2>> onChord;
  if (!arcs.empty()) {
    const double eps = 1e-9 * size;
    auto find = [&](Cdt::Vertex_handle v) {
      if (onChord.count(&*v)) return;
      std::array<int, 2> found{-1, -1};
      const Node p{v->point().x(), v->point().y()};
      for (size_t k = 0; k < arcs.size() && found[1] < 0; ++k)
        if (SegmentDistance(arcs[k].a, arcs[k].b, p) <= eps)
          found[found[0] < 0 ? 0 : 1] = static_cast<int>(k);
      onChord[&*v] = found;
    };
    // only the points of the outlines can lie on a chord
    for (auto e : cdt.finite_edges())
      if (cdt.is_constrained(e)) {
        find(e.first->vertex(Cdt::cw(e.second)));
        find(e.first->vertex(Cdt::ccw(e.second)));
      }
  }
  auto cornerNode = [&](Cdt::Vertex_handle v) {
    auto [it, added] = corner.try_emplace(&*v, static_cast<int>(mesh.nodes.size()));
    if (added) {
      Node p{v->point().x(), v->point().y()};
      std::array<int, 2> chords{-1, -1};
      if (auto c = onChord.find(&*v); c != onChord.end() && c->second[0] >= 0) {
        chords = c->second;
        const ArcChord& arc = arcs[chords[0]];
        const double d = std::hypot(p.x - arc.centre.x, p.y - arc.centre.y);
        p = {arc.centre.x + (p.x - arc.centre.x) * arc.r / d,
             arc.centre.y + (p.y - arc.centre.y) * arc.r / d};
      }
      mesh.nodes.push_back(p);
      chordsOf.push_back(chords);
    }
    return it->second;
  };
  auto middleNode = [&](int a, int b) {
    const long long key = static_cast<long long>(std::min(a, b)) << 32 | std::max(a, b);
    auto [it, added] = middle.try_emplace(key, static_cast<int>(mesh.nodes.size()));
    if (added) {
      const Node p = mesh.nodes[a], q = mesh.nodes[b];
      Node m{(p.x + q.x) / 2, (p.y + q.y) / 2};
      // two nodes on one chord: the edge between them is a bit of that chord
      int common = -1;
      for (int i : chordsOf[a])
        for (int j : chordsOf[b])
          if (i >= 0 && i == j) common = i;
      if (common >= 0) {
        const ArcChord& arc = arcs[common];
        const double ux = (p.x - arc.centre.x) + (q.x - arc.centre.x);
        const double uy = (p.y - arc.centre.y) + (q.y - arc.centre.y);
        const double d = std::hypot(ux, uy);
        m = {arc.centre.x + ux * arc.r / d, arc.centre.y + uy * arc.r / d};
      }
      mesh.nodes.push_back(m);
      chordsOf.push_back({-1, -1});
    }
    return it->second;
  };
  for (auto fh : cdt.finite_face_handles()) {
    if (!fh->is_in_domain()) continue;
    int region = RegionOf(figures, fh);
    // a sliver along an outline may put its centroid a rounding error outside: it belongs
    // with its neighbour across the unconstrained edge
    for (int i = 0; i < 3 && region < 0; ++i)
      if (!fh->is_constrained(i) && !cdt.is_infinite(fh->neighbor(i)))
        region = RegionOf(figures, fh->neighbor(i));
    if (region < 0) {
      why = "an element near (" + std::to_string(fh->vertex(0)->point().x()) + ", " +
            std::to_string(fh->vertex(0)->point().y()) + ") lies in no figure";
      return false;
    }
    Element e;
    e.region = region;
    for (int i = 0; i < 3; ++i) e.n[i] = cornerNode(fh->vertex(i));
    if (Cross(mesh.nodes[e.n[0]], mesh.nodes[e.n[1]], mesh.nodes[e.n[2]]) < 0)
      std::swap(e.n[1], e.n[2]);
    e.n[3] = middleNode(e.n[0], e.n[1]);
    e.n[4] = middleNode(e.n[1], e.n[2]);
    e.n[5] = middleNode(e.n[2], e.n[0]);
    mesh.elements.push_back(e);
  }
  return true;
}

// whether a six-node element's mapping fails to keep a positive Jacobian at its nodes and
// centre (a straight-sided element's is constant; a bent one's may fold near the bend)
bool Folded(const Mesh& mesh, const Element& e) {
  static constexpr std::array<std::array<double, 2>, 7> kAt = {
      {{0, 0}, {1, 0}, {0, 1}, {0.5, 0}, {0.5, 0.5}, {0, 0.5}, {1.0 / 3, 1.0 / 3}}};
  for (const auto& [xi, eta] : kAt) {
    const double l1 = 1 - xi - eta, l2 = xi, l3 = eta;
    const double dXi[6] = {-(4 * l1 - 1), 4 * l2 - 1, 0, 4 * (l1 - l2), 4 * l3, -4 * l3};
    const double dEta[6] = {-(4 * l1 - 1), 0, 4 * l3 - 1, -4 * l2, 4 * l2, 4 * (l1 - l3)};
    double xXi = 0, yXi = 0, xEta = 0, yEta = 0;
    for (int i = 0; i < 6; ++i) {
      const Node& p = mesh.nodes[e.n[i]];
      xXi += dXi[i] * p.x, yXi += dXi[i] * p.y, xEta += dEta[i] * p.x, yEta += dEta[i] * p.y;
    }
    if (!(xXi * yEta - xEta * yXi > 0)) return true;
  }
  return false;
}

}  // namespace

// what a mesher keeps from one mesh to the next: the figures as given (for the fallback to
// straight chords), their cleaned outlines with the arcs' chords, and the refined triangulation
struct Siatkowanie::Stan {
  std::vector<Figure> figures;
  MeshOptions options;
  std::vector<Cleaned> clean;
  std::vector<ArcChord> arcs;
  std::vector<Node> corners;
  double total = 0, size = 0, figuresArea = 0, areaTolerance = 0;
  double sine2 = 0;
  Cdt cdt;
  std::unique_ptr<CGAL::Delaunay_mesher_2<Cdt, GradedCriteria>> mesher;
};

Siatkowanie::Siatkowanie() = default;
Siatkowanie::~Siatkowanie() = default;

bool Siatkowanie::Pierwsza(const std::vector<Figure>& figures, const MeshOptions& options,
                           Mesh& mesh, std::string& why) {
  mesh = {};
  stan_.reset();
  if (figures.empty()) {
    why = "there is no figure to mesh";
    return false;
  }
  if (!CheckOptions(options, why)) return false;
  auto s = std::make_unique<Stan>();
  s->figures = figures;
  s->options = options;
  std::vector<Cleaned>& clean = s->clean;
  clean.resize(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) {
    if (!CheckFigure(figures[i], i, clean[i], why)) return false;
    s->total += clean[i].area;
  }

  SnapTogether(clean);
  Stitch(clean);

  // the arcs, each by chords no longer than the first mesh's largest elements' edges
  const double maxArea = options.maxAreaFraction * s->total;
  double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
  for (size_t i = 0; i < clean.size(); ++i) {
    Cleaned& c = clean[i];
    for (const Node& p : c.outer)
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    double area = 0, slack = 0;
    if (figures[i].trueArcs) {
      double ring = 0;
      c.outer = WithArcs(c.outer, 1.5 * std::sqrt(maxArea), s->arcs, ring, slack);
      area += ring;
      for (Ring& h : c.holes) {
        h = WithArcs(h, 1.5 * std::sqrt(maxArea), s->arcs, ring, slack);
        area += ring;
      }
      c.area = area;
    }
    s->figuresArea += figures[i].weight * c.area;
    s->areaTolerance += std::fabs(figures[i].weight) * slack;
  }
  s->size = std::hypot(x1 - x0, y1 - y0);

  Cdt& cdt = s->cdt;
  auto insert = [&](const Ring& r) {
    std::vector<Cdt::Vertex_handle> v;
    for (const Node& p : r) v.push_back(cdt.insert(CgalPoint(p.x, p.y)));
    for (size_t i = 0; i < v.size(); ++i)
      if (v[i] != v[(i + 1) % v.size()]) cdt.insert_constraint(v[i], v[(i + 1) % v.size()]);
  };
  for (const Cleaned& f : clean) {
    insert(f.outer);
    for (const Ring& h : f.holes) insert(h);
  }
  // the outlines cut the plane into cells, each entirely inside or outside every figure, so a
  // face's centroid tells on which side it lies; the mesher keeps the marks as it splits
  for (auto fh : cdt.all_face_handles())
    fh->set_in_domain(!cdt.is_infinite(fh) && RegionOf(clean, fh) >= 0);

  const double sine = std::sin(options.minAngle * kPi / 180);
  s->sine2 = sine * sine;
  if (options.cornerGrading > 1) s->corners = GradingPoints(cdt, s->arcs);
  s->mesher = std::make_unique<CGAL::Delaunay_mesher_2<Cdt, GradedCriteria>>(
      cdt, GradedCriteria(s->sine2, maxArea, options.cornerGrading, s->corners));
  s->mesher->init(true);
  stan_ = std::move(s);
  return Refine(mesh, why);
}

bool Siatkowanie::Dalej(double maxAreaFraction, Mesh& mesh, std::string& why) {
  mesh = {};
  if (!stan_) {
    why = "there is no mesh to refine";
    return false;
  }
  if (!(maxAreaFraction >= 1e-5 && maxAreaFraction <= stan_->options.maxAreaFraction)) {
    why = "a finer mesh takes elements of at least 1e-5 of the area and no larger than before";
    return false;
  }
  stan_->options.maxAreaFraction = maxAreaFraction;
  stan_->mesher->set_criteria(GradedCriteria(stan_->sine2, maxAreaFraction * stan_->total,
                                             stan_->options.cornerGrading, stan_->corners));
  return Refine(mesh, why);
}

bool Siatkowanie::Refine(Mesh& mesh, std::string& why) {
  Stan& s = *stan_;
  // step by step, so that a section the criteria would split without end (a sliver the
  // outlines leave) is refused rather than run for minutes
  while (!s.mesher->is_refinement_done()) {
    if (s.cdt.number_of_vertices() > kMaxVertices) {
      why = "more than " + std::to_string(kMaxVertices) + " nodes needed (a sliver between figures?)";
      mesh = {};
      stan_.reset();
      return false;
    }
    s.mesher->try_one_step_refine_mesh();
  }
  mesh = {};
  mesh.figuresArea = s.figuresArea;
  mesh.areaTolerance = s.areaTolerance;
  for (const Figure& f : s.figures) mesh.weights.push_back(f.weight);
  if (!BuildElements(s.cdt, s.clean, s.arcs, s.size, mesh, why)) {
    mesh = {};
    stan_.reset();
    return false;
  }
  // an element the move onto an arc folded (a long chord split many times near a corner):
  // the dense chords as they came, which never fold
  if (!s.arcs.empty() && std::any_of(mesh.elements.begin(), mesh.elements.end(),
                                     [&](const Element& e) { return Folded(mesh, e); })) {
    std::vector<Figure> straight = s.figures;
    for (Figure& f : straight) f.trueArcs = false;
    const MeshOptions options = s.options;
    return Pierwsza(straight, options, mesh, why);
  }
  return true;
}

bool Siatka(const std::vector<Figure>& figures, const MeshOptions& options, Mesh& mesh,
            std::string& why) {
  Siatkowanie mesher;
  return mesher.Pierwsza(figures, options, mesh, why);
}

bool ZachodzaNaSiebie(const std::vector<Figure>& figures) {
  // a crossing well inside both edges, beyond the rounding of figures placed by arithmetic
  auto cross = [](const Node& a, const Node& b, const Node& c, const Node& d) {
    const double tol = 1e-9 * std::hypot(b.x - a.x, b.y - a.y) * std::hypot(d.x - c.x, d.y - c.y);
    const double c1 = Cross(c, d, a), c2 = Cross(c, d, b), c3 = Cross(a, b, c), c4 = Cross(a, b, d);
    return ((c1 > tol && c2 < -tol) || (c1 < -tol && c2 > tol)) &&
           ((c3 > tol && c4 < -tol) || (c3 < -tol && c4 > tol));
  };
  auto rings = [](const Figure& f) {
    std::vector<const Ring*> r{&f.outer};
    for (const Ring& h : f.holes) r.push_back(&h);
    return r;
  };
  // the middle of an edge of one figure inside the other and off its border, by more than
  // the rounding: figures laid on one another along common edges (a plate on the right half
  // of another) cross nowhere
  auto within = [&](const Figure& f, const Figure& g) {
    double size = 0;
    for (const Node& p : g.outer) size = std::max({size, std::fabs(p.x), std::fabs(p.y)});
    const double eps = 1e-9 * size;
    for (const Ring* r : rings(f))
      for (size_t k = 0; k < r->size(); ++k) {
        const Node &a = (*r)[k], &b = (*r)[(k + 1) % r->size()];
        const Node m{(a.x + b.x) / 2, (a.y + b.y) / 2};
        bool inside = InsideRing(g.outer, m.x, m.y);
        for (const Ring& h : g.holes) inside = inside && !InsideRing(h, m.x, m.y);
        if (!inside) continue;
        bool onBorder = false;
        for (const Ring* e : rings(g))
          for (size_t i = 0; i < e->size() && !onBorder; ++i)
            onBorder = SegmentDistance((*e)[i], (*e)[(i + 1) % e->size()], m) <= eps;
        if (!onBorder) return true;
      }
    return false;
  };
  for (size_t i = 0; i < figures.size(); ++i)
    for (size_t j = i + 1; j < figures.size(); ++j) {
      for (const Ring* p : rings(figures[i]))
        for (const Ring* q : rings(figures[j])) {
          if (p->size() < 2 || q->size() < 2) continue;
          if (AnyPair(*p, *q, [&](size_t a, size_t b) {
                return cross((*p)[a], (*p)[(a + 1) % p->size()], (*q)[b], (*q)[(b + 1) % q->size()]);
              }))
            return true;
        }
      if (figures[i].outer.size() >= 3 && figures[j].outer.size() >= 3 &&
          (within(figures[i], figures[j]) || within(figures[j], figures[i])))
        return true;
    }
  return false;
}

CzesciSiatki PodzialNaCzesci(const Mesh& mesh) {
  std::vector<int> parent(mesh.nodes.size());
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](int i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  for (const Element& e : mesh.elements)
    for (int i = 1; i < 6; ++i) parent[root(e.n[i])] = root(e.n[0]);
  CzesciSiatki parts;
  std::vector<int> label(mesh.nodes.size(), -1);
  parts.ofNode.assign(mesh.nodes.size(), -1);
  for (const Element& e : mesh.elements) {
    int& l = label[root(e.n[0])];
    if (l < 0) l = parts.count++;
    parts.ofElement.push_back(l);
    for (int i : e.n) parts.ofNode[i] = l;
  }
  return parts;
}

int Czesci(const Mesh& mesh) { return PodzialNaCzesci(mesh).count; }

}  // namespace tarvik::fe
