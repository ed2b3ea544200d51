// The "Spawane" tab's generators against databases the tests write: the welded I-sections and
// the corrugated-web girders, the castellated girders, the seamed pipe.
#include "generators/welded.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "generators/dispatch.h"
#include "generators/tube_sizes.h"
#include "support/generate.h"
#include "support/temp_folder.h"

namespace tarvik {
namespace {

using test::Built;
using test::Generate;
using test::TempFolder;
using F = CatalogueRecord::Field;

// a record of the plates h, b, tw, tf [mm] with the values given at their indices
CatalogueRecord Record(const char* family, const char* designation, double h, double b,
                       double tw, double tf, std::initializer_list<std::pair<size_t, double>> more) {
  CatalogueRecord rec{family, designation, {}};
  rec.values[F::h] = h, rec.values[F::b] = b, rec.values[F::tw] = tw, rec.values[F::tf] = tf;
  for (auto [i, v] : more) rec.values[i] = v;
  return rec;
}

Selection Welded(int sub, const char* size, const char* second = "", const char* web = "") {
  Selection s;
  s.kind = kSpawane, s.sub = sub, s.variant = sub;
  s.setText(0, size);
  s.setText(1, second);
  s.setText(2, web);
  return s;
}

Selection CastellatedGirder(int parent, const char* size, bool high, bool thin = false) {
  Selection s;
  s.kind = kSpawane, s.sub = kWeldedCastellated, s.variant = parent;
  s.option = thin ? 1 : 0;
  s.option2 = high ? 1 : 0;
  s.setText(0, size);
  return s;
}

// one database in a temporary folder for the whole test
struct Database {
  TempFolder folder;
  ProfileDatabase db;
  explicit Database(const std::vector<CatalogueRecord>& records)
      : db(folder.file("PROFILE.DAT")) {
    EXPECT_TRUE(WriteDatabase(db.path(), records));
  }
};

// a corrugated-web girder: web 750 mm, flange 250 x 12, written with the thinnest web (2.0)
// offered for its height; J1 and J2 of the flanges alone; masses for the three webs, perimeter
constexpr double kWtH = 774, kWtB = 250, kWtTf = 12, kWtJ1 = 87103.8, kWtJ2 = 3125;
CatalogueRecord CorrugatedRecord() {
  namespace c = corrugated;
  return Record("WT", "750-3", kWtH, kWtB, 2.0, kWtTf,
                {{F::A, 75}, {F::J1, kWtJ1}, {F::J2, kWtJ2}, {c::kMass20, 61.5},
                 {c::kMass25, 64.4}, {c::kMass30, 67.4}, {c::kPerimeter, 2.04}});
}

TEST(WeldedI, LooksUpTheDesignationOfItsSeries) {
  Database d({Record("IKS", "1000-7", 1000, 300, 10, 20, {{F::A, 216}, {F::J1, 1}, {F::J2, 1}}),
              Record("IPBS", "450p", 450, 300, 10, 18, {{F::A, 150}, {F::J1, 1}, {F::J2, 1}})});
  struct Case {
    Selection s;
    const char* name;
    double A;
  };
  for (const Case& c : {Case{Welded(kWeldedIKS, " 1000", "  7"), "IKS1000-7", 216},
                        Case{Welded(kWeldedIPBS, " 450p"), "IPBS450p", 150}}) {
    SCOPED_TRACE(c.name);
    const Built b = Generate(c.s, &d.db);
    ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
    EXPECT_EQ(b.r().name(), c.name);
    EXPECT_DOUBLE_EQ(b.r()[slot::A], c.A);
  }
}

// the welded I's plates integrated: a record without A, J1, J2 gets them from its sharp
// outline; the warping constant follows from that J2
TEST(WeldedI, RecordWithoutMomentsTakesThemFromThePlates) {
  const double h = 400, b = 300, tw = 12, tf = 25, hw = h - 2 * tf;
  Database d({Record("HKS", "400-2", h, b, tw, tf, {})});
  const Built built = Generate(Welded(kWeldedHKS, " 400", "  2"), &d.db);
  ASSERT_TRUE(built.messages.empty()) << built.messages[0].text;
  const PropertiesRecord& r = built.r();
  EXPECT_NEAR(r[slot::A], (2 * b * tf + hw * tw) / 100, 1e-9);
  const double j1 = (b * h * h * h - (b - tw) * hw * hw * hw) / 12 / 1e4;
  const double j2 = (2 * tf * b * b * b + hw * tw * tw * tw) / 12 / 1e4;
  EXPECT_NEAR(r[slot::J1], j1, 1e-6 * j1);
  EXPECT_NEAR(r[slot::J2], j2, 1e-6 * j2);
  EXPECT_NEAR(r[slot::Jw], (h - tf) * (h - tf) / 100 * j2 / 4, 1e-6 * r[slot::Jw]);
  // the moduli of the tab's own section: both halves' first moments about the x axis
  EXPECT_NEAR(r[slot::Wplx], (b * tf * (h - tf) + tw * hw * hw / 4) / 1000, 1e-6 * r[slot::Wplx]);
  EXPECT_NEAR(r[slot::Oz], 2 * h + 4 * b - 2 * tw, 1e-9);
}

TEST(CorrugatedWeb, TakesTheChosenWebItsMassAndShearArea) {
  Database d({CorrugatedRecord(), Record("WT", "625-1", 649, 200, 2.0, 12,
                                          {{F::A, 60.5}, {F::J1, 1}, {F::J2, 1}})});
  const Built b = Generate(Welded(kWeldedWT, " 750", "3", " 3.0"), &d.db);
  ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
  const PropertiesRecord& r = b.r();
  EXPECT_EQ(r.name(), "WT750-3");
  EXPECT_DOUBLE_EQ(r[slot::d3], 3.0);
  EXPECT_DOUBLE_EQ(r[slot::Avy], 19.13);
  EXPECT_DOUBLE_EQ(r[slot::m], 67.4);
  // the 1 mm more web over the 750 mm between the flanges
  EXPECT_NEAR(r[slot::A], 75 + 1.0 * 750 / 100, 1e-9);
  EXPECT_NEAR(r[slot::Jt], (2 * kWtB * std::pow(kWtTf, 3) + 750 * 27) / 30000, 1e-9);
  EXPECT_NEAR(r[slot::Oz], 2040, 1e-6);
  EXPECT_DOUBLE_EQ(r[slot::J1], kWtJ1);  // the flanges' own, not the outline's

  // a web this height is not made in
  const Built thin = Generate(Welded(kWeldedWT, " 625", "1", " 3.0"), &d.db);
  ASSERT_EQ(thin.messages.size(), 1u);
  EXPECT_EQ(thin.messages[0].text, "Nie ma takiej grubości środnika");
  EXPECT_EQ(thin.messages[0].detail, "(3.0)");
  EXPECT_EQ(thin.r(), PropertiesRecord{});
}

// the corrugated web carries no longitudinal stress: the plastic moduli are the flanges'
TEST(CorrugatedWeb, ModuliComeFromTheFlangesAlone) {
  Database d({CorrugatedRecord()});
  const Built b = Generate(Welded(kWeldedWT, " 750", "3", " 2.5"), &d.db);
  ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
  const PropertiesRecord& r = b.r();
  EXPECT_NEAR(r[slot::Wplx], kWtB * kWtTf * (kWtH - kWtTf) / 1000, 1e-9);
  EXPECT_NEAR(r[slot::Wply], kWtTf * kWtB * kWtB / 2000, 1e-9);
  EXPECT_NEAR(r[slot::Wcx], kWtJ1 / (kWtH / 20), 1e-9);
  EXPECT_NEAR(r[slot::Wty], kWtJ2 / (kWtB / 20), 1e-9);
}

// parents with their castellated values: ordinary height, its J1, high height, its J1, high
// mass, net area
std::vector<CatalogueRecord> Parents() {
  namespace c = castellated;
  return {
      Record("IPE", "300", 300, 150, 7.1, 10.7,
             {{F::r, 15}, {F::A, 53.81}, {F::J1, 8356}, {F::J2, 603.8}, {F::Jt, 20.12},
              {F::Jw, 125900}, {c::kHeight, 450}, {c::kJ1, 16590}, {c::kHighHeight, 600},
              {c::kHighJ1, 31000}, {c::kHighMass, 42.24}, {c::kNetArea, 43.16}}),
      Record("HEB", "300", 300, 300, 11, 19,
             {{F::r, 27}, {F::A, 149.1}, {F::J1, 25170}, {F::J2, 8563}, {F::Jt, 185},
              {F::Jw, 1688}, {c::kHeight, 450}, {c::kJ1, 48000}, {c::kHighHeight, 600},
              {c::kHighJ1, 90000}, {c::kHighMass, 117}, {c::kNetArea, 132.6}}),
      Record("2TPN", "300", 300, 125, 10.8, 16.2,
             {{F::r, 10.8}, {F::r1, 6.5}, {F::A, 69.1}, {F::J1, 9800}, {F::J2, 451},
              {c::kHeight, 450}, {c::kJ1, 19000}, {c::kHighHeight, 600}, {c::kHighJ1, 35000},
              {c::kHighMass, 54}, {c::kNetArea, 52.9}}),
      Record("IPE", "200", 200, 100, 5.6, 8.5,
             {{F::r, 12}, {F::A, 28.48}, {F::J1, 1943}, {F::J2, 142.4}}),
  };
}

TEST(Castellated, TakesTheGirdersHeightMomentAreaAndMass) {
  Database d(Parents());
  struct Case {
    Selection s;
    const char* name;
    double H, J1, A, m;
    int vertices;  // of the drawn solid I
  };
  for (const Case& c : {Case{CastellatedGirder(kParentIPE, "300", true), "AW IPE300", 600, 31000,
                             43.16, 42.24, 22},
                        Case{CastellatedGirder(kParentIPE, "300", false), "A IPE300", 450, 16590,
                             43.16, 0.785 * 53.81, 22},
                        Case{CastellatedGirder(kParentNormalny, "300", false), "A I300", 450,
                             19000, 52.9, 0.785 * 69.1, 30}}) {
    SCOPED_TRACE(c.name);
    const Built b = Generate(c.s, &d.db);
    ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
    const PropertiesRecord& r = b.r();
    EXPECT_EQ(r.name(), c.name);
    EXPECT_DOUBLE_EQ(r[slot::d1], c.H);
    EXPECT_DOUBLE_EQ(r[slot::J1], c.J1);
    EXPECT_DOUBLE_EQ(r[slot::A], c.A);
    EXPECT_NEAR(r[slot::m], c.m, 1e-9);
    EXPECT_NEAR(r[slot::Wcx], c.J1 / (c.H / 20), 1e-9);  // at an opening, over H/2
    EXPECT_TRUE(b.model.flags[6] && b.model.flags[7]);
    const FigureRecord& f = b.model.working();
    EXPECT_EQ(f.outerCount() - 1, c.vertices);
    const double top = std::max_element(f.outer.begin(), f.outer.begin() + f.outerCount() - 1,
                                        [](Point p, Point q) { return p.y < q.y; })
                           ->y;
    EXPECT_DOUBLE_EQ(top, c.H / 2);
  }
  // the flanges lie farther apart than the parent's: the warping constant and the sectorial
  // coordinate are the girder's, not the record's (an HEB's is held in 10^3 cm^6)
  const Built heb = Generate(CastellatedGirder(kParentHEB, "300", true), &d.db);
  ASSERT_TRUE(heb.messages.empty()) << heb.messages[0].text;
  EXPECT_EQ(heb.r().name(), "AW HEB300");
  EXPECT_NEAR(heb.r()[slot::Jw], 58.1 * 58.1 * heb.r()[slot::J2] / 4, 1e-6);
  EXPECT_NEAR(heb.r()[slot::w1], 581.0 * 300 / 400, 1e-9);
}

// a refused girder builds nothing and the welded section built before stays on screen
TEST(Castellated, RefusedGirderKeepsTheTabsSection) {
  std::vector<CatalogueRecord> records = Parents();
  records.push_back(Record("IKS", "1000-7", 1000, 300, 10, 20, {}));
  Database d(records);
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  settings.database = &d.db;
  RecordingSink sink;
  Selection iks = Welded(kWeldedIKS, " 1000", "  7");
  ASSERT_TRUE(dispatcher.BudujPrzekroj(model, iks, settings, sink, mapping, 400, 400));
  const PropertiesRecord before = model.section;
  ASSERT_EQ(before.name(), "IKS1000-7");

  struct Case {
    Selection s;
    const char* text;
    const char* detail;
  };
  for (const Case& c :
       {Case{CastellatedGirder(kParentIPE, "200", false),
             "Baza danych nie zawiera wymiarów dźwigara ażurowego", "(IPE 200)"},
        Case{CastellatedGirder(kParentIPE, "220", true), "Nie ma opisu takiego przekroju", ""}}) {
    SCOPED_TRACE(c.text);
    const size_t shown = sink.messages().size();
    Selection s = c.s;
    EXPECT_FALSE(dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 400));
    EXPECT_TRUE(dispatcher.refused());
    ASSERT_EQ(sink.messages().size(), shown + 1);
    EXPECT_EQ(sink.messages().back().text, c.text);
    if (*c.detail) {
      EXPECT_EQ(sink.messages().back().detail, c.detail);
    }
    EXPECT_EQ(model.section, before);
    EXPECT_EQ(model.working().props.name(), "IKS1000-7");
  }
}

// The plastic moduli of the net section at an opening, for a parent without fillets: each
// tee is a flange b x tf at the girder's edge and a stem tw x L, L = h/2 - tf - c/2, c the cut
// (H - h for the ordinary girder, H - 1.5 h for the high one with its h/2 spacer)
TEST(Castellated, PlasticModuliAreTheNetSectionsAtAnOpening) {
  namespace c = castellated;
  const double h = 400, b = 180, tw = 8.6, tf = 13.5;
  Database d({Record("IPE", "400", h, b, tw, tf,
                     {{F::A, 80.678}, {F::J1, 23000}, {F::J2, 1300}, {c::kHeight, 600},
                      {c::kJ1, 30000}, {c::kHighHeight, 800}, {c::kHighJ1, 55000},
                      {c::kHighMass, 66.3}, {c::kNetArea, 60}})});
  for (const bool high : {false, true}) {
    SCOPED_TRACE(high ? "high" : "ordinary");
    const double H = high ? 800 : 600, cut = H - h - (high ? h / 2 : 0);
    const double L = h / 2 - tf - cut / 2;
    const double wplx = 2 * (b * tf * (H / 2 - tf / 2) + tw * L * (H / 2 - tf - L / 2)) / 1000;
    const double wply = 2 * (tf * b * b / 4 + L * tw * tw / 4) / 1000;
    const Built built = Generate(CastellatedGirder(kParentIPE, "400", high), &d.db);
    ASSERT_TRUE(built.messages.empty()) << built.messages[0].text;
    EXPECT_NEAR(built.r()[slot::Wplx], wplx, 1e-9 * wplx);
    EXPECT_NEAR(built.r()[slot::Wply], wply, 1e-9 * wply);
  }
}

// every seamed tube the tab lists builds its ring by the closed forms, whatever "Wzory
// ścisłe" says on another tab
TEST(SeamedPipe, EveryListedTubeBuildsItsRing) {
  auto mm = [](std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
  };
  GeneratorSettings polygons;
  polygons.exactFormulas = false;
  polygons.corners = 8;
  ASSERT_EQ(SeamedTubeSizes().size(), 49u);
  for (const TubeSize& tube : SeamedTubeSizes())
    for (const std::string& wall : tube.thicknesses) {
      SCOPED_TRACE(tube.diameter + " x " + wall);
      Selection s = Welded(kWeldedPipe, tube.diameter.c_str(), wall.c_str());
      const Built b = Generate(s, nullptr, polygons);
      ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
      const double D = mm(tube.diameter), dd = D - 2 * mm(wall);
      EXPECT_NEAR(b.r()[slot::A], std::numbers::pi * (D * D - dd * dd) / 400, 1e-9 * D * D);
      EXPECT_FALSE(b.model.hotRolledTube);
    }
  const Built largest = Generate(Welded(kWeldedPipe, "2020", "30,0"), nullptr);
  EXPECT_EQ(largest.r().name(), "R 2020/30,0");
  const Built thick = Generate(Welded(kWeldedPipe, "21,3", "10,7"), nullptr);
  ASSERT_EQ(thick.messages.size(), 1u);
  EXPECT_EQ(thick.messages[0].text, "Za duża grubość");
  EXPECT_EQ(thick.r(), PropertiesRecord{});
}

}  // namespace
}  // namespace tarvik
