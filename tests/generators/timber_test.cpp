// Timber sections: the jointed beams against EN 1995-1-1 Annex B worked by hand in newtons
// and millimetres, glued beams against their members summed by hand, the multiple-member
// sections and the refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "generators/timber.h"

namespace tarvik {
namespace {

constexpr double kPi = std::numbers::pi;

// a timber generator run; texts 1.. in cm, "-" for an unused one
struct Made {
  SectionModel m;
  Selection s;
  GeneratorSettings settings;
  RecordingSink sink;
  bool failed = false;
  Made(int shape, const std::vector<std::string>& cm, const TimberSettings& timber = {}) {
    m.kind = s.kind = kDrewniane;
    s.sub = shape;
    for (size_t i = 0; i < cm.size(); ++i) s.setText(static_cast<int>(i), cm[i] == "-" ? "" : cm[i] + " cm");
    settings.timber = timber;
    Generation g{m, s, settings, sink};
    static constexpr Generator kShape[] = {DrewnoProstokat, DrewnoKolo,        DrewnoTeowy,
                                           DrewnoDwuteowy,  DrewnoDwuteowy,    DrewnoSkrzynkowy,
                                           DrewnoSkrzynkowy, DrewnoWielokrotny, DrewnoWielokrotny,
                                           DrewnoWielokrotny};
    kShape[shape](g);
    failed = g.failed;
  }
  double operator[](int k) const { return m.section[k]; }
};

// a rectangle b x h centred at (x, y) [mm]
struct Rect {
  double b, h, x, y;
};

// the rigid section of rectangles, by hand: area [cm^2], centroid [mm], J about x [cm^4]
struct Rigid {
  double area = 0, yc = 0, jx = 0, top = -1e9, bottom = 1e9;
};
Rigid Sum(const std::vector<Rect>& rects) {
  Rigid r;
  double first = 0;
  for (const Rect& q : rects) {
    r.area += q.b * q.h / 100;
    first += q.b * q.h / 100 * q.y;
    r.top = std::max(r.top, q.y + q.h / 2);
    r.bottom = std::min(r.bottom, q.y - q.h / 2);
  }
  r.yc = first / r.area;
  for (const Rect& q : rects)
    r.jx += (q.b * q.h * q.h * q.h / 12 + q.b * q.h * (q.y - r.yc) * (q.y - r.yc)) / 1e4;
  return r;
}

void ExpectNear(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected))) << what;
}

TEST(TimberJoints, AnnexBTeeByHand) {
  // web 5 x 20 cm of C24, flange 20 x 4 cm of C30 nailed with 4 mm nails at 60 mm, span 5 m
  TimberSettings t;
  t.classes = {KlasaDrewna("C30"), KlasaDrewna("C24"), KlasaDrewna("C24")};
  t.spacing1 = 60, t.diameter1 = 4, t.span = 5;
  const Made tee(kDrTeowy, {"4", "20", "20", "5"}, t);
  ASSERT_FALSE(tee.failed);

  // Annex B in N and mm: C30 ρk 380, E0,05 8000, E0,mean 12000; C24 ρk 350, E0,mean 11000
  const double rho = std::sqrt(380.0 * 350.0);
  const double ku = 2.0 / 3 * std::pow(rho, 1.5) * std::pow(4.0, 0.8) / 25;
  const double A1 = 200 * 40, A2 = 50 * 200, l = 5000;
  const double gamma1 = 1 / (1 + kPi * kPi * 8000 * A1 * 60 / (ku * l * l));
  const double E1 = 12000, E2 = 11000;
  const double a2 = gamma1 * E1 * A1 * (40 + 200) / 2 / (gamma1 * E1 * A1 + E2 * A2);
  const double a1 = (40 + 200) / 2.0 - a2;
  const double EIef = E1 * 200 * 40 * 40 * 40 / 12 + gamma1 * E1 * A1 * a1 * a1 +
                      E2 * 50 * 200.0 * 200 * 200 / 12 + E2 * A2 * a2 * a2;
  // by hand: ρm^1.5 = 6964, Kser = 844 N/mm, η = 2.69: the flange takes part only partly
  EXPECT_NEAR(gamma1, 0.2708, 0.0001);
  ExpectNear(tee[slot::yS], a2, "yS: the neutral axis a2 above the web's centroid");
  ExpectNear(tee[slot::J1], EIef / E2 / 1e4, "J1 = EI_ef / E_web");
  ExpectNear(tee[slot::A], (A2 + E1 / E2 * A1) / 100, "A transformed");
  ExpectNear(tee[slot::Wcx], tee[slot::J1] / ((140 - a2) / 10), "Wcx over the flange's top");
  ExpectNear(tee[slot::Wtx], tee[slot::J1] / ((100 + a2) / 10), "Wtx over the web's bottom");
  ExpectNear(tee[slot::m], (380 * A1 + 350 * A2) / 1e6, "mass of each member's class");
  EXPECT_EQ(tee[slot::Wplx], 0);
  EXPECT_EQ(tee.m.figureCount, 2);

  // pre-drilled holes: Kser = ρm^1.5 d / 20
  t.holes1 = true;
  const Made drilled(kDrTeowy, {"4", "20", "20", "5"}, t);
  const double ku2 = 2.0 / 3 * std::pow(rho, 1.5) * 4 / 20;
  const double g2 = 1 / (1 + kPi * kPi * 8000 * A1 * 60 / (ku2 * l * l));
  ExpectNear(drilled[slot::yS], g2 * E1 * A1 * 120 / (g2 * E1 * A1 + E2 * A2), "yS, holes");

  // the tee has no lower flange: nothing of the lower flange's data counts
  TimberSettings lower = t;
  lower.classes[2] = KlasaDrewna("D70");
  lower.spacing3 = 500, lower.diameter3 = 1, lower.holes3 = !t.holes3;
  const Made same(kDrTeowy, {"4", "20", "20", "5"}, lower);
  for (int k : {slot::A, slot::J1, slot::yS, slot::m, slot::J2})
    ExpectNear(same[k], drilled[k], SlotTable()[k - slot::d1].symbol);
}

TEST(TimberJoints, TwoFastenerRowsHalveTheSlip) {
  // the I of five members: a flange board each side of the web, each nailed on its own row;
  // the flange (both boards) carries twice the fasteners of one row
  TimberSettings t;
  t.spacing1 = t.spacing3 = 50, t.diameter1 = t.diameter3 = 5, t.span = 4;
  const Made i5(kDrDwuteowy5, {"6", "4", "30", "6", "6", "4"}, t);
  ASSERT_FALSE(i5.failed);
  const double ku = 2.0 / 3 * std::pow(350.0, 1.5) * std::pow(5.0, 0.8) / 25;
  const double Af = 2 * 40 * 60;  // both boards [mm^2]
  const double gamma = 1 / (1 + kPi * kPi * 7400 * Af * 50 / (2 * ku * 4000.0 * 4000));
  // symmetric: the neutral axis stays at the web's centroid
  ExpectNear(i5[slot::yS], 0, "yS");
  const double a = (300 - 60) / 2.0;
  const double j1 = 60 * 300.0 * 300 * 300 / 12 + 2 * (2 * 40 * 60.0 * 60 * 60 / 12 + gamma * Af * a * a);
  ExpectNear(i5[slot::J1], j1 / 1e4, "J1");
  // the boards beside the web: the farthest fibre is the board's outer face
  ExpectNear(i5[slot::Wcy], i5[slot::J2] / ((30 + 40) / 10.0), "Wcy");
}

TEST(TimberJoints, GluedBeamsAreTheirMembersSummed) {
  TimberSettings glued;
  glued.mechanical = false;
  const struct {
    int shape;
    std::vector<std::string> cm;
    std::vector<Rect> rects;  // the members where they must lie [mm]
  } cases[] = {
      {kDrTeowy, {"4", "20", "20", "5"}, {{50, 200, 0, 0}, {200, 40, 0, 120}}},
      {kDrDwuteowy3,
       {"4", "20", "20", "5", "6", "15"},
       {{50, 200, 0, 0}, {200, 40, 0, 120}, {150, 60, 0, -130}}},
      {kDrDwuteowy5,
       {"4", "6", "30", "5", "6", "5"},
       {{50, 300, 0, 0}, {60, 40, 55, 130}, {60, 40, -55, 130}, {50, 60, 50, -120},
        {50, 60, -50, -120}}},
      {kDrSkrzynkowy1,
       {"4", "30", "25", "5", "3", "26", "12"},
       {{50, 250, 85, 0}, {50, 250, -85, 0}, {300, 40, 0, 145}, {260, 30, 0, -140}}},
      {kDrSkrzynkowy2,
       {"4", "12", "25", "5", "5", "12"},
       {{50, 250, 85, 0}, {50, 250, -85, 0}, {120, 40, 0, 105}, {120, 50, 0, -100}}},
  };
  for (const auto& c : cases) {
    const Made made(c.shape, c.cm, glued);
    ASSERT_FALSE(made.failed) << c.shape;
    const Rigid r = Sum(c.rects);
    ExpectNear(made[slot::A], r.area, "A");
    ExpectNear(made[slot::yS], r.yc, "yS");
    ExpectNear(made[slot::J1], r.jx, "J1");
    ExpectNear(made[slot::Wcx], r.jx / ((r.top - r.yc) / 10), "Wcx");
    ExpectNear(made[slot::Wtx], r.jx / ((r.yc - r.bottom) / 10), "Wtx");
    // the figures drawn are the members, where they must lie
    ASSERT_EQ(made.m.figureCount, static_cast<int>(c.rects.size())) << c.shape;
    for (size_t k = 0; k < c.rects.size(); ++k) {
      const PropertiesRecord& p = made.m.figures[k + 1].props;
      EXPECT_NEAR(p[slot::xS], c.rects[k].x, 1e-9) << c.shape << " member " << k;
      EXPECT_NEAR(p[slot::yS], c.rects[k].y, 1e-9) << c.shape << " member " << k;
    }
  }
}

TEST(TimberMembers, SideBySideAddTheirOwnValues) {
  for (int shape : {kDrPodwojny, kDrPotrojny, kDrPoczworny}) {
    const int n = shape - kDrPodwojny + 2;
    TimberSettings t;
    t.classes[1] = KlasaDrewna("GL28h");
    const Made made(shape, {"-", "-", "20", "6", "-", "-", "4"}, t);
    ASSERT_FALSE(made.failed);
    const double a = 60 * 200 / 100.0;  // one member [cm^2]
    ExpectNear(made[slot::A], n * a, "A");
    ExpectNear(made[slot::J1], n * 6 * 20.0 * 20 * 20 / 12, "J1");
    // members 10 cm apart, centre to centre
    double j2 = 0;
    for (int k = 0; k < n; ++k) {
      const double x = (k - (n - 1) / 2.0) * 10;
      j2 += 20 * 6.0 * 6 * 6 / 12 + a * x * x;
    }
    ExpectNear(made[slot::J2], j2, "J2");
    ExpectNear(made[slot::Jt], n * made.m.figures[1].props[slot::Jt], "Jt of separate members");
    ExpectNear(made[slot::Avy], n * a, "Avy");
    ExpectNear(made[slot::m], 425 * n * a / 1e4, "mass of GL28h");
  }
}

TEST(TimberShapes, RefuseWhatCannotBeJoined) {
  TimberSettings none;
  none.span = 0;
  const struct {
    int shape;
    std::vector<std::string> cm;
    TimberSettings t;
    const char* message;
  } cases[] = {
      {kDrDwuteowy5, {"16", "5", "30", "5", "16", "5"}, {}, "Pasy wyższe niż środnik"},
      {kDrSkrzynkowy2, {"5", "12", "30", "5", "5", "14"}, {}, "Pasy między środnikami muszą mieć równą szerokość"},
      {kDrSkrzynkowy1, {"5", "12", "30", "5", "5", "30", "12"}, {}, "Pas nie sięga środników"},
      {kDrTeowy, {"5", "20", "20", "5"}, none, "Niewłaściwe dane łączników"},
      {kDrDwuteowy3, {"5", "20", "0", "5", "5", "20"}, {}, "Zerowe pole przekroju"},
  };
  for (const auto& c : cases) {
    const Made made(c.shape, c.cm, c.t);
    EXPECT_TRUE(made.failed) << c.message;
    ASSERT_FALSE(made.sink.messages().empty()) << c.message;
    EXPECT_EQ(made.sink.messages().front().text, c.message);
    EXPECT_FALSE(SectionBuilt(made.m)) << c.message;
  }
  // glued joints need no fasteners
  TimberSettings glued = none;
  glued.mechanical = false;
  EXPECT_FALSE(Made(kDrTeowy, {"5", "20", "20", "5"}, glued).failed);
}

TEST(TimberClasses, NamesGiveTheirNumbers) {
  EXPECT_EQ(KlasaDrewna("C14"), 1);
  EXPECT_EQ(KlasaDrewna("GL36c"), kTimberClasses);
  EXPECT_EQ(KlasaDrewna("C99"), 1);  // not in the list
  EXPECT_STREQ(TimberClassOf(0).name, "C14");
  EXPECT_STREQ(TimberClassOf(kFirstGluedClass).name, "GL24h");
  // glued laminated timber is stiffer for its density than the solid class it once copied
  EXPECT_GT(TimberClassOf(KlasaDrewna("GL24h")).e005, TimberClassOf(KlasaDrewna("C24")).e005);
}

}  // namespace
}  // namespace tarvik
