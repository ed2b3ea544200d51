// The shear centre of thin-walled mid-line models against closed forms, in any frame.
#include "engine/thin_walled.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tarvik {
namespace {

constexpr double kPi = 3.141592653589793;

// the plates turned by angle degrees about the origin, then shifted by (dx, dy)
std::vector<Plate> Moved(std::vector<Plate> plates, double angle, double dx, double dy) {
  const double c = std::cos(angle * kPi / 180), s = std::sin(angle * kPi / 180);
  for (Plate& p : plates)
    for (Point* q : {&p.a, &p.b}) *q = {q->x * c - q->y * s + dx, q->x * s + q->y * c + dy};
  return plates;
}

Point MovedPoint(Point q, double angle, double dx, double dy) {
  return Moved({{q, q, 1}}, angle, dx, dy)[0].a;
}

// as drawn, and turned and shifted far away: the centre moves with the plates
const struct Frame { double angle, dx, dy; } kFrames[] = {{0, 0, 0}, {30, 1000, -500}, {90, 0, 0}};

void ExpectCentre(const std::vector<Plate>& plates, Point expected) {
  for (const Frame& f : kFrames) {
    SCOPED_TRACE(f.angle);
    const std::optional<Point> centre = ThinWalledShearCentre(Moved(plates, f.angle, f.dx, f.dy));
    ASSERT_TRUE(centre);
    const Point want = MovedPoint(expected, f.angle, f.dx, f.dy);
    EXPECT_NEAR(centre->x, want.x, 1e-9 * 1000);
    EXPECT_NEAR(centre->y, want.y, 1e-9 * 1000);
  }
}

// A channel of flanges b x tf (from the web's mid-line) h apart and a web tw: its shear
// centre lies on the axis of symmetry, e = 3b^2·tf/(6b·tf + h·tw) behind the web (Megson,
// Aircraft Structures, the channel example; Timoshenko & Gere, Mechanics of Materials)
TEST(ThinWalledShearCentre, OpenChannelHasTheTextbookEccentricity) {
  const double b = 76, h = 190, tw = 8, tf = 10;
  const std::vector<Plate> channel = {
      {{0, -h / 2}, {0, h / 2}, tw}, {{0, h / 2}, {b, h / 2}, tf}, {{b, -h / 2}, {0, -h / 2}, tf}};
  ExpectCentre(channel, {-3 * b * b * tf / (6 * b * tf + h * tw), 0});
}

// A rectangular cell b wide (webs tw), h high, top flange t1, bottom t2, worked by hand for a
// horizontal shear (Iy = (t1 + t2)·b^3/12 + tw·h·b^2/2): cut at a corner, the open flows'
// twist is cancelled by q0 = (b·h^2/2 + tw·b^2·h/(2·t1)) / (b/t1 + b/t2 + 2h/tw), and their
// moments put the force at y = (3·tw·b^2·h^2/4 + t1·b^3·h/12 - 2·b·h·q0) / Iy above the bottom
// flange (80.342 mm for b 100, h 200, tw 8, t1 10, t2 20 by numerical integration of the flows).
TEST(ThinWalledShearCentre, SingleCellByTheClosingFlow) {
  const double b = 100, h = 200, tw = 8;
  for (const double t2 : {10.0, 20.0, 4.0}) {
    SCOPED_TRACE(t2);
    const double t1 = 10;
    const double iy = (t1 + t2) * b * b * b / 12 + tw * h * b * b / 2;
    const double q0 = (b * h * h / 2 + tw * b * b * h / (2 * t1)) / (b / t1 + b / t2 + 2 * h / tw);
    const double y = (3 * tw * b * b * h * h / 4 + t1 * b * b * b * h / 12 - 2 * b * h * q0) / iy;
    if (t2 == t1) {
      EXPECT_NEAR(y, h / 2, 1e-12 * h) << "the derivation keeps the symmetry";
    }
    const std::vector<Plate> box = {{{-b / 2, 0}, {b / 2, 0}, t2},
                                    {{b / 2, 0}, {b / 2, h}, tw},
                                    {{b / 2, h}, {-b / 2, h}, t1},
                                    {{-b / 2, h}, {-b / 2, 0}, tw}};
    ExpectCentre(box, {0, y});
  }
}

TEST(ThinWalledShearCentre, NothingForTwoCellsPlatesApartOrNoThickness) {
  const std::vector<Plate> square = {
      {{0, 0}, {10, 0}, 1}, {{10, 0}, {10, 10}, 1}, {{10, 10}, {0, 10}, 1}, {{0, 10}, {0, 0}, 1}};
  std::vector<Plate> twoCells = square;
  twoCells[0].b = {5, 0}, twoCells[2].b = {5, 10};
  twoCells.push_back({{5, 0}, {10, 0}, 1});
  twoCells.push_back({{5, 10}, {0, 10}, 1});
  twoCells.push_back({{5, 0}, {5, 10}, 1});
  std::vector<Plate> apart = square, noThickness = square;
  apart.push_back({{20, 0}, {30, 0}, 1});
  noThickness[1].t = 0;
  const struct {
    const char* what;
    std::vector<Plate> plates;
  } cases[] = {{"two cells", twoCells},
               {"plates apart", apart},
               {"no thickness", noThickness},
               {"one line", {{{0, 0}, {10, 0}, 1}, {{10, 0}, {20, 0}, 2}}},
               {"nothing", {}}};
  for (const auto& c : cases) EXPECT_FALSE(ThinWalledShearCentre(c.plates)) << c.what;
}

}  // namespace
}  // namespace tarvik
