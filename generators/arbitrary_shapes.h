// The standard shapes of the arbitrary-figure tab ("Dowolne"): hexagon, rectangle, triangle,
// circle, semicircle, circular sector and circular segment, each a solid figure or a hole
// given by a few dimensions, with the torsion values of the shape itself; and the rules of
// their dialogs that tie one dimension to another.
#pragma once

#include <string>

#include "engine/messages.h"
#include "engine/model.h"

namespace tarvik {

// the shape codes, stored in the figure's sub-kind field (selection[1])
enum KodKsztaltu : int {
  kSzesciokat = 0,
  kProstokat = 1,
  kTrojkat = 2,
  kKolo = 3,
  kPolkole = 4,
  kWycinek = 5,
  kOdcinek = 6,
};

// the triangle's kind, stored in the figure's variant field (selection[2])
enum RodzajTrojkata : int { kRownoboczny = 0, kRownoramienny = 1, kDowolny = 2 };

// one shape as its dialog hands it over [mm, degrees]
struct Ksztalt {
  int kod = kProstokat;
  double a = 0;      // hexagon side, rectangle width, triangle base, radius
  double b = 0;      // rectangle height, triangle height, central angle
  double kat = 0;    // triangle base angle
  double h = 0;      // segment height
  int rodzaj = kRownoboczny;  // triangle kind
};

// builds the shape into fig (cleared first): name, kind 6, its code, its first two dimension
// texts, and its outer contour (solid) or its inner contour (hole: no outer points). False,
// with a Polish reason in error and fig untouched, for dimensions that give no figure.
// A segment's height, when given (above 0), is checked against the diameter only: its
// points follow from the radius and the central angle.
bool ZbudujKsztalt(const Ksztalt& k, bool hole, FigureRecord& fig, std::string& error);

// the shape's name and its first two dimension texts as the figure keeps them ("Pr 200x100",
// "200 mm", "100 mm"); the second text is empty for shapes of one dimension
std::string NazwaKsztaltu(const Ksztalt& k);
std::string TekstWymiaru(double value, bool angle);

// the section properties of the working figure alone (a shape just built there), with the
// shape's own torsion values and shear areas, perimeters and result flags; the figure's own
// properties become a copy. A hole (inner contour only) gets the properties of the material
// it takes away: area, moments and torsion constant negative, so that summing the figures
// subtracts it; no shear areas, no torsion modulus. False after the integration refused the
// figure (a figure with no contour, a zero area).
bool WlasnosciKsztaltu(SectionModel& model, MessageSink& sink);

}  // namespace tarvik
