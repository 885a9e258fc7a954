// The converter under encoding.cpp: iconv on POSIX (encoding_iconv.cpp), the
// Windows-1251 table on Windows (encoding_win.cpp).
#pragma once

#include <string>
#include <string_view>

namespace tesmar::link::detail {

struct Decoded {
  bool valid = false;
  size_t length = 1;  // bytes taken: the character, or the broken sequence
  char32_t codePoint = 0;
};

// One UTF-8 character at the start of `s` (not empty). Overlong forms,
// surrogates and values above U+10FFFF are broken sequences; a broken
// sequence is as long as its lead byte and the continuation bytes that fit.
Decoded DecodeUtf8(std::string_view s);

// Converts valid UTF-8 to Windows-1251 into `out`; on a character without a
// Windows-1251 byte returns false with its offset, `out` holding the bytes
// before it.
bool ConvertValid(std::string_view in, std::string& out, size_t& faultAt);

}  // namespace tesmar::link::detail
