// The selection record: its stored layout and which differences count as a new choice.
#include "generators/selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tarvik {
namespace {

int32_t LeInt32(const uint8_t* p) {
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

Selection Filled() {
  Selection s;
  s.kind = 4, s.sub = 9, s.variant = -2, s.option = 1, s.option2 = 300000;
  s.mode = 1, s.size = 17, s.size2 = 18;
  s.mirrorX = 1, s.mirrorY = 2, s.typed = 3;
  // the first two cut to their places: text 1 holds 14 characters, the others 10
  const char* texts[] = {
      "Łuk 100 mm xyz!!", "12,5 mm abcdefg", "90°", "ż", "", "6", "7", "8", "9", "2,5"};
  for (int i = 0; i < Selection::kTexts; ++i) s.setText(i, texts[i]);
  return s;
}

TEST(SelectionRecord, StoresEveryFieldAtItsOffset) {
  std::array<uint8_t, kSelectionRecordSize> b;
  b.fill(0xEE);
  WriteSelection(Filled(), b);
  const int32_t ints[] = {4, 9, -2, 1, 300000, 1, 17, 18};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(LeInt32(&b[4 * i]), ints[i]) << "integer " << i;
  for (size_t at : {32u, 33u, 34u, 35u, 153u, 154u, 155u}) EXPECT_EQ(b[at], 0) << "byte " << at;
  EXPECT_EQ(b[36], 1);
  EXPECT_EQ(b[37], 2);
  EXPECT_EQ(b[38], 3);
  // text 1 is a string[14] at 39; texts 2..10 are string[10] from 54 on, 11 bytes apart
  const std::pair<size_t, std::string> texts[] = {{39, "\xA3uk 100 mm xyz"},
                                                  {54, "12,5 mm ab"},
                                                  {65, "90\xB0"},
                                                  {76, "\xBF"},
                                                  {87, ""},
                                                  {98, "6"},
                                                  {109, "7"},
                                                  {120, "8"},
                                                  {131, "9"},
                                                  {142, "2,5"}};
  for (const auto& [at, text] : texts) {
    EXPECT_EQ(b[at], text.size()) << "length at " << at;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[at + 1]), text.size()), text);
  }
  EXPECT_EQ(ReadSelection(b), Filled());
}

TEST(TakiSamWybor, ComparesTheChoiceButNotTheListPositions) {
  // what each change does to a choice: a new choice, or the same one at another list position
  // clang-format off
  const std::pair<std::function<void(Selection&)>, bool> cases[] = {
      {[](Selection& s) { s.kind = 5; }, false},       {[](Selection& s) { s.sub = 0; }, false},
      {[](Selection& s) { s.variant = 0; }, false},    {[](Selection& s) { s.option = 0; }, false},
      {[](Selection& s) { s.option2 = 0; }, false},    {[](Selection& s) { s.mode = 0; }, false},
      {[](Selection& s) { s.mirrorX = 0; }, false},    {[](Selection& s) { s.mirrorY = 0; }, false},
      {[](Selection& s) { s.typed = 0; }, false},      {[](Selection& s) { s.texts[0] = "x"; }, false},
      {[](Selection& s) { s.texts[8] = "x"; }, false}, {[](Selection& s) { s.size = 0; }, true},
      {[](Selection& s) { s.size2 = 0; }, true},
      {[](Selection& s) { s.texts[9] = "x"; }, true}};  // the modular ratio
  // clang-format on
  for (size_t i = 0; i < std::size(cases); ++i) {
    Selection changed = Filled();
    cases[i].first(changed);
    EXPECT_EQ(TakiSamWybor(changed, Filled()), cases[i].second) << "case " << i;
  }
}

}  // namespace
}  // namespace tarvik
