#include "engine/records.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>

namespace tarvik {
namespace {

// the stored numbers decoded byte by byte, little-endian, independently of the writer
uint64_t LeBits(const uint8_t* p, int n) {
  uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}
double LeDouble(const uint8_t* p) { return std::bit_cast<double>(LeBits(p, 8)); }
int32_t LeInt32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(LeBits(p, 4)));
}

// a short string[n] at p: length byte, the cp1250 bytes, zeros up to n
void ExpectShortString(const uint8_t* p, size_t n, const std::string& cp1250, size_t at) {
  SCOPED_TRACE("short string at " + std::to_string(at));
  ASSERT_LE(cp1250.size(), n);
  EXPECT_EQ(p[0], cp1250.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 1), cp1250.size()), cp1250);
  for (size_t i = cp1250.size() + 1; i <= n; ++i) EXPECT_EQ(p[i], 0) << "byte " << at + i;
}

// a figure with a distinct value in every field
FigureRecord FilledFigure() {
  FigureRecord f;
  f.storedCount = 0xA7;
  for (int i = 0; i < 7; ++i) f.spare[i] = static_cast<uint8_t>(0x11 * (i + 1));
  for (int i = 1; i <= FigureRecord::kCapacity; ++i) {
    f.outer[i - 1] = {1000.5 + i, -2000.25 - i};
    f.inner[i - 1] = {3000.125 + i, 4000.0625 + 3 * i};
  }
  f.nOuter = 29;
  f.nInner = 13;
  f.selection = {-1, 2, -300000, 4, 5, 6, 7, INT32_MAX};
  f.extraChoice = -17;
  const char* dims[] = {"90°", "12,5 mm", "Ł", "", "abcdefghij", "200 mm", "ąęśź", "x"};
  for (int i = 0; i < 8; ++i) f.setDim(i, dims[i]);
  f.props.setName("Żebro Zesp.");
  for (int k = slot::d1; k < slot::kEnd; ++k) f.props[k] = 100.0 * k + 0.25;
  f.reserved = {-1.5, 2.5e-300, 3e300, 7.75};
  f.originX = 12.5;
  f.originY = -7.25;
  f.rotation = 33.3;
  f.wall1 = 0.8;
  f.wall2 = 1.2;
  return f;
}

TEST(FigureRecord, StoresEveryFieldAtItsOffset) {
  const FigureRecord f = FilledFigure();
  const FigureBytes b = ToBytes(f);
  ASSERT_EQ(b.size(), 1792u);
  EXPECT_EQ(b[0], 0xA7);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(b[i], 0x11 * i) << "spare byte " << i;
  for (int i = 1; i <= 37; ++i) {
    SCOPED_TRACE("point " + std::to_string(i));
    EXPECT_EQ(LeDouble(&b[16 * i - 8]), 1000.5 + i);
    EXPECT_EQ(LeDouble(&b[16 * i]), -2000.25 - i);
    EXPECT_EQ(LeDouble(&b[584 + 16 * i]), 3000.125 + i);
    EXPECT_EQ(LeDouble(&b[592 + 16 * i]), 4000.0625 + 3 * i);
  }
  EXPECT_EQ(LeInt32(&b[1192]), 29);
  EXPECT_EQ(LeInt32(&b[1196]), 13);
  const int32_t selection[] = {-1, 2, -300000, 4, 5, 6, 7, INT32_MAX};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(LeInt32(&b[1200 + 4 * i]), selection[i]) << "choice " << i;
  EXPECT_EQ(LeInt32(&b[1232]), -17);
  const std::pair<size_t, std::string> dims[] = {{1236, "90\xB0"},
                                                 {1247, "12,5 mm"},
                                                 {1258, "\xA3"},
                                                 {1269, ""},
                                                 {1280, "abcdefghij"},
                                                 {1291, "200 mm"},
                                                 {1302, "\xB9\xEA\x9C\x9F"},
                                                 {1313, "x"}};
  for (const auto& [at, text] : dims) ExpectShortString(&b[at], 10, text, at);
  for (size_t at = 1324; at < 1328; ++at) EXPECT_EQ(b[at], 0) << "byte " << at;
  ExpectShortString(&b[1328], 20, std::string("\xAF") + "ebro Zesp.", 1328);
  for (size_t at = 1349; at < 1352; ++at) EXPECT_EQ(b[at], 0) << "byte " << at;
  for (int k = 3; k <= 48; ++k)
    EXPECT_EQ(LeDouble(&b[1328 + 8 * k]), 100.0 * k + 0.25) << "slot " << k;
  const std::pair<size_t, double> tail[] = {{1720, -1.5}, {1728, 2.5e-300}, {1736, 3e300},
                                            {1744, 7.75}, {1752, 12.5},     {1760, -7.25},
                                            {1768, 33.3}, {1776, 0.8},      {1784, 1.2}};
  for (const auto& [at, value] : tail) EXPECT_EQ(LeDouble(&b[at]), value) << "offset " << at;
  EXPECT_EQ(ReadFigure(b), f);  // and back, Polish texts included
  EXPECT_EQ(ReadProperties(ToBytes(f.props)), f.props);
}

TEST(Cp1250Text, IsCutToItsPlaceCountingPolishLettersOnce) {
  // text, how many characters the place holds, what it keeps
  const std::tuple<const char*, size_t, const char*> cases[] = {
      {"Żebro zespolone łączone", 20, "Żebro zespolone łącz"},
      {"ąćęłńóśźżĄĆĘŁŃÓŚŹŻą", 20, "ąćęłńóśźżĄĆĘŁŃÓŚŹŻą"},
      {"ąąąąąąąąąąąą", 10, "ąąąąąąąąąą"},
      {"Belka 😀 X", 20, "Belka ? X"},
      {"a\xFF"
       "b",
       10, "a?b"}};
  for (const auto& [text, n, kept] : cases) {
    SCOPED_TRACE(text);
    if (n == 20) {
      PropertiesRecord r;
      r.setName(text);
      EXPECT_EQ(r.name(), kept);
      EXPECT_EQ(ReadProperties(ToBytes(r)).name(), kept);
    } else {
      FigureRecord f;
      f.setDim(3, text);
      EXPECT_EQ(f.dims[3], kept);
      f.dims[5] = text;  // typed straight into the field: the writer cuts it
      const FigureRecord back = ReadFigure(ToBytes(f));
      EXPECT_EQ(back.dims[3], kept);
      EXPECT_EQ(back.dims[5], kept);
    }
  }
}

TEST(FigureRecord, ClampsDamagedPointCountsOnReading) {
  const std::pair<int32_t, int32_t> cases[] = {
      {-1, 0}, {INT32_MIN, 0}, {37, 37}, {38, 37}, {INT32_MAX, 37}};
  for (const auto& [raw, clamped] : cases) {
    SCOPED_TRACE(raw);
    FigureBytes b = ToBytes(FilledFigure());
    for (size_t at : {1192u, 1196u})
      for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(raw) >> (8 * i));
    const FigureRecord f = ReadFigure(b);
    EXPECT_EQ(f.nOuter, clamped);
    EXPECT_EQ(f.nInner, clamped);
  }
}

TEST(FigureRecord, ReadsNoMoreThanATextsPlaceWhateverItsLengthByteSays) {
  FigureBytes b = ToBytes(FigureRecord{});
  b[1328] = 0xFF;  // the name claims 255 bytes
  for (int i = 1; i <= 23; ++i) b[1328 + i] = static_cast<uint8_t>('A' + i - 1);
  b[1236] = 200;  // the first dimension text claims 200 bytes; the second follows
  for (int i = 1; i <= 10; ++i) b[1236 + i] = static_cast<uint8_t>('0' + i - 1);
  b[1247] = 3;
  b[1248] = 'a', b[1249] = 'b', b[1250] = 'c';
  b[1258] = 2;  // a byte cp1250 leaves undefined
  b[1259] = 0x81, b[1260] = 'x';
  const FigureRecord f = ReadFigure(b);
  EXPECT_EQ(f.props.name(), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(f.dims[0], "0123456789");
  EXPECT_EQ(f.dims[1], "abc");
  EXPECT_EQ(f.dims[2], "?x");
  PropertiesBytes p{};
  p[0] = 21;
  for (int i = 1; i <= 21; ++i) p[i] = 'q';
  EXPECT_EQ(ReadProperties(p).name(), std::string(20, 'q'));
}

}  // namespace
}  // namespace tarvik
