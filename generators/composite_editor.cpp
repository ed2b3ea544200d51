#include "generators/composite_editor.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "generators/composite_driver.h"

namespace tarvik {
namespace {

// the selection's texts of the pending move (0-based): dX, dY, turn; text 10 the weight
constexpr int kTextX = 2, kTextY = 3, kTextAngle = 4, kTextWeight = 9;

bool ProfileTab(int kind) {
  return kind == kWalcowane || kind == kSpawane || kind == kGiete || kind == kProste;
}

}  // namespace

Selection ZapisanyWybor(const FigureRecord& figure) {
  Selection s;
  int32_t* ints[] = {&s.kind,    &s.sub,  &s.variant, &s.option,
                     &s.option2, &s.mode, &s.size,    &s.size2};
  for (size_t i = 0; i < 8; ++i) *ints[i] = figure.selection[i];
  for (int i = 0; i < FigureRecord::kDimTexts; ++i) s.setText(i, figure.dims[i]);
  return s;
}

EdytorZlozony::EdytorZlozony(SectionModel& model, Selection& selection, Dispatcher& dispatcher,
                             const GeneratorSettings& settings, MessageSink& sink,
                             SketchMapping& mapping, int kind)
    : model_(model),
      selection_(selection),
      dispatcher_(dispatcher),
      settings_(settings),
      sink_(sink),
      mapping_(mapping),
      kind_(kind) {}

void EdytorZlozony::dopasujTabele() {
  if (model_.imported.empty()) return;
  int n = 0;
  for (const ImportedPoint& p : model_.imported) n = std::max(n, p.figure);
  FigureRecord placeholder;
  placeholder.selection[0] = kDowolne;
  placeholder.selection[1] = -1;
  placeholder.props.setName("Wielokąt");
  model_.figures.resize(1);
  model_.figures.resize(static_cast<size_t>(n) + 1, placeholder);
  model_.figureCount = n;
  model_.placements.resize(static_cast<size_t>(n));
  model_.currentFigure = std::clamp(model_.currentFigure, n > 0 ? 1 : 0, n);
}

void EdytorZlozony::pokaz() {
  stan_ = Stan::kPrzeglad;
  model_.kind = kind_;
  dopasujTabele();
  const int n = model_.lastFigure();
  if (n > 0 && model_.currentFigure == 0) model_.currentFigure = 1;
  editX_ = editY_ = editObrot_ = "0";
  if (n == 0) {
    model_.section.clear();
    model_.saved = model_.section;
    picked_.clear();
    SkalujSzkic(model_, mapping_, width_, height_, 0, 0, 0);
    return;
  }
  // the components changed behind the dispatcher's back: its next run must not be skipped
  dispatcher_.forget();
  przelicz();
}

bool EdytorZlozony::nowy(int kind) {
  if (!ProfileTab(kind) || stan_ != Stan::kPrzeglad) return false;
  Cofnij11(mapping_);
  stan_ = Stan::kDodawanie;
  model_.currentFigure = model_.lastFigure() + 1;
  selection_.kind = kind;
  return true;
}

bool EdytorZlozony::tenSam() {
  const int n = model_.lastFigure();
  if (n == 0 || stan_ != Stan::kPrzeglad) return false;
  model_.figures.resize(static_cast<size_t>(n) + 1);
  const FigureRecord last = model_.figures[static_cast<size_t>(n)];
  model_.figures.push_back(last);
  model_.figureCount = n + 1;
  model_.currentFigure = n + 1;
  pokaz();
  return true;
}

Selection EdytorZlozony::zmiana() {
  const int f = model_.currentFigure;
  if (f < 1 || f > model_.lastFigure() || stan_ != Stan::kPrzeglad) return selection_;
  Cofnij11(mapping_);
  Selection stored = ZapisanyWybor(model_.figures[static_cast<size_t>(f)]);
  if (stored.kind == kZestawy) stored.kind = kWalcowane;  // edited on the rolled tab
  stan_ = Stan::kZmiana;
  selection_.kind = stored.kind;
  return stored;
}

bool EdytorZlozony::zbuduj(const Selection& choice) {
  if (stan_ == Stan::kPrzeglad || !ProfileTab(choice.kind)) return false;
  selection_ = choice;
  dispatcher_.BudujPrzekroj(model_, selection_, settings_, sink_, mapping_, width_, height_);
  return !dispatcher_.refused() && SectionBuilt(model_);
}

bool EdytorZlozony::powrot() {
  if (stan_ == Stan::kPrzeglad) return false;
  if (model_.working().outerCount() < 2 || !(model_.working().props[slot::A] > 0)) return false;
  const FigureRecord built = model_.working();  // a copy: the table may grow under it
  const int n = std::max(model_.lastFigure(), model_.currentFigure);
  model_.figures.resize(static_cast<size_t>(n) + 1);
  model_.figures[static_cast<size_t>(model_.currentFigure)] = built;
  model_.figureCount = n;
  picked_.clear();
  pokaz();
  return true;
}

void EdytorZlozony::anuluj() {
  if (stan_ == Stan::kPrzeglad) return;
  model_.currentFigure = std::min(model_.currentFigure, model_.lastFigure());
  pokaz();
}

void EdytorZlozony::nastepny() {
  const int n = model_.lastFigure();
  if (n == 0) return;
  model_.currentFigure = model_.currentFigure >= n ? 1 : model_.currentFigure + 1;
}

bool EdytorZlozony::usun() {
  const int n = model_.lastFigure(), f = model_.currentFigure;
  if (f < 1 || f > n || stan_ != Stan::kPrzeglad) return false;
  picked_.clear();
  if (!model_.imported.empty()) {
    std::erase_if(model_.imported, [f](const ImportedPoint& p) { return p.figure == f; });
    for (ImportedPoint& p : model_.imported)
      if (p.figure > f) --p.figure;
    if (static_cast<size_t>(f) <= model_.placements.size())
      model_.placements.erase(model_.placements.begin() + (f - 1));
  }
  model_.figures.resize(static_cast<size_t>(n) + 1);
  model_.figures.erase(model_.figures.begin() + f);
  model_.figureCount = n - 1;
  model_.currentFigure = std::max(f - 1, 1);
  if (model_.figureCount == 0) {
    model_.currentFigure = 0;
    pokaz();
    return true;
  }
  editX_ = editY_ = editObrot_ = "0";
  przeliczSklad();
  return true;
}

void EdytorZlozony::usunCaly() {
  if (stan_ != Stan::kPrzeglad) return;
  model_.imported.clear();
  picked_.clear();
  model_.figures.assign(1, FigureRecord{});
  model_.figureCount = 0;
  model_.currentFigure = 0;
  pokaz();
}

int EdytorZlozony::ekranFigury(int f) const {
  if (!model_.imported.empty()) {
    for (size_t i = 0; i < model_.imported.size(); ++i)
      if (model_.imported[i].figure == f) return static_cast<int>(i) + 1;
    return -1;
  }
  int screen = 1;  // [0] is the centroid
  for (int g : DrawnFigures(model_)) {
    if (g == f) return screen;
    const FigureRecord& fig = model_.figures[static_cast<size_t>(g)];
    screen += fig.outerCount() + fig.innerCount();
  }
  return -1;
}

std::vector<WybranyPunkt> EdytorZlozony::punktyFigury(int f) const {
  std::vector<WybranyPunkt> points;
  if (!model_.imported.empty()) {
    // an imported point is numbered by its place in the whole outline
    for (size_t i = 0; i < model_.imported.size(); ++i)
      if (model_.imported[i].figure == f) {
        const int at = static_cast<int>(i) + 1;
        points.push_back({at, f, model_.imported[i].outer, at});
      }
    return points;
  }
  const int first = ekranFigury(f);
  if (first < 0) return points;
  const FigureRecord& fig = model_.figures[static_cast<size_t>(f)];
  for (int i = 0; i < fig.outerCount(); ++i) points.push_back({first + i, f, true, i + 1});
  const int holes = first + fig.outerCount();
  for (int i = 0; i < fig.innerCount(); ++i) points.push_back({holes + i, f, false, i + 1});
  return points;
}

bool EdytorZlozony::dwuklik(ScreenPoint p) {
  const auto& pts = mapping_.points;
  for (int f = 1; f <= model_.lastFigure(); ++f) {
    std::vector<WybranyPunkt> points = punktyFigury(f);
    // a figure's reference point is no vertex of its outline
    if (model_.imported.empty()) {
      const int vertices = model_.figures[static_cast<size_t>(f)].outerCount() - 1;
      if (vertices < 1) continue;
      points.resize(static_cast<size_t>(vertices));
    }
    bool first = true;
    int left = 0, right = 0, top = 0, bottom = 0;
    for (const WybranyPunkt& w : points) {
      if (w.screen < 0 || w.screen >= static_cast<int>(pts.size())) continue;
      const ScreenPoint q = pts[static_cast<size_t>(w.screen)];
      if (first) left = right = q.x, top = bottom = q.y, first = false;
      left = std::min(left, q.x), right = std::max(right, q.x);
      top = std::min(top, q.y), bottom = std::max(bottom, q.y);
    }
    if (!first && left < p.x && p.x < right && top < p.y && p.y < bottom) {
      model_.currentFigure = f;
      return true;
    }
  }
  return false;
}

void EdytorZlozony::wybierzPunkty(ProstokatEkranu r, bool shift) {
  if (!shift) picked_.clear();
  const auto& pts = mapping_.points;
  auto inside = [&](int screen) {
    if (screen < 0 || screen >= static_cast<int>(pts.size())) return false;
    const ScreenPoint q = pts[static_cast<size_t>(screen)];
    return r.left < q.x && q.x < r.right && r.top < q.y && q.y < r.bottom;
  };
  std::vector<int> figures;
  if (!model_.imported.empty()) {
    for (int f = 1; f <= model_.lastFigure(); ++f) figures.push_back(f);
  } else {
    figures = DrawnFigures(model_);
  }
  for (int f : figures) {
    if (onlyCurrent_ && f != model_.currentFigure) continue;
    for (const WybranyPunkt& w : punktyFigury(f))
      if (inside(w.screen)) picked_.push_back(w);
  }
}

bool EdytorZlozony::wpisz(std::string& edit, std::string_view text, std::string_view unit) {
  if (!CalaLiczba(text, unit, true)) {
    sink_.show(Blad("Niepoprawna liczba", "(" + std::string(text) + ")"));
    return false;
  }
  editX_ = editY_ = editObrot_ = "0";
  edit = std::string(text);
  if (!wpisano_) {
    wpisano_ = true;
    selection_.typed = 1;
  }
  przelicz();
  return true;
}

bool EdytorZlozony::wpiszX(std::string_view text) { return wpisz(editX_, text, "mm"); }
bool EdytorZlozony::wpiszY(std::string_view text) { return wpisz(editY_, text, "mm"); }
bool EdytorZlozony::wpiszObrot(std::string_view text) { return wpisz(editObrot_, text, "°"); }

void EdytorZlozony::krok(std::string& edit, int text, bool up) {
  editX_ = editY_ = editObrot_ = "0";
  edit = up ? krok_ : "-" + krok_;
  dispatcher_.rememberText(text, "0");
  przelicz();
}

void EdytorZlozony::krokX(bool up) { krok(editX_, kTextX, up); }
void EdytorZlozony::krokY(bool up) { krok(editY_, kTextY, up); }
void EdytorZlozony::krokObrot(bool up) { krok(editObrot_, kTextAngle, up); }

bool EdytorZlozony::ustawKrok(std::string_view text) {
  if (!CalaLiczba(text, "", false) || !(CzytajLiczbe(text) > 0)) {
    sink_.show(Blad("Krok musi być liczbą większą od zera", "(" + std::string(text) + ")"));
    return false;
  }
  krok_ = std::string(text);
  return true;
}

void EdytorZlozony::lustroX() {
  editX_ = editY_ = editObrot_ = "0";
  dispatcher_.forgetMirrors();
  selection_.mirrorX = 1;
  przelicz();
  selection_.mirrorX = 0;
}

void EdytorZlozony::lustroY() {
  editX_ = editY_ = editObrot_ = "0";
  dispatcher_.forgetMirrors();
  selection_.mirrorY = 1;
  przelicz();
  selection_.mirrorY = 0;
}

void EdytorZlozony::obrot90(bool plus) {
  editX_ = editY_ = "0";
  editObrot_ = plus ? "90" : "-90";
  przelicz();
  dispatcher_.rememberText(kTextAngle, "0");
}

bool EdytorZlozony::waga(std::string_view text) {
  const int f = model_.currentFigure;
  if (f < 1 || f > model_.lastFigure()) return false;
  const double w = CzytajLiczbe(text);
  if (!CalaLiczba(text, "", false) || !(w > 0) || !std::isfinite(w)) {
    sink_.show(Blad("Waga Ei/Eo musi być liczbą większą od zera", "(" + std::string(text) + ")"));
    return false;
  }
  model_.figures[static_cast<size_t>(f)].props[slot::E] = w;
  selection_.setText(kTextWeight, text);
  przeliczSklad();
  return true;
}

std::string EdytorZlozony::wagaTekst() const {
  const int f = model_.currentFigure;
  if (f < 1 || f > model_.lastFigure()) return "1,0";
  const double w = model_.figures[static_cast<size_t>(f)].props[slot::E];
  if (w == 0) return "1,0";
  std::string text = LiczbaOgolna(w, 6);
  if (text.find_first_of(",e") == std::string::npos) text += ",0";
  return text;
}

std::string EdytorZlozony::podpis() const {
  const int f = model_.currentFigure;
  const bool figura = kind_ == kDowolne;
  if (model_.lastFigure() == 0 || f < 1 || f > model_.lastFigure())
    return figura ? " Nowa figura " : " Nowy profil ";
  return (figura ? " Figura (" : " Profil (") + std::to_string(f) + ") " +
         model_.figures[static_cast<size_t>(f)].props.name() + " ";
}

void EdytorZlozony::przelicz() {
  if (model_.lastFigure() == 0) return;
  selection_.kind = kind_;
  selection_.sub = selection_.variant = selection_.option = selection_.option2 = 0;
  selection_.mode = selection_.size = selection_.size2 = 0;
  // the tab has no texts but the move's three and the weight: a profile tab's are gone
  for (int i : {0, 1, 5, 6, 7, 8}) selection_.setText(i, "");
  selection_.setText(kTextX, editX_);
  selection_.setText(kTextY, editY_);
  selection_.setText(kTextAngle, editObrot_);
  dispatcher_.BudujPrzekroj(model_, selection_, settings_, sink_, mapping_, width_, height_);
}

void EdytorZlozony::przeliczSklad() {
  Selection still = selection_;
  still.kind = kind_;
  still.mirrorX = still.mirrorY = 0;
  for (int i : {kTextX, kTextY, kTextAngle}) still.setText(i, "0");
  model_.kind = kind_;
  model_.section.clear();
  Generation g{model_, still, settings_, sink_};
  PrzeliczZlozony(g);
  SkalujSzkic(model_, mapping_, width_, height_, 0, model_.section[slot::xS],
              model_.section[slot::yS]);
  model_.saved = model_.section;
}

}  // namespace tarvik
