// Speed of the property engine on the outlines the program computes on every keystroke.
#include <benchmark/benchmark.h>

#include "engine/integration.h"
#include "tests/support/shapes.h"

namespace tarvik {
namespace {

// ObliczFigure on a 36-vertex figure (the most an outer contour holds): target under 1 µs
void BM_ObliczFigure36(benchmark::State& state) {
  SectionModel model;
  model.kind = kProste;
  model.working().setOuter(test::Circle(100, 36), {0, 0});
  RecordingSink sink;
  PropertiesRecord named;
  named.setName("Rura");
  for (auto _ : state) {
    PropertiesRecord r = named;
    ObliczFigure(model, r, sink);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_ObliczFigure36);

// ObliczWskazniki (elastic, then plastic) on the working figure, its principal axes known
void ModuliOf(benchmark::State& state, const std::vector<Point>& outline, Point reference) {
  SectionModel model;
  model.working().setOuter(outline, reference);
  RecordingSink sink;
  PropertiesRecord base;
  base.setName("Dwuteownik");
  ObliczFigure(model, base, sink);
  for (auto _ : state) {
    PropertiesRecord r = base;
    benchmark::DoNotOptimize(ObliczWskazniki(model, 0, 0, r));
    benchmark::DoNotOptimize(r);
  }
}

// an IPE 200-like outline with root radii: target under 50 µs
void BM_ObliczWskaznikiISection(benchmark::State& state) {
  ModuliOf(state, test::ISection(200, 100, 5.6, 8.5, 12), {0, 0});
}
BENCHMARK(BM_ObliczWskaznikiISection);

// unequal flanges put the plastic axis off the centroid, so the search has to step
void BM_ObliczWskaznikiMonosymmetricI(benchmark::State& state) {
  ModuliOf(state,
           {{-50, 0},
            {50, 0},
            {50, 8},
            {3, 8},
            {3, 288},
            {75, 288},
            {75, 300},
            {-75, 300},
            {-75, 288},
            {-3, 288},
            {-3, 8},
            {-50, 8}},
           {0, 4});
}
BENCHMARK(BM_ObliczWskaznikiMonosymmetricI);

}  // namespace
}  // namespace tarvik

BENCHMARK_MAIN();
