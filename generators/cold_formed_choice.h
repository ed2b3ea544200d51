// The " Gięte " tab's catalogue choice named the way the database names a profile: a family
// code ("CGa", "KRga", "Z4G2", ...) and a designation ("50x40x4", "30x2,5").
#pragma once

#include <string_view>

#include "generators/selection.h"

namespace tarvik {

// The selection the tab makes for that profile: the item (and "Podwójny" for "Z4G2"), the
// catalogue mode, the size and thickness texts as its lists show them with their positions.
// Codes in any letter case. False for a code that is not a cold-formed family; a designation
// the lists do not offer gives its texts all the same (split at its last "x"), for the
// generator to report.
bool ColdSelectionFor(std::string_view code, std::string_view designation, Selection& s);

}  // namespace tarvik
