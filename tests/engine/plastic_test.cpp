// Plastic neutral axes and plastic moduli: closed forms Σ|A_i·d_i| about the line that
// halves the area, and the invariants of the search (holes subtract, figures search together).
#include "engine/plastic.h"

#include <gtest/gtest.h>

#include "engine/composite.h"
#include "tests/support/shapes.h"

namespace tarvik {
namespace {

using test::Compute;
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
