// The printed page and the clipboard picture: the section in a square box beside a framed
// column with the report of one results tab, the text written as text (a PDF keeps it
// searchable) and the section drawn by the section painter with paper's line widths.
// Needs Qt Gui only.
#pragma once

#include <QImage>
#include <vector>

#include "engine/model.h"
#include "engine/print_page.h"
#include "engine/print_report.h"
#include "paint/results_options.h"

class QPainter;

namespace tarvik::paint {

// the clipboard picture is drawn at 4 pixels a millimetre of the page's indents: the report's
// labels end 100 pixels right of the text column's start
inline constexpr double kSchowekPikseliNaMm = 4;
inline constexpr int kSchowekSzerokosc = 800;
inline constexpr int kSchowekWysokosc = 380;

struct Rysunek {
  const SectionModel* model = nullptr;
  ResultsSketchOptions sketch;  // the user system as the results window has it
  std::vector<LiniaRaportu> lines;
  // the side of the results sketch the dimension lines' offsets were made for [pixels]
  int szkic = 403;
};

// one drawing at its place of a page: the frames, the section with its marks and dimension
// lines, its name and the report
void RysujMiejsce(QPainter& painter, const Rysunek& r, const MiejsceRysunku& place);

// the clipboard picture, 800 x 380: the section on the left, the report from x = 550
QImage ObrazSchowka(const Rysunek& r);

}  // namespace tarvik::paint
