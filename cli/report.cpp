#include "cli/report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/numbers.h"
#include "engine/sketch.h"

namespace tarvik::cli {
namespace {

constexpr double kPi = 3.141592653589793;

// the section kinds as the main window's tabs name them
const char* KindName(int kind) {
  static const char* const names[] = {"Walcowane", "Spawane",  "Gięte",   "Zestawy",
                                      "Proste",    "Złożone",  "Dowolne", "Użebrowanie",
                                      "Drewniane", "Żelbetowe"};
  return kind >= 0 && kind < 10 ? names[kind] : "?";
}

bool AlwaysShown(int k) {
  return k == slot::A || k == slot::J1 || k == slot::J2 || k == slot::xS || k == slot::yS ||
         k == slot::al;
}

nlohmann::ordered_json Messages(const std::vector<Komunikat>& messages) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Komunikat& m : messages)
    list.push_back({{"title", m.title}, {"text", m.text}, {"detail", m.detail}});
  return list;
}

// file names reach the messages as raw bytes and need not be UTF-8: such bytes are shown as
// U+FFFD instead of ending the program with an exception
std::string Dump(const nlohmann::ordered_json& j) {
  return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

constexpr const char* kPartsApart = "części niepołączone";

// the finite-element values in the stored units of the properties record
nlohmann::ordered_json FeJson(const fe::WynikPrzekroju& r) {
  nlohmann::ordered_json j;
  if (!r.ok) {
    j["error"] = r.error;
    return j;
  }
  const fe::WynikMES& v = r.values;
  const bool apart = v.parts > 1;
  auto value = [&](double x) { return apart ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(x); };
  j["J"] = v.J / 1e4;
  j["Iw"] = value(v.Iw / 1e6);
  j["xT"] = value(v.xT);
  j["yT"] = value(v.yT);
  j["Avx"] = v.Avx / 100;
  j["Avy"] = v.Avy / 100;
  j["parts"] = v.parts;
  j["elements"] = v.elements;
  if (apart) j["note"] = kPartsApart;
  return j;
}

// "Jt (MES)" and the others as the properties' rows are printed; a failure says why
void FeRows(const fe::WynikPrzekroju& r, bool showAllDigits, std::ostream& out) {
  auto row = [&](std::string label, const std::string& text) {
    label.resize(std::max<size_t>(label.size(), 7), ' ');
    out << "  " << label << "= " << text << "\n";
  };
  if (!r.ok) {
    row("MES", r.error);
    return;
  }
  const fe::WynikMES& v = r.values;
  const bool apart = v.parts > 1;
  auto number = [&](std::string_view unit, double x) {
    return FormatLiczby(-1, unit, x, showAllDigits);
  };
  row("Jt (MES)", number(" cm^4", v.J / 1e4));
  row("Jw (MES)", apart ? kPartsApart : number(" cm^6", v.Iw / 1e6));
  row("xT, yT (MES)", apart ? kPartsApart : number(" mm", v.xT) + "; " + number(" mm", v.yT));
  row("Avx, Avy (MES)", number(" cm^2", v.Avx / 100) + "; " + number(" cm^2", v.Avy / 100));
}

}  // namespace

std::string MessageLine(const Komunikat& m) {
  std::string line = m.title + ": " + m.text;
  if (!m.detail.empty()) line += " " + m.detail;
  return line;
}

std::string JsonFailure(const std::string& error, const std::vector<Komunikat>& messages) {
  nlohmann::ordered_json j;
  j["ok"] = false;
  j["error"] = error;
  j["messages"] = Messages(messages);
  return Dump(j);
}

std::string JsonReport(const SectionModel& model, const std::vector<Komunikat>& messages,
                       const fe::WynikPrzekroju* fe) {
  nlohmann::ordered_json j;
  j["ok"] = true;
  j["name"] = model.section.name();
  j["kind"] = model.kind;
  nlohmann::ordered_json props = nlohmann::ordered_json::object();
  for (const SlotInfo& s : SlotTable()) props[s.symbol] = model.section[s.slot];
  j["properties"] = props;
  j["flags"] = model.flags;
  if (model.kind == kZestawy) {
    // the spacings a set used [mm], a raised one included; null where the layout has none
    auto spacing = [](double v) { return v < 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(v); };
    j["spacings"] = {{"horizontal", spacing(model.setSpacings[0])},
                     {"vertical", spacing(model.setSpacings[1])}};
  }
  j["figures"] = nlohmann::ordered_json::array();
  for (int f : DrawnFigures(model)) {
    const FigureRecord& fig = model.figures[f];
    if (fig.outerCount() == 0 && fig.innerCount() == 0) continue;
    auto points = [](const Point* p, int n) {
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (int i = 0; i < n; ++i) list.push_back({p[i].x, p[i].y});
      return list;
    };
    const int vertices = std::max(fig.outerCount() - 1, 0);
    nlohmann::ordered_json figure;
    figure["outer"] = points(fig.outer.data(), vertices);
    figure["reference"] = fig.outerCount() > 0
                              ? nlohmann::ordered_json{fig.outer[vertices].x, fig.outer[vertices].y}
                              : nlohmann::ordered_json(nullptr);
    figure["inner"] = points(fig.inner.data(), fig.innerCount());
    figure["g"] = fig.wall1;
    figure["t"] = fig.wall2;
    j["figures"].push_back(figure);
  }
  j["dimensions"] = nlohmann::ordered_json::array();
  for (const DimensionLine& d : model.dimensions)
    j["dimensions"].push_back({{"direction", d.direction},
                               {"from", d.from},
                               {"from2", d.from2},
                               {"to", d.to},
                               {"to2", d.to2},
                               {"offset", d.offset},
                               {"value", d.value}});
  if (fe) j["fe"] = FeJson(*fe);
  j["messages"] = Messages(messages);
  return Dump(j);
}

std::string TextReport(const SectionModel& model, const std::vector<Komunikat>& messages,
                       bool showAllDigits, const fe::WynikPrzekroju* fe) {
  std::ostringstream out;
  const PropertiesRecord& r = model.section;
  out << (r.name().empty() ? "(bez nazwy)" : r.name()) << "  [" << KindName(model.kind) << "]\n";
  for (const SlotInfo& s : SlotTable()) {
    double value = r[s.slot];
    if (value == 0 && !AlwaysShown(s.slot)) continue;
    // an outline's torsion constant is only a placeholder until it is measured on a midline
    const bool placeholder = s.slot == slot::Jt && !model.imported.empty();
    std::string text = placeholder ? "- (nie liczy się z zarysu)"
                       : s.slot == slot::al
                           ? FormatLiczby(-1, "°", value * 180 / kPi, showAllDigits)
                           : FormatLiczby(-1, s.unit, value, showAllDigits);
    std::string symbol = s.symbol;
    symbol.resize(std::max<size_t>(symbol.size(), 7), ' ');
    out << "  " << symbol << "= " << text << "\n";
  }
  if (model.kind == kZestawy)
    for (int k = 0; k < 2; ++k)
      if (model.setSpacings[k] >= 0)
        out << "  " << (k == 0 ? "Rozstaw H" : "Rozstaw V") << " = "
            << FormatWymiaru(0, 0, 0, model.setSpacings[k]) << " mm\n";
  if (fe) FeRows(*fe, showAllDigits, out);
  for (const Komunikat& m : messages) out << MessageLine(m) << "\n";
  return out.str();
}

}  // namespace tarvik::cli
