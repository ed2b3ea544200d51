// Speed of the profile catalogue: a rolled profile looked up and built, and the whole
// PROFILE.DAT built from its tables.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
