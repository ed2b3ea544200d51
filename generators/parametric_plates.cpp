// The parametric sections welded from flat plates: the I (bisymmetric, monosymmetric, with
// haunches), the box, the channel, the tee, the plain and the compound cross and the angle.
// Every outline is built counter-clockwise from its right (or lower) half and mirrored;
// lengths are mm, the stored values cm^2, cm^3, cm^4, cm^6.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/integration.h"
#include "engine/thin_walled.h"
#include "generators/parametric.h"

namespace tarvik {
namespace {

// a flange reaching past a web's face by less than this fraction of its width ends flush
// with it: typed decimals such as 80,3 - 72,2 - 8,1 leave a few ulps, not an outstand
constexpr double kFlush = 1e-9;

double Sq(double v) { return v * v; }
double Cube(double v) { return v * v * v; }

// points 1..n followed by the same points in reverse order with x negated
std::vector<Point> MirroredInX(std::vector<Point> half) {
  for (size_t i = half.size(); i-- > 0;) {
    const Point p = half[i];
    half.push_back({-p.x, p.y});
  }
  return half;
}

// points 1..n followed by the same points in reverse order with y negated
std::vector<Point> MirroredInY(std::vector<Point> half) {
  for (size_t i = half.size(); i-- > 0;) {
    const Point p = half[i];
    half.push_back({p.x, -p.y});
  }
  return half;
}

// area, centroid and principal moments from the outline, then the moduli (only for the tab's
// own sections unless always); false, with everything cleared, when there is no material
bool IntegrateOutline(Generation& g, bool always = false) {
  if (!IntegrateFigure(g)) return false;
  if (always || g.model.kind == kProste) ObliczWskaznikiFigury(g);
  return true;
}

// the torsion moduli of an open section: its constants over the governing thickness [mm]
void TorsionModuli(PropertiesRecord& r, double thickness) {
  r[slot::Wt] = r[slot::Jt] / (thickness / 10);
  r[slot::Ws] = r[slot::Js] / (thickness / 10);
}

// The box's shear centre by thin-walled theory, on the walls' mid-lines: the cell of the
// flanges between the webs' mid-lines and the webs (sloping when the spacings differ, their
// thickness taken across the slope), and each flange's outstands where it reaches past the
// webs' outer faces. The box is symmetric about the y axis, so xT = 0; yT is where a
// horizontal shear force must act: the open flows of the cell cut once, plus the constant
// closing flow q0 = -∮(q_open/t)ds / ∮(ds/t) that leaves the cell untwisted, balanced in
// moment (ThinWalledShearCentre).
void BoxShearCentre(PropertiesRecord& r, double H, double tw, double bg, double bd, double tg,
                    double td, double sg, double sd) {
  const double yg = H / 2 - tg / 2, yd = -H / 2 + td / 2;  // the flanges' mid-lines
  const double xg = (sg + tw) / 2, xd = (sd + tw) / 2;     // the webs' mid-lines at them
  const double web = tw * (yg - yd) / std::hypot(xg - xd, yg - yd);
  std::vector<Plate> walls = {{{-xg, yg}, {xg, yg}, tg},
                              {{-xd, yd}, {xd, yd}, td},
                              {{xd, yd}, {xg, yg}, web},
                              {{-xd, yd}, {-xg, yg}, web}};
  for (double side : {1.0, -1.0}) {
    if (bg / 2 - sg / 2 - tw > kFlush * bg)
      walls.push_back({{side * xg, yg}, {side * bg / 2, yg}, tg});
    if (bd / 2 - sd / 2 - tw > kFlush * bd)
      walls.push_back({{side * xd, yd}, {side * bd / 2, yd}, td});
  }
  r[slot::xT] = 0;
  if (const std::optional<Point> centre = ThinWalledShearCentre(walls)) r[slot::yT] = centre->y;
}

// The channel's shear centre by thin-walled theory, on the mid-lines: the web at xw, the
// flanges h' = H - tf apart with outstands b1 to the left of the web's mid-line and b2 to
// its right. A shear force V along y is carried by the web; in an outstand the flow grows
// from the free tip, q = V·tf·s·(h'/2)/I at s from it, and pushes toward the web with
// V·tf·h'·b^2/(4I). The two outstands of a flange push opposite ways: each flange carries
// V·tf·h'·(b1^2 - b2^2)/(4I), the two flanges the other way round, a couple of that times h'
// which the web's force balances by standing off the web by
//   e = tf·h'^2·(b1^2 - b2^2) / (4I),  I = tw·h'^3/12 + (b1 + b2)·tf·h'^2/2,
// on the side away from the longer outstand. A flange ending flush with the web's face has
// no outstand on that side (the half web thickness is the web's own), so the plain channel
// gets the textbook e = 3b^2·tf/(6b·tf + h'·tw) with b = B - tw/2. The x axis is the axis
// of symmetry: yT = 0.
Point ChannelShearCentre(double H, double tw, double B, double c, double tf) {
  const double xw = B - c - tw / 2, hs = H - tf, flush = kFlush * B;
  const double b1 = B - c - tw > flush ? xw : 0, b2 = c > flush ? B - xw : 0;
  const double inertia = tw * Cube(hs) / 12 + (b1 + b2) * tf * Sq(hs) / 2;
  return {xw + tf * Sq(hs) * (Sq(b1) - Sq(b2)) / (4 * inertia), 0};
}

}  // namespace

void Dwuteownik(Generation& g) {
  // the variant with haunches shows both flanges as the monosymmetric one does
  const bool haunched = g.selection.variant == 2, mono = g.selection.variant == 1 || haunched;
  const bool valid = haunched ? CheckDimensions(g, {1, 2, 3, 4, 5, 6}, {7, 8})
                     : mono   ? CheckDimensions(g, {1, 2, 3, 4, 5, 6})
                              : CheckDimensions(g, {1, 2, 3, 5});
  if (!valid) return;
  const double H = g.dim(1), tw = g.dim(2), bg = g.dim(3), tg = g.dim(5);
  const double bd = mono ? g.dim(4) : bg, td = mono ? g.dim(6) : tg;
  const double ug = haunched ? g.dim(7) : 0, ud = haunched ? g.dim(8) : 0;
  // the web and the haunches must keep a non-negative height, or the outline folds over
  if (tg + td > H) {
    g.refuse("Za grube pasy");
    return;
  }
  if (tg + td + ug + ud > H) {
    g.refuse("Za duże ukosy");
    return;
  }

  FigureRecord& fig = g.figure();
  fig.setOuter(MirroredInX({{bd / 2, -H / 2},
                            {bd / 2, -H / 2 + td},
                            {tw / 2, -H / 2 + td + ud},
                            {tw / 2, H / 2 - tg - ug},
                            {bg / 2, H / 2 - tg},
                            {bg / 2, H / 2}}),
               {0, -H / 2 + td / 2});
  PropertiesRecord& r = g.props();
  if (r.name().empty())
    r.setName(haunched ? "Żelbetowy" : mono ? "Monosymetryczny" : "Bisymetryczny");
  if (!IntegrateOutline(g)) return;

  const double hw = H - tg - td;          // the web between the flanges
  const double hs = H - tg / 2 - td / 2;  // between the flanges' mid-planes
  r[slot::Avx] = (bg * tg + bd * td) / 100;
  r[slot::Avy] = hw * tw / 100;
  r[slot::Jt] = (bg * Cube(tg) + bd * Cube(td) + hs * Cube(tw)) / 30000;
  r[slot::Js] =
      (SkretProstokata(tg, bg) + SkretProstokata(td, bd) + SkretProstokata(tw, hs)) / 10000;
  // the web about the centroid (its own centre lies (td - tg)/2 above mid-height); the
  // flanges about the axis of symmetry
  r[slot::Ivx] = (Cube(hw) * tw / 12 + Sq(r[slot::yS] - (td - tg) / 2) * hw * tw) / 10000;
  r[slot::Ivy] = (Cube(bg) * tg / 12 + Cube(bd) * td / 12) / 10000;
  r[slot::Oz] = Obwod(fig, true);
  if (g.selection.variant == 0) {
    r[slot::w1] = (H - tg) * bg / 400;
    r[slot::w2] = -r[slot::w1];
    r[slot::Jw] = Sq(H - tg) * r[slot::J2] / 400;
  } else {
    // A shear force along x divides between the flanges in proportion to their own moments
    // Ig, Id about the web's axis, so its line of action, the shear centre, divides the
    // distance hs of the flanges' mid-planes in the inverse ratio: yT = (Ig·yg + Id·yd) /
    // (Ig + Id), hs·Ig/(Ig + Id) above the lower flange. A flange tip's sectorial coordinate
    // is its flange's distance from the shear centre times half the flange width, of opposite
    // sign for the two flanges (the bisymmetric (H - tf)·B/400 when the flanges are equal).
    const double ig = Cube(bg) * tg / 120000, id = Cube(bd) * td / 120000;  // cm^4
    const double yg = H / 2 - tg / 2, yd = -H / 2 + td / 2;
    const double yt = (ig * yg + id * yd) / (ig + id);
    r[slot::yT] = yt;
    r[slot::w1] = (yg - yt) * bg / 200;
    r[slot::w2] = -(yt - yd) * bd / 200;
    r[slot::Jw] = Sq(hs) * ig * id / (ig + id) / 100;
  }
  const double tmax = std::max({tw, tg, td}), tmin = std::min({tw, tg, td});
  TorsionModuli(r, tmax);
  Finish(g, tmax / 10, tmin / 10, {7});

  // H beside the wider flange, the widths below and above, the flange thicknesses at the
  // left, the web across its lower end
  SectionModel& m = g.model;
  const bool topWider = bg > bd;
  AddDimension(m, 0, topWider ? 6 : 1, topWider ? 1 : 6, 15, H);
  AddDimension(m, 1, 1, 12, 15, bd);
  AddDimension(m, 1, 6, 7, -15, bg);
  AddDimension(m, 0, 12, 11, -15, td);
  AddDimension(m, 0, 7, 8, -15, tg);
  AddDimension(m, 1, 3, 10, -20, tw);
}

void Skrzynka(Generation& g) {
  const bool mono = g.selection.variant != 0;
  const bool valid =
      mono ? CheckDimensions(g, {1, 2, 3, 4, 5, 6}, {7, 8}) : CheckDimensions(g, {1, 2, 3, 5}, {7});
  if (!valid) return;
  const double H = g.dim(1), tw = g.dim(2), bg = g.dim(3), tg = g.dim(5), sg = g.dim(7);
  const double bd = mono ? g.dim(4) : bg, td = mono ? g.dim(6) : tg, sd = mono ? g.dim(8) : sg;
  if (bg - 2 * tw < sg || (mono && bd - 2 * tw < sd)) {
    g.refuse("Za duży rozstaw");
    return;
  }
  // flanges thicker together than the height would turn the cell inside out
  if (tg + td > H) {
    g.refuse("Za grube pasy");
    return;
  }

  FigureRecord& fig = g.figure();
  fig.setOuter(MirroredInX({{bd / 2, -H / 2},
                            {bd / 2, -H / 2 + td},
                            {sd / 2 + tw, -H / 2 + td},
                            {sg / 2 + tw, H / 2 - tg},
                            {bg / 2, H / 2 - tg},
                            {bg / 2, H / 2}}),
               {0, -H / 2 + td / 2});
  const Point hole[] = {
      {sg / 2, H / 2 - tg}, {sd / 2, -H / 2 + td}, {-sd / 2, -H / 2 + td}, {-sg / 2, H / 2 - tg}};
  fig.setInner(hole);
  PropertiesRecord& r = g.props();
  if (r.name().empty()) r.setName(mono ? "Monosymetryczna" : "Bisymetryczna");
  if (!IntegrateOutline(g)) return;

  const double hw = H - tg - td, hm = H - tg / 2 - td / 2;
  const double tmax = std::max({tw, tg, td}), tmin = std::min({tw, tg, td});
  r[slot::Avx] = (bg * tg + bd * td) / 100;
  r[slot::Avy] = hw * 2 * tw / 100;
  // Bredt's formula over the cell of the walls' mid-lines: the two sloping webs and the two
  // flanges between the webs' mid-lines, each length over its thickness
  const double am = (sg + sd + 2 * tw) / 2 * hm;
  const double path = 2 * std::hypot((sg - sd) / 2, hm) / tw + (sg + tw) / tg + (sd + tw) / td;
  r[slot::Jt] = 4 * Sq(am) / path / 10000;
  r[slot::Wt] = 2 * am * tmin / 1000;
  // the webs for shear along y: both about the centroid, their centre (td - tg)/2 above
  // mid-height, as for the I
  r[slot::Ivx] = (2 * tw * Cube(hw) / 12 + Sq(r[slot::yS] - (td - tg) / 2) * hw * 2 * tw) / 10000;
  r[slot::Ivy] = (Cube(bg) * tg + Cube(bd) * td) / 120000;
  r[slot::Oz] = Obwod(fig, true);
  r[slot::Ow] = Obwod(fig, false);
  BoxShearCentre(r, H, tw, bg, bd, tg, td, sg, sd);
  Finish(g, tmax / 10, tmin / 10, {4, 5});
}

void Ceownik(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 5}, {4})) return;
  const double H = g.dim(1), tw = g.dim(2), B = g.dim(3), c = g.dim(4), tf = g.dim(5);
  if (B - tw < c) {
    g.refuse("Za duże wcięcie");
    return;
  }
  // flanges thicker than half the height would give the web a negative height
  if (2 * tf > H) {
    g.refuse("Za grube pasy");
    return;
  }

  FigureRecord& fig = g.figure();
  fig.setOuter(MirroredInY({{B - c - tw, -H / 2 + tf},
                            {0, -H / 2 + tf},
                            {0, -H / 2},
                            {B, -H / 2},
                            {B, -H / 2 + tf},
                            {B - c, -H / 2 + tf}}),
               {B / 2, -H / 2 + tf / 2});
  PropertiesRecord& r = g.props();
  r.setName("Ceownik");
  if (!IntegrateOutline(g)) return;

  const double hw = H - 2 * tf;
  r[slot::Avx] = 2 * B * tf / 100;
  r[slot::Avy] = hw * tw / 100;
  r[slot::Jt] = (Cube(tw) * hw + Cube(tf) * 2 * B) / 30000;
  r[slot::Js] = (2 * SkretProstokata(tf, B) + SkretProstokata(tw, hw)) / 10000;
  // the web about x, on which the centroid lies; the flanges about the centroid's y axis
  r[slot::Ivx] = Cube(hw) * tw / 120000;
  r[slot::Ivy] = (2 * tf * Cube(B) / 12 + Sq(B / 2 - r[slot::xS]) * 2 * tf * B) / 10000;
  const Point centre = ChannelShearCentre(H, tw, B, c, tf);
  r[slot::xT] = centre.x;
  r[slot::yT] = centre.y;
  r[slot::Oz] = Obwod(fig, true);
  const double tmax = std::max(tw, tf), tmin = std::min(tw, tf);
  TorsionModuli(r, tmax);
  Finish(g, tmax / 10, tmin / 10, {7});
}

void Teownik(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 5})) return;
  const double H = g.dim(1), tw = g.dim(2), B = g.dim(3), tf = g.dim(5);
  // a flange thicker than the height would give the web a negative height
  if (tf > H) {
    g.refuse("Za gruby pas");
    return;
  }

  FigureRecord& fig = g.figure();
  fig.setOuter(
      MirroredInX({{B / 2, -H / 2}, {B / 2, -H / 2 + tf}, {tw / 2, -H / 2 + tf}, {tw / 2, H / 2}}),
      {0, tf / 2});
  PropertiesRecord& r = g.props();
  r.setName("Teownik");
  if (!IntegrateOutline(g)) return;

  const double hw = H - tf;
  r[slot::Avx] = B * tf / 100;
  r[slot::Avy] = H * tw / 100;
  r[slot::Jt] = (Cube(tf) * B + Cube(tw) * hw) / 30000;
  r[slot::Js] = (SkretProstokata(tf, B) + SkretProstokata(tw, hw)) / 10000;
  r[slot::yT] = -H / 2 + tf / 2;
  // the web (its centre at y = tf/2) about the centroid; the flange about the axis of symmetry
  r[slot::Ivx] = (Cube(hw) * tw / 12 + Sq(r[slot::yS] - tf / 2) * hw * tw) / 10000;
  r[slot::Ivy] = Cube(B) * tf / 120000;
  r[slot::Oz] = Obwod(fig, true);
  const double tmax = std::max(tw, tf), tmin = std::min(tw, tf);
  TorsionModuli(r, tmax);
  Finish(g, tmax / 10, tmin / 10, {7});

  // H beside the flange's tip, B below, the flange at the left, the web across its top
  SectionModel& m = g.model;
  AddDimension(m, 0, 1, 4, 15, H);
  AddDimension(m, 1, 1, 8, 15, B);
  AddDimension(m, 0, 8, 7, -15, tf);
  AddDimension(m, 1, 4, 5, -15, tw);
}

void KrzyzProsty(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 5})) return;
  const double H = g.dim(1), tw = g.dim(2), B = g.dim(3), tf = g.dim(5);
  // a bar thicker than the other bar's length would fold the outline over
  if (tf > H || tw > B) {
    g.refuse("Za grube ramiona");
    return;
  }

  FigureRecord& fig = g.figure();
  fig.setOuter(MirroredInX({{tw / 2, -H / 2},
                            {tw / 2, -tf / 2},
                            {B / 2, -tf / 2},
                            {B / 2, tf / 2},
                            {tw / 2, tf / 2},
                            {tw / 2, H / 2}}),
               {0, 0});
  PropertiesRecord& r = g.props();
  r.setName("Krzyż prosty");
  if (!IntegrateOutline(g)) return;

  // both bars over their full lengths: the horizontal one takes shear along x, the vertical
  // one shear along y, each about its own axis, which is the centroid's
  r[slot::Jt] = (B * Cube(tf) + H * Cube(tw)) / 30000;
  r[slot::Js] = (SkretProstokata(tf, B) + SkretProstokata(tw, H)) / 10000;
  r[slot::Avx] = B * tf / 100;
  r[slot::Avy] = H * tw / 100;
  r[slot::Ivx] = Cube(H) * tw / 120000;
  r[slot::Ivy] = Cube(B) * tf / 120000;
  r[slot::Oz] = Obwod(fig, true);
  const double tmax = std::max(tw, tf), tmin = std::min(tw, tf);
  TorsionModuli(r, tmax);
  Finish(g, tmax / 10, tmin / 10, {7});
}

void KrzyzZlozony(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 4, 5, 6, 7, 8})) return;
  const double H = g.dim(1), tw = g.dim(2), B = g.dim(3), W = g.dim(4);
  const double tf = g.dim(5), t6 = g.dim(6), h7 = g.dim(7), t8 = g.dim(8);
  // each member's web must fit between its flanges (end plates), and the vertical member's
  // flanges must stay clear of the horizontal member's end plates
  if (2 * t6 + tf > H || tw + 2 * t8 > B) {
    g.refuse("Za grube ramiona");
    return;
  }
  if (W > B - 2 * t8 && h7 > H - 2 * t6) {
    g.refuse("Pasy nachodzą na blachy czołowe");
    return;
  }

  FigureRecord& fig = g.figure();
  fig.setOuter(MirroredInX(MirroredInY({{W / 2, -H / 2},
                                        {W / 2, -H / 2 + t6},
                                        {tw / 2, -H / 2 + t6},
                                        {tw / 2, -tf / 2},
                                        {B / 2 - t8, -tf / 2},
                                        {B / 2 - t8, -h7 / 2},
                                        {B / 2, -h7 / 2}})),
               {0, 0});
  PropertiesRecord& r = g.props();
  r.setName("Krzyż złożony");
  if (!IntegrateOutline(g)) return;

  // Each member counted as the welded I it is: the vertical one's flanges W x t6 and its web
  // over the mid-line length H - t6, the horizontal one's end plates h7 x t8 and its web over
  // B - t8, through the crossing. Shear along x goes to the plates lying along x (the flanges
  // and the horizontal web between the end plates), shear along y to the vertical web between
  // the flanges and the end plates; every plate is centred on the axis it is taken about.
  r[slot::Jt] =
      (2 * W * Cube(t6) + (H - t6) * Cube(tw) + 2 * h7 * Cube(t8) + (B - t8) * Cube(tf)) / 30000;
  r[slot::Js] = (2 * SkretProstokata(t6, W) + SkretProstokata(tw, H - t6) +
                 2 * SkretProstokata(t8, h7) + SkretProstokata(tf, B - t8)) /
                10000;
  const double hw = H - 2 * t6, bw = B - 2 * t8;
  r[slot::Avx] = (2 * W * t6 + bw * tf) / 100;
  r[slot::Avy] = (hw * tw + 2 * h7 * t8) / 100;
  r[slot::Ivx] = (Cube(hw) * tw + 2 * Cube(h7) * t8) / 120000;
  r[slot::Ivy] = (2 * Cube(W) * t6 + Cube(bw) * tf) / 120000;
  r[slot::Oz] = Obwod(fig, true);
  const double tmax = std::max({tw, tf, t6, t8}), tmin = std::min({tw, tf, t6, t8});
  TorsionModuli(r, tmax);
  Finish(g, tmax / 10, tmin / 10, {7});
}

void Katownik(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 5})) return;
  const double h = g.dim(1), tv = g.dim(2), b = g.dim(3), th = g.dim(5);
  // a leg thicker than the other leg's length would fold the outline over
  if (th > h || tv > b) {
    g.refuse("Za grube ramiona");
    return;
  }

  FigureRecord& fig = g.figure();
  // the reference point lies in the corner's material, not on its outer vertex
  fig.setOuter(std::vector<Point>{{0, 0}, {b, 0}, {b, th}, {tv, th}, {tv, h}, {0, h}},
               {tv / 2, th / 2});
  PropertiesRecord& r = g.props();
  std::string name = "L" + g.dimText(1) + "x" + g.dimText(3) + "x" + g.dimText(2);
  if (th != tv) name += "x" + g.dimText(5);
  r.setName(name);
  r[slot::d1] = h;
  r[slot::d2] = b;
  r[slot::d3] = tv;
  r[slot::d4] = th;
  if (!IntegrateOutline(g, true)) return;

  // both legs over their full lengths. As in the other open sections, the plate lying along
  // x (the horizontal leg) takes shear along x, the thickest wall gives the torsion moduli,
  // and the shear centre sits where the legs' mid-lines cross: x = tv/2 in the vertical leg,
  // y = th/2 in the horizontal one
  const double tmax = std::max(tv, th), tmin = std::min(tv, th);
  r[slot::Jt] = (Cube(tv) * h + Cube(th) * b) / 30000;
  r[slot::Js] = (SkretProstokata(tv, h) + SkretProstokata(th, b)) / 10000;
  TorsionModuli(r, tmax);
  r[slot::Avx] = b * th / 100;
  r[slot::Avy] = h * tv / 100;
  r[slot::xT] = tv / 2;
  r[slot::yT] = th / 2;
  // the vertical leg about the centroid's x axis gives Ivx, the horizontal one Ivy
  r[slot::Ivx] = (tv * Cube(h) / 12 + Sq(h / 2 - r[slot::yS]) * tv * h) / 10000;
  r[slot::Ivy] = (th * Cube(b) / 12 + Sq(b / 2 - r[slot::xS]) * th * b) / 10000;
  r[slot::Oz] = Obwod(fig, true);
  Finish(g, tmax / 10, tmin / 10, {7});

  // h at the left, b below, each leg's thickness across its end
  SectionModel& m = g.model;
  AddDimension(m, 0, 1, 6, -15, h);
  AddDimension(m, 1, 1, 2, 15, b);
  AddDimension(m, 1, 6, 5, -15, tv);
  AddDimension(m, 0, 2, 3, 15, th);
}

}  // namespace tarvik
