// Ribbed slabs ("Użebrowanie", section kind 7): a rectangular slab (figure 1) with one rib
// (figure 2) under it, the rib being any profile of the "Proste", "Walcowane" or "Gięte"
// tabs. The slab's three linked inputs, the turn a rib may take, and the assembly that the
// dispatcher runs while the figure count is 2.
//
// What the tab writes into the selection for kind 7: text 1 the slab thickness t, text 2 its
// width b (mm), text 5 "90" while "Obróć o 90 st" is ticked (anything else: not ticked).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/model.h"
#include "generators/generator.h"
#include "generators/selection.h"

namespace tarvik {

// ---- the slab inputs: thickness t, width b and the multiplicity k = b / t, linked ----

struct PlytaZebra {
  double t = 10;                      // "Grubość" [mm]
  double b = 300;                     // "Szerokość" [mm]
  double k() const { return b / t; }  // "Krotność" (shown with "x")
};

// Each change keeps the other inputs' rule: a new thickness keeps the multiplicity (b := k·t),
// a new width gives the multiplicity, a new multiplicity gives the width. A thickness or
// width below 1 mm becomes 1 mm, typed or stepped alike (a slab of no thickness has no
// properties, and a negative one is no slab); one above 1 km becomes 1 km ("1000000 mm" is
// the longest text a section file keeps whole).
PlytaZebra PoGrubosci(PlytaZebra p, double t);
PlytaZebra PoSzerokosci(PlytaZebra p, double b);
PlytaZebra PoKrotnosci(PlytaZebra p, double k);
// the up/down buttons: t or b by ±1 mm; k by ±1 as a whole number, 0 becoming 1
PlytaZebra KrokGrubosci(PlytaZebra p, int step);
PlytaZebra KrokSzerokosci(PlytaZebra p, int step);
PlytaZebra KrokKrotnosci(PlytaZebra p, int step);
// the multiplicity as the edit shows it: "30x", "12,5x"
std::string TekstKrotnosci(double k);

// ---- the rib ----

// "Obróć o 90 st" applies to this rib (its tab's choice as the figure keeps it): rolled
// channels and the cold-formed channels and lipped channel
bool ZebroObracalne(const std::array<int32_t, 8>& ribChoice);

// the turn [degrees, counter-clockwise] under which the rib hangs from the slab: 90 for a
// turnable rib when asked; 180 for the cold-formed hat, so that its crown hangs down and its
// feet lie against the slab; for the "Proste" arc -90 - D3/2 (D3 its angle, at most 180 as
// its generator draws it), which turns the arc's middle straight down; otherwise 0
double ObrotZebra(const FigureRecord& rib, bool turnAsked);

// the slab t x b as figure record: x from -b/2 to b/2, its underside on y = 0
void BudujPlyte(FigureRecord& slab, double t, double b);

// turns the rib to turnDeg (from the way its own generator drew it, however often this
// runs) and moves it so that its top lies on y = 0 and its width is centred on x = 0;
// the shear areas are exchanged when the turn changes by 90 degrees
void OsadzZebro(FigureRecord& rib, double turnDeg);

// the cell a seated rib closes with the slab, by midlines
struct KomorkaZebra {
  double width = 0;     // of the slab's share of the loop, between the rib's walls [mm]
  double below = 0;     // area between the slab's underside and the rib's midline [mm^2]
  double ribLoop = 0;   // Σ s/t of the rib's walls up to the slab's underside [-]
  double rise = 0;      // Σ 1/t of the walls that go on up to the slab's midline [1/mm]
  double ribOpen = 0;   // Σ s·t³/3 of the rib's parts outside the cell (feet, lips) [mm^4]
  double thinnest = 0;  // the rib's thinnest wall in the loop [mm]
};
// the cell of a seated rib turned by turnDeg under a slab b wide, or false when it closes
// none (see the assembly's comment for the rule)
bool KomorkaPodPlyta(const FigureRecord& rib, double turnDeg, double b, KomorkaZebra& cell);
// Bredt's constant 4·Am²/Σ s/t of the cell closed by a slab t thick (its midline on top),
// plus the open parts: the slab beyond the cell and the rib's own [mm^4]; modulus, when
// given, receives the cell's 2·Am·t_min [cm^3] (the shear flow's stress at its thinnest wall)
double SkretKomorki(const KomorkaZebra& cell, double t, double b, double* modulus = nullptr);

// the dispatcher's generator for kind 7 (figure count 2)
void Uzebrowanie(Generation& g);

// ---- what the tab hands the dispatcher and keeps in a section file ----

// the slab's two texts as typed ("10 mm", "300 mm") and whether the rib was chosen turned
struct WyborPlyty {
  std::string t = "10 mm";
  std::string b = "300 mm";
  bool turned = false;
};
// the selection for kind 7: the window, the section file (its header is the working figure
// the dispatcher fills from it) and tarvik-cli all build the slab from this one record
Selection WyborUzebrowania(const WyborPlyty& choice);
// the slab's texts and the turn back from a read file's header
WyborPlyty PlytaZNaglowka(const FigureRecord& header);
// "Powrót" from the rib's tab: the working figure, just built there, becomes the rib
// (figure 2) and the figure count 2; false, and nothing changed, while the working figure
// holds no section of some area or is one of two parts
bool WstawZebro(SectionModel& model);

}  // namespace tarvik
