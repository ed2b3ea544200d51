#include "generators/rolled.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/integration.h"
#include "engine/sketch.h"
#include "generators/cold_formed.h"
#include "generators/dispatch.h"
#include "generators/tube_sizes.h"
#include "generators/welded.h"
#include "support/generate.h"
#include "support/temp_folder.h"

namespace tarvik {
namespace {

using test::Built;
using test::Generate;
using test::TempFolder;

Built Profile(std::string_view code, std::string_view designation, bool half = false) {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  Selection s;
  EXPECT_TRUE(SelectionFor(code, designation, half, s)) << code << " " << designation;
  return Generate(s, &db);
}

// Published values (cm^2, cm^4, cm^3): ArcelorMittal sales programme 2026 for IPE, HE, IPN,
// UPN, UPE; GOST 8239 / 8240 for the Russian series; the Robot section base for UAP and the
// tee. A, Iy, Iz come from the tables themselves; the moduli are computed here, the elastic
// ones on the drawn outline's extreme fibres, the plastic ones on the true fillets.
struct Published {
  const char* code;
  const char* designation;
  double A, Iy, Iz, Wely, Wply, Welz, Wplz;
};
constexpr Published kPublished[] = {
    {"IPE", "200", 28.5, 1943, 142.3, 194.3, 220.6, 28.47, 44.61},
    {"IPE", "400", 84.5, 23120, 1317, 1156, 1307, 146.4, 229.0},
    {"HEAA", "500", 136.9, 54640, 6313, 2315, 2576, 420.9, 649.2},
    {"HEA", "300", 112.5, 18260, 6309, 1259, 1383, 420.6, 641.1},
    {"HEB", "300", 149.1, 25160, 8562, 1677, 1868, 570.8, 870.1},
    {"HEM", "300", 303.1, 59200, 19400, 3482, 4077, 1251, 1913},
    // IPN 300 Wpl,z: the sales programme's 121 has three figures; the Robot base's outline
    // integration gives 121.73
    {"2TPN", "300", 69.0, 9800, 451, 653, 762, 72.2, 121.73},
    {"CPN", "200", 32.2, 1910, 148, 191, 228, 27.0, 51.8},
    {"UAE", "200", 29.0, 1910, 187, 191, 220, 34.5, 62.2},
    {"UAP", "100", 13.38, 209.5, 32.83, 41.9, 49.59, 9.95, 17.83},
    {"2TGO", "20", 26.8, 1840, 115, 184, 208, 23.1, 0},
    {"CGO", "20", 23.4, 1520, 113, 152, 175.6, 20.5, 0},
    {"TW", "60x60x7", 7.94, 23.8, 12.10, 0, 10.59, 4.03, 6.787},
};

TEST(RolledProfiles, AgreeWithThePublishedTables) {
  for (const Published& p : kPublished) {
    SCOPED_TRACE(std::string(p.code) + " " + p.designation);
    const Built b = Profile(p.code, p.designation);
    ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
    const PropertiesRecord& r = b.r();
    auto expect = [](double value, double published, double tol) {  // 0: not tabulated
      if (published) {
        EXPECT_LE(std::fabs(value / published - 1), tol) << published;
      }
    };
    expect(r[slot::A], p.A, 0.005);
    expect(r[slot::J1], p.Iy, 0.005);
    expect(r[slot::J2], p.Iz, 0.005);
    // the smaller of the two moduli of each axis is the tabulated one
    expect(std::min(r[slot::Wcx], r[slot::Wtx]), p.Wely, 0.005);
    expect(std::min(r[slot::Wcy], r[slot::Wty]), p.Welz, 0.006);
    expect(r[slot::Wplx], p.Wply, 0.005);
    expect(r[slot::Wply], p.Wplz, 0.005);
  }
}

TEST(RolledProfiles, AnglesTakeTheirCentroidAndAxesFromTheTrueOutline) {
  struct Case {
    const char* code;
    const char* designation;
    double A, Iu, Iv, cx, cy, tanAlpha;  // cm^2, cm^4, cm, cm
  };
  // ArcelorMittal / SCI tables: legs along x (b) and y (h) from the corner
  for (const Case& c : {Case{"KWR", "100x10", 19.2, 280.7, 72.65, 2.82, 2.82, 1.0},
                        Case{"KWN", "100x65x7", 11.2, 128, 22.0, 1.51, 3.23, 0.415}}) {
    SCOPED_TRACE(c.designation);
    const PropertiesRecord r = Profile(c.code, c.designation).r();
    EXPECT_NEAR(r[slot::A], c.A, 0.05);
    EXPECT_NEAR(r[slot::J1] / c.Iu, 1, 0.005);
    EXPECT_NEAR(r[slot::J2] / c.Iv, 1, 0.005);
    EXPECT_NEAR(r[slot::xS] / 10, c.cx, 0.006);
    EXPECT_NEAR(r[slot::yS] / 10, c.cy, 0.006);
    EXPECT_NEAR(std::tan(r[slot::al]), c.tanAlpha, 0.001);
  }
}

TEST(RolledProfiles, PlasticModuliFollowTheFilletsNotTheDrawnOutline) {
  // the drawn outline holds more material at every root: about 224.6 cm^3 for IPE 200
  const Built b = Profile("IPE", "200");
  SectionModel drawn = b.model;
  PropertiesRecord onDrawn = b.r();
  ASSERT_TRUE(ObliczWskazniki(drawn, 0, 0, onDrawn).ok());
  EXPECT_GT(onDrawn[slot::Wplx], 223.5);
  EXPECT_NEAR(b.r()[slot::Wplx], 220.6, 0.5);
  // and the torsion: tabulated It kept, Js with both junctions near the tables' 6.98
  EXPECT_DOUBLE_EQ(b.r()[slot::Jt], 6.98);
  EXPECT_NEAR(b.r()[slot::Js], 6.98, 0.2);
  EXPECT_NEAR(b.r()[slot::Oz], 768, 1);  // the catalogue's 0.768 m^2/m
}

// The catalogue's floats reach the properties and the outline as the table's decimals:
// IPE 200's web 5.6 and root radius 12 give Avy = 200·5.6/100 and the fillet's tangent point
// at x = 5.6/2 + 12 to the last bit, as a double computed from 5.6 (the float 5.6f gave
// 11.199999809 and 14.799999952).
TEST(RolledProfiles, CatalogueValuesComeAsTheTablesDecimals) {
  const Built b = Profile("IPE", "200");
  EXPECT_EQ(b.r()[slot::Avy], 200 * 5.6 / 100);
  EXPECT_EQ(b.r()[slot::d3], 5.6);
  const FigureRecord& f = b.model.working();
  EXPECT_TRUE(std::any_of(f.outer.begin(), f.outer.begin() + f.outerCount(),
                          [](Point p) { return p.x == 5.6 / 2 + 12; }));
}

// a half I: half the area and the weak moment; the flange on y = 0 .. tf, the web to h/2
TEST(RolledProfiles, HalfIHasHalfTheWholesAreaAndWeakMoment) {
  const Built half = Profile("HEB", "300", true), whole = Profile("HEB", "300");
  EXPECT_DOUBLE_EQ(half.r()[slot::A], whole.r()[slot::A] / 2);
  EXPECT_DOUBLE_EQ(half.r()[slot::J2], whole.r()[slot::J2] / 2);
  EXPECT_LT(half.r()[slot::J1], half.r()[slot::J2]);  // about x: the shallow T's own moment
  EXPECT_GT(half.r()[slot::yS], 0);
  EXPECT_LT(half.r()[slot::yS], 75);
  EXPECT_DOUBLE_EQ(half.model.working().outer[5].y, 150);  // web end at h/2
}

TEST(RolledProfiles, EveryDesignationOfTheDatabaseBuilds) {
  ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  FileState state;
  const std::vector<std::string> families = db.Families(&state);
  ASSERT_EQ(state, FileState::kRead);
  ASSERT_GE(families.size(), 18u);
  int built = 0;
  for (const std::string& code : families) {
    // the corrugated-web girders belong to the "Spawane" tab, the cold-formed profiles to
    // the " Gięte " tab, not to the rolled one
    if (code == WeldedCode(kWeldedWT)) continue;
    bool coldFormed = false;
    for (int item = 0; item < kColdItems; ++item)
      coldFormed = coldFormed || code == ColdCode(item, 0) || code == ColdCode(item, 1);
    if (coldFormed) continue;
    for (const std::string& designation : db.Designations(code)) {
      SCOPED_TRACE(code + " " + designation);
      Selection s;
      ASSERT_TRUE(SelectionFor(code, designation, false, s));
      EXPECT_EQ(KeyOf(s).designation, designation);  // the round trip the lists rely on
      const Built b = Generate(s, &db);
      ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
      const PropertiesRecord& r = b.r();
      for (int k : {slot::A, slot::J1, slot::J2, slot::Jt, slot::Js, slot::Wplx, slot::Wply,
                    slot::Oz, slot::Avx, slot::Avy})
        EXPECT_GT(r[k], 0) << SlotTable()[k - slot::d1].symbol;
      // the plastic modulus lies between the elastic one and twice it for any section
      const double wel = std::min(r[slot::Wcx], r[slot::Wtx]);
      EXPECT_GT(r[slot::Wplx], wel);
      EXPECT_LT(r[slot::Wplx], 2 * wel);
      ++built;
    }
  }
  EXPECT_GT(built, 450);
}

TEST(RolledProfiles, WithoutADatabaseNothingIsBuilt) {
  Selection s;
  ASSERT_TRUE(SelectionFor("HEB", "300", false, s));
  const Built b = Generate(s, nullptr);
  ASSERT_EQ(b.messages.size(), 1u);
  EXPECT_EQ(b.messages[0].text, "Nie ma bazy danych");
  EXPECT_EQ(b.r(), PropertiesRecord{});
}

TEST(RolledProfiles, ZSectionsWgPnTakeTheirMomentsFromTheOutline) {
  TempFolder folder;
  CatalogueRecord z{"ZPN", "100", {}};
  for (auto [f, v] : {std::pair{CatalogueRecord::h, 100.f},
                      {CatalogueRecord::b, 55.f},
                      {CatalogueRecord::tw, 6.5f},
                      {CatalogueRecord::tf, 8.f},
                      {CatalogueRecord::r, 8.f},
                      {CatalogueRecord::r1, 4.f},
                      {CatalogueRecord::A, 14.5f},
                      {CatalogueRecord::J1, 999.f}})
    z.values[f] = v;
  ASSERT_TRUE(WriteDatabase(folder.file("PROFILE.DAT"), {z}));
  ProfileDatabase db(folder.file("PROFILE.DAT"));
  Selection s;
  ASSERT_TRUE(SelectionFor("ZPN", "100", false, s));
  const Built b = Generate(s, &db);
  ASSERT_TRUE(b.messages.empty());
  const PropertiesRecord& r = b.r();
  EXPECT_EQ(r.name(), "Z100");
  EXPECT_EQ(b.model.working().outerCount() - 1, 16);
  EXPECT_NEAR(r[slot::xS], 0, 1e-9);  // point-symmetric about the origin
  EXPECT_NEAR(r[slot::yS], 0, 1e-9);
  EXPECT_GT(r[slot::J1], 2 * r[slot::J2]);
  EXPECT_LT(r[slot::J1], 999);  // the record's value is replaced by the outline's
  EXPECT_GT(r[slot::al], 0);
  EXPECT_LT(r[slot::al], std::numbers::pi / 4);
  EXPECT_GT(r[slot::w1], 0);
  EXPECT_LT(r[slot::w2], 0);
}

// every diameter and wall the tab lists builds its ring, pi·(D^2 - d^2)/4
TEST(RolledProfiles, EverySeamlessTubeTheTabListsBuilds) {
  auto mm = [](std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
  };
  for (const TubeSize& tube : SeamlessTubeSizes())
    for (const std::string& wall : tube.thicknesses) {
      SCOPED_TRACE(tube.diameter + " x " + wall);
      Selection s;
      s.kind = kWalcowane, s.sub = 8;
      s.setText(0, tube.diameter);
      s.setText(1, wall);
      const Built b = Generate(s, nullptr);
      ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
      const double D = mm(tube.diameter), d = D - 2 * mm(wall);
      EXPECT_NEAR(b.r()[slot::A], std::numbers::pi * (D * D - d * d) / 400, 1e-9 * D * D);
    }
}

TEST(RolledProfiles, SeamlessTubeExactPolygonAndTooThick) {
  Selection s;
  s.kind = kWalcowane;
  s.sub = 8;
  s.setText(0, "219,1");
  s.setText(1, "6,3");
  const Built exact = Generate(s, nullptr);
  EXPECT_EQ(exact.r().name(), "R 219,1/6,3");
  EXPECT_NEAR(exact.r()[slot::A], 42.1, 0.05);  // EN 10210 tables: 42.1 cm^2, 2386 cm^4
  EXPECT_NEAR(exact.r()[slot::J1], 2386, 1);
  EXPECT_TRUE(exact.model.hotRolledTube);

  GeneratorSettings octagon;
  octagon.exactFormulas = false;
  octagon.corners = 8;
  const Built polygon = Generate(s, nullptr, octagon);
  EXPECT_EQ(polygon.model.working().outerCount() - 1, 8);
  EXPECT_EQ(polygon.model.working().innerCount(), 8);
  EXPECT_LT(polygon.r()[slot::A], exact.r()[slot::A]);

  s.setText(1, "109,6");  // just above D/2
  const Built thick = Generate(s, nullptr);
  ASSERT_EQ(thick.messages.size(), 1u);
  EXPECT_EQ(thick.messages[0].text, "Za duża grubość");
  EXPECT_FALSE(thick.model.hotRolledTube);
  s.setText(1, "109,55");  // exactly D/2: a full disc
  EXPECT_NEAR(Generate(s, nullptr).r()[slot::A], std::numbers::pi * 219.1 * 219.1 / 400, 1e-9);
}

}  // namespace
}  // namespace tarvik
