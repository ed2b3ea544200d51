// Drawing exchange files (.DXF, text form, R12 to R2018) as line work for the CAD underlay
// and for tarvik-cli import. Our own tokenizer checks every group code and value, then hands
// the pairs of the drawn entities to libdxflib one by one: LINE, POLYLINE/VERTEX/SEQEND,
// LWPOLYLINE, ARC and CIRCLE of the ENTITIES sections. Arcs (ARC, CIRCLE and the bulges of
// polylines) become chords; values are taken as millimetres. The reader returns the segments
// or an error naming the line; it shows nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/underlay.h"

namespace tarvik {

struct DxfResult {
  bool ok = false;
  bool unreadable = false;  // the file could not be opened or read (its content is not at fault)
  std::vector<OdcinekPodkladu> segments;  // x1, y1, x2, y2 as drawn [mm]; pixels 0
  std::string error;   // "Niewłaściwa postać pliku", "Niewłaściwa postać pliku .DXF", ...
  std::string detail;  // "(name, wiersz 17: why)"
  int line = 0;        // the line the error names (1-based), 0 when none
};

// files larger than this are refused rather than read whole
inline constexpr size_t kMaxDxfBytes = 64u << 20;
// lines longer than this are refused (no DXF writer comes near it)
inline constexpr size_t kMaxDxfLine = 1024;
// drawn entities and segments of one drawing
inline constexpr size_t kMaxDxfSegments = 1'000'000;

// the chord rule: the sagitta of every chord is at most 0.05 mm and at most 1/1000 of the
// radius, whichever is smaller, with at most 3600 chords to a full turn. The chords for an
// arc of the radius [mm] and the swept angle [rad]
inline constexpr double kStrzalkaMm = 0.05;
inline constexpr double kStrzalkaWzgledna = 1e-3;
inline constexpr int kCieciwNaObrot = 3600;
int LiczbaCieciw(double radius, double sweep);

DxfResult ParseDxf(std::string_view content, std::string_view name);
DxfResult ReadDxf(const std::string& path);

}  // namespace tarvik
