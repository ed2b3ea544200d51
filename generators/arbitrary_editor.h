// The arbitrary-figure editor ("Dowolne") without its window: standard shapes, polygons
// drawn point by point (on a grid, over a CAD underlay or by typed coordinates), outlines
// read from point files, and the change of picked points. Moving, turning, mirroring,
// picking and deleting figures are the composite editor's, borrowed for kind 6.
//
// Where the figures live:
//   - standard shapes only: figures 1..N of the table, each a solid or a hole with its own
//     properties and torsion values;
//   - once a polygon is drawn or an outline read, the whole section is held as a point list
//     (the imported outline), one figure number per contour; shapes already on the table
//     move into it, and later shapes join it. The table then keeps one placeholder record a
//     figure so that the counts agree.
//
// States:
//   Przeglad   the section on screen; the composite editor's moves apply.
//   Rysowanie  a polygon is being entered. Each point comes from a click: snapped to the
//              grid's nearest crossing, to the nearest end of an underlay segment, or
//              returned to the caller for typing (TFormWpisz) and handed back. The polygon
//              closes when a point lands on the first point's pixel with more than two
//              points, or on a right click; a right click with no point gives up.
// Rules:
//   - during drawing every figure is mapped with the drawing's own scale (the grid's, the
//     typed area's or the underlay's) so the new polygon lines up with what is there;
//   - a closed polygon needs three distinct vertices, no crossing edges and an area; else it
//     is refused with a message and stays open for "Cofnij";
//   - "Zmiana" of a figure replaces it in place (same figure number / record).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/underlay.h"
#include "generators/arbitrary_shapes.h"
#include "generators/composite_editor.h"

namespace tarvik {

// a point of the polygon being entered
struct PunktLamanej {
  ScreenPoint px;
  int col = -1, row = -1;  // grid crossing, -1 off the grid
  Point mm;
  friend bool operator==(const PunktLamanej&, const PunktLamanej&) = default;
};

// the drawing's settings (TFormLamana): the height of the drawing area and the grid step
// [mm], the grid shown
struct UstawieniaRysunku {
  double zakres = 1000;
  double oczko = 50;
  bool siatka = true;
};

// model mm to pixels while drawing: X = x0 + round(x k), Y = y0 - round(y k)
struct MapaRysunku {
  int x0 = 5, y0 = 0;
  double k = 1;  // pixels per mm
  ScreenPoint naEkran(Point p) const;
  Point wModelu(ScreenPoint p) const;
};

// the most grid rows a drawing area may have
inline constexpr int kNajwiecejOczek = 200;

// the grid of a box of height H [pixels]: n = round(R / s) rows of crossings (0 top .. n
// bottom) and n + 5 columns, pitch H / (n + 1)
struct Siatka {
  int n = 0;
  double pitch = 0;
  double zakres = 0;  // R [mm]
  static Siatka Dla(const UstawieniaRysunku& u, int H);
  int x(int col) const;
  int y(int row) const;
  MapaRysunku mapa() const;  // origin at the lower-left crossing
};

// what a left click in drawing mode did
enum class Klik {
  kNic,        // not drawing, or the click was refused
  kDodany,     // a point was added
  kZamkniety,  // the polygon closed and became a figure
  kWpisz,      // the point is to be typed: open TFormWpisz at pozycja(...)
};

class EdytorDowolny {
 public:
  EdytorDowolny(SectionModel& model, Selection& selection, Dispatcher& dispatcher,
                const GeneratorSettings& settings, MessageSink& sink, SketchMapping& mapping);

  void rozmiarSzkicu(int width, int height);
  // the moves, steps, mirrors, picks, "Aktywna" and deletes of the figures
  EdytorZlozony& figury() { return figures_; }
  const EdytorZlozony& figury() const { return figures_; }

  // the tab shown: kind 6, the section recomputed and mapped
  void pokaz();
  // "Nowa figura" (true) or "Zmiana" (false) is about to open its dialog
  void nowa(bool nowa) { nowa_ = nowa; }
  bool nowaFigura() const { return nowa_; }

  // a standard shape from its dialog: a new figure or the current one replaced; false (with
  // a message) when it cannot be built, and nothing changes
  bool ksztalt(const Ksztalt& k, bool hole);
  // the contour of a point file: a new figure or the current one replaced; false (with a
  // message) for fewer than three points, and nothing changes
  bool zarys(const std::vector<Point>& points, bool hole);

  // -- drawing --------------------------------------------------------------------------------
  // "Wielokąt" with its settings (no underlay): drawing starts on the grid or, with the grid
  // off, by typed points in an area of the given height
  void rysuj(const UstawieniaRysunku& u, bool outer);
  // drawing over the underlay (clicks snap to segment ends)
  void rysujNaPodkladzie(bool outer);
  bool rysowanie() const { return drawing_; }
  // a left click at p
  Klik klik(ScreenPoint p);
  // the model point of a pixel under the drawing's mapping [mm], and the polygon's last point
  Point pozycja(ScreenPoint p) const { return map_.wModelu(p); }
  std::optional<Point> ostatni() const;
  // a typed point (TFormWpisz OK)
  Klik dodaj(Point mm);
  // a right click: closes the polygon, or with no point ends the drawing
  Klik prawyKlik();
  // "Cofnij": the last point taken back
  void cofnij();
  // the rubber band follows the mouse
  void mysz(ScreenPoint p) { band_ = p; }

  // -- the CAD underlay -----------------------------------------------------------------------
  Podklad& podklad() { return underlay_; }
  const Podklad& podklad() const { return underlay_; }
  // a new underlay (already read): fitted to the sketch box
  void ustawPodklad(Podklad p);
  // the underlay dropped ("Anuluj" of TFormCad, "Usuń cały przekrój")
  void usunPodklad();
  // the mouse wheel while drawing over the underlay: closer (away) or farther, the point
  // under the mouse staying; false when there is nothing to zoom
  bool kolko(ScreenPoint mouse, bool away);

  // -- changing picked points ("Zmiana" tool, TFormOdczyt) --------------------------------------
  enum class Zmiana { kWspolnaX, kWspolnaY, kDodajX, kDodajY };
  // the means of the picked points' x and y [mm]; false with none picked
  bool srednie(double& x, double& y) const;
  // every picked point gets the value (or has it added); the section recomputed
  bool zmienPunkty(Zmiana z, double value);

  // -- what the painter and the tab show ------------------------------------------------------
  const std::vector<PunktLamanej>& lamana() const { return polyline_; }
  ScreenPoint gumka() const { return band_; }
  const MapaRysunku& mapa() const { return map_; }
  bool siatkaWidoczna() const { return drawing_ && onGrid_; }
  const Siatka& siatka() const { return grid_; }
  // the model point [mm] under a pixel while drawing, for the live coordinates
  Point naZywo(ScreenPoint p) const { return map_.wModelu(p); }
  // "Cofnij" (while drawing) or "Zapisz do pliku .TXT"
  bool cofnijWidoczne() const { return drawing_ && !polyline_.empty(); }
  // the pixel of the model's origin (for the model axes)
  ScreenPoint poczatekModelu() const;
  // maps the figures: the drawing's mapping while drawing or over an underlay, else the fit
  void mapuj();

 private:
  Klik dodajPunkt(PunktLamanej p);
  bool zamknij();
  // the figure's polygon checked: three distinct points, no crossing edges, an area
  bool poprawny(const std::vector<Point>& pts);
  // shapes of the table moved into the imported outline (first polygon or outline)
  void doZarysu();
  // the points of figure f become pts (replacing what it had, or a new figure)
  void wstawZarys(const std::vector<Point>& pts, bool outer);
  void przelicz();
  // the section recomputed; when nothing could be built (the integration said why) the
  // model goes back to before
  bool przeliczLubCofnij(const SectionModel& before);
  // a picked point's model place (nullptr when the pick no longer names a point), and its
  // change
  std::optional<Point> punkt(const WybranyPunkt& w) const;
  void ustaw(const WybranyPunkt& w, Point p);

  SectionModel& model_;
  MessageSink& sink_;
  SketchMapping& mapping_;
  EdytorZlozony figures_;
  int width_ = 400, height_ = 400;
  bool nowa_ = true;
  bool drawing_ = false, onGrid_ = false, outer_ = true;
  UstawieniaRysunku settings_;
  Siatka grid_;
  MapaRysunku map_;
  std::vector<PunktLamanej> polyline_;
  ScreenPoint band_;
  Podklad underlay_;
};

}  // namespace tarvik
