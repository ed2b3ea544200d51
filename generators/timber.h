// Timber sections: the strength classes, the solid and built-up shapes of the "Drewniane"
// tab, and the effective bending stiffness of mechanically jointed beams (the γ-method of
// EN 1995-1-1, Annex B).
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "generators/generator.h"

namespace tarvik {

// a strength class: characteristic density, mean and 5 % modulus parallel to the grain
struct TimberClass {
  const char* name;
  double rhoK;   // [kg/m^3]
  double e0mean;  // [kN/mm^2]
  double e005;    // [kN/mm^2]
};

inline constexpr int kTimberClasses = 26;
// the classes in the list's order: solid timber C14..D70 (numbers 1..18), then glued
// laminated timber GL24h..GL36c (19..26)
const std::array<TimberClass, kTimberClasses>& TimberClasses();
inline constexpr int kFirstGluedClass = 19;
// KlasaDrewna: the number 1..26 of a class name; a name not in the list gives 1
int KlasaDrewna(std::string_view name);
// the class of a number; a number outside 1..26 counts as 1
const TimberClass& TimberClassOf(int number);

// the items of the shape group, in order (the selection's sub-kind)
enum TimberShape {
  kDrProstokatny,
  kDrOkragly,
  kDrTeowy,
  kDrDwuteowy3,    // web and two flanges, one above and one below it
  kDrDwuteowy5,    // a web of full height and two flange boards on each side of it
  kDrSkrzynkowy1,  // two webs a clear gap apart, a flange over both at the top and bottom
  kDrSkrzynkowy2,  // two webs of full height, the flanges between them
  kDrPodwojny,
  kDrPotrojny,
  kDrPoczworny,
  kTimberShapes
};

// the tab's dimension edits, each with its own selection text (0-based), except for the
// rectangle and the circle, whose web height and width are texts 1 and 2
enum TimberEdit { kDrH1, kDrB1, kDrH2, kDrB2, kDrH3, kDrB3, kDrAdr, kTimberEdits };

// the edits a shape reads; for the rectangle {H2, B2}, the circle {H2}
std::vector<TimberEdit> TimberEdits(int shape);
// the selection text (0-based) an edit fills for a shape; -1 when the shape does not read it
int TimberText(int shape, TimberEdit edit);
// the shapes whose flanges are joined to the web: tee, both I, both boxes
bool TimberJointed(int shape);
// the shapes with a lower flange
bool TimberLowerFlange(int shape);
// the shapes of equal members side by side
bool TimberMembers(int shape);
// the selection text (0-based) whose height a member of variable height changes: the web's
int TimberHeightText(int shape);

// the generators: the rectangle and the circle (solid, one class), the built-up shapes
void DrewnoProstokat(Generation& g);
void DrewnoKolo(Generation& g);
void DrewnoTeowy(Generation& g);
void DrewnoDwuteowy(Generation& g);   // both I shapes
void DrewnoSkrzynkowy(Generation& g);  // both boxes
void DrewnoWielokrotny(Generation& g);  // two, three or four members

}  // namespace tarvik
