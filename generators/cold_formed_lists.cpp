// The " Gięte " tab's fixed lists, the thickness rule of the catalogue and the bend radii.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/numbers.h"
#include "generators/cold_formed.h"

namespace tarvik {
namespace {

constexpr const char* kCaptions[kColdItems] = {
    "Ceownik (Rm<500MPa) *",     "Ceownik (Rm>500MPa)",        "Ceownik czterogięty *",
    "Kątownik R (Rm<500MPa) *",  "Kątownik R (Rm>500MPa)",     "Kątownik N (Rm<500MPa) *",
    "Kątownik N (Rm>500MPa)",    "Kątownik trójgięty *",       "Zetownik czterogięty *",
    "Kapeluszowy *",             "Typu Sigma *",               "Rura kwadratowa *",
    "Rura prostokątna *"};

bool Valid(int item) { return item >= 0 && item < kColdItems; }

std::vector<std::string> Blanked(std::initializer_list<const char*> sizes) {
  std::vector<std::string> list;
  for (const char* s : sizes) list.push_back(std::string(" ") + s);
  return list;
}

// numbers right-aligned to a width, as the lists show bare numbers
std::vector<std::string> Padded(std::initializer_list<int> values, int width) {
  std::vector<std::string> list;
  for (int v : values) {
    char text[16];
    std::snprintf(text, sizeof text, "%*d", width, v);
    list.push_back(text);
  }
  return list;
}

const std::vector<std::string>& SizesOf(int item) {
  static const std::vector<std::string> none;
  static const std::vector<std::string> channelA = Blanked(
      {"50x32x2",   "50x35x3",   "50x40x4",   "50x50x3",   "54x15x2",   "60x32x3",
       "60x40x3",   "65x45x3",   "70x50x4",   "70x50x5",   "80x40x3",   "80x45x5",
       "80x45x6",   "80x50x4",   "80x60x4",   "80x60x5",   "84x20x2",   "100x16x3",
       "100x50x4",  "100x50x5",  "100x50x6",  "100x60x4",  "100x60x5",  "100x60x6",
       "120x50x4",  "120x50x5",  "120x60x4",  "120x60x5",  "120x60x6",  "120x80x5",
       "120x80x6",  "140x50x5",  "140x60x4",  "140x60x5",  "140x80x5",  "140x80x6",
       "160x80x5",  "160x80x6",  "180x80x5",  "180x80x6",  "180x100x7", "200x70x6",
       "200x80x5",  "200x80x6",  "200x100x6", "220x100x7", "240x100x6", "240x120x7"});
  static const std::vector<std::string> channelB = Blanked(
      {"50x40x4",   "60x40x3",   "70x50x4",   "70x50x5",   "80x45x5",   "80x45x6",
       "80x60x4",   "80x60x5",   "100x50x4",  "100x50x5",  "100x50x6",  "100x60x4",
       "100x60x5",  "100x60x6",  "120x50x4",  "120x50x5",  "120x60x4",  "120x60x5",
       "120x60x6",  "120x80x5",  "120x80x6",  "140x50x5",  "140x60x4",  "140x60x5",
       "140x80x5",  "140x80x6",  "160x80x5",  "160x80x6",  "180x80x5",  "180x80x6",
       "180x100x7", "200x70x6",  "200x80x5",  "200x80x6",  "200x100x7", "220x100x6",
       "220x100x7", "240x100x6", "240x120x7"});
  static const std::vector<std::string> angleRA =
      Padded({30, 35, 40, 45, 50, 60, 75, 80, 100, 120, 160, 200}, 4);
  static const std::vector<std::string> angleRB =
      Padded({40, 45, 50, 60, 75, 80, 100, 120, 160, 200}, 4);
  static const std::vector<std::string> angleNA = Blanked(
      {"30x15", "30x20", "30x25", "35x20", "35x25", "40x20",  "40x25",  "40x30",  "40x35",
       "50x20", "50x25", "50x30", "50x35", "50x40", "50x45",  "60x20",  "60x30",  "60x40",
       "70x40", "70x50", "80x40", "80x50", "100x50", "120x80", "160x80", "160x100", "200x120"});
  static const std::vector<std::string> angleNB = Blanked(
      {"50x40", "50x45", "60x40", "80x40", "100x50", "120x80", "160x80", "160x100", "200x120"});
  static const std::vector<std::string> lipAngle = Blanked(
      {"40x20", "45x20", "50x20", "60x18", "60x20",  "60x25",  "70x20",  "70x25",  "75x25",  "80x25",
       "90x30", "100x25", "100x30", "100x40", "120x30", "120x35", "120x40", "150x40", "170x50", "180x50"});
  static const std::vector<std::string> lipZ =
      Blanked({"180x70x60x20", "240x96x84x25", "300x88x72x25"});
  static const std::vector<std::string> hat =
      Blanked({"25x40x15", "40x40x15", "60x57x25", "100x60x25", "150x100x25"});
  static const std::vector<std::string> sigma = Padded({140, 170, 200, 230, 260, 300, 350}, 4);
  static const std::vector<std::string> squareTube =
      Padded({40, 45, 50, 60, 70, 75, 80, 90, 100, 110, 120, 125, 130}, 4);
  static const std::vector<std::string> rectTube =
      Blanked({"50x30", "60x40", "70x25", "70x35", "80x40", "100x50"});
  switch (item) {
    case kColdChannelA: return channelA;
    case kColdChannelB: return channelB;
    case kColdAngleRA: return angleRA;
    case kColdAngleRB: return angleRB;
    case kColdAngleNA: return angleNA;
    case kColdAngleNB: return angleNB;
    case kColdLipAngle: return lipAngle;
    case kColdLipZ: return lipZ;
    case kColdHat: return hat;
    case kColdSigma: return sigma;
    case kColdSquareTube: return squareTube;
    case kColdRectTube: return rectTube;
    default: return none;
  }
}

// the numbers of a designation "60x40" in order
std::vector<double> Numbers(std::string_view size) {
  std::vector<double> values;
  std::string part;
  auto flush = [&] {
    if (!part.empty()) values.push_back(CzytajLiczbe(part));
    part.clear();
  };
  for (char c : size) {
    if (c == 'x')
      flush();
    else if (c != ' ')
      part += c;
  }
  flush();
  return values;
}

// the thickness text of a series value: "1,5", "2"
std::string ThicknessText(double g) {
  return g == std::floor(g) ? std::to_string(static_cast<int>(g)) : FormatWymiaru(0, 0, 0, g);
}

// The smallest flat width [mm] of a catalogue profile of that size made g thick, its bends
// of the catalogue radius (tubes: the cold-formed corners of EN 10219). The flat of a plate
// between two bends is its outer length less both outer radii; a free edge takes none.
double SmallestFlat(int item, const std::vector<double>& n, double g) {
  const double R = g + kCatalogueBendRadius * g;
  switch (item) {
    case kColdAngleRA:
    case kColdAngleRB:
      return n.at(0) - R;
    case kColdAngleNA:
    case kColdAngleNB:
      return std::min(n.at(0), n.at(1)) - R;
    case kColdLipAngle:  // legs bent at the corner and at the lip; the lips once
      return std::min(n.at(0) - 2 * R, n.at(1) - R);
    case kColdHat:  // H x B x C: webs and crown between two bends, the feet from one
      return std::min({n.at(0) - 2 * R, n.at(1) - 2 * R, n.at(2) - g - kCatalogueBendRadius * g});
    case kColdSquareTube:
    case kColdRectTube: {
      const double outer = TubeOuterRadius(g, false);
      return *std::min_element(n.begin(), n.end()) - 2 * outer;
    }
    default:
      return 0;
  }
}

}  // namespace

const char* ColdCaption(int item) { return Valid(item) ? kCaptions[item] : ""; }

bool ColdOwnDimensionsOffered(int item) {
  const std::string_view c = ColdCaption(item);
  return c.size() >= 2 && c.substr(c.size() - 2) == " *";
}

bool ColdCatalogueOffered(int item) { return Valid(item) && item != kColdLipChannel; }

const char* ColdNoCatalogueReason(int item) {
  return item == kColdLipChannel
             ? "Oznaczenie profilu nie ustala długości zagięcia C, a żadna opublikowana tablica "
               "jej nie podaje: tylko własne wymiary"
             : "";
}

const char* ColdCatalogueCaption(int item) {
  return item == kColdSigma ? "Katalog Pruszyński" : "Katalog Arkady";
}

const char* ColdCode(int item, int option) {
  static constexpr const char* kCodes[kColdItems] = {"CGa",  "CGb",  "",    "KRga", "KRgb",
                                                     "KNga", "KNgb", "K3G", "Z4G",  "KAP",
                                                     "",     "RKg",  "RPg"};
  if (item == kColdLipZ && option == 1) return "Z4G2";
  return Valid(item) ? kCodes[item] : "";
}

const char* ColdNamePrefix(int item) {
  static constexpr const char* kPrefixes[kColdItems] = {"Cg", "Cg", "Cg",  "Lg", "Lg",
                                                        "Lg", "Lg", "Lg ", "Zg", "Kg",
                                                        "Sigma", "Rg", "Rg"};
  return Valid(item) ? kPrefixes[item] : "";
}

const std::vector<std::string>& ColdSizes(int item) { return SizesOf(item); }

std::vector<std::string> ColdThicknesses(int item, int sizeIndex) {
  const std::vector<std::string>& sizes = SizesOf(item);
  if (sizeIndex < 0 || sizeIndex >= static_cast<int>(sizes.size())) return {};
  switch (item) {
    case kColdChannelA:
    case kColdChannelB:
      return {};
    case kColdLipZ:
      return {"2", "3", "4"};
    case kColdSigma:
      return {"1,5", "2,0", "2,5", "3,0", "3,5"};
    default:
      break;
  }
  // the series, each thickness kept while the narrowest flat stays at least five times as
  // wide as the plate is thick
  const std::vector<double> n = Numbers(sizes[sizeIndex]);
  std::vector<std::string> list;
  for (double g : kColdThicknessSeries)
    if (SmallestFlat(item, n, g) >= 5 * g - 1e-9) list.push_back(ThicknessText(g));
  return list;
}

std::string ColdDesignation(int item, std::string_view size, std::string_view thickness) {
  std::string designation(size);
  OczyscWymiar(designation);
  if (item == kColdChannelA || item == kColdChannelB) return designation;
  std::string t(thickness);
  OczyscWymiar(t);
  return designation + "x" + t;
}

std::vector<ColdField> ColdFields(int item, int option) {
  static constexpr ColdField kG{"Grubość g", "2 mm"}, kR{"Promień r", "1,5 x g"};
  switch (item) {
    case kColdChannelA:
    case kColdChannelB:
      return {{"Wysokość H", "100 mm"}, {"Szerokość B", "50 mm"}, {"Grubość g", "3 mm"}, kR};
    case kColdLipChannel:
      return {{"Wysokość H", "200 mm"},
              {option == 1 ? "Szer. B/2" : "Szerokość B", "80 mm"},
              {"Zagięcie C", "20 mm"},
              kG,
              kR};
    case kColdAngleRA:
    case kColdAngleRB:
      return {{"Wymiar S", "50 mm"}, {"Grubość g", "3 mm"}, kR};
    case kColdAngleNA:
    case kColdAngleNB:
      return {{"Wymiar S", "60 mm"}, {"Wymiar B", "40 mm"}, {"Grubość g", "3 mm"}, kR};
    case kColdLipAngle:
      return {{"Wymiar S", "60 mm"}, {"Wymiar B", "20 mm"}, kG, kR};
    case kColdLipZ:
      return {{"Wysokość H", "200 mm"}, {"Szer.górna", "70 mm"}, {"C górne", "20 mm"},
              {"Szer.dolna", "60 mm"},  {"C dolne", "20 mm"},    kG,
              kR};
    case kColdHat:
      return {{"Wysokość H", "60 mm"}, {"Szerokość B", "57 mm"}, {"Dołem C", "25 mm"}, kG, kR};
    case kColdSigma:
      return {{"Wysokość H", "200 mm"}, {"Szerokość", "70 mm"}, {"Wysokość h", "90 mm"},
              {"Głębokość", "25 mm"},   {"Zagięcie", "16 mm"},  kG,
              {"Promień r", "5 mm"}};
    case kColdSquareTube:
      return {{"Wymiar S", "100 mm"}, {"Grubość g", "4 mm"}, {"Promień r", kRadiusByStandard}};
    case kColdRectTube:
      return {{"Wysokość H", "100 mm"},
              {"Szerokość S", "50 mm"},
              {"Grubość g", "4 mm"},
              {"Promień r", kRadiusByStandard}};
    default:
      return {};
  }
}

double TubeOuterRadius(double g, bool hotFinished) {
  if (hotFinished) return 1.5 * g;
  return g <= 6 ? 2 * g : g <= 10 ? 2.5 * g : 3 * g;
}

double TubeInnerRadius(double g, bool hotFinished) {
  return hotFinished ? 1.0 * g : TubeOuterRadius(g, false) - g;
}

bool RadiusByStandard(std::string_view text) {
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  return first == std::string_view::npos || text.substr(first, last - first + 1) == kRadiusByStandard;
}

std::optional<double> ReadBendRadius(std::string_view text, double g, double byStandard) {
  if (RadiusByStandard(text)) return byStandard;
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  text = text.substr(first, last - first + 1);
  // "1,5 x g", "1,5xg": a multiple of the thickness
  if (text.back() == 'g') {
    std::string_view number = text.substr(0, text.size() - 1);
    while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
    if (number.empty() || number.back() != 'x') return std::nullopt;
    number.remove_suffix(1);
    if (!CalaLiczba(number, "", false)) return std::nullopt;
    return CzytajLiczbe(number) * g;
  }
  if (!CalaLiczba(text, "mm", false) && !CalaLiczba(text, "", false)) return std::nullopt;
  return CzytajLiczbe(text);
}

bool ColdCatalogueHeld(const ProfileDatabase& db, int item) {
  const std::string code = ColdCode(item);
  if (code.empty()) return false;
  FileState state;
  return !db.Designations(code, &state).empty();
}

}  // namespace tarvik
