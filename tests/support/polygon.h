// An independent check of outlines: area, centroid and second moments of a polygon summed
// over triangles fanned from its first vertex (not the engine's edge formulas).
#pragma once

#include <vector>

#include "engine/model.h"

namespace tarvik::test {

struct PolygonProps {
  double area = 0;  // mm^2, signed: counter-clockwise positive
  double cx = 0;    // centroid [mm]
  double cy = 0;
  double ixx = 0;  // second moments about the centroid, parallel to x and y [mm^4]
  double iyy = 0;
  double ixy = 0;
};

// moments of a triangle about the origin from its vertices
inline PolygonProps Fan(const std::vector<Point>& p) {
  double a = 0, sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;
  for (size_t i = 1; i + 1 < p.size(); ++i) {
    const Point u = p[0], v = p[i], w = p[i + 1];
    const double t = ((v.x - u.x) * (w.y - u.y) - (w.x - u.x) * (v.y - u.y)) / 2;
    a += t;
    sx += t * (u.x + v.x + w.x) / 3;
    sy += t * (u.y + v.y + w.y) / 3;
    xx += t / 6 * (u.y * u.y + v.y * v.y + w.y * w.y + u.y * v.y + v.y * w.y + w.y * u.y);
    yy += t / 6 * (u.x * u.x + v.x * v.x + w.x * w.x + u.x * v.x + v.x * w.x + w.x * u.x);
    xy += t / 12 *
          (2 * u.x * u.y + 2 * v.x * v.y + 2 * w.x * w.y + u.x * v.y + v.x * u.y + v.x * w.y +
           w.x * v.y + w.x * u.y + u.x * w.y);
  }
  return {a, sx, sy, xx, yy, xy};  // first moments and moments about the origin, not yet central
}

// the figure's outer polygon (reference point left out) less its hole, whatever the hole's
// direction
inline PolygonProps Integrate(const FigureRecord& f) {
  std::vector<Point> outer(f.outer.begin(), f.outer.begin() + (f.outerCount() - 1));
  std::vector<Point> inner(f.inner.begin(), f.inner.begin() + f.innerCount());
  PolygonProps o = Fan(outer), h = Fan(inner);
  const double s = h.area > 0 ? -1 : 1;  // holes subtract
  PolygonProps r;
  r.area = o.area + s * h.area;
  const double sx = o.cx + s * h.cx, sy = o.cy + s * h.cy;
  r.cx = sx / r.area;
  r.cy = sy / r.area;
  r.ixx = o.ixx + s * h.ixx - r.area * r.cy * r.cy;
  r.iyy = o.iyy + s * h.iyy - r.area * r.cx * r.cx;
  r.ixy = o.ixy + s * h.ixy - r.area * r.cx * r.cy;
  return r;
}

}  // namespace tarvik::test
