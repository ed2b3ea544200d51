// The finite-element values of a whole section: its figures as the mesher takes them, and the
// mesh refined until the torsion constant, the warping constant and the shear centre settle.
// Plain C++, no Qt; lengths in mm.
#pragma once

#include <string>
#include <vector>

#include "engine/model.h"
#include "fe/mesh.h"
#include "fe/torsion.h"

namespace tarvik::fe {

// the section's material as figures: the working figure of a single-figure section (with
// the mirrored channel of a doubled lipped channel), figures 1..N of the others, or the
// imported outline; each with its holes and its weight (the composite's modular ratio)
std::vector<Figure> FiguryPrzekroju(const SectionModel& model);

struct WynikPrzekroju {
  bool ok = false;
  std::string error;  // why there are no values (for the user, Polish)
  WynikMES values;    // mm, mm^4, mm^6, mm^2; with parts > 1 Iw, xT, yT are NaN
  int meshes = 0;     // meshes solved until the values settled
};

// Meshes and solves the section, refining until J, Iw and the shear centre change by less
// than tolerance (relative; the centre against the radius of gyration) from one mesh to the
// next. Never throws: a section that cannot be meshed or solved comes back with its reason.
WynikPrzekroju ObliczMES(const SectionModel& model, double tolerance = 5e-4);

}  // namespace tarvik::fe
