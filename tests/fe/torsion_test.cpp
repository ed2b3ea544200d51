// The finite-element torsion and flexure solver on structured meshes against closed forms:
// Saint-Venant's torsion constants, the thin-walled shear centre and warping constant, the
// shear areas of the exact flexure solutions; parts, weights and refused meshes.
#include "fe/torsion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tests/support/fe_meshes.h"

namespace tarvik {
namespace {

using test::CellGrid;
using test::Join;
using test::Lines;

constexpr double kPi = 3.141592653589793;
constexpr double kClosedForm = 1e-3;  // relative, quadratic elements against exact solutions
constexpr double kThinWalled = 2e-3;  // relative, against thin-walled theory at t/h = 0.01
constexpr double kSame = 1e-9;        // relative, for values that may differ only by rounding

void ExpectRel(double expected, double actual, double tol, const char* what) {
  EXPECT_NEAR(actual, expected, tol * std::fabs(expected)) << what;
}

// Saint-Venant's series for an a x b rectangle, a >= b: J = beta a b^3
double RectangleJ(double a, double b) {
  double sum = 0;
  for (int n = 1; n < 200; n += 2) sum += std::tanh(n * kPi * a / (2 * b)) / std::pow(n, 5);
  return (1.0 / 3 - 64 / std::pow(kPi, 5) * (b / a) * sum) * a * b * b * b;
}

// the shear area along x of the ellipse of semi-axes a (along x) and b at nu = 0, from the
// exact flexure stresses tau = c (p x^2 + y^2 - p a^2, 2 x y), p = (2a^2 + b^2) / a^2:
// A_s = V^2 / int tau^2 dA with V = int tau_x dA
double EllipseShearArea(double a, double b) {
  const double p = (2 * a * a + b * b) / (a * a), A = kPi * a * b;
  const double x2 = A * a * a / 4, y2 = A * b * b / 4, x4 = A * std::pow(a, 4) / 8,
               y4 = A * std::pow(b, 4) / 8, x2y2 = A * a * a * b * b / 24;
  const double V = p * x2 + y2 - p * a * a * A;
  const double tau2 = p * p * x4 + y4 + p * p * std::pow(a, 4) * A + 2 * p * x2y2 -
                      2 * p * p * a * a * x2 - 2 * p * a * a * y2 + 4 * x2y2;
  return V * V / tau2;
}

// a channel of mid-line web h and flanges b (from the web's mid-line), walls t thick, the
// web's mid-line on x = 0 and the flanges towards +x; an I-section when symmetric
fe::Mesh ThinWalled(double h, double b, double t, bool symmetric) {
  const double y0 = h / 2 - t / 2, y1 = h / 2 + t / 2, xl = symmetric ? -b / 2 : -t / 2;
  const auto ys = Join({Lines(-y1, -y0, 2), Lines(-y0, y0, 100), Lines(y0, y1, 2)});
  const auto xs =
      symmetric ? Join({Lines(xl, -t / 2, 20), Lines(-t / 2, t / 2, 2), Lines(t / 2, b / 2, 20)})
                : Join({Lines(-t / 2, t / 2, 2), Lines(t / 2, b, 40)});
  return CellGrid(xs, ys,
                  [=](double x, double y) { return std::fabs(x) < t / 2 || std::fabs(y) > y0; });
}

fe::Mesh Moved(fe::Mesh m, double angle, double dx, double dy) {
  const double c = std::cos(angle), s = std::sin(angle);
  for (fe::Node& p : m.nodes) p = {c * p.x - s * p.y + dx, s * p.x + c * p.y + dy};
  return m;
}

TEST(Rozwiaz, TorsionConstantsMatchTheExactSolutions) {
  const double r = 50, R = 80, ea = 60, eb = 30, s = 100;
  struct Case {
    const char* name;
    fe::Mesh mesh;
    double A, J;
  } cases[] = {
      {"square", test::FeRectangle(100, 100, 16, 16), 1e4, RectangleJ(100, 100)},
      {"rectangle 2:1", test::FeRectangle(100, 50, 16, 8), 5e3, RectangleJ(100, 50)},
      {"rectangle 10:1 on end", test::FeRectangle(10, 100, 8, 40), 1e3, RectangleJ(100, 10)},
      {"circle", test::FeAnnulus(0, r, 8, 32), kPi * r * r, kPi * std::pow(r, 4) / 2},
      {"annulus", test::FeAnnulus(r, R, 4, 48), kPi * (R * R - r * r),
       kPi * (std::pow(R, 4) - std::pow(r, 4)) / 2},
      {"ellipse", test::FeEllipse(ea, eb, 8, 32), kPi * ea * eb,
       kPi * std::pow(ea * eb, 3) / (ea * ea + eb * eb)},
      {"equilateral triangle", test::FeEquilateral(s, 16), s * s * std::sqrt(3.0) / 4,
       std::pow(s, 4) * std::sqrt(3.0) / 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fe::WynikMES w = fe::Rozwiaz(c.mesh);
    ExpectRel(c.A, w.A, kClosedForm, "A");
    ExpectRel(c.J, w.J, kClosedForm, "J");
    EXPECT_EQ(w.parts, 1);
    EXPECT_EQ(w.elements, static_cast<int>(c.mesh.elements.size()));
  }
}

TEST(Rozwiaz, ShearCentreAndWarpingConstantOfThinWalledSections) {
  const double h = 200, b = 80, t = 2;
  // the channel's shear centre lies e = 3b²/(6b + h) behind the web, away from the flanges
  const fe::WynikMES channel = fe::Rozwiaz(ThinWalled(h, b, t, false));
  ExpectRel(-3 * b * b / (6 * b + h), channel.xT, kThinWalled, "channel xT");
  // on the axis of symmetry, but for the cells' diagonals, which all lean one way
  EXPECT_NEAR(channel.yT, 0, 1e-6 * h);
  // the I-section's flanges warp against each other: Iw = Iz h² / 4, Iz = 2 t b³ / 12
  const fe::WynikMES I = fe::Rozwiaz(ThinWalled(h, b, t, true));
  ExpectRel(2 * t * b * b * b / 12 * h * h / 4, I.Iw, kThinWalled, "I-section Iw");
  EXPECT_NEAR(I.xT, 0, 1e-9 * h);
  EXPECT_NEAR(I.yT, 0, 1e-9 * h);
  // a doubly symmetric solid section twists about its centroid, wherever it lies
  const fe::WynikMES rect = fe::Rozwiaz(Moved(test::FeRectangle(100, 40, 8, 4), 0, 30, -20));
  EXPECT_NEAR(rect.xT, 30, 1e-9 * 100);
  EXPECT_NEAR(rect.yT, -20, 1e-9 * 100);
}

TEST(Rozwiaz, ShearAreasMatchTheExactFlexureStresses) {
  const double r = 50, ea = 60, eb = 30;
  auto circle = [](double nu) { return 6 * (1 + nu) * (1 + nu) / (7 + 14 * nu + 8 * nu * nu); };
  struct Case {
    const char* name;
    fe::Mesh mesh;
    double nu, Avx, Avy;
  } cases[] = {
      // parabolic stresses at nu = 0: 5/6 of the area both ways
      {"rectangle", test::FeRectangle(100, 50, 16, 8), 0, 5e3 * 5 / 6, 5e3 * 5 / 6},
      // Timoshenko and Goodier's circle: A_s = A 6(1+nu)^2 / (7 + 14nu + 8nu^2)
      {"circle nu 0", test::FeAnnulus(0, r, 8, 32), 0, kPi * r * r * circle(0),
       kPi * r * r * circle(0)},
      {"circle nu 0.3", test::FeAnnulus(0, r, 8, 32), 0.3, kPi * r * r * circle(0.3),
       kPi * r * r * circle(0.3)},
      {"ellipse", test::FeEllipse(ea, eb, 8, 32), 0, EllipseShearArea(ea, eb),
       EllipseShearArea(eb, ea)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fe::WynikMES w = fe::Rozwiaz(c.mesh, c.nu);
    ExpectRel(c.Avx, w.Avx, kClosedForm, "Avx");
    ExpectRel(c.Avy, w.Avy, kClosedForm, "Avy");
  }
}

TEST(Rozwiaz, TurningAndMovingASectionMovesOnlyItsShearCentre) {
  // the channel, symmetric about x, turned by 30° and moved: J and Iw stay, the shear centre
  // follows, and the shear flexibilities 1/A mix like a tensor's components
  const double angle = kPi / 6, dx = 150, dy = -70, c = std::cos(angle), s = std::sin(angle);
  const fe::Mesh channel = ThinWalled(200, 80, 2, false);
  const fe::WynikMES a = fe::Rozwiaz(channel), b = fe::Rozwiaz(Moved(channel, angle, dx, dy));
  ExpectRel(a.J, b.J, kSame, "J");
  ExpectRel(a.Iw, b.Iw, 1e-7, "Iw");
  EXPECT_NEAR(b.xT, c * a.xT - s * a.yT + dx, 1e-7 * 200);
  EXPECT_NEAR(b.yT, s * a.xT + c * a.yT + dy, 1e-7 * 200);
  EXPECT_NEAR(b.xS, c * a.xS - s * a.yS + dx, 1e-9 * 200);
  ExpectRel(c * c / a.Avx + s * s / a.Avy, 1 / b.Avx, 1e-7, "1/Avx");
  ExpectRel(s * s / a.Avx + c * c / a.Avy, 1 / b.Avy, 1e-7, "1/Avy");
}

TEST(Rozwiaz, PartsApartTwistAndShearOnTheirOwnAndWeightsScale) {
  // two rectangles 10 mm apart: weights 1 and 2 on the left and the right one
  const double a = 60, b = 30, gap = 10;
  fe::Mesh two =
      CellGrid(Join({Lines(0, a, 12), Lines(a, a + gap, 1), Lines(a + gap, 2 * a + gap, 12)}),
               Lines(0, b, 6), [=](double x, double) { return x < a || x > a + gap; });
  for (fe::Element& e : two.elements) e.region = two.nodes[e.n[0]].x > a ? 1 : 0;
  two.weights = {1, 2};
  const fe::WynikMES one = fe::Rozwiaz(test::FeRectangle(a, b, 12, 6));
  const fe::WynikMES w = fe::Rozwiaz(two);
  EXPECT_EQ(w.parts, 2);
  ExpectRel(3 * one.A, w.A, kSame, "A");
  ExpectRel(3 * one.J, w.J, kSame, "J");
  ExpectRel(3 * one.Avx, w.Avx, kSame, "Avx");
  ExpectRel(3 * one.Avy, w.Avy, kSame, "Avy");
  // the weighted centroid: a/2 at weight 1, a + gap + a/2 at weight 2
  ExpectRel((a / 2 + 2 * (1.5 * a + gap)) / 3, w.xS, kSame, "xS");
  EXPECT_TRUE(std::isnan(w.Iw) && std::isnan(w.xT) && std::isnan(w.yT));

  // one figure at weight 2 is the same section twice as stiff
  fe::Mesh heavy = test::FeRectangle(a, b, 12, 6);
  heavy.weights = {2};
  const fe::WynikMES h = fe::Rozwiaz(heavy);
  ExpectRel(2 * one.J, h.J, kSame, "J");
  ExpectRel(2 * one.Iw, h.Iw, 1e-7, "Iw");
  ExpectRel(2 * one.Avx, h.Avx, kSame, "Avx");
  EXPECT_NEAR(h.xT, one.xT, 1e-9 * a);
}

TEST(Rozwiaz, RefusesAMeshItCannotSolve) {
  const fe::Mesh good = test::FeRectangle(10, 10, 2, 2);
  auto with = [&](auto change) {
    fe::Mesh m = good;
    change(m);
    return m;
  };
  struct Case {
    const char* name;
    fe::Mesh mesh;
    double nu;
  } cases[] = {
      {"no elements", fe::Mesh{good.nodes, {}, {1}}, 0.3},
      {"Poisson's ratio above 0.5", good, 0.6},
      {"a clockwise element",
       with([](fe::Mesh& m) { std::swap(m.elements[0].n[1], m.elements[0].n[2]); }), 0.3},
      {"a node past the end", with([](fe::Mesh& m) { m.elements[1].n[4] = 1000; }), 0.3},
      {"a figure without a weight", with([](fe::Mesh& m) { m.elements[2].region = 1; }), 0.3},
      {"a zero weight", with([](fe::Mesh& m) { m.weights[0] = 0; }), 0.3},
      {"all corners on one line",
       with([](fe::Mesh& m) { m.nodes[m.elements[0].n[2]] = m.nodes[m.elements[0].n[0]]; }), 0.3},
  };
  EXPECT_EQ(fe::BladSiatki(good, 0.3), "");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NE(fe::BladSiatki(c.mesh, c.nu), "");
    EXPECT_THROW(fe::Rozwiaz(c.mesh, c.nu), std::invalid_argument);
  }
}

}  // namespace
}  // namespace tarvik
