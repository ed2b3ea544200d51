// The profile database builder: the readable tables of data/profiles/ (one CSV per family
// code) become PROFILE.DAT. Rows of rolled families are completed from their true outline
// (exact integration with circular fillets), and every tabulated area and moment is checked
// against that outline. The parents of castellated girders get their girders' values, and the
// corrugated-web girders "WT" are made from the "Spawane" tab's own lists.
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

// ---- castellated girders ----

// A castellated girder cut from an I section: the web is cut along a zig-zag of depth `cut`
// [mm] about mid-height (hexagonal openings, sides at 60°), the two halves are shifted by half
// a pitch and welded tooth to tooth, with spacer plates of height `spacer` [mm] between the
// teeth if it is not 0. Height h + cut + spacer; the openings are 2·cut + spacer high.
struct CastellatedGirder {
  double height = 0;     // [mm]
  double j1Opening = 0;  // about the girder's mid-depth through an opening (two tees) [cm^4]
  double j1Post = 0;     // through a web post, where the web runs the full height [cm^4]
  double netArea = 0;    // at an opening: the record's A - cut·tw [cm^2]
  double mass = 0;       // per metre, the spacer plates included [kg/m]
};

// The girder from the parent's record (its true outline: fillets and flange slopes exact).
// Nothing, and `fault` says why, when the parent is no I section or the cut reaches beyond
// the straight part of the web (the fillets would be cut, which this rule does not follow).
std::optional<CastellatedGirder> Castellate(const CatalogueRecord& parent, double cut,
                                            double spacer, std::string* fault = nullptr);

// the families whose records carry castellated values at 92 .. 112 (castellated::kHeight ..):
// "2TPN", "IPE", "HEB", the parent series of the "Spawane" tab
bool IsCastellatedParent(std::string_view family);

// Fills castellated::kHeight .. kNetArea of a parent's record where the row leaves them empty:
// the ordinary girder cut at h/2, the high girder cut at h/2 with spacer plates h/2 high.
// False (a failure reported) when the parent cannot be castellated that way.
bool AddCastellatedValues(const SourceRow& row, CatalogueRecord& record, BuildReport& report);

// ---- corrugated-web girders "WT" ----

// the web's developed length per unit girder length, for a web thickness the girders are made
// in (2.0: 1.148, 2.5 and 3.0: 1.169); 0 for any other
double DevelopedLengthFactor(double web);

// The record "WT <height>-<n>" of the n-th flange (from 1) offered for the height at
// `sizeIndex` in WeldedSizes(kWeldedWT); nothing past the lists. Flat-web geometry with the
// thinnest web offered for the height, flanges alone carrying J1 and J2, the masses per metre
// of each web thickness and the outer perimeter (corrugated::kMass20 ..).
std::optional<CatalogueRecord> CorrugatedGirder(int sizeIndex, int flangeIndex);
// every "WT" record, heights in list order, flanges in list order under each
std::vector<CatalogueRecord> CorrugatedGirders();

// the column names of the 24 values, in record order
const std::array<std::string_view, CatalogueRecord::kValues>& ValueColumns();

}  // namespace tarvik
