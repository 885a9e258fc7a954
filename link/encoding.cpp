#include "link/encoding.h"

#include "link/encoding_convert.h"

namespace tesmar::link {

namespace detail {

// One UTF-8 character at the start of `s` (not empty). Overlong forms,
// surrogates and values above U+10FFFF are broken sequences; a broken
// sequence is as long as its lead byte and the continuation bytes that fit.
Decoded DecodeUtf8(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  if (lead < 0x80) return {true, 1, lead};
  size_t need;
  char32_t cp, min;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 2, cp = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 3, cp = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 4, cp = lead & 0x07, min = 0x10000;
  } else {
    return {};
  }
  size_t i = 1;
  for (; i < need && i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c & 0xC0) != 0x80) return {false, i, 0};
    cp = cp << 6 | (c & 0x3F);
  }
  if (i < need || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {false, i, 0};
  return {true, need, cp};
}

}  // namespace detail

using detail::ConvertValid;
using detail::Decoded;
using detail::DecodeUtf8;

namespace {

// The offset of the first broken sequence, or npos.
size_t FirstInvalid(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const Decoded d = DecodeUtf8(s.substr(i));
    if (!d.valid) return i;
    i += d.length;
  }
  return std::string_view::npos;
}

}  // namespace

Cp1251Text Utf8ToCp1251Exact(std::string_view utf8) {
  Cp1251Text r;
  const size_t bad = FirstInvalid(utf8);
  if (bad != std::string_view::npos) {
    r.fault = TextFault::kInvalidUtf8;
    r.offset = bad;
    return r;
  }
  size_t at = 0;
  std::string out;
  if (!ConvertValid(utf8, out, at)) {
    r.fault = TextFault::kNotInCp1251;
    r.offset = at;
    r.codePoint = at < utf8.size() ? DecodeUtf8(utf8.substr(at)).codePoint : 0;
    return r;
  }
  r.ok = true;
  r.text = std::move(out);
  return r;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string result;
  while (!utf8.empty()) {
    const size_t bad = FirstInvalid(utf8);
    const std::string_view valid = utf8.substr(0, bad);
    std::string out;
    size_t at = 0;
    const bool whole = ConvertValid(valid, out, at);
    result += out;
    if (whole && bad == std::string_view::npos) break;
    result += '?';
    // Past the character iconv refused, or past the broken sequence.
    const size_t from = whole ? bad : at;
    if (!whole && at >= valid.size()) return result;  // no converter at all
    utf8.remove_prefix(from + DecodeUtf8(utf8.substr(from)).length);
  }
  return result;
}

bool IsUtf8(std::string_view bytes) {
  return FirstInvalid(bytes) == std::string_view::npos;
}

std::string_view Utf8Prefix(std::string_view text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + DecodeUtf8(text.substr(end)).length;
    if (next > maxBytes) break;
    end = next;
  }
  return text.substr(0, end);
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

std::string PrintableUtf8(std::string_view bytes) {
  std::string out;
  while (!bytes.empty()) {
    const Decoded d = DecodeUtf8(bytes);
    const std::string_view piece = bytes.substr(0, d.length);
    if (d.valid && d.codePoint >= 0x20 && d.codePoint != 0x7F)
      out += piece;
    else
      for (char c : piece) out += '<' + HexBytes(std::string_view(&c, 1)) + '>';
    bytes.remove_prefix(d.length);
  }
  return out;
}

}  // namespace tesmar::link
