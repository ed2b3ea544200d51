// The CAD underlay's fit into the sketch box and its unit change, and the closed contours
// found in a drawing's segments.
#include "engine/underlay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/contours.h"

namespace tarvik {
namespace {

TEST(Underlay, OneHorizontalLineFillsNinetyPercentOfTheWidthCentred) {
  Podklad p;
  UstawPodklad(p, {{50, 10, 150, 10}});  // shifted to the drawing's corner: (0, 0)-(100, 0)
  DopasujPodklad(p, 400, 300);
  // the height does not limit: 0.9 * 400 / 100 px per mm; (400 - 360) / 2 and (300 - 0) / 2
  EXPECT_DOUBLE_EQ(p.skala, 3.6);
  EXPECT_EQ(p.ox, 20);
  EXPECT_EQ(p.oy, 150);
  const OdcinekPodkladu expected{0, 0, 100, 0, 20, 150, 380, 150};
  EXPECT_EQ(p.odcinki, std::vector<OdcinekPodkladu>{expected});

  // 200 x 100 in 401 x 300: the width limits, 0.9 * 401 / 200 = 1.8045; 360.9 px round to
  // 361, (401 - 361) / 2 = 20, (300 - 180) / 2 = 60 (180.45 rounds to 180)
  UstawPodklad(p, {{0, 0, 200, 100}});
  DopasujPodklad(p, 401, 300);
  EXPECT_EQ(p.ox, 20);
  EXPECT_EQ(p.oy, 60);
  EXPECT_EQ(p.odcinki[0].px2, 361 + 20);
  EXPECT_EQ(p.odcinki[0].py2, 300 - 180 - 60);
}

TEST(Underlay, UnitChoicesMultiplyUpAndKeepThePicture) {
  Podklad p;
  UstawPodklad(p, {{0, 0, 0.3, 0}, {0.3, 0, 0.3, 0.1}});  // drawn in metres
  DopasujPodklad(p, 400, 300);
  const Podklad before = p;
  SkalujPodklad(p, 1, 400, 300);  // "1x" changes nothing
  EXPECT_EQ(p.odcinki, before.odcinki);
  SkalujPodklad(p, 10, 400, 300);
  SkalujPodklad(p, 100, 400, 300);
  EXPECT_NEAR(p.szerokosc(), 300, 1e-9);
  EXPECT_NEAR(p.wysokosc(), 100, 1e-9);
  EXPECT_NEAR(p.odcinki[1].y2, 100, 1e-9);
  EXPECT_NEAR(p.skala, before.skala / 1000, 1e-12);
  for (size_t i = 0; i < p.odcinki.size(); ++i) {  // refitted: the same pixels
    EXPECT_EQ(p.odcinki[i].px2, before.odcinki[i].px2);
    EXPECT_EQ(p.odcinki[i].py2, before.odcinki[i].py2);
  }
}

double Area(const std::vector<Point>& p) {
  double a = 0;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    a += p[j].x * p[i].y - p[i].x * p[j].y;
  return std::abs(a) / 2;
}

TEST(Contours, NestedSquaresAlternateSolidAndHole) {
  // 100 square, a 50 hole, a 10 island; directions mixed, ends off by 1e-8 (below 1e-6 of
  // the diagonal), one segment twice and one of zero length
  const std::vector<OdcinekPodkladu> segments = {
      {0, 0, 100, 0},   {100, 100, 100, 0},      {100, 100, 0, 100}, {0, 0, 0, 100},
      {25, 25, 75, 25}, {75, 25 + 1e-8, 75, 75}, {75, 75, 25, 75},   {25, 75, 25, 25},
      {45, 45, 55, 45}, {55, 45, 55, 55},        {55, 55, 45, 55},   {45, 55, 45, 45},
      {100, 0, 0, 0},   {30, 30, 30, 30}};
  const Kontury k = ZnajdzKontury(segments);
  EXPECT_TRUE(k.open.empty());
  EXPECT_TRUE(k.error.empty());
  ASSERT_EQ(k.contours.size(), 3u);
  for (const Kontur& c : k.contours) {
    EXPECT_EQ(c.points.size(), 4u);
    const double a = Area(c.points);
    SCOPED_TRACE(a);
    EXPECT_EQ(c.hole, std::abs(a - 2500) < 1e-3);  // only the middle square is a hole
  }
}

TEST(Contours, ChainsThatDoNotCloseAreListedWithTheirEnds) {
  // an L of two segments, and a triangle with a tail
  const Kontury k = ZnajdzKontury({{0, 0, 100, 0},
                                   {100, 0, 100, 50},
                                   {200, 0, 300, 0},
                                   {300, 0, 250, 80},
                                   {250, 80, 200, 0},
                                   {300, 0, 350, 0}});
  EXPECT_TRUE(k.contours.empty());
  ASSERT_EQ(k.open.size(), 3u);  // the L; the tail and the triangle from the branch point
  EXPECT_EQ(k.open[0].segments, 2);
  const Point ends[] = {k.open[0].from, k.open[0].to};
  EXPECT_TRUE((ends[0] == Point{0, 0} && ends[1] == Point{100, 50}) ||
              (ends[1] == Point{0, 0} && ends[0] == Point{100, 50}));
  EXPECT_EQ(OpisLancucha({{0, 0}, {100, 50.5}, 2}), "(0; 0) – (100; 50,5)");
}

}  // namespace
}  // namespace tarvik
