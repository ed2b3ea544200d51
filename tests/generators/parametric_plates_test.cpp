// The plate sections of the "Proste" tab: outlines against rectangles summed by hand, the
// closed-form values, the refusals. Saint-Venant α written out: 0.290 at a side ratio of 5,
// 0.307 at 8, 0.313 at 10, 0.333 from 20 on.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "generators/parametric.h"
#include "tests/support/polygon.h"

namespace tarvik {
namespace {

double P2(double v) { return v * v; }
double P3(double v) { return v * v * v; }

// one generator run on a fresh model; dims lists texts 1.. in mm, "-" for an unused one
struct Made {
  SectionModel m;
  Selection s;
  GeneratorSettings settings;
  RecordingSink sink;
  Made(Generator gen, int variant, const std::string& dims, int kind = kProste) {
    m.kind = kind;
    s.kind = kProste, s.variant = variant;
    std::istringstream in(dims);
    std::string d;
    for (int i = 0; in >> d; ++i) s.setText(i, d == "-" ? "" : d + " mm");
    Generation g{m, s, settings, sink};
    gen(g);
  }
  double operator[](int k) const { return m.section[k]; }
  const FigureRecord& fig() const { return m.working(); }
};

::testing::AssertionResult Close(double actual, double expected) {
  if (std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " instead of " << expected;
}

// a slot and the value it must hold
struct Want {
  Want(int k, double v) : slot(k), value(v) {}
  int slot;
  double value;
};
void ExpectValues(const Made& r, const std::vector<Want>& wanted) {
  for (const Want& w : wanted)
    EXPECT_TRUE(Close(r[w.slot], w.value)) << SlotTable()[w.slot - slot::d1].symbol;
}

// each dimension line spans, along its direction, exactly the value it prints
void ExpectDimensions(const Made& r, const std::vector<double>& values) {
  ASSERT_EQ(r.m.dimensions.size(), values.size());
  const FigureRecord& f = r.fig();
  for (size_t i = 0; i < values.size(); ++i) {
    const DimensionLine& d = r.m.dimensions[i];
    ASSERT_TRUE(d.from >= 1 && d.from < f.nOuter && d.to >= 1 && d.to < f.nOuter) << i;
    const Point a = f.outer[d.from - 1], b = f.outer[d.to - 1];
    EXPECT_EQ(d.value, values[i]) << i;
    EXPECT_EQ(d.direction == 0 ? std::fabs(a.y - b.y) : std::fabs(a.x - b.x), d.value) << i;
  }
}

void ExpectRefused(const Made& r, const char* message) {
  ASSERT_EQ(r.sink.messages().size(), 1u) << message;
  EXPECT_EQ(r.sink.messages()[0].title, "BŁĄD");
  EXPECT_EQ(r.sink.messages()[0].text, message);
  EXPECT_EQ(r.fig(), FigureRecord{}) << message;
  EXPECT_EQ(r.m.section, PropertiesRecord{}) << message;
}

// b x h rectangles centred on (x, y), touching but not overlapping
struct Plate {
  double b, h, x, y;
};
test::PolygonProps Sum(std::initializer_list<Plate> plates) {
  test::PolygonProps p;
  double sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;
  for (const Plate& q : plates) {
    const double a = q.b * q.h;
    p.area += a, sx += a * q.x, sy += a * q.y, xy += a * q.x * q.y;
    xx += q.b * P3(q.h) / 12 + a * q.y * q.y;
    yy += q.h * P3(q.b) / 12 + a * q.x * q.x;
  }
  p.cx = sx / p.area, p.cy = sy / p.area;
  p.ixx = xx - p.area * p.cy * p.cy, p.iyy = yy - p.area * p.cx * p.cx;
  p.ixy = xy - p.area * p.cx * p.cy;
  return p;
}

TEST(PlateSections, EachOutlineEnclosesItsPlatesAndStoresTheirClosedForms) {
  // clang-format off
  // centroids by hand: the channel's web 30 mm in from the right, the tee's flange at the
  // bottom, the angle's corner at the origin
  const double chX = (1600 * 40 + 2000 * 45) / 3600., teeY = -110 + (2000 * 10 + 2000 * 120) / 4e3;
  const double lX = (1000 * 5 + 560 * 45) / 1560., lY = (1000 * 50 + 560 * 4) / 1560.;
  const double iJ2 = (2 * 10 * P3(100) + 190 * 1e3) / 12 / 1e4;
  const double iJt = (2 * 100 * 1e3 + 200 * 1e3) / 3e4;  // web over the 200 mm between mid-planes
  const double iJs = (2 * 0.313 * 100 * 1e3 + 0.333 * 200 * 1e3) / 1e4;
  const double cJt = (1e3 * 200 + 1e3 * 160) / 3e4, cJs = (2 * 0.307 * 80e3 + 0.333 * 200e3) / 1e4;
  const double tJt = (8000 * 100 + 1e3 * 200) / 3e4, tJs = (0.290 * 800e3 + 0.333 * 200e3) / 1e4;
  // the compound cross as two welded I's: flanges 150 x 15, web 10 over 285; end plates
  // 100 x 10, web 8 over 250
  const double xJt = (2 * 150 * P3(15) + 285 * 1e3 + 2 * 100 * 1e3 + 250 * 512) / 3e4;
  const double xJs = (2 * 0.313 * 150 * P3(15) + 0.333 * 285 * 1e3 + 2 * 0.313 * 100 * 1e3 +
                      0.333 * 250 * 512) / 1e4;
  const double lJt = (1e3 * 100 + 512 * 80) / 3e4, lJs = (0.313 * 100e3 + 0.313 * 80 * 512) / 1e4;
  const struct {
    Generator gen; int variant; const char* dims; const char* name; double wall1, wall2;
    test::PolygonProps plates; std::vector<Want> wanted; std::vector<double> dimensions;
  } cases[] = {
      {Dwuteownik, 0, "210 10 100 - 10", "Bisymetryczny", 1, 1,
       Sum({{100, 10, 0, 100}, {100, 10, 0, -100}, {10, 190, 0, 0}}),
       {Want(slot::Avx, 20), Want(slot::Avy, 19), Want(slot::Jt, iJt), Want(slot::Js, iJs),
        Want(slot::Wt, iJt), Want(slot::Ws, iJs), Want(slot::Ivx, 10 * P3(190) / 12 / 1e4),
        Want(slot::Ivy, 2 * 10 * P3(100) / 12 / 1e4), Want(slot::w1, 200 * 100 / 400.),
        Want(slot::w2, -50), Want(slot::Jw, 200 * 200 * iJ2 / 400), Want(slot::Oz, 800)},
       {210, 100, 100, 10, 10, 10}},
      {Dwuteownik, 1, "300 8 200 100 12 16", "Monosymetryczny", 1.6, 0.8,
       Sum({{200, 12, 0, 144}, {100, 16, 0, -142}, {8, 272, 0, 2}}), {},
       {300, 100, 200, 16, 12, 8}},
      {Skrzynka, 0, "200 10 100 - 10 - 60", "Bisymetryczna", 1, 1,
       Sum({{100, 10, 0, 95}, {100, 10, 0, -95}, {10, 180, 35, 0}, {10, 180, -35, 0}}), {}, {}},
      {Ceownik, 0, "220 10 80 30 10", "Ceownik", 1, 1,
       Sum({{80, 10, 40, 105}, {80, 10, 40, -105}, {10, 200, 45, 0}}),
       {Want(slot::Avx, 16), Want(slot::Avy, 20), Want(slot::Jt, cJt), Want(slot::Js, cJs),
        Want(slot::Wt, cJt), Want(slot::Ws, cJs), Want(slot::Ivx, 10 * P3(200) / 12 / 1e4),
        Want(slot::Ivy, (2 * 10 * P3(80) / 12 + (40 - chX) * (40 - chX) * 1600) / 1e4),
        Want(slot::Oz, 2 * 80 + 4 * 10 + 2 * 70 + 2 * 200)}, {}},
      {Teownik, 0, "220 10 100 - 20", "Teownik", 2, 1,  // shear centre on the flange's mid-plane
       Sum({{100, 20, 0, -100}, {10, 200, 0, 10}}),
       {Want(slot::yT, -100), Want(slot::xT, 0), Want(slot::Avx, 20), Want(slot::Avy, 22),
        Want(slot::Jt, tJt), Want(slot::Js, tJs), Want(slot::Wt, tJt / 2), Want(slot::Ws, tJs / 2),
        Want(slot::Ivx, (10 * P3(200) / 12 + (teeY - 10) * (teeY - 10) * 2000) / 1e4),
        Want(slot::Ivy, 20 * P3(100) / 12 / 1e4), Want(slot::Oz, 100 + 40 + 90 + 400 + 10)},
       {220, 100, 20, 10}},
      {KrzyzProsty, 0, "200 10 100 - 20", "Krzyż prosty", 2, 1,  // bars over their full lengths
       Sum({{10, 200, 0, 0}, {45, 20, 27.5, 0}, {45, 20, -27.5, 0}}),
       {Want(slot::Jt, tJt), Want(slot::Js, tJs), Want(slot::Wt, tJt / 2), Want(slot::Avx, 20),
        Want(slot::Avy, 20), Want(slot::Ivx, 10 * P3(200) / 12 / 1e4),
        Want(slot::Ivy, 20 * P3(100) / 12 / 1e4), Want(slot::Oz, 2 * (200 + 100))}, {}},
      {KrzyzZlozony, 1, "300 10 260 150 8 15 100 10", "Krzyż złożony", 1.5, 0.8,
       Sum({{150, 15, 0, 142.5}, {150, 15, 0, -142.5}, {10, 270, 0, 0}, {10, 100, 125, 0},
            {10, 100, -125, 0}, {115, 8, 62.5, 0}, {115, 8, -62.5, 0}}),
       {Want(slot::Jt, xJt), Want(slot::Js, xJs), Want(slot::Wt, xJt / 1.5),
        Want(slot::Ws, xJs / 1.5), Want(slot::Avx, (2 * 150 * 15 + 240 * 8) / 100.),
        Want(slot::Avy, (270 * 10 + 2000) / 100.),
        Want(slot::Ivx, (10 * P3(270) + 2 * 10 * P3(100)) / 12 / 1e4),
        Want(slot::Ivy, (2 * 15 * P3(150) + 8 * P3(240)) / 12 / 1e4)}, {}},
      {Katownik, 0, "100 10 80 - 8", "L100x80x10x8", 1, 0.8,
       Sum({{10, 100, 5, 50}, {70, 8, 45, 4}}),
       {Want(slot::xT, 5), Want(slot::yT, 4), Want(slot::Avx, 6.4), Want(slot::Avy, 10),
        Want(slot::Jt, lJt), Want(slot::Js, lJs), Want(slot::Wt, lJt / 1),
        Want(slot::Ws, lJs / 1),
        Want(slot::Ivx, (10 * 1e6 / 12 + (50 - lY) * (50 - lY) * 1000) / 1e4),
        Want(slot::Ivy, (8 * P3(80) / 12 + (40 - lX) * (40 - lX) * 640) / 1e4), Want(slot::Oz, 360),
        Want(slot::d1, 100), Want(slot::d2, 80), Want(slot::d3, 10), Want(slot::d4, 8)},
       {100, 80, 10, 8}},
  };
  // clang-format on
  for (const auto& c : cases) {
    Made r(c.gen, c.variant, c.dims);
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(r.sink.messages().empty());
    const test::PolygonProps p = test::Integrate(r.fig()), &e = c.plates;
    const double got[] = {p.area, p.cx, p.cy, p.ixx, p.iyy, p.ixy};
    const double want[] = {e.area, e.cx, e.cy, e.ixx, e.iyy, e.ixy};  // area > 0: counter-clockwise
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Close(got[i], want[i])) << i;
    const double mean = (p.ixx + p.iyy) / 2, radius = std::hypot((p.ixx - p.iyy) / 2, p.ixy);
    ExpectValues(r, {Want(slot::A, p.area / 100), Want(slot::xS, p.cx), Want(slot::yS, p.cy)});
    EXPECT_TRUE(Close(std::max(r[slot::J1], r[slot::J2]), (mean + radius) / 1e4));
    EXPECT_TRUE(Close(std::min(r[slot::J1], r[slot::J2]), (mean - radius) / 1e4));
    ExpectValues(r, c.wanted);
    ExpectDimensions(r, c.dimensions);
    EXPECT_EQ(r.m.section.name(), c.name);
    EXPECT_TRUE(r.fig().wall1 == c.wall1 && r.fig().wall2 == c.wall2);
    for (int k = slot::d1; k < slot::kEnd; ++k) EXPECT_TRUE(std::isfinite(r[k])) << k;
  }
}

TEST(Dwuteownik, MonosymmetricShearCentreLiesNearerTheStifferFlange) {
  Made r(Dwuteownik, 1, "300 8 200 100 12 16");
  const double ig = 12 * P3(200) / 12 / 1e4, id = 16 * P3(100) / 12 / 1e4;  // flanges' own [cm^4]
  const double hs = 300 - 6 - 8, e = hs * ig / (ig + id);  // above the lower flange's mid-plane
  const double cy = test::Integrate(r.fig()).cy;
  const double jt = (200 * P3(12) + 100 * P3(16) + hs * P3(8)) / 3e4;
  ExpectValues(r, {Want(slot::yT, -150 + 8 + e), Want(slot::w1, (hs - e) * (200 / 2) / 100),
                   Want(slot::w2, -e * (100 / 2) / 100),
                   Want(slot::Jw, hs * hs * ig * id / (ig + id) / 100), Want(slot::Avx, 40),
                   Want(slot::Avy, 272 * 8 / 100.), Want(slot::Jt, jt), Want(slot::Wt, jt / 1.6),
                   Want(slot::Ivx, (8 * P3(272) / 12 + (cy - 2) * (cy - 2) * 272 * 8) / 1e4),
                   Want(slot::Ivy, ig + id)});
  EXPECT_GT(r[slot::yT], cy);
}

TEST(Dwuteownik, HaunchesSlopeFromTheFlangeTips) {
  Made r(Dwuteownik, 2, "600 10 300 300 20 20 30 50");
  ASSERT_TRUE(r.sink.messages().empty());
  const FigureRecord& f = r.fig();
  ASSERT_EQ(f.nOuter, 13);
  const std::vector<Point> right(f.outer.begin() + 1, f.outer.begin() + 5);
  EXPECT_EQ(right, (std::vector<Point>{{150, -280}, {5, -230}, {5, 250}, {150, 280}}));
  const double area = 2 * 300 * 20 + 560 * 10 + 145 * (30 + 50);  // two triangles per haunch
  EXPECT_TRUE(Close(test::Integrate(f).area, area));
  const double i = 20 * P3(300) / 12 / 1e4;
  ExpectValues(r, {Want(slot::A, area / 100), Want(slot::Avx, 120), Want(slot::Avy, 56),
                   Want(slot::yT, 0), Want(slot::w1, 580 * 300 / 400.), Want(slot::w2, -435),
                   Want(slot::Jw, 580 * 580 * i / 2 / 100)});
  EXPECT_EQ(r.m.section.name(), "Żelbetowy");
  ExpectDimensions(r, {600, 300, 300, 20, 20, 10});
}

TEST(Skrzynka, TorsionFollowsBredtOverTheMidLineCell) {
  const struct {
    int variant;
    const char* dims;
    double h, tw, bg, bd, tg, td, sg, sd;  // the same numbers as the texts
  } cases[] = {{0, "200 10 100 - 10 - 60", 200, 10, 100, 100, 10, 10, 60, 60},
               {1, "300 8 200 120 12 16 150 80", 300, 8, 200, 120, 12, 16, 150, 80}};
  for (const auto& c : cases) {
    Made r(Skrzynka, c.variant, c.dims);
    SCOPED_TRACE(c.dims);
    const double hw = c.h - c.tg - c.td, hm = c.h - c.tg / 2 - c.td / 2;
    const double top = c.sg + c.tw, bottom = c.sd + c.tw, am = (top + bottom) / 2 * hm;
    const double web = std::hypot((top - bottom) / 2, hm);
    const double slant = std::hypot((top - bottom) / 2, hw), cy = test::Integrate(r.fig()).cy;
    const double oz = 2 * (c.bg + c.bd + c.tg + c.td - c.sg / 2 - c.sd / 2 - 2 * c.tw) + 2 * slant;
    ExpectValues(
        r,
        {Want(slot::A, (c.bg * c.tg + c.bd * c.td + 2 * c.tw * hw) / 100),
         Want(slot::Avx, (c.bg * c.tg + c.bd * c.td) / 100), Want(slot::Avy, 2 * c.tw * hw / 100),
         Want(slot::Jt, 4 * am * am / (top / c.tg + bottom / c.td + 2 * web / c.tw) / 1e4),
         Want(slot::Wt, 2 * am * std::min({c.tw, c.tg, c.td}) / 1000),
         Want(slot::Ivx,
              (2 * c.tw * P3(hw) / 12 + P2(cy - (c.td - c.tg) / 2) * hw * 2 * c.tw) / 1e4),
         Want(slot::Ivy, (P3(c.bg) * c.tg + P3(c.bd) * c.td) / 12 / 1e4),
         Want(slot::Ow, c.sg + c.sd + 2 * slant), Want(slot::Oz, oz)});
    const std::vector<Point> hole(r.fig().inner.begin(), r.fig().inner.begin() + r.fig().nInner);
    EXPECT_LT(test::Fan(hole).area, 0) << "the hole runs clockwise";
    EXPECT_TRUE(r.m.flags[4] && r.m.flags[5] && !r.m.flags[7]);
    EXPECT_EQ(r.fig().wall1, std::max({c.tw, c.tg, c.td}) / 10);
  }
}

TEST(Skrzynka, FlushWebsAreAcceptedAndOneMillimetreMoreSpacingIsRefused) {
  const std::pair<int, const char*> flush[] = {{0, "200 10 100 - 10 - 80"},
                                               {1, "200 10 100 120 10 10 80 100"}};
  for (auto [variant, dims] : flush) {
    Made r(Skrzynka, variant, dims);
    EXPECT_TRUE(r.sink.messages().empty()) << dims;
    const double area = (100 + (variant ? 120 : 100)) * 10 + 2 * 10 * 180;
    EXPECT_TRUE(Close(test::Integrate(r.fig()).area, area)) << dims;
  }
  ExpectRefused(Made(Skrzynka, 0, "200 10 100 - 10 - 81"), "Za duży rozstaw");
  ExpectRefused(Made(Skrzynka, 1, "200 10 100 120 10 10 80 101"), "Za duży rozstaw");
  ExpectRefused(Made(Skrzynka, 1, "200 10 100 120 10 10 81 100"), "Za duży rozstaw");
}

TEST(Ceownik, WebStandsAtTheInsetFromTheRightEdgeUpToBLessTw) {
  for (double webLeft : {70, 0}) {  // insets 0 and B - tw = 70
    Made r(Ceownik, 0, "220 10 80 " + std::to_string(70 - webLeft) + " 10");
    EXPECT_EQ(r.fig().outer[0], (Point{webLeft, -100}));  // the web's corners on the lower flange
    EXPECT_EQ(r.fig().outer[5], (Point{webLeft + 10, -100}));
    const double cx = (1600 * 40 + 2000 * (webLeft + 5)) / 3600;
    EXPECT_TRUE(Close(test::Integrate(r.fig()).cx, cx));
  }
  ExpectRefused(Made(Ceownik, 0, "220 10 80 71 10"), "Za duże wcięcie");
}

// A tee H x B, web tw, flange tf at the bottom: the plastic axis yp halves the area, Wpl sums
// |y - yp| dA (antiderivative F). The smallest and largest plates the edits take: a search
// with a fixed step or an absolute tolerance fails one of them.
TEST(Teownik, PlasticAxisHalvesTheAreaAtAnySize) {
  const struct {
    const char* dims;
    double H, tw, B, tf;
  } cases[] = {{"50000 1 50000 - 1", 5e4, 1, 5e4, 1},
               {"1 0,1 1 - 0,1", 1, 0.1, 1, 0.1},
               {"300 10 100 - 12", 300, 10, 100, 12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dims);
    Made r(Teownik, 0, c.dims);
    ASSERT_TRUE(r.sink.messages().empty());
    const double area = c.B * c.tf + c.tw * (c.H - c.tf);
    const double yp =
        c.B * c.tf >= area / 2 ? area / 2 / c.B : c.tf + (area / 2 - c.B * c.tf) / c.tw;
    auto F = [yp](double y) { return (y - yp) * std::fabs(y - yp) / 2; };
    const double wpl = c.B * (F(c.tf) - F(0)) + c.tw * (F(c.H) - F(c.tf));
    const double yc = (c.B * c.tf * c.tf / 2 + c.tw * (c.H - c.tf) * (c.H + c.tf) / 2) / area;
    EXPECT_NEAR(r[slot::Wplx], wpl / 1000, 1e-9 * wpl / 1000);
    EXPECT_NEAR(r[slot::ypl], yc - yp, 1e-9 * c.H) << "the axis lies at v = -ypl";
  }
}

// Channel 200 x 80, web 8, flanges 10: on the mid-lines b = 76, h' = 190, the textbook
// e = 3b^2·tf/(6b·tf + h'·tw) behind the web, the centroid (1600·40 + 1440·4)/3040 from its
// back. The web at the other edge mirrors it, in the middle it makes an I.
TEST(Ceownik, ShearCentreStandsBehindTheWebByThinWalledTheory) {
  const double e = 3 * 76.0 * 76 * 10 / (6 * 76.0 * 10 + 190 * 8);
  const double apart = e + (1600 * 40 + 1440 * 4) / 3040.0 - 4;
  const std::pair<const char*, double> cases[] = {{"0", apart}, {"72", -apart}, {"36", 0}};
  for (auto [inset, distance] : cases) {
    SCOPED_TRACE(inset);
    Made r(Ceownik, 0, std::string("200 8 80 ") + inset + " 10");
    EXPECT_TRUE(Close(r[slot::xT] - r[slot::xS], distance));
    EXPECT_EQ(r[slot::yT], 0);
  }
  Made left(Ceownik, 0, "200 8 80 20 10"), right(Ceownik, 0, "200 8 80 52 10");
  EXPECT_TRUE(Close(left[slot::xT] - left[slot::xS], right[slot::xS] - right[slot::xT]));
}

// The bisymmetric box keeps its shear centre at its centroid, overhangs and all. A
// rectangular cell without overhangs, flanges 12 above and 20 below, webs 10, mid-lines
// b = 110 wide and h = 284 high: the closing-flow formula worked by hand in
// tests/engine/thin_walled_test.cpp puts it y above the lower flange's mid-line.
TEST(Skrzynka, ShearCentreOnTheAxisOfSymmetryByTheClosingFlow) {
  Made bi(Skrzynka, 0, "200 10 100 - 10 - 60");
  EXPECT_EQ(bi[slot::xT], 0);
  EXPECT_TRUE(Close(bi[slot::yT], bi[slot::yS]));
  const double b = 110, h = 284, tw = 10, t1 = 12, t2 = 20;
  const double iy = (t1 + t2) * b * b * b / 12 + tw * h * b * b / 2;
  const double q0 = (b * h * h / 2 + tw * b * b * h / (2 * t1)) / (b / t1 + b / t2 + 2 * h / tw);
  const double y = (3 * tw * b * b * h * h / 4 + t1 * b * b * b * h / 12 - 2 * b * h * q0) / iy;
  Made mono(Skrzynka, 1, "300 10 120 120 12 20 100 100");
  EXPECT_EQ(mono[slot::xT], 0);
  EXPECT_TRUE(Close(mono[slot::yT], -150 + 10 + y));
}

TEST(Katownik, NameListsTheLegsAndTheSecondThicknessOnlyWhenItDiffers) {
  const std::pair<const char*, const char*> cases[] = {{"100 10 80 - 10", "L100x80x10"},
                                                       {"100 10 80 - 8", "L100x80x10x8"},
                                                       {"100 12,5 100 - 12,5", "L100x100x12,5"}};
  for (auto [dims, name] : cases) EXPECT_EQ(Made(Katownik, 0, dims).m.section.name(), name);
}

TEST(PlateSections, ModuliComeOnTheirOwnTabOnlyButForTheAngleAlways) {
  EXPECT_GT(Made(Teownik, 0, "220 10 100 - 20")[slot::Wplx], 0);
  EXPECT_EQ(Made(Teownik, 0, "220 10 100 - 20", kZestawy)[slot::Wplx], 0);
  EXPECT_GT(Made(Katownik, 0, "100 10 80 - 8", kZestawy)[slot::Wplx], 0);
}

TEST(PlateSections, RefuseDimensionsThatWouldFoldTheOutlineOver) {
  // clang-format off
  const struct { Generator gen; int variant; const char* dims; const char* message; } cases[] = {
      {Dwuteownik, 0, "100 10 100 - 51", "Za grube pasy"},
      {Dwuteownik, 2, "100 10 100 100 20 20 31 30", "Za duże ukosy"},
      {Dwuteownik, 1, "200 10 100 0 10 10", "Zerowe pole przekroju"},
      {Skrzynka, 0, "100 10 100 - 51 - 20", "Za grube pasy"},
      {Ceownik, 0, "100 10 80 0 51", "Za grube pasy"},
      {Ceownik, 0, "100 10 80 -5 10", "Ujemny wymiar"},
      {Teownik, 0, "100 10 80 - 101", "Za gruby pas"},
      {KrzyzProsty, 0, "100 81 80 - 10", "Za grube ramiona"},
      {KrzyzZlozony, 1, "300 10 260 150 8 147 100 10", "Za grube ramiona"},
      {KrzyzZlozony, 1, "300 10 260 241 8 15 271 10", "Pasy nachodzą na blachy czołowe"},
      {Katownik, 0, "100 10 80 - 101", "Za grube ramiona"},
  };
  // clang-format on
  for (const auto& c : cases) ExpectRefused(Made(c.gen, c.variant, c.dims), c.message);
}

}  // namespace
}  // namespace tarvik
