#include "engine/print_report.h"

#include <numbers>

#include "engine/derived.h"
#include "engine/numbers.h"

namespace tarvik {
namespace {

constexpr int kHeading = 3;
constexpr int kValue = 25;
constexpr int kValueLast = 20;  // the radii and the battens of "Wymiarowania"

class Pisz {
 public:
  Pisz(std::vector<LiniaRaportu>& out, bool all) : out_(out), all_(all) {}
  void Naglowek(const std::string& text) { out_.push_back({text, {}, kHeading}); }
  void Wartosc(const std::string& label, const std::string& value, int indent = kValue) {
    out_.push_back({label, value, indent});
  }
  // values joined with "/", the unit after the last, each as the results window shows it
  std::string Para(std::initializer_list<double> values, const char* unit, int decimals = -1) const {
    std::string text;
    size_t i = 0;
    for (double v : values) {
      const bool last = ++i == values.size();
      text += FormatLiczby(decimals, last ? unit : "", v, decimals < 0 && all_);
      if (!last) text += "/";
    }
    return text;
  }
  std::string Liczba(double v, const char* unit) const { return FormatLiczby(-1, unit, v, all_); }

 private:
  std::vector<LiniaRaportu>& out_;
  bool all_;
};

void Statyki(const SectionModel& model, const ZrodloRaportu& z, Pisz& w) {
  const PropertiesRecord& r = model.section;
  const bool noTorsion = model.flags[1];
  w.Naglowek(model.kind == kUzebrowanie ? "Pola przekroju żebra" : "Pola przekroju");
  w.Wartosc("  poprzecz.A: ", w.Liczba(r[slot::A], " cm^2"));
  w.Wartosc("  Ay/Az: ", w.Para({r[slot::Avy], r[slot::Avx]}, " cm^2"));
  w.Naglowek("Momenty bezwładności");
  w.Wartosc("  skręcanie Js: ",
            noTorsion ? "-" : w.Liczba(r[z.jtWgPN ? slot::Jt : slot::Js], " cm^4"));
  w.Wartosc("  zginanie Jy: ", w.Liczba(r[slot::J2], " cm^4"));
  w.Wartosc("  zginanie Jz: ", w.Liczba(r[slot::J1], " cm^4"));
  w.Naglowek("Wskaźniki przekroju");
  w.Wartosc("  na skręcanie Ws: ",
            noTorsion ? "-" : w.Liczba(r[z.jtWgPN ? slot::Wt : slot::Ws], " cm^3"));
  w.Wartosc("  na zginanie Wy: ", w.Liczba(r[MniejszyWskaznik(r, slot::Wcy, slot::Wty)], " cm^3"));
  w.Wartosc("  na zginanie Wz: ", w.Liczba(r[MniejszyWskaznik(r, slot::Wcx, slot::Wtx)], " cm^3"));
  w.Wartosc("Obw.zewnętrzny: ", w.Liczba(r[slot::Oz] / 10, " cm"));
}

void Wymiarowania(const SectionModel& model, const ZrodloRaportu& z, Pisz& w) {
  const PropertiesRecord& r = model.section;
  w.Naglowek("Pola przekroju");
  w.Wartosc("  A/Avx/Avy: ", w.Para({r[slot::A], r[slot::Avx], r[slot::Avy]}, " cm^2"));
  if (r[slot::Ivx] != 0 || r[slot::Ivy] != 0) {
    w.Naglowek("Momenty bezwładności (ścinanie)");
    w.Wartosc("  Ivx/Ivy: ", w.Para({r[slot::Ivx], r[slot::Ivy]}, " cm^4"));
  }
  w.Naglowek("Wskaźniki przekroju");
  w.Wartosc("   Wcx/Wcy: ", w.Para({r[slot::Wcx], r[slot::Wcy]}, " cm^3"));
  w.Wartosc("   Wtx/Wty: ", w.Para({r[slot::Wtx], r[slot::Wty]}, " cm^3"));
  w.Wartosc("  Wplx/Wply: ", w.Para({r[slot::Wplx], r[slot::Wply]}, " cm^3"));
  w.Naglowek("Momenty bezwładności");
  w.Wartosc("   Jx/Jy: ", w.Para({r[slot::J1], r[slot::J2]}, " cm^4"));
  w.Naglowek("Środek ciężkości");
  w.Wartosc("  xS/yS/al: ", SrodekCiezkosci(r));
  // a page of five has no room for the heading, of four not for the shear centre
  if (r[slot::xpl] != 0 || r[slot::ypl] != 0) {
    if (z.n < 5) w.Naglowek("Osie zginania plastycznego");
    w.Wartosc("  xpl/ypl: ", w.Para({r[slot::xpl], r[slot::ypl]}, " mm", 2));
  }
  if (z.n < 4 && (r[slot::xT] != 0 || r[slot::yT] != 0)) {
    w.Naglowek("Środek ścinania");
    w.Wartosc("  xT/yT: ", w.Para({r[slot::xT], r[slot::yT]}, " mm", 2));
  }
  w.Naglowek("Promienie bezwładności");
  w.Wartosc("  ix/iy: ",
            w.Para({PromienBezwladnosci(r[slot::J1], r[slot::A]),
                    PromienBezwladnosci(r[slot::J2], r[slot::A])},
                   " cm", 2),
            kValueLast);
  for (const auto& [label, value] : z.przewiazki) {
    if (value.empty())
      w.Naglowek(label);
    else
      w.Wartosc(label, value, kValueLast);
  }
}

void Geometryczne(const SectionModel& model, const ZrodloRaportu& z, Pisz& w) {
  const PropertiesRecord& r = model.section;
  w.Wartosc("Pole przekroju A: ", w.Liczba(r[slot::A], " cm^2"));
  w.Naglowek("Środek ciężkości");
  w.Wartosc("  xS/yS/al: ", SrodekCiezkosci(r));
  const MomentyStatyczne s = MomentyStatyczneWzgledemPoczatku(r);
  w.Naglowek("Momenty statyczne");
  w.Wartosc("  Sx/Sy: ", w.Para({s.sx, s.sy}, " cm^3"));
  w.Naglowek("Główne momenty bezwładności");
  w.Wartosc("   J1/J2: ", w.Para({r[slot::J1], r[slot::J2]}, " cm^4"));
  const MomentyOsi c = MomentyCentralne(r);
  w.Naglowek("Momenty bezwładności");
  w.Wartosc("   Jx: ", z.jx.empty() ? w.Liczba(c.jx, " cm^4") : z.jx);
  w.Wartosc("   Jy: ", z.jy.empty() ? w.Liczba(c.jy, " cm^4") : z.jy);
  w.Wartosc("  Jxy: ", z.jxy.empty() ? w.Liczba(c.jxy, " cm^4") : z.jxy);
  if (!z.masa.empty()) w.Wartosc(" Masa: ", z.masa);
  if (!z.ro.empty()) w.Wartosc("   ro: ", z.ro);
}

}  // namespace

std::string SrodekCiezkosci(const PropertiesRecord& r) {
  return FormatLiczby(2, "", r[slot::xS]) + "/" + FormatLiczby(2, "mm", r[slot::yS]) + "/" +
         FormatLiczby(1, "°", r[slot::al] * 180 / std::numbers::pi);
}

std::vector<LiniaRaportu> RaportZakladki(const SectionModel& model, Zakladka tab,
                                         const ZrodloRaportu& z) {
  std::vector<LiniaRaportu> lines;
  Pisz w(lines, z.allDigits);
  switch (tab) {
    case Zakladka::kStatyka: Statyki(model, z, w); break;
    case Zakladka::kWymiarowanie: Wymiarowania(model, z, w); break;
    case Zakladka::kGeometria: Geometryczne(model, z, w); break;
  }
  if (!z.laczniki.empty()) w.Naglowek("Łączniki mechaniczne");
  for (const Lacznik& l : z.laczniki)
    w.Wartosc(z.schowek ? "s/d: " : "      s/d: ", (l.otwory ? "Otwory/" : "") + l.s + "/" + l.d);
  return lines;
}

std::string RaportTekst(const std::vector<LiniaRaportu>& lines) {
  std::string text;
  for (const LiniaRaportu& l : lines) text += l.label + l.value + "\n";
  return text;
}

}  // namespace tarvik
