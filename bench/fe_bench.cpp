// Speed of the finite-element torsion and flexure solver.
#include <benchmark/benchmark.h>

#include "fe/torsion.h"
#include "tests/support/fe_meshes.h"

namespace tarvik {
namespace {

// Rozwiaz on a 200 x 100 rectangle of 32 x 32 cells (2048 six-node elements, 4225 nodes):
// the assembly, one factorisation and the three solutions
void BM_RozwiazRectangle2048(benchmark::State& state) {
  const fe::Mesh mesh = test::FeRectangle(200, 100, 32, 32);
  for (auto _ : state) benchmark::DoNotOptimize(fe::Rozwiaz(mesh));
}
BENCHMARK(BM_RozwiazRectangle2048)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
