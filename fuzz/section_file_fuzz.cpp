// The .PRM reader on any bytes. What it accepts goes where an opened file goes: the sketch
// mapping in a few box sizes (with a zoom rectangle), the characteristic points, and a save.
// What the reader accepts, the writer must write and the reader must read again; and a file
// the program wrote must come back byte for byte when it is opened and saved once more.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/model.h"
#include "engine/sketch.h"
#include "fuzz/fuzz_support.h"
#include "io/section_file.h"

using namespace tarvik;

namespace {

void Sketch(SectionModel& model) {
  const double xc = model.section[slot::xS], yc = model.section[slot::yS];
  const int boxes[][3] = {{400, 400, 0}, {100, 100, 0}, {1, 1, 0}, {937, 211, 25}};
  for (const auto& box : boxes) {
    SketchMapping mapping;
    SkalujSzkic(model, mapping, box[0], box[1], box[2], xc, yc);
    if (PowiekszProstokat(mapping, box[0], box[1], box[0] / 4, box[1] / 4, box[0] / 2 + 1,
                          box[1] / 2 + 1))
      SkalujSzkic(model, mapping, box[0], box[1], box[2], xc, yc);
    // what the sketches draw besides the outline: the principal axes from the centroid's
    // pixel, the origin and the shear centre
    const double a = model.section[slot::al];
    const ScreenPoint c0 = mapping.points.empty() ? ScreenPoint{box[0] / 2, box[1] / 2}
                                                  : mapping.points[0];
    (void)KoniecOsi(c0, std::cos(a), -std::sin(a), 11, 5, box[0], box[1]);
    (void)KoniecOsi(c0, std::sin(a), std::cos(a), 11, 5, box[0], box[1]);
    (void)NaEkran(mapping, box[1], 0, 0, box[2]);
    (void)NaEkran(mapping, box[1], model.section[slot::xT], model.section[slot::yT], box[2]);
  }
}

// every stored property of the section and of its figures is a number
bool FiniteProperties(const SectionModel& model) {
  auto finite = [](const PropertiesRecord& r) {
    for (int k = PropertiesRecord::kFirstSlot; k < PropertiesRecord::kSlotEnd; ++k)
      if (!std::isfinite(r[k])) return false;
    return true;
  };
  if (!finite(model.section)) return false;
  for (const FigureRecord& f : model.figures)
    if (!finite(f.props)) return false;
  return true;
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// opens path as the window does and saves it to out; the re-read file's result
ReadResult OpenAndSave(const std::string& path, const std::string& out, const char* which) {
  ReadResult read = CzytajPlikPrm(path);
  if (!read.ok) {
    fuzz::Broken(std::string(which) + " does not read again: " + read.error + " " + read.detail);
  }
  SectionModel model = std::move(read.model);
  AsBuilt(model);
  if (!fuzz::Skipped("sketch")) Sketch(model);
  (void)PrzekrojOkragly(model);
  (void)PunktyCharakterystyczne(model);
  const WriteResult written = ZapiszPlikPrm(out, model, model.section, StoredTabFields(read.header));
  if (!written.ok) {
    fuzz::Broken(std::string("a file the reader accepts is not written (") + which +
                 "): " + written.error + " " + written.detail);
  }
  return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Folder folder("prm");
  const std::string input = folder.write("input.PRM", data, size);
  const ReadResult read = CzytajPlikPrm(input);
  if (!read.ok) return 0;
  if (fuzz::Skipped("nonfinite-props") && !FiniteProperties(read.model)) return 0;
  if (fuzz::Skipped("point-list-figure-number"))
    for (const ImportedPoint& p : read.model.imported)
      if (p.figure > 255) return 0;

  const std::string first = folder.file("first.PRM"), second = folder.file("second.PRM");
  OpenAndSave(input, first, "the input");
  OpenAndSave(first, second, "the saved file");
  if (Bytes(first) != Bytes(second))
    fuzz::Broken("a saved file opened and saved again changes its bytes");
  return 0;
}
