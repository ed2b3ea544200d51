// The mesher checked through invariants of the elements it hands back: their areas add up to
// the closed-form area, they turn counter-clockwise, mid-side nodes sit at the middles and are
// shared, touching figures share nodes, elements at a re-entrant corner are smaller.
#include "fe/mesh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "engine/rounded.h"
#include "fe/torsion.h"

namespace tarvik::fe {
namespace {

constexpr double kPi = 3.141592653589793;

std::vector<Node> Box(double x0, double y0, double x1, double y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// counter-clockwise inscribed n-gon of radius r: area n/2 r^2 sin(2 pi / n)
std::vector<Node> Ngon(double r, int n) {
  std::vector<Node> p;
  for (int i = 0; i < n; ++i)
    p.push_back({r * std::cos(2 * kPi * i / n), r * std::sin(2 * kPi * i / n)});
  return p;
}

// an L: 100 x 100 less the 60 x 60 upper right square; re-entrant corner at (40, 40)
std::vector<Node> Ell() { return {{0, 0}, {100, 0}, {100, 40}, {40, 40}, {40, 100}, {0, 100}}; }

double Area(const Mesh& m, const Element& e) {
  const Node &a = m.nodes[e.n[0]], &b = m.nodes[e.n[1]], &c = m.nodes[e.n[2]];
  return ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
}

Mesh MeshOf(const std::vector<Figure>& figures, const MeshOptions& options = {}) {
  Mesh m;
  std::string why;
  EXPECT_TRUE(Siatka(figures, options, m, why)) << why;
  return m;
}

std::vector<double> RegionAreas(const Mesh& m) {
  std::vector<double> a(m.weights.size(), 0.0);
  for (const Element& e : m.elements) a.at(e.region) += Area(m, e);
  return a;
}

TEST(Siatka, ElementsFillTheFigureCounterClockwiseWithSharedMidSideNodes) {
  const double rect = 200.0 * 100, ell = 100.0 * 100 - 60.0 * 60;
  struct Case {
    const char* name;
    Figure figure;
    double area;
  } cases[] = {
      {"rectangle", {Box(-100, -50, 100, 50), {}, 1}, rect},
      {"L", {Ell(), {}, 1}, ell},
      {"L drawn clockwise",
       {{{0, 100}, {40, 100}, {40, 40}, {100, 40}, {100, 0}, {0, 0}}, {}, 1},
       ell},
      {"rectangle with a hole",
       {Box(-100, -50, 100, 50), {Box(-50, -25, 50, 25)}, 1},
       rect - 100.0 * 50},
      {"64-gon", {Ngon(50, 64), {}, 1}, 32 * 50.0 * 50 * std::sin(2 * kPi / 64)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Mesh m = MeshOf({c.figure});
    double sum = 0;
    std::set<int> corners;
    std::set<std::pair<int, int>> edges;
    for (const Element& e : m.elements) {
      EXPECT_GT(Area(m, e), 0);
      EXPECT_EQ(e.region, 0);
      sum += Area(m, e);
      for (int k = 0; k < 3; ++k) {
        const int a = e.n[k], b = e.n[(k + 1) % 3];
        const Node &p = m.nodes[a], &q = m.nodes[b], &mid = m.nodes[e.n[3 + k]];
        EXPECT_EQ(mid.x, (p.x + q.x) / 2);
        EXPECT_EQ(mid.y, (p.y + q.y) / 2);
        corners.insert(a);
        edges.insert(std::minmax(a, b));
      }
    }
    EXPECT_NEAR(sum, c.area, 1e-9 * c.area);
    EXPECT_EQ(m.nodes.size(), corners.size() + edges.size());
  }
}

// a 100 x 50 plate (weight 1) and a second one (weight 7.5) beside, on top of or over it
TEST(Siatka, TouchingFiguresShareNodesOverlapsGoToTheFirstAndPartsAreCounted) {
  struct Case {
    const char* name;
    std::vector<Node> second;
    double areas[2];
    int parts;
    bool commonEdge = false;
    bool crossing = false;  // ZachodzaNaSiebie
  } cases[] = {
      {"on the middle of the top edge", Box(20, 50, 80, 80), {5000, 1800}, 1, true},
      {"sharing a corner point", Box(100, 50, 200, 100), {5000, 5000}, 1},
      {"apart", Box(110, 0, 200, 50), {5000, 4500}, 2},
      // placed by arithmetic: the corners meet 4e-14 mm apart, which once meant a mesh grading
      // towards the gap without end
      {"sharing a corner point but for rounding", Box(100 + 3e-14, 50 - 3e-14, 200, 100), {5000, 5000}, 1},
      {"on the top edge but for rounding", Box(20, 50 - 3e-14, 80, 80), {5000, 1800}, 1, false},
      // a tip 4e-14 mm short of the edge (a trough rib's wall end under its slab) is stitched
      // into it: the hair between them made two parts of one section (and, at a slant,
      // elements of no area)
      {"a tip on the top edge but for rounding", {{50, 50 + 4e-14}, {70, 80}, {30, 80}}, {5000, 600}, 1},
      {"overlapping the right half", Box(50, 0, 150, 50), {5000, 2500}, 1, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Figure> figures = {{Box(0, 0, 100, 50), {}, 1}, {c.second, {}, 7.5}};
    EXPECT_EQ(ZachodzaNaSiebie(figures), c.crossing);
    const Mesh m = MeshOf(figures);
    EXPECT_EQ(m.weights, (std::vector<double>{1, 7.5}));
    const std::vector<double> areas = RegionAreas(m);
    for (int r : {0, 1}) EXPECT_NEAR(areas[r], c.areas[r], 1e-9 * c.areas[r]);
    EXPECT_EQ(Czesci(m), c.parts);
    EXPECT_EQ(BladSiatki(m, 0.3), "");
    std::set<std::pair<double, double>> places;
    for (const Node& n : m.nodes) EXPECT_TRUE(places.insert({n.x, n.y}).second) << "node twice";
    // along the common edge (20..80 at y = 50) both sides use the same nodes: none hangs
    // in the middle of the other side's edge
    std::set<int> lower, upper;
    for (const Element& e : m.elements)
      for (int n : e.n)
        if (m.nodes[n].y == 50 && m.nodes[n].x >= 20 && m.nodes[n].x <= 80)
          (e.region == 0 ? lower : upper).insert(n);
    if (c.commonEdge) {
      EXPECT_GE(upper.size(), 3u);  // both ends and a mid-side node at least
      EXPECT_EQ(lower, upper);
    }
  }
  EXPECT_EQ(Czesci(Mesh{}), 0);
}

// the corner at (40, 40) where the material turns back: the elements touching it are at most
// 1/20 of the largest and far smaller than the mean element
TEST(Siatka, GradesTowardsTheReentrantCorner) {
  struct Case {
    const char* name;
    std::vector<Figure> figures;
    double area;
  } cases[] = {
      {"L", {{Ell(), {}, 1}}, 6400},
      // a corner of neither outline
      {"L of two plates", {{Box(0, 0, 100, 40), {}, 1}, {Box(0, 40, 40, 100), {}, 1}}, 6400},
      {"corner of a hole", {{Box(0, 0, 100, 100), {Box(40, 40, 60, 60)}, 1}}, 9600},
  };
  const MeshOptions options;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Mesh m = MeshOf(c.figures, options);
    double cornerSum = 0, all = 0;
    int cornerCount = 0;
    for (const Element& e : m.elements) {
      all += Area(m, e);
      for (int k = 0; k < 3; ++k)
        if (m.nodes[e.n[k]].x == 40 && m.nodes[e.n[k]].y == 40) {
          EXPECT_LE(Area(m, e),
                    options.maxAreaFraction * c.area / options.cornerGrading * (1 + 1e-9));
          cornerSum += Area(m, e);
          ++cornerCount;
        }
    }
    ASSERT_GE(cornerCount, 2);
    EXPECT_GT(all / m.elements.size(), 5 * cornerSum / cornerCount);
  }
}

// A generator's arc drawn by dense equal chords is meshed as the arc: the nodes along it lie
// on the circle, the mesh holds the true area within the little the quadratic edges miss, and
// it needs far fewer elements than the chords would ask for. Hand-drawn outlines, and
// outlines whose equal chords turn at corners, stay the polygons they are.
TEST(Siatka, MeshesADensifiedArcAsTheArc) {
  const double r = 50, pi = kPi;
  const std::vector<Node> circle = Ngon(r, 256);
  std::vector<Node> bore = Ngon(40, 256);
  std::reverse(bore.begin(), bore.end());
  // a 100 x 100 square with its corners rounded by r = 20, each fillet by 32 chords
  RoundedOutline square;
  for (const Point& p : std::vector<Point>{{0, 0}, {100, 0}, {100, 100}, {0, 100}})
    square.push_back({p, 20});
  std::vector<Node> rounded;
  for (const Point& p : Densify(square, 32)) rounded.push_back({p.x, p.y});
  const double roundedArea = 100 * 100 - (4 - pi) * 20 * 20;
  struct Case {
    const char* name;
    Figure figure;
    double area;       // the true area, arcs as arcs
    double onCircle;   // the radius all outer nodes lie within (0: not checked)
  } cases[] = {
      {"circle", {circle, {}, 1, true}, pi * r * r, r},
      {"tube", {circle, {bore}, 1, true}, pi * (r * r - 40 * 40), r},
      {"rounded square", {rounded, {}, 1, true}, roundedArea, 0},
      // the same ring drawn by hand: the polygon
      {"circle drawn by hand", {circle, {}, 1, false}, 128 * r * r * std::sin(2 * pi / 256), r},
      // equal edges turning by 60°: corners, not an arc
      {"hexagon", {Ngon(r, 6), {}, 1, true}, 3 * r * r * std::sin(pi / 3), r},
  };
  MeshOptions options;
  options.maxAreaFraction = 0.03;
  options.cornerGrading = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Mesh m = MeshOf({c.figure}, options);
    EXPECT_NEAR(m.figuresArea, c.area, 1e-9 * c.area);
    EXPECT_LE(m.areaTolerance, 1e-4 * c.area);
    // the elements' area, curved edges and all, from the solver's quadrature
    EXPECT_NEAR(Rozwiaz(m).A, c.area, 1e-9 * c.area + m.areaTolerance);
    if (c.figure.trueArcs && c.figure.outer.size() > 6) {
      Figure chords = c.figure;
      chords.trueArcs = false;
      EXPECT_LT(3 * m.elements.size(), MeshOf({chords}, options).elements.size());
    }
    if (c.onCircle > 0) {
      double farthest = 0;
      for (const Node& n : m.nodes) farthest = std::max(farthest, std::hypot(n.x, n.y));
      EXPECT_NEAR(farthest, c.onCircle, 1e-9 * c.onCircle);
    }
  }
}

// a generator's outline whose two fillets are wider than the edge between them crosses itself
// in a tiny loop (a rolled tee's stem tip): cut off there; drawn by hand, the crossing is the
// user's to mend
TEST(Siatka, CutsAGeneratorsTinyFilletLoop) {
  // a 10 x 10 square whose top edge runs on 0,02 mm, turns back across itself and dips
  // 0,01 mm below the edge before it goes on: a loop of 3e-4 mm^2
  const std::vector<Node> looped = {{0, 0},       {10, 0},       {10, 10}, {4.98, 10},
                                    {5.0, 10.02}, {5.02, 9.99}, {0, 10}};
  Mesh m;
  std::string why;
  EXPECT_TRUE(Siatka({{looped, {}, 1, true}}, {}, m, why)) << why;
  // the square less the dip (a triangle from (0, 10) to the crossing at y = 10), no loop
  const double crossing = 5.0 + 0.02 * 2 / 3, dip = 0.5 * crossing * 0.01;
  EXPECT_NEAR(m.figuresArea, 100 - dip, 1e-9);
  EXPECT_FALSE(Siatka({{looped, {}, 1, false}}, {}, m, why));
  EXPECT_NE(why.find("crosses"), std::string::npos) << why;
}

// a finer mesh refines the one before: every corner node stays where it was, the area is the
// same, and a mesh no finer than the last is refused
TEST(Siatkowanie, RefinesTheMeshBeforeIt) {
  Siatkowanie mesher;
  Mesh first, second;
  std::string why;
  MeshOptions options;
  options.maxAreaFraction = 0.01;
  ASSERT_TRUE(mesher.Pierwsza({{Ell(), {}, 1}}, options, first, why)) << why;
  ASSERT_TRUE(mesher.Dalej(0.0025, second, why)) << why;
  EXPECT_GT(second.elements.size(), 2 * first.elements.size());
  std::set<std::pair<double, double>> now;
  for (const Node& n : second.nodes) now.insert({n.x, n.y});
  for (const Element& e : first.elements)
    for (int k = 0; k < 3; ++k) {
      const Node& n = first.nodes[e.n[k]];
      EXPECT_TRUE(now.count({n.x, n.y})) << n.x << " " << n.y;
    }
  double area = 0;
  for (const Element& e : second.elements) area += Area(second, e);
  EXPECT_NEAR(area, 6400, 1e-9 * 6400);
  EXPECT_FALSE(mesher.Dalej(0.005, second, why));
  EXPECT_TRUE(second.elements.empty());
}

TEST(Siatka, RefusesFiguresWithoutArea) {
  struct Case {
    const char* name;
    Figure figure;
    const char* reason;
  } cases[] = {
      {"two points", {{{0, 0}, {10, 0}}, {}, 1}, "fewer than 3"},
      {"three points, one repeated", {{{0, 0}, {10, 0}, {10, 0}, {0, 0}}, {}, 1}, "fewer than 3"},
      {"collinear points", {{{0, 0}, {10, 0}, {20, 0}}, {}, 1}, "no area"},
      {"bow-tie", {{{0, 0}, {10, 10}, {10, 0}, {0, 10}}, {}, 1}, "crosses"},
      {"spike folding back", {{{0, 0}, {10, 0}, {20, 0}, {10, 0.0}, {10, 10}}, {}, 1}, "crosses"},
      {"hole across the outline", {Box(0, 0, 10, 10), {Box(5, 5, 15, 8)}, 1}, "crosses"},
      {"coordinate not a number", {{{0, 0}, {NAN, 0}, {0, 10}}, {}, 1}, "not a number"},
      {"coordinate beyond 1000 km", {{{0, 0}, {2e9, 0}, {0, 10}}, {}, 1}, "beyond 1e9 mm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Mesh m;
    std::string why;
    EXPECT_FALSE(Siatka({{Box(-50, 0, -20, 10), {}, 1}, c.figure}, {}, m, why));
    EXPECT_NE(why.find("figure 2"), std::string::npos) << why;
    EXPECT_NE(why.find(c.reason), std::string::npos) << why;
    EXPECT_TRUE(m.elements.empty() && m.nodes.empty());
  }
}

// ten million elements, coarser at the corner, a refinement that may never stop
TEST(Siatka, RefusesOptionsItCannotMeet) {
  for (const MeshOptions& o :
       {MeshOptions{1e-7, 20, 28}, MeshOptions{0.002, 0.5, 28}, MeshOptions{0.002, 20, 40}}) {
    Mesh m;
    std::string why;
    EXPECT_FALSE(Siatka({{Box(0, 0, 10, 10), {}, 1}}, o, m, why));
    EXPECT_FALSE(why.empty());
  }
}

}  // namespace
}  // namespace tarvik::fe
