// The results sketch's drawing options, on screen and on paper, and the overall dimensioning
// of the built-up kinds: shared by the results window, the printed page and the command line.
#pragma once

#include <optional>

#include "engine/model.h"
#include "engine/sketch.h"
#include "paint/section_painter.h"

namespace tarvik::paint {

struct ResultsSketchOptions {
  bool osieYZ = false;  // axes named y, z
  bool screen = true;   // the origin axes with their arrows are drawn on screen only
  // the user coordinate system ("Inny układ współrzędnych") once computed
  bool userSystem = false;
  double userX0 = 0;  // its origin [mm]
  double userY0 = 0;
  double userAngle = 0;  // its rotation [degrees], counter-clockwise
  // "T wg MES": the "T" mark at the finite-element shear centre instead of the record's [mm]
  std::optional<Point> srodekMES;
};

// Złożone, Dowolne, Użebrowanie and Drewniane are dimensioned overall, anew at every fit
bool WymiaryCalkowite(int kind);
// replaces the dimension list by the overall width (20 pixels below the lowest vertex) and
// the overall height (20 pixels right of the rightmost vertex) of the drawn outline
void ZastapWymiaryCalkowitymi(SectionModel& model, const SketchMapping& mapping);

// the painter's options of the results sketch at magnification m (1 on screen, 3 on paper):
// hatched, principal and plastic axes, the marks in red, the dimension lines in blue
PaintOptions OpcjeSzkicuWynikow(const ResultsSketchOptions& options, int m = 1);

}  // namespace tarvik::paint
