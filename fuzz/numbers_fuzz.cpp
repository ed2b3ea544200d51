// The number texts on any text: what is read from it, the text cleaned of its unit, and the
// formats of the number read and of a double made of the input's first eight bytes (any bits:
// infinities, NaN, subnormals). A number read is a number; a result shown with all its digits
// reads back as itself to the digits shown.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/numbers.h"
#include "fuzz/fuzz_support.h"

using namespace tarvik;

namespace {

void Formats(double value, const uint8_t* data, size_t size) {
  const uint8_t a = size > 0 ? data[0] : 0, b = size > 1 ? data[1] : 0;
  for (const int mode : {0, 1, 2}) (void)FormatWymiaru(mode, a % 40, b % 20, value);
  for (const int decimals : {-1, 0, 1, 4, b % 20}) {
    (void)FormatLiczby(decimals, " cm^4", value, false);
    (void)FormatLiczby(decimals, "°", value, true);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = CzytajLiczbe(text);
  if (!std::isfinite(value)) fuzz::Broken("a number read is not a number");
  std::string cleaned(text);
  OczyscWymiar(cleaned);
  if (!std::isfinite(CzytajLiczbe(cleaned))) fuzz::Broken("a number read is not a number");
  Formats(value, data, size);

  // shown with all its digits by magnitude (4 decimals below 1, none above 1000), the value
  // reads back to within half of its last digit
  const std::string shown = FormatLiczby(-1, "", value, true);
  const double back = CzytajLiczbe(shown);
  const double magnitude = std::abs(value);
  const double half = magnitude > 1000 ? 0.5 : magnitude > 100 ? 0.05 : magnitude > 10 ? 0.005
                      : magnitude > 1  ? 0.0005 : 0.00005;
  if (!(std::abs(back - value) <= half * (1 + 1e-9) + 1e-10 + std::abs(value) * 1e-15))
    fuzz::Broken("\"" + shown + "\" reads back as another number");

  if (size >= 8) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    Formats(raw, data + 8, size - 8);
  }
  return 0;
}
