// The driver of composite and arbitrary sections (kinds 5 and 6): the pending move of the
// current figure, then the whole section re-derived from figures 1..N or the imported outline.
#pragma once

#include "generators/generator.h"

namespace tarvik {

void PrzeliczZlozony(Generation& g);

}  // namespace tarvik
