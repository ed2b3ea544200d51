// Closed contours in the line work of a drawing: chains of segments whose ends meet within
// 1e-6 of the drawing's size (its bounding-box diagonal) become polygons; a contour inside an
// odd number of others is a hole. Chains that do not close are listed, not guessed at.
#pragma once

#include <string>
#include <vector>

#include "engine/model.h"
#include "engine/underlay.h"

namespace tarvik {

struct Kontur {
  std::vector<Point> points;  // distinct vertices in chain order, the closing edge implied [mm]
  bool hole = false;          // inside an odd number of other contours
};

// a chain that does not close: its two ends, or the point where it branches [mm]
struct OtwartyLancuch {
  Point from, to;
  int segments = 0;
};

struct Kontury {
  std::vector<Kontur> contours;
  std::vector<OtwartyLancuch> open;
  std::string error;  // not empty: the drawing could not be searched (the reason)
};

// more contours than this are refused rather than nested pair by pair
inline constexpr size_t kMaxKontury = 10000;

// duplicate and zero-length segments are ignored; a component whose every end joins exactly
// two segments is a contour, any other component is listed chain by chain as open
Kontury ZnajdzKontury(const std::vector<OdcinekPodkladu>& odcinki);

// "(x; y) – (x; y)" of a chain, in mm, for messages
std::string OpisLancucha(const OtwartyLancuch& chain);

}  // namespace tarvik
