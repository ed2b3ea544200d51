#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
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

// a pasted text and a dimension given on the command line: one number and the unit, or refused
TEST(CalaLiczba, OneNumberWithItsUnitAndNothingElse) {
  const struct {
    const char* text;
    const char* unit;
    bool signedMode, whole;
  } cases[] = {{"250", " mm", false, true},       {" 250 mm ", " mm", false, true},
               {"7.5mm", "mm", false, true},      {"12,5", "mm", false, true},
               {",5", "mm", false, true},         {"12.", "mm", false, true},
               {"90°", "°", false, true},         {"10 mm/m", " mm/m", false, true},
               {"2 m", " m", false, true},        {"3", "", false, true},
               {"-5", "mm", true, true},          {"-5", "mm", false, false},
               {"- 5", "mm", true, false},        {"5-", "mm", true, false},
               {"1e5", "mm", false, false},       {"1-2", "mm", true, false},
               {"12x4", "mm", false, false},      {"25 cm", "mm", false, false},
               {"2 mm", " m", false, false},      {"1,2,3", "mm", false, false},
               {"1.5,3", "mm", false, false},     {"mm", "mm", false, false},
               {"", "mm", false, false},          {".", "", false, false},
               {"250 mm mm", "mm", false, false}, {"250 mm", "", false, false},
               {"mm 250", "mm", false, false},    {"+5", "mm", true, false},
               {"0x10", "", false, false},        {"5\n", "", false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.unit);
    EXPECT_EQ(CalaLiczba(c.text, c.unit, c.signedMode), c.whole);
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

TEST(FormatWymiaru, ThreeSignificantFiguresScientificWhenHugeOrPaddedFixedPoint) {
  const struct {
    int mode, width, decimals;
    double value;
    const char* expected;
  } cases[] = {{0, 10, 3, 12.5, "12,5"},
               {0, 10, 3, 0, "0.0"},
               {0, 10, 3, 1e-8, "0.0"},
               {0, 10, 3, 1e-7, "0,0000001"},
               {0, 10, 3, 0.001, "0,001"},
               {0, 10, 3, 99.9, "99,9"},
               {0, 10, 3, 999, "999"},
               {0, 10, 3, 998.9, "998,9"},
               {0, 10, 3, -12.5, "-12,5"},
               {0, 10, 3, 1234.6, "1235"},
               {0, 10, 3, 1e10, "10000000000"},
               {0, 0, 3, 1.2e10, "1,2E+10"},
               {0, 0, 1, 1.00000001e10, "1E+10"},
               {0, 0, 2, -1.5e11, "-1,5E+11"},
               {0, 0, -5, 3.44e10, "3,4E+10"},
               {2, 8, 2, 12.5, "   12.50"},
               {2, 2, 3, -3.14159, "-3.142"},
               {2, 8, 2, 1e-9, "0.0"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatWymiaru(c.mode, c.width, c.decimals, c.value), c.expected) << c.value;
}

TEST(FormatLiczby, DecimalsByMagnitudeLargeValuesRoundedUnlessAllDigitsAreShown) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    int decimals;
    const char* suffix;
    double value;
    bool showAll;
    const char* expected;
  } cases[] = {{-1, "", 1234.4, false, "1234"},
               {-1, "", 1000, false, "1000"},
               {-1, "", 150.44, false, "150,4"},
               {-1, "", 12.3456, false, "12,35"},
               {-1, "", -12.3456, false, "-12,35"},
               {-1, "", 2.12345, false, "2,123"},
               {-1, "", 1, false, "1"},
               {-1, "", 0.123456, false, "0,1235"},
               {-1, "", 1e-11, false, "0,0"},
               {-1, "", -0.00001, false, "0"},
               {-1, "", 123456, false, "123500"},
               {-1, "", 123456, true, "123456"},
               {-1, "", -12345, false, "-12350"},
               {-1, "", 10000, false, "10000"},
               {-1, "", 1234567.8, false, "1235000"},
               {-1, "", 1e22, false, "10000000000000000000000"},
               {-1, "", inf, false, "inf"},
               {-1, "", -inf, false, "-inf"},
               {2, " cm^2", 28.5, false, "28,5 cm^2"},
               {3, " mm", 2.0, false, "2 mm"},
               {0, "°", -0.3, false, "0°"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatLiczby(c.decimals, c.suffix, c.value, c.showAll), c.expected) << c.value;
  EXPECT_EQ(FormatWymiaru(0, 0, 2, -inf), "-inf");
}

}  // namespace
}  // namespace tarvik
