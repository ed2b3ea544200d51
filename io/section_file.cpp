#include "io/section_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <span>
#include <string_view>
#include <system_error>

#include "engine/bytes.h"
#include "engine/cp1250.h"
#include "engine/numbers.h"
#include "engine/records.h"
#include "engine/section_kind.h"

namespace tarvik {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTie = 0.0001;  // mm: two coordinates this close count as equal
constexpr int kMaxFigures = 255;  // the header's figure count is one byte
constexpr int kCapacity = FigureRecord::kCapacity;
// larger files are refused rather than read whole (a point list of some 600 000 points)
constexpr size_t kMaxFileBytes = 16u << 20;

constexpr const char* kMissing = "Nie ma pliku z opisem przekroju";
constexpr const char* kDamaged = "Uszkodzony plik z opisem przekroju";

// the figure count the header stores: the figures written after it
int StoredFigureCount(const SectionModel& model) {
  if (SingleFigureKind(model.kind)) return 1;
  if (!PointListForm(model)) return model.lastFigure();
  int n = std::max(model.figureCount, 0);
  for (const ImportedPoint& p : model.imported) n = std::max(n, p.figure);
  return n;
}

// point p in the principal central axes of record r
Point Principal(Point p, const PropertiesRecord& r) {
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  const double dx = p.x - r[slot::xS], dy = p.y - r[slot::yS];
  return {dx * c + dy * s, -dx * s + dy * c};
}

// the point farthest along (su, 0) among those with sv·v >= 0 (alongU), or farthest along
// (0, sv) among those with su·u >= 0; near ties go to the one farther in the other direction.
// (0, 0) when no point is on that side.
Point Farthest(const std::vector<Point>& points, double su, double sv, bool alongU) {
  bool found = false;
  Point best;
  double bestKey = 0, bestTie = 0;
  for (const Point& p : points) {
    const double side = alongU ? sv * p.y : su * p.x;
    if (side < 0) continue;
    const double key = alongU ? su * p.x : sv * p.y;
    const double tie = alongU ? sv * p.y : su * p.x;
    if (!found || key > bestKey + kTie || (std::abs(key - bestKey) <= kTie && tie > bestTie)) {
      found = true;
      best = p;
      bestKey = key;
      bestTie = tie;
    }
  }
  return best;
}

// the outline's vertices in principal axes (x = u, y = v)
std::vector<Point> PrincipalVertices(const SectionModel& model) {
  std::vector<Point> vertices;
  auto addFigure = [&](const FigureRecord& f, const PropertiesRecord& axes) {
    for (int i = 0; i < f.outerCount() - 1; ++i) vertices.push_back(Principal(f.outer[i], axes));
  };
  if (SingleFigureKind(model.kind)) {
    addFigure(model.working(), model.working().props);
  } else if (PointListForm(model)) {
    for (const ImportedPoint& p : model.imported)
      if (p.outer) vertices.push_back(Principal({p.x, p.y}, model.section));
  } else {
    for (int f = 1; f <= model.lastFigure(); ++f) addFigure(model.figures[f], model.section);
  }
  return vertices;
}

// "(path, what)": the second line of a reader's or writer's message
std::string Place(const std::string& path, const std::string& what = {}) {
  return "(" + path + (what.empty() ? "" : ", " + what) + ")";
}

std::string Record(size_t k) { return "rekord " + std::to_string(k) + ": "; }

// What a real section can hold; anything beyond is a damaged file, not a section. Points,
// origins and the positions among the properties (centroid, shear centre, plastic axes) lie
// within 1 km of the origin; the header's points are measured from the centroid along
// turned axes, so they may lie four times as far. Every other stored number (areas to
// warping constants in cm units, angles, wall thicknesses, perimeters) stays within 1e30:
// a section of 100 m, the largest dimension a generator takes, has a warping constant of
// some 1e24 cm^6 and a perimeter of some 1e6 mm.
constexpr double kLargestCoordinate = 1e6;  // mm
constexpr double kLargestHeaderPoint = 4 * kLargestCoordinate;
constexpr double kLargestValue = 1e30;

// "" when v is a number within ±bound (and not negative when it may not be), else why not
std::string ValueFault(double v, double bound, bool nonNegative = false) {
  if (!std::isfinite(v)) return "nie jest liczbą";
  if (std::abs(v) > bound) return "poza zakresem ±" + LiczbaOgolna(bound, 6);
  if (nonNegative && v < 0) return "ujemne";
  return {};
}

// the properties that are positions [mm]; a moment of inertia below zero by more than
// rounding is no moment of inertia
bool PositionSlot(int k) {
  return k == slot::xS || k == slot::yS || k == slot::xT || k == slot::yT || k == slot::xpl ||
         k == slot::ypl;
}
constexpr double kRounding = 1e-9;

std::string PropertiesFault(const PropertiesRecord& r) {
  const double moments = std::abs(r[slot::J1]) + std::abs(r[slot::J2]);
  for (const SlotInfo& info : SlotTable()) {
    const double v = r[info.slot];
    std::string why = ValueFault(v, PositionSlot(info.slot) ? kLargestCoordinate : kLargestValue,
                                 info.slot == slot::A);
    if (why.empty() && (info.slot == slot::J1 || info.slot == slot::J2) &&
        v < -kRounding * moments)
      why = "ujemne";
    if (!why.empty())
      return std::string(info.symbol) + " = " + LiczbaOgolna(v, 6) + info.unit + " (" + why + ")";
  }
  return {};
}

// what is wrong with stored record k, or "" when it can be read: counts within the
// contours, names and texts within their fields, every number finite, the used points, the
// placement and the properties within what a section can hold, no negative area or moment
std::string RecordFault(std::span<const uint8_t, kFigureRecordSize> in, size_t k) {
  namespace o = figure_offset;
  const uint8_t* p = in.data();
  const auto nOuter = static_cast<int32_t>(bytes::GetU32(p + o::kNOuter));
  const auto nInner = static_cast<int32_t>(bytes::GetU32(p + o::kNInner));
  if (nOuter < 0 || nOuter > kCapacity)
    return Record(k) + "liczba punktów konturu zewnętrznego " + std::to_string(nOuter);
  if (nInner < 0 || nInner > kCapacity)
    return Record(k) + "liczba punktów otworu " + std::to_string(nInner);
  if (p[o::kProps] > PropertiesRecord::kNameChars)
    return Record(k) + "nazwa o długości " + std::to_string(p[o::kProps]);
  for (int i = 0; i < FigureRecord::kDimTexts; ++i)
    if (const uint8_t len = p[o::kDims + 11 * i]; len > FigureRecord::kDimChars)
      return Record(k) + "tekst wymiaru " + std::to_string(i + 1) + " o długości " +
             std::to_string(len);
  const FigureRecord f = ReadFigure(in);
  // every stored point finite, the used ones within reach (unused ones are kept as read)
  const double reach = k == 0 ? kLargestHeaderPoint : kLargestCoordinate;
  for (const bool outer : {true, false}) {
    const auto& points = outer ? f.outer : f.inner;
    const int used = outer ? nOuter : nInner;
    for (int i = 0; i < kCapacity; ++i)
      for (const double v : {points[i].x, points[i].y})
        if (std::string why = ValueFault(v, i < used ? reach : HUGE_VAL); !why.empty())
          return Record(k) + "punkt " + std::to_string(i + 1) +
                 (outer ? " konturu zewnętrznego" : " otworu") + ": współrzędna " +
                 LiczbaOgolna(v, 6) + " (" + why + ")";
  }
  const struct {
    const char* name;
    double value, bound;
  } placement[] = {{"początek x", f.originX, kLargestCoordinate},
                   {"początek y", f.originY, kLargestCoordinate},
                   {"obrót", f.rotation, kLargestValue},
                   {"grubość ścianki g", f.wall1, kLargestValue},
                   {"grubość ścianki t", f.wall2, kLargestValue},
                   {"pole zapasowe 1", f.reserved[0], kLargestValue},
                   {"pole zapasowe 2", f.reserved[1], kLargestValue},
                   {"pole zapasowe 3", f.reserved[2], kLargestValue},
                   {"pole zapasowe 4", f.reserved[3], kLargestValue}};
  for (const auto& [name, value, bound] : placement)
    if (std::string why = ValueFault(value, bound); !why.empty())
      return Record(k) + name + " = " + LiczbaOgolna(value, 6) + " (" + why + ")";
  if (std::string why = PropertiesFault(f.props); !why.empty()) return Record(k) + why;
  return {};
}

ReadResult Refused(const char* error, std::string detail) {
  ReadResult r;
  r.error = error;
  r.detail = std::move(detail);
  return r;
}

}  // namespace

bool PrzekrojOkragly(const SectionModel& model) {
  const auto& sel = model.working().selection;
  const int sub = sel[1], variant = sel[2];
  switch (model.kind) {
    case kWalcowane:
      return sub == 8;  // "Rura okrągła"
    case kSpawane:
      return sub == 6;  // "Rura okrągła"
    case kProste:
      return (sub == 1 || sub == 2) && variant == 0;  // "Kołowy", round "Rura"
    case kDrewniane:
      return sub == 1;  // "Okrągły"
    case kZelbetowe:
      return sub == 2;  // "Okrągły"
    default:
      return false;
  }
}

std::vector<Point> PunktyCharakterystyczne(const SectionModel& model) {
  std::vector<Point> result;
  if (PrzekrojOkragly(model)) {
    const double r = model.working().outer[0].x;
    for (int i = 0; i < 8; ++i)
      result.push_back({r * std::cos(i * kPi / 4), r * std::sin(i * kPi / 4)});
    return result;
  }
  std::vector<Point> vertices = PrincipalVertices(model);
  // a ribbed slab's points are chosen about the mean of their v
  double shift = 0;
  if (model.kind == kUzebrowanie && !vertices.empty()) {
    for (const Point& p : vertices) shift += p.y;
    shift /= static_cast<double>(vertices.size());
    for (Point& p : vertices) p.y -= shift;
  }
  struct Quadrant {
    double su, sv;
    bool farthestAlongUFirst;
  };
  const Quadrant quadrants[] = {{1, 1, true}, {-1, 1, false}, {-1, -1, true}, {1, -1, false}};
  for (const Quadrant& q : quadrants) {
    const Point p = Farthest(vertices, q.su, q.sv, true);
    const Point r = Farthest(vertices, q.su, q.sv, false);
    const Point first = q.farthestAlongUFirst ? p : r;
    const Point second = q.farthestAlongUFirst ? r : p;
    const Point origin{0, 0};
    if (first != origin) result.push_back({first.x, first.y + shift});
    if (second != origin &&
        (std::abs(second.x - first.x) > kTie || std::abs(second.y - first.y) > kTie))
      result.push_back({second.x, second.y + shift});
  }
  return result;
}

namespace {

// the .PRM's bytes in `bytes`; not ok when the file cannot hold the section
WriteResult PrmBytes(const SectionModel& model, const PropertiesRecord& headerProps,
                     const TabFields& fields, std::string& bytes) {
  WriteResult result;
  const int n = StoredFigureCount(model);
  if (n > kMaxFigures) {
    result.error = "Za dużo figur w przekroju";
    result.detail = "(" + std::to_string(n) + ", najwyżej " + std::to_string(kMaxFigures) + ")";
    return result;
  }
  const bool pointList = PointListForm(model);

  // a figure as the file holds it: counts within the contours, the unused bytes zero
  auto stored = [](FigureRecord f) {
    f.nOuter = f.outerCount();
    f.nInner = f.innerCount();
    f.spare = {};
    return f;
  };

  std::vector<FigureRecord> records;
  FigureRecord header = stored(model.working());
  header.outer = {};
  header.inner = {};
  header.nInner = 0;
  const std::vector<Point> points = PunktyCharakterystyczne(model);
  header.nOuter = static_cast<int32_t>(std::min<size_t>(points.size(), kCapacity));
  std::copy_n(points.begin(), header.nOuter, header.outer.begin());
  header.props = headerProps;
  header.storedCount = static_cast<uint8_t>(n);
  header.selection[0] = model.kind;
  if (pointList) {
    header.selection[1] = -1;
  } else if (fields.present) {
    std::copy(fields.integers.begin(), fields.integers.end() - 1, header.selection.begin() + 1);
    header.extraChoice = fields.integers.back();
    for (int i = 0; i < FigureRecord::kDimTexts; ++i)
      if (!fields.texts[i].empty()) header.setDim(i, fields.texts[i]);
    header.reserved = fields.reals;
  }
  records.push_back(header);

  if (pointList) {
    // each figure's outer points, then its hole points, in list order, 37 to a record
    for (int f = 1; f <= n; ++f)
      for (const bool outer : {true, false}) {
        std::vector<Point> contour;
        for (const ImportedPoint& p : model.imported)
          if (p.figure == f && p.outer == outer) contour.push_back({p.x, p.y});
        for (size_t at = 0; at < contour.size(); at += kCapacity) {
          FigureRecord r;
          const auto count = static_cast<int32_t>(std::min<size_t>(contour.size() - at, kCapacity));
          std::copy_n(contour.begin() + static_cast<std::ptrdiff_t>(at), count,
                      (outer ? r.outer : r.inner).begin());
          (outer ? r.nOuter : r.nInner) = count;
          r.selection[2] = f;
          records.push_back(r);
        }
      }
  } else if (SingleFigureKind(model.kind)) {
    records.push_back(stored(model.working()));
    if (TwoPartChannel(model)) {
      FigureRecord mirrored;
      for (int i = 0; i < kCapacity; ++i)
        mirrored.outer[i] = {-records[1].outer[i].x, records[1].outer[i].y};
      mirrored.nOuter = kCapacity;
      records.push_back(mirrored);
    }
  } else {
    for (int f = 1; f <= n; ++f) records.push_back(stored(model.figures[f]));
  }

  bytes.assign(records.size() * kFigureRecordSize, '\0');
  for (size_t k = 0; k < records.size(); ++k) {
    const std::span<uint8_t, kFigureRecordSize> record(
        reinterpret_cast<uint8_t*>(bytes.data()) + k * kFigureRecordSize, kFigureRecordSize);
    WriteFigure(records[k], record);
    // what is written must read again: a section beyond what a file may hold (an outline
    // imported 1 km out, a value that is no number) is refused here, not by the next reading
    if (std::string why = RecordFault(record, k); !why.empty()) {
      result.error = "Nie można zapisać pliku z opisem przekroju";
      result.detail = "(" + why + ")";
      return result;
    }
  }
  result.ok = true;
  return result;
}

constexpr const char* kDataNotSaved = "Nie można zapisać pliku z opisem przekroju";
constexpr const char* kPictureNotSaved = "Nie można zapisać szkicu przekroju";

WriteResult NotSaved(const char* error, const std::string& path, const std::string& reason) {
  WriteResult result;
  result.error = error;
  result.detail = Place(path, reason);
  return result;
}

}  // namespace

WriteResult ZapiszPlikPrm(const std::string& path, const SectionModel& model,
                          const PropertiesRecord& headerProps, const TabFields& fields,
                          const FileCalls& calls) {
  std::string bytes;
  if (WriteResult built = PrmBytes(model, headerProps, fields, bytes); !built.ok) return built;
  const ReplaceResult written = ReplaceFiles({{path, bytes}}, calls);
  if (!written.ok) return NotSaved(kDataNotSaved, path, written.reason);
  WriteResult result;
  result.ok = true;
  return result;
}

WriteResult ZapiszPare(const std::string& stem, std::string_view picture,
                       const SectionModel& model, const PropertiesRecord& headerProps,
                       const TabFields& fields, const FileCalls& calls) {
  std::string bytes;
  if (WriteResult built = PrmBytes(model, headerProps, fields, bytes); !built.ok) return built;
  const std::string bmp = stem + ".BMP", prm = stem + ".PRM";
  // the data file, what opening reads, goes in last: a save cut off between the two renames
  // leaves the old data file whole under the new picture (or, for a new name, a picture whose
  // opening says the data file is missing), never a data file that no picture leads to
  const ReplaceResult written = ReplaceFiles({{bmp, picture}, {prm, bytes}}, calls);
  if (written.ok) {
    WriteResult result;
    result.ok = true;
    return result;
  }
  if (written.renamed == 0)
    return written.failed == 0 ? NotSaved(kPictureNotSaved, bmp, written.reason)
                               : NotSaved(kDataNotSaved, prm, written.reason);
  WriteResult result;
  result.error = "Zapisano szkic przekroju, ale nie plik z opisem przekroju";
  result.detail = "(" + bmp + " jest nowy, " + prm + " bez zmian: " + written.reason + ")";
  return result;
}


ReadResult CzytajPlikPrm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Refused(kMissing, Place(path));
  std::string content;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (content.size() > kMaxFileBytes)
      return Refused(kDamaged, Place(path, "ponad " + std::to_string(kMaxFileBytes) + " bajtów"));
  }
  if (in.bad()) return Refused(kMissing, Place(path));
  if (content.size() < kFigureRecordSize || content.size() % kFigureRecordSize != 0)
    return Refused(kDamaged, Place(path, std::to_string(content.size()) +
                                             " bajtów, to nie są pełne rekordy po " +
                                             std::to_string(kFigureRecordSize)));
  const size_t records = content.size() / kFigureRecordSize;
  auto record = [&](size_t k) {
    return std::span<const uint8_t, kFigureRecordSize>(
        reinterpret_cast<const uint8_t*>(content.data()) + k * kFigureRecordSize,
        kFigureRecordSize);
  };
  auto fault = [&](size_t k) { return RecordFault(record(k), k); };

  if (std::string why = fault(0); !why.empty()) return Refused(kDamaged, Place(path, why));
  ReadResult result;
  result.header = ReadFigure(record(0));
  const FigureRecord& header = result.header;
  const int kind = header.selection[0];
  if (kind < kWalcowane || kind > kZelbetowe)
    return Refused(kDamaged, Place(path, Record(0) + "rodzaj przekroju " + std::to_string(kind)));
  const int n = header.storedCount;
  // a ribbed slab is its slab and its rib
  if (kind == kUzebrowanie && n != 2)
    return Refused(kDamaged, Place(path, Record(0) + "przekrój użebrowany z " + std::to_string(n) +
                                             " figur, a to płyta i żebro"));

  SectionModel& model = result.model;
  model.figures.assign(1, header);
  if (kind == kDowolne && header.selection[1] == -1) {
    for (size_t k = 1; k < records; ++k) {
      if (std::string why = fault(k); !why.empty()) return Refused(kDamaged, Place(path, why));
      const FigureRecord r = ReadFigure(record(k));
      // a figure the header does not count (2^31 - 1 once made a save loop for minutes)
      const int figure = r.selection[2];
      if (figure < 1 || figure > n)
        return Refused(kDamaged, Place(path, Record(k) + "numer figury " + std::to_string(figure) +
                                                 ", nagłówek zapowiada " + std::to_string(n)));
      for (int i = 0; i < r.nOuter; ++i)
        model.imported.push_back({r.outer[i].x, r.outer[i].y, figure, 0, 0, true});
      for (int i = 0; i < r.nInner; ++i)
        model.imported.push_back({r.inner[i].x, r.inner[i].y, figure, 0, 0, false});
    }
  } else {
    if (static_cast<size_t>(n) >= records)
      return Refused(kDamaged, Place(path, "nagłówek zapowiada " + std::to_string(n) +
                                               " figur, plik zawiera " +
                                               std::to_string(records - 1)));
    for (size_t k = 1; k <= static_cast<size_t>(n); ++k) {
      if (std::string why = fault(k); !why.empty()) return Refused(kDamaged, Place(path, why));
      model.figures.push_back(ReadFigure(record(k)));
    }
  }
  model.kind = kind;
  model.figureCount = n;
  model.section = header.props;
  model.placements.resize(static_cast<size_t>(n));
  model.currentFigure = kind == kProste && header.selection[1] == 7 ? 0 : n;
  if (SingleFigureKind(kind)) model.figureCount = 1;
  result.ok = true;
  return result;
}

void AsBuilt(SectionModel& model) {
  if (model.figures.size() < 2 || !SingleFigureKind(model.kind)) return;
  model.figures[0] = model.figures[1];
  model.figures.resize(1);
  if (TwoPartChannel(model)) {
    FigureRecord mirrored = model.working();
    for (Point& p : mirrored.outer) p.x = -p.x;
    for (Point& p : mirrored.inner) p.x = -p.x;
    model.figures.push_back(mirrored);
  }
}

std::string TekstFigury(const SectionModel& model, int figure) {
  // every digit a point needs to come back as it was (the shortest fixed form that reads
  // back to the same double), with a decimal comma: an export read again must not move a
  // corner by the rounding of a shown result
  auto coordinate = [](double v) {
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    std::string text = error == std::errc{} ? std::string(buffer, end) : FormatLiczby(-1, "", v, true);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
  };
  std::vector<Point> points;
  std::string heading;
  for (const ImportedPoint& p : model.imported) {
    if (p.figure != figure) continue;
    if (heading.empty()) heading = p.outer ? "Zewnętrzna" : "Wewnętrzna";
    points.push_back({p.x, p.y});
  }
  // a figure of the table (a standard shape): its outline without the reference point, or
  // its hole
  if (model.imported.empty() && figure >= 1 && figure <= model.lastFigure()) {
    const FigureRecord& f = model.figures[static_cast<size_t>(figure)];
    if (f.outerCount() > 1) {
      heading = "Zewnętrzna";
      points.assign(f.outer.begin(), f.outer.begin() + f.outerCount() - 1);
    } else if (f.innerCount() > 0) {
      heading = "Wewnętrzna";
      points.assign(f.inner.begin(), f.inner.begin() + f.innerCount());
    }
  }
  if (heading.empty()) heading = "Zewnętrzna";
  std::string lines;
  int number = 0;
  for (const Point& p : points)
    lines += std::to_string(++number) + "   " + coordinate(p.x) + "   " + coordinate(p.y) + "   \r\n";
  return heading + "\r\n" + lines;
}

bool ZapiszTekstFigury(const std::string& path, const SectionModel& model, int figure) {
  return ReplaceFiles({{path, Utf8ToCp1250(TekstFigury(model, figure))}}).ok;
}

TabFields StoredTabFields(const FigureRecord& header) {
  TabFields fields;
  fields.present = true;
  std::copy(header.selection.begin() + 1, header.selection.end(), fields.integers.begin());
  fields.integers.back() = header.extraChoice;
  std::copy(header.dims.begin(), header.dims.end(), fields.texts.begin());
  fields.reals = header.reserved;
  return fields;
}

}  // namespace tarvik
