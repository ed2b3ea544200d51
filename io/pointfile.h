// Text point lists (.TXT): a first line naming the contour ("Zewnętrzna" or "Wewnętrzna"),
// then one point a line: running number, x, y in mm, separated by blanks, decimal comma or
// point, a unit after y allowed. Lines that hold no such point are skipped and listed. The
// reader returns what it read or an error naming the place; it shows nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/model.h"

namespace tarvik {

struct PointList {
  bool hole = false;  // the first line begins with "Wewn"
  std::vector<Point> points;
  // 1-based numbers of the lines after the first that are not blank but hold no point
  std::vector<int> skippedLines;
};

struct PointListResult {
  bool ok = false;
  PointList list;
  std::string error;   // the message, e.g. "Niewłaściwa postać pliku"
  std::string detail;  // where: "(name, bajt 17)"
};

// files larger than this are refused rather than read whole
inline constexpr size_t kMaxPointFileBytes = 16u << 20;

PointListResult ParsePointList(std::string_view content, std::string_view name);
PointListResult ReadPointList(const std::string& path);

// appends the points to the imported outline as one polygon of the given figure number
void AddToOutline(SectionModel& model, const PointList& list, int figure);

}  // namespace tarvik
