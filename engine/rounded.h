// Outlines with true circular fillets: a polygon of sharp corners, each corner rounded by its
// own radius (0 = sharp). Rolled profiles are described this way; their properties are
// integrated exactly along the arcs, and dense polygons follow the arcs where a polygon is
// needed (the plastic search).
#pragma once

#include <vector>

#include "engine/model.h"

namespace tarvik {

struct RoundedCorner {
  Point p;              // the sharp corner where the two straight edges meet [mm]
  double radius = 0.0;  // fillet radius; the arc is tangent to both edges [mm]
};

// a closed outline, counter-clockwise for material, clockwise for a hole
using RoundedOutline = std::vector<RoundedCorner>;

// area integrals about the origin [mm]: A = ∫dA, Sx = ∫y dA, Sy = ∫x dA, Ixx = ∫y² dA,
// Iyy = ∫x² dA, Ixy = ∫xy dA (signed: a clockwise outline gives negative values)
struct AreaIntegrals {
  double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0, ixy = 0;
  AreaIntegrals& operator+=(const AreaIntegrals& o);
};

// the central properties the section record holds
struct CentralProperties {
  double area = 0;         // [mm^2]
  double xc = 0, yc = 0;   // centroid [mm]
  double ixx = 0, iyy = 0, ixy = 0;  // about axes through the centroid parallel to x, y [mm^4]
  double j1 = 0, j2 = 0;   // principal moments, j1 the larger [mm^4]
  double angle = 0;        // from the x axis to the axis of j1 [rad], in (-pi/2, pi/2]
};

// the two tangent points of corner i's fillet (equal to the corner when it is sharp)
struct Fillet {
  Point start, end, centre;
  double radius = 0, sweep = 0;  // signed sweep from start to end [rad]
};
Fillet FilletAt(const RoundedOutline& outline, size_t i);
// the fillets of every corner, in the outline's order
std::vector<Fillet> Fillets(const RoundedOutline& outline);

// exact integrals of the rounded outline (closed forms along its edges and arcs);
// the second form takes the outline's fillets (Fillets) when they are already at hand
AreaIntegrals Integrate(const RoundedOutline& outline);
AreaIntegrals Integrate(const std::vector<Fillet>& fillets);
CentralProperties Central(const AreaIntegrals& s);

// the outline as a polygon, each arc replaced by `chords` chords (its end points on the arc);
// the first point is not repeated at the end
std::vector<Point> Densify(const RoundedOutline& outline, int chords);
std::vector<Point> Densify(const std::vector<Fillet>& fillets, int chords);

// the length of the outline, arcs measured along the arc [mm]
double Perimeter(const RoundedOutline& outline);
double Perimeter(const std::vector<Fillet>& fillets);

}  // namespace tarvik
