#include "generators/arbitrary_editor.h"

#include <algorithm>
#include <cmath>

#include "engine/integration.h"

namespace tarvik {
namespace {

int Round(double v) { return static_cast<int>(std::nearbyint(std::clamp(v, -1e9, 1e9))); }

// orientation of c against the line a→b: twice the signed area of the triangle
double Cross(Point a, Point b, Point c) { return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x); }

bool OnSegment(Point a, Point b, Point p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// whether the segments ab and cd share a point (touching counts)
bool Meet(Point a, Point b, Point c, Point d) {
  const double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return true;
  return (d1 == 0 && OnSegment(c, d, a)) || (d2 == 0 && OnSegment(c, d, b)) ||
         (d3 == 0 && OnSegment(a, b, c)) || (d4 == 0 && OnSegment(a, b, d));
}

// the vertices without repeats of their neighbour, the closing repeat of the first included
std::vector<Point> Vertices(std::vector<Point> pts) {
  pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
  while (pts.size() > 1 && pts.back() == pts.front()) pts.pop_back();
  return pts;
}

// polygons longer than this are not searched for crossing edges (the search goes as n²;
// such outlines come from files, not from clicks)
constexpr size_t kCrossingSearch = 4000;

bool SelfCrossing(const std::vector<Point>& v) {
  const size_t n = v.size();
  if (n > kCrossingSearch) return false;
  for (size_t i = 0; i < n; ++i) {
    const Point a = v[i], b = v[(i + 1) % n];
    for (size_t j = i + 1; j < n; ++j) {
      // neighbours share their common vertex and nothing else
      if (j == i + 1 || (i == 0 && j == n - 1)) continue;
      if (Meet(a, b, v[j], v[(j + 1) % n])) return true;
    }
  }
  return false;
}

double Area(const std::vector<Point>& v) {
  double a = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    const Point p = v[i], q = v[(i + 1) % v.size()];
    a += p.x * q.y - q.x * p.y;
  }
  return a / 2;
}

}  // namespace

ScreenPoint MapaRysunku::naEkran(Point p) const {
  return {x0 + Round(p.x * k), y0 - Round(p.y * k)};
}

Point MapaRysunku::wModelu(ScreenPoint p) const {
  return {(p.x - x0) / k, (y0 - p.y) / k};
}

Siatka Siatka::Dla(const UstawieniaRysunku& u, int H) {
  Siatka g;
  g.zakres = u.zakres;
  g.n = std::max(1, Round(u.zakres / u.oczko));
  g.pitch = static_cast<double>(H) / (g.n + 1);
  return g;
}

int Siatka::x(int col) const { return Round(pitch * (col + 0.5)); }
int Siatka::y(int row) const { return Round(pitch * (row + 0.5)); }

MapaRysunku Siatka::mapa() const {
  // millimetres per pixel (n + 1) R / (H n), H = pitch (n + 1)
  return {x(0), y(n), pitch * n / zakres};
}

EdytorDowolny::EdytorDowolny(SectionModel& model, Selection& selection, Dispatcher& dispatcher,
                             const GeneratorSettings& settings, MessageSink& sink,
                             SketchMapping& mapping)
    : model_(model),
      sink_(sink),
      mapping_(mapping),
      figures_(model, selection, dispatcher, settings, sink, mapping, kDowolne) {}

void EdytorDowolny::rozmiarSzkicu(int width, int height) {
  width_ = width, height_ = height;
  figures_.rozmiarSzkicu(width, height);
  if (!underlay_.empty()) DopasujPodklad(underlay_, width, height);
}

void EdytorDowolny::pokaz() {
  figures_.pokaz();
  mapuj();
}

void EdytorDowolny::mapuj() {
  const double xc = model_.section[slot::xS], yc = model_.section[slot::yS];
  if (!drawing_ && underlay_.empty()) {
    SkalujSzkic(model_, mapping_, width_, height_, 0, xc, yc);
    return;
  }
  if (!drawing_) map_ = {underlay_.ox, height_ - underlay_.oy, underlay_.skala};
  MapujStale(model_, mapping_, map_.x0, map_.y0, map_.k, xc, yc);
  // the polygon being entered follows (its points keep their snapped model places)
  for (PunktLamanej& p : polyline_)
    if (p.col < 0) p.px = map_.naEkran(p.mm);
}

ScreenPoint EdytorDowolny::poczatekModelu() const {
  if (drawing_ || !underlay_.empty()) return map_.naEkran({0, 0});
  return NaEkran(mapping_, height_, 0, 0);
}

bool EdytorDowolny::ksztalt(const Ksztalt& k, bool hole) {
  FigureRecord fig;
  std::string error;
  if (!ZbudujKsztalt(k, hole, fig, error)) {
    sink_.show(Blad(error));
    return false;
  }
  const SectionModel before = model_;
  if (!model_.imported.empty()) {
    // a point-list section takes the shape as one more contour
    std::vector<Point> pts;
    if (hole) {
      pts.assign(fig.inner.begin(), fig.inner.begin() + fig.innerCount());
    } else {
      pts.assign(fig.outer.begin(), fig.outer.begin() + std::max(0, fig.outerCount() - 1));
    }
    wstawZarys(Vertices(pts), !hole);
    return przeliczLubCofnij(before);
  }
  model_.working() = fig;
  if (!WlasnosciKsztaltu(model_, sink_)) {
    model_ = before;
    return false;
  }
  const int n = model_.lastFigure();
  if (nowa_ || n == 0 || model_.currentFigure < 1 || model_.currentFigure > n) {
    model_.figures.resize(static_cast<size_t>(n) + 1);
    model_.figures.push_back(model_.working());
    model_.figureCount = n + 1;
    model_.currentFigure = n + 1;
    model_.placements.resize(static_cast<size_t>(n) + 1);
  } else {
    model_.figures[static_cast<size_t>(model_.currentFigure)] = model_.working();
    model_.placements[static_cast<size_t>(model_.currentFigure) - 1] = {};
  }
  return przeliczLubCofnij(before);
}

bool EdytorDowolny::przeliczLubCofnij(const SectionModel& before) {
  przelicz();
  if (SectionBuilt(model_)) return true;
  // holes larger than the material: the outline's integration says so itself, the sum of
  // the table's figures does not
  if (model_.imported.empty()) sink_.show(Blad("Zerowe pole przekroju", "(otwory większe niż figury)"));
  model_ = before;
  przelicz();
  return false;
}

bool EdytorDowolny::zarys(const std::vector<Point>& points, bool hole) {
  const std::vector<Point> v = Vertices(points);
  if (!poprawny(v)) return false;
  const SectionModel before = model_;
  doZarysu();
  wstawZarys(v, !hole);
  return przeliczLubCofnij(before);
}

void EdytorDowolny::rysuj(const UstawieniaRysunku& u, bool outer) {
  if (!(u.zakres > 0 && u.oczko > 0 && std::isfinite(u.zakres / u.oczko))) {
    sink_.show(Blad("Niewłaściwe wymiary obszaru rysunku"));
    return;
  }
  // a grid finer than the screen shows nothing but costs a crossing a pixel or more
  if (u.siatka && u.zakres / u.oczko > kNajwiecejOczek) {
    sink_.show(Blad("Za gęsta siatka", "(ponad " + std::to_string(kNajwiecejOczek) +
                                           " oczek na wysokość obszaru)"));
    return;
  }
  settings_ = u;
  outer_ = outer;
  onGrid_ = u.siatka;
  drawing_ = true;
  polyline_.clear();
  figures_.wyczyscPunkty();
  if (onGrid_) {
    grid_ = Siatka::Dla(u, height_);
    map_ = grid_.mapa();
  } else {
    // the area's height fills the box, its origin 5 pixels in from the lower-left corner
    map_ = {5, height_ - 5, height_ / u.zakres};
  }
  Cofnij11(mapping_);
  mapuj();
}

void EdytorDowolny::rysujNaPodkladzie(bool outer) {
  outer_ = outer;
  onGrid_ = false;
  drawing_ = !underlay_.empty();
  polyline_.clear();
  figures_.wyczyscPunkty();
  DopasujPodklad(underlay_, width_, height_);  // the wheel's zoom starts again
  map_ = {underlay_.ox, height_ - underlay_.oy, underlay_.skala};
  Cofnij11(mapping_);
  mapuj();
}

std::optional<Point> EdytorDowolny::ostatni() const {
  if (polyline_.empty()) return std::nullopt;
  return polyline_.back().mm;
}

Klik EdytorDowolny::klik(ScreenPoint p) {
  if (!drawing_) return Klik::kNic;
  if (onGrid_) {
    const int col = std::clamp(Round((p.x - grid_.pitch / 2) / grid_.pitch), 0, grid_.n + 4);
    const int row = std::clamp(Round((p.y - grid_.pitch / 2) / grid_.pitch), 0, grid_.n);
    const double c = grid_.zakres / grid_.n;
    return dodajPunkt({{grid_.x(col), grid_.y(row)}, col, row, {col * c, grid_.zakres - row * c}});
  }
  if (!underlay_.empty()) {
    // the nearest end of any segment, by its pixel
    const OdcinekPodkladu* best = nullptr;
    bool second = false;
    int64_t nearest = INT64_MAX;
    for (const OdcinekPodkladu& s : underlay_.odcinki) {
      for (bool end : {false, true}) {
        const int64_t dx = int64_t{end ? s.px2 : s.px1} - p.x, dy = int64_t{end ? s.py2 : s.py1} - p.y;
        if (dx * dx + dy * dy < nearest) nearest = dx * dx + dy * dy, best = &s, second = end;
      }
    }
    const Point mm = second ? Point{best->x2, best->y2} : Point{best->x1, best->y1};
    return dodajPunkt({second ? ScreenPoint{best->px2, best->py2} : ScreenPoint{best->px1, best->py1},
                       -1, -1, mm});
  }
  return Klik::kWpisz;
}

Klik EdytorDowolny::dodaj(Point mm) {
  if (!drawing_ || !std::isfinite(mm.x) || !std::isfinite(mm.y)) return Klik::kNic;
  return dodajPunkt({map_.naEkran(mm), -1, -1, mm});
}

Klik EdytorDowolny::dodajPunkt(PunktLamanej p) {
  polyline_.push_back(p);
  band_ = p.px;
  if (polyline_.size() > 2 && polyline_.back().px == polyline_.front().px) {
    if (zamknij()) return Klik::kZamkniety;
    polyline_.pop_back();  // refused: the polygon stays open
    return Klik::kNic;
  }
  return Klik::kDodany;
}

Klik EdytorDowolny::prawyKlik() {
  if (!drawing_) return Klik::kNic;
  if (polyline_.empty()) {
    drawing_ = onGrid_ = false;
    przelicz();
    return Klik::kNic;
  }
  return dodajPunkt(polyline_.front());
}

void EdytorDowolny::cofnij() {
  if (!polyline_.empty()) polyline_.pop_back();
  band_ = polyline_.empty() ? ScreenPoint{} : polyline_.back().px;
}

bool EdytorDowolny::zamknij() {
  std::vector<Point> pts;
  for (const PunktLamanej& p : polyline_) pts.push_back(p.mm);
  // the click on the first point's pixel closes: its own model place is not kept
  pts.pop_back();
  const std::vector<Point> v = Vertices(pts);
  if (!poprawny(v)) return false;
  const SectionModel before = model_;
  const bool grid = onGrid_;
  drawing_ = onGrid_ = false;
  doZarysu();
  wstawZarys(v, outer_);
  if (przeliczLubCofnij(before)) {
    polyline_.clear();
    return true;
  }
  drawing_ = true, onGrid_ = grid;
  mapuj();
  return false;
}

bool EdytorDowolny::poprawny(const std::vector<Point>& v) {
  std::vector<Point> distinct = v;
  std::sort(distinct.begin(), distinct.end(),
            [](Point a, Point b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  if (distinct.size() < 3) {
    sink_.show(Blad("Wielokąt musi mieć co najmniej trzy różne wierzchołki"));
    return false;
  }
  for (const Point& p : v)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
      sink_.show(Blad("Niewłaściwe współrzędne punktu"));
      return false;
    }
  if (SelfCrossing(v)) {
    sink_.show(Blad("Boki wielokąta przecinają się"));
    return false;
  }
  if (Area(v) == 0) {
    sink_.show(Blad("Zerowe pole przekroju"));
    return false;
  }
  return true;
}

void EdytorDowolny::doZarysu() {
  if (!model_.imported.empty()) return;
  const int n = model_.lastFigure();
  for (int f = 1; f <= n; ++f) {
    const FigureRecord& fig = model_.figures[static_cast<size_t>(f)];
    // the outer contour without its reference point, then the hole's points
    for (int i = 0; i + 1 < fig.outerCount(); ++i)
      model_.imported.push_back({fig.outer[i].x, fig.outer[i].y, f, 0, 0, true});
    for (int i = 0; i < fig.innerCount(); ++i)
      model_.imported.push_back({fig.inner[i].x, fig.inner[i].y, f, 0, 0, false});
  }
}

void EdytorDowolny::wstawZarys(const std::vector<Point>& pts, bool outer) {
  int n = 0;
  for (const ImportedPoint& p : model_.imported) n = std::max(n, p.figure);
  int f = model_.currentFigure;
  if (nowa_ || f < 1 || f > n) {
    f = n + 1;
  } else {
    std::erase_if(model_.imported, [f](const ImportedPoint& p) { return p.figure == f; });
    if (static_cast<size_t>(f) <= model_.placements.size()) model_.placements[f - 1] = {};
  }
  for (const Point& p : pts) model_.imported.push_back({p.x, p.y, f, 0, 0, outer});
  model_.clearWorkingFigure();
  model_.working().selection[0] = kDowolne;
  model_.working().selection[1] = -1;
  model_.currentFigure = f;
}

void EdytorDowolny::przelicz() {
  figures_.wyczyscPunkty();
  figures_.pokaz();
  mapuj();
}

void EdytorDowolny::ustawPodklad(Podklad p) {
  underlay_ = std::move(p);
  DopasujPodklad(underlay_, width_, height_);
  mapuj();
}

bool EdytorDowolny::kolko(ScreenPoint mouse, bool away) {
  if (!drawing_ || underlay_.empty()) return false;
  PrzyblizPodklad(underlay_, mouse.x, mouse.y, away ? 1.1 : 1 / 1.1, height_);
  map_ = {underlay_.ox, height_ - underlay_.oy, underlay_.skala};
  mapuj();
  return true;
}

void EdytorDowolny::usunPodklad() {
  underlay_ = {};
  drawing_ = onGrid_ = false;
  polyline_.clear();
  mapuj();
}

bool EdytorDowolny::srednie(double& x, double& y) const {
  const auto& picked = figures_.wybrane();
  if (picked.empty()) return false;
  x = y = 0;
  for (const WybranyPunkt& w : picked) {
    if (const std::optional<Point> p = punkt(w)) x += p->x, y += p->y;
  }
  x /= static_cast<double>(picked.size());
  y /= static_cast<double>(picked.size());
  return true;
}

std::optional<Point> EdytorDowolny::punkt(const WybranyPunkt& w) const {
  if (w.point < 1) return std::nullopt;
  const size_t i = static_cast<size_t>(w.point) - 1;
  if (!model_.imported.empty()) {
    if (i >= model_.imported.size()) return std::nullopt;
    return Point{model_.imported[i].x, model_.imported[i].y};
  }
  if (w.figure < 1 || w.figure > model_.lastFigure()) return std::nullopt;
  const FigureRecord& fig = model_.figures[static_cast<size_t>(w.figure)];
  if (i >= static_cast<size_t>(w.outer ? fig.outerCount() : fig.innerCount())) return std::nullopt;
  return (w.outer ? fig.outer : fig.inner)[i];
}

void EdytorDowolny::ustaw(const WybranyPunkt& w, Point p) {
  const size_t i = static_cast<size_t>(w.point) - 1;
  if (!model_.imported.empty()) {
    model_.imported[i].x = p.x, model_.imported[i].y = p.y;
    return;
  }
  FigureRecord& fig = model_.figures[static_cast<size_t>(w.figure)];
  (w.outer ? fig.outer : fig.inner)[i] = p;
}

bool EdytorDowolny::zmienPunkty(Zmiana z, double value) {
  const std::vector<WybranyPunkt> picked = figures_.wybrane();
  if (picked.empty() || !std::isfinite(value)) return false;
  const SectionModel before = model_;
  std::vector<int> changed;
  for (const WybranyPunkt& w : picked) {
    const std::optional<Point> at = punkt(w);
    if (!at) continue;
    Point p = *at;
    switch (z) {
      case Zmiana::kWspolnaX: p.x = value; break;
      case Zmiana::kWspolnaY: p.y = value; break;
      case Zmiana::kDodajX: p.x += value; break;
      case Zmiana::kDodajY: p.y += value; break;
    }
    ustaw(w, p);
    if (std::find(changed.begin(), changed.end(), w.figure) == changed.end())
      changed.push_back(w.figure);
  }
  if (model_.imported.empty()) {
    // a shape whose points moved is a shape no more: its own properties are integrated
    // again and its torsion values (those of the shape) withdrawn
    for (int f : changed) {
      FigureRecord& fig = model_.figures[static_cast<size_t>(f)];
      model_.working() = fig;
      PropertiesRecord own;
      if (!ObliczFigure(model_, own, sink_)) {
        model_ = before;
        przelicz();
        return false;
      }
      own.setName(fig.props.name());
      own[slot::Jt] = own[slot::Wt] = 0;
      fig.props = own;
    }
  }
  return przeliczLubCofnij(before);
}

}  // namespace tarvik
