// The command line end to end: point files in, section properties and exit codes out.
#include "cli/cli.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "engine/numbers.h"
#include "generators/database.h"
#include "io/section_file.h"
#include "tests/support/cli_families.h"
#include "tests/support/temp_folder.h"

namespace tarvik::cli {
namespace {

using nlohmann::json;

constexpr double kPi = 3.141592653589793;
const std::string kOuter = TARVIK_DEMO_DIR "/skrzynka-zewn.txt";  // 200 x 100, from (0, 0)
const std::string kHole = TARVIK_DEMO_DIR "/skrzynka-wewn.txt";   // 10 mm walls

// the demo box: 200 x 100 outside, 180 x 80 inside [cm^2, cm^4]
const double kBoxA = (200.0 * 100 - 180.0 * 80) / 100;
const double kBoxJx = (200.0 * 100 * 100 * 100 - 180.0 * 80 * 80 * 80) / 12 / 1e4;
const double kBoxJy = (100.0 * 200 * 200 * 200 - 80.0 * 180 * 180 * 180) / 12 / 1e4;

struct Outcome {
  int code;
  std::string out, err;
};

Outcome RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = Run(args, out, err);
  return {code, out.str(), err.str()};
}

using test::TempFolder;

TEST(Outline, DemoBoxMatchesItsClosedForms) {
  const Outcome r = RunCli({"outline", "--json", kOuter, kHole});
  EXPECT_EQ(r.code, kOk) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["ok"], true);
  EXPECT_EQ(j["name"], "Linia łamana");
  EXPECT_EQ(j["kind"], 6);
  EXPECT_TRUE(j["messages"].empty());
  struct Expected {
    const char* symbol;
    double value;
  };
  // clang-format off
  const Expected expected[] = {
      {"A", kBoxA},           {"J1", kBoxJx},          {"J2", kBoxJy},
      {"Wcx", kBoxJx / 5},    {"Wty", kBoxJy / 10},    {"xS", 100},
      {"yS", 50},             {"Oz", 2 * (200 + 100)}, {"Ow", 2 * (180 + 80)}};
  // clang-format on
  for (const auto& e : expected)
    EXPECT_NEAR(j["properties"][e.symbol].get<double>(), e.value, 1e-9 * (1 + e.value)) << e.symbol;
}

TEST(Cli, ExitCodesTellEngineErrorsBadUsageAndUnreadableFiles) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string line = folder.write("line.txt", "Zewn\n1 0 0\n2 50 50\n3 100 100\n");
  const std::string huge =
      folder.write("huge.txt", "Zewn\n1 0 0\n2 1e150 0\n3 1e150 1e150\n4 0 1e150\n");
  // a failure prints nothing on stdout but says why on stderr
  const struct {
    std::vector<std::string> args;
    int code;
    std::string out, err;  // text the output and the error stream must hold
  } cases[] = {
      {{"outline", kOuter, kHole}, kOk, "Linia łamana", ""},
      {{"outline", line}, kEngineError, "", "Zerowe pole przekroju"},
      // a square of 1e150 mm: J1 beyond any double, no table of nan
      {{"outline", huge}, kEngineError, "", "Wyniki poza zakresem liczb (J1)"},
      {{}, kUsage, "", "no command given"},
      {{"frobnicate", kOuter}, kUsage, "", "unknown command frobnicate"},
      {{"outline", "--bogus", kOuter}, kUsage, "", "unknown option --bogus"},
      {{"outline", "--json", "--all-digits"}, kUsage, "", "needs at least one point file"},
      {{"outline", kOuter, folder.file("missing.txt")}, kUnreadable, "", "Nie można otworzyć"},
      {{"outline", folder.file("")}, kUnreadable, "", "Nie można odczytać pliku"},  // a folder
      // compute: a refused dimension, a family still to come, a code outside the table
      {{"compute", "--kind", "4", "--sub", "2", "--t1", "100", "--t2", "51"},
       kEngineError,
       "",
       "Za duża grubość"},
      // a set needs a layout its family offers, and its spacings are numbers
      {{"compute", "--kind", "3", "--t1", "200"}, kEngineError, "", "Nie ma takiego układu (0)"},
      {{"compute", "--kind", "3", "--mode", "2", "--t1", "200", "--t3", "2OO"}, kUsage, "",
       "--t3 takes one number (mm)"},
      {{"compute", "--kind", "3", "--sub", "1", "--mode", "2", "--t1", "100", "--t3", "60 mm"},
       kOk, "Rozstaw H = 100 mm", ""},
      {{"compute", "--kind", "3", "--sub", "1", "--mode", "2", "--t1", "105", "--t3", "60 mm"},
       kEngineError, "", "Nie ma opisu takiego przekroju"},
      {{"compute", "--kind", "4", "--sub", "10"}, kEngineError, "", "Nie ma takiego przekroju"},
      // a composite without components builds nothing: no table of zeros
      {{"compute", "--kind", "5"}, kEngineError, "", "Nie zbudowano przekroju"},
      {{"compute", "--kind", "6"}, kEngineError, "", "Nie zbudowano przekroju"},
      {{"compute", "--sub", "0"}, kUsage, "", "compute needs --kind"},
      {{"compute", "--kind", "cztery"}, kUsage, "", "--kind takes a whole number"},
      {{"compute", "--kind", "4", "--t11", "1"}, kUsage, "", "unknown option --t11"},
      {{"compute", "--kind", "4", "--t1"}, kUsage, "", "--t1 needs a value"},
      {{"compute", "--kind", "4", "--position", "2 m"}, kUsage, "", "--position takes a number"},
      // a dimension text is one number and its unit, or refused before anything is built
      {{"compute", "--kind", "4", "--t1", "1e5"}, kUsage, "", "--t1 takes one number (mm), not"},
      // nor cut to its edit's characters
      {{"compute", "--kind", "4", "--t1", "100", "--t2", "10.00000000"}, kUsage, "",
       "--t2 is longer than its 10 characters"},
      {{"compute", "--kind", "4", "--t2", "1-2"}, kUsage, "", "--t2 takes one number (mm), not"},
      {{"compute", "--kind", "4", "--t1", "12x4"}, kUsage, "", "not \"12x4\""},
      {{"compute", "--kind", "4", "--t1", "25 cm"}, kUsage, "", "not \"25 cm\""},
      {{"compute", "--kind", "4", "--sub", "3", "--t3", "90 mm"}, kUsage, "", "(°), not \"90 mm\""},
      {{"compute", "--kind", "4", "--sub", "3", "--t1", "80 mm", "--t2", "12,5", "--t3", " 90° "},
       kOk, "Łuk80/12,5/90°", ""},
      // own cold-formed dimensions are numbers, the radius a bend radius; --hot is the box
      // tubes' and a cold-formed profile has no half
      {{"compute", "--kind", "2", "--variant", "0", "--mode", "1", "--t1", "12x4"}, kUsage, "",
       "--t1 takes one number (mm), not \"12x4\""},
      {{"compute", "--kind", "2", "--variant", "0", "--mode", "1", "--t4", "duzy"}, kUsage, "",
       "--t4 takes a bend radius"},
      {{"compute", "--kind", "4", "--sub", "2", "--variant", "3", "--t5", "x g"}, kUsage, "",
       "--t5 takes a bend radius"},
      {{"compute", "--kind", "4", "--sub", "2", "--hot"}, kUsage, "", "--hot is for the square"},
      {{"compute", "--kind", "2", "--variant", "9", "--hot"}, kUsage, "", "--hot is for the square"},
      {{"profile", "--half", "krga", "50x4"}, kUsage, "", "a cold-formed profile takes no"},
      // "Wzory ścisłe" is the Proste tab's: a rolled tube is always exact
      {{"compute", "--kind", "0", "--sub", "8", "--corners", "8"}, kUsage, "", "--kind 4 only"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Outcome r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_NE(r.out.find(c.out), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (c.code != kOk) {
      EXPECT_EQ(r.out, "");
    }
  }
  // under --json a failure is one object on stdout
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"outline", "--json", line},
        {"compute", "--json", "--kind", "5"},
        {"outline", "--json", folder.file("missing.txt")}}) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const Outcome r = RunCli(args);
    EXPECT_NE(r.code, kOk);
    const json j = json::parse(r.out);
    EXPECT_EQ(j["ok"], false);
    EXPECT_FALSE(j["error"].get<std::string>().empty());
    EXPECT_TRUE(j["messages"].is_array());
    EXPECT_FALSE(j.contains("properties"));
    EXPECT_NE(r.err.find(j["error"].get<std::string>()), std::string::npos) << r.err;
  }
  EXPECT_EQ(json::parse(RunCli({"outline", "--json", line}).out)["messages"][0]["text"],
            "Zerowe pole przekroju");
}

// a drawing's closed contours become the section: a 100 mm square of LINEs round a 50 mm
// square hole drawn as a closed LWPOLYLINE
TEST(Import, DrawingRingGivesItsAreaByHandScaledOnRequest) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  std::string body;
  for (const char* line : {"0 0 100 0", "100 0 100 100", "100 100 0 100", "0 100 0 0"}) {
    std::istringstream in(line);
    double x1, y1, x2, y2;
    in >> x1 >> y1 >> x2 >> y2;
    body += "0\nLINE\n10\n" + std::to_string(x1) + "\n20\n" + std::to_string(y1) + "\n11\n" +
            std::to_string(x2) + "\n21\n" + std::to_string(y2) + "\n";
  }
  body += "0\nLWPOLYLINE\n90\n4\n70\n1\n10\n25\n20\n25\n10\n75\n20\n25\n10\n75\n20\n75\n10\n25\n20\n75\n";
  const std::string ring =
      folder.write("ring.DXF", "0\r\nSECTION\r\n2\r\nENTITIES\r\n" + body + "0\nENDSEC\n0\nEOF\n");
  const double area = (100.0 * 100 - 50.0 * 50) / 100;                  // cm^2
  const double inertia = (std::pow(100.0, 4) - std::pow(50.0, 4)) / 12 / 1e4;  // cm^4
  for (const auto& [scale, factor] : {std::pair<std::string, double>{"1", 1}, {"10", 10}}) {
    SCOPED_TRACE(scale);
    const Outcome r = RunCli({"import", "--json", "--scale", scale, ring});
    ASSERT_EQ(r.code, kOk) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["kind"], 6);
    EXPECT_NEAR(j["properties"]["A"].get<double>(), area * factor * factor, 1e-9 * area * 100);
    EXPECT_NEAR(j["properties"]["J1"].get<double>(), inertia * std::pow(factor, 4),
                1e-9 * inertia * 1e4);
    EXPECT_NEAR(j["properties"]["xS"].get<double>(), 50 * factor, 1e-9);
  }
  // saved, the ring reopens as the "Dowolne" tab's point list of two contours
  const std::string base = folder.file("ring");
  ASSERT_EQ(RunCli({"import", "--save", base, ring}).code, kOk);
  const ReadResult saved = CzytajPlikPrm(base + ".PRM");
  ASSERT_TRUE(saved.ok) << saved.error << saved.detail;
  EXPECT_EQ(saved.model.kind, 6);
  EXPECT_EQ(saved.model.figureCount, 2);
  EXPECT_EQ(saved.model.imported.size(), 8u);
  EXPECT_NEAR(saved.model.section[slot::A], area, 1e-9 * area);

  // the demo plate: 200 x 100 with corners rounded to 10 mm and a hole of 50 mm; the chords
  // miss at most 2 pi r s of each full turn (s = r / 1000 here)
  const Outcome plate = RunCli({"import", "--json", "--all-digits", TARVIK_DEMO_DIR "/blacha-otwor.dxf"});
  ASSERT_EQ(plate.code, kOk) << plate.err;
  const double exact = (200.0 * 100 - (4 - kPi) * 100 - kPi * 625) / 100;
  const double bound = 2 * kPi * (10 * 0.01 + 25 * 0.025) / 100;
  EXPECT_NEAR(json::parse(plate.out)["properties"]["A"].get<double>(), exact, bound);

  // a point file is one contour
  const Outcome txt = RunCli({"import", "--json", kOuter});
  ASSERT_EQ(txt.code, kOk) << txt.err;
  EXPECT_NEAR(json::parse(txt.out)["properties"]["A"].get<double>(), 200, 1e-9);
}

TEST(Import, OpenOrDamagedDrawingsExitWithOneAndSayWhere) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string open = folder.write(
      "open.dxf", "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n"
                  "20\n50\n0\nENDSEC\n0\nEOF\n");
  const std::string damaged = folder.write("bad.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnan\n");
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
      {{"import", "--json", open}, kEngineError,
       "Rysunek ma otwarte łańcuchy odcinków: (0; 0) – (100; 50) [mm]"},
      {{"import", "--json", damaged}, kEngineError, "Niewłaściwa postać pliku (" + damaged + ", wiersz 8"},
      {{"import", "--json", folder.file("missing.dxf")}, kUnreadable, "Nie można otworzyć pliku"},
      {{"import", "--scale", "5", open}, kUsage, "--scale takes"},
      {{"import", folder.file("a.prm")}, kUsage, "import reads .dxf and .txt files"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const Outcome r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (c.code != kUsage) {
      EXPECT_EQ(json::parse(r.out)["ok"], false);
    }
  }
}

// the polygon's closed forms, which fall short of the circle's by less than 1e-6
TEST(Outline, TenThousandPointCircleStaysWithinItsPolygon) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const int n = 10000;
  const double r = 100, w = 2 * kPi / n;
  std::ostringstream text;
  text << "Zewnętrzna\n" << std::fixed << std::setprecision(12);
  for (int i = 0; i < n; ++i)
    text << i + 1 << "  " << r * std::cos(w * i) << "  " << r * std::sin(w * i) << "\n";
  const Outcome out = RunCli({"outline", "--json", folder.write("circle.txt", text.str())});
  EXPECT_EQ(out.code, kOk) << out.err;
  const json p = json::parse(out.out)["properties"];
  const double a = n / 2.0 * r * r * std::sin(w) / 100;
  const double j = n / 24.0 * std::pow(r, 4) * std::sin(w) * (2 + std::cos(w)) / 1e4;
  EXPECT_NEAR(p["A"].get<double>(), a, 1e-9);
  EXPECT_NEAR(p["J1"].get<double>(), j, 1e-9 * j);
  EXPECT_NEAR(p["J2"].get<double>(), j, 1e-9 * j);
  EXPECT_NEAR(p["xS"].get<double>(), 0, 1e-9);
  EXPECT_NEAR(p["Oz"].get<double>(), 2 * n * r * std::sin(kPi / n), 1e-8);
}

// the skipped lines become one warning and the rest is computed; a file name that is not UTF-8
// (cp1250 from an old disk) is shown with U+FFFD instead of ending the program
TEST(Outline, SkippedLinesBecomeAWarningAndTheRestIsComputed) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string square = folder.write(
      "kwadrat-\xEA.txt", "Zewn\n1 0 0\nśmieci\n2 40 0\n3 40 40 40\n4 40 40\n\n5 0 40\n");
  const Outcome r = RunCli({"outline", "--json", square});
  EXPECT_EQ(r.code, kOk) << r.err;
  const json j = json::parse(r.out);
  EXPECT_NEAR(j["properties"]["A"].get<double>(), 40.0 * 40 / 100, 1e-12);
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0]["title"], "UWAGA");
  EXPECT_EQ(j["messages"][0]["detail"], "(" + folder.file("kwadrat-\xEF\xBF\xBD.txt") + ": 3, 5)");
}

TEST(Compute, BuildsTheChosenSectionWithItsOutlineAndDimensions) {
  const Outcome r =
      RunCli({"compute", "--json", "--kind", "4", "--sub", "0", "--t1", "100 mm", "--t2", "10 mm"});
  EXPECT_EQ(r.code, kOk) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["name"], "100x10");
  EXPECT_EQ(j["kind"], 4);
  ASSERT_EQ(j["figures"].size(), 1u);
  const json& f = j["figures"][0];
  EXPECT_EQ(f["outer"].size(), 4u);
  EXPECT_EQ(f["reference"], json::parse("[0.0, 0.0]"));
  EXPECT_TRUE(f["inner"].empty());
  EXPECT_NEAR(f["g"].get<double>(), 1, 1e-12);
  ASSERT_EQ(j["dimensions"].size(), 2u);
  EXPECT_EQ(j["dimensions"][0]["value"], 100.0);
}

// --fe: the finite-element values beside the formula ones. The rectangle's torsion constant
// against Saint-Venant's series; plates apart have no common warping or shear centre; an
// outline the mesher cannot take keeps its formula report and exit code, with the reason
TEST(Fe, AddsTheFiniteElementValuesOrSaysWhyNot) {
  double sum = 0;  // J = beta a b^3 of the 100 x 50 rectangle [cm^4]
  for (int n = 1; n < 200; n += 2) sum += std::tanh(n * kPi) / std::pow(n, 5);
  const double rectangleJ = (1.0 / 3 - 64 / std::pow(kPi, 5) * 0.5 * sum) * 100 * 50 * 50 * 50 / 1e4;
  const Outcome r = RunCli({"compute", "--fe", "--json", "--kind", "4", "--sub", "0", "--t1",
                            "100 mm", "--t2", "50 mm"});
  ASSERT_EQ(r.code, kOk) << r.err;
  const json fe = json::parse(r.out)["fe"];
  EXPECT_NEAR(fe["J"].get<double>(), rectangleJ, 1e-3 * rectangleJ);
  EXPECT_NEAR(std::hypot(fe["xT"].get<double>(), fe["yT"].get<double>()), 0, 0.03);  // 0,1 % ρ
  EXPECT_EQ(fe["parts"], 1);

  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string lower = folder.write("lower.txt", "Zewn\n1 0 0\n2 100 0\n3 100 10\n4 0 10\n");
  const std::string upper = folder.write("upper.txt", "Zewn\n1 0 50\n2 60 50\n3 60 70\n4 0 70\n");
  const Outcome apart = RunCli({"outline", "--fe", "--json", lower, upper});
  ASSERT_EQ(apart.code, kOk) << apart.err;
  const json two = json::parse(apart.out)["fe"];
  EXPECT_EQ(two["parts"], 2);
  EXPECT_TRUE(two["Iw"].is_null() && two["xT"].is_null() && two["yT"].is_null());
  EXPECT_EQ(two["note"], "części niepołączone");
  const Outcome text = RunCli({"outline", "--fe", lower, upper});
  EXPECT_NE(text.out.find("Jw (MES)= części niepołączone"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("xT, yT (MES)= części niepołączone"), std::string::npos);

  // a figure-eight: the formulas integrate it, the mesher refuses it
  const std::string crossing = folder.write("eight.txt", "Zewn\n1 0 0\n2 100 100\n3 100 0\n4 0 60\n");
  const Outcome refused = RunCli({"outline", "--fe", "--json", crossing});
  EXPECT_EQ(refused.code, kOk) << refused.err;
  const json j = json::parse(refused.out);
  EXPECT_GT(j["properties"]["A"].get<double>(), 0);
  EXPECT_EQ(j["fe"]["error"].get<std::string>().rfind("Nie można podzielić przekroju", 0), 0u);
  const Outcome said = RunCli({"outline", "--fe", crossing});
  EXPECT_EQ(said.code, kOk);
  EXPECT_NE(said.out.find("MES    = Nie można podzielić przekroju"), std::string::npos) << said.out;
}

// a set's members apart twist each on its own, on the true fillets their copies take along:
// two channels give twice one channel's J (on the drawn outlines they gave 11 % more)
TEST(Fe, ASetsMembersKeepTheirTrueFillets) {
  const std::string db = TARVIK_PROFILE_DATABASE;
  const Outcome one = RunCli({"profile", "--fe", "--json", "--profiles", db, "CPN", "100"});
  const Outcome two = RunCli({"compute", "--fe", "--json", "--profiles", db, "--kind", "3", "--sub",
                              "1", "--mode", "2", "--t1", "100", "--t3", "200 mm"});
  ASSERT_EQ(one.code, kOk) << one.err;
  ASSERT_EQ(two.code, kOk) << two.err;
  const json a = json::parse(one.out)["fe"], b = json::parse(two.out)["fe"];
  EXPECT_EQ(b["parts"], 2);
  EXPECT_NEAR(b["J"].get<double>(), 2 * a["J"].get<double>(), 1e-3 * a["J"].get<double>());
}

// A section file keeps the drawn outlines only; opened again, a profile, a composite's
// mirrored, turned and moved IPE and a set's channels get their true fillets back from their
// generators, and the finite-element values are the ones the section had when built (on the
// drawn outline, three points to a fillet, the IPE's J came out 9 % higher)
TEST(Fe, ASavedSectionOpensWithItsTrueFillets) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string db = TARVIK_PROFILE_DATABASE;
  const std::string composite = folder.write("ipe.json", R"([
    {"kind": 0, "sub": 0, "variant": 1, "texts": ["200"], "mirror_y": true, "angle": 180, "dx": 7},
    {"kind": 4, "sub": 0, "texts": ["10 mm", "100 mm"], "dy": 105}
  ])");
  struct Case {
    const char* name;
    std::vector<std::string> build;  // ends with --save BASE
  } cases[] = {
      {"profile", {"profile", "--fe", "--json", "--profiles", db, "IPE", "200"}},
      {"composite", {"compose", "--fe", "--json", "--profiles", db, composite}},
      {"set of two channels", {"compute", "--fe", "--json", "--profiles", db, "--kind", "3", "--sub",
                               "1", "--mode", "2", "--t1", "100", "--t3", "200 mm"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string base = folder.file(c.name);
    std::vector<std::string> build = c.build;
    build.insert(build.begin() + 1, {"--save", base});
    const Outcome built = RunCli(build);
    ASSERT_EQ(built.code, kOk) << built.err;
    const Outcome opened = RunCli({"open", "--fe", "--json", "--profiles", db, base + ".PRM"});
    ASSERT_EQ(opened.code, kOk) << opened.err;
    const json a = json::parse(built.out)["fe"], b = json::parse(opened.out)["fe"];
    ASSERT_TRUE(a.contains("J") && b.contains("J")) << a << b;
    for (const char* key : {"J", "Iw", "Avx", "Avy"}) {
      if (a[key].is_null()) {  // parts apart have no common warping constant
        EXPECT_TRUE(b[key].is_null()) << key;
        continue;
      }
      EXPECT_NEAR(b[key].get<double>(), a[key].get<double>(), 1e-6 * std::fabs(a[key].get<double>())) << key;
    }
  }
}

// compose: the demo's IPE 200 with a 100 x 10 plate on each flange, the lower one of weight
// 2, against the profile alone and the parallel-axis theorem (the I and the plates are built
// centred on the origin)
TEST(Compose, IpeWithTwoPlatesByTheParallelAxisTheorem) {
  const std::string db = TARVIK_PROFILE_DATABASE;
  const Outcome ipe = RunCli({"profile", "--json", "--profiles", db, "IPE", "200"});
  ASSERT_EQ(ipe.code, kOk) << ipe.err;
  const json i = json::parse(ipe.out)["properties"];
  const double aI = i["A"].get<double>(), jxI = i["J1"].get<double>(), jyI = i["J2"].get<double>();

  const Outcome r = RunCli({"compose", "--json", "--profiles", db, TARVIK_DEMO_DIR "/ipe-nakladka.json"});
  ASSERT_EQ(r.code, kOk) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["name"], "Zespolony");
  EXPECT_EQ(j["kind"], 5);
  EXPECT_EQ(j["figures"].size(), 3u);
  const json& p = j["properties"];
  // weighted: the upper plate (10 cm^2 at +105 mm) once, the lower one twice
  const double a = aI + 10 + 2 * 10, yc = (10 * 105.0 - 2 * 10 * 105.0) / a;
  const double plate = 100.0 * 1000 / 12 / 1e4;  // about its own axis [cm^4]
  const double jx = jxI + aI * std::pow(yc / 10, 2) + plate + 10 * std::pow((105 - yc) / 10, 2) +
                    2 * (plate + 10 * std::pow((105 + yc) / 10, 2));
  const double jy = jyI + 3 * (10.0 * 1e6 / 12 / 1e4);
  EXPECT_NEAR(p["A"].get<double>(), a, 1e-9);
  EXPECT_NEAR(p["yS"].get<double>(), yc, 1e-9);
  EXPECT_NEAR(p["J1"].get<double>(), jx, 1e-6 * jx);
  EXPECT_NEAR(p["J2"].get<double>(), jy, 1e-6 * jy);
}

// two 100 x 20 plates, the second turned a quarter and mirrored twice, shifted, saved and
// opened again
TEST(Compose, TransformsSavesAndOpensAgain) {
  TempFolder folder;
  const std::string file = folder.write("dwie.json", R"([
    {"kind": 4, "texts": ["100 mm", "20 mm"]},
    {"kind": 4, "sub": 0, "texts": ["100 mm", "20 mm"], "angle": 90, "dx": 60, "dy": -40.5,
     "mirror_x": true, "mirror_y": true, "weight": 1}
  ])");
  const std::string base = folder.file("dwie");
  const Outcome r = RunCli({"compose", "--json", "--save", base, file});
  ASSERT_EQ(r.code, kOk) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["name"], "Złożona");
  const json& p = j["properties"];
  // upright 20 x 100 at (0, 0), lying 100 x 20 at (60, -40.5) [cm]
  const double a = 40, xc = 60.0 / 2, yc = -40.5 / 2;
  const double jx = (20.0 * 1e6 / 12 + 100.0 * 8000 / 12) / 1e4 + 2 * 20 * std::pow(yc / 10, 2);
  const double jy = (100.0 * 8000 / 12 + 20.0 * 1e6 / 12) / 1e4 + 2 * 20 * std::pow(xc / 10, 2);
  const double jxy = 20 * (0 - xc) * (0 - yc) / 100 + 20 * (60 - xc) * (-40.5 - yc) / 100;
  const double r2 = std::sqrt(std::pow(jx - jy, 2) / 4 + jxy * jxy);
  EXPECT_NEAR(p["A"].get<double>(), a, 1e-9);
  EXPECT_NEAR(p["xS"].get<double>(), xc, 1e-9);
  EXPECT_NEAR(p["yS"].get<double>(), yc, 1e-9);
  EXPECT_NEAR(p["J1"].get<double>(), (jx + jy) / 2 + r2, 1e-6);
  EXPECT_NEAR(p["J2"].get<double>(), (jx + jy) / 2 - r2, 1e-6);

  const Outcome opened = RunCli({"open", "--json", base + ".PRM"});
  ASSERT_EQ(opened.code, kOk) << opened.err;
  const json o = json::parse(opened.out);
  EXPECT_EQ(o["kind"], 5);
  EXPECT_EQ(o["figures"], j["figures"]) << "each component where it was placed";
  EXPECT_EQ(o["properties"]["J1"], p["J1"]);
}

// a bad field names the component and the field, exits with 2 and neither prints nor saves a
// section; a component that builds nothing exits with 1 and the generator's message
TEST(Compose, BadInputNamesTheComponentAndTheField) {
  TempFolder folder;
  const std::string plate = R"({"kind": 4, "texts": ["100 mm", "20 mm"]})";
  struct Case {
    std::string content;
    int code;
    std::string says;
  };
  const Case cases[] = {
      {"[" + plate + R"(, {"kind": 4, "texts": ["10 mm", "5 mm"], "weight": 0}])", kUsage,
       "component 2: field \"weight\""},
      {"[" + plate + R"(, {"kind": 4, "weight": -1}])", kUsage, "component 2: field \"weight\""},
      {R"([{"kind": 4, "weight": "2"}])", kUsage, "component 1: field \"weight\""},
      {R"([{"kind": 3}])", kUsage, "component 1: field \"kind\""},
      {R"([{"sub": 0}])", kUsage, "component 1: field \"kind\" missing"},
      {R"([{"kind": 4, "sub": 1.5}])", kUsage, "component 1: field \"sub\""},
      {R"([{"kind": 4, "variant": 4294967296}])", kUsage, "component 1: field \"variant\""},
      {R"([{"kind": 4, "texts": ["1e5"]}])", kUsage, "component 1: field \"texts\" item 1"},
      {R"([{"kind": 4, "texts": ["100 mm", "20 mm and more"]}])", kUsage, "field \"texts\" item 2"},
      {R"([{"kind": 4, "texts": "100"}])", kUsage, "component 1: field \"texts\""},
      {"[" + plate + R"(, {"kind": 4, "dx": "5"}])", kUsage, "component 2: field \"dx\""},
      {R"([{"kind": 4, "angle": 1e-9}])", kUsage, "component 1: field \"angle\""},
      {R"([{"kind": 4, "mirror_x": 1}])", kUsage, "component 1: field \"mirror_x\""},
      {R"([{"kind": 4, "dz": 1}])", kUsage, "component 1: field \"dz\""},
      {R"([4])", kUsage, "component 1:"},
      {R"({"kind": 4})", kUsage, "list of components"},
      {R"([])", kUsage, "list of components"},
      {R"([{"kind": 4,)", kUsage, "not a JSON file"},
      {"[" + plate + R"(, {"kind": 0, "sub": 0, "variant": 1, "texts": ["999"]}])", kEngineError,
       "component 2 not added"},
      {"[" + plate + R"(, {"kind": 4, "texts": ["0 mm", "20 mm"]}])", kEngineError,
       "component 2 not added"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    const std::string file = folder.write("bad.json", c.content);
    const std::string base = folder.file("bad");
    const Outcome r = RunCli({"compose", "--profiles", TARVIK_PROFILE_DATABASE, "--save", base, file});
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(base + ".PRM"));
    const Outcome j = RunCli({"compose", "--json", "--profiles", TARVIK_PROFILE_DATABASE, file});
    EXPECT_EQ(j.code, c.code);
    EXPECT_EQ(json::parse(j.out)["ok"], false);
  }
  const Outcome missing = RunCli({"compose", folder.file("none.json")});
  EXPECT_EQ(missing.code, kUnreadable);
  EXPECT_EQ(RunCli({"compose"}).code, kUsage);
  EXPECT_EQ(RunCli({"compose", "--turn", folder.file("bad.json")}).code, kUsage);
}

// --save writes the pair the window writes; open shows the data file as the saving command did
TEST(Open, ShowsASavedSectionAsTheCommandThatSavedIt) {
  TempFolder folder;
  for (std::vector<std::string> args :
       {std::vector<std::string>{"compute", "--kind", "4", "--t1", "100 mm", "--t2", "60 mm"},
        {"profile", "--profiles", TARVIK_PROFILE_DATABASE, "HEB", "300"}}) {
    SCOPED_TRACE(args[0]);
    const std::string base = folder.file(args[0]);
    args.insert(args.begin() + 1, {"--save", base});
    const Outcome saved = RunCli(args);
    ASSERT_EQ(saved.code, kOk) << saved.err;
    EXPECT_EQ(RunCli({"open", base + ".PRM"}).code, kOk);
#ifdef TARVIK_CLI_PICTURE  // the sanitizer build leaves the Qt picture out, and says so
    EXPECT_EQ(RunCli({"open", base + ".PRM"}).out, saved.out);
    std::ifstream picture(base + ".BMP", std::ios::binary);
    char magic[2] = {};
    picture.read(magic, 2);
    EXPECT_EQ(std::string(magic, 2), "BM");
#endif
  }
  const Outcome missing = RunCli({"open", folder.file("none.PRM")});
  EXPECT_EQ(missing.code, kUnreadable);
  EXPECT_NE(missing.err.find("Nie ma pliku z opisem przekroju"), std::string::npos);
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// tarvik-cli itself under a file-size limit smaller than the new files: the save fails with
// the system's reason and exit code 1 instead of the program being ended half-way by
// SIGXFSZ, and the pair saved before stays as it was, without a temporary beside it
TEST(Open, AFileSizeLimitFailsTheSaveAndKeepsTheOldPair) {
  TempFolder folder;
  const std::string base = folder.file("belka");
  ASSERT_EQ(RunCli({"compute", "--kind", "4", "--t1", "100 mm", "--t2", "60 mm", "--save", base}).code,
            kOk);
  const std::string oldPicture = Slurp(base + ".BMP"), oldData = Slurp(base + ".PRM");
  std::vector<std::string> args = {TARVIK_CLI, "compute", "--kind", "4", "--t1", "200 mm",
                                   "--t2", "60 mm", "--save", base};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const std::string errors = folder.file("stderr");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{2048, 2048};  // a data file alone is 3584 bytes
    const int fd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || dup2(fd, 2) < 0 || setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(100);
    execv(argv[0], argv.data());
    _exit(101);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), kEngineError);
  const std::string said = Slurp(errors);
  EXPECT_NE(said.find("Nie można zapisać"), std::string::npos) << said;
  EXPECT_NE(said.find("File too large"), std::string::npos) << said;
  EXPECT_EQ(Slurp(base + ".PRM"), oldData);
  EXPECT_EQ(Slurp(base + ".BMP"), oldPicture);
  for (const auto& e : std::filesystem::directory_iterator(folder.file("")))
    EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

// a file saved by the command line keeps the tab's choice: rebuilt from it, every family
// gives back the properties it stored (list positions of rolled sizes, the tee's texts, the
// haunched I's variant, a corner count, a depth gradient once went astray)
TEST(Open, RebuildsEveryFamilyFromTheStoredChoice) {
  TempFolder folder;
  const std::string db = TARVIK_PROFILE_DATABASE;
  int n = 0;
  for (std::vector<std::string> args : test::EveryFamily(db)) {
    SCOPED_TRACE(::testing::PrintToString(args));
    const std::string base = folder.file("f" + std::to_string(++n));
    args.insert(args.end(), {"--json", "--save", base});
    const Outcome saved = RunCli(args);
    ASSERT_EQ(saved.code, kOk) << saved.err;
    const Outcome rebuilt = RunCli({"open", "--json", "--rebuild", "--profiles", db, base + ".PRM"});
    EXPECT_EQ(rebuilt.code, kOk) << rebuilt.err;
    const json a = json::parse(saved.out)["properties"], b = json::parse(rebuilt.out)["properties"];
    for (const auto& [symbol, value] : a.items())
      EXPECT_DOUBLE_EQ(b[symbol].get<double>(), value.get<double>()) << symbol;
    // a member of variable depth keeps its gradient, and says so in its name (cut to 20
    // characters: "Bisymetryczny-Zmienn", "2T3-42x20/6/15-Zmien")
    const auto gradient = std::find(args.begin(), args.end(), "--gradient");
    const json stored = json::parse(RunCli({"open", "--json", base + ".PRM"}).out);
    // the timber and concrete tabs take their rate in cm/m and store mm/m
    const auto kind = std::find(args.begin(), args.end(), "--kind");
    const bool cm = kind != args.end() && (*(kind + 1) == "8" || *(kind + 1) == "9");
    std::string rate = gradient == args.end() ? "0" : *(gradient + 1);
    std::replace(rate.begin(), rate.end(), ',', '.');
    EXPECT_DOUBLE_EQ(stored["properties"]["slot45"].get<double>(), std::stod(rate) * (cm ? 10 : 1));
    EXPECT_EQ(stored["name"].get<std::string>().find("-Zmien") != std::string::npos,
              gradient != args.end());
  }
}

// a stored value the choice does not give (a correction made in the results window), and a
// choice the tab cannot offer, are failures of --rebuild
TEST(Open, RebuildReportsDifferencesAndChoicesItCannotMake) {
  TempFolder folder;
  const std::string db = TARVIK_PROFILE_DATABASE;
  const std::string base = folder.file("IPE200");
  ASSERT_EQ(RunCli({"profile", "--profiles", db, "--save", base, "IPE", "200"}).code, kOk);
  ReadResult read = CzytajPlikPrm(base + ".PRM");
  ASSERT_TRUE(read.ok);

  auto rewrite = [&](const std::string& name, auto change) {
    SectionModel model = read.model;
    model.figures[0] = model.figures[1];  // the working figure, as a built section holds it
    model.figures.resize(1);
    TabFields fields = StoredTabFields(read.header);
    change(model, fields);
    EXPECT_TRUE(ZapiszPlikPrm(folder.file(name), model, model.section, fields).ok);
    return RunCli({"open", "--rebuild", "--profiles", db, folder.file(name)});
  };
  const Outcome corrected = rewrite("J.PRM", [](SectionModel& m, TabFields&) {
    m.section[slot::J1] = 2000;
  });
  EXPECT_EQ(corrected.code, kEngineError);
  EXPECT_NE(corrected.err.find("J1: 2000 -> 1943"), std::string::npos) << corrected.err;
  EXPECT_NE(corrected.out.find("IPE200"), std::string::npos) << "the rebuilt section is shown";

  const Outcome beyond = rewrite("Z.PRM", [](SectionModel&, TabFields& f) { f.integers[5] = 58; });
  EXPECT_EQ(beyond.code, kEngineError);
  EXPECT_NE(beyond.err.find("profil nr 58 poza listą"), std::string::npos) << beyond.err;
  EXPECT_EQ(beyond.out, "");
}

// a set's JSON says which spacings it used: a raised one as raised, none where the layout has
// none
TEST(Compute, SetReportsTheSpacingsItUsed) {
  const std::string db = TARVIK_PROFILE_DATABASE;
  const Outcome raised = RunCli({"compute", "--json", "--profiles", db, "--kind", "3", "--sub", "1",
                                 "--mode", "2", "--t1", "100", "--t3", "60 mm"});
  ASSERT_EQ(raised.code, kOk) << raised.err;
  const json r = json::parse(raised.out);
  EXPECT_EQ(r["name"], "2xC100/100");
  EXPECT_EQ(r["spacings"]["horizontal"].get<double>(), 100);
  EXPECT_TRUE(r["spacings"]["vertical"].is_null());
  EXPECT_EQ(r["figures"].size(), 2u);
  const Outcome both = RunCli({"compute", "--json", "--profiles", db, "--kind", "3", "--sub", "4",
                               "--mode", "4", "--t1", "219,1", "--t2", "8,0", "--t3", "300 mm",
                               "--t4", "250 mm"});
  ASSERT_EQ(both.code, kOk) << both.err;
  const json b = json::parse(both.out);
  EXPECT_EQ(b["spacings"]["horizontal"].get<double>(), 300);
  EXPECT_EQ(b["spacings"]["vertical"].get<double>(), 250);
  EXPECT_EQ(b["figures"].size(), 4u);
  const Outcome closed = RunCli({"compute", "--json", "--profiles", db, "--kind", "3", "--sub", "1",
                                 "--mode", "1", "--t1", "100"});
  EXPECT_TRUE(json::parse(closed.out)["spacings"]["horizontal"].is_null());
}

// 10 mm/m at 2 m on a 200 mm I: the section is built 220 mm deep
TEST(Compute, EvaluatesAMemberOfVariableDepth) {
  const Outcome r =
      RunCli({"compute", "--json", "--kind", "4", "--sub", "4", "--t1", "200 mm", "--t2", "10 mm",
              "--t3", "100 mm", "--t5", "10 mm", "--gradient", "10", "--position", "2"});
  EXPECT_EQ(r.code, kOk) << r.err;
  const json outer = json::parse(r.out)["figures"][0]["outer"];
  double top = -1e9, bottom = 1e9;
  for (const json& p : outer)
    top = std::max(top, p[1].get<double>()), bottom = std::min(bottom, p[1].get<double>());
  EXPECT_NEAR(top - bottom, 220, 1e-9);
}

// a ribbed slab's properties as compute prints them under --json, failing the test on a
// failure
json RibbedProperties(std::vector<std::string> options) {
  options.insert(options.begin(), {"compute", "--json", "--profiles", TARVIK_PROFILE_DATABASE,
                                   "--kind", "7"});
  const Outcome r = RunCli(options);
  EXPECT_EQ(r.code, kOk) << r.err;
  return r.code == kOk ? json::parse(r.out)["properties"] : json::object();
}

// a flat bar 100 x 10 hanging from the slab 10 x 300 is a tee: its area, centroid and moments
// by the parallel-axis theorem, the slab's underside on y = 0 (the default slab, and the same
// typed out with the rib's texts in double quotes)
TEST(Ribbed, FlatBarUnderTheSlabIsTheTeeByHand) {
  const double aSlab = 300.0 * 10, aBar = 10.0 * 100;  // [mm^2]
  const double y = (aSlab * 5 + aBar * -50) / (aSlab + aBar);
  const double jx = 300.0 * 10 * 10 * 10 / 12 + aSlab * (5 - y) * (5 - y) +
                    10.0 * 100 * 100 * 100 / 12 + aBar * (-50 - y) * (-50 - y);
  const double jy = 10.0 * 300 * 300 * 300 / 12 + 100.0 * 10 * 10 * 10 / 12;
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--rib", "--kind 4 --sub 0 --t1 '100 mm' --t2 '10 mm'"},
        {"--slab-t", "10", "--slab-b", "300 mm", "--rib", R"(--kind 4 --t1 "100 mm" --t2 10)"}}) {
    SCOPED_TRACE(::testing::PrintToString(options));
    const json p = RibbedProperties(options);
    EXPECT_NEAR(p["A"].get<double>(), (aSlab + aBar) / 100, 1e-9);
    EXPECT_NEAR(p["xS"].get<double>(), 0, 1e-9);
    EXPECT_NEAR(p["yS"].get<double>(), y, 1e-9);
    // principal moments, the larger first
    EXPECT_NEAR(p["J1"].get<double>(), std::max(jx, jy) / 1e4, 1e-9 * jy);
    EXPECT_NEAR(p["J2"].get<double>(), std::min(jx, jy) / 1e4, 1e-9 * jy);
  }
}

// a rolled channel laid on its back ("Obróć o 90 st") exchanges the rib's shear areas, which
// the section shows
TEST(Ribbed, TurnedChannelExchangesTheRibsShearAreas) {
  const Outcome alone = RunCli({"compute", "--json", "--profiles", TARVIK_PROFILE_DATABASE,
                                "--kind", "0", "--sub", "1", "--t1", "100"});
  ASSERT_EQ(alone.code, kOk) << alone.err;
  const json rib = json::parse(alone.out)["properties"];
  ASSERT_NE(rib["Avx"], rib["Avy"]);
  const json upright = RibbedProperties({"--rib", "--kind 0 --sub 1 --t1 100"});
  const json turned = RibbedProperties({"--turn90", "--rib", "--kind 0 --sub 1 --t1 100"});
  for (const json& p : {upright, turned})
    EXPECT_NEAR(p["A"].get<double>(), 10.0 * 300 / 100 + rib["A"].get<double>(), 1e-9);
  EXPECT_EQ(upright["Avx"], rib["Avx"]);
  EXPECT_EQ(upright["Avy"], rib["Avy"]);
  EXPECT_EQ(turned["Avx"], rib["Avy"]);
  EXPECT_EQ(turned["Avy"], rib["Avx"]);
}

TEST(Ribbed, RefusesWhatTheSlabOrItsRibCannotTake) {
  const std::string bar = "--kind 4 --t1 100 --t2 10";
  const struct {
    std::vector<std::string> args;  // after "compute"
    int code;
    std::string err;
  } cases[] = {
      {{"--kind", "7"}, kUsage, "--kind 7 needs --rib"},
      {{"--kind", "4", "--t1", "100", "--turn90"}, kUsage, "--turn90 is for --kind 7"},
      {{"--kind", "7", "--t1", "100", "--rib", bar}, kUsage, "--t1 is an option of the rib"},
      {{"--kind", "7", "--rib", "--kind 1 --t1 450p"}, kUsage, "a rib is of --kind 0, 2 or 4"},
      {{"--kind", "7", "--rib", bar + " --save x"}, kUsage, "--rib: --save is an option of the"},
      {{"--kind", "7", "--rib", bar + " --gradient 5"}, kUsage, "constant depth"},
      {{"--kind", "7", "--rib", "--kind 4 --t1 '100 mm"}, kUsage, "a quote is not closed"},
      {{"--kind", "7", "--rib", "--kind 4 --t1 1e5"}, kUsage, "--rib: --t1 takes one number (mm)"},
      {{"--kind", "7", "--turn90", "--rib", bar}, kUsage, "--turn90 turns a channel rib only"},
      {{"--kind", "7", "--slab-b", "3OO", "--rib", bar}, kUsage, "--slab-b takes one number (mm)"},
      {{"--kind", "7", "--slab-t", "10.000000 mm", "--rib", bar}, kUsage, "longer than its 10"},
      // refused by the generators: the rib's own message, no table
      {{"--kind", "7", "--rib", "--kind 4 --sub 2 --t1 100 --t2 51"}, kEngineError,
       "Za duża grubość"},
      {{"--kind", "7", "--profiles", "/nonexistent/PROFILE.DAT", "--rib", "--kind 0 --t1 100"},
       kEngineError, "Nie ma bazy danych"},
      {{"--kind", "7", "--slab-t", "0", "--rib", bar}, kEngineError, "Zerowe"}};
  for (const auto& c : cases) {
    std::vector<std::string> args = {"compute", "--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(::testing::PrintToString(args));
    const Outcome r = RunCli(args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (c.code == kEngineError) {
      EXPECT_EQ(json::parse(r.out)["ok"], false);
    }
  }
}

// a saved ribbed slab opens with its properties, and rebuilds from its stored rib and the
// slab's texts and turn its header keeps
TEST(Ribbed, SavedSlabOpensAndRebuildsTheSame) {
  TempFolder folder;
  const std::string db = TARVIK_PROFILE_DATABASE;
  int n = 0;
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--rib", "--kind 4 --t1 '100 mm' --t2 '10 mm'"},
        {"--slab-t", "12 mm", "--slab-b", "600 mm", "--turn90", "--rib",
         "--kind 0 --sub 1 --t1 100"},
        {"--slab-t", "8", "--slab-b", "600", "--rib",
         "--kind 2 --variant 9 --t1 60x57x25 --t2 1,5"}}) {
    SCOPED_TRACE(::testing::PrintToString(options));
    const std::string base = folder.file("zebro" + std::to_string(++n));
    std::vector<std::string> args = {"compute", "--json", "--profiles", db,
                                     "--save",  base,     "--kind",     "7"};
    args.insert(args.end(), options.begin(), options.end());
    const Outcome saved = RunCli(args);
    ASSERT_EQ(saved.code, kOk) << saved.err;
    const json built = json::parse(saved.out)["properties"];
    for (const bool rebuild : {false, true}) {
      std::vector<std::string> open = {"open", "--json", base + ".PRM"};
      if (rebuild) open.push_back("--rebuild");
      const Outcome r = RunCli(open);
      ASSERT_EQ(r.code, kOk) << r.err;
      const json p = json::parse(r.out)["properties"];
      for (const auto& [symbol, value] : built.items())
        EXPECT_DOUBLE_EQ(p[symbol].get<double>(), value.get<double>()) << symbol << " " << rebuild;
    }
  }
}

TEST(Profiles, ListsTheFamiliesWithTheirCountsOrOneFamilysDesignations) {
  TempFolder folder;
  const std::string path = folder.file("PROFILE.DAT"), missing = folder.file("brak.dat");
  ASSERT_TRUE(
      WriteDatabase(path, {{"IPE", "IPE 80", {}}, {"Ł", "Ł 50x5", {}}, {"IPE", "IPE 100", {}},
                           {"KRga", "30x2", {}}}));
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string out, err;
  };
  const Case cases[] = {
      {{"profiles", "--profiles", path}, kOk, "IPE\t2\nŁ\t1\nKRga\t1\n", ""},
      // a code the catalogue spells in mixed case, typed in any case
      {{"profiles", "krGA", "--profiles", path}, kOk, "30x2\n", ""},
      {{"profiles", "--profiles", path, "IPE"}, kOk, "IPE 80\nIPE 100\n", ""},
      {{"profiles", "Ł", "--profiles", path}, kOk, "Ł 50x5\n", ""},
      {{"profiles", "ipe", "--profiles", path}, kOk, "IPE 80\nIPE 100\n", ""},
      {{"profiles", "HEB", "--profiles", path}, kEngineError, "", "przekroju (HEB)"},
      {{"profiles", "--profiles", missing}, kUnreadable, "", "Nie ma bazy danych (" + missing},
      {{"profiles", "--profiles", folder.file("")}, kUnreadable, "", "Niekompletna instalacja"},
      {{"profiles", "IPE", "Ł", "--profiles", path}, kUsage, "", "at most one family code"}};
  for (const Case& c : cases) {
    const Outcome r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.back() << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
}

TEST(Profile, BuildsACatalogueProfileAsTheRolledTabDoes) {
  const std::string db = TARVIK_PROFILE_DATABASE;
  TempFolder folder;  // a folder where the database should be: there, but unreadable
  const Outcome ipe = RunCli({"profile", "--profiles", db, "IPE", "200"});
  EXPECT_EQ(ipe.code, kOk) << ipe.err;
  EXPECT_EQ(ipe.out.substr(0, ipe.out.find("  [")), "IPE200");
  EXPECT_NE(ipe.out.find("A      = 28,5 cm^2"), std::string::npos) << ipe.out;

  const Outcome half = RunCli({"profile", "--json", "--half", "--profiles", db, "HEB", "300"});
  ASSERT_EQ(half.code, kOk) << half.err;
  const json j = json::parse(half.out);
  EXPECT_EQ(j["name"], "1/2I300");
  EXPECT_NEAR(j["properties"]["A"].get<double>(), 149.1 / 2, 0.06);

  struct Case {
    std::vector<std::string> args;
    int code;
    std::string err;
  };
  const Case cases[] = {
      {{"profile", "--profiles", db, "IPE", "201"}, kEngineError, "Nie ma opisu takiego przekroju"},
      {{"profile", "--profiles", db, "ipe", "200"}, kOk, ""},
      {{"profile", "--profiles", db, "XYZ", "200"}, kUsage, "no catalogue family XYZ"},
      {{"profile", "--profiles", db, "WT", "750-3"}, kUsage, "WT needs --web"},
      {{"profile", "--profiles", db, "--web", "3x", "WT", "750-3"}, kUsage, "one number"},
      {{"profile", "--profiles", db, "--web", "3,0", "WT", "500-1"}, kEngineError,
       "Nie ma takiej grubości środnika"},
      {{"profile", "--profiles", db, "--web", "3", "IPE", "200"}, kUsage, "for WT only"},
      {{"profile", "--profiles", db, "--castellated", "KWR", "20x3"}, kUsage, "2TPN, IPE and HEB"},
      {{"profile", "--profiles", db, "--high", "IPE", "300"}, kUsage, "with --castellated"},
      {{"profile", "--profiles", db, "--half", "KWR", "20x3"}, kUsage, "half section"},
      {{"profile", "--profiles", db, "IPE"}, kUsage, "a family code and a designation"},
      {{"profile", "--profiles", db + ".brak", "IPE", "200"}, kUnreadable, "Nie ma bazy danych"},
      {{"profile", "--profiles", folder.file(""), "IPE", "200"}, kUnreadable, ""}};
  for (const Case& c : cases) {
    const Outcome r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << c.args.back() << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (c.code != kOk) {
      EXPECT_EQ(r.out, "");
    }
  }
  // --help names the codes the catalogue holds
  const Outcome help = RunCli({"profile", "--help", "--profiles", db});
  EXPECT_EQ(help.code, kOk);
  for (const char* code : {" IPE", " HEB", " KWR", " TW"})
    EXPECT_NE(help.out.find(code), std::string::npos) << code;
  EXPECT_EQ(help.out.find(" ZDIN"), std::string::npos) << "not in the catalogue";
}

}  // namespace
}  // namespace tarvik::cli

namespace tarvik::cli {
namespace {

#ifdef TARVIK_CLI_PICTURE
// the text of a PDF as poppler's pdftotext lays it out, blanks run together
std::string PdfText(const std::string& pdf) {
  const std::string txt = pdf + ".txt";
  const std::string command = "pdftotext -layout '" + pdf + "' '" + txt + "'";
  if (std::system(command.c_str()) != 0) return "(pdftotext failed: scripts/install-deps.sh)";
  std::ifstream in(txt);
  std::string text, word;
  while (in >> word) text += word + " ";
  return text;
}

std::string Blanks(const std::string& line) {
  std::istringstream in(line);
  std::string text, word;
  while (in >> word) text += word + " ";
  return text;
}

// the page of each tab holds its report as text, with the numbers open --json gives for the
// saved section and, independently, the hand values of a 10 x 100 mm rectangle
TEST(Report, PdfHoldsTheTabsReportAsText) {
  TempFolder folder;
  const std::string base = folder.file("pas");
  ASSERT_EQ(RunCli({"compute", "--kind", "4", "--t1", "100 mm", "--t2", "10 mm", "--save", base}).code,
            kOk);
  const Outcome opened = RunCli({"open", "--json", base + ".PRM"});
  ASSERT_EQ(opened.code, kOk) << opened.err;
  const json p = json::parse(opened.out)["properties"];
  auto f = [&](const char* symbol, const char* unit, double divisor = 1, int decimals = -1) {
    return FormatLiczby(decimals, unit, p[symbol].get<double>() / divisor);
  };
  struct Tab {
    const char* tab;
    std::vector<std::string> lines;
  };
  const Tab tabs[] = {
      {"0",
       {"Pola przekroju", "poprzecz.A: 10 cm^2", "poprzecz.A: " + f("A", " cm^2"),
        "Ay/Az: " + f("Avy", "") + "/" + f("Avx", " cm^2"),
        // b h^3 / 3 for a thin strip: 100 * 10^3 / 3 mm^4 = 3,333 cm^4
        "skręcanie Js: 3,333 cm^4", "skręcanie Js: " + f("Jt", " cm^4"),
        // 100 * 10^3 / 12 and 10 * 100^3 / 12 mm^4
        "zginanie Jy: 0,8333 cm^4", "zginanie Jz: 83,33 cm^4",
        "na zginanie Wz: " + f("Wcx", " cm^3"), "Obw.zewnętrzny: 22 cm"}},
      {"1",
       {"A/Avx/Avy: " + f("A", "") + "/" + f("Avx", "") + "/" + f("Avy", " cm^2"),
        "Wplx/Wply: " + f("Wplx", "") + "/" + f("Wply", " cm^3"),
        "Jx/Jy: 83,33/0,8333 cm^4", "Jx/Jy: " + f("J1", "") + "/" + f("J2", " cm^4"),
        // sqrt(83,33 / 10) and sqrt(0,8333 / 10) cm
        "Promienie bezwładności", "ix/iy: 2,89/0,29 cm"}},
      {"2",
       {"Pole przekroju A: 10 cm^2", "xS/yS/al: " + f("xS", "", 1, 2) + "/" + f("yS", "mm", 1, 2) +
        "/0°", "J1/J2: 83,33/0,8333 cm^4", "Główne momenty bezwładności"}},
  };
  for (const Tab& t : tabs) {
    SCOPED_TRACE(t.tab);
    const std::string pdf = folder.file(std::string("strona") + t.tab + ".pdf");
    const Outcome r = RunCli({"report", "--tab", t.tab, "--pdf", pdf, base + ".PRM"});
    ASSERT_EQ(r.code, kOk) << r.err;
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("100x10"), std::string::npos) << text;
    for (const std::string& line : t.lines) {
      EXPECT_NE(text.find(Blanks(line)), std::string::npos) << line << "\nin: " << text;
      EXPECT_NE(Blanks(r.out).find(Blanks(line)), std::string::npos) << line;
    }
  }
  // line work and text, no picture of them: pdfimages lists its two heading lines only
  const std::string images = folder.file("obrazy.txt");
  ASSERT_EQ(std::system(("pdfimages -list '" + folder.file("strona0.pdf") + "' > '" + images + "'").c_str()), 0);
  std::istringstream listed(Slurp(images));
  std::string row;
  int rows = 0;
  while (std::getline(listed, row)) ++rows;
  EXPECT_EQ(rows, 2) << Slurp(images);
  // without --tab the first one
  const std::string plain = folder.file("plain.pdf");
  ASSERT_EQ(RunCli({"report", "--pdf", plain, base + ".PRM"}).code, kOk);
  EXPECT_NE(PdfText(plain).find("poprzecz.A:"), std::string::npos);
}

// seven sections three to a page fill two pages and a third as far as the seventh goes;
// each page holds the names of its own sections
TEST(Report, SectionsShareThePagesInTurn) {
  TempFolder folder;
  std::vector<std::string> args = {"report", "--json", "--per-page", "3", "--pdf",
                                   folder.file("siedem.pdf")};
  for (int i = 1; i <= 7; ++i) {
    const std::string base = folder.file("pas" + std::to_string(i));
    const std::string h = std::to_string(10 * i) + " mm";
    ASSERT_EQ(RunCli({"compute", "--kind", "4", "--t1", h, "--t2", "10 mm", "--save", base}).code, kOk);
    args.push_back(base + ".PRM");
  }
  const Outcome r = RunCli(args);
  ASSERT_EQ(r.code, kOk) << r.err;
  EXPECT_EQ(json::parse(r.out)["pages"], 3);
  EXPECT_EQ(json::parse(r.out)["sections"].size(), 7u);
  const std::string pdf = folder.file("siedem.pdf");
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    const std::string txt = folder.file("strona" + std::to_string(page) + ".txt");
    const std::string command = "pdftotext -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + pdf + "' '" + txt + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "pdftotext (scripts/install-deps.sh)";
    const std::string text = Slurp(txt);
    for (int i = 1; i <= 7; ++i) {
      const bool here = (i - 1) / 3 + 1 == page;
      EXPECT_EQ(text.find(std::to_string(10 * i) + "x10") != std::string::npos, here) << i;
    }
  }
  EXPECT_EQ(RunCli({"report", "--per-page", "6", "--pdf", pdf, args.back()}).code, kUsage);
}

// five to a page: a channel's long report (shear moments, plastic axes) stays inside its
// 51 mm box, which starts 10 + 56 p mm from the top of the sheet (7 mm of PDF margin, 3 mm
// more to the top margin, 51 mm boxes 5 mm apart)
TEST(Report, FiveToAPageKeepEachReportInsideItsBox) {
  TempFolder folder;
  const std::string base = folder.file("ceownik");
  ASSERT_EQ(RunCli({"compute", "--kind", "2", "--variant", "0", "--mode", "1", "--t1", "120 mm",
                    "--t2", "60 mm", "--t3", "4 mm", "--t4", "1,5 x g", "--save", base})
                .code,
            kOk);
  const std::string pdf = folder.file("piec.pdf");
  std::vector<std::string> args = {"report", "--tab", "1", "--per-page", "5", "--pdf", pdf};
  for (int i = 0; i < 5; ++i) args.push_back(base + ".PRM");
  ASSERT_EQ(RunCli(args).code, kOk);
  const std::string boxes = folder.file("slowa.html");
  ASSERT_EQ(std::system(("pdftotext -bbox '" + pdf + "' '" + boxes + "'").c_str()), 0);
  // <word xMin="..." yMin="..." xMax="..." yMax="...">ix/iy:</word>, in points from the top
  std::istringstream words(Slurp(boxes));
  std::string line;
  std::vector<double> last;
  while (std::getline(words, line))
    if (line.find(">ix/iy:<") != std::string::npos) {
      const size_t at = line.find("yMax=\"") + 6;
      last.push_back(std::stod(line.substr(at)));
    }
  ASSERT_EQ(last.size(), 5u);
  constexpr double kPoint = 25.4 / 72;  // mm
  for (int place = 0; place < 5; ++place)
    EXPECT_LT(last[place] * kPoint, 10 + 56 * place + 51) << place;
}

TEST(Report, FailuresSayWhyAndWriteNothing) {
  TempFolder folder;
  const std::string pdf = folder.file("x.pdf");
  const Outcome missing = RunCli({"report", "--json", "--pdf", pdf, folder.file("none.PRM")});
  EXPECT_EQ(missing.code, kUnreadable);
  EXPECT_EQ(json::parse(missing.out)["ok"], false);
  EXPECT_FALSE(std::filesystem::exists(pdf));
  const std::string base = folder.file("pas");
  ASSERT_EQ(RunCli({"compute", "--kind", "4", "--t1", "100 mm", "--t2", "10 mm", "--save", base}).code,
            kOk);
  EXPECT_EQ(RunCli({"report", "--tab", "3", "--pdf", pdf, base + ".PRM"}).code, kUsage);
  EXPECT_EQ(RunCli({"report", base + ".PRM"}).code, kUsage);
  const Outcome unwritable =
      RunCli({"report", "--pdf", folder.file("no/such/folder/x.pdf"), base + ".PRM"});
  EXPECT_EQ(unwritable.code, kUnreadable);
  EXPECT_NE(unwritable.err.find("Nie można zapisać pliku"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}
#endif

}  // namespace
}  // namespace tarvik::cli
