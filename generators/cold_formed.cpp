// The " Gięte " tab's generators and its catalogue. Every profile is described once by its
// dimensions; its outlines come from the bent mid-line (cold_formed_shapes.h), and its
// area, centroid and moments from the true outline with exact arcs, whether the dimensions
// were looked up in the catalogue or typed: the two modes of the same profile agree to the
// last digit. Lengths are mm, stored values cm units.
#include "generators/cold_formed.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/derived.h"
#include "engine/integration.h"
#include "engine/numbers.h"
#include "engine/plastic.h"
#include "engine/thin_walled.h"
#include "generators/cold_formed_shapes.h"
#include "generators/rolled.h"

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

constexpr double kLargestDimension = 1e5;  // mm
constexpr int kChordsPerArc = 16;          // the true arcs, followed closely enough for Wpl

double Cube(double v) { return v * v * v; }
double Sq(double v) { return v * v; }

// the dimensions a profile is made of [mm]
enum Dim { kH, kB, kC, kB2, kC2, kh, kD, kG, kR, kDims };

struct ColdDims {
  std::array<double, kDims> v{};
  // what names each dimension in a refusal: "Wysokość H: 100 mm" or the catalogue profile
  std::array<std::string, kDims> label;
  std::string designation;
  // a tube's outer corner radius when its corners follow the standard; 0: r + g (concentric)
  double outerRadius = 0;
  double operator[](Dim d) const { return v[d]; }
};

bool Tube(int item) { return item == kColdSquareTube || item == kColdRectTube; }

// the dimension each own-dimension text holds, in the order of ColdFields
std::vector<Dim> OwnFields(int item) {
  switch (item) {
    case kColdChannelA:
    case kColdChannelB:
      return {kH, kB, kG, kR};
    case kColdLipChannel:
      return {kH, kB, kC, kG, kR};
    case kColdAngleRA:
    case kColdAngleRB:
    case kColdSquareTube:
      return {kH, kG, kR};
    case kColdAngleNA:
    case kColdAngleNB:
    case kColdRectTube:
      return {kH, kB, kG, kR};
    case kColdLipAngle:
      return {kH, kC, kG, kR};
    case kColdLipZ:
      return {kH, kB, kC, kB2, kC2, kG, kR};
    case kColdHat:
      return {kH, kB, kC, kG, kR};
    case kColdSigma:
      return {kH, kB, kh, kD, kC, kG, kR};
    default:
      return {};
  }
}

// the dimensions a designation joins with "x", in the catalogue's order
std::vector<Dim> DesignationFields(int item) {
  switch (item) {
    case kColdAngleRA:
    case kColdAngleRB:
    case kColdSquareTube:
      return {kH, kG};
    case kColdLipAngle:
      return {kH, kC, kG};
    case kColdLipZ:
      return {kH, kB, kB2, kC, kG};
    case kColdHat:
    case kColdLipChannel:
      return {kH, kB, kC, kG};
    case kColdSigma:  // the fold and the lips left out: the name keeps the thickness
      return {kH, kB, kh, kG};
    default:
      return {kH, kB, kG};
  }
}

std::string Number(double v) { return FormatWymiaru(0, 0, 0, v); }

// the designation of typed dimensions, each number as a dimension text shows it
std::string DesignationOf(int item, const ColdDims& d) {
  std::string text;
  for (Dim f : DesignationFields(item)) {
    if (!text.empty()) text += "x";
    text += Number(d[f]);
    // a lipped Z with lips of two lengths names both
    if (item == kColdLipZ && f == kC && d[kC2] != d[kC]) text += "x" + Number(d[kC2]);
  }
  return text;
}

// the items' equal dimensions and the radius of a sharp-free default
void Complete(int item, ColdDims& d) {
  if (item == kColdAngleRA || item == kColdAngleRB || item == kColdSquareTube) {
    d.v[kB] = d.v[kH];
    d.label[kB] = d.label[kH];
  }
}

// Own dimensions: every text one positive number (the radius also "1,5 x g" or "wg normy");
// a refusal names the field and its text
bool ReadTyped(Generation& g, int item, const std::vector<std::pair<int, Dim>>& texts,
               const std::vector<std::string>& captions, ColdDims& d) {
  const Selection& s = g.selection;
  size_t radiusAt = texts.size();
  for (size_t k = 0; k < texts.size(); ++k) {
    const auto [text, dim] = texts[k];
    const std::string& typed = s.texts.at(static_cast<size_t>(text - 1));
    d.label[dim] = captions[k] + ": " + typed;
    if (dim == kR) {
      radiusAt = k;
      continue;
    }
    if (!CalaLiczba(typed, "mm", true) && !CalaLiczba(typed, "", true)) {
      g.refuse("Nieczytelny wymiar", "(" + d.label[dim] + ")");
      return false;
    }
    const double v = CzytajLiczbe(typed);
    if (!(v > 0) || v > kLargestDimension) {
      g.refuse(v < 0    ? "Ujemny wymiar"
               : v == 0 ? "Zerowy wymiar"
                        : "Za duży wymiar",
               "(" + d.label[dim] + ")");
      return false;
    }
    d.v[dim] = v;
  }
  Complete(item, d);
  if (radiusAt < texts.size()) {
    const std::string& typed = s.texts.at(static_cast<size_t>(texts[radiusAt].first - 1));
    const double byStandard = Tube(item) ? TubeInnerRadius(d[kG], g.settings.hotRolledPipe)
                                         : kCatalogueBendRadius * d[kG];
    const std::optional<double> r = ReadBendRadius(typed, d[kG], byStandard);
    if (!r || *r > kLargestDimension) {
      g.refuse("Nieczytelny promień gięcia", "(" + d.label[kR] + ")");
      return false;
    }
    d.v[kR] = *r;
    if (Tube(item) && RadiusByStandard(typed))
      d.outerRadius = TubeOuterRadius(d[kG], g.settings.hotRolledPipe);
  }
  d.designation = DesignationOf(item, d);
  return true;
}

bool ReadOwn(Generation& g, int item, ColdDims& d) {
  const std::vector<ColdField> fields = ColdFields(item, g.selection.option);
  const std::vector<Dim> dims = OwnFields(item);
  std::vector<std::pair<int, Dim>> texts;
  std::vector<std::string> captions;
  for (size_t k = 0; k < dims.size(); ++k) {
    texts.push_back({static_cast<int>(k) + 1, dims[k]});
    captions.push_back(fields.at(k).caption);
  }
  return ReadTyped(g, item, texts, captions, d);
}

// Sigma from "Katalog Pruszyński": height and thickness from the lists; width 70, fold 25
// deep, lips 16, inner radius 5, and the height of the web's middle part by the height
bool ReadSigmaCatalogue(Generation& g, ColdDims& d) {
  const std::string size = g.dimText(1), thickness = g.dimText(2);
  d.v[kH] = CzytajLiczbe(size);
  d.v[kG] = CzytajLiczbe(thickness);
  d.v[kB] = 70, d.v[kD] = 25, d.v[kC] = 16, d.v[kR] = 5;
  static constexpr std::pair<int, double> kMiddle[] = {{140, 30},  {170, 60},  {200, 90},
                                                       {230, 120}, {260, 150}, {300, 190}};
  d.v[kh] = 240;
  for (auto [H, h] : kMiddle)
    if (d[kH] == H) d.v[kh] = h;
  d.designation = ColdDesignation(kColdSigma, size, thickness);
  d.label.fill("Sigma " + d.designation);
  if (!(d[kH] > 0 && d[kG] > 0)) {
    g.refuse("Nie ma opisu takiego przekroju", "(Sigma " + d.designation + ")");
    return false;
  }
  return true;
}

// Catalogue dimensions from the record (the layout ColdFormedRecords writes)
bool ReadCatalogue(Generation& g, int item, ColdDims& d) {
  if (item == kColdSigma) return ReadSigmaCatalogue(g, d);
  if (!ColdCatalogueOffered(item)) {
    g.refuse("Ten profil nie ma katalogu", ColdNoCatalogueReason(item));
    return false;
  }
  const std::string code = ColdCode(item, g.selection.option);
  d.designation = ColdDesignation(item, g.selection.texts[0], g.selection.texts[1]);
  CatalogueRecord rec;
  if (!LookupCatalogue(g, {code, d.designation, ColdNamePrefix(item) + d.designation}, rec))
    return false;
  const auto& v = rec.values;
  d.v[kH] = v[F::h], d.v[kB] = v[F::b], d.v[kG] = v[F::tw], d.v[kR] = v[F::r];
  switch (item) {
    case kColdLipAngle:
      d.v[kC] = v[F::b];
      break;
    case kColdLipZ:
      d.v[kB2] = v[F::r1], d.v[kC] = d.v[kC2] = v[F::r2];
      break;
    case kColdHat:
      d.v[kC] = v[F::r1];
      break;
    default:
      break;
  }
  d.label.fill(code + " " + d.designation);
  Complete(item, d);
  if (Tube(item)) {
    d.v[kR] = TubeInnerRadius(d[kG], g.settings.hotRolledPipe);
    d.outerRadius = TubeOuterRadius(d[kG], g.settings.hotRolledPipe);
  }
  return true;
}

// ---- the shapes ----

struct ColdShape {
  BentOutline outline;
  std::optional<BentOutline> hole;  // tubes
  std::vector<Point> mid;           // the mid-line, for the shear centre
  Point fill;
};

ColdShape ShapeOf(int item, const ColdDims& d) {
  const double H = d[kH], B = d[kB], C = d[kC], g = d[kG], r = d[kR], m = g / 2;
  const double R = r + g;
  ColdShape s;
  switch (item) {
    case kColdChannelA:
    case kColdChannelB:
      // back of the web on x = 0, mid-height on y = 0, flanges towards +x
      s.mid = {{B, H / 2 - m}, {m, H / 2 - m}, {m, -H / 2 + m}, {B, -H / 2 + m}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kThirty, 2);
      s.fill = {(R + B) / 2, -H / 2 + m};
      break;
    case kColdLipChannel:
      s.mid = {{B - m, H / 2 - C}, {B - m, H / 2 - m},  {m, H / 2 - m},
               {m, -H / 2 + m},    {B - m, -H / 2 + m}, {B - m, -H / 2 + C}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kThirty, 3);
      s.fill = {B / 2, -H / 2 + m};
      break;
    case kColdAngleRA:
    case kColdAngleRB:
    case kColdAngleNA:
    case kColdAngleNB:
      // outer corner at the origin, legs B along +x and H along +y
      s.mid = {{m, H}, {m, m}, {B, m}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kThirty, 1, 2);
      s.fill = {(R + B) / 2, m};
      break;
    case kColdLipAngle:
      // legs H along +x and +y, a lip C at the end of each
      s.mid = {{C, H - m}, {m, H - m}, {m, m}, {H - m, m}, {H - m, C}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kThirty, 2, 2);
      s.fill = {H / 2, m};
      break;
    case kColdLipZ: {
      // web on 0..g; the lower flange B2 from the web's left face towards +x, the upper one
      // B from its right face towards -x
      const double B2 = d[kB2], C2 = d[kC2];
      s.mid = {
          {2 * g - B - m, H / 2 - C}, {2 * g - B - m, H / 2 - m}, {m, H / 2 - m}, {m, -H / 2 + m},
          {B2 - m, -H / 2 + m},       {B2 - m, -H / 2 + C2}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kFortyFive, 3);
      s.fill = s.outline.drawn.back();  // the last point is a vertex
      s.outline.drawn.pop_back();
      break;
    }
    case kColdHat: {
      // crown on top (outer face y = H), feet C wide from the webs' inner faces at y = 0
      const double foot = B / 2 - g + C;
      s.mid = {{-foot, m},         {-(B / 2 - m), m}, {-(B / 2 - m), H - m},
               {B / 2 - m, H - m}, {B / 2 - m, m},    {foot, m}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kFortyFive, 3);
      s.fill = {B / 2 + r, m};
      break;
    }
    case kColdSigma: {
      // a lipped channel whose web folds in by D over its middle part h high, the folds'
      // mid-lines at 45°
      const double h = d[kh], D = d[kD];
      s.mid = {{B - m, H / 2 - C},  {B - m, H / 2 - m}, {m, H / 2 - m},  {m, h / 2 + D},
               {m + D, h / 2},      {m + D, -h / 2},    {m, -h / 2 - D}, {m, -H / 2 + m},
               {B - m, -H / 2 + m}, {B - m, -H / 2 + C}};
      s.outline = BentPlate(s.mid, g, r, BendDrawing::kSigma, 5);
      s.fill = {B / 2, -H / 2 + m};
      break;
    }
    case kColdSquareTube:
    case kColdRectTube: {
      TubeOutline t = BoxTube(H, B, g, r, d.outerRadius > 0 ? d.outerRadius : r + g);
      s.outline = std::move(t.outer);
      s.hole = std::move(t.hole);
      s.fill = {(s.outline.drawn[0].x + s.outline.drawn[2].x) / 2, -H / 2 + m};
      break;
    }
    default:
      break;
  }
  return s;
}

// ---- the checks every profile passes before it is built ----

bool Refuse(Generation& g, const char* text, const std::string& label) {
  g.refuse(text, "(" + label + ")");
  return false;
}

// the outer dimensions the thickness must leave room in: at most half of the smallest
std::vector<Dim> OuterDims(int item) {
  switch (item) {
    case kColdLipChannel:
    case kColdHat:
      return {kH, kB, kC};
    case kColdLipAngle:
      return {kH, kC};
    case kColdLipZ:
      return {kH, kB, kC, kB2, kC2};
    case kColdSigma:
      return {kH, kB, kC};
    default:
      return {kH, kB};
  }
}

bool CheckProportions(Generation& g, int item, const ColdDims& d) {
  double smallest = d[kH];
  for (Dim f : OuterDims(item)) smallest = std::min(smallest, d[f]);
  if (d[kG] > smallest / 2) return Refuse(g, "Za duża grubość", d.label[kG]);
  // lips: the channel's two meet beyond half the height, the angle's beyond the other
  // leg's inner face, the Z's and the Sigma's reach past the other flange
  switch (item) {
    case kColdLipChannel:
    case kColdSigma:
      if (d[kC] > d[kH] / 2) return Refuse(g, "Za długie zagięcie", d.label[kC]);
      break;
    case kColdLipAngle:
      if (d[kC] > d[kH] - d[kG]) return Refuse(g, "Za długie zagięcie", d.label[kC]);
      break;
    case kColdLipZ:
      for (Dim c : {kC, kC2})
        if (d[c] > d[kH] - d[kG]) return Refuse(g, "Za długie zagięcie", d.label[c]);
      break;
    default:
      break;
  }
  if (item == kColdSigma) {
    if (d[kh] + 2 * d[kD] >= d[kH] - d[kG])
      return Refuse(g, "Za wysoka środkowa część środnika", d.label[kh]);
    if (d[kD] > d[kB] - 2 * d[kG]) return Refuse(g, "Za głęboki przegięcie środnika", d.label[kD]);
  }
  return true;
}

// ---- the properties ----

// principal axes as the engine's integration takes them: a product of inertia far below
// the smaller moment is rounding, and axes along x and y keep J1 about x
OsieGlowne PrincipalOf(const CentralProperties& c) {
  double ixy = c.ixy;
  const double smaller = std::min(c.ixx, c.iyy);
  if (smaller != 0 && std::fabs(ixy / smaller) < 0.0001) ixy = 0;
  OsieGlowne p = MomentyGlowne(c.ixx, c.iyy, ixy, 0.000001);
  OsieWzdluzX(p);
  return p;
}

// a coordinate that is zero up to rounding, as an exact zero
double Clean(double v, double size) { return std::fabs(v) < 1e-9 * size ? 0.0 : v; }

// the plastic moduli on the true outlines, about the principal axes the record holds
void PlasticModuli(Generation& g, const std::vector<std::vector<Fillet>>& outlines,
                   const std::vector<bool>& outer) {
  PropertiesRecord& r = g.props();
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  const double x0 = r[slot::xS], y0 = r[slot::yS];
  std::vector<PlasticContour> contours;
  contours.reserve(outlines.size());
  for (size_t k = 0; k < outlines.size(); ++k) {
    PlasticContour contour;
    contour.outer = outer[k];
    const std::vector<Point> dense = Densify(outlines[k], kChordsPerArc);
    contour.points.reserve(dense.size() + 1);
    for (const Point& p : dense)
      contour.points.push_back({(p.x - x0) * c + (p.y - y0) * s, -(p.x - x0) * s + (p.y - y0) * c});
    contour.points.push_back(contour.points.front());
    contours.push_back(std::move(contour));
  }
  ReportPlasticAxes(SzukajOsiPlastycznych(contours, r), g.sink);
}

// the shear centre of the mid-line's plates, or the centroid when there is none
Point ShearCentre(const ColdShape& s, double g, const PropertiesRecord& r) {
  if (const std::optional<Point> c = ThinWalledShearCentre(MidLinePlates(s.mid, g))) return *c;
  return {r[slot::xS], r[slot::yS]};
}

// The warping of an open profile over its mid-line's plates, about their shear centre:
// Jw = ∫ω²·g ds [cm^6 = mm^6 / 10^6], w1 the largest and w2 the smallest normalised
// sectorial coordinate at the plates' ends [cm^2 = mm^2 / 100], ω positive counter-clockwise
// about the shear centre. Left as they are when the mid-line is no open chain.
std::optional<SectorialCoordinates> OpenWarping(PropertiesRecord& r, const std::vector<Point>& mid,
                                                double g) {
  std::optional<SectorialCoordinates> w = ThinWalledWarping(MidLinePlates(mid, g));
  if (!w) return w;
  const auto [smallest, largest] = std::minmax_element(w->omega.begin(), w->omega.end());
  r[slot::Jw] = w->jw / 1e6;
  r[slot::w1] = *largest / 100;
  r[slot::w2] = *smallest / 100;
  return w;
}

// the open section's Saint-Venant torsion over its mid-line, Σ l·g³/3 [cm^4], and the same by
// the plates' exact coefficients
void OpenTorsion(PropertiesRecord& r, const std::vector<Point>& mid, double g, double copies) {
  double length = 0, exact = 0;
  for (size_t k = 0; k + 1 < mid.size(); ++k) {
    const double l = std::hypot(mid[k + 1].x - mid[k].x, mid[k + 1].y - mid[k].y);
    length += l;
    exact += SkretProstokata(g, l);
  }
  r[slot::Jt] = copies * length * Cube(g) / 30000;
  r[slot::Js] = copies * exact / 1e4;
  r[slot::Wt] = r[slot::Jt] / (g / 10);
  r[slot::Ws] = r[slot::Js] / (g / 10);
}

// the channel's closed forms (items 0 and 1). The shear centre lies behind the web by e
// from the web's mid-line, which is g/2 from the back at x = 0: xT = g/2 - e. ixx is the
// moment about the axis of symmetry [mm^4].
void ChannelExtras(PropertiesRecord& r, const ColdDims& d, double ixx) {
  const double h = d[kH], b = d[kB], g = d[kG], rr = d[kR];
  r[slot::Avx] = 2 * (b - g - rr) * g / 100;
  r[slot::Avy] = (h - 2 * rr - 2 * g) * g / 100;
  r[slot::Jt] = (2 * (b - g) + (h - g)) * Cube(g) / 30000;
  r[slot::Wt] = r[slot::Jt] / (g / 10);
  r[slot::Js] = (2 * SkretProstokata(g, b - g) + SkretProstokata(g, h - g)) / 1e4;
  r[slot::Ws] = r[slot::Js] / (g / 10);
  const double flange = (b - g) * Cube(g) / 12 + (b - g) * g * Sq((h - g) / 2);  // mm^4
  const double If = flange / 1e4, Iw = Cube(h - 2 * g) * g / 12 / 1e4;
  const double e2 = Sq(b / 10 - g / 20);
  r[slot::Jw] = e2 * (If * If + 2 * If * Iw) / (3 * ixx / 1e4);
  r[slot::Ivx] = g * Cube(h) / 12 / 1e4;
  r[slot::Ivy] = (2 * g * Cube(b) / 12 + 2 * g * b * Sq(b / 2 - r[slot::xS])) / 1e4;
  const double e = flange * (b - g / 2) / ixx;
  r[slot::xT] = g / 2 - e;
  r[slot::yT] = 0;
  r[slot::w1] = e * (h - g) / 200;
  r[slot::w2] = (b - e) * (h - g) / 200;
}

// the tube's closed forms: shear areas of the walls, Bredt's torsion of the mid-line cell
void TubeExtras(PropertiesRecord& r, const ColdDims& d) {
  const double H = d[kH], B = d[kB], g = d[kG];
  r[slot::Avx] = (B - g) * 2 * g / 100;
  r[slot::Avy] = (H - g) * 2 * g / 100;
  r[slot::Ivx] = Sq(H - g) * 2 * g * (H - g) / 120000;
  r[slot::Ivy] = Sq(B - g) * 2 * g * (B - g) / 120000;
  r[slot::Jt] = 4 * Sq((H - g) * (B - g)) / (2 * (H - g) / g + 2 * (B - g) / g) / 1e4;
  r[slot::Wt] = 2 * (H - g) * (B - g) * g / 1000;
  r[slot::xT] = r[slot::yT] = 0;
}

void Dimensions(Generation& g, int item, const ColdDims& d) {
  SectionModel& m = g.model;
  const double H = d[kH], B = d[kB], C = d[kC], t = d[kG];
  switch (item) {
    case kColdChannelA:
    case kColdChannelB:
      AddDimension(m, 0, 5, 16, 15, H);
      AddDimension(m, 1, 5, 1, 15, B);
      AddDimension(m, 1, 1, 10, -20, t);
      break;
    case kColdLipChannel:
      AddDimension(m, 0, 5, 32, 15, H);
      AddDimension(m, 1, 9, 1, 15, B);
      AddDimension(m, 0, 5, 9, 15, C);
      AddDimension(m, 1, 1, 18, -20, t);
      break;
    case kColdAngleRA:
    case kColdAngleRB:
    case kColdAngleNA:
    case kColdAngleNB:
      AddDimension(m, 0, 3, 10, -15, H);
      AddDimension(m, 1, 3, 10, 15, B);
      AddDimension(m, 0, 3, 4, 15, t);
      break;
    case kColdLipAngle:
      AddDimension(m, 1, 22, 26, -15, C);
      AddDimension(m, 1, 7, 27, -15, H);
      AddDimension(m, 1, 7, 8, 20, t);
      break;
    case kColdLipZ:
      AddDimension(m, 0, 3, 17, 15, H);
      AddDimension(m, 1, 1, 7, 15, d[kB2]);
      AddDimension(m, 1, 15, 21, -15, B);
      AddDimension(m, 1, 1, 14, -20, t);
      break;
    case kColdHat:
      AddDimension(m, 0, 7, 14, 20, H);
      AddDimension(m, 1, 12, 17, -30, B);
      AddDimension(m, 1, 7, 4, 15, C);
      AddDimension(m, 0, 21, 22, -15, t);
      break;
    case kColdSigma:
      AddDimension(m, 0, 5, 32, 15, H);
      AddDimension(m, 1, 9, 3, 15, B);
      AddDimension(m, 1, 3, 16, -20, t);
      break;
    default:  // tubes; the hole's points follow the outer 21
      AddDimension(m, 0, 12, 20, -200, H);
      AddDimension(m, 1, 5, 17, 200, B);
      AddDimension(m, 1, 5, 26, -20, t);
      break;
  }
}

// the working figure as a fresh one: own dimensions keep it over regenerations, so what a
// previous profile drew there (a hole, a second figure, flags) goes here. A component being
// defined for a composite or a ribbed slab (current figure above 0) leaves the other figures
// where they are.
void Prepare(Generation& g) {
  SectionModel& m = g.model;
  if (m.kind == kGiete && m.currentFigure == 0) {
    m.figures.resize(1);
    m.figureCount = 0;
    m.flags = {};
  }
  FigureRecord& f = m.working();
  f.outer = {}, f.inner = {}, f.nOuter = 0, f.nInner = 0;
  f.exactOuter.clear(), f.exactInner.clear();
  f.props.clear();
  f.selection = g.selection.integers();
}

// Builds the item from its dimensions: outline, properties, moduli, dimension lines.
void Build(Generation& g, int item, const ColdDims& d) {
  if (!CheckProportions(g, item, d)) return;
  const ColdShape s = ShapeOf(item, d);
  if (VanishingFlat(s.outline.exact, s.outline.fillets) ||
      (s.hole && VanishingFlat(s.hole->exact, s.hole->fillets))) {
    Refuse(g, "Za duży promień gięcia", d.label[kR]);
    return;
  }
  const double H = d[kH], B = d[kB], gg = d[kG];
  const int option = g.selection.option;
  const bool pairOfChannels = item == kColdLipChannel && option == 1;
  const bool pairOfZ = item == kColdLipZ && option == 1;
  // the second channel would take figure 1's place, which is another component's
  if (pairOfChannels && g.model.currentFigure > 0) {
    g.refuse("Podwójny ceownik nie może być częścią przekroju", "(wybierz pojedynczy)");
    return;
  }

  // the true outlines (their fillets): the profile, its hole or its second part
  std::vector<std::vector<Fillet>> exact = {s.outline.fillets};
  std::vector<bool> outer = {true};
  std::vector<Point> drawn = s.outline.drawn, second;
  Point fill = s.fill;
  if (s.hole) exact.push_back(s.hole->fillets), outer.push_back(false);
  if (pairOfChannels) exact.push_back(Fillets(MirroredInY(s.outline.exact))), outer.push_back(true);
  if (pairOfZ) {
    // two Z nested back to back: moved by (-g/2, -g/2), the second turned about the origin
    const RoundedOutline moved = Moved(s.outline.exact, -gg / 2, -gg / 2);
    exact[0] = Fillets(moved);
    exact.push_back(Fillets(HalfTurned(moved)));
    outer.push_back(true);
    for (Point& p : drawn) p = {p.x - gg / 2, p.y - gg / 2};
    fill = {fill.x - gg / 2, fill.y - gg / 2};
    for (const Point& p : drawn) second.push_back({-p.x, -p.y});
    second.push_back({-fill.x, -fill.y});
  }
  AreaIntegrals sums;
  for (const std::vector<Fillet>& o : exact) sums += Integrate(o);
  const CentralProperties c = Central(sums);
  if (!(c.area > 0)) {
    g.refuse("Zerowe pole przekroju", "(" + d.designation + ")");
    return;
  }
  const OsieGlowne p = PrincipalOf(c);
  const double size = std::max(H, B);

  PropertiesRecord& r = g.props();
  r.clear();
  r.setName(ColdNamePrefix(item) + d.designation);
  r[slot::A] = c.area / 100;
  r[slot::J1] = p.j1 / 1e4;
  r[slot::J2] = p.j2 / 1e4;
  r[slot::al] = p.angle;
  r[slot::xS] = Clean(c.xc, size);
  r[slot::yS] = Clean(c.yc, size);
  // the dimensions as the catalogue holds them
  r[slot::d1] = H, r[slot::d2] = B, r[slot::d3] = gg, r[slot::d4] = gg, r[slot::d5] = d[kR];
  if (item == kColdLipZ) r[slot::d6] = d[kB2], r[slot::d7] = d[kC];
  if (item == kColdHat) r[slot::d6] = d[kC];
  if (item == kColdLipAngle) r[slot::d2] = d[kC];
  if (item == kColdLipChannel) r[slot::d4] = d[kC];

  const double copies = pairOfChannels || pairOfZ ? 2 : 1;
  switch (item) {
    case kColdChannelA:
    case kColdChannelB:
      ChannelExtras(r, d, c.ixx);
      break;
    case kColdSquareTube:
    case kColdRectTube:
      TubeExtras(r, d);
      break;
    case kColdAngleRA:
    case kColdAngleRB:
    case kColdAngleNA:
    case kColdAngleNB:
      OpenTorsion(r, s.mid, gg, 1);
      r[slot::Avx] = B * gg / 100;
      r[slot::Avy] = H * gg / 100;
      r[slot::xT] = r[slot::yT] = gg / 2;  // where the legs' mid-lines meet
      break;
    default: {
      OpenTorsion(r, s.mid, gg, copies);
      Point t;
      if (pairOfChannels || pairOfZ) {
        // two parts symmetric about the origin: the pair's shear centre is the centroid; its
        // warping depends on how the two are joined, and stays unknown
        t = {r[slot::xS], r[slot::yS]};
      } else if (const std::optional<SectorialCoordinates> w = OpenWarping(r, s.mid, gg)) {
        t = w->pole;  // the shear centre the warping was taken about
      } else {
        t = ShearCentre(s, gg, r);
      }
      r[slot::xT] = Clean(t.x, size);
      r[slot::yT] = Clean(t.y, size);
      break;
    }
  }
  if (item == kColdLipAngle) {
    // symmetric about the diagonal
    r[slot::yS] = r[slot::xS];
    r[slot::xT] = r[slot::yT] = (r[slot::xT] + r[slot::yT]) / 2;
  }
  if (item == kColdHat) r[slot::Jt] = Cube(gg) * (B + 2 * H + 2 * d[kC]) / 30000;
  if (item == kColdLipAngle) r[slot::Jt] = 2 * Cube(gg) * (H + d[kC]) / 30000;
  if (item == kColdHat || item == kColdLipAngle) r[slot::Wt] = r[slot::Jt] / (gg / 10);

  if (pairOfChannels) {
    g.model.figures.resize(2);
    g.model.figureCount = 1;
  }
  FigureRecord& f = g.figure();
  f.setOuter(drawn, fill);
  if (s.hole) f.setInner(s.hole->drawn);
  if (pairOfZ) {
    std::copy(second.begin(), second.end(), f.inner.begin());
    f.nInner = static_cast<int32_t>(second.size());
  }
  // the true outline for the finite elements, which a set's copies take along as they are
  // placed (the pair of Z keeps its drawn outlines, the second has no true one of its own)
  if (!pairOfZ) {
    f.exactOuter = Densify(exact[0], kChordsPerArc);
    if (s.hole) f.exactInner = Densify(exact[1], kChordsPerArc);
  }
  if (pairOfChannels) {
    // the second channel: figure 1, the first mirrored in the y axis
    FigureRecord& mirrored = g.model.figures[1];
    mirrored = f;
    for (Point& q : mirrored.outer) q.x = -q.x;
    for (Point& q : mirrored.exactOuter) q.x = -q.x;
  }
  ObliczWskaznikiSprezyste(g.model, 0, pairOfChannels ? 1 : 0, r);
  PlasticModuli(g, exact, outer);
  r[slot::Oz] = copies * Perimeter(s.outline.fillets);
  if (s.hole) r[slot::Ow] = Perimeter(s.hole->fillets);
  if (!WynikiSkonczone(r, g.sink)) {
    g.refuse("Wyniki poza zakresem liczb", "(" + d.designation + ")");
    return;
  }

  const double wall = Tube(item) ? 0 : gg / 10;
  switch (item) {
    case kColdLipAngle:
      Finish(g, wall, wall, {4, 7});
      break;
    case kColdLipZ:
      Finish(g, wall, wall, {3, 4, 5, 7});
      break;
    case kColdHat:
      Finish(g, wall, wall, {4, 5, 7});
      break;
    case kColdSquareTube:
    case kColdRectTube:
      Finish(g, wall, wall, {4, 5});
      g.model.hotRolledTube = true;
      break;
    default:
      Finish(g, wall, wall, {7});
      break;
  }
  if (pairOfChannels) g.model.figures[1].props = r;
  if (item == kColdHat) {
    f.setDim(0, Number(H));
    f.setDim(1, Number(B));
    f.setDim(2, Number(d[kC]));
    f.setDim(3, Number(gg));
    f.setDim(4, Number(d[kR] / gg) + " x g");
  }
  Dimensions(g, item, d);
}

void Generate(Generation& g, int item) {
  Prepare(g);
  ColdDims d;
  const bool read =
      g.selection.mode == kColdCatalogue ? ReadCatalogue(g, item, d) : ReadOwn(g, item, d);
  if (read) Build(g, item, d);
}

}  // namespace

void CeownikGiety(Generation& g) {
  Generate(g, g.selection.variant == kColdChannelB ? kColdChannelB : kColdChannelA);
}
void CeownikCzterogiety(Generation& g) { Generate(g, kColdLipChannel); }
void KatownikGiety(Generation& g) {
  const int v = g.selection.variant;
  Generate(g, v >= kColdAngleRA && v <= kColdAngleNB ? v : kColdAngleRA);
}
void KatownikTrojgiety(Generation& g) { Generate(g, kColdLipAngle); }
void ZetownikCzterogiety(Generation& g) { Generate(g, kColdLipZ); }
void Kapeluszowy(Generation& g) { Generate(g, kColdHat); }
void Sigma(Generation& g) { Generate(g, kColdSigma); }

void RuraProstokatna(Generation& g) {
  if (g.selection.kind != kProste) {
    Generate(g, g.selection.variant == kColdRectTube ? kColdRectTube : kColdSquareTube);
    return;
  }
  // the "Proste" tab's square (variant 2) and rectangular (variant 3) "Rura"
  Prepare(g);
  const bool square = g.selection.variant == 2;
  const int item = square ? kColdSquareTube : kColdRectTube;
  ColdDims d;
  const bool read = square ? ReadTyped(g, item, {{1, kH}, {2, kG}, {5, kR}},
                                       {"Szerokość", "Grubość", "Promień"}, d)
                           : ReadTyped(g, item, {{1, kH}, {2, kG}, {3, kB}, {5, kR}},
                                       {"Wysokość", "Grubość", "Szerokość", "Promień"}, d);
  if (read) Build(g, item, d);
}

std::vector<CatalogueRecord> ColdFormedRecords() {
  std::vector<CatalogueRecord> records;
  for (int item = 0; item < kColdItems; ++item) {
    if (item == kColdSigma || !ColdCatalogueOffered(item)) continue;
    const std::vector<std::string>& sizes = ColdSizes(item);
    for (int option = 0; option <= (item == kColdLipZ ? 1 : 0); ++option)
      for (size_t k = 0; k < sizes.size(); ++k) {
        std::vector<std::string> thicknesses = ColdThicknesses(item, static_cast<int>(k));
        if (thicknesses.empty()) thicknesses.push_back("");  // the channels' is in the size
        for (const std::string& thickness : thicknesses) {
          const std::string designation = ColdDesignation(item, sizes[k], thickness);
          // the designation's numbers as typed dimensions, the catalogue's bend radius
          std::vector<std::string> numbers;
          size_t from = 0;
          for (size_t x; (x = designation.find('x', from)) != std::string::npos; from = x + 1)
            numbers.push_back(designation.substr(from, x - from));
          numbers.push_back(designation.substr(from));
          const std::vector<Dim> order = DesignationFields(item), own = OwnFields(item);
          Selection s;
          s.kind = kGiete, s.variant = item, s.mode = kColdOwnDimensions, s.option = option;
          for (size_t t = 0; t < own.size(); ++t) {
            if (own[t] == kR) {
              s.setText(static_cast<int>(t), Tube(item) ? kRadiusByStandard : "1,5 x g");
              continue;
            }
            const Dim wanted = own[t] == kC2 ? kC : own[t];
            const size_t at =
                static_cast<size_t>(std::find(order.begin(), order.end(), wanted) - order.begin());
            s.setText(static_cast<int>(t), numbers.at(at));
          }
          SectionModel model;
          model.kind = kGiete;
          RecordingSink sink;
          GeneratorSettings settings;
          Generation g{model, s, settings, sink};
          Generate(g, item);
          if (g.failed) continue;  // a size the rule lets through but the bends do not
          const PropertiesRecord& r = model.section;
          CatalogueRecord rec{ColdCode(item, option), designation, {}};
          auto& v = rec.values;
          v[F::h] = r[slot::d1], v[F::b] = r[slot::d2], v[F::tw] = r[slot::d3];
          v[F::tf] = r[slot::d4], v[F::r] = r[slot::d5], v[F::r1] = r[slot::d6];
          v[F::r2] = r[slot::d7];
          v[F::A] = r[slot::A], v[F::J1] = r[slot::J1], v[F::J2] = r[slot::J2];
          v[F::Jt] = r[slot::Jt], v[F::xS] = r[slot::xS], v[F::yS] = r[slot::yS];
          v[F::alpha] = r[slot::al] * 180 / std::numbers::pi;
          v[F::Jw] = r[slot::Jw], v[F::xT] = r[slot::xT];
          v[F::w1] = r[slot::w1], v[F::w2] = r[slot::w2];
          records.push_back(std::move(rec));
        }
      }
  }
  return records;
}

}  // namespace tarvik
