#include "engine/model.h"

#include <algorithm>
#include <cmath>

#include "engine/cp1250.h"

namespace tarvik {

namespace {

constexpr double kPi = 3.141592653589793;

// the polygon's edge lengths, closed back to its first point
double ClosedLength(const Point* p, int n) {
  double length = 0;
  for (int i = 0; i < n; ++i) {
    const Point& a = p[i];
    const Point& b = p[(i + 1) % n];
    length += std::hypot(b.x - a.x, b.y - a.y);
  }
  return length;
}

void Rotate(Point& p, double c, double s, double dx, double dy, double ox, double oy) {
  double x = p.x * c - p.y * s;
  double y = p.x * s + p.y * c;
  p = {x + dx + ox, y + dy + oy};
}

void TransformImported(SectionModel& model, int f, bool mirrorX, bool mirrorY, double dx, double dy,
                       double angleDeg) {
  double sx = 0, sy = 0;
  int n = 0;
  for (ImportedPoint& p : model.imported) {
    if (p.figure != f) continue;
    p.x += dx;
    p.y += dy;
    if (mirrorX) p.y = -p.y;
    if (mirrorY) p.x = -p.x;
    sx += p.x;
    sy += p.y;
    ++n;
  }
  if (angleDeg != 0 && n > 0) {
    double t = angleDeg * kPi / 180, c = std::cos(t), s = std::sin(t);
    double mx = sx / n, my = sy / n;
    for (ImportedPoint& p : model.imported) {
      if (p.figure != f) continue;
      Point q{p.x - mx, p.y - my};
      Rotate(q, c, s, 0, 0, mx, my);
      p.x = q.x;
      p.y = q.y;
    }
  }
  if (f < 1) return;
  if (model.placements.size() < static_cast<size_t>(f)) model.placements.resize(f);
  Placement& place = model.placements[f - 1];
  place.x += dx;
  place.y += dy;
  place.angle += angleDeg;
}

}  // namespace

void TransformFigure(FigureRecord& fig, bool mirrorX, bool mirrorY, double dx, double dy,
                     double angleDeg) {
  // a move that moves nothing must not round the points through the local frame
  if (!mirrorX && !mirrorY && dx == 0 && dy == 0 && angleDeg == 0) return;
  const double ox = fig.originX, oy = fig.originY;
  PropertiesRecord& r = fig.props;
  Point centroid{r[slot::xS], r[slot::yS]};
  // every contour point, the reference point included, and the figure's own centroid
  auto points = [&](auto&& visit) {
    for (int i = 0; i < fig.outerCount(); ++i) visit(fig.outer[i]);
    for (int i = 0; i < fig.innerCount(); ++i) visit(fig.inner[i]);
    for (Point& p : fig.exactOuter) visit(p);
    for (Point& p : fig.exactInner) visit(p);
    visit(centroid);
  };
  points([&](Point& p) { p = {p.x - ox, p.y - oy}; });
  if (mirrorX) {
    points([](Point& p) { p.y = -p.y; });
    r[slot::al] = -r[slot::al];
  }
  if (mirrorY) {
    points([](Point& p) { p.x = -p.x; });
    r[slot::al] = kPi - r[slot::al];
  }
  const double t = angleDeg * kPi / 180, c = std::cos(t), s = std::sin(t);
  points([&](Point& p) { Rotate(p, c, s, dx, dy, ox, oy); });
  r[slot::xS] = centroid.x;
  r[slot::yS] = centroid.y;
  r[slot::al] += t;
  fig.originX = ox + dx;
  fig.originY = oy + dy;
  fig.rotation += angleDeg;
}

void PropertiesRecord::setName(std::string_view utf8) { name_ = TruncateCp1250(utf8, kNameChars); }

const std::array<SlotInfo, 46>& SlotTable() {
  static const std::array<SlotInfo, 46> table = {{
      {slot::d1, "d1", " mm"},       {slot::d2, "d2", " mm"},     {slot::d3, "d3", " mm"},
      {slot::d4, "d4", " mm"},       {slot::d5, "d5", " mm"},     {slot::d6, "d6", " mm"},
      {slot::d7, "d7", " mm"},       {slot::d8, "d8", " mm"},     {slot::d9, "d9", " mm"},
      {slot::A, "A", " cm^2"},       {slot::Avx, "Avx", " cm^2"}, {slot::Avy, "Avy", " cm^2"},
      {slot::J1, "J1", " cm^4"},     {slot::J2, "J2", " cm^4"},   {slot::Jt, "Jt", " cm^4"},
      {slot::Js, "Js", " cm^4"},     {slot::Wcx, "Wcx", " cm^3"}, {slot::Wtx, "Wtx", " cm^3"},
      {slot::Wcy, "Wcy", " cm^3"},   {slot::Wty, "Wty", " cm^3"}, {slot::Wplx, "Wplx", " cm^3"},
      {slot::Wply, "Wply", " cm^3"}, {slot::Wt, "Wt", " cm^3"},   {slot::Ws, "Ws", " cm^3"},
      {slot::Ivx, "Ivx", " cm^4"},   {slot::Ivy, "Ivy", " cm^4"}, {slot::xS, "xS", " mm"},
      {slot::yS, "yS", " mm"},       {slot::al, "al", " rad"},    {slot::Jw, "Jw", " cm^6"},
      {slot::w1, "w1", " cm^2"},     {slot::w2, "w2", " cm^2"},   {slot::xT, "xT", " mm"},
      {slot::yT, "yT", " mm"},       {slot::s37, "slot37", ""},   {slot::s38, "slot38", ""},
      {slot::xpl, "xpl", " mm"},     {slot::ypl, "ypl", " mm"},   {slot::m, "m", " kg/m"},
      {slot::Ow, "Ow", " mm"},       {slot::Oz, "Oz", " mm"},     {slot::s44, "slot44", ""},
      {slot::s45, "slot45", ""},     {slot::E, "E", ""},          {slot::s47, "slot47", ""},
      {slot::s48, "slot48", ""},
  }};
  return table;
}

bool FigureRecord::setOuter(std::span<const Point> vertices, Point reference) {
  if (vertices.size() + 1 > static_cast<size_t>(kCapacity)) return false;
  std::copy(vertices.begin(), vertices.end(), outer.begin());
  outer[vertices.size()] = reference;
  exactOuter.clear();  // a new drawn outline: the true one, if any, comes after it
  exactInner.clear();
  nOuter = static_cast<int32_t>(vertices.size() + 1);
  return true;
}

bool FigureRecord::setInner(std::span<const Point> vertices) {
  if (vertices.size() > static_cast<size_t>(kCapacity)) return false;
  std::copy(vertices.begin(), vertices.end(), inner.begin());
  exactInner.clear();
  nInner = static_cast<int32_t>(vertices.size());
  return true;
}

void FigureRecord::setDim(int i, std::string_view utf8) {
  dims.at(i) = TruncateCp1250(utf8, kDimChars);
}

void SectionModel::addFigure() {
  figures.resize(static_cast<size_t>(lastFigure()) + 1);
  figures.push_back(figures[0]);
  figureCount = static_cast<int32_t>(figures.size()) - 1;
  currentFigure = figureCount;
}

int SectionModel::lastFigure() const {
  return std::clamp(figureCount, 0, static_cast<int32_t>(figures.size()) - 1);
}

bool SectionBuilt(const SectionModel& model) {
  return !model.section.name().empty() && model.section[slot::A] > 0;
}

double Obwod(const FigureRecord& figure, bool outer) {
  if (outer) {
    int n = figure.outerCount() - 1;  // the reference point is no vertex
    return n >= 1 ? ClosedLength(figure.outer.data(), n) : 0;
  }
  int n = figure.innerCount();
  return n >= 1 ? ClosedLength(figure.inner.data(), n) : 0;
}

void PrzeksztalcFigure(SectionModel& model, int f, bool mirrorX, bool mirrorY, double dx, double dy,
                       double angleDeg) {
  if (!model.imported.empty()) {
    TransformImported(model, f, mirrorX, mirrorY, dx, dy, angleDeg);
    return;
  }
  if (f < 0 || static_cast<size_t>(f) >= model.figures.size()) return;
  TransformFigure(model.figures[f], mirrorX, mirrorY, dx, dy, angleDeg);
}

}  // namespace tarvik
