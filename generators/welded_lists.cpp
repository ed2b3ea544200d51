// The "Spawane" tab's fixed lists, the "WT" shear areas and the welded lookup keys.
#include <algorithm>
#include <cstdio>

#include "engine/numbers.h"
#include "generators/welded.h"

namespace tarvik {
namespace {

// right-aligned to a width, as the lists show numbers
std::string Padded(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%*d", width, value);
  return text;
}

std::vector<std::string> PaddedList(std::initializer_list<int> values, int width) {
  std::vector<std::string> list;
  for (int v : values) list.push_back(Padded(v, width));
  return list;
}

// the numbered variants of each "IKS" and "IKSH" size, in the order of their sizes
constexpr int kIksVariants[] = {2, 2, 6, 12, 16, 12, 12, 12, 16, 15, 15, 16, 16, 12, 12};
constexpr int kIkshVariants[] = {4, 4, 6, 12, 12, 12, 12, 12, 11, 15, 15, 8, 8, 12, 12};

// "WT": flanges offered per height (the first n of the 19), the web thicknesses of each
// height with their shear areas Avy [cm^2]
struct Corrugated {
  int height;
  int flanges;
  double avy20, avy25, avy30;  // 0: no such web
};
constexpr Corrugated kCorrugated[] = {
    {500, 12, 8.5, 10.63, 0},      {625, 12, 10.63, 13.28, 0},  {750, 16, 12.75, 15.94, 19.13},
    {1000, 16, 17.0, 21.25, 25.5}, {1250, 19, 0, 26.56, 31.88}, {1500, 19, 0, 31.88, 38.25},
};

const Corrugated* CorrugatedAt(int sizeIndex) {
  return sizeIndex >= 0 && sizeIndex < static_cast<int>(std::size(kCorrugated))
             ? &kCorrugated[sizeIndex]
             : nullptr;
}

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> list;
  for (int i = 1; i <= n; ++i) list.push_back(Padded(i, 3));
  return list;
}

}  // namespace

int ParentSeries(int parent) {
  switch (parent) {
    case kParentIPE:
      return kSeriesIPE;
    case kParentHEB:
      return kSeriesHEB;
    default:
      return kSeriesNormalny;
  }
}

const std::vector<std::string>& WeldedSizes(int sub) {
  static const std::vector<std::string> ipbs = {
      " 300",  " 320", " 340",  " 360", " 400",  " 450p", " 450", " 500p", " 500",
      " 550p", " 550", " 600p", " 600", " 650p", " 650",  " 700p", " 700"};
  static const std::vector<std::string> hks = PaddedList({300, 340, 360, 400, 450, 500, 550}, 4);
  static const std::vector<std::string> iks = PaddedList(
      {600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900, 2000}, 5);
  static const std::vector<std::string> wt = PaddedList({500, 625, 750, 1000, 1250, 1500}, 5);
  static const std::vector<std::string> none;
  switch (sub) {
    case kWeldedIPBS:
      return ipbs;
    case kWeldedHKS:
      return hks;
    case kWeldedIKS:
    case kWeldedIKSH:
      return iks;
    case kWeldedWT:
      return wt;
    default:
      return none;
  }
}

const std::vector<std::string>& CorrugatedFlanges() {
  static const std::vector<std::string> flanges = {
      " 200x12", " 220x12", " 250x12", " 300x12", " 220x15", " 250x15", " 300x15",
      " 350x15", " 250x20", " 300x20", " 350x20", " 400x20", " 300x25", " 350x25",
      " 400x25", " 450x25", " 350x30", " 400x30", " 450x30"};
  return flanges;
}

std::vector<std::string> WeldedSecond(int sub, int sizeIndex) {
  const int sizes = static_cast<int>(WeldedSizes(sub).size());
  if (sizeIndex < 0 || sizeIndex >= sizes) return {};
  switch (sub) {
    case kWeldedHKS:
      return Numbered(sizeIndex < 4 ? 6 : 5);
    case kWeldedIKS:
      return Numbered(kIksVariants[sizeIndex]);
    case kWeldedIKSH:
      return Numbered(kIkshVariants[sizeIndex]);
    case kWeldedWT: {
      const auto& all = CorrugatedFlanges();
      return {all.begin(), all.begin() + CorrugatedAt(sizeIndex)->flanges};
    }
    default:
      return {};
  }
}

std::vector<std::string> CorrugatedWebs(int sizeIndex) {
  std::vector<std::string> webs;
  if (const Corrugated* c = CorrugatedAt(sizeIndex)) {
    if (c->avy20 > 0) webs.push_back(" 2.0");
    if (c->avy25 > 0) webs.push_back(" 2.5");
    if (c->avy30 > 0) webs.push_back(" 3.0");
  }
  return webs;
}

double CorrugatedShearArea(std::string_view height, double web) {
  std::string text(height);
  OczyscWymiar(text);
  for (const Corrugated& c : kCorrugated)
    if (text == std::to_string(c.height)) {
      if (web == 2.0) return c.avy20;
      if (web == 2.5) return c.avy25;
      if (web == 3.0) return c.avy30;
      return 0;
    }
  return 0;
}

const char* WeldedCode(int sub) {
  static const char* kCodes[] = {"IPBS", "HKS", "IKS", "IKSH", "WT"};
  return sub >= 0 && sub <= kWeldedWT ? kCodes[sub] : "";
}

CatalogueKey WeldedKeyOf(const Selection& s) {
  if (s.sub == kWeldedCastellated) {
    if (s.variant < 0 || s.variant >= kParents) return {};
    Selection parent = s;
    parent.kind = kWalcowane;
    parent.sub = 0;
    parent.variant = ParentSeries(s.variant);
    parent.option = s.variant == kParentNormalny ? s.option : 0;
    parent.setText(1, "");
    return KeyOf(parent);
  }
  const std::string code = WeldedCode(s.sub);
  if (code.empty()) return {};
  auto text = [&](int i) {
    std::string t = s.texts.at(i);
    t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
    return t;
  };
  CatalogueKey k;
  k.code = code;
  std::string size = s.texts[0];
  OczyscWymiar(size);
  k.designation = s.sub == kWeldedIPBS ? size : size + "-" + text(1);
  k.name = code + k.designation;
  return k;
}

bool WeldedSelectionFor(std::string_view code, std::string_view designation, std::string_view web,
                        Selection& s) {
  s = Selection{};
  s.kind = kSpawane;
  int sub = 0;
  while (sub <= kWeldedWT && code != WeldedCode(sub)) ++sub;
  if (sub > kWeldedWT) return false;
  s.sub = s.variant = sub;
  const std::string des(designation);
  const size_t dash = des.find('-');
  if ((sub == kWeldedIPBS) != (dash == std::string::npos)) return false;
  const std::string size = des.substr(0, dash);
  // the texts as the lists show them, where they do
  auto listed = [](const std::vector<std::string>& list, const std::string& text) {
    for (const std::string& item : list) {
      std::string t = item;
      t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
      if (t == text) return item;
    }
    return text;
  };
  const auto& sizes = WeldedSizes(sub);
  s.setText(0, listed(sizes, size));
  if (sub == kWeldedIPBS) return true;
  const std::string second = des.substr(dash + 1);
  if (sub != kWeldedWT) {
    s.setText(1, listed(Numbered(99), second));
    return true;
  }
  s.setText(1, second);
  // the web as its list writes it when it is one of the three thicknesses
  s.setText(2, web);
  for (const char* item : {" 2.0", " 2.5", " 3.0"})
    if (CzytajLiczbe(item) == CzytajLiczbe(std::string(web))) s.setText(2, item);
  return true;
}

bool CastellatedSelectionFor(const Selection& rolled, bool high, Selection& s) {
  if (rolled.kind != kWalcowane || rolled.sub != 0) return false;
  int parent = 0;
  while (parent < kParents && ParentSeries(parent) != rolled.variant) ++parent;
  if (parent == kParents) return false;
  s = rolled;
  s.kind = kSpawane;
  s.sub = kWeldedCastellated;
  s.variant = parent;
  s.option2 = high ? 1 : 0;
  return true;
}

bool WeldedSeriesHeld(const ProfileDatabase& db, int sub) {
  if (sub == kWeldedPipe) return true;
  if (sub == kWeldedCastellated) {
    for (int parent = 0; parent < kParents; ++parent)
      if (!CatalogueSizes(db, 0, ParentSeries(parent), 0).empty()) return true;
    return false;
  }
  const char* code = WeldedCode(sub);
  return *code && !db.Designations(code).empty();
}

}  // namespace tarvik
