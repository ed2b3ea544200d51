#include "generators/cold_formed_choice.h"

#include <string>

#include "generators/cold_formed.h"

namespace tarvik {
namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// the item and option whose catalogue code this is; false for none
bool ItemOf(std::string_view code, int& item, int& option) {
  const std::string wanted = Upper(code);
  for (item = 0; item < kColdItems; ++item)
    for (option = 0; option < 2; ++option) {
      const std::string own = ColdCode(item, option);
      if (!own.empty() && Upper(own) == wanted) return true;
    }
  return false;
}

}  // namespace

bool ColdSelectionFor(std::string_view code, std::string_view designation, Selection& s) {
  int item = 0, option = 0;
  if (!ItemOf(code, item, option)) return false;
  s = Selection{};
  s.kind = kGiete;
  s.variant = item;
  s.option = item == kColdLipZ ? option : 0;
  s.mode = kColdCatalogue;
  const std::vector<std::string>& sizes = ColdSizes(item);
  for (size_t i = 0; i < sizes.size(); ++i) {
    const std::vector<std::string> thicknesses = ColdThicknesses(item, static_cast<int>(i));
    if (thicknesses.empty() && ColdDesignation(item, sizes[i], "") == designation) {
      s.setText(0, sizes[i]);
      s.size = static_cast<int32_t>(i);
      return true;
    }
    for (size_t j = 0; j < thicknesses.size(); ++j)
      if (ColdDesignation(item, sizes[i], thicknesses[j]) == designation) {
        s.setText(0, sizes[i]);
        s.setText(1, thicknesses[j]);
        s.size = static_cast<int32_t>(i);
        s.size2 = static_cast<int32_t>(j);
        return true;
      }
  }
  // not on the lists: the designation as given, its thickness after the last "x"
  const std::string given = Trimmed(std::string(designation));
  const size_t x = given.rfind('x');
  const bool channel = item == kColdChannelA || item == kColdChannelB;
  if (channel || x == std::string::npos) {
    s.setText(0, given);
  } else {
    s.setText(0, given.substr(0, x));
    s.setText(1, given.substr(x + 1));
  }
  return true;
}

}  // namespace tarvik
