#include "engine/contours.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace tarvik {
namespace {

struct Edge {
  int neighbour;
  int edge;
};

// the line work as a graph: one node per cluster of segment ends, one edge per distinct
// segment between two different nodes
struct Graph {
  std::vector<Point> nodes;
  std::vector<std::vector<Edge>> adjacent;
  int edges = 0;
};

// ends within tol of a node already made join it; a grid of tol-sized cells keeps the search
// to the nine cells around an end. Cell numbers stay below about 1e6 because they count from
// the drawing's corner in steps of 1e-6 of its diagonal.
class Nodes {
 public:
  Nodes(double xmin, double ymin, double tol) : xmin_(xmin), ymin_(ymin), tol_(tol) {}

  int Find(Point p, Graph& g) {
    const int64_t cx = Cell(p.x - xmin_), cy = Cell(p.y - ymin_);
    for (int64_t i = cx - 1; i <= cx + 1; ++i)
      for (int64_t j = cy - 1; j <= cy + 1; ++j) {
        auto it = cells_.find(Key(i, j));
        if (it == cells_.end()) continue;
        for (int n : it->second)
          if (std::hypot(g.nodes[n].x - p.x, g.nodes[n].y - p.y) <= tol_) return n;
      }
    g.nodes.push_back(p);
    g.adjacent.emplace_back();
    const int n = static_cast<int>(g.nodes.size()) - 1;
    cells_[Key(cx, cy)].push_back(n);
    return n;
  }

 private:
  int64_t Cell(double d) const { return static_cast<int64_t>(std::floor(d / tol_)); }
  static uint64_t Key(int64_t i, int64_t j) {
    return (static_cast<uint64_t>(i + 2) << 32) ^ static_cast<uint64_t>(j + 2);
  }
  double xmin_, ymin_, tol_;
  std::unordered_map<uint64_t, std::vector<int>> cells_;
};

Graph BuildGraph(const std::vector<OdcinekPodkladu>& odcinki, double xmin, double ymin,
                 double tol) {
  Graph g;
  Nodes nodes(xmin, ymin, tol);
  std::vector<std::pair<int, int>> pairs;
  for (const OdcinekPodkladu& o : odcinki) {
    const int a = nodes.Find({o.x1, o.y1}, g), b = nodes.Find({o.x2, o.y2}, g);
    if (a != b) pairs.emplace_back(std::min(a, b), std::max(a, b));
  }
  std::sort(pairs.begin(), pairs.end());
  pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
  for (const auto& [a, b] : pairs) {
    g.adjacent[a].push_back({b, g.edges});
    g.adjacent[b].push_back({a, g.edges});
    ++g.edges;
  }
  return g;
}

// the nodes of the component around start
std::vector<int> Component(const Graph& g, int start, std::vector<bool>& seen) {
  std::vector<int> nodes{start}, stack{start};
  seen[start] = true;
  while (!stack.empty()) {
    const int n = stack.back();
    stack.pop_back();
    for (const Edge& e : g.adjacent[n])
      if (!seen[e.neighbour]) {
        seen[e.neighbour] = true;
        nodes.push_back(e.neighbour);
        stack.push_back(e.neighbour);
      }
  }
  return nodes;
}

// a component of nodes that all join two edges, walked once round
Kontur Cycle(const Graph& g, int start) {
  Kontur k;
  for (int previous = -1, n = start;;) {
    k.points.push_back(g.nodes[n]);
    const Edge* a = &g.adjacent[n][0];
    const int next = a->neighbour != previous ? a->neighbour : g.adjacent[n][1].neighbour;
    previous = n;
    n = next;
    if (n == start) break;
  }
  return k;
}

// the chains of a component that is no simple loop: from every end or branch along nodes of
// two edges to the next end or branch
void Chains(const Graph& g, const std::vector<int>& component, std::vector<bool>& used,
            std::vector<OtwartyLancuch>& open) {
  for (int start : component) {
    if (g.adjacent[start].size() == 2) continue;
    for (const Edge& first : g.adjacent[start]) {
      if (used[first.edge]) continue;
      OtwartyLancuch chain{g.nodes[start], {}, 0};
      int previous = start;
      Edge e = first;
      for (;;) {
        used[e.edge] = true;
        ++chain.segments;
        const int n = e.neighbour;
        if (g.adjacent[n].size() != 2) {
          chain.to = g.nodes[n];
          break;
        }
        e = g.adjacent[n][0].neighbour != previous ? g.adjacent[n][0] : g.adjacent[n][1];
        previous = n;
      }
      open.push_back(chain);
    }
  }
}

// even-odd rule: whether p is inside the polygon
bool Inside(const std::vector<Point>& polygon, Point p) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point a = polygon[i], b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

struct Box {
  double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
  bool Holds(Point p) const { return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax; }
};

Box BoxOf(const std::vector<Point>& points) {
  Box b;
  for (const Point& p : points) {
    b.xmin = std::min(b.xmin, p.x);
    b.xmax = std::max(b.xmax, p.x);
    b.ymin = std::min(b.ymin, p.y);
    b.ymax = std::max(b.ymax, p.y);
  }
  return b;
}

// a contour inside an odd number of others is a hole (one inside a hole is solid again)
void MarkHoles(std::vector<Kontur>& contours) {
  std::vector<Box> boxes;
  for (const Kontur& k : contours) boxes.push_back(BoxOf(k.points));
  for (size_t i = 0; i < contours.size(); ++i) {
    const Point p = contours[i].points.front();
    int depth = 0;
    for (size_t j = 0; j < contours.size(); ++j)
      if (j != i && boxes[j].Holds(p) && Inside(contours[j].points, p)) ++depth;
    contours[i].hole = depth % 2 == 1;
  }
}

std::string Number(double v) {
  char buffer[64];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 6);
  std::string text(buffer, error == std::errc{} ? end : buffer);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

}  // namespace

Kontury ZnajdzKontury(const std::vector<OdcinekPodkladu>& odcinki) {
  Kontury result;
  Box all;
  for (const OdcinekPodkladu& o : odcinki) {
    all.xmin = std::min({all.xmin, o.x1, o.x2});
    all.xmax = std::max({all.xmax, o.x1, o.x2});
    all.ymin = std::min({all.ymin, o.y1, o.y2});
    all.ymax = std::max({all.ymax, o.y1, o.y2});
  }
  const double size = std::hypot(all.xmax - all.xmin, all.ymax - all.ymin);
  if (odcinki.empty() || !(size > 0)) return result;  // nothing drawn, or all in one point
  if (!std::isfinite(size)) {
    result.error = "rysunek jest za duży";
    return result;
  }
  const Graph g = BuildGraph(odcinki, all.xmin, all.ymin, 1e-6 * size);
  std::vector<bool> seen(g.nodes.size()), used(static_cast<size_t>(g.edges));
  for (size_t n = 0; n < g.nodes.size(); ++n) {
    if (seen[n] || g.adjacent[n].empty()) continue;
    const std::vector<int> component = Component(g, static_cast<int>(n), seen);
    const bool loop = std::all_of(component.begin(), component.end(),
                                  [&](int k) { return g.adjacent[k].size() == 2; });
    if (loop)
      result.contours.push_back(Cycle(g, static_cast<int>(n)));
    else
      Chains(g, component, used, result.open);
  }
  if (result.contours.size() > kMaxKontury) {
    result.error = "więcej niż " + std::to_string(kMaxKontury) + " konturów";
    result.contours.clear();
    return result;
  }
  MarkHoles(result.contours);
  return result;
}

std::string OpisLancucha(const OtwartyLancuch& chain) {
  return "(" + Number(chain.from.x) + "; " + Number(chain.from.y) + ") – (" + Number(chain.to.x) +
         "; " + Number(chain.to.y) + ")";
}

}  // namespace tarvik
