// What a header keeps of a tab's choice, for the cold-formed tab and the box pipes' corners:
// a header a tab could not have written is refused, with the reason.
#include "io/tab_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "generators/cold_formed.h"

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
  for (int i = 0; i < FigureRecord::kDimTexts; ++i) header.setDim(i, fields.texts[i]);
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

}  // namespace
}  // namespace tarvik
