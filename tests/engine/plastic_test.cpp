// Plastic neutral axes and plastic moduli: closed forms Σ|A_i·d_i| about the line that
// halves the area, and the invariants of the search (holes subtract, figures search together).
#include "engine/plastic.h"

#include <gtest/gtest.h>

#include "engine/composite.h"
#include "tests/support/shapes.h"

namespace tarvik {
namespace {

using test::Compute;
using test::kPi;
using test::Rectangle;

constexpr double kAxisTol = 1e-9;     // mm: the search halves to 1e-12 of the depth
constexpr double kModulusTol = 1e-6;  // relative

void ExpectModulus(double expected, double actual, const char* what) {
  EXPECT_NEAR(actual, expected, kModulusTol * std::fabs(expected)) << what;
}

TEST(PrzytnijOdcinek, PullsTheFarEndOntoTheLine) {
  struct Case {
    Point a, b;
    int axis;
    Side side;
    Point a2, b2;
  } cases[] = {
      // axis 1 tests u (x), keeps v (y); the crossing of (-2,0)-(2,4) is at v = 2
      {{-2, 0}, {2, 4}, 1, Side::kPositive, {0, 2}, {2, 4}},
      {{-2, 0}, {2, 4}, 1, Side::kNegative, {-2, 0}, {0, 2}},
      // wholly on the other side: both ends land on the line at their own v
      {{-3, 1}, {-1, 5}, 1, Side::kPositive, {0, 1}, {0, 5}},
      // axis 2 tests v (y); the crossing of (0,-1)-(4,3) is at u = 1
      {{0, -1}, {4, 3}, 2, Side::kPositive, {1, 0}, {4, 3}},
      {{0, -1}, {4, 3}, 2, Side::kNegative, {0, -1}, {1, 0}},
      // a vertical crossing keeps its own coordinate
      {{5, -1}, {5, 3}, 2, Side::kPositive, {5, 0}, {5, 3}},
      // a point on the line is never moved
      {{0, 7}, {-4, 9}, 1, Side::kPositive, {0, 7}, {0, 9}},
  };
  for (const Case& c : cases) {
    auto [a2, b2] = PrzytnijOdcinek(c.a, c.b, c.axis, c.side);
    EXPECT_EQ(a2, c.a2) << c.a.x << "," << c.a.y << " axis " << c.axis;
    EXPECT_EQ(b2, c.b2) << c.b.x << "," << c.b.y << " axis " << c.axis;
  }
}

TEST(PlasticSearch, RectangleAxesPassThroughTheCentroid) {
  const double b = 200, h = 100;
  SectionModel model;
  PropertiesRecord r = Compute(model, Rectangle(b, h, 30, -20));
  // exactly: the results window shows what is stored, and 1e-11 mm is no position
  EXPECT_EQ(r[slot::xpl], 0);
  EXPECT_EQ(r[slot::ypl], 0);
  ExpectModulus(b * h * h / 4 / 1000, r[slot::Wplx], "Wplx = B H^2 / 4");
  ExpectModulus(h * b * b / 4 / 1000, r[slot::Wply], "Wply = H B^2 / 4");
}

TEST(PlasticSearch, HoleSubtractsFromTheSolid) {
  SectionModel model;
  // a rectangular hollow section: Wpl = (B·H^2 - b·h^2) / 4
  PropertiesRecord box = Compute(model, Rectangle(150, 250), test::Reversed(Rectangle(120, 220)));
  ExpectModulus((150 * 250.0 * 250 - 120 * 220.0 * 220) / 4 / 1000, box[slot::Wplx], "box");
  // a tube of two polygons: exactly the outer solid's value less the inner solid's
  const auto outer = test::Circle(100, 36), inner = test::Circle(90, 36);
  double tube = Compute(model, outer, test::Reversed(inner))[slot::Wplx];
  double solid = Compute(model, outer)[slot::Wplx], core = Compute(model, inner)[slot::Wplx];
  ExpectModulus(solid - core, tube, "tube");
}

// a tee as two figures of a composite, flange 200 x 20 over a web 20 x 180: both enter one
// search, whose axis halves the area 1 mm into the flange
TEST(PlasticSearch, SeparateFiguresSearchTogether) {
  SectionModel model;
  model.kind = kZlozone;
  for (const auto& part : {Rectangle(200, 20, 0, 190), Rectangle(20, 180, 0, 90)}) {
    Compute(model, part);
    model.addFigure();
  }
  PropertiesRecord r;
  r.setName("Złożona");
  SumujFigury(model, true, r);
  ASSERT_TRUE(ObliczWskazniki(model, 1, model.figureCount, r).ok());
  SectionModel single;
  PropertiesRecord tee = Compute(single, test::Tee(200, 20, 20, 180));
  EXPECT_NEAR(r[slot::yS] - r[slot::ypl], 181, kAxisTol);
  ExpectModulus(tee[slot::Wplx], r[slot::Wplx], "Wplx");
  ExpectModulus(tee[slot::Wply], r[slot::Wply], "Wply");
}

// The reference: each contour clipped to the half-plane c <= level (Sutherland–Hodgman) and
// measured by the shoelace formula in long double, the level halving the area found by
// bisection to the last bit; holes wind clockwise and so subtract.
struct Halves {
  long double below = 0, above = 0;  // first moments of both halves about the level [mm^3]
  long double areaBelow = 0, area = 0;
};

Halves Measure(const std::vector<PlasticContour>& contours, int axis, long double level) {
  Halves h;
  for (const PlasticContour& contour : contours) {
    std::vector<std::pair<long double, long double>> ring, clipped;  // (c, d)
    for (size_t i = 0; i + 1 < contour.points.size(); ++i) {
      const Point p = contour.points[i];
      ring.push_back(axis == 1 ? std::pair<long double, long double>{p.x, p.y}
                               : std::pair<long double, long double>{p.y, p.x});
    }
    for (size_t i = 0; i < ring.size(); ++i) {
      const auto [c1, d1] = ring[i];
      const auto [c2, d2] = ring[(i + 1) % ring.size()];
      if (c1 <= level) clipped.push_back(ring[i]);
      if ((c1 < level) != (c2 < level) && c1 != level && c2 != level)
        clipped.push_back({level, d1 + (d2 - d1) * (level - c1) / (c2 - c1)});
    }
    auto area = [](const auto& poly, long double& a, long double& moment, long double about) {
      for (size_t i = 0; i < poly.size(); ++i) {
        const auto [c1, d1] = poly[i];
        const auto [c2, d2] = poly[(i + 1) % poly.size()];
        const long double cross = c1 * d2 - c2 * d1;
        a += cross / 2;
        moment += (c1 + c2 - 2 * about) * cross / 6;
      }
    };
    // axis 2 swaps the coordinates, which turns every contour the other way
    const long double turn = axis == 1 ? 1 : -1;
    long double a = 0, m = 0, aBelow = 0, mBelow = 0;
    area(ring, a, m, level);
    area(clipped, aBelow, mBelow, level);
    h.area += turn * a, h.areaBelow += turn * aBelow;
    h.below += turn * mBelow, h.above += turn * (m - mBelow);
  }
  return h;
}

// the level along the axis (u for axis 1, v for axis 2) that halves the area
long double HalvingLevel(const std::vector<PlasticContour>& contours, int axis) {
  long double lo = INFINITY, hi = -INFINITY;
  for (const PlasticContour& contour : contours)
    for (Point p : contour.points)
      lo = std::min<long double>(lo, axis == 1 ? p.x : p.y),
      hi = std::max<long double>(hi, axis == 1 ? p.x : p.y);
  for (int k = 0; k < 200; ++k) {
    const long double mid = (lo + hi) / 2;
    if (mid == lo || mid == hi) break;
    const Halves h = Measure(contours, axis, mid);
    (2 * h.areaBelow < h.area ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

// Lines that lie where the balance is curved (a triangle, slanted edges of a rotated hollow
// polygon, a many-sided half disc) or among many vertices sharing one coordinate (a comb with
// uneven teeth on a base whose edges are cut into collinear points) agree with the reference
// to rounding, and so do the moduli.
TEST(PlasticSearch, AgreesWithAnIndependentClippingOnAwkwardShapes) {
  auto closed = [](std::vector<Point> p) {
    p.push_back(p.front());
    return p;
  };
  std::vector<Point> comb;
  for (int k = 0; k <= 20; ++k) comb.push_back({-100 + 10.0 * k, 0});
  for (int k = 1; k <= 4; ++k) comb.push_back({100, 5.0 * k});
  for (const double x : {90.0, 60.0, 35.0, 5.0, -20.0, -45.0, -70.0}) {
    const double w = x > 0 ? 12 : 7, top = x > 30 ? 80 : 55;
    comb.insert(comb.end(), {{x, 20}, {x, top}, {x - w, top}, {x - w, 20}});
  }
  comb.push_back({-100, 20});
  std::vector<Point> halfDisc;
  for (int k = 0; k <= 180; ++k)
    halfDisc.push_back({70 * std::cos(kPi * k / 180), 70 * std::sin(kPi * k / 180) + 3});
  const std::vector<Point> hexagon = test::Moved(test::Circle(100, 6), 17, 11, -7);
  const std::vector<Point> slot = test::Moved(test::Rectangle(80, 30, 25, 10), 40, 0, 0);
  struct Case {
    const char* what;
    std::vector<PlasticContour> contours;
  } cases[] = {
      {"triangle", {{closed({{-60, -20}, {45, -20}, {0, 80}}), true}}},
      {"comb", {{closed(comb), true}}},
      {"half disc", {{closed(halfDisc), true}}},
      {"rotated hollow hexagon", {{closed(hexagon), true}, {closed(test::Reversed(slot)), false}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PropertiesRecord r;
    ASSERT_TRUE(SzukajOsiPlastycznych(c.contours, r).ok());
    for (const int axis : {1, 2}) {
      const long double level = HalvingLevel(c.contours, axis);
      const Halves h = Measure(c.contours, axis, level);
      const double shift = r[axis == 1 ? slot::xpl : slot::ypl];
      const double modulus = r[axis == 1 ? slot::Wply : slot::Wplx];
      EXPECT_NEAR(-shift, static_cast<double>(level), 1e-12 * 200) << "axis " << axis;
      const double expected = static_cast<double>((std::fabs(h.below) + std::fabs(h.above)) / 1000);
      EXPECT_NEAR(modulus, expected, 1e-12 * expected) << "axis " << axis;
    }
  }
}

// no material to halve, or a coordinate that is no number: the axis is not found, the slots
// keep what a generator stored, and the caller has a message to show instead of a zero
TEST(PlasticSearch, AxisThatCannotBeFoundKeepsTheStoredValuesAndIsReported) {
  auto closed = [](std::vector<Point> p) {
    p.push_back(p.front());
    return p;
  };
  struct Case {
    const char* what;
    std::vector<PlasticContour> contours;
  } cases[] = {
      {"collinear", {{closed({{0, 0}, {10, 10}, {20, 20}}), true}}},
      {"a hole as large as its outline",
       {{closed(Rectangle(20, 10)), true}, {closed(Rectangle(20, 10)), false}}},
      {"a coordinate that is no number", {{closed({{0, 0}, {10, 0}, {NAN, 10}}), true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PropertiesRecord r;
    r[slot::Wplx] = 12.5, r[slot::Wply] = 25, r[slot::xpl] = 1, r[slot::ypl] = 2;
    const PropertiesRecord stored = r;
    const PlasticOutcome outcome = SzukajOsiPlastycznych(c.contours, r);
    EXPECT_TRUE(outcome.wplxMissing && outcome.wplyMissing);
    EXPECT_EQ(r, stored);
    RecordingSink sink;
    ReportPlasticAxes(outcome, sink);
    EXPECT_EQ(sink.messages(), (std::vector<Komunikat>{{"UWAGA", "Nie wyznaczono osi plastycznej",
                                                        "OK", "", "(osie x i y)"}}));
  }
}

}  // namespace
}  // namespace tarvik
