// The outlines of the cold-formed profiles: a plate g thick bent along its mid-line, every
// bend a pair of concentric arcs (inner radius r on the inside of the bend, r + g outside).
// Each outline comes twice from one description: the drawn polygon of the sketch (a few
// points per bend) and the true outline with exact arcs that the properties are integrated
// on.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/rounded.h"
#include "engine/thin_walled.h"

namespace tarvik {

// how a bend is drawn, the corner of the faces at c, the edges leaving it along u1 (back)
// and u2 (on), the arc of radius ρ:
//  kThirty: the tangent points and the points at 30° and 60°: c + 0.5ρ·u1 + 0.134ρ·u2 and
//           c + 0.134ρ·u1 + 0.5ρ·u2 (1 − cos 30° = 0.134, 1 − sin 30° = 0.5);
//  kFortyFive: the tangent points and the point at 45°, c + 0.293ρ·(u1 + u2);
//  kSigma: right-angle bends as kFortyFive, the shallow bends of the web's fold by the
//          middle of their arc alone.
// A bend of radius 0 draws all its points on the corner.
enum class BendDrawing { kThirty, kFortyFive, kSigma };

// one corner of a face: sharp (radius 0 and drawn as one point) or a bend
struct FaceCorner {
  Point p;
  double radius = 0;
  bool bend = false;
};

// an outline twice: the drawn vertices and the true outline with exact arcs
struct BentOutline {
  std::vector<Point> drawn;
  RoundedOutline exact;
  std::vector<Fillet> fillets;     // of `exact`, corner by corner
  std::vector<size_t> firstDrawn;  // the first drawn point of each corner
};

// the drawn points and the true corner of every corner of a closed ring, in ring order
BentOutline Realise(const std::vector<FaceCorner>& ring, BendDrawing drawing);

// The outline of a plate g thick bent along the open mid-line `mid` (its sharp corners; each
// inner vertex a bend of inner radius r): the face on the right of the walking direction
// forward, then the left face back, which runs counter-clockwise. The drawn points start at
// the `skip`-th drawn point of ring corner `start` (the right face's corners are 0..n-1, the
// left face's n..2n-1 from the far end back).
BentOutline BentPlate(const std::vector<Point>& mid, double g, double r, BendDrawing drawing,
                      size_t start, size_t skip = 0);

// the straight plates of a mid-line, g thick, for the thin-walled shear centre
std::vector<Plate> MidLinePlates(const std::vector<Point>& mid, double g);

// A box tube H high and B wide, centred, walls g, inner corner radius r and outer corner
// radius R (r + g for concentric corners; hot-finished tubes have thicker ones): the outer contour
// counter-clockwise from the middle of the bottom face (20 drawn points: a point in the middle
// of each face, four per corner), the hole clockwise from the top right corner (16 points).
struct TubeOutline {
  BentOutline outer, hole;
};
TubeOutline BoxTube(double H, double B, double g, double r, double R);

// The first straight edge (index of the corner it leaves) that the fillets at its two ends
// overlap: the bends leave no flat there. Nothing when every flat has a length (zero counts).
std::optional<size_t> VanishingFlat(const RoundedOutline& outline);
std::optional<size_t> VanishingFlat(const RoundedOutline& outline,
                                    const std::vector<Fillet>& fillets);

// the outline moved, mirrored in the y axis (x := -x, order reversed to stay
// counter-clockwise), or turned half a turn about the origin
RoundedOutline Moved(const RoundedOutline& outline, double dx, double dy);
RoundedOutline MirroredInY(const RoundedOutline& outline);
RoundedOutline HalfTurned(const RoundedOutline& outline);

}  // namespace tarvik
