// What kind of section this is: the one place for the rules that follow from the section
// kind (the main tab that produced it) and the working figure's choice. The engine, the
// section files, the command line and the window all ask here.
#pragma once

#include <array>
#include <cstdint>

#include "engine/model.h"

namespace tarvik {

// the section is figures 1..N of the figure table (Zestawy, Złożone, Dowolne, Użebrowanie,
// Drewniane); false for every other kind, an unknown one included
bool MultiFigureKind(int kind);

// the section is the working figure alone (Walcowane, Spawane, Gięte, Proste, Żelbetowe);
// false for an unknown kind
bool SingleFigureKind(int kind);

// a figure's contours count by their role, not their direction: an outer contour adds its
// material however its points run (Dowolne), a hole subtracts however they run (Proste,
// Dowolne). Elsewhere the direction decides, so that the second contour of a cold-formed
// "Podwójny" Z stored counter-clockwise in the hole's place adds material.
bool OuterByRole(int kind);
bool HoleByRole(int kind);

// a "Dowolne" section held as its imported outline (a point list) instead of figures
bool PointListForm(const SectionModel& model);

// the cold-formed lipped channel built "Podwójny" (variant 2, option 1): two channels back
// to back, the second the mirror of the first in the y axis, kept as figure 1 beside the
// working figure and stored as a third record of the file. No other cold-formed item has a
// second figure (the Sigma section, variant 10, has no "Podwójny" at all).
bool TwoPartChannel(int kind, const std::array<int32_t, 8>& selection);
bool TwoPartChannel(const SectionModel& model);

// the figures the composite and arbitrary-figure editors work on, one of them current and
// drawn heavier (Złożone, Dowolne)
bool EditorKind(int kind);

// built-up sections, whose principal axes keep twice the margin on the sketches (Złożone,
// Dowolne, Użebrowanie)
bool BuiltUpKind(int kind);

// the results sketch dimensions the whole section rather than the generator's lines
// (Złożone, Dowolne, Użebrowanie, Drewniane)
bool OverallDimensionsKind(int kind);

// a cold-formed outline of 28 or 36 points is two parts joined: its last point, the reference
// point of every other figure, is a vertex the outline closes through
bool ClosesThroughLastPoint(const FigureRecord& figure);

// "Koniec" asks "Zapisać przekroj?" before closing: never for Walcowane, Spawane, Gięte;
// Drewniane from two figures, Zestawy, Złożone, Dowolne, Użebrowanie from one; always for
// Proste, Żelbetowe and an unknown kind
bool AsksToSave(int kind, int figureCount);

}  // namespace tarvik
