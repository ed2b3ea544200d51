// The sketch mapping: model millimetres (y up) to pixels of a sketch box (y down), shared by
// the main sketch, the results sketch, the saved picture and the printed page.
#pragma once

#include <vector>

#include "engine/model.h"

namespace tarvik {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct SketchMapping {
  double xmin = 0;  // model point at the lower left of the fitted drawing [mm]
  double ymin = 0;
  double scale = 1;   // pixels per mm at the last fit
  double zoom = 1.0;  // 1.0 fits the box; any other value freezes xmin, ymin and scale
  int offX = 0;       // centring offsets [pixels]
  int offY = 0;
  int panX = 0;  // pan offsets, changed only by the zoom rectangle [pixels]
  int panY = 0;
  // [0] the centroid, then every drawn figure's outer points (reference point included)
  // followed by its inner points
  std::vector<ScreenPoint> points;
};

// the figures a sketch draws: 1..N for kinds 3, 5, 6, 7 and 8, figure 0 otherwise, and
// figures 0 and 1 for a two-part cold-formed section
std::vector<int> DrawnFigures(const SectionModel& model);

// fits the drawn figures (or the imported outline, whose points get their pixels back) into
// a W x H box: 80 % of the tighter direction, centred; E moves everything down [pixels];
// (xc, yc) is the centroid in mm
void SkalujSzkic(SectionModel& model, SketchMapping& mapping, int W, int H, int E, double xc,
                 double yc);

// maps the same points with a fixed scale k [pixels per mm] and origin pixel (x0, y0):
// X = x0 + round(x k), Y = y0 - round(y k), the fit left as it was. The arbitrary-figure
// editor draws this way on its grid, in its typing area and over a CAD underlay, so that
// the figures stay where the grid or the drawing's lines are.
void MapujStale(SectionModel& model, SketchMapping& mapping, int x0, int y0, double k, double xc,
                double yc);

// the zoom rectangle (pixels, left < right, top < bottom): it is enlarged to fill the box
// and its centre comes to the box's centre; false and nothing changed for a rectangle
// without width or height. SkalujSzkic then maps again with the new zoom and pan.
bool PowiekszProstokat(SketchMapping& mapping, int W, int H, int left, int top, int right,
                       int bottom);

// "1 : 1": back to the fitted drawing
inline void Cofnij11(SketchMapping& mapping) {
  mapping.zoom = 1.0;
  mapping.panX = mapping.panY = 0;
}

// where a principal axis drawn from centre c along the pixel direction (dx, dy) leaves the
// inner box (margin pixels from each edge): the first length L = first, first + 1, ... whose
// point (c.x + round(dx L), c.y + round(dy L)) lies outside it
ScreenPoint KoniecOsi(ScreenPoint c, double dx, double dy, int first, int margin, int W, int H);

// the pixel of a model point [mm] under a mapping fitted to a box of height H (E: the extra
// vertical offset the fit was given)
ScreenPoint NaEkran(const SketchMapping& mapping, int H, double x, double y, int E = 0);

// where a dimension line lies on the fitted sketch [pixels]: its start p1 and end p2 on the
// outline, the ends d1, d2 of the dimension line and its middle
struct WymiarNaEkranie {
  ScreenPoint p1, d1, p2, d2, mid;
  friend bool operator==(const WymiarNaEkranie&, const WymiarNaEkranie&) = default;
};

// the pixel vector of the given length square to the line from a to b, turned from a->b
// counter-clockwise on the screen's axes ((-dy, dx) scaled); nothing when a and b coincide
ScreenPoint Normalna(ScreenPoint a, ScreenPoint b, int length);

// the positions of one record from the mapping's screen points (an aligned record, direction
// 2, has its line parallel to p1-p2 at the offset along Normalna; a positive from2/to2 takes
// the middle of two points, a negative one starts the extension line 10 pixels back from
// that point); false when it names a point the sketch does not have
bool PolozenieWymiaru(const DimensionLine& line, const std::vector<ScreenPoint>& points,
                      WymiarNaEkranie& out);

}  // namespace tarvik
