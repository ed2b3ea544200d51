#include "engine/results_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarvik {
namespace {

// a click nearer than this to a point counts as that point [pixels]
constexpr int kSnap = 2;
// a selection window up to this size is a click [pixels]
constexpr int kClickWindow = 2;
// a typed thickness this close to a listed one is that one [mm]
constexpr double kSameThickness = 0.0001;

int64_t Distance2(ScreenPoint a, ScreenPoint b) {
  const int64_t dx = int64_t{a.x} - b.x, dy = int64_t{a.y} - b.y;
  return dx * dx + dy * dy;
}

}  // namespace

// ---- "Wymiary" ---------------------------------------------------------------------------

void NarzedzieWymiarow::wlacz() {
  stan_ = Stan::kPierwszy;
  picks_.clear();
  pressed_.reset();
}

void NarzedzieWymiarow::wylacz() {
  wlacz();
  stan_ = Stan::kBrak;
}

void NarzedzieWymiarow::anuluj() {
  if (stan_ == Stan::kBrak) return;
  wlacz();
}

void NarzedzieWymiarow::nacisnij(ScreenPoint p, bool left) {
  mouse_ = p;
  if (stan_ == Stan::kBrak) return;
  if (!left) return anuluj();
  if (stan_ == Stan::kPierwszy || stan_ == Stan::kDrugi) pressed_ = p;
}

void NarzedzieWymiarow::przesun(ScreenPoint p) { mouse_ = p; }

void NarzedzieWymiarow::pusc(ScreenPoint p, bool left) {
  mouse_ = p;
  if (!left || stan_ == Stan::kBrak) return;
  if (stan_ == Stan::kPolozenie) {
    model_.dimensions.push_back(linia(p));
    picks_.clear();
    stan_ = Stan::kPierwszy;
    return;
  }
  if (!pressed_) return;
  const ScreenPoint a = *pressed_;
  pressed_.reset();
  if (std::abs(p.x - a.x) > kClickWindow && std::abs(p.y - a.y) > kClickWindow)
    return usunWOknie(a, p);
  wybierz(p);
}

std::optional<ProstokatWymiaru> NarzedzieWymiarow::okno() const {
  if (!pressed_) return std::nullopt;
  return ProstokatWymiaru{*pressed_, mouse_};
}

std::optional<ScreenPoint> NarzedzieWymiarow::pierwszy() const {
  if (stan_ != Stan::kDrugi || picks_.empty()) return std::nullopt;
  return px(picks_[0]);
}

std::optional<DimensionLine> NarzedzieWymiarow::tymczasowy() const {
  if (stan_ != Stan::kPolozenie) return std::nullopt;
  return linia(mouse_);
}

std::optional<Wierzcholek> NarzedzieWymiarow::najblizszy(ScreenPoint p) const {
  std::optional<Wierzcholek> best;
  int64_t bestD = std::numeric_limits<int64_t>::max();
  for (const Wierzcholek& v : vertices_) {
    if (v.index < 0 || static_cast<size_t>(v.index) >= map_.points.size()) continue;
    const int64_t d = Distance2(px(v), p);
    if (d < bestD) bestD = d, best = v;
  }
  return best;
}

void NarzedzieWymiarow::wybierz(ScreenPoint p) {
  const std::optional<Wierzcholek> v = najblizszy(p);
  if (!v) return;
  if (picks_.empty()) {
    picks_.push_back(*v);
    stan_ = Stan::kDrugi;
    return;
  }
  const ScreenPoint a = px(picks_[0]), b = px(*v);
  if (a == b) return;  // the same place twice measures nothing
  picks_.push_back(*v);
  if (a.y == b.y)
    kierunek_ = kPoziomy;
  else if (a.x == b.x)
    kierunek_ = kPionowy;
  else
    return void(stan_ = Stan::kKierunek);
  stan_ = Stan::kPolozenie;
}

void NarzedzieWymiarow::kierunek(KierunekWymiaru k) {
  if (stan_ != Stan::kKierunek) return;
  kierunek_ = k;
  stan_ = Stan::kPolozenie;
}

void NarzedzieWymiarow::usunWOknie(ScreenPoint a, ScreenPoint b) {
  const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
  const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
  std::erase_if(model_.dimensions, [&](const DimensionLine& line) {
    WymiarNaEkranie at;
    if (!PolozenieWymiaru(line, map_.points, at)) return false;
    return at.mid.x > left && at.mid.x < right && at.mid.y > top && at.mid.y < bottom;
  });
}

// the record of the two picks with its line through the mouse
DimensionLine NarzedzieWymiarow::linia(ScreenPoint at) const {
  const Wierzcholek& v1 = picks_[0];
  const Wierzcholek& v2 = picks_[1];
  const ScreenPoint p1 = px(v1), p2 = px(v2);
  DimensionLine d;
  d.direction = kierunek_;
  d.from = v1.index;
  d.to = v2.index;
  const double dx = v2.mm.x - v1.mm.x, dy = v2.mm.y - v1.mm.y;
  switch (kierunek_) {
    case kPoziomy:
      d.offset = at.y - p1.y;
      d.value = std::fabs(dx);
      // a set of two halves shown as one: the width counts both
      if (model_.kind == kZestawy && model_.working().selection[1] == 1) d.value *= 2;
      break;
    case kPionowy:
      d.offset = at.x - p1.x;
      d.value = std::fabs(dy);
      break;
    case kUkosny: {
      const double L =
          std::hypot(static_cast<double>(p2.x) - p1.x, static_cast<double>(p2.y) - p1.y);
      const double across = (-(static_cast<double>(p2.y) - p1.y) * (at.x - p1.x) +
                             (static_cast<double>(p2.x) - p1.x) * (at.y - p1.y)) /
                            L;
      d.offset = static_cast<int32_t>(std::lround(across));
      d.value = std::hypot(dx, dy);
      break;
    }
  }
  return d;
}

// ---- "Moment Jt" -------------------------------------------------------------------------

WynikJt Bredt(const std::vector<ScreenPoint>& pts, const std::vector<double>& t, double s) {
  WynikJt w;
  double twice = 0, sum = 0, tmin = 0;
  for (size_t i = 0; i + 1 < pts.size() && i < t.size(); ++i) {
    const double x1 = pts[i].x, y1 = pts[i].y, x2 = pts[i + 1].x, y2 = pts[i + 1].y;
    twice += (x2 - x1) * (y2 + y1);
    sum += std::hypot(x2 - x1, y2 - y1) / s / t[i];
    tmin = i == 0 ? t[i] : std::min(tmin, t[i]);
  }
  w.A0 = std::fabs(twice) / 2 / (s * s);
  w.Jt = sum == 0 ? 0 : 4 * w.A0 * w.A0 / sum / 10000;
  w.Wt = 2 * w.A0 * tmin / 1000;
  return w;
}

void SrodkowaJt::wlacz(const SectionModel& model) {
  aktywne_ = true;
  closed_ = closing_ = false;
  points_.clear();
  segmentT_.clear();
  list_.clear();
  last_ = 0;
  if (!model.imported.empty()) return;  // a point list has no walls of its own
  for (int f = 1; f <= model.lastFigure(); ++f) {
    const FigureRecord& fig = model.figures[static_cast<size_t>(f)];
    if (fig.wall1 == 0 && fig.wall2 == 0) continue;
    for (double cm : {fig.wall1, fig.wall2})
      if (cm > 0 && std::find(list_.begin(), list_.end(), cm * 10) == list_.end())
        list_.push_back(cm * 10);
  }
}

bool SrodkowaJt::zamyka(ScreenPoint p) const {
  return points_.size() >= 3 && std::abs(p.x - points_[0].x) <= kSnap &&
         std::abs(p.y - points_[0].y) <= kSnap;
}

void SrodkowaJt::dodaj(ScreenPoint p) {
  points_.push_back(p);
  if (points_.size() > 1 && list_.empty()) list_.push_back(10);
}

bool SrodkowaJt::klik(ScreenPoint p) {
  if (!aktywne_ || closed_ || czeka()) return false;
  if (zamyka(p)) {
    closing_ = true;
    dodaj(points_[0]);
    return true;
  }
  if (!points_.empty()) {
    const ScreenPoint& q = points_.back();
    if (std::abs(p.x - q.x) <= kSnap) p.x = q.x;
    if (std::abs(p.y - q.y) <= kSnap) p.y = q.y;
    if (p == q) return false;  // no wall of no length
  }
  dodaj(p);
  return points_.size() > 1;
}

bool SrodkowaJt::prawy() {
  if (!aktywne_ || closed_ || czeka()) return false;
  if (points_.size() < 3) {
    wylacz();
    return false;
  }
  closing_ = true;
  dodaj(points_[0]);
  return true;
}

void SrodkowaJt::dodajDoListy(double mm) {
  const auto same = std::find_if(list_.begin(), list_.end(),
                                 [mm](double t) { return std::fabs(t - mm) <= kSameThickness; });
  if (same == list_.end()) {
    list_.push_back(mm);
    last_ = static_cast<int>(list_.size()) - 1;
  } else {
    last_ = static_cast<int>(same - list_.begin());
  }
}

bool SrodkowaJt::grubosc(double mm) {
  if (!czeka()) return false;
  dodajDoListy(mm);
  segmentT_.push_back(last_);
  if (closing_) closed_ = true;
  return closed_;
}

void SrodkowaJt::odrzuc() {
  if (!czeka()) return;
  points_.pop_back();
  closing_ = false;
}

WynikJt SrodkowaJt::oblicz(double s) const {
  std::vector<double> t;
  for (int i : segmentT_) t.push_back(list_[static_cast<size_t>(i)]);
  return Bredt(points_, t, s);
}

}  // namespace tarvik
