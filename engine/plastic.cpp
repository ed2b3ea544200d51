#include "engine/plastic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvik {
namespace {

// The line is found to this fraction of the section's depth across it: a 100 m section
// to 0.1 µm, a 0.1 mm one to 1e-13 mm. The balance only changes sign once, so bisection
// needs about 40 halvings whatever the size; the cap only stops a NaN that slipped through.
constexpr double kRelativeTolerance = 1e-12;
constexpr int kMostHalvings = 200;
// areas that balance to this fraction of the whole are equal: the rounding of the sums
constexpr double kBalanced = 1e-13;

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

// doubled area beyond the line on the negative side less that on the positive side: it
// falls from +2A to -2A as the material moves across the line (shift grows)
double Imbalance(const std::vector<PlasticContour>& contours, int axis, double shift) {
  const BothSides area = Sum(contours, axis, shift, AreaTerm);
  return area.negative - area.positive;
}

struct AxisResult {
  bool found = false;
  double shift = 0;
  double modulus = 0;  // cm^3
};

AxisResult SearchAxis(const std::vector<PlasticContour>& contours, int axis) {
  double lowest = std::numeric_limits<double>::infinity(), highest = -lowest;
  for (const PlasticContour& contour : contours)
    for (Point p : contour.points) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
      lowest = std::min(lowest, C(p, axis));
      highest = std::max(highest, C(p, axis));
    }
  const double depth = highest - lowest;
  if (!(depth > 0) || !std::isfinite(depth)) return {};
  // moved by -highest the material lies wholly on the negative side, by -lowest wholly on
  // the positive side; without material on both ends there is no line to find
  double below = -highest, above = -lowest;
  const double whole = Imbalance(contours, axis, below);  // twice the area
  if (!(whole > 0) || !(Imbalance(contours, axis, above) < 0)) return {};
  // the centroid first: a symmetric section balances there, and its axis is stored as 0
  // rather than as the bisection's last 1e-11 mm
  const double centroid = Imbalance(contours, axis, 0);
  if (std::isnan(centroid)) return {};
  if (std::fabs(centroid) <= kBalanced * whole)
    below = above = 0;
  else if (below < 0 && 0 < above)
    (centroid > 0 ? below : above) = 0;
  for (int halvings = 0; above - below > kRelativeTolerance * depth; ++halvings) {
    if (halvings == kMostHalvings) return {};
    const double middle = below + (above - below) / 2;
    if (middle <= below || middle >= above) break;  // as close as the coordinates resolve
    const double imbalance = Imbalance(contours, axis, middle);
    if (std::isnan(imbalance)) return {};
    if (imbalance > 0)
      below = middle;
    else if (imbalance < 0)
      above = middle;
    else
      below = above = middle;
  }
  const double shift = below + (above - below) / 2;

  auto moment = [axis](Point a, Point b) {
    if (axis == 1) return -(a.x * a.x + a.x * b.x + b.x * b.x) * (a.y - b.y);
    return -(a.y * a.y + a.y * b.y + b.y * b.y) * (b.x - a.x);
  };
  const BothSides s = Sum(contours, axis, shift, moment);
  const double modulus = (s.positive + s.negative) / 6000;
  if (!std::isfinite(modulus)) return {};
  return {true, shift, modulus};
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

PlasticOutcome SzukajOsiPlastycznych(const std::vector<PlasticContour>& contours,
                                     PropertiesRecord& r) {
  PlasticOutcome outcome;
  if (AxisResult v = SearchAxis(contours, 1); v.found) {
    r[slot::Wply] = v.modulus;
    r[slot::xpl] = v.shift;
  } else {
    outcome.wplyMissing = true;
  }
  if (AxisResult u = SearchAxis(contours, 2); u.found) {
    r[slot::Wplx] = u.modulus;
    r[slot::ypl] = u.shift;
  } else {
    outcome.wplxMissing = true;
  }
  return outcome;
}

void ReportPlasticAxes(const PlasticOutcome& outcome, MessageSink& sink) {
  if (outcome.ok()) return;
  // Wplx bends about the x axis, Wply about the y axis: the names the results show
  const char* axes = !outcome.wplyMissing   ? "(oś x)"
                     : !outcome.wplxMissing ? "(oś y)"
                                            : "(osie x i y)";
  sink.show({"UWAGA", "Nie wyznaczono osi plastycznej", "OK", {}, axes});
}

}  // namespace tarvik
