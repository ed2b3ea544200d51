// The DXF reader on any bytes, and what tarvik-cli import does with the segments it read:
// the contour finder, the underlay's fit and unit change. A refusal must name a line of the
// input; accepted segments must be numbers.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/contours.h"
#include "engine/underlay.h"
#include "fuzz/fuzz_support.h"
#include "io/dxf.h"

using namespace tarvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const DxfResult read = ParseDxf(text, "fuzz.dxf");
  if (!read.ok) {
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                                        std::count(text.begin(), text.end(), '\r') + 1);
    if (read.line < 0 || read.line > lines) fuzz::Broken("the reader named a line past the end");
    if (read.error.empty()) fuzz::Broken("a refusal without a message");
    return 0;
  }
  for (const OdcinekPodkladu& s : read.segments)
    if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
        !std::isfinite(s.y2))
      fuzz::Broken("the reader gave a segment that is no number");

  const Kontury found = ZnajdzKontury(read.segments);
  for (const Kontur& k : found.contours)
    if (k.points.size() < 3) fuzz::Broken("a contour of fewer than three vertices");

  Podklad underlay;
  UstawPodklad(underlay, read.segments);
  DopasujPodklad(underlay, 400, 300);
  SkalujPodklad(underlay, 1000, 400, 300);
  return 0;
}
