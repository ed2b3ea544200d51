// The hot-rolled profiles of the "Walcowane" tab, read from the profile database.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generators/generator.h"

namespace tarvik {

// variants of the I series (the tab's series list) and of the channel series
enum RolledISeries : int32_t {
  kSeriesNormalny,
  kSeriesIPE,
  kSeriesHEAA,
  kSeriesHEA,
  kSeriesHEB,
  kSeriesHEM,
  kSeriesHE,
  kSeriesHD,
  kSeriesHL,
  kSeriesHP,
  kSeriesIPEa,
  kSeriesIPEov,
  kSeriesIPE750,
  kSeriesGOST,
};
enum RolledChannelSeries : int32_t {
  kChannelNormalny,
  kChannelEkonomiczny,
  kChannelUAP,
  kChannelUAE,
  kChannelGOST,
};

// what a rolled selection looks up: the family code, the designation and the section name;
// an empty code for a selection that names no catalogue profile
struct CatalogueKey {
  std::string code, designation, name;
};
CatalogueKey KeyOf(const Selection& s);

// the catalogue record under key: its values in the section properties, the key's name on
// them; false (nothing built, the user told) without a database, without the profile, or
// for a record with a dimension h, b, tw or tf that is not positive
bool LookupCatalogue(Generation& g, const CatalogueKey& key, CatalogueRecord& record);

// the rolled tab's selection that looks up designation under code (the half of an I when
// half is set); false for a code the tab does not offer
bool SelectionFor(std::string_view code, std::string_view designation, bool half,
                  Selection& s);

// the tab's lists for one series, as the database holds them: each size (text 1) with its
// second list (text 2: masses, thicknesses), in catalogue order; a size without a second
// list has an empty one. Nothing when the database lacks the series or cannot be read.
struct CatalogueSize {
  std::string size;
  std::vector<std::string> second;
};
std::vector<CatalogueSize> CatalogueSizes(const ProfileDatabase& db, int sub, int variant,
                                          int option);

// I with sloped or parallel flanges; on the "Spawane" tab (sub-kind "Ażurowy") the castellated
// girder made from one (PrzeksztalcAzurowy)
void DwuteownikWalcowany(Generation& g);
void CeownikWalcowany(Generation& g);          // channel with sloped or parallel flanges
void KatownikWalcowany(Generation& g);         // equal and unequal angles
void TeownikWalcowany(Generation& g);          // high and low tees
void PolowaDwuteownika(Generation& g);         // half of an I
void ZetownikWalcowany(Generation& g);         // Z-section
void RuraBezSzwu(Generation& g);               // seamless circular hollow section

}  // namespace tarvik
