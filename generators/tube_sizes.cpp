#include "generators/tube_sizes.h"

#include <cstddef>
#include <string_view>

namespace tarvik {
namespace {

// a diameter with its run of the thickness series: the first value's index and the count
struct Run {
  const char* diameter;
  size_t first, count;
};

constexpr Run kRuns[] = {
    {"20,0", 0, 6},    {"21,3", 0, 6},    {"25,0", 0, 6},    {"26,9", 0, 6},    {"30,0", 1, 6},
    {"31,8", 2, 5},    {"33,7", 2, 5},    {"38,0", 2, 5},    {"42,4", 2, 7},    {"44,5", 2, 8},
    {"48,3", 2, 8},    {"51,0", 2, 8},    {"54,0", 2, 10},   {"57,0", 2, 12},   {"60,3", 3, 11},
    {"63,5", 3, 11},   {"70,0", 3, 11},   {"76,1", 3, 12},   {"82,5", 4, 11},   {"88,9", 4, 12},
    {"101,6", 4, 13},  {"108,0", 5, 12},  {"114,3", 5, 12},  {"127,0", 5, 13},  {"133,0", 5, 13},
    {"139,7", 5, 13},  {"159,0", 6, 13},  {"168,3", 7, 13},  {"177,8", 7, 13},  {"193,7", 8, 12},
    {"219,1", 9, 12},  {"244,5", 10, 11}, {"273,0", 10, 12}, {"298,5", 11, 11}, {"323,9", 11, 13},
    {"355,6", 11, 13}, {"406,4", 12, 12}, {"457,0", 13, 11}, {"508,0", 14, 10},
};

// Welded pipes come up to 2 m and thinner than seamless ones of the same size: the sizes of
// the seamless list up to 406,4 keep its runs; the larger ones start at 6,3 (457, 508), 7,1
// (610, 711), 8,0 (813 .. 1016), 10,0 (1220, 1420) and 11,0 (1620 .. 2020) and run to the
// series' end or to 25,0 and 28,0 for the smaller two pairs.
constexpr Run kSeamedLarge[] = {
    {"457", 9, 13},   {"508", 9, 13},   {"610", 10, 13},  {"711", 10, 13},
    {"813", 11, 13},  {"914", 11, 13},  {"1016", 11, 13}, {"1220", 13, 11},
    {"1420", 13, 11}, {"1620", 14, 10}, {"1820", 14, 10}, {"2020", 14, 10},
};

TubeSize FromRun(const Run& run) {
  const std::vector<std::string>& series = TubeThicknessSeries();
  TubeSize t;
  t.diameter = run.diameter;
  for (size_t i = run.first; i < run.first + run.count && i < series.size(); ++i)
    t.thicknesses.push_back(series[i]);
  return t;
}

}  // namespace

const std::vector<std::string>& TubeThicknessSeries() {
  static const std::vector<std::string> series = {"2,3",  "2,6",  "2,9",  "3,2",  "3,6",  "4,0",
                                                  "4,5",  "5,0",  "5,6",  "6,3",  "7,1",  "8,0",
                                                  "8,8",  "10,0", "11,0", "12,5", "14,2", "16,0",
                                                  "17,5", "20,0", "22,2", "25,0", "28,0", "30,0"};
  return series;
}

const std::vector<TubeSize>& SeamlessTubeSizes() {
  static const std::vector<TubeSize> sizes = [] {
    std::vector<TubeSize> list;
    for (const Run& run : kRuns) list.push_back(FromRun(run));
    return list;
  }();
  return sizes;
}

const std::vector<TubeSize>& SeamedTubeSizes() {
  static const std::vector<TubeSize> sizes = [] {
    std::vector<TubeSize> list;
    for (const Run& run : kRuns) {
      if (std::string_view(run.diameter) == "457,0") break;
      list.push_back(FromRun(run));
    }
    for (const Run& run : kSeamedLarge) list.push_back(FromRun(run));
    return list;
  }();
  return sizes;
}

}  // namespace tarvik
