// The motion that carries a rebuilt figure's true outline onto the figure read from a file:
// found for a turn, a mirror and a shift, refused for anything that is not one.
#include "generators/true_outline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tarvik {
namespace {

// an L of unequal legs: no symmetry, so a motion that fits it is the only one
const std::vector<Point> kEll = {{0, 0}, {60, 0}, {60, 8}, {8, 8}, {8, 100}, {0, 100}};

std::vector<Point> Moved(const std::vector<Point>& p, double degrees, bool mirror, double dx,
                         double dy, double scale = 1) {
  const double a = degrees * 3.141592653589793 / 180, c = std::cos(a), s = std::sin(a);
  std::vector<Point> out;
  for (Point q : p) {
    if (mirror) q.x = -q.x;
    out.push_back({scale * (c * q.x - s * q.y) + dx, scale * (s * q.x + c * q.y) + dy});
  }
  return out;
}

TEST(RigidMotion, FindsATurnMirrorAndShiftAndNothingElse) {
  struct Motion {
    double degrees;
    bool mirror;
    double dx, dy, scale = 1;
  };
  struct Case {
    const char* name;
    Motion motion;
    bool found;
    bool shuffle = false;  // two points exchanged
  } cases[] = {
      {"turned and shifted", {30, false, 5, -7}, true},
      {"mirrored, turned half round", {180, true, -150, 105}, true},
      {"scaled", {30, false, 5, -7, 1.01}, false},
      {"points in another order", {30, false, 5, -7}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Motion& v = c.motion;
    std::vector<Point> to = Moved(kEll, v.degrees, v.mirror, v.dx, v.dy, v.scale);
    if (c.shuffle) std::swap(to[1], to[2]);
    std::array<double, 6> m{};
    ASSERT_EQ(RigidMotion(kEll, to, m), c.found);
    if (!c.found) continue;
    // it carries a point off the outline (where a fillet's middle would be) as well
    const Point expected = Moved({{30, 50}}, v.degrees, v.mirror, v.dx, v.dy)[0];
    EXPECT_NEAR(m[0] * 30 + m[1] * 50 + m[4], expected.x, 1e-9);
    EXPECT_NEAR(m[2] * 30 + m[3] * 50 + m[5], expected.y, 1e-9);
  }
  std::array<double, 6> m{};
  EXPECT_FALSE(RigidMotion(kEll, std::vector<Point>(kEll.begin(), kEll.end() - 1), m));
  EXPECT_FALSE(RigidMotion(std::vector<Point>{{0, 0}, {1, 0}, {2, 0}},
                           std::vector<Point>{{0, 0}, {0, 1}, {0, 2}}, m));  // on one line
}

}  // namespace
}  // namespace tarvik
