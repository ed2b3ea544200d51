#include "ui/results/results_sketch.h"

namespace tarvik::ui {

void RysujSzkicWynikow(QPainter& p, const SectionModel& model, const SketchMapping& map, QSize box,
                       const ResultsSketchOptions& o) {
  const paint::PaintOptions options = OpcjeSzkicuWynikow(o);
  paint::SectionPainter(model, map, options).paint(p, box);
}

}  // namespace tarvik::ui
