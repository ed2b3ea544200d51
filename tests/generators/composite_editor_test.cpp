// The composite-section editor without its window: adding, changing, moving, weighting,
// deleting components and reading points, each against values worked out by hand.
#include "generators/composite_editor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "generators/cold_formed.h"
#include "generators/rolled.h"

namespace tarvik {
namespace {

// "Prostokąt" of the "Proste" tab: height (y) and width (x) typed in mm
Selection Plate(const char* height, const char* width) {
  Selection s;
  s.kind = kProste;
  s.setText(0, height);
  s.setText(1, width);
  return s;
}

// the main window around the editor: the model, the selection, the dispatcher
struct Okno {
  SectionModel model;
  Selection selection;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  SketchMapping mapping;
  EdytorZlozony ed{model, selection, dispatcher, settings, sink, mapping};

  // "Nowy profil", the family's tab builds the choice, "Powrót"
  bool dodaj(const Selection& s) {
    if (!ed.nowy(s.kind)) return false;
    if (!ed.zbuduj(s)) {
      ed.anuluj();
      return false;
    }
    return ed.powrot();
  }
  const FigureRecord& fig(int f) const { return model.figures.at(static_cast<size_t>(f)); }
  const PropertiesRecord& r() const { return model.section; }
};

// a number as a move edit takes it (at most 10 characters)
std::string Text(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4f", v);
  return buffer;
}

constexpr double kTol = 1e-9;

TEST(EdytorZlozony, TwoRectanglesSideBySideAreOneOfDoubleWidth) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  EXPECT_EQ(w.ed.liczba(), 1);
  EXPECT_EQ(w.ed.biezacy(), 1);
  EXPECT_EQ(w.ed.stan(), EdytorZlozony::Stan::kPrzeglad);
  const double x1 = w.fig(1).props[slot::xS];
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  ASSERT_TRUE(w.ed.wpiszX("20"));
  EXPECT_EQ(w.ed.liczba(), 2);
  EXPECT_EQ(w.ed.biezacy(), 2);
  EXPECT_EQ(w.r().name(), "Złożona");
  EXPECT_EQ(w.ed.podpis(), " Profil (2) 100x20 ");
  // 40 wide, 100 high [cm^2, cm^4, cm^3]
  EXPECT_NEAR(w.r()[slot::A], 40, kTol);
  EXPECT_NEAR(w.r()[slot::J1], 40.0 * 100 * 100 * 100 / 12 / 1e4, 1e-6);
  EXPECT_NEAR(w.r()[slot::J2], 100.0 * 40 * 40 * 40 / 12 / 1e4, 1e-6);
  EXPECT_NEAR(w.r()[slot::Wplx], 40.0 * 100 * 100 / 4 / 1e3, 1e-6);
  EXPECT_NEAR(w.r()[slot::Wply], 100.0 * 40 * 40 / 4 / 1e3, 1e-6);
  EXPECT_NEAR(w.r()[slot::xS], x1 + 10, kTol);
  EXPECT_TRUE(w.sink.messages().empty());
}

TEST(EdytorZlozony, IpeWithCoverPlateByTheParallelAxisTheorem) {
  ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  ASSERT_TRUE(db.exists());
  Okno w;
  w.settings.database = &db;
  Selection ipe;
  ASSERT_TRUE(SelectionFor("IPE", "200", false, ipe));
  ASSERT_TRUE(w.dodaj(ipe));
  const PropertiesRecord i = w.fig(1).props;
  // the catalogue's IPE 200: 28.5 cm^2, 1943 cm^4 (the drawn roots differ a little)
  EXPECT_NEAR(i[slot::A], 28.5, 0.3);
  EXPECT_NEAR(i[slot::J1], 1943, 20);

  ASSERT_TRUE(w.dodaj(Plate("10 mm", "100 mm")));  // 100 wide, 10 thick: 10 cm^2
  const PropertiesRecord p0 = w.fig(2).props;
  // onto the upper flange: its centroid 105 mm above the I's
  const std::string dx = Text(i[slot::xS] - p0[slot::xS]);
  const std::string dy = Text(i[slot::yS] + 105 - p0[slot::yS]);
  ASSERT_TRUE(w.ed.wpiszX(dx));
  ASSERT_TRUE(w.ed.wpiszY(dy));
  const double yI = i[slot::yS], yP = p0[slot::yS] + std::stod(dy);
  EXPECT_NEAR(w.fig(2).props[slot::yS], yP, kTol);

  const double aI = i[slot::A], aP = 10;
  const double yc = (aI * yI + aP * yP) / (aI + aP);
  const double jx = i[slot::J1] + aI * std::pow((yc - yI) / 10, 2) + 100.0 * 1000 / 12 / 1e4 +
                    aP * std::pow((yP - yc) / 10, 2);
  const double jy = i[slot::J2] + 10.0 * 1e6 / 12 / 1e4;
  EXPECT_NEAR(w.r()[slot::A], aI + aP, 1e-9);
  EXPECT_NEAR(w.r()[slot::yS], yc, 1e-9);
  EXPECT_NEAR(w.r()[slot::J1], jx, 1e-6 * jx);
  EXPECT_NEAR(w.r()[slot::J2], jy, 1e-6 * jy);
}

TEST(EdytorZlozony, WeightTwoMakesATransformedSectionAndBadWeightsAreRefused) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  ASSERT_TRUE(w.ed.wpiszX("20"));
  const double x1 = w.fig(1).props[slot::xS], x2 = w.fig(2).props[slot::xS];
  EXPECT_EQ(w.ed.wagaTekst(), "1,0") << "no weight given";

  for (const char* bad : {"0", "-2", "abc", "2x", ""}) {
    const size_t said = w.sink.messages().size();
    EXPECT_FALSE(w.ed.waga(bad)) << bad;
    ASSERT_EQ(w.sink.messages().size(), said + 1) << bad;
    EXPECT_EQ(w.sink.messages().back().title, "BŁĄD");
    EXPECT_EQ(w.fig(2).props[slot::E], 0) << bad;
  }
  EXPECT_NEAR(w.r()[slot::A], 40, kTol);

  ASSERT_TRUE(w.ed.waga("2"));
  EXPECT_EQ(w.fig(2).props[slot::E], 2);
  EXPECT_EQ(w.ed.wagaTekst(), "2,0");
  EXPECT_EQ(w.r().name(), "Zespolony");
  EXPECT_TRUE(w.model.composite);
  EXPECT_NEAR(w.r()[slot::A], 3 * 20, kTol);
  EXPECT_NEAR(w.r()[slot::xS], (x1 + 2 * x2) / 3, kTol);
  // each plate about its own axis plus its shift from the weighted centroid, times its weight
  const double xc = (x1 + 2 * x2) / 3, jy1 = 100.0 * 8000 / 12 / 1e4;
  EXPECT_NEAR(w.r()[slot::J2],
              jy1 + 20 * std::pow((xc - x1) / 10, 2) + 2 * (jy1 + 20 * std::pow((x2 - xc) / 10, 2)),
              1e-9);

  w.ed.nastepny();  // the weight edit follows the current component
  EXPECT_EQ(w.ed.biezacy(), 1);
  EXPECT_EQ(w.ed.wagaTekst(), "1,0");
  ASSERT_TRUE(w.ed.waga("1,5"));
  EXPECT_EQ(w.ed.wagaTekst(), "1,5");
  EXPECT_NEAR(w.r()[slot::A], 1.5 * 20 + 2 * 20, kTol);
}

// each click of a step or a quarter turn counts; Enter twice on one typed value moves once
TEST(EdytorZlozony, StepsTurnsAndTypedMoves) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  const FigureRecord start = w.fig(1);

  ASSERT_TRUE(w.ed.ustawKrok("100"));
  w.ed.krokX(false);
  EXPECT_EQ(w.ed.editX(), "-100");
  EXPECT_NEAR(w.fig(1).originX, start.originX - 100, kTol);
  EXPECT_NEAR(w.fig(1).outer[0].x, start.outer[0].x - 100, kTol);
  EXPECT_NEAR(w.fig(1).outer[0].y, start.outer[0].y, kTol);
  w.ed.krokX(false);
  EXPECT_NEAR(w.fig(1).originX, start.originX - 200, kTol) << "the second click moves again";
  w.ed.krokY(true);
  EXPECT_EQ(w.ed.editX(), "0");
  EXPECT_EQ(w.ed.editY(), "100");
  EXPECT_NEAR(w.fig(1).originY, start.originY + 100, kTol);
  EXPECT_FALSE(w.ed.ustawKrok("0"));
  EXPECT_EQ(w.ed.krok(), "100");

  const FigureRecord moved = w.fig(1);
  ASSERT_TRUE(w.ed.wpiszX("30"));
  ASSERT_TRUE(w.ed.wpiszX("30"));
  EXPECT_NEAR(w.fig(1).originX, moved.originX + 30, kTol) << "a repeated Enter moves once";
  EXPECT_FALSE(w.ed.wpiszX("3e1"));
  EXPECT_NEAR(w.fig(1).originX, moved.originX + 30, kTol);

  // a quarter turn counter-clockwise: the 20 x 100 plate lies flat, the x moment is its J2
  const FigureRecord before = w.fig(1);
  w.ed.obrot90(true);
  EXPECT_EQ(w.fig(1).rotation, 90);
  EXPECT_NEAR(w.r()[slot::J1], 100.0 * 8000 / 12 / 1e4, 1e-9);
  EXPECT_NEAR(w.r()[slot::J2], 20.0 * 1e6 / 12 / 1e4, 1e-9);
  w.ed.obrot90(true);
  EXPECT_EQ(w.fig(1).rotation, 180);
  const double ox = before.originX, oy = before.originY;
  for (int k = 0; k < before.outerCount(); ++k) {  // every point through the origin
    EXPECT_NEAR(w.fig(1).outer[k].x, 2 * ox - before.outer[k].x, 1e-9) << k;
    EXPECT_NEAR(w.fig(1).outer[k].y, 2 * oy - before.outer[k].y, 1e-9) << k;
  }
  EXPECT_NEAR(w.r()[slot::J1], 20.0 * 1e6 / 12 / 1e4, 1e-9);
  w.ed.obrot90(false);
  w.ed.krokObrot(false);
  EXPECT_EQ(w.ed.editObrot(), "-100");
  EXPECT_EQ(w.fig(1).rotation, 180 - 90 - 100);
}

TEST(EdytorZlozony, MirrorTwiceIsIdentity) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  ASSERT_TRUE(w.dodaj(Plate("30 mm", "10 mm")));  // off the first plate's axes
  ASSERT_TRUE(w.ed.wpiszX("40"));
  ASSERT_TRUE(w.ed.wpiszY("25"));
  const FigureRecord start = w.fig(2);
  const PropertiesRecord section = w.r();
  for (bool aboutX : {true, false}) {
    SCOPED_TRACE(aboutX ? "Lustro X" : "Lustro Y");
    aboutX ? w.ed.lustroX() : w.ed.lustroY();
    const FigureRecord once = w.fig(2);
    for (int k = 0; k < start.outerCount(); ++k) {  // about the component's own origin
      EXPECT_NEAR(once.outer[k].x, aboutX ? start.outer[k].x : 2 * start.originX - start.outer[k].x,
                  1e-9);
      EXPECT_NEAR(once.outer[k].y, aboutX ? 2 * start.originY - start.outer[k].y : start.outer[k].y,
                  1e-9);
    }
    EXPECT_EQ(w.selection.mirrorX + w.selection.mirrorY, 0) << "the flag lasts one recompute";
    aboutX ? w.ed.lustroX() : w.ed.lustroY();
    for (int k = 0; k < start.outerCount(); ++k) {
      EXPECT_NEAR(w.fig(2).outer[k].x, start.outer[k].x, 1e-9);
      EXPECT_NEAR(w.fig(2).outer[k].y, start.outer[k].y, 1e-9);
    }
    EXPECT_NEAR(w.r()[slot::J1], section[slot::J1], 1e-9);
    EXPECT_NEAR(w.r()[slot::xS], section[slot::xS], 1e-9);
  }
}

TEST(EdytorZlozony, PicksPointsInARectangleWithAndWithoutShift) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  ASSERT_TRUE(w.ed.wpiszX("60"));
  // a pixel box of 5 around model point p
  auto around = [&](Point p) {
    const ScreenPoint s = NaEkran(w.mapping, 400, p.x, p.y);
    return ProstokatEkranu{s.x - 5, s.y - 5, s.x + 5, s.y + 5};
  };
  // a rectangle: 4 vertices and its reference point; the screen holds the centroid first
  w.ed.wybierzPunkty(around(w.fig(2).outer[2]), false);
  EXPECT_EQ(w.ed.wybrane(), (std::vector<WybranyPunkt>{{1 + 5 + 2, 2, true, 3}}));
  w.ed.wybierzPunkty(around(w.fig(1).outer[0]), true);
  EXPECT_EQ(w.ed.wybrane(),
            (std::vector<WybranyPunkt>{{1 + 5 + 2, 2, true, 3}, {1, 1, true, 1}}));
  w.ed.wybierzPunkty(around(w.fig(1).outer[1]), false);
  EXPECT_EQ(w.ed.wybrane(), (std::vector<WybranyPunkt>{{2, 1, true, 2}}));
  w.ed.wybierzPunkty({-10000, -10000, 10000, 10000}, false);
  EXPECT_EQ(w.ed.wybrane().size(), 10u) << "every point of both components";
  w.ed.wybierzPunkty({0, 0, 0, 0}, true);
  EXPECT_EQ(w.ed.wybrane().size(), 10u);

  // a double-click inside the first plate's outline makes it current; outside nothing changes
  const ScreenPoint inside = NaEkran(w.mapping, 400, w.fig(1).props[slot::xS],
                                     w.fig(1).props[slot::yS]);
  EXPECT_TRUE(w.ed.dwuklik(inside));
  EXPECT_EQ(w.ed.biezacy(), 1);
  EXPECT_FALSE(w.ed.dwuklik({-50, -50}));
  EXPECT_EQ(w.ed.biezacy(), 1);
}

TEST(EdytorZlozony, DeletingRenumbersTheRestAndRecomputes) {
  Okno w;
  for (const char* width : {"10 mm", "20 mm", "30 mm", "40 mm"}) ASSERT_TRUE(w.dodaj(Plate("100 mm", width)));
  w.ed.wybierzPunkty({-10000, -10000, 10000, 10000}, false);
  ASSERT_EQ(w.ed.biezacy(), 4);
  ASSERT_TRUE(w.ed.usun());  // the last of four: the one before it becomes current
  EXPECT_EQ(w.ed.liczba(), 3);
  EXPECT_EQ(w.ed.biezacy(), 3);
  EXPECT_TRUE(w.ed.wybrane().empty());
  EXPECT_NEAR(w.r()[slot::A], 10 + 20 + 30, kTol);
  w.ed.nastepny();
  w.ed.nastepny();  // wraps round to 2
  ASSERT_EQ(w.ed.biezacy(), 2);
  ASSERT_TRUE(w.ed.usun());
  EXPECT_EQ(w.ed.liczba(), 2);
  EXPECT_EQ(w.ed.biezacy(), 1);
  EXPECT_EQ(w.fig(1).props.name(), "100x10");
  EXPECT_EQ(w.fig(2).props.name(), "100x30") << "moved down one place";
  EXPECT_NEAR(w.r()[slot::A], 10 + 30, kTol);
  ASSERT_TRUE(w.ed.usun());
  EXPECT_EQ(w.ed.biezacy(), 1) << "at least the first";
  EXPECT_EQ(w.fig(1).props.name(), "100x30");
  EXPECT_NEAR(w.r()[slot::A], 30, kTol);

  w.ed.usunCaly();
  EXPECT_EQ(w.ed.liczba(), 0);
  EXPECT_EQ(w.ed.biezacy(), 0);
  EXPECT_EQ(w.model.figures.size(), 1u);
  EXPECT_EQ(w.r()[slot::A], 0);
  EXPECT_EQ(w.ed.podpis(), " Nowy profil ");
  EXPECT_FALSE(w.ed.usun());
}

// "Zmiana profilu" hands back the component's own choice; "Powrót" writes the rebuilt one
// over it, "Anuluj" leaves it; "Ten sam" copies the last, placement and weight included
TEST(EdytorZlozony, ChangeSameAndCancel) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  Selection pipe;
  pipe.kind = kProste, pipe.sub = 2, pipe.variant = 0;
  pipe.setText(0, "60 mm");
  pipe.setText(1, "5 mm");
  ASSERT_TRUE(w.dodaj(pipe));
  ASSERT_TRUE(w.ed.wpiszX("100"));
  ASSERT_TRUE(w.ed.waga("3"));

  ASSERT_TRUE(w.ed.tenSam());
  EXPECT_EQ(w.ed.liczba(), 3);
  EXPECT_EQ(w.ed.biezacy(), 3);
  EXPECT_EQ(w.fig(3), w.fig(2));

  w.ed.nastepny();  // to the plate
  ASSERT_EQ(w.ed.biezacy(), 1);
  const Selection stored = w.ed.zmiana();
  EXPECT_TRUE(w.ed.edycja());
  EXPECT_EQ(w.selection.kind, kProste) << "the tab to edit it on";
  EXPECT_EQ(stored.kind, kProste);
  EXPECT_EQ(stored.sub, 0);
  EXPECT_EQ(stored.texts[0], "100 mm");
  EXPECT_EQ(stored.texts[1], "20 mm");
  Selection wider = stored;
  wider.setText(1, "50 mm");
  ASSERT_TRUE(w.ed.zbuduj(wider));
  ASSERT_TRUE(w.ed.powrot());
  EXPECT_EQ(w.ed.liczba(), 3);
  EXPECT_EQ(w.ed.biezacy(), 1);
  EXPECT_EQ(w.fig(1).props.name(), "100x50");
  EXPECT_EQ(w.ed.stan(), EdytorZlozony::Stan::kPrzeglad);
  const double pipeA = w.fig(2).props[slot::A];
  EXPECT_NEAR(pipeA, (30.0 * 30 - 25.0 * 25) * std::acos(-1.0) / 100, 1e-9);
  EXPECT_NEAR(w.r()[slot::A], 50 + 3 * pipeA + 3 * pipeA, 1e-9);

  w.ed.zmiana();
  ASSERT_TRUE(w.ed.zbuduj(Plate("100 mm", "70 mm")));
  w.ed.anuluj();
  EXPECT_EQ(w.fig(1).props.name(), "100x50") << "nothing copied";
  EXPECT_FALSE(w.ed.edycja());

  // adding cancelled: current back to N, nothing added
  ASSERT_TRUE(w.ed.nowy(kProste));
  EXPECT_EQ(w.ed.biezacy(), 4);
  w.ed.anuluj();
  EXPECT_EQ(w.ed.biezacy(), 3);
  EXPECT_EQ(w.ed.liczba(), 3);
  EXPECT_FALSE(w.ed.nowy(kZestawy)) << "only the four profile tabs";

  // a choice that builds nothing is not added
  ASSERT_TRUE(w.ed.nowy(kProste));
  EXPECT_FALSE(w.ed.zbuduj(Plate("-5 mm", "20 mm")));
  EXPECT_FALSE(w.ed.powrot());
  w.ed.anuluj();
  EXPECT_EQ(w.ed.liczba(), 3);
}

}  // namespace
}  // namespace tarvik

namespace tarvik {
namespace {

// A cold-formed component once started from an empty figure table: the plate defined before
// it was gone. The pair of lipped channels would put its second channel in figure 1, another
// component's place, so it is refused as a component.
TEST(EdytorZlozony, ColdFormedComponentKeepsTheOthers) {
  Okno w;
  ASSERT_TRUE(w.dodaj(Plate("100 mm", "20 mm")));
  Selection hat;
  hat.kind = kGiete, hat.variant = kColdHat, hat.mode = 1;
  int i = 0;
  for (const char* t : {"60", "57", "25", "2", "3"}) hat.setText(i++, t);
  ASSERT_TRUE(w.dodaj(hat));
  EXPECT_EQ(w.ed.liczba(), 2);
  EXPECT_EQ(w.fig(1).props.name(), "100x20");
  EXPECT_NEAR(w.r()[slot::A], 20 + w.fig(2).props[slot::A], 1e-9);

  Selection pair;
  pair.kind = kGiete, pair.variant = kColdLipChannel, pair.mode = 1, pair.option = 1;
  i = 0;
  for (const char* t : {"100", "50", "15", "2", "2"}) pair.setText(i++, t);
  EXPECT_FALSE(w.dodaj(pair));
  EXPECT_EQ(w.ed.liczba(), 2);
  EXPECT_EQ(w.fig(1).props.name(), "100x20");
  ASSERT_FALSE(w.sink.messages().empty());
  EXPECT_EQ(w.sink.messages().back().text, "Podwójny ceownik nie może być częścią przekroju");
}

}  // namespace
}  // namespace tarvik
