// The shear centre of thin-walled mid-line models against closed forms, in any frame.
#include "engine/thin_walled.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tarvik {
namespace {

constexpr double kPi = 3.141592653589793;

// the plates turned by angle degrees about the origin, then shifted by (dx, dy)
std::vector<Plate> Moved(std::vector<Plate> plates, double angle, double dx, double dy) {
  const double c = std::cos(angle * kPi / 180), s = std::sin(angle * kPi / 180);
  for (Plate& p : plates)
    for (Point* q : {&p.a, &p.b}) *q = {q->x * c - q->y * s + dx, q->x * s + q->y * c + dy};
  return plates;
}

Point MovedPoint(Point q, double angle, double dx, double dy) {
  return Moved({{q, q, 1}}, angle, dx, dy)[0].a;
}

// as drawn, and turned and shifted far away: the centre moves with the plates
const struct Frame { double angle, dx, dy; } kFrames[] = {{0, 0, 0}, {30, 1000, -500}, {90, 0, 0}};

void ExpectCentre(const std::vector<Plate>& plates, Point expected) {
  for (const Frame& f : kFrames) {
    SCOPED_TRACE(f.angle);
    const std::optional<Point> centre = ThinWalledShearCentre(Moved(plates, f.angle, f.dx, f.dy));
    ASSERT_TRUE(centre);
    const Point want = MovedPoint(expected, f.angle, f.dx, f.dy);
    EXPECT_NEAR(centre->x, want.x, 1e-9 * 1000);
    EXPECT_NEAR(centre->y, want.y, 1e-9 * 1000);
  }
}

// A channel of flanges b x tf (from the web's mid-line) h apart and a web tw: its shear
// centre lies on the axis of symmetry, e = 3b^2·tf/(6b·tf + h·tw) behind the web (Megson,
// Aircraft Structures, the channel example; Timoshenko & Gere, Mechanics of Materials)
TEST(ThinWalledShearCentre, OpenChannelHasTheTextbookEccentricity) {
  const double b = 76, h = 190, tw = 8, tf = 10;
  const std::vector<Plate> channel = {
      {{0, -h / 2}, {0, h / 2}, tw}, {{0, h / 2}, {b, h / 2}, tf}, {{b, -h / 2}, {0, -h / 2}, tf}};
  ExpectCentre(channel, {-3 * b * b * tf / (6 * b * tf + h * tw), 0});
}

// A rectangular cell b wide (webs tw), h high, top flange t1, bottom t2, worked by hand for a
// horizontal shear (Iy = (t1 + t2)·b^3/12 + tw·h·b^2/2): cut at a corner, the open flows'
// twist is cancelled by q0 = (b·h^2/2 + tw·b^2·h/(2·t1)) / (b/t1 + b/t2 + 2h/tw), and their
// moments put the force at y = (3·tw·b^2·h^2/4 + t1·b^3·h/12 - 2·b·h·q0) / Iy above the bottom
// flange (80.342 mm for b 100, h 200, tw 8, t1 10, t2 20 by numerical integration of the flows).
TEST(ThinWalledShearCentre, SingleCellByTheClosingFlow) {
  const double b = 100, h = 200, tw = 8;
  for (const double t2 : {10.0, 20.0, 4.0}) {
    SCOPED_TRACE(t2);
    const double t1 = 10;
    const double iy = (t1 + t2) * b * b * b / 12 + tw * h * b * b / 2;
    const double q0 = (b * h * h / 2 + tw * b * b * h / (2 * t1)) / (b / t1 + b / t2 + 2 * h / tw);
    const double y = (3 * tw * b * b * h * h / 4 + t1 * b * b * b * h / 12 - 2 * b * h * q0) / iy;
    if (t2 == t1) {
      EXPECT_NEAR(y, h / 2, 1e-12 * h) << "the derivation keeps the symmetry";
    }
    const std::vector<Plate> box = {{{-b / 2, 0}, {b / 2, 0}, t2},
                                    {{b / 2, 0}, {b / 2, h}, tw},
                                    {{b / 2, h}, {-b / 2, h}, t1},
                                    {{-b / 2, h}, {-b / 2, 0}, tw}};
    ExpectCentre(box, {0, y});
  }
}

TEST(ThinWalledShearCentre, NothingForTwoCellsPlatesApartOrNoThickness) {
  const std::vector<Plate> square = {
      {{0, 0}, {10, 0}, 1}, {{10, 0}, {10, 10}, 1}, {{10, 10}, {0, 10}, 1}, {{0, 10}, {0, 0}, 1}};
  std::vector<Plate> twoCells = square;
  twoCells[0].b = {5, 0}, twoCells[2].b = {5, 10};
  twoCells.push_back({{5, 0}, {10, 0}, 1});
  twoCells.push_back({{5, 10}, {0, 10}, 1});
  twoCells.push_back({{5, 0}, {5, 10}, 1});
  std::vector<Plate> apart = square, noThickness = square;
  apart.push_back({{20, 0}, {30, 0}, 1});
  noThickness[1].t = 0;
  const struct {
    const char* what;
    std::vector<Plate> plates;
  } cases[] = {{"two cells", twoCells},
               {"plates apart", apart},
               {"no thickness", noThickness},
               {"one line", {{{0, 0}, {10, 0}, 1}, {{10, 0}, {20, 0}, 2}}},
               {"nothing", {}}};
  for (const auto& c : cases) EXPECT_FALSE(ThinWalledShearCentre(c.plates)) << c.what;
}

// the chain the other way: last plate first, each walked from its far end
std::vector<Plate> Backwards(std::vector<Plate> plates) {
  std::reverse(plates.begin(), plates.end());
  for (Plate& p : plates) std::swap(p.a, p.b);
  return plates;
}

// Warping constants of open chains against closed forms from mid-line dimensions, in every
// frame and walked both ways; the normalised ω at the nodes where it is known by hand.
//  channel (flanges b x tf, web h x tw, e behind the web): Jw = tf·b³·h²/12 ·
//    (3b·tf + 2h·tw)/(6b·tf + h·tw); from the lower tip ω runs 0, -b·h/2, (2e - b)·h/2,
//    (e - b)·h, less its mean (e - b)·h/2: (b - e)·h/2, -e·h/2, e·h/2, (e - b)·h/2
//  Z (flanges b x tf turned apart, web h x tw, pole in the middle): from the upper tip ω
//    runs 0, b·h/2 along the web, 0, less its mean ω0 = b·h/2 · (b·tf + h·tw)/(2b·tf + h·tw),
//    and Jw = ∫ω²t ds - ω0²·A = tf·b³·h²·(b·tf + 2h·tw) / (12·(2b·tf + h·tw))
//  lipped channel (web a, flanges b, lips c, all t): the pole m = b·t·(3a²b + 6a²c - 8c³) /
//    (12·Ix) behind the web with Ix = t·(a³ + 6a²b + 6a²c - 12a·c² + 8c³)/12 (∫ω·y t ds = 0),
//    and Jw = a²b²t/12 · (2a³b + 3a²b² + 48c⁴ + 112b·c³ + 8a·c³ + 48a·b·c² + 12a²c² +
//    12a²b·c + 6a³c) / (a³ + 6a²b + 6a²c - 12a·c² + 8c³), as the cold-formed steel design
//    texts give it (Yu, Cold-Formed Steel Design)
//  angle: every plate passes through the pole, ω = 0 everywhere
TEST(ThinWalledWarping, OpenChainsHaveTheTextbookConstants) {
  const double b = 76, h = 190, tf = 10, tw = 8;
  const double e = 3 * b * b * tf / (6 * b * tf + h * tw);
  const double zMean = b * h / 2 * (b * tf + h * tw) / (2 * b * tf + h * tw);
  const double la = 200, lb = 70, lc = 20, t = 2;
  const double lipDenominator =
      la * la * la + 6 * la * la * lb + 6 * la * la * lc - 12 * la * lc * lc + 8 * lc * lc * lc;
  const double lipJw = la * la * lb * lb * t / 12 *
                       (2 * la * la * la * lb + 3 * la * la * lb * lb + 48 * std::pow(lc, 4) +
                        112 * lb * lc * lc * lc + 8 * la * lc * lc * lc + 48 * la * lb * lc * lc +
                        12 * la * la * lc * lc + 12 * la * la * lb * lc + 6 * la * la * la * lc) /
                       lipDenominator;
  const double m =
      lb * t * (3 * la * la * lb + 6 * la * la * lc - 8 * lc * lc * lc) / (t * lipDenominator);
  const struct {
    const char* what;
    std::vector<Plate> plates;  // walked from the first plate's start
    double jw;
    Point pole;
    std::vector<double> omega;  // empty: not checked
  } cases[] = {
      {"channel",
       {{{b, -h / 2}, {0, -h / 2}, tf},
        {{0, -h / 2}, {0, h / 2}, tw},
        {{0, h / 2}, {b, h / 2}, tf}},
       tf * b * b * b * h * h / 12 * (3 * b * tf + 2 * h * tw) / (6 * b * tf + h * tw),
       {-e, 0},
       {(b - e) * h / 2, -e * h / 2, e * h / 2, -(b - e) * h / 2}},
      {"Z",
       {{{b, h / 2}, {0, h / 2}, tf},
        {{0, h / 2}, {0, -h / 2}, tw},
        {{0, -h / 2}, {-b, -h / 2}, tf}},
       tf * b * b * b * h * h * (b * tf + 2 * h * tw) / (12 * (2 * b * tf + h * tw)),
       {0, 0},
       {-zMean, b * h / 2 - zMean, b * h / 2 - zMean, -zMean}},
      {"lipped channel",
       {{{lb, -la / 2 + lc}, {lb, -la / 2}, t},
        {{lb, -la / 2}, {0, -la / 2}, t},
        {{0, -la / 2}, {0, la / 2}, t},
        {{0, la / 2}, {lb, la / 2}, t},
        {{lb, la / 2}, {lb, la / 2 - lc}, t}},
       lipJw,
       {-m, 0},
       {}},
      {"angle", {{{0, 80}, {0, 0}, 6}, {{0, 0}, {50, 0}, 6}}, 0, {0, 0}, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const double scale = std::max(1.0, c.jw);
    for (const bool backwards : {false, true})
      for (const Frame& f : kFrames) {
        SCOPED_TRACE(backwards ? "backwards" : "forwards");
        SCOPED_TRACE(f.angle);
        const std::vector<Plate> plates = Moved(c.plates, f.angle, f.dx, f.dy);
        const std::optional<SectorialCoordinates> w =
            ThinWalledWarping(backwards ? Backwards(plates) : plates);
        ASSERT_TRUE(w);
        EXPECT_NEAR(w->jw, c.jw, 1e-11 * scale);
        const Point pole = MovedPoint(c.pole, f.angle, f.dx, f.dy);
        EXPECT_NEAR(w->pole.x, pole.x, 1e-9 * 1000);
        EXPECT_NEAR(w->pole.y, pole.y, 1e-9 * 1000);
        ASSERT_EQ(w->nodes.size(), c.plates.size() + 1);
        ASSERT_EQ(w->omega.size(), w->nodes.size());
        const Point start = backwards ? plates.back().b : plates.front().a;
        EXPECT_NEAR(w->nodes.front().x, start.x, 1e-9);
        EXPECT_NEAR(w->nodes.front().y, start.y, 1e-9);
        // ω belongs to the point, not to the way the chain is walked
        for (size_t k = 0; k < c.omega.size(); ++k) {
          const double want = backwards ? c.omega[c.omega.size() - 1 - k] : c.omega[k];
          EXPECT_NEAR(w->omega[k], want, 1e-9 * b * h) << "node " << k;
        }
      }
  }
}

// branches, cells and plates apart are no chain; a chain listed out of order is still walked
// from the first free end the list names
TEST(ThinWalledWarping, OnlyOneOpenChainIsWalked) {
  const std::vector<Plate> tee = {
      {{-50, 0}, {0, 0}, 5}, {{0, 0}, {50, 0}, 5}, {{0, 0}, {0, -80}, 4}};
  const std::vector<Plate> box = {
      {{0, 0}, {10, 0}, 1}, {{10, 0}, {10, 10}, 1}, {{10, 10}, {0, 10}, 1}, {{0, 10}, {0, 0}, 1}};
  const std::vector<Plate> apart = {{{0, 0}, {10, 0}, 1}, {{0, 5}, {0, 20}, 1}};
  const std::vector<Plate> line = {{{0, 0}, {10, 0}, 1}, {{10, 0}, {20, 0}, 2}};
  for (const auto& [what, plates] : {std::pair{"tee", tee}, std::pair{"box", box},
                                     std::pair{"apart", apart}, std::pair{"one line", line}})
    EXPECT_FALSE(ThinWalledWarping(plates)) << what;
  // a channel's web listed first, its lower flange reversed: the walk starts at the lower tip
  const std::vector<Plate> shuffled = {
      {{0, -95}, {0, 95}, 8}, {{76, -95}, {0, -95}, 10}, {{76, 95}, {0, 95}, 10}};
  const std::optional<SectorialCoordinates> w = ThinWalledWarping(shuffled);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->nodes, (std::vector<Point>{{76, -95}, {0, -95}, {0, 95}, {76, 95}}));
}

}  // namespace
}  // namespace tarvik
