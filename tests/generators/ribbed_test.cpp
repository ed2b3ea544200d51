// Ribbed slabs: the slab's linked inputs, the seating of every kind of rib against the slab,
// and the assembled section against hand calculations (a tee by the parallel-axis theorem,
// Bredt's formula for the cells a channel, a hat or an arc closes with the slab).
#include "generators/ribbed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "generators/cold_formed.h"
#include "generators/dispatch.h"
#include "generators/rolled.h"
#include "support/generate.h"

namespace tarvik {
namespace {

using test::Built;
using test::Generate;

ProfileDatabase& Database() {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  return db;
}

Selection Choice(int kind, int sub, int variant, std::vector<std::string> texts, int mode = 0) {
  Selection s;
  s.kind = kind, s.sub = sub, s.variant = variant, s.mode = mode;
  for (size_t i = 0; i < texts.size(); ++i) s.setText(static_cast<int>(i), texts[i]);
  return s;
}

Selection Rolled(std::string_view code, std::string_view designation) {
  Selection s;
  EXPECT_TRUE(SelectionFor(code, designation, false, s)) << code << " " << designation;
  return s;
}

// the rib as its own tab builds it: the working figure "Powrót" would copy
FigureRecord Rib(const Selection& s) {
  const Built b = Generate(s, &Database());
  EXPECT_TRUE(b.messages.empty()) << b.messages[0].text;
  return b.model.working();
}

// the ribbed slab t x b on that rib, as the dispatcher builds it for the tab
struct Slab {
  SectionModel model;
  RecordingSink sink;
  Dispatcher dispatcher;
  SketchMapping mapping;

  explicit Slab(const FigureRecord& rib) {
    model.kind = kUzebrowanie;
    model.figures.resize(3);
    model.figures[2] = rib;
    model.figureCount = 2;
  }
  bool build(const char* t, const char* b, bool turn = false) {
    Selection s = Choice(kUzebrowanie, 0, 0, {t, b, "", "", turn ? "90" : "0"});
    return dispatcher.BudujPrzekroj(model, s, {}, sink, mapping, 400, 400);
  }
  const PropertiesRecord& r() const { return model.section; }
  const FigureRecord& rib() const { return model.figures[2]; }
};

struct Extent {
  double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
};
Extent Of(const FigureRecord& f) {
  Extent e;
  for (int i = 0; i + 1 < f.outerCount(); ++i) {
    e.x0 = std::min(e.x0, f.outer[i].x), e.x1 = std::max(e.x1, f.outer[i].x);
    e.y0 = std::min(e.y0, f.outer[i].y), e.y1 = std::max(e.y1, f.outer[i].y);
  }
  return e;
}

void ExpectNear(double value, double expected, double relative) {
  EXPECT_NEAR(value, expected, std::fabs(expected) * relative) << expected;
}

TEST(RibbedSlabInputs, ThicknessWidthAndMultiplicityFollowEachOther) {
  const PlytaZebra defaults;
  EXPECT_EQ(defaults.t, 10);
  EXPECT_EQ(defaults.b, 300);
  EXPECT_EQ(TekstKrotnosci(defaults.k()), "30x");
  EXPECT_EQ(TekstKrotnosci(PoSzerokosci(defaults, 250).k()), "25x");
  EXPECT_EQ(TekstKrotnosci(PoSzerokosci(defaults, 125).k()), "12,5x");

  struct Case {
    const char* what;
    PlytaZebra got;
    double t, b;
  };
  const Case cases[] = {
      {"multiplicity typed gives the width", PoKrotnosci({10, 250}, 12), 10, 120},
      {"thickness typed keeps the multiplicity", PoGrubosci({10, 300}, 12), 12, 360},
      {"thickness stepped up keeps the multiplicity", KrokGrubosci({10, 300}, +1), 11, 330},
      {"thickness stepped below 1 mm stays 1 mm", KrokGrubosci({1, 30}, -1), 1, 30},
      {"thickness typed as 0 becomes 1 mm", PoGrubosci({10, 300}, 0), 1, 30},
      {"a width beyond 1 km becomes 1 km", PoKrotnosci({1000, 1000}, 5000), 1000, 1e6},
      {"width stepped below 1 mm stays 1 mm", KrokSzerokosci({10, 1}, -1), 10, 1},
      {"width stepped keeps the thickness", KrokSzerokosci({10, 300}, -1), 10, 299},
      {"multiplicity stepped from 1 to 0 becomes 1", KrokKrotnosci({10, 10}, -1), 10, 10},
      {"multiplicity steps as a whole number", KrokKrotnosci({10, 251}, +1), 10, 260},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_DOUBLE_EQ(c.got.t, c.t);
    EXPECT_DOUBLE_EQ(c.got.b, c.b);
  }
}

// every rib hangs from the slab's underside (y = 0), centred under it, turned as its kind
// asks, and the section holds both figures' areas; a second run with another slab leaves it so
TEST(RibbedSlab, EveryRibIsSeatedAgainstTheSlabsUnderside) {
  struct Row {
    const char* what;
    Selection rib;
    bool turnAsked;
    double turn;
  };
  const Row rows[] = {
      {"Proste rectangle", Choice(kProste, 0, 0, {"100", "10"}), false, 0},
      {"Proste rectangle, turn asked but not offered", Choice(kProste, 0, 0, {"100", "10"}), true,
       0},
      {"Proste arc of 120 degrees", Choice(kProste, 3, 0, {"100", "5", "120"}), false, -150},
      {"Proste arc of 180 degrees", Choice(kProste, 3, 0, {"100", "5", "180"}), false, -180},
      {"rolled I-section", Rolled("IPE", "200"), false, 0},
      {"rolled channel", Rolled("CPN", "200"), false, 0},
      {"rolled channel turned", Rolled("CPN", "200"), true, 90},
      {"rolled tee", Rolled("TW", "60x60x7"), false, 0},
      {"cold-formed channel", Choice(kGiete, 0, kColdChannelA, {"100", "50", "3", "4,5"}, 1), false,
       0},
      {"cold-formed channel turned", Choice(kGiete, 0, kColdChannelA, {"100", "50", "3", "4,5"}, 1),
       true, 90},
      {"cold-formed hat", Choice(kGiete, 0, kColdHat, {"60", "57", "25", "2", "3"}, 1), false, 180},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const FigureRecord rib = Rib(row.rib);
    Slab s(rib);
    for (const char* t : {"10", "16"}) {
      SCOPED_TRACE(std::string("slab ") + t);
      ASSERT_TRUE(s.build(t, "300", row.turnAsked));
      ASSERT_TRUE(s.sink.messages().empty()) << s.sink.messages()[0].text;
      const Extent r = Of(s.rib());
      EXPECT_NEAR(r.y1, 0, 1e-9);
      EXPECT_NEAR(r.x0 + r.x1, 0, 1e-9);
      EXPECT_DOUBLE_EQ(s.rib().rotation, row.turn);
      ExpectNear(s.r()[slot::A], 300 * std::stod(t) / 100 + rib.props[slot::A], 1e-12);
      // "Żebro " and as much of the rib's name as 20 characters hold
      const std::string name = s.r().name(), rest = name.substr(std::string("Żebro ").size());
      EXPECT_TRUE(name.starts_with("Żebro ") && !rest.empty() && rib.props.name().starts_with(rest))
          << name;
      EXPECT_EQ(s.model.flags, (std::array<bool, 8>{false, false, false, true, true, true}));
    }
  }
}

// a 300 x 10 slab on a 100 x 10 flat bar is a tee: by hand, parallel axes
TEST(RibbedSlab, FlatBarRibIsTheTeeByHand) {
  Slab s(Rib(Choice(kProste, 0, 0, {"100", "10"})));
  ASSERT_TRUE(s.build("10", "300"));
  const PropertiesRecord& r = s.r();
  EXPECT_EQ(r.name(), "Żebro 100x10");
  EXPECT_NEAR(r[slot::A], 40, 1e-9);
  // slab 3000 mm² at y = 5, bar 1000 mm² at y = -50
  const double yc = (3000 * 5 + 1000 * -50) / 4000.0;  // -8,75 mm
  EXPECT_NEAR(r[slot::yS], yc, 1e-9);
  EXPECT_NEAR(r[slot::xS], 0, 1e-9);
  const double jx = 300 * 1000 / 12.0 + 3000 * (5 - yc) * (5 - yc) + 10 * 1e6 / 12.0 +
                    1000 * (-50 - yc) * (-50 - yc);         // 3 127 083 mm^4
  const double jy = 10 * 2.7e7 / 12.0 + 100 * 1000 / 12.0;  // 22 508 333 mm^4
  EXPECT_NEAR(r[slot::J1], jy / 1e4, 1e-6);
  EXPECT_NEAR(r[slot::J2], jx / 1e4, 1e-6);
  // open parts: Σ b·t³/3, the modulus over the 10 mm walls
  EXPECT_NEAR(r[slot::Jt], (300 + 100) * 1000 / 3.0 / 1e4, 1e-9);
  EXPECT_NEAR(r[slot::Wt], (300 + 100) * 1000 / 3.0 / 1e4, 1e-9);
  // the elastic moduli take the slab's top (18,75 mm above the centroid) and the bar's
  // bottom fibre (91,25 mm below)
  EXPECT_NEAR(std::max(r[slot::Wcy], r[slot::Wty]), jx / 18.75 / 1000, 1e-6);
  EXPECT_NEAR(std::min(r[slot::Wcy], r[slot::Wty]), jx / 91.25 / 1000, 1e-6);
}

// UPN 200 (h 200, b 75, tw 8,5, tf 11,5; A 32,2 cm², Iy 1910 cm^4, Iz 148 cm^4, e 2,01 cm)
// on its back under a 300 x 10 slab
TEST(RibbedSlab, RolledChannelTurnedBy90) {
  const FigureRecord rib = Rib(Rolled("CPN", "200"));
  Slab s(rib);
  ASSERT_TRUE(s.build("10", "300", true));
  const PropertiesRecord& r = s.r();
  EXPECT_DOUBLE_EQ(s.rib().props[slot::Avx], rib.props[slot::Avy]);
  EXPECT_DOUBLE_EQ(r[slot::Avy], rib.props[slot::Avx]);
  // its strong axis now upright, through x = 0 like the slab's
  ExpectNear(std::max(r[slot::J1], r[slot::J2]), 300 * 300 * 300 * 10 / 12.0 / 1e4 + 1910, 0.005);
  const double yc = (30 * 5 + 32.2 * -(75 - 20.1)) / 62.2;  // mm
  ExpectNear(r[slot::yS], yc, 0.01);
  const double jx = 2.5 + 30 * (5 - yc) * (5 - yc) / 100 + 148 +
                    32.2 * (-(75 - 20.1) - yc) * (-(75 - 20.1) - yc) / 100;
  ExpectNear(std::min(r[slot::J1], r[slot::J2]), jx, 0.01);

  // again under a thicker slab: still turned once, its shear areas as they were
  ASSERT_TRUE(s.build("12", "300", true));
  EXPECT_DOUBLE_EQ(s.rib().rotation, 90);
  EXPECT_DOUBLE_EQ(s.rib().props[slot::Avx], rib.props[slot::Avy]);
  // not asked any more: upright again, open sideways, so no cell: the parts' sum
  ASSERT_TRUE(s.build("12", "300", false));
  EXPECT_DOUBLE_EQ(s.rib().props[slot::Avx], rib.props[slot::Avx]);
  EXPECT_NEAR(r[slot::Jt], 300 * 1728 / 3.0 / 1e4 + rib.props[slot::Jt], 1e-9);
}

// Bredt by hand, 4·Am²/Σ s/t over the cell's midline (the 10 mm slab's midline on top), plus
// Σ s·t³/3 of the slab beyond the cell and of the rib's feet
TEST(RibbedSlab, RibsThatCloseACellGetBredtsConstant) {
  const double pi = std::numbers::pi, r3 = std::sqrt(3.0);
  // the arc R 100, 5 thick, 120 degrees: its midline (radius 102,5) cuts a circular segment
  // off its chord, which lies 2,5·cos 60° below the slab
  const double arcChord = 2 * 102.5 * r3 / 2, arcRise = 1.25 + 5;
  struct Row {
    const char* what;
    Selection rib;
    bool turn;
    const char* b;
    double am, loop, open;  // mm², -, mm^4
    double wall;            // the thinnest wall of the loop [mm]
  };
  const Row rows[] = {
      // UPN 200 on its back: 188,5 between the flanges' midlines, 70,75 + 5 to the slab's
      {"rolled channel", Rolled("CPN", "200"), true, "300", 188.5 * 75.75,
       2 * 75.75 / 11.5 + 188.5 / 8.5 + 188.5 / 10, (300 - 188.5) * 1000 / 3, 8.5},
      {"cold-formed channel 100 x 50 x 3",
       Choice(kGiete, 0, kColdChannelA, {"100", "50", "3", "4,5"}, 1), true, "300", 97 * 53.5,
       2 * 53.5 / 3 + 97 / 3.0 + 97 / 10.0, (300 - 97) * 1000 / 3.0, 3},
      // hat 60 x 57, feet 25, 2 thick, crown down: webs 55 apart, crown 59 + 5 below
      {"cold-formed hat", Choice(kGiete, 0, kColdHat, {"60", "57", "25", "2", "3"}, 1), false,
       "300", 55 * 64.0, 2 * 64 / 2.0 + 55 / 2.0 + 55 / 10.0,
       (300 - 55) * 1000 / 3.0 + 2 * (25 - 1) * 8 / 3.0, 2},
      {"arc trough", Choice(kProste, 3, 0, {"100", "5", "120"}), false, "300",
       102.5 * 102.5 / 2 * (2 * pi / 3 - r3 / 2) + arcChord * arcRise,
       102.5 * 2 * pi / 3 / 5 + 2 * arcRise / 5 + arcChord / 10, (300 - arcChord) * 1000 / 3, 5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Slab s(Rib(row.rib));
    ASSERT_TRUE(s.build("10", row.b, row.turn));
    ExpectNear(s.r()[slot::Jt], (4 * row.am * row.am / row.loop + row.open) / 1e4, 1e-9);
    ExpectNear(s.r()[slot::Wt], 2 * row.am * row.wall / 1000, 1e-9);
  }
  // the arc hangs as a trough, not a dome: its lowest vertex lies by its middle, 105 -
  // 100·cos 60° below the slab, to within half a chord of its polygon (a dome's: x = ±91)
  Slab arc(Rib(rows[3].rib));
  ASSERT_TRUE(arc.build("10", "300"));
  const auto& outer = arc.rib().outer;
  const Point lowest = *std::min_element(outer.begin(), outer.begin() + arc.rib().outerCount() - 1,
                                         [](Point a, Point b) { return a.y < b.y; });
  EXPECT_NEAR(lowest.x, 0, 10);
  EXPECT_NEAR(lowest.y, -55, 0.5);
  // a slab narrower than the hat's feet (103 mm) is accepted, but closes no cell
  Slab hat(Rib(rows[2].rib));
  ASSERT_TRUE(hat.build("10", "80"));
  EXPECT_TRUE(hat.sink.messages().empty());
  ExpectNear(hat.r()[slot::Jt], (80 * 1000 / 3.0 + 8 * (57 + 2 * 60 + 2 * 25) / 3.0) / 1e4, 1e-9);
}

TEST(RibbedSlab, WithoutARibNothingIsBuilt) {
  Slab s(FigureRecord{});
  s.build("10", "300");
  ASSERT_EQ(s.sink.messages().size(), 1u);
  EXPECT_EQ(s.sink.messages()[0].text, "Brak żebra");
  EXPECT_FALSE(SectionBuilt(s.model));
  EXPECT_EQ(s.model.figures[1].nOuter, 0) << "no slab left behind";
}

}  // namespace
}  // namespace tarvik
