// Sections made of several figures: each figure's own properties combined by the
// parallel-axis theorem, and by the modular ratios Ei/Eo into a transformed section.
#pragma once

#include "engine/model.h"
#include "engine/properties.h"

namespace tarvik {

// Combines figures 1..N (section kinds 3, 5, 6, 7, 8) or the working figure alone into
// record: A, centroid, principal moments and angle, perimeters. tieBreak keeps J1 the
// moment about the axis parallel to x when the principal axes lie along x and y. Sets
// model.composite when a figure has a modular ratio other than 1; a composite whose axes
// stay parallel to x and y is then summed with the weights and named "Zespolony" (or
// " Zesp." is appended to a rib's name). model.modularRatioShown tells whether the modular
// ratio applies. A record without a name, or a total area of 0, is left as it was.
void SumujFigury(SectionModel& model, bool tieBreak, PropertiesRecord& record);

}  // namespace tarvik
