// Section files: the .PRM data file (1792-byte figure records, record 0 a header that also
// carries the section properties and the outline's characteristic points) and the active
// figure's .TXT point list. Qt-free; the 100 x 100 picture is drawn on the GUI side.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model.h"
#include "io/atomic_file.h"

namespace tarvik {

// the tab's choices that the header stores: the integers at bytes 1204..1232 (the figure
// record's selection[1..7]) and the eight texts at 1236..1323; the main window fills them
// from the controls of the section's tab. An empty text keeps the working figure's there.
struct TabFields {
  bool present = false;  // false: the header keeps what the working figure holds there
  std::array<int32_t, 8> integers{};  // 1204 .. 1232
  std::array<std::string, 8> texts;
  // numbers a tab keeps beyond its lists and edits (the timber fasteners' spacings, span and
  // the members' gap), in the figure record's four spare doubles at 1720..1751
  std::array<double, 4> reals{};
};

// the tab fields a header holds: its choices and texts as they were written
TabFields StoredTabFields(const FigureRecord& header);

// the characteristic points of the section in its principal central axes [mm]: eight points
// on the radius for round sections, otherwise at most two per quadrant (the farthest along u
// and along v), as the header stores them
std::vector<Point> PunktyCharakterystyczne(const SectionModel& model);

// whether the header's eight points are those of a round section (rolled and welded tubes,
// round parametric sections and pipes, timber and concrete circles)
bool PrzekrojOkragly(const SectionModel& model);

struct WriteResult {
  bool ok = false;
  std::string error;   // the program's message when not ok
  std::string detail;  // its second line (the path, the reason)
};

// Writes the .PRM of the model: header (figure count, kind, tab fields, headerProps — the
// section properties as the caller completed them for the file —, characteristic points),
// then the figures of the kind (the working figure for single-figure kinds, figures 1..N,
// the point-list records, the mirrored third record of a two-part cold-formed section).
// Written whole or not at all (ReplaceFiles): a failure never destroys what was there and
// leaves no temporary; unused bytes are zeros. More than 255 figures are refused.
WriteResult ZapiszPlikPrm(const std::string& path, const SectionModel& model,
                          const PropertiesRecord& headerProps, const TabFields& fields,
                          const FileCalls& calls = {});

// The section's pair: stem + ".BMP", the picture's bytes as given (drawn on the GUI side,
// ObrazekBmp), and stem + ".PRM", the data file as ZapiszPlikPrm makes it. Both are written
// to temporaries and renamed into place, the picture first, only when both are whole: any
// failure leaves the old pair as it was ("Nie można zapisać szkicu przekroju" or "... pliku
// z opisem przekroju", with the path and the system's reason), except a failed last rename,
// which says that the picture is new and the data file unchanged.
WriteResult ZapiszPare(const std::string& stem, std::string_view picture,
                       const SectionModel& model, const PropertiesRecord& headerProps,
                       const TabFields& fields, const FileCalls& calls = {});

struct ReadResult {
  bool ok = false;
  std::string error;  // "Nie ma pliku z opisem przekroju" or "Uszkodzony plik z opisem przekroju"
  std::string detail;
  SectionModel model;   // figure table (record 0 = the header as read), kind, figure count,
                        // section properties, point list, current figure
  FigureRecord header;  // record 0 as read: the tab's stored choices and texts
};

// Reads a .PRM. Nothing in the file is trusted: a truncated record, a point count outside
// 0..37, more figures announced than the file holds, a kind outside 0..9, a name longer than
// its field — each refuses the whole file. The caller's section is never touched here.
ReadResult CzytajPlikPrm(const std::string& path);

// the figures of a read file as a built section holds them: a single-figure section keeps its
// outline in record 1 (record 0 is the file's header), and a doubled lipped channel gets its
// mirrored second channel back; what tarvik-cli open shows and a re-save writes
void AsBuilt(SectionModel& model);

// the active figure's points as the .TXT file holds them: "Zewnętrzna" or "Wewnętrzna" by
// its first point, then "n   x   y   " a line (CR LF), numbers with a decimal comma and as
// many digits as they need to read back unchanged; a figure of the table gives its outline
// (or hole); a figure without points gives the first line alone
std::string TekstFigury(const SectionModel& model, int figure);

// that text in cp1250, written like the .PRM (whole or not at all); false when it cannot be
// written
bool ZapiszTekstFigury(const std::string& path, const SectionModel& model, int figure);

}  // namespace tarvik
