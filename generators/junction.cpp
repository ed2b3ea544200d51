#include "generators/junction.h"

#include <cmath>

namespace tarvik {
namespace {

constexpr double kStep = 0.1;       // mm
constexpr int kMostSteps = 100000;  // a 10 m circle: far beyond any rolled profile

}  // namespace

double SrednicaWezla(const CatalogueRecord& record, Junction junction) {
  const double tw = record.values[CatalogueRecord::tw], tf = record.values[CatalogueRecord::tf];
  const double r = record.values[CatalogueRecord::r];
  if (!(tw > 0) || !(tf > 0) || !(r >= 0) || !std::isfinite(tw + tf + r)) return 0;
  // the fillet's centre, across from the web's axis (T) or its back (L) and from the flange's
  // outer face; a candidate circle of radius d touches that face (and for L the web's back)
  const double fx = junction == Junction::kT ? tw / 2 + r : tw + r, fy = tf + r;
  double d = kStep;
  for (int i = 0; i < kMostSteps; ++i) {
    d += kStep;
    const double cx = junction == Junction::kT ? 0 : d;
    if (std::hypot(fx - cx, fy - d) - r <= d) return 2 * d;
  }
  return 0;
}

double JunctionTorsion(const CatalogueRecord& record, Junction junction, double c1, double c2) {
  const double D = SrednicaWezla(record, junction);
  const double tw = record.values[CatalogueRecord::tw], tf = record.values[CatalogueRecord::tf];
  const double r = record.values[CatalogueRecord::r];
  if (D == 0) return 0;
  return D * D * D * D * (tw / tf) * (c1 * r / tf + c2) / 1e4;
}

}  // namespace tarvik
