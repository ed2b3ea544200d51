// What the command line prints about a section: readable text or one JSON object.
#pragma once

#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/model.h"

namespace tarvik::cli {

// {"ok": true, "name", "kind", "properties": {symbol: value in the stored unit}, "flags",
//  "messages", "figures": [{"outer", "reference", "inner", "g", "t"}], "dimensions": [...]}
std::string JsonReport(const SectionModel& model, const std::vector<Komunikat>& messages);

// {"ok": false, "error": text and second line, "messages": [...]}
std::string JsonFailure(const std::string& error, const std::vector<Komunikat>& messages);

// the title, the text and the second line on one line
std::string MessageLine(const Komunikat& m);

// the name, every property that is set with its unit, then the messages
std::string TextReport(const SectionModel& model, const std::vector<Komunikat>& messages,
                       bool showAllDigits);

}  // namespace tarvik::cli
