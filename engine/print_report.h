// The report of one results tab as printed and copied: headings and label/value lines with
// the values in the results window's number texts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/model.h"

namespace tarvik {

enum class Zakladka { kStatyka = 0, kWymiarowanie = 1, kGeometria = 2 };

struct LiniaRaportu {
  std::string label;
  std::string value;  // empty: a heading, its label starting at the indent
  int indent = 3;     // [mm]: where a heading starts, or where a value line's label ends
};

// a row of fasteners as the timber tab shows it: the spacing and the diameter as typed
struct Lacznik {
  std::string s, d;
  bool otwory = false;  // pre-drilled holes
};

// what the report takes beyond the properties record: the results window's choices and the
// texts it shows that the record does not hold
struct ZrodloRaportu {
  bool jtWgPN = true;     // "Jt wg PN": the standard torsion values, else the exact ones
  bool allDigits = false;  // "Pokaż wszystkie cyfry"
  int n = 2;               // drawings per page: five and four leave out some lines
  // the moments "Jx", "Jy", "Jxy" as shown (the user system's once computed); empty: the
  // central moments
  std::string jx, jy, jxy;
  std::string masa, ro;  // the mass and the material, as shown; empty: no mass lines
  // the battens of a set: heading lines (no value) and value lines
  std::vector<std::pair<std::string, std::string>> przewiazki;
  // the mechanical fasteners of a timber section, one a row of fasteners (none: glued)
  std::vector<Lacznik> laczniki;
  bool schowek = false;  // the clipboard's report: the fasteners' label without its indent
};

// the report of a tab, then the fasteners of a timber section
std::vector<LiniaRaportu> RaportZakladki(const SectionModel& model, Zakladka tab,
                                         const ZrodloRaportu& z);

// the report as plain text: headings alone, value lines "label value", one a line
std::string RaportTekst(const std::vector<LiniaRaportu>& lines);

// the centroid and the principal angle as the report writes them: "xS/yS mm/al°"
std::string SrodekCiezkosci(const PropertiesRecord& r);

}  // namespace tarvik
