#include "engine/rounded.h"

#include <gtest/gtest.h>

#include <numbers>

namespace tarvik {
namespace {

constexpr double kPi = std::numbers::pi;

RoundedOutline Rectangle(double b, double h, double r) {
  return {{{0, 0}, r}, {{b, 0}, r}, {{b, h}, r}, {{0, h}, r}};
}

// an L of legs b (along x) and h (along y), thickness t, root fillet r, sharp elsewhere
RoundedOutline Ell(double b, double h, double t, double r) {
  return {{{0, 0}, 0}, {{b, 0}, 0}, {{b, t}, 0}, {{t, t}, r}, {{t, h}, 0}, {{0, h}, 0}};
}

TEST(RoundedOutline, ClosedFormsOfRoundedShapes) {
  // a square rounded to its half side is a circle: area pi r^2, I = pi r^4 / 4
  const CentralProperties circle = Central(Integrate(Rectangle(20, 20, 10)));
  EXPECT_NEAR(circle.area, kPi * 100, 1e-9);
  EXPECT_NEAR(circle.ixx, kPi * 1e4 / 4, 1e-7);
  EXPECT_NEAR(circle.xc, 10, 1e-12);

  // convex corners remove (4 - pi) r^2 in all; each carries its share of the moment
  const double b = 100, h = 60, r = 8, cut = (1 - kPi / 4) * r * r;
  const AreaIntegrals s = Integrate(Rectangle(b, h, r));
  EXPECT_NEAR(s.a, b * h - 4 * cut, 1e-9);
  EXPECT_NEAR(Central(s).yc, h / 2, 1e-12);

  // a concave root fillet adds (1 - pi/4) r^2 with its centroid 0.2234 r from both faces
  const double t = 10;
  const double lArea = b * t + (h - t) * t;
  const AreaIntegrals l = Integrate(Ell(b, h, t, r));
  EXPECT_NEAR(l.a, lArea + cut, 1e-9);
  const double fromFace = r * (10 - 3 * kPi) / (3 * (4 - kPi));
  const double sx = b * t * t / 2 + (h - t) * t * (t + (h - t) / 2) + cut * (t + fromFace);
  EXPECT_NEAR(l.sx, sx, 1e-6);

  // clockwise: the same values negated; the perimeter follows the arcs
  const RoundedOutline forward = Rectangle(b, h, r);
  const RoundedOutline reversed(forward.rbegin(), forward.rend());
  EXPECT_NEAR(Integrate(reversed).a, -s.a, 1e-9);
  EXPECT_NEAR(Perimeter(forward), 2 * (b + h) - 8 * r + 2 * kPi * r, 1e-9);
}

TEST(RoundedOutline, PrincipalAxesOfAnEqualAngle) {
  const CentralProperties c = Central(Integrate(Ell(100, 100, 10, 12)));
  EXPECT_NEAR(c.angle, kPi / 4, 1e-12);  // the larger moment about the axis at +45°
  EXPECT_NEAR(c.j1 + c.j2, c.ixx + c.iyy, 1e-6);
  EXPECT_NEAR(c.j1 - c.j2, 2 * -c.ixy, 1e-6);
}

TEST(RoundedOutline, DensePolygonApproachesTheArcs) {
  const RoundedOutline l = Ell(100, 60, 8, 10);
  const double exact = Integrate(l).a;
  auto polygonArea = [](const std::vector<Point>& p) {
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) {
      const Point u = p[i], v = p[(i + 1) % p.size()];
      a += u.x * v.y - v.x * u.y;
    }
    return a / 2;
  };
  // the chords of a root fillet lie on the empty side of its arc: a little more material,
  // the excess falling as 1/n^2
  const double e4 = polygonArea(Densify(l, 4)) - exact, e32 = polygonArea(Densify(l, 32)) - exact;
  EXPECT_GT(e4, 0);
  EXPECT_NEAR(e4 / e32, 64, 2);
  EXPECT_EQ(Densify(l, 32).size(), 5u + 33u);
}

}  // namespace
}  // namespace tarvik
