// The true outlines (fillets, bends, exact curves) of a section read from a file. A section
// file keeps each figure's drawn outline only; the generators leave the true one beside it
// while the program runs (FigureRecord::exactOuter), and the finite elements mesh it: an IPE
// 200 on its drawn outline, three points to a fillet, gives J 9 % too high.
#pragma once

#include <array>
#include <span>

#include "engine/model.h"
#include "generators/generator.h"

namespace tarvik {

// The rotation or reflection m[0..3] (row by row) and shift m[4..5] that take each point of
// `from` onto the point of `to` with the same index, to a millionth of the points' extent;
// false when the counts differ, there are fewer than three points or no such motion exists.
bool RigidMotion(std::span<const Point> from, std::span<const Point> to, std::array<double, 6>& m);

// Runs each figure's generator again from the choice the figure keeps, on a scratch section,
// and gives the figure the rebuilt true outline (and hole) under the motion that takes the
// rebuilt drawn outline onto the figure's: a composite's turned, mirrored and moved
// components, a ribbed slab's seated rib, a set's copies, the working figure of a
// single-figure section.
// Figures that already have a true outline, whose choice builds nothing now (another catalogue,
// "Wzory ścisłe" switched since) or whose drawn outline no longer matches are left as they
// are. Nothing but the true outlines changes. Returns how many figures got one.
int PrzywrocPrawdziweObrysy(SectionModel& model, const GeneratorSettings& settings);

}  // namespace tarvik
