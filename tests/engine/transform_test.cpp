#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "engine/model.h"

namespace tarvik {
namespace {

constexpr double kPi = std::numbers::pi;

void ExpectNear(const Point& got, const Point& want, const char* what) {
  EXPECT_NEAR(got.x, want.x, 1e-9) << what;
  EXPECT_NEAR(got.y, want.y, 1e-9) << what;
}

// a four-sided figure with a triangular hole and local origin (100, 50); the places past
// each contour's count hold markers no transform may touch
FigureRecord SampleFigure() {
  FigureRecord f;
  const Point outer[] = {{110, 60}, {130, 60}, {130, 80}, {110, 70}};
  const Point inner[] = {{115, 63}, {118, 63}, {118, 66}};
  EXPECT_TRUE(f.setOuter(outer, {120, 65}));
  EXPECT_TRUE(f.setInner(inner));
  f.outer[5] = {999, 999};
  f.inner[3] = {888, 888};
  f.props.setName("Płaskownik");
  f.props[slot::xS] = 121, f.props[slot::yS] = 66, f.props[slot::al] = 0.3;
  f.props[slot::A] = 12.5, f.props[slot::J1] = 345.6, f.props[slot::J2] = 78.9;
  f.props[slot::xT] = 125, f.props[slot::Wplx] = 4.5;
  f.originX = 100;
  f.originY = 50;
  f.rotation = 15;
  return f;
}

// 37 places hold an outline's vertices and its reference point, or a hole's vertices
TEST(FigureRecord, RefusesContoursPastThirtySevenPointsAndWritesNothing) {
  for (const auto& [outer, vertices, accepted] :
       {std::tuple{true, 36, true}, {true, 37, false}, {false, 37, true}, {false, 38, false}}) {
    SCOPED_TRACE((outer ? "outer " : "inner ") + std::to_string(vertices));
    const std::vector<Point> points(vertices, Point{1, 2});
    FigureRecord f = SampleFigure();
    EXPECT_EQ(outer ? f.setOuter(points, {7, 8}) : f.setInner(points), accepted);
    if (accepted) {
      EXPECT_EQ(outer ? f.nOuter : f.nInner, vertices + outer);
    } else {
      EXPECT_EQ(f, SampleFigure());
    }
  }
}

TEST(Model, AddFigureCopiesTheWorkingFigureAfterTheLastAndSelectsIt) {
  SectionModel model;
  model.working() = SampleFigure();
  model.addFigure();
  // leftovers past N (figures removed from the section) are dropped, not skipped over
  model.working().props.setName("Druga");
  model.figures.resize(6);
  model.addFigure();
  ASSERT_EQ(model.figures.size(), 3u);
  EXPECT_EQ(model.figures[1], SampleFigure());
  EXPECT_EQ(model.figures[2].props.name(), "Druga");
  EXPECT_EQ(model.figureCount, 2);
  EXPECT_EQ(model.currentFigure, 2);
}

TEST(Transform, MirrorsAboutTheLocalOriginBeforeRotating) {
  // first vertex, reference point and centroid sit at (10, 10), (20, 15), (21, 16) locally
  struct Case {
    bool mirrorX, mirrorY;
    double angle;
    Point vertex, reference, centroid;
    double al;
  };
  const Case cases[] = {{true, false, 0, {110, 40}, {120, 35}, {121, 34}, -0.3},
                        {false, true, 0, {90, 60}, {80, 65}, {79, 66}, kPi - 0.3},
                        {true, true, 0, {90, 40}, {80, 35}, {79, 34}, kPi + 0.3},
                        {true, false, 90, {110, 60}, {115, 70}, {116, 71}, kPi / 2 - 0.3},
                        {false, true, -90, {110, 60}, {115, 70}, {116, 71}, kPi / 2 - 0.3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mirrorX << c.mirrorY << " angle " << c.angle);
    SectionModel model;
    model.working() = SampleFigure();
    PrzeksztalcFigure(model, 0, c.mirrorX, c.mirrorY, 0, 0, c.angle);
    const FigureRecord& f = model.working();
    ExpectNear(f.outer[0], c.vertex, "first vertex");
    ExpectNear(f.outer[4], c.reference, "reference point");
    ExpectNear({f.props[slot::xS], f.props[slot::yS]}, c.centroid, "centroid");
    EXPECT_NEAR(f.props[slot::al], c.al, 1e-12);
  }
}

TEST(Transform, RotatesAboutTheLocalOriginThenShiftsAndKeepsTheOtherProperties) {
  SectionModel model;
  model.figures = {FigureRecord{}, SampleFigure(), SampleFigure()};
  model.figureCount = 2;
  PrzeksztalcFigure(model, 2, false, false, 5, -3, 90);
  const FigureRecord& f = model.figures[2];
  const FigureRecord before = SampleFigure();
  // local (x, y) turns to (-y, x), then origin (100, 50) and shift (5, -3) are added
  const Point outer[] = {{95, 57}, {95, 77}, {75, 77}, {85, 57}, {90, 67}};
  const Point inner[] = {{92, 62}, {92, 65}, {89, 65}};
  for (int i = 0; i < 5; ++i)
    ExpectNear(f.outer[i], outer[i], ("outer " + std::to_string(i + 1)).c_str());
  for (int i = 0; i < 3; ++i)
    ExpectNear(f.inner[i], inner[i], ("inner " + std::to_string(i + 1)).c_str());
  EXPECT_EQ(f.outer[5], (Point{999, 999}));
  EXPECT_EQ(f.inner[3], (Point{888, 888}));
  EXPECT_EQ(f.nOuter, 5);
  EXPECT_EQ(f.nInner, 3);
  ExpectNear({f.props[slot::xS], f.props[slot::yS]}, {89, 68}, "centroid");
  EXPECT_NEAR(f.props[slot::al], 0.3 + kPi / 2, 1e-12);
  EXPECT_EQ(f.originX, 105);
  EXPECT_EQ(f.originY, 47);
  EXPECT_EQ(f.rotation, 105);
  PropertiesRecord rest = f.props;
  for (int k : {slot::xS, slot::yS, slot::al}) rest[k] = before.props[k];
  EXPECT_EQ(rest, before.props);  // A, J1, J2, the shear centre and the name stay
  EXPECT_EQ(model.figures[1], before);
  EXPECT_EQ(model.figures[0], FigureRecord{});
}

TEST(Transform, MirroringTwiceOrNotAtAllLeavesTheFigureAsItWas) {
  // whole millimetres, so the trip into the local frame and back is exact in doubles
  SectionModel model;
  model.working() = SampleFigure();
  PrzeksztalcFigure(model, 0, false, false, 0, 0, 0);
  EXPECT_EQ(model.working(), SampleFigure());
  PrzeksztalcFigure(model, 0, true, false, 0, 0, 0);
  EXPECT_NE(model.working(), SampleFigure());
  PrzeksztalcFigure(model, 0, true, false, 0, 0, 0);
  EXPECT_EQ(model.working(), SampleFigure());

  // a move that moves nothing is exact even where the local frame would round
  FigureRecord odd = SampleFigure();
  odd.originX = 123.456;
  odd.originY = -0.1;
  odd.outer[0] = {0.3, 1e-5};
  model.working() = odd;
  PrzeksztalcFigure(model, 0, false, false, 0, 0, 0);
  EXPECT_EQ(model.working(), odd);
}

TEST(Transform, ImportedOutlineMovesOnlyTheChosenFiguresPointsAndItsPlacement) {
  SectionModel model;
  model.working() = SampleFigure();
  model.imported = {{1, 1, 1, 4, 5, true},
                    {0, 0, 2, 6, 7, true},
                    {3, 0, 2, 8, 9, true},
                    {0, 3, 2, 1, 2, false},
                    {2, 2, 3, 3, 4, true}};
  auto expectPoints = [&](const std::vector<Point>& want) {
    for (size_t i = 0; i < want.size(); ++i)
      ExpectNear({model.imported[i].x, model.imported[i].y}, want[i],
                 ("point " + std::to_string(i)).c_str());
  };
  // shifted by (10, 5), mirrored in x, turned 90 degrees about the mean point (11, -6)
  PrzeksztalcFigure(model, 2, true, false, 10, 5, 90);
  expectPoints({{1, 1}, {10, -7}, {10, -4}, {13, -7}, {2, 2}});
  EXPECT_EQ(model.imported[1].px, 6);
  EXPECT_FALSE(model.imported[3].outer);
  ASSERT_EQ(model.placements.size(), 2u);
  EXPECT_EQ(model.placements[0].angle, 0);
  EXPECT_EQ(model.placements[1].angle, 90);
  EXPECT_EQ(model.working(), SampleFigure());

  // shifted by (1, 2), then mirrored in y, no turn; the placement adds up
  PrzeksztalcFigure(model, 2, false, true, 1, 2, 0);
  expectPoints({{1, 1}, {-11, -5}, {-11, -2}, {-14, -5}, {2, 2}});
  EXPECT_EQ(model.placements[1].x, 11);
  EXPECT_EQ(model.placements[1].y, 7);
}

}  // namespace
}  // namespace tarvik
