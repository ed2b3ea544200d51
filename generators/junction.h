// The junction of a rolled profile's web and flange: the largest circle inscribed where the
// root radius joins them, and the torsion it adds to the plates' own.
#pragma once

#include "generators/database.h"

namespace tarvik {

// T: the web meets the flange in its middle (I, tee, half I); L: at its end (channel, angle, Z)
enum class Junction { kT, kL };

// the diameter D [mm] of the largest circle in the junction, found in 0.1 mm steps; 0 for a
// record whose thicknesses or radius cannot describe one
double SrednicaWezla(const CatalogueRecord& record, Junction junction);

// the junction's share of the torsion constant, D^4·(tw/tf)·(c1·r/tf + c2) [cm^4]; the
// I-sections, half I, sloped channels, tees and Z take (c1, c2) = (0.1, 0.145), the parallel
// channels and the angles (0.07, 0.076)
double JunctionTorsion(const CatalogueRecord& record, Junction junction, double c1, double c2);

}  // namespace tarvik
