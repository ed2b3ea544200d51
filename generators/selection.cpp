#include "generators/selection.h"

#include "engine/bytes.h"
#include "engine/cp1250.h"

namespace tarvik {
namespace {

using namespace bytes;

constexpr size_t kFirstText = 39;  // text 1, string[14]
constexpr size_t kText1Chars = 14;
constexpr size_t kTextChars = 10;

// where text i (0-based) lies and how many characters it holds
size_t TextOffset(int i) { return i == 0 ? kFirstText : kFirstText + 15 + 11 * (i - 1); }
size_t TextChars(int i) { return i == 0 ? kText1Chars : kTextChars; }

}  // namespace

void Selection::setText(int i, std::string_view utf8) {
  texts.at(i) = TruncateCp1250(utf8, TextChars(i));
}

std::array<int32_t, 8> Selection::integers() const {
  return {kind, sub, variant, option, option2, mode, size, size2};
}

bool TakiSamWybor(const Selection& a, const Selection& b) {
  for (int i = 0; i < 6; ++i)
    if (a.integers()[i] != b.integers()[i]) return false;
  for (int i = 0; i < 9; ++i)
    if (a.texts[i] != b.texts[i]) return false;
  return a.mirrorX == b.mirrorX && a.mirrorY == b.mirrorY && a.typed == b.typed;
}

void WriteSelection(const Selection& s, std::span<uint8_t, kSelectionRecordSize> out) {
  std::fill(out.begin(), out.end(), uint8_t{0});
  const auto ints = s.integers();
  for (size_t i = 0; i < ints.size(); ++i)
    PutU32(out.data() + 4 * i, static_cast<uint32_t>(ints[i]));
  out[36] = s.mirrorX;
  out[37] = s.mirrorY;
  out[38] = s.typed;
  for (int i = 0; i < Selection::kTexts; ++i)
    PutShortString(out.data() + TextOffset(i), TextChars(i), s.texts[i]);
}

Selection ReadSelection(std::span<const uint8_t, kSelectionRecordSize> in) {
  Selection s;
  int32_t* ints[] = {&s.kind,    &s.sub,  &s.variant, &s.option,
                     &s.option2, &s.mode, &s.size,    &s.size2};
  for (size_t i = 0; i < 8; ++i) *ints[i] = static_cast<int32_t>(GetU32(in.data() + 4 * i));
  s.mirrorX = in[36];
  s.mirrorY = in[37];
  s.typed = in[38];
  for (int i = 0; i < Selection::kTexts; ++i)
    s.texts[i] = GetShortString(in.data() + TextOffset(i), TextChars(i));
  return s;
}

}  // namespace tarvik
