// The one section painter: the section's figures (outlined or hatched), its principal and
// plastic axes, the marks "P", "S", "T", the user axes, the dimension lines, the picture's
// name and the editors' aids, drawn with the engine's mapping onto any QPaintDevice (the main
// sketch, the results sketch, the 100 x 100 picture, a printed page, a clipboard image).
// Needs Qt Gui only.
#pragma once

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "engine/model.h"
#include "engine/sketch.h"
#include "engine/underlay.h"

class QPainter;

namespace tarvik::paint {

struct PaintColours {
  QColor background = Qt::white;
  QColor outline = Qt::black;
  QColor axes = Qt::black;
  QColor plastic = QColor(128, 0, 128);
  QColor marks = Qt::red;
  QColor user = QColor(0, 0, 255);  // the user axes on screen
  QColor dimensions = QColor(0, 0, 255);
  QColor highlightOuter = Qt::red;            // the highlighted figure's outline
  QColor highlightInner = QColor(0, 128, 0);  // and its inner contour
  QColor otherInner = Qt::blue;               // the inner contour of another arbitrary figure
  QColor grid = QColor(220, 220, 220);
  QColor crosshair = QColor(128, 128, 128);
  QColor picked = Qt::red;
  QColor name = Qt::black;
  QColor lines = QColor(0, 255, 255);  // the CAD underlay
  QColor polyline = Qt::red;
  QColor modelAxes = Qt::blue;
};

struct PaintOptions {
  bool hatched = false;  // hatched with lines (prints black), else plain outlines
  int m = 1;             // magnifies line offsets, arrows and marks (1 on screen, 3 on paper)
  int outlineWidth = 1;  // pen widths in device units
  int highlightWidth = 2;
  int importedHighlightWidth = 3;
  int lineWidth = 1;           // axes, marks, dimension lines
  bool holesInverted = false;  // holes drawn not-xor over the outline (the saved picture)

  bool principalAxes = true;
  bool boxedAxisLabels = false;  // axis labels on white, kept inside the box (results sketch)
  bool plasticAxes = false;      // "pl", not for timber
  bool marks = false;            // "P", "S", "T"
  bool originAxes = false;       // the origin's arrows "X", "Y" with "P" (on screen only)
  bool dimensions = false;
  bool name = false;    // the section's name centred at the top (the saved picture)
  bool osieYZ = false;  // axes named y, z
  // "T" at this shear centre [mm] (the finite-element one, known for any kind) instead of the
  // record's; drawn unless it falls on the centroid's pixel
  std::optional<Point> shearCentre;

  // the user coordinate system ("Inny układ współrzędnych")
  bool userSystem = false;
  double userX0 = 0, userY0 = 0;  // its origin [mm]
  double userAngle = 0;           // [degrees], counter-clockwise
  bool userInUserColour = true;   // blue on screen, the marks' colour on paper

  // the figure drawn heavier (index into model.figures; for an imported outline its figure
  // number), -1 for none, and whether it takes the highlight colours
  int highlighted = -1;
  bool highlightColours = true;

  // the editors' aids
  int grid = 0;                       // grid step [pixels], 0 for none
  std::optional<QPoint> crosshair;    // full-box cross lines through a pixel
  QImage underlay;                    // scaled to the box under everything
  const Podklad* lines = nullptr;     // a CAD underlay: aqua segments, their ends black
  std::vector<QPoint> gridDots;       // the drawing grid's crossings, a black pixel each
  std::optional<QPoint> modelOrigin;  // the model's x = 0 and y = 0 across the whole box
  std::vector<QPoint> polyline;       // the polygon being entered: red, 3 pixels wide
  std::optional<QPoint> rubberBand;   // from the polyline's last point to the mouse
  std::vector<QPoint> picked;         // picked points, a small square each
  QStringList pickedTexts;            // beside each picked point, when given

  // the results sketch's tools
  std::optional<DimensionLine> provisional;  // the dimension line being placed
  std::optional<QLine> rubberLine;           // from the first pick to the mouse, grey
  std::optional<QRect> selectionWindow;      // the deletion window being dragged, dotted
  // the midline traced for the torsion constant: blue lines, a red cross on each point;
  // while it is traced the marks and dimension lines give way to the figures' walls
  std::vector<QPoint> midline;
  bool wallLabels = false;  // "g=" (and "t=") callouts at each figure's reference point

  PaintColours colours;
};

// one polygon of the drawing with the screen-point indices of its vertices
struct Contour {
  std::vector<int> indices;
  bool outer = true;
  int order = 0;   // which drawn figure (0, 1, ...), for its colour
  int figure = 0;  // index into model.figures, or the imported figure number
};

// the contours of the drawn figures, or of the imported outline, in the mapping's point
// order; a two-part cold-formed outline closes through its 28th or 36th point
std::vector<Contour> Kontury(const SectionModel& model);

// the model point [mm] of a screen-point index
Point PunktModelu(const SectionModel& model, int index);

// the margin of the principal axes' labelled ends: wider for the built-up kinds
int MarginesOsi(int kind, int m);

// the text of a dimension: one decimal, ".0" dropped, a decimal comma, one blank each side
QString TekstWymiaru(double value);

// the wall thicknesses of a figure as its callout shows them [cm in, mm shown]: "g=6,0" when
// both are equal, else "g=..." and "t=..."; nothing when both are 0
QStringList TekstScianek(double wall1, double wall2);

// a framed callout of text lines for a point: the box 5 pixels right of it (left when it
// would leave the box), kept inside the box, with a leader from the point to its near top
// corner and the lines centred
void Odnosnik(QPainter& p, QSize box, QPoint at, const QStringList& lines);

class SectionPainter {
 public:
  SectionPainter(const SectionModel& model, const SketchMapping& mapping,
                 const PaintOptions& options)
      : model_(model), map_(mapping), o_(options) {}

  // everything the options ask for into a box at the device's top-left corner
  void paint(QPainter& painter, QSize box) const;

 private:
  void aids(QPainter& p, QSize box) const;
  void figures(QPainter& p) const;
  void polyline(QPainter& p) const;
  void axes(QPainter& p, QSize box) const;
  void marks(QPainter& p, QSize box) const;
  void dimensions(QPainter& p, QSize box) const;
  void name(QPainter& p, QSize box) const;
  void tools(QPainter& p, QSize box) const;
  void walls(QPainter& p, QSize box) const;

  const SectionModel& model_;
  const SketchMapping& map_;
  const PaintOptions& o_;
};

}  // namespace tarvik::paint
