// The rectangle, circle, ellipse, pipes and arc of the "Proste" tab against closed forms;
// every outline integrated on its own (tests/support/polygon.h), never by the generators.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "generators/parametric.h"
#include "tests/support/polygon.h"
#include "tests/support/shapes.h"

namespace tarvik {
namespace {

using test::kPi;

// one generator run on a fresh model of the "Proste" tab
struct Trial {
  SectionModel m;
  Selection s;
  GeneratorSettings set;
  RecordingSink sink;
  Trial(int sub, int variant, const std::vector<std::string>& texts) {
    m.kind = kProste;
    s.kind = kProste, s.sub = sub, s.variant = variant;
    for (size_t i = 0; i < texts.size(); ++i) s.setText(static_cast<int>(i), texts[i]);
  }
  const PropertiesRecord& operator()(Generator generator) {
    Generation g{m, s, set, sink};
    generator(g);
    return m.section;
  }
  const FigureRecord& fig() const { return m.working(); }
  Point at(int k) const {  // outline point k as the sketch numbers it: outer, then inner
    const FigureRecord& f = fig();
    return k <= f.nOuter ? f.outer[k - 1] : f.inner[k - f.nOuter - 1];
  }
  double measured(const DimensionLine& d) const {  // what the dimension line spans
    const Point a = at(d.from), b = at(d.to);
    return d.direction == 1 ? std::fabs(b.x - a.x) : std::fabs(b.y - a.y);
  }
};

struct Expected {
  int slot;
  double value;
};
// each slot within a relative tolerance of its closed form
void ExpectSlots(const PropertiesRecord& r, std::initializer_list<Expected> values,
                 double tol = 1e-12) {
  for (const Expected& e : values)
    EXPECT_NEAR(r[e.slot], e.value, tol * std::fabs(e.value)) << "slot " << e.slot;
}

// Ramanujan's perimeter of an ellipse
double Perimeter(double a, double b) {
  return kPi * (3 * (a + b) - std::sqrt((3 * a + b) * (a + 3 * b)));
}

TEST(Prostokat, StoresThePlateAboutXWhicheverSideIsLonger) {
  struct Case {
    const char *b, *name;
    double B, alpha;  // Saint-Venant alpha at the side ratio
  } cases[] = {{"10 mm", "100x10", 10, 0.313}, {"200 mm", "100x200", 200, 0.229}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Trial run(0, 0, {"100 mm", c.b});
    const PropertiesRecord& r = run(Prostokat);
    const double H = 100, B = c.B, t = std::min(H, B), l = std::max(H, B), A = H * B / 100;
    EXPECT_EQ(r.name(), c.name);
    ExpectSlots(r, {{slot::A, A}, {slot::Avx, 0.9 * A}, {slot::J1, B * H * H * H / 12e4}});
    ExpectSlots(r, {{slot::Jt, l * t * t * t / 3e4}, {slot::Js, c.alpha * l * t * t * t / 1e4}});
    ExpectSlots(r, {{slot::Wcx, B * H * H / 6e3}, {slot::Wplx, B * H * H / 4e3}}, 1e-6);
    const test::PolygonProps p = test::Integrate(run.fig());
    EXPECT_NEAR(p.area, H * B, 1e-9);
    EXPECT_NEAR(p.ixx, B * H * H * H / 12, 1e-6);
    ASSERT_EQ(run.m.dimensions.size(), 2u);
    EXPECT_EQ(run.measured(run.m.dimensions[0]), H);
    EXPECT_EQ(run.measured(run.m.dimensions[1]), B);
  }
}

TEST(Kolo, ExactFormulasOnlyDrawTheCircle) {
  Trial run(1, 0, {"100 mm"});
  const PropertiesRecord& r = run(Kolo);
  const double D = 100, J = kPi * std::pow(D, 4) / 64e4, W = kPi * D * D * D / 32e3;
  EXPECT_EQ(r.name(), "Fi 100 mm");
  ExpectSlots(r, {{slot::A, kPi * D * D / 400}, {slot::J1, J}, {slot::J2, J}, {slot::Jt, 2 * J}});
  ExpectSlots(r, {{slot::Wcx, W}, {slot::Wty, W}, {slot::Wplx, D * D * D / 6e3}});
  ASSERT_EQ(run.fig().nOuter, 36);
  EXPECT_NEAR(test::Integrate(run.fig()).area, 35.0 / 2 * 2500 * std::sin(2 * kPi / 35), 1e-9);
  ASSERT_EQ(run.m.dimensions.size(), 1u);
  EXPECT_NEAR(run.measured(run.m.dimensions[0]), D, 0.01 * D);
}

// a regular n-gon of circumradius R: area n R^2 sin(w)/2, moment n R^4 sin(w)(2 + cos w)/24
// about any central axis, w = 2 pi/n
TEST(Kolo, InscribedPolygonIsIntegratedAsDrawn) {
  for (int n : {3, 36}) {  // the fewest and the most corners
    SCOPED_TRACE(n);
    Trial run(1, 0, {"100 mm"});
    run.set.exactFormulas = false, run.set.corners = n;
    const PropertiesRecord& r = run(Kolo);
    const double R = 50, w = 2 * kPi / n, A = n * R * R * std::sin(w) / 200;
    const double J = n * std::pow(R, 4) * std::sin(w) * (2 + std::cos(w)) / 24e4;
    ExpectSlots(r, {{slot::A, A}, {slot::Avy, A}, {slot::J1, J}, {slot::Jt, 2 * J}}, 1e-9);
    ExpectSlots(r, {{slot::Wt, 2 * J / 5}, {slot::Oz, 2 * n * R * std::sin(kPi / n)}}, 1e-9);
    EXPECT_GT(r[slot::Wplx], 0);
    EXPECT_NEAR(test::Integrate(run.fig()).area, 100 * A, 1e-9);
    EXPECT_TRUE(run.m.dimensions.empty());
  }
}

TEST(Elipsa, StoresTheClosedForms) {
  Trial run(1, 1, {"100 mm", "50 mm"});
  const PropertiesRecord& r = run(Elipsa);
  const double a = 50, b = 25, J1 = kPi * a * b * b * b / 4e4, J2 = kPi * a * a * a * b / 4e4;
  ExpectSlots(r, {{slot::A, kPi * a * b / 100}, {slot::J1, J1}, {slot::J2, J2}});
  ExpectSlots(r, {{slot::Jt, kPi * std::pow(a * b, 3) / (a * a + b * b) / 1e4}});
  ExpectSlots(r, {{slot::Wcx, J1 / 2.5}, {slot::Wty, J2 / 5}, {slot::Wt, kPi * b * b * a / 2e3}});
  ExpectSlots(r, {{slot::Oz, Perimeter(a, b)}}, 0.01);
  EXPECT_NEAR(std::hypot(test::Integrate(run.fig()).cx, test::Integrate(run.fig()).cy), 0, 1e-9);
}

// Wpl of the ellipse of semi-axes a, b is 4ab^2/3 (the circle's D^3/6 stretched), of the ring
// the outer's less the hole's. The 36 outline vertices, on the ellipse from (a, 0), enclose
// 18·a·b·sin 10°, the most any inscribed 36-gon holds: crowded vertices enclose less.
TEST(Elipsa, PlasticModuliAndOutlineHoldForAnyAxisRatio) {
  const struct {
    const char *width, *height, *wall;
    double a, b, t;
  } cases[] = {{"100 mm", "100 mm", "25 mm", 50, 50, 25},
               {"1000 mm", "100 mm", "25 mm", 500, 50, 25},
               {"1000 mm", "10 mm", "2,5 mm", 500, 5, 2.5},
               {"1000 mm", "1 mm", "0,25 mm", 500, 0.5, 0.25},
               {"10 mm", "1000 mm", "2,5 mm", 5, 500, 2.5}};
  auto wpl = [](double a, double b) { return 4 * a * b * b / 3e3; };
  // a contour's 36 vertices on the ellipse, the first on +x and vertex top + 1 on +y (10 going
  // counter-clockwise, 28 for the clockwise hole), and the largest inscribed area
  auto expectOutline = [](const std::array<Point, FigureRecord::kCapacity>& p, double a, double b,
                          int top) {
    for (int k = 0; k < 36; ++k)
      EXPECT_NEAR(p[k].x * p[k].x / (a * a) + p[k].y * p[k].y / (b * b), 1, 1e-12) << k + 1;
    EXPECT_EQ(p[0], (Point{a, 0}));
    EXPECT_EQ(p[top], (Point{0, b}));
    const double area = 18 * a * b * std::sin(kPi / 18);
    EXPECT_NEAR(std::fabs(test::Fan({p.begin(), p.begin() + 36}).area), area, 1e-12 * area);
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.width) + " x " + c.height);
    Trial solid(1, 1, {c.width, c.height});
    const PropertiesRecord& e = solid(Elipsa);
    ExpectSlots(e, {{slot::Wplx, wpl(c.a, c.b)}, {slot::Wply, wpl(c.b, c.a)}}, 0.005);
    EXPECT_EQ(e[slot::xpl], 0);
    EXPECT_EQ(e[slot::ypl], 0);
    expectOutline(solid.fig().outer, c.a, c.b, 9);

    Trial ring(2, 1, {c.width, c.height, "", "", c.wall});
    const PropertiesRecord& p = ring(RuraEliptyczna);
    const double ai = c.a - c.t, bi = c.b - c.t;
    ExpectSlots(p, {{slot::Wplx, wpl(c.a, c.b) - wpl(ai, bi)}}, 0.005);
    ExpectSlots(p, {{slot::Wply, wpl(c.b, c.a) - wpl(bi, ai)}}, 0.005);
    expectOutline(ring.fig().outer, c.a, c.b, 9);
    expectOutline(ring.fig().inner, ai, bi, 27);
    EXPECT_TRUE(solid.sink.messages().empty() && ring.sink.messages().empty());
  }
}

TEST(RuraOkragla, ExactFormulasForTheRingAndAPolygonIntegratedAsDrawn) {
  const double D = 100, t = 10, d = 80, J = kPi * (std::pow(D, 4) - std::pow(d, 4)) / 64e4;
  Trial exact(2, 0, {"100 mm", "10 mm"});
  const PropertiesRecord& r = exact(RuraOkragla);
  EXPECT_EQ(r.name(), "R 100/10");
  ExpectSlots(r, {{slot::A, kPi * (D * D - d * d) / 400}, {slot::J1, J}, {slot::Jt, 2 * J}});
  ExpectSlots(r, {{slot::Wtx, J / 5}, {slot::Wply, (D * D * D - d * d * d) / 6e3}});
  ExpectSlots(r, {{slot::Avx, 2 * t * (D - t) / 100}, {slot::Ow, kPi * d}});
  const FigureRecord& f = exact.fig();
  ASSERT_EQ(f.nInner, 35);
  EXPECT_EQ(f.outer[35], (Point{45, 0})) << "in the wall";
  EXPECT_LT(test::Fan({f.inner.begin(), f.inner.begin() + 35}).area, 0) << "the hole clockwise";
  EXPECT_NEAR(test::Integrate(f).area, 35.0 / 2 * (2500 - 1600) * std::sin(2 * kPi / 35), 1e-9);
  ASSERT_EQ(exact.m.dimensions.size(), 2u);
  EXPECT_NEAR(exact.measured(exact.m.dimensions[0]), D, 0.01 * D);
  EXPECT_NEAR(exact.measured(exact.m.dimensions[1]), t, 1e-12);

  Trial polygon(2, 0, {"100 mm", "10 mm"});
  polygon.set.exactFormulas = false, polygon.set.corners = 12;
  const PropertiesRecord& p = polygon(RuraOkragla);
  const test::PolygonProps i = test::Integrate(polygon.fig());
  ExpectSlots(p, {{slot::A, i.area / 100}, {slot::Jt, (i.ixx + i.iyy) / 1e4}}, 1e-9);
  ExpectSlots(p, {{slot::Oz, 24 * 50 * std::sin(kPi / 12)}, {slot::Ow, 960 * std::sin(kPi / 12)}});
  EXPECT_TRUE(polygon.m.dimensions.empty());

  Trial solid(2, 0, {"100 mm", "50 mm"});  // the thickest wall accepted
  EXPECT_NEAR(solid(RuraOkragla)[slot::A], kPi * 100 * 100 / 400, 1e-9);
}

// Bredt along the mid-line ellipse 47.5 x 22.5
TEST(RuraEliptyczna, StoresTheRingWithBredtTorsionAlongTheMidLine) {
  Trial run(2, 1, {"100 mm", "50 mm", "", "", "5 mm"});
  const PropertiesRecord& r = run(RuraEliptyczna);
  const double a = 50, b = 25, ai = 45, bi = 20, t = 5, Am = kPi * 47.5 * 22.5;
  const double J1 = kPi * (a * b * b * b - ai * bi * bi * bi) / 4e4;
  ExpectSlots(r, {{slot::A, kPi * (a * b - ai * bi) / 100}, {slot::J1, J1}, {slot::Wcx, J1 / 2.5}});
  ExpectSlots(r, {{slot::Wt, 2 * Am * t / 1e3}});
  ExpectSlots(r, {{slot::Jt, 4 * Am * Am * t / Perimeter(47.5, 22.5) / 1e4}}, 0.005);
  const FigureRecord& f = run.fig();
  ASSERT_EQ(f.nInner, 36);
  EXPECT_NEAR(test::Integrate(f).area, 100 * r[slot::A], r[slot::A]);
  ASSERT_EQ(run.m.dimensions.size(), 2u);
  EXPECT_NEAR(run.measured(run.m.dimensions[1]), 50, 1e-12);

  Trial flat(2, 1, {"100 mm", "50 mm", "", "", "25 mm"});  // the thickest wall accepted
  EXPECT_NEAR(flat(RuraEliptyczna)[slot::A], kPi * a * b / 100, 1e-9);
}

// a thin open arc of radius R and half angle a has its shear centre at 2R(sin a - a cos a)/(a -
// sin a cos a) from the centre and warps by (2/3) R^5 t (a^3 - 6(sin a - a cos a)^2/(a - sin a
// cos a)): for the semicircle 4R/pi and (pi^3/12 - 8/pi) R^5 t
TEST(Luk, SemicircleHasItsShearCentreOnTheBisector) {
  Trial run(3, 0, {"100 mm", "10 mm", "180°"});
  const PropertiesRecord& r = run(Luk);
  const double R = 100, t = 10, Ro = 110;
  EXPECT_EQ(r.name(), "Łuk100/10/180°");
  const FigureRecord& f = run.fig();
  ASSERT_EQ(f.nOuter, 37);
  for (int k = 0; k < 36; ++k) {  // 17 chords out from 0 to 180°, 17 back on the inner edge
    const double angle = (k < 18 ? k : 35 - k) * kPi / 17, radius = k < 18 ? Ro : R;
    EXPECT_NEAR(f.outer[k].x, radius * std::cos(angle), 1e-9) << k + 1;
    EXPECT_NEAR(f.outer[k].y, radius * std::sin(angle), 1e-9) << k + 1;
  }
  const test::PolygonProps p = test::Integrate(f);
  ExpectSlots(r, {{slot::A, p.area / 100}, {slot::yS, p.cy}}, 1e-12);
  EXPECT_NEAR(p.cy, 4 * (Ro * Ro * Ro - R * R * R) / (3 * kPi * (Ro * Ro - R * R)), 0.5);
  ExpectSlots(r, {{slot::yT, 4 * R / kPi}, {slot::Jt, (R + t / 2) * kPi * t * t * t / 3e4}}, 1e-9);
  ExpectSlots(r, {{slot::Jw, (kPi * kPi * kPi / 12 - 8 / kPi) * std::pow(R, 5) * t / 1e6}}, 1e-9);
  EXPECT_EQ(f.dims[1] + "/" + f.dims[2] + "/" + f.dims[3], "10/180/100");
  ASSERT_EQ(run.m.dimensions.size(), 1u);
  EXPECT_NEAR(run.measured(run.m.dimensions[0]), t, 1e-12);
}

TEST(Luk, QuarterArcHasItsShearCentreOnTheDiagonalAndItsNameFourFigures) {
  Trial run(3, 0, {"12,345 mm", "2 mm", "90°"});
  const PropertiesRecord& r = run(Luk);
  const double R = 12.345, a = kPi / 4, s = std::sin(a), c = std::cos(a);
  const double e = 2 * R * (s - a * c) / (a - s * c);
  EXPECT_EQ(r.name(), "Łuk12,35/2/90°");
  ExpectSlots(r, {{slot::xT, e * c}, {slot::yT, e * s}}, 1e-9);
  Trial wide(3, 0, {"1234,56 mm", "10 mm", "200°"});
  EXPECT_EQ(wide(Luk).name(), "Łuk1235/10/180°") << "the angle kept to 180°";
}

TEST(ZmiennaWysokosc, MovesTheDepthOfTheFamiliesOfVariableDepth) {
  struct Case {
    int kind, sub, variant, text;
    const char* after;
  } cases[] = {{kProste, 0, 0, 0, "220"},
               {kProste, 2, 3, 2, "220"},
               {kProste, 3, 0, 0, "200 mm"},
               // timber: centimetres; the rectangle's height, the tee's web
               {kDrewniane, 0, 0, 0, "202 cm"},
               {kDrewniane, 2, 0, 2, "202 cm"}};
  for (const Case& c : cases) {
    Selection s;
    s.kind = c.kind, s.sub = c.sub, s.variant = c.variant;
    for (int i = 0; i < 3; ++i) s.setText(i, "200 mm");
    ZmiennaWysokosc(s, 10, 2);  // 10 mm/m at 2 m
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s.texts[i], i == c.text ? c.after : "200 mm") << c.sub;
  }
}

// a refused section: one message, and neither outline nor values left behind
TEST(ProstokatAndRoundSections, RefuseWhatCannotBeBuiltAndLeaveNothingBehind) {
  const std::string zero = "Zerowe pole przekroju", thick = "Za duża grubość",
                    corners = "Niewłaściwa liczba narożników";
  struct Case {
    Generator generator;
    int sub, variant, corners;  // -1: exact formulas
    std::vector<std::string> texts;
    std::string message;
  } cases[] = {{Prostokat, 0, 0, -1, {"100 mm", "0 mm"}, zero},
               {Kolo, 1, 0, -1, {"0 mm"}, zero},
               {Elipsa, 1, 1, -1, {"-100 mm", "50 mm"}, "Ujemny wymiar"},
               {RuraOkragla, 2, 0, -1, {"100 mm", "50,1 mm"}, thick},
               {RuraEliptyczna, 2, 1, -1, {"100 mm", "50 mm", "", "", "0 mm"}, zero},
               {RuraEliptyczna, 2, 1, -1, {"100 mm", "50 mm", "", "", "25,1 mm"}, thick},
               {Luk, 3, 0, -1, {"100 mm", "10 mm", "0°"}, zero},
               {Kolo, 1, 0, 2, {"100 mm"}, corners},
               {RuraOkragla, 2, 0, 37, {"100 mm", "10 mm"}, corners}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.back() + " " + std::to_string(c.corners));
    Trial run(c.sub, c.variant, c.texts);
    run.set.exactFormulas = c.corners < 0, run.set.corners = c.corners;
    EXPECT_EQ(run(c.generator), PropertiesRecord{});
    EXPECT_EQ(run.fig(), FigureRecord{});
    ASSERT_EQ(run.sink.messages().size(), 1u);
    EXPECT_EQ(run.sink.messages()[0].text, c.message);
  }
}

}  // namespace
}  // namespace tarvik
