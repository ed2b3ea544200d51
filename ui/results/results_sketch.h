// The results sketch: the section hatched, its principal and plastic axes, the reference
// marks "P", "S", "T", the user axes and the dimension lines, drawn by the section painter
// (paint/); the overall dimensioning of the built-up kinds.
#pragma once

#include <QSize>

#include "engine/model.h"
#include "engine/sketch.h"
#include "paint/results_options.h"
#include "paint/section_painter.h"

class QPainter;

namespace tarvik::ui {

using paint::OpcjeSzkicuWynikow;
using paint::ResultsSketchOptions;
using paint::WymiaryCalkowite;
using paint::ZastapWymiaryCalkowitymi;
using paint::TekstWymiaru;

// the paint of the results window
void RysujSzkicWynikow(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                       QSize box, const ResultsSketchOptions& options);

}  // namespace tarvik::ui
