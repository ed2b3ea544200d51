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

// the first line says whether the points make a hole; each later line is one point
TEST(PointList, ReadsTheHeadingAndEachWayOfWritingAPoint) {
  const struct {
    const char *header, *line;
    bool hole;
    double x, y;
  } cases[] = {
      {"Zewnętrzna", "1 10 20", false, 10, 20},
      {"Wewnętrzna", "1   12,5   -3.25   ", true, 12.5, -3.25},  // comma and point, blanks
      {"Wewn\xEAtrzna", "   7\t0,5\t1.5", true, 0.5, 1.5},       // cp1250; leading blanks, tabs
      {"   Wewnętrzna\r", "2 10 20 mm", true, 10, 20},           // a unit after y
      {"\xEF\xBB\xBFWewnętrzna", "3 -1.5 -2,5\r", true, -1.5, -2.5},  // byte order mark, CRLF
      {"\xEF\xBB\xBFZewn\xEAtrzna", "12 0.125 1000,75 mm \r", false, 0.125, 1000.75},
      {"Kontur Wewnętrzna", "4 1,5E+03 -2e-1", false, 1500, -0.2},  // exponents
      {"1 100 200", "5 +3 12,5mm", false, 3, 12.5},  // the first line is never a point
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.header) + " / " + c.line);
    const PointListResult r = ParsePointList(std::string(c.header) + "\n" + c.line + "\n", "t");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.list.hole, c.hole);
    EXPECT_EQ(r.list.points, (std::vector<Point>{{c.x, c.y}}));
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
