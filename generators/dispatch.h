// The section builder: which generator a selection names, and when to run it.
#pragma once

#include "engine/messages.h"
#include "engine/model.h"
#include "engine/sketch.h"
#include "generators/generator.h"
#include "generators/selection.h"

namespace tarvik {

// every row of the code table; generators not built yet are named here all the same
enum class GeneratorId {
  kNone,  // a code the table does not list: nothing runs, the section on screen stays
  // Walcowane
  kRolledISloped,
  kRolledIParallel,
  kRolledChannelSloped,
  kRolledChannelParallel,
  kRolledEqualAngle,
  kRolledUnequalAngle,
  kRolledTee,
  kRolledHalfISloped,
  kRolledHalfIParallel,
  kRolledZ,
  kRolledPipe,
  // Spawane
  kWeldedCatalogue,
  kCastellatedSloped,
  kCastellatedParallel,
  kWeldedPipe,
  // Gięte
  kColdChannel,
  kColdLippedChannel,
  kColdAngle,
  kColdLippedAngle,
  kColdLippedZ,
  kColdHat,
  kColdSigma,
  kColdBoxTube,
  // Zestawy
  kSet,
  // Proste
  kProstokat,
  kKolo,
  kElipsa,
  kRuraOkragla,
  kRuraEliptyczna,
  kLuk,
  kDwuteownik,
  kSkrzynka,
  kCeownik,
  kTeownik,
  kKrzyzProsty,
  kKrzyzZlozony,
  kKatownik,
  // Złożone, Dowolne, Użebrowanie
  kComposite,
  kRibbed,
  // Drewniane
  kTimberRectangle,
  kTimberCircle,
  kTimberTee,
  kTimberI,
  kTimberBox,
  kTimberMembers,
  // Żelbetowe
  kConcreteRectangle,
  kConcreteCircle,
  kConcreteTI,
};

// the code table: the generator for a kind, sub-kind and variant (ribbed sections need two
// figures)
GeneratorId Route(const Selection& s, int figureCount);

// the function that builds a row, or nullptr while that family is not built (the builder then
// reports it and leaves the section as it was)
Generator GeneratorFor(GeneratorId id);

class Dispatcher {
 public:
  // BudujPrzekroj: regenerates the section when the selection differs from the last one,
  // then fits the sketch mapping to a W x H box; true when the section changed
  bool BudujPrzekroj(SectionModel& model, Selection& selection, const GeneratorSettings& settings,
                     MessageSink& sink, SketchMapping& mapping, int W, int H);
  // the next call regenerates whatever the selection (after a save, or a file read)
  void forget() { previous_ = Selection{}; }
  // the remembered text i (0-based) of the last choice becomes text: writing "0" there makes
  // the next step of a move count as a change even when the edit shows the same step again
  void rememberText(int i, std::string_view text) { previous_.setText(i, text); }
  // the remembered mirror flags cleared, so that a mirror asked for again counts
  void forgetMirrors() { previous_.mirrorX = previous_.mirrorY = 0; }
  // the last call did not build its new choice: a family still to come, or a generator that
  // refused it or found no profile. The section of the same tab stays as it was (the call
  // returned false); with none, the section is empty (true: it changed).
  bool refused() const { return refused_; }
  // the model holds a section of that tab that no call built (one read from a file): a
  // failing rebuild keeps it as it keeps a built one
  void holds(int kind) { builtKind_ = kind; }

 private:
  Selection previous_;
  int builtKind_ = -1;  // the tab whose section the model holds; -1 none (empty)
  bool refused_ = false;
};

}  // namespace tarvik
