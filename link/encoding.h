// Windows-1251 <-> UTF-8, for the places where wire text meets a person or a
// UTF-8 source literal meets the wire.
#pragma once

#include <string>
#include <string_view>

namespace tesmar::link {

// Characters without a Windows-1251 form become '?'.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);
// Bytes as upper-case hexadecimal, two digits each.
std::string HexBytes(std::string_view bytes);
// Windows-1251 bytes as UTF-8 for a person to read, control bytes as <XX>.
std::string PrintableCp1251(std::string_view cp1251);

}  // namespace tesmar::link
