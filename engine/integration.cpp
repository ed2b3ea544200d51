#include "engine/integration.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/derived.h"
#include "engine/plastic.h"
#include "engine/section_kind.h"

namespace tarvik {
namespace {

constexpr double kHalfPi = 1.5707963267948966;

// the six polygon sums (doubled area, six times the first moments, twelve times the
// second moments, 24 times the product) about a local origin near the outline: central
// moments of a figure far from the model origin then lose no digits to cancellation
struct Sums {
  double a = 0, sx = 0, sy = 0, jx = 0, jy = 0, jxy = 0;

  Sums& operator+=(const Sums& o) {
    a += o.a, sx += o.sx, sy += o.sy, jx += o.jx, jy += o.jy, jxy += o.jxy;
    return *this;
  }
  void negate() { a = -a, sx = -sx, sy = -sy, jx = -jx, jy = -jy, jxy = -jxy; }
};

// a closed polygon of n vertices; counter-clockwise gives positive sums
template <typename PointAt>
Sums PolygonSums(int n, Point origin, PointAt at) {
  Sums s;
  for (int i = 0; i < n; ++i) {
    const Point pa = at(i), pb = at(i + 1 < n ? i + 1 : 0);
    const double xa = pa.x - origin.x, ya = pa.y - origin.y;
    const double xb = pb.x - origin.x, yb = pb.y - origin.y;
    const double dx = xb - xa, dy = ya - yb;
    s.a -= dx * (yb + ya);
    s.sx -= (ya * ya + ya * yb + yb * yb) * dx;
    s.sy -= (xa * xa + xa * xb + xb * xb) * dy;
    s.jx -= (ya * ya * ya + ya * ya * yb + yb * yb * ya + yb * yb * yb) * dx;
    s.jy -= (xa * xa * xa + xa * xa * xb + xb * xb * xa + xb * xb * xb) * dy;
    s.jxy -=
        ((yb * yb + 3 * ya * ya + 2 * ya * yb) * xa + (ya * ya + 3 * yb * yb + 2 * ya * yb) * xb) *
        dx;
  }
  return s;
}

Sums ContourSums(const std::array<Point, FigureRecord::kCapacity>& p, int n, Point origin) {
  return PolygonSums(n, origin, [&](int i) { return p[i]; });
}

// no material: a degenerate outline, or holes outweighing the outer contours (a negative
// area would give every property with a plausible magnitude and a wrong sign)
bool NoMaterial(const Sums& s) { return !(s.a > 0); }

void ReportZeroArea(const Sums& s, MessageSink& sink) {
  sink.show(Blad("Zerowe pole przekroju", s.a < 0 ? "(pole ujemne)" : ""));
}

void FillIfEmpty(PropertiesRecord& r, int k, double value) {
  if (r[k] == 0) r[k] = value;
}

// centroid, principal angle and moments from the integrals about origin, into the empty slots
void FinishIntegrals(const Sums& s, Point origin, PropertiesRecord& r) {
  const double area = s.a / 2, sx = s.sx / 6, sy = s.sy / 6;
  const double xc = origin.x + sy / area, yc = origin.y + sx / area;
  const double jxc = s.jx / 12 - sx * sx / area;
  const double jyc = s.jy / 12 - sy * sy / area;
  double jxyc = s.jxy / 24 - sx * sy / area;
  // a product far below the smaller central moment is rounding noise, not an inclined axis
  if (jxc < jyc && jxc != 0 && std::fabs(jxyc / jxc) < 0.0001)
    jxyc = 0;
  else if (jyc < jxc && jyc != 0 && std::fabs(jxyc / jyc) < 0.0001)
    jxyc = 0;
  // principal axes along x and y: J1 stays the moment about the axis parallel to x. The
  // computed pair is turned before it fills anything, so that a record that already holds
  // one of the moments (a half I keeps the catalogue's J2) gets the other one in its place.
  OsieGlowne g = MomentyGlowne(jxc, jyc, jxyc, 0.000001);
  OsieWzdluzX(g);
  const double angle = g.angle, j1 = g.j1 / 10000, j2 = g.j2 / 10000;
  FillIfEmpty(r, slot::xS, xc);
  FillIfEmpty(r, slot::yS, yc);
  FillIfEmpty(r, slot::al, angle);
  FillIfEmpty(r, slot::A, area / 100);
  FillIfEmpty(r, slot::J1, j1);
  FillIfEmpty(r, slot::J2, j2);
  // an angle given beforehand along y: the same turn of the record's own moments
  if (std::fabs(std::fabs(r[slot::al]) - kHalfPi) <= 0.0001) {
    std::swap(r[slot::J1], r[slot::J2]);
    r[slot::al] = 0;
  }
}

}  // namespace

bool WynikiSkonczone(const PropertiesRecord& record, MessageSink& sink) {
  for (const SlotInfo& s : SlotTable())
    if (!std::isfinite(record[s.slot])) {
      sink.show(Blad("Wyniki poza zakresem liczb", "(" + std::string(s.symbol) + ")"));
      return false;
    }
  return true;
}

bool ObliczFigure(SectionModel& model, PropertiesRecord& record, MessageSink& sink) {
  FigureRecord& w = model.working();
  const Point origin = w.outerCount() > 0 ? w.outer[0] : w.inner[0];
  Sums total;
  if (w.outerCount() > 0) {
    Sums outer =
        ContourSums(w.outer, w.outerCount() - 1, origin);  // the reference point is no vertex
    if (OuterByRole(model.kind) && outer.a < 0) outer.negate();
    total += outer;
  }
  if (w.innerCount() > 0) {
    Sums inner = ContourSums(w.inner, w.innerCount(), origin);
    if (HoleByRole(model.kind) && inner.a > 0) inner.negate();
    total += inner;
  }
  if (NoMaterial(total)) {
    ReportZeroArea(total, sink);
    w.props.clear();
    return false;
  }
  PropertiesRecord integrated = record;
  FinishIntegrals(total, origin, integrated);
  if (!WynikiSkonczone(integrated, sink)) {
    w.props.clear();
    return false;
  }
  record = integrated;
  w.props = record;
  return true;
}

bool ObliczZarys(SectionModel& model, MessageSink& sink) {
  PropertiesRecord& r = model.section;
  r.clear();
  r.setName("Linia łamana");
  const auto& pts = model.imported;
  // figure numbers ascending, each group in array order; numbers below 1 belong to none
  std::vector<size_t> order(pts.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return pts[a].figure < pts[b].figure; });
  const Point origin = pts.empty() ? Point{} : Point{pts[0].x, pts[0].y};
  Sums total;
  for (size_t begin = 0, end; begin < order.size(); begin = end) {
    const int figure = pts[order[begin]].figure;
    for (end = begin + 1; end < order.size() && pts[order[end]].figure == figure;) ++end;
    if (figure < 1) continue;
    const int n = static_cast<int>(end - begin);
    auto at = [&](int i) { return Point{pts[order[begin + i]].x, pts[order[begin + i]].y}; };
    Sums group = PolygonSums(n, origin, at);
    const bool outer = pts[order[end - 1]].outer;
    if (outer ? group.a < 0 : group.a > 0) group.negate();  // outer areas add, holes subtract
    total += group;
    double perimeter = 0;
    for (int i = 0; i < n; ++i) {
      Point a = at(i), b = at(i + 1 < n ? i + 1 : 0);
      perimeter += std::hypot(b.x - a.x, b.y - a.y);
    }
    r[outer ? slot::Oz : slot::Ow] += perimeter;
  }
  if (NoMaterial(total)) {
    ReportZeroArea(total, sink);
    model.working().props.clear();
    return false;
  }
  FinishIntegrals(total, origin, r);
  if (!WynikiSkonczone(r, sink)) {
    r.clear();
    model.working().props.clear();
    return false;
  }
  r[slot::Jt] = 1.0;
  model.working().props = r;
  return true;
}

namespace {

// the outer contours and holes of figures first..last, or the imported outline while it is in
// use, in the principal axes of r, each closed
std::vector<PlasticContour> PrincipalContours(const SectionModel& model, int first, int last,
                                              const PropertiesRecord& r) {
  const double c = std::cos(r[slot::al]), s = std::sin(r[slot::al]);
  const double x0 = r[slot::xS], y0 = r[slot::yS];
  auto principal = [&](double x, double y) {
    return Point{(x - x0) * c + (y - y0) * s, -(x - x0) * s + (y - y0) * c};
  };
  std::vector<PlasticContour> contours;
  if (!model.imported.empty()) {
    PlasticContour all;
    for (const ImportedPoint& p : model.imported) all.points.push_back(principal(p.x, p.y));
    contours.push_back(std::move(all));
    return contours;
  }
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(model.figures.size()) - 1);
  auto add = [&](const std::array<Point, FigureRecord::kCapacity>& p, int n, bool outer) {
    PlasticContour contour;
    contour.outer = outer;
    for (int i = 0; i < n; ++i) contour.points.push_back(principal(p[i].x, p[i].y));
    contour.points.push_back(principal(p[0].x, p[0].y));
    contours.push_back(std::move(contour));
  };
  for (int f = first; f <= last; ++f) {
    const FigureRecord& fig = model.figures[f];
    if (fig.outerCount() > 0) add(fig.outer, fig.outerCount() - 1, true);
    if (fig.innerCount() > 0) add(fig.inner, fig.innerCount(), false);
  }
  return contours;
}

// the elastic moduli: J1 and J2 over the extreme fibres of the contours
void ElasticModuli(const std::vector<PlasticContour>& contours, PropertiesRecord& r) {
  double uMax = -1e20, uMin = 1e20, vMax = -1e20, vMin = 1e20;
  for (const PlasticContour& contour : contours)
    for (const Point& p : contour.points) {
      if (p.x > uMax) uMax = p.x;
      if (p.x < uMin) uMin = p.x;
      if (p.y > vMax) vMax = p.y;
      if (p.y < vMin) vMin = p.y;
    }
  if (uMax < uMin) return;  // no point at all
  // a fibre lying on an axis would make the modulus infinite: count it 1 mm away
  if (uMax == 0) uMax = 1;
  if (uMin == 0) uMin = -1;
  if (vMax == 0) vMax = 1;
  if (vMin == 0) vMin = -1;
  r[slot::Wcx] = r[slot::J1] / (std::fabs(vMax) / 10);
  r[slot::Wtx] = r[slot::J1] / (std::fabs(vMin) / 10);
  r[slot::Wcy] = r[slot::J2] / (std::fabs(uMax) / 10);
  r[slot::Wty] = r[slot::J2] / (std::fabs(uMin) / 10);
}

}  // namespace

void ObliczWskaznikiSprezyste(const SectionModel& model, int first, int last,
                              PropertiesRecord& r) {
  if (r.name().empty()) return;
  ElasticModuli(PrincipalContours(model, first, last, r), r);
}

PlasticOutcome ObliczWskazniki(const SectionModel& model, int first, int last,
                               PropertiesRecord& r) {
  if (r.name().empty()) return {};
  const std::vector<PlasticContour> contours = PrincipalContours(model, first, last, r);
  if (contours.empty()) return {};
  ElasticModuli(contours, r);
  if (!model.imported.empty()) return {};
  return SzukajOsiPlastycznych(contours, r);
}

}  // namespace tarvik
