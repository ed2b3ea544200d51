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
// The first mesh takes elements of at most 0,03·√(tolerance / 0,001) of the section's area,
// ten times smaller at corners and along arcs; each next one a quarter of that area. Arcs the
// generators drew by dense chords are meshed as arcs. With parts apart only J has to
// settle. Iw is compared against itself or, for a section that hardly warps (a circle's is
// zero), against a thousandth of Ip·ρ². Values that have not settled by the fifth mesh, or
// before the next mesh would pass 400 000 elements, are not given: the error says by how
// much they still moved, so a number is never shown less accurate than asked.
WynikPrzekroju ObliczMES(const SectionModel& model, double tolerance = 5e-4);

}  // namespace tarvik::fe
