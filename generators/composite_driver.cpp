#include "generators/composite_driver.h"

#include <algorithm>

#include "engine/composite.h"
#include "engine/integration.h"

namespace tarvik {

void PrzeliczZlozony(Generation& g) {
  SectionModel& m = g.model;
  const Selection& s = g.selection;
  PrzeksztalcFigure(m, m.currentFigure, s.mirrorX != 0, s.mirrorY != 0, g.dim(3), g.dim(4),
                    g.dim(5));

  PropertiesRecord& r = g.props();
  r.clear();
  r.setName(m.kind == kDowolne ? "Dowolna" : m.composite ? "Zespolony" : "Złożona");
  if (!m.imported.empty()) {
    ObliczZarys(m, g.sink);
  } else {
    SumujFigury(m, true, r);
  }
  const int last = m.lastFigure();
  ReportPlasticAxes(ObliczWskazniki(m, 1, last, r), g.sink);
  if (!m.imported.empty()) return;

  // each figure is open, so the torsion constants add; the thickest wall gives the modulus
  double jt = 0, thickest = 0;
  for (int f = 1; f <= last; ++f) {
    jt += m.figures[f].props[slot::Jt];
    thickest = std::max(thickest, m.figures[f].wall1);
  }
  r[slot::Jt] = jt;
  if (thickest > 0) r[slot::Wt] = jt / thickest;
  if (m.kind == kZlozone) {
    m.flags = {};
    for (int f : {0, 3, 4, 5}) m.flags[f] = true;
  }
}

}  // namespace tarvik
