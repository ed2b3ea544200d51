#include "engine/sketch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "engine/section_kind.h"

namespace tarvik {
namespace {

// Pixels are kept within ±2^28, so that a sum of a few of them (a position, an offset, a
// pan, the box) never leaves an int, whatever the model's extents: huge, tiny, none or no
// numbers at all.
constexpr int kPixelLimit = 1 << 28;

int Clamped(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, -kPixelLimit, kPixelLimit));
}

// to the nearest pixel, halves to even, kept within the pixel range; no number gives 0
int Round(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp<double>(v, -kPixelLimit, kPixelLimit)));
}

// (v - lo) · s, also where v - lo is beyond a double and the product is not
double Scaled(double v, double lo, double s) {
  const double d = v - lo;
  return std::isfinite(d) ? d * s : v * s - lo * s;
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

// pixels per mm that give the extent lo..hi 80 % of the box; a point or a line gets 1e10,
// an extent beyond a double the scale of its halves
double Fit(double box, double lo, double hi) {
  const double extent = hi - lo;
  if (!(extent > 0)) return 1e10;
  const double scale = std::isfinite(extent) ? 0.8 * box / extent : 0.4 * box / (hi / 2 - lo / 2);
  return std::max(scale, std::numeric_limits<double>::min());
}

}  // namespace

std::vector<int> DrawnFigures(const SectionModel& model) {
  std::vector<int> drawn;
  if (MultiFigureKind(model.kind)) {
    for (int f = 1; f <= model.lastFigure(); ++f) drawn.push_back(f);
    return drawn;
  }
  drawn.push_back(0);
  // a cold-formed section made of two parts keeps its second part in figure 1
  if (TwoPartChannel(model) && model.figures.size() == 2) drawn.push_back(1);
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
    // points that are no numbers take no part in the fit (and are drawn at its corner)
    double xmax = -1e10, ymax = -1e10;
    map.xmin = 1e10;
    map.ymin = 1e10;
    for (const Point& p : points) {
      if (std::isfinite(p.x)) map.xmin = std::min(map.xmin, p.x), xmax = std::max(xmax, p.x);
      if (std::isfinite(p.y)) map.ymin = std::min(map.ymin, p.y), ymax = std::max(ymax, p.y);
    }
    map.scale = std::min(Fit(W, map.xmin, xmax), Fit(H, map.ymin, ymax));
  }
  const double s = map.scale * map.zoom;
  auto pixels = [&](Point p) {
    return ScreenPoint{Round(Scaled(p.x, map.xmin, s)), Round(Scaled(p.y, map.ymin, s))};
  };
  int maxX = -kPixelLimit, maxY = -kPixelLimit;
  for (const Point& p : points) {
    ScreenPoint q = pixels(p);
    maxX = std::max(maxX, q.x), maxY = std::max(maxY, q.y);
  }
  map.offX = Clamped((int64_t{W} - maxX) / 2);
  map.offY = Clamped((int64_t{H} - maxY) / 2);
  auto screen = [&](Point p) {
    ScreenPoint q = pixels(p);
    return ScreenPoint{Clamped(int64_t{q.x} + map.offX + map.panX),
                       Clamped(int64_t{H} - q.y - map.offY + map.panY + E)};
  };
  map.points.push_back(screen({xc, yc}));
  for (const Point& p : points) map.points.push_back(screen(p));
  for (size_t i = 0; i < model.imported.size(); ++i) {
    model.imported[i].px = map.points[i + 1].x;
    model.imported[i].py = map.points[i + 1].y;
  }
}

void MapujStale(SectionModel& model, SketchMapping& map, int x0, int y0, double k, double xc,
                double yc) {
  auto screen = [&](Point p) {
    return ScreenPoint{Clamped(int64_t{x0} + Round(p.x * k)),
                       Clamped(int64_t{y0} - Round(p.y * k))};
  };
  map.points.clear();
  map.points.push_back(screen({xc, yc}));
  for (const Point& p : ModelPoints(model)) map.points.push_back(screen(p));
  for (size_t i = 0; i < model.imported.size(); ++i) {
    model.imported[i].px = map.points[i + 1].x;
    model.imported[i].py = map.points[i + 1].y;
  }
}

bool PowiekszProstokat(SketchMapping& map, int W, int H, int left, int top, int right, int bottom) {
  const int64_t width = int64_t{right} - left, height = int64_t{bottom} - top;
  if (width < 1 || height < 1) return false;
  const double zoom = map.zoom * std::min(static_cast<double>(W) / static_cast<double>(width),
                                          static_cast<double>(H) / static_cast<double>(height));
  // a zoom beyond any scale (or none) leaves the drawing as it is
  if (!(zoom > 0) || !std::isfinite(zoom)) return false;
  const double centreX = (static_cast<double>(right) + left) / 2.0;
  const double centreY = (static_cast<double>(bottom) + top) / 2.0;
  map.panX = Round((W / 2.0 - centreX + map.panX) * zoom / map.zoom);
  map.panY = Round((H / 2.0 - centreY + map.panY) * zoom / map.zoom);
  map.zoom = zoom;
  return true;
}

ScreenPoint KoniecOsi(ScreenPoint c, double dx, double dy, int first, int margin, int W, int H) {
  // a box too small for any axis: the centre itself
  if (W <= 2 * margin || H <= 2 * margin) return c;
  ScreenPoint p = c;
  // a unit direction leaves any box within its diagonal's length (and the cap guards a
  // direction that is not one)
  for (int64_t L = first, last = first + 2 * (int64_t{W} + H); L <= last; ++L) {
    const double length = static_cast<double>(L);
    p = {Clamped(int64_t{c.x} + Round(dx * length)), Clamped(int64_t{c.y} + Round(dy * length))};
    if (p.x >= W - margin || p.x < margin || p.y > H - margin || p.y < margin) break;
  }
  return p;
}

ScreenPoint NaEkran(const SketchMapping& map, int H, double x, double y, int E) {
  const double s = map.scale * map.zoom;
  return {Clamped(int64_t{Round(Scaled(x, map.xmin, s))} + map.offX + map.panX),
          Clamped(int64_t{H} - Round(Scaled(y, map.ymin, s)) - map.offY + map.panY + E)};
}

ScreenPoint Normalna(ScreenPoint a, ScreenPoint b, int length) {
  const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y,
               L = std::hypot(dx, dy);
  if (L == 0) return {};
  return {static_cast<int>(std::lround(-dy / L * length)),
          static_cast<int>(std::lround(dx / L * length))};
}

bool PolozenieWymiaru(const DimensionLine& line, const std::vector<ScreenPoint>& points,
                      WymiarNaEkranie& out) {
  for (int i : {line.from, std::abs(line.from2), line.to, std::abs(line.to2)})
    if (i < 0 || i >= static_cast<int>(points.size())) return false;
  const bool horizontal = line.direction == 1;
  const int sign = (line.offset > 0) - (line.offset < 0);
  auto at = [&](int i) { return points[static_cast<size_t>(i)]; };
  // halves toward zero, as integer division gives them
  // the sums in 64 bits: a middle always fits an int, a shifted point is kept to one
  auto middle = [](ScreenPoint a, ScreenPoint b) {
    return ScreenPoint{static_cast<int>((int64_t{a.x} + b.x) / 2),
                       static_cast<int>((int64_t{a.y} + b.y) / 2)};
  };
  auto shifted = [](int v, int by) {
    return static_cast<int>(std::clamp<int64_t>(int64_t{v} + by, INT32_MIN, INT32_MAX));
  };
  auto across = [&](ScreenPoint p, int by) {
    return horizontal ? ScreenPoint{p.x, shifted(p.y, by)} : ScreenPoint{shifted(p.x, by), p.y};
  };
  WymiarNaEkranie w;
  w.p1 = line.from2 > 0 ? middle(at(line.from), at(line.from2)) : at(line.from);
  w.d1 = across(w.p1, line.offset);
  if (line.from2 < 0) w.p1 = across(at(-line.from2), -10 * sign);
  w.p2 = line.to2 > 0 ? middle(at(line.to), at(line.to2)) : at(line.to);
  w.d2 = horizontal ? ScreenPoint{w.p2.x, w.d1.y} : ScreenPoint{w.d1.x, w.p2.y};
  if (line.direction == 2) {
    // aligned: both ends moved by the offset square to the line from p1 to p2
    const ScreenPoint n = Normalna(w.p1, w.p2, line.offset);
    w.d1 = ScreenPoint{shifted(w.p1.x, n.x), shifted(w.p1.y, n.y)};
    w.d2 = ScreenPoint{shifted(w.p2.x, n.x), shifted(w.p2.y, n.y)};
  }
  if (line.to2 < 0) w.p2 = across(at(-line.to2), -10 * sign);
  w.mid = middle(w.d1, w.d2);
  out = w;
  return true;
}

}  // namespace tarvik
