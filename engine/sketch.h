// The sketch mapping: model millimetres (y up) to pixels of a sketch box (y down), shared by
// the main sketch, the results sketch, the saved picture and the printed page.
#pragma once

#include <vector>

#include "engine/model.h"

namespace tarvik {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct SketchMapping {
  double xmin = 0;  // model point at the lower left of the fitted drawing [mm]
  double ymin = 0;
  double scale = 1;   // pixels per mm at the last fit
  double zoom = 1.0;  // 1.0 fits the box; any other value freezes xmin, ymin and scale
  int offX = 0;       // centring offsets [pixels]
  int offY = 0;
  int panX = 0;  // pan offsets, changed only by the zoom rectangle [pixels]
  int panY = 0;
  // [0] the centroid, then every drawn figure's outer points (reference point included)
  // followed by its inner points
  std::vector<ScreenPoint> points;
};

// the figures a sketch draws: 1..N for kinds 3, 5, 6, 7 and 8, figure 0 otherwise, and
// figures 0 and 1 for a two-part cold-formed section
std::vector<int> DrawnFigures(const SectionModel& model);

// fits the drawn figures (or the imported outline, whose points get their pixels back) into
// a W x H box: 80 % of the tighter direction, centred; E moves everything down [pixels];
// (xc, yc) is the centroid in mm
void SkalujSzkic(SectionModel& model, SketchMapping& mapping, int W, int H, int E, double xc,
                 double yc);

}  // namespace tarvik
