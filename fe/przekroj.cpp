// A whole section for the finite elements: its figures read the way the property engine
// integrates them, then meshes refined until the torsion and warping values settle.
#include "fe/przekroj.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <numeric>

#include "engine/properties.h"
#include "engine/section_kind.h"

namespace tarvik::fe {
namespace {

using Ring = std::vector<Node>;

Ring ToRing(const std::vector<Point>& p) {
  Ring r;
  for (const Point& q : p) r.push_back({q.x, q.y});
  return r;
}

// The first mesh is about as fine as the tolerance asks for, so that the second one usually
// confirms it: elements of at most 0,03 of the section's area give an I section's J to about
// 0,1 %, and J's error falls with the square of the element area; ten times smaller at the
// corners and along the arcs. Every further mesh has a quarter of the element area.
constexpr double kStartFraction = 0.03;  // at a tolerance of 0,1 %
constexpr double kCornerGrading = 10;
constexpr int kMaxMeshes = 5;  // the fifth has 1/256 of the first's element area
constexpr double kMaxElements = 400000;

// the same point twice in a row, and the first point again at the end, are no vertices
Ring Cleaned(Ring r) {
  Ring out;
  for (const Node& p : r)
    if (out.empty() || p.x != out.back().x || p.y != out.back().y) out.push_back(p);
  while (out.size() > 1 && out.front().x == out.back().x && out.front().y == out.back().y)
    out.pop_back();
  return out;
}

Ring FromPoints(const std::array<Point, FigureRecord::kCapacity>& p, int n) {
  Ring r;
  for (int i = 0; i < n; ++i) r.push_back({p[i].x, p[i].y});
  return Cleaned(std::move(r));
}

// twice the signed area: counter-clockwise positive
double DoubleArea(const Ring& r) {
  double s = 0;
  for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
    s += r[j].x * r[i].y - r[i].x * r[j].y;
  return s;
}

bool Inside(const Ring& r, const Node& p) {
  bool in = false;
  for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++)
    if ((r[i].y > p.y) != (r[j].y > p.y) &&
        p.x < (r[j].x - r[i].x) * (p.y - r[i].y) / (r[j].y - r[i].y) + r[i].x)
      in = !in;
  return in;
}

// a true outline that still belongs to the drawn one: the same extent to 1 % of its size (a
// circle's drawn 35-gon falls 0,4 % of the radius short of it; a figure moved or turned by
// hand, not through its transform, would have left it behind)
bool Matches(const std::vector<Point>& exact, const Ring& drawn) {
  if (exact.size() < 3 || drawn.size() < 3) return false;
  auto box = [](auto first, auto last) {
    std::array<double, 4> b{first->x, first->x, first->y, first->y};
    for (auto p = first; p != last; ++p)
      b = {std::min(b[0], p->x), std::max(b[1], p->x), std::min(b[2], p->y), std::max(b[3], p->y)};
    return b;
  };
  const auto e = box(exact.begin(), exact.end()), d = box(drawn.begin(), drawn.end());
  const double size = std::hypot(d[1] - d[0], d[3] - d[2]);
  for (int i = 0; i < 4; ++i)
    if (!(std::fabs(e[i] - d[i]) <= 1e-2 * size)) return false;
  return true;
}

double Weight(const PropertiesRecord& p) { return p[slot::E] == 0 ? 1 : p[slot::E]; }

// one figure record: its outline and either its hole or, where the direction decides and the
// second contour runs counter-clockwise (a cold-formed "Podwójny" Z), a second figure; a
// record of a hole alone (an arbitrary figure's standard hole) goes to loose
void AddRecord(const FigureRecord& fig, int kind, double weight, std::vector<Figure>& out,
               std::vector<Ring>* loose = nullptr) {
  // the last outer point is the reference point inside the material, except on a two-part
  // cold-formed outline that closes through it (the sketch draws it as a vertex); the
  // engine's polygon sums never see such an outline, its generator integrates the true one
  const int last = ClosesThroughLastPoint(fig) ? 0 : 1;
  Ring outer = FromPoints(fig.outer, fig.outerCount() - last);
  Ring inner = FromPoints(fig.inner, fig.innerCount());
  // the true outline where the generator left it (a rolled profile's fillets, a cold-formed
  // profile's bends): three points to a fillet hold more material than the fillet does,
  // which a torsion constant feels (an IPE 200: 7,46 cm^4 on the drawn outline, 6,86 on the
  // true one)
  const bool exact = Matches(fig.exactOuter, outer);
  if (exact) {
    outer = Cleaned(ToRing(fig.exactOuter));
    if (Matches(fig.exactInner, inner)) inner = Cleaned(ToRing(fig.exactInner));
  }
  Figure own{std::move(outer), {}, weight, exact};
  if (inner.size() >= 3 && !HoleByRole(kind) && DoubleArea(inner) > 0) {
    // a second outline in the hole's place: the first one turned, its reference point
    // (or closing vertex) last like the first one's
    Ring second = FromPoints(fig.inner, fig.innerCount() - last);
    if (own.outer.size() >= 3) out.push_back(std::move(own));  // it owns any overlap
    if (second.size() >= 3) out.push_back({std::move(second), {}, weight});
    return;
  }
  if (own.outer.size() < 3) {
    if (loose && inner.size() >= 3) loose->push_back(std::move(inner));
    return;
  }
  if (inner.size() >= 3) own.holes.push_back(std::move(inner));
  out.push_back(std::move(own));
}

// each hole to the first figure whose outline holds its first point: the engine takes the
// hole's area away from the section as a whole, and only a figure around it can lose it. A
// hole in no figure goes to the first, where the mesher names the fault.
void PlaceHoles(std::vector<Ring>& holes, std::vector<Figure>& figures) {
  for (Ring& h : holes) {
    auto owner = std::find_if(figures.begin(), figures.end(),
                              [&](const Figure& f) { return Inside(f.outer, h[0]); });
    if (owner == figures.end()) owner = figures.begin();
    if (owner != figures.end()) owner->holes.push_back(std::move(h));
  }
}

// the imported outline: each figure number one closed polygon, an outer one or a hole; each
// hole goes to the first outline that holds its first point
std::vector<Figure> ImportedFigures(const std::vector<ImportedPoint>& pts) {
  std::vector<size_t> order(pts.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return pts[a].figure < pts[b].figure; });
  std::vector<Figure> figures;
  std::vector<Ring> holes;
  for (size_t begin = 0, end; begin < order.size(); begin = end) {
    const int figure = pts[order[begin]].figure;
    for (end = begin + 1; end < order.size() && pts[order[end]].figure == figure;) ++end;
    if (figure < 1) continue;  // numbers below 1 belong to no figure
    Ring r;
    for (size_t k = begin; k < end; ++k) r.push_back({pts[order[k]].x, pts[order[k]].y});
    r = Cleaned(std::move(r));
    if (r.size() < 3) continue;
    if (pts[order[end - 1]].outer)
      figures.push_back({std::move(r), {}, 1});
    else
      holes.push_back(std::move(r));
  }
  PlaceHoles(holes, figures);
  return figures;
}

double Relative(double now, double before, double scale) {
  return std::fabs(now - before) / scale;
}

// how far the values moved from one mesh to the next, as fractions of their scales: J
// against itself, Iw against itself or, when a compact section warps hardly at all, against a
// thousandth of Ip·ρ², the centre against the radius of gyration ρ
double Change(const WynikMES& now, const WynikMES& before, double ip, double area) {
  double change = Relative(now.J, before.J, std::fabs(now.J));
  if (now.parts > 1) return change;
  const double rho2 = ip / area;
  change = std::max(change, Relative(now.Iw, before.Iw, std::max(std::fabs(now.Iw), 1e-3 * ip * rho2)));
  const double moved = std::hypot(now.xT - before.xT, now.yT - before.yT);
  return std::max(change, moved / std::sqrt(rho2));
}

// the polar moment of the figures about their weighted centroid [mm^4], from their outlines
double PolarMoment(const std::vector<Figure>& figures, double& area) {
  double a = 0, sx = 0, sy = 0, jx = 0, jy = 0;
  auto add = [&](const Ring& r, double w) {
    for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
      const double c = (r[j].x * r[i].y - r[i].x * r[j].y) * w;
      a += c / 2;
      sx += (r[j].x + r[i].x) * c / 6;
      sy += (r[j].y + r[i].y) * c / 6;
      jy += (r[j].x * r[j].x + r[j].x * r[i].x + r[i].x * r[i].x) * c / 12;
      jx += (r[j].y * r[j].y + r[j].y * r[i].y + r[i].y * r[i].y) * c / 12;
    }
  };
  for (const Figure& f : figures) {
    const double s = DoubleArea(f.outer) > 0 ? 1 : -1;
    add(f.outer, s * f.weight);
    for (const Ring& h : f.holes) add(h, (DoubleArea(h) > 0 ? -1 : 1) * f.weight);
  }
  area = a;
  if (!(a > 0)) return 0;
  return jx + jy - (sx * sx + sy * sy) / a;
}

std::string Percent(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2g", 100 * v);
  std::string s = buf;
  std::replace(s.begin(), s.end(), '.', ',');
  return s + " %";
}

}  // namespace

std::vector<Figure> FiguryPrzekroju(const SectionModel& model) {
  if (PointListForm(model)) return ImportedFigures(model.imported);
  std::vector<Figure> figures;
  if (MultiFigureKind(model.kind)) {
    // the transformed section: the weights count where the engine sums the figures weighted
    // (more than one figure, one of them not of the base material, the principal axes along
    // x and y); read from the figures, as a section read from a file keeps no such flag
    const int last = std::min(model.lastFigure(), static_cast<int>(model.figures.size()) - 1);
    bool weighted = false;
    for (int f = 1; f <= last; ++f) {
      const double e = model.figures[f].props[slot::E];
      weighted |= e > 0 && e != 1;
    }
    weighted &= last > 1 && std::fabs(model.section[slot::al]) <= 0.0001;
    std::vector<Ring> holes;
    for (int f = 1; f <= last; ++f) {
      const FigureRecord& fig = model.figures[f];
      AddRecord(fig, model.kind, weighted ? Weight(fig.props) : 1, figures, &holes);
    }
    PlaceHoles(holes, figures);
    return figures;
  }
  AddRecord(model.working(), model.kind, 1, figures);
  if (TwoPartChannel(model) && model.figures.size() >= 2)
    AddRecord(model.figures[1], model.kind, 1, figures);
  return figures;
}

WynikPrzekroju ObliczMES(const SectionModel& model, double tolerance) {
  WynikPrzekroju out;
  if (!(tolerance > 0)) {
    out.error = "Niepoprawna dokładność obliczeń MES";
    return out;
  }
  const std::vector<Figure> figures = FiguryPrzekroju(model);
  if (figures.empty()) {
    out.error = "Przekrój nie ma figur do podziału na elementy";
    return out;
  }
  // the engine sums the figures one by one, a part two of them share twice; the mesh has it
  // once, and would describe another section than the formulas
  const std::string overlap =
      "Figury przekroju zachodzą na siebie (wzory liczą część wspólną dwa razy, MES raz)";
  if (ZachodzaNaSiebie(figures)) {
    out.error = overlap;
    return out;
  }
  // the scale of the warping constant and of the centre's moves; the mesher says first what
  // is wrong with an outline that has none (one crossing itself)
  double area = 0;
  const double ip = PolarMoment(figures, area);

  MeshOptions options;
  options.maxAreaFraction = std::clamp(kStartFraction * std::sqrt(tolerance / 1e-3), 1e-4, 0.05);
  options.cornerGrading = kCornerGrading;
  WynikMES previous;
  double change = std::numeric_limits<double>::infinity();
  // each mesh refines the one before
  Siatkowanie mesher;
  for (int step = 0; step < kMaxMeshes; ++step) {
    Mesh mesh;
    std::string why;
    bool meshed = false;
    try {
      meshed = step == 0 ? mesher.Pierwsza(figures, options, mesh, why)
                         : mesher.Dalej(options.maxAreaFraction, mesh, why);
    } catch (const std::exception& e) {
      why = e.what();
    }
    if (!meshed) {
      out.error = "Nie można podzielić przekroju na elementy (" + why + ")";
      return out;
    }
    if (!(area > 0) || !(ip > 0)) {
      out.error = "Nie można podzielić przekroju na elementy (zerowe pole przekroju)";
      return out;
    }
    WynikMES now;
    try {
      now = Rozwiaz(mesh);
    } catch (const std::exception& e) {
      out.error = "Nie można rozwiązać przekroju metodą elementów skończonych (" +
                  std::string(e.what()) + ")";
      return out;
    }
    // a figure wholly inside another crosses none of its edges
    if (std::fabs(now.A - mesh.figuresArea) > 1e-6 * mesh.figuresArea + mesh.areaTolerance) {
      out.error = overlap;
      return out;
    }
    out.meshes = step + 1;
    if (step > 0) change = Change(now, previous, ip, area);
    previous = now;
    if (change < tolerance) {
      out.ok = true;
      out.values = now;
      return out;
    }
    // the next mesh has four times as many elements: past the cap the values did not
    // settle in time
    if (4.0 * now.elements > kMaxElements) break;
    options.maxAreaFraction /= 4;
  }
  out.error = "Wyniki MES nie ustaliły się (zmiana " + Percent(change) + " przy " +
              std::to_string(previous.elements) + " elementach)";
  return out;
}

}  // namespace tarvik::fe
