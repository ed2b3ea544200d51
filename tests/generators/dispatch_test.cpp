// The section builder: when it regenerates, what it resets and keeps, the sketch fit, and the
// composite driver.
#include "generators/dispatch.h"

#include <gtest/gtest.h>

#include "generators/parametric.h"

namespace tarvik {
namespace {

Selection Choice(int kind, int sub, int variant, std::initializer_list<const char*> texts = {}) {
  Selection s;
  s.kind = kind, s.sub = sub, s.variant = variant;
  int i = 0;
  for (const char* t : texts) s.setText(i++, t);
  return s;
}

// one main-window session: the model, its sketch and the dispatcher between recomputes
struct Session {
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  bool build(Selection& s) {
    return dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 200, 200);
  }
};

TEST(BudujPrzekroj, RegeneratesOnlyWhenTheChoiceChangesAndCopiesItIntoTheWorkingFigure) {
  Session app;
  Selection s = Choice(kProste, 0, 0, {"100 mm", "10 mm", "", "", "", "", "", "8 mm", "9 mm"});
  s.typed = 1, s.size = 5;
  ASSERT_TRUE(app.build(s));
  EXPECT_EQ(s.typed, 0) << "the typed-entry flag is spent on an accepted change";
  EXPECT_EQ(app.model.section.name(), "100x10");
  EXPECT_EQ(app.model.saved, app.model.section);
  EXPECT_EQ(app.model.working().selection, (std::array<int32_t, 8>{4, 0, 0, 0, 0, 0, 5, 0}));
  EXPECT_EQ(app.model.working().dims[0], "100 mm");
  EXPECT_EQ(app.model.working().dims[7], "8 mm");

  const SectionModel before = app.model;
  app.model.section.clear();  // what the screen showed is restored from the saved copy
  EXPECT_FALSE(app.build(s));
  EXPECT_EQ(app.model.section, before.section);
  EXPECT_EQ(app.model.working(), before.working());

  s.size = 7;  // another list position, the same texts
  EXPECT_FALSE(app.build(s));
  s.setText(1, "20 mm");
  EXPECT_TRUE(app.build(s));
  EXPECT_DOUBLE_EQ(app.model.section[slot::A], 20);
}

// a choice nothing builds says so and leaves the section on screen as it was; choosing it
// again says so again
TEST(BudujPrzekroj, ChoiceOutsideTheTableSaysSoAndKeepsTheSection) {
  Session app;
  Selection s = Choice(kProste, 0, 0, {"100 mm", "10 mm"});
  app.build(s);
  const PropertiesRecord before = app.model.section;
  const auto dimensions = app.model.dimensions;
  for (int attempt = 1; attempt <= 2; ++attempt) {
    Selection unknown = Choice(kWalcowane, 99, 0, {"200"});
    EXPECT_FALSE(app.build(unknown));
    EXPECT_EQ(app.model.section, before);
    EXPECT_EQ(app.model.dimensions, dimensions);
    EXPECT_EQ(app.model.kind, kProste);
    ASSERT_EQ(app.sink.messages().size(), static_cast<size_t>(attempt));
    EXPECT_EQ(app.sink.messages().back().text, "Nie ma takiego przekroju");
  }
  EXPECT_FALSE(app.build(s)) << "the rectangle is still the section built last";
}

TEST(BudujPrzekroj, KeepsTheOtherFiguresWhileOneIsSelected) {
  Session app;
  app.model.kind = kZlozone;
  for (int i = 0; i < 2; ++i) {
    app.model.working().setOuter(std::vector<Point>{{0, 0}, {10, 0}, {10, 10}}, {5, 2});
    app.model.addFigure();
  }
  Selection rolled = Choice(kWalcowane, 0, 1, {"200"});
  app.build(rolled);
  EXPECT_EQ(app.model.figureCount, 2);
  EXPECT_EQ(app.model.figures[2].nOuter, 4);
  EXPECT_EQ(app.model.working().nOuter, 0);

  app.model.currentFigure = 0;  // nothing selected: the table shrinks to the working figure
  Selection other = Choice(kWalcowane, 0, 2, {"200"});
  app.build(other);
  EXPECT_EQ(app.model.figureCount, 0);
  EXPECT_EQ(app.model.figures.size(), 1u);
}

// a 100 x 10 plate standing in a 200 x 200 box: 80 % of the height, centred
TEST(SkalujSzkic, FitsTheTighterDirectionAndCentres) {
  Session app;
  Selection s = Choice(kProste, 0, 0, {"100 mm", "10 mm"});
  app.build(s);
  const SketchMapping& m = app.mapping;
  EXPECT_DOUBLE_EQ(m.scale, 0.8 * 200 / 100);
  ASSERT_EQ(m.points.size(), 6u);  // centroid, four corners, reference point
  EXPECT_EQ(m.points[0], (ScreenPoint{100, 100}));
  EXPECT_EQ(m.points[1], (ScreenPoint{108, 20}));  // (5, 50): top right
  EXPECT_EQ(m.points[3], (ScreenPoint{92, 180}));  // (-5, -50)

  SectionModel empty;
  SketchMapping e;
  SkalujSzkic(empty, e, 201, 99, 0, 0, 0);
  EXPECT_EQ(e.points, (std::vector<ScreenPoint>{{100, 49}}));

  SectionModel line;  // no extent across: the other direction alone sets the scale
  line.working().setOuter(std::vector<Point>{{0, 0}, {0, 50}}, {0, 0});
  SkalujSzkic(line, e, 200, 200, 0, 0, 0);
  EXPECT_DOUBLE_EQ(e.scale, 0.8 * 200 / 50);
}

// the zoom rectangle brings its centre to the box's centre and fills the box with it; the
// axes run from the centroid until they leave the inner box
TEST(SkalujSzkic, ZoomRectangleAndAxisEnds) {
  SketchMapping m;
  EXPECT_FALSE(PowiekszProstokat(m, 200, 200, 50, 50, 50, 120));  // no width: no zoom
  EXPECT_EQ(m.zoom, 1.0);
  ASSERT_TRUE(PowiekszProstokat(m, 200, 200, 120, 20, 170, 70));  // 50 x 50 at (145, 45)
  EXPECT_DOUBLE_EQ(m.zoom, 4.0);
  EXPECT_EQ(m.panX, (100 - 145) * 4);
  EXPECT_EQ(m.panY, (100 - 45) * 4);
  Cofnij11(m);
  EXPECT_EQ(m.zoom, 1.0);
  EXPECT_EQ(m.panX, 0);

  const ScreenPoint c{100, 100};
  // angle 0: the first axis to the right up to the margin, the second upwards
  EXPECT_EQ(KoniecOsi(c, 1, 0, 11, 5, 200, 200), (ScreenPoint{195, 100}));
  EXPECT_EQ(KoniecOsi(c, 0, -1, 2, 10, 200, 200), (ScreenPoint{100, 9}));
  // a centroid outside the box (zoomed away) ends at once
  EXPECT_EQ(KoniecOsi({-50, 100}, 1, 0, 11, 5, 200, 200), (ScreenPoint{-39, 100}));
}

// the dimension lines follow their vertices: from the middle of two points, or with the
// extension line starting 10 pixels back from a point
TEST(PolozenieWymiaru, DimensionLineFromItsVertices) {
  const std::vector<ScreenPoint> pts = {{0, 0}, {10, 100}, {50, 100}, {31, 20}, {90, 60}};
  WymiarNaEkranie at;
  // horizontal, started at the middle of points 1 and 3 (halves toward zero)
  ASSERT_TRUE(PolozenieWymiaru({1, 1, 3, 2, 0, 15, 40}, pts, at));
  EXPECT_EQ(at.p1, (ScreenPoint{20, 60}));
  EXPECT_EQ(at.d1, (ScreenPoint{20, 75}));
  EXPECT_EQ(at.d2, (ScreenPoint{50, 75}));
  EXPECT_EQ(at.mid, (ScreenPoint{35, 75}));
  // vertical, its extension line from point 4 moved back against the offset
  ASSERT_TRUE(PolozenieWymiaru({0, 2, -4, 3, 0, -20, 80}, pts, at));
  EXPECT_EQ(at.d1, (ScreenPoint{30, 100}));
  EXPECT_EQ(at.p1, (ScreenPoint{100, 60}));
  EXPECT_EQ(at.d2, (ScreenPoint{30, 20}));
  EXPECT_FALSE(PolozenieWymiaru({0, 2, 0, 9, 0, 15, 1}, pts, at));
}

// two plates from the rectangle generator, one of them moved by the pending shift
TEST(PrzeliczZlozony, MovesTheCurrentFigureAndCombinesTheSection) {
  Session app;
  Selection plate = Choice(kProste, 0, 0, {"100 mm", "20 mm"});
  for (int i = 0; i < 2; ++i) {
    app.dispatcher.forget();
    app.build(plate);
    app.model.addFigure();
  }
  Selection move = Choice(kZlozone, 0, 0, {"", "", "100 mm", "0 mm", "0°"});
  app.build(move);
  const PropertiesRecord& r = app.model.section;
  EXPECT_EQ(r.name(), "Złożona");
  EXPECT_DOUBLE_EQ(app.model.figures[2].props[slot::xS], 100);
  EXPECT_NEAR(r[slot::xS], 50, 1e-12);
  EXPECT_NEAR(r[slot::J2], 2 * (100.0 * 8000 / 12 + 2000 * 2500) / 1e4, 1e-9);
  const double jt = 100 * 8000.0 / 30000;  // each plate's t^3 b / 3, summed
  EXPECT_NEAR(r[slot::Jt], 2 * jt, 1e-9);
  EXPECT_NEAR(r[slot::Wt], 2 * jt / 2.0, 1e-9) << "by the thickest wall, 2 cm";
  EXPECT_NEAR(r[slot::Wplx], 2 * 20 * 100 * 100 / 4e3, 1e-9);

  Selection arbitrary = move;
  arbitrary.kind = kDowolne;
  arbitrary.setText(2, "0 mm");
  app.build(arbitrary);
  EXPECT_EQ(app.model.section.name(), "Dowolna");
}

// a figure whose outline encloses nothing (its stored properties still a plate's): the
// section's plastic axes cannot be found, and the user is told so rather than shown zeros
TEST(PrzeliczZlozony, WarnsWhenNoPlasticAxisCanBeFound) {
  Session app;
  Selection plate = Choice(kProste, 0, 0, {"100 mm", "20 mm"});
  app.build(plate);
  app.model.addFigure();
  app.model.figures[1].setOuter(std::vector<Point>{{0, 0}, {10, 10}, {20, 20}}, {5, 5});
  Selection combine = Choice(kZlozone, 0, 0, {"", "", "0 mm", "0 mm", "0°"});
  app.build(combine);
  EXPECT_GT(app.model.section[slot::A], 0);
  EXPECT_EQ(app.sink.messages(), (std::vector<Komunikat>{{"UWAGA", "Nie wyznaczono osi plastycznej",
                                                          "OK", "", "(osie x i y)"}}));
}

}  // namespace
}  // namespace tarvik
