// The cold-formed catalogue named by a family code and a designation, as the command line's
// profile command names it: the tab's item, option, list texts and positions.
#include "generators/cold_formed_choice.h"

#include <gtest/gtest.h>

#include "generators/cold_formed.h"

namespace tarvik {
namespace {

TEST(ColdSelectionFor, FindsTheItemAndTheListPositions) {
  struct Case {
    const char* code;
    const char* designation;
    int item, option;
    const char* size;
    const char* thickness;
    int sizeIndex, thicknessIndex;
  };
  const Case cases[] = {
      {"CGa", "50x40x4", kColdChannelA, 0, " 50x40x4", "", 2, 0},
      {"cgb", "240x120x7", kColdChannelB, 0, " 240x120x7", "", 38, 0},
      {"KRGA", "50x2,5", kColdAngleRA, 0, "  50", "2,5", 4, 2},
      {"KNgb", "200x120x8", kColdAngleNB, 0, " 200x120", "8", 8, 7},
      {"Z4G2", "240x96x84x25x3", kColdLipZ, 1, " 240x96x84x25", "3", 1, 1},
      {"RPg", "100x50x4", kColdRectTube, 0, " 100x50", "4", 5, 4},
      // not on the lists: the texts as given, for the generator to report
      {"KRga", "55x3", kColdAngleRA, 0, "55", "3", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + c.designation);
    Selection s;
    ASSERT_TRUE(ColdSelectionFor(c.code, c.designation, s));
    EXPECT_EQ(s.kind, kGiete);
    EXPECT_EQ(s.variant, c.item);
    EXPECT_EQ(s.option, c.option);
    EXPECT_EQ(s.mode, kColdCatalogue);
    EXPECT_EQ(s.texts[0], c.size);
    EXPECT_EQ(s.texts[1], c.thickness);
    EXPECT_EQ(s.size, c.sizeIndex);
    EXPECT_EQ(s.size2, c.thicknessIndex);
  }
  Selection s;
  for (const char* code : {"CG4", "IPE", "Sigma", ""})
    EXPECT_FALSE(ColdSelectionFor(code, "100x2", s)) << code;
}

}  // namespace
}  // namespace tarvik
