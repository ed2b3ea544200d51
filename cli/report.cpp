#include "cli/report.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/numbers.h"

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

std::string MessageLine(const Komunikat& m) {
  std::string line = m.title + ": " + m.text;
  if (!m.detail.empty()) line += " " + m.detail;
  return line;
}

}  // namespace

std::string JsonReport(const SectionModel& model, const std::vector<Komunikat>& messages) {
  nlohmann::ordered_json j;
  j["name"] = model.section.name();
  j["kind"] = model.kind;
  nlohmann::ordered_json props = nlohmann::ordered_json::object();
  for (const SlotInfo& s : SlotTable()) props[s.symbol] = model.section[s.slot];
  j["properties"] = props;
  j["flags"] = model.flags;
  j["messages"] = nlohmann::ordered_json::array();
  for (const Komunikat& m : messages)
    j["messages"].push_back({{"title", m.title}, {"text", m.text}, {"detail", m.detail}});
  // file names reach the messages as raw bytes and need not be UTF-8: such bytes are shown
  // as U+FFFD instead of ending the program with an exception
  return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string TextReport(const SectionModel& model, const std::vector<Komunikat>& messages,
                       bool showAllDigits) {
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
  for (const Komunikat& m : messages) out << MessageLine(m) << "\n";
  return out.str();
}

}  // namespace tarvik::cli
