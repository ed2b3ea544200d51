// The plastic neutral axes: the line that halves the area, found between the vertices'
// coordinates and solved exactly there, then the plastic moduli as the first moments of both
// halves about it.
#pragma once

#include <utility>
#include <vector>

#include "engine/messages.h"
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

// which plastic axes were not found; their two slots keep what the record held
struct PlasticOutcome {
  bool wplyMissing = false;  // axis 1: the line u = -xpl, bending about v
  bool wplxMissing = false;  // axis 2: the line v = -ypl, bending about u
  bool ok() const { return !wplyMissing && !wplxMissing; }
};

// Wply and xpl (axis 1), then Wplx and ypl (axis 2). An axis is not found when the contours
// hold no material or a coordinate that is not finite: the caller must say so.
[[nodiscard]] PlasticOutcome SzukajOsiPlastycznych(const std::vector<PlasticContour>& contours,
                                                   PropertiesRecord& record);

// "Nie wyznaczono osi plastycznej" naming the axes not found; nothing when both were
void ReportPlasticAxes(const PlasticOutcome& outcome, MessageSink& sink);

}  // namespace tarvik
