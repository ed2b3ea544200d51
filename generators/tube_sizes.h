// The circular hollow sections of the "Walcowane" (seamless) and "Spawane" (seamed) tabs: outside diameters and, for
// each, the wall thicknesses it is made in. They need no profile database.
#pragma once

#include <string>
#include <vector>

namespace tarvik {

struct TubeSize {
  std::string diameter;                  // as the list shows it: "20,0" [mm]
  std::vector<std::string> thicknesses;  // ascending: "2,3", "2,6", ... [mm]
};

// the 39 diameters "20,0" .. "508,0" in ascending order
const std::vector<TubeSize>& SeamlessTubeSizes();

// the 49 welded ("przewodowa ze szwem") diameters: the seamless ones "20,0" .. "406,4", then
// "457" .. "2020"
const std::vector<TubeSize>& SeamedTubeSizes();

// the one ascending series every diameter takes a consecutive run of: "2,3" .. "30,0"
const std::vector<std::string>& TubeThicknessSeries();

}  // namespace tarvik
