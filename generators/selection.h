// The selection record: the current choice of a tab (kind, sub-kind, variant, options and
// the dimension texts as typed). The dispatcher regenerates only when it changes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tarvik {

struct Selection {
  static constexpr int kTexts = 10;

  int32_t kind = 0;     // section kind, the main tab's index
  int32_t sub = 0;      // item of the tab's main radio group
  int32_t variant = 0;  // item of the tab's second radio group
  int32_t option = 0;   // a two-way choice of the family
  int32_t option2 = 0;  // a second two-way choice
  int32_t mode = 0;     // cold-formed profiles: 0 catalogue, 1 own dimensions
  int32_t size = 0;     // item index of the size list (not compared)
  int32_t size2 = 0;    // item index of the second list (not compared)
  uint8_t mirrorX = 0;  // composite and arbitrary sections: mirror about x pending
  uint8_t mirrorY = 0;  // mirror about y pending
  uint8_t typed = 0;    // typed-entry flag of the move edits, cleared on every accepted change
  // texts 1..10 as texts[0..9]: text 1 holds up to 14 characters, the others 10; for kinds 5
  // and 6 texts 3, 4, 5 are the pending move dX, dY [mm] and turn [degrees], text 10 the
  // modular ratio of the current component
  std::array<std::string, kTexts> texts;

  // the text, kept to what its stored place holds
  void setText(int i, std::string_view utf8);
  // the eight integers kind .. size2, in stored order
  std::array<int32_t, 8> integers() const;

  friend bool operator==(const Selection&, const Selection&) = default;
};

// the two choices count as the same: the six choice integers, texts 1..9 and the three flag
// bytes agree (size indices and text 10 are not compared)
bool TakiSamWybor(const Selection& a, const Selection& b);

inline constexpr size_t kSelectionRecordSize = 156;
void WriteSelection(const Selection& s, std::span<uint8_t, kSelectionRecordSize> out);
Selection ReadSelection(std::span<const uint8_t, kSelectionRecordSize> in);

}  // namespace tarvik
