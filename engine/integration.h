// Section properties from polygon contours (Green's theorem over straight edges): area,
// centroid, principal moments and angle, elastic and plastic moduli.
#pragma once

#include "engine/messages.h"
#include "engine/model.h"
#include "engine/plastic.h"
#include "engine/properties.h"

namespace tarvik {

// The working figure's outer contour and hole integrated into the empty slots of record
// (A, J1, J2, xS, yS, al); the whole record is then copied into the working figure. No
// material (zero area, or a hole larger than its outline): "Zerowe pole przekroju" goes to
// the sink, the working figure's properties become zero and record stays as it was; false.
bool ObliczFigure(SectionModel& model, PropertiesRecord& record, MessageSink& sink);

// The imported outline integrated into the section properties, named "Linia łamana",
// with its perimeters; false after the zero-area message.
bool ObliczZarys(SectionModel& model, MessageSink& sink);

// The elastic moduli of figures first..last (or of the imported outline while it is in
// use) about the principal axes already in record, then the plastic moduli and axes
// (figures only). Nothing happens for a record without a name. A plastic axis that cannot
// be found keeps its slots as they were: the caller reports it (ReportPlasticAxes).
[[nodiscard]] PlasticOutcome ObliczWskazniki(const SectionModel& model, int first, int last,
                                             PropertiesRecord& record);

}  // namespace tarvik
