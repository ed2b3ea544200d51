// What the command line prints about a section: readable text or one JSON object.
#pragma once

#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/model.h"
#include "fe/przekroj.h"

namespace tarvik::cli {

// {"ok": true, "name", "kind", "properties": {symbol: value in the stored unit}, "flags",
//  "messages", "figures": [{"outer", "reference", "inner", "g", "t"}], "dimensions": [...]};
// with fe also "fe": {"J" cm^4, "Iw" cm^6, "xT", "yT" mm, "Avx", "Avy" cm^2, "parts",
// "elements"} (Iw, xT, yT null and a "note" for parts apart), or {"error"} when it failed
std::string JsonReport(const SectionModel& model, const std::vector<Komunikat>& messages,
                       const fe::WynikPrzekroju* fe = nullptr);

// {"ok": false, "error": text and second line, "messages": [...]}
std::string JsonFailure(const std::string& error, const std::vector<Komunikat>& messages);

// the title, the text and the second line on one line
std::string MessageLine(const Komunikat& m);

// the name, every property that is set with its unit, the finite-element rows (given fe),
// then the messages
std::string TextReport(const SectionModel& model, const std::vector<Komunikat>& messages,
                       bool showAllDigits, const fe::WynikPrzekroju* fe = nullptr);

}  // namespace tarvik::cli
