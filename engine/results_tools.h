// The two tools of the results sketch without their window: "Wymiary", which adds dimension
// lines between outline vertices and deletes them by a window, and "Moment Jt", which traces
// the midline of a closed thin-walled section and computes its torsion constant by Bredt's
// formulas. The results window maps its mouse events, its popup menu and its thickness
// dialog to these calls and draws what they leave behind.
//
// NarzedzieWymiarow, states:
//   kBrak       tool off
//   kPierwszy   active, nothing pending: a full cross-hair follows the mouse
//   kDrugi      one vertex picked: a rubber line joins it to the mouse
//   kKierunek   two vertices that differ in x and y: the window asks "Poziomy"/"Pionowy"/
//               "Ukośny" (kierunek) or drops the picks (anuluj)
//   kPolozenie  the provisional line follows the mouse; the next left click fixes it
// Rules:
//   - a left press starts a selection window, the release ends it; a window more than 2
//     pixels wide and high deletes every line whose middle lies strictly inside it and picks
//     nothing; a smaller one is a click and picks the nearest vertex (squared pixel
//     distance, no limit);
//   - two picks level in pixels give a horizontal line (same y) or a vertical one (same x)
//     without asking; the same vertex twice is one pick;
//   - a right click drops whatever is pending.
#pragma once

#include <optional>
#include <vector>

#include "engine/model.h"
#include "engine/sketch.h"

namespace tarvik {

// a dimension line's direction: the stored values 0 and 1, and the aligned one whose line
// runs parallel to the two points at the true distance between them
enum KierunekWymiaru : uint8_t { kPionowy = 0, kPoziomy = 1, kUkosny = 2 };

// a window of the sketch [pixels], the corners as dragged (in any order)
struct ProstokatWymiaru {
  ScreenPoint a, b;
};

// an outline vertex the tool may pick: its index among the mapping's screen points and its
// model point
struct Wierzcholek {
  int index = 0;
  Point mm;
};

class NarzedzieWymiarow {
 public:
  enum class Stan { kBrak, kPierwszy, kDrugi, kKierunek, kPolozenie };

  // the lines go into model.dimensions; their pixels come from mapping.points
  NarzedzieWymiarow(SectionModel& model, const SketchMapping& mapping)
      : model_(model), map_(mapping) {}

  // the vertices to pick from, given anew after every fit of the sketch
  void ustawWierzcholki(std::vector<Wierzcholek> vertices) { vertices_ = std::move(vertices); }

  void wlacz();
  void wylacz();
  bool aktywne() const { return stan_ != Stan::kBrak; }
  Stan stan() const { return stan_; }

  // the mouse; left false for the right button
  void nacisnij(ScreenPoint p, bool left);
  void przesun(ScreenPoint p);
  void pusc(ScreenPoint p, bool left);
  // the popup's answer while kKierunek
  void kierunek(KierunekWymiaru k);
  void anuluj();

  // what the window draws: the mouse, the selection window (while dragged), the first pick
  // (rubber line) and the provisional line (kPolozenie)
  ScreenPoint mysz() const { return mouse_; }
  std::optional<ProstokatWymiaru> okno() const;
  std::optional<ScreenPoint> pierwszy() const;
  std::optional<DimensionLine> tymczasowy() const;

 private:
  std::optional<Wierzcholek> najblizszy(ScreenPoint p) const;
  void wybierz(ScreenPoint p);
  void usunWOknie(ScreenPoint a, ScreenPoint b);
  DimensionLine linia(ScreenPoint at) const;
  ScreenPoint px(const Wierzcholek& v) const { return map_.points[static_cast<size_t>(v.index)]; }

  SectionModel& model_;
  const SketchMapping& map_;
  std::vector<Wierzcholek> vertices_;
  Stan stan_ = Stan::kBrak;
  std::vector<Wierzcholek> picks_;
  KierunekWymiaru kierunek_ = kPoziomy;
  std::optional<ScreenPoint> pressed_;  // where the selection window started
  ScreenPoint mouse_;
};

// ---- "Moment Jt" -------------------------------------------------------------------------

struct WynikJt {
  double A0 = 0;  // area enclosed by the midline [mm^2]
  double Jt = 0;  // [cm^4]
  double Wt = 0;  // [cm^3]
};

// Bredt's single closed cell over a closed pixel polygon (the last point repeats the first)
// with one wall thickness per segment [mm]; s pixels per mm. Jt is 0 when the walls add up
// to nothing (no segment).
WynikJt Bredt(const std::vector<ScreenPoint>& points, const std::vector<double>& thickness,
              double s);

// States: off; tracing (points picked one by one, each segment from the second point on
// waits for its wall thickness); closed (the last segment got its thickness and the result
// is there). Rules:
//   - a left click within 2 pixels of the previous point in x takes that point's x, likewise
//     y, so nearly level or plumb walls become exact;
//   - the contour closes when the newest point lies within 2 pixels of the first in both
//     directions (at least three corners), or by a right click, which adds the first point
//     again;
//   - a typed thickness equal to a listed one within 0.0001 mm is that entry, else it is
//     added to the list; an empty list holds 10 mm when the first segment is made;
//   - a segment refused (the thickness dialog closed without OK) takes its point away.
class SrodkowaJt {
 public:
  // start: no points; the list holds the figures' own wall thicknesses [mm], in order, each
  // once (figures 1..N; a wall of 0 is none)
  void wlacz(const SectionModel& model);
  void wylacz() { aktywne_ = false, points_.clear(), segmentT_.clear(); }
  bool aktywne() const { return aktywne_; }

  // a left click (true: a segment now waits for its thickness)
  bool klik(ScreenPoint p);
  // a right click: closes the contour with a copy of the first point (true: that segment
  // waits); with fewer than three corners nothing can close and the tool ends (false)
  bool prawy();
  bool czeka() const { return segmentT_.size() + 1 < points_.size(); }

  // the thickness of the waiting segment [mm]; true when that closed the contour
  bool grubosc(double mm);
  // the waiting segment refused
  void odrzuc();

  // the computation after closing, s pixels per mm
  WynikJt oblicz(double s) const;

  const std::vector<ScreenPoint>& punkty() const { return points_; }
  const std::vector<double>& grubosci() const { return list_; }
  int ostatnia() const { return last_; }  // index into grubosci()
  bool zamkniety() const { return closed_; }

 private:
  bool zamyka(ScreenPoint p) const;
  void dodaj(ScreenPoint p);
  void dodajDoListy(double mm);

  bool aktywne_ = false;
  bool closed_ = false;
  bool closing_ = false;  // the waiting segment ends at the first point
  std::vector<ScreenPoint> points_;
  std::vector<int> segmentT_;  // index into list_ for each segment made
  std::vector<double> list_;
  int last_ = 0;
};

}  // namespace tarvik
