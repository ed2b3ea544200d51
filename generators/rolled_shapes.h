// The true outlines of the rolled profiles: straight edges, flange slopes and circular root
// and toe fillets, in the same place as the drawn outline of each family. The database
// builder integrates them; the generators compute plastic moduli on them, since the drawn
// outline (three points per fillet) holds more material than the fillet does.
#pragma once

#include <string_view>

#include "engine/rounded.h"
#include "generators/database.h"

namespace tarvik {

enum class RolledShape {
  kNone,
  kISloped,          // centred on the centroid
  kIParallel,        // centred
  kChannelSloped,    // back of the web on x = 0, mid-height on y = 0, flanges towards +x
  kChannelParallel,  // same placement
  kAngle,            // corner at the origin, legs along +x (b) and +y (h)
  kTee,              // outer face of the flange on y = 0, web towards +y
  kZ,                // point-symmetric about the origin
};

// how a family's flanges are shaped: the inner face of a sloped flange falls by `slope` per
// unit length towards the toe and has the nominal thickness `tfAt`·b from the toe, or
// `tfAt`·(flange outstand) when `ofOutstand` (the outstand is b - tw for a channel,
// (b - tw)/2 for an I)
struct RolledFamily {
  RolledShape shape = RolledShape::kNone;
  double slope = 0;
  double tfAt = 0;
  bool ofOutstand = false;
};

// the family of a database family code; kNone for codes that are no rolled profile. Channels
// "Normalny" slope by 8 % up to 300 mm depth and by 5 % above, so the record is consulted.
RolledFamily FamilyOf(std::string_view code, const CatalogueRecord& record);

// the outline of a record of that family (empty for kNone or impossible dimensions)
RoundedOutline TrueOutline(const RolledFamily& family, const CatalogueRecord& record);

// the lower half of an I (flange on y = 0 .. tf, web cut at y = h/2): the half-section
RoundedOutline HalfOfI(const RolledFamily& family, const CatalogueRecord& record);

}  // namespace tarvik
