// Reading drawings: a DXF of many small closed squares (LWPOLYLINE, as CAD programs write
// them) through the checked tokenizer and libdxflib, and the contours found in its lines.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/contours.h"
#include "io/dxf.h"

namespace {

// n squares of 10 mm in a row, 5 mm apart
std::string Squares(int n) {
  std::string dxf = "0\nSECTION\n2\nENTITIES\n";
  for (int i = 0; i < n; ++i) {
    const std::string x0 = std::to_string(15 * i), x1 = std::to_string(15 * i + 10);
    dxf += "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n10\n" + x0 + "\n20\n0\n10\n" + x1 + "\n20\n0\n10\n" +
           x1 + "\n20\n10\n10\n" + x0 + "\n20\n10\n";
  }
  return dxf + "0\nENDSEC\n0\nEOF\n";
}

void BM_ParseDxfSquares(benchmark::State& state) {
  const std::string dxf = Squares(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tarvik::DxfResult r = tarvik::ParseDxf(dxf, "bench.dxf");
    if (!r.ok) state.SkipWithError("the drawing was refused");
    benchmark::DoNotOptimize(r.segments.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(dxf.size()));
}
BENCHMARK(BM_ParseDxfSquares)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ContoursOfSquares(benchmark::State& state) {
  const tarvik::DxfResult r = tarvik::ParseDxf(Squares(static_cast<int>(state.range(0))), "bench.dxf");
  for (auto _ : state) {
    tarvik::Kontury k = tarvik::ZnajdzKontury(r.segments);
    if (k.contours.size() != static_cast<size_t>(state.range(0))) state.SkipWithError("contours lost");
    benchmark::DoNotOptimize(k.contours.data());
  }
}
BENCHMARK(BM_ContoursOfSquares)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
