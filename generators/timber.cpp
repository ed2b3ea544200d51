#include "generators/timber.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/composite.h"
#include "engine/integration.h"
#include "engine/numbers.h"
#include "generators/parametric.h"

namespace tarvik {
namespace {

// Characteristic density, mean and 5 % modulus parallel to the grain of the 26 classes.
// C18, C24, C30, C35, C40: EN 338:2009; the other solid classes: EN 338:2016; GL24h, GL28h,
// GL32h and the combined GL24c..GL32c: EN 14080:2013; GL36h and GL36c, which EN 14080 does
// not define: EN 1194:1999.
constexpr std::array<TimberClass, kTimberClasses> kClasses = {{
    {"C14", 290, 7.0, 4.7},    {"C16", 310, 8.0, 5.4},    {"C18", 320, 9.0, 6.0},
    {"C20", 330, 9.5, 6.4},    {"C22", 340, 10.0, 6.7},   {"C24", 350, 11.0, 7.4},
    {"C27", 360, 11.5, 7.7},   {"C30", 380, 12.0, 8.0},   {"C35", 400, 13.0, 8.7},
    {"C40", 420, 14.0, 9.4},   {"C45", 410, 15.0, 10.1},  {"C50", 430, 16.0, 10.7},
    {"D30", 530, 11.0, 9.2},   {"D35", 540, 12.0, 10.1},  {"D40", 550, 13.0, 10.9},
    {"D50", 620, 14.0, 11.8},  {"D60", 700, 17.0, 14.3},  {"D70", 800, 20.0, 16.8},
    {"GL24h", 385, 11.5, 9.6}, {"GL28h", 425, 12.6, 10.5}, {"GL32h", 440, 14.2, 11.8},
    {"GL36h", 450, 14.7, 11.9}, {"GL24c", 365, 11.0, 9.1}, {"GL28c", 390, 12.5, 10.4},
    {"GL32c", 400, 13.5, 11.2}, {"GL36c", 430, 14.7, 11.9},
}};

}  // namespace

const std::array<TimberClass, kTimberClasses>& TimberClasses() { return kClasses; }

int KlasaDrewna(std::string_view name) {
  for (int i = 0; i < kTimberClasses; ++i)
    if (name == kClasses[i].name) return i + 1;
  return 1;
}

const TimberClass& TimberClassOf(int number) {
  return kClasses[number >= 1 && number <= kTimberClasses ? number - 1 : 0];
}

std::vector<TimberEdit> TimberEdits(int shape) {
  switch (shape) {
    case kDrProstokatny:
      return {kDrH2, kDrB2};
    case kDrOkragly:
      return {kDrH2};
    case kDrTeowy:
      return {kDrH1, kDrB1, kDrH2, kDrB2};
    case kDrDwuteowy3:
    case kDrDwuteowy5:
    case kDrSkrzynkowy2:
      return {kDrH1, kDrB1, kDrH2, kDrB2, kDrH3, kDrB3};
    case kDrSkrzynkowy1:
      return {kDrH1, kDrB1, kDrH2, kDrB2, kDrH3, kDrB3, kDrAdr};
    case kDrPodwojny:
    case kDrPotrojny:
    case kDrPoczworny:
      return {kDrH2, kDrB2, kDrAdr};
    default:
      return {};
  }
}

int TimberText(int shape, TimberEdit edit) {
  const std::vector<TimberEdit> edits = TimberEdits(shape);
  if (std::find(edits.begin(), edits.end(), edit) == edits.end()) return -1;
  if (shape == kDrProstokatny || shape == kDrOkragly) return edit == kDrH2 ? 0 : 1;
  return static_cast<int>(edit);
}

bool TimberJointed(int shape) { return shape >= kDrTeowy && shape <= kDrSkrzynkowy2; }

bool TimberLowerFlange(int shape) { return shape >= kDrDwuteowy3 && shape <= kDrSkrzynkowy2; }

bool TimberMembers(int shape) { return shape >= kDrPodwojny && shape <= kDrPoczworny; }

int TimberHeightText(int shape) { return TimberText(shape, kDrH2); }

namespace {

// the parts of a built-up section whose joints the fasteners make
enum Part { kUpper, kWeb, kLower };

// one rectangular member, as built: its part, its place and its own properties
struct Member {
  Part part;
  double h, b;  // [mm]
  double x, y;  // centre [mm]
};

// the class of a part (the web's class for the members of a multiple section)
const TimberClass& ClassOf(const TimberSettings& t, Part p) { return TimberClassOf(t.classes[p]); }

std::string Cm(double mm) { return FormatLiczby(-1, "", mm / 10); }

// The members into figures 1..N: each a rectangle of the parametric generator from its own
// height and width, moved to its place. False, with the rectangle's message, when one cannot
// be built.
bool BuildMembers(Generation& g, const std::vector<Member>& members) {
  SectionModel& m = g.model;
  m.figures.resize(1);
  m.figureCount = 0;
  m.currentFigure = 0;
  for (const Member& member : members) {
    Selection one;
    one.kind = kDrewniane;
    one.setText(0, FormatWymiaru(0, 0, 0, member.h / 10) + " cm");
    one.setText(1, FormatWymiaru(0, 0, 0, member.b / 10) + " cm");
    m.clearWorkingFigure();
    m.section.clear();
    Generation rectangle{m, one, g.settings, g.sink};
    Prostokat(rectangle);
    if (rectangle.failed) {
      g.failed = true;
      return false;
    }
    m.working().selection = g.selection.integers();
    m.addFigure();
    PrzeksztalcFigure(m, m.figureCount, false, false, member.x, member.y, 0);
  }
  // the working figure holds the choice, for the file and the next regeneration
  m.clearWorkingFigure();
  m.working().selection = g.selection.integers();
  for (int i = 0; i < FigureRecord::kDimTexts; ++i) m.working().setDim(i, g.selection.texts[i]);
  m.section.clear();
  return true;
}

// the section's own sums over figures 1..N, moduli included
void SumAll(Generation& g, const std::string& name) {
  PropertiesRecord& r = g.props();
  r.setName(name);
  SumujFigury(g.model, true, r);
  ReportPlasticAxes(ObliczWskazniki(g.model, 1, g.model.lastFigure(), r), g.sink);
}

double Mass(const TimberSettings& t, const std::vector<Member>& members) {
  double mass = 0;
  for (const Member& member : members)
    mass += ClassOf(t, member.part).rhoK * member.h * member.b / 100 / 10000;
  return mass;
}

}  // namespace

// A solid rectangle or circle of one class: the parametric generator's section, its mass
// from the class's density.
void DrewnoProstokat(Generation& g) {
  Prostokat(g);
  if (g.failed) return;
  PropertiesRecord& r = g.props();
  r[slot::m] = ClassOf(g.settings.timber, kWeb).rhoK * r[slot::A] / 10000;
  g.figure().props = r;
}

namespace {

// SztywnoscLaczona: the section of a beam whose flanges are fastened to its web(s) by nails,
// screws or bolts, by the effective bending stiffness about x of EN 1995-1-1, Annex B.
//
// Parts: the upper flange 1, the web 2 (one member, or both webs of a box) and the lower
// flange 3 (the tee has none). For part i: A_i its area, I_i the sum of its members' own
// moments about their centroidal x axes, y_i its centroid, E_i = E0,mean of its class and
// n_i = E_i / E_2.
//
// Slip modulus of one fastener in one shear plane between a flange and the web:
//   ρm = √(ρk,flange · ρk,web)           [kg/m³]
//   Kser = ρm^1.5 · d / 20               holes pre-drilled ("Otwory"), d [mm]
//   Kser = ρm^1.5 · d^0.8 / 25           nails driven without holes
//   Ku = 2/3 · Kser                      [N/mm]
// Reduction factor of flange i, fastener spacing s_i [mm], span L:
//   γ_i = 1 / (1 + π² E0,05,i A_i s_i / (k_i Ku,i L²))      (N, mm)
//       = 1 / (1 + η_i),  η_i = π² · 0.1 · A_i · E0,05,i · s_i / (k_i · L² · Ku,i)
// with A in cm², E in kN/mm² and L in m (the 0.1 gathers 1000 · 100 / 1000²).
// k_i is the number of fastener rows that carry flange i: 1 for the tee and the I of three
// members; 2 for the I of five members (a board on each side of the web, A_i both boards),
// for the box with its flanges over both webs (a row into each web) and for the box with its
// flanges between the webs (a row from each web).
// Glued: γ_1 = γ_3 = 1. The web's γ_2 = 1.
//
// Neutral axis, from the web's centroid y_2 upwards:
//   a_2 = Σ_{i=1,3} γ_i n_i A_i (y_i − y_2) / (A_2 + Σ_{i=1,3} γ_i n_i A_i)
// — for the tee and the I, Annex B's a2 = (γ1E1A1(h1+h2) − γ3E3A3(h2+h3)) / (2 Σ γiEiAi) —
// so y_N = y_2 + a_2 and a_i = y_i − y_N. Effective stiffness in web units (EI_ef / E_2):
//   J1 = I_2 + A_2 a_2² + Σ_{i=1,3} n_i (I_i + γ_i A_i a_i²)
// The flanges' centroids: stacked on the web (tee, I of three members, box with flanges over
// the webs) y_i = ±(h_web + h_i)/2; beside a web of full height H (I of five members, box
// with flanges between the webs) y_i = ±(H − h_i)/2.
//
// The other values, transformed to the web's material in the same way: A = A_2 + Σ n_i A_i;
// Avx = Σ n_i A_i of the flanges, Avy = A_2; Wcx, Wtx = J1 over the distances of the top and
// the bottom face from the neutral axis; J2 = Σ n_i (J2_i + A_i x_i²) over every member about
// the section's axis of symmetry (the joints taken as rigid for that axis); Wcy = Wty = J2
// over the farthest fibre; Jt = Σ n_i Jt_i. The mass is that of each member's own class.
// Neither plastic moduli nor shear moments of inertia are given for a jointed section.
struct Joint {
  double gamma[3] = {1, 1, 1};
  double n[3] = {1, 1, 1};
};

Joint Gammas(const TimberSettings& t, const std::vector<Member>& members, int rows) {
  Joint j;
  const TimberClass& web = ClassOf(t, kWeb);
  for (Part p : {kUpper, kLower}) {
    const TimberClass& c = ClassOf(t, p);
    j.n[p] = c.e0mean / web.e0mean;
    if (!t.mechanical) continue;
    double area = 0;  // [cm^2]
    for (const Member& m : members)
      if (m.part == p) area += m.h * m.b / 100;
    if (area == 0) {
      j.gamma[p] = 0;  // no such flange
      continue;
    }
    const bool holes = p == kUpper ? t.holes1 : t.holes3;
    const double d = p == kUpper ? t.diameter1 : t.diameter3;
    const double spacing = p == kUpper ? t.spacing1 : t.spacing3;
    const double rho = std::sqrt(c.rhoK * web.rhoK);
    const double kser = holes ? std::pow(rho, 1.5) * d / 20 : std::pow(rho, 1.5) * std::pow(d, 0.8) / 25;
    const double ku = 2 * kser / 3;
    const double eta = std::numbers::pi * std::numbers::pi * 0.1 * area * c.e005 * spacing / (t.span * t.span * ku) / rows;
    j.gamma[p] = 1 / (1 + eta);
  }
  return j;
}

void SztywnoscLaczona(Generation& g, const std::vector<Member>& members, int rows) {
  const TimberSettings& t = g.settings.timber;
  const Joint j = Gammas(t, members, rows);
  // per part: area [cm^2], first moment about x [cm^3], own moments [cm^4]
  double area[3] = {}, first[3] = {}, own[3] = {};
  double j2 = 0, jt = 0, top = -1e300, bottom = 1e300, outermost = 0;
  for (size_t k = 0; k < members.size(); ++k) {
    const Member& m = members[k];
    const PropertiesRecord& p = g.model.figures[k + 1].props;
    const double a = m.h * m.b / 100, n = j.n[m.part];
    area[m.part] += a;
    first[m.part] += a * m.y / 10;
    own[m.part] += m.b * m.h * m.h * m.h / 120000;
    j2 += n * (m.h * m.b * m.b * m.b / 120000 + a * (m.x / 10) * (m.x / 10));
    jt += n * p[slot::Jt];
    top = std::max(top, m.y + m.h / 2);
    bottom = std::min(bottom, m.y - m.h / 2);
    outermost = std::max(outermost, std::fabs(m.x) + m.b / 2);
  }
  const double y2 = first[kWeb] / area[kWeb];  // [cm]
  double weighted = area[kWeb], moment = 0;
  for (Part p : {kUpper, kLower}) {
    if (area[p] == 0) continue;
    const double yi = first[p] / area[p];
    weighted += j.gamma[p] * j.n[p] * area[p];
    moment += j.gamma[p] * j.n[p] * area[p] * (yi - y2);
  }
  const double a2 = moment / weighted;
  const double yN = y2 + a2;  // [cm]
  double j1 = own[kWeb] + area[kWeb] * a2 * a2;
  for (Part p : {kUpper, kLower}) {
    if (area[p] == 0) continue;
    const double ai = first[p] / area[p] - yN;
    j1 += j.n[p] * (own[p] + j.gamma[p] * area[p] * ai * ai);
  }

  PropertiesRecord& r = g.props();
  r[slot::xS] = 0;
  r[slot::yS] = 10 * yN;
  r[slot::al] = 0;
  r[slot::A] = area[kWeb] + j.n[kUpper] * area[kUpper] + j.n[kLower] * area[kLower];
  r[slot::Avx] = j.n[kUpper] * area[kUpper] + j.n[kLower] * area[kLower];
  r[slot::Avy] = area[kWeb];
  r[slot::J1] = j1;
  r[slot::Wcx] = j1 / (top / 10 - yN);
  r[slot::Wtx] = j1 / (yN - bottom / 10);
  r[slot::J2] = j2;
  r[slot::Wcy] = r[slot::Wty] = j2 / (outermost / 10);
  r[slot::Jt] = jt;
  r[slot::m] = Mass(t, members);
  for (int s : {slot::Wplx, slot::Wply, slot::xpl, slot::ypl, slot::Ivx, slot::Ivy}) r[s] = 0;
}

// the built-up section's fastener data: every number a positive one, for the flanges the
// shape has
bool FastenersUsable(Generation& g, bool lower) {
  const TimberSettings& t = g.settings.timber;
  if (!t.mechanical) return true;
  auto bad = [](double v) { return !(v > 0) || v > 1e5; };
  if (bad(t.span) || bad(t.spacing1) || bad(t.diameter1) ||
      (lower && (bad(t.spacing3) || bad(t.diameter3)))) {
    std::string detail = "(s1 = " + FormatLiczby(-1, " mm", t.spacing1) +
                         ", d1 = " + FormatLiczby(-1, " mm", t.diameter1);
    if (lower)
      detail += ", s3 = " + FormatLiczby(-1, " mm", t.spacing3) +
                ", d3 = " + FormatLiczby(-1, " mm", t.diameter3);
    g.refuse("Niewłaściwe dane łączników",
             detail + ", L = " + FormatLiczby(-1, " m", t.span) + ")");
    return false;
  }
  return true;
}

// the members built, summed, and the jointed section's values over them; rows: the fastener
// rows carrying each flange
void Jointed(Generation& g, const std::vector<Member>& members, const std::string& name,
             int rows) {
  if (!BuildMembers(g, members)) return;
  SumAll(g, name);
  SztywnoscLaczona(g, members, rows);
  Finish(g, 0, 0, {3, 7});
}

// a flange's name part: "H x b1/b2" with the widths of the members in cm
std::string Widths(std::initializer_list<double> widths) {
  std::string text;
  for (double w : widths) text += (text.empty() ? "" : "/") + Cm(w);
  return text;
}

}  // namespace

void DrewnoTeowy(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 4}) || !FastenersUsable(g, false)) return;
  const double h1 = g.dim(1), b1 = g.dim(2), h2 = g.dim(3), b2 = g.dim(4);
  const std::vector<Member> members = {{kWeb, h2, b2, 0, 0}, {kUpper, h1, b1, 0, (h2 + h1) / 2}};
  Jointed(g, members, "T" + Cm(h1 + h2) + "x" + Widths({b1, b2}), 1);
}

void DrewnoDwuteowy(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 4, 5, 6}) || !FastenersUsable(g, true)) return;
  const double h1 = g.dim(1), b1 = g.dim(2), h2 = g.dim(3), b2 = g.dim(4), h3 = g.dim(5),
               b3 = g.dim(6);
  if (g.selection.sub == kDrDwuteowy3) {
    const std::vector<Member> members = {{kWeb, h2, b2, 0, 0},
                                         {kUpper, h1, b1, 0, (h2 + h1) / 2},
                                         {kLower, h3, b3, 0, -(h2 + h3) / 2}};
    Jointed(g, members, "2T3-" + Cm(h1 + h2 + h3) + "x" + Widths({b1, b2, b3}), 1);
    return;
  }
  // boards on both sides of a web of full height: an upper and a lower board would overlap
  if (h1 + h3 > h2) {
    g.refuse("Pasy wyższe niż środnik", "(h1 + h3 = " + Cm(h1 + h3) + " cm > h = " + Cm(h2) + " cm)");
    return;
  }
  const std::vector<Member> members = {
      {kWeb, h2, b2, 0, 0},
      {kUpper, h1, b1, (b2 + b1) / 2, (h2 - h1) / 2},
      {kUpper, h1, b1, -(b2 + b1) / 2, (h2 - h1) / 2},
      {kLower, h3, b3, (b2 + b3) / 2, -(h2 - h3) / 2},
      {kLower, h3, b3, -(b2 + b3) / 2, -(h2 - h3) / 2}};
  Jointed(g, members, "2T5-" + Cm(h2) + "x" + Widths({b1, b2, b3}), 2);
}

void DrewnoSkrzynkowy(Generation& g) {
  if (!CheckDimensions(g, {1, 2, 3, 4, 5, 6}) || !FastenersUsable(g, true)) return;
  const double h1 = g.dim(1), b1 = g.dim(2), h2 = g.dim(3), b2 = g.dim(4), h3 = g.dim(5),
               b3 = g.dim(6);
  if (g.selection.sub == kDrSkrzynkowy1) {
    if (!CheckDimensions(g, {}, {7})) return;
    const double a = g.dim(7);
    // a flange over both webs must reach them
    if (b1 <= a || b3 <= a) {
      g.refuse("Pas nie sięga środników", "(b1 = " + Cm(b1) + " cm, b3 = " + Cm(b3) +
                                              " cm, rozstaw = " + Cm(a) + " cm)");
      return;
    }
    const std::vector<Member> members = {{kWeb, h2, b2, (a + b2) / 2, 0},
                                         {kWeb, h2, b2, -(a + b2) / 2, 0},
                                         {kUpper, h1, b1, 0, (h2 + h1) / 2},
                                         {kLower, h3, b3, 0, -(h2 + h3) / 2}};
    Jointed(g, members, "SkD" + Cm(h1 + h2 + h3) + "x" + Widths({b1, b2, b3}), 2);
    return;
  }
  // flanges between two webs of full height: they fill the gap, one above the other
  if (b1 != b3) {
    g.refuse("Pasy między środnikami muszą mieć równą szerokość",
             "(b1 = " + Cm(b1) + " cm, b3 = " + Cm(b3) + " cm)");
    return;
  }
  if (h1 + h3 > h2) {
    g.refuse("Pasy wyższe niż środnik", "(h1 + h3 = " + Cm(h1 + h3) + " cm > h = " + Cm(h2) + " cm)");
    return;
  }
  const std::vector<Member> members = {{kWeb, h2, b2, (b2 + b1) / 2, 0},
                                       {kWeb, h2, b2, -(b2 + b1) / 2, 0},
                                       {kUpper, h1, b1, 0, (h2 - h1) / 2},
                                       {kLower, h3, b3, 0, -(h2 - h3) / 2}};
  Jointed(g, members, "SkD" + Cm(h2) + "x" + Widths({b1, b2, b3}), 2);
}

// Two, three or four equal members side by side, a clear gap apart: the composite's own
// values, shear areas and torsion of the separate members.
void DrewnoWielokrotny(Generation& g) {
  if (!CheckDimensions(g, {3, 4}, {7})) return;
  const double h = g.dim(3), b = g.dim(4), a = g.dim(7);
  const int count = g.selection.sub == kDrPodwojny ? 2 : g.selection.sub == kDrPotrojny ? 3 : 4;
  std::vector<Member> members;
  for (int k = 0; k < count; ++k)
    members.push_back({kWeb, h, b, (k - (count - 1) / 2.0) * (a + b), 0});
  if (!BuildMembers(g, members)) return;
  SumAll(g, std::to_string(count) + "-" + Cm(h) + "x" + Cm(b));
  PropertiesRecord& r = g.props();
  const PropertiesRecord& one = g.model.figures[1].props;
  r[slot::Avx] = one[slot::A];
  r[slot::Avy] = count * one[slot::A];
  r[slot::Jt] = count * one[slot::Jt];
  r[slot::m] = Mass(g.settings.timber, members);
  for (int s : {slot::Wplx, slot::Wply, slot::xpl, slot::ypl, slot::Ivx, slot::Ivy}) r[s] = 0;
  Finish(g, 0, 0, {3, 7});
}

void DrewnoKolo(Generation& g) {
  Kolo(g);
  if (g.failed) return;
  PropertiesRecord& r = g.props();
  r[slot::m] = ClassOf(g.settings.timber, kWeb).rhoK * r[slot::A] / 10000;
  g.figure().props = r;
}

}  // namespace tarvik
