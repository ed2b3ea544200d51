// Texts are UTF-8 in memory and Windows-1250 (cp1250) in stored records.
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// characters cp1250 cannot hold become '?'; invalid UTF-8 bytes likewise
std::string Utf8ToCp1250(std::string_view utf8);
// the five bytes cp1250 leaves undefined become '?'
std::string Cp1250ToUtf8(std::string_view cp1250);
// the text as a short string[n] would store it: at most n cp1250 characters, the ones
// cp1250 cannot hold already replaced
std::string TruncateCp1250(std::string_view utf8, size_t n);

}  // namespace tarvik
