// What every generator works with: the selection, the few main-window settings it reads,
// the model it writes and the sink for its messages; and the steps they share.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "engine/messages.h"
#include "engine/model.h"
#include "generators/database.h"
#include "generators/selection.h"

namespace tarvik {

// the timber class of a member nobody chose: C24, the commonest structural softwood
inline constexpr int kDefaultTimberClass = 6;

// the "Drewniane" tab's choices beside its dimension texts: joints, fasteners, classes, span
struct TimberSettings {
  bool mechanical = true;  // "Łączniki mechaniczne"; false: "Klejenie", the joints rigid
  // class numbers (KlasaDrewna, 1..26) of the upper flange, the web (the member of a solid or
  // multiple-member section) and the lower flange
  std::array<int, 3> classes{kDefaultTimberClass, kDefaultTimberClass, kDefaultTimberClass};
  double spacing1 = 50, diameter1 = 6;  // the upper flange's fasteners [mm]
  double spacing3 = 50, diameter3 = 6;  // the lower flange's [mm]
  bool holes1 = false, holes3 = false;  // "Otwory": the fasteners' holes pre-drilled
  double span = 10;                     // "Długość belki" [m]
  // the members of a multiple-member section joined by packs or gussets ("Przewiązki"):
  // ticked, the kind (0 "Klej", 1 "Gwoździe", 2 "Śruby") and "Zewnątrz" (gussets outside
  // rather than packs between the members); recorded for the spaced column, no property
  // depends on them
  bool battens = false;
  int battenJoint = 1;
  bool battensOutside = false;
  friend bool operator==(const TimberSettings&, const TimberSettings&) = default;
};

// the main window's settings that generators consult
struct GeneratorSettings {
  bool exactFormulas = true;   // "Wzory ścisłe": round sections by closed forms
  int corners = 36;            // vertices of an inscribed circle while exact formulas are off
  bool hotRolledPipe = false;  // "Walc.na gorąco" on the round pipe
  ProfileDatabase* database = nullptr;  // PROFILE.DAT of the installation, when there is one
  TimberSettings timber;                // the "Drewniane" tab's
};

// one generator run: the selection is read only, the section properties are already zero
struct Generation {
  SectionModel& model;
  const Selection& selection;
  const GeneratorSettings& settings;
  MessageSink& sink;
  // the generator built nothing (a refusal, a profile not found): the builder keeps the
  // section that was there
  bool failed = false;

  PropertiesRecord& props() { return model.section; }
  FigureRecord& figure() { return model.working(); }
  // selection text i (1-based) read as a number of millimetres (the timber and concrete tabs
  // type centimetres); its text without leading blanks and unit
  double dim(int i) const;
  std::string dimText(int i) const;
  // shows an error with one "OK" button; the working figure and the properties stay empty and
  // the generation counts as failed
  void refuse(const std::string& text, const std::string& detail = {});
};

using Generator = void (*)(Generation&);

// Saint-Venant torsion of a t x b rectangle (either side the longer): alpha·b·t^3 with t the
// shorter side [mm^4]; modulus, when given, receives beta·b·t^2/1000 [cm^3]. Negative or
// NaN sides give 0.
double SkretProstokata(double t, double b, double* modulus = nullptr);

// every dimension positive and sensible (at most 100 m); otherwise the generator is refused
// with a message naming the text
bool CheckDimensions(Generation& g, std::initializer_list<int> positive,
                     std::initializer_list<int> nonNegative = {});

// ObliczFigure on the working figure into the section properties; after the zero-area
// message nothing half-built stays behind (figure and properties cleared) and it is false
bool IntegrateFigure(Generation& g);

// ObliczWskazniki on the working figure into the section properties; a plastic axis that
// cannot be found is reported to the sink, never left as a silent zero
void ObliczWskaznikiFigury(Generation& g);

// the elastic moduli alone (Wcx, Wtx, Wcy, Wty), J1 and J2 of the record over the working
// figure's extreme fibres about the principal axes the record holds, as ObliczWskazniki
// computes them; for sections whose plastic moduli come from another outline
void ElasticModuliFigury(Generation& g);

// the closing steps: properties copied into the working figure, walls [cm], display flags
void Finish(Generation& g, double wall1, double wall2, std::initializer_list<int> flags);

void AddDimension(SectionModel& model, int direction, int from, int to, int offset, double value,
                  int from2 = 0, int to2 = 0);

}  // namespace tarvik
