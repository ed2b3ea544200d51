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
#include <map>
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

// neighbouring edges share their common vertex only; edges further apart share nothing
bool SelfCrossing(const Ring& r) {
  const size_t n = r.size();
  for (size_t i = 0; i < n; ++i) {
    if (FoldsBack(r[i], r[(i + 1) % n], r[(i + 2) % n])) return true;
    for (size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // neighbours through the first point
      if (SegmentsMeet(r[i], r[i + 1], r[j], r[(j + 1) % n])) return true;
    }
  }
  return false;
}

bool RingsCross(const Ring& p, const Ring& q) {
  for (size_t i = 0; i < p.size(); ++i)
    for (size_t j = 0; j < q.size(); ++j)
      if (SegmentsMeet(p[i], p[(i + 1) % p.size()], q[j], q[(j + 1) % q.size()])) return true;
  return false;
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

bool InsideFigure(const Cleaned& f, double x, double y) {
  if (!InsideRing(f.outer, x, y)) return false;
  for (const Ring& h : f.holes)
    if (InsideRing(h, x, y)) return false;
  return true;
}

bool CheckRing(const Ring& raw, const std::string& what, Ring& out, std::string& why) {
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
  if (SelfCrossing(out)) {
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
  if (!CheckRing(f.outer, "the outline of " + name, c.outer, why)) return false;
  if (DoubleArea(c.outer) < 0) std::reverse(c.outer.begin(), c.outer.end());
  c.area = DoubleArea(c.outer) / 2;
  for (size_t h = 0; h < f.holes.size(); ++h) {
    const std::string hole = "hole " + std::to_string(h + 1) + " of " + name;
    Ring r;
    if (!CheckRing(f.holes[h], hole, r, why)) return false;
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

// The re-entrant corners of the material as a whole, found on the triangulation of the
// outlines: a vertex on the border of the domain (some face around it outside) whose faces
// inside add up to more than 180°. Asking the union rather than each figure finds the corner
// where one plate stands on another one's edge (a corner of neither outline) and leaves out an
// inner corner of one figure that a touching figure fills.
std::vector<Node> ReentrantCorners(const Cdt& cdt) {
  std::vector<Node> corners;
  for (auto v : cdt.finite_vertex_handles()) {
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
    // a point along a straight edge adds up to 180° within rounding, one along a fillet
    // followed by short chords a few degrees more: neither is a corner the stresses peak at
    if (border && angle > kPi + kSmoothTurn) corners.push_back({v->point().x(), v->point().y()});
  }
  return corners;
}

// Grading by a size field rather than by pre-split edges: a face is too big when its area
// exceeds the bound at its vertex nearest a re-entrant corner. The bound's length scale grows
// linearly with the distance d, from sqrt(Amax / g) at the corner to sqrt(Amax):
//   A(d) = min(Amax, (sqrt(Amax / g) + kGrowth d)^2)
// A bound that changes slowly with position (kGrowth < 1) keeps neighbouring elements of
// similar size and the refinement finite, where a bound jumping from Amax / g to Amax at some
// radius would leave badly graded elements along that circle. A corner is always a vertex of the
// triangulation, so the faces around it see d = 0 and get the smallest bound. The vertices of
// an outline's rounded corner (a root fillet drawn with segments) turn by a few degrees each:
// they count as re-entrant and get the fine elements a fillet wants anyway; a fillet followed
// closely (turns below kSmoothTurn) is smooth and needs none.
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
    why = "the grading at re-entrant corners must be between 1 and 10000";
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

// the six-node elements of the refined faces marked in the domain
bool BuildElements(const Cdt& cdt, const std::vector<Cleaned>& figures, Mesh& mesh,
                   std::string& why) {
  std::map<Cdt::Vertex_handle, int> corner;
  std::map<std::pair<int, int>, int> middle;
  auto cornerNode = [&](Cdt::Vertex_handle v) {
    auto [it, added] = corner.try_emplace(v, static_cast<int>(mesh.nodes.size()));
    if (added) mesh.nodes.push_back({v->point().x(), v->point().y()});
    return it->second;
  };
  auto middleNode = [&](int a, int b) {
    auto [it, added] = middle.try_emplace(std::minmax(a, b), static_cast<int>(mesh.nodes.size()));
    if (added) {
      const Node p = mesh.nodes[a], q = mesh.nodes[b];
      mesh.nodes.push_back({(p.x + q.x) / 2, (p.y + q.y) / 2});
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

}  // namespace

bool Siatka(const std::vector<Figure>& figures, const MeshOptions& options, Mesh& mesh,
            std::string& why) {
  mesh = {};
  if (figures.empty()) {
    why = "there is no figure to mesh";
    return false;
  }
  if (!CheckOptions(options, why)) return false;
  std::vector<Cleaned> clean(figures.size());
  double total = 0;
  for (size_t i = 0; i < figures.size(); ++i) {
    if (!CheckFigure(figures[i], i, clean[i], why)) return false;
    total += clean[i].area;
  }

  SnapTogether(clean);

  Cdt cdt;
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
  GradedCriteria criteria(sine * sine, options.maxAreaFraction * total, options.cornerGrading,
                          options.cornerGrading > 1 ? ReentrantCorners(cdt) : std::vector<Node>{});
  CGAL::Delaunay_mesher_2<Cdt, GradedCriteria> mesher(cdt, criteria);
  mesher.init(true);
  // step by step, so that a section the criteria would split without end (a sliver the
  // outlines leave) is refused rather than run for minutes
  while (!mesher.is_refinement_done()) {
    if (cdt.number_of_vertices() > kMaxVertices) {
      why = "more than " + std::to_string(kMaxVertices) + " nodes needed (a sliver between figures?)";
      mesh = {};
      return false;
    }
    mesher.try_one_step_refine_mesh();
  }

  for (const Figure& f : figures) mesh.weights.push_back(f.weight);
  if (!BuildElements(cdt, clean, mesh, why)) {
    mesh = {};
    return false;
  }
  return true;
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
