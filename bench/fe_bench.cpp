// Speed of the finite-element mesher and solver: a rolled profile with its root fillets, the
// solver alone on a structured mesh, and whole catalogue profiles refined until they settle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/sketch.h"
#include "fe/mesh.h"
#include "fe/przekroj.h"
#include "fe/torsion.h"
#include "generators/database.h"
#include "generators/dispatch.h"
#include "generators/cold_formed_choice.h"
#include "generators/rolled.h"
#include "tests/support/fe_meshes.h"

namespace tarvik::fe {
namespace {

// an IPE 200-like outline, counter-clockwise: I 200 x 100, web 5.6, flanges 8.5, the four
// root fillets r = 12 drawn with 8 segments each
std::vector<Node> IpeLike() {
  const double h = 200, b = 100, tw = 5.6, tf = 8.5, r = 12, pi = 3.141592653589793;
  std::vector<Node> p;
  // the arc about (cx, cy) from angle a0 to a1 [degrees], both ends included
  auto fillet = [&](double cx, double cy, double a0, double a1) {
    for (int k = 0; k <= 8; ++k) {
      const double a = (a0 + (a1 - a0) * k / 8) * pi / 180;
      p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
  };
  const double xw = tw / 2 + r, yf = h / 2 - tf - r;
  p.push_back({-b / 2, -h / 2});
  p.push_back({b / 2, -h / 2});
  p.push_back({b / 2, -h / 2 + tf});
  fillet(xw, -yf, 270, 180);
  fillet(xw, yf, 180, 90);
  p.push_back({b / 2, h / 2 - tf});
  p.push_back({b / 2, h / 2});
  p.push_back({-b / 2, h / 2});
  p.push_back({-b / 2, h / 2 - tf});
  fillet(-xw, yf, 90, 0);
  fillet(-xw, -yf, 0, -90);
  p.push_back({-b / 2, -h / 2 + tf});
  return p;
}

// Siatka at the default options
void BM_SiatkaIpeLike(benchmark::State& state) {
  const std::vector<Figure> figures = {{IpeLike(), {}, 1}};
  Mesh mesh;
  std::string why;
  for (auto _ : state) {
    if (!Siatka(figures, {}, mesh, why)) state.SkipWithError(why.c_str());
    benchmark::DoNotOptimize(mesh);
  }
  state.counters["elements"] = static_cast<double>(mesh.elements.size());
  state.counters["nodes"] = static_cast<double>(mesh.nodes.size());
}
BENCHMARK(BM_SiatkaIpeLike)->Unit(benchmark::kMillisecond);

// Siatka and Rozwiaz together: the torsion constant of the IPE-like outline at the defaults
void BM_SiatkaIRozwiazIpeLike(benchmark::State& state) {
  const std::vector<Figure> figures = {{IpeLike(), {}, 1}};
  Mesh mesh;
  std::string why;
  WynikMES r;
  for (auto _ : state) {
    if (!Siatka(figures, {}, mesh, why)) state.SkipWithError(why.c_str());
    r = Rozwiaz(mesh);
    benchmark::DoNotOptimize(r);
  }
  state.counters["J_cm4"] = r.J / 1e4;
}
BENCHMARK(BM_SiatkaIRozwiazIpeLike)->Unit(benchmark::kMillisecond);

// Rozwiaz on a 200 x 100 rectangle of 32 x 32 cells (2048 six-node elements, 4225 nodes):
// the assembly, one factorisation and the three solutions
void BM_RozwiazRectangle2048(benchmark::State& state) {
  const Mesh mesh = test::FeRectangle(200, 100, 32, 32);
  for (auto _ : state) benchmark::DoNotOptimize(Rozwiaz(mesh));
}
BENCHMARK(BM_RozwiazRectangle2048)->Unit(benchmark::kMillisecond);

// a catalogue profile as the program builds it (fillets, bends and all); false when it is not
// one the tabs build from its code and designation alone (a welded tee wants its web)
bool Zbuduj(ProfileDatabase& db, const std::string& code, const std::string& designation,
            SectionModel& model) {
  Selection s;
  if (!SelectionFor(code, designation, false, s) && !ColdSelectionFor(code, designation, s))
    return false;
  GeneratorSettings settings;
  settings.database = &db;
  RecordingSink sink;
  SketchMapping mapping;
  return Dispatcher().BudujPrzekroj(model, s, settings, sink, mapping, 400, 400);
}

// ObliczMES of one catalogue profile to 0,1 %
void MesProfilu(benchmark::State& state, const char* code, const char* designation) {
  ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  if (!std::filesystem::is_regular_file(db.path()))
    return state.SkipWithError("PROFILE.DAT missing; build the profile_database target");
  SectionModel model;
  if (!Zbuduj(db, code, designation, model)) return state.SkipWithError("the profile was not built");
  WynikPrzekroju r;
  for (auto _ : state) {
    r = ObliczMES(model, 1e-3);
    if (!r.ok) return state.SkipWithError(r.error.c_str());
    benchmark::DoNotOptimize(r);
  }
  state.counters["elements"] = r.values.elements;
  state.counters["meshes"] = r.meshes;
  state.counters["J_cm4"] = r.values.J / 1e4;
  state.counters["Iw_cm6"] = r.values.Iw / 1e6;
}

void BM_ObliczMESIpe200(benchmark::State& state) { MesProfilu(state, "IPE", "200"); }
BENCHMARK(BM_ObliczMESIpe200)->Unit(benchmark::kMillisecond);

void BM_ObliczMESHeb1000(benchmark::State& state) { MesProfilu(state, "HEB", "1000"); }
BENCHMARK(BM_ObliczMESHeb1000)->Unit(benchmark::kMillisecond);

// ObliczMES to 0,1 % of every profile the catalogue holds, one after another: the time is
// the whole run, the counters the median and the slowest profile (named in the label);
// profiles whose values the elements refuse to give (two figures laid on one another) count
// as refused
void BM_ObliczMESKatalog(benchmark::State& state) {
  ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  if (!std::filesystem::is_regular_file(db.path()))
    return state.SkipWithError("PROFILE.DAT missing; build the profile_database target");
  std::vector<std::pair<std::string, SectionModel>> profiles;
  for (const std::string& code : db.Families())
    for (const std::string& designation : db.Designations(code)) {
      SectionModel model;
      if (Zbuduj(db, code, designation, model)) profiles.emplace_back(code + " " + designation, model);
    }
  std::vector<double> times;
  std::string slowest;
  int refused = 0;
  for (auto _ : state) {
    times.clear();
    refused = 0;
    double worst = 0;
    for (const auto& [name, model] : profiles) {
      const auto start = std::chrono::steady_clock::now();
      const WynikPrzekroju r = ObliczMES(model, 1e-3);
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      refused += !r.ok;
      times.push_back(ms);
      if (ms > worst) worst = ms, slowest = name;
    }
  }
  std::sort(times.begin(), times.end());
  state.counters["profiles"] = static_cast<double>(profiles.size());
  state.counters["refused"] = refused;
  state.counters["median_ms"] = times.empty() ? 0 : times[times.size() / 2];
  state.counters["slowest_ms"] = times.empty() ? 0 : times.back();
  state.SetLabel("slowest: " + slowest);
}
BENCHMARK(BM_ObliczMESKatalog)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tarvik::fe
