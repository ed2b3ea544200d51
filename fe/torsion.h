// Saint-Venant torsion and flexure of a cross-section by finite elements over its mesh:
// the warping function and the two shear functions from one sparse factorisation.
// Plain C++, no Qt; lengths in mm.
#pragma once

#include <string>

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

// What Rozwiaz computes, all weighted by the elements' figures' weights (transformed-section
// values, every integral over an element multiplied by its weight):
// - A, xS, yS by quadrature over the quadratic (possibly curved) elements;
// - the warping function ω (∇²ω = 0, ∂ω/∂n = y·nx − x·ny about the centroid) and
//   J = Ixx + Iyy − ωᵀKω with the moments about the centroid;
// - the shear centre xT, yT by Trefftz: the pole about which ω is orthogonal to x and y;
// - Iw = ∫ω² dA with ω about the shear centre and of zero mean;
// - the shear functions Ψ and Φ of the flexure problem (Poisson's ratio nu) and the shear
//   areas Avx = Δ²/κx, Avy = Δ²/κy along the input x and y axes (not the principal ones),
//   Δ = 2(1 + nu)(Ixx·Iyy − Ixy²), κ = ∫|∇Ψ − d|² dA: the areas whose uniform shear stress
//   stores the same energy as the true distribution (5/6 A for a rectangle with nu = 0).
// Parts that do not touch twist and shear each on their own: J, Avx and Avy are the sums over
// the parts, and Iw, xT, yT are NaN (they mean nothing for the parts together).

// "" when the mesh can be solved, else why not: no elements, a node or a figure index out of
// range, a weight not positive, an element folded or clockwise, nu outside (-1, 0,5]
std::string BladSiatki(const Mesh& mesh, double nu);

// solves the mesh; nu: Poisson's ratio (0,3 for steel) for the shear functions. Throws
// std::invalid_argument with BladSiatki's reason when the mesh cannot be solved.
WynikMES Rozwiaz(const Mesh& mesh, double nu = 0.3);

}  // namespace tarvik::fe
