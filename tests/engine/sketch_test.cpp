// The sketch mapping for any extents: every pixel an int within reach, every drawable outline
// inside its box.
#include "engine/sketch.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace tarvik {
namespace {

constexpr int kW = 400, kH = 300, kE = 4;
constexpr int kReach = 1 << 29;  // far beyond any box, far inside an int

bool Within(ScreenPoint p, int reach) {
  return std::llabs(p.x) <= reach && std::llabs(p.y) <= reach;
}

TEST(SkalujSzkic, EveryExtentMapsIntoIntsAndFiniteOutlinesIntoTheBox) {
  const double nan = std::nan(""), inf = HUGE_VAL, big = std::numeric_limits<double>::max();
  const struct {
    const char* name;
    std::vector<Point> points;
    Point centroid;
    bool fits;  // the outline's points land inside the box
  } cases[] = {
      {"200 x 100", {{0, 0}, {200, 0}, {200, 100}, {0, 100}}, {100, 50}, true},
      {"1e150 square", {{0, 0}, {1e150, 0}, {1e150, 1e150}, {0, 1e150}}, {5e149, 5e149}, true},
      {"the largest doubles", {{-big, -big}, {big, -big}, {big, big}}, {0, 0}, true},
      {"1e-300 square", {{0, 0}, {1e-300, 0}, {1e-300, 1e-300}}, {5e-301, 5e-301}, true},
      {"one point", {{7, 7}}, {7, 7}, true},
      {"a line", {{0, 5}, {100, 5}}, {50, 5}, true},
      {"far from the origin", {{1e12, 1e12}, {1e12 + 1, 1e12 + 1e-3}}, {1e12, 1e12}, true},
      {"centroid far away", {{0, 0}, {1, 1}}, {1e300, -1e300}, true},
      {"centroid no number", {{0, 0}, {1, 1}}, {nan, inf}, true},
      {"a point no number", {{0, 0}, {nan, 5}, {10, inf}, {10, 10}}, {5, 5}, false},
      {"no numbers at all", {{nan, nan}, {-inf, inf}}, {nan, nan}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SectionModel model;
    model.kind = kDowolne;
    for (const Point& p : c.points) model.imported.push_back({p.x, p.y, 1, 0, 0, true});
    for (const double zoom : {1.0, 1e300}) {
      SketchMapping map;
      if (zoom != 1.0) SkalujSzkic(model, map, kW, kH, kE, c.centroid.x, c.centroid.y);
      map.zoom = zoom;
      SkalujSzkic(model, map, kW, kH, kE, c.centroid.x, c.centroid.y);
      ASSERT_EQ(map.points.size(), c.points.size() + 1);
      for (const ScreenPoint& p : map.points) EXPECT_TRUE(Within(p, kReach)) << p.x << " " << p.y;
      if (zoom == 1.0 && c.fits)
        for (size_t i = 1; i < map.points.size(); ++i) {
          EXPECT_GE(map.points[i].x, 0) << i;
          EXPECT_LE(map.points[i].x, kW) << i;
          EXPECT_GE(map.points[i].y, kE) << i;
          EXPECT_LE(map.points[i].y, kH + kE) << i;
        }
      for (const Point& p : {c.centroid, Point{-big, big}, Point{nan, 0}})
        EXPECT_TRUE(Within(NaEkran(map, kH, p.x, p.y, kE), kReach));
      EXPECT_TRUE(Within(KoniecOsi(map.points[0], 1e300, nan, 2, 5, kW, kH), kReach));
    }
  }
}

// the rest of the pixel arithmetic at the ends of the int range
TEST(SketchPixels, ZoomAndDimensionLinesStayWithinTheIntRange) {
  SketchMapping map;
  EXPECT_TRUE(PowiekszProstokat(map, kW, kH, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  EXPECT_FALSE(PowiekszProstokat(map, kW, kH, INT_MAX, 0, INT_MIN, 10));
  map.zoom = 1e308;
  EXPECT_FALSE(PowiekszProstokat(map, kW, kH, 0, 0, 1, 1));  // a zoom beyond a double
  EXPECT_EQ(map.zoom, 1e308);

  // a dimension line between points at the ends of the range, its offset at either end
  const std::vector<ScreenPoint> points = {{INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}};
  for (const int offset : {INT_MAX, INT_MIN}) {
    SCOPED_TRACE(offset);
    WymiarNaEkranie w;
    ASSERT_TRUE(PolozenieWymiaru({0, 0, 1, 1, -1, offset, 0}, points, w));
    EXPECT_EQ(w.p1, (ScreenPoint{INT_MAX, 0}));  // the middle of points 0 and 1
    EXPECT_EQ(w.d1, (ScreenPoint{offset > 0 ? INT_MAX : -1, 0}));
    EXPECT_EQ(w.p2, (ScreenPoint{offset > 0 ? INT_MAX - 10 : INT_MAX, INT_MAX}));
    EXPECT_EQ(w.mid.x, w.d1.x);
  }
}

}  // namespace
}  // namespace tarvik
