// The results sketch: the section hatched, its principal and plastic axes, the reference
// marks "P", "S", "T", the user axes and the dimension lines, drawn by the section painter
// (paint/); the overall dimensioning of the built-up kinds.
#pragma once

#include <QSize>

#include "engine/model.h"
#include "engine/sketch.h"
#include "paint/section_painter.h"

class QPainter;

namespace tarvik::ui {

struct ResultsSketchOptions {
  bool osieYZ = false;  // axes named y, z
  bool screen = true;   // the origin axes with their arrows are drawn on screen only
  // the user coordinate system ("Inny układ współrzędnych") once computed
  bool userSystem = false;
  double userX0 = 0;  // its origin [mm]
  double userY0 = 0;
  double userAngle = 0;  // its rotation [degrees], counter-clockwise
};

// Złożone, Dowolne, Użebrowanie and Drewniane are dimensioned overall, anew at every fit
bool WymiaryCalkowite(int kind);
// replaces the dimension list by the overall width (20 pixels below the lowest vertex) and
// the overall height (20 pixels right of the rightmost vertex) of the drawn outline
void ZastapWymiaryCalkowitymi(SectionModel& model, const SketchMapping& mapping);

using paint::TekstWymiaru;

// the painter's options of the results sketch at magnification m (1 on screen, 3 on paper):
// hatched, principal and plastic axes, the marks in red, the dimension lines in blue
paint::PaintOptions OpcjeSzkicuWynikow(const ResultsSketchOptions& options, int m = 1);

// the paint of the results window
void RysujSzkicWynikow(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                       QSize box, const ResultsSketchOptions& options);

}  // namespace tarvik::ui
