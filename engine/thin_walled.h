// Thin-walled sections as straight plates along their mid-lines: the shear centre from the
// shear flow of one closed cell with open branches, or of an open section; the warping of an
// open chain of plates.
#pragma once

#include <optional>
#include <vector>

#include "engine/model.h"

namespace tarvik {

// a straight plate from a to b along its mid-line, t thick across it [mm]
struct Plate {
  Point a, b;
  double t = 0;
};

// The point the shear force must pass through for the plates not to twist [mm]. Plates meet
// where their ends coincide; they must hang together and close at most one cell. Nothing
// for plates that close two cells, fall apart, lie on one line, or have no length or
// thickness.
std::optional<Point> ThinWalledShearCentre(const std::vector<Plate>& plates);

// The sectorial coordinate of an open chain of plates about its shear centre (the pole):
// ω grows by the doubled area the radius from the pole sweeps along the mid-line, positive
// counter-clockwise, and is normalised so that ∫ω·t ds = 0. Linear along each plate, so
// Jw = ∫ω²·t ds is summed exactly.
struct SectorialCoordinates {
  Point pole;                 // the shear centre [mm]
  std::vector<Point> nodes;   // the chain's free ends and joints in walking order [mm]
  std::vector<double> omega;  // the normalised ω at each node [mm^2]
  double jw = 0;              // the warping constant [mm^6]
};

// The plates must form one unbranched open chain; in any order and direction, it is walked
// from the first free end the list names (the start of the first plate when that is free).
// Nothing for branches, a cell, plates apart or all on one line, or those ThinWalledShearCentre
// refuses.
std::optional<SectorialCoordinates> ThinWalledWarping(const std::vector<Plate>& plates);

}  // namespace tarvik
