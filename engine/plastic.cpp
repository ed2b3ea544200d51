#include "engine/plastic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace tarvik {
namespace {

// Bisection, where it is still needed, finds the line to this fraction of the section's
// depth across it: a 100 m section to 0.1 µm, a 0.1 mm one to 1e-13 mm. The balance only
// changes sign once; the cap only stops a NaN that slipped through.
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

// Each edge is clipped to both sides at once: one crossing, the same points and terms as
// PrzytnijOdcinek gives each side. An edge wholly on one side (or on the line) puts both its
// ends on the line for the other side, whose term is then a zero, which `skipZeros` leaves
// out: the sums stay the same to the bit as long as no coordinate along the line is so large
// that the zero times it is not a number (SearchAxis checks this). Several lines are summed in
// one pass over the edges, each exactly as alone: its own terms, added in the same order.
template <int axis, bool skipZeros, size_t lines, typename Term>
std::array<BothSides, lines> SumAlong(const std::vector<PlasticContour>& contours,
                                      const std::array<double, lines>& shifts, Term term) {
  std::array<BothSides, lines> total{};
  for (const PlasticContour& contour : contours) {
    std::array<double, lines> plus{}, minus{};
    const std::vector<Point>& p = contour.points;
    for (size_t i = 0; i + 1 < p.size(); ++i) {
      for (size_t k = 0; k < lines; ++k) {
        Point a = p[i], b = p[i + 1];
        C(a, axis) += shifts[k];
        C(b, axis) += shifts[k];
        const double ca = C(a, axis), cb = C(b, axis);
        if (skipZeros && ca >= 0 && cb >= 0) {
          plus[k] += term(a, b);
        } else if (skipZeros && ca <= 0 && cb <= 0) {
          minus[k] += term(a, b);
        } else {
          const double da = D(a, axis), db = D(b, axis);
          const bool crosses = ca * cb < 0;
          const double crossing =
              !crosses ? 0 : da != db ? (da * cb - ca * db) / (cb - ca) : da;
          // an end beyond the line lands on it, at the crossing when the edge crosses
          Point onA = a, onB = b;
          C(onA, axis) = 0, C(onB, axis) = 0;
          if (crosses) D(onA, axis) = crossing, D(onB, axis) = crossing;
          plus[k] += term(ca < 0 ? onA : a, cb < 0 ? onB : b);
          minus[k] += term(ca > 0 ? onA : a, cb > 0 ? onB : b);
        }
      }
    }
    const double sign = contour.outer ? 1 : -1;
    for (size_t k = 0; k < lines; ++k) {
      total[k].positive += sign * std::fabs(plus[k]);
      total[k].negative += sign * std::fabs(minus[k]);
    }
  }
  return total;
}

// the contours of one search: the axis, and whether every coordinate along the line is
// small enough for SumAlong to leave out the zero terms
struct Along {
  const std::vector<PlasticContour>& contours;
  int axis;
  bool moderate;
};

template <size_t lines, typename Term>
std::array<BothSides, lines> Sum(const Along& c, const std::array<double, lines>& shifts,
                                 Term term) {
  if (c.moderate)
    return c.axis == 1 ? SumAlong<1, true>(c.contours, shifts, term)
                       : SumAlong<2, true>(c.contours, shifts, term);
  return c.axis == 1 ? SumAlong<1, false>(c.contours, shifts, term)
                     : SumAlong<2, false>(c.contours, shifts, term);
}

struct AreaTerm {
  double operator()(Point a, Point b) const { return -(b.x - a.x) * (b.y + a.y); }
};

// doubled area beyond the line on the negative side less that on the positive side: it
// falls from +2A to -2A as the material moves across the line (shift grows)
template <size_t lines>
std::array<double, lines> Imbalances(const Along& contours,
                                     const std::array<double, lines>& shifts) {
  const std::array<BothSides, lines> area = Sum(contours, shifts, AreaTerm{});
  std::array<double, lines> imbalance;
  for (size_t k = 0; k < lines; ++k) imbalance[k] = area[k].negative - area[k].positive;
  return imbalance;
}

double Imbalance(const Along& contours, double shift) {
  return Imbalances(contours, std::array{shift})[0];
}

struct AxisResult {
  bool found = false;
  double shift = 0;
  double modulus = 0;  // cm^3
};

// Where the imbalance changes sign between `below`, where it is atBelow > 0, and `above`,
// where it is atAbove < 0. Between two neighbouring coordinates of the vertices along the axis
// every edge crossing the line moves linearly with it, so the area on either side, and the
// imbalance, is quadratic in the shift there. Halving over the vertices' coordinates finds
// the pair that brackets the sign change; the quadratic through the imbalance at both of
// them and half-way between gives the root. Bisection inside the pair is left for a
// quadratic that yields no root there, which only rounding can make.
std::optional<double> Balance(const Along& along, double below, double atBelow, double above,
                              double atAbove, double depth) {
  // the shifts that put a vertex on the line, strictly between the ends
  std::vector<double> inside;
  for (const PlasticContour& contour : along.contours)
    for (Point p : contour.points)
      if (const double s = -C(p, along.axis); below < s && s < above) inside.push_back(s);
  while (!inside.empty()) {
    // the median of those left: selection needs no sorting, and halves what is left
    const auto middle = inside.begin() + static_cast<std::ptrdiff_t>(inside.size() / 2);
    std::nth_element(inside.begin(), middle, inside.end());
    const double s = *middle;
    const double imbalance = Imbalance(along, s);
    if (std::isnan(imbalance)) return std::nullopt;
    if (imbalance == 0) return s;
    if (imbalance > 0)
      below = s, atBelow = imbalance;
    else
      above = s, atAbove = imbalance;
    std::erase_if(inside, [&](double v) { return !(below < v && v < above); });
  }
  if (!(above - below > kRelativeTolerance * depth)) return below + (above - below) / 2;

  // f(t) = f0 + b·t + a·t² over t = 0..1 through the ends and the middle
  const double half = below + (above - below) / 2;
  const double atHalf = Imbalance(along, half);
  if (std::isnan(atHalf)) return std::nullopt;
  const double a = 2 * (atBelow - 2 * atHalf + atAbove);
  const double b = 4 * atHalf - 3 * atBelow - atAbove;
  const double c = atBelow;
  // the roots q/a and c/q, each without the cancellation of the textbook formula
  const double q = -(b + std::copysign(std::sqrt(std::max(b * b - 4 * a * c, 0.0)), b)) / 2;
  double t = q != 0 ? c / q : NAN;
  if (!(t >= 0 && t <= 1) && a != 0) t = q / a;
  if (t >= 0 && t <= 1) return std::clamp(below + t * (above - below), below, above);

  for (int halvings = 0; above - below > kRelativeTolerance * depth; ++halvings) {
    if (halvings == kMostHalvings) return std::nullopt;
    const double middle = below + (above - below) / 2;
    if (middle <= below || middle >= above) break;  // as close as the coordinates resolve
    const double imbalance = Imbalance(along, middle);
    if (std::isnan(imbalance)) return std::nullopt;
    if (imbalance > 0)
      below = middle;
    else if (imbalance < 0)
      above = middle;
    else
      below = above = middle;
  }
  return below + (above - below) / 2;
}

AxisResult SearchAxis(const std::vector<PlasticContour>& contours, int axis) {
  double lowest = std::numeric_limits<double>::infinity(), highest = -lowest, widest = 0;
  for (const PlasticContour& contour : contours)
    for (Point p : contour.points) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return {};
      lowest = std::min(lowest, C(p, axis));
      highest = std::max(highest, C(p, axis));
      widest = std::max(widest, std::fabs(D(p, axis)));
    }
  // a sum or difference of two coordinates along the line stays finite
  const Along along{contours, axis, widest < 1e300};
  const double depth = highest - lowest;
  if (!(depth > 0) || !std::isfinite(depth)) return {};
  // moved by -highest the material lies wholly on the negative side, by -lowest wholly on
  // the positive side; without material on both ends there is no line to find
  double below = -highest, above = -lowest;
  // (whole is twice the area); the centroid is tried first: a symmetric section balances
  // there, and its axis is stored as 0 rather than as a root a rounding away from it. All
  // three lines are summed in one pass.
  const auto [whole, atLowest, centroid] = Imbalances(along, std::array{below, above, 0.0});
  double atBelow = whole, atAbove = atLowest;
  if (!(whole > 0) || !(atAbove < 0)) return {};
  if (std::isnan(centroid)) return {};
  double shift = 0;
  if (std::fabs(centroid) > kBalanced * whole) {
    if (below < 0 && 0 < above) {
      if (centroid > 0)
        below = 0, atBelow = centroid;
      else
        above = 0, atAbove = centroid;
    }
    const std::optional<double> balance =
        Balance(along, below, atBelow, above, atAbove, depth);
    if (!balance) return {};
    shift = *balance;
  }

  auto moment = [axis](Point a, Point b) {
    if (axis == 1) return -(a.x * a.x + a.x * b.x + b.x * b.x) * (a.y - b.y);
    return -(a.y * a.y + a.y * b.y + b.y * b.y) * (b.x - a.x);
  };
  const BothSides s = Sum(along, std::array{shift}, moment)[0];
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
