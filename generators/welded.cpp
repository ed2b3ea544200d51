// The welded profiles of the "Spawane" tab: the welded I-sections and the corrugated-web
// girders from the profile database, the castellated girder made from a rolled I, and the
// seamed circular hollow section. Lengths are mm, stored values cm units.
#include "generators/welded.h"

#include <cmath>
#include <string>
#include <vector>

#include "engine/numbers.h"
#include "engine/plastic.h"
#include "generators/parametric.h"

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

double Cube(double v) { return v * v * v; }

// a point in the principal coordinates of the record (u along the first principal axis)
Point Principal(const PropertiesRecord& r, Point p) {
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  const double x = p.x - r[slot::xS], y = p.y - r[slot::yS];
  return {x * c + y * s, -x * s + y * c};
}

PlasticContour ContourOf(const PropertiesRecord& r, const std::vector<Point>& pts) {
  PlasticContour contour;
  for (const Point& p : pts) contour.points.push_back(Principal(r, p));
  if (!contour.points.empty()) contour.points.push_back(contour.points.front());
  return contour;
}

// The corrugated web carries no longitudinal stress: the plastic moduli are the two flanges'
// (b x tf each, the outer faces at ±h/2), the elastic ones the record's flange-only J1 and J2
// over the outline's extreme fibres.
void CorrugatedModuli(Generation& g, double h, double b, double tf) {
  PropertiesRecord& r = g.props();
  ElasticModuliFigury(g);
  auto flange = [&](double y0, double y1) {
    return ContourOf(r, {{b / 2, y0}, {b / 2, y1}, {-b / 2, y1}, {-b / 2, y0}});
  };
  ReportPlasticAxes(
      SzukajOsiPlastycznych({flange(-h / 2, -h / 2 + tf), flange(h / 2 - tf, h / 2)}, r), g.sink);
}

// the part of a closed polygon where side·(y - level) >= 0 (Sutherland-Hodgman against one
// line); for a polygon the line crosses twice it is one polygon again
std::vector<Point> KeepBeyond(const std::vector<Point>& poly, double level, double side) {
  std::vector<Point> kept;
  const size_t n = poly.size();
  for (size_t i = 0; i < n; ++i) {
    const Point a = poly[i], b = poly[(i + 1) % n];
    const double da = side * (a.y - level), db = side * (b.y - level);
    if (da >= 0) kept.push_back(a);
    if ((da >= 0 && db < 0) || (da < 0 && db >= 0 && db != 0)) {
      const double t = da / (da - db);
      kept.push_back({a.x + t * (b.x - a.x), level});
    }
  }
  return kept;
}

// Castellated girders. The web of the parent I is cut along a zigzag line and the halves are
// welded together again tooth to tooth:
//  - the ordinary girder ("Zwykły") has H = 1.5·h; the cut is h/2 deep;
//  - the high girder ("Wysoki") has H = 2·h: a spacer plate h/2 high is welded between the
//    teeth, the cut again h/2 deep.
// The cut depth is c = H - h - spacer; at an opening the net section is the parent's two tees
// beyond |y| = c/2, each moved out by (H - h)/2.
double SpacerOf(double h, bool high) { return high ? h / 2 : 0; }

}  // namespace

std::vector<std::vector<Point>> CastellatedTees(const std::vector<Point>& parent, double h,
                                                double H, bool high) {
  const double cut = H - h - SpacerOf(h, high), shift = (H - h) / 2;
  if (!(cut > 0 && cut < h)) return {};
  std::vector<std::vector<Point>> tees;
  for (const double side : {1.0, -1.0}) {
    std::vector<Point> tee = KeepBeyond(parent, side * cut / 2, side);
    for (Point& p : tee) p.y += side * shift;
    tees.push_back(std::move(tee));
  }
  return tees;
}

bool PrzeksztalcAzurowy(Generation& g, CatalogueRecord& record) {
  namespace c = castellated;
  auto& v = record.values;
  const std::string profile = record.family + " " + record.designation;
  const bool high = g.selection.option2 == 1;
  const size_t height = high ? c::kHighHeight : c::kHeight, j1 = high ? c::kHighJ1 : c::kJ1;
  if (!(v[height] > 0 && v[j1] > 0 && v[c::kNetArea] > 0 && (!high || v[c::kHighMass] > 0))) {
    g.refuse("Baza danych nie zawiera wymiarów dźwigara ażurowego", "(" + profile + ")");
    return false;
  }
  const double h = v[F::h], H = v[height];
  const double cut = H - h - SpacerOf(h, high);
  if (!(cut > 0 && cut < h - 2 * v[F::tf])) {
    g.refuse("Uszkodzony opis profilu",
             "(" + profile + ": wysokość dźwigara ażurowego nie pasuje do profilu)");
    return false;
  }
  PropertiesRecord& r = g.props();
  r.setName((high ? "AW " : "A ") + r.name());
  // castellation removes no steel: the ordinary girder weighs what its parent does
  r[slot::m] = high ? v[c::kHighMass] : 0.785 * v[F::A];
  v[F::h] = H;
  v[F::J1] = v[j1];
  r[slot::d1] = H;
  r[slot::A] = v[c::kNetArea];
  r[slot::J1] = v[j1];
  // the flanges lie (H - h)/2 farther out than the parent's: its warping constant and
  // sectorial coordinate are not the girder's, which the I's formulas give from H
  r[slot::Jw] = r[slot::w1] = r[slot::w2] = 0;
  g.model.flags.at(6) = g.model.flags.at(7) = true;
  return true;
}

void DwuteownikSpawany(Generation& g) {
  const Selection& s = g.selection;
  CatalogueRecord rec;
  if (!LookupCatalogue(g, WeldedKeyOf(s), rec)) return;
  auto& v = rec.values;
  PropertiesRecord& r = g.props();
  const bool wt = s.sub == kWeldedWT;
  const double h = v[F::h], b = v[F::b], tf = v[F::tf];
  double tw = v[F::tw];
  double avy = (h - 2 * tf) * tw / 100;
  if (wt) {
    const double web = CzytajLiczbe(s.texts[2]);
    avy = CorrugatedShearArea(s.texts[0], web);
    if (!(avy > 0)) {
      g.refuse("Nie ma takiej grubości środnika", "(" + g.dimText(3) + ")");
      return;
    }
    // the records hold the flat area with the thinnest web offered for the height
    v[F::A] += (web - tw) * (h - 2 * tf) / 100;
    v[F::tw] = tw = web;
    r[slot::A] = v[F::A];
    r[slot::d3] = tw;
    r[slot::m] = v[web == 2.0   ? corrugated::kMass20
                   : web == 2.5 ? corrugated::kMass25
                                : corrugated::kMass30];
  }
  r[slot::Avx] = 2 * b * tf / 100;
  r[slot::Avy] = avy;
  if (v[F::Jt] == 0) {
    r[slot::Jt] = (2 * b * Cube(tf) + (h - 2 * tf) * Cube(tw)) / 30000;
    v[F::Jt] = r[slot::Jt];
  }
  r[slot::Wt] = r[slot::Jt] / (tf / 10);
  // welded corners have no fillets: the plates alone
  r[slot::Js] = (2 * SkretProstokata(tf, b) + SkretProstokata(tw, h - tf)) / 1e4;
  r[slot::Ws] = r[slot::Js] / (tf / 10);
  r[slot::Ivx] = Cube(h - 2 * tf) * tw / 12 / 1e4;
  r[slot::Ivy] = Cube(b) * 2 * tf / 12 / 1e4;
  r[slot::w1] = (h - tf) * b / 400;
  r[slot::w2] = -r[slot::w1];

  // 12 vertices, counter-clockwise from the lower right corner, sharp corners
  std::vector<Point> pts = {{b / 2, -h / 2}, {b / 2, -h / 2 + tf}, {tw / 2, -h / 2 + tf}};
  for (int k = 2; k >= 0; --k) pts.push_back({pts[k].x, -pts[k].y});
  for (int k = 5; k >= 0; --k) pts.push_back({-pts[k].x, pts[k].y});
  g.figure().setOuter(pts, {0, -h / 2 + tf / 2});
  // a record without A, J1 or J2 takes them from the plates
  if (!IntegrateFigure(g)) return;
  // after the integration: a record without J2 has it only now
  if (r[slot::Jw] == 0) r[slot::Jw] = (h - tf) / 10 * (h - tf) / 10 * r[slot::J2] / 4;
  if (g.model.kind == kSpawane) {
    if (wt)
      CorrugatedModuli(g, h, b, tf);
    else
      ObliczWskaznikiFigury(g);
  }
  r[slot::Oz] = wt ? v[corrugated::kPerimeter] * 1000 : Obwod(g.figure(), true);
  Finish(g, tf / 10, tw / 10, {7});
  AddDimension(g.model, 0, 1, 6, 15, h);
  AddDimension(g.model, 1, 1, 12, 15, b);
  AddDimension(g.model, 0, 12, 11, -15, tf);
  AddDimension(g.model, 1, 3, 10, -20, tw);
}

void RuraZeSzwem(Generation& g) {
  // the closed forms always: "Wzory ścisłe" belongs to another tab
  GeneratorSettings exact = g.settings;
  exact.exactFormulas = true;
  Generation pipe{g.model, g.selection, exact, g.sink};
  RuraOkragla(pipe);
  g.failed = pipe.failed;
}

}  // namespace tarvik
