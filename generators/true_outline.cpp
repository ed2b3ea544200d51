#include "generators/true_outline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/section_kind.h"
#include "engine/sketch.h"
#include "generators/composite_editor.h"
#include "generators/dispatch.h"

namespace tarvik {
namespace {

bool BuiltByItsGenerator(int kind) {
  return kind == kWalcowane || kind == kSpawane || kind == kGiete || kind == kProste;
}

Point Apply(const std::array<double, 6>& m, const Point& p) {
  return {m[0] * p.x + m[1] * p.y + m[4], m[2] * p.x + m[3] * p.y + m[5]};
}

std::vector<Point> Apply(const std::array<double, 6>& m, const std::vector<Point>& points) {
  std::vector<Point> out;
  out.reserve(points.size());
  for (const Point& p : points) out.push_back(Apply(m, p));
  return out;
}

// the motion taking the drawn contours of `rebuilt` onto those of `fig`, outline and hole
bool SameShape(const FigureRecord& rebuilt, const FigureRecord& fig, std::array<double, 6>& m) {
  const int outer = fig.outerCount(), inner = fig.innerCount();
  if (rebuilt.outerCount() != outer || rebuilt.innerCount() != inner) return false;
  std::vector<Point> from(rebuilt.outer.begin(), rebuilt.outer.begin() + outer);
  std::vector<Point> to(fig.outer.begin(), fig.outer.begin() + outer);
  from.insert(from.end(), rebuilt.inner.begin(), rebuilt.inner.begin() + inner);
  to.insert(to.end(), fig.inner.begin(), fig.inner.begin() + inner);
  return RigidMotion(from, to, m);
}

}  // namespace

bool RigidMotion(std::span<const Point> from, std::span<const Point> to, std::array<double, 6>& m) {
  if (from.size() != to.size() || from.size() < 3) return false;
  // three points far apart fix the motion: the first, the farthest from it, and the one
  // farthest from the line through both
  const Point p0 = from[0];
  size_t i1 = 0, i2 = 0;
  double far = 0, wide = 0;
  for (size_t i = 0; i < from.size(); ++i)
    if (const double d = std::hypot(from[i].x - p0.x, from[i].y - p0.y); d > far) far = d, i1 = i;
  if (!(far > 0) || !std::isfinite(far)) return false;
  const Point p1 = from[i1];
  for (size_t i = 0; i < from.size(); ++i) {
    const double c = std::fabs((p1.x - p0.x) * (from[i].y - p0.y) - (p1.y - p0.y) * (from[i].x - p0.x));
    if (c > wide) wide = c, i2 = i;
  }
  if (!(wide > 1e-6 * far * far)) return false;  // all on one line
  const Point p2 = from[i2];
  const double ax = p1.x - p0.x, ay = p1.y - p0.y, bx = p2.x - p0.x, by = p2.y - p0.y;
  const double cx = to[i1].x - to[0].x, cy = to[i1].y - to[0].y;
  const double dx = to[i2].x - to[0].x, dy = to[i2].y - to[0].y;
  // A·[a b] = [c d]: A = [c d]·[a b]^-1
  const double det = ax * by - bx * ay;
  const double a00 = (cx * by - dx * ay) / det, a01 = (dx * ax - cx * bx) / det;
  const double a10 = (cy * by - dy * ay) / det, a11 = (dy * ax - cy * bx) / det;
  // a turn or a mirror keeps lengths: the columns are unit vectors at right angles
  if (std::fabs(a00 * a00 + a10 * a10 - 1) > 1e-6 || std::fabs(a01 * a01 + a11 * a11 - 1) > 1e-6 ||
      std::fabs(a00 * a01 + a10 * a11) > 1e-6)
    return false;
  m = {a00, a01, a10, a11, to[0].x - (a00 * p0.x + a01 * p0.y), to[0].y - (a10 * p0.x + a11 * p0.y)};
  for (size_t i = 0; i < from.size(); ++i) {
    const Point q = Apply(m, from[i]);
    if (!(std::hypot(q.x - to[i].x, q.y - to[i].y) <= 1e-6 * far)) return false;
  }
  return true;
}

int PrzywrocPrawdziweObrysy(SectionModel& model, const GeneratorSettings& settings) {
  std::vector<FigureRecord*> figures;
  if (MultiFigureKind(model.kind)) {
    for (int f = 1; f <= model.lastFigure() && f < static_cast<int>(model.figures.size()); ++f)
      figures.push_back(&model.figures[static_cast<size_t>(f)]);
  } else {
    figures.push_back(&model.working());
    if (TwoPartChannel(model) && model.figures.size() >= 2) figures.push_back(&model.figures[1]);
  }
  // each choice built once (a set's copies all keep the set's choice)
  struct Built {
    const FigureRecord* from;
    SectionModel scratch;
    bool ok = false;
  };
  std::vector<Built> built;
  int restored = 0;
  for (FigureRecord* fig : figures) {
    if (!fig->exactOuter.empty() || fig->outerCount() < 3) continue;
    Selection choice = ZapisanyWybor(*fig);
    if (!BuiltByItsGenerator(choice.kind) && choice.kind != kZestawy) continue;
    auto same = std::find_if(built.begin(), built.end(), [&](const Built& b) {
      return b.from->selection == fig->selection && b.from->dims == fig->dims;
    });
    if (same == built.end()) {
      // as its own tab builds it: the working figure (and a doubled channel's mirrored
      // half), or the set's copies
      Built b{fig, {}};
      b.scratch.kind = choice.kind;
      RecordingSink sink;
      SketchMapping mapping;
      b.ok = Dispatcher().BudujPrzekroj(b.scratch, choice, settings, sink, mapping, 400, 400);
      built.push_back(std::move(b));
      same = built.end() - 1;
    }
    if (!same->ok) continue;
    const SectionModel& scratch = same->scratch;
    std::vector<const FigureRecord*> candidates{&scratch.working()};
    if (MultiFigureKind(scratch.kind) || TwoPartChannel(scratch))
      for (size_t f = 1; f < scratch.figures.size(); ++f) candidates.push_back(&scratch.figures[f]);
    for (const FigureRecord* c : candidates) {
      std::array<double, 6> m{};
      if (c->exactOuter.empty() || !SameShape(*c, *fig, m)) continue;
      fig->exactOuter = Apply(m, c->exactOuter);
      fig->exactInner = Apply(m, c->exactInner);
      ++restored;
      break;
    }
  }
  return restored;
}

}  // namespace tarvik
