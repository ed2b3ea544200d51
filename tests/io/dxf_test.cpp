// The DXF reader: the entities of old and new CAD programs, line endings, the chord rule, and
// damaged files, each refused with the line it names.
#include "io/dxf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/contours.h"
#include "tests/support/temp_folder.h"

namespace tarvik {
namespace {

using std::numbers::pi;

// lines joined with LF
std::string Dxf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* l : lines) text.append(l).append("\n");
  return text;
}

std::string Entities(const std::string& body) {
  return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

// the signed area of a polygon, by the shoelace formula
double Area(const std::vector<Point>& p) {
  double a = 0;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    a += p[j].x * p[i].y - p[i].x * p[j].y;
  return a / 2;
}

// the one contour the drawing makes
std::vector<Point> OnlyContour(const DxfResult& r) {
  const Kontury k = ZnajdzKontury(r.segments);
  EXPECT_EQ(k.contours.size(), 1u);
  EXPECT_TRUE(k.open.empty());
  return k.contours.empty() ? std::vector<Point>{} : k.contours[0].points;
}

// an inscribed polygon whose chords have a sagitta of at most s contains the circle of radius
// r - s: the area it misses is below pi (r^2 - (r - s)^2) < 2 pi r s for a full turn
double ChordBound(double r, double turns) { return turns * 2 * pi * r * std::min(0.05, r / 1000); }

TEST(DxfReader, ReadsOldStyleLinesPolylinesAndASecondEntitiesSection) {
  const std::string text =
      Dxf({"  0", "SECTION",  "  2", "ENTITIES", "  0", "LINE",   "  8", "0",
           " 10", "1.5",      " 20", "2",        " 30", "0",      " 11", "3",
           " 21", "4",        " 31", "0",  // with z
           "  0", "LINE",     " 10", "-1",       " 20", "-2",     " 11", "5E1",
           " 21", "+6",       "  0", "POLYLINE", " 66", "1",      " 10", "0",
           " 20", "0",        "  0", "VERTEX",   " 10", "0",      " 20", "0",
           "  0", "VERTEX",   " 10", "10",       " 20", "0",      "  0", "VERTEX",
           " 10", "10",       " 20", "10",       "  0", "VERTEX", " 10", "0",
           " 20", "10",       "  0", "SEQEND",   "  0", "ENDSEC", "  0", "SECTION",
           "  2", "ENTITIES", "  0", "LINE",     " 10", "7",      " 20", "8",
           " 11", "9",        " 21", "10",       "  0", "ENDSEC", "  0", "EOF"});
  const DxfResult r = ParseDxf(text, "t.dxf");
  ASSERT_TRUE(r.ok) << r.detail;
  const std::vector<OdcinekPodkladu> expected = {{1.5, 2, 3, 4},  {-1, -2, 50, 6}, {0, 0, 10, 0},
                                                 {10, 0, 10, 10}, {10, 10, 0, 10}, {7, 8, 9, 10}};
  EXPECT_EQ(r.segments, expected);

  // the same file with CR LF or CR line ends, and without its EOF line
  std::string crlf, cr;
  for (char c : text) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  for (const std::string& other : {crlf, cr, text.substr(0, text.size() - 10)}) {
    const DxfResult again = ParseDxf(other, "t.dxf");
    EXPECT_TRUE(again.ok) << again.detail;
    EXPECT_EQ(again.segments, expected);
  }
}

TEST(DxfReader, ClosedPolylinesCloseAndABulgeOfOneIsASemicircle) {
  // closed (70 = 1): from (100, 0) back to (0, 0) counter-clockwise through the upper half
  const DxfResult lw = ParseDxf(Entities("0\nLWPOLYLINE\n90\n7\n70\n1\n10\n0\n20\n0\n"
                                         "10\n100\n20\n0\n42\n1\n"),
                                "lw.dxf");
  ASSERT_TRUE(lw.ok) << lw.detail;
  const std::vector<Point> half = OnlyContour(lw);
  const double exact = pi * 50 * 50 / 2;
  EXPECT_LE(std::abs(Area(half)), exact);
  EXPECT_GE(std::abs(Area(half)), exact - ChordBound(50, 0.5));
  for (const Point& p : half) {
    EXPECT_GE(p.y, -1e-9);
    EXPECT_NEAR(std::hypot(p.x - 50, p.y), 50, 1e-9);
  }

  // an old-style polyline flagged closed, with a bulge of 1 from (0, 0) to (100, 0):
  // counter-clockwise, so through the lower half
  const DxfResult old = ParseDxf(
      Entities("0\nPOLYLINE\n70\n1\n0\nVERTEX\n10\n0\n20\n0\n42\n1\n0\nVERTEX\n10\n100\n20\n0\n"
               "0\nSEQEND\n"),
      "old.dxf");
  ASSERT_TRUE(old.ok) << old.detail;
  const std::vector<Point> lower = OnlyContour(old);
  EXPECT_GE(std::abs(Area(lower)), exact - ChordBound(50, 0.5));
  for (const Point& p : lower) EXPECT_LE(p.y, 1e-9);
}

TEST(DxfReader, ArcsAndCirclesAreChordedWithinTheSagitta) {
  const struct { double r; } radii[] = {{0.5}, {5}, {50}, {1000}, {20000}};
  for (const auto& c : radii) {
    SCOPED_TRACE(c.r);
    const std::string circle = "0\nCIRCLE\n10\n10\n20\n-20\n40\n" + std::to_string(c.r) + "\n";
    const std::vector<Point> p = OnlyContour(ParseDxf(Entities(circle), "c.dxf"));
    const double exact = pi * c.r * c.r;
    EXPECT_LE(std::abs(Area(p)), exact);
    EXPECT_GE(std::abs(Area(p)), exact - ChordBound(c.r, 1));
    // the chords are as few as the rule allows: one fewer would break it
    const double n = static_cast<double>(p.size());
    EXPECT_GT(c.r * (1 - std::cos(pi / (n - 1))), std::min(0.05, c.r / 1000));
  }

  // an arc from 0° to 90° ends at its angles; mirrored (extrusion 0, 0, -1) the x turn over
  for (const char* z : {"1", "-1"}) {
    SCOPED_TRACE(z);
    const DxfResult r = ParseDxf(
        Entities(std::string("0\nARC\n10\n30\n20\n40\n40\n10\n50\n0\n51\n90\n230\n") + z + "\n"),
        "a.dxf");
    ASSERT_TRUE(r.ok) << r.detail;
    const double m = z[0] == '-' ? -1 : 1;
    EXPECT_NEAR(r.segments.front().x1, m * 40, 1e-9);
    EXPECT_NEAR(r.segments.front().y1, 40, 1e-9);
    EXPECT_NEAR(r.segments.back().x2, m * 30, 1e-9);
    EXPECT_NEAR(r.segments.back().y2, 50, 1e-9);
  }
}

TEST(DxfReader, DrawsOnlyTheEntitiesSectionOfAnR2018File) {
  const std::string text = Dxf({"0",  "SECTION",    "2",   "HEADER",
                                "9",  "$ACADVER",   "1",   "AC1032",
                                "9",  "$EXTMIN",    "10",  "0",
                                "20", "0",          "30",  "0",
                                "0",  "ENDSEC",     "0",   "SECTION",
                                "2",  "TABLES",     "0",   "TABLE",
                                "2",  "LAYER",      "70",  "1",
                                "0",  "LAYER",      "2",   "0",
                                "70", "0",          "62",  "7",
                                "6",  "CONTINUOUS", "0",   "ENDTAB",
                                "0",  "ENDSEC",     "0",   "SECTION",
                                "2",  "BLOCKS",     "0",   "BLOCK",
                                "2",  "B",          "10",  "0",
                                "20", "0",          "0",   "LINE",
                                "10", "500",        "20",  "500",
                                "11", "600",        "21",  "600",
                                "0",  "ENDBLK",     "0",   "ENDSEC",
                                "0",  "SECTION",    "2",   "ENTITIES",
                                "0",  "TEXT",       "10",  "1",
                                "20", "1",          "40",  "2.5",
                                "1",  "opis",       "0",   "LWPOLYLINE",
                                "5",  "2F",         "100", "AcDbEntity",
                                "8",  "0",          "100", "AcDbPolyline",
                                "90", "1000000",    "70",  "0",
                                "43", "0.0",        "10",  "0.0",
                                "20", "0.0",        "10",  "20.0",
                                "20", "0.0",        "10",  "20.0",
                                "20", "5.0",        "0",   "INSERT",
                                "2",  "B",          "10",  "0",
                                "20", "0",          "0",   "ENDSEC",
                                "0",  "SECTION",    "2",   "OBJECTS",
                                "0",  "DICTIONARY", "0",   "ENDSEC",
                                "0",  "EOF"});
  const DxfResult r = ParseDxf(text, "r2018.dxf");
  ASSERT_TRUE(r.ok) << r.detail;
  EXPECT_EQ(r.segments, (std::vector<OdcinekPodkladu>{{0, 0, 20, 0}, {20, 0, 20, 5}}));
}

TEST(DxfReader, RefusesDamagedInputNamingTheLine) {
  const std::string head = "0\nSECTION\n2\nENTITIES\n";  // lines 1 to 4
  std::string many = head;
  many.reserve(many.size() + 7 * 10'000'000u);
  for (int i = 0; i < 10'000'000; ++i) many += "0\nLINE\n";
  const struct {
    const char* name;
    std::string text;
    std::string error;
    int line;
    std::string why;
  } cases[] = {
      {"truncated after a code", head + "0\nLINE\n10", "Niewłaściwa postać pliku", 7,
       "kod grupy bez wartości"},
      {"binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), "Niewłaściwa postać pliku", 1,
       "binarny DXF nie jest czytany"},
      {"a code of letters", head + "0\nLINE\nabc\n1\n", "Niewłaściwa postać pliku", 7,
       "kod grupy nie jest liczbą całkowitą"},
      {"nan", head + "0\nLINE\n10\n0\n20\nnan\n", "Niewłaściwa postać pliku", 10,
       "wartość nie jest liczbą"},
      {"a decimal comma", head + "0\nCIRCLE\n40\n1,5\n", "Niewłaściwa postać pliku", 8,
       "wartość nie jest liczbą"},
      {"a long line", head + "999\n" + std::string(5000, 'x') + "\n", "Niewłaściwa postać pliku", 6,
       "wiersz dłuższy niż 1024 znaków"},
      {"a NUL byte", head + std::string("0\nLI\0NE\n", 8), "Niewłaściwa postać pliku", 6,
       "bajt zerowy"},
      {"a circle off the plane", head + "0\nLINE\n11\n1\n0\nCIRCLE\n40\n1\n210\n1\n230\n0\n",
       "Niewłaściwa postać pliku", 10, "obiekt nie leży w płaszczyźnie XY"},
      {"an arc without radius", head + "0\nARC\n10\n1\n", "Niewłaściwa postać pliku", 6,
       "łuk o promieniu niedodatnim"},
      {"10^7 entities", many, "Niewłaściwa postać pliku", 6 + 2 * 1'000'000,
       "więcej niż 1000000 obiektów"},
      {"nothing drawn", head + "0\nTEXT\n1\nopis\n", "Niewłaściwa postać pliku .DXF", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = std::chrono::steady_clock::now();
    const DxfResult r = ParseDxf(c.text, "z.dxf");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.segments.empty());
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.line, c.line);
    EXPECT_EQ(r.detail,
              c.line ? "(z.dxf, wiersz " + std::to_string(c.line) + ": " + c.why + ")" : "(z.dxf)");
  }

  test::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const DxfResult missing = ReadDxf(folder.file("missing.dxf"));
  EXPECT_TRUE(missing.unreadable);
  EXPECT_EQ(missing.error, "Nie można otworzyć pliku");
}

}  // namespace
}  // namespace tarvik
