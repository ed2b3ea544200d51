// Sets of identical profiles ("Zestawy"): two, three or four members of one family, each
// built by its own family's generator, placed by a layout and summed as one section.
//
// The selection of a set (kind 3):
//   sub      the member family, SetFamily
//   mode     the layout, 1..SetLayouts(sub)
//   variant  the member's series as its own tab numbers it: for I-sections RolledISeries
//            (kSeriesNormalny, IPE, HEAA, HEA, HEB, HEM, kSeriesGOST), for channels
//            RolledChannelSeries; for the welded I the welded tab's sub-kind; 0 otherwise
//   option   "Pocienione" (1) of the "Normalne" I-sections and channels; for cold-formed
//            channels 1 the lipped channel
//   option2  the member's make: 0 rolled ("Walcowane"), 1 welded (I-sections) or
//            cold-formed (channels, angles); tubes: 0
//   texts    1 the size and 2 the second list, as the member's own tab lists show them
//            ("IPE" "200"; a seamless tube "219,1" "8,0"; a cold-formed tube "100x50" "4");
//            3 the horizontal spacing ("200 mm"), 4 the vertical one; 5 the web thickness
//            of a "WT" girder (its third list, " 3.0")
#pragma once

#include "generators/generator.h"

namespace tarvik {

enum SetFamily {
  kSetI,              // "Dwuteowniki"
  kSetChannels,       // "Ceowniki"
  kSetEqualAngles,    // "Kątowniki R"
  kSetUnequalAngles,  // "Kątowniki N"
  kSetRoundTubes,     // "Rury okrągłe"
  kSetSquareTubes,    // "R.kwadratowe"
  kSetRectTubes,      // "R.prostokątne"
  kSetFamilies
};

// how many layouts a family offers: 3, 3, 7, 11, 4, 2, 3
int SetLayouts(int family);

// the set generator of every family; the spacings used go to model.setSpacings
void Zestaw(Generation& g);

}  // namespace tarvik
