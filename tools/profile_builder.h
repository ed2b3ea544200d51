// The profile database builder: the readable tables of data/profiles/ (one CSV per family
// code) become PROFILE.DAT. Rows of rolled families are completed from their true outline
// (exact integration with circular fillets), and every tabulated area and moment is checked
// against that outline.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generators/database.h"

namespace tarvik {

// one row of a family table: the 24 record values, empty where the table gives none
struct SourceRow {
  std::string family, designation, source;
  std::array<std::optional<double>, CatalogueRecord::kValues> values;
  int line = 0;  // in its file, for messages
};

// the CSV text of one table: header "family,designation,h,...,u6,source", '#' comments at
// the top, RFC 4180 quoting. Throws std::runtime_error naming the line on malformed input.
std::vector<SourceRow> ParseSourceTable(std::string_view text);

// rows allowed to differ from their computed values by more than the tolerance
struct Exception {
  std::string family, designation, field, reason;
};
// "family,designation,field,reason"; the reason is required
std::vector<Exception> ParseExceptions(std::string_view text);

inline constexpr double kCrossCheckTolerance = 0.02;

struct BuildReport {
  std::vector<std::string> failures;  // discrepancies not excused, rows that cannot be built
  std::vector<std::string> notes;     // excused discrepancies, rows left out
  int computedValues = 0;             // values the tables did not give
};

// the record of a row: tabulated values as they are, the missing ones computed where the
// family's outline is known; tabulated A, J1, J2 checked against the outline. A rolled row
// without its root radius is left out (nothing): its outline is not known well enough.
std::optional<CatalogueRecord> CompleteRow(const SourceRow& row, const std::vector<Exception>& exceptions,
                            BuildReport& report);

// the column names of the 24 values, in record order
const std::array<std::string_view, CatalogueRecord::kValues>& ValueColumns();

}  // namespace tarvik
