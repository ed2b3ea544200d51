// Saint-Venant torsion and flexure of a cross-section by finite elements over its mesh:
// the warping function and the two shear functions from one sparse factorisation.
// Plain C++, no Qt; lengths in mm.
#pragma once

#include "fe/mesh.h"

namespace tarvik::fe {

struct WynikMES {
  double A = 0;       // weighted area [mm^2]
  double xS = 0;      // weighted centroid [mm]
  double yS = 0;
  double J = 0;       // torsion constant [mm^4]
  double Iw = 0;      // warping constant about the shear centre [mm^6]
  double xT = 0;      // shear centre (Trefftz) [mm]
  double yT = 0;
  double Avx = 0;     // shear area for a shear force along x [mm^2]
  double Avy = 0;     // along y
  int parts = 0;      // separate parts: with more than one, Iw, xT, yT mean nothing
  int elements = 0;
};

// solves the mesh; nu: Poisson's ratio (0,3 for steel) for the shear functions
WynikMES Rozwiaz(const Mesh& mesh, double nu = 0.3);

}  // namespace tarvik::fe
