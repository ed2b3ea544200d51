#include "engine/plastic.h"

#include <cmath>

namespace tarvik {
namespace {

constexpr double kFirstStep = 10;      // mm
constexpr double kTolerance = 0.0001;  // doubled area, mm^2
constexpr int kMaxSteps = 1000;

// the tested coordinate c and the other one d of a point
double& C(Point& p, int axis) { return axis == 1 ? p.x : p.y; }
double& D(Point& p, int axis) { return axis == 1 ? p.y : p.x; }

// doubled area (what) or six times the first moment about the line (moment), summed over
// both sides of the line c = -shift; holes subtract whatever their direction
struct BothSides {
  double positive = 0;
  double negative = 0;
};

template <typename Term>
BothSides Sum(const std::vector<PlasticContour>& contours, int axis, double shift, Term term) {
  BothSides total;
  for (const PlasticContour& contour : contours) {
    double plus = 0, minus = 0;
    for (size_t i = 0; i + 1 < contour.points.size(); ++i) {
      Point a = contour.points[i], b = contour.points[i + 1];
      C(a, axis) += shift;
      C(b, axis) += shift;
      auto [pa, pb] = PrzytnijOdcinek(a, b, axis, Side::kPositive);
      auto [na, nb] = PrzytnijOdcinek(a, b, axis, Side::kNegative);
      plus += term(pa, pb);
      minus += term(na, nb);
    }
    const double sign = contour.outer ? 1 : -1;
    total.positive += sign * std::fabs(plus);
    total.negative += sign * std::fabs(minus);
  }
  return total;
}

double AreaTerm(Point a, Point b) { return -(b.x - a.x) * (b.y + a.y); }

struct AxisResult {
  bool converged = false;
  double shift = 0;
  double modulus = 0;  // cm^3
};

AxisResult SearchAxis(const std::vector<PlasticContour>& contours, int axis) {
  double shift = 0, previous = 0, step = 0, imbalance = 0;
  int counter = 0;
  do {
    ++counter;
    BothSides area = Sum(contours, axis, shift, AreaTerm);
    imbalance = area.negative - area.positive;
    if (std::fabs(imbalance) > kTolerance) {
      if (previous == 0) step = imbalance > 0 ? kFirstStep : -kFirstStep;
      if (imbalance * previous < 0) step = -step / 2;
      previous = imbalance;
      shift += step;  // moving the material by +step moves the line by -step
    }
  } while (std::fabs(imbalance) > kTolerance && counter < kMaxSteps);
  if (counter >= kMaxSteps) return {};

  auto moment = [axis](Point a, Point b) {
    if (axis == 1) return -(a.x * a.x + a.x * b.x + b.x * b.x) * (a.y - b.y);
    return -(a.y * a.y + a.y * b.y + b.y * b.y) * (b.x - a.x);
  };
  BothSides s = Sum(contours, axis, shift, moment);
  return {true, shift, (s.positive + s.negative) / 6000};
}

}  // namespace

std::pair<Point, Point> PrzytnijOdcinek(Point a, Point b, int axis, Side side) {
  const double ca = C(a, axis), cb = C(b, axis), da = D(a, axis), db = D(b, axis);
  const bool crosses = ca * cb < 0;
  const double crossing = !crosses ? 0 : da != db ? (da * cb - ca * db) / (cb - ca) : da;
  auto beyond = [side](double c) { return side == Side::kPositive ? c < 0 : c > 0; };
  Point a2 = a, b2 = b;
  if (beyond(ca)) {
    C(a2, axis) = 0;
    if (crosses) D(a2, axis) = crossing;
  }
  if (beyond(cb)) {
    C(b2, axis) = 0;
    if (crosses) D(b2, axis) = crossing;
  }
  return {a2, b2};
}

void SzukajOsiPlastycznych(const std::vector<PlasticContour>& contours, PropertiesRecord& r) {
  if (AxisResult v = SearchAxis(contours, 1); v.converged) {
    r[slot::Wply] = v.modulus;
    r[slot::xpl] = v.shift;
  }
  if (AxisResult u = SearchAxis(contours, 2); u.converged) {
    r[slot::Wplx] = u.modulus;
    r[slot::ypl] = u.shift;
  }
}

}  // namespace tarvik
