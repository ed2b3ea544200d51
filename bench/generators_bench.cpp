// Speed of the section builder: what every confirmed keystroke on a tab costs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "generators/composite_editor.h"
#include "generators/dispatch.h"

namespace tarvik {
namespace {

Selection Choice(int kind, int sub, const std::vector<const char*>& texts) {
  Selection s;
  s.kind = kind;
  s.sub = sub;
  for (size_t i = 0; i < texts.size(); ++i) s.setText(static_cast<int>(i), texts[i]);
  return s;
}

// "Dwuteownik", bisymmetric
Selection ISection() { return Choice(kProste, 4, {"200 mm", "6 mm", "100 mm", "", "10 mm"}); }

// the builder on the same I-section choice over and over; regenerate forgets the last choice
// first, so every call clears, generates, integrates, searches the plastic axes and fits the
// sketch (target under 20 µs); otherwise only the saved results come back (under 1 µs)
void RepeatChoice(benchmark::State& state, bool regenerate, Selection s = ISection(),
                  ProfileDatabase* db = nullptr) {
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  settings.database = db;
  RecordingSink sink;
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

// a nailed timber I of three members: three rectangles, their sums, the jointed stiffness
void BM_TimberIRegenerates(benchmark::State& state) {
  RepeatChoice(state, true,
               Choice(kDrewniane, 3, {"5 cm", "20 cm", "30 cm", "6 cm", "5 cm", "20 cm"}));
}
BENCHMARK(BM_TimberIRegenerates);

// the concrete I with haunches: one outline of twelve vertices
void BM_ConcreteIRegenerates(benchmark::State& state) {
  RepeatChoice(state, true,
               Choice(kZelbetowe, 6,
                      {"80 cm", "20 cm", "10 cm", "10 cm", "60 cm", "80 cm", "20 cm", "20 cm"}));
}
BENCHMARK(BM_ConcreteIRegenerates);

// a set of four rolled angles L100x10 at the corners of a 300 x 300 rectangle: the catalogue
// lookup, four copies placed, their sums, the moduli over all four (target under 50 µs)
void BM_FourAnglesRegenerate(benchmark::State& state) {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  Selection s = Choice(kZestawy, 2, {"100", "10", "300 mm", "300 mm"});
  s.mode = 6;
  RepeatChoice(state, true, s, &db);
}
BENCHMARK(BM_FourAnglesRegenerate);


// a composite of 50 components (I-sections and plates of the "Proste" tab, side by side): one
// typed dX of the current component moved once and the whole composite recomputed (sums,
// moduli over all 50 outlines, the sketch fit); the repaint is the window's
void BM_CompositeOfFiftyTypedMove(benchmark::State& state) {
  SectionModel model;
  Selection selection;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  RecordingSink sink;
  SketchMapping mapping;
  EdytorZlozony editor(model, selection, dispatcher, settings, sink, mapping);
  editor.pokaz();
  for (int k = 0; k < 50; ++k) {
    const Selection s = k % 2 ? Choice(kProste, 0, {"200 mm", "10 mm"}) : ISection();
    editor.nowy(kProste);
    editor.zbuduj(s);
    editor.powrot();
    editor.wpiszX(std::to_string(110 * k));
  }
  bool left = false;
  for (auto _ : state) {
    // Enter on a new text each time: the same text again would not move
    left = !left;
    benchmark::DoNotOptimize(editor.wpiszX(left ? "-1" : "1"));
  }
  if (model.figureCount != 50) state.SkipWithError("the composite was not built");
}
BENCHMARK(BM_CompositeOfFiftyTypedMove);

}  // namespace
}  // namespace tarvik
