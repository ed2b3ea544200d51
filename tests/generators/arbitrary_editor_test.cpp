// The arbitrary-figure editor without its window: polygons drawn on the grid, over an
// underlay and by typed points, the closing checks, undo, holes, figures of both kinds in one
// section, and the change of picked points, against areas and moments worked out by hand.
#include "generators/arbitrary_editor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvik {
namespace {

struct Okno {
  SectionModel model;
  Selection selection;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  SketchMapping mapping;
  EdytorDowolny ed{model, selection, dispatcher, settings, sink, mapping};

  Okno() {
    ed.rozmiarSzkicu(440, 330);
    ed.pokaz();
  }
  const PropertiesRecord& r() const { return model.section; }
  // a click on the grid crossing (col, row)
  Klik siatka(int col, int row) {
    const Siatka& g = ed.siatka();
    return ed.klik({g.x(col), g.y(row)});
  }
  // a polygon of typed points, closed by a right click
  Klik wielokat(std::initializer_list<Point> pts, bool outer = true) {
    ed.nowa(true);
    ed.rysuj({1000, 50, false}, outer);
    for (Point p : pts) EXPECT_NE(ed.dodaj(p), Klik::kNic);
    return ed.prawyKlik();
  }
  std::string ostatni() const {
    return sink.messages().empty() ? "" : sink.messages().back().text;
  }
};

constexpr double kTol = 1e-9;

// a b x h rectangle [mm] with its sides along x and y: area in cm², moments about the
// centroidal x and y in cm⁴
void Prostokat(const PropertiesRecord& r, double b, double h) {
  EXPECT_NEAR(r[slot::A], b * h / 100, kTol);
  const double jx = b * h * h * h / 12 / 1e4, jy = h * b * b * b / 12 / 1e4;
  EXPECT_NEAR(r[slot::J1], jx, 1e-9 * (jx + jy));
  EXPECT_NEAR(r[slot::J2], jy, 1e-9 * (jx + jy));
}

TEST(EdytorDowolny, RectangleClickedOnTheGridEqualsTheParametricOne) {
  Okno w;
  w.ed.nowa(true);
  w.ed.rysuj({100, 10, true}, true);  // n = 10 rows of crossings 10 mm apart
  ASSERT_EQ(w.ed.siatka().n, 10);
  EXPECT_EQ(w.siatka(0, 10), Klik::kDodany);  // (0, 0)
  EXPECT_EQ(w.siatka(6, 10), Klik::kDodany);  // (60, 0)
  // a click a few pixels off a crossing snaps to it
  const Siatka& g = w.ed.siatka();
  EXPECT_EQ(w.ed.klik({g.x(6) + 3, g.y(7) - 2}), Klik::kDodany);  // (60, 30)
  EXPECT_EQ(w.ed.lamana().back().mm, (Point{60, 30}));
  EXPECT_EQ(w.siatka(0, 7), Klik::kDodany);
  EXPECT_EQ(w.siatka(0, 10), Klik::kZamkniety);
  EXPECT_FALSE(w.ed.rysowanie());
  ASSERT_EQ(w.model.imported.size(), 4u);
  EXPECT_EQ(w.model.figureCount, 1);

  // the "Proste" tab's rectangle of the same size
  SectionModel plate;
  Selection s;
  s.kind = kProste;
  s.setText(0, "30 mm");
  s.setText(1, "60 mm");
  Dispatcher d;
  SketchMapping m;
  RecordingSink sink;
  d.BudujPrzekroj(plate, s, w.settings, sink, m, 400, 300);
  for (int k : {slot::A, slot::J1, slot::J2, slot::Wcx, slot::Wtx, slot::Wcy, slot::Wty, slot::Oz})
    EXPECT_NEAR(w.r()[k], plate.section[k], 1e-9 * std::abs(plate.section[k])) << k;
  EXPECT_NEAR(w.r()[slot::xS], 30, kTol);
  EXPECT_NEAR(w.r()[slot::yS], 15, kTol);
}

TEST(EdytorDowolny, TypedPointsAndTheRightClickClose) {
  Okno w;
  // a right triangle 40 x 30: A = 6 cm², centroid (40/3, 10)
  EXPECT_EQ(w.wielokat({{0, 0}, {40, 0}, {0, 30}}), Klik::kZamkniety);
  EXPECT_NEAR(w.r()[slot::A], 6, kTol);
  EXPECT_NEAR(w.r()[slot::xS], 40.0 / 3, kTol);
  EXPECT_NEAR(w.r()[slot::yS], 10, kTol);
  // a right click with no point only ends the drawing
  w.ed.nowa(true);
  w.ed.rysuj({1000, 50, false}, true);
  EXPECT_EQ(w.ed.klik({100, 100}), Klik::kWpisz);
  w.ed.prawyKlik();
  EXPECT_FALSE(w.ed.rysowanie());
  EXPECT_NEAR(w.r()[slot::A], 6, kTol);
}

TEST(EdytorDowolny, BadPolygonsAreRefusedWhenClosedAndStayOpen) {
  struct Case {
    const char* what;
    std::vector<Point> pts;
    const char* message;
  } cases[] = {
      {"two distinct points", {{0, 0}, {50, 0}, {50, 0}}, "trzy różne"},
      {"a bow tie", {{0, 0}, {50, 50}, {50, 0}, {0, 50}}, "przecinają"},
      {"three points on a line", {{0, 0}, {20, 0}, {50, 0}}, "Zerowe pole"},
  };
  for (const Case& c : cases) {
    Okno w;
    w.ed.nowa(true);
    w.ed.rysuj({1000, 50, false}, true);
    for (Point p : c.pts) w.ed.dodaj(p);
    EXPECT_EQ(w.ed.prawyKlik(), Klik::kNic) << c.what;
    EXPECT_TRUE(w.ed.rysowanie()) << c.what;
    EXPECT_EQ(w.ed.lamana().size(), c.pts.size()) << c.what;
    EXPECT_NE(w.ostatni().find(c.message), std::string::npos) << c.what << ": " << w.ostatni();
    EXPECT_TRUE(w.model.imported.empty()) << c.what;
  }
}

TEST(EdytorDowolny, DrawingAreasThatGiveNoGridAreRefused) {
  for (UstawieniaRysunku u : {UstawieniaRysunku{0, 10, true}, UstawieniaRysunku{1000, 0, false},
                              UstawieniaRysunku{1e6, 1, true}}) {
    Okno w;
    w.ed.rysuj(u, true);
    EXPECT_FALSE(w.ed.rysowanie()) << u.zakres << " " << u.oczko;
    EXPECT_FALSE(w.ostatni().empty());
  }
}

TEST(EdytorDowolny, UndoTakesPointsBackToEmpty) {
  Okno w;
  w.ed.nowa(true);
  w.ed.rysuj({100, 10, true}, true);
  w.siatka(0, 10);
  w.siatka(5, 10);
  w.siatka(5, 5);
  w.ed.cofnij();
  EXPECT_EQ(w.ed.lamana().back().mm, (Point{50, 0}));
  w.ed.cofnij();
  w.ed.cofnij();
  w.ed.cofnij();  // nothing left to take back
  EXPECT_TRUE(w.ed.lamana().empty());
  EXPECT_FALSE(w.ed.cofnijWidoczne());
  EXPECT_TRUE(w.ed.rysowanie());
}

TEST(EdytorDowolny, HoleSubtractsAndShapesJoinTheDrawnOutline) {
  Okno w;
  // a 100 x 60 solid, then a 20 x 20 hole at (10, 10) drawn clockwise
  w.wielokat({{0, 0}, {100, 0}, {100, 60}, {0, 60}});
  w.wielokat({{10, 10}, {10, 30}, {30, 30}, {30, 10}}, false);
  EXPECT_EQ(w.model.figureCount, 2);
  const double a = (6000.0 - 400.0) / 100;
  EXPECT_NEAR(w.r()[slot::A], a, kTol);
  // the centroid by moments: (6000·50 − 400·20) / 5600
  EXPECT_NEAR(w.r()[slot::xS], (6000.0 * 50 - 400.0 * 20) / 5600, 1e-9);

  // a standard rectangle made first joins the outline when a polygon is drawn
  Okno v;
  v.ed.nowa(true);
  ASSERT_TRUE(v.ed.ksztalt({kProstokat, 100, 60}, false)) << v.ostatni();
  EXPECT_TRUE(v.model.imported.empty());
  v.wielokat({{10, 10}, {10, 30}, {30, 30}, {30, 10}}, false);
  EXPECT_EQ(v.model.figureCount, 2);
  EXPECT_EQ(v.model.imported.size(), 8u);  // the rectangle's 4 corners, the hole's 4
  EXPECT_NEAR(v.r()[slot::A], a, kTol);
  // and a shape made after a polygon is one more contour of the outline
  v.ed.nowa(true);
  ASSERT_TRUE(v.ed.ksztalt({kProstokat, 10, 10}, false));
  EXPECT_EQ(v.model.figureCount, 3);
  EXPECT_NEAR(v.r()[slot::A], a + 1, kTol);
}

TEST(EdytorDowolny, StandardShapesAloneKeepTheirTorsionOnlyWithoutHoles) {
  Okno w;
  w.ed.nowa(true);
  ASSERT_TRUE(w.ed.ksztalt({kProstokat, 100, 50}, false));
  Prostokat(w.r(), 100, 50);
  EXPECT_GT(w.r()[slot::Jt], 0);
  EXPECT_FALSE(w.model.flags[1]);
  const double jt = w.r()[slot::Jt];
  // a hole larger than the material is refused aloud and the section stays
  w.ed.nowa(true);
  EXPECT_FALSE(w.ed.ksztalt({kProstokat, 200, 200}, true));
  EXPECT_EQ(w.ostatni(), "Zerowe pole przekroju");
  EXPECT_EQ(w.model.figureCount, 1);
  Prostokat(w.r(), 100, 50);
  // a second solid: two open pieces whose Jt add
  w.ed.nowa(true);
  ASSERT_TRUE(w.ed.ksztalt({kProstokat, 100, 50}, false));
  EXPECT_NEAR(w.r()[slot::Jt], 2 * jt, 1e-9 * jt);
  // a hole: the section is no sum of bars, its torsion values are withheld
  w.ed.nowa(true);
  ASSERT_TRUE(w.ed.ksztalt({kProstokat, 10, 10}, true));
  EXPECT_NEAR(w.r()[slot::A], 100 - 1, kTol);
  EXPECT_TRUE(w.model.flags[1]);
  EXPECT_EQ(w.r()[slot::Jt], 0);
  // "Zmiana" replaces the current figure: the hole becomes a solid
  w.ed.nowa(false);
  ASSERT_TRUE(w.ed.ksztalt({kProstokat, 10, 10}, false));
  EXPECT_EQ(w.model.figureCount, 3);
  EXPECT_NEAR(w.r()[slot::A], 101, kTol);
}

TEST(EdytorDowolny, UnderlayClicksSnapToSegmentEnds) {
  Okno w;
  // a 300 x 200 outline drawn in a CAD program, its corner at (1000, 500)
  std::vector<OdcinekPodkladu> lines = {{1000, 500, 1300, 500},
                                        {1300, 500, 1300, 700},
                                        {1300, 700, 1000, 700},
                                        {1000, 700, 1000, 500}};
  Podklad p;
  UstawPodklad(p, lines);
  w.ed.ustawPodklad(p);
  w.ed.nowa(true);
  w.ed.rysujNaPodkladzie(true);
  ASSERT_TRUE(w.ed.rysowanie());
  const auto& s = w.ed.podklad().odcinki;
  // the wheel closer about the lower-left corner: the corner stays under the mouse
  const ScreenPoint corner0{s[0].px1, s[0].py1};
  const double scale = w.ed.podklad().skala;
  ASSERT_TRUE(w.ed.kolko(corner0, true));
  EXPECT_NEAR(w.ed.podklad().skala, 1.1 * scale, 1e-12);
  EXPECT_NEAR(s[0].px1, corner0.x, 1);
  EXPECT_NEAR(s[0].py1, corner0.y, 1);
  EXPECT_GT(s[1].px1 - s[0].px1, 300 * scale);
  // clicks a few pixels from each corner
  for (int i : {0, 1, 2, 3, 0})
    w.ed.klik({s[static_cast<size_t>(i)].px1 + 2, s[static_cast<size_t>(i)].py1 - 3});
  EXPECT_FALSE(w.ed.rysowanie());
  Prostokat(w.r(), 300, 200);
  // the figure lies on the underlay's lines
  const ScreenPoint corner = {w.model.imported[0].px, w.model.imported[0].py};
  EXPECT_EQ(corner, (ScreenPoint{s[0].px1, s[0].py1}));
}

TEST(EdytorDowolny, PickedPointsChangeTogether) {
  Okno w;
  w.wielokat({{0, 0}, {100, 0}, {100, 60}, {0, 60}});
  // pick the two right-hand corners: a rectangle around x = 100 on the sketch
  int left = 1 << 30, right = -(1 << 30), top = 1 << 30, bottom = -(1 << 30);
  for (const ImportedPoint& p : w.model.imported)
    if (p.x == 100) {
      left = std::min(left, p.px - 3), right = std::max(right, p.px + 3);
      top = std::min(top, p.py - 3), bottom = std::max(bottom, p.py + 3);
    }
  w.ed.figury().wybierzPunkty({left, top, right, bottom}, false);
  ASSERT_EQ(w.ed.figury().wybrane().size(), 2u);
  double x = 0, y = 0;
  ASSERT_TRUE(w.ed.srednie(x, y));
  EXPECT_NEAR(x, 100, kTol);
  EXPECT_NEAR(y, 30, kTol);
  ASSERT_TRUE(w.ed.zmienPunkty(EdytorDowolny::Zmiana::kDodajX, 20));
  Prostokat(w.r(), 120, 60);
}

TEST(EdytorDowolny, DeletingAFigureOfTheOutlineRenumbersTheRest) {
  Okno w;
  w.wielokat({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  w.wielokat({{20, 0}, {40, 0}, {40, 10}, {20, 10}});
  w.wielokat({{50, 0}, {80, 0}, {80, 10}, {50, 10}});
  w.model.currentFigure = 2;
  ASSERT_TRUE(w.ed.figury().usun());
  EXPECT_EQ(w.model.figureCount, 2);
  EXPECT_NEAR(w.r()[slot::A], 1 + 3, kTol);
  for (const ImportedPoint& p : w.model.imported) EXPECT_EQ(p.figure, p.x < 15 ? 1 : 2);
}

}  // namespace
}  // namespace tarvik
