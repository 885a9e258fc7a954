#include <iconv.h>

#include <cerrno>

#include "link/encoding.h"
#include "link/encoding_convert.h"

namespace tesmar::link {

namespace detail {

bool ConvertValid(std::string_view in, std::string& out, size_t& faultAt) {
  out.clear();
  iconv_t cd = iconv_open("CP1251", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    faultAt = 0;
    return false;
  }
  std::string buf(in.size() + 4, '\0');  // never longer than its UTF-8
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = buf.data();
  size_t dstLeft = buf.size();
  const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  buf.resize(buf.size() - dstLeft);
  out = std::move(buf);
  faultAt = in.size() - srcLeft;
  return ok;
}

}  // namespace detail

std::string Cp1251ToUtf8(std::string_view cp1251) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(cp1251);
  std::string out(cp1251.size() * 3 + 4, '\0');
  char* src = const_cast<char*>(cp1251.data());
  size_t srcLeft = cp1251.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0 && dstLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno != EILSEQ && errno != EINVAL) break;
    // 98h has no character in Windows-1251: one '?' for it.
    *dst++ = '?';
    --dstLeft;
    ++src;
    --srcLeft;
  }
  out.resize(out.size() - dstLeft);
  iconv_close(cd);
  return out;
}

}  // namespace tesmar::link
