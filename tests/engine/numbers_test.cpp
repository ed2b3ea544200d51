#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <utility>

namespace tarvik {
namespace {

TEST(CzytajLiczbe, ReadsTheNumberOutOfUnitsAndRubbish) {
  const std::string huge = "1" + std::string(400, '0');
  // text, value: a text that is no number gives its longest number prefix, or 0
  const std::pair<std::string, double> cases[] = {
      {"200 mm", 200}, {"12,5 cm^2", 12.5}, {"10 mm/m", 10}, {"90°", 90},
      {"-3.5", -3.5},  {",5", 0.5},         {"abc", 0},      {"-", 0},
      {"1-2", 1},      {"1.234,5", 1.234},  {"1,5,3", 1.5},  {huge, 0}};
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(CzytajLiczbe(text), expected);
  }
}

TEST(OczyscWymiar, DropsLeadingBlanksAndTheFirstSpacedUnit) {
  const std::pair<std::string, std::string> cases[] = {{"  200 mm", "200"}, {"200mm", "200mm"},
                                                       {"12,5 cm", "12,5"}, {"5 mm 6 mm", "5 6 mm"},
                                                       {"5 mm cm", "5"},    {"   ", ""}};
  for (auto [text, expected] : cases) {
    OczyscWymiar(text);
    EXPECT_EQ(text, expected);
  }
}

TEST(FormatWymiaru, KeepsThreeSignificantFiguresWithComma) {
  const std::pair<double, std::string> cases[] = {
      {12.5, "12,5"},   {0, "0.0"},       {1e-8, "0.0"},        {1e-7, "0,0000001"},
      {0.001, "0,001"}, {99.9, "99,9"},   {999, "999"},         {998.9, "998,9"},
      {-12.5, "-12,5"}, {1234.6, "1235"}, {1e10, "10000000000"}};
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(FormatWymiaru(0, 10, 3, value), expected) << "value " << value;
  }
}

TEST(FormatWymiaru, WritesHugeValuesInScientificNotation) {
  EXPECT_EQ(FormatWymiaru(0, 0, 3, 1.2e10), "1,2E+10");
  EXPECT_EQ(FormatWymiaru(0, 0, 1, 1.00000001e10), "1E+10");
  EXPECT_EQ(FormatWymiaru(0, 0, 2, -1.5e11), "-1,5E+11");
  EXPECT_EQ(FormatWymiaru(0, 0, -5, 3.44e10), "3,4E+10");
}

TEST(FormatWymiaru, PlainModeIsPaddedFixedPointButZeroStays) {
  EXPECT_EQ(FormatWymiaru(2, 8, 2, 12.5), "   12.50");
  EXPECT_EQ(FormatWymiaru(2, 2, 3, -3.14159), "-3.142");
  EXPECT_EQ(FormatWymiaru(2, 8, 2, 1e-9), "0.0");
}

TEST(FormatLiczby, PicksDecimalsByMagnitude) {
  const std::pair<double, std::string> cases[] = {
      {1234.4, "1234"},     {1000, "1000"},     {150.44, "150,4"}, {12.3456, "12,35"},
      {-12.3456, "-12,35"}, {2.12345, "2,123"}, {1, "1"},          {0.123456, "0,1235"},
      {1e-11, "0,0"},       {-0.00001, "0"}};
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(FormatLiczby(-1, "", value), expected) << "value " << value;
  }
}

TEST(FormatLiczby, RoundsLargeValuesUnlessAllDigitsAreShown) {
  const std::tuple<double, bool, std::string> cases[] = {
      {123456, false, "123500"},     {123456, true, "123456"},
      {-12345, false, "-12350"},     {10000, false, "10000"},
      {1234567.8, false, "1235000"}, {1e22, false, "10000000000000000000000"}};
  for (const auto& [value, showAll, expected] : cases) {
    EXPECT_EQ(FormatLiczby(-1, "", value, showAll), expected) << "value " << value;
  }
}

TEST(FormatLiczby, TidiesFixedDecimalsAndAppendsSuffix) {
  EXPECT_EQ(FormatLiczby(2, " cm^2", 28.5), "28,5 cm^2");
  EXPECT_EQ(FormatLiczby(3, " mm", 2.0), "2 mm");
  EXPECT_EQ(FormatLiczby(0, "°", -0.3), "0°");
}

TEST(FormatLiczby, SurvivesValuesThatAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const double value : {std::numeric_limits<double>::quiet_NaN(), inf, -inf}) {
    EXPECT_FALSE(FormatLiczby(-1, "", value).empty()) << value;
    EXPECT_FALSE(FormatWymiaru(0, 0, 2, value).empty()) << value;
  }
}

}  // namespace
}  // namespace tarvik
