#include "generators/arbitrary_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/integration.h"
#include "engine/numbers.h"
#include "generators/generator.h"

namespace tarvik {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kLargestDimension = 1e5;  // mm, as for every generator
constexpr char kBadDimensions[] = "Niewłaściwe wymiary figury";

double Rad(double degrees) { return degrees * kPi / 180; }

// the point at angle degrees on the circle of radius r about the origin
Point OnCircle(double r, double degrees) {
  return {r * std::cos(Rad(degrees)), r * std::sin(Rad(degrees))};
}

// arc points 1..n+1 from angle `from` in n equal steps of `step` degrees
std::vector<Point> Arc(double r, double from, double step, int n) {
  std::vector<Point> p;
  for (int i = 0; i <= n; ++i) p.push_back(OnCircle(r, from + i * step));
  return p;
}

// the arc steps of a sector: ten degrees a step, halves to even, 4 to 34 so that its arc,
// the centre and the reference point fit the contour
int SectorSteps(double alpha) {
  return std::clamp(static_cast<int>(std::nearbyint(alpha / 10)), 4, 34);
}

// the arc steps of a segment: ten degrees a step, at least 4. From 355° on the rule would
// give 36 steps, 37 arc points and the reference point, one more than a contour holds: the
// steps are capped at 35 (a step of 10.1° to 10.3° instead of 10°), so the widest segments
// are drawn a little coarser rather than refused.
int SegmentSteps(double alpha) {
  return std::clamp(static_cast<int>(std::nearbyint(alpha / 10)), 4, 35);
}

// the contour of a shape: its vertices, and the reference point of a solid
struct Contour {
  std::vector<Point> vertices;
  Point reference;
};

// the hole has the same six points as the solid
Contour Hexagon(double a) {
  Contour c;
  for (int i = 0; i < 6; ++i) c.vertices.push_back(OnCircle(a, 60.0 * i));
  c.reference = c.vertices.front();
  return c;
}

Contour Rectangle(double b, double h, bool hole) {
  if (hole) return {{{0, 0}, {0, h}, {b, h}, {b, 0}}, {}};
  return {{{0, 0}, {b, 0}, {b, h}, {0, h}}, {0, 0}};
}

Contour Triangle(double a, double h, double phi, bool hole) {
  const Point apex{h * std::cos(Rad(phi)) / std::sin(Rad(phi)), h};
  if (hole) return {{{a, 0}, {0, 0}, apex}, {}};
  return {{{0, 0}, {a, 0}, apex}, {0, 0}};
}

Contour Circle(double r, bool hole) {
  Contour c;
  const double sign = hole ? -1 : 1;
  for (int i = 0; i < 35; ++i) c.vertices.push_back(OnCircle(r, sign * 360.0 * i / 35));
  // the closing point repeats the first exactly: the hole's as its 36th vertex, the solid's
  // as its reference point
  if (hole) c.vertices.push_back(c.vertices.front());
  c.reference = c.vertices.front();
  return c;
}

Contour Semicircle(double r, bool hole) {
  Contour c{Arc(r, 0, 10, 18), {0, 0}};
  if (hole)
    for (Point& p : c.vertices) p.x = -p.x;
  return c;
}

Contour Sector(double r, double alpha, bool hole) {
  const int n = SectorSteps(alpha);
  Contour c;
  if (hole) {
    c.vertices = Arc(r, 90 + alpha / 2, -alpha / n, n);
  } else {
    c.vertices = Arc(r, 90 - alpha / 2, alpha / n, n);
  }
  c.vertices.push_back({0, 0});
  c.reference = {0, 0};
  return c;
}

Contour Segment(double r, double alpha, bool hole) {
  const int n = SegmentSteps(alpha);
  Contour c;
  if (hole) {
    c.vertices = Arc(r, 90 + alpha / 2, -alpha / n, n);
  } else {
    c.vertices = Arc(r, 90 - alpha / 2, alpha / n, n);
    c.reference = {0, c.vertices.front().y};  // the middle of the chord
  }
  return c;
}

bool Positive(double v) { return v > 0 && v <= kLargestDimension; }

// why the dimensions give no figure; empty when they do
std::string Refusal(const Ksztalt& k) {
  const std::string bad = kBadDimensions;
  switch (k.kod) {
    case kSzesciokat:
    case kKolo:
    case kPolkole:
      return Positive(k.a) ? "" : bad;
    case kProstokat:
      return Positive(k.a) && Positive(k.b) ? "" : bad;
    case kTrojkat: {
      if (!Positive(k.a) || !Positive(k.b)) return bad;
      if (!(k.kat > 0 && k.kat < 180)) return bad + " (kąt przy podstawie)";
      // an apex far beyond the base: a base angle within a hair of 0° or 180°
      const double apex = k.b * std::cos(Rad(k.kat)) / std::sin(Rad(k.kat));
      return std::fabs(apex) <= kLargestDimension ? "" : bad + " (kąt przy podstawie)";
    }
    case kWycinek:
    case kOdcinek:
      if (!Positive(k.a) || !(k.b > 0)) return bad;
      if (k.b > 360) return bad + " (kąt środkowy powyżej 360°)";
      if (k.kod == kOdcinek && (k.h < 0 || k.h > 2 * k.a * (1 + 1e-12)))
        return bad + " (wysokość powyżej średnicy)";
      return "";
    default:
      return "Nieznana figura";
  }
}

Contour Outline(const Ksztalt& k, bool hole) {
  switch (k.kod) {
    case kSzesciokat:
      return Hexagon(k.a);
    case kProstokat:
      return Rectangle(k.a, k.b, hole);
    case kTrojkat:
      return Triangle(k.a, k.b, k.kat, hole);
    case kKolo:
      return Circle(k.a, hole);
    case kPolkole:
      return Semicircle(k.a, hole);
    case kWycinek:
      return Sector(k.a, k.b, hole);
    default:
      return Segment(k.a, k.b, hole);
  }
}

// Saint-Venant constant of a sector per R^4, by its central angle [degrees]: the published
// coefficients, linear between them
double SectorCoefficient(double alpha) {
  static constexpr std::array<double, 6> kAngle = {0, 45, 90, 180, 270, 360};
  static constexpr std::array<double, 6> kCoefficient = {0, 0.0181, 0.0823, 0.2976, 0.5725, 0.8781};
  alpha = std::clamp(alpha, 0.0, 360.0);
  size_t i = 1;
  while (i + 1 < kAngle.size() && alpha > kAngle[i]) ++i;
  const double f = (alpha - kAngle[i - 1]) / (kAngle[i] - kAngle[i - 1]);
  return kCoefficient[i - 1] + f * (kCoefficient[i] - kCoefficient[i - 1]);
}

// the shape's own torsion constant [cm^4] and modulus [cm^3] (0: none known), shear areas
// and the result flags that say which of them apply
void Torsion(const FigureRecord& fig, SectionModel& model, PropertiesRecord& r) {
  const double d1 = CzytajLiczbe(fig.dims[0]), d2 = CzytajLiczbe(fig.dims[1]);
  switch (fig.selection[1]) {
    case kSzesciokat:
      r[slot::Jt] = 1.035 * std::pow(d1, 4) / 10000;
      r[slot::Wt] = 0.567 * std::sqrt(3.0) * std::pow(d1, 3) / 1000;
      break;
    case kProstokat: {
      double modulus = 0;
      r[slot::Jt] = SkretProstokata(d1, d2, &modulus) / 10000;
      r[slot::Wt] = modulus;
      r[slot::Avx] = r[slot::Avy] = 0.9 * r[slot::A];
      break;
    }
    case kTrojkat:
      if (fig.selection[2] == kRownoboczny) {
        r[slot::Jt] = std::sqrt(3.0) * std::pow(d1, 4) / 800000;
        r[slot::Wt] = std::pow(d1, 3) / 20000;
      } else {
        model.flags[1] = model.flags[2] = true;
      }
      break;
    case kKolo:
      r[slot::Jt] = 2 * r[slot::J1];
      r[slot::Wt] = r[slot::Jt] / (d1 / 10);
      r[slot::Avx] = r[slot::Avy] = r[slot::A];
      break;
    case kPolkole:
      r[slot::Jt] = 0.2976 * std::pow(d1, 4) / 10000;
      r[slot::Wt] = r[slot::Jt] / (0.85 * d1 / 10);
      break;
    case kWycinek:
      r[slot::Jt] = SectorCoefficient(d2) * std::pow(d1, 4) / 10000;
      if (d2 == 180) r[slot::Wt] = r[slot::Jt] / (0.85 * d1 / 10);
      break;
    case kOdcinek:
      if (d2 >= 180) {
        const double h = d1 * (1 + std::sin(Rad(d2 / 2 - 90)));
        r[slot::Jt] = std::pow(d1, 4) * (2.5952 * h / (2 * d1) - 1) / 10000;
        r[slot::Wt] = r[slot::Jt] * 10 / (d1 * (0.3 * h / (2 * d1) + 0.7));
      } else {
        model.flags[1] = model.flags[2] = true;
      }
      break;
    default:
      break;
  }
}

}  // namespace

std::string TekstWymiaru(double value, bool angle) {
  return FormatWymiaru(0, 0, 0, value) + (angle ? "°" : " mm");
}

std::string NazwaKsztaltu(const Ksztalt& k) {
  auto n = [](double v) { return FormatWymiaru(0, 0, 0, v); };
  switch (k.kod) {
    case kSzesciokat:
      return "6K " + n(k.a);
    case kProstokat:
      return "Pr " + n(k.a) + "x" + n(k.b);
    case kTrojkat:
      return "Tr " + n(k.a) + "_" + n(k.b);
    case kKolo:
    case kPolkole:
      return "R " + n(k.a);
    default:
      return "R/a " + n(k.a) + "/" + n(k.b);
  }
}

bool ZbudujKsztalt(const Ksztalt& k, bool hole, FigureRecord& fig, std::string& error) {
  error = Refusal(k);
  if (!error.empty()) return false;
  const Contour c = Outline(k, hole);
  FigureRecord built;
  // no contour is ever written past its 37 places
  if (hole ? !built.setInner(c.vertices) : !built.setOuter(c.vertices, c.reference)) {
    error = std::string(kBadDimensions) + " (za wiele punktów)";
    return false;
  }
  built.props.setName(NazwaKsztaltu(k));
  built.selection[0] = kDowolne;
  built.selection[1] = k.kod;
  if (k.kod == kTrojkat) built.selection[2] = k.rodzaj;
  const bool twoDims = k.kod != kSzesciokat && k.kod != kKolo && k.kod != kPolkole;
  built.setDim(0, TekstWymiaru(k.a, false));
  if (twoDims) built.setDim(1, TekstWymiaru(k.b, k.kod == kWycinek || k.kod == kOdcinek));
  fig = built;
  return true;
}

bool WlasnosciKsztaltu(SectionModel& model, MessageSink& sink) {
  FigureRecord& fig = model.working();
  PropertiesRecord& r = model.section;
  r.clear();
  r.setName(fig.props.name());
  model.flags = {};
  const bool hole = fig.outerCount() == 0;
  bool integrated = false;
  if (!hole) {
    integrated = ObliczFigure(model, r, sink);
  } else if (fig.innerCount() < 3) {
    sink.show(Blad("Zerowe pole przekroju"));
  } else {
    // the hole integrated as the material it takes away, then counted negative
    SectionModel alone;
    alone.kind = kDowolne;
    const std::span<const Point> vertices(fig.inner.data(), fig.innerCount());
    alone.working().setOuter(vertices, vertices.front());
    integrated = ObliczFigure(alone, r, sink);
  }
  if (!integrated) {  // nothing half-computed stays behind
    r.clear();
    fig.props.clear();
    return false;
  }
  Torsion(fig, model, r);
  if (hole) {
    for (int k : {slot::A, slot::J1, slot::J2, slot::Jt}) r[k] = -r[k];
    r[slot::Wt] = r[slot::Avx] = r[slot::Avy] = 0;
  }
  if (fig.outerCount() > 0) r[slot::Oz] = Obwod(fig, true);
  if (fig.innerCount() > 0) r[slot::Ow] = Obwod(fig, false);
  for (int f : {0, 3, 4, 5}) model.flags[f] = true;
  fig.props = r;
  return true;
}

}  // namespace tarvik
