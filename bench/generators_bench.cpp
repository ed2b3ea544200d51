// Speed of the section builder: what every confirmed keystroke on a tab costs.
#include <benchmark/benchmark.h>

#include <vector>

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

// the builder on the same I-section choice over and over; regenerate forgets the last choice
// first, so every call clears, generates, integrates, searches the plastic axes and fits the
// sketch (target under 20 µs); otherwise only the saved results come back (under 1 µs)
void RepeatChoice(benchmark::State& state, bool regenerate) {
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  Selection s = ISection();
  dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 300);
  for (auto _ : state) {
    if (regenerate) dispatcher.forget();
    benchmark::DoNotOptimize(dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 300));
  }
}

void BM_BudujPrzekrojRegenerates(benchmark::State& state) { RepeatChoice(state, true); }
BENCHMARK(BM_BudujPrzekrojRegenerates);

void BM_BudujPrzekrojUnchanged(benchmark::State& state) { RepeatChoice(state, false); }
BENCHMARK(BM_BudujPrzekrojUnchanged);


}  // namespace
}  // namespace tarvik
