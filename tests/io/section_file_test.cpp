// Section files: the header record byte by byte, the characteristic points, what each kind
// writes and reads back, the files the reader refuses and the saves that must not destroy.
#include "io/section_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/cp1250.h"
#include "generators/composite_editor.h"
#include "io/pointfile.h"
#include "tests/support/shapes.h"
#include "tests/support/temp_folder.h"

namespace tarvik {
namespace {

using test::TempFolder;

constexpr size_t kRecord = 1792;
const std::string kDamaged = "Uszkodzony plik z opisem przekroju";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// stored numbers decoded independently of the writer
uint8_t Byte(const std::string& b, size_t at) { return static_cast<uint8_t>(b.at(at)); }
uint64_t Le(const std::string& b, size_t at, int n) {
  uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | Byte(b, at + i);
  return v;
}
int32_t Int(const std::string& b, size_t at) {
  return static_cast<int32_t>(static_cast<uint32_t>(Le(b, at, 4)));
}
double Real(const std::string& b, size_t at) { return std::bit_cast<double>(Le(b, at, 8)); }
void PutInt(std::string& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * i));
}
// the short string at `at` as its cp1250 bytes
std::string Short(const std::string& b, size_t at) { return b.substr(at + 1, Byte(b, at)); }
// outer point i (1-based) of record k
Point OuterAt(const std::string& b, size_t k, int i) {
  const size_t at = k * kRecord + 16 * i - 8;
  return {Real(b, at), Real(b, at + 8)};
}

void ExpectPoints(const std::vector<Point>& actual, const std::vector<Point>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << "point " << i + 1;
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << "point " << i + 1;
  }
}

// a single-figure section: the outline, its reference point and its own axes
SectionModel Single(int kind, int sub, int variant, const std::vector<Point>& outline,
                    Point reference, double xS = 0, double yS = 0, double al = 0) {
  SectionModel m;
  m.kind = kind;
  FigureRecord& f = m.working();
  EXPECT_TRUE(f.setOuter(outline, reference));
  f.selection = {kind, sub, variant, 0, 0, 0, 0, 0};
  f.props[slot::xS] = xS;
  f.props[slot::yS] = yS;
  f.props[slot::al] = al;
  m.section = f.props;
  return m;
}

// an IPE 200-like outline centred on (30, 120), with rubbish in the unused leading bytes
SectionModel RolledI() {
  std::vector<Point> outline = test::ISection(200, 100, 5.6, 8.5, 12);
  for (Point& p : outline) p = {p.x + 30, p.y + 120};
  SectionModel m = Single(kWalcowane, 0, 1, outline, {30, 215.75}, 30, 120);
  m.working().spare = {1, 2, 3, 4, 5, 6, 7};
  m.working().setDim(0, "200");
  m.section.setName("IPE200");
  m.section[slot::A] = 28.5;
  return m;
}

// Proste "Prostokąt" 100 high, 60 wide, centred on the origin
SectionModel Rectangle() {
  SectionModel m = Single(kProste, 0, 0, test::Rectangle(60, 100), {0, 0});
  m.working().setDim(0, "100 mm");
  m.working().setDim(1, "60 mm");
  m.section.setName("Prostokąt");
  m.section[slot::A] = 60;
  return m;
}

// kind 5 of three figures: each a rectangle of its own size
SectionModel ThreeFigures() {
  SectionModel m;
  m.kind = kZlozone;
  for (int f = 1; f <= 3; ++f) {
    m.working() = FigureRecord{};
    m.working().setOuter(test::Rectangle(10.0 * f, 20, 40.0 * f, 0), {40.0 * f, 0});
    m.working().props.setName("Figura " + std::to_string(f));
    m.working().props[slot::A] = 2.0 * f;
    m.working().originX = 40.0 * f;
    m.addFigure();
  }
  m.section.setName("Zespolony");
  m.section[slot::xS] = 93.3;
  return m;
}

// kind 6 as a point list: an 80-point outer contour (figure 1) and a 10-point hole (figure 2)
SectionModel PointList() {
  SectionModel m;
  m.kind = kDowolne;
  m.figureCount = 2;
  for (const Point& p : test::Circle(100, 80)) m.imported.push_back({p.x, p.y, 1, 0, 0, true});
  for (const Point& p : test::Circle(30, 10)) m.imported.push_back({p.x, p.y, 2, 0, 0, false});
  m.section.setName("Dowolna");
  return m;
}

WriteResult Save(const std::string& path, const SectionModel& m, const TabFields& fields = {}) {
  return ZapiszPlikPrm(path, m, m.section, fields);
}

TEST(SectionHeader, RolledIHeaderByteByByte) {
  TempFolder folder;
  const std::string path = folder.file("IPE200.PRM");
  const SectionModel m = RolledI();
  TabFields fields;
  fields.present = true;
  fields.integers = {0, 1, 0, 0, 0, 5, 0, 0};
  PropertiesRecord header = m.section;
  header[slot::d1] = 200;  // what the caller completed for the file
  ASSERT_TRUE(ZapiszPlikPrm(path, m, header, fields).ok);
  const std::string b = Slurp(path);
  ASSERT_EQ(b.size(), 2 * kRecord);

  EXPECT_EQ(Byte(b, 0), 1);
  for (size_t i = 1; i < 8; ++i) EXPECT_EQ(Byte(b, i), 0) << "byte " << i;
  // the flange tips in principal axes, one a quadrant
  const std::vector<Point> corners = {{50, 100}, {-50, 100}, {-50, -100}, {50, -100}};
  EXPECT_EQ(Int(b, 1192), 4);
  EXPECT_EQ(Int(b, 1196), 0);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(OuterAt(b, 0, i).x, corners[i - 1].x, 1e-9) << i;
    EXPECT_NEAR(OuterAt(b, 0, i).y, corners[i - 1].y, 1e-9) << i;
  }
  for (size_t at = 8 + 4 * 16; at < 1192; ++at) EXPECT_EQ(Byte(b, at), 0) << "byte " << at;
  EXPECT_EQ(Int(b, 1200), kWalcowane);
  const int32_t tab[] = {0, 1, 0, 0, 0, 5, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Int(b, 1204 + 4 * i), tab[i]) << 1204 + 4 * i;
  EXPECT_EQ(Short(b, 1236), "200");  // no texts on this tab: the working figure's stay
  for (size_t at = 1324; at < 1328; ++at) EXPECT_EQ(Byte(b, at), 0) << "byte " << at;
  EXPECT_EQ(Short(b, 1328), "IPE200");
  EXPECT_EQ(Real(b, 1328 + 8 * slot::A), 28.5);
  EXPECT_EQ(Real(b, 1328 + 8 * slot::d1), 200);
  EXPECT_EQ(Real(b, 1328 + 8 * slot::xS), 30);

  // record 1: the working figure as it is, its unused bytes zero
  EXPECT_EQ(Int(b, kRecord + 1192), 21);
  EXPECT_EQ(OuterAt(b, 1, 21).y, 215.75);
  for (size_t i = 1; i < 8; ++i) EXPECT_EQ(Byte(b, kRecord + i), 0) << "byte " << i;
  EXPECT_EQ(Int(b, kRecord + 1204), 0);
  EXPECT_EQ(Int(b, kRecord + 1208), 1);
}

TEST(CharacteristicPoints, AreTakenInThePrincipalAxes) {
  // a 60 x 100 rectangle turned by 30° about (10, 20): its corners at (±30, ±50) in u, v
  const double al = test::kPi / 6;
  const SectionModel m = Single(kProste, 4, 0, test::Moved(test::Rectangle(60, 100), 30, 10, 20),
                                {10, 20}, 10, 20, al);
  ExpectPoints(PunktyCharakterystyczne(m), {{30, 50}, {-30, 50}, {-30, -50}, {30, -50}});
}

TEST(CharacteristicPoints, TakeTheFarthestPointsOfEachQuadrant) {
  // a tee (flange 100 x 10 on a web 10 x 90) about axes through the middle of its flange:
  // above, the flange tips are both P and Q; below, P is a flange tip and Q a web corner
  const SectionModel tee = Single(kProste, 7, 0, test::Tee(100, 10, 10, 90), {0, 95}, 0, 95);
  ExpectPoints(PunktyCharakterystyczne(tee),
               {{50, 5}, {-50, 5}, {-50, -5}, {-5, -95}, {5, -95}, {50, -5}});
  // upside down: the two points of a quadrant come P first in the first, Q first in the second
  std::vector<Point> down = test::Tee(100, 10, 10, 90);
  for (Point& p : down) p.y = -p.y;
  ExpectPoints(PunktyCharakterystyczne(Single(kProste, 7, 0, down, {0, -95}, 0, -95)),
               {{50, 5}, {5, 95}, {-5, 95}, {-50, 5}, {-50, -5}, {50, -5}});
  // a ribbed slab chooses about the mean of v and stores the points where they are
  SectionModel ribbed;
  ribbed.kind = kUzebrowanie;
  ribbed.working().setOuter(test::Rectangle(40, 10, 0, 105), {0, 105});
  ribbed.addFigure();
  ExpectPoints(PunktyCharakterystyczne(ribbed), {{20, 110}, {-20, 110}, {-20, 100}, {20, 100}});
}

TEST(CharacteristicPoints, RoundSectionsGetEightPointsOnTheRadius) {
  const SectionModel circle = Single(kProste, 1, 0, test::Circle(50, 35), {0, 0});
  std::vector<Point> expected;
  for (int i = 0; i < 8; ++i)
    expected.push_back({50 * std::cos(i * test::kPi / 4), 50 * std::sin(i * test::kPi / 4)});
  ExpectPoints(PunktyCharakterystyczne(circle), expected);
}

TEST(SectionFile, FiguresReadBackAsWritten) {
  TempFolder folder;
  const std::string path = folder.file("P.PRM");
  SectionModel rectangle = Rectangle();
  rectangle.working().wall1 = 0.8;
  const struct {
    SectionModel model;
    int figures, current;  // figures written after the header, the one selected on reading
  } cases[] = {{rectangle, 1, 1},
               {ThreeFigures(), 3, 3},
               // the tee of Proste is edited as figure 0
               {Single(kProste, 7, 0, test::Tee(100, 10, 10, 90), {0, 95}), 1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.figures);
    const SectionModel& m = c.model;
    ASSERT_TRUE(Save(path, m).ok);
    const std::string b = Slurp(path);
    ASSERT_EQ(b.size(), (c.figures + 1) * kRecord);
    EXPECT_EQ(Byte(b, 0), c.figures);
    const ReadResult r = CzytajPlikPrm(path);
    ASSERT_TRUE(r.ok) << r.error << " " << r.detail;
    EXPECT_EQ(r.model.kind, m.kind);
    EXPECT_EQ(r.model.figureCount, c.figures);
    EXPECT_EQ(r.model.currentFigure, c.current);
    EXPECT_EQ(r.model.placements.size(), static_cast<size_t>(c.figures));
    EXPECT_EQ(r.model.section, m.section);
    EXPECT_EQ(r.header, r.model.figures[0]);
    EXPECT_EQ(r.header.props, m.section);
    ASSERT_EQ(r.model.figures.size(), c.figures + 1u);
    for (int f = 1; f <= c.figures; ++f)
      EXPECT_EQ(r.model.figures[f], m.kind == kZlozone ? m.figures[f] : m.working()) << f;
  }
}

TEST(SectionFile, PointListIsWrittenThirtySevenToARecordAndReadBackInOrder) {
  TempFolder folder;
  const std::string path = folder.file("D.PRM");
  const SectionModel m = PointList();
  ASSERT_TRUE(Save(path, m).ok);
  const std::string b = Slurp(path);
  ASSERT_EQ(b.size(), 5 * kRecord);
  EXPECT_EQ(Byte(b, 0), 2);
  EXPECT_EQ(Int(b, 1204), -1);
  const int32_t outer[] = {37, 37, 6, 0}, inner[] = {0, 0, 0, 10}, figure[] = {1, 1, 1, 2};
  for (size_t k = 1; k <= 4; ++k) {
    EXPECT_EQ(Int(b, k * kRecord + 1192), outer[k - 1]) << k;
    EXPECT_EQ(Int(b, k * kRecord + 1196), inner[k - 1]) << k;
    EXPECT_EQ(Int(b, k * kRecord + 1208), figure[k - 1]) << k;
  }
  const ReadResult r = CzytajPlikPrm(path);
  ASSERT_TRUE(r.ok) << r.error << " " << r.detail;
  EXPECT_EQ(r.model.kind, kDowolne);
  EXPECT_EQ(r.model.figureCount, 2);
  ASSERT_EQ(r.model.imported.size(), m.imported.size());
  for (size_t i = 0; i < m.imported.size(); ++i) {
    const ImportedPoint &a = r.model.imported[i], &e = m.imported[i];
    EXPECT_TRUE(a.x == e.x && a.y == e.y && a.figure == e.figure && a.outer == e.outer) << i;
  }
}

TEST(SectionFile, DoubledLippedChannelGetsItsMirrorAsAThirdRecord) {
  TempFolder folder;
  const std::string path = folder.file("C.PRM");
  std::vector<Point> outline = test::Circle(40, 36, 20, 0);
  SectionModel m = Single(kGiete, 0, 2, outline, {20, 35}, 20, 0);
  m.working().selection[3] = 1;
  ASSERT_TRUE(Save(path, m).ok);
  std::string b = Slurp(path);
  ASSERT_EQ(b.size(), 3 * kRecord);
  EXPECT_EQ(Int(b, 2 * kRecord + 1192), 37);
  for (int i = 1; i <= 37; ++i) {
    EXPECT_EQ(OuterAt(b, 2, i).x, -OuterAt(b, 1, i).x) << i;
    EXPECT_EQ(OuterAt(b, 2, i).y, OuterAt(b, 1, i).y) << i;
  }
  EXPECT_TRUE(CzytajPlikPrm(path).ok);
  m.working().selection[3] = 0;  // "Pojedynczy"
  ASSERT_TRUE(Save(path, m).ok);
  EXPECT_EQ(Slurp(path).size(), 2 * kRecord);
}

TEST(SectionFileRefused, DamagedFilesWithTheRecordAndTheFault) {
  TempFolder folder;
  const std::string good = folder.file("Z.PRM");
  ASSERT_TRUE(Save(good, ThreeFigures()).ok);
  const std::string bytes = Slurp(good);
  ASSERT_TRUE(Save(good, PointList()).ok);  // figures 1 (records 1..3) and 2 (record 4)
  const std::string list = Slurp(good);
  enum Damage { kCut, kInt32, kLengthByte, kReal };
  struct Case {
    const char* name;
    Damage damage;
    size_t at;  // the new length (kCut) or where the value goes
    double value;
    const char* detail;  // what the second line must hold
    bool pointList = false;  // the point list's file, else the three figures'
  };
  const double nan = std::nan(""), inf = HUGE_VAL;
  const size_t props = 1328;  // slot k of record r at r * kRecord + props + 8 * k
  const Case cases[] = {
      {"empty", kCut, 0, 0, "0 bajtów"},
      {"short header", kCut, 1000, 0, "1000 bajtów"},
      {"truncated figure", kCut, 4 * kRecord - 1, 0, "7167 bajtów"},
      {"last figure missing", kCut, 3 * kRecord, 0, "zapowiada 3 figur, plik zawiera 2"},
      {"38 outer points", kInt32, 2 * kRecord + 1192, 38,
       "rekord 2: liczba punktów konturu zewnętrznego 38"},
      {"negative hole", kInt32, 3 * kRecord + 1196, -1, "rekord 3: liczba punktów otworu -1"},
      // once read as an empty outline
      {"negative outline", kInt32, 1 * kRecord + 1192, -1,
       "rekord 1: liczba punktów konturu zewnętrznego -1"},
      {"kind 10", kInt32, 1200, 10, "rekord 0: rodzaj przekroju 10"},
      {"kind -1", kInt32, 1200, -1, "rodzaj przekroju -1"},
      {"ribbed slab of three figures", kInt32, 1200, 7, "rekord 0: przekrój użebrowany z 3 figur"},
      {"long name", kLengthByte, kRecord + 1328, 21, "rekord 1: nazwa o długości 21"},
      {"long text", kLengthByte, 1236 + 11 * 2, 11, "rekord 0: tekst wymiaru 3 o długości 11"},
      // numbers no section holds, wherever they stand
      {"NaN in an unused point", kReal, kRecord + 16 * 10 - 8, nan,
       "rekord 1: punkt 10 konturu zewnętrznego: współrzędna nan (nie jest liczbą)"},
      {"301-digit coordinate", kReal, 2 * kRecord + 16 * 2 - 8, -1e301,
       "rekord 2: punkt 2 konturu zewnętrznego: współrzędna -1e+301 (poza zakresem ±1e+06)"},
      {"point 2 km away", kReal, 3 * kRecord + 16 * 1 - 8, 2e6, "współrzędna 2e+06"},
      {"NaN area", kReal, props + 8 * slot::A, nan, "rekord 0: A = nan cm^2 (nie jest liczbą)"},
      {"negative area", kReal, props + 8 * slot::A, -5, "rekord 0: A = -5 cm^2 (ujemne)"},
      {"infinite J1", kReal, 2 * kRecord + props + 8 * slot::J1, inf, "rekord 2: J1 = inf cm^4"},
      {"negative J2", kReal, 3 * kRecord + props + 8 * slot::J2, -1,
       "rekord 3: J2 = -1 cm^4 (ujemne)"},
      {"301-digit Jw", kReal, props + 8 * slot::Jw, 1e301,
       "Jw = 1e+301 cm^6 (poza zakresem ±1e+30)"},
      {"centroid 2 km away", kReal, props + 8 * slot::xS, -2e6, "rekord 0: xS = -2e+06 mm"},
      {"NaN placement", kReal, kRecord + 1752, nan, "rekord 1: początek x = nan"},
      {"infinite rotation", kReal, 2 * kRecord + 1768, -inf, "rekord 2: obrót = -inf"},
      {"NaN wall", kReal, 3 * kRecord + 1784, nan, "rekord 3: grubość ścianki t = nan"},
      {"NaN in the reserved field", kReal, 1720, nan, "rekord 0: pole zapasowe 1 = nan"},
      // a point list's figure numbers stay within the header's count
      {"figure 0", kInt32, 4 * kRecord + 1208, 0, "rekord 4: numer figury 0", true},
      {"figure 3 of 2", kInt32, 4 * kRecord + 1208, 3,
       "rekord 4: numer figury 3, nagłówek zapowiada 2", true},
      {"figure 2^31 - 1", kInt32, 2 * kRecord + 1208, 2147483647,
       "rekord 2: numer figury 2147483647", true},
      {"38 points in a list", kInt32, 3 * kRecord + 1192, 38, "rekord 3: liczba punktów", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string b = c.pointList ? list : bytes;
    if (c.damage == kCut)
      b.resize(c.at);
    else if (c.damage == kLengthByte)
      b[c.at] = static_cast<char>(c.value);
    else if (c.damage == kReal)
      for (int i = 0; i < 8; ++i)
        b[c.at + i] = static_cast<char>(std::bit_cast<uint64_t>(c.value) >> (8 * i));
    else
      PutInt(b, c.at, static_cast<int32_t>(c.value));
    const ReadResult r = CzytajPlikPrm(folder.write(std::string(c.name) + ".PRM", b));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, kDamaged);
    EXPECT_NE(r.detail.find(c.detail), std::string::npos) << r.detail;
  }

  const ReadResult missing = CzytajPlikPrm(folder.file("none.PRM"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, "Nie ma pliku z opisem przekroju");
}

// what the reader takes, the writer writes again and the reader takes again: a point list
// at the edge of the coordinates taken, its centroid in the far corner and its axes turned
// (the header's points, measured from the centroid, then lie farther out than any point)
TEST(SectionFile, WhatTheReaderTakesIsWrittenAndReadAgain) {
  TempFolder folder;
  SectionModel m = PointList();
  for (ImportedPoint& p : m.imported) p = {p.x * 1e4, p.y * 1e4, p.figure, 0, 0, p.outer};
  m.section[slot::xS] = -1e6;
  m.section[slot::yS] = 1e6;
  m.section[slot::al] = 0.7;
  ASSERT_TRUE(Save(folder.file("1.PRM"), m).ok);
  const ReadResult first = CzytajPlikPrm(folder.file("1.PRM"));
  ASSERT_TRUE(first.ok) << first.detail;
  ASSERT_TRUE(Save(folder.file("2.PRM"), first.model).ok);
  const ReadResult second = CzytajPlikPrm(folder.file("2.PRM"));
  ASSERT_TRUE(second.ok) << second.detail;
  EXPECT_EQ(second.model.imported.size(), m.imported.size());
  EXPECT_EQ(second.model.section, m.section);
}

TEST(SectionFileRefused, RandomBytesNeverCrashTheReader) {
  TempFolder folder;
  std::mt19937 random(20240601);
  for (int round = 0; round < 200; ++round) {
    std::string b((1 + random() % 4) * kRecord, '\0');
    for (char& c : b) c = static_cast<char>(random());
    if (round % 2) {  // plausible counts and kind, so the reader gets further
      for (size_t k = 0; k < b.size() / kRecord; ++k) {
        PutInt(b, k * kRecord + 1192, static_cast<int32_t>(random() % 38));
        PutInt(b, k * kRecord + 1196, static_cast<int32_t>(random() % 38));
      }
      b[0] = static_cast<char>(random() % 4);
      PutInt(b, 1200, static_cast<int32_t>(random() % 10));
    }
    const ReadResult r = CzytajPlikPrm(folder.write("random.PRM", b));
    if (!r.ok) {
      EXPECT_EQ(r.error, kDamaged) << r.detail;
    }
  }
}

// the file an open descriptor writes
std::string Named(int fd) {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string();
}

bool EndsWith(const std::string& s, const std::string& end) { return s.ends_with(end); }

std::vector<std::string> Temporaries(const TempFolder& folder) {
  std::vector<std::string> found;
  for (const auto& e : std::filesystem::directory_iterator(folder.file("")))
    if (e.path().extension() == ".tmp") found.push_back(e.path().filename().string());
  return found;
}

// the system calls of a save, one of them failing in the file whose name has `file` in it:
// the write taking half of what it is given and then refusing with EFBIG (a file-size limit),
// or fsync, close or rename refusing. Writes elsewhere come in pieces of at most 500 bytes,
// every other call interrupted (EINTR) before writing anything.
enum class Step { kNone, kWrite, kFsync, kClose, kRename };
FileCalls Failing(Step step, std::string file) {
  auto interrupted = std::make_shared<bool>(false);
  auto cut = std::make_shared<bool>(false);
  FileCalls calls;
  calls.write = [=](int fd, const void* data, size_t size) -> ssize_t {
    if (step == Step::kWrite && Named(fd).find(file) != std::string::npos) {
      if (*cut) return errno = EFBIG, -1;
      *cut = true;
      return ::write(fd, data, size / 2);
    }
    if ((*interrupted = !*interrupted)) return errno = EINTR, -1;
    return ::write(fd, data, std::min<size_t>(size, 500));
  };
  calls.fsync = [=](int fd) {
    if (step == Step::kFsync && Named(fd).find(file) != std::string::npos) return errno = EIO, -1;
    return ::fsync(fd);
  };
  calls.close = [=](int fd) {
    const bool fails = step == Step::kClose && Named(fd).find(file) != std::string::npos;
    ::close(fd);
    return fails ? (errno = EIO, -1) : 0;
  };
  calls.rename = [=](const char* from, const char* to) {
    if (step == Step::kRename && EndsWith(to, file)) return errno = EACCES, -1;
    return ::rename(from, to);
  };
  return calls;
}

const std::string kOldPicture = "BM old picture", kNewPicture(5000, 'n');

// over an old pair, a new one that fails at one call: the old pair stays byte for byte (but
// for a failed last rename, after which the picture alone is new and the message says so),
// no temporary stays, and the message names the file and the system's reason
TEST(SectionFileSave, APairIsSavedWholeOrNotAtAll) {
  struct Case {
    const char* what;
    Step step;
    const char* file;
    const char* error;  // "" for a save that succeeds
    const char* reason;
    const char* named;  // the files the message names: B the picture, P the data file
    bool newPicture, newData;
  };
  const std::string picture = "Nie można zapisać szkicu przekroju";
  const std::string data = "Nie można zapisać pliku z opisem przekroju";
  const Case cases[] = {
      {"writes in pieces, interrupted", Step::kNone, "", "", "", "", true, true},
      {"picture cut half-way", Step::kWrite, ".BMP.", picture.c_str(), "File too large", "B", false, false},
      {"data file cut half-way", Step::kWrite, ".PRM.", data.c_str(), "File too large", "P", false, false},
      {"picture not flushed", Step::kFsync, ".BMP.", picture.c_str(), "Input/output error", "B", false, false},
      {"data file not closed", Step::kClose, ".PRM.", data.c_str(), "Input/output error", "P", false, false},
      {"picture not renamed", Step::kRename, ".BMP", picture.c_str(), "Permission denied", "B", false, false},
      {"data file not renamed", Step::kRename, ".PRM",
       "Zapisano szkic przekroju, ale nie plik z opisem przekroju", "Permission denied", "BP", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const std::string stem = folder.file("belka");
    ASSERT_TRUE(ZapiszPare(stem, kOldPicture, Rectangle(), Rectangle().section, {}).ok);
    const std::string oldData = Slurp(stem + ".PRM");

    const SectionModel next = ThreeFigures();
    const WriteResult w = ZapiszPare(stem, kNewPicture, next, next.section, {},
                                     Failing(c.step, c.file));
    EXPECT_EQ(w.ok, std::string(c.error).empty());
    EXPECT_EQ(w.error, c.error);
    EXPECT_NE(w.detail.find(c.reason), std::string::npos) << w.detail;
    for (const char f : std::string(c.named))
      EXPECT_NE(w.detail.find(stem + (f == 'B' ? ".BMP" : ".PRM")), std::string::npos) << w.detail;
    EXPECT_EQ(Slurp(stem + ".BMP"), c.newPicture ? kNewPicture : kOldPicture);
    if (c.newData)
      EXPECT_EQ(CzytajPlikPrm(stem + ".PRM").model.figureCount, 3);
    else
      EXPECT_EQ(Slurp(stem + ".PRM"), oldData);
    EXPECT_EQ(Temporaries(folder), std::vector<std::string>{});
  }
}

// were the program killed at any call of a save, the folder would hold the old pair, or,
// between the two renames, the new picture over the old data file: never a file in part
TEST(SectionFileSave, AKillAtAnyCallLeavesAWholePair) {
  TempFolder folder;
  const std::string stem = folder.file("belka");
  ASSERT_TRUE(ZapiszPare(stem, kOldPicture, Rectangle(), Rectangle().section, {}).ok);
  const std::string oldData = Slurp(stem + ".PRM");
  std::string seen;  // at each call: o the old pair, p the new picture over the old data, ? else
  auto look = [&] {
    const std::string bmp = Slurp(stem + ".BMP"), prm = Slurp(stem + ".PRM");
    seen += bmp == kOldPicture && prm == oldData ? 'o' : bmp == kNewPicture && prm == oldData ? 'p' : '?';
  };
  const FileCalls system = Failing(Step::kNone, "");
  FileCalls watched;
  watched.write = [&](int fd, const void* p, size_t n) { return look(), system.write(fd, p, n); };
  watched.fsync = [&](int fd) { return look(), system.fsync(fd); };
  watched.close = [&](int fd) { return look(), system.close(fd); };
  watched.rename = [&](const char* from, const char* to) { return look(), system.rename(from, to); };
  const SectionModel next = ThreeFigures();
  ASSERT_TRUE(ZapiszPare(stem, kNewPicture, next, next.section, {}, watched).ok);
  EXPECT_EQ(seen.find_first_not_of('o'), seen.size() - 1) << seen;
  EXPECT_EQ(seen.back(), 'p') << seen;
  EXPECT_EQ(Slurp(stem + ".BMP"), kNewPicture);
  EXPECT_EQ(CzytajPlikPrm(stem + ".PRM").model.figureCount, 3);
}

// the data file alone (a calling program's file) goes the same way
TEST(SectionFileSave, AFailedSaveLeavesThePreviousFile) {
  TempFolder folder;
  const std::string path = folder.file("P.PRM");
  ASSERT_TRUE(Save(path, Rectangle()).ok);
  const std::string before = Slurp(path);
  const SectionModel next = ThreeFigures();
  const WriteResult w = ZapiszPlikPrm(path, next, next.section, {}, Failing(Step::kWrite, ".PRM."));
  EXPECT_FALSE(w.ok);
  EXPECT_EQ(w.error, "Nie można zapisać pliku z opisem przekroju");
  EXPECT_EQ(w.detail, "(" + path + ", File too large)");
  EXPECT_EQ(Slurp(path), before);
  EXPECT_EQ(Temporaries(folder), std::vector<std::string>{});

  EXPECT_FALSE(Save(folder.file("no/such/folder/P.PRM"), Rectangle()).ok);
  ASSERT_TRUE(Save(path, ThreeFigures()).ok);
  EXPECT_EQ(CzytajPlikPrm(path).model.figureCount, 3);
}

// A composite of 50 components from five "Proste" families, each moved, turned, some mirrored
// and weighted in the editor: every figure record comes back whole (kind, choices, texts,
// outline, placement, weight, properties), and the file read and written again is the same
// file byte for byte.
TEST(SectionFileComposite, FiftyComponentsRoundTripBitExactly) {
  SectionModel model;
  Selection selection;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  SketchMapping mapping;
  EdytorZlozony editor(model, selection, dispatcher, settings, sink, mapping);
  editor.pokaz();
  for (int k = 1; k <= 50; ++k) {
    Selection s;
    s.kind = kProste;
    const std::string a = std::to_string(40 + k) + " mm", b = std::to_string(4 + k % 7) + " mm";
    switch (k % 5) {
      case 0:  // rectangle: height, width
        s.setText(0, a), s.setText(1, b);
        break;
      case 1:  // circle: diameter
        s.sub = 1, s.setText(0, a);
        break;
      case 2:  // round pipe: diameter, wall
        s.sub = 2, s.setText(0, a), s.setText(1, b);
        break;
      case 3:  // I: height, web, width, flange
        s.sub = 4, s.setText(0, a), s.setText(1, b), s.setText(2, "30 mm"), s.setText(4, b);
        break;
      default:  // tee: height, web, width, flange
        s.sub = 7, s.setText(0, a), s.setText(1, b), s.setText(2, "50 mm"), s.setText(4, b);
    }
    ASSERT_TRUE(editor.nowy(kProste));
    ASSERT_TRUE(editor.zbuduj(s)) << k;
    ASSERT_TRUE(editor.powrot()) << k;
    if (k % 3 == 0) editor.lustroX();
    if (k % 7 == 0) editor.lustroY();
    ASSERT_TRUE(editor.wpiszObrot(std::to_string(k * 37 % 360)));
    ASSERT_TRUE(editor.wpiszX(std::to_string(k * 7) + ",25"));
    ASSERT_TRUE(editor.wpiszY("-" + std::to_string(k * 3)));
    if (k % 4 == 0) {
      ASSERT_TRUE(editor.waga("2,5"));
    }
  }
  ASSERT_EQ(model.figureCount, 50);
  ASSERT_TRUE(SectionBuilt(model));

  TempFolder folder;
  const std::string first = folder.file("zlozony.PRM"), second = folder.file("znowu.PRM");
  ASSERT_TRUE(ZapiszPlikPrm(first, model, model.section, {}).ok);
  const ReadResult read = CzytajPlikPrm(first);
  ASSERT_TRUE(read.ok) << read.error << read.detail;
  EXPECT_EQ(read.model.kind, kZlozone);
  EXPECT_EQ(read.model.figureCount, 50);
  EXPECT_EQ(read.model.currentFigure, 50);
  EXPECT_EQ(read.model.section, model.section);
  ASSERT_EQ(read.model.figures.size(), 51u);
  for (int f = 1; f <= 50; ++f) {
    // a file keeps no true outline: the figure's fields are what come back
    FigureRecord was = model.figures[static_cast<size_t>(f)];
    was.exactOuter.clear(), was.exactInner.clear();
    const FigureRecord& is = read.model.figures[static_cast<size_t>(f)];
    EXPECT_EQ(is, was) << "figure " << f;
    EXPECT_EQ(std::bit_cast<uint64_t>(is.originX), std::bit_cast<uint64_t>(was.originX));
    EXPECT_EQ(std::bit_cast<uint64_t>(is.rotation), std::bit_cast<uint64_t>(was.rotation));
    EXPECT_EQ(ZapisanyWybor(is), ZapisanyWybor(was)) << "figure " << f;
  }
  EXPECT_EQ(read.model.figures[20].props[slot::E], 2.5);
  EXPECT_EQ(read.model.figures[9].props[slot::E], 0);

  SectionModel again = read.model;
  ASSERT_TRUE(ZapiszPlikPrm(second, again, again.section, StoredTabFields(read.header)).ok);
  auto bytes = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(bytes(second), bytes(first));
  EXPECT_EQ(bytes(first).size(), 51u * 1792);
}

TEST(SectionFileSave, MoreThan255FiguresAreRefused) {
  TempFolder folder;
  SectionModel m;
  m.kind = kDowolne;
  m.working().setOuter(test::Rectangle(10, 10), {0, 0});
  for (int f = 0; f < 255; ++f) m.addFigure();
  ASSERT_TRUE(Save(folder.file("255.PRM"), m).ok);
  EXPECT_EQ(CzytajPlikPrm(folder.file("255.PRM")).model.figureCount, 255);

  m.addFigure();
  const WriteResult w = Save(folder.file("256.PRM"), m);
  EXPECT_FALSE(w.ok);
  EXPECT_EQ(w.error, "Za dużo figur w przekroju");
  EXPECT_NE(w.detail.find("256"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.file("256.PRM")));

  SectionModel list = PointList();
  list.imported.back().figure = 256;  // a point list counts by its figure numbers
  EXPECT_EQ(Save(folder.file("list.PRM"), list).error, "Za dużo figur w przekroju");
}

// what the reader would refuse is not written: an outline imported 2 km out
TEST(SectionFileSave, WhatTheReaderWouldRefuseIsNotSaved) {
  TempFolder folder;
  SectionModel far = PointList();
  far.imported.front().x = 2e6;
  const WriteResult w = Save(folder.file("far.PRM"), far);
  EXPECT_FALSE(w.ok);
  EXPECT_EQ(w.error, "Nie można zapisać pliku z opisem przekroju");
  EXPECT_NE(w.detail.find("rekord 1"), std::string::npos) << w.detail;
  EXPECT_FALSE(std::filesystem::exists(folder.file("far.PRM")));
}

TEST(FigureText, HoleHeadingAndPointLines) {
  SectionModel m;
  m.imported = {{0, 0, 1, 0, 0, true},
                {12.5, -3, 2, 0, 0, false},
                {12345.6, 0.1 + 0.2, 2, 0, 0, false},
                {100.0 / 3, -1e-7, 2, 0, 0, false}};
  EXPECT_EQ(TekstFigury(m, 1), "Zewnętrzna\r\n1   0   0   \r\n");
  EXPECT_EQ(TekstFigury(m, 3), "Zewnętrzna\r\n");
  const std::string hole = TekstFigury(m, 2);
  EXPECT_EQ(hole.substr(0, hole.find("\n3 ") + 1),
            "Wewnętrzna\r\n"
            "1   12,5   -3   \r\n"
            "2   12345,6   0,30000000000000004   \r\n");  // no digit lost to a shown result's rounding

  // written in cp1250 and read back by the program's point-file reader: the same points
  TempFolder folder;
  const std::string path = folder.file("Figura.TXT");
  ASSERT_TRUE(ZapiszTekstFigury(path, m, 2));
  EXPECT_EQ(Slurp(path).substr(0, 12), "Wewn\xEAtrzna\r\n");
  const PointListResult read = ReadPointList(path);
  ASSERT_TRUE(read.ok);
  EXPECT_TRUE(read.list.hole);
  EXPECT_EQ(read.list.points,
            (std::vector<Point>{{12.5, -3}, {12345.6, 0.1 + 0.2}, {100.0 / 3, -1e-7}}));

  // a figure of the table: its outline without the reference point
  SectionModel shapes;
  FigureRecord plate;
  const Point corners[] = {{0, 0}, {20, 0}, {20, 10}, {0, 10}};
  ASSERT_TRUE(plate.setOuter(corners, {10, 5}));
  shapes.figures.push_back(plate);
  shapes.figureCount = 1;
  EXPECT_EQ(TekstFigury(shapes, 1),
            "Zewnętrzna\r\n1   0   0   \r\n2   20   0   \r\n3   20   10   \r\n4   0   10   \r\n");
}

}  // namespace
}  // namespace tarvik
