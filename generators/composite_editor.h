// The composite-section editor ("Złożone") without its window: the component buttons, the
// move edits and buttons, the weight, the point reading and the double-click choice, as
// operations on the section model, the selection record and the dispatcher. The tab maps
// its widgets to these calls and shows what they leave behind.
//
// States:
//   Przegląd   the composite on screen; figures 1..N are the components, current 1..N
//              (0 only with N = 0). Every move, mirror, turn, weight, delete and pick
//              happens here.
//   Dodawanie  a new component is being defined on a profile tab (nowy): current = N + 1,
//              the selection's kind is the chosen tab's; that tab builds figure 0 through
//              the dispatcher. powrot copies figure 0 into record current (N grows by one);
//              anuluj drops it (current pulled back to N).
//   Zmiana     an existing component is being redefined (zmiana): the tab of its kind is
//              preloaded from the choice handed back; powrot writes the rebuilt figure 0
//              over the same record; anuluj leaves it as it was.
// Rules:
//   - the return tab is always "Złożone" (5); back there the move edits read "0" and the
//     composite is recomputed (the dispatcher runs PrzeliczZlozony on the current figure);
//   - a move is a pending increment in the selection's texts 3, 4, 5 (dX, dY [mm], turn
//     [degrees]) and its two mirror flags, applied once by the dispatcher about the
//     component's own origin: mirrors, turn, then shift;
//   - a step (krokX, krokY, krokObrot) writes the step into its edit, zeroes the other two
//     and "0" into the dispatcher's remembered value of its field, so every click moves;
//   - a typed value (wpiszX, ...) zeroes the other two edits and moves once: Enter again
//     on the same text is no change to the dispatcher; the typed-entry flag goes into the
//     selection at the first Enter only;
//   - a mirror sets its flag for one recompute (the remembered flags cleared first, so a
//     second mirror counts); a quarter turn writes "±90" and then "0" into the remembered
//     angle, so a second click turns again;
//   - a weight (Ei/Eo) is a number above zero, stored in the component's properties (slot
//     E; 0 there means none given, shown "1,0"); anything else is refused with a message;
//   - deleting moves the later records down, current becomes current - 1 (at least 1) and
//     the composite is recomputed; deleting the whole section leaves one empty record;
//   - picked points: a pixel rectangle (strict inside) picks every outline point of every
//     component; without Shift the earlier picks are replaced, with Shift they stay.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/messages.h"
#include "engine/model.h"
#include "engine/sketch.h"
#include "generators/dispatch.h"
#include "generators/generator.h"
#include "generators/selection.h"

namespace tarvik {

// a point read off the sketch: its place among the mapping's screen points, the figure and
// the contour point (1-based) it stands for
struct WybranyPunkt {
  int screen = 0;
  int figure = 0;
  bool outer = true;
  int point = 0;
  friend bool operator==(const WybranyPunkt&, const WybranyPunkt&) = default;
};

// a rectangle of the sketch [pixels], left < right, top < bottom
struct ProstokatEkranu {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// the choice a component was built from, as its figure record keeps it: the eight integers
// and the dimension texts 1..8
Selection ZapisanyWybor(const FigureRecord& figure);

class EdytorZlozony {
 public:
  enum class Stan { kPrzeglad, kDodawanie, kZmiana };

  // kind: 5 for "Złożone"; 6 when the arbitrary-figure tab borrows the moves, picks and
  // deletes for its figures (which may live in the imported outline instead of the table)
  EdytorZlozony(SectionModel& model, Selection& selection, Dispatcher& dispatcher,
                const GeneratorSettings& settings, MessageSink& sink, SketchMapping& mapping,
                int kind = kZlozone);

  // the sketch box the mapping is fitted to [pixels]
  void rozmiarSzkicu(int width, int height) { width_ = width, height_ = height; }

  // -- the tab and its components --------------------------------------------------------
  // the tab shown: kind 5, the move edits "0", current 1 when there is none; the composite
  // recomputed (with N = 0 the section cleared)
  void pokaz();
  // "Nowy profil" with a family chosen (kinds 0, 1, 2, 4): adding starts and the selection
  // names the tab to build on; false for any other kind
  bool nowy(int kind);
  // "Ten sam": a copy of the last component, placement and weight included, becomes the
  // current one; false with none
  bool tenSam();
  // "Zmiana profilu": the current component's stored choice for its tab to preload; editing
  // starts and the selection names that tab. With no component (or while adding) nothing
  // starts and the selection comes back as it is.
  Selection zmiana();
  // the profile tab's recompute while adding or changing: the dispatcher builds choice in
  // figure 0 (its messages go to the sink); false when nothing was built
  bool zbuduj(const Selection& choice);
  // "Powrót": figure 0, just built on the profile tab, becomes record current; false (and
  // nothing changed) while figure 0 holds no built section
  bool powrot();
  // "Anuluj": nothing is copied
  void anuluj();
  // "Aktywny profil": the next component, after N the first
  void nastepny();
  // "Usuń aktywny profil" confirmed; false with no component
  bool usun();
  // "Usuń cały przekrój" confirmed
  void usunCaly();
  // double-click at p: the first component whose outline's pixel box holds p strictly
  // becomes current; false when none does
  bool dwuklik(ScreenPoint p);

  // -- moving the current component -------------------------------------------------------
  // Enter in EditX, EditY, EditObrot: the text as typed (a signed number, "mm" or "°" may
  // follow); false, with a message, when it is not one number
  bool wpiszX(std::string_view text);
  bool wpiszY(std::string_view text);
  bool wpiszObrot(std::string_view text);
  // the arrows of UpDownX, UpDownY, UpDownA: up is +step, down -step
  void krokX(bool up);
  void krokY(bool up);
  void krokObrot(bool up);
  // ComboBoxKrok's text ("1", "10", "100"); false, with a message, for no positive number
  bool ustawKrok(std::string_view text);
  void lustroX();
  void lustroY();
  // "Obrót +90" (plus) and "Obrót -90"
  void obrot90(bool plus);
  // Enter in EditE_E
  bool waga(std::string_view text);

  // -- reading points ----------------------------------------------------------------------
  void wybierzPunkty(ProstokatEkranu r, bool shift);
  void wyczyscPunkty() { picked_.clear(); }
  const std::vector<WybranyPunkt>& wybrane() const { return picked_; }
  // only the points of the current figure are picked (the arbitrary tab's "Zmiana")
  void tylkoBiezaca(bool on) { onlyCurrent_ = on; }

  // -- what the tab shows ------------------------------------------------------------------
  Stan stan() const { return stan_; }
  int liczba() const { return model_.figureCount; }
  int biezacy() const { return model_.currentFigure; }
  bool edycja() const { return stan_ == Stan::kZmiana; }  // the editing flag
  static constexpr int kPowrotDo = kZlozone;                 // the return tab
  const std::string& editX() const { return editX_; }
  const std::string& editY() const { return editY_; }
  const std::string& editObrot() const { return editObrot_; }
  const std::string& krok() const { return krok_; }
  // EditE_E: the current component's weight, "1,0" when none was given
  std::string wagaTekst() const;
  // GroupBoxNowa: " Profil (k) name " of the current component, " Nowy profil " with none
  // (on the arbitrary tab " Figura (k) name " and " Nowa figura ")
  std::string podpis() const;
  // the section recomputed as it stands (no pending move), the dispatcher's memory kept
  void przeliczSklad();

 private:
  bool wpisz(std::string& edit, std::string_view text, std::string_view unit);
  void krok(std::string& edit, int text, bool up);
  // the selection of the tab from the edits, then the dispatcher's recompute
  void przelicz();
  // where figure f's first outer point lies among the mapping's screen points
  int ekranFigury(int f) const;
  // with the imported outline in use: figures 1..N are its figure numbers, the table keeps
  // one placeholder record each so that the counts agree
  void dopasujTabele();
  // figure f's outline points with their screen places
  std::vector<WybranyPunkt> punktyFigury(int f) const;

  SectionModel& model_;
  Selection& selection_;
  Dispatcher& dispatcher_;
  const GeneratorSettings& settings_;
  MessageSink& sink_;
  SketchMapping& mapping_;
  int kind_ = kZlozone;
  int width_ = 400, height_ = 400;
  Stan stan_ = Stan::kPrzeglad;
  std::string editX_ = "0", editY_ = "0", editObrot_ = "0", krok_ = "1";
  bool wpisano_ = false;  // the typed-entry flag: set at the first Enter, never cleared
  std::vector<WybranyPunkt> picked_;
  bool onlyCurrent_ = false;
};

}  // namespace tarvik
