#include "engine/thin_walled.h"

#include <algorithm>
#include <cmath>

namespace tarvik {
namespace {

// Ends closer than this fraction of the section's extent are one node.
constexpr double kSameNode = 1e-9;

// a plate walked from node `from` to node `to`, a lying at `from`
struct Edge {
  int from = 0, to = 0;
  Point a, b;
  double t = 0, length = 0;
};

// The plates as a spanning tree rooted at node 0 (each tree edge walked from parent to
// child, nodes in the order found, so that a child always comes after its parent) and at
// most one edge left over, which closes the cell.
struct Tree {
  std::vector<Edge> edges;
  std::vector<int> order;       // nodes, parents first
  std::vector<int> parentEdge;  // of each node; -1 for the root
  int cut = -1;                 // the edge closing the cell, walked to a free end
};

std::optional<Tree> Build(const std::vector<Plate>& plates) {
  double lo = INFINITY, hi = -INFINITY;
  for (const Plate& p : plates) {
    if (!(p.t > 0) || !std::isfinite(p.t)) return std::nullopt;
    for (Point q : {p.a, p.b}) {
      if (!std::isfinite(q.x) || !std::isfinite(q.y)) return std::nullopt;
      lo = std::min({lo, q.x, q.y}), hi = std::max({hi, q.x, q.y});
    }
  }
  if (plates.empty() || !(hi > lo)) return std::nullopt;
  const double tolerance = kSameNode * (hi - lo);
  std::vector<Point> nodes;
  auto nodeOf = [&](Point p) {
    for (size_t i = 0; i < nodes.size(); ++i) {
      const double dx = nodes[i].x - p.x, dy = nodes[i].y - p.y;
      // the distance is at least either offset: most nodes are told apart without it
      if (std::fabs(dx) > tolerance || std::fabs(dy) > tolerance) continue;
      if (std::hypot(dx, dy) <= tolerance) return static_cast<int>(i);
    }
    nodes.push_back(p);
    return static_cast<int>(nodes.size()) - 1;
  };
  Tree tree;
  for (const Plate& p : plates) {
    Edge e{nodeOf(p.a), nodeOf(p.b), p.a, p.b, p.t, std::hypot(p.b.x - p.a.x, p.b.y - p.a.y)};
    if (e.from == e.to) return std::nullopt;
    tree.edges.push_back(e);
  }
  std::vector<std::vector<int>> incident(nodes.size());
  for (size_t i = 0; i < tree.edges.size(); ++i) {
    incident[tree.edges[i].from].push_back(static_cast<int>(i));
    incident[tree.edges[i].to].push_back(static_cast<int>(i));
  }
  std::vector<bool> found(nodes.size(), false), used(tree.edges.size(), false);
  tree.parentEdge.assign(nodes.size(), -1);
  std::vector<int> stack = {0};
  found[0] = true;
  tree.order.push_back(0);
  while (!stack.empty()) {
    const int n = stack.back();
    stack.pop_back();
    for (int i : incident[n]) {
      if (used[i]) continue;
      used[i] = true;
      Edge& e = tree.edges[i];
      if (e.to == n) std::swap(e.from, e.to), std::swap(e.a, e.b);  // walked away from n
      if (!found[e.to]) {
        found[e.to] = true;
        tree.parentEdge[e.to] = i;
        tree.order.push_back(e.to);
        stack.push_back(e.to);
      } else if (tree.cut < 0) {
        tree.cut = i;
      } else {
        return std::nullopt;  // a second cell
      }
    }
  }
  if (tree.order.size() != nodes.size()) return std::nullopt;  // plates that do not touch
  return tree;
}

struct Resultant {
  double fx = 0, fy = 0;  // force of the shear flow
  double m = 0;           // its moment about the centroid, counter-clockwise
};

// The shear flow of the bending stress gradient f = gx·x + gy·y (about the centroid c):
// along a plate dq/ds = -t·f, at every node the flows balance, at a free end q = 0. On a
// plate q is quadratic in s, so Simpson's rule integrates it exactly. The cell's constant
// flow q0 makes the twist ∮ q/t ds around it zero, which is what the shear centre means.
Resultant FlowOf(const Tree& tree, Point c, double gx, double gy) {
  auto f = [&](Point p) { return gx * (p.x - c.x) + gy * (p.y - c.y); };
  const size_t n = tree.edges.size();
  std::vector<double> start(n), integral(n), out(tree.order.size(), 0.0);
  // t·f integrated along the plate: how much the flow falls from its start to its end
  auto fall = [&](const Edge& e) { return e.t * e.length * (f(e.a) + f(e.b)) / 2; };
  if (tree.cut >= 0) {
    const Edge& e = tree.edges[tree.cut];
    start[tree.cut] = fall(e);  // its far end is free: the cell is cut there
    out[e.from] += start[tree.cut];
  }
  for (size_t k = tree.order.size(); k-- > 1;) {  // children before parents
    const int node = tree.order[k], i = tree.parentEdge[node];
    start[i] = out[node] + fall(tree.edges[i]);
    out[tree.edges[i].from] += start[i];
  }
  for (size_t i = 0; i < n; ++i) {
    const Edge& e = tree.edges[i];
    const double fa = f(e.a), fb = f(e.b);
    const double middle = start[i] - e.t * e.length / 2 * (fa + (fa + fb) / 2) / 2;
    const double end = start[i] - fall(e);
    integral[i] = e.length * (start[i] + 4 * middle + end) / 6;  // ∫ q ds
  }
  if (tree.cut >= 0) {
    // the cell: the cut edge from u to w, then back from w up the tree to the common
    // ancestor (against the edges' direction) and down to u (along it)
    std::vector<std::pair<int, double>> cell = {{tree.cut, 1.0}};
    std::vector<int> upFromU;
    for (int v = tree.edges[tree.cut].from; v != 0;) {
      upFromU.push_back(v);
      v = tree.edges[tree.parentEdge[v]].from;
    }
    upFromU.push_back(0);
    int w = tree.edges[tree.cut].to;
    while (std::find(upFromU.begin(), upFromU.end(), w) == upFromU.end()) {
      cell.push_back({tree.parentEdge[w], -1.0});
      w = tree.edges[tree.parentEdge[w]].from;
    }
    for (int v : upFromU) {
      if (v == w) break;
      cell.push_back({tree.parentEdge[v], 1.0});
    }
    double twist = 0, flexibility = 0;
    for (auto [i, sign] : cell) {
      twist += sign * integral[i] / tree.edges[i].t;
      flexibility += tree.edges[i].length / tree.edges[i].t;
    }
    const double q0 = -twist / flexibility;
    for (auto [i, sign] : cell) integral[i] += sign * q0 * tree.edges[i].length;
  }
  Resultant r;
  for (size_t i = 0; i < n; ++i) {
    const Edge& e = tree.edges[i];
    const double ux = (e.b.x - e.a.x) / e.length, uy = (e.b.y - e.a.y) / e.length;
    r.fx += integral[i] * ux;
    r.fy += integral[i] * uy;
    r.m += integral[i] * ((e.a.x - c.x) * uy - (e.a.y - c.y) * ux);
  }
  return r;
}

// the shear centre of the plates the tree holds
std::optional<Point> ShearCentreOf(const Tree& tree) {
  double area = 0, sx = 0, sy = 0;
  for (const Edge& e : tree.edges) {
    area += e.t * e.length;
    sx += e.t * e.length * (e.a.x + e.b.x) / 2;
    sy += e.t * e.length * (e.a.y + e.b.y) / 2;
  }
  const Point c{sx / area, sy / area};
  // The flows of the two stress gradients along x and along y are shear forces along two
  // different lines; the shear centre lies on both. A line of force F whose moment about
  // the centroid is M holds the points P with P × F = M.
  const Resultant r1 = FlowOf(tree, c, 1, 0), r2 = FlowOf(tree, c, 0, 1);
  const double det = r1.fx * r2.fy - r1.fy * r2.fx;
  const double scale = std::hypot(r1.fx, r1.fy) * std::hypot(r2.fx, r2.fy);
  if (!(std::fabs(det) > 1e-12 * scale)) return std::nullopt;  // every plate on one line
  return Point{c.x + (r1.fx * r2.m - r2.fx * r1.m) / det,
               c.y + (r1.fy * r2.m - r2.fy * r1.m) / det};
}

}  // namespace

std::optional<Point> ThinWalledShearCentre(const std::vector<Plate>& plates) {
  const std::optional<Tree> tree = Build(plates);
  if (!tree) return std::nullopt;
  return ShearCentreOf(*tree);
}

std::optional<SectorialCoordinates> ThinWalledWarping(const std::vector<Plate>& plates) {
  const std::optional<Tree> tree = Build(plates);
  if (!tree || tree->cut >= 0) return std::nullopt;  // not open
  std::vector<int> degree(tree->order.size(), 0);
  for (const Edge& e : tree->edges) ++degree[e.from], ++degree[e.to];
  if (std::any_of(degree.begin(), degree.end(), [](int d) { return d > 2; })) return std::nullopt;
  // the first plate with a free end goes first, that end first: the tree is then walked
  // from it along the chain, each plate from its start
  std::vector<Plate> chain = plates;
  for (size_t i = 0; i < tree->edges.size(); ++i) {
    // the tree's edges are the plates in list order, some walked the other way round
    const Edge& e = tree->edges[i];
    const bool reversed = !(e.a == plates[i].a);
    const int start = reversed ? e.to : e.from, end = reversed ? e.from : e.to;
    if (degree[start] != 1 && degree[end] != 1) continue;
    std::swap(chain[0], chain[i]);
    if (degree[start] != 1) std::swap(chain[0].a, chain[0].b);
    break;
  }
  const std::optional<Tree> walk = Build(chain);
  const std::optional<Point> pole = ShearCentreOf(*tree);
  if (!walk || !pole) return std::nullopt;

  SectorialCoordinates s;
  s.pole = *pole;
  const size_t n = walk->order.size();
  std::vector<const Edge*> along;  // the plate ending at each node after the first
  for (size_t k = 1; k < n; ++k) along.push_back(&walk->edges[walk->parentEdge[walk->order[k]]]);
  s.nodes.push_back(along.front()->a);
  s.omega.push_back(0);
  double area = 0, first = 0;  // ∫t ds and ∫ω·t ds
  for (const Edge* e : along) {
    const Point r{e->a.x - s.pole.x, e->a.y - s.pole.y}, d{e->b.x - e->a.x, e->b.y - e->a.y};
    const double from = s.omega.back(), to = from + (r.x * d.y - r.y * d.x);
    s.nodes.push_back(e->b);
    s.omega.push_back(to);
    area += e->t * e->length;
    first += e->t * e->length * (from + to) / 2;
  }
  const double mean = first / area;
  for (double& w : s.omega) w -= mean;
  for (size_t k = 0; k + 1 < n; ++k) {
    const double wa = s.omega[k], wb = s.omega[k + 1];
    s.jw += along[k]->t * along[k]->length * (wa * wa + wa * wb + wb * wb) / 3;
  }
  return s;
}

}  // namespace tarvik
