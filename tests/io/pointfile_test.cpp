// The point-file reader: how a point may be written, which lines it skips and reports, and
// which files it refuses.
#include "io/pointfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace tarvik {
namespace {

using test::TempFolder;

TEST(PointList, ReadsEachWayOfWritingAPoint) {
  struct Case {
    const char* line;
    double x, y;
  };
  const Case cases[] = {
      {"1 10 20", 10, 20},
      {"1   12,5   -3.25   ", 12.5, -3.25},  // decimal comma and point, trailing blanks
      {"   7\t0,5\t1.5", 0.5, 1.5},          // leading blanks, tabs between the fields
      {"2 10 20 mm", 10, 20},                // a unit after y
      {"3 -1.5 -2,5\r", -1.5, -2.5},         // CRLF line end
      {"12 0.125 1000,75 mm \r", 0.125, 1000.75},
      {"4 1,5E+03 -2e-1", 1500, -0.2},  // exponents as other programs write them
      {"5 +3 12,5mm", 3, 12.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const PointListResult r = ParsePointList(std::string("Zewnętrzna\n") + c.line + "\n", "t");
    EXPECT_TRUE(r.ok);
    ASSERT_EQ(r.list.points.size(), 1u);
    EXPECT_DOUBLE_EQ(r.list.points[0].x, c.x);
    EXPECT_DOUBLE_EQ(r.list.points[0].y, c.y);
    EXPECT_TRUE(r.list.skippedLines.empty());
  }
}

TEST(PointList, FirstLineMakesAHoleOnlyWhenItBeginsWithWewn) {
  struct Case {
    const char* header;
    bool hole;
  };
  const Case cases[] = {
      {"Zewnętrzna", false},
      {"Wewnętrzna", true},              // UTF-8
      {"Wewn\xEAtrzna", true},           // cp1250
      {"   Wewnętrzna\r", true},         // leading blanks, CRLF
      {"\xEF\xBB\xBFWewnętrzna", true},  // UTF-8 byte order mark
      {"\xEF\xBB\xBFZewn\xEAtrzna", false},
      {"Kontur Wewnętrzna", false},
      {"1 100 200", false},  // the first line is never a point
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    const PointListResult r = ParsePointList(std::string(c.header) + "\n2 5 6\n", "t");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.list.hole, c.hole);
    ASSERT_EQ(r.list.points.size(), 1u);
    EXPECT_EQ(r.list.points[0], (Point{5, 6}));
    EXPECT_TRUE(r.list.skippedLines.empty());
  }
}

TEST(PointList, SkipsRubbishButReportsItsLines) {
  const std::string content =
      "\xEF\xBB\xBFZewnętrzna\r\n"  // 1: a byte order mark does not shift the numbering
      "1 0 0\r\n"                   // 2
      "\r\n"                        // 3: blank, skipped silently
      "to nie punkt\r\n"            // 4
      "2 10\r\n"                    // 5: no y
      "   \t\r\n"                   // 6: blank
      "3 10 20 30\r\n"              // 7: a fourth column, not y = 2030
      "4 10 x\r\n"                  // 8
      "5 10,0 10,0\r\n"             // 9
      "6 1.2.3 4\r\n"               // 10
      "7 1.5E+0.3 4\r\n"            // 11: not to be read as 1.503
      "8 10 12,5 cm^2\r\n"          // 12
      "9 0 10";                     // 13: no line end
  const PointListResult r = ParsePointList(content, "t");
  EXPECT_TRUE(r.ok);
  EXPECT_FALSE(r.list.hole);
  EXPECT_EQ(r.list.points, (std::vector<Point>{{0, 0}, {10, 10}, {0, 10}}));
  EXPECT_EQ(r.list.skippedLines, (std::vector<int>{4, 5, 7, 8, 10, 11, 12}));
}

TEST(PointList, RefusesBinaryMissingAndOversizedFiles) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());

  std::string binary = "Zewn\n1 0 0\n";
  const size_t nulAt = binary.size();
  binary += std::string("\0\x01\x02 1 1\n", 7);
  const std::string header = "Zewn\n1 1 2\n";
  const std::string atLimit = header + std::string(kMaxPointFileBytes - header.size(), ' ');
  const std::string overLimit = atLimit + ' ';

  struct Case {
    std::string name;
    const std::string* content;  // nullptr: the file is never written
    std::string error;           // empty: read
    std::string where;           // what the detail adds to the path
  };
  const Case cases[] = {
      {"nul.txt", &binary, "Niewłaściwa postać pliku", ", bajt " + std::to_string(nulAt)},
      {"missing.txt", nullptr, "Nie można otworzyć pliku", ""},
      {"at-limit.txt", &atLimit, "", ""},
      {"over-limit.txt", &overLimit, "Plik jest za duży", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = c.content ? folder.write(c.name, *c.content) : folder.file(c.name);
    const PointListResult r = ReadPointList(path);
    EXPECT_EQ(r.ok, c.error.empty());
    EXPECT_EQ(r.error, c.error);
    if (c.error.empty()) {
      EXPECT_EQ(r.list.points, (std::vector<Point>{{1, 2}}));
      EXPECT_TRUE(r.list.skippedLines.empty());
    } else {
      EXPECT_EQ(r.detail, "(" + path + c.where + ")");
      EXPECT_TRUE(r.list.points.empty());
    }
  }
}

}  // namespace
}  // namespace tarvik
