#include "generators/dispatch.h"

#include <optional>

#include "generators/cold_formed.h"
#include "generators/composite_driver.h"
#include "generators/concrete.h"
#include "generators/parametric.h"
#include "generators/ribbed.h"
#include "generators/rolled.h"
#include "generators/sets.h"
#include "generators/timber.h"
#include "generators/welded.h"

namespace tarvik {
namespace {

using G = GeneratorId;

G RouteRolled(int sub, int variant) {
  const bool sloped = variant == 0 || variant == 13, parallel = variant >= 1 && variant <= 12;
  switch (sub) {
    case 0:
      return sloped ? G::kRolledISloped : parallel ? G::kRolledIParallel : G::kNone;
    case 1:
      if (variant == 0 || variant == 1 || variant == 4) return G::kRolledChannelSloped;
      return variant == 2 || variant == 3 ? G::kRolledChannelParallel : G::kNone;
    case 2:
      return G::kRolledEqualAngle;
    case 3:
      return G::kRolledUnequalAngle;
    case 4:
    case 5:
      return G::kRolledTee;
    case 6:
      return sloped ? G::kRolledHalfISloped : parallel ? G::kRolledHalfIParallel : G::kNone;
    case 7:
      return G::kRolledZ;
    case 8:
      return G::kRolledPipe;
    default:
      return G::kNone;
  }
}

G RouteWelded(int sub, int variant) {
  if (sub >= 0 && sub <= 4) return G::kWeldedCatalogue;
  if (sub == 5)
    return variant == 0                   ? G::kCastellatedSloped
           : variant == 1 || variant == 2 ? G::kCastellatedParallel
                                          : G::kNone;
  return sub == 6 ? G::kWeldedPipe : G::kNone;
}

G RouteColdFormed(int variant) {
  static const G byVariant[] = {
      G::kColdChannel, G::kColdChannel, G::kColdLippedChannel, G::kColdAngle,   G::kColdAngle,
      G::kColdAngle,   G::kColdAngle,   G::kColdLippedAngle,   G::kColdLippedZ, G::kColdHat,
      G::kColdSigma,   G::kColdBoxTube, G::kColdBoxTube};
  return variant >= 0 && variant <= 12 ? byVariant[variant] : G::kNone;
}

G RouteParametric(int sub, int variant) {
  switch (sub) {
    case 0:
      return G::kProstokat;
    case 1:
      return variant == 0 ? G::kKolo : variant == 1 ? G::kElipsa : G::kNone;
    case 2:
      if (variant == 0) return G::kRuraOkragla;
      if (variant == 1) return G::kRuraEliptyczna;
      return variant == 2 || variant == 3 ? G::kColdBoxTube : G::kNone;
    case 3:
      return G::kLuk;
    case 4:
      return variant >= 0 && variant <= 2 ? G::kDwuteownik : G::kNone;
    case 5:
      return variant == 0 || variant == 1 ? G::kSkrzynka : G::kNone;
    case 6:
      return G::kCeownik;
    case 7:
      return G::kTeownik;
    case 8:
      return variant == 0 ? G::kKrzyzProsty : variant == 1 ? G::kKrzyzZlozony : G::kNone;
    case 9:
      return G::kKatownik;
    default:
      return G::kNone;
  }
}

G RouteTimber(int sub) {
  static const G bySub[] = {G::kTimberRectangle, G::kTimberCircle, G::kTimberTee, G::kTimberI,
                            G::kTimberI,         G::kTimberBox,    G::kTimberBox, G::kTimberMembers,
                            G::kTimberMembers,   G::kTimberMembers};
  return sub >= 0 && sub <= 9 ? bySub[sub] : G::kNone;
}

G RouteConcrete(int sub) {
  if (sub == 0 || sub == 1) return G::kConcreteRectangle;
  if (sub == 2) return G::kConcreteCircle;
  return sub >= 3 && sub <= 6 ? G::kConcreteTI : G::kNone;
}

// the working figure before a generator runs: zero, and the selection copied into it
void ResetWorkingFigure(SectionModel& model, const Selection& s) {
  if (model.currentFigure > 0 || s.kind == kUzebrowanie) {
    model.clearWorkingFigure();
  } else {
    model.figures.assign(1, FigureRecord{});
    model.figureCount = 0;
  }
  model.flags = {};
  FigureRecord& fig = model.working();
  fig.selection = s.integers();
  for (int i = 0; i < FigureRecord::kDimTexts; ++i) fig.setDim(i, s.texts[i]);
}

// what the builder adds after some families' generators
void AfterGenerator(SectionModel& model, const Selection& s, GeneratorId id) {
  if (s.kind == kZestawy) {
    for (int f : {3, 4, 5}) model.flags[f] = true;
    if (s.sub < 4) model.flags[7] = true;
  }
  if (id == G::kTimberRectangle || id == G::kTimberCircle) {
    model.figures.resize(2);
    model.figures[1] = model.figures[0];
    model.figureCount = 1;
  }
}

}  // namespace

GeneratorId Route(const Selection& s, int figureCount) {
  switch (s.kind) {
    case kWalcowane:
      return RouteRolled(s.sub, s.variant);
    case kSpawane:
      return RouteWelded(s.sub, s.variant);
    case kGiete:
      return RouteColdFormed(s.variant);
    case kZestawy:
      return s.sub >= 0 && s.sub <= 6 ? G::kSet : G::kNone;
    case kProste:
      return RouteParametric(s.sub, s.variant);
    case kZlozone:
    case kDowolne:
      return G::kComposite;
    case kUzebrowanie:
      return figureCount == 2 ? G::kRibbed : G::kNone;
    case kDrewniane:
      return RouteTimber(s.sub);
    case kZelbetowe:
      return RouteConcrete(s.sub);
    default:
      return G::kNone;
  }
}

Generator GeneratorFor(GeneratorId id) {
  switch (id) {
    case G::kRolledISloped:
    case G::kRolledIParallel:
      return DwuteownikWalcowany;
    case G::kRolledChannelSloped:
    case G::kRolledChannelParallel:
      return CeownikWalcowany;
    case G::kRolledEqualAngle:
    case G::kRolledUnequalAngle:
      return KatownikWalcowany;
    case G::kRolledTee:
      return TeownikWalcowany;
    case G::kRolledHalfISloped:
    case G::kRolledHalfIParallel:
      return PolowaDwuteownika;
    case G::kRolledZ:
      return ZetownikWalcowany;
    case G::kRolledPipe:
      return RuraBezSzwu;
    case G::kWeldedCatalogue:
      return DwuteownikSpawany;
    case G::kCastellatedSloped:
    case G::kCastellatedParallel:
      return DwuteownikWalcowany;  // the parent's generator, which knows the castellated girder
    case G::kWeldedPipe:
      return RuraZeSzwem;
    case G::kColdChannel:
      return CeownikGiety;
    case G::kColdLippedChannel:
      return CeownikCzterogiety;
    case G::kColdAngle:
      return KatownikGiety;
    case G::kColdLippedAngle:
      return KatownikTrojgiety;
    case G::kColdLippedZ:
      return ZetownikCzterogiety;
    case G::kColdHat:
      return Kapeluszowy;
    case G::kColdSigma:
      return Sigma;
    case G::kColdBoxTube:  // also the "Proste" tab's square and rectangular "Rura"
      return RuraProstokatna;
    case G::kSet:
      return Zestaw;
    case G::kProstokat:
      return Prostokat;
    case G::kKolo:
      return Kolo;
    case G::kElipsa:
      return Elipsa;
    case G::kRuraOkragla:
      return RuraOkragla;
    case G::kRuraEliptyczna:
      return RuraEliptyczna;
    case G::kLuk:
      return Luk;
    case G::kDwuteownik:
      return Dwuteownik;
    case G::kSkrzynka:
      return Skrzynka;
    case G::kCeownik:
      return Ceownik;
    case G::kTeownik:
      return Teownik;
    case G::kKrzyzProsty:
      return KrzyzProsty;
    case G::kKrzyzZlozony:
      return KrzyzZlozony;
    case G::kKatownik:
      return Katownik;
    case G::kConcreteRectangle:
      return ZelbetProstokat;
    case G::kConcreteCircle:
      return ZelbetKolo;
    case G::kConcreteTI:
      return ZelbetTeowy;
    case G::kComposite:
      return PrzeliczZlozony;
    case G::kRibbed:
      return Uzebrowanie;
    case G::kTimberRectangle:
      return DrewnoProstokat;
    case G::kTimberCircle:
      return DrewnoKolo;
    case G::kTimberTee:
      return DrewnoTeowy;
    case G::kTimberI:
      return DrewnoDwuteowy;
    case G::kTimberBox:
      return DrewnoSkrzynkowy;
    case G::kTimberMembers:
      return DrewnoWielokrotny;
    default:
      return nullptr;  // a family still to be built: the builder says so
  }
}

bool Dispatcher::BudujPrzekroj(SectionModel& model, Selection& selection,
                               const GeneratorSettings& settings, MessageSink& sink,
                               SketchMapping& mapping, int W, int H) {
  model.section = model.saved;
  refused_ = false;
  if (TakiSamWybor(selection, previous_)) return false;
  const GeneratorId id = Route(selection, model.figureCount);
  const Generator generator = GeneratorFor(id);
  if (!generator) {
    // nothing builds this choice: it says so, and the section on screen stays; the choice is
    // not remembered, so choosing it again says so again
    sink.show(id == GeneratorId::kNone
                  ? Blad("Nie ma takiego przekroju", "(rodzaj, typ lub wariant poza tabelą)")
                  : Blad("Ta rodzina przekrojów nie jest jeszcze dostępna"));
    refused_ = true;
    return false;
  }
  // a failing generator leaves the section of the same tab as it was
  const bool keepOnFailure = builtKind_ == selection.kind;
  std::optional<SectionModel> before;
  if (keepOnFailure) before = model;
  const Selection previousChoice = previous_;
  selection.typed = 0;
  previous_ = selection;

  model.kind = selection.kind;
  // cold-formed own dimensions live in figure 0 and survive regenerations
  const bool keepOwnDimensions = selection.kind == kGiete && model.working().selection[5] > 0;
  if (!keepOwnDimensions) ResetWorkingFigure(model, selection);
  model.dimensions.clear();
  model.hotRolledTube = false;
  model.setSpacings = {-1, -1};
  model.section.clear();
  Generation g{model, selection, settings, sink};
  generator(g);
  if (g.failed) {
    // the user has been told why; the choice is not remembered, so choosing it again tries
    // again (a database may have been put right in between)
    refused_ = true;
    previous_ = previousChoice;
    if (before) {
      model = std::move(*before);
      return false;
    }
    builtKind_ = -1;
    model.saved = model.section;
    return true;
  }
  builtKind_ = selection.kind;
  AfterGenerator(model, selection, id);
  SkalujSzkic(model, mapping, W, H, 0, model.section[slot::xS], model.section[slot::yS]);
  model.saved = model.section;
  model.working().props.setName(model.section.name());
  return true;
}

}  // namespace tarvik
