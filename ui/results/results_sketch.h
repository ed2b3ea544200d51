// The results sketch: the section hatched, its principal and plastic axes, the reference
// marks "P", "S", "T", the user axes and the dimension lines. Every routine draws onto any
// painter with a mapping fitted by SkalujSzkic, so the printed page and the clipboard picture
// reuse them; m magnifies line offsets, arrows and marks (1 on screen, 3 on paper).
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "engine/model.h"
#include "engine/sketch.h"

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

// the text of a dimension: one decimal, ".0" dropped, a decimal comma, one blank each side
QString TekstWymiaru(double value);

// the drawn figures (or the imported outline) hatched in their colour with black outlines,
// holes white, the principal axes labelled and, unless the section is timber, the plastic
// axes "pl" in purple
void RysujPrzekroj(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                   QSize box, int m, const ResultsSketchOptions& options);

// in the painter's pen colour: "P" at the model origin (on screen with the origin axes "X",
// "Y"), "S" at the centroid, "T" at the shear centre where the section has one apart from the
// centroid; the user axes (blue on screen) when the user system is shown
void RysujZnaczniki(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                    QSize box, int m, const ResultsSketchOptions& options);

// one dimension line in the painter's pen colour: extension lines, the line with its
// arrowheads and the value text; a horizontal record (direction 1) or a vertical one
void RysujWymiar(QPainter& painter, const DimensionLine& line, const WymiarNaEkranie& at, QSize box,
                 int m);

// every record of the model's dimension list, placed on the mapping's screen points
void RysujWymiary(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                  QSize box, int m);

// the paint of the results window: white box, the section, the marks in red, the dimension
// lines in blue
void RysujSzkicWynikow(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                       QSize box, const ResultsSketchOptions& options);

}  // namespace tarvik::ui
