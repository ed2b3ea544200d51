// The CAD underlay: the line work of a drawing (DXF), in millimetres, shown behind the
// arbitrary-figure sketch so that figures can be drawn over it by snapping to segment ends.
// The reader fills the segments; the mapping into the sketch box lives here.
#pragma once

#include <cstdint>
#include <vector>

namespace tarvik {

struct OdcinekPodkladu {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // mm, after the shift to the drawing's corner
  int32_t px1 = 0, py1 = 0, px2 = 0, py2 = 0;  // pixels of the main sketch
  friend bool operator==(const OdcinekPodkladu&, const OdcinekPodkladu&) = default;
};

struct Podklad {
  std::vector<OdcinekPodkladu> odcinki;  // empty: no underlay
  // the drawing's bounds as read (only their differences matter after the shift) [mm]
  double xmin = 1e20, xmax = -1e20, ymin = 1e20, ymax = -1e20;
  double skala = 1;  // pixels per mm of the last fit
  int ox = 0, oy = 0;  // centring offsets [pixels]

  bool empty() const { return odcinki.empty(); }
  double szerokosc() const { return odcinki.empty() ? 0 : xmax - xmin; }
  double wysokosc() const { return odcinki.empty() ? 0 : ymax - ymin; }
};

// the segments as read become the underlay: the bounds widened by every end, then every
// segment shifted by (-xmin, -ymin) so that the drawing's lower-left corner is at (0, 0)
void UstawPodklad(Podklad& podklad, std::vector<OdcinekPodkladu> odcinki);

// maps the underlay into a W x H sketch box: 90 % of the tighter direction, centred; a
// direction without extent does not limit; every segment gets its pixels
void DopasujPodklad(Podklad& podklad, int W, int H);

// the mouse wheel over the underlay: the scale times factor (1.1 away from the user, 1/1.1
// towards), the model point under the mouse pixel (mx, my) staying under it
void PrzyblizPodklad(Podklad& podklad, int mx, int my, double factor, int H);

// "1x", "10x", "100x", "1000x": every coordinate and bound multiplied by factor (choices
// multiply up), then fitted again
void SkalujPodklad(Podklad& podklad, double factor, int W, int H);

}  // namespace tarvik
