// The standard shapes of the "Dowolne" tab against closed forms: the inscribed circle, arc
// and polygon figures summed as fans of triangles from the centre in closed form (no point
// of the code under test is used for an expected value), the torsion values against the
// textbook ones, and the dialog rules against hand calculations.
#include "generators/arbitrary_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/composite.h"
#include "generators/arbitrary_points.h"

namespace tarvik {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDeg = kPi / 180;

// area [mm^2], first moments and second moments about the origin [mm^3, mm^4]
struct Moments {
  double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;
  Moments& operator+=(const Moments& o) {
    a += o.a, sx += o.sx, sy += o.sy, ixx += o.ixx, iyy += o.iyy, ixy += o.ixy;
    return *this;
  }
};

// k triangles (centre, arc point, next arc point) on radius r from angle phi0 in steps of
// theta [rad], summed in closed form: Σ sin m, Σ cos m, Σ cos 2m, Σ sin 2m over the mid
// angles m of the steps
Moments Fan(double r, double phi0, double theta, int k) {
  const double at = r * r * std::sin(theta) / 2;
  const double half = std::sin(k * theta / 2) / std::sin(theta / 2);
  const double doubled = std::sin(k * theta) / std::sin(theta);
  const double sinM = half * std::sin(phi0 + k * theta / 2);
  const double cosM = half * std::cos(phi0 + k * theta / 2);
  const double cos2M = doubled * std::cos(2 * phi0 + k * theta);
  const double sin2M = doubled * std::sin(2 * phi0 + k * theta);
  const double arm = 2 * r / 3 * std::cos(theta / 2);  // centroid of each triangle
  const double c = std::cos(theta);
  Moments m;
  m.a = k * at;
  m.sx = at * arm * sinM;
  m.sy = at * arm * cosM;
  m.ixx = at * r * r / 6 * (k * (1 + c / 2) - (c + 0.5) * cos2M);
  m.iyy = at * r * r / 6 * (k * (1 + c / 2) + (c + 0.5) * cos2M);
  m.ixy = at * r * r / 12 * (2 * c + 1) * sin2M;
  return m;
}

// triangle (0,0), (a,0), (c,h)
Moments Triangle(double a, double h, double c) {
  Moments m;
  m.a = a * h / 2;
  m.sx = m.a * h / 3;
  m.sy = m.a * (a + c) / 3;
  m.ixx = a * h * h * h / 12;
  m.iyy = a * h * (a * a + a * c + c * c) / 12;
  m.ixy = a * h * h * (a + 2 * c) / 24;
  return m;
}

Moments Rectangle(double b, double h) {
  return {
      b * h, b * h * h / 2, b * b * h / 2, b * h * h * h / 3, h * b * b * b / 3, b * b * h * h / 4};
}

struct Built {
  SectionModel model;
  RecordingSink sink;
  bool ok = false;
  std::string error;
  Built(const Ksztalt& k, bool hole) {
    model.kind = kDowolne;
    ok = ZbudujKsztalt(k, hole, model.working(), error) && WlasnosciKsztaltu(model, sink);
  }
  const FigureRecord& fig() const { return model.working(); }
  const PropertiesRecord& r() const { return model.section; }
};

Ksztalt Shape(int kod, double a, double b = 0, double kat = 0, int rodzaj = kRownoboczny) {
  Ksztalt k;
  k.kod = kod, k.a = a, k.b = b, k.kat = kat, k.rodzaj = rodzaj;
  return k;
}

// area, centroid and the two invariants of the central moments (J1 + J2, J1·J2), which do
// not depend on which principal axis the engine calls the first
void ExpectMoments(const PropertiesRecord& r, const Moments& m, double sign) {
  const double cx = m.sy / m.a, cy = m.sx / m.a;
  const double jx = m.ixx - m.a * cy * cy, jy = m.iyy - m.a * cx * cx, jxy = m.ixy - m.a * cx * cy;
  const double tol = 1e-9;
  EXPECT_NEAR(r[slot::A], sign * m.a / 100, tol * m.a / 100);
  EXPECT_NEAR(r[slot::xS], cx, 1e-9 * std::sqrt(m.a));
  EXPECT_NEAR(r[slot::yS], cy, 1e-9 * std::sqrt(m.a));
  EXPECT_NEAR(r[slot::J1] + r[slot::J2], sign * (jx + jy) / 1e4, tol * (jx + jy) / 1e4);
  const double product = (jx * jy - jxy * jxy) / 1e8;
  EXPECT_NEAR(r[slot::J1] * r[slot::J2], product, 1e-8 * product);
}

TEST(ArbitraryShapes, SolidsAndHolesMatchTheirClosedForms) {
  struct Case {
    const char* name;
    Ksztalt shape;
    int solidCount, holeCount;
    Moments expected;
    const char* label;
    const char* dim1;
    const char* dim2;
  };
  const double r = 100;
  auto segment = [&](double alpha, int n) {
    Moments m = Fan(r, (90 - alpha / 2) * kDeg, alpha / n * kDeg, n);
    m += Fan(r, (90 + alpha / 2) * kDeg, -alpha * kDeg, 1);  // less (or, past 180°, plus) the
    return m;                                                // triangle to the chord's ends
  };
  const std::vector<Case> cases = {
      {"hexagon", Shape(kSzesciokat, 50), 7, 6, Fan(50, 0, kPi / 3, 6), "6K 50", "50 mm", ""},
      {"rectangle", Shape(kProstokat, 200, 100), 5, 4, Rectangle(200, 100), "Pr 200x100", "200 mm",
       "100 mm"},
      {"isosceles", Shape(kTrojkat, 120, 80, std::atan(80 / 60.0) / kDeg, kRownoramienny), 4, 3,
       Triangle(120, 80, 60), "Tr 120_80", "120 mm", "80 mm"},
      {"obtuse", Shape(kTrojkat, 100, 50, 135, kDowolny), 4, 3, Triangle(100, 50, -50), "Tr 100_50",
       "100 mm", "50 mm"},
      {"circle", Shape(kKolo, r), 36, 36, Fan(r, 0, 2 * kPi / 35, 35), "R 100", "100 mm", ""},
      {"semicircle", Shape(kPolkole, r), 20, 19, Fan(r, 0, kPi / 18, 18), "R 100", "100 mm", ""},
      {"sector 90", Shape(kWycinek, r, 90), 12, 11, Fan(r, 45 * kDeg, 10 * kDeg, 9), "R/a 100/90",
       "100 mm", "90°"},
      {"sector 45", Shape(kWycinek, r, 45), 7, 6, Fan(r, 67.5 * kDeg, 11.25 * kDeg, 4),
       "R/a 100/45", "100 mm", "45°"},
      {"sector 270", Shape(kWycinek, r, 270), 30, 29, Fan(r, -45 * kDeg, 10 * kDeg, 27),
       "R/a 100/270", "100 mm", "270°"},
      {"segment 40", Shape(kOdcinek, r, 40), 6, 5, segment(40, 4), "R/a 100/40", "100 mm", "40°"},
      {"segment 240", Shape(kOdcinek, r, 240), 26, 25, segment(240, 24), "R/a 100/240", "100 mm",
       "240°"},
      {"segment 355", Shape(kOdcinek, r, 355), 37, 36, segment(355, 35), "R/a 100/355", "100 mm",
       "355°"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Built solid(c.shape, false);
    ASSERT_TRUE(solid.ok) << solid.error;
    EXPECT_EQ(solid.fig().nOuter, c.solidCount);
    EXPECT_EQ(solid.fig().nInner, 0);
    ExpectMoments(solid.r(), c.expected, 1);
    EXPECT_EQ(solid.r().name(), c.label);
    EXPECT_EQ(solid.fig().props, solid.r());
    EXPECT_EQ(solid.fig().dims[0], c.dim1);
    EXPECT_EQ(solid.fig().dims[1], c.dim2);
    EXPECT_EQ(solid.fig().selection[0], kDowolne);
    EXPECT_EQ(solid.fig().selection[1], c.shape.kod);

    Built hole(c.shape, true);
    ASSERT_TRUE(hole.ok) << hole.error;
    EXPECT_EQ(hole.fig().nOuter, 0);
    EXPECT_EQ(hole.fig().nInner, c.holeCount);
    ExpectMoments(hole.r(), c.expected, -1);  // the material it takes away
    EXPECT_NEAR(hole.r()[slot::Ow], solid.r()[slot::Oz], 1e-9 * solid.r()[slot::Oz]);
    EXPECT_EQ(hole.r()[slot::Oz], 0);
  }
}

TEST(ArbitraryShapes, PointListsAtTheirEdges) {
  FigureRecord f;
  std::string error;
  // a circle of radius 10: 35 distinct vertices 360/35 degrees apart, then point 1 again
  for (bool hole : {false, true}) {
    SCOPED_TRACE(hole ? "circle hole" : "circle");
    ASSERT_TRUE(ZbudujKsztalt(Shape(kKolo, 10), hole, f, error));
    const auto& p = hole ? f.inner : f.outer;
    ASSERT_EQ(hole ? f.nInner : f.nOuter, 36);
    for (int i = 0; i < 35; ++i) {
      const double t = (hole ? -1 : 1) * i * 2 * kPi / 35;
      EXPECT_NEAR(p[i].x, 10 * std::cos(t), 1e-12);
      EXPECT_NEAR(p[i].y, 10 * std::sin(t), 1e-12);
    }
    EXPECT_EQ(p[35], p[0]);
  }
  // a sector of 90°: nine steps, arc points 45° to 135°, then the centre twice
  ASSERT_TRUE(ZbudujKsztalt(Shape(kWycinek, 100, 90), false, f, error));
  ASSERT_EQ(f.nOuter, 12);
  EXPECT_NEAR(f.outer[0].x, 100 * std::cos(45 * kDeg), 1e-12);
  EXPECT_NEAR(f.outer[9].x, 100 * std::cos(135 * kDeg), 1e-12);
  EXPECT_EQ(f.outer[10], (Point{0, 0}));
  EXPECT_EQ(f.outer[11], (Point{0, 0}));
  // a sector hole of 360°: 34 steps (not 36), 35 arc points and the centre
  ASSERT_TRUE(ZbudujKsztalt(Shape(kWycinek, 100, 360), true, f, error));
  EXPECT_EQ(f.nInner, 36);
  EXPECT_EQ(f.inner[35], (Point{0, 0}));
  // halves to even: 45° gives 4 steps, 55° gives 6
  ASSERT_TRUE(ZbudujKsztalt(Shape(kWycinek, 100, 55), false, f, error));
  EXPECT_EQ(f.nOuter, 9);
  // a segment of 40°: four steps (the least), five arc points and the chord's middle
  ASSERT_TRUE(ZbudujKsztalt(Shape(kOdcinek, 100, 40), false, f, error));
  ASSERT_EQ(f.nOuter, 6);
  EXPECT_NEAR(f.outer[5].x, 0, 1e-12);
  EXPECT_NEAR(f.outer[5].y, 100 * std::cos(20 * kDeg), 1e-12);
  // segments of 355° and 360° would need 38 places: capped at 35 steps, 37 points
  for (double alpha : {355.0, 360.0}) {
    ASSERT_TRUE(ZbudujKsztalt(Shape(kOdcinek, 100, alpha), false, f, error));
    EXPECT_EQ(f.nOuter, 37);
    EXPECT_NEAR(f.outer[35].x, 100 * std::cos((90 + alpha / 2) * kDeg), 1e-12);
  }
  // a rectangle 200 x 100 as a hole
  ASSERT_TRUE(ZbudujKsztalt(Shape(kProstokat, 200, 100), true, f, error));
  ASSERT_EQ(f.nInner, 4);
  const std::vector<Point> hole(f.inner.begin(), f.inner.begin() + 4);
  EXPECT_EQ(hole, (std::vector<Point>{{0, 0}, {0, 100}, {200, 100}, {200, 0}}));
  // the triangle keeps its kind in the variant field
  ASSERT_TRUE(ZbudujKsztalt(Shape(kTrojkat, 100, 50, 90, kDowolny), false, f, error));
  EXPECT_EQ(f.selection[2], kDowolny);
  EXPECT_NEAR(f.outer[2].x, 0, 1e-12);
}

TEST(ArbitraryShapes, RefusesDimensionsThatGiveNoFigure) {
  const std::vector<std::pair<const char*, Ksztalt>> cases = {
      {"zero side", Shape(kSzesciokat, 0)},
      {"negative width", Shape(kProstokat, -200, 100)},
      {"zero height", Shape(kProstokat, 200, 0)},
      {"not a number", Shape(kKolo, std::nan(""))},
      {"flat triangle", Shape(kTrojkat, 100, 50, 0, kDowolny)},
      {"base angle 180", Shape(kTrojkat, 100, 50, 180, kDowolny)},
      {"apex out of reach", Shape(kTrojkat, 100, 50, 1e-6, kDowolny)},
      {"no central angle", Shape(kWycinek, 100, 0)},
      {"central angle past 360", Shape(kOdcinek, 100, 361)},
      {"unknown code", Shape(9, 100, 100)},
      {"too large", Shape(kPolkole, 1e6)},
  };
  for (const auto& [name, shape] : cases) {
    SCOPED_TRACE(name);
    FigureRecord f;
    f.props.setName("before");
    const FigureRecord before = f;
    std::string error;
    EXPECT_FALSE(ZbudujKsztalt(shape, false, f, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(f, before);
  }
  Ksztalt tall = Shape(kOdcinek, 100, 180);
  tall.h = 201;
  FigureRecord f;
  std::string error;
  EXPECT_FALSE(ZbudujKsztalt(tall, true, f, error));
  EXPECT_EQ(error, "Niewłaściwe wymiary figury (wysokość powyżej średnicy)");

  // a working figure with no contour: the zero-area message, nothing half-computed left
  SectionModel empty;
  empty.kind = kDowolne;
  empty.working().props.setName("R 100");
  empty.section[slot::A] = 12;
  RecordingSink sink;
  EXPECT_FALSE(WlasnosciKsztaltu(empty, sink));
  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].text, "Zerowe pole przekroju");
  EXPECT_EQ(empty.section, PropertiesRecord{});
  EXPECT_EQ(empty.working().props, PropertiesRecord{});
}

// Saint-Venant's series for a b x t rectangle (b >= t): the constant [mm^4] and the modulus
// J / tau_max [mm^3]
void RectangleSeries(double b, double t, double& j, double& w) {
  double sumJ = 0, sumTau = 0;
  for (int n = 1; n < 60; n += 2) {
    sumJ += std::tanh(n * kPi * b / (2 * t)) / std::pow(n, 5);
    sumTau += 1 / (n * n * std::cosh(n * kPi * b / (2 * t)));
  }
  j = b * t * t * t / 3 * (1 - 192 / std::pow(kPi, 5) * t / b * sumJ);
  w = j / (t * (1 - 8 / (kPi * kPi) * sumTau));
}

TEST(ArbitraryShapes, TorsionValuesAgreeWithTheTextbook) {
  Built rect(Shape(kProstokat, 200, 100), false);
  double j = 0, w = 0;
  RectangleSeries(200, 100, j, w);
  // the coefficients are tabulated to three figures
  EXPECT_NEAR(rect.r()[slot::Jt], j / 1e4, 0.005 * j / 1e4);
  EXPECT_NEAR(rect.r()[slot::Wt], w / 1e3, 0.005 * w / 1e3);
  EXPECT_DOUBLE_EQ(rect.r()[slot::Avx], 0.9 * 200);
  EXPECT_DOUBLE_EQ(rect.r()[slot::Avy], 0.9 * 200);
  EXPECT_DOUBLE_EQ(rect.r()[slot::Oz], 600);

  // the circle: the polar moment of its 35-gon, the modulus over the radius
  Built circle(Shape(kKolo, 100), false);
  const Moments m = Fan(100, 0, 2 * kPi / 35, 35);
  EXPECT_NEAR(circle.r()[slot::Jt], (m.ixx + m.iyy) / 1e4, 1e-9 * (m.ixx + m.iyy) / 1e4);
  EXPECT_NEAR(circle.r()[slot::Wt], circle.r()[slot::Jt] / 10, 1e-12 * circle.r()[slot::Jt]);
  EXPECT_DOUBLE_EQ(circle.r()[slot::Avx], circle.r()[slot::A]);

  // the equilateral triangle exactly (√3 a^4 / 80, a^3 / 20); the hexagon 0.1154 d^4 across
  // the flats d (Roark); the semicircle (π/2 - 4/π) R^4
  const double a = 100, d = std::sqrt(3.0) * 60;
  Built equilateral(Shape(kTrojkat, a, 0.866 * a, 60, kRownoboczny), false);
  EXPECT_NEAR(equilateral.r()[slot::Jt], std::sqrt(3.0) * std::pow(a, 4) / 80 / 1e4, 1e-9);
  EXPECT_NEAR(equilateral.r()[slot::Wt], a * a * a / 20 / 1e3, 1e-9);
  Built hexagon(Shape(kSzesciokat, 60), false);
  EXPECT_NEAR(hexagon.r()[slot::Jt], 0.1154 * std::pow(d, 4) / 1e4,
              0.005 * 0.1154 * std::pow(d, 4) / 1e4);
  const double semi = (kPi / 2 - 4 / kPi) * std::pow(100, 4) / 1e4;
  for (Ksztalt k : {Shape(kPolkole, 100), Shape(kWycinek, 100, 180), Shape(kOdcinek, 100, 180)}) {
    SCOPED_TRACE(k.kod);
    Built half(k, false);
    EXPECT_NEAR(half.r()[slot::Jt], semi, 0.001 * semi);
  }

  // no torsion values where no formula holds: flags 1 and 2, beside 0, 3, 4 and 5
  const std::array<bool, 8> withTorsion{true, false, false, true, true, true, false, false};
  const std::array<bool, 8> without{true, true, true, true, true, true, false, false};
  EXPECT_EQ(equilateral.model.flags, withTorsion);
  for (Ksztalt k : {Shape(kTrojkat, 100, 50, 80, kDowolny), Shape(kOdcinek, 100, 120)}) {
    SCOPED_TRACE(k.kod);
    Built b(k, false);
    EXPECT_EQ(b.model.flags, without);
    EXPECT_EQ(b.r()[slot::Jt], 0);
  }
}

TEST(ArbitraryShapes, AHoleFigureSubtractsFromASolidOne) {
  SectionModel m;
  m.kind = kDowolne;
  RecordingSink sink;
  std::string error;
  ASSERT_TRUE(ZbudujKsztalt(Shape(kProstokat, 200, 100), false, m.working(), error));
  ASSERT_TRUE(WlasnosciKsztaltu(m, sink));
  m.addFigure();
  ASSERT_TRUE(ZbudujKsztalt(Shape(kProstokat, 100, 50), true, m.working(), error));
  ASSERT_TRUE(WlasnosciKsztaltu(m, sink));
  m.addFigure();
  PropertiesRecord r;
  r.setName("Dowolna");
  SumujFigury(m, true, r);
  // 200 x 100 less its lower left quarter, by hand
  const double area = 20000 - 5000;
  const double cx = (20000 * 100 - 5000 * 50) / area, cy = (20000 * 50 - 5000 * 25) / area;
  const double jx = 200 * 1e6 / 12 + 20000 * (cy - 50) * (cy - 50) -
                    (100 * 125000 / 12.0 + 5000 * (cy - 25) * (cy - 25));
  const double jy = 100 * 8e6 / 12 + 20000 * (cx - 100) * (cx - 100) -
                    (50 * 1e6 / 12 + 5000 * (cx - 50) * (cx - 50));
  const double jxy = 20000 * (cx - 100) * (cy - 50) - 5000 * (cx - 50) * (cy - 25);
  EXPECT_NEAR(r[slot::A], area / 100, 1e-9);
  EXPECT_NEAR(r[slot::xS], cx, 1e-9);
  EXPECT_NEAR(r[slot::yS], cy, 1e-9);
  EXPECT_NEAR(r[slot::J1] + r[slot::J2], (jx + jy) / 1e4, 1e-6);
  EXPECT_NEAR(r[slot::J1] * r[slot::J2], (jx * jy - jxy * jxy) / 1e8, 1e-6 * jx * jy / 1e8);
  EXPECT_TRUE(sink.messages().empty());
}

TEST(ArbitraryShapeDialogs, TriangleKindsTieTheirValues) {
  Ksztalt k = Shape(kTrojkat, 100, 40, 30, kRownoboczny);
  ZmianaTrojkata(k, ZmianaPola::kPodstawa);
  EXPECT_NEAR(k.b, 86.6, 1e-12);
  EXPECT_EQ(k.kat, 60);
  k.rodzaj = kRownoramienny;
  k.b = 50;  // a height of half the base: 45°
  ZmianaTrojkata(k, ZmianaPola::kWysokosc);
  EXPECT_NEAR(k.kat, 45, 1e-12);
  k.kat = 60;  // h = 50 tan 60° = 86.60...
  ZmianaTrojkata(k, ZmianaPola::kKat);
  EXPECT_NEAR(k.b, 50 * std::sqrt(3.0), 1e-9);
  k.kat = 89;  // above 85°: 60°
  ZmianaTrojkata(k, ZmianaPola::kKat);
  EXPECT_EQ(k.kat, 60);
  k.rodzaj = kDowolny;
  k.kat = 89;
  ZmianaTrojkata(k, ZmianaPola::kKat);
  EXPECT_EQ(k.kat, 89);
}

TEST(ArbitraryShapeDialogs, CircleHeightAndAngleFollowEachOther) {
  Ksztalt k = Shape(kOdcinek, 100, 120);
  ZmianaKola(k, ZmianaPola::kKatSrodkowy);
  EXPECT_NEAR(k.h, 50, 1e-12);  // R (1 - cos 60°)
  k.b = 400;
  ZmianaKola(k, ZmianaPola::kKatSrodkowy);
  EXPECT_EQ(k.b, 360);
  EXPECT_NEAR(k.h, 200, 1e-12);
  k.h = 100;  // the half circle
  ZmianaKola(k, ZmianaPola::kWysokosc);
  EXPECT_NEAR(k.b, 180, 1e-12);
  k.h = 250;  // above the diameter: the full circle
  ZmianaKola(k, ZmianaPola::kWysokosc);
  EXPECT_EQ(k.h, 200);
  EXPECT_NEAR(k.b, 360, 1e-12);
}

TEST(ArbitraryShapeDialogs, StepsRoundAndStayPositive) {
  struct Case {
    double (*step)(double, int);
    double value;
    int direction;
    double expected;
  };
  for (const Case& c : std::vector<Case>{{KrokKsztaltu, 12.4, 1, 22},
                                         {KrokKsztaltu, 12.5, -1, 2},  // 12 - 10
                                         {KrokKsztaltu, 7, -1, 10},
                                         {KrokZakresu, 150, -1, 50},
                                         {KrokZakresu, 50, -1, 100},
                                         {KrokOczka, 3, -1, 5},
                                         {KrokOczka, 10, 1, 15}}) {
    SCOPED_TRACE(c.value);
    EXPECT_DOUBLE_EQ(c.step(c.value, c.direction), c.expected);
  }
  EXPECT_DOUBLE_EQ(OczkoSiatki(100, 200), 5);
  EXPECT_DOUBLE_EQ(OczkoSiatki(100, 10), 10);
}

TEST(ArbitraryShapeDialogs, TypedPointsInEveryWayAndSystem) {
  const Point previous{10, 20}, clicked{13, 24};
  struct Case {
    WyborPunktu w;
    double v1, v2;  // what the click prefills
  };
  const double polar = std::atan2(24, 13) / kDeg;
  for (const Case& c : std::vector<Case>{{{kGlowny, kKartezjanski}, 13, 24},
                                         {{kWzgledny, kKartezjanski}, 3, 4},
                                         {{kGlowny, kBiegunowy}, std::hypot(13, 24), polar},
                                         {{kWzgledny, kBiegunowy}, 5, std::atan2(4, 3) / kDeg}}) {
    SCOPED_TRACE(c.w.sposob * 2 + c.w.uklad);
    const WartosciPunktu v = WartosciZPozycji(c.w, clicked, previous);
    EXPECT_NEAR(v.v1, c.v1, 1e-12);
    EXPECT_NEAR(v.v2, c.v2, 1e-12);
    // the values give back the clicked point
    const Point p = PunktZWartosci(c.w, v, previous);
    EXPECT_NEAR(p.x, 13, 1e-12);
    EXPECT_NEAR(p.y, 24, 1e-12);
  }
  // 10 mm at 90° from (10, 20)
  const Point up = PunktZWartosci({kWzgledny, kBiegunowy}, {10, 90}, previous);
  EXPECT_NEAR(up.x, 10, 1e-12);
  EXPECT_NEAR(up.y, 30, 1e-12);
  // the first point has nothing to count from: relative values start at 0, from the origin
  const WartosciPunktu first = WartosciZPozycji({kWzgledny, kKartezjanski}, clicked, {});
  EXPECT_EQ(first.v1, 0);
  EXPECT_EQ(first.v2, 0);
  EXPECT_EQ(PunktZWartosci({kWzgledny, kKartezjanski}, {3, 4}, {}), (Point{3, 4}));
}

}  // namespace
}  // namespace tarvik
