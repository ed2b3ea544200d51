// The " Gięte " tab's generators: outlines against an independent sum of flat plates and
// annular bend sectors, the catalogue against typed dimensions, the doubled items, the tube
// corners and the refusals.
#include "generators/cold_formed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "engine/cp1250.h"
#include "engine/numbers.h"
#include "generators/dispatch.h"
#include "support/generate.h"
#include "support/temp_folder.h"

namespace tarvik {
namespace {

using test::Built;
using test::Generate;
constexpr double kPi = std::numbers::pi;

// ---- an independent integration: the profile as flat rectangles and annular sectors ----

struct Sums {
  double a = 0, sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;  // ∫1, ∫y, ∫x, ∫y², ∫x², ∫xy
};

struct Pieces {
  Sums s;
  // the rectangle x0..x1, y0..y1
  void rect(double x0, double x1, double y0, double y1) {
    const double w = x1 - x0, h = y1 - y0, cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, a = w * h;
    s.a += a, s.sx += a * cy, s.sy += a * cx;
    s.xx += w * h * h * h / 12 + a * cy * cy, s.yy += h * w * w * w / 12 + a * cx * cx;
    s.xy += a * cx * cy;
  }
  // the ring r..R about c between the angles t0 and t1 [degrees], in closed form
  void ring(double cx, double cy, double r, double R, double t0, double t1) {
    const double a0 = t0 * kPi / 180, a1 = t1 * kPi / 180;
    const double k2 = (R * R - r * r) / 2, k3 = (R * R * R - r * r * r) / 3,
                 k4 = (R * R * R * R - r * r * r * r) / 4;
    const double a = k2 * (a1 - a0);
    const double fy = k3 * (std::cos(a0) - std::cos(a1)), fx = k3 * (std::sin(a1) - std::sin(a0));
    const double iyy = k4 * ((a1 - a0) / 2 - (std::sin(2 * a1) - std::sin(2 * a0)) / 4);
    const double ixx = k4 * ((a1 - a0) / 2 + (std::sin(2 * a1) - std::sin(2 * a0)) / 4);
    const double ixy = k4 * (std::sin(a1) * std::sin(a1) - std::sin(a0) * std::sin(a0)) / 2;
    s.a += a, s.sx += fy + a * cy, s.sy += fx + a * cx;
    s.xx += iyy + 2 * cy * fy + a * cy * cy, s.yy += ixx + 2 * cx * fx + a * cx * cx;
    s.xy += ixy + cx * fy + cy * fx + a * cx * cy;
  }
};

// a piece list made again after x := -x (mirror) or (x, y) := (-x, -y) (half turn), moved
struct Maker {
  double sx = 1, sy = 1, dx = 0, dy = 0;
  Pieces* p;
  void rect(double x0, double x1, double y0, double y1) const {
    const double a = sx * x0 + dx, b = sx * x1 + dx, c = sy * y0 + dy, d = sy * y1 + dy;
    p->rect(std::min(a, b), std::max(a, b), std::min(c, d), std::max(c, d));
  }
  void ring(double cx, double cy, double r, double R, double t0, double t1) const {
    double u0 = t0, u1 = t1;
    if (sx < 0 && sy > 0) u0 = 180 - t1, u1 = 180 - t0;
    if (sx < 0 && sy < 0) u0 = t0 + 180, u1 = t1 + 180;
    p->ring(sx * cx + dx, sy * cy + dy, r, R, u0, u1);
  }
};

struct Profile {
  int item;
  const char* texts;  // the own-dimension texts joined by '|'
  int option = 0;
};

std::vector<double> Values(const char* joined) {
  std::vector<double> v;
  std::string s(joined);
  for (size_t from = 0, bar;; from = bar + 1) {
    bar = s.find('|', from);
    std::string t = s.substr(from, bar == std::string::npos ? std::string::npos : bar - from);
    std::replace(t.begin(), t.end(), ',', '.');
    v.push_back(std::stod(t));
    if (bar == std::string::npos) break;
  }
  return v;
}

// the pieces of a profile from its typed dimensions (radius typed in mm), placed as the
// outline is: the channels' web back on x = 0, the angles' corner at the origin, ...
void Add(const Maker& m, int item, const std::vector<double>& v) {
  switch (item) {
    case kColdChannelA: {
      const double H = v[0], B = v[1], g = v[2], r = v[3], R = r + g;
      m.rect(0, g, -H / 2 + R, H / 2 - R);
      m.rect(R, B, -H / 2, -H / 2 + g), m.rect(R, B, H / 2 - g, H / 2);
      m.ring(R, -H / 2 + R, r, R, 180, 270), m.ring(R, H / 2 - R, r, R, 90, 180);
      break;
    }
    case kColdLipChannel: {
      const double H = v[0], B = v[1], C = v[2], g = v[3], r = v[4], R = r + g;
      m.rect(0, g, -H / 2 + R, H / 2 - R);
      for (double s : {-1.0, 1.0}) {
        m.rect(R, B - R, s < 0 ? -H / 2 : H / 2 - g, s < 0 ? -H / 2 + g : H / 2);
        m.rect(B - g, B, s < 0 ? -H / 2 + R : H / 2 - C, s < 0 ? -H / 2 + C : H / 2 - R);
      }
      m.ring(R, -H / 2 + R, r, R, 180, 270), m.ring(B - R, -H / 2 + R, r, R, 270, 360);
      m.ring(R, H / 2 - R, r, R, 90, 180), m.ring(B - R, H / 2 - R, r, R, 0, 90);
      break;
    }
    case kColdAngleNA: {
      const double H = v[0], B = v[1], g = v[2], r = v[3], R = r + g;
      m.rect(R, B, 0, g), m.rect(0, g, R, H), m.ring(R, R, r, R, 180, 270);
      break;
    }
    case kColdLipAngle: {
      const double H = v[0], C = v[1], g = v[2], r = v[3], R = r + g;
      m.rect(R, H - R, 0, g), m.rect(0, g, R, H - R);
      m.rect(H - g, H, R, C), m.rect(R, C, H - g, H);
      m.ring(R, R, r, R, 180, 270), m.ring(H - R, R, r, R, 270, 360);
      m.ring(R, H - R, r, R, 90, 180);
      break;
    }
    case kColdLipZ: {
      const double H = v[0], Bt = v[1], Ct = v[2], Bb = v[3], Cb = v[4], g = v[5], r = v[6];
      const double R = r + g;
      m.rect(0, g, -H / 2 + R, H / 2 - R);
      m.rect(R, Bb - R, -H / 2, -H / 2 + g), m.rect(Bb - g, Bb, -H / 2 + R, -H / 2 + Cb);
      m.ring(R, -H / 2 + R, r, R, 180, 270), m.ring(Bb - R, -H / 2 + R, r, R, 270, 360);
      m.rect(g - Bt + R, g - R, H / 2 - g, H / 2),
          m.rect(g - Bt, 2 * g - Bt, H / 2 - Ct, H / 2 - R);
      m.ring(g - R, H / 2 - R, r, R, 0, 90), m.ring(g - Bt + R, H / 2 - R, r, R, 90, 180);
      break;
    }
    case kColdHat: {
      const double H = v[0], B = v[1], C = v[2], g = v[3], r = v[4], R = r + g;
      m.rect(-(B / 2 - R), B / 2 - R, H - g, H);
      for (double s : {-1.0, 1.0}) {
        const Maker k{m.sx * s, m.sy, m.dx, m.dy, m.p};
        k.rect(B / 2 - g, B / 2, R, H - R), k.rect(B / 2 + r, B / 2 - g + C, 0, g);
        k.ring(B / 2 - R, H - R, r, R, 0, 90), k.ring(B / 2 + r, R, r, R, 180, 270);
      }
      break;
    }
    case kColdRectTube: {
      const double H = v[0], B = v[1], g = v[2], r = v[3], R = r + g;
      m.rect(-(B / 2 - R), B / 2 - R, -H / 2, -H / 2 + g);
      m.rect(-(B / 2 - R), B / 2 - R, H / 2 - g, H / 2);
      m.rect(B / 2 - g, B / 2, -(H / 2 - R), H / 2 - R);
      m.rect(-B / 2, -B / 2 + g, -(H / 2 - R), H / 2 - R);
      m.ring(B / 2 - R, H / 2 - R, r, R, 0, 90), m.ring(-(B / 2 - R), H / 2 - R, r, R, 90, 180);
      m.ring(-(B / 2 - R), -(H / 2 - R), r, R, 180, 270);
      m.ring(B / 2 - R, -(H / 2 - R), r, R, 270, 360);
      break;
    }
  }
}

Selection Own(int item, const char* texts, int option = 0) {
  Selection s;
  s.kind = kGiete, s.variant = item, s.mode = kColdOwnDimensions, s.option = option;
  std::string all(texts);
  int i = 0;
  for (size_t from = 0, bar;; from = bar + 1, ++i) {
    bar = all.find('|', from);
    s.setText(i, all.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
    if (bar == std::string::npos) break;
  }
  return s;
}

Selection Catalogue(int item, const std::string& size, const std::string& thickness,
                    int option = 0) {
  Selection s;
  s.kind = kGiete, s.variant = item, s.mode = kColdCatalogue, s.option = option;
  s.setText(0, size);
  s.setText(1, thickness);
  return s;
}

// every item's area, centroid and principal moments against its pieces
TEST(ColdFormed, OutlinesIntegrateAsTheirPlatesAndBends) {
  const std::vector<Profile> profiles = {
      {kColdChannelA, "100|50|3|4,5"},
      {kColdChannelA, "100|50|3|0"},  // sharp inside: the bend points coincide
      {kColdLipChannel, "200|80|20|2|3"},
      {kColdLipChannel, "200|80|20|2|3", 1},
      {kColdAngleNA, "60|40|3|4,5"},
      {kColdAngleNA, "50|50|4|2"},
      {kColdLipAngle, "60|20|2|3"},
      {kColdLipZ, "200|70|20|60|15|2|3"},
      {kColdLipZ, "180|70|20|60|20|3|4,5", 1},
      {kColdHat, "60|57|25|2|3"},
      {kColdRectTube, "100|50|4|4"},
      {kColdRectTube, "80|80|6|0"},
  };
  for (const Profile& p : profiles) {
    SCOPED_TRACE(std::string(ColdCaption(p.item)) + " " + p.texts + " option " +
                 std::to_string(p.option));
    const Built b = Generate(Own(p.item, p.texts, p.option), nullptr);
    ASSERT_TRUE(b.messages.empty()) << b.messages[0].text << b.messages[0].detail;
    const std::vector<double> v = Values(p.texts);
    Pieces pieces;
    const int shape = p.item == kColdAngleRA ? kColdAngleNA : p.item;
    if (p.item == kColdLipZ && p.option == 1) {
      const double g = v[5];
      Add({1, 1, -g / 2, -g / 2, &pieces}, shape, v);
      Add({-1, -1, g / 2, g / 2, &pieces}, shape, v);
    } else {
      Add({1, 1, 0, 0, &pieces}, shape, v);
      if (p.option == 1) Add({-1, 1, 0, 0, &pieces}, shape, v);
    }
    const Sums& s = pieces.s;
    const double xc = s.sy / s.a, yc = s.sx / s.a;
    const double ixx = s.xx - s.a * yc * yc, iyy = s.yy - s.a * xc * xc, ixy = s.xy - s.a * xc * yc;
    const PropertiesRecord& r = b.r();
    const double size = std::max(v[0], v[1]), scale = ixx + iyy;
    EXPECT_NEAR(r[slot::A], s.a / 100, 1e-11 * s.a);
    EXPECT_NEAR(r[slot::xS], xc, 1e-9 * size);
    EXPECT_NEAR(r[slot::yS], yc, 1e-9 * size);
    const double c = std::cos(r[slot::al]), sn = std::sin(r[slot::al]);
    EXPECT_NEAR(r[slot::J1] * 1e4, ixx * c * c + iyy * sn * sn - 2 * ixy * sn * c, 1e-9 * scale);
    EXPECT_NEAR(r[slot::J2] * 1e4, ixx * sn * sn + iyy * c * c + 2 * ixy * sn * c, 1e-9 * scale);
    // the product about the principal axes vanishes
    EXPECT_NEAR((ixx - iyy) * sn * c + ixy * (c * c - sn * sn), 0, 1e-9 * scale);
  }
  // r = 0: the four points of each inner bend lie on its corner
  const Built sharp = Generate(Own(kColdChannelA, "100|50|3|0"), nullptr);
  const FigureRecord& f = sharp.model.working();
  ASSERT_EQ(f.outerCount(), 21);
  for (int k = 6; k < 10; ++k) EXPECT_EQ(f.outer[k], (Point{3, -47})) << k;
}

// the Sigma's area is its thickness times its mid-line's developed length, bends at the
// mid-line radius r + g/2, and its outline is symmetric about mid-height
TEST(ColdFormed, SigmaIsItsDevelopedMidLine) {
  const double H = 200, B = 70, h = 90, D = 25, C = 16, g = 2, r = 5, m = g / 2;
  const Built b = Generate(Own(kColdSigma, "200|70|90|25|16|2|5"), nullptr);
  ASSERT_TRUE(b.messages.empty()) << b.messages[0].text;
  const double fold = std::sqrt(2.0) * D, rm = r + m;
  // straight mid-line lengths less the tangent lengths each bend takes from them
  const double t90 = rm, t45 = rm * std::tan(kPi / 8);
  const double straight = 2 * (C - m - t90) + 2 * (B - g - 2 * t90) +
                          2 * ((H - g) / 2 - h / 2 - D - t90 - t45) + 2 * (fold - 2 * t45) +
                          (h - 2 * t45);
  const double arcs = 4 * rm * kPi / 2 + 4 * rm * kPi / 4;
  EXPECT_NEAR(b.r()[slot::A], g * (straight + arcs) / 100, 1e-11);
  EXPECT_EQ(b.r()[slot::yS], 0);
  EXPECT_EQ(b.r()[slot::al], 0);
  const FigureRecord& f = b.model.working();
  ASSERT_EQ(f.outerCount(), 37);
  for (int k = 0; k < 36; ++k) {
    EXPECT_NEAR(f.outer[k].x, f.outer[35 - k].x, 1e-12);
    EXPECT_NEAR(f.outer[k].y, -f.outer[35 - k].y, 1e-12);
  }
  // the catalogue's Sigma 200 is this one
  const Built listed = Generate(Catalogue(kColdSigma, " 200", "2,0"), nullptr);
  EXPECT_EQ(listed.r()[slot::A], b.r()[slot::A]);
  EXPECT_EQ(listed.r().name(), "Sigma200x2,0");
}

struct Database {
  test::TempFolder folder;
  ProfileDatabase db;
  explicit Database(const std::vector<CatalogueRecord>& records) : db(folder.file("PROFILE.DAT")) {
    EXPECT_TRUE(WriteDatabase(db.path(), records));
  }
};

// The typed dimensions of a record's designation as the own-dimension texts of its item.
Selection OwnOf(const CatalogueRecord& rec, int item, int option) {
  const auto& v = rec.values;
  auto t = [](double x) { return FormatWymiaru(0, 0, 0, x); };
  const std::string g = t(v[CatalogueRecord::tw]);
  std::string texts;
  switch (item) {
    case kColdAngleRA:
    case kColdAngleRB:
    case kColdSquareTube:
      texts = t(v[CatalogueRecord::h]) + "|" + g;
      break;
    case kColdLipZ:
      texts = t(v[CatalogueRecord::h]) + "|" + t(v[CatalogueRecord::b]) + "|" +
              t(v[CatalogueRecord::r2]) + "|" + t(v[CatalogueRecord::r1]) + "|" +
              t(v[CatalogueRecord::r2]) + "|" + g;
      break;
    case kColdHat:
      texts = t(v[CatalogueRecord::h]) + "|" + t(v[CatalogueRecord::b]) + "|" +
              t(v[CatalogueRecord::r1]) + "|" + g;
      break;
    default:
      texts = t(v[CatalogueRecord::h]) + "|" + t(v[CatalogueRecord::b]) + "|" + g;
      break;
  }
  return Own(item, (texts + (item >= kColdSquareTube ? "|wg normy" : "|1,5 x g")).c_str(), option);
}

// every catalogue record builds the same section from the database as from its typed
// dimensions, and the database holds exactly the listed sizes and thicknesses
TEST(ColdFormed, CatalogueAndOwnDimensionsAgreeForEveryRecord) {
  const std::vector<CatalogueRecord> records = ColdFormedRecords();
  Database d(records);
  std::set<std::pair<std::string, std::string>> held;
  for (const CatalogueRecord& rec : records) {
    EXPECT_TRUE(held.insert({rec.family, rec.designation}).second) << rec.designation;
    EXPECT_LE(Utf8ToCp1250(rec.designation).size(), CatalogueRecord::kDesignationChars);
    EXPECT_EQ(CatalogueFault(rec), "") << rec.designation;
  }
  size_t listed = 0;
  for (int item = 0; item < kColdItems; ++item) {
    if (item == kColdSigma || item == kColdLipChannel) continue;
    for (int option = 0; option <= (item == kColdLipZ ? 1 : 0); ++option)
      for (size_t k = 0; k < ColdSizes(item).size(); ++k) {
        std::vector<std::string> thicknesses = ColdThicknesses(item, static_cast<int>(k));
        if (thicknesses.empty()) thicknesses.push_back("");
        EXPECT_FALSE(thicknesses[0].empty() && item != kColdChannelA && item != kColdChannelB)
            << ColdSizes(item)[k] << ": no thickness kept";
        for (const std::string& t : thicknesses) {
          const std::string designation = ColdDesignation(item, ColdSizes(item)[k], t);
          SCOPED_TRACE(std::string(ColdCode(item, option)) + " " + designation);
          ++listed;
          const auto rec = std::find_if(records.begin(), records.end(), [&](const auto& r) {
            return r.family == ColdCode(item, option) && r.designation == designation;
          });
          ASSERT_NE(rec, records.end());
          const Built fromDb = Generate(Catalogue(item, ColdSizes(item)[k], t, option), &d.db);
          const Built typed = Generate(OwnOf(*rec, item, option), nullptr);
          ASSERT_TRUE(fromDb.messages.empty()) << fromDb.messages[0].text;
          ASSERT_TRUE(typed.messages.empty()) << typed.messages[0].text;
          EXPECT_EQ(fromDb.r().name(), typed.r().name());
          for (const SlotInfo& info : SlotTable())
            EXPECT_NEAR(fromDb.r()[info.slot], typed.r()[info.slot],
                        1e-9 * std::max(1.0, std::fabs(typed.r()[info.slot])))
                << info.symbol;
          // the record's own values are what the generator integrates
          EXPECT_NEAR(rec->values[CatalogueRecord::A], typed.r()[slot::A], 1e-9);
        }
      }
  }
  EXPECT_EQ(listed, records.size());
}

// the built database holds the records of the tab, found by the lists
TEST(ColdFormed, TheBuiltDatabaseHoldsTheCatalogue) {
  ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  const std::vector<CatalogueRecord> records = ColdFormedRecords();
  std::map<std::string, std::vector<std::string>> byCode;
  for (const CatalogueRecord& r : records) byCode[r.family].push_back(r.designation);
  for (const auto& [code, designations] : byCode) EXPECT_EQ(db.Designations(code), designations);
  for (int item = 0; item < kColdItems; ++item)
    EXPECT_EQ(ColdCatalogueHeld(db, item), item != kColdSigma && item != kColdLipChannel) << item;
}

// two lipped channels back to back (figure 1 the mirror of figure 0) and two lipped Z nested
// (the second contour the first turned about the origin): the pair's values from the one's
TEST(ColdFormed, DoubledItemsAreTwoOfTheSingle) {
  struct Case {
    int item;
    const char* texts;
  };
  for (const Case& c : {Case{kColdLipChannel, "200|80|20|2|1,5 x g"},
                        Case{kColdLipZ, "200|70|20|70|20|2|1,5 x g"}}) {
    SCOPED_TRACE(ColdCaption(c.item));
    const Built one = Generate(Own(c.item, c.texts, 0), nullptr);
    const Built two = Generate(Own(c.item, c.texts, 1), nullptr);
    ASSERT_TRUE(two.messages.empty()) << two.messages[0].text;
    const PropertiesRecord &r1 = one.r(), &r2 = two.r();
    EXPECT_NEAR(r2[slot::A], 2 * r1[slot::A], 1e-12);
    EXPECT_NEAR(r2[slot::Oz], 2 * r1[slot::Oz], 1e-9);
    EXPECT_NEAR(r2[slot::Jt], 2 * r1[slot::Jt], 1e-12);
    EXPECT_EQ(r2[slot::xS], 0);
    EXPECT_EQ(r2[slot::yS], 0);
    const FigureRecord& f = two.model.working();
    if (c.item == kColdLipChannel) {
      // about x as two of one; about y each moved by its centroid's distance
      EXPECT_NEAR(r2[slot::J1], 2 * r1[slot::J1], 1e-9 * r1[slot::J1]);
      EXPECT_NEAR(r2[slot::J2],
                  2 * (r1[slot::J2] + r1[slot::A] * r1[slot::xS] * r1[slot::xS] / 100),
                  1e-9 * r2[slot::J2]);
      EXPECT_EQ(two.model.figureCount, 1);
      ASSERT_EQ(two.model.figures.size(), 2u);
      const FigureRecord& m = two.model.figures[1];
      ASSERT_EQ(m.outerCount(), 37);
      for (int k = 0; k < 37; ++k) EXPECT_EQ(m.outer[k], (Point{-f.outer[k].x, f.outer[k].y}));
      EXPECT_EQ(one.model.figures.size(), 1u);
    } else {
      ASSERT_EQ(f.outerCount(), 28);
      ASSERT_EQ(f.innerCount(), 28);
      for (int k = 0; k < 28; ++k) EXPECT_EQ(f.inner[k], (Point{-f.outer[k].x, -f.outer[k].y}));
      EXPECT_EQ(f.outer[0], (Point{-1, -100 - 1 + 2 + 3}));  // (0, -H/2 + g + r) moved
      EXPECT_EQ(one.model.working().innerCount(), 0);
    }
  }
}

// "Walc.na gorąco" turns the tubes' standard corner from EN 10219 (cold-formed) to EN 10210
// (hot-finished); a typed radius stands. The torsion constant is Bredt's.
TEST(ColdFormed, TubeCornersFollowTheStandardChosen) {
  Database d(ColdFormedRecords());
  GeneratorSettings hot;
  hot.hotRolledPipe = true;
  const double H = 100, g = 8;
  auto area = [&](double r) {
    Pieces p;
    Add({1, 1, 0, 0, &p}, kColdRectTube, {H, H, g, r});
    return p.s.a / 100;
  };
  const Built cold = Generate(Catalogue(kColdSquareTube, " 100", "8"), &d.db);
  const Built warm = Generate(Catalogue(kColdSquareTube, " 100", "8"), &d.db, hot);
  EXPECT_NEAR(cold.r()[slot::A], area(2.5 * g - g), 1e-11);
  // hot-finished corners are not concentric: outer 1.5·g, inner 1.0·g
  const double cut = 4 - std::numbers::pi;
  EXPECT_NEAR(warm.r()[slot::A],
              (H * H - cut * 2.25 * g * g - ((H - 2 * g) * (H - 2 * g) - cut * g * g)) / 100, 1e-11);
  EXPECT_TRUE(cold.model.hotRolledTube);
  // "wg normy" typed on either tab follows the check box
  Selection proste;
  proste.kind = kProste, proste.sub = 2, proste.variant = 2;
  proste.setText(0, "100 mm"), proste.setText(1, "8 mm"), proste.setText(4, kRadiusByStandard);
  for (const Built& b : {Generate(proste, nullptr, hot),
                         Generate(Own(kColdSquareTube, "100|8|wg normy"), nullptr, hot)})
    EXPECT_EQ(b.r()[slot::A], warm.r()[slot::A]);
  proste.setText(4, "12 mm");
  EXPECT_EQ(Generate(proste, nullptr, hot).r()[slot::A], cold.r()[slot::A]);
  // the rectangular "Rura": height text 1, thickness text 2, width text 3, radius text 5
  Selection rect = proste;
  rect.variant = 3, rect.setText(2, "60 mm"), rect.setText(4, "6");
  const Built own = Generate(Own(kColdRectTube, "100|60|8|6"), nullptr);
  EXPECT_EQ(Generate(rect, nullptr).r()[slot::J1], own.r()[slot::J1]);
  const double Am = (H - g) * (60 - g), ds = 2 * ((H - g) + (60 - g)) / g;
  EXPECT_NEAR(own.r()[slot::Jt], 4 * Am * Am / ds / 1e4, 1e-9);
}

// where the shear centres lie, in the outline's coordinates
TEST(ColdFormed, ShearCentresLieWhereTheShapesPutThem) {
  // the plain channel: behind the web, e = 3b²t/(6bt + ht) from the web's mid-line (mid-line
  // dimensions; the corners make the exact value differ by a few per cent)
  const Built channel = Generate(Own(kColdChannelA, "200|80|3|0"), nullptr);
  const double b = 80 - 1.5, h = 200 - 3, e = 3 * b * b * 3 / (6 * b * 3 + h * 3);
  EXPECT_NEAR(channel.r()[slot::xT], 1.5 - e, 0.03 * e);
  // lipped channel behind the web; lipped angle on the diagonal beyond its corner (the lips
  // turn inwards as a channel's flanges do); the point-symmetric Z at its centroid; the hat on
  // its axis, above the crown its webs hang from
  const Built lipped = Generate(Own(kColdLipChannel, "200|80|20|2|3"), nullptr);
  EXPECT_LT(lipped.r()[slot::xT], 0);
  EXPECT_EQ(lipped.r()[slot::yT], 0);
  const Built angle = Generate(Own(kColdLipAngle, "60|20|2|3"), nullptr);
  EXPECT_EQ(angle.r()[slot::xT], angle.r()[slot::yT]);
  EXPECT_LT(angle.r()[slot::xT], 1);
  const Built z = Generate(Own(kColdLipZ, "200|70|20|70|20|2|3"), nullptr);
  EXPECT_NEAR(z.r()[slot::xT], z.r()[slot::xS], 1e-9);
  EXPECT_NEAR(z.r()[slot::yT], z.r()[slot::yS], 1e-9);
  const Built hat = Generate(Own(kColdHat, "60|57|25|2|3"), nullptr);
  EXPECT_EQ(hat.r()[slot::xT], 0);
  EXPECT_GT(hat.r()[slot::yT], 60);
}

// The warping of the single open profiles over their mid-lines, web a, flanges (the hat's
// crown) b, lips (its feet) c, all t thick, about the shear centre; Jw [cm^6], w1 and w2 the
// largest and smallest sectorial coordinate [cm^2]. Closed forms worked from ω along the
// mid-line by hand:
//  lipped channel: a²b²t·(2a³b + 3a²b² + 48c⁴ + 112bc³ + 8ac³ + 48abc² + 12a²c² + 12a²bc +
//    6a³c) / (12·(a³ + 6a²b + 6a²c - 12ac² + 8c³)), as the cold-formed design texts give it
//  lipped Z of equal flanges (pole at the centre, ω symmetric): b²t·(2a³b + 6a³c + a²b² +
//    4a²bc + 12a²c² + 12abc² + 8ac³ + 16bc³ + 4c⁴) / (12·(a + 2b + 2c)); ω at the lips' tips
//    b·(ab + a(a + 2c) + 4bc + 2c²) / (2(a + 2b + 2c)), at the web's ends -b·(ab + 2ac + 2c²)
//    / (2(a + 2b + 2c))
//  hat: a²b²t·(3a²b² + 2ab³ + 12ab²c - 48abc² + 112ac³ + 6b³c - 12b²c² + 8bc³ + 48c⁴) /
//    (12·(6ab² + b³ + 6b²c + 12bc² + 8c³))
// The sections symmetric about an axis have ω of both signs alike; the doubled items keep none.
TEST(ColdFormed, OpenProfilesWarpAsTheirMidLines) {
  auto lipped = [](double a, double b, double c, double t) {
    return a * a * b * b * t *
           (2 * a * a * a * b + 3 * a * a * b * b + 48 * std::pow(c, 4) + 112 * b * c * c * c +
            8 * a * c * c * c + 48 * a * b * c * c + 12 * a * a * c * c + 12 * a * a * b * c +
            6 * a * a * a * c) /
           (12 * (a * a * a + 6 * a * a * b + 6 * a * a * c - 12 * a * c * c + 8 * c * c * c));
  };
  auto z = [](double a, double b, double c, double t) {
    return b * b * t *
           (2 * a * a * a * b + 6 * a * a * a * c + a * a * b * b + 4 * a * a * b * c +
            12 * a * a * c * c + 12 * a * b * c * c + 8 * a * c * c * c + 16 * b * c * c * c +
            4 * std::pow(c, 4)) /
           (12 * (a + 2 * b + 2 * c));
  };
  auto hat = [](double a, double b, double c, double t) {
    return a * a * b * b * t *
           (3 * a * a * b * b + 2 * a * b * b * b + 12 * a * b * b * c - 48 * a * b * c * c +
            112 * a * c * c * c + 6 * b * b * b * c - 12 * b * b * c * c + 8 * b * c * c * c +
            48 * std::pow(c, 4)) /
           (12 * (6 * a * b * b + b * b * b + 6 * b * b * c + 12 * b * c * c + 8 * c * c * c));
  };
  const struct {
    int item;
    const char* texts;
    double a, b, c, t;  // the mid-line's: H - g, B - g, C - g/2
    double (*jw)(double, double, double, double);
  } cases[] = {
      {kColdLipChannel, "200|80|20|2|3", 198, 78, 19, 2, +lipped},
      {kColdLipZ, "200|70|20|70|20|2|3", 198, 68, 19, 2, +z},
      {kColdHat, "60|57|25|2|3", 58, 55, 24, 2, +hat},
      {kColdLipAngle, "60|20|2|3", 0, 0, 0, 2, nullptr},
      {kColdSigma, "200|70|90|25|16|2|5", 0, 0, 0, 2, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ColdCaption(c.item));
    const Built one = Generate(Own(c.item, c.texts), nullptr);
    ASSERT_TRUE(one.messages.empty());
    const PropertiesRecord& r = one.r();
    EXPECT_GT(r[slot::Jw], 0);
    if (c.jw) {
      EXPECT_NEAR(r[slot::Jw], c.jw(c.a, c.b, c.c, c.t) / 1e6, 1e-10 * r[slot::Jw]);
    }
    if (c.item == kColdLipZ) {
      const double n = 2 * (c.a + 2 * c.b + 2 * c.c);
      EXPECT_NEAR(
          r[slot::w1],
          c.b * (c.a * c.b + c.a * (c.a + 2 * c.c) + 4 * c.b * c.c + 2 * c.c * c.c) / n / 100,
          1e-12);
      EXPECT_NEAR(r[slot::w2], -c.b * (c.a * c.b + 2 * c.a * c.c + 2 * c.c * c.c) / n / 100, 1e-12);
    } else {
      EXPECT_GT(r[slot::w1], 0);
      EXPECT_NEAR(r[slot::w2], -r[slot::w1], 1e-12 * r[slot::w1]);
    }
    if (c.item == kColdLipChannel || c.item == kColdLipZ) {
      const Built two = Generate(Own(c.item, c.texts, 1), nullptr);
      EXPECT_EQ(two.r()[slot::Jw], 0);
      EXPECT_EQ(two.r()[slot::w1], 0);
    }
  }
}

// bad dimensions build nothing: the user is told which, and the section before stays
TEST(ColdFormed, RefusalsNameTheDimensionAndKeepTheSection) {
  Database d(ColdFormedRecords());
  struct Case {
    Selection s;
    const char* text;
    const char* detail;
  };
  const Case cases[] = {
      {Own(kColdChannelA, "100|50|3|20 x g"), "Za duży promień gięcia", "(Promień r: 20 x g)"},
      {Own(kColdLipChannel, "200|80|120|2|3"), "Za długie zagięcie", "(Zagięcie C: 120)"},
      {Own(kColdLipAngle, "60|59|2|3"), "Za długie zagięcie", "(Wymiar B: 59)"},
      {Own(kColdLipZ, "200|70|20|60|199|2|3"), "Za długie zagięcie", "(C dolne: 199)"},
      {Own(kColdAngleRA, "50|30|3"), "Za duża grubość", "(Grubość g: 30)"},
      {Own(kColdHat, "60|57|25|0 mm|3"), "Zerowy wymiar", "(Grubość g: 0 mm)"},
      {Own(kColdHat, "60|abc|25|2|3"), "Nieczytelny wymiar", "(Szerokość B: abc)"},
      {Own(kColdRectTube, "100|50|4|r=4"), "Nieczytelny promień gięcia", "(Promień r: r=4)"},
      {Catalogue(kColdLipChannel, " 80x80", "2"), "Ten profil nie ma katalogu",
       ColdNoCatalogueReason(kColdLipChannel)},
  };
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  settings.database = &d.db;
  RecordingSink sink;
  Selection first = Catalogue(kColdChannelA, " 100x50x4", "");
  ASSERT_TRUE(dispatcher.BudujPrzekroj(model, first, settings, sink, mapping, 400, 400));
  ASSERT_TRUE(sink.messages().empty()) << sink.messages()[0].text;
  const SectionModel before = model;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.detail);
    Selection s = c.s;
    EXPECT_FALSE(dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 400));
    ASSERT_FALSE(sink.messages().empty());
    EXPECT_EQ(sink.messages().back().text, c.text);
    EXPECT_EQ(sink.messages().back().detail, c.detail);
    EXPECT_EQ(model.section, before.section);
    EXPECT_EQ(model.working(), before.working());
  }
}

}  // namespace
}  // namespace tarvik
