// The cold-formed profiles of the " Gięte " tab: channels, lipped channels, angles, lipped
// angles, lipped Z, hat and Sigma sections and box tubes, from the catalogue ("Katalog
// Arkady", "Katalog Pruszyński" for Sigma) or from typed dimensions ("Wymiary"). The box
// tube also builds the square and rectangular "Rura" of the "Proste" tab.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generators/database.h"
#include "generators/generator.h"

namespace tarvik {

// items of the tab's main radio group (the selection's variant)
enum ColdItem : int32_t {
  kColdChannelA,      // "Ceownik (Rm<500MPa) *"
  kColdChannelB,      // "Ceownik (Rm>500MPa)"
  kColdLipChannel,    // "Ceownik czterogięty *"
  kColdAngleRA,       // "Kątownik R (Rm<500MPa) *": equal legs
  kColdAngleRB,       // "Kątownik R (Rm>500MPa)"
  kColdAngleNA,       // "Kątownik N (Rm<500MPa) *": unequal legs
  kColdAngleNB,       // "Kątownik N (Rm>500MPa)"
  kColdLipAngle,      // "Kątownik trójgięty *"
  kColdLipZ,          // "Zetownik czterogięty *"
  kColdHat,           // "Kapeluszowy *"
  kColdSigma,         // "Typu Sigma *"
  kColdSquareTube,    // "Rura kwadratowa *"
  kColdRectTube,      // "Rura prostokątna *"
  kColdItems
};

// the selection's mode
inline constexpr int32_t kColdCatalogue = 0, kColdOwnDimensions = 1;

// the caption of an item in the tab's radio group, exactly as shown
const char* ColdCaption(int item);
// the item can be built from typed dimensions (its caption ends in " *")
bool ColdOwnDimensionsOffered(int item);
// The item can be taken from the catalogue. The lipped channel cannot: its designation does
// not fix the lip, and no published table gives it. ColdNoCatalogueReason says why, for the
// catalogue button's tooltip ("" for the items that can).
bool ColdCatalogueOffered(int item);
const char* ColdNoCatalogueReason(int item);
// the catalogue button's caption: "Katalog Arkady", for Sigma "Katalog Pruszyński"
const char* ColdCatalogueCaption(int item);

// the database family code of a catalogue item ("CGa", "KRga", ..., "Z4G2" for the doubled
// lipped Z, option 1); "" for Sigma (no database) and the lipped channel
const char* ColdCode(int item, int option = 0);
// the section name's prefix: "Cg", "Lg", "Lg " (lipped angle), "Zg", "Kg", "Sigma", "Rg"
const char* ColdNamePrefix(int item);

// The size list (`ComboBoxGiete`), texts exactly as shown: designations H x B x g of the
// channels, sizes H x B (or one leg) of the others, Sigma heights; empty for the lipped
// channel (no catalogue).
const std::vector<std::string>& ColdSizes(int item);
// The thickness list (`ComboBoxGiete2`) of a size (its index in ColdSizes), texts as shown
// ("1,5", "2", ...); empty for the channels (the thickness is in the designation) and past
// the list. Lipped Z: "2", "3", "4"; Sigma: "1,5" .. "3,5"; the others: the thicknesses of
// the series kColdThicknessSeries that the catalogue rule keeps for that size.
std::vector<std::string> ColdThicknesses(int item, int sizeIndex);
// the series the catalogue rule chooses from [mm]
inline constexpr double kColdThicknessSeries[] = {1.5, 2, 2.5, 3, 4, 5, 6, 8};

// The database designation of a catalogue choice: the size without leading blanks, and for
// the items with a thickness list "x" and the thickness text ("50x40x4", "30x2,5",
// "180x70x60x20x3"); Sigma's has no record but is named the same way.
std::string ColdDesignation(int item, std::string_view size, std::string_view thickness);

// the fields of own dimensions (`LabelG1` .., `EditG1` ..) of an item in the order the
// selection's texts 1.. hold them: caption and the text the edit starts with
struct ColdField {
  const char* caption;
  const char* initial;
};
// option 1 ("Podwójny") renames the lipped channel's width "Szer. B/2"
std::vector<ColdField> ColdFields(int item, int option = 0);

// ---- bend radii ----

// Tube corners by the standards [mm]: hot-finished tubes (EN 10210) have an outer radius of
// 1.5·g and an inner one of 1.0·g, the two arcs not concentric (the corner is thicker than
// the walls); cold-formed tubes (EN 10219) an outer radius of 2·g up to g = 6 mm, 2.5·g up to
// 10 mm and 3·g above, the inner radius being the outer one less g.
double TubeInnerRadius(double g, bool hotFinished);
double TubeOuterRadius(double g, bool hotFinished);
// the radius text a tube's radius field starts with: the corners by the standard above
inline constexpr const char* kRadiusByStandard = "wg normy";
// The inner bend radius a radius text means [mm]: "1,5 x g" a multiple of the thickness,
// "4", "4 mm" millimetres, kRadiusByStandard (or an empty text) `byStandard`. Nothing for any
// other text or a negative radius.
std::optional<double> ReadBendRadius(std::string_view text, double g, double byStandard);
// the radius text asks for the corners by the standard (kRadiusByStandard, or empty)
bool RadiusByStandard(std::string_view text);
// the inner bend radius of every catalogue profile but the tubes and Sigma: 1.5·g
inline constexpr double kCatalogueBendRadius = 1.5;

// ---- generators ----

void CeownikGiety(Generation& g);          // items 0 and 1
void CeownikCzterogiety(Generation& g);    // item 2, single or doubled (option 1)
void KatownikGiety(Generation& g);         // items 3 to 6
void KatownikTrojgiety(Generation& g);     // item 7
void ZetownikCzterogiety(Generation& g);   // item 8, single or doubled (option 1)
void Kapeluszowy(Generation& g);           // item 9
void Sigma(Generation& g);                 // item 10
// items 11 and 12; also the "Proste" tab's "Rura" "Kwadratowa" and "Prostokątna"
void RuraProstokatna(Generation& g);

// ---- the catalogue ----

// Every catalogue record of the tab, in list order (item, size, thickness): dimensions from
// the designation, the bend radius of the catalogue, properties integrated on the true
// outline exactly as the generator integrates them in both modes. The database builder
// writes them; the generators read the dimensions back, and only the dimensions: every
// property is integrated again from them, so a profile from the catalogue and the same one
// typed agree to the last digit. The lipped Z "Podwójny" has records of its own ("Z4G2",
// the pair's values) under the designations of "Z4G".
// Where the dimensions lie [mm]: every record tw = tf = g (the plate) and r the inner bend
// radius (tubes: the cold-formed corner of EN 10219; a tube built "Walc.na gorąco" takes
// the hot-finished one instead); and by item
//   channels "HxBxg":              h = H, b = B
//   angles "S x g", "S x B x g":   h = S (leg along y), b = B (leg along x; = S when equal)
//   lipped angle "S x B x g":      h = S (both legs), b = B (the lips)
//   lipped Z "H x Bt x Bb x C x g": h = H, b = Bt (upper flange), r1 = Bb (lower flange),
//                                  r2 = C (both lips)
//   hat "H x B x C x g":           h = H, b = B (crown), r1 = C (each foot)
//   tubes "S x g", "H x B x g":    h = H, b = B (= S for the square tube)
// Values: A, J1, J2, alpha (degrees), xS, yS, Jt, Jw, xT, w1, w2 as the generator gives them.
std::vector<CatalogueRecord> ColdFormedRecords();

// the database holds the catalogue of that item (some of its records)
bool ColdCatalogueHeld(const ProfileDatabase& db, int item);

}  // namespace tarvik
