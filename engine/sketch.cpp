#include "engine/sketch.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace tarvik {
namespace {

// to the nearest pixel, halves to even, kept inside the int range
int Round(double v) {
  if (!(v > INT_MIN)) return INT_MIN;
  if (!(v < INT_MAX)) return INT_MAX;
  return static_cast<int>(std::nearbyint(v));
}

std::vector<Point> ModelPoints(const SectionModel& model) {
  std::vector<Point> points;
  if (!model.imported.empty()) {
    for (const ImportedPoint& p : model.imported) points.push_back({p.x, p.y});
    return points;
  }
  for (int f : DrawnFigures(model)) {
    const FigureRecord& fig = model.figures[f];
    points.insert(points.end(), fig.outer.begin(), fig.outer.begin() + fig.outerCount());
    points.insert(points.end(), fig.inner.begin(), fig.inner.begin() + fig.innerCount());
  }
  return points;
}

double Fit(double box, double lo, double hi) { return hi - lo > 0 ? 0.8 * box / (hi - lo) : 1e10; }

}  // namespace

std::vector<int> DrawnFigures(const SectionModel& model) {
  std::vector<int> drawn;
  const int k = model.kind;
  if (k == kZestawy || k == kZlozone || k == kDowolne || k == kUzebrowanie || k == kDrewniane) {
    for (int f = 1; f <= model.lastFigure(); ++f) drawn.push_back(f);
    return drawn;
  }
  drawn.push_back(0);
  // a cold-formed section made of two parts keeps its second part in figure 1
  const auto& sel = model.working().selection;
  if (sel[0] == kGiete && (sel[2] == 2 || sel[2] == 10) && sel[3] == 1 && model.figures.size() == 2)
    drawn.push_back(1);
  return drawn;
}

void SkalujSzkic(SectionModel& model, SketchMapping& map, int W, int H, int E, double xc,
                 double yc) {
  const std::vector<Point> points = ModelPoints(model);
  map.points.clear();
  if (points.empty()) {
    map.points.push_back({W / 2, H / 2});
    return;
  }
  if (map.zoom == 1.0) {
    double xmax = -1e10, ymax = -1e10;
    map.xmin = 1e10;
    map.ymin = 1e10;
    for (const Point& p : points) {
      map.xmin = std::min(map.xmin, p.x), xmax = std::max(xmax, p.x);
      map.ymin = std::min(map.ymin, p.y), ymax = std::max(ymax, p.y);
    }
    map.scale = std::min(Fit(W, map.xmin, xmax), Fit(H, map.ymin, ymax));
  }
  const double s = map.scale * map.zoom;
  auto pixels = [&](Point p) {
    return ScreenPoint{Round((p.x - map.xmin) * s), Round((p.y - map.ymin) * s)};
  };
  int maxX = INT_MIN, maxY = INT_MIN;
  for (const Point& p : points) {
    ScreenPoint q = pixels(p);
    maxX = std::max(maxX, q.x), maxY = std::max(maxY, q.y);
  }
  map.offX = (W - maxX) / 2;
  map.offY = (H - maxY) / 2;
  auto screen = [&](Point p) {
    ScreenPoint q = pixels(p);
    return ScreenPoint{q.x + map.offX + map.panX, H - q.y - map.offY + map.panY + E};
  };
  map.points.push_back(screen({xc, yc}));
  for (const Point& p : points) map.points.push_back(screen(p));
  for (size_t i = 0; i < model.imported.size(); ++i) {
    model.imported[i].px = map.points[i + 1].x;
    model.imported[i].py = map.points[i + 1].y;
  }
}

bool PowiekszProstokat(SketchMapping& map, int W, int H, int left, int top, int right,
                       int bottom) {
  if (right - left < 1 || bottom - top < 1) return false;
  const double zoom = map.zoom * std::min(static_cast<double>(W) / (right - left),
                                          static_cast<double>(H) / (bottom - top));
  map.panX = Round((W / 2.0 - (right + left) / 2.0 + map.panX) * zoom / map.zoom);
  map.panY = Round((H / 2.0 - (bottom + top) / 2.0 + map.panY) * zoom / map.zoom);
  map.zoom = zoom;
  return true;
}

ScreenPoint KoniecOsi(ScreenPoint c, double dx, double dy, int first, int margin, int W, int H) {
  // a box too small for any axis: the centre itself
  if (W <= 2 * margin || H <= 2 * margin) return c;
  ScreenPoint p = c;
  // a unit direction leaves any box within its diagonal's length (and the cap guards a
  // direction that is not one)
  for (int L = first, last = first + 2 * (W + H); L <= last; ++L) {
    p = {c.x + Round(dx * L), c.y + Round(dy * L)};
    if (p.x >= W - margin || p.x < margin || p.y > H - margin || p.y < margin) break;
  }
  return p;
}

ScreenPoint NaEkran(const SketchMapping& map, int H, double x, double y, int E) {
  const double s = map.scale * map.zoom;
  return {Round((x - map.xmin) * s) + map.offX + map.panX,
          H - Round((y - map.ymin) * s) - map.offY + map.panY + E};
}

bool PolozenieWymiaru(const DimensionLine& line, const std::vector<ScreenPoint>& points,
                      WymiarNaEkranie& out) {
  for (int i : {line.from, std::abs(line.from2), line.to, std::abs(line.to2)})
    if (i < 0 || i >= static_cast<int>(points.size())) return false;
  const bool horizontal = line.direction == 1;
  const int sign = (line.offset > 0) - (line.offset < 0);
  auto at = [&](int i) { return points[static_cast<size_t>(i)]; };
  // halves toward zero, as integer division gives them
  auto middle = [](ScreenPoint a, ScreenPoint b) {
    return ScreenPoint{(a.x + b.x) / 2, (a.y + b.y) / 2};
  };
  auto across = [&](ScreenPoint p, int by) {
    return horizontal ? ScreenPoint{p.x, p.y + by} : ScreenPoint{p.x + by, p.y};
  };
  WymiarNaEkranie w;
  w.p1 = line.from2 > 0 ? middle(at(line.from), at(line.from2)) : at(line.from);
  w.d1 = across(w.p1, line.offset);
  if (line.from2 < 0) w.p1 = across(at(-line.from2), -10 * sign);
  w.p2 = line.to2 > 0 ? middle(at(line.to), at(line.to2)) : at(line.to);
  w.d2 = horizontal ? ScreenPoint{w.p2.x, w.d1.y} : ScreenPoint{w.d1.x, w.p2.y};
  if (line.to2 < 0) w.p2 = across(at(-line.to2), -10 * sign);
  w.mid = middle(w.d1, w.d2);
  out = w;
  return true;
}

}  // namespace tarvik
