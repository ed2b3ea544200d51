// tarvik-fuzz-point-list-prm OUT.PRM FILE...: the .PRM the window saves for a point-list
// outline made of the point files (file k is figure k), for the section-file fuzzer's seeds.
#include <iostream>
#include <string>

#include "engine/integration.h"
#include "engine/messages.h"
#include "io/pointfile.h"
#include "io/section_file.h"

using namespace tarvik;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: tarvik-fuzz-point-list-prm OUT.PRM FILE...\n";
    return 2;
  }
  SectionModel model;
  model.kind = kDowolne;
  for (int k = 2; k < argc; ++k) {
    const PointListResult read = ReadPointList(argv[k]);
    if (!read.ok) {
      std::cerr << read.error << " " << read.detail << "\n";
      return 1;
    }
    AddToOutline(model, read.list, k - 1);
  }
  RecordingSink sink;
  if (!ObliczZarys(model, sink)) {
    std::cerr << "the outline has no area\n";
    return 1;
  }
  (void)ObliczWskazniki(model, 0, 0, model.section);
  model.figureCount = argc - 2;
  const WriteResult written = ZapiszPlikPrm(argv[1], model, model.section, TabFields{});
  if (!written.ok) {
    std::cerr << written.error << " " << written.detail << "\n";
    return 1;
  }
  return 0;
}
