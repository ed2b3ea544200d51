// The circle inscribed in a web-flange junction, against the tangency condition solved in
// closed form: the loop must return the first 0.1 mm step at or past the exact radius.
#include "generators/junction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvik {
namespace {

CatalogueRecord Plates(float tw, float tf, float r) {
  CatalogueRecord c;
  c.values[CatalogueRecord::tw] = tw;
  c.values[CatalogueRecord::tf] = tf;
  c.values[CatalogueRecord::r] = r;
  return c;
}

// the radius d at which the candidate circle touches the fillet arc (distance to the arc's
// centre = d + r): on the web axis (T) the condition is linear in d, in the corner (L) quadratic
double ExactRadius(double tw, double tf, double r, Junction j) {
  const double fy = tf + r;
  if (j == Junction::kT) {
    const double fx = tw / 2 + r;
    return (fx * fx + fy * fy - r * r) / (2 * (fy + r));
  }
  const double fx = tw + r, s = fx + fy + r;
  return s - std::sqrt(s * s - (fx * fx + fy * fy - r * r));
}

TEST(SrednicaWezla, StopsAtTheFirstStepPastTheTouchingCircle) {
  struct Case {
    float tw, tf, r;
    Junction j;
  } cases[] = {
      {5.6f, 8.5f, 12, Junction::kT},    // IPE 200
      {11.0f, 19.0f, 27, Junction::kT},  // HE 300 B
      {6.0f, 10.0f, 0, Junction::kT},    // a sharp corner
      {7.5f, 11.5f, 11, Junction::kL},   // a channel's junction
      {10.0f, 10.0f, 12, Junction::kL},  // an angle's corner
  };
  for (const Case& c : cases) {
    const double d = ExactRadius(c.tw, c.tf, c.r, c.j);
    const double D = SrednicaWezla(Plates(c.tw, c.tf, c.r), c.j);
    EXPECT_GE(D, 2 * d - 1e-9) << c.tw << "/" << c.tf << "/" << c.r;
    EXPECT_LT(D, 2 * d + 0.2 + 1e-9) << c.tw << "/" << c.tf << "/" << c.r;
  }
}

TEST(SrednicaWezla, RecordsThatDescribeNoJunctionGiveZero) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const CatalogueRecord& c : {Plates(5, 0, 10), Plates(0, 5, 10), Plates(5, 8, -1),
                                   Plates(nan, 8, 10), Plates(5, 8, nan)}) {
    EXPECT_EQ(SrednicaWezla(c, Junction::kT), 0);
    EXPECT_EQ(JunctionTorsion(c, Junction::kL, 0.07, 0.076), 0);
  }
}

}  // namespace
}  // namespace tarvik
