#include "tools/profile_builder.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "generators/rolled_shapes.h"

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

// a value as PROFILE.DAT will give it back: the record holds what every reader gets, and
// the outline is drawn from the same dimensions the generators will read
double AsStored(double value) { return WidenCatalogueFloat(static_cast<float>(value)); }

// one CSV line split into fields; quoted fields may hold commas and doubled quotes
std::vector<std::string> SplitCsv(std::string_view line, int lineNo) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"' && fields.back().empty()) {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  if (quoted) throw std::runtime_error("line " + std::to_string(lineNo) + ": unclosed quote");
  return fields;
}

std::vector<std::pair<int, std::string>> DataLines(std::string_view text) {
  std::vector<std::pair<int, std::string>> lines;
  int no = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    ++no;
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    lines.emplace_back(no, std::move(line));
  }
  return lines;
}

std::optional<double> ParseValue(const std::string& cell, int lineNo, std::string_view column) {
  if (cell.empty()) return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), v);
  if (ec != std::errc() || end != cell.data() + cell.size() || !std::isfinite(v))
    throw std::runtime_error("line " + std::to_string(lineNo) + ": " + std::string(column) +
                             " is not a number: '" + cell + "'");
  return v;
}

bool Excused(const std::vector<Exception>& exceptions, const SourceRow& row,
             std::string_view field, BuildReport& report) {
  for (const Exception& e : exceptions)
    if (e.family == row.family && e.designation == row.designation && e.field == field) {
      report.notes.push_back(row.family + " " + row.designation + " " + std::string(field) +
                             ": " + e.reason);
      return true;
    }
  return false;
}

}  // namespace

const std::array<std::string_view, CatalogueRecord::kValues>& ValueColumns() {
  static const std::array<std::string_view, CatalogueRecord::kValues> kColumns = {
      "h",  "b",  "tw", "tf", "r",     "r1", "r2", "w1", "w2", "A",  "J1", "J2",
      "Jt", "xS", "yS", "alpha", "Jw", "xT", "u1", "u2", "u3", "u4", "u5", "u6"};
  return kColumns;
}

std::vector<SourceRow> ParseSourceTable(std::string_view text) {
  const auto lines = DataLines(text);
  if (lines.empty()) throw std::runtime_error("no header");
  std::vector<std::string> expected = {"family", "designation"};
  for (auto c : ValueColumns()) expected.emplace_back(c);
  expected.emplace_back("source");
  if (SplitCsv(lines[0].second, lines[0].first) != expected)
    throw std::runtime_error("line " + std::to_string(lines[0].first) + ": unexpected header");
  std::vector<SourceRow> rows;
  for (size_t i = 1; i < lines.size(); ++i) {
    const auto& [no, line] = lines[i];
    const auto fields = SplitCsv(line, no);
    if (fields.size() != expected.size())
      throw std::runtime_error("line " + std::to_string(no) + ": " +
                               std::to_string(fields.size()) + " fields instead of " +
                               std::to_string(expected.size()));
    SourceRow row;
    row.family = fields[0];
    row.designation = fields[1];
    row.source = fields.back();
    row.line = no;
    if (row.family.empty() || row.designation.empty())
      throw std::runtime_error("line " + std::to_string(no) + ": no family or designation");
    for (size_t k = 0; k < CatalogueRecord::kValues; ++k)
      row.values[k] = ParseValue(fields[2 + k], no, ValueColumns()[k]);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<Exception> ParseExceptions(std::string_view text) {
  std::vector<Exception> list;
  for (const auto& [no, line] : DataLines(text)) {
    const auto f = SplitCsv(line, no);
    if (f.size() == 4 && f[0] == "family") continue;  // the header
    if (f.size() != 4 || f[3].empty())
      throw std::runtime_error("line " + std::to_string(no) +
                               ": family,designation,field,reason expected");
    list.push_back({f[0], f[1], f[2], f[3]});
  }
  return list;
}

std::optional<CatalogueRecord> CompleteRow(const SourceRow& row, const std::vector<Exception>& exceptions,
                            BuildReport& report) {
  CatalogueRecord rec;
  rec.family = row.family;
  rec.designation = row.designation;
  for (size_t k = 0; k < CatalogueRecord::kValues; ++k)
    rec.values[k] = AsStored(row.values[k].value_or(0.0));

  const RolledFamily family = FamilyOf(row.family, rec);
  if (family.shape == RolledShape::kNone) return rec;  // no outline known: copied as it is
  const std::string where = row.family + " " + row.designation;
  if (!row.values[F::r]) {
    report.notes.push_back(where + " left out: the table gives no root radius");
    return std::nullopt;
  }
  const RoundedOutline outline = TrueOutline(family, rec);
  if (outline.empty()) {
    report.failures.push_back(where + ": dimensions missing or impossible");
    return rec;
  }
  const CentralProperties c = Central(Integrate(outline));
  if (!(c.area > 0)) {
    report.failures.push_back(where + ": the outline encloses no material");
    return rec;
  }

  // what the outline gives, in the record's units and axes: symmetric families keep their
  // axes along x and y, angles and Z sections take the principal axes
  const bool principal = family.shape == RolledShape::kAngle || family.shape == RolledShape::kZ;
  std::array<std::optional<double>, CatalogueRecord::kValues> computed;
  computed[F::A] = c.area / 100;
  computed[F::J1] = (principal ? c.j1 : c.ixx) / 1e4;
  computed[F::J2] = (principal ? c.j2 : c.iyy) / 1e4;
  computed[F::xS] = c.xc;
  computed[F::yS] = c.yc;
  computed[F::alpha] = principal ? c.angle * 180 / std::numbers::pi : 0.0;
  if (family.shape == RolledShape::kISloped || family.shape == RolledShape::kIParallel)
    computed[F::w1] = (rec.values[F::h] - rec.values[F::tf]) * rec.values[F::b] / 400;

  for (F f : {F::A, F::J1, F::J2}) {
    const auto& tab = row.values[f];
    if (!tab) continue;
    const double ratio = *tab / *computed[f] - 1;
    if (std::fabs(ratio) > kCrossCheckTolerance &&
        !Excused(exceptions, row, ValueColumns()[f], report)) {
      char text[160];
      std::snprintf(text, sizeof text, ": %s tabulated %g, from the outline %.5g (%+.2f %%)",
                    std::string(ValueColumns()[f]).c_str(), *tab, *computed[f], ratio * 100);
      report.failures.push_back(where + text);
    }
  }
  for (size_t k = 0; k < CatalogueRecord::kValues; ++k)
    if (!row.values[k] && computed[k]) {
      // a centroid or angle that is zero up to rounding is stored as an exact zero
      const double v = std::fabs(*computed[k]) < 1e-9 ? 0.0 : *computed[k];
      rec.values[k] = AsStored(v);
      ++report.computedValues;
    }
  return rec;
}

}  // namespace tarvik
