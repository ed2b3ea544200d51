// The concrete outlines of the "Żelbetowe" tab, built through the dispatcher as the window
// builds them: texts in centimetres, outlines in millimetres, values against rectangles and
// trapezoids summed by hand. Saint-Venant α written out: 0.229 at a side ratio of 2, 0.307
// at 8.
#include "generators/concrete.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "generators/parametric.h"
#include "tests/support/generate.h"
#include "tests/support/polygon.h"

namespace tarvik {
namespace {

constexpr double kPi = 3.141592653589793;
double P3(double v) { return v * v * v; }

::testing::AssertionResult Close(double actual, double expected) {
  if (std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " instead of " << expected;
}

// the tab's texts by their places
using Texts = std::map<int, std::string>;
Selection Concrete(int shape, const Texts& texts) {
  Selection s;
  s.kind = kZelbetowe;
  s.sub = shape;
  for (const auto& [place, text] : texts) s.setText(place, text);
  return s;
}
test::Built Build(int shape, const Texts& texts) {
  return test::Generate(Concrete(shape, texts), nullptr);
}

// the T and I texts: height, web, upper flange width and height, lower ones, haunches [cm]
Texts TI(const char* h, const char* bw, const char* bg, const char* hg, const char* bd,
         const char* hd, const char* sg = "0 cm", const char* sd = "0 cm") {
  return {{kZbHeight, h},       {kZbWidth, bw},        {kZbTopWidth, bg},  {kZbTopHeight, hg},
          {kZbBottomWidth, bd}, {kZbBottomHeight, hd}, {kZbHaunchTop, sg}, {kZbHaunchBottom, sd}};
}

std::vector<Point> Outline(const FigureRecord& f) {
  return {f.outer.begin(), f.outer.begin() + (f.nOuter - 1)};
}

// b x h rectangles [mm] whose centres lie y above the bottom face
struct Block {
  double b, h, y;
};
struct Sums {
  double area, cy, ixx;  // mm^2, mm from the bottom face, mm^4 about the centroid
};
Sums Blocks(std::initializer_list<Block> blocks) {
  double a = 0, s = 0, i = 0;
  for (const Block& k : blocks) {
    a += k.b * k.h;
    s += k.b * k.h * k.y;
    i += k.b * P3(k.h) / 12 + k.b * k.h * k.y * k.y;
  }
  return {a, s / a, i - s * s / a};
}

TEST(ZelbetTeowy, ShapeWithoutALowerFlangeReachesTheBottomWithTheWebWhateverItsTexts) {
  // the lower flange's texts are left out, zero, or filled in as another shape left them
  const std::pair<const char*, const char*> lower[] = {
      {"", ""}, {"0 cm", "0 cm"}, {"80 cm", "20 cm"}};
  for (const auto& [bd, hd] : lower) {
    SCOPED_TRACE(std::string(bd) + "/" + hd);
    const test::Built b = Build(kZbTeowyGorny, TI("60 cm", "30 cm", "80 cm", "15 cm", bd, hd));
    ASSERT_TRUE(b.messages.empty());
    const std::vector<Point> want = {{150, 0},    {150, 0},   {150, 0},    {150, 450},
                                     {400, 450},  {400, 600}, {-400, 600}, {-400, 450},
                                     {-150, 450}, {-150, 0},  {-150, 0},   {-150, 0}};
    EXPECT_EQ(Outline(b.model.working()), want);
    EXPECT_EQ(b.r().name(), "Żelb.T górny");
  }
}

// the T's values by hand: a 80 x 10 cm flange over a 30 x 60 cm web, and the same T upside
// down; the I with unequal flanges (α 0.263 at a side ratio of 3, 0.281 at 4, the web's 4:3
// two thirds of the way from 0.141 at 1 to 0.196 at 1.5)
TEST(ZelbetTeowy, AreaCentroidMomentsAndClosedFormsOfTheTAndTheI) {
  const Sums top = Blocks({{800, 100, 650}, {300, 600, 300}});
  const Sums bottom = Blocks({{800, 100, 50}, {300, 600, 400}});
  const Sums twoT = Blocks({{600, 200, 700}, {300, 400, 400}, {800, 200, 100}});
  const double tJt = (800 * P3(100) + 600 * P3(300)) / 3e4;
  const double tJs = (0.307 * 800 * P3(100) + 0.229 * 600 * P3(300)) / 1e4;
  const struct {
    int shape;
    Texts texts;
    const char* name;
    Sums sums;
    double avx, avy, jt, js, tmax, tmin, oz;
    std::vector<double> dimensions;
  } cases[] = {
      {kZbTeowyGorny,
       TI("70 cm", "30 cm", "80 cm", "10 cm", "", ""),
       "Żelb.T górny",
       top,
       800,
       2100,
       tJt,
       tJs,
       300,
       100,
       800 + 2 * 100 + 2 * 250 + 2 * 600 + 300,
       {700, 800, 100, 300}},
      {kZbTeowyDolny,
       TI("70 cm", "30 cm", "", "", "80 cm", "10 cm"),
       "Żelb.T dolny",
       bottom,
       800,
       2100,
       tJt,
       tJs,
       300,
       100,
       800 + 2 * 100 + 2 * 250 + 2 * 600 + 300,
       {700, 800, 100, 300}},
      {kZbDwuteowy,
       TI("80 cm", "30 cm", "60 cm", "20 cm", "80 cm", "20 cm"),
       "Żelb.2T-A",
       twoT,
       (600 * 200 + 800 * 200) / 100.,
       800 * 300 / 100.,
       (600 * P3(200) + 800 * P3(200) + 400 * P3(300)) / 3e4,
       (0.263 * 600 * P3(200) + 0.281 * 800 * P3(200) + (0.141 + 0.055 * 2 / 3) * 400 * P3(300)) /
           1e4,
       300,
       200,
       600 + 800 + 4 * 200 + 2 * 150 + 2 * 250 + 2 * 400,
       {800, 800, 600, 200, 200, 300}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const test::Built b = Build(c.shape, c.texts);
    ASSERT_TRUE(b.messages.empty());
    const PropertiesRecord& r = b.r();
    EXPECT_EQ(r.name(), c.name);
    EXPECT_TRUE(Close(r[slot::A], c.sums.area / 100));
    EXPECT_TRUE(Close(r[slot::yS], c.sums.cy));
    EXPECT_TRUE(Close(r[slot::xS], 0));
    EXPECT_TRUE(Close(r[slot::J1], c.sums.ixx / 1e4));
    EXPECT_TRUE(Close(r[slot::Avx], c.avx));
    EXPECT_TRUE(Close(r[slot::Avy], c.avy));
    EXPECT_TRUE(Close(r[slot::Jt], c.jt));
    EXPECT_TRUE(Close(r[slot::Js], c.js));
    EXPECT_TRUE(Close(r[slot::Wt], c.jt / (c.tmax / 10)));
    EXPECT_TRUE(Close(r[slot::Oz], c.oz));
    EXPECT_GT(r[slot::Wcx], 0);  // the moduli are computed
    EXPECT_EQ(b.model.working().wall1, c.tmax / 10);
    EXPECT_EQ(b.model.working().wall2, c.tmin / 10);
    EXPECT_EQ(b.model.flags,
              (std::array<bool, 8>{false, false, false, false, false, false, false, true}));
    EXPECT_EQ(b.model.working().props, r);
    // each dimension line spans, along its direction, exactly the value it prints
    const FigureRecord& f = b.model.working();
    ASSERT_EQ(b.model.dimensions.size(), c.dimensions.size());
    for (size_t i = 0; i < c.dimensions.size(); ++i) {
      const DimensionLine& d = b.model.dimensions[i];
      const Point p = f.outer[d.from - 1], q = f.outer[d.to - 1];
      EXPECT_EQ(d.value, c.dimensions[i]) << i;
      EXPECT_EQ(d.direction == 0 ? std::fabs(p.y - q.y) : std::fabs(p.x - q.x), d.value) << i;
    }
  }
}

TEST(ZelbetTeowy, EqualOrZeroFlangeWidthsMakeTheIARectangle) {
  for (const char* width : {"40 cm", "0 cm"}) {
    SCOPED_TRACE(width);
    const test::Built b = Build(kZbDwuteowy, TI("90 cm", "40 cm", width, "15 cm", width, "20 cm"));
    ASSERT_TRUE(b.messages.empty());
    EXPECT_TRUE(Close(b.r()[slot::A], 40 * 90));
    EXPECT_TRUE(Close(b.r()[slot::J1], 40 * P3(90) / 12));
    EXPECT_TRUE(Close(b.r()[slot::J2], 90 * P3(40) / 12));
    EXPECT_TRUE(Close(b.r()[slot::yS], 450));
    for (const Point& p : Outline(b.model.working())) EXPECT_EQ(std::fabs(p.x), 200);
  }
}

// each haunch is a trapezoid from the flange's width down to the web's over its height; the
// haunches of "Dwuteowy" are not read
TEST(ZelbetTeowy, HaunchesAddTheirTrapezoids) {
  const Texts texts = TI("100 cm", "20 cm", "60 cm", "15 cm", "40 cm", "20 cm", "10 cm", "5 cm");
  const test::Built plain = Build(kZbDwuteowy, texts);
  const test::Built haunched = Build(kZbDwuteowy2, texts);
  ASSERT_TRUE(plain.messages.empty() && haunched.messages.empty());
  // trapezoids of height h between widths b1 (at the flange) and b2, centroid from b1
  const auto trapezoid = [](double b1, double b2, double h) { return (b1 + b2) / 2 * h; };
  const auto offset = [](double b1, double b2, double h) {
    return h * (b1 + 2 * b2) / (3 * (b1 + b2));
  };
  const double flanges = 600 * 150 + 400 * 200, web = 200 * (1000 - 150 - 200 - 100 - 50);
  const double upper = trapezoid(600, 200, 100), lower = trapezoid(400, 200, 50);
  const double area = flanges + web + upper + lower;
  const double moment = 600 * 150 * 925 + 400 * 200 * 100 + web * (200 + 50 + 250) +
                        upper * (850 - offset(600, 200, 100)) +
                        lower * (200 + offset(400, 200, 50));
  EXPECT_TRUE(Close(haunched.r()[slot::A], area / 100));
  EXPECT_TRUE(Close(haunched.r()[slot::yS], moment / area));
  EXPECT_TRUE(Close(plain.r()[slot::A], (flanges + 200 * 650) / 100));
  EXPECT_EQ(haunched.r().name(), "Żelb.2T-B");
  const std::vector<Point> right(haunched.model.working().outer.begin(),
                                 haunched.model.working().outer.begin() + 6);
  EXPECT_EQ(right, (std::vector<Point>{
                       {200, 0}, {200, 200}, {100, 250}, {100, 750}, {300, 850}, {300, 1000}}));
}

// a refusal builds nothing: no outline, no values, no name
TEST(ZelbetTeowy, RefusesFlangesTallerThanTheSectionAndImpossibleSizes) {
  const struct {
    int shape;
    Texts texts;
    const char* message;
    const char* detail;
  } cases[] = {
      {kZbDwuteowy2, TI("60 cm", "30 cm", "60 cm", "20 cm", "80 cm", "20 cm", "10 cm", "15 cm"),
       "Półki i skosy wyższe niż przekrój", "(20 cm + 10 cm + 20 cm + 15 cm > 60 cm)"},
      {kZbDwuteowy, TI("30 cm", "30 cm", "60 cm", "20 cm", "80 cm", "11 cm"),
       "Półki i skosy wyższe niż przekrój", "(20 cm + 11 cm > 30 cm)"},
      {kZbTeowyGorny, TI("15 cm", "30 cm", "60 cm", "20 cm", "", ""),
       "Półki i skosy wyższe niż przekrój", "(20 cm > 15 cm)"},
      {kZbTeowyDolny, TI("40 cm", "0 cm", "", "", "80 cm", "20 cm"), "Zerowe pole przekroju",
       "(0 cm)"},
      {kZbTeowyGorny, TI("0 cm", "30 cm", "60 cm", "0 cm", "", ""), "Zerowe pole przekroju",
       "(0 cm)"},
      {kZbDwuteowy, TI("60 cm", "30 cm", "60 cm", "20 cm", "80 cm", "-5 cm"), "Ujemny wymiar",
       "(-5 cm)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.detail);
    const test::Built b = Build(c.shape, c.texts);
    ASSERT_EQ(b.messages.size(), 1u);
    EXPECT_EQ(b.messages[0].title, "BŁĄD");
    EXPECT_EQ(b.messages[0].text, c.message);
    EXPECT_EQ(b.messages[0].detail, c.detail);
    EXPECT_EQ(b.model.working().nOuter, 0);
    EXPECT_EQ(b.r(), PropertiesRecord{});
    EXPECT_TRUE(b.model.dimensions.empty());
  }
  // stacked exactly to the height the web between the haunches is nothing, and is built; the
  // same texts without haunches leave a web
  for (int shape : {kZbDwuteowy2, kZbDwuteowy}) {
    const test::Built b =
        Build(shape, TI("65 cm", "30 cm", "60 cm", "20 cm", "80 cm", "20 cm", "10 cm", "15 cm"));
    EXPECT_TRUE(b.messages.empty()) << shape;
    EXPECT_GT(b.r()[slot::A], 0) << shape;
  }
}

TEST(ZelbetProstokat, RectangleSquareAndCircleAreTheParametricOnesInMillimetresNamedZelb) {
  const test::Built rect = Build(kZbProstokatny, {{kZbHeight, "40 cm"}, {kZbWidth, "30 cm"}});
  EXPECT_EQ(rect.r().name(), "Żelb.40x30");
  EXPECT_EQ(rect.model.working().props.name(), "Żelb.40x30");
  EXPECT_TRUE(Close(rect.r()[slot::A], 1200));
  EXPECT_TRUE(Close(rect.r()[slot::J1], 30 * P3(40) / 12));
  EXPECT_EQ(rect.model.working().outer[0], (Point{150, 200}));

  // the square reads its side only
  const test::Built square = Build(kZbKwadratowy, {{kZbHeight, "30 cm"}, {kZbWidth, "99 cm"}});
  EXPECT_EQ(square.r().name(), "Żelb.30x30");
  EXPECT_TRUE(Close(square.r()[slot::A], 900));

  const test::Built circle = Build(kZbOkragly, {{kZbHeight, "40 cm"}});
  EXPECT_EQ(circle.r().name(), "Żelb.Fi 40 cm");
  EXPECT_TRUE(Close(circle.r()[slot::A], kPi * 400 * 400 / 400));
  EXPECT_EQ(circle.model.working().outer[0], (Point{200, 0}));

  // the name is cut to the 20 characters a record holds
  const test::Built wide =
      Build(kZbProstokatny, {{kZbHeight, "1234,5678 cm"}, {kZbWidth, "234,56 cm"}});
  EXPECT_EQ(wide.r().name(), "Żelb.1234,5678x234,5");
}

// 10 cm/m is 100 mm/m: at 2 m a 40 cm member is 60 cm high, the square 60 cm both ways
TEST(ZmiennaWysokosc, ConcreteHeightGrowsByTheRateInCentimetres) {
  Selection t = Concrete(kZbTeowyGorny, TI("40 cm", "30 cm", "60 cm", "10 cm", "", ""));
  ZmiennaWysokosc(t, 10 * 10, 2);
  const test::Built tee = test::Generate(t, nullptr);
  EXPECT_TRUE(Close(tee.model.working().outer[5].y, 600));
  EXPECT_EQ(tee.r()[slot::Avy], 600 * 300 / 100.);

  Selection sq = Concrete(kZbKwadratowy, {{kZbHeight, "40 cm"}, {kZbWidth, "40 cm"}});
  ZmiennaWysokosc(sq, 100, 2);
  const test::Built square = test::Generate(sq, nullptr);
  EXPECT_TRUE(Close(square.r()[slot::A], 60 * 60));
}

}  // namespace
}  // namespace tarvik
