// The plastic neutral axes: a stepped search for the line that halves the area.
#pragma once

#include <utility>
#include <vector>

#include "engine/model.h"
#include "engine/properties.h"

namespace tarvik {

// a closed contour in principal coordinates (x = u, y = v), its first point repeated last
struct PlasticContour {
  std::vector<Point> points;
  bool outer = true;
};

enum class Side { kPositive, kNegative };

// the part of segment a-b on one side of the line u = 0 (axis 1) or v = 0 (axis 2); a
// point on the other side is pulled onto the line, at the crossing when the segment crosses
std::pair<Point, Point> PrzytnijOdcinek(Point a, Point b, int axis, Side side);

// Wply and xpl (axis 1), then Wplx and ypl (axis 2); an axis whose search does not settle
// within 1000 steps keeps what the record held
void SzukajOsiPlastycznych(const std::vector<PlasticContour>& contours, PropertiesRecord& record);

}  // namespace tarvik
