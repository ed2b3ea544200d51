// The plain and the round sections of the "Proste" tab: the rectangle, the circle and the
// ellipse, the round and the elliptic pipe, the circular arc; and the member of variable depth.
// Closed forms are stored first, so the integration only fills what they leave empty.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <vector>

#include "engine/integration.h"
#include "engine/numbers.h"
#include "generators/concrete.h"
#include "generators/parametric.h"
#include "generators/timber.h"

namespace tarvik {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kExactCircleVertices = 35;  // the circle drawn while the closed forms are used
constexpr int kFewestCorners = 3;
constexpr int kMostCorners = FigureRecord::kCapacity - 1;  // the reference point takes one place
constexpr int kEllipseQuarter = 9;                         // steps from the +x axis to the +y axis
constexpr int kArcChords = 17;                             // chords of each of the arc's two edges
constexpr double kSmallAngle = 1e-2;  // rad; below it the arc's shear terms use their series

// n vertices on a circle of radius r, counter-clockwise from the +x axis
std::vector<Point> CircleVertices(double r, int n) {
  std::vector<Point> p;
  for (int k = 0; k < n; ++k) {
    const double angle = 2 * kPi * k / n;
    p.push_back({r * std::cos(angle), r * std::sin(angle)});
  }
  return p;
}

// the same vertices walked the other way round from the same first one: holes run clockwise
std::vector<Point> Clockwise(std::vector<Point> p) {
  if (!p.empty()) std::reverse(p.begin() + 1, p.end());
  return p;
}

// 36 vertices, counter-clockwise from (a, 0), at equal steps of the parametric angle t:
// (a cos t, b sin t), 10° apart, vertex 10 at (0, b). The outline is the affine image of a
// regular 36-gon, the inscribed 36-gon of largest area however flat the ellipse; rays at
// equal polar angles crowd the vertices near the ends of the longer axis instead and cut
// off most of a flat ellipse. The other quadrants mirror the first, so the outline keeps
// both symmetries exactly.
std::vector<Point> EllipseVertices(double a, double b) {
  std::array<Point, kEllipseQuarter + 1> quarter;
  quarter[0] = {a, 0};
  for (int k = 1; k < kEllipseQuarter; ++k) {
    const double t = kPi / 2 * k / kEllipseQuarter;
    quarter[k] = {a * std::cos(t), b * std::sin(t)};
  }
  quarter[kEllipseQuarter] = {0, b};
  std::vector<Point> p(quarter.begin(), quarter.end());  // 1..10
  for (int k = kEllipseQuarter - 1; k >= 0; --k)
    p.push_back({-quarter[k].x, quarter[k].y});                                       // 11..19
  for (int k = 2 * kEllipseQuarter - 1; k >= 1; --k) p.push_back({p[k].x, -p[k].y});  // 20..36
  return p;
}

// The plastic moduli of an ellipse x^2/a^2 + y^2/b^2 <= 1 [cm^3, a and b in mm]. The axes
// of symmetry halve the area, so they are the plastic axes. The half above the x axis has
// the first moment S = ∫0..b y·2a·sqrt(1 - y^2/b^2) dy = 2ab^2/3, and Wplx = 2S = 4ab^2/3
// (the circle's D^3/6 stretched by a/r along x and b/r along y); Wply = 4a^2b/3 likewise.
// The drawn 36-gon would give about 0.76 % less whatever the axis ratio: the outline holds
// no more vertices, so the closed forms are stored.
struct EllipseModuli {
  double wplx, wply;
};
EllipseModuli EllipsePlasticModuli(double a, double b) {
  return {4 * a * b * b / 3000, 4 * a * a * b / 3000};
}

// the exact plastic moduli of a doubly symmetric section: both plastic axes through the
// centroid
void StorePlasticModuli(PropertiesRecord& r, const EllipseModuli& w) {
  r[slot::Wplx] = w.wplx;
  r[slot::Wply] = w.wply;
  r[slot::xpl] = r[slot::ypl] = 0;
}

// the true ellipse (a circle when a = b) for the finite elements: 256 points counter-clockwise
// (a hole turns them, as its drawn points are), whose polygon holds 1e-4 less area than the curve
std::vector<Point> TrueEllipse(double a, double b) {
  constexpr int kPoints = 256;
  std::vector<Point> p;
  for (int k = 0; k < kPoints; ++k)
    p.push_back({a * std::cos(2 * kPi * k / kPoints), b * std::sin(2 * kPi * k / kPoints)});
  return p;
}

// the vertex count of a circle: 35 for the closed forms, else the typed corners; 0 after
// refusing a count the outline cannot hold
int CircleVertexCount(Generation& g) {
  if (g.settings.exactFormulas) return kExactCircleVertices;
  if (g.settings.corners < kFewestCorners || g.settings.corners > kMostCorners) {
    g.refuse("Niewłaściwa liczba narożników", "(od 3 do 36)");
    return 0;
  }
  return g.settings.corners;
}

// sin a - a cos a and a - sin a cos a of the arc's half angle a; both start with a^3, so
// for a small angle their series keep the digits the differences would lose
double ArcNumerator(double a) {
  if (a < kSmallAngle) return a * a * a * (1.0 / 3 - a * a / 30 + a * a * a * a / 840);
  return std::sin(a) - a * std::cos(a);
}
double ArcDenominator(double a) {
  if (a < kSmallAngle) return a * a * a * (2.0 / 3 - 2 * a * a / 15 + 4 * a * a * a * a / 315);
  return a - std::sin(a) * std::cos(a);
}

}  // namespace

void Prostokat(Generation& g) {
  if (!CheckDimensions(g, {1, 2})) return;
  const double H = g.dim(1), B = g.dim(2);
  PropertiesRecord& r = g.props();
  r.setName(g.dimText(1) + "x" + g.dimText(2));
  const std::vector<Point> outline = {
      {B / 2, H / 2}, {-B / 2, H / 2}, {-B / 2, -H / 2}, {B / 2, -H / 2}};
  g.figure().setOuter(outline, {0, 0});

  const double t = std::min(H, B), b = std::max(H, B);
  r[slot::d1] = H;
  r[slot::d4] = B;
  r[slot::A] = H * B / 100;
  r[slot::Avx] = r[slot::Avy] = 0.9 * r[slot::A];
  // no integration: the centroid stays at the origin with al = 0, so J1 is always about x
  r[slot::J1] = B * H * H * H / 120000;
  r[slot::J2] = H * B * B * B / 120000;
  // the timber and concrete rectangles show their moduli as the tab's own do
  if (g.model.kind == kProste || g.model.kind == kDrewniane || g.model.kind == kZelbetowe)
    ObliczWskaznikiFigury(g);
  r[slot::Jt] = t * t * t * b / 30000;
  r[slot::Wt] = t * t * b / 3000;
  double ws = 0;
  r[slot::Js] = SkretProstokata(t, b, &ws) / 10000;
  r[slot::Ws] = ws;
  r[slot::Ivx] = (0.9 * H) * (0.9 * H) * (0.9 * H * B) / 120000;
  r[slot::Ivy] = (0.9 * B) * (0.9 * B) * (0.9 * B * H) / 120000;
  r[slot::Oz] = 2 * (H + B);
  Finish(g, t / 10, t / 10, {4, 5, 7});
  AddDimension(g.model, 0, 1, 4, 15, H);  // the right edge
  AddDimension(g.model, 1, 3, 4, 15, B);  // the bottom edge
}

void Kolo(Generation& g) {
  if (!CheckDimensions(g, {1})) return;
  const int n = CircleVertexCount(g);
  if (n == 0) return;
  const double D = g.dim(1);
  PropertiesRecord& r = g.props();
  r.setName("Fi " + g.selection.texts[0]);
  g.figure().setOuter(CircleVertices(D / 2, n), {0, 0});

  if (g.settings.exactFormulas) {
    // the outline is only drawn: every value is the circle's own
    g.figure().exactOuter = TrueEllipse(D / 2, D / 2);
    r[slot::d1] = D;
    r[slot::A] = kPi * D * D / 400;
    r[slot::Avx] = r[slot::Avy] = r[slot::A];
    r[slot::J1] = r[slot::J2] = kPi * D * D * D * D / 640000;
    r[slot::Jt] = 2 * r[slot::J1];
    r[slot::Wcx] = r[slot::Wtx] = r[slot::Wcy] = r[slot::Wty] = r[slot::J1] / (D / 20);
    r[slot::Wplx] = r[slot::Wply] = D * D * D / 6000;
    r[slot::Wt] = r[slot::Jt] / (D / 20);
    r[slot::Oz] = kPi * D;
    Finish(g, 0, 0, {4, 5, 7});
    AddDimension(g.model, 1, 1, 19, 15, D);  // across the circle, from its point on +x
    return;
  }
  // the inscribed polygon ("Przekrój wpisany") as drawn
  if (!IntegrateFigure(g)) return;
  r[slot::Avx] = r[slot::Avy] = r[slot::A];
  r[slot::Jt] = r[slot::J1] + r[slot::J2];
  r[slot::Wt] = r[slot::Jt] / (D / 20);
  r[slot::Oz] = Obwod(g.figure(), true);
  ObliczWskaznikiFigury(g);
  Finish(g, 0, 0, {4, 5, 7});
}

void Elipsa(Generation& g) {
  if (!CheckDimensions(g, {1, 2})) return;
  const double a = g.dim(1) / 2, b = g.dim(2) / 2;
  PropertiesRecord& r = g.props();
  // named so that the moduli below are computed: an unnamed record is left alone
  r.setName("Elipsa " + g.dimText(1) + "x" + g.dimText(2));
  g.figure().setOuter(EllipseVertices(a, b), {0, 0});
  g.figure().exactOuter = TrueEllipse(a, b);

  r[slot::A] = kPi * a * b / 100;
  r[slot::J1] = kPi * a * b * b * b / 40000;
  r[slot::J2] = kPi * a * a * a * b / 40000;
  r[slot::Jt] = kPi * a * a * a * b * b * b / (a * a + b * b) / 10000;
  ObliczWskaznikiFigury(g);
  StorePlasticModuli(r, EllipsePlasticModuli(a, b));
  r[slot::Wcx] = r[slot::Wtx] = r[slot::J1] / (b / 10);
  r[slot::Wcy] = r[slot::Wty] = r[slot::J2] / (a / 10);
  const double s = std::min(a, b), l = std::max(a, b);
  r[slot::Wt] = kPi * s * s * l / 2000;
  r[slot::Oz] = Obwod(g.figure(), true);
  Finish(g, 0, 0, {4, 5, 7});
}

void RuraOkragla(Generation& g) {
  if (!CheckDimensions(g, {1, 2})) return;
  const double D = g.dim(1), t = g.dim(2);
  if (t > D / 2) {
    g.refuse("Za duża grubość");
    return;
  }
  const int n = CircleVertexCount(g);
  if (n == 0) return;
  PropertiesRecord& r = g.props();
  r.setName("R " + g.dimText(1) + "/" + g.dimText(2));
  FigureRecord& f = g.figure();
  f.setOuter(CircleVertices(D / 2, n), {D / 2 - t / 2, 0});  // in the wall, for the sketch's fill
  f.setInner(Clockwise(CircleVertices(D / 2 - t, n)));

  r[slot::d1] = D;
  r[slot::d3] = t;
  const double d = D - 2 * t;  // the bore
  if (g.settings.exactFormulas) {
    f.exactOuter = TrueEllipse(D / 2, D / 2);
    f.exactInner = Clockwise(TrueEllipse(d / 2, d / 2));
    r[slot::A] = (D * D - d * d) * kPi / 400;
    r[slot::J1] = r[slot::J2] = (D * D * D * D - d * d * d * d) * kPi / 640000;
    r[slot::Wcx] = r[slot::Wtx] = r[slot::Wcy] = r[slot::Wty] = r[slot::J1] / (D / 20);
    r[slot::Wplx] = r[slot::Wply] = (D * D * D - d * d * d) / 6000;
    r[slot::Ivx] = r[slot::Ivy] = (D - t) * (D - t) * 2 * t * (D - t) / 120000;
    r[slot::Jt] = 2 * r[slot::J1];
    r[slot::Oz] = kPi * D;
    r[slot::Ow] = kPi * d;
  } else {
    if (!IntegrateFigure(g)) return;
    r[slot::Jt] = r[slot::J1] + r[slot::J2];
    r[slot::Oz] = Obwod(f, true);
    r[slot::Ow] = Obwod(f, false);
    ObliczWskaznikiFigury(g);
  }
  r[slot::Avx] = r[slot::Avy] = 2 * t * (D - t) / 100;
  r[slot::Wt] = r[slot::Jt] / (D / 20);
  Finish(g, 0, 0, {4, 5});
  if (!g.settings.exactFormulas) return;
  AddDimension(g.model, 1, 1, 19, 15, D);  // across the circle, from its point on +x
  // the wall on the +x axis: outer point 1 to inner point 1, numbered after the reference point
  AddDimension(g.model, 1, 1, n + 2, -15, t);
}

void RuraEliptyczna(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 5})) return;
  const double a = g.dim(1) / 2, b = g.dim(2) / 2, t = g.dim(5);
  if (t > std::min(a, b)) {
    g.refuse("Za duża grubość");
    return;
  }
  PropertiesRecord& r = g.props();
  // named so that the moduli below are computed: an unnamed record is left alone
  r.setName("R " + g.dimText(1) + "x" + g.dimText(2) + "/" + g.dimText(5));
  FigureRecord& f = g.figure();
  f.setOuter(EllipseVertices(a, b), {a - t / 2, 0});  // in the wall, for the sketch's fill
  const double ai = a - t, bi = b - t;
  f.setInner(Clockwise(EllipseVertices(ai, bi)));
  f.exactOuter = TrueEllipse(a, b);
  f.exactInner = Clockwise(TrueEllipse(ai, bi));

  r[slot::A] = (a * b - ai * bi) * kPi / 100;
  r[slot::J1] = (a * b * b * b - ai * bi * bi * bi) * kPi / 40000;
  r[slot::J2] = (a * a * a * b - ai * ai * ai * bi) * kPi / 40000;
  if (g.model.kind == kProste) {
    ObliczWskaznikiFigury(g);
    // the hole's moduli subtract: the same axes of symmetry halve both ellipses
    const EllipseModuli outer = EllipsePlasticModuli(a, b), hole = EllipsePlasticModuli(ai, bi);
    StorePlasticModuli(r, {outer.wplx - hole.wplx, outer.wply - hole.wply});
  }
  r[slot::Wcx] = r[slot::Wtx] = r[slot::J1] / (b / 10);
  r[slot::Wcy] = r[slot::Wty] = r[slot::J2] / (a / 10);
  r[slot::xS] = r[slot::yS] = r[slot::al] = 0;
  r[slot::Oz] = Obwod(f, true);
  r[slot::Ow] = Obwod(f, false);
  // a closed thin wall (Bredt) along the mid-line ellipse, its length the two edges' mean
  const double midArea = kPi * (a - t / 2) * (b - t / 2);
  r[slot::Jt] = 8 * midArea * midArea * t / (r[slot::Oz] + r[slot::Ow]) / 10000;
  r[slot::Wt] = 2 * midArea * t / 1000;
  Finish(g, 0, 0, {4, 5});
  AddDimension(g.model, 1, 1, 19, 15, 2 * a);   // the width, across on the x axis
  AddDimension(g.model, 0, 10, 28, 15, 2 * b);  // the height, across on the y axis
}

void Luk(Generation& g) {
  if (!CheckDimensions(g, {2, 3}, {1})) return;
  const double R = g.dim(1), t = g.dim(2);
  const double phiDeg = std::min(g.dim(3), 180.0);  // as the angle's edit caps it
  const double phi = phiDeg * kPi / 180;
  PropertiesRecord& r = g.props();
  r.setName("Łuk" + LiczbaOgolna(R, 4) + "/" + LiczbaOgolna(t, 4) + "/" + LiczbaOgolna(phiDeg, 4) +
            "°");

  // the outer edge from 0 to phi, the inner one back, each by `chords` equal chords
  auto sector = [&](int chords) {
    std::vector<Point> p;
    for (int k = 0; k <= chords; ++k) {
      const double angle = k * phi / chords;
      p.push_back({(R + t) * std::cos(angle), (R + t) * std::sin(angle)});
    }
    for (int k = 0; k <= chords; ++k) {
      const double angle = phi - k * phi / chords;
      p.push_back({R * std::cos(angle), R * std::sin(angle)});
    }
    return p;
  };
  const std::vector<Point> outline = sector(kArcChords);
  // in the wall near its first end; an arc too short to hold that point gets the middle of
  // its wall on the bisector
  const double mid = R + t / 2;
  Point reference{mid, t / 2};
  if (std::atan2(t / 2, mid) >= phi) reference = {mid * std::cos(phi / 2), mid * std::sin(phi / 2)};
  FigureRecord& f = g.figure();
  f.setOuter(outline, reference);
  // the true edges for the finite elements: the drawn chords thin the wall by 0,4 % in their
  // middles, which costs J 1 %
  f.exactOuter = sector(8 * kArcChords);
  if (!IntegrateFigure(g)) return;
  if (g.model.kind == kProste) ObliczWskaznikiFigury(g);

  // open thin wall: the mid-line's length times t^3/3
  r[slot::Jt] = t * t * (mid * phi * t) / 30000;
  r[slot::Wt] = r[slot::Jt] / (t / 10);
  // the open circular arc of half angle alpha: its shear centre lies on the bisector at e from
  // the arc's centre (beyond the wall), its warping constant is
  // (2/3)·R^5·t·(alpha^3 - 6·(sin alpha - alpha cos alpha)^2 / (alpha - sin alpha cos alpha))
  const double alpha = phi / 2;
  const double num = ArcNumerator(alpha), den = ArcDenominator(alpha);
  const double e = 2 * R * num / den;
  const double warping = std::max(0.0, alpha * alpha * alpha - 6 * num * num / den);
  r[slot::Jw] = warping * (2.0 / 3) * std::pow(R, 5) * t / 1e6;
  r[slot::xT] = e * std::cos(alpha);
  r[slot::yT] = e * std::sin(alpha);
  r[slot::Oz] = Obwod(f, true);
  Finish(g, t / 10, t / 10, {4, 7});
  f.setDim(1, FormatLiczby(-1, "", t));
  f.setDim(2, FormatLiczby(-1, "", phiDeg));
  f.setDim(3, FormatLiczby(-1, "", R));
  AddDimension(g.model, 1, 1, 2 * kArcChords + 2, 15, t);  // across the wall at angle 0
}

void ZmiennaWysokosc(Selection& selection, double gradient, double position) {
  if (selection.kind == kDrewniane || selection.kind == kZelbetowe) {
    // centimetres: the timber web's height, the concrete height (the square's both sides)
    std::vector<int> texts;
    if (selection.kind == kDrewniane) {
      if (const int t = TimberHeightText(selection.sub); t >= 0) texts.push_back(t);
    } else if (selection.sub >= kZbProstokatny && selection.sub < kConcreteShapes) {
      texts.push_back(kZbHeight);
      if (selection.sub == kZbKwadratowy) texts.push_back(kZbWidth);
    }
    for (int t : texts) {
      const double value = CzytajLiczbe(selection.texts[t]) + position * gradient / 10;
      selection.setText(t, FormatWymiaru(0, 8, 4, value) + " cm");
    }
    return;
  }
  if (selection.kind != kProste) return;
  const int sub = selection.sub;
  if (sub != 0 && sub != 1 && sub != 2 && sub != 4 && sub != 5) return;
  // the varying dimension is text 1, for the rectangular pipe text 3
  const int depth = sub == 2 && selection.variant == 3 ? 2 : 0;
  const double value = CzytajLiczbe(selection.texts[depth]) + position * gradient;
  selection.setText(depth, FormatWymiaru(0, 8, 4, value));
}

}  // namespace tarvik
