// The rules of the arbitrary-figure tab's small dialogs that tie one value to another: the
// triangle's base, height and base angle, the circle's radius, central angle and segment
// height, the steps of their up/down buttons, the drawing range and grid, and the maths of a
// point typed in Cartesian or polar coordinates, absolute or relative to the previous point.
#pragma once

#include <optional>

#include "engine/model.h"
#include "generators/arbitrary_shapes.h"

namespace tarvik {

// which value of a shape dialog the user has just changed (left its edit or stepped it)
enum class ZmianaPola { kPodstawa, kWysokosc, kKat, kRodzaj, kPromien, kKatSrodkowy };

// "Równoboczny" h := 0.866 a (the rounded √3/2 the dialog has always shown: a = 100 gives
// 86,6 mm), base angle 60°; "Równoramienny": a changed base or height gives the base angle
// atan(2h/a), a changed angle (above 85° taken as 60°) gives h := (a/2) tan φ; "Dowolny":
// the three stay as typed. The triangle is k.a (base), k.b (height), k.kat, k.rodzaj.
void ZmianaTrojkata(Ksztalt& k, ZmianaPola changed);

// the circle dialog (k.a radius, k.b central angle, k.h segment height): a changed radius
// or central angle (above 360° taken as 360°) gives h := R (1 - cos(α/2)); a changed height
// (above 2R taken as 2R) gives α := arccos(1 - h/R) · 360/π
void ZmianaKola(Ksztalt& k, ZmianaPola changed);

// an up/down click on a shape dimension: the value rounded to a whole number, then ±10; a
// result below 1 becomes 10
double KrokKsztaltu(double value, int direction);
// the drawing range: ±100 mm, a result below 1 becomes 100; the grid step: ±5 mm, below 1: 5
double KrokZakresu(double value, int direction);
double KrokOczka(double value, int direction);
// a grid step larger than the drawing range becomes a twentieth of the range
double OczkoSiatki(double range, double step);

// how a typed point is given: way 0 "Główny" (absolute), 1 "Względny" (from the previous
// point); system 0 "X - 0 - Y" (Cartesian), 1 "Biegunowy" (polar, the angle in degrees)
enum SposobPunktu : int { kGlowny = 0, kWzgledny = 1 };
enum UkladPunktu : int { kKartezjanski = 0, kBiegunowy = 1 };
struct WyborPunktu {
  int sposob = kGlowny;
  int uklad = kKartezjanski;
  friend bool operator==(const WyborPunktu&, const WyborPunktu&) = default;
};

// the two typed values: x, y / dX, dY [mm], or R / dR [mm] and the angle [degrees]
struct WartosciPunktu {
  double v1 = 0;
  double v2 = 0;
};

// what the dialog shows for a click at `clicked` (model mm): the position itself, or its
// offset from the previous point; relative values are 0 when there is no previous point
WartosciPunktu WartosciZPozycji(WyborPunktu w, Point clicked, std::optional<Point> previous);

// the point the typed values give; relative values count from the previous point, or from
// the origin when there is none
Point PunktZWartosci(WyborPunktu w, WartosciPunktu v, std::optional<Point> previous);

}  // namespace tarvik
