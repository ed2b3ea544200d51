#include "cli/cli.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <nlohmann/json.hpp>
#include <tuple>

#include "cli/report.h"
#include "engine/contours.h"
#include "engine/cp1250.h"
#include "engine/integration.h"
#include "engine/messages.h"
#include "engine/model.h"
#include "engine/numbers.h"
#include "engine/section_kind.h"
#include "engine/sketch.h"
#include "fe/przekroj.h"
#include "generators/cold_formed.h"
#include "generators/cold_formed_choice.h"
#include "generators/composite_editor.h"
#include "generators/database.h"
#include "generators/dispatch.h"
#include "generators/parametric.h"
#include "generators/ribbed.h"
#include "generators/rolled.h"
#include "generators/true_outline.h"
#include "generators/timber.h"
#include "generators/welded.h"
#include "io/dxf.h"
#include "io/pointfile.h"
#include "io/section_file.h"
#include "io/tab_fields.h"

#ifdef TARVIK_CLI_PICTURE
#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include <QPainter>
#include <QPdfWriter>

#include "engine/print_page.h"
#include "engine/print_report.h"
#include "io/picture.h"
#include "paint/page_painter.h"
#endif

namespace tarvik::cli {
namespace {

constexpr const char* kUsageText = R"(usage: tarvik-cli COMMAND [OPTIONS] ARGUMENTS

Commands:
  outline [--json] [--all-digits] [--fe] FILE...
      Computes the section whose outline the point files give. Each FILE is a text
      point list: a first line naming the contour ("Wewnętrzna..." makes it a hole,
      anything else an outer contour), then one point a line: running number, x, y
      in mm, decimal comma or point. File k becomes figure k of the outline.
  import [--json] [--all-digits] [--fe] [--scale F] [--save BASE] FILE.dxf|FILE.txt
      Computes the section a drawing or a point file outlines, as the "Dowolne"
      tab's import does. FILE.dxf: the LINE, POLYLINE/VERTEX, LWPOLYLINE, ARC and
      CIRCLE entities of the drawing's ENTITIES sections (text DXF, R12 to R2018;
      a polyline flagged closed is closed; arcs and bulges become chords whose
      sagitta is at most 0,05 mm and at most 1/1000 of the radius); values are
      millimetres. Chains of segments whose ends meet within 1e-6 of the
      drawing's diagonal make closed contours; each contour is a figure, one
      inside an odd number of others a hole. A drawing with a chain that does
      not close names its ends and exits with 1. FILE.txt: one contour as a
      point list (as outline reads it). --scale F multiplies the drawing by F
      (0.001, 0.01, 0.1, 1, 10, 100 or 1000: a drawing in cm takes 10, in m
      1000). A damaged file names the line and exits with 1. --save BASE writes
      BASE.PRM and BASE.BMP, the section held as a point list as the tab saves
      a drawn or read outline; it opens on the "Dowolne" tab.
  compute [--json] [--all-digits] [--fe] --kind K [--sub N] [--variant N] [--option N]
          [--option2 N] [--mode N] [--t1 TEXT ... --t10 TEXT] [--corners N]
          [--hot] [--gradient MM_PER_M --position M] [--save BASE]
      Builds the section a tab of the program would build from that choice: kind
      is the tab, sub the family, variant its variant, --t1..--t10 the texts as
      typed or picked ("200 mm", "12,5", "90°"). Kind 1 "Spawane": sub 0 IPBS,
      1 HKS, 2 IKS, 3 IKSH (--t1 size "450p", "1000"; --t2 variant number), 4 WT
      (--t1 web height, --t2 flange number 1.., --t3 web thickness "3.0"), 5 a
      castellated girder (--variant 0 "Normalny", 1 IPE, 2 HEB; --t1 the parent's
      size; --option 1 thin "Normalny"; --option2 1 high), 6 welded pipe (--t1
      diameter, --t2 wall, mm). Kind 2 " Gięte ": --variant the item, 0 channel
      Rm<500, 1 channel Rm>500, 2 lipped channel, 3/4 equal angle, 5/6 unequal
      angle, 7 lipped angle, 8 lipped Z, 9 hat, 10 Sigma, 11 square and 12
      rectangular tube; --mode 0 the catalogue (--t1 size, --t2 thickness as the
      lists show them: "50x40x4", "30" and "2,5"), --mode 1 own dimensions (--t1..
      the fields in the tab's order, the radius last: "1,5 x g", "4 mm" or
      "wg normy"); --option 1 "Podwójny" of items 2 and 8. Kind 4 "Proste":
      0 rectangle, 1 circle/ellipse, 2 pipe (--variant 2 square, 3 rectangular:
      radius "wg normy" or mm), 3 arc, 4 I, 5 box, 6 channel, 7 tee, 8 cross,
      9 angle.
      Kind 8 "Drewniane" (texts in cm): sub 0 rectangle (--t1 height, --t2 width),
      1 circle (--t1 diameter), 2 tee, 3 I of three members, 4 I of five members,
      5 box with flanges over both webs, 6 box with flanges between the webs,
      7/8/9 two/three/four members side by side. Texts: --t1 h1, --t2 b1 (upper
      flange), --t3 h2, --t4 b2 (web; each member of 7..9), --t5 h3, --t6 b3 (lower
      flange), --t7 the clear gap between the webs of 5 and between members 7..9.
      --class C, --class-top C, --class-bottom C: the web's (the member's), upper
      and lower flange's strength class (C14..D70, GL24h..GL36c; default C24).
      --glued: glued joints; otherwise mechanical fasteners: --s1 MM --d1 MM
      [--holes1] for the upper flange, --s3 MM --d3 MM [--holes3] for the lower
      (spacing, diameter, pre-drilled; default 50 and 6 mm), --span M (default 10).
      --battens glue|nails|bolts [--battens-outside]: how the members of 7..9 are
      joined (recorded in the file, no property depends on it).
      Kind 9 "Żelbetowe" (texts in cm): sub 0 rectangle, 1 square, 2 circle,
      3 T flange up, 4 T flange down, 5 I, 6 I with haunches; --t1 height (the
      square's side, the circle's diameter), --t2 web width, --t3/--t4 upper/lower
      haunch, --t5/--t6 upper/lower flange width, --t7/--t8 upper/lower flange
      height.
      Kind 3 "Zestawy" (sets of two to four identical profiles): --sub the member,
      0 I-sections, 1 channels, 2 equal angles, 3 unequal angles, 4 round tubes,
      5 square tubes, 6 rectangular tubes; --mode the layout (1..3, 1..3, 1..7,
      1..11, 1..4, 1..2, 1..3); --t3 the horizontal and --t4 the vertical spacing
      ("200 mm"; one below the layout's minimum is raised to it and reported in
      the JSON's "spacings"). The member as its own tab lists it: --t1 the size,
      --t2 the second list. I-sections: --option2 0 rolled (--variant the series,
      0 "Normalne", 1 IPE, 2 HEAA, 3 HEA, 4 HEB, 5 HEM, 13 "wg GOST"; --option 1
      "Pocienione" of "Normalne"; --t1 "200"), --option2 1 welded (--variant
      0 IPBS, 1 HKS, 2 IKS, 3 IKSH; --t1 "1000", --t2 "  7"). Channels:
      --option2 0 rolled (--variant 0 "Normalne", 1 "Ekonom.", 2 UAP, 3 UAE,
      4 "wg GOST"; --option 1 "Pocienione"), --option2 1 cold-formed (--t1
      "100x50x4"; --option 1 the lipped channel, --t1 "H x B x C x g" such as
      "200x70x20x2,5"). Angles: --option2 0 rolled (--t1 "100", --t2 "10";
      unequal --t1 "100x65", --t2 "7"), --option2 1 cold-formed (--t1 "  50",
      --t2 "3"; unequal "50x30", "2"). Round tubes --t1 "219,1" --t2 "8,0"
      (seamless); square and rectangular tubes --t1 "  60" or "100x50", --t2 "4".
      --hot gives the square and rectangular tubes (kind 2 items 11, 12; kind 4
      sub 2 variants 2, 3) the corners of a hot-finished tube (EN 10210) instead
      of a cold-formed one (EN 10219).
      --corners N draws round "Proste" sections as N-gons instead of exact formulas;
      --gradient and --position evaluate a member of variable depth (mm/m for kind
      4, cm/m for kinds 8 and 9, as the tabs take it; position in m).
      --save BASE writes BASE.PRM and BASE.BMP as the program's "Zapisz do pliku"
      does (no dialog; an existing pair is replaced).
  compute [--json] [--all-digits] [--fe] [--profiles FILE] [--save BASE] --kind 7
          [--slab-t TEXT] [--slab-b TEXT] [--turn90] --rib "RIB OPTIONS"
      A ribbed slab ("Użebrowanie"): the slab, --slab-t thick and --slab-b wide
      (texts as typed into the slab's edits: one number, mm, at most 10
      characters; "10 mm" and "300 mm" when left out), with one rib under it,
      centred. RIB OPTIONS are the options compute takes for a section of
      --kind 0, 2 or 4, in one argument, words split at blanks, quoted with '
      or " where a text holds a blank: --rib "--kind 4 --t1 '100 mm' --t2
      '10 mm'". --json, --all-digits, --save, --profiles, --gradient and
      --position are not rib options; the rib's own options (--sub, --t1, ...)
      go inside --rib only. The rib is built first, on its own tab, as the
      window's "Powrót" brings it back, then the slab under which it hangs:
      a cold-formed hat crown down, a "Proste" arc as a trough, the others as
      their tab draws them. --turn90 ("Obróć o 90 st") lays a channel rib on
      its back (rolled channels, kind 2 variants 0, 1 and 2; any other rib is
      refused); its shear areas Avx and Avy are exchanged. A rib the
      generator refuses fails as its own compute would.
  profile [--json] [--all-digits] [--fe] [--half | --castellated [--high] | --web T]
          [--profiles FILE] [--save BASE] CODE DESIGNATION
      Builds a profile from the catalogue as the "Walcowane", "Spawane" and
      " Gięte " tabs do: CODE is the family code (rolled: 2TPN, IPE, HEAA, HEA,
      HEB, HEM, HE, HD, HL, HP, 2TGO, CPN, CE, UAP, UAE, CGO, KWR, KWN, TW, TN,
      ZPN, ZDIN; welded: IPBS, HKS, IKS, IKSH, WT; cold-formed: CGa, CGb, KRga,
      KRgb, KNga, KNgb, K3G, Z4G, Z4G2, KAP, RKg, RPg), DESIGNATION as the
      catalogue holds it ("200", "200p" thin, "200a", "400v", "750x147",
      "400x1086", "260x54,1", "100x10", "45x30x4"; welded "450p", "1000-7", WT
      "750-3": web height and flange number; cold-formed "50x40x4", "30x2,5",
      "180x70x60x20x3"); codes in any letter case. --half gives half of an I.
      --castellated the castellated girder of a 2TPN, IPE or HEB parent (height
      1.5 h; --high: 2 h, with a spacer plate of h/2). WT needs --web T, the web
      thickness in mm (2,0, 2,5 or 3,0 as the height is made in).
      profile --help lists the codes the catalogue holds.
  profiles [CODE] [--profiles FILE]
      Lists the profile catalogue: each family code with the number of its
      profiles (code, a tab, the count), or with CODE that family's designations,
      one a line, in catalogue order. A CODE the catalogue does not hold exits
      with 1.
      The catalogue is FILE, else the file the environment variable
      TARVIK_PROFILES names, else PROFILE.DAT next to tarvik-cli (the build puts
      it there), else the installed one (share/tarvik/PROFILE.DAT), else
      PROFILE.DAT in the current folder. compute reads it for --kind 0, 1 and 3,
      for --kind 2 from the catalogue (--mode 0) and for --kind 7 with such a
      rib.
  open [--json] [--all-digits] [--fe] [--rebuild] [--profiles FILE] FILE.PRM
      Shows a section saved by the program (its .PRM data file): the stored
      name, kind and properties, printed like compute, and with --json the
      stored figures' outlines. A missing, truncated or damaged file exits with 3.
      --rebuild builds the section again from the tab's choices the file keeps,
      as the window does when it opens the file, and prints the rebuilt
      properties; when any of them differs from the stored one by more than
      1e-6 (relative) the differences go to stderr and the exit code is 1.
      A ribbed slab is rebuilt from its stored rib and the slab's texts and
      turn its header keeps. Composite ("Złożone") and "Dowolne" files keep
      no choice to rebuild from: --rebuild says so and exits with 1.
  compose [--json] [--all-digits] [--fe] [--profiles FILE] [--save BASE] FILE.json
      Builds a composite section ("Złożone") as the window's editor does: FILE.json
      is a list of components, each {"kind", "sub", "variant", "option",
      "option2", "mode", "texts": [..], "dx", "dy", "angle", "mirror_x",
      "mirror_y", "weight"}. kind is the tab the component comes from (0, 1, 2
      or 4) and kind .. texts are its choice as compute takes it (texts as
      typed, text 1 at most 14 characters, the others 10); only "kind" is
      required. Each component is built, then mirrored (mirror_x about its
      horizontal axis, mirror_y about its vertical axis), turned
      counter-clockwise by angle degrees and shifted by dx, dy mm, all about its
      own origin; weight is its Ei/Eo (above 0; 1 when left out). Numbers must
      fit the edits' 10 characters. Prints the composite's properties ("Złożona",
      or "Zespolony" with weights); --save writes BASE.PRM and BASE.BMP like
      compute --save. A bad field names the component (from 1) and the field and
      exits with 2; a component that builds nothing (a family missing from the
      catalogue) exits with 1 and its message. Nothing half-built is printed
      or saved.
  report [--json] [--tab 0|1|2] [--per-page 2..5] --pdf OUT.pdf FILE.PRM...
      Writes the pages the results window's "Drukuj" prints: each saved section
      drawn to scale in the next place of a page of --per-page drawings (2 by
      default), beside the framed report of one results tab: 0 "Statyki" (the
      default), 1 "Wymiarowania", 2 "Geometryczne". The last page ends where
      the sections end. The report is text in the PDF (searchable, copyable)
      and is also printed on stdout, the section's name and its lines; --json
      prints {"ok": true, "pdf", "tab", "pages", "sections": [{"name",
      "lines": [{"label", "value"}]}]}. The page uses the default margins (top
      10 mm, left 25 mm) with the printer offsets (7 mm) as the PDF's margins,
      so a millimetre of the page is a millimetre of the PDF. The torsion
      values are the standard ones ("Jt wg PN"); the mass line appears when
      the file stores a catalogue mass. Every file is read before anything is
      written: a missing or damaged one exits with 3, as does an output file
      that cannot be written.
  help
      Shows this text.

Options:
  --json         one JSON object: "ok": true, name, kind, properties (stored units:
                 cm^2, cm^3, cm^4, cm^6; positions and perimeters in mm; angles in
                 radians), flags, messages, and for compute and open the figures'
                 outlines (mm) with their wall thicknesses g and t (cm) and the
                 dimension lines; on a failure {"ok": false, "error": ..., "messages": [...]}
  --all-digits   no rounding of large values in the text output
  --fe           also the finite-element values of the section (rolled and
                 cold-formed profiles on their true fillets and bends, circles,
                 ellipses, tubes of exact formulas and the arc on the true curve,
                 also when read from a file (their generators run again);
                 everything else on its outline's polygons): the torsion constant,
                 the warping constant, the shear centre (Trefftz) and the shear
                 areas (Poisson's ratio 0,3); the mesh is refined until J, Iw and the centre change by less
                 than 0,05 % (the centre against the radius of gyration). The text
                 adds the rows Jt, Jw, "xT, yT" and "Avx, Avy", each marked (MES);
                 --json adds "fe": {"J" cm^4, "Iw" cm^6, "xT", "yT" mm (the
                 outline's coordinates), "Avx", "Avy" cm^2, "parts", "elements"}.
                 Parts that do not touch have no common warping constant or shear
                 centre: those are null, with "note": "części niepołączone". When
                 the section cannot be meshed or solved, its figures overlap (the
                 formulas count a common part twice, a mesh once) or the values do
                 not settle, "fe" is {"error": reason} and the text row says why;
                 the formula values are printed as always and the exit code stays 0.

A failure prints nothing but its message on stderr (and the failure object with --json).
Exit codes: 0 computed, 1 the section could not be built (the program's message says
            why; for import also a damaged file or a drawing without closed
            contours), 2 bad usage, 3 a file that cannot be opened or read.

Examples:
  tarvik-cli outline data/demo/skrzynka-zewn.txt data/demo/skrzynka-wewn.txt
  tarvik-cli import data/demo/blacha-otwor.dxf
  tarvik-cli import --json --scale 10 rysunek-w-cm.dxf
  tarvik-cli compute --kind 4 --sub 0 --t1 "100 mm" --t2 "10 mm"
  tarvik-cli compute --json --kind 4 --sub 4 --t1 "200 mm" --t2 "6 mm" --t3 "100 mm" \
      --t5 "10 mm" --gradient 10 --position 2
  tarvik-cli compute --kind 4 --sub 1 --t1 "100 mm" --corners 12
  tarvik-cli compute --fe --kind 4 --sub 0 --t1 "100 mm" --t2 "50 mm"
  tarvik-cli compute --kind 7 --rib "--kind 4 --sub 0 --t1 '100 mm' --t2 '10 mm'"
  tarvik-cli compute --json --kind 7 --slab-t "12 mm" --slab-b "600 mm" --turn90 \
      --rib "--kind 0 --sub 1 --t1 100" --save zebro-cpn100
  tarvik-cli compute --kind 7 --slab-t "8 mm" --slab-b "600 mm" \
      --rib "--kind 2 --variant 9 --t1 60x57x25 --t2 1,5"
  tarvik-cli compute --json --kind 8 --sub 3 --t1 "5 cm" --t2 "20 cm" --t3 "30 cm" \
      --t4 "6 cm" --t5 "5 cm" --t6 "20 cm" --class-top C30 --s1 40 --d1 4 --span 6
  tarvik-cli compute --kind 9 --sub 6 --t1 "80 cm" --t2 "20 cm" --t3 "10 cm" \
      --t4 "10 cm" --t5 "80 cm" --t6 "40 cm" --t7 "15 cm" --t8 "20 cm"
  tarvik-cli profile HEB 300
  tarvik-cli profile --json KWR 100x10
  tarvik-cli profile --web 3,0 WT 750-3
  tarvik-cli profile --castellated --high IPE 300
  tarvik-cli compute --kind 1 --sub 6 --t1 "1220" --t2 "12,5"
  tarvik-cli compute --json --kind 3 --sub 1 --mode 2 --t1 "100" --t3 "200 mm"
  tarvik-cli compute --kind 3 --sub 2 --mode 6 --t1 "100" --t2 "10" --t3 "300 mm" \
      --t4 "300 mm"
  tarvik-cli compute --kind 2 --variant 10 --t1 200 --t2 "2,0"
  tarvik-cli compute --kind 2 --variant 0 --mode 1 --t1 "120 mm" --t2 "60 mm" \
      --t3 "4 mm" --t4 "1,5 x g"
  tarvik-cli compute --kind 2 --variant 12 --mode 1 --hot --t1 "100 mm" --t2 "50 mm" \
      --t3 "5 mm" --t4 "wg normy"
  tarvik-cli profile KRga 50x4
  tarvik-cli profiles IPE --profiles /opt/tarvik/PROFILE.DAT
  tarvik-cli open --json IPE200.PRM
  tarvik-cli open --rebuild IPE200.PRM
  tarvik-cli compose --json data/demo/ipe-nakladka.json
  tarvik-cli report --tab 1 --pdf IPE200.pdf IPE200.PRM
)";

int Usage(std::ostream& err, const std::string& problem) {
  err << "tarvik-cli: " << problem << "\n\n" << kUsageText;
  return kUsage;
}

std::string JoinLines(const std::vector<int>& lines) {
  std::string text;
  for (int n : lines) text += (text.empty() ? "" : ", ") + std::to_string(n);
  return text;
}

struct Output {
  bool json = false;
  bool allDigits = false;
  bool fe = false;  // the finite-element values too
};

// --json, --all-digits, --fe, --rebuild (where allowed) and the file arguments of outline and
// open;
// false after the usage text for an unknown option
bool OutputOptions(const std::vector<std::string>& args, Output& o, std::vector<std::string>& files,
                   std::ostream& err, bool* rebuild = nullptr) {
  for (const std::string& a : args) {
    if (a == "--json")
      o.json = true;
    else if (a == "--all-digits")
      o.allDigits = true;
    else if (a == "--fe")
      o.fe = true;
    else if (a == "--rebuild" && rebuild)
      *rebuild = true;
    else if (a.starts_with("--"))
      return Usage(err, "unknown option " + a), false;
    else
      files.push_back(a);
  }
  return true;
}

bool IsError(const Komunikat& m) { return m.title == "BŁĄD" || m.title == "INFORMACJA"; }

// A failure: its message on stderr with the other messages, nothing else on stdout but the
// failure object under --json; the exit code
int Fail(int code, const std::string& error, const std::vector<Komunikat>& notes, const Output& o,
         std::ostream& out, std::ostream& err) {
  err << "tarvik-cli: " << error << "\n";
  for (const Komunikat& m : notes)
    if (MessageLine(m).find(error) == std::string::npos) err << MessageLine(m) << "\n";
  if (o.json) out << JsonFailure(error, notes);
  return code;
}

// the report of a built section, under --fe with its finite-element values: a section they
// cannot be computed for still gets its report, with the reason in their place
std::string SectionReport(const SectionModel& model, const std::vector<Komunikat>& notes,
                          const Output& o) {
  std::optional<fe::WynikPrzekroju> mes;
  if (o.fe) mes = fe::ObliczMES(model);
  const fe::WynikPrzekroju* values = mes ? &*mes : nullptr;
  return o.json ? JsonReport(model, notes, values)
                : TextReport(model, notes, o.allDigits, values);
}

// the section's report; a refusal, or a choice that built nothing, is a failure instead
int Emit(const SectionModel& model, const std::vector<Komunikat>& notes, const Output& o,
         std::ostream& out, std::ostream& err) {
  for (const Komunikat& m : notes)
    if (IsError(m)) return Fail(kEngineError, m.text + (m.detail.empty() ? "" : " " + m.detail),
                                notes, o, out, err);
  if (!SectionBuilt(model))
    return Fail(kEngineError, "Nie zbudowano przekroju (ten wybór nie daje figur)", notes, o, out,
                err);
  out << SectionReport(model, notes, o);
  return kOk;
}

bool SaveSection(const SectionModel& model, const TabChoice& choice, const ProfileDatabase* db,
                 const std::string& base, std::vector<Komunikat>& notes);

// the imported outline integrated as the window does it, then reported
int EmitOutline(SectionModel& model, std::vector<Komunikat> notes, const Output& o,
                std::ostream& out, std::ostream& err, const std::string& save = {}) {
  RecordingSink sink;
  if (ObliczZarys(model, sink)) {
    ReportPlasticAxes(ObliczWskazniki(model, 0, 0, model.section), sink);
    WynikiSkonczone(model.section, sink);
  }
  notes.insert(notes.end(), sink.messages().begin(), sink.messages().end());
  const bool refused = std::any_of(notes.begin(), notes.end(), IsError);
  if (!save.empty() && !refused && SectionBuilt(model)) {
    // held as a point list, as the "Dowolne" tab saves a drawn or read outline
    for (const ImportedPoint& p : model.imported)
      model.figureCount = std::max(model.figureCount, p.figure);
    TabChoice choice;
    choice.selection.kind = kDowolne;
    SaveSection(model, choice, nullptr, save, notes);  // a failure is in the notes
  }
  return Emit(model, notes, o, out, err);
}

int Outline(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Output o;
  std::vector<std::string> files;
  if (!OutputOptions(args, o, files, err)) return kUsage;
  if (files.empty()) return Usage(err, "outline needs at least one point file");

  SectionModel model;
  model.kind = kDowolne;
  std::vector<Komunikat> notes;
  for (size_t k = 0; k < files.size(); ++k) {
    PointListResult read = ReadPointList(files[k]);
    if (!read.ok) return Fail(kUnreadable, read.error + " " + read.detail, notes, o, out, err);
    if (!read.list.skippedLines.empty())
      notes.push_back({"UWAGA",
                       "Pominięto wiersze bez punktu",
                       "OK",
                       {},
                       "(" + files[k] + ": " + JoinLines(read.list.skippedLines) + ")"});
    AddToOutline(model, read.list, static_cast<int>(k) + 1);
  }
  return EmitOutline(model, notes, o, out, err);
}

// a power of ten from 0,001 to 1000 as --scale takes it; false for anything else
bool ParseScale(const std::string& text, double& factor) {
  static const std::map<std::string, double> kScales = {
      {"0.001", 1e-3}, {"0,001", 1e-3}, {"0.01", 1e-2}, {"0,01", 1e-2}, {"0.1", 0.1},
      {"0,1", 0.1},    {"1", 1},        {"10", 10},     {"100", 100},   {"1000", 1000}};
  auto it = kScales.find(text);
  if (it == kScales.end()) return false;
  factor = it->second;
  return true;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<ptrdiff_t>(tail.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// the closed contours of a drawing as figures 1.. of the imported outline (holes flagged);
// "" or why the drawing gives no section
std::string DrawingToOutline(const std::vector<OdcinekPodkladu>& segments, SectionModel& model) {
  const Kontury found = ZnajdzKontury(segments);
  if (!found.error.empty()) return "Rysunek nie daje konturów (" + found.error + ")";
  if (!found.open.empty()) {
    std::string text = "Rysunek ma otwarte łańcuchy odcinków:";
    for (size_t k = 0; k < found.open.size() && k < 20; ++k)
      text += (k ? ", " : " ") + OpisLancucha(found.open[k]);
    if (found.open.size() > 20) text += " i " + std::to_string(found.open.size() - 20) + " innych";
    return text + " [mm]";
  }
  if (found.contours.empty()) return "Rysunek nie ma zamkniętego konturu";
  for (size_t k = 0; k < found.contours.size(); ++k)
    for (const Point& p : found.contours[k].points) {
      ImportedPoint q;
      q.x = p.x;
      q.y = p.y;
      q.figure = static_cast<int32_t>(k) + 1;
      q.outer = !found.contours[k].hole;
      model.imported.push_back(q);
    }
  return {};
}

// a file that cannot be opened or read exits with 3, a damaged one with 1
int ReadFailure(bool unreadable, const std::string& error, const std::string& detail,
                const Output& o, std::ostream& out, std::ostream& err) {
  return Fail(unreadable ? kUnreadable : kEngineError, error + " " + detail, {}, o, out, err);
}

int Import(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Output o;
  double factor = 1;
  std::string save;
  std::vector<std::string> rest, files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--save") {
      if (i + 1 >= args.size()) return Usage(err, "--save needs a value");
      save = args[++i];
      continue;
    }
    if (args[i] != "--scale") {
      rest.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size() || !ParseScale(args[i + 1], factor))
      return Usage(err, "--scale takes 0.001, 0.01, 0.1, 1, 10, 100 or 1000");
    ++i;
  }
  if (!OutputOptions(rest, o, files, err)) return kUsage;
  if (files.size() != 1) return Usage(err, "import needs one .dxf or .txt file");
  const std::string& path = files[0];
  SectionModel model;
  model.kind = kDowolne;
  std::vector<Komunikat> notes;
  if (EndsWithNoCase(path, ".dxf")) {
    DxfResult read = ReadDxf(path);
    if (!read.ok) return ReadFailure(read.unreadable, read.error, read.detail, o, out, err);
    for (OdcinekPodkladu& s : read.segments) {
      s.x1 *= factor;
      s.y1 *= factor;
      s.x2 *= factor;
      s.y2 *= factor;
    }
    if (std::string why = DrawingToOutline(read.segments, model); !why.empty())
      return Fail(kEngineError, why + " (" + path + ")", {}, o, out, err);
  } else if (EndsWithNoCase(path, ".txt")) {
    PointListResult read = ReadPointList(path);
    if (!read.ok)
      return ReadFailure(read.error.starts_with("Nie można"), read.error, read.detail, o, out, err);
    if (!read.list.skippedLines.empty())
      notes.push_back({"UWAGA", "Pominięto wiersze bez punktu", "OK", {},
                       "(" + path + ": " + JoinLines(read.list.skippedLines) + ")"});
    for (Point& p : read.list.points) {
      p.x *= factor;
      p.y *= factor;
    }
    AddToOutline(model, read.list, 1);
  } else {
    return Usage(err, "import reads .dxf and .txt files, not " + path);
  }
  return EmitOutline(model, notes, o, out, err, save);
}

bool ParseInt(const std::string& text, int& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

bool ParseReal(std::string text, double& value) {
  if (auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

// the catalogue's path when --profiles is not given: the environment's, the one built next
// to the program, the installed one, the current folder's; the first that exists
std::string DefaultProfiles() {
  const char* set = std::getenv("TARVIK_PROFILES");
  if (set && *set) return set;
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::vector<std::filesystem::path> candidates;
  if (!ec) candidates.push_back(self.parent_path() / "PROFILE.DAT");
  candidates.push_back(std::filesystem::path(TARVIK_DATA_DIR) / "PROFILE.DAT");
  candidates.push_back("PROFILE.DAT");
  for (const auto& c : candidates)
    if (std::filesystem::exists(c, ec)) return c.string();
  return candidates.front().string();
}

// --profiles FILE taken out of the arguments; false when FILE is missing
bool TakeProfilesOption(std::vector<std::string>& args, std::string& path) {
  path = DefaultProfiles();
  for (size_t i = 0; i < args.size(); ++i)
    if (args[i] == "--profiles") {
      if (i + 1 >= args.size()) return false;
      path = args[i + 1];
      args.erase(args.begin() + i, args.begin() + i + 2);
      --i;
    }
  return true;
}

#ifdef TARVIK_CLI_PICTURE
// fonts and painting without a window: an offscreen Qt for the time of the drawing, unless
// one runs already (then nothing)
std::unique_ptr<QGuiApplication> QtBezOkna() {
  if (QCoreApplication::instance()) return nullptr;
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's own notes (a missing runtime folder) are not the user's business here
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "tarvik-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}
#endif

// BASE.PRM and BASE.BMP, as the program's save writes them: both whole or neither
bool SaveSection(const SectionModel& model, const TabChoice& choice, const ProfileDatabase* db,
                 const std::string& base, std::vector<Komunikat>& notes) {
  TabFields fields;
  std::string why;
  if (!HeaderFields(choice, db, fields, why)) {
    notes.push_back(Blad("Nie można zapisać wyboru zakładki", why));
    return false;
  }
  const PropertiesRecord header = HeaderProperties(model.section, choice);
#ifdef TARVIK_CLI_PICTURE
  // the picture's name needs fonts: a window-less Qt for the time of the drawing
  const std::unique_ptr<QGuiApplication> qt = QtBezOkna();
  const std::string picture = ObrazekBmp(model);
  if (picture.empty()) {
    notes.push_back(Blad("Nie można zapisać szkicu przekroju", "(" + base + ".BMP)"));
    return false;
  }
  const WriteResult written = ZapiszPare(base, picture, model, header, fields);
#else
  notes.push_back({"UWAGA", "Szkic przekroju nie jest zapisywany w tej wersji", "OK", {},
                   base + ".BMP"});
  const WriteResult written = ZapiszPlikPrm(base + ".PRM", model, header, fields);
#endif
  if (!written.ok) {
    notes.push_back(Blad(written.error, written.detail));
    return false;
  }
  return true;
}

// a built section reported (a refusal among the notes as a failure), saved first when save
// names a base
int SaveAndEmit(const SectionModel& model, std::vector<Komunikat> notes, const TabChoice& choice,
                const ProfileDatabase* db, const Output& o, std::ostream& out, std::ostream& err,
                const std::string& save) {
  const bool refused = std::any_of(notes.begin(), notes.end(), IsError);
  if (!refused && SectionBuilt(model) && !save.empty())
    SaveSection(model, choice, db, save, notes);  // a failure is in the notes
  return Emit(model, notes, o, out, err);
}

// the section of a tab's choice (the depth variation, if any, already in selection),
// reported like compute does; saved when save names a base
int Report(const TabChoice& choice, Selection selection, const GeneratorSettings& settings,
           const Output& o, std::ostream& out, std::ostream& err, const std::string& save = {}) {
  SectionModel model;
  SketchMapping mapping;
  RecordingSink sink;
  Dispatcher dispatcher;
  dispatcher.BudujPrzekroj(model, selection, settings, sink, mapping, 400, 400);
  return SaveAndEmit(model, sink.messages(), choice, settings.database, o, out, err, save);
}

// family codes are upper case in the catalogue; the user may type them in any case
std::string UpperCode(std::string code) {
  for (char& c : code)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return code;
}

int Profile(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  std::string path;
  if (!TakeProfilesOption(args, path)) return Usage(err, "--profiles needs a file");
  Output o;
  bool half = false, help = false, castellated = false, high = false;
  std::string save, web;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--save" || a == "--web") {
      if (i + 1 >= args.size()) return Usage(err, a + " needs a value");
      (a == "--save" ? save : web) = args[++i];
    } else if (a == "--castellated") {
      castellated = true;
    } else if (a == "--high") {
      high = true;
    } else if (a == "--json")
      o.json = true;
    else if (a == "--all-digits")
      o.allDigits = true;
    else if (a == "--fe")
      o.fe = true;
    else if (a == "--half")
      half = true;
    else if (a == "--help" || a == "-h")
      help = true;
    else if (a.starts_with("--"))
      return Usage(err, "unknown option " + a);
    else
      words.push_back(a);
  }
  ProfileDatabase db(path);
  if (help) {
    out << "usage: tarvik-cli profile [--json] [--all-digits] [--fe] [--half] [--profiles FILE]\n"
           "                          [--save BASE] CODE DESIGNATION\n"
           "Family codes in the catalogue " << path << ":";
    FileState state = FileState::kRead;
    for (const std::string& code : db.Families(&state)) out << " " << code;
    if (state != FileState::kRead) out << " (none: the catalogue cannot be read)";
    out << "\n";
    return kOk;
  }
  if (words.size() != 2) return Usage(err, "profile needs a family code and a designation");
  const std::string code = UpperCode(words[0]);
  if (high && !castellated) return Usage(err, "--high goes with --castellated");
  if (half && castellated) return Usage(err, "--half and --castellated exclude each other");
  TabChoice choice;
  Selection& s = choice.selection;
  if (ColdSelectionFor(code, words[1], s)) {
    if (half || castellated || !web.empty())
      return Usage(err, "a cold-formed profile takes no --half, --castellated or --web");
  } else if (WeldedSelectionFor(code, words[1], web, s)) {
    if (half || castellated)
      return Usage(err, "a welded profile has no half and no castellated girder");
    if ((code == "WT") != !web.empty())
      return Usage(err, code == "WT" ? "WT needs --web (the web thickness in mm)"
                                     : "--web is for WT only");
    if (code == "WT" && !CalaLiczba(web, "mm", false))
      return Usage(err, "--web takes one number (mm), not \"" + web + "\"");
  } else if (!web.empty()) {
    return Usage(err, "--web is for WT only");
  } else if (!SelectionFor(code, words[1], half, s)) {
    return Usage(err, "no catalogue family " + words[0] + (half ? " has a half section" : ""));
  } else if (castellated && !CastellatedSelectionFor(Selection(s), high, s)) {
    return Usage(err, "castellated girders are made of 2TPN, IPE and HEB profiles only");
  }
  if (!db.exists())
    return Fail(kUnreadable, "Nie ma bazy danych (" + path + ")", {}, o, out, err);
  const GeneratorSettings settings = choice.Settings(&db);
  const int result = Report(choice, choice.selection, settings, o, out, err, save);
  return db.lastResult() == LookupResult::kUnreadable ? kUnreadable : result;
}

// what is wrong with text (1-based) of a tab's choice as typed, or "" when the tab would
// take it: a bend radius is "1,5 x g", millimetres or "wg normy"; a set's spacings and the
// dimensions of "Proste", the timber and concrete tabs, cold-formed own dimensions, the
// welded pipe and the "WT" web are one number and its unit, as a paste into the tab's edit
// must be ("1e5" would be read as 15 mm, "1-2" as 1)
std::string TextFault(const Selection& s, int text, const std::string& typed) {
  const bool centimetres = s.kind == kDrewniane || s.kind == kZelbetowe;
  auto isRadius = [&s](int t) {
    if (s.kind == kProste) return s.sub == 2 && (s.variant == 2 || s.variant == 3) && t == 5;
    if (s.kind != kGiete || s.mode != kColdOwnDimensions) return false;
    return t == static_cast<int>(ColdFields(s.variant, s.option).size());
  };
  if (isRadius(text))
    return ReadBendRadius(typed, 1, 0)
               ? ""
               : "takes a bend radius (\"1,5 x g\", mm or \"wg normy\"), not \"" + typed + "\"";
  // a set's spacings: one number of millimetres; one below its layout's minimum is raised
  // to it (the JSON's "spacings" say what was used)
  if (s.kind == kZestawy && (text == 3 || text == 4) && !CalaLiczba(typed, "mm", true))
    return "takes one number (mm), not \"" + typed + "\"";
  bool number = false;
  if (s.kind == kProste || centimetres)
    number = true;
  else if (s.kind == kUzebrowanie)  // the slab's thickness and width
    number = text <= 2;
  else if (s.kind == kGiete)
    number = s.mode == kColdOwnDimensions;
  else
    number = s.kind == kSpawane &&
             ((s.sub == kWeldedPipe && text <= 2) || (s.sub == kWeldedWT && text == 3));
  if (!number) return {};
  const char* unit = s.kind == kProste && s.sub == 3 && text == 3 ? "°"  // the arc
                     : centimetres                                  ? "cm"
                                                                    : "mm";
  if (CalaLiczba(typed, unit, false)) return {};
  return std::string("takes one number (") + unit + "), not \"" + typed + "\"";
}

// compute's options as given: the tab's choice and what is done with its section
struct ComputeOptions {
  TabChoice choice;
  Output o;
  std::string save;
  std::string profiles;  // "": the default catalogue
  bool depth = false;    // --gradient or --position given
  double position = 0;   // [m]
  // a ribbed slab: the slab's texts as typed, the rib's own compute options, the turn
  WyborPlyty slab;
  std::string rib;
  std::vector<std::string> named;  // every option given, in order

  bool has(const std::string& option) const {
    return std::find(named.begin(), named.end(), option) != named.end();
  }
};

// the words of a --rib string: blanks separate them, single quotes keep everything up to
// the next one, double quotes up to the next unescaped one (there a backslash escapes a
// double quote or a backslash, outside quotes any character); false for a quote left open
bool SplitWords(const std::string& text, std::vector<std::string>& words) {
  std::string word;
  bool inWord = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else if (c == '\'' || c == '"') {
      inWord = true;
      for (++i; i < text.size() && text[i] != c; ++i) {
        if (c == '"' && text[i] == '\\' && i + 1 < text.size() &&
            (text[i + 1] == '"' || text[i + 1] == '\\'))
          ++i;
        word += text[i];
      }
      if (i >= text.size()) return false;
    } else {
      inWord = true;
      if (c == '\\' && i + 1 < text.size()) ++i;
      word += text[i];
    }
  }
  if (inWord) words.push_back(std::move(word));
  return true;
}

// the options a ribbed slab takes for itself; any other belongs to its rib
bool SlabOption(const std::string& a) {
  return a == "--kind" || a == "--json" || a == "--all-digits" || a == "--fe" || a == "--save" ||
         a == "--profiles" || a == "--slab-t" || a == "--slab-b" || a == "--rib" ||
         a == "--turn90";
}

// compute's options into c, the top level's and a ribbed slab's rib (rib) alike; kOk, or
// the usage exit after its message
int ReadComputeOptions(const std::vector<std::string>& args, ComputeOptions& c, bool rib,
                       std::ostream& err) {
  const std::string at = rib ? "--rib: " : "";
  bool kindGiven = false, hot = false, glued = false, timberGiven = false;
  TabChoice& choice = c.choice;
  Selection& s = choice.selection;
  std::vector<std::pair<int, std::string>> textsGiven;  // as typed, before any cut
  std::map<std::string, int32_t*> integers = {{"--kind", &s.kind},       {"--sub", &s.sub},
                                              {"--variant", &s.variant}, {"--option", &s.option},
                                              {"--option2", &s.option2}, {"--mode", &s.mode}};
  auto usage = [&](const std::string& problem) { return Usage(err, at + problem); };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    c.named.push_back(a);
    if (a == "--json" || a == "--all-digits" || a == "--fe" || a == "--hot" || a == "--turn90") {
      (a == "--json"         ? c.o.json
       : a == "--all-digits" ? c.o.allDigits
       : a == "--fe"         ? c.o.fe
       : a == "--hot"        ? hot
                             : c.slab.turned) = true;
      continue;
    }
    if (a == "--glued" || a == "--holes1" || a == "--holes3" || a == "--battens-outside") {
      (a == "--glued" ? glued : a == "--holes1" ? choice.timber.holes1
                              : a == "--holes3" ? choice.timber.holes3
                                                : choice.timber.battensOutside) = true;
      timberGiven = true;
      continue;
    }
    if (i + 1 >= args.size()) return usage(a + " needs a value");
    const std::string& v = args[++i];
    if (auto it = integers.find(a); it != integers.end()) {
      if (!ParseInt(v, *it->second)) return usage(a + " takes a whole number, not " + v);
      kindGiven |= a == "--kind";
    } else if (int text = 0; a.starts_with("--t") && ParseInt(a.substr(3), text) && text >= 1 &&
                             text <= Selection::kTexts) {
      s.setText(text - 1, v);
      textsGiven.emplace_back(text, v);
    } else if (a == "--save" || a == "--profiles" || a == "--rib" || a == "--slab-t" ||
               a == "--slab-b") {
      (a == "--save" ? c.save : a == "--profiles" ? c.profiles : a == "--rib" ? c.rib
                             : a == "--slab-t"    ? c.slab.t
                                                  : c.slab.b) = v;
    } else if (a == "--corners") {
      if (!ParseInt(v, choice.corners)) return usage("--corners takes a whole number");
      choice.exactFormulas = false;
    } else if (a == "--class" || a == "--class-top" || a == "--class-bottom") {
      const auto& classes = TimberClasses();
      if (std::none_of(classes.begin(), classes.end(),
                       [&](const TimberClass& t) { return v == t.name; }))
        return usage(a + " takes a strength class (C14..C50, D30..D70, GL24h..GL36c), not " + v);
      choice.timber.classes[a == "--class-top" ? 0 : a == "--class" ? 1 : 2] = KlasaDrewna(v);
      timberGiven = true;
    } else if (a == "--s1" || a == "--d1" || a == "--s3" || a == "--d3" || a == "--span") {
      double value = 0;
      if (!ParseReal(v, value) || !(value > 0))
        return usage(a + " takes a positive number, not " + v);
      TimberSettings& t = choice.timber;
      (a == "--s1" ? t.spacing1 : a == "--d1" ? t.diameter1 : a == "--s3" ? t.spacing3
                               : a == "--d3" ? t.diameter3 : t.span) = value;
      timberGiven = true;
    } else if (a == "--battens") {
      const std::vector<std::string> joints = {"glue", "nails", "bolts"};
      const auto found = std::find(joints.begin(), joints.end(), v);
      if (found == joints.end()) return usage("--battens takes glue, nails or bolts, not " + v);
      choice.timber.battens = true;
      choice.timber.battenJoint = static_cast<int>(found - joints.begin());
      timberGiven = true;
    } else if (a == "--gradient" || a == "--position") {
      if (!ParseReal(v, a == "--gradient" ? choice.gradient : c.position))
        return usage(a + " takes a number, not " + v);
      c.depth = true;
    } else {
      c.named.pop_back();
      return usage("unknown option " + a);
    }
  }
  if (!kindGiven) return usage("compute needs --kind");
  // a ribbed slab takes its slab's options, its rib the rest inside --rib
  if (rib) {
    if (s.kind != kWalcowane && s.kind != kGiete && s.kind != kProste)
      return usage("a rib is of --kind 0, 2 or 4 (\"Walcowane\", \" Gięte \", \"Proste\"), "
                   "not --kind " + std::to_string(s.kind));
    for (const std::string& a : c.named)
      if (SlabOption(a) && a != "--kind")
        return usage(a + " is an option of the ribbed slab: give it outside --rib");
    if (c.depth) return usage("a rib is one section of constant depth (no --gradient, --position)");
  } else if (s.kind == kUzebrowanie) {
    for (const std::string& a : c.named)
      if (a.starts_with("--") && !SlabOption(a))
        return usage(a + " is an option of the rib: give it inside --rib \"...\"");
    if (!c.has("--rib")) return usage("--kind 7 needs --rib \"...\" (the rib's compute options)");
  } else {
    for (const char* a : {"--slab-t", "--slab-b", "--rib", "--turn90"})
      if (c.has(a)) return usage(std::string(a) + " is for --kind 7 only");
  }
  const bool boxTube = (s.kind == kGiete && (s.variant == kColdSquareTube ||
                                             s.variant == kColdRectTube)) ||
                       (s.kind == kProste && s.sub == 2 && (s.variant == 2 || s.variant == 3));
  if (hot && !boxTube)
    return usage("--hot is for the square and rectangular tubes (kind 2 variant 11, 12; "
                 "kind 4 sub 2 variant 2, 3)");
  choice.hotFinished = hot;
  if (timberGiven && s.kind != kDrewniane) return usage("the timber options are for --kind 8 only");
  if (choice.timber.battensOutside && !choice.timber.battens)
    return usage("--battens-outside goes with --battens");
  choice.timber.mechanical = !glued;
  // the timber and concrete tabs take the rate of their member's height in cm/m
  const bool centimetres = s.kind == kDrewniane || s.kind == kZelbetowe;
  if (centimetres) choice.gradient *= 10;
  for (const auto& [text, typed] : textsGiven) {
    // a text is used as typed or refused, never cut to its place
    const size_t room = text == 1 ? 14 : 10;
    if (TruncateCp1250(typed, room) != typed)
      return usage("--t" + std::to_string(text) + " is longer than its " + std::to_string(room) +
                   " characters: \"" + typed + "\"");
    if (std::string fault = TextFault(s, text, typed); !fault.empty())
      return usage("--t" + std::to_string(text) + " " + fault);
  }
  // as in the window, "Wzory ścisłe" belongs to the "Proste" tab: a rolled tube is exact
  if (!choice.exactFormulas && s.kind != kProste) return usage("--corners is for --kind 4 only");
  return kOk;
}

// the slab's texts as the slab edits take them, and the rib's options read by compute's own
// reader into rib; kOk or the usage exit
int ReadRib(const ComputeOptions& c, ComputeOptions& rib, std::ostream& err) {
  const Selection slab = WyborUzebrowania(c.slab);
  for (const auto& [text, option, typed] :
       {std::tuple{1, "--slab-t", c.slab.t}, std::tuple{2, "--slab-b", c.slab.b}}) {
    // the section file keeps each in its 10 characters
    if (TruncateCp1250(typed, 10) != typed)
      return Usage(err,
                   std::string(option) + " is longer than its 10 characters: \"" + typed + "\"");
    if (std::string fault = TextFault(slab, text, typed); !fault.empty())
      return Usage(err, std::string(option) + " " + fault);
  }
  std::vector<std::string> words;
  if (!SplitWords(c.rib, words)) return Usage(err, "--rib: a quote is not closed: " + c.rib);
  if (const int code = ReadComputeOptions(words, rib, true, err); code != kOk) return code;
  if (c.slab.turned && !ZebroObracalne(rib.choice.selection.integers()))
    return Usage(err, "--turn90 turns a channel rib only (kind 0 sub 1, kind 2 variant 0, 1 "
                      "or 2); this rib is not turned");
  return kOk;
}

// the ribbed slab as the window builds it: the rib on its own tab into the working figure
// while figure 2 is the current one, "Powrót" making it figure 2, then the slab's tab
int ComputeRibbed(const ComputeOptions& c, const ComputeOptions& rib, std::ostream& out,
                  std::ostream& err) {
  ProfileDatabase db(c.profiles.empty() ? DefaultProfiles() : c.profiles);
  ProfileDatabase* catalogue = db.exists() ? &db : nullptr;
  SectionModel model;
  SketchMapping mapping;
  RecordingSink sink;
  Dispatcher dispatcher;
  model.currentFigure = 2;
  Selection ribSelection = rib.choice.selection;
  dispatcher.BudujPrzekroj(model, ribSelection, rib.choice.Settings(catalogue), sink, mapping, 400,
                           400);
  const std::vector<Komunikat>& said = sink.messages();
  // a rib the generator refused fails as its own compute would
  if (std::any_of(said.begin(), said.end(), IsError) || !SectionBuilt(model))
    return Emit(model, said, c.o, out, err);
  if (!WstawZebro(model))
    return Fail(kEngineError,
                TwoPartChannel(model) ? "the rib must be one figure (a doubled profile is two)"
                                      : "no rib (the rib's choice builds no figure)",
                said, c.o, out, err);
  Selection selection = WyborUzebrowania(c.slab);
  dispatcher.BudujPrzekroj(model, selection, c.choice.Settings(catalogue), sink, mapping, 400, 400);
  TabChoice choice = c.choice;
  choice.selection = selection;
  return SaveAndEmit(model, sink.messages(), choice, catalogue, c.o, out, err, c.save);
}

int Compute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ComputeOptions c;
  if (const int code = ReadComputeOptions(args, c, false, err); code != kOk) return code;
  if (c.choice.selection.kind == kUzebrowanie) {
    ComputeOptions rib;
    if (const int code = ReadRib(c, rib, err); code != kOk) return code;
    return ComputeRibbed(c, rib, out, err);
  }
  Selection built = c.choice.selection;
  if (c.depth) ZmiennaWysokosc(built, c.choice.gradient, c.position);
  ProfileDatabase db(c.profiles.empty() ? DefaultProfiles() : c.profiles);
  const GeneratorSettings settings = c.choice.Settings(db.exists() ? &db : nullptr);
  return Report(c.choice, built, settings, c.o, out, err, c.save);
}

// one component of a compose file: its tab's choice and what the editor does to it
struct Component {
  Selection selection;
  bool mirrorX = false, mirrorY = false;
  std::string dx = "0", dy = "0", angle = "0";  // as the move edits take them
  std::string weight;                           // empty: none given
};

// a number of the file as the move and weight edits take it: fixed-point, decimal comma, at
// most the edit's 10 characters; false when it does not fit
bool EditText(double v, std::string& text) {
  char buffer[400];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
  if (error != std::errc{}) return false;
  text.assign(buffer, end);
  if (auto point = text.find('.'); point != std::string::npos) text[point] = ',';
  return text.size() <= 10;
}

// the components of a compose file; "" or what is wrong, naming the component (from 1) and
// the field
std::string ReadComponents(const nlohmann::json& file, std::vector<Component>& components) {
  if (!file.is_array() || file.empty())
    return "the file must hold a JSON list of components, not " + std::string(file.type_name());
  if (file.size() > 255) return "at most 255 components (a section file holds 255 figures)";
  for (size_t k = 0; k < file.size(); ++k) {
    const nlohmann::json& j = file[k];
    const std::string at = "component " + std::to_string(k + 1);
    if (!j.is_object()) return at + ": an object {\"kind\", ...} expected";
    Component c;
    Selection& s = c.selection;
    auto field = [&](const std::string& name, const std::string& why) {
      return at + ": field \"" + name + "\" " + why;
    };
    if (!j.contains("kind")) return field("kind", "missing");
    std::map<std::string, int32_t*> integers = {{"kind", &s.kind},       {"sub", &s.sub},
                                                {"variant", &s.variant}, {"option", &s.option},
                                                {"option2", &s.option2}, {"mode", &s.mode}};
    std::vector<std::string> texts;
    for (const auto& [name, value] : j.items()) {
      if (auto it = integers.find(name); it != integers.end()) {
        const bool fits = value.is_number_unsigned()
                              ? value.get<uint64_t>() <= INT32_MAX
                              : value.is_number_integer() && value.get<int64_t>() >= INT32_MIN &&
                                    value.get<int64_t>() <= INT32_MAX;
        if (!fits)
          return field(name, "takes a whole number, not " + value.dump());
        *it->second = value.get<int32_t>();
      } else if (name == "texts") {
        if (!value.is_array() || value.size() > Selection::kTexts)
          return field(name, "takes a list of at most 10 texts, not " + value.dump());
        for (size_t i = 0; i < value.size(); ++i) {
          if (!value[i].is_string())
            return field(name, "item " + std::to_string(i + 1) + " is not a text");
          texts.push_back(value[i].get<std::string>());
        }
      } else if (name == "dx" || name == "dy" || name == "angle" || name == "weight") {
        if (!value.is_number()) return field(name, "takes a number, not " + value.dump());
        const double v = value.get<double>();
        if (name == "weight" && !(v > 0)) return field(name, "takes a weight above 0, not " + value.dump());
        std::string& text = name == "dx" ? c.dx : name == "dy" ? c.dy : name == "angle" ? c.angle
                                                                                        : c.weight;
        if (!EditText(v, text))
          return field(name, "does not fit the edit's 10 characters: " + value.dump());
      } else if (name == "mirror_x" || name == "mirror_y") {
        if (!value.is_boolean()) return field(name, "takes true or false, not " + value.dump());
        (name == "mirror_x" ? c.mirrorX : c.mirrorY) = value.get<bool>();
      } else {
        return field(name, "is not a field of a component");
      }
    }
    if (s.kind != kWalcowane && s.kind != kSpawane && s.kind != kGiete && s.kind != kProste)
      return field("kind", "takes 0, 1, 2 or 4 (the tab a component comes from), not " +
                               std::to_string(s.kind));
    for (size_t i = 0; i < texts.size(); ++i) {
      const std::string name = "texts";
      const size_t room = i == 0 ? 14 : 10;
      if (TruncateCp1250(texts[i], room) != texts[i])
        return field(name, "item " + std::to_string(i + 1) + " is longer than its " +
                               std::to_string(room) + " characters: \"" + texts[i] + "\"");
      if (std::string fault = TextFault(s, static_cast<int>(i) + 1, texts[i]); !fault.empty())
        return field(name, "item " + std::to_string(i + 1) + " " + fault);
      s.setText(static_cast<int>(i), texts[i]);
    }
    components.push_back(std::move(c));
  }
  return {};
}

int Compose(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  std::string path;
  if (!TakeProfilesOption(args, path)) return Usage(err, "--profiles needs a file");
  Output o;
  std::string save;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json")
      o.json = true;
    else if (a == "--all-digits")
      o.allDigits = true;
    else if (a == "--fe")
      o.fe = true;
    else if (a == "--save") {
      if (i + 1 >= args.size()) return Usage(err, "--save needs a value");
      save = args[++i];
    } else if (a.starts_with("--"))
      return Usage(err, "unknown option " + a);
    else
      files.push_back(a);
  }
  if (files.size() != 1) return Usage(err, "compose needs one JSON file of components");
  std::ifstream in(files[0], std::ios::binary);
  if (!in) return Fail(kUnreadable, "Nie można odczytać pliku (" + files[0] + ")", {}, o, out, err);
  const nlohmann::json file = nlohmann::json::parse(in, nullptr, false);
  if (in.bad()) return Fail(kUnreadable, "Nie można odczytać pliku (" + files[0] + ")", {}, o, out, err);
  if (file.is_discarded()) return Fail(kUsage, files[0] + ": not a JSON file", {}, o, out, err);
  std::vector<Component> components;
  if (std::string why = ReadComponents(file, components); !why.empty())
    return Fail(kUsage, files[0] + ": " + why, {}, o, out, err);

  // the window's session: each component built on its tab, brought back, then moved
  ProfileDatabase db(path);
  GeneratorSettings settings;
  settings.database = db.exists() ? &db : nullptr;
  SectionModel model;
  Selection selection;
  Dispatcher dispatcher;
  SketchMapping mapping;
  RecordingSink sink;
  EdytorZlozony editor(model, selection, dispatcher, settings, sink, mapping);
  editor.pokaz();
  for (size_t k = 0; k < components.size(); ++k) {
    const Component& c = components[k];
    const size_t said = sink.messages().size();
    editor.nowy(c.selection.kind);
    if (!editor.zbuduj(c.selection) || !editor.powrot()) {
      editor.anuluj();
      // the generator's message follows on its own line
      const bool told = std::any_of(sink.messages().begin() + static_cast<ptrdiff_t>(said),
                                    sink.messages().end(), IsError);
      return Fail(kEngineError,
                  "component " + std::to_string(k + 1) + " not added" +
                      (told ? "" : " (the choice builds no section)"),
                  sink.messages(), o, out, err);
    }
    if (c.mirrorX) editor.lustroX();
    if (c.mirrorY) editor.lustroY();
    // each move once, about the component's own origin: the turn, then the shifts
    bool moved = true;
    if (c.angle != "0") moved &= editor.wpiszObrot(c.angle);
    if (c.dx != "0") moved &= editor.wpiszX(c.dx);
    if (c.dy != "0") moved &= editor.wpiszY(c.dy);
    if (!c.weight.empty()) moved &= editor.waga(c.weight);
    if (!moved)
      return Fail(kEngineError, "component " + std::to_string(k + 1) + " cannot be placed",
                  sink.messages(), o, out, err);
  }
  std::vector<Komunikat> notes = sink.messages();
  if (!save.empty() && SectionBuilt(model)) {
    TabChoice choice;
    choice.selection = selection;
    SaveSection(model, choice, settings.database, save, notes);  // a failure is in the notes
  }
  return Emit(model, notes, o, out, err);
}

int Profiles(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  std::string path;
  if (!TakeProfilesOption(args, path)) return Usage(err, "--profiles needs a file");
  std::vector<std::string> codes;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i].starts_with("--")) {
      return Usage(err, "unknown option " + args[i]);
    } else {
      codes.push_back(args[i]);
    }
  }
  if (codes.size() > 1) return Usage(err, "profiles takes at most one family code");
  for (std::string& code : codes) code = UpperCode(code);

  const ProfileDatabase db(path);
  FileState state = FileState::kRead;
  auto unread = [&] {
    err << "tarvik-cli: "
        << (state == FileState::kMissing ? "Nie ma bazy danych" : "Niekompletna instalacja") << " ("
        << path << ")\n";
    return kUnreadable;
  };
  if (!codes.empty()) {
    // the catalogue's own spelling of the code ("CGa", "KRgb"): typed in any case
    const std::vector<std::string> families = db.Families(&state);
    if (state != FileState::kRead) return unread();
    for (const std::string& family : families)
      if (UpperCode(family) == codes[0]) codes[0] = family;
    const std::vector<std::string> designations = db.Designations(codes[0], &state);
    if (state != FileState::kRead) return unread();
    if (designations.empty()) {
      err << "tarvik-cli: Nie ma opisu takiego przekroju (" << codes[0] << ")\n";
      return kEngineError;
    }
    for (const std::string& d : designations) out << d << "\n";
    return kOk;
  }
  const std::vector<std::string> families = db.Families(&state);
  if (state != FileState::kRead) return unread();
  for (const std::string& code : families) {
    const size_t count = db.Designations(code, &state).size();
    if (state != FileState::kRead) return unread();
    out << code << "\t" << count << "\n";
  }
  return kOk;
}

// the properties a rebuild changed by more than 1e-6 relative (names are not compared: the
// user may have renamed the section)
std::vector<std::string> Differences(const PropertiesRecord& stored, const PropertiesRecord& rebuilt) {
  std::vector<std::string> lines;
  for (const SlotInfo& s : SlotTable()) {
    const double a = stored[s.slot], b = rebuilt[s.slot];
    const double gap = std::fabs(a - b);
    if (gap > 1e-6 * std::max(std::fabs(a), std::fabs(b)) && gap > 1e-9)
      lines.push_back(std::string(s.symbol) + ": " + FormatLiczby(-1, "", a, true) + " -> " +
                      FormatLiczby(-1, "", b, true));
  }
  return lines;
}

int Open(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  std::string path;
  if (!TakeProfilesOption(args, path)) return Usage(err, "--profiles needs a file");
  Output o;
  bool rebuild = false;
  std::vector<std::string> files;
  if (!OutputOptions(args, o, files, err, &rebuild)) return kUsage;
  if (files.size() != 1) return Usage(err, "open needs one section file");
  ReadResult read = CzytajPlikPrm(files[0]);
  if (!read.ok) return Fail(kUnreadable, read.error + " " + read.detail, {}, o, out, err);
  AsBuilt(read.model);
  ProfileDatabase db(path);
  if (!rebuild) {
    // the finite elements mesh the true fillets and curves, which a file does not keep
    if (o.fe) {
      GeneratorSettings settings;
      settings.database = db.exists() ? &db : nullptr;
      PrzywrocPrawdziweObrysy(read.model, settings);
    }
    out << SectionReport(read.model, {}, o);
    return kOk;
  }

  // the section the window builds when it opens the file: the tab's stored choice again
  TabChoice choice;
  SectionModel model;
  SketchMapping mapping;
  RecordingSink sink;
  Dispatcher dispatcher;
  if (read.model.kind == kUzebrowanie) {
    // a ribbed slab keeps no tab choice of its rib: the stored rib (figure 2, seated as the
    // slab's tab left it) under the slab the header's texts give
    if (read.model.figures.size() > 2) model.figures = {FigureRecord{}, FigureRecord{},
                                                        read.model.figures[2]};
    model.figureCount = 2;
    model.currentFigure = 2;
    choice.selection = WyborUzebrowania(PlytaZNaglowka(read.header));
  } else if (std::string why; !ChoiceFromHeader(read.header, db.exists() ? &db : nullptr, choice,
                                                why)) {
    return Fail(kEngineError, "Nie można odtworzyć wyboru z pliku " + why, {}, o, out, err);
  }
  Selection selection = SelectionToBuild(choice);
  dispatcher.BudujPrzekroj(model, selection, choice.Settings(db.exists() ? &db : nullptr), sink,
                           mapping, 400, 400);
  std::vector<Komunikat> notes = sink.messages();
  const std::vector<std::string> changed =
      Differences(read.model.section, HeaderProperties(model.section, choice));
  if (changed.empty() || !SectionBuilt(model)) return Emit(model, notes, o, out, err);

  const std::string error = "Przekrój zbudowany z wyboru różni się od zapisanego";
  err << "tarvik-cli: " << error << " (zapisany -> nowy):\n";
  for (const std::string& line : changed) err << "  " << line << "\n";
  if (o.json) {
    // the rebuilt section all the same, marked as a failure, with what differs
    auto j = nlohmann::ordered_json::parse(SectionReport(model, notes, o));
    j["ok"] = false;
    j["error"] = error;
    j["differences"] = changed;
    out << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    out << SectionReport(model, notes, o);
  }
  return kEngineError;
}

int PrintReport(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  Output o;
  std::string pdf;
  int tab = 0, perPage = 2;
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--pdf" && a != "--tab" && a != "--per-page") {
      rest.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) return Usage(err, a + " needs a value");
    const std::string& v = args[++i];
    const bool digit = v.size() == 1 && v[0] >= '0' && v[0] <= '9';
    if (a == "--pdf")
      pdf = v;
    else if (a == "--tab" && (!digit || v[0] > '2'))
      return Usage(err, "--tab takes 0, 1 or 2, not " + v);
    else if (a == "--tab")
      tab = v[0] - '0';
    else if (!digit || v[0] < '2' || v[0] > '5')
      return Usage(err, "--per-page takes 2, 3, 4 or 5, not " + v);
    else
      perPage = v[0] - '0';
  }
  std::vector<std::string> files;
  if (!OutputOptions(rest, o, files, err)) return kUsage;
  if (files.empty()) return Usage(err, "report needs a section file");
  if (pdf.empty()) return Usage(err, "report needs --pdf OUT.pdf");
#ifndef TARVIK_CLI_PICTURE
  (void)tab;
  (void)perPage;
  return Fail(kUsage, "report needs Qt, which this build leaves out", {}, o, out, err);
#else
  // every file is read before anything is written
  std::vector<SectionModel> models;
  for (const std::string& file : files) {
    ReadResult read = CzytajPlikPrm(file);
    if (!read.ok) return Fail(kUnreadable, read.error + " " + read.detail, {}, o, out, err);
    AsBuilt(read.model);
    models.push_back(std::move(read.model));
  }
  std::vector<paint::Rysunek> drawings;
  for (const SectionModel& model : models) {
    ZrodloRaportu source;
    source.n = perPage;
    if (model.section[slot::m] != 0) source.masa = FormatLiczby(-1, " kg/mb", model.section[slot::m]);
    paint::Rysunek drawing;
    drawing.model = &model;
    drawing.lines = RaportZakladki(model, static_cast<Zakladka>(tab), source);
    drawing.szkic = 400;  // the mapping the section's dimension lines were made for
    drawings.push_back(std::move(drawing));
  }

  const std::unique_ptr<QGuiApplication> qt = QtBezOkna();
  // the printer's offsets are the PDF's margins and its printable width the page's rest, so
  // that the page's millimetres are the PDF's
  const UstawieniaDruku settings;
  constexpr double kA4Width = 210;
  QPdfWriter writer(QString::fromStdString(pdf));
  writer.setResolution(600);
  writer.setCreator("Tarvik");
  writer.setTitle(QString::fromStdString(models.front().section.name()));
  writer.setPageLayout(QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(settings.drukarkaLewy, settings.drukarkaGorny,
                kA4Width - settings.drukarkaLewy - settings.szerokosc, settings.drukarkaGorny),
      QPageLayout::Millimeter));
  QPainter painter;
  if (!painter.begin(&writer))
    return Fail(kUnreadable, "Nie można zapisać pliku (" + pdf + ")", {}, o, out, err);
  // one job of as many pages as the sections fill, the last one as far as it goes
  StronaWydruku page;
  page.n = perPage;
  page.ZacznijDokument();
  int pages = 1;
  for (size_t i = 0; i < drawings.size(); ++i) {
    paint::RysujMiejsce(painter, drawings[i], page.Miejsce(settings, writer.width()));
    const bool last = i + 1 == drawings.size();
    page.niekompletna = last;
    if (page.PoRysunku(true) == StronaWydruku::Potem::kNowaStrona && !last) {
      writer.newPage();
      ++pages;
    }
  }
  if (!painter.end() || !std::filesystem::is_regular_file(pdf))
    return Fail(kUnreadable, "Nie można zapisać pliku (" + pdf + ")", {}, o, out, err);

  if (o.json) {
    nlohmann::ordered_json j;
    j["ok"] = true;
    j["pdf"] = pdf;
    j["tab"] = tab;
    j["pages"] = pages;
    j["sections"] = nlohmann::ordered_json::array();
    for (const paint::Rysunek& d : drawings) {
      nlohmann::ordered_json lines = nlohmann::ordered_json::array();
      for (const LiniaRaportu& l : d.lines) lines.push_back({{"label", l.label}, {"value", l.value}});
      j["sections"].push_back({{"name", d.model->section.name()}, {"lines", lines}});
    }
    out << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    for (const paint::Rysunek& d : drawings)
      out << d.model->section.name() << "\n" << RaportTekst(d.lines);
  }
  return kOk;
#endif
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, "no command given");
  const std::string& command = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "help" || command == "--help" || command == "-h") {
    out << kUsageText;
    return kOk;
  }
  if (command == "outline") return Outline(rest, out, err);
  if (command == "import") return Import(rest, out, err);
  if (command == "compute") return Compute(rest, out, err);
  if (command == "profiles") return Profiles(rest, out, err);
  if (command == "profile") return Profile(rest, out, err);
  if (command == "open") return Open(rest, out, err);
  if (command == "compose") return Compose(rest, out, err);
  if (command == "report") return PrintReport(rest, out, err);
  return Usage(err, "unknown command " + command);
}

}  // namespace tarvik::cli
