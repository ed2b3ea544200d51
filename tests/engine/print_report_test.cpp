// The printed report of each results tab: which value goes on which line, and the lines a
// crowded page or a section without torsion values leaves out.
#include "engine/print_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarvik {
namespace {

// a record of distinct round values, so that a value on the wrong line shows
SectionModel Przekroj() {
  SectionModel m;
  PropertiesRecord& r = m.section;
  r.setName("Próba");
  r[slot::A] = 12.5;
  r[slot::Avx] = 4;
  r[slot::Avy] = 6;
  r[slot::J1] = 900;
  r[slot::J2] = 100;
  r[slot::Jt] = 8;
  r[slot::Js] = 7;
  r[slot::Wcx] = 30;
  r[slot::Wtx] = 20;  // the smaller of the x pair
  r[slot::Wcy] = 5;   // the smaller of the y pair
  r[slot::Wty] = 9;
  r[slot::Wplx] = 40;
  r[slot::Wply] = 11;
  r[slot::Wt] = 3;
  r[slot::Ws] = 2;
  r[slot::Oz] = 420;  // mm: 42 cm
  r[slot::xS] = 15;
  r[slot::yS] = -4;
  r[slot::xT] = 1.5;
  r[slot::xpl] = 2.25;
  return m;
}

// the value of the first line whose label is label, "?" when there is none
std::string Value(const std::vector<LiniaRaportu>& lines, const std::string& label) {
  for (const LiniaRaportu& l : lines)
    if (l.label == label) return l.value;
  return "?";
}

bool Has(const std::vector<LiniaRaportu>& lines, const std::string& label) {
  return Value(lines, label) != "?";
}

TEST(RaportZakladki, StatykiTakesTheSmallerModuliAndTheChosenTorsionValues) {
  SectionModel m = Przekroj();
  ZrodloRaportu z;
  std::vector<LiniaRaportu> lines = RaportZakladki(m, Zakladka::kStatyka, z);
  EXPECT_EQ(lines.front().label, "Pola przekroju");
  EXPECT_EQ(lines.front().indent, 3);
  EXPECT_EQ(Value(lines, "  poprzecz.A: "), "12,5 cm^2");
  EXPECT_EQ(Value(lines, "  Ay/Az: "), "6/4 cm^2");
  EXPECT_EQ(Value(lines, "  skręcanie Js: "), "8 cm^4");
  EXPECT_EQ(Value(lines, "  zginanie Jy: "), "100 cm^4");
  EXPECT_EQ(Value(lines, "  zginanie Jz: "), "900 cm^4");
  EXPECT_EQ(Value(lines, "  na skręcanie Ws: "), "3 cm^3");
  EXPECT_EQ(Value(lines, "  na zginanie Wy: "), "5 cm^3");
  EXPECT_EQ(Value(lines, "  na zginanie Wz: "), "20 cm^3");
  EXPECT_EQ(Value(lines, "Obw.zewnętrzny: "), "42 cm");
  EXPECT_EQ(lines.back().indent, 25);

  z.jtWgPN = false;
  lines = RaportZakladki(m, Zakladka::kStatyka, z);
  EXPECT_EQ(Value(lines, "  skręcanie Js: "), "7 cm^4");
  EXPECT_EQ(Value(lines, "  na skręcanie Ws: "), "2 cm^3");

  m.flags[1] = true;  // no torsion values
  m.kind = kUzebrowanie;
  lines = RaportZakladki(m, Zakladka::kStatyka, z);
  EXPECT_EQ(Value(lines, "  skręcanie Js: "), "-");
  EXPECT_EQ(Value(lines, "  na skręcanie Ws: "), "-");
  EXPECT_EQ(lines.front().label, "Pola przekroju żebra");
}

TEST(RaportZakladki, WymiarowaniaLeavesOutWhatIsZeroOrHasNoRoom) {
  const SectionModel m = Przekroj();
  ZrodloRaportu z;
  z.przewiazki = {{"Przewiązki typ a (PN,rys.8)", ""}, {"  L1/b/t: ", "1/2/3 m"}};
  std::vector<LiniaRaportu> lines = RaportZakladki(m, Zakladka::kWymiarowanie, z);
  EXPECT_EQ(Value(lines, "  A/Avx/Avy: "), "12,5/4/6 cm^2");
  EXPECT_FALSE(Has(lines, "Momenty bezwładności (ścinanie)"));  // Ivx = Ivy = 0
  EXPECT_EQ(Value(lines, "   Wcx/Wcy: "), "30/5 cm^3");
  EXPECT_EQ(Value(lines, "   Wtx/Wty: "), "20/9 cm^3");
  EXPECT_EQ(Value(lines, "  Wplx/Wply: "), "40/11 cm^3");
  EXPECT_EQ(Value(lines, "   Jx/Jy: "), "900/100 cm^4");
  EXPECT_EQ(Value(lines, "  xS/yS/al: "), "15/-4mm/0°");
  EXPECT_EQ(Value(lines, "  xpl/ypl: "), "2,25/0 mm");
  EXPECT_EQ(Value(lines, "  xT/yT: "), "1,5/0 mm");
  // sqrt(900 / 12.5) = sqrt(72) = 8.485, sqrt(100 / 12.5) = 2.828
  EXPECT_EQ(Value(lines, "  ix/iy: "), "8,49/2,83 cm");
  EXPECT_EQ(Value(lines, "  L1/b/t: "), "1/2/3 m");
  EXPECT_EQ(lines.back().indent, 20);
  EXPECT_EQ(lines[lines.size() - 2].label, "Przewiązki typ a (PN,rys.8)");

  struct Case {
    int n;
    bool plasticHeading, shearCentre;
  };
  for (const Case c : {Case{3, true, true}, Case{4, true, false}, Case{5, false, false}}) {
    SCOPED_TRACE(c.n);
    z.n = c.n;
    lines = RaportZakladki(m, Zakladka::kWymiarowanie, z);
    EXPECT_EQ(Has(lines, "Osie zginania plastycznego"), c.plasticHeading);
    EXPECT_TRUE(Has(lines, "  xpl/ypl: "));
    EXPECT_EQ(Has(lines, "  xT/yT: "), c.shearCentre);
  }
}

TEST(RaportZakladki, GeometryczneShowsStaticMomentsAndTheWindowsTexts) {
  SectionModel m = Przekroj();
  m.section[slot::al] = std::acos(-1.0) / 6;  // 30°: principal 900, 100 -> central
  ZrodloRaportu z;
  std::vector<LiniaRaportu> lines = RaportZakladki(m, Zakladka::kGeometria, z);
  EXPECT_EQ(lines.front().label, "Pole przekroju A: ");
  EXPECT_EQ(Value(lines, "  xS/yS/al: "), "15/-4mm/30°");
  // Sx = A yS / 10 = -5, Sy = A xS / 10 = 18.75
  EXPECT_EQ(Value(lines, "  Sx/Sy: "), "-5/18,75 cm^3");
  EXPECT_EQ(Value(lines, "   J1/J2: "), "900/100 cm^4");
  // Jx = 500 + 400 cos 60° = 700, Jy = 300, |Jxy| = 400 sin 60° = 346.4
  EXPECT_EQ(Value(lines, "   Jx: "), "700 cm^4");
  EXPECT_EQ(Value(lines, "   Jy: "), "300 cm^4");
  EXPECT_NE(Value(lines, "  Jxy: ").find("346,4"), std::string::npos);
  EXPECT_FALSE(Has(lines, " Masa: "));

  z.jx = "1 cm^4";
  z.masa = "9,81 kg/mb";
  z.ro = "(dla 7850 kg/m^3)";
  lines = RaportZakladki(m, Zakladka::kGeometria, z);
  EXPECT_EQ(Value(lines, "   Jx: "), "1 cm^4");
  EXPECT_EQ(Value(lines, " Masa: "), "9,81 kg/mb");
  EXPECT_EQ(Value(lines, "   ro: "), "(dla 7850 kg/m^3)");
  // the fasteners close every tab's report; the clipboard's label has no indent
  z.laczniki = {{"40 mm", "4 mm", false}, {"60 mm", "5 mm", true}};
  for (Zakladka tab : {Zakladka::kStatyka, Zakladka::kWymiarowanie, Zakladka::kGeometria}) {
    lines = RaportZakladki(m, tab, z);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3].label, "Łączniki mechaniczne");
    EXPECT_EQ(lines[lines.size() - 2].label, "      s/d: ");
    EXPECT_EQ(lines[lines.size() - 2].value, "40 mm/4 mm");
    EXPECT_EQ(lines.back().value, "Otwory/60 mm/5 mm");
  }
  z.schowek = true;
  EXPECT_EQ(RaportZakladki(m, Zakladka::kStatyka, z).back().label, "s/d: ");
  EXPECT_EQ(RaportTekst({{"Nagłówek", "", 3}, {"  a: ", "1 cm", 25}}), "Nagłówek\n  a: 1 cm\n");
}

}  // namespace
}  // namespace tarvik
