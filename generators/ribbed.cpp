#include "generators/ribbed.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "engine/composite.h"
#include "engine/integration.h"
#include "engine/numbers.h"
#include "engine/section_kind.h"
#include "generators/cold_formed.h"

namespace tarvik {
namespace {

constexpr double kLeast = 1;     // the thinnest and narrowest slab [mm]
constexpr double kMost = 1e6;    // the thickest and widest [mm]

double Bounded(double v) { return std::clamp(v, kLeast, kMost); }

// the rib's tab choice as its figure keeps it: kind, sub-kind, variant
int KindOf(const FigureRecord& f) { return f.selection[0]; }
int SubOf(const FigureRecord& f) { return f.selection[1]; }
int VariantOf(const FigureRecord& f) { return f.selection[2]; }

bool RolledChannel(const FigureRecord& f) { return KindOf(f) == kWalcowane && SubOf(f) == 1; }
bool ColdChannel(const FigureRecord& f) {
  return KindOf(f) == kGiete && VariantOf(f) >= kColdChannelA && VariantOf(f) <= kColdLipChannel;
}
bool ColdHat(const FigureRecord& f) { return KindOf(f) == kGiete && VariantOf(f) == kColdHat; }

struct Box {
  double x0, x1, y0, y1;
};

// the outer vertices' extent (the last outer point is the reference point, no vertex)
Box Extent(const FigureRecord& f) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  Box b{inf, -inf, inf, -inf};
  for (int i = 0; i + 1 < f.outerCount(); ++i) {
    b.x0 = std::min(b.x0, f.outer[i].x), b.x1 = std::max(b.x1, f.outer[i].x);
    b.y0 = std::min(b.y0, f.outer[i].y), b.y1 = std::max(b.y1, f.outer[i].y);
  }
  return b;
}

// a quarter turn, either way, changes which shear area goes with which axis
bool QuarterTurn(double deg) { return std::fabs(std::fmod(std::fabs(deg), 180.0) - 90) < 1e-9; }

double Cube(double v) { return v * v * v; }

}  // namespace

PlytaZebra PoGrubosci(PlytaZebra p, double t) {
  const double k = p.k();
  p.t = Bounded(t);
  p.b = Bounded(k * p.t);
  return p;
}

PlytaZebra PoSzerokosci(PlytaZebra p, double b) {
  p.b = Bounded(b);
  return p;
}

PlytaZebra PoKrotnosci(PlytaZebra p, double k) { return PoSzerokosci(p, p.t * k); }

PlytaZebra KrokGrubosci(PlytaZebra p, int step) { return PoGrubosci(p, p.t + step); }

PlytaZebra KrokSzerokosci(PlytaZebra p, int step) { return PoSzerokosci(p, p.b + step); }

PlytaZebra KrokKrotnosci(PlytaZebra p, int step) {
  const double k = std::max(std::round(p.k()) + step, 1.0);
  return PoKrotnosci(p, k);
}

std::string TekstKrotnosci(double k) { return FormatWymiaru(0, 0, 0, k) + "x"; }

bool ZebroObracalne(const std::array<int32_t, 8>& c) {
  const int kind = c[0], sub = c[1], variant = c[2];
  return (kind == kWalcowane && sub == 1) ||
         (kind == kGiete && variant >= kColdChannelA && variant <= kColdLipChannel);
}

double ObrotZebra(const FigureRecord& rib, bool turnAsked) {
  if (turnAsked && ZebroObracalne(rib.selection)) return 90;
  if (ColdHat(rib)) return 180;
  if (KindOf(rib) == kProste && SubOf(rib) == 3)
    return -90 - std::min(CzytajLiczbe(rib.dims[2]), 180.0) / 2;
  return 0;
}

void BudujPlyte(FigureRecord& slab, double t, double b) {
  slab = FigureRecord{};
  const std::vector<Point> outline = {{b / 2, 0}, {b / 2, t}, {-b / 2, t}, {-b / 2, 0}};
  slab.setOuter(outline, {0, t / 2});
  slab.setDim(0, FormatWymiaru(0, 0, 0, t) + " mm");
  slab.setDim(1, FormatWymiaru(0, 0, 0, b) + " mm");
  slab.selection[0] = kUzebrowanie;
  slab.wall1 = slab.wall2 = t / 10;
  PropertiesRecord& r = slab.props;
  r.setName("Płyta");
  r[slot::d1] = t, r[slot::d2] = b;
  r[slot::A] = t * b / 100;
  r[slot::J1] = b * Cube(t) / 120000;  // about x: the record's axes are x and y (al = 0)
  r[slot::J2] = t * Cube(b) / 120000;
  r[slot::yS] = t / 2;
  r[slot::Jt] = Cube(std::min(t, b)) * std::max(t, b) / 30000;
  r[slot::Js] = SkretProstokata(t, b) / 10000;
  r[slot::Oz] = 2 * (t + b);
}

void OsadzZebro(FigureRecord& rib, double turnDeg) {
  const double turn = turnDeg - rib.rotation;
  if (turn != 0) {
    TransformFigure(rib, false, false, 0, 0, turn);
    if (QuarterTurn(turn)) std::swap(rib.props[slot::Avx], rib.props[slot::Avy]);
  }
  const Box e = Extent(rib);
  TransformFigure(rib, false, false, -(e.x0 + e.x1) / 2, -e.y1, 0);
}

namespace {

// a U of straight walls: side walls `side` thick reaching depth below the slab's underside,
// bottom `bottom` thick, width between the side walls' midlines
KomorkaZebra Trough(double width, double depth, double side, double bottom, double ribOpen) {
  return {width,    width * depth, 2 * depth / side + width / bottom,
          2 / side, ribOpen,       std::min(side, bottom)};
}

}  // namespace

bool KomorkaPodPlyta(const FigureRecord& rib, double turnDeg, double b, KomorkaZebra& cell) {
  const Box e = Extent(rib);
  const double width = e.x1 - e.x0, height = e.y1 - e.y0;
  if (!(width > 0) || width > b) return false;  // a slab narrower than the rib closes nothing
  const double g = rib.wall1 * 10;              // [mm]
  const PropertiesRecord& p = rib.props;
  // a channel on its back is open upwards when its web, and so its centroid, lies low
  const bool openUp = p[slot::yS] < (e.y0 + e.y1) / 2;
  if (RolledChannel(rib) && QuarterTurn(turnDeg) && openUp) {
    const double tf = rib.wall1 * 10, tw = rib.wall2 * 10;
    if (!(tf > 0 && tw > 0)) return false;
    cell = Trough(width - tf, height - tw / 2, tf, tw, 0);
    return true;
  }
  if (ColdChannel(rib) && QuarterTurn(turnDeg) && openUp && g > 0) {
    // the lipped channel's lips lie against the slab, outside the cell
    const double lip = VariantOf(rib) == kColdLipChannel ? p[slot::d4] - g / 2 : 0;
    cell = Trough(width - g, height - g / 2, g, g, 2 * lip * Cube(g) / 3);
    return true;
  }
  if (ColdHat(rib) && std::fabs(turnDeg - 180) < 1e-9 && g > 0) {
    // crown B wide, feet reaching C from the webs' inner faces
    const double B = p[slot::d2], C = p[slot::d6];
    if (!(B > g)) return false;
    cell = Trough(B - g, height - g / 2, g, g, 2 * (C - g / 2) * Cube(g) / 3);
    return true;
  }
  if (KindOf(rib) == kProste && SubOf(rib) == 3) {
    // the arc hangs with its middle straight down, its inner edge's ends against the slab:
    // a circular segment of its midline, and the strip from that chord up to the slab
    const double R = CzytajLiczbe(rib.dims[0]), ta = CzytajLiczbe(rib.dims[1]);
    const double phi = std::min(CzytajLiczbe(rib.dims[2]), 180.0) * std::numbers::pi / 180;
    if (!(R >= 0 && ta > 0 && phi > 0) ||
        std::fabs(turnDeg - (-90 - phi * 90 / std::numbers::pi)) > 1e-9)
      return false;
    const double rm = R + ta / 2, chord = 2 * rm * std::sin(phi / 2);
    const double gap = ta / 2 * std::cos(phi / 2);  // the midline's ends below the underside
    cell = {chord,
            rm * rm / 2 * (phi - std::sin(phi)) + chord * gap,
            (rm * phi + 2 * gap) / ta,
            2 / ta,
            0,
            ta};
    return true;
  }
  return false;
}

double SkretKomorki(const KomorkaZebra& c, double t, double b, double* modulus) {
  const double area = c.below + c.width * t / 2;
  if (modulus) *modulus = 2 * area * std::min(c.thinnest, t) / 1000;
  const double loop = c.ribLoop + c.rise * t / 2 + c.width / t;
  const double slabOpen = std::max(b - c.width, 0.0) * Cube(t) / 3;
  return 4 * area * area / loop + slabOpen + c.ribOpen;
}

// The assembly of a ribbed slab, and why it is so:
// - The slab is figure 1, t x b, centred on x = 0 with its underside on y = 0; the rib is
//   figure 2. The rib is turned (ObrotZebra) from the way its own generator drew it to an
//   absolute angle and then moved so that its top lies on y = 0 and the middle of its width
//   on x = 0. Taking the position from the rib's outline, not from shifts written for each
//   profile family, puts every rib, whatever its generator's origin, against the slab; and an
//   absolute turn makes the assembly give the same section however often it runs (a change of
//   the slab runs it again on the rib already seated).
// - The turn is computed directly: 0, 90 (asked, for channels only), 180 for the hat, or the
//   arc's own angle. No loop turns the rib until the section's principal angle meets a
//   target: the rib's turn is known before the sum, and the principal angle of slab plus rib
//   follows from the sum in closed form.
// - A rib wider than the slab is accepted (it is a section all the same), but then closes no
//   cell. A slab below 1 mm thick or wide is taken as 1 mm; a zero, negative or unreadable
//   text is refused with a message naming it. Without a rib of some area no section is made
//   ("Brak żebra"): nothing half-built is left that could be saved as a ribbed slab.
// - The name is "Żebro " and the rib's name (to 20 characters). When the rib is turned by
//   90 degrees its shear areas Avx and Avy are exchanged; the section shows the rib's.
// - Slab and rib are summed by SumujFigury without the axis tie-break: the principal axes
//   are the true ones of the asymmetric whole.
// - Torsion: a rib that closes a cell with the slab gets Bredt's constant of that cell,
//   4·Am² / Σ s/t over its midline (the slab's midline on top, the rib's walls around),
//   plus Σ s·t³/3 of the open parts (the slab beyond the cell, the rib's feet or lips).
//   The rule that finds a cell: a rolled or cold-formed channel turned by 90 degrees with its
//   web at the bottom (its centroid below the middle of its height), and the cold-formed hat,
//   which always hangs crown down, and the "Proste" arc, which hangs as a trough (its cell a
//   circular segment of the arc's midline plus the strip up to the slab). Its limits: a box
//   or tube rib keeps its own closed cell and the slab adds its open value (the doubled wall
//   between them is not counted); a "Proste" channel is never turned, so it closes no cell;
//   a rib wider than the slab closes none either. The side walls' midlines are taken square
//   to the slab, the bends' rounding is ignored, and the slab and the feet or lips lying on
//   it count as separate plates. Any other rib is open: Jt (and Js) are the two figures' sums.
// - The moduli, elastic and plastic, are those of the whole section over both figures;
//   display flags 3, 4 and 5 are set after all eight are cleared.
void Uzebrowanie(Generation& g) {
  SectionModel& m = g.model;
  if (m.figures.size() < 3) m.figures.resize(3);
  FigureRecord& rib = m.figures[2];
  if (rib.outerCount() < 4 || !(rib.props[slot::A] > 0) || rib.props.name().empty()) {
    g.refuse("Brak żebra", "(przekrój użebrowany wymaga żebra)");
    return;
  }
  if (!CheckDimensions(g, {1, 2})) return;
  const double t = std::max(g.dim(1), kLeast), b = std::max(g.dim(2), kLeast);
  const double turn = ObrotZebra(rib, CzytajLiczbe(g.selection.texts[4]) == 90);
  OsadzZebro(rib, turn);
  BudujPlyte(m.figures[1], t, b);
  m.figureCount = 2;

  PropertiesRecord& r = g.props();
  r.setName("Żebro " + rib.props.name());
  SumujFigury(m, false, r);
  KomorkaZebra cell;
  if (KomorkaPodPlyta(rib, turn, b, cell)) {
    r[slot::Jt] = r[slot::Js] = SkretKomorki(cell, t, b, &r[slot::Wt]) / 10000;
  } else {
    // open parts: the constants add, the thickest wall gives the modulus
    r[slot::Jt] = m.figures[1].props[slot::Jt] + rib.props[slot::Jt];
    if (rib.props[slot::Js] > 0) r[slot::Js] = m.figures[1].props[slot::Js] + rib.props[slot::Js];
    r[slot::Wt] = r[slot::Jt] / std::max(m.figures[1].wall1, rib.wall1);
  }
  r[slot::Avx] = rib.props[slot::Avx];
  r[slot::Avy] = rib.props[slot::Avy];
  ReportPlasticAxes(ObliczWskazniki(m, 1, 2, r), g.sink);
  if (!WynikiSkonczone(r, g.sink)) {
    r.clear();
    g.failed = true;
    return;
  }
  m.flags = {};
  for (int f : {3, 4, 5}) m.flags[f] = true;
}

Selection WyborUzebrowania(const WyborPlyty& choice) {
  Selection s;
  s.kind = kUzebrowanie;
  s.setText(0, choice.t);
  s.setText(1, choice.b);
  if (choice.turned) s.setText(4, "90");
  return s;
}

WyborPlyty PlytaZNaglowka(const FigureRecord& header) {
  return {header.dims[0], header.dims[1], CzytajLiczbe(header.dims[4]) == 90};
}

bool WstawZebro(SectionModel& model) {
  const FigureRecord& built = model.working();
  if (built.outerCount() < 4 || !(built.props[slot::A] > 0) || TwoPartChannel(model)) return false;
  const FigureRecord rib = built;  // a copy: the table may grow under it
  if (model.figures.size() < 3) model.figures.resize(3);
  model.figures[2] = rib;
  model.figureCount = 2;
  model.currentFigure = 2;
  return true;
}

}  // namespace tarvik
