// Reinforced-concrete sections: the concrete outlines of the "Żelbetowe" tab (the bars are
// not modelled). Dimensions are typed in centimetres.
#pragma once

#include "generators/generator.h"

namespace tarvik {

// the items of the shape group, in order (the selection's sub-kind)
enum ConcreteShape {
  kZbProstokatny,
  kZbKwadratowy,
  kZbOkragly,
  kZbTeowyGorny,
  kZbTeowyDolny,
  kZbDwuteowy,
  kZbDwuteowy2,  // with haunches between the flanges and the web
  kConcreteShapes
};

// the selection texts (0-based) of the concrete shapes
enum ConcreteText {
  kZbHeight = 0,  // the square's side and the circle's diameter too
  kZbWidth = 1,   // the web's width
  kZbHaunchTop = 2,
  kZbHaunchBottom = 3,
  kZbTopWidth = 4,
  kZbBottomWidth = 5,
  kZbTopHeight = 6,
  kZbBottomHeight = 7,
};

// rectangle and square (the parametric rectangle), circle (the parametric circle), named
// "Żelb." and the parametric name
void ZelbetProstokat(Generation& g);
void ZelbetKolo(Generation& g);
// the T and I shapes (sub-kinds 3 to 6)
void ZelbetTeowy(Generation& g);

}  // namespace tarvik
