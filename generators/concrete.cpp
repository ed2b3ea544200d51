// The concrete outlines of the "Żelbetowe" tab. The rectangle, the square and the circle are
// the parametric ones under a "Żelb." name; the T and I shapes are one outline of a web with
// an optional flange (and haunch) at each end. The tab types centimetres: Generation::dim
// gives millimetres.
#include "generators/concrete.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/integration.h"
#include "generators/parametric.h"

namespace tarvik {
namespace {

double Cube(double v) { return v * v * v; }

// the section's and the working figure's name behind the concrete prefix
void PrefixName(Generation& g) {
  const std::string name = "Żelb." + g.props().name();
  g.props().setName(name);
  g.figure().props.setName(name);
}

// 1-based selection text numbers of the T and I dimensions
constexpr int kH = kZbHeight + 1, kBw = kZbWidth + 1;
constexpr int kBg = kZbTopWidth + 1, kHg = kZbTopHeight + 1, kSg = kZbHaunchTop + 1;
constexpr int kBd = kZbBottomWidth + 1, kHd = kZbBottomHeight + 1, kSd = kZbHaunchBottom + 1;

// which parts of the T and I outline a shape has
struct Parts {
  bool top, bottom, haunches;
};
Parts PartsOf(int shape) {
  return {shape != kZbTeowyDolny, shape != kZbTeowyGorny, shape == kZbDwuteowy2};
}

const char* NameOf(int shape) {
  switch (shape) {
    case kZbTeowyGorny:
      return "Żelb.T górny";
    case kZbTeowyDolny:
      return "Żelb.T dolny";
    case kZbDwuteowy:
      return "Żelb.2T-A";
    default:
      return "Żelb.2T-B";
  }
}

// the texts a shape reads: the web's two always, then its flanges' and haunches'
bool CheckTeowy(Generation& g, const Parts& p) {
  std::vector<int> sizes;
  if (p.top) sizes.insert(sizes.end(), {kBg, kHg});
  if (p.bottom) sizes.insert(sizes.end(), {kBd, kHd});
  if (p.haunches) sizes.insert(sizes.end(), {kSg, kSd});
  const bool positive = CheckDimensions(g, {kH, kBw});
  return positive && std::all_of(sizes.begin(), sizes.end(),
                                 [&](int i) { return CheckDimensions(g, {}, {i}); });
}

// "20 cm + 10 cm > 25 cm": the heights stacked on the web against the section's
std::string StackedHeights(const Generation& g, const Parts& p) {
  std::vector<int> used;
  if (p.top) used.push_back(kHg);
  if (p.haunches) used.push_back(kSg);
  if (p.bottom) used.push_back(kHd);
  if (p.haunches) used.push_back(kSd);
  std::string text;
  for (int i : used) text += (text.empty() ? "" : " + ") + g.selection.texts[i - 1];
  return text + " > " + g.selection.texts[kH - 1];
}

}  // namespace

void ZelbetProstokat(Generation& g) {
  if (g.selection.sub != kZbKwadratowy) {
    Prostokat(g);
  } else {
    // the square is the side both ways, whatever text 2 holds
    Selection square = g.selection;
    square.setText(kZbWidth, square.texts[kZbHeight]);
    Generation s{g.model, square, g.settings, g.sink};
    Prostokat(s);
    g.failed = s.failed;
  }
  if (!g.failed) PrefixName(g);
}

void ZelbetKolo(Generation& g) {
  Kolo(g);
  if (!g.failed) PrefixName(g);
}

void ZelbetTeowy(Generation& g) {
  const int shape = g.selection.sub;
  const Parts p = PartsOf(shape);
  if (!CheckTeowy(g, p)) return;
  const double H = g.dim(kH), bw = g.dim(kBw);
  // a flange the shape does not have is of the web's width and no height
  const double hg = p.top ? g.dim(kHg) : 0, hd = p.bottom ? g.dim(kHd) : 0;
  const double bg = p.top && g.dim(kBg) > 0 ? g.dim(kBg) : bw;
  const double bd = p.bottom && g.dim(kBd) > 0 ? g.dim(kBd) : bw;
  const double sg = p.haunches ? g.dim(kSg) : 0, sd = p.haunches ? g.dim(kSd) : 0;
  // the web between the haunches may shrink to nothing, never below: the outline would
  // cross itself
  if (hg + sg + hd + sd > H) {
    g.refuse("Półki i skosy wyższe niż przekrój", "(" + StackedHeights(g, p) + ")");
    return;
  }

  // y from the bottom face up, x = 0 on the axis of symmetry; points 7..12 mirror 6..1.
  // The reference point sits in the lower flange, or in the web where there is none (the
  // flange's mid-height would lie on the bottom face).
  const std::vector<Point> right = {{bd / 2, 0},           {bd / 2, hd},     {bw / 2, hd + sd},
                                    {bw / 2, H - hg - sg}, {bg / 2, H - hg}, {bg / 2, H}};
  std::vector<Point> outline = right;
  for (auto it = right.rbegin(); it != right.rend(); ++it) outline.push_back({-it->x, it->y});
  FigureRecord& fig = g.figure();
  fig.setOuter(outline, {0, hd > 0 ? hd / 2 : H / 2});

  PropertiesRecord& r = g.props();
  r.setName(NameOf(shape));
  if (!IntegrateFigure(g)) return;
  ObliczWskaznikiFigury(g);

  const double hw = H - hg - hd;  // the web between the flanges
  r[slot::Avx] = (bd * hd + bg * hg) / 100;
  r[slot::Avy] = H * bw / 100;
  r[slot::Jt] = (bg * Cube(hg) + bd * Cube(hd) + hw * Cube(bw)) / 30000;
  r[slot::Js] = (SkretProstokata(hg, bg) + SkretProstokata(hd, bd) + SkretProstokata(bw, hw)) / 1e4;
  // the thickest plate governs the torsion moduli; a flange of no height is no plate
  std::vector<double> plates = {bw};
  for (double t : {hg, hd})
    if (t > 0) plates.push_back(t);
  const double tmax = *std::max_element(plates.begin(), plates.end());
  const double tmin = *std::min_element(plates.begin(), plates.end());
  r[slot::Wt] = r[slot::Jt] / (tmax / 10);
  r[slot::Ws] = r[slot::Js] / (tmax / 10);
  r[slot::Oz] = Obwod(fig, true);
  Finish(g, tmax / 10, tmin / 10, {7});

  // H at the right beside the wider end, the flanges' widths below and above, their heights
  // at the left, the web's width across the end that has no flange or, for the I, low on it
  SectionModel& m = g.model;
  const bool topWider = bg > bd;
  AddDimension(m, 0, topWider ? 6 : 1, topWider ? 1 : 6, 15, H);
  if (p.bottom) AddDimension(m, 1, 1, 12, 15, bd);
  if (p.top) AddDimension(m, 1, 6, 7, -15, bg);
  if (p.bottom) AddDimension(m, 0, 12, 11, -15, hd);
  if (p.top) AddDimension(m, 0, 7, 8, -15, hg);
  if (!p.bottom)
    AddDimension(m, 1, 1, 12, 15, bw);
  else if (!p.top)
    AddDimension(m, 1, 6, 7, -15, bw);
  else
    AddDimension(m, 1, 3, 10, -20, bw);
}

}  // namespace tarvik
