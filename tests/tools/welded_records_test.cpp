// The records the database builder makes for the "Spawane" tab: castellated values of the
// parent I sections, checked against a published castellated-girder table, and the
// corrugated-web girders "WT", checked against hand calculations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>

#include "generators/welded.h"
#include "tools/profile_builder.h"

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// a family table of data/profiles as the builder completes it, by designation
std::map<std::string, CatalogueRecord> CompletedFamily(const std::string& code) {
  const std::string text = ReadFile(std::string(TARVIK_PROFILE_SOURCES) + "/" + code + ".csv");
  BuildReport report;
  std::map<std::string, CatalogueRecord> family;
  for (const SourceRow& row : ParseSourceTable(text))
    if (auto record = CompleteRow(row, {}, report)) family.emplace(row.designation, *record);
  EXPECT_TRUE(report.failures.empty()) << report.failures.at(0);
  return family;
}

// one row of tests/data/castellated_ipe_hea.csv
struct PublishedGirder {
  std::string parent;  // "IPE 300", "HE 320 A"
  bool uncut = false;
  double H = 0, G = 0, hs = 0, iSolid = 0, aOpening = 0, iOpening = 0;
};

std::vector<PublishedGirder> PublishedTable() {
  std::istringstream in(ReadFile(std::string(TARVIK_TEST_DATA) + "/castellated_ipe_hea.csv"));
  std::vector<PublishedGirder> rows;
  std::map<std::string, size_t> column;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells(1);
    for (char c : line) {
      if (c == ',') cells.emplace_back();
      else if (c != '\r') cells.back().push_back(c);
    }
    if (column.empty()) {
      for (size_t i = 0; i < cells.size(); ++i) column[cells[i]] = i;
      continue;
    }
    auto number = [&](const char* name) { return std::stod(cells.at(column.at(name))); };
    rows.push_back({cells.at(column.at("parent")), number("parent_row") == 1, number("H"),
                    number("G"), number("hs"), number("I_solid"), number("A_opening"),
                    number("I_opening")});
  }
  return rows;
}

double Relative(double computed, double published) { return computed / published - 1; }

// Every castellated row of the table, each from its parent's completed record: the rule is
// applied at the table's own cut depth c = H - h - hs and spacer hs.
TEST(CastellatedGirders, AgreeWithThePublishedTable) {
  const auto ipe = CompletedFamily("IPE"), hea = CompletedFamily("HEA");
  const std::vector<PublishedGirder> table = PublishedTable();
  std::map<std::string, double> uncutMass;
  for (const PublishedGirder& row : table)
    if (row.uncut) uncutMass[row.parent] = row.G;

  double worstArea = 0, worstOpening = 0, worstPost = 0, worstPlates = 0;
  int checked = 0;
  for (const PublishedGirder& row : table) {
    if (row.uncut) continue;
    SCOPED_TRACE(row.parent + ", H " + std::to_string(row.H));
    // "IPE 300" is IPE "300", "HE 320 A" is HEA "320"
    const bool isIpe = row.parent.starts_with("IPE ");
    const std::string size = row.parent.substr(isIpe ? 4 : 3, 3);
    const auto& family = isIpe ? ipe : hea;
    ASSERT_TRUE(family.count(size));
    const CatalogueRecord& parent = family.at(size);
    const double cut = row.H - parent.values[F::h] - row.hs;
    std::string fault;
    const auto girder = Castellate(parent, cut, row.hs, &fault);
    ASSERT_TRUE(girder) << fault;

    // areas are published in whole cm2: half a unit besides the 0.5 %
    const double areaGap = std::fabs(girder->netArea - row.aOpening);
    EXPECT_LE(areaGap, 0.5 + 0.005 * row.aOpening) << girder->netArea;
    EXPECT_NEAR(Relative(girder->j1Opening, row.iOpening), 0, 0.005) << girder->j1Opening;
    EXPECT_NEAR(Relative(girder->j1Post, row.iSolid), 0, 0.005) << girder->j1Post;
    // the plates' share of the mass against the table's growth over the uncut girder (both
    // G given to 0.1 kg/m); the table's masses run 2 % above 0.785·A, so its plates do too
    const double plates = girder->mass - 0.785 * parent.values[F::A];
    const double published = row.G - uncutMass.at(row.parent);
    EXPECT_LE(std::fabs(plates - published), 0.1 + 0.02 * published) << plates;

    worstArea = std::max(worstArea, std::fabs(Relative(girder->netArea, row.aOpening)));
    worstOpening = std::max(worstOpening, std::fabs(Relative(girder->j1Opening, row.iOpening)));
    worstPost = std::max(worstPost, std::fabs(Relative(girder->j1Post, row.iSolid)));
    worstPlates = std::max(worstPlates, std::fabs(plates - published));
    ++checked;
  }
  EXPECT_EQ(checked, 45);
  std::printf("largest deviations: A_opening %.2f %%, I_opening %.3f %%, I_solid %.3f %%, "
              "plates %.3f kg/m\n",
              worstArea * 100, worstOpening * 100, worstPost * 100, worstPlates);
}

TEST(CastellatedGirders, RefuseCutsReachingTheRootFillets) {
  // the web is straight up to the root fillet's tangent point:
  //  IPE 300 (tf 10.7, r 15): 150 - 10.7 - 15 = 124.3 mm each side of mid-height;
  //  IPN 200 (b 90, tw 7.5, tf 11.3 at b/4 from the toe, slope 14 %, r 7.5): the face meets
  //  the web 11.3 + 0.14·(22.5 - 3.75) = 13.925 mm above the bottom at 90° + atan 0.14, the
  //  fillet runs 7.5/tan(48.985°) = 6.523 mm up the web: 100 - 20.448 = 79.552 mm
  const struct {
    const char* family;
    const char* designation;
    double allowed, refused;  // cut depths just inside and just beyond twice that [mm]
  } kCases[] = {{"IPE", "300", 248.5, 248.7}, {"2TPN", "200", 159.0, 159.2}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.family);
    const CatalogueRecord parent = CompletedFamily(c.family).at(c.designation);
    std::string fault;
    EXPECT_TRUE(Castellate(parent, c.allowed, 0, &fault)) << fault;
    EXPECT_FALSE(Castellate(parent, c.refused, 0, &fault));
    EXPECT_NE(fault.find("root fillets"), std::string::npos) << fault;
  }
  // an angle has no web to cut
  CatalogueRecord angle{"KWR", "100x10", {}};
  for (auto [f, v] : {std::pair{F::h, 100.0}, {F::b, 100.0}, {F::tw, 10.0}, {F::tf, 10.0}})
    angle.values[f] = v;
  EXPECT_FALSE(Castellate(angle, 20, 0));
}

struct HandGirder {
  int size, flange;  // indices in the lists
  const char* designation;
  double h, b, tw, tf, A, J1, J2, mass20, mass25, mass30, perimeter;
};

// By hand, hw the web height, k the developed-length factor:
//  500-1 (200x12): h = 500 + 24 = 524; A = (2·200·12 + 500·2)/100 = 58;
//    J1 = 2·(200·12³/12 + 200·12·256²)/10⁴ = 2·(28 800 + 157 286 400)/10⁴ = 31 463.04;
//    J2 = 2·12·200³/12/10⁴ = 1600; m2.0 = 0.785·(4800 + 1.148·500·2)/100 = 46.69180;
//    m2.5 = 0.785·(4800 + 1.169·500·2.5)/100 = 49.15081; no 3.0 mm web at 500;
//    perimeter = 4·200 + 4·12 + 2·500 - 2·2 = 1844 mm
//  750-3 (250x12): h 774; A = (6000 + 1500)/100 = 75;
//    J1 = 2·(250·1728/12 + 3000·381²)/10⁴ = 2·(36 000 + 435 483 000)/10⁴ = 87 103.8;
//    J2 = 2·12·250³/12/10⁴ = 3125; m2.0 = 0.785·(6000 + 1722)/100 = 60.6177;
//    m2.5 = 0.785·(6000 + 2191.875)/100 = 64.30622; m3.0 = 0.785·(6000 + 2630.25)/100 =
//    67.74746; perimeter 1000 + 48 + 1500 - 4 = 2544 mm
//  1500-19 (450x30), thinnest web 2.5: h 1560; A = (27 000 + 3750)/100 = 307.5;
//    J1 = 2·(450·27 000/12 + 13 500·765²)/10⁴ = 2·(1 012 500 + 7 900 537 500)/10⁴ =
//    1 580 310; J2 = 2·30·450³/12/10⁴ = 45 562.5; no 2.0 mm web at 1500;
//    m2.5 = 0.785·(27 000 + 1.169·1500·2.5)/100 = 246.3624; m3.0 = 0.785·(27 000 +
//    5260.5)/100 = 253.2449; perimeter 1800 + 120 + 3000 - 5 = 4915 mm
constexpr HandGirder kHandGirders[] = {
    {0, 0, "500-1", 524, 200, 2, 12, 58, 31463.04, 1600, 46.69180, 49.15081, 0, 1.844},
    {2, 2, "750-3", 774, 250, 2, 12, 75, 87103.8, 3125, 60.6177, 64.30622, 67.74746, 2.544},
    {5, 18, "1500-19", 1560, 450, 2.5, 30, 307.5, 1580310, 45562.5, 0, 246.3624, 253.2449,
     4.915},
};

TEST(CorrugatedGirders, RecordsAgreeWithHandCalculations) {
  for (const HandGirder& hand : kHandGirders) {
    SCOPED_TRACE(hand.designation);
    const auto girder = CorrugatedGirder(hand.size, hand.flange);
    ASSERT_TRUE(girder);
    const auto& v = girder->values;
    EXPECT_EQ(girder->family, "WT");
    EXPECT_EQ(girder->designation, hand.designation);
    const std::pair<double, double> pairs[] = {
        {v[F::h], hand.h},    {v[F::b], hand.b},   {v[F::tw], hand.tw}, {v[F::tf], hand.tf},
        {v[F::A], hand.A},    {v[F::J1], hand.J1}, {v[F::J2], hand.J2},
        {v[corrugated::kMass20], hand.mass20},     {v[corrugated::kMass25], hand.mass25},
        {v[corrugated::kMass30], hand.mass30},     {v[corrugated::kPerimeter], hand.perimeter}};
    for (const auto& [value, expected] : pairs)
      EXPECT_NEAR(value, expected, 1e-6 * std::max(1.0, expected));
    // nothing the generator computes itself, and nothing at the two unused offsets
    for (size_t k : {size_t{F::r}, size_t{F::r1}, size_t{F::r2}, size_t{F::w1}, size_t{F::w2},
                     size_t{F::Jt}, size_t{F::xS}, size_t{F::yS}, size_t{F::alpha},
                     size_t{F::Jw}, size_t{F::xT}, size_t{21}, size_t{23}})
      EXPECT_EQ(v[k], 0) << k;
  }
}

// the length of a sine of that depth (crest to trough) along one wavelength, over the
// wavelength (Simpson's rule)
double SineArcFactor(double wavelength, double depth) {
  const int n = 20000;
  const double a = std::numbers::pi * depth / wavelength;  // the slope's amplitude
  auto f = [&](double x) {
    const double slope = a * std::cos(2 * std::numbers::pi * x / wavelength);
    return std::sqrt(1 + slope * slope);
  };
  const double step = wavelength / n;
  double sum = f(0) + f(wavelength);
  for (int i = 1; i < n; ++i) sum += f(i * step) * (i % 2 ? 4 : 2);
  return sum * step / 3 / wavelength;
}

TEST(CorrugatedGirders, DevelopedLengthFactorsAreThoseOfTheSineWebs) {
  // wavelength 155 mm; 40 mm deep for 2.0 mm webs, 43 mm for 2.5 and 3.0 mm
  for (auto [web, depth] : {std::pair{2.0, 40.0}, {2.5, 43.0}, {3.0, 43.0}})
    EXPECT_NEAR(DevelopedLengthFactor(web), SineArcFactor(155, depth), 0.0005) << web;
  EXPECT_EQ(DevelopedLengthFactor(4.0), 0);
}

}  // namespace
}  // namespace tarvik
