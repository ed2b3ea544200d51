// What a header keeps of a tab's choice, for the cold-formed and timber tabs and the box
// pipes' corners: a header a tab could not have written is refused, with the reason.
#include "io/tab_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/numbers.h"
#include "generators/cold_formed.h"
#include "generators/sets.h"
#include "generators/timber.h"

namespace tarvik {
namespace {

// the header a file would hold for the choice
FigureRecord Header(const TabChoice& choice) {
  TabFields fields;
  std::string why;
  EXPECT_TRUE(HeaderFields(choice, nullptr, fields, why)) << why;
  FigureRecord header;
  header.selection[0] = choice.selection.kind;
  std::copy(fields.integers.begin(), fields.integers.end() - 1, header.selection.begin() + 1);
  header.extraChoice = fields.integers.back();
  for (int i = 0; i < FigureRecord::kDimTexts; ++i) header.setDim(i, fields.texts[i]);
  header.reserved = fields.reals;
  return header;
}

TabChoice Cold(int item, int mode, std::initializer_list<const char*> texts, int option = 0) {
  TabChoice c;
  c.selection.kind = kGiete;
  c.selection.variant = item;
  c.selection.mode = mode;
  c.selection.option = option;
  int i = 0;
  for (const char* t : texts) c.selection.setText(i++, t);
  return c;
}

// the selection's place of each header field, as the reader indexes it
enum Place { k1204 = 1, k1212 = 3, k1220 = 5, k1224 = 6, k1228 = 7 };

TEST(ColdFormedHeader, RefusesWhatTheTabCannotOffer) {
  struct Case {
    const char* name;
    TabChoice choice;
    Place place;  // the field tampered with
    int value;
    const char* reason;  // part of why
  };
  const TabChoice angle = Cold(kColdAngleRA, kColdCatalogue, {"  50", "3"});
  const TabChoice channel =
      Cold(kColdChannelA, kColdOwnDimensions, {"100 mm", "50 mm", "3 mm", "1,5 x g"});
  const Case cases[] = {
      {"item past the list", angle, k1204, kColdItems, "profil gięty nr 13"},
      {"mode 2", angle, k1220, 2, "tryb 2"},
      {"own dimensions of a catalogue-only item", Cold(kColdChannelB, kColdCatalogue, {" 50x40x4"}),
       k1220, kColdOwnDimensions, "tryb 1"},
      {"catalogue of the lipped channel",
       Cold(kColdLipChannel, kColdOwnDimensions, {"200 mm", "80 mm", "20 mm", "2 mm", "1,5 x g"}),
       k1220, kColdCatalogue, "tryb 0"},
      {"size past the list", angle, k1224, 12, "profil nr 12 poza listą"},
      {"thickness past the list", angle, k1228, 9, "grubość nr 9 poza listą"},
      {"two-way choice 2", angle, k1212, 2, "wybór 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FigureRecord header = Header(c.choice);
    TabChoice read;
    std::string why;
    ASSERT_TRUE(ChoiceFromHeader(header, nullptr, read, why)) << why;
    header.selection[c.place] = c.value;
    EXPECT_FALSE(ChoiceFromHeader(header, nullptr, read, why));
    EXPECT_NE(why.find(c.reason), std::string::npos) << why;
  }
  // own dimensions come back from the texts; a text that is no dimension is refused
  for (const char* text : {"1,5 x g", "4 mm", "wg normy"}) {
    TabChoice c = channel;
    c.selection.setText(3, text);
    FigureRecord header = Header(c);
    TabChoice read;
    std::string why;
    ASSERT_TRUE(ChoiceFromHeader(header, nullptr, read, why)) << why;
    EXPECT_EQ(read.selection, c.selection);
  }
  for (auto [field, text] : {std::pair{0, "12x4"}, {1, ""}, {3, "duży"}}) {
    FigureRecord header = Header(channel);
    header.setDim(field, text);
    TabChoice read;
    std::string why;
    EXPECT_FALSE(ChoiceFromHeader(header, nullptr, read, why)) << text;
    EXPECT_NE(why.find(ColdFields(kColdChannelA)[field].caption), std::string::npos) << why;
  }
}

// a choice the lists do not hold cannot be written
TEST(ColdFormedHeader, WritesOnlyWhatTheListsHold) {
  TabFields fields;
  std::string why;
  EXPECT_FALSE(
      HeaderFields(Cold(kColdAngleRA, kColdCatalogue, {"  55", "3"}), nullptr, fields, why));
  EXPECT_NE(why.find("55: nie ma na liście"), std::string::npos) << why;
  EXPECT_FALSE(
      HeaderFields(Cold(kColdAngleRA, kColdCatalogue, {"  30", "8"}), nullptr, fields, why));
  EXPECT_NE(why.find("30 x 8: nie ma na liście"), std::string::npos) << why;
}

// "Walc.na gorąco" of a box tube is kept, on either tab, and is a setting of the generators;
// the round pipe and the other cold-formed items keep no such flag
TEST(HotFinishedTube, IsKeptForBoxTubesAlone) {
  struct Case {
    TabChoice choice;
    bool kept;
  };
  TabChoice box;
  box.selection.kind = kProste;
  box.selection.sub = 2;
  box.selection.variant = 3;
  TabChoice round = box;
  round.selection.variant = 0;
  const Case cases[] = {
      {Cold(kColdSquareTube, kColdCatalogue, {"  40", "2"}), true},
      {Cold(kColdRectTube, kColdOwnDimensions, {"100 mm", "50 mm", "4 mm", "wg normy"}), true},
      {Cold(kColdAngleRA, kColdCatalogue, {"  40", "2"}), false},
      {box, true},
      {round, false}};
  for (Case c : cases) {
    SCOPED_TRACE(c.choice.selection.kind * 100 + c.choice.selection.variant);
    c.choice.hotFinished = true;
    TabChoice read;
    std::string why;
    ASSERT_TRUE(ChoiceFromHeader(Header(c.choice), nullptr, read, why)) << why;
    EXPECT_EQ(read.hotFinished, c.kept);
    EXPECT_EQ(read.Settings(nullptr).hotRolledPipe, c.kept);
    c.choice.hotFinished = false;
    ASSERT_TRUE(ChoiceFromHeader(Header(c.choice), nullptr, read, why)) << why;
    EXPECT_FALSE(read.hotFinished);
  }
}

// a timber header keeps every joint, fastener and class of the choice, and refuses values the
// tab cannot have written
TEST(TimberHeader, KeepsTheJointsAndRefusesWhatTheTabCannotHold) {
  TabChoice box;
  box.selection.kind = kDrewniane;
  box.selection.sub = kDrSkrzynkowy1;
  const char* texts[] = {"4 cm", "30 cm", "25 cm", "5 cm", "3 cm", "26 cm", "12,5 cm"};
  for (int i = 0; i < 7; ++i) box.selection.setText(i, texts[i]);
  TimberSettings& t = box.timber;
  t.classes = {KlasaDrewna("C30"), KlasaDrewna("GL24h"), KlasaDrewna("D35")};
  t.spacing1 = 45, t.diameter1 = 4.5, t.holes1 = true, t.spacing3 = 70, t.diameter3 = 5;
  t.span = 7.25;
  box.gradient = 25;
  FigureRecord header = Header(box);
  header.props[slot::s45] = box.gradient;
  TabChoice back;
  std::string why;
  ASSERT_TRUE(ChoiceFromHeader(header, nullptr, back, why)) << why;
  EXPECT_TRUE(back.timber == box.timber);
  EXPECT_EQ(back.gradient, 25);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(CzytajLiczbe(back.selection.texts[i]), CzytajLiczbe(texts[i]));

  // the battens of a multiple section: joint and side
  TabChoice members;
  members.selection.kind = kDrewniane;
  members.selection.sub = kDrPotrojny;
  members.selection.setText(2, "20 cm");
  members.selection.setText(3, "6 cm");
  members.selection.setText(6, "0 cm");
  members.timber.battens = true;
  members.timber.battenJoint = 2;
  members.timber.battensOutside = true;
  ASSERT_TRUE(ChoiceFromHeader(Header(members), nullptr, back, why)) << why;
  EXPECT_TRUE(back.timber == members.timber);

  struct Case {
    const char* name;
    void (*tamper)(FigureRecord&);
    const char* reason;
  };
  const Case cases[] = {
      {"class 27", [](FigureRecord& h) { h.selection[4] = 27; }, "klasa drewna nr 27"},
      {"shape 10", [](FigureRecord& h) { h.selection[1] = kTimberShapes; }, "kształt nr 10"},
      {"battens 7", [](FigureRecord& h) { h.selection[6] = 7; }, "łączniki"},
      {"no span", [](FigureRecord& h) { h.reserved[2] = 0; }, "łączniki"},
      {"a height in mm", [](FigureRecord& h) { h.setDim(1, "40 mm"); }, "wymiar \"40 mm\""},
  };
  for (const Case& c : cases) {
    FigureRecord bad = Header(box);
    c.tamper(bad);
    EXPECT_FALSE(ChoiceFromHeader(bad, nullptr, back, why)) << c.name;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.name << ": " << why;
  }
}

// A set's header: the cold-formed members (no database needed) and the lipped channel's
// designation come back as chosen; a layout, a list position, a make or a spacing the tab
// cannot have written is refused with the reason
TEST(SetHeader, KeepsTheMemberAndRefusesWhatTheTabCannotOffer) {
  auto set = [](int sub, int layout, const char* t1, const char* t2, int option = 0) {
    TabChoice c;
    Selection& s = c.selection;
    s.kind = kZestawy, s.sub = sub, s.mode = layout, s.option2 = 1, s.option = option;
    s.setText(0, t1), s.setText(1, t2), s.setText(2, "150 mm"), s.setText(3, "-5 mm");
    return c;
  };
  for (const TabChoice& c : {set(kSetEqualAngles, 7, "  50", "3"), set(kSetChannels, 2, " 100x50x4", ""),
                             set(kSetChannels, 3, "200x70x20x2,5", "", 1), set(kSetUnequalAngles, 11, " 60x40", "3")}) {
    SCOPED_TRACE(c.selection.texts[0]);
    TabChoice back;
    std::string why;
    ASSERT_TRUE(ChoiceFromHeader(Header(c), nullptr, back, why)) << why;
    Selection expected = c.selection;
    expected.size = back.selection.size, expected.size2 = back.selection.size2;
    EXPECT_EQ(back.selection, expected);
  }
  struct Bad {
    const char* name;
    int place;  // a selection place (1204 = 1 ...), or -1 for the spacing text
    int value;
    const char* reason;
  };
  const std::vector<Bad> bad = {{"family", k1204, 7, "zestaw nr 7"},
                                {"make", 4, 2, "zestaw nr 2"},
                                {"layout", k1220, 8, "układ nr 8"},
                                {"layout 0", k1220, 0, "układ nr 0"},
                                {"size", k1224, 99, "profil nr 99 poza listą"},
                                {"thickness", k1228, 40, "drugiej listy poza listą"},
                                {"spacing", -1, 0, "rozstaw"}};
  for (const Bad& b : bad) {
    FigureRecord header = Header(set(kSetEqualAngles, 7, "  50", "3"));
    if (b.place < 0)
      header.setDim(2, "2OO mm");
    else
      header.selection[static_cast<size_t>(b.place)] = b.value;
    TabChoice back;
    std::string why;
    EXPECT_FALSE(ChoiceFromHeader(header, nullptr, back, why)) << b.name;
    EXPECT_NE(why.find(b.reason), std::string::npos) << b.name << ": " << why;
  }
  // a rolled member needs the database its lists come from
  FigureRecord header = Header(set(kSetEqualAngles, 7, "  50", "3"));
  header.selection[4] = 0;
  TabChoice back;
  std::string why;
  EXPECT_FALSE(ChoiceFromHeader(header, nullptr, back, why));
  EXPECT_EQ(why, "(nie ma bazy danych)");
}

}  // namespace
}  // namespace tarvik
