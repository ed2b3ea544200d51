// Sets of identical profiles. The member is built by its own family's generator into the
// working figure, copied into figures 1..N, each copy turned (and, for unequal angles, turned
// over) and moved into its place by the figure transform; the set is summed by the
// parallel-axis theorem, its moduli integrated over all copies, and its torsion, shear areas
// and shear moments completed from the member's catalogue values by closed forms.
#include "generators/sets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/composite.h"
#include "engine/integration.h"
#include "engine/numbers.h"
#include "engine/plastic.h"
#include "generators/cold_formed.h"
#include "generators/rolled.h"
#include "generators/welded.h"

namespace tarvik {
namespace {

constexpr double kLargestSpacing = 1e5;  // mm
constexpr double kOnLine = 1e-6;         // mm: a vertex on a face line

double Cube(double v) { return v * v * v; }
double Sq(double v) { return v * v; }

enum class MemberType {
  kWeldedI,
  kRolledI,
  kRolledChannel,
  kColdChannel,
  kRolledAngle,
  kColdAngle,
  kRoundTube,
  kBoxTube,
};

// what the set takes from its member once the member's generator has run
struct Member {
  MemberType type = MemberType::kRolledI;
  PropertiesRecord props;  // the member's own properties
  // catalogue dimensions [mm]: I and channel h, b, tw, tf; angle h (the leg along y), b (the
  // leg along x), tw = tf = t; tube h = H or D, b = B, tw = tf = the wall
  double h = 0, b = 0, tw = 0, tf = 0;
  std::vector<DimensionLine> dims;  // the member's own dimension lines, on figure 1's points
};

// ---- the member ----

Selection MemberSelection(int kind, int sub, int variant, const Selection& set) {
  Selection one;
  one.kind = kind;
  one.sub = sub;
  one.variant = variant;
  one.setText(0, set.texts[0]);
  one.setText(1, set.texts[1]);
  return one;
}

// The lipped channel has no catalogue: its designation "H x B x C x g" (the form the
// " Gięte " tab names it by) is built as typed dimensions with the catalogue's bend radius.
bool LippedChannelSelection(Generation& g, Selection& one) {
  const std::string designation = g.dimText(1);
  std::vector<std::string> parts;
  size_t from = 0;
  for (size_t x; (x = designation.find('x', from)) != std::string::npos; from = x + 1)
    parts.push_back(designation.substr(from, x - from));
  parts.push_back(designation.substr(from));
  if (parts.size() != 4 ||
      std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return !CalaLiczba(p, "", false); })) {
    g.refuse("Nieczytelny wymiar", "(ceownik czterogięty \"" + designation + "\": H x B x C x g)");
    return false;
  }
  one = Selection{};
  one.kind = kGiete;
  one.variant = kColdLipChannel;
  one.mode = kColdOwnDimensions;
  for (int i = 0; i < 4; ++i) one.setText(i, parts[static_cast<size_t>(i)] + " mm");
  one.setText(4, "1,5 x g");
  return true;
}

// the member's generator on the member's own selection; false (the user told, the set
// failed) when it built nothing
bool BuildMember(Generation& g, Member& m) {
  const Selection& s = g.selection;
  Selection one;
  Generator generator = nullptr;
  const bool second = s.option2 == 1;  // welded I, cold-formed channel or angle
  switch (s.sub) {
    case kSetI:
      if (second) {
        if (s.variant < kWeldedIPBS || s.variant > kWeldedWT) {
          g.refuse("Nie ma takiego przekroju",
                   "(dwuteownik spawany nr " + std::to_string(s.variant) + ")");
          return false;
        }
        one = MemberSelection(kSpawane, s.variant, s.variant, s);
        // a "WT" girder's web thickness, its third list, is the set's text 5
        if (s.variant == kWeldedWT) one.setText(2, s.texts[4]);
        generator = DwuteownikSpawany;
        m.type = MemberType::kWeldedI;
      } else {
        one = MemberSelection(kWalcowane, 0, s.variant, s);
        one.option = s.variant == kSeriesNormalny ? s.option : 0;
        generator = DwuteownikWalcowany;
        m.type = MemberType::kRolledI;
      }
      break;
    case kSetChannels:
      if (second) {
        if (s.option == 1) {
          if (!LippedChannelSelection(g, one)) return false;
          generator = CeownikCzterogiety;
        } else {
          one = MemberSelection(kGiete, 0, kColdChannelA, s);
          generator = CeownikGiety;
        }
        m.type = MemberType::kColdChannel;
      } else {
        one = MemberSelection(kWalcowane, 1, s.variant, s);
        one.option = s.variant == kChannelNormalny ? s.option : 0;
        generator = CeownikWalcowany;
        m.type = MemberType::kRolledChannel;
      }
      break;
    case kSetEqualAngles:
    case kSetUnequalAngles: {
      const bool equal = s.sub == kSetEqualAngles;
      if (second) {
        one = MemberSelection(kGiete, 0, equal ? kColdAngleRA : kColdAngleNA, s);
        generator = KatownikGiety;
        m.type = MemberType::kColdAngle;
      } else {
        one = MemberSelection(kWalcowane, equal ? 2 : 3, 0, s);
        generator = KatownikWalcowany;
        m.type = MemberType::kRolledAngle;
      }
      break;
    }
    case kSetRoundTubes:
      one = MemberSelection(kWalcowane, 8, 0, s);
      generator = RuraBezSzwu;
      m.type = MemberType::kRoundTube;
      break;
    case kSetSquareTubes:
    case kSetRectTubes:
      one = MemberSelection(kGiete, 0, s.sub == kSetSquareTubes ? kColdSquareTube : kColdRectTube, s);
      generator = RuraProstokatna;
      m.type = MemberType::kBoxTube;
      break;
    default:
      g.refuse("Nie ma takiego przekroju", "(zestaw nr " + std::to_string(s.sub) + ")");
      return false;
  }
  SectionModel& model = g.model;
  Generation member{model, one, g.settings, g.sink};
  generator(member);
  if (member.failed || model.working().outerCount() == 0) {
    g.failed = true;
    return false;
  }
  m.props = model.section;
  m.dims = model.dimensions;
  const PropertiesRecord& r = m.props;
  m.h = r[slot::d1];
  m.b = r[slot::d2];
  m.tw = r[slot::d3];
  // the lipped channel keeps its lip in d4; every cold-formed plate is one thickness
  m.tf = m.type == MemberType::kColdChannel || m.type == MemberType::kColdAngle ||
                 m.type == MemberType::kBoxTube || m.type == MemberType::kRoundTube
             ? r[slot::d3]
             : r[slot::d4];
  if (m.type == MemberType::kBoxTube && r[slot::d2] == 0) m.b = m.h;
  // what the member's tab records about itself is not the set's
  model.dimensions.clear();
  model.flags = {};
  model.hotRolledTube = false;
  model.section.clear();
  return true;
}

// ---- the layout ----

// a copy's place: mirrored in y (x := -x, the bar turned over) before the turn [degrees],
// then moved by (sx·s/2 + cx, sy·v/2 + cy)
struct Place {
  double turn = 0;
  bool mirror = false;
  double sx = 0, sy = 0;
  double cx = 0, cy = 0;
};

void Copies(SectionModel& model, int n) {
  model.figures.resize(static_cast<size_t>(n) + 1);
  for (int f = 1; f <= n; ++f) model.figures[static_cast<size_t>(f)] = model.figures[0];
  model.figureCount = n;
  model.currentFigure = 0;
}

void Put(SectionModel& model, const std::vector<Place>& places, double s, double v) {
  for (size_t k = 0; k < places.size(); ++k) {
    const Place& p = places[k];
    PrzeksztalcFigure(model, static_cast<int>(k) + 1, false, p.mirror, p.sx * s / 2 + p.cx,
                      p.sy * v / 2 + p.cy, p.turn);
  }
}

// ---- point numbers of the drawn figures (the results sketch counts every outer point of
// figures 1..N in turn, the reference point and the hole's points included) ----

int Base(const SectionModel& model, int f) {
  int n = 0;
  for (int k = 1; k < f; ++k) n += model.figures[k].outerCount() + model.figures[k].innerCount();
  return n;
}

int Vertices(const FigureRecord& fig) { return std::max(fig.outerCount() - 1, 0); }

// the vertex of figure f on the line x = at (byX) or y = at whose other coordinate is nearest
// target, as a point number of the drawing; the nearest vertex to the line when none lies on it
int OnLine(const SectionModel& model, int f, bool byX, double at, double target) {
  const FigureRecord& fig = model.figures[f];
  int best = 0;
  double bestOff = std::numeric_limits<double>::max(), bestAlong = bestOff;
  for (int i = 0; i < Vertices(fig); ++i) {
    const Point& p = fig.outer[i];
    const double off = std::fabs((byX ? p.x : p.y) - at);
    const double along = std::fabs((byX ? p.y : p.x) - target);
    const bool better = off < bestOff - kOnLine || (off <= bestOff + kOnLine && along < bestAlong);
    if (better) best = i, bestOff = std::min(off, bestOff), bestAlong = along;
  }
  return Base(model, f) + best + 1;
}

// the largest sign·x (byX) or sign·y of figure f's vertices, times sign
double Extreme(const SectionModel& model, int f, bool byX, int sign) {
  const FigureRecord& fig = model.figures[f];
  double e = -std::numeric_limits<double>::max();
  for (int i = 0; i < Vertices(fig); ++i) e = std::max(e, sign * (byX ? fig.outer[i].x : fig.outer[i].y));
  return sign * e;
}

// a line of the member moved to figure f
DimensionLine OnFigure(DimensionLine d, int by) {
  auto shift = [by](int32_t& p) {
    if (p > 0) p += by;
    if (p < 0) p -= by;
  };
  shift(d.from), shift(d.from2), shift(d.to), shift(d.to2);
  return d;
}

// the spacing text as the name shows it: the typed number up to its first blank, or the
// spacing used when the typed one was raised to the minimum
std::string SpacingName(const std::string& typed, double used, bool raised) {
  if (raised) return used == 0 ? "0" : FormatWymiaru(0, 0, 0, used);
  std::string t = typed;
  const size_t first = t.find_first_not_of(' ');
  t = first == std::string::npos ? "" : t.substr(first);
  return t.substr(0, t.find(' '));
}

// ---- one run of a set ----

struct SetRun {
  Generation& g;
  Member m;
  double s = 0, v = 0;           // the spacings used [mm]
  bool sRaised = false, vRaised = false;

  SectionModel& model() { return g.model; }
  PropertiesRecord& r() { return g.props(); }

  // spacing text 3 (horizontal) or 4 (vertical), raised to its minimum; false after the
  // refusal of a text that is no number or too large a one
  bool Spacing(int text, double minimum, double& value, bool& raised) {
    const std::string& typed = g.selection.texts.at(static_cast<size_t>(text - 1));
    if (!CalaLiczba(typed, "mm", true)) {
      g.refuse("Nieczytelny wymiar",
               std::string("(") + (text == 3 ? "Rozstaw H" : "Rozstaw V") + ": \"" + typed + "\")");
      return false;
    }
    value = CzytajLiczbe(typed);
    if (value > kLargestSpacing) {
      g.refuse("Za duży wymiar", "(" + typed + ")");
      return false;
    }
    raised = value < minimum;
    if (raised) value = minimum;
    model().setSpacings[text - 3] = value;
    return true;
  }
  bool H(double minimum) { return Spacing(3, minimum, s, sRaised); }
  bool V(double minimum) { return Spacing(4, minimum, v, vRaised); }
  std::string SName() const { return SpacingName(g.selection.texts[2], s, sRaised); }
  std::string VName() const { return SpacingName(g.selection.texts[3], v, vRaised); }

  // names, sums over figures 1..N and the moduli of the whole set
  void Sum(const std::string& name) {
    r().setName(name);
    SumujFigury(model(), true, r());
    ReportPlasticAxes(ObliczWskazniki(model(), 1, model().lastFigure(), r()), g.sink);
    for (int k : {slot::Js, slot::Jw, slot::w1, slot::w2, slot::xT, slot::yT}) r()[k] = 0;
  }

  void Dim(int direction, int from, int to, int offset, double value, int from2 = 0, int to2 = 0) {
    AddDimension(model(), direction, from, to, offset, value, from2, to2);
  }
};

// ---- I-sections ----

void ISet(SetRun& run) {
  const Member& m = run.m;
  SectionModel& model = run.model();
  const int layout = run.g.selection.mode;
  const double h = m.h, b = m.b, tw = m.tw, tf = m.tf;
  Copies(model, 2);
  const int n1 = Base(model, 2);                // points of the first copy
  const int tip = Vertices(model.figures[1]) / 2;  // the upper flange's right tip
  const std::string name = m.props.name();
  PropertiesRecord& r = run.r();
  switch (layout) {
    case 1: {
      // side by side, the flange tips touching (s = b) or further apart: the webs s apart
      // close a box with the flanges
      if (!run.H(b)) return;
      const double s = run.s;
      Put(model, {{0, false, -1, 0}, {0, false, 1, 0}}, s, 0);
      for (size_t k = 0; k < m.dims.size(); ++k) {
        DimensionLine d = OnFigure(m.dims[k], n1);
        if (k == 1) {  // the width: from the second copy's right tip to the first's left one
          d.to = m.dims[k].to;
          d.value = s + b;
        }
        model.dimensions.push_back(d);
      }
      run.Sum("Sk " + name);
      r[slot::Avx] = 2 * m.props[slot::Avx];
      r[slot::Avy] = 2 * m.props[slot::Avy];
      // Bredt's closed cell between the webs' and the flanges' mid-lines
      r[slot::Jt] = 4 * Sq((h - tf) * s) / (2 * s / tf + 2 * (h - tf) / tw) / 1e4;
      r[slot::Wt] = 2 * (h - tf) * s * tw / 1000;
      r[slot::Ivx] = 2 * Cube(h) * tw / 120000;
      r[slot::Ivy] = 16 * Cube(b) * tf / 120000;
      break;
    }
    case 2: {
      if (!run.H(b)) return;
      Put(model, {{0, false, -1, 0}, {0, false, 1, 0}}, run.s, 0);
      model.dimensions = m.dims;
      run.Dim(1, tip, n1 + tip, -15, run.s, tip + 1, n1 + tip + 1);
      run.Sum("2x" + name + "/" + run.SName());
      r[slot::Avx] = 2 * m.props[slot::Avx];
      r[slot::Avy] = 2 * m.props[slot::Avy];
      r[slot::Jt] = 2 * m.props[slot::Jt];
      r[slot::Wt] = 2 * m.props[slot::Wt];
      r[slot::Ivx] = 2 * Cube(h) * tw / 120000;
      r[slot::Ivy] = 4 * Cube(b) * tf / 120000;
      break;
    }
    case 3: {
      // a cross: the first copy turned, the webs overlapping in a tw x tw square
      Put(model, {{90, false, 0, 0}, {0, false, 0, 0}}, 0, 0);
      for (const DimensionLine& d : m.dims) model.dimensions.push_back(OnFigure(d, n1));
      run.Sum("Kr " + name);
      r[slot::A] -= tw * tw / 100;
      r[slot::Avx] = r[slot::Avy] = m.props[slot::Avx] + m.props[slot::Avy];
      r[slot::Jt] = 2 * m.props[slot::Jt];
      r[slot::Wt] = 2 * m.props[slot::Wt];
      r[slot::Ivx] = r[slot::Ivy] = Cube(h) * tw / 120000;
      break;
    }
    default:
      model.dimensions = m.dims;
      run.Sum(name);
      break;
  }
}

// ---- channels ----

void ChannelSet(SetRun& run) {
  const Member& m = run.m;
  SectionModel& model = run.model();
  const int layout = run.g.selection.mode;
  const double h = m.h, b = m.b, tw = m.tw, tf = m.tf;
  const bool cold = m.type == MemberType::kColdChannel;
  Copies(model, 2);
  const std::string name = m.props.name();
  PropertiesRecord& r = run.r();
  // the back of a copy's web lies on x = its origin; the point of the back nearest the top
  auto back = [&](int f) {
    return OnLine(model, f, true, model.figures[f].originX, std::numeric_limits<double>::max());
  };
  switch (layout) {
    case 1:
      Put(model, {{0, false, 0, 0, -b}, {180, false, 0, 0, b}}, 0, 0);
      break;
    case 2:
      if (!run.H(2 * b)) return;
      Put(model, {{0, false, -1, 0}, {180, false, 1, 0}}, run.s, 0);
      break;
    case 3:
      if (!run.H(0)) return;
      Put(model, {{0, false, 1, 0}, {180, false, -1, 0}}, run.s, 0);
      break;
    default:
      model.dimensions = m.dims;
      run.Sum(name);
      return;
  }
  model.dimensions = m.dims;
  if (layout == 1) {
    // the height on the second copy's back, the width across both: from the first copy's
    // lower back corner to the second's
    const double top = Extreme(model, 2, false, 1), bottom = Extreme(model, 2, false, -1);
    const double right = model.figures[2].originX, left = model.figures[1].originX;
    for (size_t k = 0; k < model.dimensions.size() && k < 2; ++k) {
      DimensionLine& d = model.dimensions[k];
      if (k == 0) {
        d.from = OnLine(model, 2, false, top, right);
        d.to = OnLine(model, 2, false, bottom, right);
        d.from2 = d.to2 = 0;
      } else {
        d.from = OnLine(model, 1, false, Extreme(model, 1, false, -1), left);
        d.to = OnLine(model, 2, false, bottom, right);
        d.value = 2 * b;
      }
      if (cold) d.offset = 200;
    }
    if (cold && model.dimensions.size() > 3) model.dimensions[3].offset = 30;
  } else {
    run.Dim(1, back(1), back(2), cold ? -40 : -15, run.s);
  }
  run.Sum(layout == 1 ? "Sk " + name : "2x" + name + "/" + run.SName());
  const double xS = m.props[slot::xS];
  r[slot::Avx] = 2 * m.props[slot::Avx];
  r[slot::Avy] = 2 * m.props[slot::Avy];
  r[slot::Ivx] = 2 * Cube(h) * tw / 120000;
  if (layout == 1) {
    // Bredt's closed cell between the webs' and the flanges' mid-lines
    r[slot::Jt] = 4 * Sq((h - tf) * (2 * b - tw)) / (2 * (h - tf) / tw + 2 * (2 * b - tw) / tf) / 1e4;
    r[slot::Wt] = 2 * (h - tf) * (2 * b - tw) * tw / 1000;
    r[slot::Ivy] = 16 * Cube(b) * tf / 120000;
  } else {
    r[slot::Jt] = 2 * m.props[slot::Jt];
    r[slot::Wt] = 2 * m.props[slot::Wt];
    r[slot::Ivy] = 4 * (Sq(b / 2 - xS) * b * tf + Cube(b) * tf / 12) / 1e4;
  }
}

// ---- angles ----

// An angle's layout: the copies' places, the smallest spacings (in legs: s >= sb·b + sh·h),
// which spacings it uses, and which copies' corners the added dimension lines join.
//
// Equal angles (the member's corner at the origin, legs b along +x and +y; "2t/3" is the
// closing gap d of the box: 2t/3 rolled, g cold-formed):
//   layout  copies  turns (degrees) and moves                              minimum s, v
//   1 box      2    -, 180 by (b + d, b + d)                               -
//   2          2    180 at (+s/2, 0); -90 at (-s/2, 0)                     2b
//   3 tee      2    180 at (-s/2, 0); -90 at (+s/2, 0)                     0
//   4          2    -90 at (+s/2, -v/2); 90 at (-s/2, +v/2)                0, 0
//   5          2    - at (-s/2, +v/2); 180 at (+s/2, -v/2)                 b, 0
//   6 corners  4    - (-s/2,-v/2); 90 (+s/2,-v/2); 180 (+s/2,+v/2); -90 (-s/2,+v/2)   2b, 2b
//   7 cross    4    - (+s/2,+v/2); 90 (-s/2,+v/2); 180 (-s/2,-v/2); -90 (+s/2,-v/2)   0, 0
//
// Unequal angles (the member: leg b along +x, leg h along +y; "M" turns the bar over, the
// mirror x := -x made before the turn, so that the pairs can be symmetric):
//   layout  copies  turns and moves                                        minimum s, v
//   1 box      2    -, 180 by (b + d, h + d)                               -
//   2          2    180 at (+s/2, 0); M 180 at (-s/2, 0): legs b facing,   2b
//                   legs h down at the outer ends
//   3 tee      2    180 at (-s/2, 0); M 180 at (+s/2, 0): legs h back to   0
//                   back, s apart
//   4          2    -90 at (+s/2, -v/2); 90 at (-s/2, +v/2): point         0, 0
//                   symmetric, legs h along x
//   5          2    - at (-s/2, +v/2); 180 at (+s/2, -v/2): point          b, 0
//                   symmetric, legs b back to back v apart
//   6 corners  4    - (-s/2,-v/2); M (+s/2,-v/2); 180 (+s/2,+v/2);         2b, 2h
//                   M 180 (-s/2,+v/2): legs h upright, a closed box at the minimum
//   7 cross    4    - (+s/2,+v/2); M (-s/2,+v/2); 180 (-s/2,-v/2);         0, 0
//                   M 180 (+s/2,-v/2): legs h upright, back to back
//   8          2    M 90 at (+s/2, 0); -90 at (-s/2, 0): layout 2 with     2h
//                   legs h facing along x, legs b down
//   9 tee      2    M 90 at (-s/2, 0); -90 at (+s/2, 0): layout 3 with     0
//                   legs b back to back, legs h along x
//   10 corners 4    M -90 (-s/2,-v/2); 90 (+s/2,-v/2); M 90 (+s/2,+v/2);   2h, 2b
//                   -90 (-s/2,+v/2): layout 6 with legs h along x
//   11 cross   4    M -90 (+s/2,+v/2); 90 (-s/2,+v/2); M 90 (-s/2,-v/2);   0, 0
//                   -90 (+s/2,-v/2): layout 7 with legs h along x
struct AngleLayout {
  std::vector<Place> places;
  double sb = 0, sh = 0, vb = 0, vh = 0;  // minimum s = sb·b + sh·h, v = vb·b + vh·h
  bool usesS = false, usesV = false;
  std::array<int, 2> sPair{}, vPair{};    // the copies whose corners are s (v) apart
  bool box = false;                       // layout 1: the two angles close a box
  bool corners = false;                   // four at the corners: a box at the minimum
};

const AngleLayout* AngleLayoutOf(bool equal, int layout) {
  using P = Place;
  static const std::vector<AngleLayout> kEqual = {
      {{P{0}, P{180}}, 0, 0, 0, 0, false, false, {}, {}, true},
      {{P{180, false, 1, 0}, P{-90, false, -1, 0}}, 2, 0, 0, 0, true, false, {2, 1}},
      {{P{180, false, -1, 0}, P{-90, false, 1, 0}}, 0, 0, 0, 0, true, false, {1, 2}},
      {{P{-90, false, 1, -1}, P{90, false, -1, 1}}, 0, 0, 0, 0, true, true, {2, 1}, {1, 2}},
      {{P{0, false, -1, 1}, P{180, false, 1, -1}}, 1, 0, 0, 0, true, true, {1, 2}, {2, 1}},
      {{P{0, false, -1, -1}, P{90, false, 1, -1}, P{180, false, 1, 1}, P{-90, false, -1, 1}},
       2, 0, 2, 0, true, true, {1, 2}, {1, 4}, false, true},
      {{P{0, false, 1, 1}, P{90, false, -1, 1}, P{180, false, -1, -1}, P{-90, false, 1, -1}},
       0, 0, 0, 0, true, true, {2, 1}, {4, 1}},
  };
  static const std::vector<AngleLayout> kUnequal = {
      {{P{0}, P{180}}, 0, 0, 0, 0, false, false, {}, {}, true},
      {{P{180, false, 1, 0}, P{180, true, -1, 0}}, 2, 0, 0, 0, true, false, {2, 1}},
      {{P{180, false, -1, 0}, P{180, true, 1, 0}}, 0, 0, 0, 0, true, false, {1, 2}},
      {{P{-90, false, 1, -1}, P{90, false, -1, 1}}, 0, 0, 0, 0, true, true, {2, 1}, {1, 2}},
      {{P{0, false, -1, 1}, P{180, false, 1, -1}}, 1, 0, 0, 0, true, true, {1, 2}, {2, 1}},
      {{P{0, false, -1, -1}, P{0, true, 1, -1}, P{180, false, 1, 1}, P{180, true, -1, 1}},
       2, 0, 0, 2, true, true, {1, 2}, {1, 4}, false, true},
      {{P{0, false, 1, 1}, P{0, true, -1, 1}, P{180, false, -1, -1}, P{180, true, 1, -1}},
       0, 0, 0, 0, true, true, {2, 1}, {4, 1}},
      {{P{90, true, 1, 0}, P{-90, false, -1, 0}}, 0, 2, 0, 0, true, false, {2, 1}},
      {{P{90, true, -1, 0}, P{-90, false, 1, 0}}, 0, 0, 0, 0, true, false, {1, 2}},
      {{P{-90, true, -1, -1}, P{90, false, 1, -1}, P{90, true, 1, 1}, P{-90, false, -1, 1}},
       0, 2, 2, 0, true, true, {1, 2}, {1, 4}, false, true},
      {{P{-90, true, 1, 1}, P{90, false, -1, 1}, P{90, true, -1, -1}, P{-90, false, 1, -1}},
       0, 0, 0, 0, true, true, {2, 1}, {4, 1}},
  };
  const std::vector<AngleLayout>& table = equal ? kEqual : kUnequal;
  return layout >= 1 && layout <= static_cast<int>(table.size()) ? &table[static_cast<size_t>(layout - 1)]
                                                                  : nullptr;
}

bool Across(double turn) { return std::fabs(std::fabs(turn) - 90) < 1e-9; }

void AngleSet(SetRun& run) {
  const Member& m = run.m;
  SectionModel& model = run.model();
  const Selection& sel = run.g.selection;
  const bool equal = sel.sub == kSetEqualAngles;
  const AngleLayout* layout = AngleLayoutOf(equal, sel.mode);
  const double h = m.h, b = m.b, t = m.tw;
  const std::string name = m.props.name();
  PropertiesRecord& r = run.r();
  if (!layout) {
    Copies(model, 2);
    model.dimensions = m.dims;
    run.Sum("2x" + name);
    return;
  }
  const int n = static_cast<int>(layout->places.size());
  Copies(model, n);
  if (layout->usesS && !run.H(layout->sb * b + layout->sh * h)) return;
  if (layout->usesV && !run.V(layout->vb * b + layout->vh * h)) return;
  std::vector<Place> places = layout->places;
  if (layout->box) {
    // the second angle closes the box: rolled toes are rounded, the gap 2t/3 lets them
    // bear on the other's legs; cold-formed legs end square, one wall apart
    const double d = m.type == MemberType::kRolledAngle ? 2 * t / 3 : t;
    places[1].cx = b + d;
    places[1].cy = (equal ? b : h) + d;
  }
  Put(model, places, run.s, run.v);

  // the member's lines on the first copy (across when it lies turned by 90°), then the
  // spacings from corner to corner: each copy's corner lies at its origin, on its two faces
  for (DimensionLine d : m.dims) {
    if (Across(places[0].turn)) d.direction = d.direction == 0 ? 1 : 0;
    model.dimensions.push_back(d);
  }
  auto cornerX = [&](int f) {
    const FigureRecord& fig = model.figures[f];
    return OnLine(model, f, true, fig.originX, fig.originY);
  };
  auto cornerY = [&](int f) {
    const FigureRecord& fig = model.figures[f];
    return OnLine(model, f, false, fig.originY, fig.originX);
  };
  if (layout->usesS) run.Dim(1, cornerX(layout->sPair[0]), cornerX(layout->sPair[1]), -25, run.s);
  if (layout->usesV) run.Dim(0, cornerY(layout->vPair[0]), cornerY(layout->vPair[1]), -25, run.v);

  std::string full = (n == 4 ? "4x" : "2x") + name;
  if (layout->usesS) full += "/" + run.SName();
  if (layout->usesV) full += "/" + run.VName();
  run.Sum(full);

  // shear areas and shear moments leg by leg: a copy turned by 90° has its legs exchanged.
  // A leg L long, t thick, its end at the corner and the member's centroid e from the corner
  // along it: L·t·(L/2 - e)² + L³·t/12 about the member's axis across it.
  const double xS = m.props[slot::xS], yS = m.props[slot::yS];
  auto leg = [t](double L, double e) { return (L * t * Sq(L / 2 - e) + Cube(L) * t / 12) / 1e4; };
  double avx = 0, avy = 0, ivx = 0, ivy = 0;
  for (const Place& p : places) {
    const bool across = Across(p.turn);
    avx += across ? m.props[slot::Avy] : m.props[slot::Avx];
    avy += across ? m.props[slot::Avx] : m.props[slot::Avy];
    // Ivx from the legs along y, Ivy from those along x
    ivx += across ? leg(b, xS) : leg(h, yS);
    ivy += across ? leg(h, yS) : leg(b, xS);
  }
  r[slot::Avx] = avx;
  r[slot::Avy] = avy;
  r[slot::Ivx] = ivx;
  r[slot::Ivy] = ivy;
  r[slot::Jt] = n * m.props[slot::Jt];
  r[slot::Wt] = n * m.props[slot::Wt];
  // Bredt's closed cells: the box of two angles over the legs' fields; four angles at the
  // corners with both spacings at their minimum, over the walls' mid-lines
  auto bredt = [&](double sideX, double sideY) {
    r[slot::Jt] = 4 * Sq(sideX * sideY) / ((2 * sideX + 2 * sideY) / t) / 1e4;
    r[slot::Wt] = 2 * sideX * sideY * t / 1000;
  };
  if (layout->box) {
    bredt(b, equal ? b : h);
    r[slot::Ivx] = 2 * Cube(equal ? b : h) * t / 120000;
    r[slot::Ivy] = 2 * Cube(b) * t / 120000;
  }
  if (layout->corners) {
    const double sMin = layout->sb * b + layout->sh * h, vMin = layout->vb * b + layout->vh * h;
    if (run.s == sMin && run.v == vMin) bredt(run.s - t, run.v - t);
  }
}

// ---- tubes ----

void TubeSet(SetRun& run) {
  const Member& m = run.m;
  SectionModel& model = run.model();
  const Selection& sel = run.g.selection;
  const int layout = sel.mode;
  const std::string name = m.props.name();
  PropertiesRecord& r = run.r();
  const bool round = m.type == MemberType::kRoundTube;
  const bool square = sel.sub == kSetSquareTubes;
  // B across x, H across y (the round tube's diameter both)
  const double B = round ? m.h : m.b, H = m.h;
  int n = 0;
  bool turned = false;
  std::vector<Place> places;
  const Place right{0, false, 1, 0}, left{0, false, -1, 0};
  if (round) {
    switch (layout) {
      case 1:
        if (!run.H(B)) return;
        n = 2, places = {right, left};
        break;
      case 2:
        if (!run.H(B)) return;
        n = 3, places = {right, left, {0, false, 0, 0, 0, 0.866 * run.s}};
        break;
      case 3:
        if (!run.H(B) || !run.V(H)) return;
        n = 3, places = {right, left, {0, false, 0, 2}};
        break;
      case 4:
        if (!run.H(B) || !run.V(H)) return;
        n = 4, places = {{0, false, 1, -1}, {0, false, -1, -1}, {0, false, 1, 1}, {0, false, -1, 1}};
        break;
    }
  } else if (layout == 1) {
    if (!run.H(B)) return;
    n = 2, places = {right, left};
  } else if (layout == 2 && !square) {
    if (!run.H(H)) return;
    n = 2, turned = true, places = {{90, false, 1, 0}, {90, false, -1, 0}};
  } else if ((layout == 2 && square) || (layout == 3 && !square)) {
    if (!run.H(B) || !run.V(H)) return;
    n = 4, places = {{0, false, 1, -1}, {0, false, -1, -1}, {0, false, 1, 1}, {0, false, -1, 1}};
  }
  if (n == 0) {
    Copies(model, 2);
    model.dimensions = m.dims;
    run.Sum(name);
    return;
  }
  Copies(model, n);
  Put(model, places, run.s, run.v);

  // the copies are alike and only moved: one vertex on each gives the spacing exactly
  model.dimensions.clear();
  const FigureRecord& one = model.figures[1];
  int rightmost = 0, topmost = 0;
  for (int i = 0; i < Vertices(one); ++i) {
    if (one.outer[i].x > one.outer[rightmost].x) rightmost = i;
    if (one.outer[i].y > one.outer[topmost].y) topmost = i;
  }
  auto at = [&](int f, int i) { return Base(model, f) + i + 1; };
  run.Dim(1, at(2, topmost), at(1, topmost), 15, run.s);
  if (n >= 3) {
    const double rise = layout == 2 && round ? 0.866 * run.s : run.v;
    run.Dim(0, at(1, rightmost), at(3, rightmost), 15, rise);
  }

  std::string full = std::to_string(n) + "x" + name + "/" + run.SName();
  if (round ? layout >= 2 : n == 4) {
    // the triangle of layout 2 keeps the vertical text as typed in its name
    full += "/" + (layout == 2 && round ? SpacingName(sel.texts[3], 0, false) : run.VName());
  }
  run.Sum(full);
  for (int k : {slot::Avx, slot::Avy, slot::Jt, slot::Wt}) r[k] = n * m.props[k];
  if (round || square) {
    r[slot::Ivx] = r[slot::Ivy] = n * m.props[slot::Ivx];
  } else if (turned) {
    r[slot::Ivx] = 2 * m.props[slot::Ivy];
    r[slot::Ivy] = 2 * m.props[slot::Ivx];
  } else {
    r[slot::Ivx] = n * m.props[slot::Ivx];
    r[slot::Ivy] = n * m.props[slot::Ivy];
  }
}

}  // namespace

int SetLayouts(int family) {
  static constexpr int kLayouts[kSetFamilies] = {3, 3, 7, 11, 4, 2, 3};
  return family >= 0 && family < kSetFamilies ? kLayouts[family] : 0;
}

void Zestaw(Generation& g) {
  // copies left on one place would count the material twice: a layout the family does not
  // offer builds nothing
  const Selection& s = g.selection;
  if (s.mode < 1 || s.mode > SetLayouts(s.sub)) {
    g.refuse("Nie ma takiego układu", "(" + std::to_string(s.mode) + ")");
    return;
  }
  SetRun run{g, {}};
  if (!BuildMember(g, run.m)) return;
  switch (run.m.type) {
    case MemberType::kWeldedI:
    case MemberType::kRolledI:
      ISet(run);
      break;
    case MemberType::kRolledChannel:
    case MemberType::kColdChannel:
      ChannelSet(run);
      break;
    case MemberType::kRolledAngle:
    case MemberType::kColdAngle:
      AngleSet(run);
      break;
    default:
      TubeSet(run);
      break;
  }
  if (g.failed) return;
  // the working figure keeps the member's outline with the set's choice, for the file and
  // the next regeneration
  FigureRecord& fig = g.model.working();
  fig.selection = g.selection.integers();
  for (int i = 0; i < FigureRecord::kDimTexts; ++i) fig.setDim(i, g.selection.texts[static_cast<size_t>(i)]);
  fig.props = g.props();
}

}  // namespace tarvik
