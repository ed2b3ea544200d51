// The rolled profiles: lookup, name, the properties the catalogue lacks, the drawn outline
// (three points per fillet), the moduli, and the dimension lines. Lengths are mm, stored
// values cm units. Plastic moduli come from the true outline with circular fillets.
#include "generators/rolled.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/integration.h"
#include "engine/numbers.h"
#include "engine/plastic.h"
#include "generators/junction.h"
#include "generators/parametric.h"
#include "generators/rolled_shapes.h"
#include "generators/welded.h"

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

constexpr double kBulge = 0.293;   // 1 - cos 45°: the drawn mid-point of a fillet
constexpr int kChordsPerArc = 32;  // the true fillets, followed closely enough for Wpl and J

double Cube(double v) { return v * v * v; }

// the looked-up record and its dimensions
struct Profile {
  CatalogueRecord rec;
  double h, b, tw, tf, r, r1, r2;
  double v(F f) const { return rec.values[f]; }
};

// the database lookup under the selection's key (a castellated girder's: its parent's);
// false (nothing built) when the profile is not there or the database cannot be used
bool Lookup(Generation& g, Profile& p) {
  const CatalogueKey key =
      g.selection.kind == kSpawane ? WeldedKeyOf(g.selection) : KeyOf(g.selection);
  if (!LookupCatalogue(g, key, p.rec)) return false;
  p.h = p.v(F::h), p.b = p.v(F::b), p.tw = p.v(F::tw), p.tf = p.v(F::tf);
  p.r = p.v(F::r), p.r1 = p.v(F::r1), p.r2 = p.v(F::r2);
  return true;
}

// the plates' Saint-Venant sum plus the junctions' share: every junction of the profile
// adds its own circle (an I has two, a tee one) [cm^4]
double RefinedTorsion(const Profile& p, std::initializer_list<std::pair<double, double>> plates,
                      Junction junction, int junctions, double c1, double c2) {
  double sum = 0;
  for (auto [t, len] : plates) sum += SkretProstokata(t, len);
  return sum / 1e4 + junctions * JunctionTorsion(p.rec, junction, c1, c2);
}

void TorsionModuli(PropertiesRecord& r, double thickness) {
  r[slot::Wt] = r[slot::Jt] / (thickness / 10);
  r[slot::Ws] = r[slot::Js] / (thickness / 10);
}

// the plastic moduli again, on the outline with true fillets, about the principal axes the
// record holds; an axis not found there (no true outline: neither) keeps the drawn outline's
// values
PlasticOutcome TruePlasticModuli(PropertiesRecord& r, const RoundedOutline& outline) {
  if (outline.empty()) return {true, true};
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  const double x0 = r[slot::xS], y0 = r[slot::yS];
  PlasticContour contour;
  for (const Point& p : Densify(outline, kChordsPerArc))
    contour.points.push_back({(p.x - x0) * c + (p.y - y0) * s, -(p.x - x0) * s + (p.y - y0) * c});
  contour.points.push_back(contour.points.front());
  return SzukajOsiPlastycznych({contour}, r);
}

// moduli for a section of the rolled tab itself (a set computes its own); then the outer
// perimeter of the true outline. An axis is missing only when neither outline gave it.
void Moduli(Generation& g, const RoundedOutline& outline) {
  PropertiesRecord& r = g.props();
  if (g.model.kind == kWalcowane) {
    const PlasticOutcome drawn = ObliczWskazniki(g.model, 0, 0, r);
    const PlasticOutcome exact = TruePlasticModuli(r, outline);
    ReportPlasticAxes(
        {drawn.wplyMissing && exact.wplyMissing, drawn.wplxMissing && exact.wplxMissing}, g.sink);
  }
  r[slot::Oz] = Perimeter(outline);
  // the true outline for the finite elements, which a set's copies take along as they are
  // placed
  if (!outline.empty()) g.figure().exactOuter = Densify(outline, kChordsPerArc);
}

// point k (1-based) of a contour mirrored: the points 1..n followed by n..1 transformed
std::vector<Point> Mirrored(std::vector<Point> pts, double sx, double sy, bool skipLast = false) {
  const size_t n = pts.size();
  for (size_t i = n - (skipLast ? 1 : 0); i-- > 0;) pts.push_back({pts[i].x * sx, pts[i].y * sy});
  return pts;
}

// the drawn lower right quarter of an I: 8 points (sloped) or 6 (parallel)
std::vector<Point> IQuarter(const Profile& p, bool sloped) {
  const double y0 = -p.h / 2, w = p.tw / 2;
  if (!sloped)
    return {{p.b / 2, y0},
            {p.b / 2, y0 + p.tf},
            {w + p.r, y0 + p.tf},
            {w + kBulge * p.r, y0 + p.tf + kBulge * p.r},
            {w, y0 + p.tf + p.r},
            {w, 0}};
  const double s = p.b / 28.56;
  return {{p.b / 2, y0},
          {p.b / 2, y0 + p.tf - s - p.r1},
          {p.b / 2 - kBulge * p.r1, y0 + p.tf - s - kBulge * p.r1},
          {p.b / 2 - p.r1, y0 + p.tf - s},
          {w + p.r, y0 + p.tf + s},
          {w + kBulge * p.r, y0 + p.tf + s + kBulge * p.r},
          {w, y0 + p.tf + s + p.r},
          {w, 0}};
}

bool Castellated(const Selection& s) { return s.kind == kSpawane && s.sub == kWeldedCastellated; }

bool SlopedI(const Selection& s) {
  const int series = Castellated(s) ? ParentSeries(s.variant) : s.variant;
  return series == kSeriesNormalny || series == kSeriesGOST;
}

void StoreOutline(Generation& g, const std::vector<Point>& pts, Point fill) {
  g.figure().setOuter(pts, fill);
}

// The castellated girder's moduli: the elastic ones from J1 at an opening over the drawn
// outline's extreme fibres (H/2), the plastic ones of the net section at an opening, the two
// tees cut from the parent's true outline (CastellatedTees), about the principal axes the
// record holds. The drawn outline is the solid I and holds the web the openings take away.
void CastellatedModuli(Generation& g, const CatalogueRecord& parent, double height) {
  PropertiesRecord& r = g.props();
  ElasticModuliFigury(g);
  const RoundedOutline outline = TrueOutline(FamilyOf(parent.family, parent), parent);
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  const double x0 = r[slot::xS], y0 = r[slot::yS];
  std::vector<PlasticContour> contours;
  for (const std::vector<Point>& tee :
       CastellatedTees(Densify(outline, kChordsPerArc), parent.values[F::h], height,
                       g.selection.option2 == 1)) {
    PlasticContour contour;
    for (const Point& p : tee)
      contour.points.push_back(
          {(p.x - x0) * c + (p.y - y0) * s, -(p.x - x0) * s + (p.y - y0) * c});
    if (contour.points.empty()) continue;
    contour.points.push_back(contour.points.front());
    contours.push_back(std::move(contour));
  }
  ReportPlasticAxes(SzukajOsiPlastycznych(contours, r), g.sink);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

bool LookupCatalogue(Generation& g, const CatalogueKey& key, CatalogueRecord& record) {
  ProfileDatabase* db = g.settings.database;
  if (!db) {
    g.refuse("Nie ma bazy danych");
    return false;
  }
  if (db->SzukajProfilu(key.code, key.designation, g.sink, record, g.props()) !=
      LookupResult::kFound) {
    g.failed = true;  // the database has told the user why
    return false;
  }
  const auto& v = record.values;
  if (!(v[F::h] > 0 && v[F::b] > 0 && v[F::tw] > 0 && v[F::tf] > 0)) {
    g.refuse("Zerowe pole przekroju", "(" + key.code + " " + key.designation + ")");
    return false;
  }
  g.props().setName(key.name);
  return true;
}

CatalogueKey KeyOf(const Selection& s) {
  auto text = [&](int i) {
    std::string t = s.texts.at(i - 1);
    OczyscWymiar(t);
    return t;
  };
  const std::string t1 = text(1), t2 = text(2);
  CatalogueKey k;
  auto set = [&](std::string code, std::string designation, std::string prefix) {
    k.code = std::move(code);
    k.designation = std::move(designation);
    k.name = prefix + k.designation;
  };
  auto iKey = [&] {
    static const char* kCodes[] = {"2TPN", "IPE", "HEAA", "HEA", "HEB", "HEM", "HE",
                                   "HD",   "HL",  "HP",   "IPE", "IPE", "IPE", "2TGO"};
    if (s.variant < 0 || s.variant > kSeriesGOST) return;
    const std::string code = kCodes[s.variant];
    switch (s.variant) {
      case kSeriesNormalny:
        return set(code, s.option == 1 ? t1 + "p" : t1, "I");
      case kSeriesGOST:
        return set(code, t1, "I");
      case kSeriesHE:
      case kSeriesHD:
      case kSeriesHL:
      case kSeriesHP:
        return set(code, t2.empty() ? t1 : t1 + "x" + t2, code);
      case kSeriesIPEa:
        return set(code, t1 + "a", code);
      case kSeriesIPE750:
        return set(code, "750x" + t2, code);
      default:
        return set(code, t1, code);
    }
  };
  switch (s.sub) {
    case 0:
      iKey();
      break;
    case 1:
      switch (s.variant) {
        case kChannelNormalny:
          set("CPN", s.option == 1 ? t1 + "p" : t1, "C");
          break;
        case kChannelEkonomiczny:
          set("CE", t1, "CE");
          break;
        case kChannelUAP:
          set("UAP", t1, "UAP");
          break;
        case kChannelUAE:
          set("UAE", t1, "UAE");
          break;
        case kChannelGOST:
          set("CGO", t1, "GOST");
          break;
      }
      break;
    case 2:
      set("KWR", t1 + "x" + t2, "L");
      break;
    case 3:
      set("KWN", t1 + "x" + t2, "L");
      break;
    case 4:
      set("TW", t1, "T");
      break;
    case 5:
      set("TN", t1, "T");
      break;
    case 6:
      iKey();
      if (!k.code.empty()) k.name = "1/2I" + k.designation;
      break;
    case 7:
      set(s.option == 1 ? "ZDIN" : "ZPN", t1, "Z");
      break;
  }
  return k;
}

bool SelectionFor(std::string_view code, std::string_view designation, bool half,
                  Selection& s) {
  s = Selection{};
  s.kind = kWalcowane;
  std::string des(designation);
  auto strip = [&](char last) {
    if (des.size() > 1 && des.back() == last) {
      des.pop_back();
      return true;
    }
    return false;
  };
  // "size x mass" or "legs x thickness": the part after the last 'x' goes into text 2
  auto splitLast = [&] {
    const size_t x = des.rfind('x');
    if (x == std::string::npos) return s.setText(0, des);
    s.setText(0, des.substr(0, x));
    s.setText(1, des.substr(x + 1));
  };
  static const std::string_view kISeries[] = {"2TPN", "IPE", "HEAA", "HEA", "HEB", "HEM", "HE",
                                              "HD",   "HL",  "HP"};
  const auto* i = std::find(std::begin(kISeries), std::end(kISeries), code);
  if (i != std::end(kISeries) || code == "2TGO") {
    s.sub = half ? 6 : 0;
    s.variant = code == "2TGO" ? kSeriesGOST : static_cast<int32_t>(i - std::begin(kISeries));
    if (s.variant == kSeriesNormalny && strip('p')) s.option = 1;
    if (s.variant == kSeriesIPE) {
      if (des.starts_with("750x")) {
        s.variant = kSeriesIPE750;
        s.setText(0, "750");
        s.setText(1, des.substr(4));
        return true;
      }
      if (strip('a'))
        s.variant = kSeriesIPEa;
      else if (des.ends_with('o') || des.ends_with('v'))
        s.variant = kSeriesIPEov;
    }
    if (s.variant >= kSeriesHE && s.variant <= kSeriesHP)
      splitLast();
    else
      s.setText(0, des);
    return true;
  }
  if (half) return false;
  static const std::string_view kChannels[] = {"CPN", "CE", "UAP", "UAE", "CGO"};
  if (const auto* c = std::find(std::begin(kChannels), std::end(kChannels), code);
      c != std::end(kChannels)) {
    s.sub = 1;
    s.variant = static_cast<int32_t>(c - std::begin(kChannels));
    if (s.variant == kChannelNormalny && strip('p')) s.option = 1;
    s.setText(0, des);
    return true;
  }
  if (code == "KWR" || code == "KWN") {
    s.sub = code == "KWR" ? 2 : 3;
    splitLast();
    return true;
  }
  if (code == "TW" || code == "TN" || code == "ZPN" || code == "ZDIN") {
    s.sub = code == "TW" ? 4 : code == "TN" ? 5 : 7;
    s.option = code == "ZDIN" ? 1 : 0;
    s.setText(0, des);
    return true;
  }
  return false;
}

std::vector<CatalogueSize> CatalogueSizes(const ProfileDatabase& db, int sub, int variant,
                                          int option) {
  Selection probe;
  probe.sub = sub, probe.variant = variant, probe.option = option;
  const std::string code = KeyOf(probe).code;
  std::vector<CatalogueSize> sizes;
  if (code.empty()) return sizes;
  for (const std::string& designation : db.Designations(code)) {
    Selection s;
    if (!SelectionFor(code, designation, sub == 6, s) || s.variant != variant ||
        s.option != option)
      continue;
    const std::string& size = s.texts[0];
    if (sizes.empty() || sizes.back().size != size) sizes.push_back({size, {}});
    if (!s.texts[1].empty()) sizes.back().second.push_back(s.texts[1]);
  }
  return sizes;
}

void DwuteownikWalcowany(Generation& g) {
  Profile p;
  if (!Lookup(g, p)) return;
  const bool castellated = Castellated(g.selection);
  const CatalogueRecord parent = p.rec;
  if (castellated) {
    // from here on the girder's own height: the solid I drawn, Avy and torsion of the whole
    if (!PrzeksztalcAzurowy(g, p.rec)) return;
    p.h = p.v(F::h);
  }
  const bool sloped = SlopedI(g.selection);
  PropertiesRecord& r = g.props();
  const double h = p.h, b = p.b, tw = p.tw, tf = p.tf;
  r[slot::Avx] = 2 * b * tf / 100;
  r[slot::Avy] = h * tw / 100;
  if (r[slot::Jt] == 0) {
    r[slot::Jt] = (2 * b * Cube(tf) + (h - 2 * tf) * Cube(tw)) / 30000;
    if (!sloped) p.rec.values[F::Jt] = r[slot::Jt];
  }
  r[slot::Js] = RefinedTorsion(p, {{tf, b}, {tf, b}, {tw, h - tf}}, Junction::kT, 2, 0.1, 0.145);
  TorsionModuli(r, tf);
  r[slot::Ivx] = Cube(sloped ? h : h - 2 * tf) * tw / 120000;
  r[slot::Ivy] = Cube(b) * 2 * tf / 120000;
  if (sloped && r[slot::J2] > r[slot::Ivy]) r[slot::Ivy] = r[slot::J2];
  if (r[slot::Jw] == 0)
    r[slot::Jw] = (h - tf) / 10 * (h - tf) / 10 * r[slot::J2] / 4;
  else if (p.rec.family == "HEB")
    r[slot::Jw] *= 1000;  // the HEB records hold it in 10^3 cm^6, whichever tab reads them
  if (r[slot::w1] == 0) r[slot::w1] = sloped ? h * b / 400 : (h - tf) * b / 400;
  r[slot::w2] = -r[slot::w1];

  // 30 or 22 vertices: the quarter, mirrored in the x axis, then all mirrored in the y axis
  const auto pts = Mirrored(Mirrored(IQuarter(p, sloped), 1, -1, true), -1, 1);
  StoreOutline(g, pts, {0, -h / 2 + tf / 2});
  const RoundedOutline outline = TrueOutline(FamilyOf(p.rec.family, p.rec), p.rec);
  if (castellated) {
    CastellatedModuli(g, parent, h);
    r[slot::Oz] = Perimeter(outline);  // of the solid I: the openings are not counted
  } else {
    Moduli(g, outline);
  }
  Finish(g, tf / 10, tw / 10, {7});
  if (sloped) {
    AddDimension(g.model, 0, 1, 15, 15, h);
    AddDimension(g.model, 1, 1, 30, 15, b);
    AddDimension(g.model, 0, 30, 27, -15, tf, 0, 26);
    AddDimension(g.model, 1, 7, 24, -20, tw);
  } else {
    AddDimension(g.model, 0, 1, 11, 15, h);
    AddDimension(g.model, 1, 1, 22, 15, b);
    AddDimension(g.model, 0, 22, 21, -15, tf);
    AddDimension(g.model, 1, 5, 18, -20, tw);
  }
}

void CeownikWalcowany(Generation& g) {
  Profile p;
  if (!Lookup(g, p)) return;
  const int series = g.selection.variant;
  const bool sloped = series != kChannelUAP && series != kChannelUAE;
  PropertiesRecord& r = g.props();
  const double h = p.h, b = p.b, tw = p.tw, tf = p.tf;
  r[slot::Avx] = 2 * b * tf / 100;
  r[slot::Avy] = h * tw / 100;
  if (r[slot::Jt] == 0) {
    r[slot::Jt] = ((b - tw) * 2 * tf * tf * tf + h * Cube(tw)) / 30000;
    p.rec.values[F::Jt] = r[slot::Jt];
  }
  const auto [c1, c2] = sloped ? std::pair{0.1, 0.145} : std::pair{0.07, 0.076};
  r[slot::Js] = RefinedTorsion(p, {{tf, b - tw}, {tf, b - tw}, {tw, h}}, Junction::kL, 2, c1, c2);
  TorsionModuli(r, tf);
  // one flange about the section's x axis [mm^4]
  const double flange = Cube(tf) * (b - tw) / 12 + (h - tf) / 2 * (h - tf) / 2 * (b - tw) * tf;
  if (r[slot::Jw] == 0 && r[slot::J1] > 0) {
    const double If = flange / 1e4, e = (b / 10 - tw / 20) * (b / 10 - tw / 20);
    r[slot::Jw] = (If * If + 2 * If * (tw * Cube(h) / 12 / 1e4)) * e / (3 * r[slot::J1]);
  }
  r[slot::Ivx] = tw * Cube(h) / 12 / 1e4;
  r[slot::Ivy] = (2 * tf * Cube(b) / 12 + (b / 2 - r[slot::xS]) * (b / 2 - r[slot::xS]) * 2 * tf * b) / 1e4;
  // the shear centre lies behind the web by e from the web's axis, the axis tw/2 from the back
  if (r[slot::xT] == 0 && r[slot::J1] > 0)
    r[slot::xT] = tw / 2 - (b - tw / 2) * flange / (r[slot::J1] * 1e4);

  std::vector<Point> half;
  if (sloped) {
    const double s = b / 50;
    half = {{0, -h / 2},
            {b, -h / 2},
            {b, -h / 2 + tf - s - p.r1},
            {b - kBulge * p.r1, -h / 2 + tf - s - kBulge * p.r1},
            {b - p.r1, -h / 2 + tf - s},
            {tw + p.r, -h / 2 + tf + s},
            {tw + kBulge * p.r, -h / 2 + tf + s + kBulge * p.r},
            {tw, -h / 2 + tf + s + p.r}};
  } else {
    half = {{0, -h / 2},
            {b, -h / 2},
            {b, -h / 2 + tf},
            {tw + p.r, -h / 2 + tf},
            {tw + kBulge * p.r, -h / 2 + tf + kBulge * p.r},
            {tw, -h / 2 + tf + p.r}};
  }
  StoreOutline(g, Mirrored(half, 1, -1), {b / 2, -h / 2 + tf / 2});
  Moduli(g, TrueOutline(FamilyOf(p.rec.family, p.rec), p.rec));
  FigureRecord& fig = g.figure();
  fig.setDim(1, FormatWymiaru(0, 0, 0, tw));
  fig.setDim(2, FormatWymiaru(0, 0, 0, b));
  fig.setDim(3, FormatWymiaru(0, 0, 0, h));
  fig.setDim(4, FormatWymiaru(0, 0, 0, tf));
  if (series == kChannelGOST)
    Finish(g, tf / 10, tw / 10, {4, 7});
  else
    Finish(g, tf / 10, tw / 10, {7});
  if (sloped) {
    AddDimension(g.model, 0, 2, 15, 30, h);
    AddDimension(g.model, 1, 1, 2, 15, b);
    AddDimension(g.model, 0, 2, 5, 15, tf, 0, 6);
    AddDimension(g.model, 1, 8, 1, -20, tw);
  }
}

void KatownikWalcowany(Generation& g) {
  Profile p;
  if (!Lookup(g, p)) return;
  PropertiesRecord& r = g.props();
  const double h = p.h, b = p.b, tv = p.tw, th = p.tf;
  r[slot::Avx] = b * th / 100;
  r[slot::Avy] = h * tv / 100;
  if (r[slot::Jt] == 0) {
    r[slot::Jt] = (Cube(th) * (b - tv / 2) + Cube(tv) * (h - th / 2)) / 30000;
    p.rec.values[F::Jt] = r[slot::Jt];
  }
  r[slot::Js] =
      RefinedTorsion(p, {{th, b - tv / 2}, {tv, h - th / 2}}, Junction::kL, 1, 0.07, 0.076);
  TorsionModuli(r, tv);
  r[slot::xT] = r[slot::yT] = tv / 2;

  // t = the tw field for both legs; points 8..12 are 6..2 with x and y exchanged, the vertical
  // leg ending at h
  const double t = tv;
  std::vector<Point> pts = {{0, 0},
                            {b, 0},
                            {b, t - p.r1},
                            {b - kBulge * p.r1, t - kBulge * p.r1},
                            {b - p.r1, t},
                            {t + p.r, t},
                            {t + kBulge * p.r, t + kBulge * p.r}};
  for (int k = 6; k >= 2; --k) {
    Point q = pts[k - 1];
    if (k <= 5) q.x += h - b;  // the far end of the leg: measured from h, not from b
    pts.push_back({q.y, q.x});
  }
  StoreOutline(g, pts, {b / 2, th / 2});
  Moduli(g, TrueOutline(FamilyOf(p.rec.family, p.rec), p.rec));
  Finish(g, tv / 10, tv / 10, {7});
  AddDimension(g.model, 0, 1, 12, -15, h);
  AddDimension(g.model, 1, 1, 2, 15, b);
  AddDimension(g.model, 0, 2, 5, 15, t);
}

void TeownikWalcowany(Generation& g) {
  Profile p;
  if (!Lookup(g, p)) return;
  PropertiesRecord& r = g.props();
  const double h = p.h, b = p.b, tw = p.tw, tf = p.tf;
  r[slot::Avx] = b * tf / 100;
  r[slot::Avy] = h * tw / 100;
  r[slot::Jt] = (Cube(tf) * b + Cube(tw) * (h - tf)) / 30000;
  r[slot::Js] = RefinedTorsion(p, {{tf, b}, {tw, h - tf}}, Junction::kT, 1, 0.1, 0.145);
  TorsionModuli(r, tf);
  r[slot::yT] = tf / 2;
  const double web = h - tf, arm = (h + tf) / 2 - r[slot::yS];
  r[slot::Ivx] = (Cube(web) * tw / 12 + arm * arm * web * tw) / 1e4;
  r[slot::Ivy] = Cube(b) * tf / 12 / 1e4;

  const double t = tw, s = b / 100;
  const std::vector<Point> half = {{b / 2, 0},
                                   {b / 2, t - s - p.r1},
                                   {b / 2 - kBulge * p.r1, t - s - kBulge * p.r1},
                                   {b / 2 - p.r1, t - s},
                                   {t / 2 + p.r, t + s},
                                   {t / 2 + kBulge * p.r, t + s + kBulge * p.r},
                                   {t / 2, t + s + p.r},
                                   {t / 2 - h / 50, h - kBulge * p.r2},
                                   {t / 2 - kBulge * p.r2, h}};
  StoreOutline(g, Mirrored(half, -1, 1), {0, tf / 2});
  Moduli(g, TrueOutline(FamilyOf(p.rec.family, p.rec), p.rec));
  Finish(g, tf / 10, tw / 10, {7});
}

void PolowaDwuteownika(Generation& g) {
  Profile p;
  if (!Lookup(g, p)) return;
  const bool sloped = SlopedI(g.selection);
  PropertiesRecord& r = g.props();
  const double h = p.h, b = p.b, tw = p.tw, tf = p.tf;
  r[slot::A] /= 2;
  r[slot::J2] /= 2;
  r[slot::J1] = 0;  // the outline gives it, about the half's own centroid
  r[slot::yS] = 0;
  r[slot::Avx] = b * tf / 100;
  r[slot::Avy] = h / 2 * tw / 100;
  r[slot::Jt] = (Cube(tf) * b + Cube(tw) * (h / 2 - tf)) / 30000;
  r[slot::Js] = RefinedTorsion(p, {{tf, b}, {tw, h / 2 - tf}}, Junction::kT, 1, 0.1, 0.145);
  TorsionModuli(r, tf);
  r[slot::Ivy] = Cube(b) * tf / 120000;
  if (r[slot::J2] > r[slot::Ivy]) r[slot::Ivy] = r[slot::J2];
  r[slot::yT] = tf / 2;
  r[slot::w1] = r[slot::w2] = r[slot::Jw] = 0;

  auto pts = Mirrored(IQuarter(p, sloped), -1, 1);
  for (Point& q : pts) q.y += h / 2;
  StoreOutline(g, pts, {0, tf / 2});
  if (!IntegrateFigure(g)) return;
  // the web's shear term about the centroid that the outline has just given
  r[slot::Ivx] = (Cube(h) * tw / 96 + (h / 4 - r[slot::yS]) * (h / 4 - r[slot::yS]) * h * tw / 2) / 1e4;
  Moduli(g, HalfOfI(FamilyOf(p.rec.family, p.rec), p.rec));
  Finish(g, tf / 10, tw / 10, {7});
}

void ZetownikWalcowany(Generation& g) {
  Profile p;
  if (!Lookup(g, p)) return;
  PropertiesRecord& r = g.props();
  const double h = p.h, b = p.b, tw = p.tw, tf = p.tf;
  r[slot::Avx] = 2 * b * tf / 100;
  r[slot::Avy] = h * tw / 100;
  if (g.selection.option == 0) r[slot::J1] = r[slot::J2] = 0;  // "wg PN": from the outline
  if (r[slot::Jt] == 0) r[slot::Jt] = (2 * Cube(tf) * (b - tw / 2) + Cube(tw) * (h - tf)) / 30000;
  r[slot::Js] = RefinedTorsion(p, {{tf, b - tw / 2}, {tf, b - tw / 2}, {tw, h - tf}},
                               Junction::kL, 2, 0.1, 0.145);
  TorsionModuli(r, tf);

  const double w = tw / 2, x2 = b - w;
  const std::vector<Point> half = {{-w, -h / 2},
                                   {x2, -h / 2},
                                   {x2, -h / 2 + tf - p.r1},
                                   {x2 - kBulge * p.r1, -h / 2 + tf - kBulge * p.r1},
                                   {x2 - p.r1, -h / 2 + tf},
                                   {w + p.r, -h / 2 + tf},
                                   {w + kBulge * p.r, -h / 2 + tf + kBulge * p.r},
                                   {w, -h / 2 + tf + p.r}};
  std::vector<Point> pts = half;
  for (const Point& q : half) pts.push_back({-q.x, -q.y});
  StoreOutline(g, pts, {(x2 - w) / 2, -h / 2 + tf / 2});
  if (!IntegrateFigure(g)) return;
  // sectorial values need the principal angle, which the outline may just have given
  r[slot::w2] = -r[slot::w2];
  const double hw = h - tf;
  if (r[slot::w1] == 0) {
    const double e = hw / 2 * std::tan(r[slot::al]);
    r[slot::w1] = (b - e) * hw / 200;
    r[slot::w2] = -e * hw / 200;
  }
  // the flanges warp: their thickness, not the web's
  if (r[slot::Jw] == 0) r[slot::Jw] = hw * hw * Cube(b) * tf / 12 * (2 * hw + b) / (2 * b + hw) / 1e6;
  g.figure().props = r;
  Moduli(g, TrueOutline(FamilyOf(p.rec.family, p.rec), p.rec));
  Finish(g, tf / 10, tw / 10, {7});
}

void RuraBezSzwu(Generation& g) {
  RuraOkragla(g);
  if (!g.props().name().empty()) g.model.hotRolledTube = true;
}

}  // namespace tarvik
