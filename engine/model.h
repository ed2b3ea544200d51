// The section model: every section, whatever produced it, is a table of figures, each an
// outer polygon with at most one polygonal hole, in millimetres with x right and y up.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/properties.h"

namespace tarvik {

struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// which main tab produced the section (the tab index)
enum SectionKind : int32_t {
  kWalcowane = 0,
  kSpawane = 1,
  kGiete = 2,
  kZestawy = 3,
  kProste = 4,
  kZlozone = 5,
  kDowolne = 6,
  kUzebrowanie = 7,
  kDrewniane = 8,
  kZelbetowe = 9,
};

// One figure. Outer points 1..nOuter-1 are the polygon's vertices, closed back to point 1;
// point nOuter is the figure's reference point inside the material, never a vertex. Inner
// points 1..nInner are all vertices of the hole. Point i of a contour is element i-1.
// Generators store the outer contour counter-clockwise and the hole clockwise.
struct FigureRecord {
  static constexpr int kCapacity = 37;  // points per contour, reference point included
  static constexpr int kDimTexts = 8;
  static constexpr int kDimChars = 10;

  uint8_t storedCount = 0;  // low byte of the figure count, written only into a saved figure 0
  std::array<uint8_t, 7> spare{};  // kept as read, unused by the engine
  std::array<Point, kCapacity> outer{};
  std::array<Point, kCapacity> inner{};
  int32_t nOuter = 0;
  int32_t nInner = 0;
  std::array<int32_t, 8> selection{};  // copy of the selection's eight integer choices
  int32_t extraChoice = 0;             // a header's ninth list choice (the "WT" web list), else 0
  std::array<std::string, kDimTexts> dims;  // dimension texts as typed, e.g. "200 mm"
  PropertiesRecord props;                   // the properties of this figure alone
  std::array<double, 4> reserved{};         // kept as read, unused by the engine
  double originX = 0;                       // local origin, the pivot of the figure transform [mm]
  double originY = 0;
  double rotation = 0;  // accumulated rotation [degrees]
  double wall1 = 0;     // first wall thickness [cm]
  double wall2 = 0;     // second wall thickness [cm]
  // the true outline and hole where the generator knows its fillets and bends, as dense
  // polygons (each arc by short chords, the first point not repeated); empty otherwise. Kept
  // while the program runs, moved and turned with the figure, never written to a file.
  std::vector<Point> exactOuter;
  std::vector<Point> exactInner;

  // the point counts as far as the contours can hold them
  int outerCount() const { return nOuter < 0 ? 0 : nOuter > kCapacity ? kCapacity : nOuter; }
  int innerCount() const { return nInner < 0 ? 0 : nInner > kCapacity ? kCapacity : nInner; }

  // the outer polygon and its reference point; false (and nothing written) when the
  // vertices and the reference point do not fit the 37 places
  bool setOuter(std::span<const Point> vertices, Point reference);
  // the hole's vertices; false (and nothing written) past 37 points
  bool setInner(std::span<const Point> vertices);
  // the dimension text, kept to 10 characters of the stored code page
  void setDim(int i, std::string_view utf8);

  friend bool operator==(const FigureRecord&, const FigureRecord&) = default;
};

// a point of the imported outline; the points of one figure number, in order, form one
// closed polygon (every point a vertex)
struct ImportedPoint {
  double x = 0;  // mm
  double y = 0;
  int32_t figure = 1;  // 1-based
  int32_t px = 0;      // pixel position on the main sketch, kept by the editor
  int32_t py = 0;
  bool outer = true;  // false: a hole
};

// a dimension line of the results sketch, placed on outline points of the drawn figures
struct DimensionLine {
  uint8_t direction = 0;  // 0: parallel to y (offset along x), 1: parallel to x (offset along y),
                          // 2: aligned with its two points (offset square to them, pixels)
  int32_t from = 0;       // outline point where it starts (1-based over the drawn figures)
  int32_t from2 = 0;      // 0 none; k > 0 start at the midpoint of from and k; -k: k starts
                          // the extension line while from places the dimension line
  int32_t to = 0;
  int32_t to2 = 0;
  int32_t offset = 0;  // distance from the outline in sketch units; negative: other side
  double value = 0;    // what is printed [mm]
  friend bool operator==(const DimensionLine&, const DimensionLine&) = default;
};

struct Placement {
  double x = 0;  // mm
  double y = 0;
  double angle = 0;  // degrees
};

struct SectionModel {
  std::vector<FigureRecord> figures = std::vector<FigureRecord>(1);  // [0]: the working figure
  int32_t figureCount = 0;    // N: figures 1..N of a multi-figure section
  int32_t currentFigure = 0;  // the figure selected in the editors
  int32_t kind = kWalcowane;
  PropertiesRecord section;               // the properties of the whole section
  PropertiesRecord saved;                 // the copy the dispatcher restores from
  std::array<bool, 8> flags{};            // which result groups apply (1: no torsion values, 3: no
                                          // shear-centre marker, 7: no inner perimeter)
  std::vector<ImportedPoint> imported;    // while non-empty it stands for the figures' contours
  std::vector<Placement> placements;      // [f-1] is the placement of figure f
  std::vector<DimensionLine> dimensions;  // rebuilt by generators that dimension their outline
  bool composite = false;          // the section is a transformed composite (a modular ratio != 1)
  bool modularRatioShown = false;  // the modular ratio of the current figure can be edited
  bool hotRolledTube = false;      // the section is the rolled tab's seamless tube
  // a set of profiles: the horizontal and vertical spacing its generator used [mm] (a spacing
  // below its layout's minimum is raised to it); negative: the layout has no such spacing
  std::array<double, 2> setSpacings{-1, -1};

  FigureRecord& working() { return figures[0]; }
  const FigureRecord& working() const { return figures[0]; }

  // fills the working figure with zeros
  void clearWorkingFigure() { figures[0] = FigureRecord{}; }
  // appends a copy of the working figure as figure N+1 and selects it
  void addFigure();
  // figures 1..N that really exist in the table
  int lastFigure() const;
};

// the section has properties to show, save or print: a name and an area; a refused or
// unbuilt choice leaves neither
bool SectionBuilt(const SectionModel& model);

// length of the working figure's outer contour (points 1..n_o-1 closed) or hole [mm]
double Obwod(const FigureRecord& figure, bool outer);

// the same move of one figure record, whatever the imported outline holds
void TransformFigure(FigureRecord& fig, bool mirrorX, bool mirrorY, double dx, double dy,
                     double angleDeg);

// moves figure f (or, while the imported outline is in use, its points): into the local
// frame, mirror in x (y := -y), mirror in y (x := -x), rotate counter-clockwise by angle
// degrees, shift by (dx, dy); the figure's properties stay consistent without recomputing
void PrzeksztalcFigure(SectionModel& model, int f, bool mirrorX, bool mirrorY, double dx, double dy,
                       double angleDeg);

}  // namespace tarvik
