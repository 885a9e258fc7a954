// Windows-1251 by its table: the program's conversions then do not depend on
// the code pages a Windows installation (or Wine) happens to carry.
#include "link/encoding.h"
#include "link/encoding_convert.h"

namespace tesmar::link {

namespace {

// The characters of 80h to BFh; C0h to FFh are U+0410 to U+044F in order.
// 98h has none.
constexpr char16_t kUpper[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80h
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88h
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90h
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98h
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0h
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8h
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0h
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8h
};

char32_t CharOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kUpper[byte - 0x80];
}

// The byte of `cp`, or false when Windows-1251 has none.
bool ByteOf(char32_t cp, char& byte) {
  if (cp < 0x80) {
    byte = static_cast<char>(cp);
    return true;
  }
  if (cp >= 0x0410 && cp <= 0x044F) {
    byte = static_cast<char>(0xC0 + (cp - 0x0410));
    return true;
  }
  for (int i = 0; i < 64; ++i)
    if (kUpper[i] != 0 && kUpper[i] == cp) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  return false;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

namespace detail {

bool ConvertValid(std::string_view in, std::string& out, size_t& faultAt) {
  out.clear();
  for (size_t i = 0; i < in.size();) {
    const Decoded d = DecodeUtf8(in.substr(i));
    char byte;
    if (!d.valid || !ByteOf(d.codePoint, byte)) {
      faultAt = i;
      return false;
    }
    out += byte;
    i += d.length;
  }
  faultAt = in.size();
  return true;
}

}  // namespace detail

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (unsigned char c : cp1251) {
    const char32_t cp = CharOf(c);
    if (cp == 0 && c != 0)
      out += '?';  // 98h has no character in Windows-1251
    else
      AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace tesmar::link
