#include "tools/profile_builder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

#include "generators/rolled_shapes.h"
#include "generators/welded.h"

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
  if (IsCastellatedParent(row.family)) AddCastellatedValues(row, rec, report);
  return rec;
}

// ---- castellated girders ----

bool IsCastellatedParent(std::string_view family) {
  return family == "2TPN" || family == "IPE" || family == "HEB";
}

std::optional<CastellatedGirder> Castellate(const CatalogueRecord& parent, double cut,
                                            double spacer, std::string* fault) {
  auto refuse = [&](std::string why) -> std::optional<CastellatedGirder> {
    if (fault) *fault = std::move(why);
    return std::nullopt;
  };
  const RolledFamily family = FamilyOf(parent.family, parent);
  if (family.shape != RolledShape::kIParallel && family.shape != RolledShape::kISloped)
    return refuse("no I section");
  if (!(cut > 0) || !(spacer >= 0)) return refuse("no cut, or a negative spacer");
  const RoundedOutline whole = TrueOutline(family, parent);
  // the lower half with its web cut at mid-height (y = h/2 there); corner 2 is the root, so
  // its fillet ends where the straight web begins
  const RoundedOutline half = HalfOfI(family, parent);
  if (whole.empty() || half.size() < 3) return refuse("dimensions missing or impossible");
  const double h = parent.values[F::h], tw = parent.values[F::tw];
  const double straight = h / 2 - FilletAt(half, 2).end.y;
  if (cut / 2 >= straight) {
    char text[120];
    std::snprintf(text, sizeof text,
                  "cut %g mm reaches the root fillets (straight web %.4g mm each side of "
                  "mid-height)",
                  cut, straight);
    return refuse(text);
  }

  const CentralProperties c = Central(Integrate(whole));
  const AreaIntegrals lower = Integrate(half);
  // first moment of one half about mid-height, exact (the fillets integrated along their
  // arcs), then without the web strip the cut takes from it
  const double sHalf = lower.a * h / 2 - lower.sx;
  const double sTee = sHalf - tw * (cut / 2) * (cut / 2) / 2;
  const double aNet = c.area - cut * tw;
  const double iNet = c.ixx - tw * cut * cut * cut / 12;
  // each tee moves out by half the cut and half the spacer
  const double d = (cut + spacer) / 2;
  const double iOpening = iNet + 4 * d * sTee + aNet * d * d;
  const double opening = 2 * cut + spacer;

  CastellatedGirder g;
  g.height = h + cut + spacer;
  g.j1Opening = iOpening / 1e4;
  g.j1Post = (iOpening + tw * opening * opening * opening / 12) / 1e4;
  g.netArea = parent.values[F::A] - cut * tw / 100;
  // Regular hexagonal openings: sides a = 2c/√3, pitch 2√3·c; one plate per web post, a
  // long, so the plates cover a third of the girder's length
  g.mass = 0.785 * (parent.values[F::A] + spacer * tw / 100 / 3);
  return g;
}

bool AddCastellatedValues(const SourceRow& row, CatalogueRecord& record, BuildReport& report) {
  namespace k = castellated;
  const double h = record.values[F::h];
  std::string fault;
  // the ordinary girder: cut at h/2, 1.5·h high; the high girder: the same cut with spacer
  // plates h/2 high, 2·h high
  const auto ordinary = Castellate(record, h / 2, 0, &fault);
  const auto high = ordinary ? Castellate(record, h / 2, h / 2, &fault) : std::nullopt;
  if (!high) {
    report.failures.push_back(row.family + " " + row.designation + ": no castellated girder: " +
                              fault);
    return false;
  }
  const std::pair<size_t, double> values[] = {
      {k::kHeight, ordinary->height},   {k::kJ1, ordinary->j1Opening},
      {k::kHighHeight, high->height},   {k::kHighJ1, high->j1Opening},
      {k::kHighMass, high->mass},       {k::kNetArea, ordinary->netArea}};
  for (const auto& [index, value] : values)
    if (!row.values[index]) {
      record.values[index] = AsStored(value);
      ++report.computedValues;
    }
  return true;
}

// ---- corrugated-web girders "WT" ----

namespace {

// a number of the tab's lists, blanks around it allowed (" 750", " 2.5")
double ListNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size())
    throw std::logic_error("not a number in the welded lists: '" + std::string(text) + "'");
  return v;
}

}  // namespace

double DevelopedLengthFactor(double web) {
  // sinusoidal webs of wavelength 155 mm, 40 mm deep when 2.0 mm thick and 43 mm deep when
  // thicker: the arc length of a wavelength over 155 mm
  if (web == 2.0) return 1.148;
  if (web == 2.5 || web == 3.0) return 1.169;
  return 0;
}

std::optional<CatalogueRecord> CorrugatedGirder(int sizeIndex, int flangeIndex) {
  const auto& sizes = WeldedSizes(kWeldedWT);
  if (sizeIndex < 0 || sizeIndex >= static_cast<int>(sizes.size())) return std::nullopt;
  const std::vector<std::string> flanges = WeldedSecond(kWeldedWT, sizeIndex);
  if (flangeIndex < 0 || flangeIndex >= static_cast<int>(flanges.size())) return std::nullopt;

  const double hw = ListNumber(sizes[sizeIndex]);
  const std::string& flange = flanges[flangeIndex];
  const size_t x = flange.find('x');
  if (x == std::string::npos) throw std::logic_error("no 'x' in the flange '" + flange + "'");
  const double b = ListNumber(std::string_view(flange).substr(0, x));
  const double tf = ListNumber(std::string_view(flange).substr(x + 1));
  std::vector<double> webs;
  for (const std::string& w : CorrugatedWebs(sizeIndex)) webs.push_back(ListNumber(w));
  if (webs.empty()) throw std::logic_error("no web offered for the height " + sizes[sizeIndex]);
  // the record holds the thinnest web offered; the generator puts the chosen one in its place
  const double tw = *std::min_element(webs.begin(), webs.end());
  const double h = hw + 2 * tf;

  CatalogueRecord rec;
  rec.family = WeldedCode(kWeldedWT);
  rec.designation = std::to_string(static_cast<int>(hw)) + "-" + std::to_string(flangeIndex + 1);
  auto& v = rec.values;
  v[F::h] = h;
  v[F::b] = b;
  v[F::tw] = tw;
  v[F::tf] = tf;
  // the flat section's area, web included [cm^2]
  v[F::A] = (2 * b * tf + hw * tw) / 100;
  // the corrugated web carries no longitudinal stress (EN 1993-1-5, Annex D): the flanges
  // alone bend
  const double arm = (h - tf) / 2;
  v[F::J1] = 2 * (b * tf * tf * tf / 12 + b * tf * arm * arm) / 1e4;
  v[F::J2] = 2 * tf * b * b * b / 12 / 1e4;
  // mass per metre of each web the height is made in, the web's developed length counted
  const std::pair<double, size_t> masses[] = {
      {2.0, corrugated::kMass20}, {2.5, corrugated::kMass25}, {3.0, corrugated::kMass30}};
  for (const auto& [web, index] : masses)
    if (std::find(webs.begin(), webs.end(), web) != webs.end())
      v[index] = 0.785 * (2 * b * tf + DevelopedLengthFactor(web) * hw * web) / 100;
  // the flat I's outline: flange faces 4·b, flange edges 4·tf, web faces 2·hw, less the web
  // where it meets the flanges [m]
  v[corrugated::kPerimeter] = (4 * b + 4 * tf + 2 * hw - 2 * tw) / 1000;
  for (double& value : v) value = AsStored(value);
  return rec;
}

std::vector<CatalogueRecord> CorrugatedGirders() {
  std::vector<CatalogueRecord> all;
  for (int size = 0; size < static_cast<int>(WeldedSizes(kWeldedWT).size()); ++size)
    for (int flange = 0; auto girder = CorrugatedGirder(size, flange); ++flange)
      all.push_back(std::move(*girder));
  return all;
}

}  // namespace tarvik
