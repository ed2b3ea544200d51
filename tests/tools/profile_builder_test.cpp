#include "tools/profile_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

const std::string kHeader =
    "family,designation,h,b,tw,tf,r,r1,r2,w1,w2,A,J1,J2,Jt,xS,yS,alpha,Jw,xT,u1,u2,u3,u4,u5,u6,"
    "source\n";

// a row with the given cells after the designation (the rest empty)
std::string Row(const std::string& family, const std::string& designation,
                const std::string& values) {
  std::string line = family + "," + designation + "," + values;
  const int commas = static_cast<int>(std::count(values.begin(), values.end(), ','));
  for (int i = commas; i < 24; ++i) line += ",";
  return line + "test\n";
}

TEST(ProfileTables, ReadQuotedDesignationsEmptyCellsAndComments) {
  const auto rows = ParseSourceTable("# a note\n" + kHeader +
                                     Row("HD", "\"260x54,1\"", "250,260,7.5,12.5,24") +
                                     "\r\n" + Row("KWR", "20x3", "20,20,3,3,3.5,2,,,,1.13"));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].designation, "260x54,1");
  EXPECT_EQ(rows[0].values[F::r], 24.0);
  EXPECT_FALSE(rows[0].values[F::A]);
  EXPECT_EQ(rows[1].values[F::A], 1.13);
  EXPECT_EQ(rows[1].source, "test");
  EXPECT_EQ(rows[1].line, 5);
}

TEST(ProfileTables, RefuseMalformedLinesNamingThem) {
  for (const std::string& bad :
       {std::string("family,designation,h\n"),                                   // header
        kHeader + "IPE,200,200\n",                                               // too few fields
        kHeader + Row("IPE", "200", "200,100,5.6,8.5,1 2"),                      // not a number
        kHeader + Row("IPE", "200", "200,100,5.6,8.5,nan"),                      // not finite
        kHeader + Row("IPE", "\"200", "200"),                                    // open quote
        kHeader + Row("", "200", "200")}) {                                      // no family
    EXPECT_THROW(ParseSourceTable(bad), std::runtime_error) << bad;
  }
  EXPECT_THROW(ParseExceptions("IPE,200,A,\n"), std::runtime_error);  // a reason is required
}

SourceRow Parsed(const std::string& row) { return ParseSourceTable(kHeader + row).at(0); }

TEST(ProfileBuilder, CompletesWhatTheTableLacksFromTheTrueOutline) {
  BuildReport report;
  // an equal angle given by its dimensions only: area, principal moments, centroid, 45°
  const auto angle = CompleteRow(Parsed(Row("KWR", "100x10", "100,100,10,10,12,6")), {}, report);
  ASSERT_TRUE(angle);
  EXPECT_NEAR(angle->values[F::A], 19.15, 0.01);  // 19.2 in the tables
  EXPECT_NEAR(angle->values[F::J1], 280.7, 0.5);
  EXPECT_NEAR(angle->values[F::J2], 72.65, 0.5);
  EXPECT_EQ(angle->values[F::xS], angle->values[F::yS]);
  EXPECT_NEAR(angle->values[F::xS], 28.2, 0.05);
  EXPECT_FLOAT_EQ(angle->values[F::alpha], 45);

  // an I keeps what the table gives and gets its sectorial coordinate; the centroid is 0
  const auto ipe =
      CompleteRow(Parsed(Row("IPE", "200", "200,100,5.6,8.5,12,,,,,28.5,1943,142.4,6.98")), {},
                  report);
  ASSERT_TRUE(ipe);
  EXPECT_FLOAT_EQ(ipe->values[F::A], 28.5f);
  EXPECT_FLOAT_EQ(ipe->values[F::Jt], 6.98f);
  EXPECT_FLOAT_EQ(ipe->values[F::w1], (200 - 8.5) * 100 / 400);
  EXPECT_EQ(ipe->values[F::xS], 0);
  EXPECT_EQ(ipe->values[F::Jw], 0);  // not tabulated, not computed: the generator's business
  EXPECT_TRUE(report.failures.empty());

  // a family without a known outline is copied as the table has it
  const auto other = CompleteRow(Parsed(Row("CGa", "100x50x3", "100,50,3")), {}, report);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->values[F::A], 0);
}

TEST(ProfileBuilder, ChecksTabulatedValuesAgainstTheOutline) {
  // IPE 200 with a wrong area (a typo: 25.8 for 28.5) and a wrong Iz
  const SourceRow typo = Parsed(Row("IPE", "200", "200,100,5.6,8.5,12,,,,,25.8,1943,152"));
  BuildReport report;
  CompleteRow(typo, {}, report);
  ASSERT_EQ(report.failures.size(), 2u);
  EXPECT_NE(report.failures[0].find("IPE 200: A tabulated 25.8"), std::string::npos);
  EXPECT_NE(report.failures[1].find("J2"), std::string::npos);

  // a listed reason excuses exactly that value of that row
  const std::vector<Exception> excused = {{"IPE", "200", "A", "catalogue misprint"}};
  BuildReport second;
  CompleteRow(typo, excused, second);
  ASSERT_EQ(second.failures.size(), 1u);
  EXPECT_NE(second.failures[0].find("J2"), std::string::npos);
  ASSERT_EQ(second.notes.size(), 1u);
  EXPECT_NE(second.notes[0].find("catalogue misprint"), std::string::npos);

  // within 2 %: no complaint (the tables round and some use other fillet conventions)
  BuildReport near;
  CompleteRow(Parsed(Row("IPE", "200", "200,100,5.6,8.5,12,,,,,28.9,1943,142")), {}, near);
  EXPECT_TRUE(near.failures.empty());
}

TEST(ProfileBuilder, LeavesOutRowsItCannotDraw) {
  BuildReport report;
  // no root radius: a rolled outline without its fillets is another section
  EXPECT_FALSE(CompleteRow(Parsed(Row("ZDIN", "100", "100,55,6.5,8")), {}, report));
  EXPECT_EQ(report.notes.size(), 1u);
  EXPECT_TRUE(report.failures.empty());
  // impossible dimensions are an error in the table
  CompleteRow(Parsed(Row("IPE", "200", "200,0,5.6,8.5,12")), {}, report);
  EXPECT_EQ(report.failures.size(), 1u);
}

}  // namespace
}  // namespace tarvik
