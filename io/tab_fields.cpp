#include "io/tab_fields.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

#include "engine/numbers.h"
#include "generators/cold_formed.h"
#include "generators/concrete.h"
#include "generators/parametric.h"
#include "generators/rolled.h"
#include "generators/sets.h"
#include "generators/timber.h"
#include "generators/tube_sizes.h"
#include "generators/welded.h"

namespace tarvik {
namespace {

// the rolled tab's sub-kinds that have a series list, the Z and the tube
bool IFamily(int sub) { return sub == 0 || sub == 6; }
constexpr int kChannel = 1, kZ = 7, kTube = 8, kRolledSubs = 9;
constexpr int kCircle = 1, kPipe = 2, kChannelP = 6, kTee = 7, kBox = 5;

// the series a rolled sub-kind offers (none: 1)
int SeriesCount(int sub) {
  if (IFamily(sub)) return kSeriesGOST + 1;
  return sub == kChannel ? kChannelGOST + 1 : 1;
}

// the thin option ("Pocieniony") belongs to the "Normalny" I and channel series
bool ThinOffered(int sub, int variant) {
  return (IFamily(sub) || sub == kChannel) && variant == 0;
}

// variants of each "Proste" family; the I's third one has haunches
constexpr int kVariants[10] = {1, 2, 4, 1, 3, 2, 1, 1, 2, 1};

// which selection text (first) a "Proste" family keeps at which header place (second); the
// header places are those of the edits H, T, S, W, Gg, Gd, Lg, Ld
std::vector<std::pair<int, int>> ProsteTexts(int family, int variant) {
  auto same = [](std::initializer_list<int> texts) {
    std::vector<std::pair<int, int>> pairs;
    for (int i : texts) pairs.push_back({i, i});
    return pairs;
  };
  switch (family) {
    case 0:
      return same({0, 1});
    case kCircle:
      return variant == 0 ? same({0}) : same({0, 1});
    case kPipe:  // the elliptic wall, the square and rectangular pipes' radius in text 5
      return variant == 0 ? same({0, 1}) : variant == 3 ? same({0, 1, 2, 4}) : same({0, 1, 4});
    case 3:
      return same({0, 1, 2});
    case 4:
      return variant == 0 ? same({0, 1, 2, 4}) : variant == 1 ? same({0, 1, 2, 3, 4, 5})
                                                              : same({0, 1, 2, 3, 4, 5, 6, 7});
    case kBox:  // the bisymmetric box's one spacing is text 7
      return variant == 0 ? same({0, 1, 2, 4, 6}) : same({0, 1, 2, 3, 4, 5, 6, 7});
    case kChannelP:
      return same({0, 1, 2, 3, 4});
    case kTee:  // height, web, width, flange: the edits S, Gd, W, Gg
      return {{0, 2}, {1, 5}, {2, 3}, {4, 4}};
    case 8:
      return variant == 0 ? same({0, 1, 2, 4}) : same({0, 1, 2, 3, 4, 5, 6, 7});
    default:
      return same({0, 1, 2, 4});
  }
}

// the square and rectangular pipes: box tubes, their corners hot-finished or cold-formed
bool BoxPipe(int family, int variant) { return family == kPipe && (variant == 2 || variant == 3); }

// a round parametric section whose corner count the header keeps in place 5
bool RoundWithCorners(int family, int variant) {
  return (family == kCircle || family == kPipe) && variant == 0;
}

std::string Trimmed(std::string text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool RolledFields(const TabChoice& c, const ProfileDatabase* db, TabFields& f, std::string& why) {
  const Selection& s = c.selection;
  const std::vector<CatalogueSize> sizes = RolledSizes(db, s.sub, s.variant, s.option);
  const std::string size = Trimmed(s.texts[0]);
  const auto at = std::find_if(sizes.begin(), sizes.end(),
                               [&](const CatalogueSize& z) { return z.size == size; });
  if (at == sizes.end()) {
    why = "(" + size + ": nie ma na liście)";
    return false;
  }
  const int index = static_cast<int>(at - sizes.begin());
  int index2 = 0;
  if (!at->second.empty() && RolledSecondTextKept(s.sub, s.variant, size)) {
    const std::string second = Trimmed(s.texts[1]);
    const auto at2 = std::find(at->second.begin(), at->second.end(), second);
    if (at2 == at->second.end()) {
      why = "(" + size + " " + second + ": nie ma na liście)";
      return false;
    }
    index2 = static_cast<int>(at2 - at->second.begin());
  }
  const bool z = s.sub == kZ;
  // the tube keeps in the thin group whether it is one of the five smallest
  const int thin = s.sub == kTube ? (index < 5 ? 0 : 1) : z ? 0 : s.option;
  f.integers = {s.sub, s.variant, thin, z ? s.option : 0, 0, index, index2};
  return true;
}

// the "Spawane" lists of a choice: sizes, the size's second list and the "WT" webs; the
// castellated parent's sizes come from the database
struct WeldedLists {
  std::vector<std::string> sizes;
  std::vector<std::vector<std::string>> second;  // per size
};

WeldedLists WeldedListsOf(const ProfileDatabase* db, const Selection& s) {
  WeldedLists l;
  if (s.sub == kWeldedCastellated) {
    for (const CatalogueSize& z : RolledSizes(db, 0, ParentSeries(s.variant), s.option))
      l.sizes.push_back(z.size);
  } else if (s.sub == kWeldedPipe) {
    for (const TubeSize& t : SeamedTubeSizes()) {
      l.sizes.push_back(t.diameter);
      l.second.push_back(t.thicknesses);
    }
  } else {
    l.sizes = WeldedSizes(s.sub);
    for (int i = 0; i < static_cast<int>(l.sizes.size()); ++i)
      l.second.push_back(WeldedSecond(s.sub, i));
  }
  return l;
}

int Position(const std::vector<std::string>& list, const std::string& text) {
  const std::string wanted = Trimmed(text);
  for (size_t i = 0; i < list.size(); ++i)
    if (Trimmed(list[i]) == wanted) return static_cast<int>(i);
  return -1;
}

bool WeldedFields(const TabChoice& c, const ProfileDatabase* db, TabFields& f, std::string& why) {
  const Selection& s = c.selection;
  const WeldedLists lists = WeldedListsOf(db, s);
  const int index = Position(lists.sizes, s.texts[0]);
  if (index < 0) {
    why = "(" + Trimmed(s.texts[0]) + ": nie ma na liście)";
    return false;
  }
  int index2 = 0, index3 = 0;
  if (index < static_cast<int>(lists.second.size()) && !lists.second[index].empty()) {
    const std::vector<std::string>& second = lists.second[index];
    if (s.sub == kWeldedWT) {
      int flange = 0;
      const std::string& text = s.texts[1];
      auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), flange);
      index2 = error == std::errc{} && end == text.data() + text.size() ? flange - 1 : -1;
      if (index2 >= static_cast<int>(second.size())) index2 = -1;
      index3 = Position(CorrugatedWebs(index), s.texts[2]);
    } else {
      index2 = Position(second, s.texts[1]);
    }
    if (index2 < 0 || index3 < 0) {
      why = "(" + Trimmed(s.texts[0]) + " " + Trimmed(s.texts[1]) +
            (s.sub == kWeldedWT ? " " + Trimmed(s.texts[2]) : "") + ": nie ma na liście)";
      return false;
    }
  }
  const bool castellated = s.sub == kWeldedCastellated;
  f.integers = {s.sub,
                castellated ? s.variant : 0,
                castellated && s.variant == kParentNormalny ? s.option : 0,
                castellated ? s.option2 : 0,
                0,
                index,
                index2,
                index3};
  return true;
}

void ProsteFields(const TabChoice& c, TabFields& f) {
  const Selection& s = c.selection;
  // the box pipes' "Walc.na gorąco" at 1212, a place no other "Proste" family uses
  const int hot = BoxPipe(s.sub, s.variant) && c.hotFinished ? 1 : 0;
  f.integers = {s.sub, s.variant, hot, 0, c.exactFormulas ? 0 : 1, 0, 0};
  for (auto [text, place] : ProsteTexts(s.sub, s.variant)) f.texts[place] = s.texts[text];
  if (RoundWithCorners(s.sub, s.variant) && !c.exactFormulas)
    f.texts[4] = std::to_string(c.corners);
}

bool RolledChoice(const FigureRecord& header, const ProfileDatabase* db, TabChoice& c,
                  std::string& why) {
  const auto& h = header.selection;  // [1] is the integer at 1204
  Selection& s = c.selection;
  s.kind = kWalcowane;
  s.sub = h[1];
  if (s.sub < 0 || s.sub >= kRolledSubs) {
    why = "(kształtownik nr " + std::to_string(s.sub) + ")";
    return false;
  }
  s.variant = SeriesCount(s.sub) > 1 ? h[2] : 0;
  if (s.variant < 0 || s.variant >= SeriesCount(s.sub)) {
    why = "(seria nr " + std::to_string(s.variant) + ")";
    return false;
  }
  s.option = s.sub == kZ ? h[4] : ThinOffered(s.sub, s.variant) ? h[3] : 0;
  if (s.option < 0 || s.option > 1) {
    why = "(odmiana nr " + std::to_string(s.option) + ")";
    return false;
  }
  if (!db && s.sub != kTube) {
    why = "(nie ma bazy danych)";
    return false;
  }
  const std::vector<CatalogueSize> sizes = RolledSizes(db, s.sub, s.variant, s.option);
  const int index = h[6], index2 = h[7];
  if (index < 0 || index >= static_cast<int>(sizes.size())) {
    why = "(profil nr " + std::to_string(index) + " poza listą)";
    return false;
  }
  const CatalogueSize& size = sizes[index];
  s.setText(0, size.size);
  if (!size.second.empty() && RolledSecondTextKept(s.sub, s.variant, size.size)) {
    if (index2 < 0 || index2 >= static_cast<int>(size.second.size())) {
      why = "(pozycja nr " + std::to_string(index2) + " drugiej listy poza listą)";
      return false;
    }
    s.setText(1, size.second[index2]);
  }
  s.size = index;
  s.size2 = index2;
  return true;
}

bool WeldedChoice(const FigureRecord& header, const ProfileDatabase* db, TabChoice& c,
                  std::string& why) {
  const auto& h = header.selection;
  Selection& s = c.selection;
  s.kind = kSpawane;
  s.sub = h[1];
  if (s.sub < 0 || s.sub >= kWeldedSubs) {
    why = "(seria nr " + std::to_string(s.sub) + ")";
    return false;
  }
  s.variant = s.sub;
  if (s.sub == kWeldedCastellated) {
    s.variant = h[2];
    s.option = s.variant == kParentNormalny ? h[3] : 0;
    s.option2 = h[4];
    if (s.variant < 0 || s.variant >= kParents || s.option < 0 || s.option > 1 ||
        s.option2 < 0 || s.option2 > 1) {
      why = "(dźwigar ażurowy: wybór " + std::to_string(h[2]) + ", " + std::to_string(h[3]) +
            ", " + std::to_string(h[4]) + ")";
      return false;
    }
  }
  if (!db && s.sub != kWeldedPipe) {
    why = "(nie ma bazy danych)";
    return false;
  }
  const WeldedLists lists = WeldedListsOf(db, s);
  const int index = h[6], index2 = h[7], index3 = header.extraChoice;
  if (index < 0 || index >= static_cast<int>(lists.sizes.size())) {
    why = "(profil nr " + std::to_string(index) + " poza listą)";
    return false;
  }
  s.setText(0, lists.sizes[index]);
  if (index < static_cast<int>(lists.second.size()) && !lists.second[index].empty()) {
    const std::vector<std::string>& second = lists.second[index];
    if (index2 < 0 || index2 >= static_cast<int>(second.size())) {
      why = "(pozycja nr " + std::to_string(index2) + " drugiej listy poza listą)";
      return false;
    }
    if (s.sub == kWeldedWT) {
      const std::vector<std::string> webs = CorrugatedWebs(index);
      if (index3 < 0 || index3 >= static_cast<int>(webs.size())) {
        why = "(grubość środnika nr " + std::to_string(index3) + " poza listą)";
        return false;
      }
      s.setText(1, std::to_string(index2 + 1));
      s.setText(2, webs[index3]);
    } else {
      s.setText(1, second[index2]);
    }
  }
  s.size = index;
  s.size2 = index2;
  return true;
}

bool ProsteChoice(const FigureRecord& header, TabChoice& c, std::string& why) {
  const auto& h = header.selection;
  Selection& s = c.selection;
  s.kind = kProste;
  s.sub = h[1];
  if (s.sub < 0 || s.sub >= 10) {
    why = "(rodzina nr " + std::to_string(s.sub) + ")";
    return false;
  }
  s.variant = kVariants[s.sub] > 1 ? h[2] : 0;
  if (s.variant < 0 || s.variant >= kVariants[s.sub]) {
    why = "(wariant nr " + std::to_string(s.variant) + ")";
    return false;
  }
  for (auto [text, place] : ProsteTexts(s.sub, s.variant)) s.setText(text, header.dims[place]);
  if (BoxPipe(s.sub, s.variant)) {
    if (h[3] < 0 || h[3] > 1) {
      why = "(walcowana na gorąco: " + std::to_string(h[3]) + ")";
      return false;
    }
    c.hotFinished = h[3] == 1;
  }
  c.exactFormulas = !RoundWithCorners(s.sub, s.variant) || h[5] == 0;
  if (!c.exactFormulas) {
    const std::string& text = header.dims[4];
    int corners = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), corners);
    if (error != std::errc{} || end != text.data() + text.size() || corners < 3 || corners > 36) {
      why = "(liczba narożników \"" + text + "\")";
      return false;
    }
    c.corners = corners;
  }
  const double gradient = header.props[slot::s45];
  c.gradient = DepthVariationOffered(s.sub, s.variant) && gradient > 0 ? gradient : 0;
  return true;
}

// the cold-formed item's two-way choice at 1212: "Pojedynczy"/"Podwójny" of the lipped
// channel and Z, "Walc.na gorąco" of the tubes
bool ColdDoubled(int item) { return item == kColdLipChannel || item == kColdLipZ; }
bool ColdTube(int item) { return item == kColdSquareTube || item == kColdRectTube; }

bool GieteFields(const TabChoice& c, TabFields& f, std::string& why) {
  const Selection& s = c.selection;
  const int item = s.variant;
  if (item < 0 || item >= kColdItems) {
    why = "(profil gięty nr " + std::to_string(item) + ")";
    return false;
  }
  const int choice = ColdDoubled(item) ? s.option : ColdTube(item) && c.hotFinished ? 1 : 0;
  if (s.mode == kColdOwnDimensions) {
    f.integers = {item, 0, choice, 0, kColdOwnDimensions, 0, 0, 0};
    const size_t n = ColdFields(item, s.option).size();
    for (size_t i = 0; i < n; ++i) f.texts[i] = s.texts[i];
    return true;
  }
  const std::vector<std::string>& sizes = ColdSizes(item);
  const int index = Position(sizes, s.texts[0]);
  if (index < 0) {
    why = "(" + Trimmed(s.texts[0]) + ": nie ma na liście)";
    return false;
  }
  int index2 = 0;
  if (const std::vector<std::string> thicknesses = ColdThicknesses(item, index);
      !thicknesses.empty()) {
    index2 = Position(thicknesses, s.texts[1]);
    if (index2 < 0) {
      why = "(" + Trimmed(s.texts[0]) + " x " + Trimmed(s.texts[1]) + ": nie ma na liście)";
      return false;
    }
  }
  f.integers = {item, 0, choice, 0, kColdCatalogue, index, index2, 0};
  return true;
}

// a stored own dimension: one number of millimetres, the bend radius any text it takes
bool ColdDimensionText(const ColdField& field, const std::string& text) {
  if (std::string_view(field.caption).starts_with("Promień"))
    return ReadBendRadius(text, 1, 0).has_value();
  return CalaLiczba(text, "mm", false) && CzytajLiczbe(text) > 0;
}

bool GieteChoice(const FigureRecord& header, TabChoice& c, std::string& why) {
  const auto& h = header.selection;
  Selection& s = c.selection;
  s.kind = kGiete;
  const int item = h[1];
  if (item < 0 || item >= kColdItems) {
    why = "(profil gięty nr " + std::to_string(item) + ")";
    return false;
  }
  s.variant = item;
  s.mode = h[5];
  const bool offered = s.mode == kColdOwnDimensions ? ColdOwnDimensionsOffered(item)
                       : s.mode == kColdCatalogue   ? ColdCatalogueOffered(item)
                                                    : false;
  if (!offered || h[3] < 0 || h[3] > 1) {
    why = "(profil gięty nr " + std::to_string(item) + ": tryb " + std::to_string(s.mode) +
          ", wybór " + std::to_string(h[3]) + ")";
    return false;
  }
  if (ColdDoubled(item)) s.option = h[3];
  c.hotFinished = ColdTube(item) && h[3] == 1;
  if (s.mode == kColdOwnDimensions) {
    const std::vector<ColdField> fields = ColdFields(item, s.option);
    for (size_t i = 0; i < fields.size(); ++i) {
      const std::string& text = header.dims[i];
      if (!ColdDimensionText(fields[i], text)) {
        why = "(" + std::string(fields[i].caption) + " \"" + text + "\")";
        return false;
      }
      s.setText(static_cast<int>(i), text);
    }
    return true;
  }
  const std::vector<std::string>& sizes = ColdSizes(item);
  const int index = h[6], index2 = h[7];
  if (index < 0 || index >= static_cast<int>(sizes.size())) {
    why = "(profil nr " + std::to_string(index) + " poza listą)";
    return false;
  }
  s.setText(0, sizes[index]);
  s.size = index;
  if (const std::vector<std::string> thicknesses = ColdThicknesses(item, index);
      !thicknesses.empty()) {
    if (index2 < 0 || index2 >= static_cast<int>(thicknesses.size())) {
      why = "(grubość nr " + std::to_string(index2) + " poza listą)";
      return false;
    }
    s.setText(1, thicknesses[index2]);
    s.size2 = index2;
  }
  return true;
}

// The "Zestawy" header: 1204 the family, 1208 the series, 1212 "Pocienione" (the cold-formed
// channel: lipped), 1216 rolled / welded or cold-formed, 1220 the layout, 1224 and 1228 the
// member's positions in the two lists the tab shows (1232 the web list of a "WT" girder); the
// spacings at 1258 and 1269. The lipped channel has no list: its designation "H x B x C x g"
// is kept as "H x B x C" at 1236 and "g" at 1247.
bool LippedChannelSet(const Selection& s) {
  return s.sub == kSetChannels && s.option2 == 1 && s.option == 1;
}

// the member's lists: sizes (text 1) with their second lists (text 2)
std::vector<CatalogueSize> SetLists(const ProfileDatabase* db, const Selection& s) {
  std::vector<CatalogueSize> lists;
  auto cold = [&](int item) {
    const std::vector<std::string>& sizes = ColdSizes(item);
    for (int k = 0; k < static_cast<int>(sizes.size()); ++k)
      lists.push_back({sizes[static_cast<size_t>(k)], ColdThicknesses(item, k)});
  };
  const bool second = s.option2 == 1;
  switch (s.sub) {
    case kSetI:
      if (!second) return RolledSizes(db, 0, s.variant, s.variant == kSeriesNormalny ? s.option : 0);
      for (int k = 0; k < static_cast<int>(WeldedSizes(s.variant).size()); ++k)
        lists.push_back({WeldedSizes(s.variant)[static_cast<size_t>(k)], WeldedSecond(s.variant, k)});
      break;
    case kSetChannels:
      if (!second) return RolledSizes(db, 1, s.variant, s.variant == kChannelNormalny ? s.option : 0);
      if (s.option == 0) cold(kColdChannelA);
      break;
    case kSetEqualAngles:
      if (!second) return RolledSizes(db, 2, 0, 0);
      cold(kColdAngleRA);
      break;
    case kSetUnequalAngles:
      if (!second) return RolledSizes(db, 3, 0, 0);
      cold(kColdAngleNA);
      break;
    case kSetRoundTubes:
      return RolledSizes(db, 8, 0, 0);
    case kSetSquareTubes:
      cold(kColdSquareTube);
      break;
    case kSetRectTubes:
      cold(kColdRectTube);
      break;
    default:
      break;
  }
  return lists;
}

// the series a family's member offers, and whether "Pocienione" belongs to it
bool SetMemberOffered(const Selection& s) {
  if (s.sub < 0 || s.sub >= kSetFamilies || s.option2 < 0 || s.option2 > 1 || s.option < 0 ||
      s.option > 1)
    return false;
  const bool second = s.option2 == 1;
  switch (s.sub) {
    case kSetI:
      return second ? s.variant >= kWeldedIPBS && s.variant <= kWeldedWT && s.option == 0
                    : s.variant >= 0 && s.variant <= kSeriesGOST &&
                          (s.option == 0 || s.variant == kSeriesNormalny);
    case kSetChannels:
      return second ? s.variant == 0
                    : s.variant >= 0 && s.variant <= kChannelGOST &&
                          (s.option == 0 || s.variant == kChannelNormalny);
    case kSetEqualAngles:
    case kSetUnequalAngles:
      return s.variant == 0 && s.option == 0;
    default:
      return s.variant == 0 && s.option == 0 && s.option2 == 0;
  }
}

bool CorrugatedSet(const Selection& s) {
  return s.sub == kSetI && s.option2 == 1 && s.variant == kWeldedWT;
}

// "H x B x C x g": four numbers
bool LippedDesignation(const std::string& text) {
  const std::string t = Trimmed(text);
  size_t from = 0, parts = 0;
  for (;;) {
    const size_t x = t.find('x', from);
    const std::string part = t.substr(from, x == std::string::npos ? std::string::npos : x - from);
    if (!CalaLiczba(part, "", false) || !(CzytajLiczbe(part) > 0)) return false;
    ++parts;
    if (x == std::string::npos) break;
    from = x + 1;
  }
  return parts == 4;
}

bool ZestawyFields(const TabChoice& c, const ProfileDatabase* db, TabFields& f, std::string& why) {
  const Selection& s = c.selection;
  if (!SetMemberOffered(s)) {
    why = "(zestaw nr " + std::to_string(s.sub) + ": profil " + std::to_string(s.variant) + ", " +
          std::to_string(s.option) + ", " + std::to_string(s.option2) + ")";
    return false;
  }
  int index = 0, index2 = 0, index3 = 0;
  if (LippedChannelSet(s)) {
    if (!LippedDesignation(s.texts[0])) {
      why = "(" + Trimmed(s.texts[0]) + ": nie jest opisem H x B x C x g)";
      return false;
    }
    // "H x B x C" and "g" apart: the whole does not fit one 10-character text
    const std::string d = Trimmed(s.texts[0]);
    const size_t x = d.rfind('x');
    f.texts[0] = d.substr(0, x);
    f.texts[1] = d.substr(x + 1);
    if (f.texts[0].size() > 10 || f.texts[1].size() > 10) {
      why = "(" + d + ": za długi opis)";
      return false;
    }
  } else {
    const std::vector<CatalogueSize> lists = SetLists(db, s);
    const std::string size = Trimmed(s.texts[0]);
    const auto at = std::find_if(lists.begin(), lists.end(),
                                 [&](const CatalogueSize& z) { return Trimmed(z.size) == size; });
    if (at == lists.end()) {
      why = "(" + size + ": nie ma na liście)";
      return false;
    }
    index = static_cast<int>(at - lists.begin());
    const bool kept = !(s.sub == kSetI && s.option2 == 0) || RolledSecondTextKept(0, s.variant, size);
    if (CorrugatedSet(s)) {
      // the flange by its number, the web by its list (text 5)
      int flange = 0;
      const std::string& text = s.texts[1];
      auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), flange);
      index2 = error == std::errc{} && end == text.data() + text.size() ? flange - 1 : -1;
      if (index2 >= static_cast<int>(at->second.size())) index2 = -1;
      index3 = Position(CorrugatedWebs(index), s.texts[4]);
      if (index2 < 0 || index3 < 0) {
        why = "(" + size + " " + Trimmed(s.texts[1]) + " " + Trimmed(s.texts[4]) + ": nie ma na liście)";
        return false;
      }
    } else if (!at->second.empty() && kept) {
      index2 = Position(at->second, s.texts[1]);
      if (index2 < 0) {
        why = "(" + size + " " + Trimmed(s.texts[1]) + ": nie ma na liście)";
        return false;
      }
    }
  }
  f.integers = {s.sub, s.variant, s.option, s.option2, s.mode, index, index2, index3};
  f.texts[2] = s.texts[2];
  f.texts[3] = s.texts[3];
  return true;
}

bool ZestawyChoice(const FigureRecord& header, const ProfileDatabase* db, TabChoice& c,
                   std::string& why) {
  const auto& h = header.selection;
  Selection& s = c.selection;
  s.kind = kZestawy;
  s.sub = h[1], s.variant = h[2], s.option = h[3], s.option2 = h[4], s.mode = h[5];
  if (!SetMemberOffered(s)) {
    why = "(zestaw nr " + std::to_string(s.sub) + ": profil " + std::to_string(s.variant) + ", " +
          std::to_string(s.option) + ", " + std::to_string(s.option2) + ")";
    return false;
  }
  if (s.mode < 1 || s.mode > SetLayouts(s.sub)) {
    why = "(układ nr " + std::to_string(s.mode) + ")";
    return false;
  }
  for (int place : {2, 3}) {
    const std::string& typed = header.dims[static_cast<size_t>(place)];
    if (!typed.empty() && !CalaLiczba(typed, "mm", true)) {
      why = "(rozstaw \"" + typed + "\")";
      return false;
    }
    s.setText(place, typed);
  }
  if (LippedChannelSet(s)) {
    const std::string designation = header.dims[0] + "x" + header.dims[1];
    if (!LippedDesignation(designation)) {
      why = "(ceownik czterogięty \"" + designation + "\")";
      return false;
    }
    s.setText(0, designation);
    return true;
  }
  const bool rolled = s.option2 == 0 && s.sub != kSetSquareTubes && s.sub != kSetRectTubes;
  if (!db && rolled && s.sub != kSetRoundTubes) {
    why = "(nie ma bazy danych)";
    return false;
  }
  const std::vector<CatalogueSize> lists = SetLists(db, s);
  const int index = h[6], index2 = h[7];
  if (index < 0 || index >= static_cast<int>(lists.size())) {
    why = "(profil nr " + std::to_string(index) + " poza listą)";
    return false;
  }
  const CatalogueSize& size = lists[static_cast<size_t>(index)];
  s.setText(0, size.size);
  s.size = index;
  s.size2 = index2;
  if (CorrugatedSet(s)) {
    const std::vector<std::string> webs = CorrugatedWebs(index);
    const int index3 = header.extraChoice;  // 1232
    if (index2 < 0 || index2 >= static_cast<int>(size.second.size()) || index3 < 0 ||
        index3 >= static_cast<int>(webs.size())) {
      why = "(pas nr " + std::to_string(index2) + ", środnik nr " + std::to_string(index3) +
            " poza listą)";
      return false;
    }
    s.setText(1, std::to_string(index2 + 1));
    s.setText(4, webs[static_cast<size_t>(index3)]);
    return true;
  }
  const bool kept =
      !(s.sub == kSetI && s.option2 == 0) || RolledSecondTextKept(0, s.variant, size.size);
  if (!size.second.empty() && kept) {
    if (index2 < 0 || index2 >= static_cast<int>(size.second.size())) {
      why = "(pozycja nr " + std::to_string(index2) + " drugiej listy poza listą)";
      return false;
    }
    s.setText(1, size.second[static_cast<size_t>(index2)]);
  }
  s.size = index;
  s.size2 = index2;
  return true;
}

// The timber header: 1204 the shape, 1208 1 for mechanical joints, 1212/1216/1220 the
// classes of the upper flange, the web and the lower flange, 1224 the battens (0 none, else
// 1 + the joint + 3 when outside), 1228/1232 "Otwory" of the upper and lower flange; the
// texts B1, H1, B2, H2, B3, H3, d1, d3 at their places; the spacings s1, s3 [mm], the span
// [m] and the members' gap [cm] in the spare doubles.
constexpr TimberEdit kTimberPlaces[6] = {kDrB1, kDrH1, kDrB2, kDrH2, kDrB3, kDrH3};

std::string Dimension(double value, const char* unit) {
  return FormatWymiaru(0, 0, 0, value) + unit;
}

void DrewnianeFields(const TabChoice& c, TabFields& f) {
  const Selection& s = c.selection;
  const TimberSettings& t = c.timber;
  const int battens = t.battens ? 1 + t.battenJoint + (t.battensOutside ? 3 : 0) : 0;
  f.integers = {s.sub,         t.mechanical ? 1 : 0, t.classes[0],     t.classes[1],
                t.classes[2],  battens,              t.holes1 ? 1 : 0, t.holes3 ? 1 : 0};
  for (int place = 0; place < 6; ++place)
    if (const int text = TimberText(s.sub, kTimberPlaces[place]); text >= 0)
      f.texts[place] = s.texts[text];
  f.texts[6] = Dimension(t.diameter1, " mm");
  f.texts[7] = Dimension(t.diameter3, " mm");
  const int gap = TimberText(s.sub, kDrAdr);
  f.reals = {t.spacing1, t.spacing3, t.span, gap >= 0 ? CzytajLiczbe(s.texts[gap]) : 0};
}

// a stored dimension text: one number and its unit
bool StoredNumber(const std::string& text, const char* unit, bool zeroAllowed) {
  if (!CalaLiczba(text, unit, false)) return false;
  const double v = CzytajLiczbe(text);
  return zeroAllowed ? v >= 0 : v > 0;
}

bool DrewnianeChoice(const FigureRecord& header, TabChoice& c, std::string& why) {
  const auto& h = header.selection;
  Selection& s = c.selection;
  TimberSettings& t = c.timber;
  s.kind = kDrewniane;
  s.sub = h[1];
  if (s.sub < 0 || s.sub >= kTimberShapes) {
    why = "(kształt nr " + std::to_string(s.sub) + ")";
    return false;
  }
  if (h[2] < 0 || h[2] > 1 || h[6] < 0 || h[6] > 6 || h[7] < 0 || h[7] > 1 ||
      header.extraChoice < 0 || header.extraChoice > 1) {
    why = "(łączniki: " + std::to_string(h[2]) + ", " + std::to_string(h[6]) + ", " +
          std::to_string(h[7]) + ", " + std::to_string(header.extraChoice) + ")";
    return false;
  }
  t.mechanical = h[2] == 1;
  for (int k = 0; k < 3; ++k) {
    const int number = h[3 + k];
    if (number < 0 || number > kTimberClasses) {
      why = "(klasa drewna nr " + std::to_string(number) + ")";
      return false;
    }
    // a member the shape does not have may keep no class
    t.classes[k] = number == 0 ? kDefaultTimberClass : number;
  }
  t.battens = h[6] > 0;
  if (t.battens) {
    t.battenJoint = (h[6] - 1) % 3;
    t.battensOutside = h[6] > 3;
  }
  t.holes1 = h[7] == 1;
  t.holes3 = header.extraChoice == 1;
  for (int place = 0; place < 6; ++place) {
    const int text = TimberText(s.sub, kTimberPlaces[place]);
    if (text < 0) continue;
    const std::string& typed = header.dims[place];
    if (!StoredNumber(typed, "cm", false)) {
      why = "(wymiar \"" + typed + "\")";
      return false;
    }
    s.setText(text, typed);
  }
  const double s1 = header.reserved[0], s3 = header.reserved[1], span = header.reserved[2],
               gap = header.reserved[3];
  if (!StoredNumber(header.dims[6], "mm", false) || !StoredNumber(header.dims[7], "mm", false) ||
      !(s1 > 0 && s1 < 1e5) || !(s3 > 0 && s3 < 1e5) || !(span > 0 && span < 1e3) ||
      !(gap >= 0 && gap < 1e4)) {
    why = "(łączniki: d1 \"" + header.dims[6] + "\", d3 \"" + header.dims[7] + "\")";
    return false;
  }
  t.diameter1 = CzytajLiczbe(header.dims[6]);
  t.diameter3 = CzytajLiczbe(header.dims[7]);
  t.spacing1 = s1;
  t.spacing3 = s3;
  t.span = span;
  if (const int text = TimberText(s.sub, kDrAdr); text >= 0) s.setText(text, Dimension(gap, " cm"));
  const double gradient = header.props[slot::s45];
  c.gradient = gradient > 0 ? gradient : 0;
  return true;
}

// the concrete header keeps the selection's texts at their own places
void ZelbetoweFields(const TabChoice& c, TabFields& f) {
  const Selection& s = c.selection;
  f.integers = {s.sub, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < 8; ++i) f.texts[i] = s.texts[i];
}

bool ZelbetoweChoice(const FigureRecord& header, TabChoice& c, std::string& why) {
  Selection& s = c.selection;
  s.kind = kZelbetowe;
  s.sub = header.selection[1];
  if (s.sub < 0 || s.sub >= kConcreteShapes) {
    why = "(kształt nr " + std::to_string(s.sub) + ")";
    return false;
  }
  for (int i = 0; i < 8; ++i) {
    const std::string& typed = header.dims[i];
    if (typed.empty()) continue;
    if (!StoredNumber(typed, "cm", true)) {
      why = "(wymiar \"" + typed + "\")";
      return false;
    }
    s.setText(i, typed);
  }
  const double gradient = header.props[slot::s45];
  c.gradient = gradient > 0 ? gradient : 0;
  return true;
}

}  // namespace

GeneratorSettings TabChoice::Settings(ProfileDatabase* db) const {
  GeneratorSettings g;
  g.exactFormulas = exactFormulas;
  g.corners = corners;
  g.hotRolledPipe = hotFinished;
  g.database = db;
  g.timber = timber;
  return g;
}

bool TabKeepsChoice(int kind) {
  return kind == kWalcowane || kind == kSpawane || kind == kGiete || kind == kZestawy ||
         kind == kProste || kind == kDrewniane || kind == kZelbetowe;
}

bool DepthVariationOffered(int family, int variant) {
  switch (family) {
    case 0:
    case kBox:
      return true;
    case kCircle:
      return variant == 0;
    case kPipe:
      return variant == 0 || variant == 3;
    case 4:
      return variant < 2;
    default:
      return false;
  }
}

bool RolledSecondTextKept(int sub, int variant, const std::string& size) {
  return !(IFamily(sub) && variant == kSeriesHL && Trimmed(size) != "1000");
}

std::vector<CatalogueSize> RolledSizes(const ProfileDatabase* db, int sub, int variant,
                                       int option) {
  std::vector<CatalogueSize> sizes;
  if (sub == kTube) {
    for (const TubeSize& t : SeamlessTubeSizes()) sizes.push_back({t.diameter, t.thicknesses});
  } else if (db) {
    sizes = CatalogueSizes(*db, sub, variant, option);
  }
  return sizes;
}

bool HeaderFields(const TabChoice& choice, const ProfileDatabase* db, TabFields& fields,
                  std::string& why) {
  fields = TabFields{};
  why.clear();
  switch (choice.selection.kind) {
    case kWalcowane:
      fields.present = true;
      return RolledFields(choice, db, fields, why);
    case kSpawane:
      fields.present = true;
      return WeldedFields(choice, db, fields, why);
    case kGiete:
      fields.present = true;
      return GieteFields(choice, fields, why);
    case kZestawy:
      fields.present = true;
      return ZestawyFields(choice, db, fields, why);
    case kProste:
      fields.present = true;
      ProsteFields(choice, fields);
      return true;
    case kDrewniane:
      fields.present = true;
      DrewnianeFields(choice, fields);
      return true;
    case kZelbetowe:
      fields.present = true;
      ZelbetoweFields(choice, fields);
      return true;
    default:
      return true;  // the tab keeps nothing of its own: the header keeps the figure's
  }
}

PropertiesRecord HeaderProperties(const PropertiesRecord& section, const TabChoice& choice) {
  PropertiesRecord header = section;
  // a multiple timber section says whether its members are joined by packs or gussets
  if (choice.selection.kind == kDrewniane)
    header[slot::d5] = TimberMembers(choice.selection.sub) && choice.timber.battens ? 1 : 0;
  if (choice.gradient > 0) {
    header[slot::s45] = choice.gradient;
    const std::string name = header.name();
    if (name.find("Zmienny") == std::string::npos) header.setName(name + "-Zmienny");
  }
  return header;
}

bool ChoiceFromHeader(const FigureRecord& header, const ProfileDatabase* db, TabChoice& choice,
                      std::string& why) {
  choice = TabChoice{};
  why.clear();
  switch (header.selection[0]) {
    case kWalcowane:
      return RolledChoice(header, db, choice, why);
    case kSpawane:
      return WeldedChoice(header, db, choice, why);
    case kGiete:
      return GieteChoice(header, choice, why);
    case kZestawy:
      return ZestawyChoice(header, db, choice, why);
    case kProste:
      return ProsteChoice(header, choice, why);
    case kDrewniane:
      return DrewnianeChoice(header, choice, why);
    case kZelbetowe:
      return ZelbetoweChoice(header, choice, why);
    default:
      why = "(ten rodzaj przekroju nie zapisuje wyboru)";
      return false;
  }
}

Selection SelectionToBuild(const TabChoice& choice) {
  Selection s = choice.selection;
  const bool varies = s.kind == kProste ? DepthVariationOffered(s.sub, s.variant)
                                        : s.kind == kDrewniane || s.kind == kZelbetowe;
  if (choice.gradient > 0 && varies) ZmiennaWysokosc(s, choice.gradient, 0);
  return s;
}

}  // namespace tarvik
