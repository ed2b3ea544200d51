// Thin-walled sections as straight plates along their mid-lines: the shear centre from the
// shear flow of one closed cell with open branches, or of an open section.
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

}  // namespace tarvik
