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
// Results that are no numbers (WynikiSkonczone) end the same way.
bool ObliczFigure(SectionModel& model, PropertiesRecord& record, MessageSink& sink);

// Whether every property of record is a finite number. An outline far too large for them
// (a square of 1e150 mm has J1 beyond any double) puts "Wyniki poza zakresem liczb" with the
// first property that is not ("(J1)") to the sink; false. ObliczFigure and ObliczZarys check
// what they integrate; whoever adds moduli after them checks again.
bool WynikiSkonczone(const PropertiesRecord& record, MessageSink& sink);

// The imported outline integrated into the section properties, named "Linia łamana",
// with its perimeters; false after the zero-area message or results that are no numbers.
bool ObliczZarys(SectionModel& model, MessageSink& sink);

// The elastic moduli of figures first..last (or of the imported outline while it is in
// use) about the principal axes already in record, then the plastic moduli and axes
// (figures only). Nothing happens for a record without a name. A plastic axis that cannot
// be found keeps its slots as they were: the caller reports it (ReportPlasticAxes).
// The elastic moduli alone, as ObliczWskazniki gives them: for a section whose plastic
// moduli are not those of its drawn outline (a girder whose web carries no stress, one with
// openings).
void ObliczWskaznikiSprezyste(const SectionModel& model, int first, int last,
                              PropertiesRecord& record);

[[nodiscard]] PlasticOutcome ObliczWskazniki(const SectionModel& model, int first, int last,
                                             PropertiesRecord& record);

}  // namespace tarvik
