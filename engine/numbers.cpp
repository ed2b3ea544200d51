#include "engine/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace tarvik {
namespace {

// room for the integer digits of the largest double, its sign and the point
constexpr int kFixedRoom = 320;
// room for the sign, leading digit, point and exponent of a scientific text
constexpr int kScientificRoom = 16;
// 1e-7 needs ten decimals to reach 999; anything needing more is not a number
constexpr int kMaxFigureDecimals = 12;
// quotients beyond this do not fit a long long, so they stay unrounded
constexpr double kLlroundLimit = 9e18;

bool IsKept(char c) { return (c >= '0' && c <= '9') || c == ',' || c == '-' || c == '.'; }

// digits, signs and separators in their order, up to the exponent of a unit
std::string KeptCharacters(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (c == '^') break;
    if (IsKept(c)) kept += c;
  }
  if (const std::size_t comma = kept.find(','); comma != std::string::npos) kept[comma] = '.';
  return kept;
}

// to_chars, not printf: the desktop build runs under the user's locale, which may write a comma
std::string Written(double value, std::chars_format format, int decimals, int room) {
  decimals = std::max(decimals, 0);
  std::string text(static_cast<std::size_t>(room + decimals), '\0');
  const auto [stop, error] =
      std::to_chars(text.data(), text.data() + text.size(), value, format, decimals);
  text.resize(error == std::errc{} ? static_cast<std::size_t>(stop - text.data()) : 0);
  return text;
}

std::string Fixed(double value, int decimals) {
  return Written(value, std::chars_format::fixed, decimals, kFixedRoom);
}

void StripFraction(std::string& text) {
  while (text.find('.') != std::string::npos && text.ends_with('0')) text.pop_back();
  if (text.ends_with('.')) text.pop_back();
}

std::string Tidy(std::string text) {
  StripFraction(text);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// only the mantissa is stripped: the zero of "E+10" is part of the exponent
std::string Scientific(double value, int decimals) {
  std::string text =
      Written(value, std::chars_format::scientific, std::max(decimals + 1, 1), kScientificRoom);
  const std::size_t mark = std::min(text.find('e'), text.size());
  const std::string exponent = text.substr(mark);
  text = Tidy(text.substr(0, mark));
  if (!exponent.empty()) text += 'E' + exponent.substr(1);
  return text;
}

std::string PadLeft(std::string text, int width) {
  if (width > static_cast<int>(text.size()))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

// the fewest decimals that still show three significant figures
int FigureDecimals(double value) {
  const double size = std::abs(value);
  if (size >= 999) return 0;
  double scale = 1;
  for (int decimals = 1; decimals < kMaxFigureDecimals; ++decimals) {
    scale *= 10;
    if (size * scale >= 999) return decimals;
  }
  return kMaxFigureDecimals;
}

double RoundLarge(double value) {
  const double size = std::abs(value);
  const double step = size > 1e6 ? 1000 : size > 1e5 ? 100 : size > 1e4 ? 10 : 1;
  const double quotient = value / step;
  if (step == 1 || !std::isfinite(quotient) || std::abs(quotient) >= kLlroundLimit) return value;
  return static_cast<double>(std::llround(quotient)) * step;
}

int MagnitudeDecimals(double value) {
  const double size = std::abs(value);
  if (size > 1000) return 0;
  if (size > 100) return 1;
  if (size > 10) return 2;
  if (size > 1) return 3;
  return 4;
}

std::string ByMagnitude(double value, bool showAllDigits) {
  if (!showAllDigits) value = RoundLarge(value);
  if (std::abs(value) < 1e-10) return "0,0";
  return Fixed(value, MagnitudeDecimals(value));
}

bool Blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && Blank(s.back())) s.remove_suffix(1);
  return s;
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool CalaLiczba(std::string_view text, std::string_view unit, bool signedMode) {
  text = Trimmed(text);
  unit = Trimmed(unit);
  if (!unit.empty() && text.ends_with(unit))
    text = Trimmed(text.substr(0, text.size() - unit.size()));
  if (signedMode && text.starts_with('-')) text.remove_prefix(1);
  size_t i = 0, digits = 0;
  for (; i < text.size() && Digit(text[i]); ++i) ++digits;
  if (i < text.size() && (text[i] == ',' || text[i] == '.'))
    for (++i; i < text.size() && Digit(text[i]); ++i) ++digits;
  return digits > 0 && i == text.size();
}

double CzytajLiczbe(std::string_view text) {
  const std::string kept = KeptCharacters(text);
  double value = 0;
  const auto [stop, error] = std::from_chars(kept.data(), kept.data() + kept.size(), value);
  return error == std::errc{} && std::isfinite(value) ? value : 0;
}

void OczyscWymiar(std::string& text) {
  text.erase(0, text.find_first_not_of(' '));
  for (const std::string_view unit : {" mm", " cm"}) {
    if (const std::size_t at = text.find(unit); at != std::string::npos) {
      text.erase(at, unit.size());
    }
  }
}

std::string FormatWymiaru(int mode, int width, int decimals, double value) {
  if (std::abs(value) < 1e-7) value = 0;
  if (value == 0) return "0.0";
  if (mode == 2) return PadLeft(Fixed(value, decimals), width);
  if (value > 1e10 || value < -1e10) return Scientific(value, decimals);
  return Tidy(Fixed(value, FigureDecimals(value)));
}

std::string FormatLiczby(int decimals, std::string_view suffix, double value, bool showAllDigits) {
  std::string text = decimals != -1 ? Fixed(value, decimals) : ByMagnitude(value, showAllDigits);
  text.erase(0, text.find_first_not_of(' '));
  text = Tidy(std::move(text));
  if (text == "-0") text = "0";
  return text + std::string(suffix);
}

std::string LiczbaOgolna(double value, int digits) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
  std::string s(text, error == std::errc{} ? end : text);
  std::replace(s.begin(), s.end(), '.', ',');
  return s;
}

}  // namespace tarvik
