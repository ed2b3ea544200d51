// The sections described by a few dimensions (the "Proste" tab); the rectangle, the circle
// and the round pipe also serve the timber, concrete and rolled tabs.
#pragma once

#include "generators/generator.h"

namespace tarvik {

void Prostokat(Generation& g);       // H = text 1, B = text 2
void Kolo(Generation& g);            // D = text 1
void Elipsa(Generation& g);          // width = text 1, height = text 2
void RuraOkragla(Generation& g);     // D = text 1, t = text 2
void RuraEliptyczna(Generation& g);  // width = text 1, height = text 2, t = text 5
void Luk(Generation& g);             // inner radius = text 1, t = text 2, angle = text 3 [°]
void Dwuteownik(Generation& g);      // variants: bisymmetric, monosymmetric, with haunches
void Skrzynka(Generation& g);        // variants: bisymmetric, monosymmetric
void Ceownik(Generation& g);
void Teownik(Generation& g);
void KrzyzProsty(Generation& g);
void KrzyzZlozony(Generation& g);
void Katownik(Generation& g);

// a member of variable depth: the depth text (text 1, or text 3 for the rectangular pipe;
// the timber web's height and the concrete height, in cm, the square's two sides)
// becomes the typed depth plus position [m] x gradient [mm/m]
void ZmiennaWysokosc(Selection& selection, double gradient, double position);

}  // namespace tarvik
