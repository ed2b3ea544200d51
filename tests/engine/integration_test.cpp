// Area, centroid, principal moments and elastic moduli of polygon outlines, checked against
// closed forms (b·h³/12 and the parallel-axis theorem) and against invariants of the integrals.
#include "engine/integration.h"

#include <gtest/gtest.h>

#include "engine/derived.h"
#include "tests/support/shapes.h"

namespace tarvik {
namespace {

using test::Compute;
using test::kPi;
using test::Rectangle;

constexpr double kTol = 1e-9;  // relative, for values exact up to rounding

void ExpectRelNear(double expected, double actual, const char* what) {
  EXPECT_NEAR(actual, expected, kTol * std::max(1.0, std::fabs(expected))) << what;
}

TEST(ObliczFigure, RectangleTwoHundredByHundred) {
  SectionModel model;
  model.kind = kProste;
  PropertiesRecord r = Compute(model, Rectangle(200, 100));
  ExpectRelNear(200, r[slot::A], "A");
  EXPECT_NEAR(r[slot::xS], 0, 1e-12);
  EXPECT_NEAR(r[slot::yS], 0, 1e-12);
  // the principal axis of the larger moment is vertical: swapped so J1 stays about x
  ExpectRelNear(200.0 * 100 * 100 * 100 / 12 / 1e4, r[slot::J1], "J1 = b h^3 / 12");
  ExpectRelNear(100.0 * 200 * 200 * 200 / 12 / 1e4, r[slot::J2], "J2 = h b^3 / 12");
  EXPECT_EQ(r[slot::al], 0);
  for (int k : {slot::Wcx, slot::Wtx}) ExpectRelNear(200.0 * 100 * 100 / 6 / 1e3, r[k], "Wx");
  for (int k : {slot::Wcy, slot::Wty}) ExpectRelNear(100.0 * 200 * 200 / 6 / 1e3, r[k], "Wy");
}

TEST(ObliczFigure, ForcesOrientationOnlyWhereTheKindAsksForIt) {
  const double ring = (200.0 * 100 - 100.0 * 50) / 100;
  const double plate = 200.0 * 100 / 100;
  const auto ccw = Rectangle(200, 100), cw = test::Reversed(ccw);
  const auto holeCcw = Rectangle(100, 50), holeCw = test::Reversed(holeCcw);
  struct Case {
    int kind;
    std::vector<Point> outer, hole;
    double area;
  } cases[] = {
      {kDowolne, cw, {}, plate},      // a clockwise outline drawn by hand still counts
      {kDowolne, cw, holeCcw, ring},  // and so does its hole, whatever its direction
      {kProste, ccw, holeCcw, ring},  // parametric holes are always subtracted
      {kProste, ccw, holeCw, ring},
      {kWalcowane, ccw, holeCw, ring},         // generators' own orientation is trusted ...
      {kWalcowane, ccw, holeCcw, plate + 50},  // ... even when it is wrong
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    SectionModel model;
    model.kind = c.kind;
    EXPECT_NEAR(Compute(model, c.outer, c.hole)[slot::A], c.area, 1e-9);
  }
}

// a nearly square plate with a small square bitten out of one corner: its product of
// inertia below 1/10000 of the smaller central moment is dropped, above it is kept. The
// moments are close, so a kept product turns the axes by more than the right-angle tolerance.
TEST(ObliczFigure, DropsAProductBelowTheRelativeThreshold) {
  auto notched = [](double n) {
    return std::vector<Point>{{-50, -45},       {50, -45},    {50, 45 - n},
                              {50 - n, 45 - n}, {50 - n, 45}, {-50, 45}};
  };
  struct Case {
    double notch;
    bool inclined;
  } cases[] = {{0.45, false}, {1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("notch " + std::to_string(c.notch));
    SectionModel model;
    RecordingSink sink;
    PropertiesRecord r = Compute(model, notched(c.notch), {}, sink, {0, 0});
    if (c.inclined) {
      EXPECT_GT(std::fabs(std::remainder(r[slot::al], kPi / 2)), 0.0001);
      EXPECT_LT(std::fabs(std::remainder(r[slot::al], kPi / 2)), 0.01);
    } else {
      EXPECT_EQ(r[slot::al], 0);
    }
  }
}

TEST(ObliczFigure, StoredRightAngleIsRenamedToTheXAxis) {
  SectionModel model;
  model.working().setOuter(Rectangle(100, 200), {0, 0});
  PropertiesRecord r;
  r.setName("Test");
  r[slot::al] = -kPi / 2 + 0.00005;  // within the tolerance of a right angle
  r[slot::J1] = 10;
  r[slot::J2] = 3;
  RecordingSink sink;
  ObliczFigure(model, r, sink);
  EXPECT_EQ(r[slot::al], 0);
  EXPECT_EQ(r[slot::J1], 3);
  EXPECT_EQ(r[slot::J2], 10);
}

// principal moments do not change when the outline is turned, moved or walked backwards,
// and the principal angle turns with the outline
TEST(ObliczFigure, PrincipalValuesAreInvariantUnderRigidMotion) {
  const std::vector<Point> angle = {{0, 0}, {100, 0}, {100, 10}, {10, 10}, {10, 60}, {0, 60}};
  SectionModel model;
  model.kind = kDowolne;
  RecordingSink sink;
  const PropertiesRecord base = Compute(model, angle, {}, sink, {5, 5});
  ASSERT_GT(std::fabs(base[slot::al]), 0.1) << "an unequal angle has inclined axes";
  for (double turn : {0.0, 30.0, 75.0}) {
    for (bool reversed : {false, true}) {
      SCOPED_TRACE("turn " + std::to_string(turn) + (reversed ? " reversed" : ""));
      auto moved = test::Moved(angle, turn, 1234.5, -678.25);
      if (reversed) moved = test::Reversed(moved);
      PropertiesRecord r = Compute(model, moved, {}, sink, moved[0]);
      EXPECT_NEAR(r[slot::A], base[slot::A], 1e-9);
      EXPECT_NEAR(r[slot::J1], base[slot::J1], 1e-7);
      EXPECT_NEAR(r[slot::J2], base[slot::J2], 1e-7);
      double turned = std::remainder(r[slot::al] - base[slot::al] - turn * kPi / 180, kPi);
      EXPECT_NEAR(turned, 0, 1e-9);
      EXPECT_NEAR(r[slot::Wcx] * r[slot::Wtx], base[slot::Wcx] * base[slot::Wtx], 1e-6);
    }
  }
}

std::vector<ImportedPoint> Group(const std::vector<Point>& pts, int figure, bool outer) {
  std::vector<ImportedPoint> out;
  for (const Point& p : pts) out.push_back({p.x, p.y, figure, 0, 0, outer});
  return out;
}

TEST(ObliczZarys, RingFromTwoGroupsInTheSameDirection) {
  SectionModel model;
  // the hole is listed first and under the higher figure number: groups go by number
  for (const auto& g : {Group(Rectangle(100, 50), 2, false), Group(Rectangle(200, 100), 1, true)})
    model.imported.insert(model.imported.end(), g.begin(), g.end());
  RecordingSink sink;
  ASSERT_TRUE(ObliczZarys(model, sink));
  const PropertiesRecord& r = model.section;
  EXPECT_EQ(r.name(), "Linia łamana");
  ExpectRelNear(150, r[slot::A], "A");
  ExpectRelNear((200.0 * 1e6 - 100.0 * 125000) / 12 / 1e4, r[slot::J1], "J1");
  ExpectRelNear((100.0 * 8e6 - 50.0 * 1e6) / 12 / 1e4, r[slot::J2], "J2");
  ExpectRelNear(600, r[slot::Oz], "outer perimeter");
  ExpectRelNear(300, r[slot::Ow], "inner perimeter");
  EXPECT_EQ(r[slot::Jt], 1.0);
  EXPECT_EQ(model.working().props, r);
  EXPECT_TRUE(sink.messages().empty());

  EXPECT_TRUE(ObliczWskazniki(model, 0, 0, model.section).ok()) << "nothing searched or missing";
  ExpectRelNear(r[slot::J1] / 5, r[slot::Wcx], "elastic modulus over every imported point");
  EXPECT_EQ(r[slot::Wplx], 0) << "no plastic search on an imported outline";
}

// points on one line have no area; holes alone, or a hole larger than its outline, have a
// negative one: neither may reach the results as a section, drawn or imported
TEST(ObliczFigureAndZarys, OutlineWithoutMaterialFailsWithTheMessage) {
  std::vector<ImportedPoint> holeTooBig = Group(Rectangle(10, 10), 1, true);
  for (const ImportedPoint& p : Group(Rectangle(20, 20), 2, false)) holeTooBig.push_back(p);
  const struct {
    const char* what;
    std::vector<Point> outer, hole;  // drawn, or else
    std::vector<ImportedPoint> points;
    const char* detail;
  } cases[] = {
      {"collinear", {{0, 0}, {50, 0}, {100, 0}}, {}, {}, ""},
      {"hole larger than the outline", Rectangle(10, 10), Rectangle(20, 20), {}, "(pole ujemne)"},
      {"imported collinear", {}, {}, Group({{0, 0}, {10, 10}, {20, 20}}, 1, true), ""},
      {"imported hole only", {}, {}, Group(Rectangle(10, 10), 1, false), "(pole ujemne)"},
      {"imported hole larger than the outline", {}, {}, holeTooBig, "(pole ujemne)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SectionModel model;
    model.kind = kProste;
    model.working().setOuter(c.outer, {0, 0});
    model.working().setInner(c.hole);
    model.working().props.setName("stale");
    model.imported = c.points;
    PropertiesRecord r;
    r.setName("Kept");
    r[slot::A] = 7;
    RecordingSink sink;
    if (c.points.empty()) {
      EXPECT_FALSE(ObliczFigure(model, r, sink));
      EXPECT_EQ(r.name(), "Kept");
      EXPECT_EQ(r[slot::A], 7);
    } else {
      EXPECT_FALSE(ObliczZarys(model, sink));
      EXPECT_EQ(model.section.name(), "Linia łamana");
      EXPECT_EQ(model.section[slot::A], 0);
    }
    EXPECT_EQ(sink.messages(), std::vector<Komunikat>{Blad("Zerowe pole przekroju", c.detail)});
    EXPECT_EQ(model.working().props, PropertiesRecord{});
  }
}

TEST(ObliczWskazniki, DoesNothingWithoutAName) {
  SectionModel model;
  model.working().setOuter(Rectangle(200, 100), {0, 0});
  PropertiesRecord r;
  r[slot::J1] = 1;
  EXPECT_TRUE(ObliczWskazniki(model, 0, 0, r).ok());
  EXPECT_EQ(r[slot::Wcx], 0);
}

// a generator may put the axis through an edge; the fibre on it counts as 1 mm away
TEST(ObliczWskazniki, FibreOnTheAxisCountsOneMillimetreAway) {
  SectionModel model;
  model.working().setOuter(test::Moved(Rectangle(200, 100), 0, 0, -50), {0, -50});
  PropertiesRecord r;
  r.setName("Test");
  r[slot::J1] = 100;
  r[slot::J2] = 100;  // centroid left at (0, 0): the top edge lies on the axis
  EXPECT_TRUE(ObliczWskazniki(model, 0, 0, r).ok());
  EXPECT_DOUBLE_EQ(r[slot::Wcx], 100 / 0.1);
}

}  // namespace
}  // namespace tarvik

namespace tarvik {
namespace {

// a 10 x 100 mm plate turned by 30°: its moments about x and y come back from the principal
// ones, and a user's axes obey the parallel-axis rule and the rotation of a tensor
TEST(MomentyWUkladzie, CentralAndUsersAxes) {
  PropertiesRecord r;
  const double pi = 3.141592653589793, a = 10;  // cm^2
  const double j1 = 10.0 * 100 * 100 * 100 / 12 / 1e4, j2 = 100.0 * 10 * 10 * 10 / 12 / 1e4;
  r[slot::A] = a;
  r[slot::J1] = j1;
  r[slot::J2] = j2;
  r[slot::al] = pi / 6;
  r[slot::xS] = 50;
  r[slot::yS] = 20;
  const MomentyOsi c = MomentyCentralne(r);
  EXPECT_NEAR(c.jx + c.jy, j1 + j2, 1e-9);  // the trace stays
  EXPECT_NEAR(c.jx, j1 * 0.75 + j2 * 0.25, 1e-9);
  EXPECT_NEAR(c.jxy, std::sin(pi / 6) * std::cos(pi / 6) * (j2 - j1), 1e-9);

  const MomentyUzytkownika atCentroid = MomentyWUkladzie(r, 50, 20, 0);
  EXPECT_NEAR(atCentroid.j.jx, c.jx, 1e-9);
  EXPECT_EQ(atCentroid.sx, 0);
  const MomentyUzytkownika turned = MomentyWUkladzie(r, 50, 20, 90);  // x and y swap
  EXPECT_NEAR(turned.j.jx, c.jy, 1e-9);
  EXPECT_NEAR(turned.j.jy, c.jx, 1e-9);
  EXPECT_NEAR(turned.j.jxy, -c.jxy, 1e-9);
  const MomentyUzytkownika moved = MomentyWUkladzie(r, 0, 0, 0);  // 5 cm and 2 cm away
  EXPECT_NEAR(moved.j.jx, c.jx + a * 2 * 2, 1e-9);
  EXPECT_NEAR(moved.j.jxy, c.jxy + a * 5 * 2, 1e-9);
  EXPECT_NEAR(moved.sy, a * 5, 1e-12);

  r[slot::xpl] = 3;  // along u, turned into x and y
  EXPECT_NEAR(PunktPlastyczny(r).x, 50 - 3 * std::cos(pi / 6), 1e-12);
  EXPECT_NEAR(PunktPlastyczny(r).y, 20 - 3 * std::sin(pi / 6), 1e-12);
  r[slot::Wcx] = r[slot::Wtx] = 8;
  EXPECT_EQ(MniejszyWskaznik(r, slot::Wcx, slot::Wtx), slot::Wcx);  // the first on a tie
  r[slot::Wcx] = 10;
  EXPECT_EQ(MniejszyWskaznik(r, slot::Wcx, slot::Wtx), slot::Wtx);
}

// principal moments of central ones: the central moments of the result give back the input
// (the 10 x 100 plate at several angles), J1 is the larger, the angle names the axis of J1
TEST(MomentyGlowne, InvertCentralMomentsForEveryAngle) {
  const double pi = 3.141592653589793, j1 = 83.333, j2 = 0.8333;
  for (double deg : {-89.0, -60.0, -30.0, 0.0, 15.0, 45.0, 75.0}) {
    SCOPED_TRACE(deg);
    PropertiesRecord r;
    r[slot::J1] = j1, r[slot::J2] = j2, r[slot::al] = deg * pi / 180;
    const MomentyOsi c = MomentyCentralne(r);
    const OsieGlowne g = MomentyGlowne(c.jx, c.jy, c.jxy, 1e-6);
    EXPECT_NEAR(g.j1, j1, 1e-9);
    EXPECT_NEAR(g.j2, j2, 1e-9);
    EXPECT_NEAR(g.angle, deg * pi / 180, 1e-12);
  }
  struct Case {
    double jx, jy, jxy, isotropic, j1, j2, angle;
  };
  for (const Case& k : {
           Case{5, 5, 0, 1e-6, 5, 5, 0},     // a circle: every axis principal
           Case{5, 5, 1e-9, 1e-6, 5, 5, 0},  // noise below the threshold
           Case{2, 8, 0, 0, 8, 2, -pi / 2},  // J1 about y before the turn
       }) {
    SCOPED_TRACE(k.jy);
    constexpr double kMoment = 1e-8;  // the product of the noise case moves J1 and J2 by 1e-9
    OsieGlowne g = MomentyGlowne(k.jx, k.jy, k.jxy, k.isotropic);
    EXPECT_NEAR(g.j1, k.j1, kMoment);
    EXPECT_NEAR(g.j2, k.j2, kMoment);
    EXPECT_NEAR(g.angle, k.angle, 1e-12);
    OsieWzdluzX(g);  // axes along x and y: J1 becomes the moment about x
    EXPECT_EQ(g.angle, 0);
    EXPECT_NEAR(g.j1, k.jx, kMoment);
  }
}

// "Połowa" halves the area, shear areas, principal moments and torsion constants and nothing
// else; "Cały" gives the record back. Static moments about the origin are A times the distance.
TEST(PolowaPrzekroju, HalvesWhatTheCutPlaneHalvesAndRestoresIt) {
  PropertiesRecord r;
  for (int k = PropertiesRecord::kFirstSlot; k < PropertiesRecord::kSlotEnd; ++k) r[k] = k + 1.0;
  const PropertiesRecord whole = r;
  PolowaPrzekroju(r, true);
  for (int k = PropertiesRecord::kFirstSlot; k < PropertiesRecord::kSlotEnd; ++k) {
    const bool halved = k == slot::A || k == slot::Avx || k == slot::Avy || k == slot::J1 ||
                        k == slot::J2 || k == slot::Jt || k == slot::Js;
    EXPECT_EQ(r[k], halved ? whole[k] / 2 : whole[k]) << k;
  }
  PolowaPrzekroju(r, false);
  EXPECT_EQ(r, whole);

  PropertiesRecord plate;  // 10 cm^2 with its centroid at (50, -20) mm
  plate[slot::A] = 10, plate[slot::xS] = 50, plate[slot::yS] = -20;
  EXPECT_NEAR(MomentyStatyczneWzgledemPoczatku(plate).sx, 10 * -2.0, 1e-12);
  EXPECT_NEAR(MomentyStatyczneWzgledemPoczatku(plate).sy, 10 * 5.0, 1e-12);
}

}  // namespace
}  // namespace tarvik
