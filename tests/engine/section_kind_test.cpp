#include "engine/section_kind.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvik {
namespace {

// every kind against the rules the window follows today: which figures make the section,
// from which figure count "Koniec" asks "Zapisać przekroj?" and which contours count by role
TEST(SectionKind, EveryKindFollowsTheWindowsRules) {
  struct Row {
    int kind;
    bool multi, single;
    bool asksWith0, asksWith1, asksWith2;
    bool outerByRole, holeByRole;
  };
  const Row rows[] = {
      {kWalcowane, false, true, false, false, false, false, false},
      {kSpawane, false, true, false, false, false, false, false},
      {kGiete, false, true, false, false, false, false, false},
      {kZestawy, true, false, false, true, true, false, false},
      {kProste, false, true, true, true, true, false, true},
      {kZlozone, true, false, false, true, true, false, false},
      {kDowolne, true, false, false, true, true, true, true},
      {kUzebrowanie, true, false, false, true, true, false, false},
      {kDrewniane, true, false, false, false, true, false, false},  // one member: no built-up
      {kZelbetowe, false, true, true, true, true, false, false},
      {-1, false, false, true, true, true, false, false},  // unknown: neither, and asked about
      {10, false, false, true, true, true, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    EXPECT_EQ(MultiFigureKind(r.kind), r.multi);
    EXPECT_EQ(SingleFigureKind(r.kind), r.single);
    EXPECT_EQ(AsksToSave(r.kind, 0), r.asksWith0);
    EXPECT_EQ(AsksToSave(r.kind, 1), r.asksWith1);
    EXPECT_EQ(AsksToSave(r.kind, 2), r.asksWith2);
    EXPECT_EQ(AsksToSave(r.kind, 2147483647), r.asksWith2);  // "never" stays never
    EXPECT_EQ(OuterByRole(r.kind), r.outerByRole);
    EXPECT_EQ(HoleByRole(r.kind), r.holeByRole);
  }
}

// only the lipped channel "Podwójny" keeps a second figure; the Sigma section (variant 10)
// has no such option, and a point list is a "Dowolne" section with an imported outline
TEST(SectionKind, TwoPartChannelAndPointList) {
  struct Row {
    int kind, variant, option;
    bool twoPart;
  };
  const Row rows[] = {
      {kGiete, 2, 1, true},  {kGiete, 2, 0, false},   {kGiete, 10, 1, false}, {kGiete, 8, 1, false},
      {kGiete, 0, 1, false}, {kZestawy, 2, 1, false}, {kProste, 2, 1, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.kind << "/" << r.variant << "/" << r.option);
    SectionModel model;
    model.kind = r.kind;
    model.working().selection = {r.kind, 0, r.variant, r.option, 0, 0, 0, 0};
    EXPECT_EQ(TwoPartChannel(model), r.twoPart);
  }

  SectionModel outline;
  outline.kind = kDowolne;
  EXPECT_FALSE(PointListForm(outline));  // figures, no points
  outline.imported.push_back({0, 0, 1, 0, 0, true});
  EXPECT_TRUE(PointListForm(outline));
  outline.kind = kZlozone;
  EXPECT_FALSE(PointListForm(outline));
}

// what the sketches draw differently by kind: the editors' current figure, the built-up
// sections' wider axis margin, the results sketch's overall dimensions; and the cold-formed
// outline of 28 or 36 points that closes through its last point
TEST(SectionKind, DrawingRules) {
  for (int kind = -1; kind <= 10; ++kind) {
    SCOPED_TRACE(kind);
    const bool editor = kind == kZlozone || kind == kDowolne;
    EXPECT_EQ(EditorKind(kind), editor);
    EXPECT_EQ(BuiltUpKind(kind), editor || kind == kUzebrowanie);
    EXPECT_EQ(OverallDimensionsKind(kind), editor || kind == kUzebrowanie || kind == kDrewniane);
  }
  for (const auto& [kind, points, closes] :
       {std::tuple{kGiete, 28, true}, {kGiete, 36, true}, {kGiete, 29, false}, {kProste, 28, false},
        {kWalcowane, 36, false}}) {
    FigureRecord f;
    f.selection[0] = kind;
    f.nOuter = points;
    EXPECT_EQ(ClosesThroughLastPoint(f), closes) << kind << "/" << points;
  }
}

}  // namespace
}  // namespace tarvik
