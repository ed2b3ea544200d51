// Values the results show that the properties record holds only implicitly: the moments
// about axes through the centroid parallel to x and y, about a user's own axes, where the
// plastic axes cross, the radii of gyration, and which elastic modulus of an axis governs.
#pragma once

#include "engine/model.h"
#include "engine/properties.h"

namespace tarvik {

// about the centroid, axes parallel to x and y, from the principal moments and angle [cm^4]
struct MomentyOsi {
  double jx = 0, jy = 0, jxy = 0;
};
MomentyOsi MomentyCentralne(const PropertiesRecord& r);

// the principal moments and angle of central moments jx, jy, jxy (any one unit): j1 the
// larger, angle from x to the axis of j1 in [-pi/2, pi/2] [rad]. When both the product and
// the difference of jx and jy lie below isotropic every axis is principal and the angle is 0.
struct OsieGlowne {
  double j1 = 0, j2 = 0, angle = 0;
};
OsieGlowne MomentyGlowne(double jx, double jy, double jxy, double isotropic);

// principal axes along x and y within 1e-4 rad: the angle turned to 0 and j1 made the moment
// about the axis parallel to x (the records' rule)
void OsieWzdluzX(OsieGlowne& g);

// about axes through (x0, y0) [mm] turned by angle [degrees]: the central moments moved by
// the parallel-axis rule and turned; the static moments take the shift only [cm^4, cm^3]
struct MomentyUzytkownika {
  MomentyOsi j;
  double sx = 0, sy = 0;
};
MomentyUzytkownika MomentyWUkladzie(const PropertiesRecord& r, double x0, double y0,
                                    double angleDeg);

// the static moments of the area about axes through the origin parallel to x and y:
// sx = A·yS, sy = A·xS [cm^3]
struct MomentyStatyczne {
  double sx = 0, sy = 0;
};
MomentyStatyczne MomentyStatyczneWzgledemPoczatku(const PropertiesRecord& r);

// "Połowa": a beam cut in its plane of symmetry keeps half of the area, the shear areas, the
// principal moments and the torsion constants; "Cały" (halve false) doubles them back
void PolowaPrzekroju(PropertiesRecord& r, bool halve);

// where the plastic axes cross: the centroid less the plastic offsets turned from the
// principal axes into x and y [mm]
Point PunktPlastyczny(const PropertiesRecord& r);

// sqrt(J / A) [cm]; 0 without area or moment
double PromienBezwladnosci(double j, double a);

// the slot of the smaller of two moduli (Wcx/Wtx or Wcy/Wty), the first on a tie
int MniejszyWskaznik(const PropertiesRecord& r, int first, int second);

}  // namespace tarvik
