#include "generators/composite_driver.h"

#include <algorithm>

#include "engine/composite.h"
#include "engine/integration.h"

namespace tarvik {
namespace {

// Standard shapes carry their own torsion values. One shape keeps its modulus and shear
// areas; several solids are open pieces whose Jt add; a hole makes the sum meaningless (a
// tube is no solid bar less a bar), so the torsion values are then withheld.
void ArbitraryFlags(SectionModel& m, PropertiesRecord& r) {
  const int last = m.lastFigure();
  m.flags = {};
  for (int f : {0, 3, 4, 5}) m.flags[f] = true;
  bool hole = false;
  for (int f = 1; f <= last; ++f) hole = hole || m.figures[f].outerCount() == 0;
  if (last == 1) {
    const PropertiesRecord& own = m.figures[1].props;
    for (int s : {slot::Wt, slot::Avx, slot::Avy}) r[s] = own[s];
    m.flags[7] = true;
  } else {
    m.flags[2] = true;
  }
  if (hole || !(r[slot::Jt] > 0)) {
    m.flags[1] = m.flags[2] = true;
    r[slot::Jt] = r[slot::Wt] = 0;
  }
}

}  // namespace

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
  if (!m.imported.empty()) {
    if (m.kind == kDowolne) {
      // a drawn or read outline has no torsion values of its own
      m.flags = {};
      for (int f : {0, 1, 3, 4, 5}) m.flags[f] = true;
    }
    return;
  }

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
  if (m.kind == kDowolne) ArbitraryFlags(m, r);
}

}  // namespace tarvik
