// The printed page's bookkeeping: where each drawing goes and when the printer document
// starts, pages and ends, without a printer.
#include "engine/print_page.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvik {
namespace {

using Potem = StronaWydruku::Potem;

struct Printout {
  bool started;  // a document was started for this drawing
  int place;
  Potem after;
};

std::vector<Printout> Print(StronaWydruku& page, int drawings, bool hp4l) {
  std::vector<Printout> out;
  for (int i = 0; i < drawings; ++i) {
    const bool started = page.ZacznijDokument();
    const int place = page.p;
    out.push_back({started, place, page.PoRysunku(hp4l)});
  }
  return out;
}

TEST(StronaWydruku, ThreeToAPageOverSevenDrawings) {
  StronaWydruku page;
  page.n = 3;
  const std::vector<Printout> got = Print(page, 7, false);
  const Printout expected[] = {
      {true, 0, Potem::kNastepneMiejsce},  {false, 1, Potem::kNastepneMiejsce},
      {false, 2, Potem::kKoniecDokumentu}, {true, 0, Potem::kNastepneMiejsce},
      {false, 1, Potem::kNastepneMiejsce}, {false, 2, Potem::kKoniecDokumentu},
      {true, 0, Potem::kNastepneMiejsce}};
  ASSERT_EQ(got.size(), std::size(expected));
  for (size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(got[i].started, expected[i].started);
    EXPECT_EQ(got[i].place, expected[i].place);
    EXPECT_EQ(got[i].after, expected[i].after);
  }
  // the seventh waits on its page for the next printout
  EXPECT_EQ(page.p, 1);
  EXPECT_FALSE(page.nowyDokument);
}

TEST(StronaWydruku, IncompletePageEndsTheDocumentOrAPageOfAJobKeptOpen) {
  for (bool hp4l : {false, true}) {
    SCOPED_TRACE(hp4l);
    StronaWydruku page;
    page.n = 4;
    page.niekompletna = true;
    const std::vector<Printout> first = Print(page, 1, hp4l);
    EXPECT_TRUE(first[0].started);
    EXPECT_EQ(first[0].after, hp4l ? Potem::kNowaStrona : Potem::kKoniecDokumentu);
    EXPECT_EQ(page.p, 0);
    EXPECT_FALSE(page.niekompletna);
    // the next drawing opens a document only when the last one was ended
    EXPECT_EQ(page.ZacznijDokument(), !hp4l);
  }
  // a full page of a job kept open goes on with a new page, not a new document
  StronaWydruku page;
  page.n = 2;
  const std::vector<Printout> got = Print(page, 3, true);
  EXPECT_EQ(got[1].after, Potem::kNowaStrona);
  EXPECT_FALSE(got[2].started);
  EXPECT_EQ(got[2].place, 0);
}

TEST(StronaWydruku, PlacesFromMarginsAndPrinterOffsets) {
  // 4 pixels a millimetre: a printable width of 197 mm over 788 pixels
  UstawieniaDruku u;  // top 10, left 25, offsets 7 and 7
  struct Case {
    int n, p;
    int side, x0, y0, textX, right, step;
  };
  const Case cases[] = {
      // two: S 120 mm, 10 mm gaps; text right of the box
      {2, 0, 480, 72, 12, 72 + 480, 72 + 700, 16},
      {2, 1, 480, 72, (3 + 120) * 4 + 2 * 5 * 4, 72 + 480, 72 + 700, 16},
      // three: S 88 mm, 5 mm gaps, text from 120 mm of the page
      {3, 2, 352, 72, (3 + 2 * 88) * 4 + 2 * 5 * 4, 480, 72 + 700, 16},
      {5, 4, 204, 72, (3 + 4 * 51) * 4 + 4 * 5 * 4, 480, 72 + 700, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << " " << c.p);
    StronaWydruku page;
    page.n = c.n;
    page.p = c.p;
    const MiejsceRysunku m = page.Miejsce(u, 788);
    EXPECT_DOUBLE_EQ(m.k, 4);
    EXPECT_EQ(m.bok, c.side);
    EXPECT_EQ(m.x0, c.x0);
    EXPECT_EQ(m.y0, c.y0);
    EXPECT_EQ(m.tekstX, c.textX);
    EXPECT_EQ(m.tekstY, c.y0 + 10);
    EXPECT_EQ(m.prawy, c.right);
    EXPECT_EQ(m.krok, c.step);  // 3.9 mm = 15.6 pixels
  }
  // halves go to the even neighbour: 65 mm at 2.5 pixels a mm is 162.5 -> 162, 5 mm 12.5 -> 12
  StronaWydruku four;
  four.n = 4;
  four.p = 1;
  u.gorny = 7;
  u.szerokosc = 2;
  const MiejsceRysunku m = four.Miejsce(u, 5);
  EXPECT_EQ(m.bok, 162);
  EXPECT_EQ(m.y0, 162 + 12);
}

}  // namespace
}  // namespace tarvik
