// Several figures combined by the parallel-axis theorem and, with modular ratios, into a
// transformed section.
#include "engine/composite.h"

#include <gtest/gtest.h>

#include "tests/support/shapes.h"

namespace tarvik {
namespace {

using test::kPi;
using test::Rectangle;

constexpr double kTol = 1e-9;

// figure N+1 of a composite: an integrated outline with its modular ratio
void AddFigure(SectionModel& model, const std::vector<Point>& outline, double ratio = 0) {
  test::Compute(model, outline);
  model.working().props[slot::E] = ratio;
  model.working().props[slot::Oz] = Obwod(model.working(), true);
  model.addFigure();
}

PropertiesRecord Named(const char* name) {
  PropertiesRecord r;
  r.setName(name);
  return r;
}

// two 100 x 40 plates side by side, 100 mm apart centre to centre
SectionModel TwoPlates(double ratio1, double ratio2) {
  SectionModel model;
  model.kind = kZlozone;
  AddFigure(model, Rectangle(100, 40, -50, 0), ratio1);
  AddFigure(model, Rectangle(100, 40, 50, 0), ratio2);
  return model;
}

TEST(SumujFigury, EqualPlatesMakeOnePlateOfDoubleWidth) {
  SectionModel model = TwoPlates(0, 0);
  PropertiesRecord r = Named("Złożona");
  SumujFigury(model, true, r);
  EXPECT_FALSE(model.composite);
  EXPECT_EQ(r.name(), "Złożona");
  EXPECT_NEAR(r[slot::A], 80, kTol);
  EXPECT_NEAR(r[slot::J1], 200.0 * 40 * 40 * 40 / 12 / 1e4, 1e-9) << "about x";
  EXPECT_NEAR(r[slot::J2], 40.0 * 200 * 200 * 200 / 12 / 1e4, 1e-9) << "about y";
  EXPECT_EQ(r[slot::al], 0);
  EXPECT_NEAR(r[slot::Oz], 2 * 280, kTol);
  EXPECT_TRUE(model.modularRatioShown);
}

TEST(SumujFigury, ModularRatioWeighsTheFigure) {
  SectionModel model = TwoPlates(0, 2);
  PropertiesRecord r = Named("Złożona");
  SumujFigury(model, true, r);
  EXPECT_TRUE(model.composite);
  EXPECT_EQ(r.name(), "Zespolony");
  EXPECT_NEAR(r[slot::A], 3 * 40, kTol);
  const double xc = (40 * -50.0 + 2 * 40 * 50.0) / 120;  // towards the stiffer plate
  EXPECT_NEAR(r[slot::xS], xc, kTol);
  const double own = 100.0 * 40 * 40 * 40 / 12 / 1e4, side = 40.0 * 100 * 100 * 100 / 12 / 1e4;
  EXPECT_NEAR(r[slot::J1], 3 * own, 1e-9);
  EXPECT_NEAR(
      r[slot::J2],
      (side + 40 * std::pow((xc + 50) / 10, 2)) + 2 * (side + 40 * std::pow((xc - 50) / 10, 2)),
      1e-9);
}

TEST(SumujFigury, RibNameGetsTheCompositeSuffix) {
  struct Case {
    const char* name;
    const char* result;
  } cases[] = {{"Żebro", "Żebro Zesp."}, {"Żebro 200x80 beton", "Żebro 200x80 beton Z"}};
  for (const Case& c : cases) {
    SectionModel model = TwoPlates(3, 1);
    model.kind = kUzebrowanie;
    PropertiesRecord r = Named(c.name);
    SumujFigury(model, true, r);
    EXPECT_EQ(r.name(), c.result);
  }
}

TEST(SumujFigury, RotatedFigureEntersThroughItsAngle) {
  SectionModel model;
  model.kind = kZlozone;
  AddFigure(model, Rectangle(100, 20));  // J1 about x is the smaller moment
  PrzeksztalcFigure(model, 1, false, false, 0, 0, 90);
  PropertiesRecord r = Named("Złożona");
  SumujFigury(model, true, r);
  EXPECT_NEAR(r[slot::J1], 20.0 * 100 * 100 * 100 / 12 / 1e4, 1e-9) << "the figure's J2";
  EXPECT_NEAR(r[slot::J2], 100.0 * 20 * 20 * 20 / 12 / 1e4, 1e-9);
  EXPECT_NEAR(r[slot::al], 0, 1e-12) << "cos 90° leaves a product of rounding noise";
}

// an angle of two plates has inclined principal axes: no weighted sums, no modular ratio
TEST(SumujFigury, InclinedAxesSkipTheWeights) {
  SectionModel model;
  model.kind = kZlozone;
  AddFigure(model, Rectangle(100, 10, 50, 5), 2);
  AddFigure(model, Rectangle(10, 90, 5, 55), 0);
  PropertiesRecord r = Named("Złożona");
  SumujFigury(model, true, r);
  EXPECT_GT(std::fabs(r[slot::al]), 0.0001);
  EXPECT_FALSE(model.composite);
  EXPECT_FALSE(model.modularRatioShown);
  EXPECT_EQ(r.name(), "Złożona");
  EXPECT_NEAR(r[slot::A], 100 * 10 / 100.0 + 10 * 90 / 100.0, kTol);
}

TEST(SumujFigury, LeavesTheRecordWithoutNameOrArea) {
  SectionModel model = TwoPlates(0, 0);
  PropertiesRecord unnamed;
  SumujFigury(model, true, unnamed);
  EXPECT_EQ(unnamed, PropertiesRecord{});

  for (int f = 1; f <= 2; ++f) model.figures[f].props[slot::A] = 0;
  PropertiesRecord r = Named("Złożona");
  r[slot::J1] = 5;
  SumujFigury(model, true, r);
  EXPECT_EQ(r[slot::J1], 5);
}

TEST(SumujFigury, SingleFigureKindsUseTheWorkingFigure) {
  SectionModel model = TwoPlates(2, 2);
  model.kind = kProste;
  test::Compute(model, Rectangle(60, 30, 30, 15));
  PropertiesRecord r = Named("Prostokąt");
  SumujFigury(model, false, r);
  EXPECT_NEAR(r[slot::A], 18, kTol);
  EXPECT_NEAR(r[slot::yS], 15, kTol);
  EXPECT_NEAR(std::fabs(r[slot::al]), kPi / 2, 1e-12)
      << "without the tie-break the larger moment leads";
  EXPECT_NEAR(r[slot::J1], 30.0 * 60 * 60 * 60 / 12 / 1e4, 1e-9);
}

}  // namespace
}  // namespace tarvik
