// The welded profiles of the "Spawane" tab: welded I-sections of four series and the
// corrugated-web girders "WT" from the profile database, castellated girders made from rolled
// I-sections, and circular hollow sections with a seam.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generators/generator.h"
#include "generators/rolled.h"

namespace tarvik {

// items of the tab's main radio group: the sub-kind (and the variant of subs 0 to 4)
enum WeldedSub : int32_t {
  kWeldedIPBS,
  kWeldedHKS,
  kWeldedIKS,
  kWeldedIKSH,
  kWeldedWT,
  kWeldedCastellated,  // "Ażurowy"
  kWeldedPipe,         // "Rura okrągła", with seam
  kWeldedSubs
};

// the castellated girder's parent series ("Normalny", "IPE", "HEB"): the variant of sub 5
enum CastellatedParent : int32_t { kParentNormalny, kParentIPE, kParentHEB, kParents };

// the rolled tab's series of a castellated parent
int ParentSeries(int parent);

// The catalogue offsets 92 .. 112 of a castellated parent's record, and of a "WT" record
namespace castellated {
inline constexpr size_t kHeight = 18;      // 92: height of the ordinary girder [mm]
inline constexpr size_t kJ1 = 19;          // 96: its J1 at an opening [cm^4]
inline constexpr size_t kHighHeight = 20;  // 100: height of the high girder [mm]
inline constexpr size_t kHighJ1 = 21;      // 104: its J1 at an opening [cm^4]
inline constexpr size_t kHighMass = 22;    // 108: mass of the high girder [kg/m]
inline constexpr size_t kNetArea = 23;     // 112: net area at an opening [cm^2]
}  // namespace castellated
namespace corrugated {
inline constexpr size_t kMass20 = 18;     // 92: mass per metre with a 2.0 mm web [kg/m]
inline constexpr size_t kMass25 = 19;     // 96: with a 2.5 mm web
inline constexpr size_t kMass30 = 20;     // 100: with a 3.0 mm web
inline constexpr size_t kPerimeter = 22;  // 108: outer perimeter [m]
}  // namespace corrugated

// The tab's lists, texts exactly as shown. Sizes (`ComboBoxSpaw`) of the four welded I
// series and "WT"; nothing for the castellated girder (its parent's sizes come from the
// database) and the pipe (SeamedTubeSizes).
const std::vector<std::string>& WeldedSizes(int sub);
// `ComboBoxSpaw2` for a size (its index in WeldedSizes): the numbered variants "  1" .. of
// "HKS", "IKS", "IKSH", the flanges " 200x12" .. of "WT"; empty for "IPBS" and past the list
std::vector<std::string> WeldedSecond(int sub, int sizeIndex);
// `ComboBoxSpaw3`: the "WT" web thicknesses " 2.0" .. offered for a size index
std::vector<std::string> CorrugatedWebs(int sizeIndex);
// all 19 "WT" flanges, " 200x12" .. " 450x30"
const std::vector<std::string>& CorrugatedFlanges();

// Avy of a "WT" girder [cm^2] by its web height text (blanks allowed) and web thickness
// [mm]; 0 for a combination the girders are not made in
double CorrugatedShearArea(std::string_view height, double web);

// the database family code of a welded I series ("IPBS" .. "WT"); "" for the others
const char* WeldedCode(int sub);

// what a "Spawane" selection looks up: code, designation and the section name; for a
// castellated girder the parent's key (its name before "A " or "AW "); an empty code for the
// pipe and for sub-kinds out of range
CatalogueKey WeldedKeyOf(const Selection& s);

// The "Spawane" selection that looks a designation up under a welded code, texts as the lists
// show them: "IKS" "1000-7", "IPBS" "450p", "WT" "750-3" with its web ("3.0" or "3,0");
// false for another code or a designation not of that form.
bool WeldedSelectionFor(std::string_view code, std::string_view designation, std::string_view web,
                        Selection& s);
// the castellated girder (ordinary, or high) of a rolled I selection of the three parent
// series ("Normalny" thin included, IPE of plain sizes, HEB); false for any other
bool CastellatedSelectionFor(const Selection& rolled, bool high, Selection& s);

// the database holds profiles of that welded I series (a parent series: of that parent)
bool WeldedSeriesHeld(const ProfileDatabase& db, int sub);

// The castellated girder from the parent's record: name "A " / "AW " + name, height and J1 of
// the ordinary or the high girder (option 2), A the net area at an opening, mass per metre.
// False (the generator stops, the user told) when the record holds no castellated values.
bool PrzeksztalcAzurowy(Generation& g, CatalogueRecord& record);

// The net section of a castellated girder at an opening: the parent's outline (centred, height
// h [mm]) cut into its two tees, each moved out to the girder's height H; the top tee first.
// Empty when H leaves no cut inside the parent's height.
std::vector<std::vector<Point>> CastellatedTees(const std::vector<Point>& parent, double h,
                                                double H, bool high);

void DwuteownikSpawany(Generation& g);  // "IPBS", "HKS", "IKS", "IKSH", "WT"
void RuraZeSzwem(Generation& g);        // circular hollow section with a seam

}  // namespace tarvik
