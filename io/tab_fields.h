// What a tab keeps in a section file's header and what a header gives back: the one place
// for it. The window's tabs, tarvik-cli --save and tarvik-cli open --rebuild all go through
// here, so a file written anywhere reopens as the same section.
#pragma once

#include <string>
#include <vector>

#include "generators/generator.h"
#include "generators/rolled.h"
#include "generators/selection.h"
#include "io/section_file.h"

namespace tarvik {

// a tab's choice as a section file keeps it
struct TabChoice {
  Selection selection;        // kind, family, variant, option and the texts as typed, before
                              // a member's depth variation
  bool exactFormulas = true;  // "Wzory ścisłe": round parametric sections by closed forms
  int corners = 36;           // vertices of an inscribed circle while exactFormulas is off
  double gradient = 0;        // a member of variable depth [mm/m; the timber and concrete
                              // tabs' cm/m times 10]; 0: constant depth
  bool hotFinished = false;   // "Walc.na gorąco": a box tube's corners of a hot-finished tube
  TimberSettings timber;      // the "Drewniane" tab's joints, fasteners, classes and span

  // the generators' settings for this choice, reading the catalogue db
  GeneratorSettings Settings(ProfileDatabase* db) const;
};

// the tabs whose choices a header keeps (the others store nothing of their own yet)
bool TabKeepsChoice(int kind);

// the "Proste" families that offer "Zmienna wysokość" ("Zmienna średnica")
bool DepthVariationOffered(int family, int variant);

// the rolled tab stores text 2 (the second list) for this size; of the HL sizes only "1000"
// comes in masses
bool RolledSecondTextKept(int sub, int variant, const std::string& size);

// the sizes the rolled tab lists for a sub-kind, series and option: the seamless tube's
// table, or the catalogue's (nothing without a database)
std::vector<CatalogueSize> RolledSizes(const ProfileDatabase* db, int sub, int variant, int option);

// The header's tab fields for a choice. The rolled, welded and cold-formed tabs store list
// positions, found here from the texts in the lists the tab shows (db is needed for the
// rolled ones); false, with the reason in why, when a text is not in its list. Cold-formed
// own dimensions keep their texts.
bool HeaderFields(const TabChoice& choice, const ProfileDatabase* db, TabFields& fields,
                  std::string& why);

// The section properties as the header keeps them: a member of variable depth stores its
// gradient in slot 45 and says so in its name.
PropertiesRecord HeaderProperties(const PropertiesRecord& section, const TabChoice& choice);

// The choice a read header stands for. Nothing in the header is trusted: a family, variant
// or list position the tab does not offer, or a corner count outside 3..36, gives false with
// the reason in why. Kinds whose tab keeps no choice give false too.
bool ChoiceFromHeader(const FigureRecord& header, const ProfileDatabase* db, TabChoice& choice,
                      std::string& why);

// the selection the dispatcher builds from a choice: the depth variation at the member's start
Selection SelectionToBuild(const TabChoice& choice);

}  // namespace tarvik
