#include "engine/rounded.h"

#include <gtest/gtest.h>

#include <cmath>
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

// A circular sector of radius r and half-angle alpha about the x axis, apex at the origin:
// the apex, the arc's two ends (sharp) and the corner where the arc's tangents meet, rounded
// by r so that its fillet is the arc itself; then turned by theta and moved by (tx, ty).
TEST(RoundedOutline, SectorsTurnedAndMovedIntegrateInClosedForm) {
  struct Case {
    double alpha, r, theta, tx, ty;
  };
  const Case cases[] = {
      {kPi / 4, 10, 0, 0, 0},           // a quarter disc
      {kPi / 8, 7.5, 0.3, -40, 25},     // a 45° bend
      {kPi / 3, 3, -2.1, 120, -80},     // 120°
      {0.05, 50, 1.0, 5, 900},          // a shallow arc far from the origin
      {1.45, 0.8, 2.9, -3, -4},         // nearly a half disc
  };
  for (const Case& c : cases) {
    const double a = c.alpha, r = c.r, ct = std::cos(c.theta), st = std::sin(c.theta);
    auto place = [&](double x, double y) {
      return Point{c.tx + ct * x - st * y, c.ty + st * x + ct * y};
    };
    const RoundedOutline sector = {{place(0, 0), 0},
                                   {place(r * std::cos(a), -r * std::sin(a)), 0},
                                   {place(r / std::cos(a), 0), r},
                                   {place(r * std::cos(a), r * std::sin(a)), 0}};
    // about the apex, in the sector's own axes
    const double area = r * r * a, sx0 = 2 * r * r * r * std::sin(a) / 3;
    const double iyy0 = std::pow(r, 4) / 8 * (2 * a + std::sin(2 * a));
    const double ixx0 = std::pow(r, 4) / 8 * (2 * a - std::sin(2 * a));
    // turned: the first moment and the tensor of second moments rotate; moved: parallel axes
    const double fx = ct * sx0, fy = st * sx0;
    const double xx = ct * ct * iyy0 + st * st * ixx0, yy = st * st * iyy0 + ct * ct * ixx0;
    const double xy = ct * st * (iyy0 - ixx0);
    const AreaIntegrals s = Integrate(sector);
    const double scale = std::pow(r + std::hypot(c.tx, c.ty), 2) * area;
    EXPECT_NEAR(s.a, area, 1e-13 * area) << c.alpha;
    EXPECT_NEAR(s.sy, c.tx * area + fx, 1e-13 * scale / r) << c.alpha;
    EXPECT_NEAR(s.sx, c.ty * area + fy, 1e-13 * scale / r) << c.alpha;
    EXPECT_NEAR(s.iyy, xx + 2 * c.tx * fx + c.tx * c.tx * area, 1e-13 * scale) << c.alpha;
    EXPECT_NEAR(s.ixx, yy + 2 * c.ty * fy + c.ty * c.ty * area, 1e-13 * scale) << c.alpha;
    EXPECT_NEAR(s.ixy, xy + c.tx * fy + c.ty * fx + c.tx * c.ty * area, 1e-13 * scale) << c.alpha;
    EXPECT_NEAR(Perimeter(sector), 2 * r + 2 * a * r, 1e-12 * r) << c.alpha;
  }
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
