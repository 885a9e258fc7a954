#include "encoding.h"

#include <iconv.h>

#include <cerrno>

namespace tesmar::link {

namespace {

std::string Convert(const char* to, const char* from, std::string_view in, size_t skipOnError) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno != EILSEQ && errno != EINVAL) break;
    // Unconvertible or broken input: one '?' for it, then go on.
    if (dstLeft == 0) break;
    *dst++ = '?';
    --dstLeft;
    size_t skip = 1;
    if (skipOnError > 1) {  // skip a whole UTF-8 sequence
      const auto lead = static_cast<unsigned char>(*src);
      skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (skip > srcLeft) skip = srcLeft;
    }
    src += skip;
    srcLeft -= skip;
  }
  out.resize(out.size() - dstLeft);
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  return Convert("CP1251", "UTF-8", utf8, 4);
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  return Convert("UTF-8", "CP1251", cp1251, 1);
}

std::string HexBytes(std::string_view bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += hex[c >> 4];
    out += hex[c & 15];
  }
  return out;
}

std::string PrintableCp1251(std::string_view cp1251) {
  std::string escaped;
  for (unsigned char c : cp1251) {
    if (c < 0x20 || c == 0x7F) {
      escaped += '<' + HexBytes(std::string_view(reinterpret_cast<const char*>(&c), 1)) + '>';
    } else {
      escaped += static_cast<char>(c);
    }
  }
  return Cp1251ToUtf8(escaped);
}

}  // namespace tesmar::link
