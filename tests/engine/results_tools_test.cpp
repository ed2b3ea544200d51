// The results sketch's tools driven without a window: Bredt's torsion constant of a traced
// tube against the hand formula, the midline's snapping and closing, and the dimension tool's
// picks, directions, values and deletion window.
#include "engine/results_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tarvik {
namespace {

constexpr double kRel = 1e-12;  // the formulas are exact in doubles up to rounding

// ---- "Moment Jt" -------------------------------------------------------------------------

// a 200 x 100 mm tube's midline at 2 px/mm, its corner (50, 50) on screen
constexpr double kS = 2;
constexpr double kB = 200, kH = 100, kA0 = kB * kH;  // mm, mm^2
const std::vector<ScreenPoint> kTube = {{50, 50}, {450, 50}, {450, 250}, {50, 250}, {50, 50}};

TEST(Bredt, RectangularTubeByHand) {
  // one wall: Jt = 4 A0^2 t / perimeter, Wt = 2 A0 t
  {
    const double t = 10;
    const WynikJt w = Bredt(kTube, {t, t, t, t}, kS);
    EXPECT_NEAR(w.A0, kA0, kA0 * kRel);
    const double jt = 4 * kA0 * kA0 * t / (2 * (kB + kH)) / 1e4;  // 2666.67 cm^4
    EXPECT_NEAR(w.Jt, jt, jt * kRel);
    EXPECT_NEAR(w.Wt, 2 * kA0 * t / 1000, 1e-9);
  }
  // flanges 12 mm, webs 8 mm: the sum of length over thickness by hand, Wt by the thinner
  {
    const double sum = 2 * kB / 12 + 2 * kH / 8;
    const WynikJt w = Bredt(kTube, {12, 8, 12, 8}, kS);
    const double jt = 4 * kA0 * kA0 / sum / 1e4;
    EXPECT_NEAR(w.Jt, jt, jt * kRel);
    EXPECT_NEAR(w.Wt, 2 * kA0 * 8 / 1000, 1e-9);
  }
  // the same tube traced the other way round
  const std::vector<ScreenPoint> back(kTube.rbegin(), kTube.rend());
  EXPECT_NEAR(Bredt(back, {5, 5, 5, 5}, kS).Jt, Bredt(kTube, {5, 5, 5, 5}, kS).Jt, 1e-9);
  // nothing traced
  EXPECT_EQ(Bredt({{1, 1}}, {}, kS).Jt, 0);
}

// what the user clicks: each corner a pixel or two off, the last near the first
TEST(SrodkowaJt, ClicksSnapLevelAndPlumbAndCloseNearTheFirstPoint) {
  SectionModel model;
  SrodkowaJt tool;
  tool.wlacz(model);
  EXPECT_FALSE(tool.klik({50, 50}));
  EXPECT_TRUE(tool.klik({450, 52}));  // y within 2 px: level
  EXPECT_TRUE(tool.czeka());
  EXPECT_EQ(tool.grubosci(), std::vector<double>{10});  // an empty list starts with 10 mm
  EXPECT_FALSE(tool.grubosc(10));
  EXPECT_TRUE(tool.klik({448, 250}));    // x within 2 px: plumb
  EXPECT_FALSE(tool.grubosc(10.00005));  // the listed 10 mm within 0.0001
  EXPECT_TRUE(tool.klik({53, 251}));     // 3 px off in x: a point of its own, y level
  EXPECT_FALSE(tool.grubosc(10));
  EXPECT_FALSE(tool.zamkniety());
  EXPECT_TRUE(tool.klik({52, 48}));  // within 2 px of the first in x and y: closes
  EXPECT_TRUE(tool.grubosc(10));
  EXPECT_TRUE(tool.zamkniety());
  const std::vector<ScreenPoint> traced = {{50, 50}, {450, 50}, {450, 250}, {53, 250}, {50, 50}};
  EXPECT_EQ(tool.punkty(), traced);
  EXPECT_EQ(tool.grubosci(), std::vector<double>{10});
  EXPECT_NEAR(tool.oblicz(kS).Jt, Bredt(traced, {10, 10, 10, 10}, kS).Jt, 1e-9);
  EXPECT_FALSE(tool.klik({100, 100}));  // nothing after closing
}

TEST(SrodkowaJt, RightClickClosesListedThicknessesAndRefusedSegments) {
  SectionModel model;
  model.figures.resize(3);
  model.figureCount = 2;
  model.figures[1].wall1 = 1.2, model.figures[1].wall2 = 0.8;  // cm
  model.figures[2].wall1 = 0.8;
  SrodkowaJt tool;
  tool.wlacz(model);
  EXPECT_EQ(tool.grubosci(), (std::vector<double>{12, 8}));  // each once, in mm, no empty wall
  tool.klik({50, 50});
  tool.klik({450, 50});
  tool.grubosc(12);
  EXPECT_EQ(tool.ostatnia(), 0);
  tool.klik({450, 250});
  tool.odrzuc();  // the dialog closed without OK: the corner is taken back
  EXPECT_EQ(tool.punkty().size(), 2u);
  tool.klik({450, 250});
  tool.grubosc(6.5);  // typed, not listed: added and last chosen
  EXPECT_EQ(tool.grubosci().back(), 6.5);
  EXPECT_EQ(tool.ostatnia(), 2);
  tool.klik({50, 250});
  tool.grubosc(12);
  EXPECT_TRUE(tool.prawy());  // the first point again
  EXPECT_TRUE(tool.grubosc(6.5));
  const double sum = 2 * kB / 12 + 2 * kH / 6.5;
  EXPECT_NEAR(tool.oblicz(kS).Jt, 4 * kA0 * kA0 / sum / 1e4, 1e-9);
  EXPECT_NEAR(tool.oblicz(kS).Wt, 2 * kA0 * 6.5 / 1000, 1e-9);
  // a right click with fewer than three corners has nothing to close: the tool ends
  SrodkowaJt shortTool;
  shortTool.wlacz(model);
  shortTool.klik({50, 50});
  shortTool.klik({450, 50});
  shortTool.grubosc(12);
  EXPECT_FALSE(shortTool.prawy());
  EXPECT_FALSE(shortTool.aktywne());
}

// ---- "Wymiary" ---------------------------------------------------------------------------

// a 150.26 x 80 mm rectangle at 2 px/mm: vertices 1..4 on screen, 0 the centroid
struct Szkic {
  SectionModel model;
  SketchMapping map;
  NarzedzieWymiarow tool{model, map};
  Szkic() {
    model.kind = kProste;
    map.points = {{200, 200}, {50, 280}, {350, 280}, {350, 120}, {50, 120}};
    tool.ustawWierzcholki({{1, {0, 0}}, {2, {150.26, 0}}, {3, {150.26, 80}}, {4, {0, 80}}});
    tool.wlacz();
  }
  void click(ScreenPoint p) {
    tool.nacisnij(p, true);
    tool.pusc(p, true);
  }
};

TEST(NarzedzieWymiarow, LevelPicksNeedNoQuestionOthersAskTheDirection) {
  const struct {
    const char* name;
    ScreenPoint a, b;  // near two vertices
    bool asks;
    KierunekWymiaru answer;
    ScreenPoint at;  // the fixing click
    uint8_t direction;
    int offset;
    double value;
  } cases[] = {
      {"level", {45, 283}, {340, 275}, false, kPoziomy, {200, 310}, 1, 30, 150.26},
      {"plumb", {355, 285}, {349, 110}, false, kPionowy, {380, 0}, 0, 30, 80},
      {"across, Pionowy", {52, 279}, {349, 121}, true, kPionowy, {10, 200}, 0, -40, 80},
      {"across, Poziomy", {52, 279}, {349, 121}, true, kPoziomy, {10, 90}, 1, -190, 150.26},
      // the true distance; (216, 230) lies 34 px square off the way from vertex 1 to 3,
      // whose normal is (160, 300) / 340
      {"across, Ukośny",
       {52, 279},
       {349, 121},
       true,
       kUkosny,
       {216, 230},
       2,
       34,
       std::hypot(150.26, 80)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Szkic s;
    s.click(c.a);
    EXPECT_EQ(s.tool.stan(), NarzedzieWymiarow::Stan::kDrugi);
    EXPECT_TRUE(s.tool.pierwszy().has_value());
    s.click(c.b);
    EXPECT_EQ(s.tool.stan() == NarzedzieWymiarow::Stan::kKierunek, c.asks);
    if (c.asks) s.tool.kierunek(c.answer);
    s.tool.przesun(c.at);
    ASSERT_TRUE(s.tool.tymczasowy().has_value());  // the line follows the mouse
    s.tool.pusc(c.at, true);
    ASSERT_EQ(s.model.dimensions.size(), 1u);
    const DimensionLine& d = s.model.dimensions[0];
    EXPECT_EQ(d.direction, c.direction);
    EXPECT_EQ(d.offset, c.offset);
    EXPECT_NEAR(d.value, c.value, 1e-9);
    EXPECT_EQ(s.tool.stan(), NarzedzieWymiarow::Stan::kPierwszy);  // ready for the next
  }
}

// an aligned line lies parallel to its points at its offset; the mouse's side decides
TEST(NarzedzieWymiarow, AlignedLineRunsParallelAtTheOffset) {
  const std::vector<ScreenPoint> pts = {{0, 0}, {100, 100}, {400, 500}};
  DimensionLine d;
  d.direction = kUkosny, d.from = 1, d.to = 2, d.offset = 50;
  WymiarNaEkranie at;
  ASSERT_TRUE(PolozenieWymiaru(d, pts, at));
  // (300, 400) is 500 px long: the normal (-400, 300) / 500 * 50 = (-40, 30)
  EXPECT_EQ(at.d1, (ScreenPoint{60, 130}));
  EXPECT_EQ(at.d2, (ScreenPoint{360, 530}));
  EXPECT_EQ(at.mid, (ScreenPoint{210, 330}));
}

TEST(NarzedzieWymiarow, SetOfTwoHalvesCountsTheWidthTwice) {
  Szkic s;
  s.model.kind = kZestawy;
  s.model.working().selection[1] = 1;
  s.click({50, 280});
  s.click({350, 280});
  s.tool.pusc({200, 300}, true);
  ASSERT_EQ(s.model.dimensions.size(), 1u);
  EXPECT_NEAR(s.model.dimensions[0].value, 2 * 150.26, 1e-9);
}

TEST(NarzedzieWymiarow, SmallWindowIsAClickLargerWindowDeletesLinesWithTheirMiddleInside) {
  Szkic s;
  DimensionLine width;  // middle at (200, 300)
  width.direction = 1, width.from = 1, width.to = 2, width.offset = 20, width.value = 150.26;
  DimensionLine height;  // middle at (370, 200)
  height.direction = 0, height.from = 2, height.to = 3, height.offset = 20, height.value = 80;
  s.model.dimensions = {width, height};
  // 2 x 2 around the width's middle: no deletion, the nearest vertex picked
  s.tool.nacisnij({199, 299}, true);
  s.tool.przesun({201, 301});
  ASSERT_TRUE(s.tool.okno().has_value());
  s.tool.pusc({201, 301}, true);
  EXPECT_EQ(s.model.dimensions.size(), 2u);
  EXPECT_EQ(s.tool.stan(), NarzedzieWymiarow::Stan::kDrugi);
  // a right click drops the pick
  s.tool.nacisnij({0, 0}, false);
  EXPECT_EQ(s.tool.stan(), NarzedzieWymiarow::Stan::kPierwszy);
  // a window whose edge runs through the height's middle: only the width goes, nothing picked
  s.tool.nacisnij({150, 250}, true);
  s.tool.pusc({370, 320}, true);
  ASSERT_EQ(s.model.dimensions.size(), 1u);
  EXPECT_EQ(s.model.dimensions[0], height);
  EXPECT_EQ(s.tool.stan(), NarzedzieWymiarow::Stan::kPierwszy);
  // the same vertex twice is one pick
  s.click({50, 280});
  s.click({51, 281});
  EXPECT_EQ(s.tool.stan(), NarzedzieWymiarow::Stan::kDrugi);
}

}  // namespace
}  // namespace tarvik
