#include "generators/tube_sizes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvik {
namespace {

TEST(SeamlessTubes, EachDiameterTakesARunOfTheThicknessSeries) {
  const auto& series = TubeThicknessSeries();
  const auto& sizes = SeamlessTubeSizes();
  ASSERT_EQ(series.size(), 24u);
  ASSERT_EQ(sizes.size(), 39u);
  for (const TubeSize& t : sizes)
    EXPECT_NE(std::search(series.begin(), series.end(), t.thicknesses.begin(), t.thicknesses.end()),
              series.end())
        << t.diameter;
  struct Row {
    size_t index;
    const char *diameter, *first, *last;
    size_t count;
  };
  for (const Row& row :
       {Row{0, "20,0", "2,3", "4,0", 6}, Row{4, "30,0", "2,6", "4,5", 6},
        Row{13, "57,0", "2,9", "10,0", 12}, Row{20, "101,6", "3,6", "14,2", 13},
        Row{26, "159,0", "4,5", "17,5", 13}, Row{38, "508,0", "11,0", "30,0", 10}}) {
    const TubeSize& t = sizes[row.index];
    EXPECT_EQ(t.diameter, row.diameter);
    EXPECT_EQ(t.thicknesses.size(), row.count) << row.diameter;
    EXPECT_EQ(t.thicknesses.front(), row.first) << row.diameter;
    EXPECT_EQ(t.thicknesses.back(), row.last) << row.diameter;
  }
}

}  // namespace
}  // namespace tarvik
