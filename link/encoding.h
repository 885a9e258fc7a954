// Windows-1251 <-> UTF-8, for the places where wire text meets a person or a
// UTF-8 source literal meets the wire.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesmar::link {

enum class TextFault {
  kNone,
  kInvalidUtf8,  // a byte that does not begin or continue a UTF-8 character
  kNotInCp1251,  // a character Windows-1251 has no byte for
};

struct Cp1251Text {
  bool ok = false;
  std::string text;  // the Windows-1251 bytes when ok; empty otherwise
  TextFault fault = TextFault::kNone;
  size_t offset = 0;       // where in the UTF-8 input the fault begins
  char32_t codePoint = 0;  // the character at fault (kNotInCp1251)
};

// Converts typed text for the wire, without loss: any fault gives ok false,
// no text, and what was wrong where.
Cp1251Text Utf8ToCp1251Exact(std::string_view utf8);

// For texts known to convert (source literals): whatever cannot becomes one
// '?' per faulty character or broken byte sequence.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);
// Whether `bytes` are UTF-8 throughout: no broken or overlong sequence.
bool IsUtf8(std::string_view bytes);
// The longest start of UTF-8 `text` of at most `maxBytes` bytes that does
// not end inside a character.
std::string_view Utf8Prefix(std::string_view text, size_t maxBytes);
// Bytes as upper-case hexadecimal, two digits each.
std::string HexBytes(std::string_view bytes);
// Windows-1251 bytes as UTF-8 for a person to read, control bytes as <XX>.
std::string PrintableCp1251(std::string_view cp1251);
// Arbitrary bytes as UTF-8 for a person to read: valid UTF-8 as it stands,
// control bytes and every byte of a broken sequence as <XX>.
std::string PrintableUtf8(std::string_view bytes);

}  // namespace tesmar::link
