// Number texts: how every number the user types is read and every result is shown.
// Texts are UTF-8 in memory; the decimal separator shown is always the comma.
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// the number inside a text such as "200 mm", "12,5 cm^2" or "90°": digits, ',', '.' and '-'
// are kept in order, everything else is skipped, reading stops at the first '^' (so the
// exponent of a unit is never read as a digit); the first ',' is taken as the decimal point.
// Kept characters that do not form a number give the value of their longest valid prefix,
// or 0 when there is none.
double CzytajLiczbe(std::string_view text);

// whether text is one number and nothing else: blanks around it, digits with at most one
// decimal comma or point ("12,5", ",5", "12."), a minus right before the digits only when
// signedMode, and after it, blanks allowed between, the unit if one is given ("250 mm",
// "90°"). "1e5", "1-2", "12x4" and "25 cm" (under "mm") are not; CzytajLiczbe would read them
// as 15, 12, 124 and 25. The blanks of unit are ignored.
bool CalaLiczba(std::string_view text, std::string_view unit, bool signedMode);

// drops leading blanks and the first " mm", then the first " cm" (a unit written without
// the blank stays)
void OczyscWymiar(std::string& text);

// a dimension as the text of an input field, without its unit. Mode 2 is the plain
// fixed-point text (width, decimals); any other mode keeps at least three significant
// figures, drops trailing zeros and shows a decimal comma. Zero is always "0.0".
std::string FormatWymiaru(int mode, int width, int decimals, double value);

// value in general format with at most `digits` significant figures and a decimal comma:
// 12.5 -> "12,5", 1e30 -> "1e+30"
std::string LiczbaOgolna(double value, int digits);

// a result as display text followed by suffix (" cm^4", " mm", "°", ...). decimals = -1
// picks the decimals by magnitude and, unless showAllDigits is set, rounds large values
// to three or four significant figures.
std::string FormatLiczby(int decimals, std::string_view suffix, double value,
                         bool showAllDigits = false);

}  // namespace tarvik
