#include "generators/sets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "generators/cold_formed.h"
#include "generators/rolled.h"
#include "generators/welded.h"
#include "support/generate.h"

namespace tarvik {
namespace {

using test::Built;
using test::Generate;

ProfileDatabase& Db() {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  return db;
}

// a set: family, layout, the member's choice and the spacings as typed
Selection Set(int sub, int layout, const std::string& t1, const std::string& t2 = "",
              const std::string& s = "200 mm", const std::string& v = "200 mm", int variant = 0,
              int option2 = 0, int option = 0) {
  Selection sel;
  sel.kind = kZestawy;
  sel.sub = sub;
  sel.mode = layout;
  sel.variant = variant;
  sel.option = option;
  sel.option2 = option2;
  sel.setText(0, t1);
  sel.setText(1, t2);
  sel.setText(2, s);
  sel.setText(3, v);
  return sel;
}

// the member as its own tab builds it
Built Member(const Selection& set) {
  Selection one;
  one.setText(0, set.texts[0]);
  one.setText(1, set.texts[1]);
  const bool second = set.option2 == 1;
  switch (set.sub) {
    case kSetI:
      one.kind = second ? kSpawane : kWalcowane;
      one.sub = second ? set.variant : 0;
      one.setText(2, set.texts[4]);
      one.variant = set.variant;
      one.option = set.option;
      break;
    case kSetChannels:
      one.kind = second ? kGiete : kWalcowane;
      one.sub = second ? 0 : 1;
      one.variant = second ? kColdChannelA : set.variant;
      one.option = second ? 0 : set.option;
      if (second && set.option == 1) {  // "200x70x20x2,5", typed on the " Gięte " tab
        one.variant = kColdLipChannel;
        one.mode = kColdOwnDimensions;
        for (int i = 0; i < 4; ++i) one.setText(i, std::vector<std::string>{"200 mm", "70 mm", "20 mm", "2,5 mm"}[i]);
        one.setText(4, "1,5 x g");
      }
      break;
    case kSetEqualAngles:
    case kSetUnequalAngles:
      one.kind = second ? kGiete : kWalcowane;
      one.sub = second ? 0 : set.sub == kSetEqualAngles ? 2 : 3;
      one.variant = !second ? 0 : set.sub == kSetEqualAngles ? kColdAngleRA : kColdAngleNA;
      break;
    case kSetRoundTubes:
      one.kind = kWalcowane, one.sub = 8;
      break;
    default:
      one.kind = kGiete;
      one.variant = set.sub == kSetSquareTubes ? kColdSquareTube : kColdRectTube;
      break;
  }
  return Generate(one, &Db());
}

// where a copy should be: the member mirrored in y (x := -x) if turned over, turned
// counter-clockwise by `turn` degrees about its own origin, then moved by (dx, dy)
struct Placed {
  double turn;
  bool over;
  double dx, dy;
};

Point Apply(const Placed& p, Point q) {
  if (p.over) q.x = -q.x;
  const double a = p.turn * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  return {q.x * c - q.y * s + p.dx, q.x * s + q.y * c + p.dy};
}

// Jx, Jy, Jxy of a figure about its own centroid, from its principal values and angle
struct Central {
  double jx, jy, jxy;
};
Central CentralOf(const PropertiesRecord& r) {
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  return {c * c * r[slot::J1] + s * s * r[slot::J2], s * s * r[slot::J1] + c * c * r[slot::J2],
          -s * c * (r[slot::J1] - r[slot::J2])};
}

// Every layout of every member type: each copy's outline is the member's own, placed where
// the layout puts it, its centroid with it; the set's A and principal moments are the
// member's own values moved by the parallel-axis theorem.
struct Case {
  const char* what;
  Selection set;
  std::vector<Placed> copies;
};

std::vector<Case> Cases() {
  // I 200: IPE; C 100: the channel; L 100x10, L 100x65x7; tubes
  const double s = 300, v = 250;
  const std::string S = "300 mm", V = "250 mm";
  std::vector<Case> c;
  // I-sections: side by side, apart, a cross; rolled and welded
  c.push_back({"IPE layout 1", Set(kSetI, 1, "200", "", S, V, kSeriesIPE), {{0, 0, -s / 2, 0}, {0, 0, s / 2, 0}}});
  c.push_back({"I layout 2", Set(kSetI, 2, "200", "", S, V), {{0, 0, -s / 2, 0}, {0, 0, s / 2, 0}}});
  c.push_back({"HEB layout 3", Set(kSetI, 3, "300", "", S, V, kSeriesHEB), {{90, 0, 0, 0}, {0, 0, 0, 0}}});
  Selection wt = Set(kSetI, 2, "  750", "3", "500 mm", V, kWeldedWT, 1);
  wt.setText(4, " 3.0");
  c.push_back({"WT layout 2", wt, {{0, 0, -250, 0}, {0, 0, 250, 0}}});
  // channels: a box (backs b from the axis), flanges facing, back to back
  for (int option2 : {0, 1}) {
    const std::string size = option2 ? "100x50x4" : "100";
    const double b = option2 ? 50 : 50;
    c.push_back({"C layout 1", Set(kSetChannels, 1, size, "", S, V, 0, option2),
                 {{0, 0, -b, 0}, {180, 0, b, 0}}});
    c.push_back({"C layout 2", Set(kSetChannels, 2, size, "", S, V, 0, option2),
                 {{0, 0, -s / 2, 0}, {180, 0, s / 2, 0}}});
    c.push_back({"C layout 3", Set(kSetChannels, 3, size, "", S, V, 0, option2),
                 {{0, 0, s / 2, 0}, {180, 0, -s / 2, 0}}});
  }
  c.push_back({"UAP layout 2", Set(kSetChannels, 2, "100", "", S, V, kChannelUAP),
               {{0, 0, -s / 2, 0}, {180, 0, s / 2, 0}}});
  c.push_back({"lipped C layout 3", Set(kSetChannels, 3, "200x70x20x2,5", "", S, V, 0, 1, 1),
               {{0, 0, s / 2, 0}, {180, 0, -s / 2, 0}}});
  // equal angles, rolled (L100x10: the box closes 2t/3 apart) and cold-formed (50x3: g)
  for (int option2 : {0, 1}) {
    const std::string t1 = option2 ? "  50" : "100", t2 = option2 ? "3" : "10";
    const double d = option2 ? 50 + 3 : 100 + 20.0 / 3;
    const std::vector<std::vector<Placed>> layouts = {
        {{0, 0, 0, 0}, {180, 0, d, d}},
        {{180, 0, s / 2, 0}, {-90, 0, -s / 2, 0}},
        {{180, 0, -s / 2, 0}, {-90, 0, s / 2, 0}},
        {{-90, 0, s / 2, -v / 2}, {90, 0, -s / 2, v / 2}},
        {{0, 0, -s / 2, v / 2}, {180, 0, s / 2, -v / 2}},
        {{0, 0, -s / 2, -v / 2}, {90, 0, s / 2, -v / 2}, {180, 0, s / 2, v / 2}, {-90, 0, -s / 2, v / 2}},
        {{0, 0, s / 2, v / 2}, {90, 0, -s / 2, v / 2}, {180, 0, -s / 2, -v / 2}, {-90, 0, s / 2, -v / 2}},
    };
    for (int k = 0; k < 7; ++k)
      c.push_back({"equal angles", Set(kSetEqualAngles, k + 1, t1, t2, S, V, 0, option2), layouts[k]});
  }
  // unequal angles: the pairs symmetric about y turn one bar over
  for (int option2 : {0, 1}) {
    const std::string t1 = option2 ? " 60x40" : "100x65", t2 = option2 ? "3" : "7";
    const double h = option2 ? 60 : 100, b = option2 ? 40 : 65, d = option2 ? 3 : 14.0 / 3;
    const std::vector<std::vector<Placed>> layouts = {
        {{0, 0, 0, 0}, {180, 0, b + d, h + d}},
        {{180, 0, s / 2, 0}, {180, 1, -s / 2, 0}},
        {{180, 0, -s / 2, 0}, {180, 1, s / 2, 0}},
        {{-90, 0, s / 2, -v / 2}, {90, 0, -s / 2, v / 2}},
        {{0, 0, -s / 2, v / 2}, {180, 0, s / 2, -v / 2}},
        {{0, 0, -s / 2, -v / 2}, {0, 1, s / 2, -v / 2}, {180, 0, s / 2, v / 2}, {180, 1, -s / 2, v / 2}},
        {{0, 0, s / 2, v / 2}, {0, 1, -s / 2, v / 2}, {180, 0, -s / 2, -v / 2}, {180, 1, s / 2, -v / 2}},
        {{90, 1, s / 2, 0}, {-90, 0, -s / 2, 0}},
        {{90, 1, -s / 2, 0}, {-90, 0, s / 2, 0}},
        {{-90, 1, -s / 2, -v / 2}, {90, 0, s / 2, -v / 2}, {90, 1, s / 2, v / 2}, {-90, 0, -s / 2, v / 2}},
        {{-90, 1, s / 2, v / 2}, {90, 0, -s / 2, v / 2}, {90, 1, -s / 2, -v / 2}, {-90, 0, s / 2, -v / 2}},
    };
    for (int k = 0; k < 11; ++k)
      c.push_back({"unequal angles", Set(kSetUnequalAngles, k + 1, t1, t2, S, V, 0, option2), layouts[k]});
  }
  // tubes: side by side, triangles, rectangles; the rectangular ones also turned
  c.push_back({"round 1", Set(kSetRoundTubes, 1, "219,1", "8,0", S, V), {{0, 0, s / 2, 0}, {0, 0, -s / 2, 0}}});
  c.push_back({"round 2", Set(kSetRoundTubes, 2, "219,1", "8,0", S, V),
               {{0, 0, s / 2, 0}, {0, 0, -s / 2, 0}, {0, 0, 0, 0.866 * s}}});
  c.push_back({"round 3", Set(kSetRoundTubes, 3, "219,1", "8,0", S, V),
               {{0, 0, s / 2, 0}, {0, 0, -s / 2, 0}, {0, 0, 0, v}}});
  const std::vector<Placed> four = {{0, 0, s / 2, -v / 2}, {0, 0, -s / 2, -v / 2}, {0, 0, s / 2, v / 2}, {0, 0, -s / 2, v / 2}};
  c.push_back({"round 4", Set(kSetRoundTubes, 4, "219,1", "8,0", S, V), four});
  c.push_back({"square 1", Set(kSetSquareTubes, 1, "  60", "4", S, V), {{0, 0, s / 2, 0}, {0, 0, -s / 2, 0}}});
  c.push_back({"square 2", Set(kSetSquareTubes, 2, "  60", "4", S, V), four});
  c.push_back({"rect 1", Set(kSetRectTubes, 1, " 100x50", "4", S, V), {{0, 0, s / 2, 0}, {0, 0, -s / 2, 0}}});
  c.push_back({"rect 2", Set(kSetRectTubes, 2, " 100x50", "4", S, V), {{90, 0, s / 2, 0}, {90, 0, -s / 2, 0}}});
  c.push_back({"rect 3", Set(kSetRectTubes, 3, " 100x50", "4", S, V), four});
  return c;
}

TEST(Sets, EveryLayoutPlacesItsCopiesAndSumsThemByTheParallelAxisTheorem) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(std::string(c.what) + " layout " + std::to_string(c.set.mode) + " make " +
                 std::to_string(c.set.option2));
    const Built member = Member(c.set);
    ASSERT_TRUE(member.messages.empty()) << member.messages[0].text;
    const Built set = Generate(c.set, &Db());
    ASSERT_TRUE(set.messages.empty()) << set.messages[0].text << " " << set.messages[0].detail;
    ASSERT_EQ(set.model.figureCount, static_cast<int>(c.copies.size()));
    const FigureRecord& own = member.model.working();
    const PropertiesRecord& m = member.r();
    double A = 0, Sx = 0, Sy = 0, Jx = 0, Jy = 0, Jxy = 0;
    for (size_t k = 0; k < c.copies.size(); ++k) {
      const Placed& p = c.copies[k];
      const FigureRecord& fig = set.model.figures[k + 1];
      ASSERT_EQ(fig.nOuter, own.nOuter);
      ASSERT_EQ(fig.nInner, own.nInner);
      for (int i = 0; i < own.outerCount(); ++i) {
        const Point e = Apply(p, own.outer[i]);
        ASSERT_NEAR(fig.outer[i].x, e.x, 1e-9) << "copy " << k + 1 << " point " << i + 1;
        ASSERT_NEAR(fig.outer[i].y, e.y, 1e-9) << "copy " << k + 1 << " point " << i + 1;
      }
      for (int i = 0; i < own.innerCount(); ++i) {
        const Point e = Apply(p, own.inner[i]);
        ASSERT_NEAR(fig.inner[i].x, e.x, 1e-9);
        ASSERT_NEAR(fig.inner[i].y, e.y, 1e-9);
      }
      const Point centroid = Apply(p, {m[slot::xS], m[slot::yS]});
      EXPECT_NEAR(fig.props[slot::xS], centroid.x, 1e-9) << "copy " << k + 1;
      EXPECT_NEAR(fig.props[slot::yS], centroid.y, 1e-9) << "copy " << k + 1;
      // the copy's own moments turned (and turned over) with it
      const Central o = CentralOf(m);
      const double a = p.turn * std::numbers::pi / 180, cs = std::cos(a), sn = std::sin(a);
      const double jxy0 = p.over ? -o.jxy : o.jxy;
      const double jx = cs * cs * o.jx + sn * sn * o.jy - 2 * sn * cs * jxy0;
      const double jy = sn * sn * o.jx + cs * cs * o.jy + 2 * sn * cs * jxy0;
      const double jxy = sn * cs * (o.jx - o.jy) + (cs * cs - sn * sn) * jxy0;
      const double area = m[slot::A];
      A += area;
      Sx += area * centroid.x;
      Sy += area * centroid.y;
      Jx += jx + area * centroid.y * centroid.y / 100;
      Jy += jy + area * centroid.x * centroid.x / 100;
      Jxy += jxy + area * centroid.x * centroid.y / 100;
    }
    const double xc = Sx / A, yc = Sy / A;
    const double jxc = Jx - A * yc * yc / 100, jyc = Jy - A * xc * xc / 100,
                 jxyc = Jxy - A * xc * yc / 100;
    const double mid = (jxc + jyc) / 2, R = std::sqrt((jxc - jyc) * (jxc - jyc) / 4 + jxyc * jxyc);
    const PropertiesRecord& r = set.r();
    const double cross = c.set.sub == kSetI && c.set.mode == 3 ? m[slot::d3] * m[slot::d3] / 100 : 0;
    EXPECT_NEAR(r[slot::A], A - cross, 1e-9 * A);
    EXPECT_NEAR(r[slot::xS], xc, 1e-6);
    EXPECT_NEAR(r[slot::yS], yc, 1e-6);
    EXPECT_NEAR(std::max(r[slot::J1], r[slot::J2]), mid + R, 1e-9 * (mid + R));
    EXPECT_NEAR(std::min(r[slot::J1], r[slot::J2]), mid - R, 1e-7 * (mid + R));
    EXPECT_GT(r[slot::Wcx], 0);
    EXPECT_GT(r[slot::Wplx], 0);
    EXPECT_GT(r[slot::Jt], 0);
  }
}

// Two equal I-sections crossed: the same moment about both axes, the web overlap taken once
TEST(Sets, CrossOfTwoISectionsIsEqualAboutBothAxes) {
  for (int series : {kSeriesNormalny, kSeriesIPE, kSeriesHEB}) {
    const Selection set = Set(kSetI, 3, "300", "", "200 mm", "200 mm", series);
    const Built member = Member(set);
    const Built cross = Generate(set, &Db());
    ASSERT_TRUE(cross.messages.empty());
    const double tw = member.r()[slot::d3];
    EXPECT_NEAR(cross.r()[slot::J1], cross.r()[slot::J2], 1e-9 * cross.r()[slot::J1]);
    EXPECT_NEAR(cross.r()[slot::J1], member.r()[slot::J1] + member.r()[slot::J2], 1e-9 * cross.r()[slot::J1]);
    EXPECT_NEAR(cross.r()[slot::A], 2 * member.r()[slot::A] - tw * tw / 100, 1e-12);
    EXPECT_EQ(cross.r()[slot::xS], 0);
    EXPECT_EQ(cross.r()[slot::al], 0);
  }
}

// A spacing below its layout's minimum is raised to it, used, named and handed back; one at
// or above it is used as typed; a layout without a spacing hands back none
TEST(Sets, SpacingsBelowTheirMinimumAreRaisedAndHandedBack) {
  struct Row {
    Selection set;
    double s, v;       // used, -1 none
    const char* name;  // the set's name
  };
  const std::vector<Row> rows = {
      {Set(kSetI, 2, "200", "", "50 mm", "", kSeriesIPE), 100, -1, "2xIPE200/100"},
      {Set(kSetI, 1, "200", "", "10 mm", "", kSeriesIPE), 100, -1, "Sk IPE200"},
      {Set(kSetI, 3, "200", "", "10 mm", "", kSeriesIPE), -1, -1, "Kr IPE200"},
      {Set(kSetChannels, 2, "100", "", "60 mm"), 100, -1, "2xC100/100"},
      {Set(kSetChannels, 2, "100", "", "200 mm"), 200, -1, "2xC100/200"},
      {Set(kSetChannels, 3, "100", "", "-5 mm"), 0, -1, "2xC100/0"},
      {Set(kSetChannels, 3, "100", "", "12,5 mm"), 12.5, -1, "2xC100/12,5"},
      {Set(kSetChannels, 1, "100", "", "1 mm"), -1, -1, "Sk C100"},
      {Set(kSetEqualAngles, 2, "100", "10", "150 mm"), 200, -1, "2xL100x10/200"},
      {Set(kSetEqualAngles, 5, "100", "10", "10 mm", "-3 mm"), 100, 0, "2xL100x10/100/0"},
      {Set(kSetEqualAngles, 6, "100", "10", "250 mm", "10 mm"), 250, 200, "4xL100x10/250/200"},
      {Set(kSetEqualAngles, 7, "100", "10", "10 mm", "20 mm"), 10, 20, "4xL100x10/10/20"},
      {Set(kSetUnequalAngles, 6, "100x65", "7", "0 mm", "0 mm"), 130, 200, "4xL100x65x7/130/200"},
      {Set(kSetUnequalAngles, 8, "100x65", "7", "0 mm"), 200, -1, "2xL100x65x7/200"},
      {Set(kSetUnequalAngles, 10, "100x65", "7", "0 mm", "0 mm"), 200, 130, "4xL100x65x7/200/130"},
      {Set(kSetRoundTubes, 3, "219,1", "8,0", "100 mm", "300 mm"), 219.1, 300, "3xR 219,1/8,0/219,1/"},  // cut to 20 characters
      {Set(kSetRoundTubes, 2, "219,1", "8,0", "250 mm", "7 mm"), 250, -1, "3xR 219,1/8,0/250/7"},
      {Set(kSetRectTubes, 2, " 100x50", "4", "80 mm"), 100, -1, "2xRg100x50x4/100"},
      {Set(kSetRectTubes, 3, " 100x50", "4", "80 mm", "80 mm"), 80, 100, "4xRg100x50x4/80/100"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Built b = Generate(row.set, &Db());
    ASSERT_TRUE(b.messages.empty()) << b.messages[0].text << b.messages[0].detail;
    EXPECT_DOUBLE_EQ(b.model.setSpacings[0], row.s);
    EXPECT_DOUBLE_EQ(b.model.setSpacings[1], row.v);
    EXPECT_EQ(b.r().name(), row.name);
  }
}

// Closed layouts take Bredt's torsion constant of their cell, 4·A²/∮ds/t, over the walls'
// mid-lines (the dimensions here are the catalogue's); open ones the members' sum
TEST(Sets, ClosedLayoutsTakeBredtsTorsionConstant) {
  auto bredt = [](double w, double h, double tw, double th) {
    return 4 * (w * h) * (w * h) / (2 * w / th + 2 * h / tw) / 1e4;
  };
  // 2 x C100 (h 100, b 50, tw 6, tf 8,5) in a box: the webs 100 - 6 apart
  const Built box = Generate(Set(kSetChannels, 1, "100"), &Db());
  EXPECT_NEAR(box.r()[slot::Jt], bredt(94, 91.5, 6, 8.5), 1e-9);
  EXPECT_NEAR(box.r()[slot::Wt], 2 * 94 * 91.5 * 6 / 1000, 1e-9);
  // 2 x IPE200 (h 200, b 100, tw 5,6, tf 8,5) with the tips touching: the webs b apart
  const Built is = Generate(Set(kSetI, 1, "200", "", "0 mm", "", kSeriesIPE), &Db());
  EXPECT_NEAR(is.r()[slot::Jt], bredt(100, 191.5, 5.6, 8.5), 1e-9);
  // four L100x10 closing a square at s = v = 2b: the cell 190 x 190 within 10 mm walls
  const Built four = Generate(Set(kSetEqualAngles, 6, "100", "10", "0 mm", "0 mm"), &Db());
  EXPECT_NEAR(four.r()[slot::Jt], bredt(190, 190, 10, 10), 1e-9);
  EXPECT_NEAR(four.r()[slot::Wt], 2 * 190 * 190 * 10 / 1000.0, 1e-9);
  // spaced further, the four are open: four times the member's
  const Built open = Generate(Set(kSetEqualAngles, 6, "100", "10", "201 mm", "200 mm"), &Db());
  const Built angle = Member(Set(kSetEqualAngles, 6, "100", "10"));
  EXPECT_NEAR(open.r()[slot::Jt], 4 * angle.r()[slot::Jt], 1e-12);
  // two channels apart: twice the tabulated constant
  const Built apart = Generate(Set(kSetChannels, 2, "100"), &Db());
  const Built channel = Member(Set(kSetChannels, 2, "100"));
  EXPECT_NEAR(apart.r()[slot::Jt], 2 * channel.r()[slot::Jt], 1e-12);
}

// A member the database lacks gives its message and the set on screen stays; a spacing that
// is no number is refused with its text
TEST(Sets, AFailingMemberKeepsThePreviousSet) {
  SectionModel model;
  RecordingSink sink;
  SketchMapping mapping;
  Dispatcher d;
  GeneratorSettings settings;
  settings.database = &Db();
  Selection good = Set(kSetChannels, 2, "100");
  ASSERT_TRUE(d.BudujPrzekroj(model, good, settings, sink, mapping, 400, 400));
  const PropertiesRecord before = model.section;
  const std::vector<FigureRecord> figures = model.figures;
  Selection missing = Set(kSetChannels, 2, "105");
  EXPECT_FALSE(d.BudujPrzekroj(model, missing, settings, sink, mapping, 400, 400));
  ASSERT_EQ(sink.messages().size(), 1u);
  EXPECT_EQ(sink.messages()[0].text, "Nie ma opisu takiego przekroju");
  EXPECT_EQ(model.section, before);
  EXPECT_EQ(model.figures, figures);
  Selection unreadable = Set(kSetChannels, 2, "100", "", "2OO mm");
  EXPECT_FALSE(d.BudujPrzekroj(model, unreadable, settings, sink, mapping, 400, 400));
  ASSERT_EQ(sink.messages().size(), 2u);
  EXPECT_EQ(sink.messages()[1].text, "Nieczytelny wymiar");
  EXPECT_EQ(model.section, before);
}

// the added dimension lines measure what they say on the drawn copies
TEST(Sets, SpacingDimensionsJoinPointsThatFarApart) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(std::string(c.what) + " layout " + std::to_string(c.set.mode));
    const Built set = Generate(c.set, &Db());
    std::vector<Point> points(1);
    for (int f = 1; f <= set.model.figureCount; ++f) {
      const FigureRecord& fig = set.model.figures[f];
      points.insert(points.end(), fig.outer.begin(), fig.outer.begin() + fig.outerCount());
      points.insert(points.end(), fig.inner.begin(), fig.inner.begin() + fig.innerCount());
    }
    for (const DimensionLine& d : set.model.dimensions) {
      ASSERT_GT(d.from, 0);
      ASSERT_LT(d.to, static_cast<int>(points.size()));
      // the spacings (and a pair's total width) measure between two copies exactly
      if (d.value != set.model.setSpacings[0] && d.value != set.model.setSpacings[1]) continue;
      auto at = [&](int p, int p2) {
        return p2 > 0 ? Point{(points[p].x + points[p2].x) / 2, (points[p].y + points[p2].y) / 2} : points[p];
      };
      const Point a = at(d.from, d.from2), b = at(d.to, d.to2);
      EXPECT_NEAR(std::fabs(d.direction == 1 ? b.x - a.x : b.y - a.y), d.value, 1e-9);
    }
  }
}

}  // namespace
}  // namespace tarvik
