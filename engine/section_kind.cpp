#include "engine/section_kind.h"

#include <limits>

namespace tarvik {
namespace {

constexpr int kNever = std::numeric_limits<int>::max();
constexpr int kAlways = std::numeric_limits<int>::min();

struct KindTraits {
  bool multiFigure;  // figures 1..N make the section, else the working figure
  int askFrom;       // the figure count from which "Koniec" asks to save
  bool outerByRole;  // an outer contour adds whatever its direction
  bool holeByRole;   // a hole subtracts whatever its direction
};

// indexed by SectionKind
constexpr std::array<KindTraits, 10> kTraits = {{
    {false, kNever, false, false},   // Walcowane
    {false, kNever, false, false},   // Spawane
    {false, kNever, false, false},   // Gięte
    {true, 1, false, false},         // Zestawy
    {false, kAlways, false, true},   // Proste
    {true, 1, false, false},         // Złożone
    {true, 1, true, true},           // Dowolne
    {true, 1, false, false},         // Użebrowanie
    {true, 2, false, false},         // Drewniane
    {false, kAlways, false, false},  // Żelbetowe
}};

const KindTraits* Traits(int kind) {
  return kind >= 0 && kind < static_cast<int>(kTraits.size()) ? &kTraits[kind] : nullptr;
}

}  // namespace

bool MultiFigureKind(int kind) { return Traits(kind) && Traits(kind)->multiFigure; }

bool SingleFigureKind(int kind) { return Traits(kind) && !Traits(kind)->multiFigure; }

bool OuterByRole(int kind) { return Traits(kind) && Traits(kind)->outerByRole; }

bool HoleByRole(int kind) { return Traits(kind) && Traits(kind)->holeByRole; }

bool PointListForm(const SectionModel& model) {
  return model.kind == kDowolne && !model.imported.empty();
}

bool TwoPartChannel(int kind, const std::array<int32_t, 8>& selection) {
  return kind == kGiete && selection[2] == 2 && selection[3] == 1;
}

bool TwoPartChannel(const SectionModel& model) {
  return TwoPartChannel(model.kind, model.working().selection);
}

bool AsksToSave(int kind, int figureCount) {
  const KindTraits* t = Traits(kind);
  return !t || (t->askFrom != kNever && figureCount >= t->askFrom);
}

bool EditorKind(int kind) { return kind == kZlozone || kind == kDowolne; }

bool BuiltUpKind(int kind) { return EditorKind(kind) || kind == kUzebrowanie; }

bool OverallDimensionsKind(int kind) { return BuiltUpKind(kind) || kind == kDrewniane; }

bool ClosesThroughLastPoint(const FigureRecord& figure) {
  const int n = figure.outerCount();
  return figure.selection[0] == kGiete && (n == 28 || n == 36);
}

}  // namespace tarvik
