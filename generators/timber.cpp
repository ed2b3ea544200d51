#include "generators/timber.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/composite.h"
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

}  // namespace tarvik
