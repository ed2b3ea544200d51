#include "engine/cp1250.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tarvik {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // whole text; an input sequence the target cannot hold becomes '?' and is skipped by
  // skip(in) bytes
  template <typename Skip>
  std::string run(std::string_view text, Skip skip) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
      char* o = buffer;
      size_t oLeft = sizeof buffer;
      size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
      out.append(buffer, o - buffer);
      if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
      // EILSEQ or EINVAL: an unconvertible or truncated sequence
      size_t n = std::min(inLeft, skip(in, inLeft));
      out += '?';
      in += n;
      inLeft -= n;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// bytes of the UTF-8 sequence starting at p (1 for a stray byte)
size_t Utf8Length(const char* p, size_t left) {
  auto c = static_cast<unsigned char>(*p);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
  if (n > left) return 1;
  for (size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return 1;
  return n;
}

Converter& ToCp1250() {
  static thread_local Converter c("CP1250", "UTF-8");
  return c;
}

Converter& FromCp1250() {
  static thread_local Converter c("UTF-8", "CP1250");
  return c;
}

}  // namespace

std::string Utf8ToCp1250(std::string_view utf8) { return ToCp1250().run(utf8, Utf8Length); }

std::string Cp1250ToUtf8(std::string_view cp1250) {
  return FromCp1250().run(cp1250, [](const char*, size_t) { return size_t{1}; });
}

std::string TruncateCp1250(std::string_view utf8, size_t n) {
  std::string bytes = Utf8ToCp1250(utf8);
  if (bytes.size() > n) bytes.resize(n);
  return Cp1250ToUtf8(bytes);
}

}  // namespace tarvik
