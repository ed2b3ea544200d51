// Outlines for tests and benchmarks, written out by hand so that expected values can come
// from closed forms rather than from the code under test.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "engine/integration.h"
#include "engine/model.h"

namespace tarvik::test {

inline constexpr double kPi = 3.141592653589793;

// counter-clockwise b x h rectangle centred on (cx, cy)
inline std::vector<Point> Rectangle(double b, double h, double cx = 0, double cy = 0) {
  return {{cx - b / 2, cy - h / 2},
          {cx + b / 2, cy - h / 2},
          {cx + b / 2, cy + h / 2},
          {cx - b / 2, cy + h / 2}};
}

// counter-clockwise inscribed n-gon of radius r
inline std::vector<Point> Circle(double r, int n, double cx = 0, double cy = 0) {
  std::vector<Point> p;
  for (int i = 0; i < n; ++i)
    p.push_back({cx + r * std::cos(2 * kPi * i / n), cy + r * std::sin(2 * kPi * i / n)});
  return p;
}

// tee: flange bf x tf on top of a web tw x hw, web bottom at y = 0, symmetric about x = 0
inline std::vector<Point> Tee(double bf, double tf, double tw, double hw) {
  return {{-tw / 2, 0},      {tw / 2, 0},        {tw / 2, hw},  {bf / 2, hw},
          {bf / 2, hw + tf}, {-bf / 2, hw + tf}, {-bf / 2, hw}, {-tw / 2, hw}};
}

// I-section h x b with web tw and flanges tf, centred on the origin, root radius r drawn
// with two tangent points and one point at 45° (the way rolled profiles are outlined)
inline std::vector<Point> ISection(double h, double b, double tw, double tf, double r) {
  const double k = 0.293 * r;  // offset of the 45° point from the corner
  const double x = tw / 2, y = h / 2 - tf;
  // one quarter, from the bottom of the upper flange's underside to the web, then mirrored
  std::vector<Point> q = {{b / 2, y}, {x + r, y}, {x + k, y - k}, {x, y - r}};
  std::vector<Point> p;
  p.push_back({b / 2, h / 2});
  for (auto it = q.begin(); it != q.end(); ++it) p.push_back(*it);                // upper right
  for (auto it = q.rbegin(); it != q.rend(); ++it) p.push_back({it->x, -it->y});  // lower right
  p.push_back({b / 2, -h / 2});
  p.push_back({-b / 2, -h / 2});
  for (auto it = q.begin(); it != q.end(); ++it) p.push_back({-it->x, -it->y});   // lower left
  for (auto it = q.rbegin(); it != q.rend(); ++it) p.push_back({-it->x, it->y});  // upper left
  p.push_back({-b / 2, h / 2});
  return {p.rbegin(), p.rend()};  // built clockwise
}

inline std::vector<Point> Reversed(std::vector<Point> p) { return {p.rbegin(), p.rend()}; }

// rotated by angle degrees about the origin, then shifted
inline std::vector<Point> Moved(std::vector<Point> p, double angleDeg, double dx, double dy) {
  const double t = angleDeg * kPi / 180, c = std::cos(t), s = std::sin(t);
  for (Point& q : p) q = {q.x * c - q.y * s + dx, q.x * s + q.y * c + dy};
  return p;
}

// the arithmetic mean of the vertices: inside the material for the convex shapes used here
inline Point Mean(const std::vector<Point>& p) {
  Point m;
  for (const Point& q : p) m = {m.x + q.x / p.size(), m.y + q.y / p.size()};
  return m;
}

// the working figure of model set to outer (with hole), integrated into a record named
// "Test": elastic and plastic moduli included
inline PropertiesRecord Compute(SectionModel& model, const std::vector<Point>& outer,
                                const std::vector<Point>& inner, MessageSink& sink,
                                Point reference) {
  model.clearWorkingFigure();
  model.working().setOuter(outer, reference);
  model.working().setInner(inner);
  PropertiesRecord r;
  r.setName("Test");
  ObliczFigure(model, r, sink);
  static_cast<void>(ObliczWskazniki(model, 0, 0, r));  // the tests check the moduli themselves
  return r;
}

inline PropertiesRecord Compute(SectionModel& model, const std::vector<Point>& outer,
                                const std::vector<Point>& inner = {}) {
  RecordingSink sink;
  return Compute(model, outer, inner, sink, Mean(outer));
}

}  // namespace tarvik::test
