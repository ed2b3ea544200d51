// The text point-list reader on any bytes, and what tarvik-cli outline does with a list it
// read: the points become figure 1 of the imported outline, the outline is integrated, its
// moduli computed and its sketch fitted. Whatever is computed from points the reader accepted
// must be a number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/integration.h"
#include "engine/messages.h"
#include "engine/model.h"
#include "engine/sketch.h"
#include "fuzz/fuzz_support.h"
#include "io/pointfile.h"

using namespace tarvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Folder folder("txt");
  const PointListResult read = ReadPointList(folder.write("input.txt", data, size));
  if (!read.ok) return 0;
  for (const Point& p : read.list.points)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) fuzz::Broken("the reader gave a point that is no number");

  SectionModel model;
  model.kind = kDowolne;
  AddToOutline(model, read.list, 1);

  RecordingSink sink;
  if (!ObliczZarys(model, sink)) return 0;
  (void)ObliczWskazniki(model, 0, 0, model.section);
  if (!fuzz::Skipped("sketch")) {
    SketchMapping mapping;
    SkalujSzkic(model, mapping, 400, 400, 0, model.section[slot::xS], model.section[slot::yS]);
  }
  // as tarvik-cli outline: results that are no numbers are refused with a message, so only
  // what passes that check must be finite
  if (!WynikiSkonczone(model.section, sink)) return 0;
  if (!fuzz::Skipped("outline-finite"))
    for (const SlotInfo& s : SlotTable())
      if (!std::isfinite(model.section[s.slot]))
        fuzz::Broken(std::string("the outline's ") + s.symbol + " is not a number");
  return 0;
}
