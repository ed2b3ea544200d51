// What every generator works with: the selection, the few main-window settings it reads,
// the model it writes and the sink for its messages; and the steps they share.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/messages.h"
#include "engine/model.h"
#include "generators/database.h"
#include "generators/selection.h"

namespace tarvik {

// the main window's settings that generators consult
struct GeneratorSettings {
  bool exactFormulas = true;   // "Wzory ścisłe": round sections by closed forms
  int corners = 36;            // vertices of an inscribed circle while exact formulas are off
  bool hotRolledPipe = false;  // "Walc.na gorąco" on the round pipe
  ProfileDatabase* database = nullptr;  // PROFILE.DAT of the installation, when there is one
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
  // selection text i (1-based) read as a number; its text without leading blanks and unit
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
