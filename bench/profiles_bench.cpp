// Speed of the profile catalogue: a rolled profile looked up and built, and the whole
// PROFILE.DAT built from its tables.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generators/cold_formed.h"
#include "generators/database.h"
#include "generators/dispatch.h"
#include "generators/rolled.h"
#include "generators/welded.h"
#include "tools/profile_builder.h"

namespace tarvik {
namespace {

namespace fs = std::filesystem;

// a catalogue profile regenerated on every call: forget the last choice, scan PROFILE.DAT for
// the record, build the outline with its fillets, integrate, search the plastic axes and fit
// the sketch
void Regenerate(benchmark::State& state, Selection s, const char* what) {
  ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  if (!fs::is_regular_file(db.path())) {
    state.SkipWithError("PROFILE.DAT missing; build the profile_database target");
    return;
  }
  SectionModel model;
  SketchMapping mapping;
  Dispatcher dispatcher;
  GeneratorSettings settings;
  settings.database = &db;
  RecordingSink sink;
  // a lookup that fails shows a message and builds nothing; timing that would mean nothing
  if (!dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 400) ||
      !sink.messages().empty()) {
    state.SkipWithError((std::string(what) + " was not built from PROFILE.DAT").c_str());
    return;
  }
  for (auto _ : state) {
    dispatcher.forget();
    if (!dispatcher.BudujPrzekroj(model, s, settings, sink, mapping, 400, 400)) {
      state.SkipWithError((std::string(what) + " was not regenerated").c_str());
      break;
    }
  }
}

// the rolled IPE 200 (target under 1 ms)
void BM_RolledIPERegenerates(benchmark::State& state) {
  Selection s;
  if (!SelectionFor("IPE", "200", false, s)) return state.SkipWithError("no IPE on the rolled tab");
  Regenerate(state, s, "IPE 200");
}
BENCHMARK(BM_RolledIPERegenerates)->Unit(benchmark::kMicrosecond);

// the high castellated girder of an IPE 300, its plastic axes searched on the two tees at an
// opening (target under 50 µs)
void BM_CastellatedRegenerates(benchmark::State& state) {
  Selection rolled, s;
  if (!SelectionFor("IPE", "300", false, rolled) || !CastellatedSelectionFor(rolled, true, s))
    return state.SkipWithError("no castellated IPE 300");
  Regenerate(state, s, "AW IPE300");
}
BENCHMARK(BM_CastellatedRegenerates)->Unit(benchmark::kMicrosecond);

// A cold-formed profile typed ("Wymiary"), item = the benchmark's argument (the lipped Z and
// channel as pairs with 100 + item): the outline bent along its mid-line, integrated along
// the exact arcs, the plastic axes searched on the arcs followed by chords (target under
// 20 µs)
void BM_ColdOwnDimensionsRegenerate(benchmark::State& state) {
  const int item = static_cast<int>(state.range(0)) % 100;
  static const char* const kTexts[kColdItems][7] = {
      {"100 mm", "50 mm", "3 mm", "1,5 x g"},
      {"100 mm", "50 mm", "3 mm", "1,5 x g"},
      {"200 mm", "80 mm", "20 mm", "2 mm", "1,5 x g"},
      {"50 mm", "3 mm", "1,5 x g"},
      {"50 mm", "3 mm", "1,5 x g"},
      {"60 mm", "40 mm", "3 mm", "1,5 x g"},
      {"60 mm", "40 mm", "3 mm", "1,5 x g"},
      {"60 mm", "20 mm", "2 mm", "1,5 x g"},
      {"200 mm", "70 mm", "20 mm", "60 mm", "20 mm", "2 mm", "1,5 x g"},
      {"60 mm", "57 mm", "25 mm", "2 mm", "1,5 x g"},
      {"200 mm", "70 mm", "90 mm", "25 mm", "16 mm", "2 mm", "5 mm"},
      {"100 mm", "4 mm", "wg normy"},
      {"100 mm", "50 mm", "4 mm", "wg normy"}};
  Selection s;
  s.kind = kGiete, s.variant = item, s.mode = kColdOwnDimensions;
  s.option = state.range(0) >= 100 ? 1 : 0;
  for (int i = 0; i < 7; ++i)
    if (kTexts[item][i]) s.setText(i, kTexts[item][i]);
  Regenerate(state, s, ColdCaption(item));
}
BENCHMARK(BM_ColdOwnDimensionsRegenerate)
    ->Arg(kColdChannelA)
    ->Arg(kColdLipChannel)
    ->Arg(100 + kColdLipChannel)
    ->Arg(kColdAngleNA)
    ->Arg(kColdLipAngle)
    ->Arg(kColdLipZ)
    ->Arg(100 + kColdLipZ)
    ->Arg(kColdHat)
    ->Arg(kColdSigma)
    ->Arg(kColdRectTube)
    ->Unit(benchmark::kMicrosecond);

// the same from the catalogue: the record looked up at the end of PROFILE.DAT first
void BM_ColdCatalogueRegenerates(benchmark::State& state) {
  Selection s;
  s.kind = kGiete, s.mode = kColdCatalogue;
  if (state.range(0) == 0) {
    s.variant = kColdChannelA;
    s.setText(0, " 100x50x4");
  } else {
    s.variant = kColdRectTube;
    s.setText(0, " 100x50");
    s.setText(1, "4");
  }
  Regenerate(state, s, "a cold-formed catalogue profile");
}
BENCHMARK(BM_ColdCatalogueRegenerates)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// what tarvik-build-profiles spends on the whole database: every table read, parsed and
// completed row by row from its outline, the records written to a temporary file
void BM_BuildWholeDatabase(benchmark::State& state) {
  const fs::path dir = TARVIK_PROFILE_SOURCES;
  const fs::path exceptionsFile = dir / "exceptions.csv";
  std::vector<fs::path> tables;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(dir, error))
    if (entry.path().extension() == ".csv" && entry.path() != exceptionsFile)
      tables.push_back(entry.path());
  if (tables.empty()) {
    state.SkipWithError("no tables in data/profiles");
    return;
  }
  const fs::path out = fs::temp_directory_path() / "tarvik-bench-PROFILE.DAT";
  int64_t rows = 0;
  for (auto _ : state) {
    std::vector<Exception> exceptions;
    if (fs::exists(exceptionsFile)) exceptions = ParseExceptions(ReadAll(exceptionsFile));
    BuildReport report;
    std::vector<CatalogueRecord> records;
    for (const fs::path& table : tables) {
      for (const SourceRow& row : ParseSourceTable(ReadAll(table))) {
        ++rows;
        if (auto record = CompleteRow(row, exceptions, report)) records.push_back(*record);
      }
    }
    if (!WriteDatabase(out.string(), records)) {
      state.SkipWithError("cannot write the temporary database");
      break;
    }
    benchmark::DoNotOptimize(records.data());
  }
  state.SetItemsProcessed(rows);
  fs::remove(out, error);
}
BENCHMARK(BM_BuildWholeDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarvik
