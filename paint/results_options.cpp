#include "paint/results_options.h"

#include "engine/section_kind.h"

namespace tarvik::paint {

bool WymiaryCalkowite(int kind) { return OverallDimensionsKind(kind); }

void ZastapWymiaryCalkowitymi(SectionModel& model, const SketchMapping& map) {
  model.dimensions.clear();
  int left = 0, right = 0, low = 0, high = 0;
  Point pl, pr, pb, pt;
  for (const Contour& c : Kontury(model))
    for (int i : c.indices) {
      if (i < 0 || static_cast<size_t>(i) >= map.points.size()) continue;
      const Point q = PunktModelu(model, i);
      if (left == 0 || q.x < pl.x) left = i, pl = q;
      if (right == 0 || q.x > pr.x) right = i, pr = q;
      if (low == 0 || q.y < pb.y) low = i, pb = q;
      if (high == 0 || q.y > pt.y) high = i, pt = q;
    }
  if (left == 0) return;
  const ScreenPoint& L = map.points[left];
  const ScreenPoint& R = map.points[right];
  const ScreenPoint& B = map.points[low];
  DimensionLine width;
  width.direction = 1;
  width.from = left;
  width.to = right;
  width.offset = B.y - L.y + 20;
  width.value = pr.x - pl.x;
  DimensionLine height;
  height.direction = 0;
  height.from = low;
  height.to = high;
  height.offset = R.x - B.x + 20;
  height.value = pt.y - pb.y;
  model.dimensions = {width, height};
}

PaintOptions OpcjeSzkicuWynikow(const ResultsSketchOptions& o, int m) {
  PaintOptions options;
  options.hatched = true;
  options.m = m;
  options.outlineWidth = 2 * m;
  options.boxedAxisLabels = true;
  options.plasticAxes = true;
  options.marks = true;
  options.originAxes = o.screen;
  options.dimensions = true;
  options.osieYZ = o.osieYZ;
  options.userSystem = o.userSystem;
  options.userX0 = o.userX0;
  options.userY0 = o.userY0;
  options.userAngle = o.userAngle;
  options.userInUserColour = o.screen;
  options.shearCentre = o.srodekMES;
  // dimension lines are blue on screen, black on paper
  if (!o.screen) options.colours.dimensions = Qt::black;
  return options;
}

}  // namespace tarvik::paint
