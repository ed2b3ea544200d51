// Speed of the section builder: what every confirmed keystroke on a tab costs.
#include <benchmark/benchmark.h>

#include "generators/dispatch.h"

namespace tarvik {
namespace {

Selection ISection() {
  Selection s;
  s.kind = kProste;
  s.sub = 4;  // "Dwuteownik", bisymmetric
  const char* texts[] = {"200 mm", "6 mm", "100 mm", "", "10 mm"};
  for (int i = 0; i < 5; ++i) s.setText(i, texts[i]);
  return s;
}

// a changed choice: clear, generate, integrate, search the plastic axes, fit the sketch;
// target under 20 µs
void BM_BudujPrzekrojRegenerates(benchmark::State& state) {
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  Selection s = ISection();
  for (auto _ : state) {
    dispatcher.forget();
    benchmark::DoNotOptimize(dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 300));
  }
}
BENCHMARK(BM_BudujPrzekrojRegenerates);

// the same choice again: only the saved results are restored; target under 1 µs
void BM_BudujPrzekrojUnchanged(benchmark::State& state) {
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  Selection s = ISection();
  dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 300);
  for (auto _ : state)
    benchmark::DoNotOptimize(dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 300));
}
BENCHMARK(BM_BudujPrzekrojUnchanged);

}  // namespace
}  // namespace tarvik
